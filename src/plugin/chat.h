#pragma once

#include "chat/chatcoreinterface.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

class ChatManager;
class ChatSession;
class IHostMessage;
class IHostServices;
class IUser;
class IVariable;
class RoomDirectory;
class SettingsDialogInterface;
struct HostEvent;

// The chat core object: one per library, created by the first initialize of
// the text chat plug-in and destroyed by its shutdown. Holds the host
// service objects of the chat and rooms plug-ins and the conversation
// manager, turns the plug-in's thin IPlugin operations into work on the
// conversations, and owns the path by which chat messages leave.
// GUI thread only.
class Chat : public QObject, public ChatCoreInterface
{
    Q_OBJECT
    Q_DISABLE_COPY(Chat)

public:
    // Which transfer table a key belongs to.
    enum class TransferKind {
        Picture, // pictures in progress for a peer
        File,    // files in progress for a peer
    };

    // The instance, or null outside initialize … shutdown.
    static Chat *instance();
    // Creates the instance when there is none.
    static Chat *create();
    // Closes every conversation and deletes the instance.
    static void destroy();

    // --- Host service objects -----------------------------------------------

    IHostServices *hostServices() const override { return m_host; }
    void setHostServices(IHostServices *host) { m_host = host; }
    IHostServices *roomsHostServices() const override { return m_roomsHost; }
    void setRoomsHostServices(IHostServices *host) { m_roomsHost = host; }
    // The host's application display name; empty without a host.
    QString appName() const override;

    ChatManager &manager() const { return *m_manager; }
    RoomDirectory *roomDirectory() const override { return m_roomDirectory.get(); }

    // --- ChatCoreInterface -----------------------------------------------------

    // Sends markup to the recipients, cut at pictures (OutgoingMessage::
    // splitParts). When the host does not know the first id, a warning is
    // logged and nothing is sent.
    void sendInstantMessage(const QByteArray &sessionKey, const QList<QByteArray> &recipientIds,
                            const QString &markup) override;
    void playMessageSound() override;
    void playNudgeSound() override;
    SettingsManager *settings() const override;
    QByteArray ownUserId() const override;

    // --- Messages, events, commands ---------------------------------------------

    // A chat message arrived (or was sent from another place).
    void onMessage(IHostMessage *message);
    // A numbered host event; see HostEvent for the codes.
    void onEvent(int code, const QByteArray &data);
    void dispatch(const HostEvent &event);
    // The one-line text the host shows for a message.
    void describeMessage(IHostMessage *message, IVariable *out) const;
    void onCommand(const IUser *sender, const QByteArray &text);
    // A room control text of the rooms service: the directory applies it and
    // the open rooms it changed follow.
    void onRoomCommand(const QByteArray &text);

    // Sends the file (picture) message of a finished upload to its peer.
    void sendFileMessage(const QByteArray &transferKey);
    void sendPictureMessage(const QByteArray &transferKey);
    // Sends a picture or location markup to each user (rooms once).
    void sendAttachment(IUser *const *users, int count, const QByteArray &text);

    // --- Conversations (find or create, see ChatManager) ----------------------

    ChatSession *openChat(const IUser *user);
    ChatSession *findConversation(const IUser *sender, const QByteArray &sessionKey) const;
    ChatSession *findOrCreateConversation(const IUser *user, const QByteArray &sessionKey);
    // Finds or creates the conversation and shows it.
    ChatSession *openById(const QByteArray &userId, const QByteArray &sessionKey);
    ChatSession *startMultiChat(IUser *const *users, int count, const QString &text);
    // Asks the rooms service to create a room with the ordinary contacts
    // among `users` and opens its window, which waits for the room. Null
    // when there is nobody to invite or the service refused.
    ChatSession *createRoom(IUser *const *users, int count);
    // Sends the "history" plug-in event 778 with "room id:newest time", the
    // time (seconds since 1970) of the newest message the host has of the
    // room, 0 for none: the messages after it are missing.
    void requestRoomHistory(const QByteArray &roomId) override;

    // --- Notices for every conversation ------------------------------------------

