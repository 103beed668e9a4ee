// The broadcast composer and viewer over hostkit: the recipient limits in
// the status bar, removing recipients by their icon column, the marks and
// texts of a send and its receipts, the close question, and the viewer's
// receipt.

#include "../common/testpictures.h"
#include "../ui/windowfixture.h"

#include "broadcast/broadcastdocument.h"
#include "hostkit/transfers.h"
#include "broadcast/broadcastregistry.h"
#include "broadcast/broadcastwindowfactory.h"
#include "ui/broadcast/broadcastviewer.h"
#include "ui/broadcast/broadcastwindow.h"
#include "ui/broadcast/broadcastwindowfactoryimpl.h"
#include "ui/chat/conferenceuserswidget.h"
#include "ui/chat/imagevieweropener.h"
#include "viewer/chatimageviewerframe.h"
#include "ui/chat/textbrowser.h"
#include "ui/chat/textedit.h"

#include <QAction>
#include <QBuffer>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolButton>
#include <QtTest>

class tst_BroadcastWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void limitTexts_data();
    void limitTexts();
    void onlyTheIconColumnRemoves();
    void addUsersGivesUpItsLabelRatherThanHide();
    void seenByAllReplacesSendingCompleted();
    void sendingWaitsForTheConnection();
    void closeQuestion_data();
    void closeQuestion();
    void viewerShowsAndAnswersOnce();
    void viewerPicturesOpenInTheImageViewer();

private:
    BroadcastWindow *composer(const QList<quint64> &recipients);
    void receipt(const QByteArray &from);

    std::unique_ptr<WindowFixture> m_fixture;
    std::unique_ptr<BroadcastRegistry> m_registry;
};

void tst_BroadcastWindows::initTestCase()
{
    m_fixture = std::make_unique<WindowFixture>();
    BroadcastWindowFactoryImpl::install();
}

void tst_BroadcastWindows::cleanupTestCase()
{
    BroadcastWindowFactory::setInstance(nullptr);
    m_fixture.reset();
}

void tst_BroadcastWindows::init()
{
    m_fixture->reset();
    m_registry = std::make_unique<BroadcastRegistry>(m_fixture->host->servicesFor("broadcast"), nullptr);
}

void tst_BroadcastWindows::cleanup()
{
    m_registry.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

BroadcastWindow *tst_BroadcastWindows::composer(const QList<quint64> &recipients)
{
    return dynamic_cast<BroadcastWindow *>(m_registry->newJob(recipients)->window());
}

void tst_BroadcastWindows::receipt(const QByteArray &from)
{
    const hostkit::HostUser sender(*m_fixture->host->profile().find(from));
    m_registry->onControlMessage(&sender, hostkit::Network::controlRecord("MESSAGE_SEEN"));
}

void tst_BroadcastWindows::limitTexts_data()
{
    QTest::addColumn<int>("recipients");
    QTest::addColumn<bool>("pressReturn");
    QTest::addColumn<QString>("status");

    QTest::newRow("201 of at most 200: said at once")
        << 201 << false << "You have selected more than 200 users. Please deselect some recipients.";
    QTest::newRow("one recipient: said when Return asks to send")
        << 1 << true << "You have selected less than 2 users. Please select some recipients.";
}

void tst_BroadcastWindows::limitTexts()
{
    QFETCH(int, recipients);
    QFETCH(bool, pressReturn);

    QList<quint64> ids;
    for (int i = 0; i < recipients; ++i)
        ids << quint64(1001 + i);
    BroadcastWindow *window = composer(ids);
    QTest::keyClicks(window->editor(), QStringLiteral("Hello"));
    if (pressReturn)
        QTest::keyClick(window->editor(), Qt::Key_Return);
    QTEST(window->statusBar()->currentMessage(), "status");
    QCOMPARE(window->statusBar()->styleSheet(), QStringLiteral("color: red;"));
    QVERIFY(!window->sendButton()->isEnabled());
    QCOMPARE(m_fixture->calls("sendBroadcast"), 0);
}

void tst_BroadcastWindows::onlyTheIconColumnRemoves()
{
    BroadcastWindow *window = composer({1001, 1002, 1003});
    ConferenceUsersWidget *tree = window->recipientTree();
    const auto click = [tree](quint64 peer, int column) {
        const QTreeWidgetItem *item = tree->findMember(QByteArray::number(peer));
        const QRect row = tree->visualItemRect(item);
        const int x = tree->header()->sectionViewportPosition(column) + tree->header()->sectionSize(column) / 2;
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, row.center().y()));
    };
    click(1001, 0);
    QCOMPARE(window->document()->recipientCount(), 3);
    click(1001, BroadcastWindow::StateColumn);
    QCOMPARE(window->document()->recipientCount(), 2);
    QVERIFY(!window->rowOf(1001));

    QTest::keyClicks(window->editor(), QStringLiteral("Hello"));
    QTest::mouseClick(window->sendButton(), Qt::LeftButton);
    click(1002, BroadcastWindow::StateColumn);
    QCOMPARE(window->document()->recipientCount(), 2);
}

