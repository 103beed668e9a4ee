#include "chat/chatmanager.h"

#include "chat/chatcoreinterface.h"
#include "chat/chatlogging.h"
#include "chat/chatsession.h"
#include "chat/chatwindowfactory.h"
#include "chat/controlrecord.h"
#include "chat/roomdirectory.h"
#include "chat/tabbedwindowinterface.h"
#include "lib_kelvan/clock.h"
#include "plugin/records/roomuserinfo.h"
#include "settings/settingsmanager.h"

#include <sdk/ihostservices.h>
#include <sdk/iuser.h>

#include <utility>

namespace {

// Real keys are a few dozen bytes (own id, time stamp, counter). A longer
// key in a record from a peer is not one of ours and is not stored.
constexpr int MaxSessionKeyBytes = 1024;

QByteArray idOf(const IUser *user)
{
    return user && user->id() ? QByteArray(user->id()) : QByteArray();
}

bool isRoomRecord(const IUser *user)
{
    return user && user->type() == 1;
}

} // namespace

ChatManager::ChatManager(ChatCoreInterface *core)
    : m_core(core)
{
}

ChatManager::~ChatManager()
{
    closeAll();
}

// --- Lookups -----------------------------------------------------------------

template <typename Match>
ChatSession *ChatManager::findFirst(Match match) const
{
    std::lock_guard<std::recursive_mutex> locker(m_listLock);
    ++m_readers;
    ChatSession *found = nullptr;
    for (ChatSession *session : m_sessions) {
        if (!m_pendingRemovals.contains(session) && match(session)) {
            found = session;
            break;
        }
    }
    --m_readers;
    return found;
}

ChatSession *ChatManager::findBySessionKey(const QByteArray &key) const
{
    if (key.isEmpty())
        return nullptr;
    return findFirst([&](const ChatSession *session) { return session->sessionKey() == key; });
}

ChatSession *ChatManager::findByPeer(const QByteArray &userId) const
{
    if (userId.isEmpty())
        return nullptr;
    return findFirst([&](const ChatSession *session) { return !session->isRoom() && session->hasParticipant(userId); });
}

ChatSession *ChatManager::findRoom(const QByteArray &roomId) const
{
    if (roomId.isEmpty())
        return nullptr;
    return findFirst([&](const ChatSession *session) { return session->firstParticipantIs(roomId, true); });
}

ChatSession *ChatManager::findByFirstParticipant(const QByteArray &id) const
{
    if (id.isEmpty())
        return nullptr;
    return findFirst([&](const ChatSession *session) { return session->firstParticipantId() == id; });
}

int ChatManager::count() const
{
    std::lock_guard<std::recursive_mutex> locker(m_listLock);
    return m_sessions.size();
}

ChatSession *ChatManager::at(int index) const
{
    std::lock_guard<std::recursive_mutex> locker(m_listLock);
    return index >= 0 && index < m_sessions.size() ? m_sessions.at(index) : nullptr;
}

// --- Registration ----------------------------------------------------------

void ChatManager::add(ChatSession *session)
{
    if (!session)
        return;
    std::lock_guard<std::recursive_mutex> locker(m_listLock);
    if (!m_sessions.contains(session))
        m_sessions.append(session);
}

void ChatManager::remove(ChatSession *session)
{
    if (!session)
        return;
    {
        std::lock_guard<std::recursive_mutex> locker(m_listLock);
        if (!m_sessions.contains(session))
            return;
        // Holding the (recursive) lock with readers inside means this thread
        // is in a scan that is iterating the list right now.
        if (m_readers.load() > 0) {
            if (!m_pendingRemovals.contains(session))
                m_pendingRemovals.append(session);
            return;
        }
        m_sessions.removeOne(session);
    }
    // Outside the lock: destroying closes a window, which may look things up.
    destroySession(session);
}

void ChatManager::finishScan()
{
    QList<ChatSession *> removals;
    {
        std::lock_guard<std::recursive_mutex> locker(m_listLock);
        if (m_readers.load() > 0 || m_pendingRemovals.isEmpty())
            return;
        removals.swap(m_pendingRemovals);
    }
    for (ChatSession *session : removals)
        remove(session);
}

