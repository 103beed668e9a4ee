#pragma once

#include "types.h"

namespace kelvan {

// The per-thread storage manager of the support library: the list of
// registered threads and their per-thread data. The host owns one and hands
// it to createPlugin; from then on every thread the library starts registers
// with it. Thread ids are the platform's thread ids widened to 64 bits.
class IThreadManager
{
public:
    virtual ~IThreadManager() = default;                                  // 0
    virtual bool registerThread(std::uint64_t threadId, const char *name) = 0; // 1 false when already registered
    virtual void unregisterThread(std::uint64_t threadId) = 0;            // 2
    virtual int threadCount() const = 0;                                  // 3
    virtual std::uint64_t threadIdAt(int index) const = 0;                // 4 registration order
    virtual const char *threadNameAt(int index) const = 0;                // 5
    virtual void setThreadData(std::uint64_t threadId, void *data) = 0;   // 6 not owned
    virtual void *threadData(std::uint64_t threadId) const = 0;           // 7 null when none
};

} // namespace kelvan
