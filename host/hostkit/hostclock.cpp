#include "hostclock.h"

#include <algorithm>

namespace hostkit {

HostClock::HostClock()
{
    kelvan::Clock::addListener(this);
}

HostClock::~HostClock()
{
    kelvan::Clock::removeListener(this);
}

bool HostClock::isOffered() const
{
    return !kelvan::Clock::instance().passesByItself();
}

int HostClock::listenerCount() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return int(m_listeners.size());
}

std::int64_t HostClock::epochMs()
{
    return kelvan::Clock::instance().instant().epochMs;
}

int HostClock::utcOffsetSeconds()
{
    return kelvan::Clock::instance().instant().offsetSeconds;
}

std::int64_t HostClock::tickMs()
{
    return kelvan::Clock::instance().tickMs();
}

void HostClock::registerListener(IHostClockListener *listener)
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (listener && std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
        m_listeners.push_back(listener);
}

void HostClock::unregisterListener(IHostClockListener *listener)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

std::vector<IHostClockListener *> HostClock::listeners() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_listeners;
}

void HostClock::clockMoved()
{
    for (IHostClockListener *listener : listeners())
        listener->onHostClockMoved();
}

qint64 HostClock::nextDueTickMs(qint64 afterTickMs)
{
    qint64 next = -1;
    for (IHostClockListener *listener : listeners()) {
        const qint64 due = listener->nextDueTickMs(afterTickMs);
        if (due > afterTickMs && (next < 0 || due < next))
            next = due;
    }
    return next;
}

} // namespace hostkit
