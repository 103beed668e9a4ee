#pragma once

#include <QByteArray>
#include <QHash>
#include <QVector>

// Keeps nudge floods cheap. A peer (or a hostile server) can send any
// number of NUDGE and NUDGE_DISABLED records; each one used to cost a
// stored notice or a sound, a shake and a popup.
//
// - A refusal (NUDGE_DISABLED) is shown only when it answers a nudge the
//   user sent to that conversation within the last minute, and at most one
//   refusal per nudge sent.
// - A received nudge sounds, shakes and pops up at most once per peer every
//   five seconds; the history still shows each one.
//
// Times are kelvan::Clock ticks in milliseconds. GUI thread only.
class NudgeThrottle
{
public:
    // A refusal later than this after the nudge answers nothing the user did.
    static constexpr qint64 RefusalWindowMs = 60 * 1000;
    static constexpr qint64 EffectsIntervalMs = 5 * 1000;

    // The user sent a nudge into the conversation with this peer (or room).
    void noteSent(const QByteArray &peerId, qint64 nowMs);
    // Whether a refusal arriving in the conversation with this peer answers
    // a nudge sent within the window; that nudge is used up.
    bool takeRefusal(const QByteArray &peerId, qint64 nowMs);
    // Whether a nudge from this sender may have its sound, shake and popup.
    bool admitEffects(const QByteArray &senderId, qint64 nowMs);

private:
    void prune(qint64 nowMs);

    QHash<QByteArray, QVector<qint64>> m_sent; // peer -> send times, oldest first
    QHash<QByteArray, qint64> m_lastEffects;   // sender -> time of the last admitted nudge
};
