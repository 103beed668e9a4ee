#include "ui/chat/chatwindow.h"

#include "ui_chatwindow.h"

#include "chat/chatcoreinterface.h"
#include "chat/chatmanager.h"
#include "chat/chatsession.h"
#include "chat/tabbedwindowinterface.h"
#include "emoticons/emoticonentry.h"
#include "emoticons/emotionboxmanager.h"
#include "lib_kelvan/clocktimer.h"
#include "emoticons/ui/emoticonpicker.h"
#include "lib_kelvan/utf16.h"
#include "platform/prompt.h"
#include "plugin/records/userobj.h"
#include "render/markupconverter.h"
#include "resources/chatresources.h"
#include "settings/settingsmanager.h"
#include "settings/ui/formattoggles.h"
#include "settings/ui/splitterstate.h"
#include "shared/sharedresourcemanager.h"
#include "ui/chat/chatalerts.h"
#include "ui/chat/chatdragdroplistener.h"
#include "ui/chat/chatfiledragoverlay.h"
#include "ui/chat/chatuilog.h"
#include "ui/chat/conferenceuserswidget.h"
#include "ui/chat/roomcontrols.h"
#include "ui/chat/dialogcontext.h"
#include "ui/chat/findbar.h"
#include "ui/chat/fulltextviewer.h"
#include "ui/chat/historylinks.h"
#include "ui/chat/historypane.h"
#include "ui/chat/historytransfers.h"
#include "ui/chat/imagevieweropener.h"
#include "ui/chat/messageactions.h"
#include "ui/chat/nudgeshaker.h"
#include "ui/chat/outgoingfiles.h"
#include "ui/chat/pluginsbuttonsmanager.h"
#include "ui/chat/quicktextmenu.h"
#include "ui/chat/safetext.h"
#include "ui/chat/spelllanguagecontrol.h"
#include "ui/chat/textbrowser.h"
#include "ui/chat/textedit.h"
#include "ui/chat/uploadslistframe.h"
#include "ui/chat/userinfoframe.h"
#include "ui/chat/widgetstyle.h"
#include "ui/chat/windowgeometrymanager.h"
#include "ui/chat/windowsnapper.h"

#include <sdk/ihostmessage.h>
#include <sdk/ihostservices.h>
#include <sdk/iplugin.h>
#include <sdk/iuser.h>

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSignalMapper>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

using kelvan::fromUtf16;

} // namespace

// --- Construction ------------------------------------------------------------------------

