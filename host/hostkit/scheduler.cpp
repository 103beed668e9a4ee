#include "scheduler.h"

#include "lib_kelvan/clock.h"

#include <QStringList>

#include <algorithm>

namespace hostkit {

void Scheduler::schedule(qint64 delayMs, const QString &description, std::function<void()> action)
{
    Pending p;
    p.dueMs = kelvan::Clock::instance().tickMs() + std::max<qint64>(0, delayMs);
    p.sequence = ++m_sequence;
    p.description = description;
    p.action = std::move(action);
    const auto at = std::upper_bound(m_pending.begin(), m_pending.end(), p, [](const Pending &a, const Pending &b) {
        return a.dueMs != b.dueMs ? a.dueMs < b.dueMs : a.sequence < b.sequence;
    });
    m_pending.insert(at, std::move(p));
}

int Scheduler::runDue()
{
    int ran = 0;
    while (!m_pending.isEmpty() && m_pending.first().dueMs <= kelvan::Clock::instance().tickMs()) {
        Pending p = m_pending.takeFirst();
        p.action();
        ++ran;
    }
    return ran;
}

qint64 Scheduler::nextDueMs() const
{
    return m_pending.isEmpty() ? -1 : m_pending.first().dueMs;
}

QStringList Scheduler::pendingDescriptions() const
{
    QStringList out;
    for (const Pending &p : m_pending)
        out << p.description;
    return out;
}

} // namespace hostkit
