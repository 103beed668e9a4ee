#include "ui/broadcast/broadcastwindow.h"

#include "broadcast/broadcastdocument.h"
#include "broadcast/broadcastlimits.h"
#include "broadcast/broadcastregistry.h"
#include "emoticons/emoticonentry.h"
#include "emoticons/emotionboxmanager.h"
#include "emoticons/ui/emoticonpicker.h"
#include "lib_kelvan/utf16.h"
#include "platform/prompt.h"
#include "plugin/records/userobj.h"
#include "plugin/records/variableimpl.h"
#include "render/markupconverter.h"
#include "resources/chatresources.h"
#include "settings/settingsmanager.h"
#include "settings/ui/formattoggles.h"
#include "shared/sharedresourcemanager.h"
#include "ui/broadcast/itemhovericondelegate.h"
#include "ui/chat/conferenceuserswidget.h"
#include "ui/chat/dialogcontext.h"
#include "ui/chat/quicktextmenu.h"
#include "ui/chat/safetext.h"
#include "ui/chat/spelllanguagecontrol.h"
#include "ui/chat/textedit.h"
#include "ui/chat/widgetstyle.h"
#include "ui/chat/windowgeometrymanager.h"

#include <sdk/ihostservices.h>
#include <sdk/iplugin.h>

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalMapper>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int AvatarSize = 24;
constexpr int StateIconSize = 16;

using kelvan::fromUtf16;

quint64 peerIdOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, ConferenceUsersWidget::IdRole).toByteArray().toULongLong() : 0;
}

} // namespace

BroadcastWindow::BroadcastWindow(BroadcastDocument *document)
    : QFrame(nullptr, Qt::Window | Qt::WindowFlags(0xc000))
    , m_document(document)
{
    initChatResources();
    styleWidget(this, "BroadcastWindow", "Frame Chat");
    setWindowIcon(QIcon(QStringLiteral(":/images/broadcast.png")));
    buildLayout();
    buildSettingsBar();

    m_geometry = new WindowGeometryManager(this, SettingsManager::BroadcastComposer, settings());
    m_geometry->restoreSize();
    m_spell = new SpellLanguageControl(this, m_editor, m_actions.value(ActionSpellLanguage), m_statusBar, this);
    m_quickText = new QuickTextMenu(m_editor, this, host(), this);
    // The composer always inserts a quick text: a broadcast is sent on purpose.
    m_quickText->setInstantSendAllowed(false);
    connect(m_quickText, &QuickTextMenu::aboutToInsert, this, [this] { reapplySavedFormat(false); });

    connect(m_tree, &QTreeWidget::itemClicked, this, &BroadcastWindow::onItemClicked);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &BroadcastWindow::onItemDoubleClicked);
    connect(m_tree, &ConferenceUsersWidget::dragDropUsers, this, &BroadcastWindow::onDragDropUsers);
    connect(m_tree, &QWidget::customContextMenuRequested, this, &BroadcastWindow::removeAt);
    connect(m_editor, &QTextEdit::textChanged, this, &BroadcastWindow::onTextChanged);
    connect(m_editor, &QTextEdit::currentCharFormatChanged, this, &BroadcastWindow::onCurrentCharFormatChanged);
    connect(m_editor, &QTextEdit::cursorPositionChanged, this,
            [this] { onCurrentCharFormatChanged(m_editor->currentCharFormat()); });
    connect(m_editor, &TextEdit::keyReturnPressed, this, &BroadcastWindow::onBtnSend);
    connect(m_sendButton, &QPushButton::clicked, this, &BroadcastWindow::onBtnSend);
    if (SettingsManager *manager = settings())
        connect(manager, &SettingsManager::textFormatChanged, this, &BroadcastWindow::applyTextFormat);

    if (SharedResourceManager *resources = SharedResourceManager::existingInstance()) {
        if (EmotionBoxManager *emoticons = resources->emoticons()) {
            for (const EmoticonEntry *entry : emoticons->entries())
                m_editor->addAnimatedImage(entry);
        }
    }
    applyTextFormat();
    retranslate();
    m_spell->start();
    updateLimits();
}

BroadcastWindow::~BroadcastWindow()
{
    m_editor->stopAnimateImages();
    // Destroyed without closing (the application is going): the job goes too.
    if (BroadcastDocument *document = m_document) {
        m_document = nullptr;
        document->windowClosed();
    }
}