// Long labels (other languages') would push the button into the bar's
// overflow menu, where nobody finds it.
void tst_BroadcastWindows::addUsersGivesUpItsLabelRatherThanHide()
{
    BroadcastWindow *window = composer({1001, 1002});
    QToolButton *add = nullptr;
    for (QToolButton *button : window->findChildren<QToolButton *>()) {
        if (button->defaultAction() && button->defaultAction()->text() == QLatin1String("Add users"))
            add = button;
    }
    QVERIFY(add);
    window->show();
    for (const auto &[width, style] : {std::pair{900, Qt::ToolButtonTextBesideIcon}, {260, Qt::ToolButtonIconOnly},
                                       {900, Qt::ToolButtonTextBesideIcon}}) {
        window->resize(width, 500);
        QApplication::processEvents();
        QCOMPARE(add->toolButtonStyle(), style);
    }
}

void tst_BroadcastWindows::seenByAllReplacesSendingCompleted()
{
    BroadcastWindow *window = composer({1001, 1002});
    QTest::keyClicks(window->editor(), QStringLiteral("Hello"));
    QTest::keyClick(window->editor(), Qt::Key_Return);
    QCOMPARE(m_fixture->calls("sendBroadcast"), 2);
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Sending completed"));
    QCOMPARE(window->rowOf(1001)->toolTip(BroadcastWindow::StateColumn), QStringLiteral("Sent"));
    QVERIFY(window->progressBar()->isHidden());
    receipt("1001");
    QCOMPARE(window->rowOf(1001)->toolTip(BroadcastWindow::StateColumn), QStringLiteral("Seen"));
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Sending completed"));
    receipt("1002");
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Seen by all"));
}

void tst_BroadcastWindows::sendingWaitsForTheConnection()
{
    BroadcastWindow *window = composer({1001, 1002});
    QTest::keyClicks(window->editor(), QStringLiteral("Hello"));
    m_registry->onConnectionLost();
    QVERIFY(!window->sendButton()->isEnabled());
    QCOMPARE(window->statusBar()->styleSheet(), QStringLiteral("color: red;"));
    QVERIFY(window->statusBar()->currentMessage().contains(QStringLiteral("connection")));
    QTest::keyClick(window->editor(), Qt::Key_Return);
    QCOMPARE(m_fixture->calls("sendBroadcast"), 0);

    // A contact coming online means the server is back.
    m_registry->onUserPresence("1002", 1);
    QVERIFY(window->sendButton()->isEnabled());
    QCOMPARE(window->statusBar()->currentMessage(), QString());
    QTest::keyClick(window->editor(), Qt::Key_Return);
    QCOMPARE(m_fixture->calls("sendBroadcast"), 2);
}

