#include "plugin/pluginimpl.h"

#include "chat/chatmanager.h"
#include "lib_kelvan/utf16.h"
#include "plugin/broadcastpluginimpl.h"
#include "plugin/chat.h"
#include "plugin/hostclockadapter.h"
#include "plugin/hostscreensadapter.h"
#include "plugin/pluginsupport.h"
#include "plugin/records/userobj.h"
#include "plugin/roomspluginimpl.h"
#include "shared/sharedresourcemanager.h"

#include <sdk/ihostmessage.h>
#include <sdk/ihostservices.h>
#include <sdk/iuser.h>

#include <QCoreApplication>
#include <QStringList>

#include <cstring>

namespace {

const PluginIdentity Identity = {
    "chat",
    "PluginImpl",
    QT_TRANSLATE_NOOP("PluginImpl", "Text Chat"),
    QT_TRANSLATE_NOOP("PluginImpl", "Text Chat"),
    QT_TRANSLATE_NOOP("PluginImpl", "Text Chat Plugin"),
    ":/images/chat.png",
    "2.1",
    32668,
};

using kelvan::fromUtf16;

QByteArray bytes(const char *text)
{
    return text ? QByteArray(text) : QByteArray();
}

} // namespace

PluginImpl &PluginImpl::instance()
{
    static PluginImpl plugin;
    return plugin;
}

PluginImpl::PluginImpl()
    : PluginObject(Identity)
{
}

PluginImpl::~PluginImpl()
{
    // The host unloads the library after shutdown; should it not have shut
    // down, the further objects still go.
    delete m_broadcast;
    delete m_rooms;
}

void PluginImpl::initialize(IHostServices *host)
{
    // Before anything reads the time or sizes a window.
    HostClockAdapter::install(host);
    HostScreensAdapter::install(host);
    SharedResourceManager *resources = SharedResourceManager::instance();
    Chat *chat = Chat::create();
    if (host) {
        if (!m_rooms) {
            m_rooms = new RoomsPluginImpl();
            host->registerPlugin(m_rooms);
        }
        if (!m_broadcast) {
            m_broadcast = new BroadcastPluginImpl();
            host->registerPlugin(m_broadcast);
        }
    }
    chat->setHostServices(host);
    // Before the managers: the emoticons load from the host's application
    // folder. Loads the settings when the signed-in identity is not the one
    // loaded last.
    if (host)
        resources->setHostServices(host);
    resources->ensureManagers();

    if (!host)
        return;
    resources->loadTemplate(fromUtf16(host->dataFolder(-1)));
    if (m_listenerHost != host) {
        host->registerRoomsListener(&chat->manager());
        m_listenerHost = host;
    }
}

void PluginImpl::shutdown()
{
    delete m_broadcast;
    m_broadcast = nullptr;
    delete m_rooms;
    m_rooms = nullptr;
    if (m_listenerHost) {
        m_listenerHost->registerRoomsListener(nullptr);
        m_listenerHost = nullptr;
    }
    // Windows close while the settings and emoticons they use still exist.
    if (Chat *chat = Chat::instance())
        chat->manager().closeAll();
    SharedResourceManager::destroy();
    Chat::destroy();
    HostScreensAdapter::uninstall();
    HostClockAdapter::uninstall();
}

void PluginImpl::onOwnUserChanged()
{
    Chat *chat = Chat::instance();
    IHostServices *host = chat ? chat->hostServices() : nullptr;
    if (!host)
        return;
    UserObj own;
    host->getOwnUser(&own);
    SharedResourceManager *resources = SharedResourceManager::instance();
    resources->setOwnUser(&own);
    // Another account may have signed in: its settings are loaded now.
    resources->reloadSettingsIfIdentityChanged();
    chat->refreshOwnUser();
}

void PluginImpl::onConnectionLost()
{
    if (Chat *chat = Chat::instance())
        chat->onConnectionLost();
}

void PluginImpl::onUserPresence(IUser *user, int value)
{
    if (Chat *chat = Chat::instance())
        chat->onUserPresence(user, value);
}

void PluginImpl::onUserStatusText(IUser *user)
{
    if (Chat *chat = Chat::instance())
        chat->onUserStatusText(user);
}

void PluginImpl::onOwnProfileA(IUser *user)
{
    if (!user)
        return;
    SharedResourceManager::instance()->setOwnUser(user);
    if (Chat *chat = Chat::instance())
        chat->onOwnProfile(1);
}

void PluginImpl::onUserChanged(IUser *user)
{
    if (Chat *chat = Chat::instance())
        chat->onUserChanged(user);
}

void PluginImpl::onUserUpdated(IUser *user)
{
    if (Chat *chat = Chat::instance())
        chat->onUserUpdated(user);
}

void PluginImpl::onOwnProfileB(IUser *user)
{
    if (!user)
        return;
    SharedResourceManager::instance()->setOwnUser(user);
    if (Chat *chat = Chat::instance())
        chat->onOwnProfile(2);
}

void PluginImpl::onOwnProfileC(IUser *user)
{
    if (!user)
        return;
    SharedResourceManager::instance()->setOwnUser(user);
    if (Chat *chat = Chat::instance())
        chat->onOwnProfile(3);
}

void PluginImpl::setLanguage(const char *languageCode)
{
    PluginSupport::setLanguage(languageCode);
}

