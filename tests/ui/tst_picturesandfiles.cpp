// Pictures and files from the chat window: the file dialog, pasting,
// dropping, the uploads list and the transfers the history redraws, against
// hostkit's simulated cloud. The host's transfer events reach the chat core
// as the plug-in's onEvent would pass them.

#include "../common/testpictures.h"
#include "windowfixture.h"

#include "pictures/pastefolder.h"
#include "platform/pickers.h"
#include "render/resourcekeytable.h"
#include "ui/chat/chatfiledragoverlay.h"
#include "ui/chat/historypane.h"
#include "ui/chat/outgoingfiles.h"
#include "ui/chat/render/fileicon.h"
#include "ui/chat/textbrowser.h"
#include "ui/chat/textedit.h"
#include "ui/chat/uploadslistframe.h"

#include "hostkit/transfers.h"

#include <QAction>
#include <QDropEvent>
#include <QImageReader>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtEndian>
#include <QtTest>

namespace {

QString writePicture(const QString &folder, const QString &name, QColor colour, QSize size = QSize(40, 30))
{
    QDir().mkpath(folder);
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = QDir(folder).filePath(name);
    return image.save(path, "PNG") ? path : QString();
}

using testpictures::pngDeclaring;
using testpictures::writeFile;

QMimeData *filesData(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << (path.contains(QLatin1String("://")) ? QUrl(path) : QUrl::fromLocalFile(path));
    data->setUrls(urls);
    return data;
}

QImage documentImage(ChatWindow *window, const QString &name)
{
    return window->historyView()->document()->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
}

} // namespace

class tst_PicturesAndFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void sendPictureDialog_data();
    void sendPictureDialog();
    void samePictureNamePastedTwice();
    void documentGoesAtOncePictureWithSend();
    void rawPictureIsWrittenAsPng();
    void unloadablePicturesAreSkipped_data();
    void unloadablePicturesAreSkipped();
    void receivedPictureRedrawn_data();
    void receivedPictureRedrawn();
    void stopQuestion_data();
    void stopQuestion();
    void failuresCountedThenListCloses();
    void uploadsComeBackWhenTheWindowShows();
    void openedFileRedrawsItsIcon();
    void dropOverlayLabels_data();
    void dropOverlayLabels();
    void dropTargets_data();
    void dropTargets();
    void staleCopiesRemoved();

private:
    ChatWindow *openBea();
    // Lets the simulated transfers run for `ms`.
    void advance(qint64 ms) { m_f->host->advance(ms); }
    void paste(ChatWindow *window, const QMimeData *data) { Q_EMIT window->editor()->onPaste(data); }
    QStringList sentFiles() const;
    void dragOnto(ChatWindow *window, const QStringList &paths);

    std::unique_ptr<WindowFixture> m_f;
    platform::ScriptedPickers m_pickers;
    QTemporaryDir m_temp;
    QTemporaryDir m_files;
};

void tst_PicturesAndFiles::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_temp.isValid() && m_files.isValid());
    // The paste folder lives in the system's temporary folder: this one.
    qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    platform::Pickers::setInstance(&m_pickers);
    m_f = std::make_unique<WindowFixture>();
    m_f->host->setEventSink([](int code, const QByteArray &data) {
        if (Chat *chat = Chat::instance())
            chat->onEvent(code, data);
    });
}

void tst_PicturesAndFiles::init()
{
    // What earlier tests started ends first.
    advance(5000);
    m_f->reset();
    m_pickers.clear();
    m_f->host->setDirectTransfer(hostkit::Host::DirectTransfer::Absent);
    m_f->host->setCloudDelivery(true);
    QDir(PasteFolder::path()).removeRecursively();
}

void tst_PicturesAndFiles::cleanupTestCase()
{
    m_f.reset();
    platform::Pickers::setInstance(nullptr);
}

ChatWindow *tst_PicturesAndFiles::openBea()
{
    ChatWindow *window = m_f->open("1001");
    if (window) {
        window->resize(600, 500);
        window->show();
        QCoreApplication::processEvents();
    }
    return window;
}