IHostServices *BroadcastWindow::host() const
{
    return m_document ? m_document->registry()->host() : nullptr;
}

SettingsManager *BroadcastWindow::settings() const
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    return resources ? resources->settings() : nullptr;
}

bool BroadcastWindow::isComposing() const
{
    return m_document && m_document->isComposing();
}

int BroadcastWindow::recipientCount() const
{
    return m_document ? m_document->recipientCount() : 0;
}

int BroadcastWindow::maxRecipients() const
{
    return m_document ? m_document->registry()->limits().maxRecipients : BroadcastLimits().maxRecipients;
}

// --- Form ----------------------------------------------------------------------------------------

void BroadcastWindow::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *splitter = new QSplitter(Qt::Vertical, this);
    styleWidget(splitter, "splitterVertical", "Splitter Chat");
    splitter->setChildrenCollapsible(false);
    splitter->setHandleWidth(4);
    layout->addWidget(splitter, 1);

    auto *users = new QFrame(splitter);
    styleWidget(users, "BroadcastUsers", "Frame Chat");
    auto *usersLayout = new QVBoxLayout(users);
    usersLayout->setContentsMargins(0, 0, 0, 0);
    m_tree = new ConferenceUsersWidget(users);
    styleWidget(m_tree, "Recipients", "TreeWidget Chat");
    m_tree->setColumnCount(2);
    m_tree->setIconSize(QSize(AvatarSize, AvatarSize));
    m_tree->setMouseTracking(true);
    m_tree->viewport()->setAttribute(Qt::WA_Hover);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tree->header()->setSectionResizeMode(StateColumn, QHeaderView::Fixed);
    m_tree->header()->resizeSection(StateColumn, StateIconSize + 6);
    m_delegate = new ItemHoverIconDelegate(StateColumn, m_tree);
    m_tree->setItemDelegate(m_delegate);
    usersLayout->addWidget(m_tree);

    auto *send = new QFrame(splitter);
    styleWidget(send, "frameVSend", "Frame Chat");
    auto *sendLayout = new QVBoxLayout(send);
    sendLayout->setContentsMargins(0, 0, 0, 0);
    sendLayout->setSpacing(0);
    m_progress = new QProgressBar(send);
    styleWidget(m_progress, "Progress", "ProgressBar Chat");
    m_progress->setTextVisible(true);
    m_progress->hide();
    sendLayout->addWidget(m_progress);
    m_settingsBar = new QToolBar(send);
    styleWidget(m_settingsBar, "Settings", "ToolBar Chat");
    m_settingsBar->setMovable(false);
    m_settingsBar->setFloatable(false);
    sendLayout->addWidget(m_settingsBar);
    auto *editorRow = new QFrame(send);
    styleWidget(editorRow, "frameSend", "Frame Chat");
    auto *editorLayout = new QHBoxLayout(editorRow);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    editorLayout->setSpacing(2);
    m_editor = new TextEdit(editorRow);
    styleWidget(m_editor, "Send", "Edit Chat");
    m_editor->setMinimumHeight(40);
    editorLayout->addWidget(m_editor, 1);
    m_sendButton = new QPushButton(editorRow);
    styleWidget(m_sendButton, "Send", "Button Chat");
    m_sendButton->setMinimumWidth(80);
    m_sendButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    editorLayout->addWidget(m_sendButton);
    sendLayout->addWidget(editorRow, 1);
    splitter->addWidget(users);
    splitter->addWidget(send);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    // The editor a few lines high; the recipients take the rest.
    const int input = 6 * fontMetrics().lineSpacing() + 24;
    splitter->setSizes({qMax(1, height() - input), input});

    m_statusBar = new QStatusBar(this);
    styleWidget(m_statusBar, "Main", "StatusBar Chat");
    m_securityLabel = new QLabel(this);
    styleWidget(m_securityLabel, "SecurityState", "Label Ormica");
    m_securityLabel->setPixmap(QPixmap(QStringLiteral(":/images/security_state.gif")));
    m_statusBar->addPermanentWidget(m_securityLabel);
    layout->addWidget(m_statusBar);
}

