#include "broadcast/broadcastdocument.h"

#include "broadcast/broadcastlog.h"
#include "broadcast/broadcastregistry.h"
#include "broadcast/broadcastthread.h"
#include "broadcast/broadcastwindowfactory.h"
#include "broadcast/broadcastwindowinterface.h"
#include "plugin/records/imageimpl.h"
#include "plugin/records/userobj.h"

#include <sdk/ihostservices.h>

#include <algorithm>
#include <mutex>

using Locker = std::lock_guard<BroadcastLock>;

BroadcastDocument::BroadcastDocument(BroadcastRegistry *registry, const QByteArray &id)
    : m_registry(registry)
    , m_id(id)
{
    if (BroadcastWindowFactory *factory = BroadcastWindowFactory::instance())
        m_window = factory->createComposer(this);
}

BroadcastDocument::~BroadcastDocument()
{
    BroadcastThread::retire(m_thread);
    if (BroadcastWindowInterface *window = m_window) {
        m_window = nullptr;
        window->release();
    }
}

BroadcastThread *BroadcastDocument::thread() const
{
    return m_thread;
}

QVector<BroadcastDocument::Recipient> BroadcastDocument::recipients() const
{
    const Locker lock(m_lock);
    return m_recipients;
}

int BroadcastDocument::recipientCount() const
{
    const Locker lock(m_lock);
    return m_recipients.size();
}

int BroadcastDocument::indexOf(quint64 peerId) const
{
    const auto at = std::lower_bound(m_recipients.cbegin(), m_recipients.cend(), peerId,
                                     [](const Recipient &r, quint64 id) { return r.peerId < id; });
    return at != m_recipients.cend() && at->peerId == peerId ? int(at - m_recipients.cbegin()) : -1;
}

int BroadcastDocument::stateOf(quint64 peerId) const
{
    const Locker lock(m_lock);
    const int i = indexOf(peerId);
    return i < 0 ? -1 : m_recipients.at(i).state;
}

int BroadcastDocument::addRecipients(const QList<quint64> &peerIds)
{
    const Locker lock(m_lock);
    if (!isComposing())
        return 0;
    int added = 0;
    for (const quint64 peer : peerIds) {
        const auto at = std::lower_bound(m_recipients.begin(), m_recipients.end(), peer,
                                         [](const Recipient &r, quint64 id) { return r.peerId < id; });
        if (peer == 0 || (at != m_recipients.end() && at->peerId == peer))
            continue;
        m_recipients.insert(at, Recipient{peer, Pending});
        ++added;
        if (m_window)
            m_window->recipientAdded(peer);
    }
    return added;
}

bool BroadcastDocument::removeRecipient(quint64 peerId)
{
    const Locker lock(m_lock);
    const int i = indexOf(peerId);
    if (!isComposing() || i < 0)
        return false;
    m_recipients.remove(i);
    if (m_window)
        m_window->recipientRemoved(peerId);
    return true;
}

