#pragma once

#include <QObject>

class QTimer;

namespace kelvan {

// A timer measured on Clock::instance()'s tick, so that tests and a host's
// simulated time drive it like every other interval of the library. Under a
// clock that passes by itself (the system clock) it waits on a real QTimer;
// under one that moves only when told (ManualClock, a host's clock) it fires
// when that clock is moved past its due time: ManualClock::advance stops at
// each due time on the way, so a repeating timer fires once per interval.
//
// Like QTimer it belongs to the thread it lives in: start and stop it there,
// timeout() is emitted there. A move made on another thread reaches it
// through that thread's event loop.
//
//     kelvan::ClockTimer blink;
//     blink.setInterval(200);
//     connect(&blink, &kelvan::ClockTimer::timeout, this, &Tabs::onBlink);
//     blink.start();
class ClockTimer : public QObject
{
    Q_OBJECT

public:
    explicit ClockTimer(QObject *parent = nullptr);
    ~ClockTimer() override;

    // Milliseconds; negative counts as 0. Takes effect at the next start.
    void setInterval(int ms);
    int interval() const { return m_interval; }
    void setSingleShot(bool singleShot) { m_singleShot = singleShot; }
    bool isSingleShot() const { return m_singleShot; }
    bool isActive() const;
    // Milliseconds until it fires on the current clock; -1 when inactive.
    qint64 remainingMs() const;

public Q_SLOTS:
    // (Re)starts: due one interval from now.
    void start();
    void start(int ms);
    void stop();

Q_SIGNALS:
    void timeout();

private:
    friend class Clock;

    // Called by Clock: see Clock::announceMoved, nextDueTickMs, setInstance.
    static void fireDue();
    static qint64 earliestDueAfter(qint64 afterTickMs);
    static void rebase(qint64 oldTick, qint64 newTick);

    void fireIfDue();
    void arm();

    QTimer *m_real; // owned (child)
    int m_interval = 0;
    bool m_singleShot = false;
    // Guarded by the lock of the running timers.
    bool m_active = false;
    bool m_posted = false;  // a check is queued on this timer's thread
    qint64 m_due = 0;       // tick of Clock::instance()
    quint64 m_sequence = 0; // start order: equal due times fire in it
};

} // namespace kelvan
