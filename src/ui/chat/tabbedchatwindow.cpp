#include "ui/chat/tabbedchatwindow.h"

#include "ui_tabbedchatwindow.h"

#include "chat/chatcoreinterface.h"
#include "chat/chatmanager.h"
#include "chat/chatsession.h"
#include "platform/prompt.h"
#include "plugin/records/userobj.h"
#include "resources/chatresources.h"
#include "settings/settingsmanager.h"
#include "settings/ui/splitterstate.h"
#include "shared/sharedresourcemanager.h"
#include "ui/chat/chatwindow.h"
#include "ui/chat/closeitemdelegate.h"
#include "ui/chat/tabbedchatwindowinfo.h"
#include "ui/chat/tabbedflashbag.h"
#include "ui/chat/textedit.h"
#include "ui/chat/windowgeometrymanager.h"
#include "ui/chat/windowsnapper.h"

#include <sdk/ihostservices.h>

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QStackedLayout>
#include <QTreeWidget>

namespace {

// The tab list's width on a first start, before the user moved the splitter.
constexpr int DefaultListWidth = 180;

} // namespace

TabbedChatWindow::TabbedChatWindow(ChatManager *manager, QWidget *parent)
    : QFrame(parent)
    , m_ui(new Ui::TabbedChatWindow)
    , m_manager(manager)
{
    initChatResources();
    qRegisterMetaType<TabbedChatWindowInfo>("TabbedChatWindowInfo");
    m_ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setObjectName(QStringLiteral("Main"));
    setProperty("class", QStringLiteral("Frame Chat"));
    QTreeWidget *tree = m_ui->treeActiveChats;
    tree->setObjectName(QStringLiteral("Tabs"));
    tree->setProperty("class", QStringLiteral("TreeWidget Chat"));
    m_ui->chatFrameContainer->setObjectName(QStringLiteral("ChatContainer"));
    setWindowIcon(QIcon(QStringLiteral(":/images/chat.png")));

    m_stack = new QStackedLayout(m_ui->chatFrameContainer);
    m_stack->setObjectName(QStringLiteral("chatFrameLayout"));
    m_ui->splitter->setStretchFactor(0, 0);
    m_ui->splitter->setStretchFactor(1, 1);
    tree->header()->setSectionResizeMode(QHeaderView::Stretch);
    tree->viewport()->setAttribute(Qt::WA_Hover);
    m_delegate = new CloseItemDelegate(this);
    tree->setItemDelegate(m_delegate);
    loadPixmaps();

    IHostServices *services = host();
    m_flashBag = new TabbedFlashBag([services](quint64 peer) {
        return services ? services->missedMessageCount(QByteArray::number(peer).constData()) : 0;
    }, this);
    m_snapper = new WindowSnapper(this);
    m_geometry = new WindowGeometryManager(this, SettingsManager::TabbedChatWindow, settings());
    m_geometry->restoreSize();
    m_fixLayoutTimer.setSingleShot(true);
    m_fixLayoutTimer.setInterval(FixLayoutDelayMs);

    connect(m_flashBag, &TabbedFlashBag::sigBlinkList, this, &TabbedChatWindow::slotBlinkRedDots);
    connect(tree, &QTreeWidget::currentItemChanged, this, &TabbedChatWindow::onCurrentItemChanged);
    connect(tree, &QTreeWidget::itemClicked, this, &TabbedChatWindow::onItemClicked);
    connect(m_ui->splitter, &QSplitter::splitterMoved, this, &TabbedChatWindow::onSplitterMoved);
    connect(&m_fixLayoutTimer, &kelvan::ClockTimer::timeout, this, &TabbedChatWindow::fixLayout);
    connect(m_delegate, &CloseItemDelegate::closeRequested, this, [this](const QModelIndex &index) {
        // Every tab is a top-level entry: the row is the tab.
        if (ChatWindow *page = m_pages.value(m_ui->treeActiveChats->topLevelItem(index.row())))
            page->close();
    });
    retranslate();
}

TabbedChatWindow::~TabbedChatWindow() = default;

