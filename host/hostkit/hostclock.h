#pragma once

#include "lib_kelvan/clock.h"

#include <sdk/ihostclock.h>

#include <mutex>
#include <vector>

namespace hostkit {

// The host's time as the plug-in sees it (IHostServices::hostClock): the
// host process's kelvan::Clock, offered while that is a clock that moves only
// when told (a ManualClock of a test, or chat-host's for --script and
// --headless). Each move of it, whoever makes it, reaches the plug-in's
// listeners, and a ManualClock told to move far stops at the plug-in's due
// timers on the way.
class HostClock final : public IHostClock, private kelvan::ClockListener
{
public:
    HostClock();
    ~HostClock();
    Q_DISABLE_COPY(HostClock)

    // False under a clock that passes by itself: the plug-in then keeps the
    // machine's, which is the same time.
    bool isOffered() const;
    int listenerCount() const;

    std::int64_t epochMs() override;
    int utcOffsetSeconds() override;
    std::int64_t tickMs() override;
    void registerListener(IHostClockListener *listener) override;
    void unregisterListener(IHostClockListener *listener) override;

private:
    void clockMoved() override;
    qint64 nextDueTickMs(qint64 afterTickMs) override;
    std::vector<IHostClockListener *> listeners() const;

    mutable std::mutex m_lock;
    std::vector<IHostClockListener *> m_listeners; // not owned
};

} // namespace hostkit
