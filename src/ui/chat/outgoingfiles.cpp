#include "ui/chat/outgoingfiles.h"

#include "chat/chatcoreinterface.h"
#include "chat/chatsession.h"
#include "lib_kelvan/clock.h"
#include "pictures/pastefolder.h"
#include "pictures/pictureloader.h"
#include "pictures/picturewritejob.h"
#include "platform/pickers.h"
#include "settings/settingsmanager.h"
#include "shared/sharedresourcemanager.h"
#include "ui/chat/chatuilog.h"
#include "ui/chat/textedit.h"

#include <sdk/ihostservices.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QSet>
#include <QUrl>

#include <vector>

namespace {

SettingsManager *sharedSettings()
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    return resources ? resources->settings() : nullptr;
}

qint64 stampMs()
{
    return kelvan::Clock::instance().now().toMSecsSinceEpoch();
}

// Whether raw picture data may be decoded, judged on the encoded bytes the
// clipboard offers before it is asked for pixels. Data offered only as
// pixels is judged by its size afterwards.
bool rawDataAcceptable(const QMimeData *data)
{
    for (const QString &format : data->formats()) {
        if (!format.startsWith(QLatin1String("image/")))
            continue;
        const QByteArray bytes = data->data(format);
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        if (!reader.canRead())
            continue;
        return PictureLoader::judge(reader.size(), bytes.size()) == PictureLoader::Status::Ok;
    }
    return true;
}

} // namespace

OutgoingFiles::OutgoingFiles(TextEdit *editor, QWidget *dialogParent, SessionGetter session, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_dialogParent(dialogParent)
    , m_session(std::move(session))
{
}

// Writes still running finish before their jobs go.
OutgoingFiles::~OutgoingFiles() = default;

QString OutgoingFiles::pictureFilter()
{
    QString patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns += QStringLiteral("*.%1 ").arg(QString::fromLatin1(format));
    return QCoreApplication::translate("OutgoingFiles", "Images ( %1 );; All files (*.*)").arg(patterns);
}

bool OutgoingFiles::isPicture(const QString &path)
{
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    return (!suffix.isEmpty() && QImageReader::supportedImageFormats().contains(suffix))
           || !QImageReader::imageFormat(path).isEmpty();
}

QString OutgoingFiles::pictureName(const QString &copyPath)
{
    return QStringLiteral("chat_image:") + copyPath;
}

void OutgoingFiles::selectPicturesToSend()
{
    SettingsManager *settings = sharedSettings();
    const QStringList files = platform::Pickers::instance().getOpenFileNames(
        m_dialogParent, tr("Select pictures to send"), settings ? settings->pictureFolder() : QString(), pictureFilter());
    if (files.isEmpty())
        return;
    QStringList paths;
    for (const QString &file : files)
        paths << QDir::toNativeSeparators(file);
    sendFiles(paths);
    if (settings)
        settings->setPictureFolder(QDir::toNativeSeparators(QFileInfo(files.first()).absolutePath()));
}

void OutgoingFiles::paste(const QMimeData *data)
{
    if (!data)
        return;
    if (data->hasUrls()) {
        QStringList documents;
        QStringList pictures;
        for (const QUrl &url : data->urls()) {
            // Folders and remote addresses are nothing to send.
            if (!url.isLocalFile() || !QFileInfo(url.toLocalFile()).isFile())
                continue;
            const QString path = QDir::toNativeSeparators(url.toLocalFile());
            (isPicture(path) ? pictures : documents) << path;
        }
        sendFiles(documents);
        for (const QString &picture : qAsConst(pictures))
            addPictureFile(picture);
        return;
    }
    if (data->hasImage())
        addRawPicture(data);
}

void OutgoingFiles::addPictureFile(const QString &path)
{
    // One decode, straight to the size the editor shows.
    const PictureLoader::Picture picture = PictureLoader::load(path, m_editor->pictureBox());
    if (!picture.ok()) {
        qCInfo(lcChatWindow) << "pasted picture skipped:" << QFileInfo(path).fileName();
        return;
    }
    const QString copy = PasteFolder::copyPath(QFileInfo(path).fileName(), stampMs());
    if (copy.isEmpty() || !QFile::copy(path, copy)) {
        qCWarning(lcChatWindow) << "cannot copy a pasted picture to" << copy;
        return;
    }
    if (m_editor->insertPicture(pictureName(copy), picture.image))
        m_pending << copy;
}

void OutgoingFiles::addRawPicture(const QMimeData *data)
{
    if (!rawDataAcceptable(data)) {
        qCInfo(lcChatWindow) << "pasted picture data skipped: too large";
        return;
    }
    const QImage image = qvariant_cast<QImage>(data->imageData());
    if (image.isNull() || qint64(image.width()) * image.height() > PictureLoader::MaxPixels)
        return;
    const QString path = PasteFolder::newPicturePath(QString::fromLatin1(RawPictureBase), stampMs(),
                                                     QStringLiteral("png"));
    if (path.isEmpty() || !m_editor->insertPicture(pictureName(path), image))
        return;
    auto job = std::make_shared<PictureWriteJob>(image, path, QByteArrayLiteral("png"));
    job->start();
    m_writes.insert(path, job);
    m_pending << path;
}

void OutgoingFiles::sendPending(const QStringList &shownPictures)
{
    const QSet<QString> shown(shownPictures.cbegin(), shownPictures.cend());
    QStringList ready;
    for (const QString &path : qAsConst(m_pending)) {
        // A picture the user took out of the message again stays here.
        if (!shown.contains(pictureName(path)))
            continue;
        const std::shared_ptr<PictureWriteJob> write = m_writes.value(path);
        if (write && !write->waitWritten())
            continue;
        ready << path;
    }
    m_pending.clear();
    m_writes.clear();
    sendFiles(ready);
}

void OutgoingFiles::sendFiles(const QStringList &paths)
{
    ChatSession *session = m_session();
    ChatCoreInterface *core = session ? session->core() : nullptr;
    IHostServices *host = core ? core->hostServices() : nullptr;
    if (paths.isEmpty() || !host)
        return;
    // A room relays to its members itself.
    const QList<QByteArray> recipients = session->isRoom() ? QList<QByteArray>{session->peerId()}
                                                           : session->participantIds();
    std::vector<QByteArray> bytes;
    for (const QString &path : paths)
        bytes.push_back(path.toUtf8());
    std::vector<const char *> files;
    for (const QByteArray &path : bytes)
        files.push_back(path.constData());
    std::vector<const char *> ids;
    for (const QByteArray &id : recipients)
        ids.push_back(id.constData());
    if (!host->sendFiles(files.data(), int(files.size()), ids.data(), int(ids.size())))
        qCInfo(lcChatWindow) << "the host started no upload for" << files.size() << "files";
}