IHostServices *TabbedChatWindow::host() const
{
    ChatCoreInterface *core = m_manager ? m_manager->core() : nullptr;
    return core ? core->hostServices() : nullptr;
}

SettingsManager *TabbedChatWindow::settings() const
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    return resources ? resources->settings() : nullptr;
}

QTreeWidget *TabbedChatWindow::tabs() const
{
    return m_ui->treeActiveChats;
}

quint64 TabbedChatWindow::peerIdOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, Qt::UserRole).value<TabbedChatWindowInfo>().peerId : 0;
}

ChatWindow *TabbedChatWindow::currentPage() const
{
    return qobject_cast<ChatWindow *>(m_stack->currentWidget());
}

ChatWindow *TabbedChatWindow::pageOf(const ChatSession *session) const
{
    for (const QPointer<ChatWindow> &page : m_pages) {
        if (page && session && page->conversation() == session)
            return page;
    }
    return nullptr;
}

QTreeWidgetItem *TabbedChatWindow::itemOf(const ChatWindow *page) const
{
    for (auto it = m_pages.cbegin(); it != m_pages.cend(); ++it) {
        if (it.value() == page)
            return it.key();
    }
    return nullptr;
}

// --- Pages -----------------------------------------------------------------------------------

bool TabbedChatWindow::attach(ChatSession *session)
{
    auto *page = session ? dynamic_cast<ChatWindow *>(session->window()) : nullptr;
    if (!page)
        return false;
    if (QTreeWidgetItem *item = itemOf(page)) {
        m_ui->treeActiveChats->setCurrentItem(item);
        return true;
    }
    auto *item = new QTreeWidgetItem;
    item->setData(0, Qt::UserRole, QVariant::fromValue(TabbedChatWindowInfo{session->peerId().toULongLong()}));
    m_pages.insert(item, page);
    m_stack->addWidget(page);
    // The focus of the page's own window, which the reparenting destroyed,
    // passes to this window without the widgets hearing of it.
    if (!QApplication::activeWindow() && windowHandle() && QGuiApplication::focusWindow() == windowHandle())
        QApplication::setActiveWindow(this);
    page->installEventFilter(this);
    page->editor()->installEventFilter(this);
    session->setInTabbedWindow(true);
    page->refreshTabbedState();
    m_ui->treeActiveChats->addTopLevelItem(item);
    refreshEntry(item);
    m_ui->treeActiveChats->setCurrentItem(item);
    // Loads the history and brings the tabbed window up through showPage().
    page->showWindow(false);
    return true;
}

void TabbedChatWindow::takeOut(ChatWindow *page)
{
    QTreeWidgetItem *item = itemOf(page);
    if (!item)
        return;
    page->removeEventFilter(this);
    page->editor()->removeEventFilter(this);
    m_flashBag->stop(peerIdOf(item));
    m_pages.remove(item);
    m_stack->removeWidget(page);
    // The tree makes the next tab current, which shows its page.
    delete item;
    if (m_pages.isEmpty())
        hide();
    updateTitle();
}

void TabbedChatWindow::detach(ChatSession *session)
{
    ChatWindow *page = pageOf(session);
    if (!page)
        return;
    const QPoint where = page->mapToGlobal(QPoint(0, 0));
    takeOut(page);
    session->setInTabbedWindow(false);
    // A window again where the page stood, at its own stored size (its
    // geometry manager sees the parent change).
    page->setParent(nullptr, (page->windowFlags() & ~Qt::WindowType_Mask) | Qt::Window);
    page->move(where);
    page->refreshTabbedState();
    page->showWindow(false);
}

void TabbedChatWindow::remove(ChatSession *session)
{
    if (ChatWindow *page = pageOf(session)) {
        takeOut(page);
        page->hide();
    }
    if (session)
        session->setInTabbedWindow(false);
}

void TabbedChatWindow::showPage(ChatSession *session, bool background)
{
    ChatWindow *page = pageOf(session);
    if (!page)
        return;
    if (!background)
        m_ui->treeActiveChats->setCurrentItem(itemOf(page));
    m_geometry->showWindow(background);
}

