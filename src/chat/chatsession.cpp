#include "chat/chatsession.h"

#include "chat/chatcoreinterface.h"
#include "chat/chatlogging.h"
#include "chat/chatmanager.h"
#include "chat/chatwindowfactory.h"
#include "chat/chatwindowinterface.h"
#include "chat/controlrecord.h"
#include "chat/roomsystemmessage.h"
#include "lib_kelvan/clock.h"
#include "plugin/records/userobj.h"
#include "settings/settingsmanager.h"

#include <sdk/ihostmessage.h>
#include <sdk/ihostservices.h>

#include <QCoreApplication>

namespace {

// Marks a scan of the participant array for the reader count.
class ReaderScope
{
public:
    explicit ReaderScope(std::atomic<int> &readers) : m_readers(readers) { ++m_readers; }
    ~ReaderScope() { --m_readers; }
    Q_DISABLE_COPY(ReaderScope)

private:
    std::atomic<int> &m_readers;
};

} // namespace

ChatSession::ChatSession(ChatManager *manager, const IUser *user, const QByteArray &sessionKey)
    : m_manager(manager)
    , m_sessionKey(sessionKey)
{
    if (user) {
        m_isRoom = user->type() == 1;
        m_participants.push_back(new UserObj(user));
    }
    // The window reads the participants while it builds itself.
    if (ChatWindowFactory *factory = ChatWindowFactory::instance())
        m_window.store(factory->createWindow(this));
}

ChatSession::~ChatSession()
{
    if (ChatWindowInterface *window = m_window.exchange(nullptr))
        window->release();
    std::lock_guard<std::recursive_mutex> locker(m_participantLock);
    for (UserObj *participant : m_participants)
        delete participant;
    m_participants.clear();
}

ChatCoreInterface *ChatSession::core() const
{
    return m_manager ? m_manager->core() : nullptr;
}

IHostServices *ChatSession::host() const
{
    ChatCoreInterface *chatCore = core();
    return chatCore ? chatCore->hostServices() : nullptr;
}

IHostServices *ChatSession::roomsHost() const
{
    ChatCoreInterface *chatCore = core();
    IHostServices *rooms = chatCore ? chatCore->roomsHostServices() : nullptr;
    return rooms ? rooms : host();
}

QByteArray ChatSession::sessionKey() const
{
    std::lock_guard<std::recursive_mutex> locker(m_participantLock);
    return m_sessionKey;
}

void ChatSession::setSessionKey(const QByteArray &key)
{
    std::lock_guard<std::recursive_mutex> locker(m_participantLock);
    m_sessionKey = key;
}

// --- Participants ------------------------------------------------------------

void ChatSession::addParticipant(UserObj *record)
{
    if (!record)
        return;
    std::lock_guard<std::recursive_mutex> locker(m_participantLock);
    m_participants.push_back(record);
    // Inside the lock, so the member list never shows a record that a
    // concurrent scan does not see.
    if (ChatWindowInterface *window = m_window.load())
        window->memberAdded(record);
}

void ChatSession::addParticipant(const IUser *user)
{
    if (user)
        addParticipant(new UserObj(user));
}

bool ChatSession::removeParticipant(const QByteArray &id)
{
    UserObj *removed = nullptr;
    {
        std::lock_guard<std::recursive_mutex> locker(m_participantLock);
        for (size_t i = 1; i < m_participants.size(); ++i) {
            if (m_participants[i]->idBytes() == id) {
                removed = m_participants[i];
                m_participants.erase(m_participants.begin() + std::ptrdiff_t(i));
                if (ChatWindowInterface *window = m_window.load())
                    window->memberRemoved(id);
                break;
            }
        }
    }
    delete removed;
    return removed != nullptr;
}

UserObj *ChatSession::findParticipant(const QByteArray &id) const
{
    std::lock_guard<std::recursive_mutex> locker(m_participantLock);
    ReaderScope reading(m_readers);
    for (UserObj *participant : m_participants) {
        if (participant->idBytes() == id)
            return participant;
    }
    return nullptr;
}

UserObj *ChatSession::firstParticipant() const
{
    std::lock_guard<std::recursive_mutex> locker(m_participantLock);
    return m_participants.empty() ? nullptr : m_participants.front();
}

bool ChatSession::hasParticipant(const QByteArray &id) const
{
    return findParticipant(id) != nullptr;
}