void BroadcastWindow::buildSettingsBar()
{
    m_settingsBar->setIconSize(QSize(16, 16));
    m_mapper = new QSignalMapper(this);
    connect(m_mapper, &QSignalMapper::mappedInt, this, &BroadcastWindow::onSettingsActionTriggered);
    IHostServices *services = host();
    const auto add = [&](int id, const char *icon, const QKeySequence &shortcut, bool checkable) {
        auto *action = new QAction(this);
        if (services && icon)
            action->setIcon(QIcon(fromUtf16(services->skinPath(icon))));
        action->setCheckable(checkable);
        if (!shortcut.isEmpty()) {
            action->setShortcut(shortcut);
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            addAction(action);
        }
        connect(action, &QAction::triggered, m_mapper, qOverload<>(&QSignalMapper::map));
        m_mapper->setMapping(action, id);
        m_settingsBar->addAction(action);
        if (QWidget *button = m_settingsBar->widgetForAction(action))
            styleWidget(button, "Action", "QToolButton Chat");
        m_actions.insert(id, action);
    };
    add(ActionBold, "chat/textbold.png", QKeySequence(Qt::CTRL | Qt::Key_B), true);
    add(ActionItalic, "chat/textitalic.png", QKeySequence(Qt::CTRL | Qt::Key_I), true);
    add(ActionUnderline, "chat/textunder.png", QKeySequence(Qt::CTRL | Qt::Key_U), true);
    m_settingsBar->addSeparator();
    add(ActionQuickText, "chat/canned.png", QKeySequence(), false);
    add(ActionEmoticons, "chat/emotion.png", QKeySequence(), false);
    add(ActionSpellLanguage, nullptr, QKeySequence(), false);
    if (auto *button = qobject_cast<QToolButton *>(m_settingsBar->widgetForAction(m_actions.value(ActionSpellLanguage))))
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto *spacer = new QWidget(m_settingsBar);
    spacer->setObjectName(QStringLiteral("Spacer"));
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_settingsBar->addWidget(spacer);
    add(ActionAddUsers, "chat/addusers.png", QKeySequence(), false);
    if (auto *button = qobject_cast<QToolButton *>(m_settingsBar->widgetForAction(m_actions.value(ActionAddUsers))))
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_settingsBar->installEventFilter(this);
    if (services)
        m_delegate->setIcon(QIcon(fromUtf16(services->skinPath("chat/close_tab.png"))));
}

void BroadcastWindow::retranslate()
{
    setWindowTitle(tr("Broadcast Message"));
    const auto setTexts = [this](int id, const QString &text) { SafeText::setActionTexts(m_actions.value(id), text); };
    setTexts(ActionBold, tr("&Bold"));
    setTexts(ActionItalic, tr("&Italic"));
    setTexts(ActionUnderline, tr("&Underline"));
    setTexts(ActionQuickText, tr("Quick text"));
    setTexts(ActionEmoticons, tr("Emoticons"));
    setTexts(ActionAddUsers, tr("Add users"));
    m_sendButton->setText(tr("Send"));
    m_securityLabel->setToolTip(tr("This chat is encrypted"));
    m_spell->refreshAction();
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_tree->topLevelItem(i);
        const int state = m_document ? m_document->stateOf(peerIdOf(item)) : -1;
        if (!isComposing() && state == BroadcastDocument::Sent)
            item->setToolTip(StateColumn, tr("Sent"));
        else if (!isComposing() && state == BroadcastDocument::Seen)
            item->setToolTip(StateColumn, tr("Seen"));
    }
}

QString BroadcastWindow::tooManyText() const
{
    return tr("You have selected more than %n users. Please deselect some recipients.", nullptr, maxRecipients());
}

QString BroadcastWindow::tooFewText() const
{
    return tr("You have selected less than %n users. Please select some recipients.", nullptr,
              BroadcastLimits::MinRecipients);
}

QString BroadcastWindow::offlineText() const
{
    return tr("The connection to the server is lost. The broadcast can be sent once it is back.");
}

// --- Recipients ------------------------------------------------------------------------------------

QTreeWidgetItem *BroadcastWindow::rowOf(quint64 peerId) const
{
    return m_tree->findMember(QByteArray::number(peerId));
}

