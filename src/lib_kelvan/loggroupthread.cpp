#include "loggroupthread.h"

#include "clock.h"
#include "thread.h"

#include <QLoggingCategory>

#include <limits>

Q_LOGGING_CATEGORY(lcKelvanLog, "kelvan.log")

namespace kelvan {

namespace {
// The group whose worker runs on this thread, so that a member calling back
// into drain() from the worker does not wait for itself.
thread_local const LogGroupThread *t_workerOf = nullptr;
} // namespace

class LogGroupThread::LGThread : public Thread
{
public:
    explicit LGThread(LogGroupThread &group)
        : Thread(QByteArrayLiteral("LogGroupThread"))
        , m_group(group)
    {
    }
    ~LGThread() override { join(); }

protected:
    void run() override { m_group.workerLoop(); }

private:
    LogGroupThread &m_group;
};

LogGroupThread::LogGroupThread()
    : m_worker(std::make_unique<LGThread>(*this))
{
    // The worker reads the clock until this object is destroyed. Touching
    // the system clock's function-local static now makes it outlive a group
    // that is itself static, like the default logger.
    Clock::instance();
}

LogGroupThread::~LogGroupThread()
{
    {
        std::lock_guard<std::mutex> guard(m_queueLock);
        m_stop = true;
    }
    m_wake.set();
    m_worker->join();
    // Lines the worker never saw: it did not start, or a caller raced the
    // shutdown.
    LogLines rest;
    {
        std::lock_guard<std::mutex> guard(m_queueLock);
        rest.swap(m_queue);
        if (m_workerStarted && rest.isEmpty())
            return;
    }
    writeOut(rest, true);
}

void LogGroupThread::write(const QByteArray &line)
{
    bool wake = false;
    try {
        std::lock_guard<std::mutex> guard(m_queueLock);
        if (m_queue.size() >= MaxQueuedLines) {
            ++m_dropped;
            return;
        }
        // Only the first line of a batch needs to wake the worker: it takes
        // the whole queue at once.
        wake = m_queue.isEmpty();
        m_queue.append(line);
        if (!m_workerStarted)
            startWorkerLocked();
    } catch (...) {
        // Out of memory while queueing: the line is lost, the caller is not.
    }
    if (wake)
        m_wake.set();
}

void LogGroupThread::write(const LogLines &lines)
{
    bool wake = false;
    try {
        std::lock_guard<std::mutex> guard(m_queueLock);
        const int room = qMax(0, MaxQueuedLines - m_queue.size());
        const int taken = qMin(room, lines.size());
        m_dropped += quint64(lines.size() - taken);
        if (taken == 0)
            return;
        wake = m_queue.isEmpty();
        m_queue.reserve(m_queue.size() + taken);
        for (int i = 0; i < taken; ++i)
            m_queue.append(lines.at(i));
        if (!m_workerStarted)
            startWorkerLocked();
    } catch (...) {
    }
    if (wake)
        m_wake.set();
}

void LogGroupThread::startWorkerLocked()
{
    if (m_stop || m_startFailed)
        return;
    try {
        m_worker->start();
        m_workerStarted = true;
    } catch (const std::exception &error) {
        // Lines stay queued (up to the limit) and drain(), flushNow() or the
        // destructor write them on the caller's thread.
        m_startFailed = true;
        qCWarning(lcKelvanLog) << "log worker not started, lines are written on demand only:" << error.what();
    }
}

void LogGroupThread::flush()
{
    bool started;
    {
        std::lock_guard<std::mutex> guard(m_queueLock);
        started = m_workerStarted;
        if (started)
            m_flushNow = true;
    }
    if (started)
        m_wake.set();
    else
        waitForWorker(true); // no worker: nothing queued but what start failures left
}

void LogGroupThread::drain()
{
    waitForWorker(false);
}

void LogGroupThread::flushNow()
{
    waitForWorker(true);
}

void LogGroupThread::waitForWorker(bool flushMembers)
{
    if (t_workerOf == this)
        return;
    std::unique_lock<std::mutex> lock(m_queueLock);
    if (!m_workerStarted) {
        LogLines pending;
        pending.swap(m_queue);
        lock.unlock();
        writeOut(pending, flushMembers);
        return;
    }
    if (flushMembers)
        m_flushNow = true;
    const quint64 ticket = ++m_roundsRequested;
    lock.unlock();
    m_wake.set();
    lock.lock();
    m_progress.wait(lock, [&] { return m_roundsCompleted >= ticket; });
}

void LogGroupThread::writeOut(const LogLines &lines, bool flushMembers)
{
    try {
        if (!lines.isEmpty())
            LogGroup::write(lines);
        if (flushMembers)
            LogGroup::flush();
    } catch (...) {
    }
}

quint64 LogGroupThread::droppedLines() const
{
    std::lock_guard<std::mutex> guard(m_queueLock);
    return m_dropped;
}

int LogGroupThread::queuedLines() const
{
    std::lock_guard<std::mutex> guard(m_queueLock);
    return m_queue.size();
}

bool LogGroupThread::isWorkerRunning() const
{
    return m_worker->isRunning();
}

void LogGroupThread::workerLoop()
{
    t_workerOf = this;
    // However the loop ends, nobody may keep waiting for a round.
    struct Release
    {
        LogGroupThread &group;
        ~Release()
        {
            {
                std::lock_guard<std::mutex> guard(group.m_queueLock);
                group.m_roundsCompleted = std::numeric_limits<quint64>::max();
            }
            group.m_progress.notify_all();
            t_workerOf = nullptr;
        }
    } release{*this};

    qint64 lastFlush = Clock::instance().tickMs();
    LogLines batch;
    for (;;) {
        m_wake.wait(WakeUpMs);
        bool stop;
        bool flushAsked;
        quint64 ticket;
        {
            std::lock_guard<std::mutex> guard(m_queueLock);
            batch.swap(m_queue);
            stop = m_stop;
            flushAsked = m_flushNow;
            m_flushNow = false;
            ticket = m_roundsRequested;
        }
        if (!batch.isEmpty()) {
            LogGroup::write(batch);
            batch.clear();
        }
        const qint64 now = Clock::instance().tickMs();
        // Ticks never go back, so a smaller one means another clock was
        // installed: the interval starts over on its time line.
        if (now < lastFlush)
            lastFlush = now;
        if (flushAsked || stop || now - lastFlush >= FlushIntervalMs) {
            LogGroup::flush();
            lastFlush = now;
        }
        {
            std::lock_guard<std::mutex> guard(m_queueLock);
            m_roundsCompleted = ticket;
        }
        m_progress.notify_all();
        if (stop)
            return;
    }
}

} // namespace kelvan
