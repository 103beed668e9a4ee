// PictureLoader on pictures made here: sizes a file cannot hold are refused
// before anything is decoded (a decoder that got that far would report the
// picture broken instead, or take gigabytes), allowed pictures are read at
// the size asked for, damaged ones are broken; animations are bounded in
// frames as well as in size.

#include "../common/testpictures.h"
#include "pictures/pictureloader.h"

#include <QBuffer>
#include <QMovie>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using Status = PictureLoader::Status;
Q_DECLARE_METATYPE(PictureLoader::Status)

namespace {

using testpictures::bigEndian;
using testpictures::chunk;
using testpictures::encoded;
using testpictures::pngDeclaring;

// An MNG that states its frame size and ends.
QByteArray mngDeclaring(QSize size)
{
    QByteArray header = bigEndian(quint32(size.width())) + bigEndian(quint32(size.height()));
    header += bigEndian(10) + bigEndian(1) + bigEndian(1) + bigEndian(0) + bigEndian(1);
    return QByteArray("\x8aMNG\r\n\x1a\n", 8) + chunk("MHDR", header) + chunk("MEND", QByteArray());
}

QByteArray patterned(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x * y) % 256));
    }
    return encoded(image, "png");
}

const QSize HistoryBox(300, 200);

} // namespace

class tst_PictureLoader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void load_data();
    void load();
    void animation_data();
    void animation();
};

void tst_PictureLoader::load_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QSize>("maxShown");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QSize>("declared");
    QTest::addColumn<QSize>("decoded");

    QTest::newRow("23000 x 23000 is refused unread")
        << pngDeclaring(QSize(23000, 23000), 64) << HistoryBox << Status::Refused << QSize(23000, 23000) << QSize();
    QTest::newRow("81 Mpx in 200 bytes cannot be in the file")
        << pngDeclaring(QSize(9000, 9000), 150) << HistoryBox << Status::Refused << QSize(9000, 9000) << QSize();
    {
        QImage huge(12000, 6000, QImage::Format_Grayscale8);
        huge.fill(128);
        QTest::newRow("12000 x 6000 is read at the size shown")
            << encoded(huge, "jpeg", 10) << HistoryBox << Status::Ok << QSize(12000, 6000) << QSize(300, 150);
    }
    QTest::newRow("tall picture fits the box by its height")
        << patterned(QSize(100, 800)) << HistoryBox << Status::Ok << QSize(100, 800) << QSize(25, 200);
    QTest::newRow("small picture is not scaled up")
        << patterned(QSize(64, 48)) << HistoryBox << Status::Ok << QSize(64, 48) << QSize(64, 48);
    QTest::newRow("no size asked gives the declared size")
        << patterned(QSize(640, 480)) << QSize() << Status::Ok << QSize(640, 480) << QSize(640, 480);
    const QByteArray whole = patterned(QSize(300, 200));
    QTest::newRow("truncated picture is broken")
        << whole.left(whole.size() / 2) << HistoryBox << Status::Broken << QSize(300, 200) << QSize();
    QTest::newRow("text is broken") << QByteArray("hello, this is not a picture") << HistoryBox << Status::Broken
                                    << QSize() << QSize();
    QTest::newRow("MNG frame size is read from its header")
        << mngDeclaring(QSize(30000, 30000)) << HistoryBox << Status::Refused << QSize(30000, 30000) << QSize();
}

void tst_PictureLoader::load()
{
    QFETCH(QByteArray, data);
    QFETCH(QSize, maxShown);
    QFETCH(Status, status);
    QFETCH(QSize, decoded);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // The name says PNG whatever the contents: formats go by the bytes.
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
    file.close();

    for (const PictureLoader::Picture &picture : {PictureLoader::fromData(data, maxShown),
                                                   PictureLoader::load(path, maxShown)}) {
        QCOMPARE(picture.status, status);
        QTEST(picture.declaredSize, "declared");
        QCOMPARE(picture.image.isNull(), decoded.isEmpty());
        if (!decoded.isEmpty())
            QCOMPARE(picture.image.size(), decoded);
    }
}

void tst_PictureLoader::animation_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QSize>("maxShown");
    QTest::addColumn<qint64>("keptPixels");
    QTest::addColumn<Status>("status");
    QTest::addColumn<int>("frames");
    QTest::addColumn<QSize>("shown");

    QFile heartFile(QStringLiteral(EMOTICON_SET_DIR "/plugins/chat/emoticons/128x128/heart.mng"));
    QVERIFY(heartFile.open(QIODevice::ReadOnly));
    const QByteArray heart = heartFile.readAll();
    const qint64 defaultKept = PictureLoader::AnimationLimits().keptPixels;

    QTest::newRow("emoticon runs at the small size")
        << heart << QSize(32, 32) << defaultKept << Status::Ok << 6 << QSize(32, 32);
    QTest::newRow("emoticon runs at its own size")
        << heart << QSize(128, 128) << defaultKept << Status::Ok << 6 << QSize(128, 128);
    QTest::newRow("more frames than may be kept")
        << heart << QSize(32, 32) << qint64(5 * 32 * 32) << Status::Refused << 0 << QSize();
    QTest::newRow("frame size over the limit is refused unread")
        << mngDeclaring(QSize(30000, 30000)) << QSize(32, 32) << defaultKept << Status::Refused << 0 << QSize();
    QTest::newRow("still picture is a one-frame animation")
        << patterned(QSize(64, 64)) << QSize(32, 32) << defaultKept << Status::Ok << 1 << QSize(32, 32);
    QTest::newRow("text is broken")
        << QByteArray("not an animation") << QSize(32, 32) << defaultKept << Status::Broken << 0 << QSize();
}

void tst_PictureLoader::animation()
{
    QFETCH(QByteArray, data);
    QFETCH(QSize, maxShown);
    QFETCH(qint64, keptPixels);
    QFETCH(Status, status);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("animation.mng"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
    file.close();

    PictureLoader::AnimationLimits limits;
    limits.keptPixels = keptPixels;
    const PictureLoader::Animation animation = PictureLoader::loadAnimation(path, maxShown, limits);
    QCOMPARE(animation.status, status);
    QCOMPARE(animation.movie != nullptr, status == Status::Ok);
    if (!animation.movie)
        return;
    QTEST(animation.frameCount, "frames");
    // The movie reads its own copy: the file may go.
    QVERIFY(QFile::remove(path));
    QVERIFY(animation.movie->jumpToFrame(0));
    QTEST(animation.movie->currentImage().size(), "shown");
}

QTEST_MAIN(tst_PictureLoader)
#include "tst_pictureloader.moc"
