#include "clocktimer.h"

#include "clock.h"

#include <QPointer>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <mutex>
#include <vector>

namespace kelvan {

namespace {

// The running timers of every thread, so that a clock moved on one thread
// finds them all.
struct Running
{
    std::mutex lock;
    std::vector<ClockTimer *> timers;
    quint64 sequence = 0;
};

// Never destroyed: a timer may stop after static destruction began.
Running &running()
{
    static auto *r = new Running;
    return *r;
}

} // namespace

ClockTimer::ClockTimer(QObject *parent)
    : QObject(parent)
    , m_real(new QTimer(this))
{
    m_real->setSingleShot(true);
    m_real->setTimerType(Qt::PreciseTimer);
    connect(m_real, &QTimer::timeout, this, &ClockTimer::fireIfDue);
}

ClockTimer::~ClockTimer()
{
    Running &r = running();
    std::lock_guard<std::mutex> guard(r.lock);
    r.timers.erase(std::remove(r.timers.begin(), r.timers.end(), this), r.timers.end());
}

void ClockTimer::setInterval(int ms)
{
    m_interval = std::max(0, ms);
}

bool ClockTimer::isActive() const
{
    Running &r = running();
    std::lock_guard<std::mutex> guard(r.lock);
    return m_active;
}

qint64 ClockTimer::remainingMs() const
{
    const qint64 now = Clock::instance().tickMs();
    Running &r = running();
    std::lock_guard<std::mutex> guard(r.lock);
    return m_active ? std::max<qint64>(0, m_due - now) : -1;
}

void ClockTimer::start()
{
    const qint64 now = Clock::instance().tickMs();
    {
        Running &r = running();
        std::lock_guard<std::mutex> guard(r.lock);
        m_due = now + m_interval;
        m_sequence = ++r.sequence;
        m_posted = false;
        if (!m_active) {
            m_active = true;
            r.timers.push_back(this);
        }
    }
    arm();
}

void ClockTimer::start(int ms)
{
    setInterval(ms);
    start();
}

void ClockTimer::stop()
{
    {
        Running &r = running();
        std::lock_guard<std::mutex> guard(r.lock);
        m_active = false;
        r.timers.erase(std::remove(r.timers.begin(), r.timers.end(), this), r.timers.end());
    }
    m_real->stop();
}

void ClockTimer::arm()
{
    const Clock &clock = Clock::instance();
    const qint64 now = clock.tickMs();
    bool active;
    qint64 left;
    {
        Running &r = running();
        std::lock_guard<std::mutex> guard(r.lock);
        active = m_active;
        left = m_due - now;
    }
    // A clock that is only moved by others fires the timer when it moves;
    // what is due already fires from the event loop, as a 0 ms QTimer would.
    if (active && (clock.passesByItself() || left <= 0))
        m_real->start(int(std::clamp<qint64>(left, 0, std::numeric_limits<int>::max())));
    else
        m_real->stop();
}

void ClockTimer::fireIfDue()
{
    const qint64 now = Clock::instance().tickMs();
    bool fire = false;
    {
        Running &r = running();
        std::lock_guard<std::mutex> guard(r.lock);
        m_posted = false;
        if (!m_active)
            return;
        // Not yet due when the real timer woke early or the clock changed:
        // armed again below.
        fire = m_due <= now;
        if (fire && m_singleShot) {
            m_active = false;
            r.timers.erase(std::remove(r.timers.begin(), r.timers.end(), this), r.timers.end());
        } else if (fire) {
            // Keeps its phase; one that fell behind (a slow event loop, a
            // clock moved on another thread) skips what it missed instead
            // of firing in a burst.
            m_due += m_interval;
            if (m_due <= now)
                m_due = now + m_interval;
        }
    }
    arm();
    if (fire)
        Q_EMIT timeout();
}

void ClockTimer::fireDue()
{
    const qint64 now = Clock::instance().tickMs();
    std::vector<ClockTimer *> due;
    std::vector<QPointer<ClockTimer>> here;
    {
        Running &r = running();
        std::lock_guard<std::mutex> guard(r.lock);
        for (ClockTimer *timer : r.timers) {
            if (timer->m_due <= now && !timer->m_posted)
                due.push_back(timer);
        }
        std::sort(due.begin(), due.end(), [](const ClockTimer *a, const ClockTimer *b) {
            return a->m_due != b->m_due ? a->m_due < b->m_due : a->m_sequence < b->m_sequence;
        });
        QThread *current = QThread::currentThread();
        for (ClockTimer *timer : due) {
            if (timer->thread() == current) {
                here.emplace_back(timer);
            } else {
                // Posted under the lock: the timer cannot be destroyed
                // before the event is queued, and its destruction drops it.
                timer->m_posted = true;
                QMetaObject::invokeMethod(timer, &ClockTimer::fireIfDue, Qt::QueuedConnection);
            }
        }
    }
    // A timeout handler may stop or delete the timers still to come.
    for (const QPointer<ClockTimer> &timer : here) {
        if (timer)
            timer->fireIfDue();
    }
}

qint64 ClockTimer::earliestDueAfter(qint64 afterTickMs)
{
    Running &r = running();
    std::lock_guard<std::mutex> guard(r.lock);
    qint64 next = -1;
    for (const ClockTimer *timer : r.timers) {
        if (timer->m_due > afterTickMs && (next < 0 || timer->m_due < next))
            next = timer->m_due;
    }
    return next;
}

void ClockTimer::rebase(qint64 oldTick, qint64 newTick)
{
    Running &r = running();
    std::lock_guard<std::mutex> guard(r.lock);
    for (ClockTimer *timer : r.timers) {
        timer->m_due += newTick - oldTick;
        // The real timer has to follow (or stop for) the new clock.
        QMetaObject::invokeMethod(timer, &ClockTimer::arm, Qt::QueuedConnection);
    }
}

} // namespace kelvan