QByteArray ChatSession::firstParticipantId() const
{
    std::lock_guard<std::recursive_mutex> locker(m_participantLock);
    return m_participants.empty() ? QByteArray() : m_participants.front()->idBytes();
}

QList<QByteArray> ChatSession::participantIds() const
{
    std::lock_guard<std::recursive_mutex> locker(m_participantLock);
    ReaderScope reading(m_readers);
    QList<QByteArray> ids;
    ids.reserve(int(m_participants.size()));
    for (const UserObj *participant : m_participants)
        ids.append(participant->idBytes());
    return ids;
}

int ChatSession::participantCount() const
{
    std::lock_guard<std::recursive_mutex> locker(m_participantLock);
    return int(m_participants.size());
}

bool ChatSession::firstParticipantIs(const QByteArray &id, bool room) const
{
    std::lock_guard<std::recursive_mutex> locker(m_participantLock);
    if (m_participants.empty())
        return false;
    const UserObj *first = m_participants.front();
    return first->isRoom() == room && first->idBytes() == id;
}

bool ChatSession::notificationsEnabled() const
{
    ChatCoreInterface *chatCore = core();
    SettingsManager *settings = chatCore ? chatCore->settings() : nullptr;
    return !settings || settings->notificationsEnabled(QString::fromUtf8(peerId()));
}

// --- Sending -------------------------------------------------------------------

void ChatSession::sendText(const QString &markup)
{
    if (ChatCoreInterface *chatCore = core())
        chatCore->sendInstantMessage(sessionKey(), participantIds(), markup);
}

void ChatSession::sendControl(const QByteArray &recordText, const QList<QByteArray> &recipients)
{
    IHostServices *services = host();
    if (!services)
        return;
    for (const QByteArray &recipient : recipients) {
        if (!recipient.isEmpty())
            services->sendControl(recipient.constData(), recordText.constData());
    }
}

void ChatSession::sendTyping()
{
    const QByteArray roomId = m_isRoom ? firstParticipantId() : QByteArray();
    const QByteArray text = ControlRecord(ControlRecord::Command::Writing, sessionKey(), roomId).toText();
    // A room relays to its members itself.
    sendControl(text, m_isRoom ? QList<QByteArray>{roomId} : participantIds());
}

void ChatSession::sendNudge()
{
    const QByteArray peer = firstParticipantId();
    if (peer.isEmpty())
        return;
    ChatCoreInterface *chatCore = core();
    if (chatCore)
        chatCore->playNudgeSound();
    if (m_manager)
        m_manager->nudgeThrottle().noteSent(peer, kelvan::Clock::instance().tickMs());
    if (IHostServices *services = host())
        services->sendInstantMessage(sessionKey().constData(), peer.constData(), "[nudge]");
}

void ChatSession::sendNudgeRefusal(const QByteArray &userId)
{
    if (userId.isEmpty())
        return;
    const QByteArray roomId = m_isRoom ? firstParticipantId() : QByteArray();
    sendControl(ControlRecord(ControlRecord::Command::NudgeDisabled, sessionKey(), roomId).toText(), {userId});
}

void ChatSession::markSeen()
{
    const QByteArray peer = firstParticipantId();
    IHostServices *services = host();
    if (services && !peer.isEmpty())
        services->markSeen(peer.constData());
}

// --- Receiving -----------------------------------------------------------------

void ChatSession::onMessage(IHostMessage *message)
{
    ChatWindowInterface *window = m_window.load();
    if (message && window)
        window->onNewMessage(message);
}

void ChatSession::onTypingNotice(const QByteArray &senderId)
{
    if (ChatWindowInterface *window = m_window.load())
        window->showTypingNotice(senderId);
}

void ChatSession::onNudgeReceived(const QByteArray &senderId)
{
    ChatCoreInterface *chatCore = core();
    SettingsManager *settings = chatCore ? chatCore->settings() : nullptr;
    if (settings && !settings->allowReceiveNudge()) {
        sendNudgeRefusal(senderId);
        return;
    }
    const QByteArray notificationId = m_isRoom ? firstParticipantId() : senderId;
    if (settings && !settings->notificationsEnabled(QString::fromUtf8(notificationId)))
        return;
    postReceivedNudge(senderId);
    if (m_manager && !m_manager->nudgeThrottle().admitEffects(senderId, kelvan::Clock::instance().tickMs()))
        return;
    if (chatCore)
        chatCore->playNudgeSound();
    ChatWindowInterface *window = m_window.load();
    if (!window)
        return;
    if (window->isWindowHidden() && settings && settings->tabbedChat() && !m_inTabbedWindow)
        m_inTabbedWindow = window->attachToTabbedWindow();
    window->onNudgeReceived(senderId);
}

