#include "event.h"

#include <chrono>

namespace kelvan {

Event::Event(Reset reset)
    : m_reset(reset)
{
}

void Event::set()
{
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_set)
            return;
        m_set = true;
    }
    if (m_reset == Reset::Auto)
        m_changed.notify_one();
    else
        m_changed.notify_all();
}

void Event::reset()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_set = false;
}

bool Event::isSet() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_set;
}

bool Event::takeLocked()
{
    if (!m_set)
        return false;
    if (m_reset == Reset::Auto)
        m_set = false;
    return true;
}

void Event::wait()
{
    std::unique_lock<std::mutex> guard(m_lock);
    m_changed.wait(guard, [this] { return m_set; });
    takeLocked();
}

bool Event::wait(int timeoutMs)
{
    std::unique_lock<std::mutex> guard(m_lock);
    m_changed.wait_for(guard, std::chrono::milliseconds(qMax(0, timeoutMs)), [this] { return m_set; });
    return takeLocked();
}

} // namespace kelvan
