#include "clock.h"

#include "clocktimer.h"

#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <limits>
#include <mutex>
#include <vector>

namespace kelvan {

namespace {

std::atomic<Clock *> g_installed{nullptr};

struct Listeners
{
    std::mutex lock;
    std::vector<ClockListener *> list;
};

// Never destroyed: a listener may leave after static destruction began.
Listeners &listeners()
{
    static auto *l = new Listeners;
    return *l;
}

// Threads pausing in sleepFor wait here; every clock move and every
// wakeSleepers() wakes them to look at the tick and their stop flags. A
// standard mutex and condition, so ThreadSanitizer follows the hand-over.
struct Sleepers
{
    std::mutex lock;
    std::condition_variable woken;
    std::atomic<int> count{0};
};

// Never destroyed, as the listeners.
Sleepers &sleepers()
{
    static auto *s = new Sleepers;
    return *s;
}

void notifySleepers()
{
    Sleepers &s = sleepers();
    // Taking the lock orders this wake after a sleeper's last look at its
    // flag, so the wake cannot fall between that look and its wait.
    { std::lock_guard<std::mutex> guard(s.lock); }
    s.woken.notify_all();
}

std::vector<ClockListener *> listenersNow()
{
    Listeners &l = listeners();
    std::lock_guard<std::mutex> guard(l.lock);
    return l.list;
}

} // namespace

Clock &Clock::instance()
{
    static SystemClock system;
    Clock *installed = g_installed.load(std::memory_order_acquire);
    return installed ? *installed : system;
}

Clock *Clock::installed()
{
    return g_installed.load(std::memory_order_acquire);
}

void Clock::setInstance(Clock *clock)
{
    const qint64 oldTick = instance().tickMs();
    g_installed.store(clock, std::memory_order_release);
    ClockTimer::rebase(oldTick, instance().tickMs());
    notifySleepers();
}

void Clock::announceMoved()
{
    ClockTimer::fireDue();
    for (ClockListener *listener : listenersNow())
        listener->clockMoved();
    notifySleepers();
}

bool Clock::sleepFor(qint64 ms, const std::atomic<bool> &stop)
{
    Sleepers &s = sleepers();
    std::unique_lock<std::mutex> lock(s.lock);
    ++s.count;
    const Clock *clock = &instance();
    qint64 last = clock->tickMs();
    qint64 remaining = ms;
    bool passed = false;
    for (;;) {
        if (stop.load())
            break;
        // Time counts on the clock the pause started on; after a switch
        // (a test installing its clock) what was left carries over.
        const Clock *now = &instance();
        const qint64 tick = now->tickMs();
        if (now == clock)
            remaining -= std::max<qint64>(0, tick - last);
        clock = now;
        last = tick;
        if (remaining <= 0) {
            passed = true;
            break;
        }
        // A clock that moves only when told wakes the sleepers itself; the
        // slice then only bounds how long a missed switch of clocks goes
        // unnoticed.
        const qint64 slice = clock->passesByItself() ? std::min(remaining, SleepSliceMs) : SleepSliceMs;
        s.woken.wait_for(lock, std::chrono::milliseconds(slice));
    }
    --s.count;
    return passed;
}

void Clock::wakeSleepers()
{
    notifySleepers();
}

int Clock::sleeperCount()
{
    return sleepers().count.load();
}

qint64 Clock::nextDueTickMs(qint64 afterTickMs)
{
    qint64 next = ClockTimer::earliestDueAfter(afterTickMs);
    for (ClockListener *listener : listenersNow()) {
        const qint64 due = listener->nextDueTickMs(afterTickMs);
        if (due > afterTickMs && (next < 0 || due < next))
            next = due;
    }
    return next;
}

void Clock::addListener(ClockListener *listener)
{
    Listeners &l = listeners();
    std::lock_guard<std::mutex> guard(l.lock);
    if (listener && std::find(l.list.begin(), l.list.end(), listener) == l.list.end())
        l.list.push_back(listener);
}

void Clock::removeListener(ClockListener *listener)
{
    Listeners &l = listeners();
    std::lock_guard<std::mutex> guard(l.lock);
    l.list.erase(std::remove(l.list.begin(), l.list.end(), listener), l.list.end());
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
    if (installed() == this)
        announceMoved();
}

void ManualClock::advance(qint64 ms)
{
    const qint64 target = m_tick.load() + std::max<qint64>(0, ms);
    if (installed() != this) {
        moveTo(target);
        return;
    }
    // Each step moves at least one millisecond, so a timer that keeps
    // re-arming cannot hold the clock in place.
    for (;;) {
        const qint64 next = nextDueTickMs(m_tick.load());
        if (next < 0 || next > target)
            break;
        moveTo(next);
        announceMoved();
    }
    moveTo(target);
    announceMoved();
}

void ManualClock::moveTo(qint64 tick)
{
    const qint64 step = tick - m_tick.load();
    if (step <= 0)
        return;
    m_epochMs.fetch_add(step);
    m_tick.fetch_add(step);
}

} // namespace kelvan
