// The tabbed window over hostkit: pages attached, switched, detached and
// closed, the one question for unsent text, and tabs that blink their
// missed-message count until selected.

#include "windowfixture.h"

#include "ui/chat/closeitemdelegate.h"
#include "ui/chat/tabbedchatwindow.h"
#include "ui/chat/tabbedflashbag.h"
#include "ui/chat/textedit.h"

#include <QAction>
#include <QTreeWidget>
#include <QtTest>

class tst_TabbedChatWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void attachSwitchAndDetach();
    void closingAsksOnceForAllPages_data();
    void closingAsksOnceForAllPages();
    void hiddenTabBlinksUntilSelected();
    void closeButtonOfATabClosesItsConversation();

private:
    TabbedChatWindow *tabbed() const
    {
        return dynamic_cast<TabbedChatWindow *>(m_f->chat().manager().existingTabbedWindow());
    }
    QTreeWidgetItem *tabOf(ChatWindow *page) const { return tabbed()->itemOf(page); }
    int dotOf(ChatWindow *page) const { return tabOf(page)->data(0, CloseItemDelegate::DotCountRole).toInt(); }
    bool redDotShown(ChatWindow *page) const
    {
        QTreeWidget *tree = tabbed()->tabs();
        const QImage image = tree->viewport()->grab(tree->visualItemRect(tabOf(page))).toImage();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 180 && c.green() < 90 && c.blue() < 90)
                    return true;
            }
        }
        return false;
    }

    std::unique_ptr<WindowFixture> m_f;
};

void tst_TabbedChatWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_f = std::make_unique<WindowFixture>();
    QVERIFY2(m_f->host->isReady(), qPrintable(m_f->host->error()));
}

void tst_TabbedChatWindow::init()
{
    m_f->reset();
    m_f->settings().setTabbedChat(true);
    m_f->host->setStateAnswer(0, false);
}

void tst_TabbedChatWindow::cleanupTestCase()
{
    m_f.reset();
}

