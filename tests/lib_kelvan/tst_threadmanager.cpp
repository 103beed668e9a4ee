#include "lib_kelvan/threadmanager.h"

#include <QtTest>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>

using kelvan::IThreadManager;
using kelvan::ThreadManager;

namespace {

// A manager as the host would supply it: it counts its own destruction and
// the registrations it receives, and otherwise behaves like the library's.
class CountingManager final : public IThreadManager
{
public:
    explicit CountingManager(int *destroyed) : m_destroyed(destroyed) {}
    ~CountingManager() override { ++*m_destroyed; }

    bool registerThread(std::uint64_t threadId, const char *name) override
    {
        ++registerCalls;
        return m_inner.registerThread(threadId, name);
    }
    void unregisterThread(std::uint64_t threadId) override { m_inner.unregisterThread(threadId); }
    int threadCount() const override { return m_inner.threadCount(); }
    std::uint64_t threadIdAt(int index) const override { return m_inner.threadIdAt(index); }
    const char *threadNameAt(int index) const override { return m_inner.threadNameAt(index); }
    void setThreadData(std::uint64_t threadId, void *data) override { m_inner.setThreadData(threadId, data); }
    void *threadData(std::uint64_t threadId) const override { return m_inner.threadData(threadId); }

    int registerCalls = 0;

private:
    int *m_destroyed;
    ThreadManager m_inner;
};

// Lets a group of threads hold their state until the main thread has looked.
class Gate
{
public:
    explicit Gate(int expected) : m_expected(expected) {}
    void arriveAndWait()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        ++m_arrived;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_open; });
    }
    void waitForAll()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_arrived == m_expected; });
    }
    void open()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_expected;
    int m_arrived = 0;
    bool m_open = false;
};

struct Snapshot
{
    std::vector<std::uint64_t> ids;
    std::vector<QByteArray> names;
};

Snapshot snapshot(const IThreadManager &m)
{
    Snapshot s;
    for (int i = 0; i < m.threadCount(); ++i) {
        s.ids.push_back(m.threadIdAt(i));
        s.names.emplace_back(m.threadNameAt(i));
    }
    return s;
}

} // namespace

// The functions after `registrationOrderAndData` walk the library-wide
// manager through one life: its own manager, a first host manager, a second
// one. They run in declaration order and build on each other.
class TstThreadManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void registrationOrderAndData();

    void ownManagerUntilAdoption();
    void adoptionCarriesThreadsInOrder();
    void adoptingNullOrSameManagerChangesNothing();
    void externalManagerNeverDeleted();
    void registrationFromSeveralThreads();
    void cleanupTestCase();

private:
    int m_firstDestroyed = 0;
    int m_secondDestroyed = 0;
    // Deliberately plain pointers: the library must never delete them, and
    // cleanupTestCase checks that before releasing them.
    CountingManager *m_first = nullptr;
    CountingManager *m_second = nullptr;
    std::unique_ptr<kelvan::ThreadRegistration> m_mainRegistration;
    int m_loaderData = 0;
    int m_hostData = 0;
};

void TstThreadManager::registrationOrderAndData()
{
    ThreadManager m;
    int a = 0;
    int b = 0;
    QVERIFY(m.registerThread(30, "gui"));
    QVERIFY(m.registerThread(10, "loader"));
    QVERIFY(m.registerThread(20, "log"));
    QVERIFY(!m.registerThread(10, "second"));
    QCOMPARE(snapshot(m).ids, (std::vector<std::uint64_t>{30, 10, 20}));
    QCOMPARE(QByteArray(m.threadNameAt(1)), QByteArray("loader"));
    QCOMPARE(m.threadIdAt(3), std::uint64_t(0));
    QCOMPARE(m.threadIdAt(-1), std::uint64_t(0));
    QCOMPARE(m.threadNameAt(3), nullptr);
    QCOMPARE(m.threadNameAt(-1), nullptr);

    QCOMPARE(m.threadData(10), nullptr);
    m.setThreadData(10, &a);
    m.setThreadData(20, &b);
    m.setThreadData(3, &a); // not registered: ignored
    QCOMPARE(m.threadData(10), static_cast<void *>(&a));
    QCOMPARE(m.threadData(20), static_cast<void *>(&b));
    QCOMPARE(m.threadData(3), nullptr);

    // Leaving takes the data along; a thread coming back is appended.
    m.unregisterThread(10);
    QCOMPARE(m.threadData(10), nullptr);
    QVERIFY(m.registerThread(10, nullptr));
    QCOMPARE(snapshot(m).ids, (std::vector<std::uint64_t>{30, 20, 10}));
    QCOMPARE(QByteArray(m.threadNameAt(2)), QByteArray(""));
    QCOMPARE(m.threadData(10), nullptr);
    QCOMPARE(m.threadData(20), static_cast<void *>(&b));
}

void TstThreadManager::ownManagerUntilAdoption()
{
    QVERIFY(!kelvan::threadManagerIsExternal());
    IThreadManager &own = kelvan::threadManager();
    QCOMPARE(&kelvan::threadManager(), &own);

    QVERIFY(kelvan::currentThreadId() != 0);
    m_mainRegistration = std::make_unique<kelvan::ThreadRegistration>("main");
    QVERIFY(own.registerThread(1001, "loader"));
    own.setThreadData(1001, &m_loaderData);
    QVERIFY(own.registerThread(1002, "log"));
    QCOMPARE(own.threadCount(), 3);
    QCOMPARE(own.threadIdAt(0), kelvan::currentThreadId());
    QCOMPARE(QByteArray(own.threadNameAt(0)), QByteArray("main"));

    // A second registration of the same thread is refused and, when it ends,
    // leaves the first one in place.
    { kelvan::ThreadRegistration again("main again"); }
    QCOMPARE(own.threadCount(), 3);
    QCOMPARE(own.threadIdAt(0), kelvan::currentThreadId());
}

