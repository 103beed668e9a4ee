// The image viewer on pictures made here: how a picture is read (large ones
// scaled while reading, over-cap and damaged ones not at all) and placed,
// the two scaling passes, the magnifier's sizes, zoom and edges, and the
// viewer's arrows, fading, keys and actions. Time is a ManualClock.

#include "../common/testpictures.h"
#include "lib_kelvan/clock.h"
#include "platform/pickers.h"
#include "platform/printpreview.h"
#include "viewer/chatimagevieweranimation.h"
#include "viewer/chatimageviewer.h"
#include "viewer/chatimageviewerframe.h"
#include "viewer/viewerpicture.h"

#include <QApplication>
#include <QLayout>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWheelEvent>
#include <QtEndian>
#include <QtTest>

namespace {

using testpictures::blackPng;

QString writePicture(const QString &path, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path) ? path : QString();
}

void sendKey(QWidget *widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

bool wheel(QWidget *widget, int delta)
{
    QWheelEvent event(QPointF(10, 10), QPointF(widget->mapToGlobal(QPoint(10, 10))), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    event.setAccepted(false);
    QApplication::sendEvent(widget, &event);
    return event.isAccepted();
}

} // namespace

class tst_ImageViewer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void reading_data();
    void reading();
    void placement_data();
    void placement();
    void fastPassThenSmoothPass();

    void sourceSize_data();
    void sourceSize();
    void zoomClamps_data();
    void zoomClamps();
    void lensOverTheEdge();
    void wheelNotchesWhileZoomed();

    void arrows_data();
    void arrows();
    void controlsFadeAfterActivity();
    void savedFileName_data();
    void savedFileName();
    void saveCopiesUnderTheSuffixedName();
    void printDrawsThePicture();
    void fullScreenAndZoomRename();
    void brokenPictureStillActsOnItsFile();

private:
    ChatImageViewer *openViewer(const QStringList &paths, int index);

    kelvan::ManualClock m_clock;
    platform::ScriptedPickers m_pickers;
    platform::RecordingPrintPreview m_print;
    QTemporaryDir m_dir;
    QString m_broken;
    QWidget m_area;
    QStringList m_opened;
    QStringList m_forwarded;
};

void tst_ImageViewer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    kelvan::Clock::setInstance(&m_clock);
    platform::Pickers::setInstance(&m_pickers);
    platform::PrintPreview::setInstance(&m_print);
    m_broken = writePicture(m_dir.filePath(QStringLiteral("broken.png")), QSize(30, 20), Qt::magenta);
    m_area.resize(400, 300);
    m_area.show();
}

void tst_ImageViewer::cleanupTestCase()
{
    platform::PrintPreview::setInstance(nullptr);
    platform::Pickers::setInstance(nullptr);
    kelvan::Clock::setInstance(nullptr);
}

ChatImageViewer *tst_ImageViewer::openViewer(const QStringList &paths, int index)
{
    ChatImageViewer::Context context;
    context.skinPath = [this](const char *name) {
        return QByteArray(name) == "chat/picture_broken.png" ? m_broken : QString();
    };
    context.open = [this](const QString &path, bool decoded) { m_opened << path + (decoded ? "" : " (asked)"); };
    context.forward = [this](const QString &path) { m_forwarded << path; };
    auto *viewer = new ChatImageViewer(context, &m_area);
    QVector<ChatImageViewer::Picture> pictures;
    for (const QString &path : paths)
        pictures.append({path, QStringLiteral("Bea Hansen"), QImage()});
    viewer->open(pictures, index);
    return viewer;
}

// --- Reading and placing --------------------------------------------------------------------

void tst_ImageViewer::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("decoded");
    QTest::addColumn<QSize>("size");
    QTest::newRow("72 Mpx is read scaled to 4096 wide") << blackPng(QSize(12000, 6000)) << true << QSize(4096, 2048);
    QTest::newRow("a tall one to 4096 high") << blackPng(QSize(5000, 14000)) << true << QSize(1462, 4096);
    QTest::newRow("over the loader's cap is never decoded") << blackPng(QSize(12000, 9000)) << false << QSize(0, 0);
    const QByteArray small = blackPng(QSize(300, 200));
    QTest::newRow("a small one is read whole") << small << true << QSize(300, 200);
    QTest::newRow("a truncated one is broken") << small.left(small.size() - 30) << false << QSize(0, 0);
    QTest::newRow("no picture at all") << QByteArray("GIF89a but not really") << false << QSize(0, 0);
}

