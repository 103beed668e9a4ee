#pragma once

#include "types.h"

// Told of the moves of the host's clock. The plug-in registers one with
// IHostClock::registerListener; the host calls it on the thread that moved
// the time (for the reference host, its GUI thread).
class IHostClockListener
{
public:
    virtual void onHostClockMoved() = 0;                                   // 0 the time advanced or jumped; plug-in timers due by now fire
    virtual std::int64_t nextDueTickMs(std::int64_t afterTickMs) = 0;      // 1 earliest tick after the given one a plug-in timer is due at, -1 when none; a host moving its time far stops there first

protected:
    ~IHostClockListener() = default;
};

// The host's simulated clock (IHostServices::hostClock): the plug-in reads
// its time from here instead of the machine's. It moves only when the host
// moves it, and the host tells every registered listener after each move.
// All operations may be called from any thread. Host-owned.
class IHostClock
{
public:
    virtual std::int64_t epochMs() = 0;                                    // 0 milliseconds since 1970-01-01T00:00:00Z
    virtual int utcOffsetSeconds() = 0;                                    // 1 local time minus UTC
    virtual std::int64_t tickMs() = 0;                                     // 2 monotonic milliseconds for intervals; never goes back
    virtual void registerListener(IHostClockListener *listener) = 0;       // 3 not owned; registering twice has no effect
    virtual void unregisterListener(IHostClockListener *listener) = 0;     // 4 no call reaches it after this returns

protected:
    ~IHostClock() = default;
};