void ChatSession::postReceivedNudge(const QByteArray &senderId)
{
    bool peerNumeric = false;
    bool senderNumeric = false;
    const qint64 peer = firstParticipantId().toLongLong(&peerNumeric);
    const qint64 sender = senderId.toLongLong(&senderNumeric);
    IHostServices *services = host();
    if (!peerNumeric || !senderNumeric || !services)
        return;
    IMessageObject *message = services->createMessage();
    if (!message)
        return;
    message->setPeerId(peer);
    message->setSenderId(sender);
    message->setTime(kelvan::Clock::instance().now().toSecsSinceEpoch());
    message->setKind(IHostMessage::KindChat);
    message->setBody("[nudge]");
    message->setFlag(0);
    services->postMessage(message);
    services->releaseMessage(message);
}

void ChatSession::onNudgeRefused(const QByteArray &senderId)
{
    const UserObj *participant = findParticipant(senderId);
    if (!participant)
        return;
    const QString text = QCoreApplication::translate("ChatSession", "%1 has disabled nudges. Your nudge was not received.")
                             .arg(participant->displayNameString());
    bool numeric = false;
    const qint64 peer = firstParticipantId().toLongLong(&numeric);
    if (!numeric) {
        qCWarning(lcConversations) << "nudge refusal for a peer id that is not a number:" << firstParticipantId();
        return;
    }
    IHostServices *services = host();
    if (!services)
        return;
    IMessageObject *message = services->createMessage();
    if (!message)
        return;
    message->setPeerId(peer);
    message->setTime(kelvan::Clock::instance().now().toSecsSinceEpoch());
    message->setKind(IHostMessage::KindNotice);
    message->setBody(text.toUtf8().constData());
    message->setFlag(0);
    services->postMessage(message);
    services->releaseMessage(message);
}

// --- Window ----------------------------------------------------------------------

void ChatSession::show(bool background)
{
    ChatWindowInterface *window = m_window.load();
    if (!window)
        return;
    ChatCoreInterface *chatCore = core();
    SettingsManager *settings = chatCore ? chatCore->settings() : nullptr;
    if (settings && settings->tabbedChat() && window->isWindowHidden() && !m_inTabbedWindow) {
        if (window->attachToTabbedWindow()) {
            m_inTabbedWindow = true;
            return;
        }
    }
    window->showWindow(background);
}

void ChatSession::windowClosed()
{
    m_window.store(nullptr);
    m_inTabbedWindow = false;
}

void ChatSession::appendHtml(const QString &html)
{
    if (ChatWindowInterface *window = m_window.load())
        window->appendHtml(html);
}

void ChatSession::loadHistory()
{
    if (ChatWindowInterface *window = m_window.load())
        window->loadHistory();
}

void ChatSession::raiseAlerts(qint64 eventId)
{
    if (ChatWindowInterface *window = m_window.load())
        window->raiseAlerts(eventId);
}

void ChatSession::updateTitle()
{
    if (ChatWindowInterface *window = m_window.load())
        window->updateTitle();
}

void ChatSession::prepareRoom()
{
    if (ChatWindowInterface *window = m_window.load())
        window->prepareRoom();
}

void ChatSession::enableInput()
{
    if (ChatWindowInterface *window = m_window.load())
        window->enableInput();
}

void ChatSession::disableInput()
{
    if (ChatWindowInterface *window = m_window.load())
        window->disableInput();
}

void ChatSession::onRoomNotice(const QByteArray &argument)
{
    if (ChatWindowInterface *window = m_window.load())
        window->onRoomNotice(argument);
}

void ChatSession::onUserPresence(const QByteArray &userId, int status, int value)
{
    {
        std::lock_guard<std::recursive_mutex> locker(m_participantLock);
        for (UserObj *participant : m_participants) {
            if (participant->idBytes() == userId)
                participant->setStatus(status);
        }
    }
    if (ChatWindowInterface *window = m_window.load())
        window->onUserPresence(userId, status, value);
}