void tst_ImageViewer::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, decoded);
    QFETCH(QSize, size);
    const ViewerPicture::Loaded loaded = ViewerPicture::load(testpictures::writeFile(m_dir.filePath(QStringLiteral("read.png")), bytes));
    QCOMPARE(loaded.decoded, decoded);
    QCOMPARE(loaded.image.size(), size);
    if (decoded)
        QCOMPARE(loaded.image.format(), QImage::Format_ARGB32);
}

void tst_ImageViewer::placement_data()
{
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QRect>("expected");
    // The frame is 200 x 100.
    QTest::newRow("a smaller picture stands unscaled in the middle") << QSize(100, 50) << QRect(50, 25, 100, 50);
    QTest::newRow("half a pixel of room rounds up") << QSize(101, 51) << QRect(50, 25, 101, 51);
    QTest::newRow("a wide picture fits the width") << QSize(400, 100) << QRect(0, 25, 200, 50);
    QTest::newRow("a tall picture fits the height") << QSize(100, 400) << QRect(88, 0, 25, 100);
    QTest::newRow("an exact fit fills the frame") << QSize(200, 100) << QRect(0, 0, 200, 100);
}

void tst_ImageViewer::placement()
{
    QFETCH(QSize, image);
    QTEST(ViewerPicture::placement(image, QSize(200, 100)), "expected");
}

void tst_ImageViewer::fastPassThenSmoothPass()
{
    // One-pixel stripes: a nearest sample is one of the two colours, a
    // smooth scaling mixes them.
    QImage stripes(400, 100, QImage::Format_RGB32);
    for (int x = 0; x < stripes.width(); ++x) {
        for (int y = 0; y < stripes.height(); ++y)
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
    ChatImageViewerFrame frame;
    frame.resize(200, 100);
    frame.show();
    frame.setPicture(stripes);
    const auto mixed = [&frame] { return qRed(frame.displayImage().pixel(50, 25)) % 255 != 0; };
    QCOMPARE(frame.displayRect(), QRect(0, 25, 200, 50));
    QVERIFY(!mixed());
    m_clock.advance(ChatImageViewerFrame::SmoothPassMs - 1);
    frame.resize(200, 90);
    m_clock.advance(ChatImageViewerFrame::SmoothPassMs - 1);
    QVERIFY2(!mixed(), "a resize restarts the wait for the smooth pass");
    m_clock.advance(1);
    QVERIFY(mixed());
}

// --- The magnifier ---------------------------------------------------------------------------

void tst_ImageViewer::sourceSize_data()
{
    QTest::addColumn<int>("lens");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("smooth");
    QTest::addColumn<int>("source");
    QTest::newRow("200 at 4 without smoothing magnifies four times") << 200 << 4 << false << 50;
    QTest::newRow("200 at 3 with smoothing is 150 percent") << 200 << 3 << true << 133;
    QTest::newRow("200 at 30 with smoothing is 3000 percent") << 200 << 30 << true << 6;
    QTest::newRow("a tiny lens still copies a pixel") << 10 << 30 << false << 1;
}

void tst_ImageViewer::sourceSize()
{
    QFETCH(int, lens);
    QFETCH(int, zoom);
    QFETCH(bool, smooth);
    QFETCH(int, source);
    ChatImageViewerFrame frame;
    Magnifier::Options options;
    options.size = lens;
    options.zoom = zoom;
    options.smooth = smooth;
    frame.setMagnifierOptions(options);
    QCOMPARE(frame.magnifier()->sourceSize(), QSize(source, source));
}

void tst_ImageViewer::zoomClamps_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("zoom");
    QTest::newRow("0 gives 1") << 0 << 1;
    QTest::newRow("45 gives 30") << 45 << 30;
    QTest::newRow("30 stays") << 30 << 30;
}

void tst_ImageViewer::zoomClamps()
{
    QFETCH(int, asked);
    QFETCH(int, zoom);
    ChatImageViewerFrame frame;
    frame.magnifier()->setZoom(asked);
    QCOMPARE(frame.magnifier()->zoom(), zoom);
}

