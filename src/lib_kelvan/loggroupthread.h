#pragma once

#include "event.h"
#include "loggroup.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace kelvan {

// A group whose members are written on a worker thread of its own: callers
// only put finished lines on a queue and return, and the worker does every
// file, console and socket write. The worker starts with the first write and
// takes the queue every 50 ms at the latest, sooner when woken; it hands
// everything queued to the members, and flushes them once 5000 ms of
// kelvan::Clock time have passed since the last flush or when a flush was
// asked for. Destroying the group writes out what is still queued, flushes
// the members and stops the worker.
class LogGroupThread : public LogGroup
{
public:
    // Lines beyond this many waiting are dropped: a logger that cannot keep
    // up must not eat the process's memory.
    static constexpr int MaxQueuedLines = 10000;
    static constexpr int WakeUpMs = 50;
    // Queued lines that wake the worker before its round is due. Waking a
    // sleeping thread costs the caller a system call, several times what the
    // rest of a log call costs, so a line on its own waits for the round (at
    // most WakeUpMs) and only a burst gets the worker up early, long before
    // the queue could fill.
    static constexpr int WakeUpLines = 1000;
    static constexpr qint64 FlushIntervalMs = 5000;

    LogGroupThread();
    ~LogGroupThread() override;

    using LogGroup::log;
    // Builds the line in memory the calling thread keeps and copies it into
    // the queue: no allocation per line.
    void log(const QString &text) override;
    // Asks the worker to flush the members on its next round; returns at
    // once. Callers never wait for the disk.
    void flush() override;
    void write(const QByteArray &line) override;
    void write(const LogLines &lines) override;

    // Waits until every line queued before the call has been handed to the
    // members, and the worker has decided on a flush by its usual rule.
    void drain();
    // Like drain(), and the members are flushed before it returns.
    void flushNow();

    // Lines refused because the queue was full, since construction.
    quint64 droppedLines() const;
    int queuedLines() const;
    bool isWorkerRunning() const;

private:
    class LGThread;
    friend class LGThread;

    // Queued lines back to back in one buffer, with the offset where each
    // ends: callers copy a line into memory that is reused round after
    // round instead of allocating one array per line.
    struct Queue
    {
        std::string bytes;
        std::vector<size_t> ends;

        int size() const { return int(ends.size()); }
        void swap(Queue &other);
        LogLines lines() const;
        void clear();
    };

    // Queues one finished line, or counts it as dropped.
    void push(const char *data, size_t size);
    // Appends one line to the queue; returns whether to wake the worker.
    bool pushLocked(const char *data, size_t size);
    void workerLoop();
    void startWorkerLocked();
    void waitForWorker(bool flushMembers);
    // Writes on the calling thread, for when there is no worker.
    void writeOut(const LogLines &lines, bool flushMembers);

    mutable std::mutex m_queueLock;     // guards everything below but the event
    std::condition_variable m_progress; // a worker round finished
    Queue m_queue;
    Event m_wake;
    std::unique_ptr<LGThread> m_worker;
    bool m_workerStarted = false;
    bool m_startFailed = false;
    bool m_stop = false;
    bool m_flushNow = false;
    quint64 m_roundsRequested = 0; // drain tickets handed out
    quint64 m_roundsCompleted = 0; // highest ticket the worker has served
    quint64 m_dropped = 0;
};

} // namespace kelvan
