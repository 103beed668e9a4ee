#include "chat/nudgethrottle.h"

namespace {

// Tables larger than this are swept of expired entries; with the windows
// above a table never holds more than a minute's worth of senders.
constexpr int SweepThreshold = 256;

} // namespace

void NudgeThrottle::noteSent(const QByteArray &peerId, qint64 nowMs)
{
    prune(nowMs);
    QVector<qint64> &times = m_sent[peerId];
    times.append(nowMs);
    // The user cannot nudge faster than the shake lasts; a few are plenty.
    if (times.size() > 16)
        times.remove(0, times.size() - 16);
}

bool NudgeThrottle::takeRefusal(const QByteArray &peerId, qint64 nowMs)
{
    auto it = m_sent.find(peerId);
    if (it == m_sent.end())
        return false;
    QVector<qint64> &times = it.value();
    while (!times.isEmpty() && nowMs - times.first() > RefusalWindowMs)
        times.removeFirst();
    if (times.isEmpty()) {
        m_sent.erase(it);
        return false;
    }
    times.removeFirst();
    if (times.isEmpty())
        m_sent.erase(it);
    return true;
}

bool NudgeThrottle::admitEffects(const QByteArray &senderId, qint64 nowMs)
{
    prune(nowMs);
    const auto it = m_lastEffects.constFind(senderId);
    if (it != m_lastEffects.constEnd() && nowMs - it.value() < EffectsIntervalMs)
        return false;
    m_lastEffects.insert(senderId, nowMs);
    return true;
}

void NudgeThrottle::prune(qint64 nowMs)
{
    if (m_lastEffects.size() > SweepThreshold) {
        for (auto it = m_lastEffects.begin(); it != m_lastEffects.end();)
            it = nowMs - it.value() >= EffectsIntervalMs ? m_lastEffects.erase(it) : std::next(it);
    }
    if (m_sent.size() > SweepThreshold) {
        for (auto it = m_sent.begin(); it != m_sent.end();)
            it = it.value().isEmpty() || nowMs - it.value().last() > RefusalWindowMs ? m_sent.erase(it) : std::next(it);
    }
}
