#pragma once

#include "chat/chatwindowinterface.h"
#include "chat/typingthrottle.h"

#include <QFrame>
#include <QHash>
#include <QPointer>
#include <QScopedPointer>
#include <QTextCharFormat>

namespace kelvan {
class ClockTimer;
}
class ChatAlerts;
class ChatDragDropListener;
class ChatFileDragOverlay;
class ChatSession;
class ConferenceUsersWidget;
class HistoryLinks;
class HistoryPane;
class HistoryTransfers;
class ImageViewerOpener;
class IHostServices;
class MessageActions;
class NudgeShaker;
class OutgoingFiles;
class QuickTextMenu;
class RoomControls;
class QAction;
class QLabel;
class QMenu;
class QMimeData;
class QPushButton;
class QSignalMapper;
class QStatusBar;
class QToolBar;
class QTreeWidgetItem;
class RenderedHistory;
class SettingsManager;
class SpellLanguageControl;
class TabbedWindowInterface;
class TextBrowser;
class TextEdit;
class UploadsListFrame;
class UserInfoFrame;
class WindowGeometryManager;
class WindowSnapper;

namespace Ui {
class ChatWindowClass;
}

// The window of one conversation: the history of a one-to-one chat, a
// multi-user chat or a room above the message editor, with the formatting
// and tool actions between them. Stands alone as a top-level window or is a
// page of the tabbed window (TabbedChatWindow).
//
// It turns the user's actions into calls on its conversation (send, typing
// notices, nudges, seen marks) and the conversation's events into history,
// status bar texts, sounds, popups, window flashing and shaking.
//
// The window is the form and its wiring; the behaviour lives in companions
// it owns: HistoryPane (what the history shows and where it stands),
// ChatAlerts (sound, popup, flashing), SpellLanguageControl (the checking
// language), NudgeShaker, WindowGeometryManager, WindowSnapper.
//
// Ownership follows ChatWindowInterface: the conversation owns the window
// until it calls release() or the window closes and tells it so; either way
// the window deletes itself later. After that the conversation pointer is
// null and every operation does nothing.
//
// Threads: everything runs on the GUI thread; appendHtml(), loadHistory()
// and raiseAlerts() may come from any thread and reach the slots through
// automatic connections.
class ChatWindow : public QFrame, public ChatWindowInterface
{
    Q_OBJECT
    Q_DISABLE_COPY(ChatWindow)

public:
    // Ids of the settings bar actions, carried by the signal mapper.
    enum SettingsActionId : int {
        ActionBold = 0,
        ActionItalic = 1,
        ActionUnderline = 2,
        ActionTools = 6,
        ActionAttach = 10,
        ActionNudge = 7,
        ActionQuickText = 8,
        ActionEmoticons = 9,
        ActionNotifications = 11,
        ActionAutoscroll = 12,
        ActionSpellLanguage = 13,
        ActionSendPicture = 14,
    };

    // "%1 is typing..." stays this long.
    static constexpr int TypingNoticeMs = 5000;
    // The flag alertIncoming() gets for a nudge: its own sound has played.
    static constexpr int NudgeAlertFlag = 1;

    // `conversation` is not owned (see the class comment).
    ChatWindow(QWidget *parent, ChatSession *conversation);
    ~ChatWindow() override;

    // Null once the window has closed or was released.
    ChatSession *conversation() const { return m_session; }

    // --- ChatWindowInterface -------------------------------------------------

