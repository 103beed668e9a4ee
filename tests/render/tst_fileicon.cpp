#include "render/iconcomposer.h"
#include "render/resourcekeytable.h"
#include "ui/chat/render/fileicon.h"

#include "hostkit/host.h"
#include "hostkit/transfers.h"
#include "lib_kelvan/clock.h"

#include <sdk/ihostservices.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTest>

using State = ResourceKeyTable::IconState;

namespace {

QImage solid(int size, QColor colour)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

bool isGrey(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = argb.pixel(x, y);
            if (qAlpha(p) > 0 && (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)))
                return false;
        }
    }
    return true;
}

} // namespace

class tst_FileIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void greyFormula_data();
    void greyFormula();
    void overlayDarkensAndCentres();
    void brokenIconCutsTheMask();

    void uploadShowsHourglass_data();
    void uploadShowsHourglass();
    void offeredFileShowsDownloadOverlay();
    void runningDownloadShowsHourglass();
    void downloadedFileIsPlainIcon();
    void missingLocalCopyShowsBrokenIcon();
    void voiceUsesVoiceIcon();
    void pictureStates();
    void statesLookApart();

private:
    QImage skin(const char *name) const;
    QByteArray offer(const QString &name, int kind = 0);

    std::unique_ptr<hostkit::Host> m_host;
    IHostServices *m_services = nullptr;
    kelvan::ManualClock m_clock;
    ResourceKeyTable m_keys;
};

void tst_FileIcon::initTestCase()
{
    kelvan::Clock::setInstance(&m_clock);
    m_host.reset(new hostkit::Host(hostkit::Profile::inMemory()));
    QVERIFY(m_host->isReady());
    m_services = m_host->servicesFor("chat");
    QVERIFY(!skin("chat/overlay_hourglass.png").isNull());
}

QImage tst_FileIcon::skin(const char *name) const
{
    return QImage(QDir(m_host->applicationFolder()).filePath(QStringLiteral("skin/") + QLatin1String(name)));
}

QByteArray tst_FileIcon::offer(const QString &name, int kind)
{
    const QByteArray address = m_host->transfers().publish("0123456789", name, false);
    m_services->registerTransfer(address.constData(), reinterpret_cast<const char16_t *>(name.utf16()), 10, kind);
    return address;
}

void tst_FileIcon::greyFormula_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("grey");
    QTest::newRow("pure red") << QColor(255, 0, 0) << 11 * 255 / 32;
    QTest::newRow("pure green") << QColor(0, 255, 0) << 16 * 255 / 32;
    QTest::newRow("pure blue") << QColor(0, 0, 255) << 5 * 255 / 32;
    QTest::newRow("white stays white") << QColor(255, 255, 255) << 255;
}

void tst_FileIcon::greyFormula()
{
    QFETCH(QColor, colour);
    QFETCH(int, grey);
    QImage image = solid(2, colour);
    image.setPixel(1, 1, qRgba(colour.red(), colour.green(), colour.blue(), 0));
    const QImage result = IconComposer::greyed(image);
    QCOMPARE(result.pixel(0, 0), qRgba(grey, grey, grey, 255));
    QCOMPARE(qAlpha(result.pixel(1, 1)), 0);
}

void tst_FileIcon::overlayDarkensAndCentres()
{
    const QImage icon = solid(10, Qt::white);
    const QImage overlay = solid(2, Qt::red);
    const QImage result = IconComposer::withOverlay(icon, overlay).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(result.size(), icon.size());
    // White under black of alpha 60: 255 * (255 - 60) / 255.
    QVERIFY(qAbs(qRed(result.pixel(0, 0)) - 195) <= 1);
    QCOMPARE(result.pixel(4, 4), qRgba(255, 0, 0, 255));
    QCOMPARE(result.pixel(5, 5), qRgba(255, 0, 0, 255));
    QVERIFY(qRed(result.pixel(3, 3)) < 200);

    // Transparent parts of the icon stay transparent: the darkening is source-atop.
    QImage holed = solid(4, Qt::white);
    holed.setPixel(0, 0, qRgba(0, 0, 0, 0));
    QCOMPARE(qAlpha(IconComposer::withOverlay(holed, QImage()).pixel(0, 0)), 0);
}