QStringList tst_PicturesAndFiles::sentFiles() const
{
    QStringList files;
    for (const auto &call : m_f->host->journal().calls("sendFiles")) {
        for (const QJsonValue &file : call.arguments.at(0).toArray())
            files << file.toString();
    }
    return files;
}

void tst_PicturesAndFiles::dragOnto(ChatWindow *window, const QStringList &paths)
{
    std::unique_ptr<QMimeData> data(filesData(paths));
    QDragEnterEvent enter(window->rect().center(), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
}

// --- Choosing and pasting ------------------------------------------------------------------

void tst_PicturesAndFiles::sendPictureDialog_data()
{
    QTest::addColumn<bool>("picked");
    QTest::newRow("picked files are sent and their folder kept") << true;
    QTest::newRow("a cancelled dialog changes nothing, not even the folder") << false;
}

void tst_PicturesAndFiles::sendPictureDialog()
{
    QFETCH(bool, picked);
    m_f->settings().setPictureFolder(QStringLiteral("/earlier"));
    const QString folder = m_files.filePath(QStringLiteral("dialog"));
    const QString first = writePicture(folder, QStringLiteral("a.png"), Qt::red);
    const QString second = writePicture(folder, QStringLiteral("b.png"), Qt::blue);
    if (picked)
        m_pickers.enqueueOpenFiles({first, second});
    ChatWindow *window = openBea();
    window->settingsAction(ChatWindow::ActionSendPicture)->trigger();

    QCOMPARE(int(m_pickers.requests().size()), 1);
    QCOMPARE(m_pickers.requests().front().title, QStringLiteral("Select pictures to send"));
    QCOMPARE(m_pickers.requests().front().path, QStringLiteral("/earlier"));
    QVERIFY(m_pickers.requests().front().filter.startsWith(QStringLiteral("Images ( *.")));
    QVERIFY(m_pickers.requests().front().filter.contains(QStringLiteral(" *.png ")));
    QCOMPARE(sentFiles(), (picked ? QStringList{first, second} : QStringList()));
    QCOMPARE(m_f->settings().pictureFolder(), picked ? folder : QStringLiteral("/earlier"));
}

void tst_PicturesAndFiles::samePictureNamePastedTwice()
{
    const QString one = writePicture(m_files.filePath(QStringLiteral("one")), QStringLiteral("photo.png"), Qt::red);
    const QString two = writePicture(m_files.filePath(QStringLiteral("two")), QStringLiteral("photo.png"), Qt::green);
    ChatWindow *window = openBea();
    std::unique_ptr<QMimeData> first(filesData({one}));
    std::unique_ptr<QMimeData> second(filesData({two}));
    paste(window, first.get());
    paste(window, second.get());

    const QString folder = PasteFolder::path();
    const QString stamp = QString::number(m_f->clock.now().toMSecsSinceEpoch());
    const QStringList pending = window->outgoingFiles()->pending();
    QCOMPARE(pending, (QStringList{folder + QStringLiteral("/photo.png"), folder + QStringLiteral("/photo.png_") + stamp}));
    // Each copy is the picture pasted, not the other one.
    QCOMPARE(QImage(pending.at(1)).pixel(0, 0), QColor(Qt::green).rgb());
    for (const QString &copy : pending)
        QVERIFY(window->editor()->document()->resource(QTextDocument::ImageResource,
                                                       QUrl(OutgoingFiles::pictureName(copy))).isValid());
    QVERIFY(window->sendButton()->isEnabled());
    QVERIFY(sentFiles().isEmpty());
}

void tst_PicturesAndFiles::documentGoesAtOncePictureWithSend()
{
    const QString document = writeFile(m_files.filePath(QStringLiteral("report.txt")), "quarterly numbers");
    const QString picture = writePicture(m_files.path(), QStringLiteral("chart.png"), Qt::blue);
    ChatWindow *window = openBea();
    std::unique_ptr<QMimeData> data(filesData({document, picture}));
    paste(window, data.get());
    QCOMPARE(sentFiles(), QStringList{document});
    const QString copy = window->outgoingFiles()->pending().value(0);
    QCOMPARE(QFileInfo(copy).fileName(), QStringLiteral("chart.png"));

    QTest::keyClicks(window->editor(), QStringLiteral("see the chart"));
    QTest::keyClick(window->editor(), Qt::Key_Return);
    QCOMPARE(sentFiles(), (QStringList{document, copy}));
    // The picture goes before the text.
    const qint64 upload = m_f->host->journal().calls("sendFiles").last().sequence;
    const auto texts = m_f->host->journal().calls("sendInstantMessage");
    QCOMPARE(texts.size(), 1);
    QVERIFY(texts.first().sequence > upload);
    QVERIFY(texts.first().arguments.at(2).toString().contains(QStringLiteral("see the chart")));
    QVERIFY(window->outgoingFiles()->pending().isEmpty());
    QVERIFY(!window->editor()->document()->resource(QTextDocument::ImageResource,
                                                    QUrl(OutgoingFiles::pictureName(copy))).isValid());
}

void tst_PicturesAndFiles::rawPictureIsWrittenAsPng()
{
    ChatWindow *window = openBea();
    QImage screenshot(1200, 900, QImage::Format_RGB32);
    screenshot.fill(Qt::darkCyan);
    QMimeData data;
    data.setImageData(screenshot);
    paste(window, &data);
    const QStringList pending = window->outgoingFiles()->pending();
    QCOMPARE(pending.size(), 1);
    QCOMPARE(QFileInfo(pending.first()).fileName(),
             QStringLiteral("clipboard_%1.png").arg(m_f->clock.now().toMSecsSinceEpoch()));
    // The editor holds the picture at the size it shows it, never larger.
    const QImage shown = window->editor()->document()->resource(QTextDocument::ImageResource,
                                                                 QUrl(OutgoingFiles::pictureName(pending.first()))).value<QImage>();
    const QSize box = window->editor()->pictureBox();
    QVERIFY(!shown.isNull() && shown.width() <= box.width() && shown.height() <= box.height());

    QTest::keyClick(window->editor(), Qt::Key_Return);
    QCOMPARE(sentFiles(), pending);
    QCOMPARE(QImageReader::imageFormat(pending.first()), QByteArray("png"));
    QCOMPARE(QImageReader(pending.first()).size(), screenshot.size());
}

void tst_PicturesAndFiles::unloadablePicturesAreSkipped_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("raw");
    QTest::newRow("a file declaring 400 Mpx in 100 bytes") << pngDeclaring(QSize(20000, 20000)) << false;
    QTest::newRow("a file that is not the picture its name claims") << QByteArray("%PDF-1.4 not a picture") << false;
    // Judged on the encoded bytes before the clipboard is asked for pixels.
    QTest::newRow("picture data declaring 400 Mpx") << pngDeclaring(QSize(20000, 20000)) << true;
}