ChatWindow::ChatWindow(QWidget *parent, ChatSession *conversation)
    : QFrame(parent)
    , m_ui(new Ui::ChatWindowClass)
    , m_session(conversation)
{
    initChatResources();
    m_ui->setupUi(this);
    if (!parent)
        setWindowFlags(windowFlags() | Qt::Window);
    setWindowFlags(windowFlags() | Qt::WindowFlags(0xc000));

    styleWidget(this, "Main", "Frame Chat");
    styleWidget(m_ui->editSend, "Send", "Edit Chat");
    styleWidget(m_ui->editReceive, "Receive", "Edit Chat");
    styleWidget(m_ui->btnSend, "Send", "Button Chat");
    styleWidget(m_ui->statusBar, "Main", "StatusBar Chat");
    styleWidget(m_ui->pluginsBar, "Modules", "ToolBar Chat");
    styleWidget(m_ui->settingsBar, "Settings", "ToolBar Chat");
    const bool room = m_session && m_session->isRoom();
    if (room)
        m_ui->editReceive->setObjectName(QStringLiteral("ReceiveConf"));

    m_securityLabel = new QLabel(this);
    styleWidget(m_securityLabel, "SecurityState", "Label Ormica");
    m_securityLabel->setPixmap(QPixmap(QStringLiteral(":/images/security_state.gif")));
    m_ui->statusBar->addPermanentWidget(m_securityLabel);
    setWindowIcon(QIcon(room ? QStringLiteral(":/images/chat_rooms.png") : QStringLiteral(":/images/chat.png")));
    setAcceptDrops(true);

    m_ui->splitterVertical->setStretchFactor(0, 2);
    m_ui->splitterVertical->setStretchFactor(1, 0);
    m_ui->splitterReceivedHorizontal->setStretchFactor(0, 1);
    m_ui->splitterReceivedHorizontal->setStretchFactor(1, 0);
    m_ui->conferenceUsersWidget->setVisible(room);
    m_ui->conferenceUsersWidget->setHost(host());
    // Plug-in buttons join this bar with the buttons of other plug-ins.
    m_ui->pluginsBar->hide();

    m_history = new HistoryPane(m_ui->editReceive, this);
    m_history->setConversation(m_session);
    m_alerts = new ChatAlerts(this);
    m_alerts->setConversation(m_session);
    m_shaker = new NudgeShaker(this, this);
    m_typingNoticeTimer = new kelvan::ClockTimer(this);
    m_typingNoticeTimer->setSingleShot(true);
    connect(m_typingNoticeTimer, &kelvan::ClockTimer::timeout, this, [this] {
        // Only the notice goes; a text shown since stays.
        if (m_ui->statusBar->currentMessage() == m_typingNotice)
            m_ui->statusBar->clearMessage();
    });
    m_geometry = new WindowGeometryManager(this, SettingsManager::ChatWindow, settings());
    m_geometry->restoreSize();
    m_alerts->setGeometry(m_geometry);
    m_snapper = new WindowSnapper(this);
    buildSettingsBar();
    m_spell = new SpellLanguageControl(this, m_ui->editSend, m_actions.value(ActionSpellLanguage), m_ui->statusBar, this);
    m_spell->setContactId(QString::fromUtf8(conversationId()));
    m_quickText = new QuickTextMenu(m_ui->editSend, this, host(), this);
    connect(m_quickText, &QuickTextMenu::aboutToInsert, this, [this] { reapplySavedFormat(false); });
    connect(m_quickText, &QuickTextMenu::sendRequested, this, &ChatWindow::sendText);
    // Pictures and files on their way out, the uploads list and the drop
    // overlay over the history, and the transfers the history shows.
    const auto session = [this] { return m_session; };
    m_outgoing = new OutgoingFiles(m_ui->editSend, this, session, this);
    m_uploads = new UploadsListFrame(m_ui->editReceive, session);
    m_dragOverlay = new ChatFileDragOverlay(m_ui->editReceive, session);
    m_dragListener = new ChatDragDropListener(this, m_dragOverlay, session, [this](const QStringList &paths) { sendFiles(paths); });
    m_transfers = new HistoryTransfers(m_history, session, this);
    connect(m_ui->editSend, &TextEdit::onPaste, this, &ChatWindow::onPaste);
    // The overlay stands between the settings bar and the editor.
    m_messageActions = new MessageActions(
        session, m_history, m_ui->editSend, m_ui->verticalLayout_2, 1,
        [this](const QString &command) { if (m_session) m_session->sendText(command); },
        [this] { sendText(QString()); }, this);
    m_links = new HistoryLinks(session, this, m_history, m_messageActions, this);
    // Ten seconds: a sentence to read, not a state to show.
    connect(m_links, &HistoryLinks::statusMessage, this, [this](const QString &text) { m_ui->statusBar->showMessage(text, 10000); });
    connect(m_history, &HistoryPane::messageMenuRequested, m_messageActions, &MessageActions::showMessageMenu);
    new FindBar(m_history, m_ui->editReceive, this); // a child of the view
    m_links->setDownloadWatcher([this](const QString &address) { m_transfers->watch(false, address); });
    // Pictures open over the whole window, a child of it: it moves along.
    m_imageViewer = new ImageViewerOpener(
        this, m_ui->editReceive, [this] { return host(); },
        [this] { return ImageViewerOpener::conversationPictures(*m_history, host()); },
        [this] { return m_session && m_session->core() ? m_session->core()->appName() : QString(); }, this);
    m_links->setPictureOpener([this](const QString &name) { m_imageViewer->open(name); });
    m_imageViewer->setFetcher([this](const QString &name) {
        const auto watch = [this](const QString &address) { m_transfers->watch(true, address); };
        ImageViewerOpener::fetchListedPicture(*m_history, host(), name, watch);
    });
    connect(m_transfers, &HistoryTransfers::pictureArrived, m_imageViewer, &ImageViewerOpener::pictureArrived);
    m_links->setPictureFetchWatcher([this](const QString &address) { m_transfers->watch(true, address); });
    connect(m_transfers, &HistoryTransfers::pictureArrived, m_links, &HistoryLinks::pictureArrived);

    // Automatic connections: queued when the conversation emits from
    // another thread.
    connect(this, &ChatWindow::sigLoadHistory, this, &ChatWindow::slotLoadHistory);
    connect(this, &ChatWindow::sigAlerts, this, &ChatWindow::slotAlerts);
    connect(this, &ChatWindow::sigAppendText, this, &ChatWindow::slotAppendText);

    TextEdit *editor = m_ui->editSend;
    connect(editor, &QTextEdit::textChanged, this, &ChatWindow::onTextChanged);
    connect(editor, &QTextEdit::cursorPositionChanged, this, &ChatWindow::onCursorPositionChanged);
    connect(editor, &QTextEdit::currentCharFormatChanged, this, &ChatWindow::onCurrentCharFormatChanged);
    connect(editor, &TextEdit::keyReturnPressed, this, &ChatWindow::onBtnSend);
    // Focus moving into the editor never moves the history: a user reading
    // older messages keeps reading them while typing.
    connect(editor, &TextEdit::focusReceived, this, [this] {
        if (m_ui->editSend->document()->isEmpty())
            reapplySavedFormat(false);
    });
    connect(m_ui->editReceive, &QTextBrowser::anchorClicked, this, &ChatWindow::onEditReceiveAnchorClicked);
    connect(m_ui->btnSend, &QPushButton::clicked, this, &ChatWindow::onBtnSend);
    connect(m_ui->frmPeerInfo, &UserInfoFrame::closeInfo, this, &QWidget::close);
    connect(m_ui->splitterVertical, &QSplitter::splitterMoved, this, &ChatWindow::onSplitterMoved);
    connect(m_ui->splitterReceivedHorizontal, &QSplitter::splitterMoved, this, &ChatWindow::onSplitterMoved);
    connect(m_ui->conferenceUsersWidget, &QTreeWidget::itemDoubleClicked, this, &ChatWindow::onItemDoubleClicked);
    if (room) {
        m_room = new RoomControls(this, m_ui->statusBar, session, [this] { closeConversation(true); }, this);
        connect(m_ui->frmPeerInfo, &UserInfoFrame::roomSettings, m_room, &RoomControls::onRoomSettings);
        connect(m_ui->frmPeerInfo, &UserInfoFrame::leaveRoom, m_room, &RoomControls::onLeaveRoom);
        connect(m_ui->conferenceUsersWidget, &ConferenceUsersWidget::dragDropUsers, m_room, &RoomControls::onDragDropUsers);
    }

    if (SettingsManager *manager = settings())
        connect(manager, &SettingsManager::textFormatChanged, this, &ChatWindow::applyTextFormat);
    if (ChatCoreInterface *core = conversation ? conversation->core() : nullptr)
        m_alerts->setSilenced(core->hostNumberIsZero());

    registerEmoticons();
    applyTextFormat();
    updateTitle();
    fillParticipants();
    restoreSplitters();
    refreshToggleActions();

    if (!hasSendableMembers()) {
        editor->setEnabled(false);
        m_ui->settingsBar->setEnabled(false);
    }
    m_ui->btnSend->setEnabled(false);

    m_spell->start();
    retranslate();
    refreshPluginButtons();
}

ChatWindow::~ChatWindow()
{
    m_ui->editSend->stopAnimateImages();
    m_ui->editReceive->stopAnimateImages();
    // A window destroyed without closing (its parent went) still lets its
    // conversation know.
    if (ChatSession *session = m_session) {
        m_session = nullptr;
        m_history->setConversation(nullptr);
        m_alerts->setConversation(nullptr);
        session->windowClosed();
    }
}