void BroadcastWindow::fillRow(QTreeWidgetItem *item, quint64 peerId) const
{
    const QByteArray id = QByteArray::number(peerId);
    UserObj user;
    IHostServices *services = host();
    const bool known = services && services->getUser(&user, id.constData());
    item->setData(0, ConferenceUsersWidget::IdRole, id);
    item->setText(0, known ? user.displayNameString() : QString::fromLatin1(id));
    item->setToolTip(0, SafeText::toolTip(known ? user.statusTextString() : QString()));
    const QImage avatar = m_document ? m_document->avatar(peerId, AvatarSize) : QImage();
    item->setIcon(0, avatar.isNull() ? QIcon() : QIcon(QPixmap::fromImage(avatar)));
}

void BroadcastWindow::recipientAdded(quint64 peerId)
{
    if (rowOf(peerId))
        return;
    // Rows stand in the job's order: by peer id.
    int at = 0;
    while (at < m_tree->topLevelItemCount() && peerIdOf(m_tree->topLevelItem(at)) < peerId)
        ++at;
    auto *item = new QTreeWidgetItem;
    fillRow(item, peerId);
    m_tree->insertTopLevelItem(at, item);
    updateLimits();
}

void BroadcastWindow::recipientRemoved(quint64 peerId)
{
    delete rowOf(peerId);
    updateLimits();
}

void BroadcastWindow::refreshRecipient(quint64 peerId)
{
    if (QTreeWidgetItem *item = rowOf(peerId))
        fillRow(item, peerId);
}

void BroadcastWindow::onItemClicked(QTreeWidgetItem *item, int column)
{
    if (column == StateColumn && isComposing())
        m_document->removeRecipient(peerIdOf(item));
}

void BroadcastWindow::removeAt(const QPoint &pos)
{
    QTreeWidgetItem *item = m_tree->itemAt(pos);
    if (!item)
        return;
    QMenu menu(this);
    menu.setProperty("class", QStringLiteral("Menu Ormica"));
    QAction *remove = menu.addAction(tr("Remove user"));
    remove->setEnabled(isComposing());
    const quint64 peer = peerIdOf(item);
    if (menu.exec(m_tree->viewport()->mapToGlobal(pos)) == remove && isComposing())
        m_document->removeRecipient(peer);
}

void BroadcastWindow::onItemDoubleClicked(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    IHostServices *services = host();
    const QByteArray id = QByteArray::number(peerIdOf(item));
    IPlugin *chat = services ? services->findPlugin("chat") : nullptr;
    UserObj user;
    if (chat && services->getUser(&user, id.constData()))
        chat->openChat(&user);
}

void BroadcastWindow::onDragDropUsers(const QStringList &userIdList)
{
    if (!isComposing())
        return;
    QList<quint64> ids;
    for (const QString &text : userIdList) {
        bool ok = false;
        const quint64 id = text.toULongLong(&ok);
        if (ok)
            ids.append(id);
    }
    m_document->addRecipients(ids);
}

void BroadcastWindow::onBtnAddUsers()
{
    IHostServices *services = host();
    if (!isComposing() || !services)
        return;
    if (recipientCount() > maxRecipients()) {
        showTooMany();
        return;
    }
    VariableImpl picked;
    if (services->pickContacts(&picked) <= 0)
        return;
    onDragDropUsers(picked.toString().split(QLatin1Char(','), Qt::SkipEmptyParts));
}

// --- Limits and the status bar -------------------------------------------------------------------

void BroadcastWindow::showStatus(const QString &text, bool error)
{
    m_statusBar->setStyleSheet(error ? QStringLiteral("color: red;") : QString());
    m_statusBar->showMessage(text);
}

void BroadcastWindow::showTooMany()
{
    if (QAction *add = m_actions.value(ActionAddUsers))
        add->setEnabled(false);
    m_sendButton->setEnabled(false);
    showStatus(tooManyText(), true);
}

void BroadcastWindow::showTooFew()
{
    if (QAction *add = m_actions.value(ActionAddUsers))
        add->setEnabled(true);
    m_sendButton->setEnabled(false);
    showStatus(tooFewText(), true);
}

void BroadcastWindow::updateLimits()
{
    if (!isComposing())
        return;
    const int count = recipientCount();
    if (count > maxRecipients()) {
        showTooMany();
        return;
    }
    if (QAction *add = m_actions.value(ActionAddUsers))
        add->setEnabled(true);
    const QString shown = m_statusBar->currentMessage();
    if ((shown == tooManyText() || (shown == tooFewText() && count >= BroadcastLimits::MinRecipients)))
        showStatus(QString(), false);
    if (!m_connected)
        showStatus(offlineText(), true);
    else if (shown == offlineText())
        showStatus(QString(), false);
    const bool hasText = !m_editor->toPlainText().trimmed().isEmpty();
    m_sendButton->setEnabled(hasText && m_connected && count >= BroadcastLimits::MinRecipients);
}

