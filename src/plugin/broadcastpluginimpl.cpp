#include "plugin/broadcastpluginimpl.h"

#include "broadcast/broadcastdocument.h"
#include "broadcast/broadcastregistry.h"
#include "emoticons/emotionboxmanager.h"
#include "plugin/chat.h"
#include "plugin/pluginlogging.h"
#include "plugin/pluginsupport.h"
#include "plugin/records/userobj.h"
#include "shared/sharedresourcemanager.h"

#include <sdk/ihostmessage.h>
#include <sdk/ihostservices.h>
#include <sdk/iuser.h>

#include <atomic>

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
    m_registry = std::make_unique<BroadcastRegistry>(host, this);
    m_registry->setAliasNormaliser([](const QString &message) {
        SharedResourceManager *resources = SharedResourceManager::existingInstance();
        const EmotionBoxManager *emoticons = resources ? resources->emoticons() : nullptr;
        return emoticons ? emoticons->replaceAliases(message) : message;
    });
}

void BroadcastPluginImpl::shutdown()
{
    m_registry.reset();
    m_host = nullptr;
}

void BroadcastPluginImpl::setOptions(const char *options)
{
    if (m_registry && options)
        m_registry->setOptions(QByteArray(options));
}

void BroadcastPluginImpl::onOwnUserChanged()
{
    if (!m_host)
        return;
    UserObj own;
    m_host->getOwnUser(&own);
    SharedResourceManager::instance()->setOwnUser(&own);
    if (m_registry)
        m_registry->onOwnUserChanged();
}

void BroadcastPluginImpl::onConnectionLost()
{
    if (m_registry)
        m_registry->onConnectionLost();
}

void BroadcastPluginImpl::onUserPresence(IUser *user, int value)
{
    Q_UNUSED(value)
    if (m_registry && user && user->id())
        m_registry->onUserPresence(QByteArray(user->id()), user->status());
}

void BroadcastPluginImpl::onUserChanged(IUser *user)
{
    if (m_registry && user && user->id())
        m_registry->onUserChanged(QByteArray(user->id()));
}

void BroadcastPluginImpl::onUserUpdated(IUser *user)
{
    onUserChanged(user);
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

QList<quint64> BroadcastPluginImpl::contactIds(IUser *const *users, int count)
{
    QList<quint64> ids;
    for (int i = 0; users && i < count; ++i) {
        IUser *user = users[i];
        bool ok = false;
        const quint64 id = user && user->type() == 0 && user->id() ? QByteArray(user->id()).toULongLong(&ok) : 0;
        if (ok && id != 0)
            ids.append(id);
    }
    return ids;
}

bool BroadcastPluginImpl::mayStart(int action)
{
    return isActionAllowed(action) && m_host && m_registry
           && m_host->findPlugin("broadcast");
}

bool BroadcastPluginImpl::canExecute(IUser *user, int action)
{
    return mayStart(action) && (!user || user->type() == 0);
}

void BroadcastPluginImpl::execute(IUser *user, int action)
{
    if (!canExecute(user, action)) {
        if (!isActionAllowed(action))
            PluginSupport::showDisabledMessage();
        return;
    }
    if (action == 2)
        m_registry->newJob(user ? contactIds(&user, 1) : QList<quint64>());
}

bool BroadcastPluginImpl::canExecuteMulti(IUser *const *users, int count, int action)
{
    return supportsMultiSelect() && count >= 1 && mayStart(action) && !contactIds(users, count).isEmpty();
}

void BroadcastPluginImpl::executeMulti(IUser *const *users, int count, int action, const char *text, int value)
{
    Q_UNUSED(text)
    Q_UNUSED(value)
    if (!canExecuteMulti(users, count, action)) {
        if (!isActionAllowed(action))
            PluginSupport::showDisabledMessage();
        return;
    }
    if (action == 2)
        m_registry->newJob(contactIds(users, count));
}

void BroadcastPluginImpl::onCommand(IUser *sender, const char *text)
{
    if (m_registry && sender && text)
        m_registry->onControlMessage(sender, QByteArray(text));
}

void BroadcastPluginImpl::onUserDeleted(IUser *user)
{
    if (m_registry && user && user->id())
        m_registry->onUserDeleted(QByteArray(user->id()));
}

void BroadcastPluginImpl::sendAttachment(IUser *const *users, int count, const char *text, int value)
{
    Q_UNUSED(value)
    if (!m_registry || !text || !*text)
        return;
    const QList<quint64> ids = contactIds(users, count);
    BroadcastDocument *job = m_registry->newJob(ids);
    // Outside the limits the composer shows why, and nothing goes out.
    if (ids.size() >= BroadcastLimits::MinRecipients && ids.size() <= m_registry->limits().maxRecipients
        && m_registry->isConnected())
        job->send(QString::fromUtf8(text));
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

void BroadcastPluginImpl::openConversation(IConversationRecord *record)
{
    if (m_registry && record)
        m_registry->openConversation(QByteArray(record->userId() ? record->userId() : ""),
                                     QByteArray(record->sessionKey() ? record->sessionKey() : ""));
}

void BroadcastPluginImpl::reserved50(void *)
{
}

void BroadcastPluginImpl::openConversationEx(IConversationRecord *record, int value)
{
    Q_UNUSED(value)
    openConversation(record);
}

void BroadcastPluginImpl::reserved52(void *)
{
}

void BroadcastPluginImpl::onEvent(int code, const char *data, int length)
{
    if (!m_registry)
        return;
    const QByteArray bytes = data ? QByteArray(data, qMax(0, length)) : QByteArray();
    switch (code) {
    case 19: // a picture arrived
    case 20: // a picture will not arrive
        m_registry->onPictureEvent(code, bytes);
        return;
    case 800: {
        // The host sends it, but nothing here needs it; said once.
        static std::atomic<bool> logged{false};
        if (!logged.exchange(true))
            qCInfo(lcPlugin) << "broadcast event 800 is not used by this plug-in and ignored";
        return;
    }
    default:
        return;
    }
}

void BroadcastPluginImpl::onMessage(IHostMessage *message)
{
    if (m_registry && message && message->isReceived() && message->secondFlag() && message->pluginId()
        && QByteArray(message->pluginId()) == "broadcast")
        m_registry->onBroadcastReceived(*message);
}

void BroadcastPluginImpl::onOptionsChanged(int first, int second)
{
    Q_UNUSED(first)
    Q_UNUSED(second)
    if (m_registry)
        m_registry->applySettings();
}
