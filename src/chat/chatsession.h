#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <mutex>
#include <vector>

class ChatCoreInterface;
class ChatManager;
class ChatWindowInterface;
class IHostMessage;
class IHostServices;
class IUser;
class UserObj;

// One open conversation: one-to-one, multi-user or a chat room. Holds the
// participants (the first is the peer, or the room record for rooms), the
// session key that ties messages and control records together, and its
// window. Created and owned by the ChatManager; the window calls back into
// it to send.
//
// Threads: the GUI thread changes a conversation; other threads may read
// the key and the participants (lookups of the manager), which is why both
// sit behind the participant lock.
class ChatSession
{
public:
    // Copies `user` as the first participant and creates the window through
    // the installed ChatWindowFactory (none installed: no window).
    ChatSession(ChatManager *manager, const IUser *user, const QByteArray &sessionKey);
    // Releases the window, then destroys the participants under the lock.
    ~ChatSession();

    ChatManager *manager() const { return m_manager; }
    ChatCoreInterface *core() const;
    // Null when no factory was installed or the window has closed.
    ChatWindowInterface *window() const { return m_window.load(); }

    QByteArray sessionKey() const;
    void setSessionKey(const QByteArray &key);

    // The first participant was a room record (type 1).
    bool isRoom() const { return m_isRoom; }
    // The room is created or joined and the window may send.
    bool isRoomReady() const { return m_roomReady; }
    // Marks the room ready and lets the window send.
    void roomReady();
    // The window is a page of the tabbed window.
    bool isInTabbedWindow() const { return m_inTabbedWindow; }
    void setInTabbedWindow(bool inTab) { m_inTabbedWindow = inTab; }
    // The room creation request this conversation waits for; 0 when none.
    int requestToken() const { return m_requestToken; }
    void setRequestToken(int token) { m_requestToken = token; }

    // --- Participants (under the participant lock) -------------------------

    // Takes ownership and tells the window; null is ignored.
    void addParticipant(UserObj *record);
    // Appends a copy of `user` (a UserObj); null is ignored.
    void addParticipant(const IUser *user);
    // Destroys the participant with that id (never the first); false when
    // there is none.
    bool removeParticipant(const QByteArray &id);
    // The records stay owned by the conversation; GUI thread only, and not
    // across a change of the participants.
    UserObj *findParticipant(const QByteArray &id) const;
    UserObj *firstParticipant() const;
    bool hasParticipant(const QByteArray &id) const;
    // Safe from any thread: copies taken under the lock.
    QByteArray firstParticipantId() const;
    QList<QByteArray> participantIds() const;
    int participantCount() const;
    // Whether the first participant has the id and is (not) a room.
    bool firstParticipantIs(const QByteArray &id, bool room) const;

    // The id notifications and per-peer settings are kept under: the room's
    // id for rooms, the first participant's otherwise.
    QByteArray peerId() const { return firstParticipantId(); }
    // The per-peer notification setting (true without settings).
    bool notificationsEnabled() const;

    // --- Sending ------------------------------------------------------------

    // Message markup to every participant (a room: once, to the room).
    void sendText(const QString &markup);
    // WRITING to the participants (a room: to the room id).
    void sendTyping();
    // "[nudge]" as a chat message to the first participant, with the sound.
    void sendNudge();
    // NUDGE_DISABLED to one user.
    void sendNudgeRefusal(const QByteArray &userId);
    // Tells the host the conversation has been seen.
    void markSeen();

    // --- Receiving ----------------------------------------------------------

    void onMessage(IHostMessage *message);
    void onTypingNotice(const QByteArray &senderId);
    // The nudge steps that follow finding the conversation: refusal when
    // receiving nudges is off, notification check, sound, tabbed window,
    // window.
    void onNudgeReceived(const QByteArray &senderId);
    // Posts the host notice that the participant refused our nudge.
    void onNudgeRefused(const QByteArray &senderId);
    // Stores a received nudge in the history, so it shows there like a sent
    // one (the host hands it back as a new message).
    void postReceivedNudge(const QByteArray &senderId);

    // --- Window -------------------------------------------------------------