void tst_TabbedChatWindow::attachSwitchAndDetach()
{
    ChatWindow *bea = m_f->open("1001");
    ChatWindow *chris = m_f->open("1002");
    QVERIFY(bea && chris && tabbed());
    QVERIFY(tabbed()->isVisible());
    QCOMPARE(bea->window(), static_cast<QWidget *>(tabbed()));
    QCOMPARE(tabbed()->pageCount(), 2);
    QCOMPARE(tabbed()->currentPage(), chris);
    QCOMPARE(tabbed()->windowTitle(), chris->windowTitle());
    QCOMPARE(tabOf(bea)->text(0), QStringLiteral("Bea Hansen"));
    QCOMPARE(chris->settingsAction(ChatWindow::ActionAttach)->text(), QStringLiteral("Detach from tab"));

    // Ctrl+Tab and Shift+Tab in an editor go round the tabs.
    QTest::keyClick(chris->editor(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabbed()->currentPage(), bea);
    QTest::keyClick(bea->editor(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(tabbed()->currentPage(), chris);
    QVERIFY(chris->editor()->toPlainText().isEmpty());

    // Detached, Chris stands alone again, at the chat window's stored size.
    chris->settingsAction(ChatWindow::ActionAttach)->trigger();
    QVERIFY(chris->isWindow() && chris->isVisible());
    QVERIFY(!chris->conversation()->isInTabbedWindow());
    QCOMPARE(chris->size(), m_f->settings().windowSize(SettingsManager::ChatWindow));
    QCOMPARE(tabbed()->pageCount(), 1);
    QCOMPARE(tabbed()->currentPage(), bea);
    QCOMPARE(tabbed()->windowTitle(), bea->windowTitle());
    QCOMPARE(chris->settingsAction(ChatWindow::ActionAttach)->text(), QStringLiteral("Attach to tab"));
}

void tst_TabbedChatWindow::closingAsksOnceForAllPages_data()
{
    QTest::addColumn<bool>("drafts");
    QTest::addColumn<bool>("hostSaysQuiet");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("closes");
    QTest::newRow("unsent text in a hidden page, No keeps every tab") << true << false << int(platform::Prompt::No) << 1 << false;
    QTest::newRow("Yes closes every conversation without asking again") << true << false << int(platform::Prompt::Yes) << 1 << true;
    QTest::newRow("the host's state query lets it close without asking") << true << true << int(platform::Prompt::NoButton) << 0 << true;
    QTest::newRow("nothing typed closes without asking") << false << false << int(platform::Prompt::NoButton) << 0 << true;
}

void tst_TabbedChatWindow::closingAsksOnceForAllPages()
{
    QFETCH(bool, drafts);
    QFETCH(bool, hostSaysQuiet);
    QFETCH(int, answer);
    QFETCH(int, questions);
    QFETCH(bool, closes);
    ChatWindow *bea = m_f->open("1001");
    ChatWindow *chris = m_f->open("1002");
    m_f->open("1003");
    if (drafts) {
        QTest::keyClicks(bea->editor(), QStringLiteral("draft"));
        QTest::keyClicks(chris->editor(), QStringLiteral("another"));
    }
    QVERIFY(!bea->isVisible());
    m_f->host->setStateAnswer(0, hostSaysQuiet);
    if (answer != platform::Prompt::NoButton)
        m_f->prompt.enqueue(platform::Prompt::Button(answer));
    tabbed()->close();
    QCOMPARE(int(m_f->prompt.asked().size()), questions);
    if (questions) {
        const platform::Prompt::Box &box = m_f->prompt.asked().front();
        QCOMPARE(box.title, QStringLiteral("Chat Host"));
        QCOMPARE(box.text, QStringLiteral("You have an unsent message(s).\nDo you want to close all tabs?"));
        QCOMPARE(box.defaultButton, platform::Prompt::No);
    }
    QCOMPARE(m_f->chat().manager().count(), closes ? 0 : 3);
    QCOMPARE(tabbed()->isVisible(), !closes);
    QCOMPARE(m_f->calls("sendInstantMessage"), 0);
}

void tst_TabbedChatWindow::hiddenTabBlinksUntilSelected()
{
    ChatWindow *bea = m_f->open("1001");
    m_f->open("1002");
    m_f->receive("1001", "one");
    m_f->receive("1001", "two");
    QCOMPARE(tabOf(bea)->toolTip(0), QStringLiteral("2 missed messages"));
    QVERIFY(tabbed()->flashBag()->isRunning());
    QList<int> dots;
    for (int tick = 0; tick < 8; ++tick) {
        m_f->clock.advance(200);
        dots << dotOf(bea);
    }
    QCOMPARE(dots, (QList<int>{2, 0, 2, 2, 2, 2, 2, 0}));
    // Host event 30 sets a tab's count; none takes the dot away.
    m_f->chat().onEvent(30, "1001,1");
    QCOMPARE(tabOf(bea)->toolTip(0), QStringLiteral("1 missed messages"));
    QVERIFY(redDotShown(bea));
    m_f->chat().onEvent(30, "1001,0");
    QCOMPARE(tabOf(bea)->toolTip(0), QStringLiteral("Close tab"));
    QVERIFY(!redDotShown(bea));

    tabbed()->tabs()->setCurrentItem(tabOf(bea));
    QCOMPARE(dotOf(bea), 0);
    m_f->clock.advance(2000);
    QCOMPARE(dotOf(bea), 0);
    QVERIFY(!tabbed()->flashBag()->isRunning());

    // The tab in front blinks while the tabbed window is in the background,
    // and not while the user looks at it.
    QApplication::setActiveWindow(nullptr);
    m_f->receive("1001", "three");
    QVERIFY(tabbed()->flashBag()->isRunning());
    tabbed()->flashBag()->clear();
    QApplication::setActiveWindow(tabbed());
    QTRY_VERIFY(tabbed()->isActiveWindow());
    m_f->receive("1001", "four");
    QVERIFY(!tabbed()->flashBag()->isRunning());
    QApplication::setActiveWindow(nullptr);
}

void tst_TabbedChatWindow::closeButtonOfATabClosesItsConversation()
{
    ChatWindow *bea = m_f->open("1001");
    m_f->open("1002");
    QTest::keyClicks(bea->editor(), QStringLiteral("draft"));
    QTreeWidget *tree = tabbed()->tabs();
    auto *delegate = qobject_cast<CloseItemDelegate *>(tree->itemDelegate());
    QVERIFY(delegate);
    const QPoint close = delegate->closeRect(tree->visualItemRect(tabOf(bea))).center();

    m_f->prompt.enqueue(platform::Prompt::No);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, close);
    QCOMPARE(int(m_f->prompt.asked().size()), 1);
    QCOMPARE(m_f->prompt.asked().front().text, QStringLiteral("You have an unsent message.\nDo you want to close the window?"));
    QCOMPARE(tabbed()->pageCount(), 2);

    m_f->prompt.enqueue(platform::Prompt::Yes);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, close);
    QCOMPARE(tabbed()->pageCount(), 1);
    QCOMPARE(m_f->chat().manager().count(), 1);
    QVERIFY(!m_f->chat().manager().findByPeer("1001"));
}

QTEST_MAIN(tst_TabbedChatWindow)
#include "tst_tabbedchatwindow.moc"
