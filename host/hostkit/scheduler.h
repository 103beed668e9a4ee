#pragma once

#include <QString>
#include <QVector>

#include <functional>

namespace hostkit {

// Actions of the simulated world (peers answering, transfers progressing)
// that fall due on kelvan::Clock's tick. Nothing runs by itself: the owner
// calls runDue() (Host::processDue / Host::advance), so tests decide exactly
// when time passes.
class Scheduler
{
public:
    struct Pending
    {
        qint64 dueMs = 0;
        qint64 sequence = 0;
        QString description;
        std::function<void()> action;
    };

    Scheduler() = default;
    Q_DISABLE_COPY(Scheduler)

    // Runs `action` once the clock's tick reaches now + delayMs. Actions due
    // at the same tick run in the order they were scheduled.
    void schedule(qint64 delayMs, const QString &description, std::function<void()> action);

    // Runs every action due by now, including ones scheduled by the actions
    // themselves when they are due as well. Returns how many ran.
    int runDue();
    // The tick of the earliest pending action; -1 when none.
    qint64 nextDueMs() const;
    int pendingCount() const { return m_pending.size(); }
    QStringList pendingDescriptions() const;
    void clear() { m_pending.clear(); }

private:
    QVector<Pending> m_pending; // sorted by (dueMs, sequence)
    qint64 m_sequence = 0;
};

} // namespace hostkit