void ChatManager::closeAll()
{
    QList<ChatSession *> sessions;
    {
        std::lock_guard<std::recursive_mutex> locker(m_listLock);
        sessions.swap(m_sessions);
        m_pendingRemovals.clear();
    }
    for (ChatSession *session : sessions)
        destroySession(session);
    if (TabbedWindowInterface *tabbed = std::exchange(m_tabbed, nullptr))
        tabbed->dispose();
}

TabbedWindowInterface *ChatManager::tabbedWindow()
{
    if (!m_tabbed) {
        if (ChatWindowFactory *factory = ChatWindowFactory::instance())
            m_tabbed = factory->createTabbedWindow(this);
    }
    return m_tabbed;
}

void ChatManager::destroySession(ChatSession *session)
{
    delete session;
}

QByteArray ChatManager::newSessionKey(const IUser *user)
{
    if (isRoomRecord(user))
        return idOf(user);
    std::lock_guard<std::mutex> locker(m_keyLock);
    const QByteArray ownId = m_core ? m_core->ownUserId() : QByteArray();
    const QByteArray time = kelvan::Clock::instance().now().toString(QStringLiteral("yyyyMMddhhmmss")).toLatin1();
    return ownId + '_' + time + '_' + QByteArray::number(m_sessionCounter++);
}

// --- Find or create ----------------------------------------------------------

ChatSession *ChatManager::openChat(const IUser *user)
{
    ChatSession *session = findOrCreateConversation(user, QByteArray());
    if (session)
        session->show(false);
    return session;
}

ChatSession *ChatManager::findConversation(const IUser *sender, const QByteArray &sessionKey) const
{
    if (ChatSession *session = findBySessionKey(sessionKey))
        return session;
    const QByteArray id = idOf(sender);
    return isRoomRecord(sender) ? findRoom(id) : findByPeer(id);
}

ChatSession *ChatManager::findOrCreateConversation(const IUser *user, const QByteArray &sessionKey)
{
    if (idOf(user).isEmpty())
        return nullptr;
    if (ChatSession *session = findConversation(user, sessionKey))
        return session;
    const QByteArray key = sessionKey.isEmpty() || sessionKey.size() > MaxSessionKeyBytes ? newSessionKey(user) : sessionKey;
    auto *session = new ChatSession(this, user, key);
    add(session);
    if (session->isRoom())
        prepareRoom(session);
    return session;
}

ChatSession *ChatManager::openById(const QByteArray &userId, const QByteArray &sessionKey)
{
    IHostServices *host = m_core ? m_core->hostServices() : nullptr;
    if (!host || userId.isEmpty())
        return nullptr;
    UserObj user;
    if (!host->getUser(&user, userId.constData())) {
        user = UserObj();
        user.setId(userId);
        host->requestUser(&user);
        // The host may fill the record at once; an id is all we need.
        if (user.idBytes().isEmpty())
            user.setId(userId);
    }
    return findOrCreateConversation(&user, sessionKey);
}

ChatSession *ChatManager::startMultiChat(IUser *const *users, int count, const QString &text)
{
    if (!users || count <= 0)
        return nullptr;
    QList<const IUser *> online;
    for (int i = 0; i < count; ++i) {
        const IUser *user = users[i];
        if (user && !user->isOffline() && !idOf(user).isEmpty())
            online.append(user);
    }
    if (online.isEmpty())
        return nullptr;
    auto *session = new ChatSession(this, online.first(), newSessionKey(online.first()));
    for (int i = 1; i < online.size(); ++i)
        session->addParticipant(online.at(i));
    add(session);
    if (!text.isEmpty())
        session->sendText(text);
    session->show(false);
    return session;
}

// --- Control records ------------------------------------------------------------

void ChatManager::onCommand(const IUser *sender, const QByteArray &text)
{
    if (!sender)
        return;
    handleCommand(sender, ControlRecord::fromText(text));
}

void ChatManager::handleCommand(const IUser *sender, const ControlRecord &record)
{
    if (idOf(sender).isEmpty())
        return;
    if (record.sessionId().size() > MaxSessionKeyBytes || record.roomId().size() > MaxSessionKeyBytes) {
        qCWarning(lcConversations) << "control record with an oversized key ignored";
        return;
    }
    switch (record.command()) {
    case ControlRecord::Command::Writing:
        onTyping(sender, record);
        break;
    case ControlRecord::Command::Nudge:
        onNudge(sender, record);
        break;
    case ControlRecord::Command::NudgeDisabled:
        onNudgeRefusal(sender, record);
        break;
    case ControlRecord::Command::MessageSeen: // the broadcast plug-in's
    case ControlRecord::Command::Unknown:
        break;
    }
}

