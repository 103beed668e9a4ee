#pragma once

#include "lib_kelvan/clocktimer.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>

#include <functional>

// Makes the tabs of conversations with missed messages blink their red dot.
// Every 200 ms it emits the dot values of the tabs that change: five ticks
// with the missed-message count, one tick without (0 hides the dot), for ten
// seconds; then the dot stays lit with the count until the tab is selected.
// A new message that changes the count starts the ten seconds again; one
// that leaves it unchanged does not.
//
// Tabs are known by their peer's 64-bit id; id 0 is no peer and ignored.
// The ticks and the ten seconds run on the library's clock. Every operation
// holds the bag's mutex; add() may come from a conversation thread, the
// others and the signal belong to the bag's thread.
class TabbedFlashBag : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(TabbedFlashBag)

public:
    static constexpr int TickMs = 200;
    static constexpr qint64 BlinkMs = 10000;

    struct BlinkData
    {
        quint8 state = 0; // 0 new, 1 blinking, 2 finished (the dot stays lit)
        int count = 0;    // the peer's missed messages
        qint64 endMs = 0; // clock tick at which blinking turns steady
    };

    // `missedCount` asks the host for a peer's missed-message count.
    explicit TabbedFlashBag(std::function<int(quint64 peerId)> missedCount, QObject *parent = nullptr);

    void add(quint64 peerId);
    // The tab was selected: no dot and no blinking until its count changes.
    void stop(quint64 peerId);
    void clear();

    bool isRunning() const { return m_timer.isActive(); }

Q_SIGNALS:
    // Peer id and dot value, alternately.
    void sigBlinkList(const QList<quint64> &list);

private Q_SLOTS:
    void onTick();

private:
    bool anyBlinking() const;

    std::function<int(quint64)> m_missedCount;
    QHash<quint64, BlinkData> m_blinks;
    kelvan::ClockTimer m_timer;
    mutable QMutex m_lock;
    int m_phase = 0; // runs 5, 4, 3, 2, 1, 0: dark at 0
    bool m_startQueued = false;
};