IHostServices *ChatWindow::host() const
{
    ChatCoreInterface *core = m_session ? m_session->core() : nullptr;
    return core ? core->hostServices() : nullptr;
}

SettingsManager *ChatWindow::settings() const
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    return resources ? resources->settings() : nullptr;
}

QByteArray ChatWindow::conversationId() const
{
    return m_session ? m_session->peerId() : QByteArray();
}

bool ChatWindow::hasSendableMembers() const
{
    if (!m_session)
        return false;
    const int count = m_session->participantCount();
    if (count == 0)
        return false;
    const UserObj *first = m_session->firstParticipant();
    return !(count == 1 && first && first->type() == 1);
}

TextEdit *ChatWindow::editor() const { return m_ui->editSend; }
TextBrowser *ChatWindow::historyView() const { return m_ui->editReceive; }
QPushButton *ChatWindow::sendButton() const { return m_ui->btnSend; }
QStatusBar *ChatWindow::statusBar() const { return m_ui->statusBar; }
QToolBar *ChatWindow::settingsBar() const { return m_ui->settingsBar; }
UserInfoFrame *ChatWindow::peerInfo() const { return m_ui->frmPeerInfo; }
ConferenceUsersWidget *ChatWindow::participantList() const { return m_ui->conferenceUsersWidget; }
bool ChatWindow::isHistoryLoaded() const { return m_history->isLoaded(); }
const RenderedHistory &ChatWindow::renderedHistory() const { return m_history->rendered(); }
bool ChatWindow::hasUnreadMark() const { return m_alerts->hasUnreadMark(); }
QString ChatWindow::spellLanguage() const { return m_spell->language(); }

// --- Settings bar ------------------------------------------------------------------------

void ChatWindow::buildSettingsBar()
{
    QToolBar *bar = m_ui->settingsBar;
    bar->setStyleSheet(QStringLiteral("QToolBar::separator { background: transparent; border: none; }"));
    bar->setIconSize(QSize(16, 16));
    m_settingsMapper = new QSignalMapper(this);
    connect(m_settingsMapper, &QSignalMapper::mappedInt, this, &ChatWindow::onSettingsActionTriggered);

    IHostServices *services = host();
    const auto addBarAction = [&](int id, const char *icon, const QKeySequence &shortcut, bool checkable) {
        auto *action = new QAction(this);
        if (services && icon)
            action->setIcon(QIcon(fromUtf16(services->skinPath(icon))));
        action->setCheckable(checkable);
        if (!shortcut.isEmpty()) {
            action->setShortcut(shortcut);
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            // Shortcuts work wherever the focus is inside the window.
            this->addAction(action);
        }
        connect(action, &QAction::triggered, m_settingsMapper, qOverload<>(&QSignalMapper::map));
        m_settingsMapper->setMapping(action, id);
        bar->addAction(action);
        if (QWidget *button = bar->widgetForAction(action))
            styleWidget(button, "Action", "QToolButton Chat");
        m_actions.insert(id, action);
        return action;
    };
    addBarAction(ActionBold, "chat/textbold.png", QKeySequence(Qt::CTRL | Qt::Key_B), true);
    addBarAction(ActionItalic, "chat/textitalic.png", QKeySequence(Qt::CTRL | Qt::Key_I), true);
    addBarAction(ActionUnderline, "chat/textunder.png", QKeySequence(Qt::CTRL | Qt::Key_U), true);
    addBarAction(ActionTools, "chat/tools.png", QKeySequence(Qt::CTRL | Qt::Key_T), false);
    // Two strokes: Alt pressed while Ctrl is held, then T.
    addBarAction(ActionAttach, "chat/intab.png", QKeySequence(Qt::CTRL | Qt::Key_Alt, Qt::Key_T), false);
    bar->addSeparator();
    addBarAction(ActionNudge, "chat/nudge.png", QKeySequence(Qt::CTRL | Qt::Key_N), false);
    bar->addSeparator();
    addBarAction(ActionSendPicture, "chat/picture.png", QKeySequence(), false);
    addBarAction(ActionQuickText, "chat/canned.png", QKeySequence(), false);
    addBarAction(ActionEmoticons, "chat/emotion.png", QKeySequence(), false);
    auto *spacer = new QWidget(bar);
    spacer->setObjectName(QStringLiteral("Spacer"));
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    addBarAction(ActionNotifications, nullptr, QKeySequence(), false);
    addBarAction(ActionAutoscroll, nullptr, QKeySequence(), false);
    addBarAction(ActionSpellLanguage, nullptr, QKeySequence(), false);
    if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(m_actions.value(ActionSpellLanguage))))
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void ChatWindow::retranslate()
{
    const auto setTexts = [this](int id, const QString &text) { SafeText::setActionTexts(m_actions.value(id), text); };
    setTexts(ActionBold, tr("&Bold"));
    setTexts(ActionItalic, tr("&Italic"));
    setTexts(ActionUnderline, tr("&Underline"));
    setTexts(ActionNudge, tr("Nudge"));
    setTexts(ActionTools, tr("Tools"));
    setTexts(ActionSendPicture, tr("Send picture"));
    setTexts(ActionQuickText, tr("Quick text"));
    setTexts(ActionEmoticons, tr("Emoticons"));
    m_securityLabel->setToolTip(tr("This chat is encrypted"));
    refreshToggleActions();
    refreshTabbedState();
    if (m_spell)
        m_spell->refreshAction();
    m_history->retranslate();
    if (m_session && m_session->isRoom() && !m_session->isRoomReady() && !hasSendableMembers())
        m_ui->statusBar->showMessage(tr("Preparing chat room..."));
}

