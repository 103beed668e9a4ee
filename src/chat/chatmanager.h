#pragma once

#include "chat/nudgethrottle.h"

#include <sdk/iroomslistener.h>

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <mutex>

class ChatCoreInterface;
class ChatSession;
class ControlRecord;
class IUser;
class TabbedWindowInterface;

// Owns every open conversation of the text chat and rooms plug-ins: finds
// them by session key, peer or room, creates them on demand, fans host
// notices out to all of them, and receives the rooms service's events.
// One instance, a member of the chat core object.
//
// Threads: all changes happen on the GUI thread. Lookups may run on any
// thread; a conversation they return is only safe to use there while the
// caller can rule out its removal (on the GUI thread, until control returns
// to the event loop).
class ChatManager : public IRoomsListener
{
public:
    // `core` is not owned and outlives the manager.
    explicit ChatManager(ChatCoreInterface *core);
    // Closes every conversation.
    ~ChatManager() override;

    ChatCoreInterface *core() const { return m_core; }

    // --- Lookups: the first match in registration order, or null --------------

    // Byte-for-byte key match; an empty key finds nothing.
    ChatSession *findBySessionKey(const QByteArray &key) const;
    // A conversation that is not a room and has a participant with that id.
    ChatSession *findByPeer(const QByteArray &userId) const;
    // A conversation whose first participant is a room record with that id.
    ChatSession *findRoom(const QByteArray &roomId) const;
    // A conversation whose first participant has that id, whatever its type.
    ChatSession *findByFirstParticipant(const QByteArray &id) const;
    int count() const;
    // Null for an index out of range.
    ChatSession *at(int index) const;
    // Scans that are running now (raised during every fan-out).
    int activeReaders() const { return m_readers.load(); }

    // --- Registration ---------------------------------------------------------

    // Takes ownership; null is ignored, and so is a conversation already
    // registered.
    void add(ChatSession *session);
    // Unregisters and destroys. Removal asked for by a conversation while a
    // fan-out is calling into conversations is carried out when that
    // fan-out ends.
    void remove(ChatSession *session);
    // Destroys every conversation and lets the tabbed window go.
    void closeAll();

    // The one tabbed window, made by the installed ChatWindowFactory on the
    // first call; null when the factory makes none. GUI thread only.
    TabbedWindowInterface *tabbedWindow();
    // Null until tabbedWindow() made one, and again after closeAll().
    TabbedWindowInterface *existingTabbedWindow() const { return m_tabbed; }

    // A room's key is its id; any other key is own id, "_", the local time
    // as yyyyMMddhhmmss, "_" and a per-process counter.
    QByteArray newSessionKey(const IUser *user);

    // Calls `operation` on every conversation, in registration order, with
    // the list locked and the reader count raised. `operation` must not add
    // or remove conversations (removals are deferred, see remove()).
    template <typename Operation>
    void forEach(Operation operation);

    // --- Find or create (the chat core's operations) -------------------------

    // Finds or creates the conversation for the user and shows it.
    ChatSession *openChat(const IUser *user);
    // By key when the key finds one; else the room (sender is a room) or
    // the one-to-one conversation with the sender.
    ChatSession *findConversation(const IUser *sender, const QByteArray &sessionKey) const;
    // findConversation, else a new registered conversation for a copy of the
    // user with the given key (or a new one). Null for a null or empty user.
    ChatSession *findOrCreateConversation(const IUser *user, const QByteArray &sessionKey);
    // The host's record of `userId` (an unknown id is passed to the host's
    // requestUser), then findOrCreateConversation. Null when no host.
    ChatSession *openById(const QByteArray &userId, const QByteArray &sessionKey);
    // A multi-user conversation with the users that are not offline, shown
    // and given `text` as its first message. Null when every user is offline.
    ChatSession *startMultiChat(IUser *const *users, int count, const QString &text);

    // --- Rooms --------------------------------------------------------------

