#pragma once

#include "broadcast/broadcastwindowinterface.h"

#include <QFrame>
#include <QHash>
#include <QTextCharFormat>

class BroadcastDocument;
class ConferenceUsersWidget;
class IHostServices;
class ItemHoverIconDelegate;
class QAction;
class QLabel;
class QProgressBar;
class QPushButton;
class QSignalMapper;
class QStatusBar;
class QToolBar;
class QTreeWidgetItem;
class QuickTextMenu;
class SettingsManager;
class SpellLanguageControl;
class TextEdit;
class WindowGeometryManager;

// The broadcast composer: the recipients (dropped from the contact list or
// picked through the host), the formatted message, and once sent the
// progress with a "Sent" and "Seen" mark per recipient. The job
// (BroadcastDocument) owns the window; closing it ends the job.
//
// Limits: sending needs 2 to the registry's maximum recipients; more than
// the maximum disables adding and sending and says so in red at once, fewer
// than 2 says so when the user tries to send.
class BroadcastWindow : public QFrame, public BroadcastWindowInterface
{
    Q_OBJECT
    Q_DISABLE_COPY(BroadcastWindow)

public:
    // Ids of the tool bar actions, carried by the signal mapper.
    enum SettingsActionId : int {
        ActionBold = 0,
        ActionItalic = 1,
        ActionUnderline = 2,
        ActionQuickText = 3,
        ActionEmoticons = 4,
        ActionSpellLanguage = 5,
        ActionAddUsers = 6,
    };
    // The icon column of the recipient tree.
    static constexpr int StateColumn = 1;

    // `document` is not owned (it owns the window).
    explicit BroadcastWindow(BroadcastDocument *document);
    ~BroadcastWindow() override;

    // --- BroadcastWindowInterface ----------------------------------------------------------

    void release() override;
    void showWindow() override;
    void recipientAdded(quint64 peerId) override;
    void recipientRemoved(quint64 peerId) override;
    void sendingStarted(int recipients) override;
    void peerSent(quint64 peerId) override;
    void peerFailed(quint64 peerId) override;
    void peerSeen(quint64 peerId) override;
    void seenByAll() override;
    void sendingCompleted() override;
    void applySettings() override;
    void refreshRecipient(quint64 peerId) override;
    void setConnected(bool connected) override;

    // --- What the window shows (for tests) -------------------------------------------------

    BroadcastDocument *document() const { return m_document; }
    ConferenceUsersWidget *recipientTree() const { return m_tree; }
    TextEdit *editor() const { return m_editor; }
    QPushButton *sendButton() const { return m_sendButton; }
    QStatusBar *statusBar() const { return m_statusBar; }
    QProgressBar *progressBar() const { return m_progress; }
    QToolBar *settingsBar() const { return m_settingsBar; }
    QAction *settingsAction(int id) const { return m_actions.value(id); }
    QTreeWidgetItem *rowOf(quint64 peerId) const;
    bool isFinished() const { return m_finished; }

public Q_SLOTS:
    void onSpellerChanged(const QString &bcp47Name);
    void onSpellerNotLoaded();
    void onItemDoubleClicked(QTreeWidgetItem *item, int column);
    void onItemClicked(QTreeWidgetItem *item, int column);
    void onDragDropUsers(const QStringList &userIdList);
    void onTextChanged();
    void onCurrentCharFormatChanged(const QTextCharFormat &format);
    void onSettingsActionTriggered(int id);
    void onBtnSend();
    void onEmotionsActionTriggered(int index);
    void onChangeSpellCheckLang(const QString &name);
    void onNoSpellChecking();
    void onBtnAddUsers();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    IHostServices *host() const;
    SettingsManager *settings() const;
    bool isComposing() const;
    int recipientCount() const;
    int maxRecipients() const;
    void buildLayout();
    void buildSettingsBar();
    void fitAddUsersButton();
    void retranslate();
    void fillRow(QTreeWidgetItem *item, quint64 peerId) const;
    // Enables adding and sending as the recipients, the text and the
    // connection allow, and shows or clears the too-many state.
    void updateLimits();
    void showTooMany();
    void showTooFew();
    void showStatus(const QString &text, bool error);
    void setStateIcon(quint64 peerId, const char *icon, const QString &toolTip);
    void advanceProgress();
    void applyTextFormat();
    void reapplySavedFormat(bool wholeDocument);
    void removeAt(const QPoint &pos);
    // The translated status texts this window shows, to tell its own from others.
    QString tooManyText() const;
    QString tooFewText() const;
    QString offlineText() const;

    BroadcastDocument *m_document = nullptr; // not owned; null once released or closed
    ConferenceUsersWidget *m_tree = nullptr;
    ItemHoverIconDelegate *m_delegate = nullptr;
    QProgressBar *m_progress = nullptr;
    QToolBar *m_settingsBar = nullptr;
    TextEdit *m_editor = nullptr;
    QPushButton *m_sendButton = nullptr;
    QStatusBar *m_statusBar = nullptr;
    QLabel *m_securityLabel = nullptr;
    QSignalMapper *m_mapper = nullptr;
    QHash<int, QAction *> m_actions;
    QuickTextMenu *m_quickText = nullptr;
    SpellLanguageControl *m_spell = nullptr;
    WindowGeometryManager *m_geometry = nullptr;
    QTextCharFormat m_savedFormat;
    bool m_applyingFormat = false;
    bool m_finished = false;
    bool m_connected = true;
};