void ChatWindow::refreshToggleActions()
{
    const SettingsManager *manager = settings();
    const QString peer = QString::fromUtf8(conversationId());
    const UserObj *first = m_session ? m_session->firstParticipant() : nullptr;
    const QString name = first ? first->displayNameString() : peer;
    IHostServices *services = host();
    const auto refresh = [&](int id, bool on, const char *onIcon, const char *offIcon, const QString &onText,
                             const QString &offText) {
        QAction *action = m_actions.value(id);
        if (!action)
            return;
        if (services)
            action->setIcon(QIcon(fromUtf16(services->skinPath(on ? onIcon : offIcon))));
        const QString text = (on ? onText : offText).arg(name);
        action->setText(SafeText::actionLabel(text));
        action->setToolTip(SafeText::toolTip(text));
        action->setStatusTip(text);
    };
    refresh(ActionNotifications, !manager || manager->notificationsEnabled(peer), "chat/user_notifications_on.png",
            "chat/user_notifications_off.png", tr("Notifications from %1 are enabled"),
            tr("Notifications from %1 are disabled"));
    refresh(ActionAutoscroll, !manager || manager->autoscroll(peer), "chat/autoscroll_on.png", "chat/autoscroll_off.png",
            tr("Automatic scroll is On for %1"), tr("Automatic scroll is Off for %1"));
}

void ChatWindow::onSettingsActionTriggered(int id)
{
    TextEdit *editor = m_ui->editSend;
    switch (id) {
    case ActionBold:
    case ActionItalic:
    case ActionUnderline: {
        editor->mergeCurrentCharFormat(FormatToggles::change(id, m_actions.value(id)->isChecked()));
        editor->setFocus();
        return;
    }
    case ActionNudge:
        startNudge();
        return;
    case ActionTools:
        if (ChatCoreInterface *core = m_session ? m_session->core() : nullptr)
            core->showSettings();
        return;
    case ActionSendPicture:
        selectPicturesToSend();
        return;
    case ActionQuickText:
        m_quickText->popup();
        return;
    case ActionEmoticons:
        if (EmoticonPicker *picker = sharedEmoticonPicker())
            picker->popupAboveCursor(this, [this](int index) { onEmotionsActionTriggered(index); });
        return;
    case ActionNotifications:
    case ActionAutoscroll: {
        SettingsManager *manager = settings();
        if (!manager || !m_session)
            return;
        const QString peer = QString::fromUtf8(m_session->firstParticipantId());
        if (id == ActionNotifications) {
            manager->setNotificationsEnabled(peer, !manager->notificationsEnabled(peer));
        } else {
            manager->setAutoscroll(peer, !manager->autoscroll(peer));
            m_history->refreshFollowing();
        }
        refreshToggleActions();
        return;
    }
    case ActionSpellLanguage:
        m_spell->showMenu();
        return;
    case ActionAttach:
        if (TabbedWindowInterface *tabbed = m_session ? m_session->manager()->tabbedWindow() : nullptr) {
            if (m_session->isInTabbedWindow())
                tabbed->detach(m_session);
            else
                tabbed->attach(m_session);
        }
        return;
    default:
        qCDebug(lcChatWindow) << "settings action" << id << "is not on this bar";
        return;
    }
}

void ChatWindow::onEmotionsActionTriggered(int index)
{
    if (EmoticonPicker *picker = sharedEmoticonPicker())
        picker->insertEmoticon(m_ui->editSend, index);
}

// --- Formatting -----------------------------------------------------------------------------

void ChatWindow::reapplySavedFormat(bool wholeDocument)
{
    TextEdit *editor = m_ui->editSend;
    m_applyingFormat = true;
    if (wholeDocument) {
        QTextCursor all(editor->document());
        all.select(QTextCursor::Document);
        all.mergeCharFormat(m_savedFormat);
    }
    editor->mergeCurrentCharFormat(m_savedFormat);
    m_applyingFormat = false;
}

void ChatWindow::applyTextFormat()
{
    SettingsManager *manager = settings();
    const QTextCharFormat stored = manager ? manager->textFormat() : QTextCharFormat();
    // Every font property explicit, so merging it also takes back a bold or
    // italic the user switched on for the last message.
    m_savedFormat = QTextCharFormat();
    m_savedFormat.setFont(stored.font(), QTextCharFormat::FontPropertiesAll);
    if (stored.hasProperty(QTextFormat::ForegroundBrush))
        m_savedFormat.setForeground(stored.foreground());
    reapplySavedFormat(true);
    m_ui->editReceive->document()->setDefaultStyleSheet(SharedResourceManager::messageTextStyleSheet(m_savedFormat));
    if (m_history->isLoaded()) {
        m_history->rerender();
        m_ui->editReceive->scrollToBottom();
    }
}

void ChatWindow::onCurrentCharFormatChanged(const QTextCharFormat &format)
{
    FormatToggles::reflect(m_actions, format);
}

void ChatWindow::onCursorPositionChanged()
{
    onCurrentCharFormatChanged(m_ui->editSend->currentCharFormat());
}

// --- Emoticons, participants, splitters ------------------------------------------------

void ChatWindow::registerEmoticons()
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    EmotionBoxManager *emoticons = resources ? resources->emoticons() : nullptr;
    if (!emoticons)
        return;
    for (const EmoticonEntry *entry : emoticons->entries()) {
        m_ui->editSend->addAnimatedImage(entry);
        m_ui->editReceive->addAnimatedImage(entry);
    }
}

void ChatWindow::fillParticipants()
{
    ConferenceUsersWidget *list = m_ui->conferenceUsersWidget;
    list->clearMembers();
    if (!m_session || !m_session->isRoom())
        return;
    const QList<QByteArray> ids = m_session->participantIds();
    // The first participant is the room record itself.
    for (int i = 1; i < ids.size(); ++i)
        list->addMember(m_session->findParticipant(ids.at(i)));
}

void ChatWindow::restoreSplitters()
{
    SettingsManager *manager = settings();
    if (!manager)
        return;
    if (!restoreSplitter(m_ui->splitterVertical, *manager, SettingsManager::Splitter::Chat)) {
        // First start: the history takes what the tool bar and a few lines
        // of input leave; the input keeps its height when the window grows.
        const int input = m_ui->settingsBar->sizeHint().height() + 4 * fontMetrics().lineSpacing() + 12;
        m_ui->splitterVertical->setSizes({qMax(1, height() - input), input});
    }
    if (m_session && m_session->isRoom()
        && !restoreSplitter(m_ui->splitterReceivedHorizontal, *manager, SettingsManager::Splitter::Conference)) {
        // The participant list as wide as a name needs.
        const int list = qMax(m_ui->conferenceUsersWidget->minimumWidth(), 20 * fontMetrics().averageCharWidth());
        m_ui->splitterReceivedHorizontal->setSizes({qMax(1, width() - list), list});
    }
}

