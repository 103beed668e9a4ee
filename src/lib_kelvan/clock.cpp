#include "clock.h"

#include <QElapsedTimer>

#include <ctime>
#include <limits>

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
    // The offset follows the same C library time zone rules Qt applies for
    // local time. Rules change the offset only on whole seconds, so each
    // thread looks it up once per second.
    thread_local qint64 lookedUpFor = std::numeric_limits<qint64>::min();
    thread_local int offset = 0;
    const qint64 second = ms >= 0 ? ms / 1000 : (ms - 999) / 1000;
    if (second != lookedUpFor) {
        const std::time_t seconds = static_cast<std::time_t>(second);
        std::tm broken{};
        offset = localtime_r(&seconds, &broken) ? static_cast<int>(broken.tm_gmtoff) : 0;
        lookedUpFor = second;
    }
    return {ms, offset};
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
