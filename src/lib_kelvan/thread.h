#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <atomic>
#include <mutex>
#include <thread>

namespace kelvan {

// A thread of the support library: subclasses put their work in run(). While
// run() executes, the thread is registered under its name with the
// per-thread storage manager (threadManager()), so the host sees every
// thread the library starts. Only the support library uses raw threads; the
// rest of the code starts kelvan::Thread subclasses or QThreads.
class Thread
{
public:
    explicit Thread(QByteArray name);
    // Joins a thread that is still running as a last resort. A subclass whose
    // run() reads its own members must stop and join in its own destructor,
    // before those members are gone.
    virtual ~Thread();

    // Starts run() on a new thread; a thread whose run() has returned may be
    // started again. Throws ThreadCreationException when the system cannot
    // create a thread, or when run() is still executing.
    void start();
    // Waits until run() has returned. Does nothing when the thread was never
    // started, was already joined, or when called from the thread itself.
    void join();
    // True from start() until run() has returned and the thread has left the
    // thread manager.
    bool isRunning() const;

    const QByteArray &name() const { return m_name; }

protected:
    virtual void run() = 0;

private:
    Q_DISABLE_COPY(Thread)

    void main();

    const QByteArray m_name;
    std::atomic<bool> m_running{false};
    std::atomic<std::thread::id> m_runningOn{}; // the thread inside run(), if any
    std::mutex m_handleLock; // guards m_handle between start() and join()
    std::thread m_handle;
};

} // namespace kelvan