void ChatSession::onUserStatusText(const QByteArray &userId, const QString &statusText)
{
    {
        std::lock_guard<std::recursive_mutex> locker(m_participantLock);
        for (UserObj *participant : m_participants) {
            if (participant->idBytes() == userId)
                participant->setStatusMessage(statusText);
        }
    }
    if (ChatWindowInterface *window = m_window.load())
        window->onUserStatusText(userId, statusText);
}

void ChatSession::onUserChanged(const QByteArray &userId)
{
    if (ChatWindowInterface *window = m_window.load())
        window->onUserChanged(userId);
}

void ChatSession::onUserUpdated(const IUser *user)
{
    if (!user || !user->id())
        return;
    const QByteArray id(user->id());
    {
        std::lock_guard<std::recursive_mutex> locker(m_participantLock);
        for (UserObj *participant : m_participants) {
            if (participant->idBytes() == id) {
                const int type = participant->type();
                participant->assign(user);
                // A record never changes between contact and room here.
                participant->setType(type);
            }
        }
    }
    if (ChatWindowInterface *window = m_window.load())
        window->onUserUpdated(id);
}

void ChatSession::onOwnUserChanged()
{
    if (ChatWindowInterface *window = m_window.load())
        window->onOwnUserChanged();
}

void ChatSession::onOwnProfileA()
{
    if (ChatWindowInterface *window = m_window.load())
        window->onOwnProfileA();
}

void ChatSession::onOwnProfileB()
{
    if (ChatWindowInterface *window = m_window.load())
        window->onOwnProfileB();
}

void ChatSession::onOwnProfileC()
{
    if (ChatWindowInterface *window = m_window.load())
        window->onOwnProfileC();
}

void ChatSession::onConnectionLost()
{
    {
        std::lock_guard<std::recursive_mutex> locker(m_participantLock);
        for (UserObj *participant : m_participants) {
            participant->setStatus(0);
            participant->setStatusMessage(QString());
        }
    }
    if (ChatWindowInterface *window = m_window.load())
        window->onConnectionLost();
}

void ChatSession::onOptionsChanged(int first, int second)
{
    if (ChatWindowInterface *window = m_window.load())
        window->onOptionsChanged(first, second);
}

void ChatSession::onHostNumberChanged(bool isZero)
{
    if (ChatWindowInterface *window = m_window.load())
        window->onHostNumberChanged(isZero);
}

void ChatSession::refresh()
{
    if (ChatWindowInterface *window = m_window.load())
        window->refresh();
}

void ChatSession::refreshPluginButtons()
{
    if (ChatWindowInterface *window = m_window.load())
        window->refreshPluginButtons();
}

void ChatSession::notifyUserWindow()
{
    if (ChatWindowInterface *window = m_window.load())
        window->notifyUserWindow();
}

void ChatSession::onFileTransferChanged(const QByteArray &transferKey, int code)
{
    if (ChatWindowInterface *window = m_window.load())
        window->onFileTransferChanged(transferKey, code);
}

void ChatSession::onPictureTransferChanged(const QByteArray &transferKey, int code)
{
    if (ChatWindowInterface *window = m_window.load())
        window->onPictureTransferChanged(transferKey, code);
}

void ChatSession::redrawPicture(const QByteArray &transferKey, int code)
{
    if (ChatWindowInterface *window = m_window.load())
        window->redrawPicture(transferKey, code);
}

void ChatSession::onConversationEvent(int code, const QList<qint64> &values)
{
    if (ChatWindowInterface *window = m_window.load())
        window->onConversationEvent(code, values);
}

void ChatSession::uploadDetails(const QByteArray &transferKey, const QByteArray &details, int code)
{
    if (ChatWindowInterface *window = m_window.load())
        window->uploadDetails(transferKey, details, code);
}

void ChatSession::uploadRemoved(const QByteArray &transferKey)
{
    if (ChatWindowInterface *window = m_window.load())
        window->uploadRemoved(transferKey);
}

void ChatSession::uploadResult(const QByteArray &transferKey, int code, const QList<QByteArray> &values)
{
    if (ChatWindowInterface *window = m_window.load())
        window->uploadResult(transferKey, code, values);
}

void ChatSession::uploadProgress(const QByteArray &transferKey, qint64 uploaded, qint64 total)
{
    if (ChatWindowInterface *window = m_window.load())
        window->uploadProgress(transferKey, uploaded, total);
}