    // A conversation for a room being created: `standIn` (a room record
    // without an id) stands first until onRoomReady brings the room of
    // `requestToken`. Shown at once, waiting.
    ChatSession *startRoomCreation(const IUser *standIn, int requestToken);
    // The user leaves the room of `session`: the conversation goes, then the
    // rooms service hears of it (and may tell of the room's removal at once).
    void leaveRoom(ChatSession *session);
    // The room directory's records of these rooms changed: their open
    // conversations follow (name, and members once the own account is in).
    void roomsChanged(const QList<QByteArray> &roomIds);

    // --- Control records ------------------------------------------------------

    // A control text the host delivered to the text chat plug-in. WRITING,
    // NUDGE and NUDGE_DISABLED are handled; anything else is ignored.
    void onCommand(const IUser *sender, const QByteArray &text);
    void handleCommand(const IUser *sender, const ControlRecord &record);
    // What keeps nudge floods cheap across every conversation. GUI thread only.
    NudgeThrottle &nudgeThrottle() { return m_nudges; }

    // --- IRoomsListener -----------------------------------------------------

    void onRoomReady(IUser *room, int requestToken) override;
    void onRoomJoined(const char *roomId, IUser *const *members, int count) override;
    void onRoomMemberJoined(const char *roomId, IUser *member) override;
    void onRoomMembersLeft(const char *roomId, const char *const *memberIds, int count) override;
    void onRoomUpdated(IUser *room) override;
    void onRoomRemoved(const char *roomId) override;
    void onRoomNotice(const char *roomId, const char *argument) override;
    void onRoomMemberChanged(const char *roomId, const char *memberId, int status,
                             const char16_t *displayName, int flags) override;

private:
    Q_DISABLE_COPY(ChatManager)

    // Scans under the list lock; the first conversation `match` accepts.
    template <typename Match>
    ChatSession *findFirst(Match match) const;
    void destroySession(ChatSession *session);
    void finishScan();

    void onTyping(const IUser *sender, const ControlRecord &record);
    void onNudge(const IUser *sender, const ControlRecord &record);
    void onNudgeRefusal(const IUser *sender, const ControlRecord &record);
    // A new conversation with the host's own record of the sender; null
    // when the host does not know the sender.
    ChatSession *createForKnownSender(const IUser *sender, const QByteArray &sessionKey);
    // Whether the host allows chatting with `id` and its notifications are on.
    bool mayNotify(const QByteArray &id) const;
    // A new room conversation waits for its room: what the directory knows
    // makes it ready at once, otherwise the service is asked for the room.
    void prepareRoom(ChatSession *session);
    // Fills a waiting room conversation from the directory once the own
    // account is in the room; the name follows in any case.
    void syncRoom(ChatSession *session);

    ChatCoreInterface *const m_core; // not owned
    TabbedWindowInterface *m_tabbed = nullptr; // owned until dispose()
    QList<ChatSession *> m_sessions; // owned, registration order
    // Recursive like a critical section, so a conversation called from a
    // scan may look up others on the same thread. Standard primitives, so
    // the thread sanitizer sees every hand-over.
    mutable std::recursive_mutex m_listLock;
    mutable std::atomic<int> m_readers{0};
    QList<ChatSession *> m_pendingRemovals; // asked for during a scan
    std::mutex m_keyLock;
    int m_sessionCounter = 0;
    NudgeThrottle m_nudges;
};

template <typename Operation>
void ChatManager::forEach(Operation operation)
{
    {
        std::lock_guard<std::recursive_mutex> locker(m_listLock);
        ++m_readers;
        // By index: a conversation may open another during the call, which
        // appends to the list.
        for (int i = 0; i < m_sessions.size(); ++i) {
            ChatSession *session = m_sessions.at(i);
            if (!m_pendingRemovals.contains(session))
                operation(session);
        }
        --m_readers;
    }
    finishScan();
}
