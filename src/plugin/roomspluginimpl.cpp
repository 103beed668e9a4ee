#include "plugin/roomspluginimpl.h"

#include "plugin/chat.h"
#include "plugin/pluginsupport.h"
#include "plugin/records/userobj.h"
#include "shared/sharedresourcemanager.h"

#include <sdk/ihostmessage.h>
#include <sdk/ihostservices.h>

namespace {

const PluginIdentity Identity = {
    "chat_rooms",
    "RoomsPluginImpl",
    QT_TRANSLATE_NOOP("RoomsPluginImpl", "Chat Rooms"),
    QT_TRANSLATE_NOOP("RoomsPluginImpl", "Create Chat Room"),
    QT_TRANSLATE_NOOP("RoomsPluginImpl", "Create a persistent chat room"),
    ":/images/chat_rooms.png",
    "2.1",
    32667,
};

QByteArray bytes(const char *text)
{
    return text ? QByteArray(text) : QByteArray();
}

} // namespace

RoomsPluginImpl::RoomsPluginImpl()
    : PluginObject(Identity)
{
}

RoomsPluginImpl::~RoomsPluginImpl()
{
    if (Chat *chat = Chat::instance()) {
        if (chat->roomsHostServices() == m_host)
            chat->setRoomsHostServices(nullptr);
    }
}

void RoomsPluginImpl::initialize(IHostServices *host)
{
    m_host = host;
    if (Chat *chat = Chat::instance())
        chat->setRoomsHostServices(host);
    if (host) {
        const char16_t *folder = host->dataFolder(-1);
        SharedResourceManager::instance()->loadTemplate(folder ? QString::fromUtf16(folder) : QString());
    }
}

void RoomsPluginImpl::shutdown()
{
    if (Chat *chat = Chat::instance())
        chat->setRoomsHostServices(nullptr);
    m_host = nullptr;
}

void RoomsPluginImpl::onOwnUserChanged()
{
    if (!m_host)
        return;
    UserObj own;
    m_host->getOwnUser(&own);
    SharedResourceManager::instance()->setOwnUser(&own);
    if (Chat *chat = Chat::instance())
        chat->refreshOwnUser();
}

void RoomsPluginImpl::onOwnProfileA(IUser *user)
{
    if (user)
        SharedResourceManager::instance()->setOwnUser(user);
}

void RoomsPluginImpl::onOwnProfileB(IUser *user)
{
    if (user)
        SharedResourceManager::instance()->setOwnUser(user);
}

void RoomsPluginImpl::onOwnProfileC(IUser *user)
{
    if (user)
        SharedResourceManager::instance()->setOwnUser(user);
}

void RoomsPluginImpl::setLanguage(const char *languageCode)
{
    PluginSupport::setLanguage(languageCode);
}

void RoomsPluginImpl::execute(IUser *user, int action)
{
    // canExecute keeps the base answer (no) until room creation is available here,
    // so the administrator's refusal is all this operation shows.
    if (!canExecute(user, action) && !isActionAllowed(action))
        PluginSupport::showDisabledMessage();
}

bool RoomsPluginImpl::supportsMultiSelect() const
{
    return true;
}

bool RoomsPluginImpl::flag29() const
{
    return true;
}

bool RoomsPluginImpl::flag30() const
{
    return true;
}

bool RoomsPluginImpl::flag31() const
{
    return true;
}

bool RoomsPluginImpl::flag33() const
{
    return false;
}

void RoomsPluginImpl::reserved36(void *, void *)
{
}

void RoomsPluginImpl::reserved37(void *, void *)
{
}

void RoomsPluginImpl::reloadResources()
{
    if (Chat *chat = Chat::instance())
        chat->reloadResources(m_host);
}

bool RoomsPluginImpl::flag48() const
{
    return false;
}

void RoomsPluginImpl::openConversation(IConversationRecord *record)
{
    if (!record)
        return;
    if (Chat *chat = Chat::instance())
        chat->openById(bytes(record->userId()), bytes(record->sessionKey()));
}

void RoomsPluginImpl::reserved50(void *)
{
}

void RoomsPluginImpl::openConversationEx(IConversationRecord *record, int value)
{
    Q_UNUSED(value)
    openConversation(record);
}

void RoomsPluginImpl::reserved52(void *)
{
}
