#include "clock.h"

#include <QElapsedTimer>

#include <ctime>

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

Clock::Instant Clock::instant() const
{
    const QDateTime local = now();
    return {local.toMSecsSinceEpoch(), local.offsetFromUtc()};
}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

Clock::Instant SystemClock::instant() const
{
    const qint64 ms = QDateTime::currentMSecsSinceEpoch();
    // The same C library time zone rules Qt applies for local time, read
    // without Qt's per-call tzset().
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm broken{};
    if (!localtime_r(&seconds, &broken))
        return {ms, 0};
    return {ms, static_cast<int>(broken.tm_gmtoff)};
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

Clock::Instant ManualClock::instant() const
{
    return {m_epochMs.load(), m_offsetSeconds.load()};
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
