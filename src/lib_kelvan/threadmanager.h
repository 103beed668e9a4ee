#pragma once

#include <sdk/ithreadmanager.h>

#include <QByteArray>

#include <cstdint>
#include <mutex>
#include <vector>

namespace kelvan {

// The support library's own per-thread storage manager: registered threads in
// registration order with their per-thread data. A process (the host, or the
// library before the host hands it its manager) owns one of these.
// Thread-safe. Out-of-range indexes read as id 0 and a null name; a name
// pointer stays valid until that thread is unregistered. Data can only be
// set for a registered thread (otherwise the call does nothing) and is
// dropped with the registration.
class ThreadManager final : public IThreadManager
{
public:
    ThreadManager() = default;
    ~ThreadManager() override = default;
    ThreadManager(const ThreadManager &) = delete;
    ThreadManager &operator=(const ThreadManager &) = delete;

    bool registerThread(std::uint64_t threadId, const char *name) override;
    void unregisterThread(std::uint64_t threadId) override;
    int threadCount() const override;
    std::uint64_t threadIdAt(int index) const override;
    const char *threadNameAt(int index) const override;
    void setThreadData(std::uint64_t threadId, void *data) override;
    void *threadData(std::uint64_t threadId) const override;

private:
    struct Entry
    {
        std::uint64_t id = 0;
        QByteArray name;
        void *data = nullptr;
    };
    // A standard mutex rather than QMutex: QMutex hands over contended locks
    // inside the (uninstrumented) Qt library, where ThreadSanitizer cannot
    // see it and reports races that are not there.
    mutable std::mutex m_lock;
    std::vector<Entry> m_entries;
};

// The id under which the calling thread registers: the kernel's thread id on
// Linux, a hash of std::thread::id elsewhere. Constant for the life of the
// thread and distinct among live threads.
std::uint64_t currentThreadId();

// The manager this copy of the support library registers its threads with:
// its own until adoptThreadManager installs one from outside.
IThreadManager &threadManager();

// Installs the host's manager, as createPlugin does: under a library-wide
// lock, the previous manager's threads are registered with the new one in
// the previous manager's order, and the previous manager is destroyed when
// this library owned it (a manager supplied from outside is never destroyed
// here). A null manager is ignored. Returns whether the manager changed.
// A thread the new manager already knows keeps the new manager's record.
bool adoptThreadManager(IThreadManager *manager);

// Whether the current manager was supplied from outside.
bool threadManagerIsExternal();

// Registers the calling thread with threadManager() for the lifetime of the
// object. Every thread the library starts (QThread subclasses, kelvan::Thread)
// holds one in its run function. The destructor unregisters from whatever
// manager is current then (an adoption in between carried the thread over);
// when the thread was already registered, it neither registers nor, later,
// unregisters it.
class ThreadRegistration
{
public:
    explicit ThreadRegistration(const char *name);
    ~ThreadRegistration();
    ThreadRegistration(const ThreadRegistration &) = delete;
    ThreadRegistration &operator=(const ThreadRegistration &) = delete;

private:
    std::uint64_t m_id;
    bool m_registered;
};

} // namespace kelvan