void ChatManager::onTyping(const IUser *sender, const ControlRecord &record)
{
    // A typing notice never opens a conversation.
    if (ChatSession *session = findConversation(sender, record.sessionId()))
        session->onTypingNotice(idOf(sender));
}

bool ChatManager::mayNotify(const QByteArray &id) const
{
    IHostServices *host = m_core ? m_core->hostServices() : nullptr;
    if (!host || !host->canChatWith(id.constData()))
        return false;
    SettingsManager *settings = m_core->settings();
    return !settings || settings->notificationsEnabled(QString::fromUtf8(id));
}

void ChatManager::onNudge(const IUser *sender, const ControlRecord &record)
{
    const QByteArray senderId = idOf(sender);
    const QByteArray &roomId = record.roomId();
    const QByteArray &sessionKey = record.sessionId();
    ChatSession *session = nullptr;
    if (!roomId.isEmpty()) {
        if (!mayNotify(roomId))
            return;
        session = findRoom(roomId);
        if (!session) {
            IHostServices *host = m_core->hostServices();
            UserObj room;
            if (!host->getUser(&room, roomId.constData()))
                return;
            session = new ChatSession(this, &room, sessionKey.isEmpty() ? newSessionKey(&room) : sessionKey);
            add(session);
            if (session->isRoom())
                prepareRoom(session);
            session->show(true);
        } else if (!sessionKey.isEmpty()) {
            session->setSessionKey(sessionKey);
        }
    } else {
        if (!mayNotify(senderId))
            return;
        session = findConversation(sender, sessionKey);
        if (!session)
            session = createForKnownSender(sender, sessionKey);
        else if (!sessionKey.isEmpty() && session->sessionKey() != sessionKey)
            session->setSessionKey(sessionKey);
    }
    if (session)
        session->onNudgeReceived(senderId);
}

ChatSession *ChatManager::createForKnownSender(const IUser *sender, const QByteArray &sessionKey)
{
    // A record from a sender the host cannot name opens no window.
    IHostServices *host = m_core ? m_core->hostServices() : nullptr;
    UserObj known;
    if (!host || !host->getUser(&known, idOf(sender).constData()))
        return nullptr;
    return findOrCreateConversation(&known, sessionKey);
}

void ChatManager::onNudgeRefusal(const IUser *sender, const ControlRecord &record)
{
    const QByteArray &sessionKey = record.sessionId();
    ChatSession *session = findConversation(sender, sessionKey);
    // Only an answer to a nudge the user sent lately is worth a notice; a
    // flood of refusals costs a lookup each.
    const QByteArray nudged = session ? session->firstParticipantId() : idOf(sender);
    if (!m_nudges.takeRefusal(nudged, kelvan::Clock::instance().tickMs()))
        return;
    if (!session)
        session = createForKnownSender(sender, sessionKey);
    if (!session)
        return;
    // An empty key would unhook the conversation from its messages.
    if (!sessionKey.isEmpty() && session->sessionKey() != sessionKey)
        session->setSessionKey(sessionKey);
    session->onNudgeRefused(idOf(sender));
}

// --- Rooms ---------------------------------------------------------------------------

ChatSession *ChatManager::startRoomCreation(const IUser *standIn, int requestToken)
{
    if (!standIn || standIn->type() != 1 || requestToken == 0)
        return nullptr;
    auto *session = new ChatSession(this, standIn, QByteArray());
    session->setRequestToken(requestToken);
    add(session);
    session->prepareRoom();
    session->show(false);
    return session;
}

void ChatManager::prepareRoom(ChatSession *session)
{
    session->prepareRoom();
    RoomDirectory *directory = m_core ? m_core->roomDirectory() : nullptr;
    const QByteArray roomId = session->firstParticipantId();
    if (!directory || roomId.isEmpty())
        return;
    if (directory->find(roomId))
        syncRoom(session);
    else
        directory->requestDocument(roomId);
}

