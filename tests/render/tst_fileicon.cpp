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

    void fileIconFollowsTheTransfer_data();
    void fileIconFollowsTheTransfer();
    void pictureStates();
    void statesLookApart();

private:
    QImage skin(const char *name) const;
    QByteArray offer(const QString &name, int kind = 0);
    QByteArray addressIn(const QString &situation);

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

QByteArray tst_FileIcon::addressIn(const QString &situation)
{
    if (situation == QLatin1String("upload"))
        return "upload:sim://x";
    if (situation == QLatin1String("stopped")) {
        const QString file = QDir(m_host->profile().folder()).filePath(QStringLiteral("up.txt"));
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write("12345") != 5)
            return {};
        out.close();
        if (!m_host->transfers().sendFiles({file}, {"1001"}))
            return {};
        m_services->stopUploads("1001");
        return "upload:" + m_host->transfers().all().last().key;
    }
    const QByteArray address = offer(situation + QStringLiteral(".txt"), situation == QLatin1String("voice") ? 1 : 0);
    if (situation != QLatin1String("offered"))
        m_services->fetchFile(address.constData());
    if (situation != QLatin1String("offered") && situation != QLatin1String("running"))
        m_host->advance(60000);
    if (situation == QLatin1String("gone"))
        QFile::remove(m_host->transfers().savedPath(address));
    return address;
}

void tst_FileIcon::fileIconFollowsTheTransfer_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<int>("state"); // 0: none
    QTest::addColumn<QString>("image"); // a skin picture, "platform", "not platform" or "" for any
    QTest::newRow("upload: hourglass") << "upload" << int(State::Transferring) << "chat/overlay_hourglass.png";
    QTest::newRow("stopped upload: no longer busy") << "stopped" << int(State::DownloadOffered) << "";
    QTest::newRow("offered: download overlay") << "offered" << int(State::DownloadOffered) << "not platform";
    QTest::newRow("running download: hourglass over the icon") << "running" << int(State::Transferring) << "";
    QTest::newRow("downloaded: the platform's icon") << "done" << 0 << "platform";
    QTest::newRow("local copy gone: broken icon") << "gone" << 0 << "not platform";
    QTest::newRow("voice: the voice icon") << "voice" << 0 << "chat/msgvoice.png";
}

void tst_FileIcon::fileIconFollowsTheTransfer()
{
    QFETCH(QString, situation);
    QFETCH(int, state);
    QFETCH(QString, image);
    const QString address = QString::fromUtf8(addressIn(situation));
    ResourceKeyTable keys;
    const QString key = QStringLiteral("K");
    // A finished download clears what an earlier rendering marked.
    if (state == 0 && !address.startsWith(QLatin1String("upload:")))
        keys.setIconState(key, State::DownloadOffered);
    const QImage icon = FileIcon::fileIcon(m_services, keys, key, address, situation + QStringLiteral(".txt"));
    QVERIFY(!icon.isNull());
    QVERIFY(icon.width() <= FileIcon::MaxIconSize && icon.height() <= FileIcon::MaxIconSize);
    for (State s : {State::Placeholder, State::Broken, State::DownloadOffered, State::Transferring})
        QCOMPARE(keys.hasIconState(key, s), int(s) == state);
    if (state)
        QCOMPARE(keys.keysInState(State(state)), QStringList{key});
    const QImage platform = FileIcon::platformFileIcon(m_host->transfers().savedPath(address.toUtf8()));
    if (image == QLatin1String("platform"))
        QCOMPARE(icon, platform);
    else if (image == QLatin1String("not platform"))
        QVERIFY(icon != FileIcon::platformFileIcon(situation + QStringLiteral(".txt")));
    else if (!image.isEmpty())
        QCOMPARE(icon, skin(qPrintable(image)));
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
    // The running download last: the others wait for transfers to finish.
    QList<QImage> images;
    for (const char *situation : {"offered", "done", "gone", "running"}) {
        const QString address = QString::fromUtf8(addressIn(QLatin1String(situation)));
        images << FileIcon::fileIcon(m_services, m_keys, address, address, QString());
    }
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
