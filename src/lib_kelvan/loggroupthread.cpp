#include "loggroupthread.h"

#include "clock.h"
#include "logstamp.h"
#include "thread.h"

#include <QLoggingCategory>

#include <cstring>
#include <limits>

Q_LOGGING_CATEGORY(lcKelvanLog, "kelvan.log")

namespace kelvan {

namespace {

// The group whose worker runs on this thread, so that a member calling back
// into drain() from the worker does not wait for itself.
thread_local const LogGroupThread *t_workerOf = nullptr;

// A queue that grew beyond this in a burst gives its memory back once the
// worker has written it.
constexpr size_t kKeptQueueBytes = 4u << 20;
// Likewise for the memory each logging thread builds its lines in.
constexpr size_t kKeptLineBytes = 64u << 10;

// Callers hold the queue lock for one copy and the worker for a swap, far
// shorter than putting a thread to sleep and waking it again; so a thread
// finding the lock taken spins briefly before it blocks.
std::unique_lock<std::mutex> lockBriefly(std::mutex &lock)
{
    for (int i = 0; i < 100; ++i) {
        if (lock.try_lock())
            return std::unique_lock<std::mutex>(lock, std::adopt_lock);
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#endif
    }
    return std::unique_lock<std::mutex>(lock);
}

bool isAscii(const QString &text)
{
    const ushort *chars = reinterpret_cast<const ushort *>(text.constData());
    const int length = text.size();
    ushort seen = 0;
    for (int i = 0; i < length; ++i)
        seen |= chars[i];
    return seen < 0x80;
}

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

void LogGroupThread::Queue::swap(Queue &other)
{
    bytes.swap(other.bytes);
    ends.swap(other.ends);
}

LogLines LogGroupThread::Queue::lines() const
{
    LogLines out;
    out.reserve(size());
    size_t start = 0;
    for (const size_t end : ends) {
        out.append(QByteArray(bytes.data() + start, int(end - start)));
        start = end;
    }
    return out;
}

void LogGroupThread::Queue::clear()
{
    bytes.clear();
    ends.clear();
    if (bytes.capacity() > kKeptQueueBytes)
        std::string().swap(bytes);
}

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
    Queue rest;
    {
        std::lock_guard<std::mutex> guard(m_queueLock);
        rest.swap(m_queue);
        if (m_workerStarted && rest.size() == 0)
            return;
    }
    writeOut(rest.lines(), true);
}

bool LogGroupThread::pushLocked(const char *data, size_t size)
{
    const size_t mark = m_queue.bytes.size();
    try {
        m_queue.bytes.append(data, size);
        m_queue.ends.push_back(m_queue.bytes.size());
    } catch (...) {
        m_queue.bytes.resize(mark);
        throw;
    }
    if (!m_workerStarted)
        startWorkerLocked();
    return m_queue.size() == WakeUpLines;
}

void LogGroupThread::log(const QString &text)
{
    if (!isEnabled())
        return;
    try {
        if (!isAscii(text)) {
            write(line(text));
            return;
        }
        // The line is built outside the lock, in memory each thread keeps.
        thread_local std::string built;
        const QByteArray *prefix = hasTimestamps() ? &LogStamp::current().prefix() : nullptr;
        const size_t prefixSize = prefix ? size_t(prefix->size()) : 0;
        const size_t length = size_t(text.size());
        built.resize(prefixSize + length + 2);
        char *out = &built[0];
        if (prefixSize)
            std::memcpy(out, prefix->constData(), prefixSize);
        out += prefixSize;
        const ushort *chars = reinterpret_cast<const ushort *>(text.constData());
        for (size_t i = 0; i < length; ++i)
            out[i] = char(chars[i]);
        out[length] = '\r';
        out[length + 1] = '\n';
        push(built.data(), built.size());
        if (built.capacity() > kKeptLineBytes)
            std::string().swap(built);
    } catch (...) {
        // Out of memory while queueing: the line is lost, the caller is not.
    }
}

void LogGroupThread::push(const char *data, size_t size)
{
    bool wake;
    {
        const std::unique_lock<std::mutex> lock = lockBriefly(m_queueLock);
        if (m_queue.size() >= MaxQueuedLines) {
            ++m_dropped;
            return;
        }
        wake = pushLocked(data, size);
    }
    if (wake)
        m_wake.set();
}

void LogGroupThread::write(const QByteArray &line)
{
    try {
        push(line.constData(), size_t(line.size()));
    } catch (...) {
    }
}

void LogGroupThread::write(const LogLines &lines)
{
    try {
        bool wake = false;
        {
            const std::unique_lock<std::mutex> lock = lockBriefly(m_queueLock);
            for (int i = 0; i < lines.size(); ++i) {
                if (m_queue.size() >= MaxQueuedLines) {
                    m_dropped += quint64(lines.size() - i);
                    break;
                }
                wake |= pushLocked(lines.at(i).constData(), size_t(lines.at(i).size()));
            }
        }
        if (wake)
            m_wake.set();
    } catch (...) {
    }
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
        Queue pending;
        pending.swap(m_queue);
        lock.unlock();
        writeOut(pending.lines(), flushMembers);
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
    Queue taken;
    for (;;) {
        m_wake.wait(WakeUpMs);
        bool stop;
        bool flushAsked;
        quint64 ticket;
        {
            const std::unique_lock<std::mutex> lock = lockBriefly(m_queueLock);
            taken.swap(m_queue);
            stop = m_stop;
            flushAsked = m_flushNow;
            m_flushNow = false;
            ticket = m_roundsRequested;
        }
        if (taken.size() > 0) {
            LogGroup::write(taken.lines());
            taken.clear();
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