QImage BroadcastDocument::avatar(quint64 peerId, int size) const
{
    IHostServices *host = m_registry->host();
    ImageImpl picture;
    const QByteArray id = QByteArray::number(peerId);
    if (!host || !host->getAvatar(id.constData(), &picture) || picture.image().isNull())
        return QImage();
    return picture.image().scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void BroadcastDocument::send(const QString &message)
{
    const Locker lock(m_lock);
    if (m_started || m_finished)
        return;
    m_started = true;
    m_message = m_registry->normalised(message);
    if (m_window)
        m_window->sendingStarted(m_recipients.size());
    if (m_recipients.size() >= ThreadedFrom || m_registry->limits().sendIntervalMs != 0)
        sendThreaded(m_message);
    else
        sendInline(m_message.toUtf8());
}

void BroadcastDocument::sendInline(const QByteArray &text)
{
    IHostServices *host = m_registry->host();
    for (const Recipient &recipient : QVector<Recipient>(m_recipients)) {
        const QByteArray peer = QByteArray::number(recipient.peerId);
        UserObj user;
        if (!host || !host->getUser(&user, peer.constData())) {
            // The host does not know the recipient: skipped, but the
            // progress counts it.
            if (m_window)
                m_window->peerFailed(recipient.peerId);
            continue;
        }
        host->sendBroadcast(m_id.constData(), peer.constData(), text.constData());
        advance(recipient.peerId, Sent);
        if (m_window)
            m_window->peerSent(recipient.peerId);
    }
    finishSending();
}

void BroadcastDocument::sendThreaded(const QString &text)
{
    if (m_thread)
        return;
    IHostServices *host = m_registry->host();
    auto canReceive = [host](const QByteArray &peer) { return host && host->canReceiveBroadcast(peer.constData()); };
    auto send = [host](const QByteArray &job, const QByteArray &peer, const QByteArray &body) {
        return host && host->sendBroadcast(job.constData(), peer.constData(), body.constData());
    };
    auto *thread = new BroadcastThread(m_id, canReceive, send);
    const BroadcastLimits limits = m_registry->limits();
    thread->setBatchSize(limits.batchSize);
    thread->setSendInterval(limits.sendIntervalMs);
    QVector<quint64> queue;
    queue.reserve(m_recipients.size());
    for (const Recipient &r : qAsConst(m_recipients))
        queue.append(r.peerId);
    thread->setQueue(queue);
    thread->setMessage(text);
    // Emitted on the sending thread: the automatic connections queue them here.
    connect(thread, &BroadcastThread::sigMessageSent, this, &BroadcastDocument::slotOnMessageSent);
    connect(thread, &BroadcastThread::sigSendingFailed, this, &BroadcastDocument::slotOnMessageSentFailed);
    connect(thread, &BroadcastThread::sigSendingFinished, this, &BroadcastDocument::slotOnSendingFinished);
    connect(thread, &QThread::finished, this, &BroadcastDocument::slotOnThreadFinished);
    m_thread = thread;
    thread->start(QThread::InheritPriority);
}

void BroadcastDocument::advance(quint64 peerId, int state)
{
    int i = indexOf(peerId);
    if (i < 0) {
        const auto at = std::lower_bound(m_recipients.begin(), m_recipients.end(), peerId,
                                         [](const Recipient &r, quint64 id) { return r.peerId < id; });
        i = int(at - m_recipients.begin());
        m_recipients.insert(i, Recipient{peerId, Pending});
    }
    m_recipients[i].state = std::max(m_recipients.at(i).state, state);
}

bool BroadcastDocument::allSeen() const
{
    return std::all_of(m_recipients.cbegin(), m_recipients.cend(), [](const Recipient &r) { return r.state == Seen; });
}

void BroadcastDocument::finishSending()
{
    if (m_finished)
        return;
    m_started = false;
    m_finished = true;
    qCInfo(lcBroadcast) << "job" << m_id << "sent";
    if (!m_window)
        return;
    m_window->sendingCompleted();
    // Receipts that came before the end of sending.
    if (!m_recipients.isEmpty() && allSeen())
        m_window->seenByAll();
}

bool BroadcastDocument::markSeen(quint64 peerId)
{
    const Locker lock(m_lock);
    const int i = indexOf(peerId);
    if (i < 0)
        return false;
    m_recipients[i].state = Seen;
    if (m_window) {
        m_window->peerSeen(peerId);
        if (allSeen())
            m_window->seenByAll();
    }
    return true;
}

void BroadcastDocument::slotOnMessageSent(quint64 peerID)
{
    const Locker lock(m_lock);
    advance(peerID, Sent);
    if (m_window)
        m_window->peerSent(peerID);
}

void BroadcastDocument::slotOnMessageSentFailed(quint64 peerID)
{
    qCInfo(lcBroadcast) << "job" << m_id << "cannot reach" << peerID;
    if (m_window)
        m_window->peerFailed(peerID);
}

void BroadcastDocument::slotOnSendingFinished()
{
    const Locker lock(m_lock);
    finishSending();
}

void BroadcastDocument::slotOnThreadFinished()
{
    const Locker lock(m_lock);
    finishSending();
    if (BroadcastThread *thread = m_thread) {
        m_thread = nullptr;
        thread->deleteLater();
    }
}

void BroadcastDocument::windowClosed()
{
    m_window = nullptr;
    m_registry->removeDocument(this);
}