void tst_PicturesAndFiles::unloadablePicturesAreSkipped()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, raw);
    const QString path = writeFile(m_files.filePath(QStringLiteral("bad.png")), content);
    ChatWindow *window = openBea();
    std::unique_ptr<QMimeData> data(raw ? new QMimeData : filesData({path}));
    if (raw) {
        data->setData(QStringLiteral("image/png"), content);
        QImage decoded(10, 10, QImage::Format_RGB32);
        decoded.fill(Qt::black);
        data->setImageData(decoded);
    }
    paste(window, data.get());
    QVERIFY(window->outgoingFiles()->pending().isEmpty());
    QVERIFY(sentFiles().isEmpty());
    QVERIFY(window->editor()->toPlainText().isEmpty());
    QVERIFY(!QFileInfo::exists(QDir(PasteFolder::path()).filePath(QStringLiteral("bad.png"))));
}

// --- The history --------------------------------------------------------------------------

void tst_PicturesAndFiles::receivedPictureRedrawn_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("broken");
    // A broken picture whose fetch failed offers to fetch it again.
    QTest::addColumn<int>("overlay");
    using Overlay = FileIcon::PictureOverlay;
    const QByteArray png = testpictures::encoded(testpictures::filled(QSize(40, 30), Qt::red));
    QTest::newRow("the picture replaces the placeholder") << png << false << int(Overlay::None);
    QTest::newRow("a picture too large to decode shows broken") << pngDeclaring(QSize(20000, 20000)) << true
                                                                 << int(Overlay::None);
    QTest::newRow("a fetch that fails shows broken") << QByteArray() << true << int(Overlay::Download);
}