void tst_ImageViewer::lensOverTheEdge()
{
    QImage red(100, 100, QImage::Format_RGB32);
    red.fill(Qt::red);
    ChatImageViewerFrame frame;
    frame.resize(100, 100);
    frame.setPicture(red);
    Magnifier *magnifier = frame.magnifier();
    magnifier->setOptions({40, Magnifier::Rectangle, 1, false, false});
    magnifier->setPosition(0, 0);
    QImage canvas(100, 100, QImage::Format_ARGB32);
    QPainter painter(&canvas);
    magnifier->paint(painter);
    const QImage &lens = magnifier->lensImage();
    QCOMPARE(lens.size(), QSize(40, 40));
    QCOMPARE(magnifier->lensRect(), QRect(-20, -20, 40, 40));
    QCOMPARE(lens.pixel(5, 5), qRgb(0, 0, 0));
    QCOMPARE(lens.pixel(35, 5), qRgb(0, 0, 0));
    QCOMPARE(lens.pixel(30, 30), qRgb(255, 0, 0));
}

void tst_ImageViewer::wheelNotchesWhileZoomed()
{
    ChatImageViewerFrame frame;
    frame.magnifier()->setZoom(5);
    QVERIFY2(!wheel(&frame, 240), "the wheel goes on while the zoom is off");
    QCOMPARE(frame.magnifier()->zoom(), 5);
    frame.setZoomActive(true);
    QVERIFY(wheel(&frame, 240));
    QCOMPARE(frame.magnifier()->zoom(), 7);
    QVERIFY(wheel(&frame, -60));
    QCOMPARE(frame.magnifier()->zoom(), 7);
}

// --- The viewer ------------------------------------------------------------------------------

void tst_ImageViewer::arrows_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("prev");
    QTest::addColumn<bool>("next");
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("a single picture has neither") << 1 << 0 << false << false << false;
    QTest::newRow("the first has only next") << 3 << 0 << false << true << false;
    QTest::newRow("the middle one has both") << 3 << 1 << true << true << false;
    QTest::newRow("the last has only previous") << 3 << 2 << true << false << false;
    QTest::newRow("right to left, the left key and arrow go on") << 3 << 1 << true << true << true;
    QTest::newRow("right to left, the first has only next") << 3 << 0 << false << true << true;
}

void tst_ImageViewer::arrows()
{
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(bool, prev);
    QFETCH(bool, rightToLeft);
    m_area.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths << writePicture(m_dir.filePath(QStringLiteral("p%1.png").arg(i)), QSize(20, 20), Qt::green);
    QScopedPointer<ChatImageViewer> viewer(openViewer(paths, index));
    m_clock.advance(200);
    auto *left = viewer->findChild<QToolButton *>(QStringLiteral("Prev"));
    auto *right = viewer->findChild<QToolButton *>(QStringLiteral("Next"));
    QCOMPARE(viewer->animation()->opacity(left) == 1.0, prev);
    QTEST(viewer->animation()->opacity(right) == 1.0, "next");
    QCOMPARE(left->isEnabled(), prev);
    viewer->layout()->activate();
    QCOMPARE(left->mapTo(viewer.data(), QPoint()).x() > right->mapTo(viewer.data(), QPoint()).x(), rightToLeft);
    sendKey(viewer.data(), rightToLeft ? Qt::Key_Right : Qt::Key_Left);
    const int back = prev ? index - 1 : index;
    QCOMPARE(viewer->currentIndex(), back);
    sendKey(viewer.data(), rightToLeft ? Qt::Key_Left : Qt::Key_Right);
    QCOMPARE(viewer->currentIndex(), qMin(back + 1, count - 1));
    m_area.setLayoutDirection(Qt::LeftToRight);
}

void tst_ImageViewer::controlsFadeAfterActivity()
{
    const QString path = writePicture(m_dir.filePath(QStringLiteral("fade.png")), QSize(20, 20), Qt::blue);
    QScopedPointer<ChatImageViewer> viewer(openViewer({path}, 0));
    QWidget *header = viewer->findChild<QWidget *>(QStringLiteral("Header"));
    m_clock.advance(ChatImageViewer::ActivityMs - 1);
    QCOMPARE(viewer->animation()->opacity(header), 1.0);
    m_clock.advance(1 + 10 * ChatImageViewerAnimation::TickMs);
    QCOMPARE(viewer->animation()->opacity(header), 0.0);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewer->frame(), &move);
    m_clock.advance(5 * ChatImageViewerAnimation::TickMs);
    QCOMPARE(qRound(viewer->animation()->opacity(header) * 10), 5);
}

