#include "clock.h"

#include <QElapsedTimer>

namespace kelvan {

namespace {
std::atomic<Clock *> g_installed{nullptr};
}

Clock &Clock::instance()
{
    static SystemClock system;
    Clock *installed = g_installed.load(std::memory_order_acquire);
    return installed ? *installed : system;
}

void Clock::setInstance(Clock *clock)
{
    g_installed.store(clock, std::memory_order_release);
}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

qint64 SystemClock::tickMs() const
{
    static QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return started.elapsed();
}

ManualClock::ManualClock(const QDateTime &start)
    : m_epochMs(start.toMSecsSinceEpoch())
    , m_offsetSeconds(start.offsetFromUtc())
{
}

QDateTime ManualClock::now() const
{
    return QDateTime::fromMSecsSinceEpoch(m_epochMs.load(), Qt::OffsetFromUTC, m_offsetSeconds.load());
}

qint64 ManualClock::tickMs() const
{
    return m_tick.load();
}

void ManualClock::setNow(const QDateTime &now)
{
    m_epochMs.store(now.toMSecsSinceEpoch());
    m_offsetSeconds.store(now.offsetFromUtc());
}

void ManualClock::advance(qint64 ms)
{
    m_epochMs.fetch_add(ms);
    m_tick.fetch_add(ms);
}

} // namespace kelvan