void ChatManager::syncRoom(ChatSession *session)
{
    RoomDirectory *directory = m_core ? m_core->roomDirectory() : nullptr;
    const RoomUserInfo *record = directory ? directory->find(session->firstParticipantId()) : nullptr;
    if (!record)
        return;
    if (session->firstParticipant() && session->firstParticipant()->displayNameString() != record->displayNameString())
        session->onUserUpdated(record);
    if (session->isRoomReady() || !record->isJoined())
        return;
    // Members who were there before the window opened: no joined lines.
    IHostServices *host = m_core->roomsHostServices() ? m_core->roomsHostServices() : m_core->hostServices();
    for (const QByteArray &id : record->memberIds()) {
        UserObj member;
        if (host && host->getUser(&member, id.constData()))
            session->memberJoined(&member, false);
    }
    session->roomReady();
}

void ChatManager::leaveRoom(ChatSession *session)
{
    qint64 room = 0;
    IHostServices *host = session && session->roomNumber(&room) ? session->roomsHost() : nullptr;
    remove(session);
    if (host)
        host->leaveRoom(room);
}

void ChatManager::roomsChanged(const QList<QByteArray> &roomIds)
{
    for (const QByteArray &id : roomIds) {
        if (ChatSession *session = findRoom(id))
            syncRoom(session);
    }
}

// --- IRoomsListener ---------------------------------------------------------------
//
// The host's rooms service tells what happens in a room; the room's open
// conversation shows it. Events for rooms without a conversation, members
// joining twice and members leaving who were never in change nothing.

void ChatManager::onRoomReady(IUser *room, int requestToken)
{
    if (!room || idOf(room).isEmpty())
        return;
    if (requestToken == 0) {
        UserObj copy(room);
        copy.setType(1);
        openChat(&copy);
        return;
    }
    QList<ChatSession *> waiting;
    forEach([&](ChatSession *session) {
        if (session->isRoom() && session->requestToken() == requestToken)
            waiting.append(session);
    });
    for (ChatSession *session : qAsConst(waiting)) {
        session->takeRoom(room);
        syncRoom(session);
        session->show(false);
    }
}

void ChatManager::onRoomJoined(const char *roomId, IUser *const *members, int count)
{
    ChatSession *session = roomId ? findRoom(QByteArray(roomId)) : nullptr;
    if (!session)
        return;
    for (int i = 0; members && i < count; ++i)
        session->memberJoined(members[i], true);
    session->roomReady();
    if (!m_core)
        return;
    if (RoomDirectory *directory = m_core->roomDirectory())
        directory->setJoined(QByteArray(roomId), true);
    m_core->requestRoomHistory(QByteArray(roomId));
}

void ChatManager::onRoomMemberJoined(const char *roomId, IUser *member)
{
    if (ChatSession *session = roomId ? findRoom(QByteArray(roomId)) : nullptr)
        session->memberJoined(member, true);
}

void ChatManager::onRoomMembersLeft(const char *roomId, const char *const *memberIds, int count)
{
    ChatSession *session = roomId ? findRoom(QByteArray(roomId)) : nullptr;
    for (int i = 0; session && memberIds && i < count; ++i) {
        if (memberIds[i])
            session->memberLeft(QByteArray(memberIds[i]));
    }
}

void ChatManager::onRoomUpdated(IUser *room)
{
    if (!room || idOf(room).isEmpty())
        return;
    const UserObj copy(room);
    if (RoomDirectory *directory = m_core ? m_core->roomDirectory() : nullptr)
        directory->onRoomUpdated(&copy);
    forEach([&](ChatSession *session) { session->onUserUpdated(&copy); });
}

void ChatManager::onRoomRemoved(const char *roomId)
{
    if (!roomId)
        return;
    if (ChatSession *session = findRoom(QByteArray(roomId)))
        remove(session);
}

void ChatManager::onRoomNotice(const char *roomId, const char *argument)
{
    ChatSession *session = roomId ? findRoom(QByteArray(roomId)) : nullptr;
    if (session && argument)
        session->onRoomNotice(QByteArray(argument));
}

void ChatManager::onRoomMemberChanged(const char *roomId, const char *memberId, int status,
                                      const char16_t *displayName, int flags)
{
    Q_UNUSED(flags)
    ChatSession *session = roomId ? findRoom(QByteArray(roomId)) : nullptr;
    if (session && memberId)
        session->memberChanged(QByteArray(memberId), status, displayName ? QString::fromUtf16(displayName) : QString());
}