    void release() override;
    void onNewMessage(IHostMessage *message) override;
    void appendHtml(const QString &html) override;
    void loadHistory() override;
    void raiseAlerts(qint64 eventId) override;
    void showWindow(bool background) override;
    bool isWindowHidden() const override;
    bool attachToTabbedWindow() override;
    void updateTitle() override;
    void showTypingNotice(const QByteArray &userId) override;
    void onNudgeReceived(const QByteArray &userId) override;
    void prepareRoom() override;
    void enableInput() override;
    void disableInput() override;
    void memberAdded(const IUser *member) override;
    void memberRemoved(const QByteArray &userId) override;
    void memberChanged(const QByteArray &userId) override;
    void onRoomNotice(const QByteArray &argument) override;
    void onUserPresence(const QByteArray &userId, int status, int value) override;
    void onUserStatusText(const QByteArray &userId, const QString &statusText) override;
    void onUserChanged(const QByteArray &userId) override;
    void onUserUpdated(const QByteArray &userId) override;
    void onOwnUserChanged() override;
    void onOwnProfileA() override;
    void onOwnProfileB() override;
    void onOwnProfileC() override;
    void onConnectionLost() override;
    void onOptionsChanged(int first, int second) override;
    void onHostNumberChanged(bool isZero) override;
    void applySettings() override;
    void refresh() override;
    void refreshPluginButtons() override;
    void notifyUserWindow() override;
    void onFileTransferChanged(const QByteArray &transferKey, int code) override;
    void onPictureTransferChanged(const QByteArray &transferKey, int code) override;
    void redrawPicture(const QByteArray &transferKey, int code) override;
    void onConversationEvent(int code, const QList<qint64> &values) override;
    void uploadDetails(const QByteArray &transferKey, const QByteArray &details, int code) override;
    void uploadRemoved(const QByteArray &transferKey) override;
    void uploadResult(const QByteArray &transferKey, int code, const QList<QByteArray> &values) override;
    void uploadProgress(const QByteArray &transferKey, qint64 uploaded, qint64 total) override;
    void uploadFinished(const QByteArray &transferKey) override;

    // --- Operations ------------------------------------------------------------

    // Sends markup to the conversation's members (nothing for an empty
    // text), then empties the editor, keeping its character format.
    void sendText(const QString &text);
    // Sends a nudge and shakes the window, unless a shake is running.
    void startNudge();
    // Sound, popup, flashing and unread mark for a message (or a nudge)
    // from `senderId`, as the settings ask. `roomId` is empty outside rooms.
    void alertIncoming(qint64 messageId, const QByteArray &senderId, const QByteArray &roomId, const QString &text,
                       int flags);
    // The stored default text format: editor format and history style sheet;
    // the history is rendered again.
    void applyTextFormat();
    // Window activation: marks the conversation seen and runs the emoticon
    // animations while active.
    void setActive(bool active);
    // Brings older messages in above the oldest shown one (HistoryPane::loadOlder).
    bool loadOlderMessages();
    // Pictures and files (OutgoingFiles): the "Send picture" dialog, and
    // local files handed to the host for the conversation's members.
    void selectPicturesToSend();
    void sendFiles(const QStringList &paths);
    // After attaching or detaching: the attach action and the header's
    // close button follow the conversation's in-tab flag.
    void refreshTabbedState();

    // --- What the window shows (for its companions and tests) -------------------