    // Brings the window up: into the tabbed window when the tabbed_chat
    // setting is on and the window is still hidden, else stand-alone.
    void show(bool background = false);
    // The window closed by itself; the conversation forgets it (the window
    // disposes of itself). The manager removes the conversation next.
    void windowClosed();

    // Forwarders: each passes its arguments to one window operation and
    // does nothing without a window. The participant records are updated
    // first where the notice concerns them.
    void appendHtml(const QString &html);
    void loadHistory();
    void raiseAlerts(qint64 eventId);
    void updateTitle();
    void prepareRoom();
    void enableInput();
    void disableInput();
    void onRoomNotice(const QByteArray &argument);
    void onUserPresence(const QByteArray &userId, int status, int value);
    void onUserStatusText(const QByteArray &userId, const QString &statusText);
    void onUserChanged(const QByteArray &userId);
    void onUserUpdated(const IUser *user);
    void onOwnUserChanged();
    void onOwnProfileA();
    void onOwnProfileB();
    void onOwnProfileC();
    // Every participant offline (status 0, status message cleared), then the window.
    void onConnectionLost();
    void onOptionsChanged(int first, int second);
    void onHostNumberChanged(bool isZero);
    void refresh();
    void refreshPluginButtons();
    void notifyUserWindow();
    void onFileTransferChanged(const QByteArray &transferKey, int code);
    void onPictureTransferChanged(const QByteArray &transferKey, int code);
    void redrawPicture(const QByteArray &transferKey, int code);
    void onConversationEvent(int code, const QList<qint64> &values);
    void uploadDetails(const QByteArray &transferKey, const QByteArray &details, int code);
    void uploadRemoved(const QByteArray &transferKey);
    void uploadResult(const QByteArray &transferKey, int code, const QList<QByteArray> &values);
    void uploadProgress(const QByteArray &transferKey, qint64 uploaded, qint64 total);
    void uploadFinished(const QByteArray &transferKey);

    // --- Rooms (nothing happens outside rooms) ----------------------------------

    // A member joined: a copy is added (the member list follows) and, with
    // `announce`, the joined line goes into the room's history through the
    // rooms host service. A member already present, or the room itself, is
    // ignored: false.
    bool memberJoined(const IUser *member, bool announce);
    // A member left: removed, and the left line posted. Ids that are no
    // member are ignored: false.
    bool memberLeft(const QByteArray &memberId);
    // The host's notice about one member's record (status, name).
    void memberChanged(const QByteArray &memberId, int status, const QString &displayName);
    // The room a creation request brought: it replaces the stand-in record
    // and its id becomes the session key; the token is used up.
    void takeRoom(const IUser *room);
    // The room id as the rooms service's 64-bit number; false for a stand-in.
    bool roomNumber(qint64 *number) const;
    // The rooms host service (the chat one when the rooms plug-in has none).
    IHostServices *roomsHost() const;
    // The rooms service's operations on this room.
    void renameRoom(const QString &displayName);
    void inviteToRoom(const QList<QByteArray> &contactIds);
    // The room's window is showing.
    void roomOpened();

private:
    Q_DISABLE_COPY(ChatSession)

    // The conversation's host: the rooms plug-in's for rooms when it has one.
    IHostServices *host() const;
    void postRoomSystemMessage(const QByteArray &memberId, int code);
    void sendControl(const QByteArray &recordText, const QList<QByteArray> &recipients);

    ChatManager *const m_manager; // not owned; outlives every conversation
    // Owned until release() or windowClosed(). Atomic because appendHtml,
    // loadHistory and raiseAlerts may come from another thread.
    std::atomic<ChatWindowInterface *> m_window{nullptr};
    QByteArray m_sessionKey;
    std::vector<UserObj *> m_participants; // owned
    // Recursive: the window's member list update runs inside it and may
    // read the participants again.
    mutable std::recursive_mutex m_participantLock;
    mutable std::atomic<int> m_readers{0};
    bool m_isRoom = false;
    bool m_roomReady = false;
    bool m_inTabbedWindow = false;
    int m_requestToken = 0;
};