void TstThreadManager::adoptionCarriesThreadsInOrder()
{
    m_first = new CountingManager(&m_firstDestroyed);
    // The host registered its own thread, and knows the log thread by
    // another name: its record stays.
    m_first->registerThread(7, "host gui");
    m_first->setThreadData(7, &m_hostData);
    m_first->registerThread(1002, "host log");

    QVERIFY(kelvan::adoptThreadManager(m_first));
    QVERIFY(kelvan::threadManagerIsExternal());
    QCOMPARE(&kelvan::threadManager(), static_cast<IThreadManager *>(m_first));

    const Snapshot s = snapshot(*m_first);
    const std::vector<std::uint64_t> ids{7, 1002, kelvan::currentThreadId(), 1001};
    const std::vector<QByteArray> names{"host gui", "host log", "main", "loader"};
    QCOMPARE(s.ids, ids);
    QCOMPARE(s.names, names);
    QCOMPARE(m_first->threadData(1001), static_cast<void *>(&m_loaderData));
    QCOMPARE(m_first->threadData(7), static_cast<void *>(&m_hostData));
    QCOMPARE(m_firstDestroyed, 0);
}

void TstThreadManager::adoptingNullOrSameManagerChangesNothing()
{
    QVERIFY(m_first);
    const Snapshot before = snapshot(*m_first);
    const int calls = m_first->registerCalls;
    QVERIFY(!kelvan::adoptThreadManager(nullptr));
    QVERIFY(!kelvan::adoptThreadManager(m_first));
    QVERIFY(kelvan::threadManagerIsExternal());
    QCOMPARE(&kelvan::threadManager(), static_cast<IThreadManager *>(m_first));
    QCOMPARE(m_first->registerCalls, calls);
    QCOMPARE(snapshot(*m_first).ids, before.ids);
    QCOMPARE(m_firstDestroyed, 0);
}

void TstThreadManager::externalManagerNeverDeleted()
{
    QVERIFY(m_first);
    m_second = new CountingManager(&m_secondDestroyed);
    QVERIFY(kelvan::adoptThreadManager(m_second));
    QCOMPARE(m_firstDestroyed, 0);
    QCOMPARE(&kelvan::threadManager(), static_cast<IThreadManager *>(m_second));
    QCOMPARE(snapshot(*m_second).ids, snapshot(*m_first).ids);
    QCOMPARE(snapshot(*m_second).names, snapshot(*m_first).names);
    QCOMPARE(m_second->threadData(1001), static_cast<void *>(&m_loaderData));

    // The main thread registered before both adoptions; it leaves the
    // manager that is current now, and the first one is not touched.
    const int firstCount = m_first->threadCount();
    m_mainRegistration.reset();
    QCOMPARE(m_second->threadCount(), firstCount - 1);
    QCOMPARE(m_second->threadData(kelvan::currentThreadId()), nullptr);
    QCOMPARE(m_second->threadIdAt(2), std::uint64_t(1001));
    QCOMPARE(m_first->threadCount(), firstCount);
}

void TstThreadManager::registrationFromSeveralThreads()
{
    QVERIFY(m_second);
    IThreadManager &m = kelvan::threadManager();
    const int base = m.threadCount();
    constexpr int kThreads = 8;
    Gate gate(kThreads);
    std::vector<int> cells(kThreads, 0);
    std::vector<std::uint64_t> ids(kThreads, 0);
    std::vector<char> ownDataSeen(kThreads, 0); // not vector<bool>: threads write neighbouring flags
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            const std::string name = "worker " + std::to_string(i);
            kelvan::ThreadRegistration registration(name.c_str());
            ids[size_t(i)] = kelvan::currentThreadId();
            kelvan::threadManager().setThreadData(ids[size_t(i)], &cells[size_t(i)]);
            ownDataSeen[size_t(i)] = kelvan::threadManager().threadData(ids[size_t(i)]) == &cells[size_t(i)];
            gate.arriveAndWait();
        });
    }
    gate.waitForAll();
    // Every thread got an id of its own (a second registration of one id is
    // refused), and kept it until it left.
    QCOMPARE(m.threadCount(), base + kThreads);
    std::set<QByteArray> names;
    for (int i = base; i < m.threadCount(); ++i)
        names.insert(QByteArray(m.threadNameAt(i)));
    QCOMPARE(int(names.size()), kThreads);
    QVERIFY(names.count("worker 0") && names.count("worker 7"));
    for (int i = 0; i < kThreads; ++i)
        QCOMPARE(m.threadData(ids[size_t(i)]), static_cast<void *>(&cells[size_t(i)]));
    gate.open();
    for (auto &t : threads)
        t.join();
    QCOMPARE(m.threadCount(), base);
    for (int i = 0; i < kThreads; ++i)
        QVERIFY2(ownDataSeen[size_t(i)], qPrintable(QStringLiteral("worker %1").arg(i)));
}

void TstThreadManager::cleanupTestCase()
{
    QCOMPARE(m_firstDestroyed, 0);
    QCOMPARE(m_secondDestroyed, 0);
    // The library still points at the second manager; nothing uses it after
    // this, and the first one has been replaced, so both can go.
    delete m_first;
    delete m_second;
    QCOMPARE(m_firstDestroyed, 1);
}

QTEST_GUILESS_MAIN(TstThreadManager)
#include "tst_threadmanager.moc"
