#pragma once

#include "chat/tabbedwindowinterface.h"
#include "lib_kelvan/clocktimer.h"

#include <QFrame>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QScopedPointer>

class ChatManager;
class ChatWindow;
class CloseItemDelegate;
class IHostServices;
class QStackedLayout;
class QTreeWidget;
class QTreeWidgetItem;
class SettingsManager;
class TabbedFlashBag;
class WindowGeometryManager;
class WindowSnapper;

namespace Ui {
class TabbedChatWindow;
}

// The one window that holds conversations as pages: a list of tabs on the
// left, the current chat window on the right. Tabs of conversations with
// missed messages blink a red dot with the count (TabbedFlashBag, painted
// by CloseItemDelegate) until they are selected.
//
// The conversation manager owns it through TabbedWindowInterface. Pages
// stay owned by their conversations (ChatWindowInterface): a page whose
// window closes or is released leaves on its own through remove(). Closing
// the tabbed window asks once for all pages about unsent text, then closes
// every page as its own close would.
class TabbedChatWindow : public QFrame, public TabbedWindowInterface
{
    Q_OBJECT
    Q_DISABLE_COPY(TabbedChatWindow)

public:
    // Leaving the maximized state lays the pages out again this much later.
    static constexpr int FixLayoutDelayMs = 300;

    // `manager` is not owned and outlives the window.
    explicit TabbedChatWindow(ChatManager *manager, QWidget *parent = nullptr);
    ~TabbedChatWindow() override;

    // --- TabbedWindowInterface ---------------------------------------------------

    bool attach(ChatSession *session) override;
    void detach(ChatSession *session) override;
    void remove(ChatSession *session) override;
    void showPage(ChatSession *session, bool background) override;
    bool isCurrentPage(const ChatSession *session) const override;
    void blink(ChatSession *session) override;
    void setMissedCount(const QByteArray &peerId, qint64 count) override;
    void recountMissedMessages() override;
    void dispose() override;

    // Ctrl+Tab and Shift+Tab in a page's editor: the tab below or above,
    // round the ends.
    void nextPage();
    void previousPage();

    int pageCount() const { return m_pages.size(); }
    ChatWindow *currentPage() const;
    QTreeWidgetItem *itemOf(const ChatWindow *page) const;
    QTreeWidget *tabs() const;
    TabbedFlashBag *flashBag() const { return m_flashBag; }
    static quint64 peerIdOf(const QTreeWidgetItem *item);

public Q_SLOTS:
    void onCurrentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void onItemClicked(QTreeWidgetItem *item, int column);
    void onSplitterMoved(int pos, int index);
    void fixLayout();
    void slotBlinkRedDots(const QList<quint64> &list);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    IHostServices *host() const;
    SettingsManager *settings() const;
    ChatWindow *pageOf(const ChatSession *session) const;
    void select(QTreeWidgetItem *item);
    void moveCurrent(int step);
    // Name, tool tip and (outside the current tab) dot of a tab, from the
    // host's missed-message count.
    void refreshEntry(QTreeWidgetItem *item);
    void applyCount(QTreeWidgetItem *item, qint64 count);
    // Out of the list and the stack; the caller decides where the page goes.
    void takeOut(ChatWindow *page);
    void updateTitle();
    void retranslate();
    void loadPixmaps();

    QScopedPointer<Ui::TabbedChatWindow> m_ui;
    ChatManager *const m_manager;                   // not owned
    QStackedLayout *m_stack = nullptr;              // owned by the container
    CloseItemDelegate *m_delegate = nullptr;        // owned (child)
    TabbedFlashBag *m_flashBag = nullptr;           // owned (child)
    WindowSnapper *m_snapper = nullptr;             // owned (child)
    WindowGeometryManager *m_geometry = nullptr;    // owned (child)
    kelvan::ClockTimer m_fixLayoutTimer;
    QHash<QTreeWidgetItem *, QPointer<ChatWindow>> m_pages;
    bool m_firstShow = true;
};