    void notifyUserWindow(const IUser *user);
    // Forgets the contact's per-user settings and closes its conversation.
    void onUserDeleted(const IUser *user);
    void onConnectionLost();
    void onUserPresence(const IUser *user, int value);
    void onUserStatusText(const IUser *user);
    void onUserChanged(const IUser *user);
    void onUserUpdated(const IUser *user);
    // The own account's record changed: every conversation redraws it.
    void refreshOwnUser();
    // The host's three own-profile notices (1, 2, 3 for A, B, C).
    void onOwnProfile(int which);
    void onOptionsChanged(int first, int second);
    // Reads the host's number; a zero silences alerts.
    void onHostNumberChanged();
    void refreshWindows();
    void refreshButtons();
    // Template and sizes from `host`'s data folder; the host's question
    // decides whether the plug-in buttons are rebuilt; every window refreshes.
    void reloadResources(IHostServices *host);
    void onUserList(const QByteArray &id, const QStringList &items);
    QStringList userList(const QByteArray &id) const { return m_userLists.value(id); }

    // --- State the windows share ---------------------------------------------------

    bool hostNumberIsZero() const override { return m_hostNumberIsZero; }

    // Transfer tables: transfer keys in progress per peer id.
    void addTransfer(TransferKind kind, const QByteArray &peerId, const QByteArray &transferKey);
    void removeTransfer(TransferKind kind, const QByteArray &transferKey);
    QList<QByteArray> transferKeys(TransferKind kind, const QByteArray &peerId) const;
    // The peers that have the key in the table.
    QList<QByteArray> peersWithTransfer(TransferKind kind, const QByteArray &transferKey) const;
    void watchTransfer(bool picture, const QByteArray &peerId, const QByteArray &transferKey) override;
    QList<QByteArray> pendingUploads(const QByteArray &peerId) const override;

    // Messages that must alert even when the peer's notifications are off
    // (host event 33). takeMustAlert removes the id and tells whether it
    // was listed.
    void addMustAlert(qint64 eventId);
    bool takeMustAlert(qint64 eventId) override;
    bool isMustAlert(qint64 eventId) const { return m_mustAlert.contains(eventId); }

    // The settings dialog while one is open (not owned; it deletes itself).
    QObject *settingsDialog() const { return m_settingsDialog; }
    void setSettingsDialog(QObject *dialog);
    // Opens the settings dialog (SettingsDialogFactory), or shows the open
    // one normal, raised and activated.
    void showSettings() override;
    // The dialog stored new settings: every open window follows them.
    void applySettings();
    // Between the host's history synchronisation events (40, 41).
    bool isHistorySyncRunning() const { return m_historySyncRunning; }

    // Whether the clipboard still holds the text slotSetClipboard put there.
    bool clipboardHoldsOwnText() const { return m_clipboardOwnText; }

public Q_SLOTS:
    void onSettingsDlgDestroyed(QObject *object);
    void slotClipboardChanged();
    void slotSetClipboard(const QString &text);

private:
    Chat();
    ~Chat() override;

    // The conversation whose first participant owns the transfer.
    ChatSession *transferOwner(const QByteArray &transferKey, TransferKind kind) const;
    QByteArray transferPeer(const QByteArray &transferKey) const;
    void forEachWithTransfer(TransferKind kind, const QByteArray &transferKey,
                             void (*operation)(ChatSession *, const QByteArray &, int), int code);
    void onNudgeEvent(const HostEvent &event);
    // The upload ended (sent, failed, stopped or removed): out of the tables.
    void forgetUpload(const QByteArray &transferKey);
    void onHistorySync(bool running);
    SettingsDialogInterface *openSettingsDialog() const;

    static Chat *s_instance;

    IHostServices *m_host = nullptr;      // not owned
    IHostServices *m_roomsHost = nullptr; // not owned
    std::unique_ptr<ChatManager> m_manager;
    std::unique_ptr<RoomDirectory> m_roomDirectory;
    QPointer<QObject> m_settingsDialog;
    QHash<QByteArray, QList<QByteArray>> m_pictureTransfers;
    QHash<QByteArray, QList<QByteArray>> m_fileTransfers;
    // Uploads that have not ended, per peer, in the order they started.
    QHash<QByteArray, QList<QByteArray>> m_pendingUploads;
    bool m_hostNumberIsZero = false;
    bool m_historySyncRunning = false;
    // Settings dialog parts the host hides and disables (slot 58).
    int m_hiddenSettingsParts = 0;
    int m_disabledSettingsParts = 0;
    QSet<qint64> m_mustAlert;
    QHash<QByteArray, QStringList> m_userLists;
    QString m_clipboardText;
    bool m_clipboardOwnText = false;
};
