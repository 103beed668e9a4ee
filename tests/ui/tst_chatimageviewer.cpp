// The image viewer from the chat window: a picture link opens it on the
// history's pictures in order, with their senders; Escape closes it before
// the window; opening asks only for what did not decode; forwarding goes
// through the host; a picture not fetched yet is fetched and then shown.
// hostkit's simulated cloud serves the pictures.

#include "../common/testpictures.h"
#include "windowfixture.h"

#include "render/resourcekeytable.h"
#include "ui/chat/historylinks.h"
#include "ui/chat/historypane.h"
#include "ui/chat/imagevieweropener.h"
#include "ui/chat/textbrowser.h"
#include "viewer/chatimageviewer.h"
#include "viewer/chatimageviewerframe.h"

#include "hostkit/transfers.h"

#include <QBuffer>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

namespace {

QByteArray png(QColor colour)
{
    return testpictures::encoded(testpictures::filled(QSize(40, 30), colour));
}

} // namespace

class tst_ChatImageViewer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void browsesTheHistoryInOrder();
    void escapeClosesTheViewerFirst();
    void openAsksOnlyForWhatDidNotDecode_data();
    void openAsksOnlyForWhatDidNotDecode();
    void pictureNotFetchedYetOpensWhenItArrives();
    void browsesPastTheRenderedWindow();

private:
    ChatWindow *openBea();
    // A picture Bea sends; its local name once fetched.
    QString sendPicture(ChatWindow *window, const QByteArray &content);
    ChatImageViewer *clickPicture(ChatWindow *window, const QString &localName);
    void advance(qint64 ms) { m_f->host->advance(ms); }

    std::unique_ptr<WindowFixture> m_f;
};

void tst_ChatImageViewer::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_f = std::make_unique<WindowFixture>();
    m_f->host->setEventSink([](int code, const QByteArray &data) {
        if (Chat *chat = Chat::instance())
            chat->onEvent(code, data);
    });
}

void tst_ChatImageViewer::init()
{
    advance(5000);
    m_f->reset();
}

void tst_ChatImageViewer::cleanupTestCase()
{
    m_f.reset();
}

ChatWindow *tst_ChatImageViewer::openBea()
{
    ChatWindow *window = m_f->open("1001");
    if (window) {
        window->resize(600, 500);
        window->show();
        QCoreApplication::processEvents();
    }
    return window;
}

QString tst_ChatImageViewer::sendPicture(ChatWindow *window, const QByteArray &content)
{
    const QByteArray address = m_f->host->transfers().publish(content, QStringLiteral("view.png"), true);
    m_f->receive("1001", "[pic src=\"" + address + "\"]");
    advance(600);
    return window->history()->resourceKeys().pictureName(QString::fromUtf8(address));
}

ChatImageViewer *tst_ChatImageViewer::clickPicture(ChatWindow *window, const QString &localName)
{
    window->historyLinks()->open(QStringLiteral("pic:") + localName);
    return window->imageViewer()->viewer();
}

void tst_ChatImageViewer::browsesTheHistoryInOrder()
{
    ChatWindow *window = openBea();
    const QString first = sendPicture(window, png(Qt::red));
    // One of the user's own between Bea's two.
    const QByteArray own = m_f->host->transfers().publish(png(Qt::green), QStringLiteral("own.png"), true);
    m_f->store("1001", "[pic src=\"" + own + "\"]", m_f->clock.now(), false);
    window->onNewMessage(nullptr);
    advance(600);
    const QString last = sendPicture(window, png(Qt::blue));

    ChatImageViewer *viewer = clickPicture(window, last);
    QVERIFY(viewer && viewer->isVisible());
    // Earlier tests' pictures stand before these three.
    const int lastIndex = viewer->count() - 1;
    QVERIFY(lastIndex >= 2);
    QCOMPARE(viewer->currentIndex(), lastIndex);
    QCOMPARE(viewer->geometry(), window->rect());
    const auto sender = [viewer] { return viewer->findChild<QLabel *>(QStringLiteral("Name"))->text(); };
    const auto colour = [viewer] { return QColor(viewer->frame()->fullImage().pixel(0, 0)); };
    QCOMPARE(sender(), QStringLiteral("Bea Hansen"));
    QCOMPARE(colour(), QColor(Qt::blue));
    viewer->onPrev();
    QCOMPARE(sender(), QStringLiteral("Alex Morgan"));
    QCOMPARE(colour(), QColor(Qt::green));
    viewer->onPrev();
    QCOMPARE(colour(), QColor(Qt::red));
    // Clicked again, the open viewer moves to that picture.
    QCOMPARE(clickPicture(window, first), viewer);
    QCOMPARE(viewer->currentIndex(), lastIndex - 2);
}