void BroadcastWindow::setConnected(bool connected)
{
    m_connected = connected;
    updateLimits();
}

// --- Editing -----------------------------------------------------------------------------------------

void BroadcastWindow::onTextChanged()
{
    if (m_applyingFormat)
        return;
    if (m_editor->toPlainText().trimmed().isEmpty())
        reapplySavedFormat(false);
    updateLimits();
}

void BroadcastWindow::reapplySavedFormat(bool wholeDocument)
{
    m_applyingFormat = true;
    if (wholeDocument) {
        QTextCursor all(m_editor->document());
        all.select(QTextCursor::Document);
        all.mergeCharFormat(m_savedFormat);
    }
    m_editor->mergeCurrentCharFormat(m_savedFormat);
    m_applyingFormat = false;
}

void BroadcastWindow::applyTextFormat()
{
    const SettingsManager *manager = settings();
    const QTextCharFormat stored = manager ? manager->textFormat() : QTextCharFormat();
    // Every font property explicit, so that merging it also takes back a
    // bold the user switched on.
    m_savedFormat = QTextCharFormat();
    m_savedFormat.setFont(stored.font(), QTextCharFormat::FontPropertiesAll);
    if (stored.hasProperty(QTextFormat::ForegroundBrush))
        m_savedFormat.setForeground(stored.foreground());
    reapplySavedFormat(m_editor->toPlainText().trimmed().isEmpty());
}

void BroadcastWindow::onCurrentCharFormatChanged(const QTextCharFormat &format)
{
    FormatToggles::reflect(m_actions, format);
}

void BroadcastWindow::onSettingsActionTriggered(int id)
{
    switch (id) {
    case ActionBold:
    case ActionItalic:
    case ActionUnderline: {
        m_editor->mergeCurrentCharFormat(FormatToggles::change(id, m_actions.value(id)->isChecked()));
        m_editor->setFocus();
        return;
    }
    case ActionQuickText:
        m_quickText->popup();
        return;
    case ActionEmoticons:
        if (EmoticonPicker *picker = sharedEmoticonPicker())
            picker->popupAboveCursor(this, [this](int index) { onEmotionsActionTriggered(index); });
        return;
    case ActionSpellLanguage:
        m_spell->showMenu();
        return;
    case ActionAddUsers:
        onBtnAddUsers();
        return;
    default:
        return;
    }
}

void BroadcastWindow::onEmotionsActionTriggered(int index)
{
    if (EmoticonPicker *picker = sharedEmoticonPicker())
        picker->insertEmoticon(m_editor, index);
}

void BroadcastWindow::onChangeSpellCheckLang(const QString &name)
{
    m_spell->chooseLanguage(name);
}

void BroadcastWindow::onNoSpellChecking()
{
    m_spell->chooseNone();
}

void BroadcastWindow::onSpellerChanged(const QString &bcp47Name)
{
    m_spell->onSpellerChanged(bcp47Name);
}

void BroadcastWindow::onSpellerNotLoaded()
{
    m_spell->onSpellerNotLoaded();
}

void BroadcastWindow::applySettings()
{
    applyTextFormat();
    m_spell->start();
    m_editor->checkSpelling(m_editor->spellLanguage());
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        fillRow(m_tree->topLevelItem(i), peerIdOf(m_tree->topLevelItem(i)));
}

// --- Sending and progress ---------------------------------------------------------------------------

void BroadcastWindow::onBtnSend()
{
    // With one recipient the button is off, yet Return asks: the answer is
    // the too-few state.
    if (!isComposing() || !m_connected || m_editor->toPlainText().trimmed().isEmpty())
        return;
    const int count = recipientCount();
    if (count > maxRecipients()) {
        showTooMany();
        return;
    }
    if (count < BroadcastLimits::MinRecipients) {
        showTooFew();
        return;
    }
    const QString markup = MarkupConverter::editorToMarkup(m_editor->document(), SharedResourceManager::instance()->baseFont());
    m_document->send(markup);
}

