#include "transfers.h"

#include "host.h"

#include "lib_kelvan/elementtree.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QUrl>

Q_LOGGING_CATEGORY(lcTransfers, "hostkit.transfers")

namespace hostkit {

namespace {

bool writeFile(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(content);
    return file.commit();
}

} // namespace

Transfers::Transfers(Host &host)
    : m_host(host)
{
}

QByteArray Transfers::publish(const QByteArray &content, const QString &name, bool picture)
{
    const QByteArray address = QByteArray(Transfers::kScheme) + (picture ? "://pictures/" : "://files/") + QByteArray::number(++m_counter)
        + '/' + QUrl::toPercentEncoding(name);
    m_cloud.insert(address, content);
    m_cloudNames.insert(address, name);
    return address;
}

const Transfers::Transfer *Transfers::find(const QByteArray &keyOrAddress) const
{
    return const_cast<Transfers *>(this)->findMutable(keyOrAddress);
}

int Transfers::position(const QByteArray &keyOrAddress) const
{
    QByteArray wanted = keyOrAddress;
    if (wanted.startsWith("upload:"))
        wanted = wanted.mid(7);
    return m_index.value(wanted, -1);
}

Transfers::Transfer *Transfers::findMutable(const QByteArray &keyOrAddress)
{
    const int at = position(keyOrAddress);
    return at < 0 ? nullptr : &m_transfers[at];
}

Transfers::Transfer &Transfers::append(const Transfer &transfer)
{
    const int position = m_transfers.size();
    m_transfers.append(transfer);
    indexName(transfer.key, position);
    indexName(transfer.address, position);
    return m_transfers.last();
}

void Transfers::setAddress(int position, const QByteArray &address)
{
    Transfer &transfer = m_transfers[position];
    const QByteArray old = transfer.address;
    transfer.address = address;
    indexName(address, position);
    const auto it = m_index.find(old);
    if (old.isEmpty() || old == transfer.key || it == m_index.end() || it.value() != position)
        return;
    // The old address now belongs to the next transfer that has it, if any.
    m_index.erase(it);
    for (int i = position + 1; i < m_transfers.size(); ++i) {
        if (m_transfers.at(i).key == old || m_transfers.at(i).address == old) {
            m_index.insert(old, i);
            break;
        }
    }
}

void Transfers::indexName(const QByteArray &name, int position)
{
    if (name.isEmpty())
        return;
    const auto it = m_index.find(name);
    if (it == m_index.end())
        m_index.insert(name, position);
    else if (position < it.value())
        it.value() = position;
}

QVector<Transfers::Transfer> Transfers::all() const
{
    return m_transfers;
}

void Transfers::registerTransfer(const QByteArray &address, const QString &name, qint64 size, int kind)
{
    if (address.isEmpty() || findMutable(address))
        return;
    Transfer t;
    t.key = address;
    t.address = address;
    t.name = name;
    t.size = size;
    t.kind = kind;
    append(t);
}

QString Transfers::localFile(const QByteArray &address) const
{
    const Transfer *t = find(address);
    if (!t || t->localPath.isEmpty() || !QFileInfo::exists(t->localPath))
        return QString();
    if (!t->upload && t->state != State::Done)
        return QString();
    return t->localPath;
}

QString Transfers::savedPath(const QByteArray &address) const
{
    const Transfer *t = find(address);
    return t && !t->upload && t->state == State::Done ? t->savedPath : QString();
}

int Transfers::kind(const QByteArray &address) const
{
    const Transfer *t = find(address);
    return t ? t->kind : -1;
}

bool Transfers::isRunning(const QByteArray &address) const
{
    const Transfer *t = find(address);
    return t && t->state == State::Running;
}

QString Transfers::pictureLocalName(const QByteArray &address) const
{
    return m_pictureNames.value(address);
}

QString Transfers::createPictureLocalName(const QByteArray &address)
{
    if (m_pictureNames.contains(address))
        return m_pictureNames.value(address);
    QString suffix = QFileInfo(QUrl(QString::fromUtf8(address)).path()).suffix().toLower();
    if (suffix.isEmpty() || suffix.size() > 5)
        suffix = QStringLiteral("png");
    const QByteArray hash = QCryptographicHash::hash(address, QCryptographicHash::Sha1).toHex().left(16);
    QDir dir(m_host.profile().folder());
    dir.mkpath(QStringLiteral("pictures"));
    const QString name = dir.filePath(QStringLiteral("pictures/%1.%2").arg(QString::fromLatin1(hash), suffix));
    m_pictureNames.insert(address, name);
    return name;
}

void Transfers::fetchPicture(const QByteArray &address, const QString &localName, const QByteArray &requester)
{
    Transfer *t = findMutable(address);
    if (!t) {
        Transfer n;
        n.key = address;
        n.address = address;
        n.picture = true;
        n.name = m_cloudNames.value(address);
        t = &append(n);
    }
    if (t->state == State::Running)
        return;
    t->picture = true;
    t->state = State::Running;
    t->localPath = localName;
    m_host.deliverEvent(13, address);
    m_host.scheduler().schedule(2 * kStepMs, QStringLiteral("picture fetch %1").arg(QString::fromUtf8(address)), [this, address, requester] {
        Transfer *t = findMutable(address);
        if (!t || t->state != State::Running)
            return;
        const bool ok = m_cloud.contains(address) && writeFile(t->localPath, m_cloud.value(address));
        t->state = ok ? State::Done : State::Failed;
        t->savedPath = ok ? t->localPath : QString();
        t->size = m_cloud.value(address).size();
        t->transferred = ok ? t->size : 0;
        m_host.deliverEvent(ok ? 14 : 15, address);
        m_host.deliverEvent(ok ? 19 : 20, address);
        if (!requester.isEmpty() && requester != "chat")
            m_host.deliverEvent(ok ? 19 : 20, address, requester);
    });
}

QString Transfers::uniqueFile(const QString &folder, const QString &name) const
{
    QDir dir(folder);
    dir.mkpath(QStringLiteral("."));
    const QString base = QFileInfo(name).completeBaseName();
    const QString suffix = QFileInfo(name).suffix();
    QString candidate = dir.filePath(name.isEmpty() ? QStringLiteral("download") : name);
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = dir.filePath(suffix.isEmpty() ? QStringLiteral("%1 (%2)").arg(base).arg(n)
                                                  : QStringLiteral("%1 (%2).%3").arg(base).arg(n).arg(suffix));
    return candidate;
}

void Transfers::fetchFile(const QByteArray &address)
{
    Transfer *t = findMutable(address);
    if (!t) {
        registerTransfer(address, m_cloudNames.value(address), m_cloud.value(address).size(), 0);
        t = findMutable(address);
    }
    if (!t || t->state == State::Running || t->upload)
        return;
    t->state = State::Running;
    t->transferred = 0;
    m_host.deliverEvent(4, address);
    m_host.scheduler().schedule(kUploadSteps * kStepMs, QStringLiteral("download %1").arg(QString::fromUtf8(address)), [this, address] {
        Transfer *t = findMutable(address);
        if (!t || t->state != State::Running)
            return;
        if (!m_cloud.contains(address)) {
            t->state = State::Failed;
            t->error = QStringLiteral("The file is no longer available.");
            m_host.deliverEvent(6, address);
            return;
        }
        const QString name = t->name.isEmpty() ? m_cloudNames.value(address) : t->name;
        const QString path = uniqueFile(QDir(m_host.profile().folder()).filePath(QStringLiteral("files")), name);
        if (!writeFile(path, m_cloud.value(address))) {
            t->state = State::Failed;
            t->error = QStringLiteral("Cannot write %1.").arg(path);
            m_host.deliverEvent(6, address);
            return;
        }
        t->state = State::Done;
        t->localPath = path;
        t->savedPath = path;
        t->size = m_cloud.value(address).size();
        t->transferred = t->size;
        m_host.deliverEvent(5, address);
    });
}

bool Transfers::sendFiles(const QStringList &paths, const QByteArrayList &recipients)
{
    bool started = false;
    for (const QString &path : paths) {
        for (const QByteArray &peer : recipients) {
            Transfer t;
            t.key = "up" + QByteArray::number(++m_counter);
            t.peer = peer;
            t.upload = true;
            t.localPath = QFileInfo(path).absoluteFilePath();
            t.name = QFileInfo(path).fileName();
            t.size = QFileInfo(path).size();
            t.picture = !QImageReader::imageFormat(path).isEmpty();
            t.state = State::Running;
            append(t);
            started = true;
            m_host.deliverEvent(t.picture ? 16 : 7, t.key);
            const QByteArray key = t.key;
            m_host.scheduler().schedule(kStepMs, QStringLiteral("upload %1").arg(QString::fromUtf8(key)), [this, key] { stepUpload(key); });
        }
    }
    return started;
}

void Transfers::stepUpload(const QByteArray &key)
{
    Transfer *t = findMutable(key);
    if (!t || t->state != State::Running)
        return;
    QFile file(t->localPath);
    if (!file.open(QIODevice::ReadOnly)) {
        t->state = State::Failed;
        t->error = QStringLiteral("Cannot read %1: %2").arg(t->localPath, file.errorString());
        m_host.deliverEvent(11, key + ',' + t->error.toUtf8());
        return;
    }
    t->size = file.size();
    t->transferred = std::min(t->size, t->transferred + (t->size + kUploadSteps - 1) / kUploadSteps);
    kelvan::Element progress("data");
    progress.setAttribute("uid", t->peer);
    progress.setAttribute("pfn", key);
    progress.setAttribute("uploaded", QByteArray::number(t->transferred));
    progress.setAttribute("total", QByteArray::number(t->size));
    m_host.deliverEvent(12, kelvan::writeElement(progress, 0));
    t = findMutable(key); // the plug-in may have stopped it meanwhile
    if (!t || t->state != State::Running)
        return;
    if (t->transferred < t->size) {
        m_host.scheduler().schedule(kStepMs, QStringLiteral("upload %1").arg(QString::fromUtf8(key)), [this, key] { stepUpload(key); });
        return;
    }
    const int at = position(key);
    setAddress(at, publish(file.readAll(), t->name, t->picture));
    t = &m_transfers[at];
    t->state = State::Done;
    const bool picture = t->picture;
    m_host.deliverEvent(10, key + ',' + QByteArray::number(t->size));
    m_host.deliverEvent(picture ? 17 : 9, key);
}

void Transfers::stopUploads(const QByteArray &peer)
{
    QByteArrayList stopped;
    for (Transfer &t : m_transfers) {
        if (t.upload && t.peer == peer && t.state == State::Running) {
            t.state = State::Stopped;
            stopped << t.key;
        }
    }
    for (const QByteArray &key : stopped)
        m_host.deliverEvent(18, key);
}

QString Transfers::uploadErrors(const QByteArray &peer) const
{
    QStringList errors;
    for (const Transfer &t : m_transfers) {
        if (t.upload && t.peer == peer && t.state == State::Failed && !t.error.isEmpty())
            errors << t.error;
    }
    return errors.join(QLatin1Char(' '));
}

QByteArray Transfers::details(const QByteArray &key) const
{
    const Transfer *t = find(key);
    if (!t)
        return QByteArray();
    kelvan::Element e("transfer");
    e.setAttribute("key", t->key);
    e.setAttribute("peer", t->peer);
    e.setAttribute("name", t->name.toUtf8());
    e.setAttribute("path", t->localPath.toUtf8());
    e.setAttribute("size", QByteArray::number(t->size));
    e.setAttribute("uploaded", QByteArray::number(t->transferred));
    e.setAttribute("picture", t->picture ? "1" : "0");
    return kelvan::writeElement(e, 0);
}

} // namespace hostkit
