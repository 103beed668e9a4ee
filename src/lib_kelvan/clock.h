#pragma once

#include <QDateTime>

#include <atomic>

namespace kelvan {

// Where the library reads the time. Production code asks Clock::instance();
// tests and the reference host's scenarios install a ManualClock so that day
// changes, flush intervals and throttles are exercised without waiting.
class Clock
{
public:
    virtual ~Clock() = default;

    // Wall-clock time as local time (the offset from UTC is part of it).
    virtual QDateTime now() const = 0;
    // Monotonic milliseconds for intervals; never goes back.
    virtual qint64 tickMs() const = 0;

    // The instant now() stands for, without building a QDateTime. For callers
    // that read the time on every call (each log line): the system clock's
    // now() costs microseconds because Qt consults the time zone database.
    struct Instant
    {
        qint64 epochMs = 0;    // milliseconds since 1970-01-01T00:00:00Z
        int offsetSeconds = 0; // local time minus UTC
    };
    // The default derives it from now().
    virtual Instant instant() const;

    static Clock &instance();
    // Installs a clock (not owned); null restores the system clock.
    static void setInstance(Clock *clock);
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
    qint64 tickMs() const override;
    Instant instant() const override;
};

// A clock that moves only when told to. Thread-safe: the log worker reads it
// while a test advances it.
class ManualClock final : public Clock
{
public:
    explicit ManualClock(const QDateTime &start = QDateTime(QDate(2026, 3, 5), QTime(12, 0), Qt::OffsetFromUTC, 3600));

    QDateTime now() const override;
    qint64 tickMs() const override;
    Instant instant() const override;

    void setNow(const QDateTime &now);
    void advance(qint64 ms);

private:
    std::atomic<qint64> m_epochMs;
    std::atomic<int> m_offsetSeconds;
    std::atomic<qint64> m_tick{0};
};

} // namespace kelvan