    TextEdit *editor() const;
    TextBrowser *historyView() const;
    QPushButton *sendButton() const;
    QStatusBar *statusBar() const;
    QToolBar *settingsBar() const;
    UserInfoFrame *peerInfo() const;
    ConferenceUsersWidget *participantList() const;
    // Null for an id the bar does not carry.
    QAction *settingsAction(int id) const { return m_actions.value(id); }
    HistoryPane *history() const { return m_history; }
    MessageActions *messageActions() const { return m_messageActions; }
    HistoryLinks *historyLinks() const { return m_links; }
    bool isHistoryLoaded() const;
    const RenderedHistory &renderedHistory() const;
    NudgeShaker *shaker() const { return m_shaker; }
    ChatAlerts *alerts() const { return m_alerts; }
    bool hasUnreadMark() const;
    SpellLanguageControl *spellControl() const { return m_spell; }
    QuickTextMenu *quickText() const { return m_quickText; }
    QString spellLanguage() const;
    UploadsListFrame *uploadsList() const { return m_uploads; }
    ChatFileDragOverlay *dragOverlay() const { return m_dragOverlay; }
    OutgoingFiles *outgoingFiles() const { return m_outgoing; }
    ImageViewerOpener *imageViewer() const { return m_imageViewer; }
    // Null outside rooms.
    RoomControls *roomControls() const { return m_room; }

Q_SIGNALS:
    void sigLoadHistory();
    void sigAlerts(qint64 eventID);
    void sigAppendText(const QString &text);

public Q_SLOTS:
    void onSpellerChanged(const QString &bcp47Name);
    void onSpellerNotLoaded();
    void slotLoadHistory();
    void slotAlerts(qint64 eventID);
    void slotAppendText(const QString &text);
    void onTextChanged();
    void onCurrentCharFormatChanged(const QTextCharFormat &format);
    void onCursorPositionChanged();
    void onEditReceiveAnchorClicked(const QUrl &url);
    void onBtnSend();
    void onPluginsActionTriggered(const QString &pluginId);
    void onSettingsActionTriggered(int id);
    void onEmotionsActionTriggered(int index);
    void onItemDoubleClicked(QTreeWidgetItem *item, int column);
    void flashWindowPriv();
    void checkSendAutoReplyMessage();
    void onChangeSpellCheckLang(const QString &language);
    void onNoSpellChecking();
    void onSplitterMoved(int pos, int index);
    // Pasted or dropped pictures and local files (the editor's onPaste).
    void onPaste(const QMimeData *mimeData);

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    IHostServices *host() const;
    SettingsManager *settings() const;
    QByteArray conversationId() const;
    bool hasSendableMembers() const;

    void buildSettingsBar();
    void retranslate();
    void refreshToggleActions();
    void registerEmoticons();
    void reapplySavedFormat(bool wholeDocument);
    void fillParticipants();
    void restoreSplitters();
    // The conversation's new messages from the host, appended to the history.
    void appendNewMessages();
    // `leaveRoom`: the rooms service hears that the user left the room.
    void closeConversation(bool leaveRoom = false);
    // The tabbed window this window is a page of, or null.
    TabbedWindowInterface *tabbedWindow() const;
    // A page leaving for good (closed or released) leaves the tabbed window.
    void leaveTabbedWindow();

    QScopedPointer<Ui::ChatWindowClass> m_ui;
    ChatSession *m_session = nullptr; // not owned; see the class comment
    HistoryPane *m_history = nullptr;          // owned (child)
    ChatAlerts *m_alerts = nullptr;            // owned (child)
    SpellLanguageControl *m_spell = nullptr;   // owned (child)
    NudgeShaker *m_shaker = nullptr;           // owned (child)
    kelvan::ClockTimer *m_typingNoticeTimer = nullptr; // owned (child): ends "%1 is typing..."
    QString m_typingNotice;
    QuickTextMenu *m_quickText = nullptr;      // owned (child)
    UploadsListFrame *m_uploads = nullptr;            // owned (child of the history view)
    ChatFileDragOverlay *m_dragOverlay = nullptr;     // owned (child of the history view)
    ChatDragDropListener *m_dragListener = nullptr;   // owned (child)
    OutgoingFiles *m_outgoing = nullptr;              // owned (child)
    RoomControls *m_room = nullptr;                   // owned (child); rooms only
    HistoryTransfers *m_transfers = nullptr;          // owned (child)
    MessageActions *m_messageActions = nullptr; // owned (child)
    HistoryLinks *m_links = nullptr;           // owned (child)
    ImageViewerOpener *m_imageViewer = nullptr; // owned (child)
    WindowGeometryManager *m_geometry = nullptr; // owned (child)
    WindowSnapper *m_snapper = nullptr;        // owned (child)
    QSignalMapper *m_settingsMapper = nullptr; // owned (child)
    QHash<int, QAction *> m_actions;           // owned by the window
    QLabel *m_securityLabel = nullptr;
    QTextCharFormat m_savedFormat;
    TypingThrottle m_throttle;
    bool m_firstShowDone = false;
    bool m_autoReplyChecked = false;
    bool m_applyingFormat = false;
};