void tst_ImageViewer::savedFileName_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no suffix gets the picture's") << "/tmp/photo" << "JPG" << "/tmp/photo.JPG";
    QTest::newRow("the suffix in another case stays") << "/tmp/photo.jpg" << "JPG" << "/tmp/photo.jpg";
    QTest::newRow("another suffix is kept and extended") << "/tmp/photo.png" << "JPG" << "/tmp/photo.png.JPG";
    QTest::newRow("a name merely ending in the letters") << "/tmp/photojpg" << "jpg" << "/tmp/photojpg.jpg";
    QTest::newRow("a complete suffix of two parts") << "/tmp/scan" << "tar.png" << "/tmp/scan.tar.png";
    QTest::newRow("a picture without suffix adds nothing") << "/tmp/photo" << "" << "/tmp/photo";
}

void tst_ImageViewer::savedFileName()
{
    QFETCH(QString, chosen);
    QFETCH(QString, suffix);
    QTEST(ChatImageViewer::savedFileName(chosen, suffix), "saved");
}

void tst_ImageViewer::saveCopiesUnderTheSuffixedName()
{
    const QString path = writePicture(m_dir.filePath(QStringLiteral("harbour.png")), QSize(20, 20), Qt::cyan);
    QScopedPointer<ChatImageViewer> viewer(openViewer({path}, 0));
    m_pickers.clear();
    m_pickers.enqueueSaveFile(m_dir.filePath(QStringLiteral("kept")));
    viewer->onSave();
    QCOMPARE(m_pickers.requests().size(), size_t(1));
    QCOMPARE(m_pickers.requests().front().filter, QStringLiteral("Picture Files (*.png)"));
    QFile copy(m_dir.filePath(QStringLiteral("kept.png")));
    QFile original(path);
    QVERIFY(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), original.readAll());
}

void tst_ImageViewer::printDrawsThePicture()
{
    const QString path = writePicture(m_dir.filePath(QStringLiteral("print.png")), QSize(40, 20), Qt::red);
    QScopedPointer<ChatImageViewer> viewer(openViewer({path}, 0));
    viewer->onPrint();
    QCOMPARE(m_print.count(), 1);
    const QImage &page = m_print.lastPage();
    QCOMPARE(page.pixel(page.width() / 2, page.height() / 2), qRgb(255, 0, 0));
    QCOMPARE(page.pixel(page.width() / 2, 5), qRgb(255, 255, 255));
}

void tst_ImageViewer::fullScreenAndZoomRename()
{
    const QString path = writePicture(m_dir.filePath(QStringLiteral("full.png")), QSize(20, 20), Qt::gray);
    QPointer<ChatImageViewer> viewer(openViewer({path}, 0));
    QToolButton *zoom = viewer->findChild<QToolButton *>(QStringLiteral("Zoom"));
    zoom->click();
    QCOMPARE(zoom->objectName(), QStringLiteral("ZoomActive"));
    QVERIFY(viewer->frame()->isZoomActive());
    zoom->click();
    QCOMPARE(zoom->objectName(), QStringLiteral("Zoom"));

    sendKey(viewer, Qt::Key_F12);
    QVERIFY(viewer->isWindow());
    QVERIFY(viewer->findChild<QToolButton *>(QStringLiteral("Normal")));
    sendKey(viewer, Qt::Key_F12);
    QCOMPARE(viewer->parentWidget(), &m_area);
    QCOMPARE(viewer->geometry(), m_area.rect());
    QVERIFY(viewer->findChild<QToolButton *>(QStringLiteral("Fullscreen")));
    m_area.resize(420, 310);
    QCOMPARE(viewer->size(), QSize(420, 310));

    sendKey(viewer, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(viewer.isNull());
}

void tst_ImageViewer::brokenPictureStillActsOnItsFile()
{
    const QString good = writePicture(m_dir.filePath(QStringLiteral("good.png")), QSize(20, 20), Qt::yellow);
    const QString gone = m_dir.filePath(QStringLiteral("gone.png"));
    QScopedPointer<ChatImageViewer> viewer(openViewer({good, gone}, 0));
    m_opened.clear();
    m_forwarded.clear();
    viewer->onOpen();
    sendKey(viewer.data(), Qt::Key_Right);
    QVERIFY(!viewer->isDecoded());
    QCOMPARE(viewer->frame()->fullImage().pixel(0, 0), QColor(Qt::magenta).rgb());
    viewer->onOpen();
    viewer->onForward();
    QCOMPARE(m_opened, (QStringList{good, gone + " (asked)"}));
    QCOMPARE(m_forwarded, QStringList{gone});
}

QTEST_MAIN(tst_ImageViewer)
#include "tst_imageviewer.moc"