void tst_ChatImageViewer::escapeClosesTheViewerFirst()
{
    ChatWindow *window = openBea();
    const QString name = sendPicture(window, png(Qt::red));
    TextBrowser *history = window->historyView();
    history->selectAll();
    QPointer<ChatImageViewer> viewer = clickPicture(window, name);
    QVERIFY(viewer);
    QCOMPARE(history->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window, &escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(viewer.isNull());
    QVERIFY(window->isVisible());
    QCOMPARE(history->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QVERIFY(!history->textCursor().hasSelection());
}

void tst_ChatImageViewer::openAsksOnlyForWhatDidNotDecode_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("questions");
    QTest::newRow("a picture that showed opens at once") << png(Qt::red) << 0;
    QTest::newRow("a file that did not decode asks first") << QByteArray("MZ\x90\0 not a picture", sizeof("MZ\x90\0 not a picture") - 1) << 1;
}

void tst_ChatImageViewer::openAsksOnlyForWhatDidNotDecode()
{
    QFETCH(QByteArray, content);
    QFETCH(int, questions);
    ChatWindow *window = openBea();
    const QString name = sendPicture(window, content);
    ChatImageViewer *viewer = clickPicture(window, name);
    QVERIFY(viewer);
    m_f->prompt.enqueue(platform::Prompt::Open);
    viewer->onOpen();
    QCOMPARE(int(m_f->prompt.asked().size()), questions);
    QCOMPARE(int(m_f->desktop.opened().size()), 1);
    QCOMPARE(m_f->desktop.opened().front(), QUrl::fromLocalFile(name));

    viewer->onForward();
    QCOMPARE(m_f->calls("forwardText", QStringLiteral("[pic src=\\\"") + name), 1);
}

void tst_ChatImageViewer::pictureNotFetchedYetOpensWhenItArrives()
{
    // A page of history fetches at most 50 pictures by itself: the 51st
    // waits for a click.
    QByteArray address;
    for (int message = 0; message < 3; ++message) {
        QByteArray body;
        for (int i = 0; i < (message < 2 ? 20 : 11); ++i) {
            address = m_f->host->transfers().publish(png(message < 2 ? Qt::gray : Qt::yellow), QStringLiteral("p.png"), true);
            body += "[pic src=\"" + address + "\"]";
        }
        m_f->store("1001", body, m_f->clock.now().addSecs(message - 10));
    }
    ChatWindow *window = openBea();
    advance(600);
    const QString name = window->history()->resourceKeys().pictureName(QString::fromUtf8(address));
    QVERIFY(!name.isEmpty() && !QFileInfo::exists(name));

    QVERIFY(!clickPicture(window, name));
    QCOMPARE(m_f->calls("fetchPicture", QString::fromUtf8(address)), 1);
    advance(600);
    ChatImageViewer *viewer = window->imageViewer()->viewer();
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->currentIndex(), viewer->count() - 1);
    QCOMPARE(QColor(viewer->frame()->fullImage().pixel(0, 0)), QColor(Qt::yellow));
}

void tst_ChatImageViewer::browsesPastTheRenderedWindow()
{
    // 250 messages, six of them pictures; the window opens on the newest
    // page only, so the four oldest pictures were never rendered nor fetched.
    const int at[] = {0, 10, 20, 30, 200, 249};
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};
    QByteArray addresses[6];
    for (int i = 0; i < 6; ++i)
        addresses[i] = m_f->host->transfers().publish(png(colours[i]), QStringLiteral("old.png"), true);
    const QDateTime start = m_f->clock.now().addSecs(-1000);
    QVERIFY(m_f->host->store().fill(250, [&](int index, hostkit::StoredMessage &m) {
        m.conversation = "1001";
        m.senderId = 1001;
        m.received = true;
        m.time = hostkit::storeTimeFromDateTime(start.addSecs(index));
        m.body = "text " + QByteArray::number(index);
        for (int i = 0; i < 6; ++i) {
            if (at[i] == index)
                m.body = "[pic src=\"" + addresses[i] + "\"]";
        }
    }));
    ChatWindow *window = openBea();
    advance(600);
    QVERIFY(window->history()->resourceKeys().pictureName(QString::fromUtf8(addresses[0])).isEmpty());
    const QString newest = window->history()->resourceKeys().pictureName(QString::fromUtf8(addresses[5]));
    ChatImageViewer *viewer = clickPicture(window, newest);
    QVERIFY(viewer);
    QCOMPARE(viewer->currentIndex(), viewer->count() - 1);
    QCOMPARE(m_f->calls("pictureMessages", QStringLiteral("1001")), 1);
    const auto colour = [viewer] { return QColor(viewer->frame()->fullImage().pixel(0, 0)); };
    for (int i = 4; i >= 0; --i) {
        viewer->onPrev();
        QCOMPARE(viewer->currentIndex(), viewer->count() - 6 + i);
        if (i < 4) {
            // Reached before its file is there: fetched now, shown when it arrives.
            QVERIFY(!viewer->isDecoded());
            QCOMPARE(m_f->calls("fetchPicture", QString::fromUtf8(addresses[i])), 1);
            advance(600);
        }
        QCOMPARE(colour(), colours[i]);
        QCOMPARE(viewer->findChild<QLabel *>(QStringLiteral("Name"))->text(), QStringLiteral("Bea Hansen"));
    }
}

QTEST_MAIN(tst_ChatImageViewer)
#include "tst_chatimageviewer.moc"
