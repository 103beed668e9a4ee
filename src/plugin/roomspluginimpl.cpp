#include "plugin/roomspluginimpl.h"

#include "chat/roomsystemmessage.h"
#include "plugin/chat.h"
#include "plugin/pluginsupport.h"
#include "plugin/records/userobj.h"
#include "shared/sharedresourcemanager.h"

#include <sdk/ihostmessage.h>
#include <sdk/ihostservices.h>
#include <sdk/ivariable.h>

#include <QCoreApplication>

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

bool RoomsPluginImpl::hostHasRooms() const
{
    return m_host && m_host->findPlugin("chat_rooms");
}

bool RoomsPluginImpl::canExecute(IUser *user, int action)
{
    if (!isActionAllowed(action) || !hostHasRooms())
        return false;
    if (user && user->type() == 0)
        return true;
    // From a room (or from nowhere) a room can still be made, with someone
    // from the contact list.
    const int count = m_host->contactCount();
    for (int i = 0; i < count; ++i) {
        UserObj contact;
        if (m_host->contactAt(&contact, i) && contact.type() == 0)
            return true;
    }
    return false;
}

void RoomsPluginImpl::execute(IUser *user, int action)
{
    if (canExecute(user, action)) {
        Chat *chat = Chat::instance();
        if (chat && action == 2 && user && user->type() == 0) {
            IUser *const users[] = {user};
            chat->createRoom(users, 1);
        }
        return;
    }
    if (!isActionAllowed(action))
        PluginSupport::showDisabledMessage();
}

bool RoomsPluginImpl::canExecuteMulti(IUser *const *users, int count, int action)
{
    if (!isActionAllowed(action) || !supportsMultiSelect() || !users || count < 1)
        return false;
    for (int i = 0; i < count; ++i) {
        if (users[i] && users[i]->type() == 0 && canExecute(users[i], action))
            return true;
    }
    return false;
}

void RoomsPluginImpl::executeMulti(IUser *const *users, int count, int action, const char *text, int value)
{
    Q_UNUSED(text)
    Q_UNUSED(value)
    if (canExecuteMulti(users, count, action)) {
        if (Chat *chat = Chat::instance(); chat && action == 2)
            chat->createRoom(users, count);
        return;
    }
    if (!isActionAllowed(action))
        PluginSupport::showDisabledMessage();
}

void RoomsPluginImpl::onCommand(IUser *sender, const char *text)
{
    Q_UNUSED(sender)
    Chat *chat = Chat::instance();
    if (chat && text && hostHasRooms())
        chat->onRoomCommand(QByteArray(text));
}

void RoomsPluginImpl::sendAttachment(IUser *const *users, int count, const char *text, int value)
{
    Q_UNUSED(value)
    if (Chat *chat = Chat::instance())
        chat->sendAttachment(users, count, bytes(text));
}

void RoomsPluginImpl::describeMessage(IHostMessage *message, IVariable *out)
{
    if (!message || !out)
        return;
    const QByteArray body = bytes(message->body());
    const int code = RoomSystemMessage::code(body);
    if (code != RoomSystemMessage::Joined && code != RoomSystemMessage::Left) {
        out->set(body.constData(), body.size());
        return;
    }
    Chat *chat = Chat::instance();
    IHostServices *host = m_host ? m_host : chat ? chat->hostServices() : nullptr;
    const QByteArray senderId = QByteArray::number(qint64(message->senderId()));
    UserObj sender;
    if (!host || !host->getUser(&sender, senderId.constData()))
        sender.setDisplayName(QString::fromLatin1(senderId));
    const char *sentence = code == RoomSystemMessage::Joined ? QT_TRANSLATE_NOOP("RoomsPluginImpl", "%1 joined the room.")
                                                             : QT_TRANSLATE_NOOP("RoomsPluginImpl", "%1 left the room.");
    const QByteArray text = QCoreApplication::translate("RoomsPluginImpl", sentence).arg(sender.displayNameString()).toUtf8();
    out->set(text.constData(), text.size());
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