bool TabbedChatWindow::isCurrentPage(const ChatSession *session) const
{
    ChatWindow *page = currentPage();
    return page && page->conversation() == session;
}

void TabbedChatWindow::blink(ChatSession *session)
{
    QTreeWidgetItem *item = itemOf(pageOf(session));
    if (!item)
        return;
    refreshEntry(item);
    m_flashBag->add(peerIdOf(item));
}

void TabbedChatWindow::nextPage()
{
    moveCurrent(+1);
}

void TabbedChatWindow::previousPage()
{
    moveCurrent(-1);
}

void TabbedChatWindow::moveCurrent(int step)
{
    QTreeWidget *tree = m_ui->treeActiveChats;
    const int count = tree->topLevelItemCount();
    if (count < 2)
        return;
    const int index = tree->indexOfTopLevelItem(tree->currentItem());
    tree->setCurrentItem(tree->topLevelItem(((index + step) % count + count) % count));
}

void TabbedChatWindow::dispose()
{
    m_flashBag->clear();
    hide();
    deleteLater();
}

// --- Selection and tab entries ---------------------------------------------------------

void TabbedChatWindow::onCurrentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous)
{
    Q_UNUSED(previous)
    select(current);
}

void TabbedChatWindow::onItemClicked(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    select(item);
}

void TabbedChatWindow::select(QTreeWidgetItem *item)
{
    ChatWindow *page = m_pages.value(item);
    if (!page)
        return;
    m_flashBag->stop(peerIdOf(item));
    item->setData(0, CloseItemDelegate::DotCountRole, 0);
    m_stack->setCurrentWidget(page);
    if (page->isHidden())
        page->show();
    refreshEntry(item);
    updateTitle();
    if (isActiveWindow() && page->editor()->isEnabled())
        page->editor()->setFocus();
}

void TabbedChatWindow::refreshEntry(QTreeWidgetItem *item)
{
    ChatWindow *page = m_pages.value(item);
    ChatSession *session = page ? page->conversation() : nullptr;
    if (!session)
        return;
    const UserObj *peer = session->firstParticipant();
    item->setText(0, peer ? peer->displayNameString() : QString::fromUtf8(session->peerId()));
    IHostServices *services = host();
    applyCount(item, services ? services->missedMessageCount(session->peerId().constData()) : 0);
}

void TabbedChatWindow::applyCount(QTreeWidgetItem *item, qint64 count)
{
    item->setToolTip(0, count > 0 ? tr("%n missed messages", nullptr, count) : tr("Close tab"));
    // The tab in front is being read: no dot unless it blinks.
    if (m_pages.value(item) != currentPage())
        item->setData(0, CloseItemDelegate::DotCountRole, int(qBound<qint64>(0, count, INT_MAX)));
}

void TabbedChatWindow::setMissedCount(const QByteArray &peerId, qint64 count)
{
    const quint64 peer = peerId.toULongLong();
    for (QTreeWidgetItem *item : m_pages.keys()) {
        if (peer != 0 && peerIdOf(item) == peer)
            applyCount(item, count);
    }
}

void TabbedChatWindow::recountMissedMessages()
{
    for (QTreeWidgetItem *item : m_pages.keys())
        refreshEntry(item);
}

void TabbedChatWindow::slotBlinkRedDots(const QList<quint64> &list)
{
    for (int i = 0; i + 1 < list.size(); i += 2) {
        for (QTreeWidgetItem *item : m_pages.keys()) {
            if (peerIdOf(item) == list.at(i))
                item->setData(0, CloseItemDelegate::DotCountRole, int(qMin<quint64>(list.at(i + 1), INT_MAX)));
        }
    }
    m_ui->treeActiveChats->viewport()->update();
}

void TabbedChatWindow::updateTitle()
{
    if (ChatWindow *page = currentPage()) {
        setWindowTitle(page->windowTitle());
        return;
    }
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    setWindowTitle(tr("%1 - Chat").arg(resources ? resources->ownUser().displayNameString() : QString()));
}