void ChatWindow::onSplitterMoved(int pos, int index)
{
    Q_UNUSED(pos)
    Q_UNUSED(index)
    SettingsManager *manager = settings();
    if (!manager)
        return;
    if (sender() == m_ui->splitterReceivedHorizontal)
        storeSplitter(m_ui->splitterReceivedHorizontal, *manager, SettingsManager::Splitter::Conference);
    else
        storeSplitter(m_ui->splitterVertical, *manager, SettingsManager::Splitter::Chat);
}

void ChatWindow::memberAdded(const IUser *member)
{
    if (m_session && m_session->isRoom() && member && member->type() != 1)
        m_ui->conferenceUsersWidget->addMember(member);
}

void ChatWindow::memberRemoved(const QByteArray &userId)
{
    m_ui->conferenceUsersWidget->removeMember(userId);
}

void ChatWindow::memberChanged(const QByteArray &userId)
{
    if (!m_session)
        return;
    m_history->names().remove(userId.toLongLong());
    if (const UserObj *member = m_session->findParticipant(userId)) {
        if (m_ui->conferenceUsersWidget->findMember(userId))
            m_ui->conferenceUsersWidget->addMember(member);
    }
    if (userId == m_session->firstParticipantId())
        updateTitle();
}

void ChatWindow::onItemDoubleClicked(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    const QByteArray id = m_ui->conferenceUsersWidget->memberId(item);
    if (!m_session || id.isEmpty())
        return;
    ChatCoreInterface *core = m_session->core();
    if (core && core->ownUserId() == id)
        return;
    if (ChatSession *chat = m_session->manager()->openById(id, QByteArray()))
        chat->show(false);
}

// --- Title, input --------------------------------------------------------------------------

void ChatWindow::updateTitle()
{
    if (!m_session)
        return;
    const UserObj *first = m_session->firstParticipant();
    if (!first) {
        setWindowTitle(tr("Chat"));
        return;
    }
    const QString name = first->displayNameString();
    QString title;
    if (m_session->isRoom()) {
        title = first->isOnline() ? tr("%1 - Chat Room").arg(name)
                                  : tr("%1 (%2) - Chat Room").arg(name, first->statusTextString());
    } else if (first->isOnline() && !first->hasStatusMessage()) {
        title = QStringLiteral("%1 - %2").arg(name, tr("Chat"));
    } else {
        title = QStringLiteral("%1 (%2) - %3").arg(name, first->statusTextString(), tr("Chat"));
    }
    setWindowTitle(title);
    m_ui->frmPeerInfo->update(first, host());
    refreshToggleActions();
}

void ChatWindow::prepareRoom()
{
    setWindowIcon(QIcon(QStringLiteral(":/images/chat_rooms.png")));
    m_ui->statusBar->showMessage(tr("Preparing chat room..."));
    m_ui->editSend->setEnabled(false);
    m_ui->btnSend->setEnabled(false);
    m_ui->pluginsBar->setEnabled(false);
    m_ui->settingsBar->setEnabled(false);
    m_ui->frmPeerInfo->setRoomButtonsEnabled(false);
    if (m_room)
        m_room->preparing();
}

void ChatWindow::enableInput()
{
    m_ui->editSend->setEnabled(true);
    m_ui->settingsBar->setEnabled(true);
    m_ui->pluginsBar->setEnabled(true);
    m_ui->frmPeerInfo->setRoomButtonsEnabled(true);
    if (m_room)
        m_room->ready();
    // The editor could not take the focus while it waited.
    m_ui->editSend->setFocus();
    if (m_ui->statusBar->currentMessage() == tr("Preparing chat room..."))
        m_ui->statusBar->clearMessage();
    onTextChanged();
}

void ChatWindow::disableInput()
{
    m_ui->editSend->clear();
    m_ui->editSend->setEnabled(false);
    m_ui->btnSend->setEnabled(false);
    m_ui->pluginsBar->setEnabled(false);
    m_ui->settingsBar->setEnabled(false);
    m_ui->frmPeerInfo->setRoomButtonsEnabled(false);
}

// --- Typing ------------------------------------------------------------------------------------

void ChatWindow::onTextChanged()
{
    if (m_applyingFormat)
        return;
    TextEdit *editor = m_ui->editSend;
    const QString plain = editor->toPlainText();
    const bool hasText = !plain.trimmed().isEmpty();
    m_ui->btnSend->setEnabled(hasText && editor->isEnabled());
    if (hasText) {
        if (m_throttle.onTextChanged(plain) && m_session)
            m_session->sendTyping();
        if (editor->currentCharFormat().isImageFormat())
            reapplySavedFormat(false);
    } else {
        m_throttle.onTextChanged(plain);
        reapplySavedFormat(false);
    }
}

void ChatWindow::showTypingNotice(const QByteArray &userId)
{
    if (!m_session)
        return;
    const UserObj *member = m_session->findParticipant(userId);
    if (!member)
        return;
    m_typingNotice = tr("%1 is typing...").arg(member->displayNameString());
    m_ui->statusBar->showMessage(m_typingNotice);
    m_typingNoticeTimer->start(TypingNoticeMs);
}

// --- Sending ---------------------------------------------------------------------------------------

void ChatWindow::onBtnSend()
{
    if (!m_ui->btnSend->isEnabled() || !m_session)
        return;
    TextEdit *editor = m_ui->editSend;
    QStringList pictures;
    const QString markup = MarkupConverter::editorToMarkup(editor->document(), SharedResourceManager::instance()->baseFont(), &pictures);
    m_outgoing->sendPending(pictures);
    sendText(m_messageActions->outgoing(markup));
    for (const QString &picture : qAsConst(pictures))
        editor->document()->addResource(QTextDocument::ImageResource, QUrl(picture), QVariant());
}