void tst_PicturesAndFiles::receivedPictureRedrawn()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, broken);
    QFETCH(int, overlay);
    ChatWindow *window = openBea();
    // Nothing published: the cloud has nothing at that address.
    const QByteArray address = content.isEmpty() ? QByteArray("sim://pictures/404/gone.png")
                                                 : m_f->host->transfers().publish(content, QStringLiteral("view.png"), true);
    m_f->receive("1001", "[pic src=\"" + address + "\"]");
    const QString name = window->history()->resourceKeys().pictureName(QString::fromUtf8(address));
    QVERIFY(!name.isEmpty());
    // Until the fetch ends the placeholder (with its hourglass) shows.
    const QImage placeholder = FileIcon::pictureStateImage(m_f->services, false, FileIcon::PictureOverlay::Running);
    QCOMPARE(documentImage(window, name), placeholder);
    QVERIFY(m_f->chat().transferKeys(Chat::TransferKind::Picture, "1001").contains(address));

    advance(600);
    const QImage shown = documentImage(window, name);
    if (broken)
        QCOMPARE(shown, FileIcon::pictureStateImage(m_f->services, true, FileIcon::PictureOverlay(overlay)));
    else
        QCOMPARE(shown.pixel(0, 0), QColor(Qt::red).rgb());
    // The fetch has ended: its events no longer need routing.
    QVERIFY(!m_f->chat().transferKeys(Chat::TransferKind::Picture, "1001").contains(address));
}

// --- The uploads list ------------------------------------------------------------------------

void tst_PicturesAndFiles::stopQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("stopped");
    QTest::newRow("Cancel leaves every upload running") << int(platform::Prompt::Cancel) << false;
    QTest::newRow("Yes stops them and closes the list") << int(platform::Prompt::Yes) << true;
}

void tst_PicturesAndFiles::stopQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, stopped);
    ChatWindow *window = openBea();
    const QString a = writeFile(m_files.filePath(QStringLiteral("a.txt")), "first");
    const QString b = writeFile(m_files.filePath(QStringLiteral("b.txt")), "second");
    window->sendFiles({a, b});
    UploadsListFrame *list = window->uploadsList();
    QVERIFY(list->isVisible());
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->findChild<QLabel *>(QStringLiteral("Title"))->text(), QStringLiteral("2 files"));

    m_f->prompt.enqueue(platform::Prompt::Button(answer));
    QTest::keyClick(window, Qt::Key_Escape);
    QCOMPARE(int(m_f->prompt.asked().size()), 1);
    QCOMPARE(m_f->prompt.asked().front().defaultButton, platform::Prompt::Yes);
    QCOMPARE(m_f->calls("stopUploads"), stopped ? 1 : 0);
    QCOMPARE(list->isVisible(), !stopped);
    QVERIFY(!window->isHidden()); // Escape went to the list, not to the window
    if (!stopped)
        QCOMPARE(list->unfinishedCount(), 2);

    advance(1500);
    QCOMPARE(m_f->calls("sendInstantMessage", QStringLiteral("[file url=")), stopped ? 0 : 2);
}

