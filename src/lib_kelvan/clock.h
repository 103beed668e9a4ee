#pragma once

#include <QDateTime>

#include <atomic>

namespace kelvan {

// Hears of the moves of a clock that does not pass by itself, and may hold
// timers of its own that such a move has to stop at: a plug-in running on
// its host's clock keeps its timers in a library copy of its own.
class ClockListener
{
public:
    // The clock moved (forward, or its wall time jumped). Called on the
    // thread that moved it.
    virtual void clockMoved() = 0;
    // The earliest tick after `afterTickMs` a timer of the listener is due
    // at; -1 when none.
    virtual qint64 nextDueTickMs(qint64 afterTickMs) = 0;

protected:
    ~ClockListener() = default;
};

// Where the library reads the time. Production code asks Clock::instance();
// tests and the reference host's scenarios install a ManualClock so that day
// changes, flush intervals and throttles are exercised without waiting.
// Intervals that have to follow an installed clock use ClockTimer.
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

    // True for a clock whose time passes on its own (the system clock):
    // ClockTimers then wait on real timers. A clock that moves only when
    // told calls announceMoved() after each move instead.
    virtual bool passesByItself() const { return true; }

    static Clock &instance();
    // The installed clock; null while the system clock is in use.
    static Clock *installed();
    // Installs a clock (not owned); null restores the system clock. Running
    // ClockTimers keep the time they had left, measured on the new clock.
    static void setInstance(Clock *clock);

    // After the installed clock moved: ClockTimers due by now fire (those of
    // the calling thread before this returns, the others on their threads),
    // then every listener hears of it.
    static void announceMoved();
    // The earliest tick after `afterTickMs` that a ClockTimer or a listener
    // is due at; -1 when none. A clock that is told to move far stops there.
    static qint64 nextDueTickMs(qint64 afterTickMs);
    // Listeners are not owned; remove one before it goes.
    static void addListener(ClockListener *listener);
    static void removeListener(ClockListener *listener);

    // Pauses the calling thread for `ms` of the installed clock's tick, or
    // less once `stop` is true; returns whether the whole pause passed. For
    // worker threads, which have no event loop for a ClockTimer. Under a
    // clock that passes by itself the thread sleeps in real slices of at
    // most SleepSliceMs; under one that moves only when told, it waits for
    // the moves (announceMoved), so a test or a host's simulated time ends
    // the pause without real waiting. Whoever sets a stop flag calls
    // wakeSleepers() so that the pause ends at once.
    static constexpr qint64 SleepSliceMs = 20;
    static bool sleepFor(qint64 ms, const std::atomic<bool> &stop);
    static void wakeSleepers();
    // Threads inside sleepFor now: tests see a worker reach its pause.
    static int sleeperCount();
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
    bool passesByItself() const override { return false; }

    // Moves the wall time only; the tick stays.
    void setNow(const QDateTime &now);
    // Moves both forward by `ms` (negative counts as 0). While installed it
    // stops at the due time of every timer on the way and fires it there, so
    // a repeating timer fires once per interval passed and reads the time it
    // was due at.
    void advance(qint64 ms);

private:
    void moveTo(qint64 tick);

    std::atomic<qint64> m_epochMs;
    std::atomic<int> m_offsetSeconds;
    std::atomic<qint64> m_tick{0};
};

} // namespace kelvan
