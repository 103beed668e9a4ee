#include "thread.h"

#include "exceptions.h"
#include "threadmanager.h"

#include <QLoggingCategory>

#include <system_error>

Q_LOGGING_CATEGORY(lcKelvanThread, "kelvan.thread")

namespace kelvan {

Thread::Thread(QByteArray name)
    : m_name(std::move(name))
{
}

Thread::~Thread()
{
    join();
}

void Thread::start()
{
    std::lock_guard<std::mutex> guard(m_handleLock);
    if (m_handle.joinable()) {
        if (m_running.load())
            throw ThreadCreationException(QStringLiteral("thread %1 is already running").arg(QString::fromUtf8(m_name)));
        m_handle.join(); // finished but never joined: only its last instructions remain
    }
    m_running.store(true);
    try {
        m_handle = std::thread(&Thread::main, this);
    } catch (const std::system_error &error) {
        m_running.store(false);
        throw ThreadCreationException(QStringLiteral("cannot start thread %1: %2")
                                          .arg(QString::fromUtf8(m_name), QString::fromLocal8Bit(error.what())));
    }
}

void Thread::join()
{
    // Checked before taking the lock, which another thread may hold while
    // it joins this one.
    if (m_runningOn.load() == std::this_thread::get_id())
        return;
    std::lock_guard<std::mutex> guard(m_handleLock);
    if (m_handle.joinable())
        m_handle.join();
}

bool Thread::isRunning() const
{
    return m_running.load();
}

void Thread::main()
{
    m_runningOn.store(std::this_thread::get_id());
    {
        ThreadRegistration registration(m_name.constData());
        // An exception leaving a thread function ends the process; the
        // library's threads report it and stop instead.
        try {
            run();
        } catch (const std::exception &error) {
            qCWarning(lcKelvanThread) << "thread" << m_name << "stopped by an exception:" << error.what();
        } catch (...) {
            qCWarning(lcKelvanThread) << "thread" << m_name << "stopped by an unknown exception";
        }
    }
    m_runningOn.store(std::thread::id());
    m_running.store(false);
}

} // namespace kelvan