void tst_PicturesAndFiles::failuresCountedThenListCloses()
{
    ChatWindow *window = openBea();
    const QString kept = writeFile(m_files.filePath(QStringLiteral("kept.txt")), "stays");
    const QString gone = writeFile(m_files.filePath(QStringLiteral("gone.txt")), "goes away");
    window->sendFiles({kept, gone});
    QVERIFY(QFile::remove(gone));
    UploadsListFrame *list = window->uploadsList();
    for (int step = 0; step < hostkit::Transfers::kUploadSteps && list->unfinishedCount() > 0; ++step)
        advance(hostkit::Transfers::kStepMs);
    QCOMPARE(list->unfinishedCount(), 0);
    QCOMPARE(list->failedCount(), 1);
    const QLabel *failures = list->findChild<QLabel *>(QStringLiteral("Failures"));
    QVERIFY(failures->isVisible());
    QVERIFY2(failures->text().startsWith(QStringLiteral("Failed to upload 1 files Cannot read ")), qPrintable(failures->text()));

    m_f->clock.advance(UploadsListFrame::AutoCloseMs - 1);
    QVERIFY(list->isVisible());
    m_f->clock.advance(1);
    QVERIFY(!list->isVisible());
    QCOMPARE(list->count(), 0);
    QCOMPARE(list->failedCount(), 0);
}

void tst_PicturesAndFiles::uploadsComeBackWhenTheWindowShows()
{
    // An upload to Dana started while no window shows her conversation.
    const QString file = writeFile(m_files.filePath(QStringLiteral("late.txt")), "late");
    QVERIFY(m_f->host->transfers().sendFiles({file}, {"1003"}));
    QCOMPARE(m_f->chat().pendingUploads("1003").size(), 1);
    ChatWindow *window = m_f->open("1003");
    QVERIFY(window);
    QCOMPARE(window->uploadsList()->count(), 1);
    QCOMPARE(window->uploadsList()->findChild<QLabel *>(QStringLiteral("FileName"))->text(), QStringLiteral("late.txt"));
    advance(1500);
    QVERIFY(m_f->chat().pendingUploads("1003").isEmpty());
}

void tst_PicturesAndFiles::openedFileRedrawsItsIcon()
{
    ChatWindow *window = openBea();
    const QByteArray address = m_f->host->transfers().publish("minutes", QStringLiteral("minutes.txt"), false);
    m_f->receive("1001", "[file url=\"" + address + "\" name=\"minutes.txt\" size=\"7\"]");
    ResourceKeyTable &keys = window->history()->resourceKeys();
    const QString key = keys.keyOf(QString::fromUtf8(address));
    QVERIFY(!key.isEmpty());
    documentImage(window, key);
    QVERIFY(keys.hasIconState(key, ResourceKeyTable::IconState::DownloadOffered));

    window->onEditReceiveAnchorClicked(QUrl(QStringLiteral("cloud:") + key));
    QCOMPARE(m_f->calls("fetchFile", QString::fromUtf8(address)), 1);
    QVERIFY(keys.hasIconState(key, ResourceKeyTable::IconState::Transferring));
    advance(1500);
    // Downloaded: the plain icon, no state left.
    QVERIFY(!keys.hasIconState(key, ResourceKeyTable::IconState::Transferring));
    QVERIFY(!keys.hasIconState(key, ResourceKeyTable::IconState::DownloadOffered));
}

// --- Dropping -----------------------------------------------------------------------------------

void tst_PicturesAndFiles::dropOverlayLabels_data()
{
    using Direct = hostkit::Host::DirectTransfer;
    QTest::addColumn<int>("direct");
    QTest::addColumn<QByteArray>("peer");
    QTest::addColumn<bool>("cloud");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no direct plug-in, no cloud: only the notice") << int(Direct::Absent) << QByteArray("1001") << false << false << "lblDisabled";
    QTest::newRow("direct plug-in switched off, cloud: cloud only") << int(Direct::Disabled) << QByteArray("1001") << true << false << "Cloud";
    QTest::newRow("offline peer, direct and cloud: cloud only") << int(Direct::Enabled) << QByteArray("1004") << true << false << "Cloud";
    QTest::newRow("offline peer, no cloud: the offline notice") << int(Direct::Enabled) << QByteArray("1004") << false << false << "lblOffline";
    QTest::newRow("online peer, direct and cloud: both targets") << int(Direct::Enabled) << QByteArray("1001") << true << false << "Direct Cloud";
    QTest::newRow("a folder dragged: no cloud delivery") << int(Direct::Enabled) << QByteArray("1001") << true << true << "Direct";
}