void tst_FileIcon::brokenIconCutsTheMask()
{
    const QImage icon = solid(4, Qt::red);
    QImage mask(4, 4, QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    mask.setPixel(0, 0, qRgba(0, 0, 0, 255));
    QImage outline(4, 4, QImage::Format_ARGB32);
    outline.fill(Qt::transparent);
    outline.setPixel(3, 3, qRgba(0, 0, 255, 255));
    outline.setPixel(0, 0, qRgba(0, 0, 255, 255));
    const QImage broken = IconComposer::brokenFileIcon(icon, mask, outline).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(broken.pixel(0, 0)), 0);          // cut out, and the outline draws only on what is left
    QCOMPARE(broken.pixel(3, 3), qRgba(0, 0, 255, 255));
    const int grey = 11 * 255 / 32;
    QCOMPARE(broken.pixel(1, 1), qRgba(grey, grey, grey, 255));
}

void tst_FileIcon::uploadShowsHourglass_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("hourglass");
    QTest::newRow("an upload the host does not know yet") << "unknown" << true;
    QTest::newRow("a running upload") << "running" << true;
    QTest::newRow("a stopped upload no longer looks busy") << "stopped" << false;
}

void tst_FileIcon::uploadShowsHourglass()
{
    QFETCH(QString, state);
    QFETCH(bool, hourglass);
    QByteArray key = "sim://x";
    if (state != QLatin1String("unknown")) {
        const QString file = QDir(m_host->profile().folder()).filePath(QStringLiteral("up.txt"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write("12345") == 5);
        out.close();
        QVERIFY(m_host->transfers().sendFiles({file}, {"1001"}));
        key = m_host->transfers().all().last().key;
        if (state == QLatin1String("stopped"))
            m_services->stopUploads("1001");
    }
    m_keys.clearIconState(QStringLiteral("K1"));
    const QImage image = FileIcon::fileIcon(m_services, m_keys, QStringLiteral("K1"),
                                            QStringLiteral("upload:") + QString::fromUtf8(key), QStringLiteral("x.txt"));
    QCOMPARE(image == skin("chat/overlay_hourglass.png"), hourglass);
    QCOMPARE(m_keys.hasIconState(QStringLiteral("K1"), State::Transferring), hourglass);
    m_keys.clearIconState(QStringLiteral("K1"));
}

void tst_FileIcon::offeredFileShowsDownloadOverlay()
{
    const QByteArray address = offer(QStringLiteral("notes.txt"));
    const QImage image = FileIcon::fileIcon(m_services, m_keys, QStringLiteral("K2"), QString::fromUtf8(address),
                                            QStringLiteral("notes.txt"));
    QVERIFY(!image.isNull());
    QVERIFY(image.width() <= FileIcon::MaxIconSize && image.height() <= FileIcon::MaxIconSize);
    QVERIFY(m_keys.hasIconState(QStringLiteral("K2"), State::DownloadOffered));
    QCOMPARE(m_keys.keysInState(State::DownloadOffered), QStringList{QStringLiteral("K2")});
}

void tst_FileIcon::runningDownloadShowsHourglass()
{
    const QByteArray address = offer(QStringLiteral("big.bin"));
    m_services->fetchFile(address.constData());
    QVERIFY(m_services->isTransferRunning(address.constData()));
    FileIcon::fileIcon(m_services, m_keys, QStringLiteral("K3"), QString::fromUtf8(address), QStringLiteral("big.bin"));
    QVERIFY(m_keys.hasIconState(QStringLiteral("K3"), State::Transferring));
    QVERIFY(!m_keys.hasIconState(QStringLiteral("K3"), State::DownloadOffered));
}

void tst_FileIcon::downloadedFileIsPlainIcon()
{
    const QByteArray address = offer(QStringLiteral("done.txt"));
    m_services->fetchFile(address.constData());
    m_host->advance(60000);
    const QString local = m_host->transfers().localFile(address);
    QVERIFY(!local.isEmpty());
    m_keys.setIconState(QStringLiteral("K4"), State::DownloadOffered);
    const QImage image = FileIcon::fileIcon(m_services, m_keys, QStringLiteral("K4"), QString::fromUtf8(address),
                                            QStringLiteral("done.txt"));
    QCOMPARE(image, FileIcon::platformFileIcon(m_host->transfers().savedPath(address)));
    for (State state : {State::Placeholder, State::Broken, State::DownloadOffered, State::Transferring})
        QVERIFY(!m_keys.hasIconState(QStringLiteral("K4"), state));
}

void tst_FileIcon::missingLocalCopyShowsBrokenIcon()
{
    const QByteArray address = offer(QStringLiteral("gone.txt"));
    m_services->fetchFile(address.constData());
    m_host->advance(60000);
    QVERIFY(QFile::remove(m_host->transfers().savedPath(address)));
    const QImage image = FileIcon::fileIcon(m_services, m_keys, QStringLiteral("K5"), QString::fromUtf8(address),
                                            QStringLiteral("gone.txt"));
    QVERIFY(!image.isNull());
    QVERIFY(image != FileIcon::platformFileIcon(QStringLiteral("gone.txt")));
    QVERIFY(!m_keys.hasIconState(QStringLiteral("K5"), State::DownloadOffered));
}

void tst_FileIcon::voiceUsesVoiceIcon()
{
    const QByteArray address = offer(QStringLiteral("v.ogg"), 1);
    m_services->fetchFile(address.constData());
    m_host->advance(60000);
    const QImage image = FileIcon::fileIcon(m_services, m_keys, QStringLiteral("K6"), QString::fromUtf8(address),
                                            QStringLiteral("v.ogg"));
    QCOMPARE(image, skin("chat/msgvoice.png"));
}

void tst_FileIcon::pictureStates()
{
    QCOMPARE(FileIcon::pictureStateImage(m_services, false, FileIcon::PictureOverlay::None),
             skin("chat/picture_placeholder.png"));
    QCOMPARE(FileIcon::pictureStateImage(m_services, true, FileIcon::PictureOverlay::None),
             skin("chat/picture_broken.png"));
    QVERIFY(FileIcon::pictureStateImage(m_services, false, FileIcon::PictureOverlay::Download)
            != skin("chat/picture_placeholder.png"));
}

void tst_FileIcon::statesLookApart()
{
    const QByteArray offered = offer(QStringLiteral("a.txt"));
    const QByteArray running = offer(QStringLiteral("b.txt"));
    const QByteArray done = offer(QStringLiteral("c.txt"));
    const QByteArray gone = offer(QStringLiteral("d.txt"));
    m_services->fetchFile(done.constData());
    m_services->fetchFile(gone.constData());
    m_host->advance(60000);
    QVERIFY(QFile::remove(m_host->transfers().savedPath(gone)));
    m_services->fetchFile(running.constData());
    QList<QImage> images;
    for (const QByteArray &address : {offered, running, done, gone})
        images << FileIcon::fileIcon(m_services, m_keys, QString::fromUtf8(address), QString::fromUtf8(address), QString());
    for (int i = 0; i < images.size(); ++i) {
        for (int j = i + 1; j < images.size(); ++j)
            QVERIFY2(images.at(i) != images.at(j), qPrintable(QStringLiteral("%1 and %2 look the same").arg(i).arg(j)));
    }
    // A strip of the four for people to look at.
    QImage strip(4 * 56, 56, QImage::Format_ARGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    for (int i = 0; i < images.size(); ++i)
        painter.drawImage(i * 56 + 4, 4, images.at(i));
    painter.end();
    strip.save(QDir(qEnvironmentVariable("CHAT_BINARY_DIR", QDir::tempPath())).filePath(QStringLiteral("render_file_icons.png")));
}

QTEST_MAIN(tst_FileIcon)
#include "tst_fileicon.moc"
