#pragma once

#include <QtGlobal>

#include <condition_variable>
#include <mutex>

namespace kelvan {

// A wake-up signal between threads. An auto-reset event lets exactly one
// waiter through per set() and closes again; a manual-reset event stays open
// until reset(). A set() with nobody waiting is remembered, so a wake-up sent
// just before the other thread starts waiting is not lost.
class Event
{
public:
    enum class Reset {
        Auto,   // a successful wait closes the event again
        Manual, // stays set, releasing every waiter, until reset()
    };

    explicit Event(Reset reset = Reset::Auto);

    void set();
    void reset();
    bool isSet() const;

    void wait();
    // Returns whether the event was set within timeoutMs milliseconds.
    bool wait(int timeoutMs);

private:
    Q_DISABLE_COPY(Event)

    bool takeLocked();

    const Reset m_reset;
    mutable std::mutex m_lock;
    std::condition_variable m_changed;
    bool m_set = false;
};

} // namespace kelvan