void ChatSession::uploadFinished(const QByteArray &transferKey)
{
    if (ChatWindowInterface *window = m_window.load())
        window->uploadFinished(transferKey);
}

// --- Rooms -----------------------------------------------------------------------

void ChatSession::roomReady()
{
    if (!m_isRoom)
        return;
    m_roomReady = true;
    if (ChatWindowInterface *window = m_window.load())
        window->enableInput();
}

bool ChatSession::roomNumber(qint64 *number) const
{
    bool numeric = false;
    *number = firstParticipantId().toLongLong(&numeric);
    return m_isRoom && numeric;
}

void ChatSession::postRoomSystemMessage(const QByteArray &memberId, int code)
{
    qint64 room = 0;
    bool numeric = false;
    const qint64 sender = memberId.toLongLong(&numeric);
    IHostServices *services = roomsHost();
    if (!roomNumber(&room) || !numeric || !services)
        return;
    IMessageObject *message = services->createMessage();
    if (!message)
        return;
    message->setPeerId(room);
    message->setSenderId(sender);
    message->setTime(kelvan::Clock::instance().now().toSecsSinceEpoch());
    message->setKind(IHostMessage::KindRoomSystem);
    message->setBody(RoomSystemMessage::body(RoomSystemMessage::Code(code)).constData());
    message->setFlag(0);
    services->postMessage(message);
    services->releaseMessage(message);
}

bool ChatSession::memberJoined(const IUser *member, bool announce)
{
    if (!m_isRoom || !member || !member->id() || !*member->id() || member->type() == 1)
        return false;
    const QByteArray id(member->id());
    if (hasParticipant(id))
        return false;
    addParticipant(member);
    if (announce)
        postRoomSystemMessage(id, RoomSystemMessage::Joined);
    return true;
}

bool ChatSession::memberLeft(const QByteArray &memberId)
{
    if (!m_isRoom || memberId.isEmpty() || !removeParticipant(memberId))
        return false;
    postRoomSystemMessage(memberId, RoomSystemMessage::Left);
    return true;
}

void ChatSession::memberChanged(const QByteArray &memberId, int status, const QString &displayName)
{
    {
        std::lock_guard<std::recursive_mutex> locker(m_participantLock);
        UserObj *member = findParticipant(memberId);
        if (!member || member == m_participants.front())
            return;
        member->setStatus(status);
        if (!displayName.trimmed().isEmpty())
            member->setDisplayName(displayName.trimmed());
    }
    if (ChatWindowInterface *window = m_window.load())
        window->memberChanged(memberId);
}

void ChatSession::takeRoom(const IUser *room)
{
    if (!m_isRoom || !room || !room->id() || !*room->id())
        return;
    {
        std::lock_guard<std::recursive_mutex> locker(m_participantLock);
        UserObj *record = new UserObj(room);
        record->setType(1);
        delete m_participants.front();
        m_participants.front() = record;
        m_sessionKey = record->idBytes();
    }
    m_requestToken = 0;
    if (ChatWindowInterface *window = m_window.load()) {
        window->updateTitle();
        // The stand-in had no history; the room has.
        window->loadHistory();
    }
}

void ChatSession::renameRoom(const QString &displayName)
{
    qint64 room = 0;
    const QString name = displayName.trimmed();
    IHostServices *services = roomsHost();
    if (!services || name.isEmpty() || !roomNumber(&room))
        return;
    services->renameRoom(room, reinterpret_cast<const char16_t *>(name.utf16()));
}

void ChatSession::inviteToRoom(const QList<QByteArray> &contactIds)
{
    qint64 room = 0;
    IHostServices *services = roomsHost();
    if (!services || !roomNumber(&room))
        return;
    const QByteArray own = core() ? core()->ownUserId() : QByteArray();
    QList<QByteArray> ids;
    for (const QByteArray &id : contactIds) {
        if (!id.isEmpty() && id != own && !hasParticipant(id) && !ids.contains(id))
            ids.append(id);
    }
    if (ids.isEmpty())
        return;
    std::vector<const char *> pointers;
    for (const QByteArray &id : qAsConst(ids))
        pointers.push_back(id.constData());
    services->inviteToRoom(room, pointers.data(), int(pointers.size()));
}

void ChatSession::roomOpened()
{
    qint64 room = 0;
    if (IHostServices *services = roomsHost(); services && roomNumber(&room))
        services->roomOpened(room);
}
