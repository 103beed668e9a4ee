#include "plugin/broadcastpluginimpl.h"

#include "plugin/chat.h"
#include "plugin/pluginsupport.h"
#include "plugin/records/userobj.h"
#include "shared/sharedresourcemanager.h"

#include <sdk/ihostservices.h>

namespace {

const PluginIdentity Identity = {
    "broadcast",
    "BroadcastPluginImpl",
    QT_TRANSLATE_NOOP("BroadcastPluginImpl", "Broadcast Message"),
    QT_TRANSLATE_NOOP("BroadcastPluginImpl", "Broadcast Message"),
    QT_TRANSLATE_NOOP("BroadcastPluginImpl", "Broadcast Message Plugin"),
    ":/images/broadcast.png",
    "1.0",
    32666,
};

} // namespace

BroadcastPluginImpl::BroadcastPluginImpl()
    : PluginObject(Identity)
{
}

BroadcastPluginImpl::~BroadcastPluginImpl() = default;

void BroadcastPluginImpl::initialize(IHostServices *host)
{
    m_host = host;
}

void BroadcastPluginImpl::shutdown()
{
    m_host = nullptr;
}

void BroadcastPluginImpl::onOwnUserChanged()
{
    if (!m_host)
        return;
    UserObj own;
    m_host->getOwnUser(&own);
    SharedResourceManager::instance()->setOwnUser(&own);
}

void BroadcastPluginImpl::onOwnProfileA(IUser *user)
{
    if (user)
        SharedResourceManager::instance()->setOwnUser(user);
}

void BroadcastPluginImpl::onOwnProfileB(IUser *user)
{
    if (user)
        SharedResourceManager::instance()->setOwnUser(user);
}

void BroadcastPluginImpl::onOwnProfileC(IUser *user)
{
    if (user)
        SharedResourceManager::instance()->setOwnUser(user);
}

void BroadcastPluginImpl::setLanguage(const char *languageCode)
{
    PluginSupport::setLanguage(languageCode);
}

void BroadcastPluginImpl::execute(IUser *user, int action)
{
    // canExecute keeps the base answer (no) until starting a broadcast is available here,
    // so the administrator's refusal is all this operation shows.
    if (!canExecute(user, action) && !isActionAllowed(action))
        PluginSupport::showDisabledMessage();
}

bool BroadcastPluginImpl::supportsMultiSelect() const
{
    return true;
}

bool BroadcastPluginImpl::flag29() const
{
    return true;
}

bool BroadcastPluginImpl::flag30() const
{
    return true;
}

bool BroadcastPluginImpl::flag31() const
{
    return false;
}

bool BroadcastPluginImpl::flag33() const
{
    return false;
}

void BroadcastPluginImpl::reserved36(void *, void *)
{
}

void BroadcastPluginImpl::reserved37(void *, void *)
{
}

void BroadcastPluginImpl::reloadResources()
{
    if (Chat *chat = Chat::instance())
        chat->reloadResources(m_host);
}

bool BroadcastPluginImpl::flag48() const
{
    return false;
}

void BroadcastPluginImpl::reserved50(void *)
{
}

void BroadcastPluginImpl::reserved52(void *)
{
}
