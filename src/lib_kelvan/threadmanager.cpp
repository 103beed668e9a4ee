#include "threadmanager.h"

#include <QLoggingCategory>

#include <algorithm>
#include <functional>
#include <mutex>
#include <thread>

#if defined(Q_OS_LINUX)
#include <sys/syscall.h>
#include <unistd.h>
#endif

Q_LOGGING_CATEGORY(lcThreadManager, "kelvan.threadmanager")

namespace kelvan {

bool ThreadManager::registerThread(std::uint64_t threadId, const char *name)
{
    std::lock_guard<std::mutex> locker(m_lock);
    const bool known = std::any_of(m_entries.begin(), m_entries.end(),
                                   [threadId](const Entry &e) { return e.id == threadId; });
    if (known)
        return false;
    m_entries.push_back(Entry{threadId, QByteArray(name ? name : ""), nullptr});
    return true;
}

void ThreadManager::unregisterThread(std::uint64_t threadId)
{
    std::lock_guard<std::mutex> locker(m_lock);
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [threadId](const Entry &e) { return e.id == threadId; }),
                    m_entries.end());
}

int ThreadManager::threadCount() const
{
    std::lock_guard<std::mutex> locker(m_lock);
    return int(m_entries.size());
}

std::uint64_t ThreadManager::threadIdAt(int index) const
{
    std::lock_guard<std::mutex> locker(m_lock);
    if (index < 0 || size_t(index) >= m_entries.size())
        return 0;
    return m_entries[size_t(index)].id;
}

const char *ThreadManager::threadNameAt(int index) const
{
    std::lock_guard<std::mutex> locker(m_lock);
    if (index < 0 || size_t(index) >= m_entries.size())
        return nullptr;
    return m_entries[size_t(index)].name.constData();
}

void ThreadManager::setThreadData(std::uint64_t threadId, void *data)
{
    std::lock_guard<std::mutex> locker(m_lock);
    for (Entry &e : m_entries) {
        if (e.id == threadId) {
            e.data = data;
            return;
        }
    }
}

void *ThreadManager::threadData(std::uint64_t threadId) const
{
    std::lock_guard<std::mutex> locker(m_lock);
    for (const Entry &e : m_entries) {
        if (e.id == threadId)
            return e.data;
    }
    return nullptr;
}

std::uint64_t currentThreadId()
{
    // Cached per thread: the id never changes while the thread lives.
#if defined(Q_OS_LINUX)
    thread_local const std::uint64_t id = std::uint64_t(::syscall(SYS_gettid));
#else
    thread_local const std::uint64_t id = std::uint64_t(std::hash<std::thread::id>()(std::this_thread::get_id()));
#endif
    return id;
}

namespace {

// The library-wide state behind threadManager(). Allocated once and never
// freed: threads that end during static destruction still unregister, and a
// function-local static object could already be gone by then. It stays
// reachable through the static pointer, so leak checkers do not report it.
struct ManagerState
{
    std::mutex lock;
    IThreadManager *current = nullptr;
    bool external = false;
};

ManagerState &state()
{
    static ManagerState *const s = new ManagerState;
    return *s;
}

// Callers hold state().lock.
IThreadManager &currentLocked(ManagerState &s)
{
    if (!s.current)
        s.current = new ThreadManager;
    return *s.current;
}

} // namespace

IThreadManager &threadManager()
{
    ManagerState &s = state();
    std::lock_guard<std::mutex> locker(s.lock);
    return currentLocked(s);
}

bool adoptThreadManager(IThreadManager *manager)
{
    if (!manager)
        return false;
    ManagerState &s = state();
    std::lock_guard<std::mutex> locker(s.lock);

    IThreadManager *previous = s.current;
    if (previous == manager)
        return false;
    const bool previousOwned = previous && !s.external;
    s.current = manager;
    s.external = true;
    if (!previous)
        return true;

    // A thread the new manager already knows keeps the new manager's record
    // (name and data): the host registered it itself.
    const int count = previous->threadCount();
    for (int i = 0; i < count; ++i) {
        const std::uint64_t id = previous->threadIdAt(i);
        if (manager->registerThread(id, previous->threadNameAt(i)))
            manager->setThreadData(id, previous->threadData(id));
    }
    qCDebug(lcThreadManager) << "adopted a thread manager; carried over" << count << "threads";
    if (previousOwned)
        delete previous;
    return true;
}

bool threadManagerIsExternal()
{
    ManagerState &s = state();
    std::lock_guard<std::mutex> locker(s.lock);
    return s.external;
}

// Registration and unregistration hold the library-wide lock so that an
// adoption running at the same time cannot delete the manager under them or
// copy a thread list that is still changing.
ThreadRegistration::ThreadRegistration(const char *name)
    : m_id(currentThreadId())
    , m_registered(false)
{
    ManagerState &s = state();
    std::lock_guard<std::mutex> locker(s.lock);
    m_registered = currentLocked(s).registerThread(m_id, name);
    if (!m_registered)
        qCDebug(lcThreadManager) << "thread" << m_id << "was already registered; not registered again as" << name;
}

ThreadRegistration::~ThreadRegistration()
{
    if (!m_registered)
        return;
    ManagerState &s = state();
    std::lock_guard<std::mutex> locker(s.lock);
    currentLocked(s).unregisterThread(m_id);
}

} // namespace kelvan
