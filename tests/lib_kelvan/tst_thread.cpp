#include "lib_kelvan/event.h"
#include "lib_kelvan/exceptions.h"
#include "lib_kelvan/thread.h"
#include "lib_kelvan/threadmanager.h"

#include <QtTest>

#include <atomic>
#include <functional>
#include <memory>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <vector>
#include <unistd.h>

using kelvan::Event;

namespace {

// Waits that guard against a hang only; each returns as soon as its event is set.
constexpr int kPatienceMs = 10000;

class FunctionThread : public kelvan::Thread
{
public:
    FunctionThread(const QByteArray &name, std::function<void()> body)
        : Thread(name)
        , m_body(std::move(body))
    {
    }
    ~FunctionThread() override { join(); }

protected:
    void run() override { m_body(); }

private:
    std::function<void()> m_body;
};

// Where the manager lists the thread with this id, or -1.
int indexOf(std::uint64_t id)
{
    kelvan::IThreadManager &manager = kelvan::threadManager();
    for (int i = 0; i < manager.threadCount(); ++i) {
        if (manager.threadIdAt(i) == id)
            return i;
    }
    return -1;
}

} // namespace

class TestThread : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eventWaitsWithoutThreads_data();
    void eventWaitsWithoutThreads();
    void eventWakesAnotherThread();
    void runsOnItsOwnRegisteredThread();
    void startRefusesRunningAndRestartsFinished();
    void survivesExceptionFromRun();
    void joinFromItsOwnThreadReturns();
    void reportsCreationFailure();
};

void TestThread::eventWaitsWithoutThreads_data()
{
    QTest::addColumn<bool>("manual");
    QTest::addColumn<int>("sets");
    QTest::addColumn<QVector<bool>>("waits"); // result of each wait(0) in turn

    QTest::newRow("auto: unset event times out") << false << 0 << QVector<bool>{false};
    QTest::newRow("auto: a set before the wait is remembered") << false << 1 << QVector<bool>{true, false};
    QTest::newRow("auto: two sets still release one wait") << false << 2 << QVector<bool>{true, false};
    QTest::newRow("manual: stays set for every wait") << true << 1 << QVector<bool>{true, true, true};
}

void TestThread::eventWaitsWithoutThreads()
{
    QFETCH(bool, manual);
    QFETCH(int, sets);
    QFETCH(QVector<bool>, waits);

    Event event(manual ? Event::Reset::Manual : Event::Reset::Auto);
    for (int i = 0; i < sets; ++i)
        event.set();
    for (int i = 0; i < waits.size(); ++i)
        QCOMPARE(event.wait(0), waits.at(i));
    event.reset();
    QVERIFY(!event.isSet());
    QVERIFY(!event.wait(0));
}

void TestThread::eventWakesAnotherThread()
{
    Event ping;
    Event pong;
    std::atomic<int> rounds{0};
    std::thread partner([&] {
        for (int i = 0; i < 100; ++i) {
            ping.wait();
            rounds.fetch_add(1);
            pong.set();
        }
    });
    for (int i = 0; i < 100; ++i) {
        ping.set();
        QVERIFY(pong.wait(kPatienceMs));
    }
    partner.join();
    QCOMPARE(rounds.load(), 100);
}

void TestThread::runsOnItsOwnRegisteredThread()
{
    Event inside;
    Event leave;
    std::atomic<std::uint64_t> runId{0};
    FunctionThread thread("tst-worker", [&] {
        runId.store(kelvan::currentThreadId());
        inside.set();
        leave.wait();
    });
    QVERIFY(!thread.isRunning());
    const int before = kelvan::threadManager().threadCount();

    thread.start();
    QVERIFY(thread.isRunning());
    QVERIFY(inside.wait(kPatienceMs));
    QVERIFY(runId.load() != kelvan::currentThreadId());
    const int index = indexOf(runId.load());
    QVERIFY(index >= 0);
    QCOMPARE(QByteArray(kelvan::threadManager().threadNameAt(index)), QByteArray("tst-worker"));
    QCOMPARE(kelvan::threadManager().threadCount(), before + 1);

    leave.set();
    thread.join();
    QVERIFY(!thread.isRunning());
    QCOMPARE(indexOf(runId.load()), -1);
    QCOMPARE(kelvan::threadManager().threadCount(), before);
}

void TestThread::startRefusesRunningAndRestartsFinished()
{
    std::atomic<int> runs{0};
    Event leave(Event::Reset::Manual);
    Event done;
    FunctionThread thread("tst-again", [&] {
        runs.fetch_add(1);
        leave.wait();
        done.set();
    });
    thread.start();
    QVERIFY_EXCEPTION_THROWN(thread.start(), kelvan::ThreadCreationException);
    leave.set();
    QVERIFY(done.wait(kPatienceMs));
    thread.join();
    // Not joined in between: start() must cope with a finished thread.
    thread.start();
    QVERIFY(done.wait(kPatienceMs));
    thread.join();
    QVERIFY(!thread.isRunning());
    QCOMPARE(runs.load(), 2);
}

void TestThread::survivesExceptionFromRun()
{
    std::atomic<std::uint64_t> runId{0};
    FunctionThread thread("tst-throws", [&] {
        runId.store(kelvan::currentThreadId());
        throw std::runtime_error("broken");
    });
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("tst-throws.*stopped by an exception: broken")));
    thread.start();
    thread.join();
    QVERIFY(!thread.isRunning());
    QVERIFY(runId.load() != 0);
    QCOMPARE(indexOf(runId.load()), -1);
}

void TestThread::joinFromItsOwnThreadReturns()
{
    std::atomic<bool> returned{false};
    FunctionThread *self = nullptr;
    FunctionThread thread("tst-self", [&] {
        self->join();
        returned.store(true);
    });
    self = &thread;
    thread.start();
    thread.join();
    QVERIFY(returned.load());
}

void TestThread::reportsCreationFailure()
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    QSKIP("sanitizers reserve address space that an address space limit breaks");
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
    QSKIP("sanitizers reserve address space that an address space limit breaks");
#endif
#endif
    // A child process whose address space has no room for another stack
    // cannot create a thread, even as root.
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        long pages = 0;
        if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld", &pages) != 1)
                pages = 0;
            std::fclose(statm);
        }
        if (pages <= 0)
            _exit(3);
        // Stacks are 8 MiB by default; 4 MiB over what is mapped now is too
        // little for a new one and enough for the exceptions. The C library
        // reuses a few cached stacks of finished threads first, so threads
        // are started (and kept) until one cannot be.
        rlimit limit{};
        getrlimit(RLIMIT_AS, &limit);
        limit.rlim_cur = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (4u << 20);
        if (setrlimit(RLIMIT_AS, &limit) != 0)
            _exit(3);
        Event release(Event::Reset::Manual);
        std::vector<std::unique_ptr<FunctionThread>> threads;
        int result = 2;
        for (int i = 0; i < 64 && result == 2; ++i) {
            threads.push_back(std::make_unique<FunctionThread>("tst-nospace", [&release] { release.wait(); }));
            try {
                threads.back()->start();
            } catch (const kelvan::ThreadCreationException &) {
                result = threads.back()->isRunning() ? 4 : 0;
            } catch (...) {
                result = 5;
            }
        }
        release.set();
        threads.clear();
        _exit(result);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
}

QTEST_GUILESS_MAIN(TestThread)
#include "tst_thread.moc"