void ChatWindow::sendText(const QString &text)
{
    if (!m_session)
        return;
    if (!text.isEmpty())
        m_session->sendText(text);
    TextEdit *editor = m_ui->editSend;
    editor->setFocus();
    m_throttle.reset();
    m_applyingFormat = true;
    editor->clear();
    m_applyingFormat = false;
    editor->afterClear();
    reapplySavedFormat(true);
    m_ui->btnSend->setEnabled(false);
    // The host stores what went out; show it.
    if (!text.isEmpty() && m_history->isLoaded())
        appendNewMessages();
}

// --- History ---------------------------------------------------------------------------------------

void ChatWindow::slotLoadHistory()
{
    m_history->load();
}

void ChatWindow::appendNewMessages()
{
    m_history->appendNew();
}

bool ChatWindow::loadOlderMessages()
{
    return m_history->loadOlder();
}

void ChatWindow::slotAppendText(const QString &text)
{
    if (!m_session)
        return;
    if (!m_history->isLoaded()) {
        Q_EMIT sigLoadHistory();
        return;
    }
    m_history->appendFragment(text);
    m_throttle.reset();
    m_ui->statusBar->clearMessage();
    checkSendAutoReplyMessage();
}

void ChatWindow::appendHtml(const QString &html)
{
    Q_EMIT sigAppendText(html);
}

void ChatWindow::loadHistory()
{
    Q_EMIT sigLoadHistory();
}

void ChatWindow::raiseAlerts(qint64 eventId)
{
    Q_EMIT sigAlerts(eventId);
}

void ChatWindow::onNewMessage(IHostMessage *message)
{
    if (!m_session || !message)
        return;
    const qint64 eventId = message->eventId();
    const bool alreadyShown = m_history->rendered().contains(eventId);
    // A minimized window joins the tabbed window when new chats open there.
    const SettingsManager *manager = settings();
    if (isMinimized() && isWindow() && m_session->notificationsEnabled() && manager && manager->tabbedChat()
        && host() && host()->findPlugin("chat") && !m_session->isInTabbedWindow() && m_session->manager()->tabbedWindow())
        m_session->manager()->tabbedWindow()->attach(m_session);
    // A peer's edit, like, label or deletion comes back under the old id.
    if (alreadyShown) {
        if (message->isDeleted())
            m_messageActions->messageWithdrawn(eventId);
        m_history->replaceMessage(eventId);
    }
    if (!m_history->isLoaded()) {
        slotLoadHistory();
    } else {
        m_throttle.reset();
        m_ui->statusBar->clearMessage();
        if (message->isReceived())
            checkSendAutoReplyMessage();
        appendNewMessages();
    }
    const int kind = message->kind();
    const QByteArray body(message->body() ? message->body() : "");
    // Notices the plug-in posted and room system messages do not alert; a
    // nudge alerts through the nudge itself.
    if (alreadyShown || !message->isReceived() || (kind != IHostMessage::KindChat && kind != IHostMessage::KindPlugin)
        || body.contains("[nudge]"))
        return;
    const qint64 sender = message->overridingSenderId() != 0 ? message->overridingSenderId() : message->senderId();
    const QByteArray roomId = m_session->isRoom() ? m_session->peerId() : QByteArray();
    alertIncoming(eventId, QByteArray::number(sender), roomId, QString::fromUtf8(body), 0);
}

void ChatWindow::slotAlerts(qint64 eventID)
{
    IHostServices *services = host();
    if (!m_session || !services)
        return;
    IHostMessage *record = services->createMessageRecord();
    if (!record)
        return;
    if (services->loadMessageByEvent(eventID, record) && record->isReceived()) {
        const qint64 sender = record->overridingSenderId() != 0 ? record->overridingSenderId() : record->senderId();
        const QByteArray roomId = m_session->isRoom() ? m_session->peerId() : QByteArray();
        alertIncoming(eventID, QByteArray::number(sender), roomId, QString::fromUtf8(record->body() ? record->body() : ""), 0);
    }
    services->releaseMessageRecord(record);
}

// --- Alerts ------------------------------------------------------------------------------------

void ChatWindow::alertIncoming(qint64 messageId, const QByteArray &senderId, const QByteArray &roomId, const QString &text,
                               int flags)
{
    m_alerts->alertIncoming(messageId, senderId, roomId, text, flags);
}

void ChatWindow::flashWindowPriv()
{
    m_alerts->flash();
}

void ChatWindow::notifyUserWindow()
{
    flashWindowPriv();
}

void ChatWindow::onHostNumberChanged(bool isZero)
{
    m_alerts->setSilenced(isZero);
}

// --- Nudges --------------------------------------------------------------------------------------

void ChatWindow::startNudge()
{
    if (!m_session || m_shaker->isRunning())
        return;
    m_session->sendNudge();
    flashWindowPriv();
    m_shaker->start(NudgeShaker::DefaultSteps);
    if (m_history->isLoaded())
        appendNewMessages();
}

void ChatWindow::onNudgeReceived(const QByteArray &userId)
{
    IHostServices *services = host();
    const SettingsManager *manager = settings();
    if (!m_session || !services || (manager && !manager->allowReceiveNudge()))
        return;
    UserObj sender;
    if (userId.isEmpty() || !services->getUser(&sender, userId.constData()))
        return;
    if (!m_history->isLoaded())
        slotLoadHistory();
    else
        appendNewMessages();
    const QByteArray roomId = m_session->isRoom() ? m_session->peerId() : QByteArray();
    alertIncoming(0, userId, roomId, tr("sends you a nudge"), NudgeAlertFlag);
    if (!m_shaker->isRunning()) {
        flashWindowPriv();
        m_shaker->start(NudgeShaker::DefaultSteps);
    }
}

// --- Automatic reply ------------------------------------------------------------------------------