void BroadcastWindow::sendingStarted(int recipients)
{
    int iconWidth = StateIconSize;
    if (IHostServices *services = host()) {
        for (const char *icon : {"chat/message_sent.png", "chat/message_seen.png"})
            iconWidth = qMax(iconWidth, QPixmap(fromUtf16(services->skinPath(icon))).width());
    }
    m_tree->header()->resizeSection(StateColumn, iconWidth + 6);
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        m_tree->topLevelItem(i)->setIcon(StateColumn, QIcon());
        m_tree->topLevelItem(i)->setToolTip(StateColumn, QString());
    }
    m_delegate->setEnabled(false);
    m_progress->setRange(0, recipients);
    m_progress->setValue(0);
    m_progress->show();
    m_settingsBar->hide();
    m_settingsBar->setEnabled(false);
    m_editor->setEnabled(false);
    m_sendButton->setEnabled(false);
    showStatus(QString(), false);
}

void BroadcastWindow::setStateIcon(quint64 peerId, const char *icon, const QString &toolTip)
{
    QTreeWidgetItem *item = rowOf(peerId);
    IHostServices *services = host();
    if (!item)
        return;
    item->setIcon(StateColumn, services ? QIcon(fromUtf16(services->skinPath(icon))) : QIcon());
    item->setToolTip(StateColumn, toolTip);
}

void BroadcastWindow::advanceProgress()
{
    if (m_progress->value() < m_progress->maximum())
        m_progress->setValue(m_progress->value() + 1);
}

void BroadcastWindow::peerSent(quint64 peerId)
{
    // A peer seen before its send was reported keeps its seen mark.
    if (!m_document || m_document->stateOf(peerId) != BroadcastDocument::Seen)
        setStateIcon(peerId, "chat/message_sent.png", tr("Sent"));
    advanceProgress();
}

void BroadcastWindow::peerFailed(quint64 peerId)
{
    Q_UNUSED(peerId)
    advanceProgress();
}

void BroadcastWindow::peerSeen(quint64 peerId)
{
    setStateIcon(peerId, "chat/message_seen.png", tr("Seen"));
}

void BroadcastWindow::seenByAll()
{
    showStatus(tr("Seen by all"), false);
}

void BroadcastWindow::sendingCompleted()
{
    m_finished = true;
    m_progress->hide();
    m_settingsBar->show();
    showStatus(tr("Sending completed"), false);
}

// --- Window --------------------------------------------------------------------------------------------

void BroadcastWindow::showWindow()
{
    m_geometry->showWindow(false);
    m_editor->setFocus();
}

void BroadcastWindow::release()
{
    m_document = nullptr;
    m_editor->stopAnimateImages();
    hide();
    deleteLater();
}

void BroadcastWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    else if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_editor->startAnimateImages();
    else if (event->type() == QEvent::ActivationChange)
        m_editor->stopAnimateImages();
    QFrame::changeEvent(event);
}

bool BroadcastWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_settingsBar && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        fitAddUsersButton();
    return QFrame::eventFilter(watched, event);
}

// In a language with long words the labelled button would slip into the
// bar's overflow menu, out of sight; it gives up its label (kept as the
// tooltip) first.
void BroadcastWindow::fitAddUsersButton()
{
    auto *button = qobject_cast<QToolButton *>(m_settingsBar->widgetForAction(m_actions.value(ActionAddUsers)));
    if (!button)
        return;
    const bool labelled = button->toolButtonStyle() == Qt::ToolButtonTextBesideIcon;
    const int label = labelled ? 0 : button->fontMetrics().horizontalAdvance(button->text()) + 8;
    const bool fits = m_settingsBar->sizeHint().width() + label <= m_settingsBar->width();
    button->setToolButtonStyle(fits ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
}

void BroadcastWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

void BroadcastWindow::closeEvent(QCloseEvent *event)
{
    if (m_document && !m_document->isFinished() && !m_editor->toPlainText().isEmpty()) {
        IHostServices *services = host();
        if (!platform::Prompt::confirm(this, services ? fromUtf16(services->appName(-1)) : QString(),
                                       tr("You have an unsent message.\nDo you want to close the window?"))) {
            event->ignore();
            return;
        }
    }
    event->accept();
    if (BroadcastDocument *document = m_document) {
        m_document = nullptr;
        document->windowClosed();
    }
    m_editor->stopAnimateImages();
    hide();
    deleteLater();
}