void tst_BroadcastWindows::closeQuestion_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("closed");

    QTest::newRow("untouched: no question") << QString() << int(platform::Prompt::No) << 0 << true;
    QTest::newRow("a draft, No: stays open") << QStringLiteral("draft") << int(platform::Prompt::No) << 1 << false;
    QTest::newRow("a draft, Yes: closes") << QStringLiteral("draft") << int(platform::Prompt::Yes) << 1 << true;
}

void tst_BroadcastWindows::closeQuestion()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(int, questions);
    QFETCH(bool, closed);

    QPointer<BroadcastWindow> window = composer({1001, 1002});
    const QByteArray id = window->document()->id();
    QTest::keyClicks(window->editor(), typed);
    m_fixture->prompt.enqueue(platform::Prompt::Button(answer));
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(int(m_fixture->prompt.asked().size()), questions);
    if (questions)
        QCOMPARE(m_fixture->prompt.asked().front().text, QStringLiteral("You have an unsent message.\nDo you want to close the window?"));
    QCOMPARE(window.isNull(), closed);
    QCOMPARE(m_registry->document(id) == nullptr, closed);
}

void tst_BroadcastWindows::viewerShowsAndAnswersOnce()
{
    const qint64 id = m_fixture->host->receiveBroadcast("1001", "Office closed on [b]Monday[/b]");
    m_registry->onBroadcastReceived(hostkit::HostMessage(*m_fixture->host->store().byEvent(id)));
    QPointer<BroadcastViewer> viewer = dynamic_cast<BroadcastViewer *>(m_registry->viewerRecord(1001)->viewer);
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Broadcast Message - Bea Hansen"));
    QCOMPARE(viewer->userName()->text(), QStringLiteral("Bea Hansen"));
    QVERIFY(viewer->historyView()->toHtml().contains(QStringLiteral("Monday")));

    QTest::mouseClick(viewer->okButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(viewer.isNull());
    QCOMPARE(m_fixture->calls("sendControl", QStringLiteral("MESSAGE_SEEN")), 1);
}

void tst_BroadcastWindows::viewerPicturesOpenInTheImageViewer()
{
    const auto png = [](Qt::GlobalColor colour) { return testpictures::encoded(testpictures::filled(QSize(8, 8), colour)); };
    auto &transfers = m_fixture->host->transfers();
    const QByteArray red = transfers.publish(png(Qt::red), QStringLiteral("red.png"), true);
    const QByteArray blue = transfers.publish(png(Qt::blue), QStringLiteral("blue.png"), true);
    const qint64 id = m_fixture->host->receiveBroadcast("1001", "[pic src=\"" + red + "\"] and [pic src=\"" + blue + "\"]");
    m_registry->onBroadcastReceived(hostkit::HostMessage(*m_fixture->host->store().byEvent(id)));
    auto *viewer = dynamic_cast<BroadcastViewer *>(m_registry->viewerRecord(1001)->viewer);
    QVERIFY(viewer);
    viewer->resize(500, 400);
    m_fixture->host->advance(600);
    QString href;
    for (QTextBlock block = viewer->historyView()->document()->begin(); block.isValid() && href.isEmpty(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd() && href.isEmpty(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                href = it.fragment().charFormat().anchorHref();
        }
    }
    QVERIFY(href.startsWith(QLatin1String("pic:")));
    Q_EMIT viewer->historyView()->anchorClicked(QUrl(href));
    ChatImageViewer *shown = viewer->imageViewer()->viewer();
    QVERIFY(shown && shown->isVisible());
    QCOMPARE(shown->count(), 2);
    QCOMPARE(shown->currentIndex(), 0);
    QCOMPARE(shown->findChild<QLabel *>(QStringLiteral("Name"))->text(), QStringLiteral("Bea Hansen"));
    QCOMPARE(QColor(shown->frame()->fullImage().pixel(0, 0)), QColor(Qt::red));
    // The desktop is never asked to open a broadcast's picture.
    QCOMPARE(m_fixture->prompt.asked().size(), size_t(0));
}

QTEST_MAIN(tst_BroadcastWindows)
#include "tst_broadcastwindows.moc"