void tst_PicturesAndFiles::dropOverlayLabels()
{
    QFETCH(int, direct);
    QFETCH(QByteArray, peer);
    QFETCH(bool, cloud);
    QFETCH(bool, folder);
    m_f->host->setDirectTransfer(hostkit::Host::DirectTransfer(direct));
    m_f->host->setCloudDelivery(cloud);
    ChatWindow *window = m_f->open(peer);
    const QString file = writeFile(m_files.filePath(QStringLiteral("drag.txt")), "dragged");
    dragOnto(window, folder ? QStringList{file, m_files.path()} : QStringList{file});
    ChatFileDragOverlay *overlay = window->dragOverlay();
    QVERIFY(overlay->isVisibleTo(window));
    QStringList visible;
    for (const char *name : {"Direct", "Cloud", "lblOffline", "lblDisabled"}) {
        if (overlay->findChild<QLabel *>(QLatin1String(name))->isVisibleTo(overlay))
            visible << QLatin1String(name);
    }
    QTEST(visible.join(QLatin1Char(' ')), "shown");
}

void tst_PicturesAndFiles::dropTargets_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("local");
    QTest::addColumn<int>("direct");
    QTest::addColumn<int>("cloud");
    QTest::newRow("Direct hands the files to direct transfer") << "Direct" << true << 1 << 0;
    QTest::newRow("Cloud sends them as file messages") << "Cloud" << true << 0 << 1;
    QTest::newRow("a drop without local files does nothing") << "Cloud" << false << 0 << 0;
}

void tst_PicturesAndFiles::dropTargets()
{
    QFETCH(QString, target);
    QFETCH(bool, local);
    m_f->host->setDirectTransfer(hostkit::Host::DirectTransfer::Enabled);
    ChatWindow *window = openBea();
    const QString file = writeFile(m_files.filePath(QStringLiteral("dropped.txt")), "dropped");
    std::unique_ptr<QMimeData> data(filesData({local ? file : QStringLiteral("https://example.org/a.txt")}));
    QDragEnterEvent enter(window->rect().center(), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QVERIFY(enter.isAccepted());
    // The overlay is the drop site once it shows.
    ChatFileDragOverlay *overlay = window->dragOverlay();
    QWidget *label = overlay->findChild<QLabel *>(target);
    const QPoint at = label->mapTo(overlay, label->rect().center());
    QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(overlay, &drop);
    QVERIFY(!overlay->isVisibleTo(window));
    QTEST(m_f->calls("sendFilesDirect", QStringLiteral("dropped.txt")), "direct");
    QTEST(m_f->calls("sendFiles", QStringLiteral("dropped.txt")), "cloud");
}

// --- The paste folder -----------------------------------------------------------------------------

void tst_PicturesAndFiles::staleCopiesRemoved()
{
    const QDir folder(PasteFolder::path());
    const QString old = writeFile(folder.filePath(QStringLiteral("old.png")), "x");
    const QString recent = writeFile(folder.filePath(QStringLiteral("recent.png")), "x");
    const QDateTime now = QDateTime::currentDateTime();
    QFile file(old);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(now.addSecs(-PasteFolder::MaxAgeSeconds - 60), QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(PasteFolder::removeStale(now), 1);
    QVERIFY(!QFileInfo::exists(old));
    QVERIFY(QFileInfo::exists(recent));
}

QTEST_MAIN(tst_PicturesAndFiles)
#include "tst_picturesandfiles.moc"
