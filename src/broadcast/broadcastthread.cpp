#include "broadcast/broadcastthread.h"

#include "broadcast/broadcastlog.h"
#include "lib_kelvan/clock.h"
#include "lib_kelvan/threadmanager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>

namespace {

// Threads retired while running, until they have finished. GUI thread only.
QList<QPointer<BroadcastThread>> &retiredThreads()
{
    static QList<QPointer<BroadcastThread>> threads;
    return threads;
}

} // namespace

BroadcastThread::BroadcastThread(const QByteArray &jobId, ReceiveCheck canReceive, Send send, QObject *parent)
    : QThread(parent)
    , m_jobId(jobId)
    , m_canReceive(std::move(canReceive))
    , m_send(std::move(send))
{
    setObjectName(QStringLiteral("BroadcastThread"));
}

BroadcastThread::~BroadcastThread()
{
    stop();
    wait();
    const std::lock_guard<std::mutex> finished(m_running);
}

const char *BroadcastThread::registrationName()
{
    return "BroadcastThread";
}

void BroadcastThread::retire(BroadcastThread *thread)
{
    if (!thread)
        return;
    thread->disconnect();
    thread->stop();
    if (!thread->isRunning()) {
        delete thread;
        return;
    }
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    retiredThreads().append(thread);
}

bool BroadcastThread::finishRetired(int ms)
{
    QElapsedTimer elapsed;
    elapsed.start();
    QList<QPointer<BroadcastThread>> &threads = retiredThreads();
    for (;;) {
        bool running = false;
        for (QPointer<BroadcastThread> &thread : threads) {
            if (!thread)
                continue;
            if (thread->isFinished())
                delete thread.data();
            else
                running = true;
        }
        threads.removeAll(nullptr);
        if (!running)
            return true;
        if (elapsed.elapsed() >= ms) {
            qCWarning(lcBroadcast) << threads.size() << "sending threads did not stop in time";
            return false;
        }
        // A send in progress may wait for this thread (a host that serves
        // its calls here).
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
}

void BroadcastThread::stop()
{
    m_stop = true;
    kelvan::Clock::wakeSleepers();
}

void BroadcastThread::run()
{
    const std::lock_guard<std::mutex> running(m_running);
    const kelvan::ThreadRegistration registration(registrationName());
    if (m_stop)
        return;
    const QByteArray text = m_message.toUtf8();
    int left = m_batchSize;
    int next = 0;
    while (next < m_queue.size() && !m_stop) {
        const quint64 peer = m_queue.at(next++);
        const QByteArray peerId = QByteArray::number(peer);
        // A peer that cannot receive does not count towards the batch.
        if (!m_canReceive || !m_canReceive(peerId)) {
            Q_EMIT sigSendingFailed(peer);
            continue;
        }
        if (m_send)
            m_send(m_jobId, peerId, text);
        Q_EMIT sigMessageSent(peer);
        if (m_stop)
            break;
        if (--left > 0)
            continue;
        left = m_batchSize;
        if (next < m_queue.size() && m_intervalMs > 0)
            kelvan::Clock::sleepFor(m_intervalMs, m_stop);
    }
    Q_EMIT sigSendingFinished();
}