bool PluginImpl::canExecute(IUser *user, int action)
{
    if (!isActionAllowed(action) || !user)
        return false;
    Chat *chat = Chat::instance();
    IHostServices *host = chat ? chat->hostServices() : nullptr;
    if (!host)
        return false;
    if (user->type() == 1)
        return host->findPlugin("chat_rooms") != nullptr;
    const char *id = user->id();
    return id && *id && host->canChatWith(id);
}

void PluginImpl::execute(IUser *user, int action)
{
    if (canExecute(user, action)) {
        const UserObj copy(user);
        if (Chat *chat = Chat::instance())
            chat->openChat(&copy);
        return;
    }
    if (!isActionAllowed(action))
        PluginSupport::showDisabledMessage();
}

bool PluginImpl::supportsMultiSelect() const
{
    return false;
}

bool PluginImpl::flag29() const
{
    return true;
}

bool PluginImpl::flag30() const
{
    return true;
}

bool PluginImpl::flag31() const
{
    return true;
}

bool PluginImpl::canExecuteMulti(IUser *const *users, int count, int action)
{
    if (!isActionAllowed(action) || !supportsMultiSelect() || !users || count < 1)
        return false;
    for (int i = 0; i < count; ++i) {
        if (users[i] && canExecute(users[i], action) && !users[i]->isOffline())
            return true;
    }
    return false;
}

bool PluginImpl::flag33() const
{
    return false;
}

void PluginImpl::executeMulti(IUser *const *users, int count, int action, const char *text, int value)
{
    Q_UNUSED(action)
    Q_UNUSED(value)
    if (Chat *chat = Chat::instance())
        chat->startMultiChat(users, count, QString::fromUtf8(bytes(text)));
}

void PluginImpl::reserved36(void *, void *)
{
}

void PluginImpl::reserved37(void *, void *)
{
}

void PluginImpl::openChat(IUser *user)
{
    if (!user)
        return;
    const UserObj copy(user);
    if (Chat *chat = Chat::instance())
        chat->openChat(&copy);
}

void PluginImpl::onCommand(IUser *sender, const char *text)
{
    if (!sender || !text)
        return;
    if (Chat *chat = Chat::instance())
        chat->onCommand(sender, QByteArray(text));
}

void PluginImpl::notifyUserWindow(IUser *user)
{
    if (Chat *chat = Chat::instance())
        chat->notifyUserWindow(user);
}

void PluginImpl::onUserDeleted(IUser *user)
{
    if (Chat *chat = Chat::instance())
        chat->onUserDeleted(user);
}

void PluginImpl::sendAttachment(IUser *const *users, int count, const char *text, int value)
{
    Q_UNUSED(value)
    if (Chat *chat = Chat::instance())
        chat->sendAttachment(users, count, bytes(text));
}

void PluginImpl::showSettings()
{
    if (Chat *chat = Chat::instance())
        chat->showSettings();
}

void PluginImpl::reloadResources()
{
    if (Chat *chat = Chat::instance())
        chat->reloadResources(chat->hostServices());
}

void PluginImpl::refreshButtons()
{
    if (Chat *chat = Chat::instance())
        chat->refreshButtons();
}

bool PluginImpl::flag48() const
{
    return true;
}

void PluginImpl::openConversation(IConversationRecord *record)
{
    if (!record)
        return;
    if (Chat *chat = Chat::instance())
        chat->openById(bytes(record->userId()), bytes(record->sessionKey()));
}

void PluginImpl::reserved50(void *)
{
}

void PluginImpl::openConversationEx(IConversationRecord *record, int value)
{
    Q_UNUSED(value)
    openConversation(record);
}

void PluginImpl::reserved52(void *)
{
}

void PluginImpl::onEvent(int code, const char *data, int length)
{
    Chat *chat = Chat::instance();
    if (!chat)
        return;
    QByteArray copy;
    if (data)
        copy = QByteArray(data, length >= 0 ? length : int(std::strlen(data)));
    chat->onEvent(code, copy);
}

void PluginImpl::onMessage(IHostMessage *message)
{
    if (Chat *chat = Chat::instance())
        chat->onMessage(message);
}

void PluginImpl::onHostNumberChanged()
{
    if (Chat *chat = Chat::instance())
        chat->onHostNumberChanged();
}

void PluginImpl::onOptionsChanged(int first, int second)
{
    if (Chat *chat = Chat::instance())
        chat->onOptionsChanged(first, second);
}

void PluginImpl::refreshWindows()
{
    if (Chat *chat = Chat::instance())
        chat->refreshWindows();
}

void PluginImpl::describeMessage(IHostMessage *message, IVariable *out)
{
    if (Chat *chat = Chat::instance()) {
        chat->describeMessage(message, out);
        return;
    }
    // Before initialize there is no host to name the sender: the body.
    IPlugin::describeMessage(message, out);
}

void PluginImpl::onUserList(const char *id, const char *const *items, int count)
{
    Chat *chat = Chat::instance();
    if (!chat || !id)
        return;
    QStringList list;
    if (items) {
        for (int i = 0; i < count; ++i) {
            if (items[i])
                list.append(QString::fromUtf8(items[i]));
        }
    }
    chat->onUserList(QByteArray(id), list);
}
