#pragma once

#include "lib_kelvan/clock.h"

#include <sdk/ihostclock.h>

#include <atomic>

class IHostServices;

// The library's clock while the host offers its own (hostClock, slot 158):
// session keys, message times, throttles and ClockTimers then follow the
// host's simulated time, and the host's moves fire the library's timers.
class HostClockAdapter final : public kelvan::Clock, public IHostClockListener
{
public:
    // Installs the host's clock when it offers one. A clock installed by
    // someone else stays: tests that link the library's parts into their
    // own process install theirs, which the host reads as well.
    static void install(IHostServices *host);
    // Puts the machine's clock back and leaves the host's listeners.
    static void uninstall();

    QDateTime now() const override;
    qint64 tickMs() const override;
    Instant instant() const override;
    bool passesByItself() const override { return false; }

    void onHostClockMoved() override;
    std::int64_t nextDueTickMs(std::int64_t afterTickMs) override;

private:
    HostClockAdapter() = default;
    ~HostClockAdapter() = default;
    static HostClockAdapter &adapter();

    // Kept after uninstall: a thread that read the installed clock just
    // before may still be asking it.
    std::atomic<IHostClock *> m_clock{nullptr}; // host-owned
};
