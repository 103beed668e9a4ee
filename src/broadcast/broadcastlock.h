#pragma once

#include <QRecursiveMutex>

#include <atomic>

// The recursive lock of the broadcast registry and of each job, counting its
// holders (a thread that holds it twice counts twice). Used with
// std::lock_guard.
class BroadcastLock
{
public:
    void lock()
    {
        m_mutex.lock();
        ++m_holders;
    }
    void unlock()
    {
        --m_holders;
        m_mutex.unlock();
    }
    int holders() const { return m_holders.load(); }

private:
    QRecursiveMutex m_mutex;
    std::atomic<int> m_holders{0};
};