void ChatWindow::checkSendAutoReplyMessage()
{
    if (m_autoReplyChecked)
        return;
    m_autoReplyChecked = true;
    if (!m_session || m_session->isRoom() || m_session->participantCount() != 1)
        return;
    const SettingsManager *manager = settings();
    IHostServices *services = host();
    if (!manager || !services)
        return;
    // The status the user has now, as the host knows it.
    UserObj own;
    if (!services->getOwnUser(&own))
        return;
    const QString customText = own.statusMessage();
    const CustomStatus *reply = &manager->findPlainStatusReply(own.status());
    if (!customText.isEmpty()) {
        const CustomStatus &custom = manager->findCustomStatusReply(own.status(), customText);
        if (!custom.isNull())
            reply = &custom;
    }
    if (reply->isNull() || !reply->isActive() || reply->replyText().trimmed().isEmpty())
        return;
    m_session->sendText(tr("Auto reply: %1").arg(reply->replyText()));
    if (m_history->isLoaded())
        appendNewMessages();
}

// --- Spell checking -------------------------------------------------------------------------------

void ChatWindow::onChangeSpellCheckLang(const QString &language)
{
    m_spell->chooseLanguage(language);
}

void ChatWindow::onNoSpellChecking()
{
    m_spell->chooseNone();
}

void ChatWindow::onSpellerChanged(const QString &bcp47Name)
{
    m_spell->onSpellerChanged(bcp47Name);
}

void ChatWindow::onSpellerNotLoaded()
{
    m_spell->onSpellerNotLoaded();
}

// --- Links -------------------------------------------------------------------------------------------

void ChatWindow::onEditReceiveAnchorClicked(const QUrl &url)
{
    m_ui->editSend->setFocus();
    if (!FullTextViewer::handleLink(url, host(), conversationId(), this))
        m_links->open(m_ui->editReceive->clickedTarget(url));
}

void ChatWindow::onPluginsActionTriggered(const QString &pluginId)
{
    if (m_room && pluginId == QLatin1String(PluginsButtonsManager::RoomActionPluginId)) {
        m_room->inviteFromPicker();
        return;
    }
    if (IHostServices *services = host())
        services->triggerPluginButton(pluginId.toUtf8().constData(), conversationId().constData());
}

void ChatWindow::refreshPluginButtons()
{
    PluginsButtonsManager::instance().fill(m_ui->pluginsBar, host(), [this](const QByteArray &id) {
        onPluginsActionTriggered(QString::fromUtf8(id));
    }, m_room != nullptr);
}

void ChatWindow::onConversationEvent(int code, const QList<qint64> &values)
{
    if (code == HostEventCode::HistoryCleared) {
        m_messageActions->closeOverlay();
        if (m_history->isLoaded())
            m_history->load();
        return;
    }
    for (const qint64 id : values) {
        if (code != HostEventCode::MessagesChanged)
            m_messageActions->messageWithdrawn(id);
        if (code == HostEventCode::MessagesRemoved)
            m_history->removeMessage(id);
        else if (code == HostEventCode::MessagesChanged || code == HostEventCode::MessagesDeleted)
            m_history->replaceMessage(id);
    }
}

// --- Showing, activation, closing ---------------------------------------------------------------------

void ChatWindow::showWindow(bool background)
{
    if (!m_session)
        return;
    if (!m_history->isLoaded()) {
        // Uploads that went on while no window showed this conversation.
        if (ChatCoreInterface *core = m_session->core())
            m_uploads->restore(core->pendingUploads(m_session->peerId()));
        slotLoadHistory();
    }
    if (TabbedWindowInterface *tabbed = tabbedWindow())
        tabbed->showPage(m_session, background);
    else
        m_geometry->showWindow(background);
    m_ui->editSend->setFocus();
    if (m_session->isRoom() && !m_session->isRoomReady() && !hasSendableMembers())
        m_ui->statusBar->showMessage(tr("Preparing chat room..."));
    if (m_room)
        m_room->windowShown();
}

bool ChatWindow::isWindowHidden() const
{
    return isHidden();
}

bool ChatWindow::attachToTabbedWindow()
{
    TabbedWindowInterface *tabbed = m_session ? m_session->manager()->tabbedWindow() : nullptr;
    return tabbed && tabbed->attach(m_session);
}

TabbedWindowInterface *ChatWindow::tabbedWindow() const
{
    return m_session && m_session->isInTabbedWindow() ? m_session->manager()->existingTabbedWindow() : nullptr;
}

void ChatWindow::leaveTabbedWindow()
{
    if (TabbedWindowInterface *tabbed = tabbedWindow())
        tabbed->remove(m_session);
}

void ChatWindow::refreshTabbedState()
{
    const bool inTab = m_session && m_session->isInTabbedWindow();
    if (QAction *action = m_actions.value(ActionAttach)) {
        if (IHostServices *services = host())
            action->setIcon(QIcon(fromUtf16(services->skinPath(inTab ? "chat/outtab.png" : "chat/intab.png"))));
        const QString text = inTab ? tr("Detach from tab") : tr("Attach to tab");
        action->setText(text);
        action->setToolTip(text);
        action->setStatusTip(text);
    }
    m_ui->frmPeerInfo->setInTabbedWindow(inTab);
}

void ChatWindow::setActive(bool active)
{
    if (active) {
        if (m_session && isActiveWindow()) {
            m_session->markSeen();
            m_alerts->clearUnreadMark();
        }
        m_ui->editSend->startAnimateImages();
        m_ui->editReceive->startAnimateImages();
        if (m_ui->editSend->isEnabled())
            m_ui->editSend->setFocus();
    } else {
        m_ui->editSend->stopAnimateImages();
        m_ui->editReceive->stopAnimateImages();
    }
}

void ChatWindow::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    if (!m_firstShowDone) {
        m_firstShowDone = true;
        // Once laid out at its real size.
        QTimer::singleShot(0, this, [this] { m_ui->editReceive->scrollToBottom(); });
    }
    setActive(isActiveWindow());
}

void ChatWindow::hideEvent(QHideEvent *event)
{
    QFrame::hideEvent(event);
    setActive(false);
}

bool ChatWindow::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        m_ui->statusBar->showMessage(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QFrame::event(event);
}

