#pragma once

#include <QByteArray>
#include <QString>
#include <QThread>
#include <QVector>

#include <atomic>
#include <functional>
#include <mutex>

// Sends one broadcast job recipient by recipient on a thread of its own, in
// batches with a pause after each (but the last). It works on its own
// copies (job id, queue, message, batch size, interval) and the stop flag,
// and talks back only through its signals, which reach the job on the GUI
// thread queued. Pauses run on kelvan::Clock::sleepFor, so a stop ends one at
// once and a test's clock ends it without real waiting.
//
// A thread runs once. It registers with the library's thread manager while
// it runs.
class BroadcastThread : public QThread
{
    Q_OBJECT
    Q_DISABLE_COPY(BroadcastThread)

public:
    // The host's operations, called on the sending thread: whether the peer
    // can receive broadcasts, and the send itself (job id, peer id, text).
    using ReceiveCheck = std::function<bool(const QByteArray &peerId)>;
    using Send = std::function<bool(const QByteArray &jobId, const QByteArray &peerId, const QByteArray &text)>;

    BroadcastThread(const QByteArray &jobId, ReceiveCheck canReceive, Send send, QObject *parent = nullptr);
    // Stops the thread and waits for it.
    ~BroadcastThread() override;

    // Before start().
    void setQueue(const QVector<quint64> &peers) { m_queue = peers; }
    void setMessage(const QString &message) { m_message = message; }
    void setBatchSize(int size) { m_batchSize = qMax(1, size); }
    void setSendInterval(int ms) { m_intervalMs = ms; }

    // Any thread: no further recipient is sent to, a pause ends at once.
    void stop();
    bool isStopRequested() const { return m_stop.load(); }

    QByteArray jobId() const { return m_jobId; }
    // The name the thread registers under.
    static const char *registrationName();

    // Stops the thread, which deletes itself once it has finished (at once
    // when it is not running). Its signals no longer reach anyone. Never
    // waits: a send in progress may need the GUI thread to finish.
    static void retire(BroadcastThread *thread);
    // Waits up to `ms`, processing events, for the retired threads to
    // finish and deletes those that did; false when one is still running.
    // For the end of the library's life, when no event loop comes back.
    static bool finishRetired(int ms);

Q_SIGNALS:
    void sigMessageSent(quint64 peerID);
    void sigSendingFailed(quint64 peerID);
    void sigSendingFinished();

protected:
    void run() override;

private:
    const QByteArray m_jobId;
    const ReceiveCheck m_canReceive;
    const Send m_send;
    QVector<quint64> m_queue;
    QString m_message;
    int m_batchSize = 1;
    int m_intervalMs = 0;
    std::atomic<bool> m_stop{false};
    // Held by run() while it works: the destructor takes it after the
    // thread has finished, which orders run()'s last writes before the
    // members go (a hand-over ThreadSanitizer can follow, unlike QThread's).
    std::mutex m_running;
};