void TabbedChatWindow::retranslate()
{
    m_ui->treeActiveChats->headerItem()->setText(0, tr("Name"));
    recountMissedMessages();
    updateTitle();
}

void TabbedChatWindow::loadPixmaps()
{
    IHostServices *services = host();
    const auto skin = [services](const char *name) {
        const char16_t *path = services ? services->skinPath(name) : nullptr;
        return path ? QPixmap(QString::fromUtf16(path)) : QPixmap();
    };
    m_delegate->setPixmaps(skin("chat/close_tab.png"), skin("chat/notification.png"));
}

// --- Window --------------------------------------------------------------------------------------

void TabbedChatWindow::onSplitterMoved(int pos, int index)
{
    Q_UNUSED(pos)
    Q_UNUSED(index)
    if (SettingsManager *manager = settings())
        storeSplitter(m_ui->splitter, *manager, SettingsManager::Splitter::TabbedChat);
}

void TabbedChatWindow::fixLayout()
{
    m_ui->splitter->setSizes(m_ui->splitter->sizes());
    if (layout())
        layout()->activate();
}

void TabbedChatWindow::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    if (!m_firstShow)
        return;
    m_firstShow = false;
    SettingsManager *manager = settings();
    if (!manager || !restoreSplitter(m_ui->splitter, *manager, SettingsManager::Splitter::TabbedChat))
        m_ui->splitter->setSizes({DefaultListWidth, qMax(1, width() - DefaultListWidth)});
}

void TabbedChatWindow::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::LanguageChange:
        m_ui->retranslateUi(this);
        retranslate();
        break;
    case QEvent::StyleChange:
        if (m_delegate)
            loadPixmaps();
        break;
    case QEvent::WindowStateChange:
        if ((static_cast<QWindowStateChangeEvent *>(event)->oldState() & Qt::WindowMaximized) && !isMaximized())
            m_fixLayoutTimer.start();
        break;
    case QEvent::ActivationChange:
        if (ChatWindow *page = currentPage())
            page->setActive(isActiveWindow());
        break;
    default:
        break;
    }
    QFrame::changeEvent(event);
}

void TabbedChatWindow::closeEvent(QCloseEvent *event)
{
    m_flashBag->clear();
    QList<QPointer<ChatWindow>> pages;
    for (int i = 0; i < m_ui->treeActiveChats->topLevelItemCount(); ++i)
        pages << m_pages.value(m_ui->treeActiveChats->topLevelItem(i));
    IHostServices *services = host();
    const bool closeQuietly = services && services->queryState(0);
    bool unsent = false;
    for (const QPointer<ChatWindow> &page : qAsConst(pages))
        unsent = unsent || (page && !page->editor()->toPlainText().isEmpty());
    if (unsent && !closeQuietly) {
        ChatCoreInterface *core = m_manager ? m_manager->core() : nullptr;
        if (!platform::Prompt::confirm(this, core ? core->appName() : QString(),
                                       tr("You have an unsent message(s).\nDo you want to close all tabs?"))) {
            event->ignore();
            return;
        }
    }
    // Emptied first, so that no page asks again.
    for (const QPointer<ChatWindow> &page : qAsConst(pages)) {
        if (!page)
            continue;
        page->editor()->clear();
        page->sendButton()->setEnabled(false);
        page->close();
    }
    event->accept();
}

bool TabbedChatWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::WindowTitleChange) {
        if (auto *page = qobject_cast<ChatWindow *>(watched)) {
            if (QTreeWidgetItem *item = itemOf(page))
                refreshEntry(item);
            if (page == currentPage())
                updateTitle();
        }
    } else if (event->type() == QEvent::KeyPress) {
        // Shift+Tab arrives as Backtab from a keyboard, as Tab with Shift
        // from a synthesised event.
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && (key->modifiers() & Qt::ShiftModifier)) {
            previousPage();
            return true;
        }
        if (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ControlModifier)) {
            nextPage();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