void ChatWindow::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::LanguageChange:
        m_ui->retranslateUi(this);
        retranslate();
        updateTitle();
        break;
    case QEvent::ActivationChange:
        setActive(isActiveWindow());
        break;
    default:
        break;
    }
    QFrame::changeEvent(event);
}

void ChatWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // The edit overlay, the uploads list and the image viewer take
        // Escape first.
        event->accept();
        if (m_messageActions->closeOverlay())
            return;
        if (m_uploads->isVisible()) {
            m_uploads->closeButton()->click();
            return;
        }
        if (m_imageViewer->closeViewer())
            return;
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

void ChatWindow::closeEvent(QCloseEvent *event)
{
    if (!m_session) {
        event->accept();
        return;
    }
    // The untrimmed text: a message of spaces is still something typed.
    if (!m_ui->editSend->toPlainText().isEmpty()) {
        QString title = m_session && m_session->core() ? m_session->core()->appName() : QString();
        if (title.isEmpty() && host())
            title = fromUtf16(host()->appName(-1));
        if (!platform::Prompt::confirm(this, title, tr("You have an unsent message.\nDo you want to close the window?"))) {
            event->ignore();
            // Back to the draft.
            activateWindow();
            m_ui->editSend->setFocus();
            return;
        }
    }
    event->accept();
    closeConversation();
}

void ChatWindow::closeConversation(bool leaveRoom)
{
    leaveTabbedWindow();
    ChatSession *session = m_session;
    m_session = nullptr;
    m_history->setConversation(nullptr);
    m_alerts->setConversation(nullptr);
    m_shaker->timer()->stop();
    if (session) {
        session->windowClosed();
        if (leaveRoom)
            session->manager()->leaveRoom(session);
        else
            session->manager()->remove(session);
    }
    hide();
    deleteLater();
}

void ChatWindow::release()
{
    leaveTabbedWindow();
    m_session = nullptr;
    m_history->setConversation(nullptr);
    m_alerts->setConversation(nullptr);
    m_shaker->timer()->stop();
    m_ui->editSend->stopAnimateImages();
    m_ui->editReceive->stopAnimateImages();
    hide();
    deleteLater();
}

// --- Notices fanned out to every conversation -----------------------------------------------------------

void ChatWindow::onUserPresence(const QByteArray &userId, int status, int value)
{
    Q_UNUSED(status)
    Q_UNUSED(value)
    memberChanged(userId);
    if (m_dragOverlay->isVisible())
        m_dragOverlay->refresh();
}

void ChatWindow::onUserStatusText(const QByteArray &userId, const QString &statusText)
{
    Q_UNUSED(statusText)
    memberChanged(userId);
}

void ChatWindow::onUserChanged(const QByteArray &userId)
{
    memberChanged(userId);
}

void ChatWindow::onUserUpdated(const QByteArray &userId)
{
    memberChanged(userId);
}

void ChatWindow::onOwnUserChanged()
{
    if (m_session && m_session->core())
        m_history->names().remove(m_session->core()->ownUserId().toLongLong());
}

void ChatWindow::onOwnProfileA()
{
    onOwnUserChanged();
}

void ChatWindow::onOwnProfileB()
{
    onOwnUserChanged();
}

void ChatWindow::onOwnProfileC()
{
    onOwnUserChanged();
}

void ChatWindow::onConnectionLost()
{
    updateTitle();
    fillParticipants();
}

void ChatWindow::onOptionsChanged(int first, int second)
{
    Q_UNUSED(first)
    Q_UNUSED(second)
}

void ChatWindow::applySettings()
{
    // The text format follows SettingsManager::textFormatChanged already.
    m_spell->start();
    m_ui->editSend->checkSpelling(m_ui->editSend->spellLanguage());
    if (m_history->isLoaded())
        m_history->rerender();
    m_imageViewer->applySettings();
}

void ChatWindow::refresh()
{
    if (!m_session)
        return;
    m_history->names().clear();
    updateTitle();
    if (m_history->isLoaded())
        m_history->rerender();
}

void ChatWindow::onRoomNotice(const QByteArray &argument)
{
    if (m_room)
        m_room->showNotice(argument);
}

// --- Pictures, files and their transfers ------------------------------------------------------------

void ChatWindow::selectPicturesToSend() { m_outgoing->selectPicturesToSend(); }
void ChatWindow::sendFiles(const QStringList &paths) { m_outgoing->sendFiles(paths); }

void ChatWindow::onPaste(const QMimeData *mimeData)
{
    m_outgoing->paste(mimeData);
    onTextChanged();
}

void ChatWindow::onFileTransferChanged(const QByteArray &transferKey, int code)
{
    Q_UNUSED(code)
    m_transfers->fileTransferChanged(transferKey);
}

void ChatWindow::onPictureTransferChanged(const QByteArray &transferKey, int code)
{
    m_transfers->pictureTransferChanged(transferKey, code);
}

void ChatWindow::redrawPicture(const QByteArray &transferKey, int code)
{
    m_transfers->pictureTransferChanged(transferKey, code);
}

void ChatWindow::uploadDetails(const QByteArray &transferKey, const QByteArray &details, int code)
{
    Q_UNUSED(code)
    m_uploads->addUpload(transferKey, details);
}

void ChatWindow::uploadRemoved(const QByteArray &transferKey) { m_uploads->removeUpload(transferKey); }

void ChatWindow::uploadResult(const QByteArray &transferKey, int code, const QList<QByteArray> &values)
{
    m_uploads->setResult(transferKey, code, values);
    m_transfers->uploadEnded();
}

void ChatWindow::uploadProgress(const QByteArray &transferKey, qint64 uploaded, qint64 total)
{
    m_uploads->setProgress(transferKey, uploaded, total);
}

void ChatWindow::uploadFinished(const QByteArray &transferKey)
{
    m_uploads->setFinished(transferKey);
    // The upload's message goes out right after this; show it then.
    QMetaObject::invokeMethod(this, [this] {
        if (m_session && m_history->isLoaded())
            appendNewMessages();
    }, Qt::QueuedConnection);
}
