// Pauses of worker threads on the installed clock: a ManualClock's moves end
// them without real waiting, a stop flag ends them at once. The threads
// meet only through the standard library, so this runs under
// ThreadSanitizer too.

#include "lib_kelvan/clock.h"

#include <QtTest>

#include <atomic>
#include <thread>

namespace {

// Guards against a hang only; each wait returns as soon as its condition holds.
constexpr int kPatienceMs = 10000;

template <typename Condition>
bool eventually(Condition condition)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > kPatienceMs)
            return false;
        std::this_thread::yield();
    }
    return true;
}

// Installs a ManualClock for one test function.
struct InstalledClock
{
    explicit InstalledClock(bool install)
    {
        if (install)
            kelvan::Clock::setInstance(&clock);
    }
    ~InstalledClock() { kelvan::Clock::setInstance(nullptr); }
    kelvan::ManualClock clock;
};

} // namespace

class tst_ClockSleep : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void manualClockEndsThePause_data();
    void manualClockEndsThePause();
    void stopEndsThePause_data();
    void stopEndsThePause();
};

void tst_ClockSleep::manualClockEndsThePause_data()
{
    QTest::addColumn<qint64>("pause");
    QTest::addColumn<qint64>("firstMove");
    QTest::addColumn<bool>("passedAfterFirstMove");

    QTest::newRow("one millisecond short keeps sleeping") << qint64(1000) << qint64(999) << false;
    QTest::newRow("the whole pause in one move") << qint64(1000) << qint64(1000) << true;
    QTest::newRow("a move far beyond ends it") << qint64(50) << qint64(60000) << true;
}

void tst_ClockSleep::manualClockEndsThePause()
{
    QFETCH(qint64, pause);
    QFETCH(qint64, firstMove);
    QFETCH(bool, passedAfterFirstMove);

    InstalledClock installed(true);
    kelvan::ManualClock &clock = installed.clock;
    std::atomic<bool> stop{false};
    std::atomic<int> result{-1};
    std::thread sleeper([&] { result = kelvan::Clock::sleepFor(pause, stop) ? 1 : 0; });

    QVERIFY(eventually([] { return kelvan::Clock::sleeperCount() == 1; }));
    clock.advance(firstMove);
    if (passedAfterFirstMove) {
        QVERIFY(eventually([&] { return result.load() == 1; }));
    } else {
        // Still inside: nothing but another move can end it.
        QCOMPARE(result.load(), -1);
        clock.advance(pause - firstMove);
        QVERIFY(eventually([&] { return result.load() == 1; }));
    }
    sleeper.join();
    QCOMPARE(kelvan::Clock::sleeperCount(), 0);
}

void tst_ClockSleep::stopEndsThePause_data()
{
    QTest::addColumn<bool>("manual");
    QTest::addColumn<bool>("stopBefore");

    QTest::newRow("system clock, stopped while sleeping") << false << false;
    QTest::newRow("manual clock, stopped while sleeping") << true << false;
    QTest::newRow("stopped before the pause began") << true << true;
}

void tst_ClockSleep::stopEndsThePause()
{
    QFETCH(bool, manual);
    QFETCH(bool, stopBefore);

    const InstalledClock installed(manual);
    std::atomic<bool> stop{stopBefore};
    std::atomic<int> result{-1};
    // An hour: only the stop can end it within the test's time.
    std::thread sleeper([&] { result = kelvan::Clock::sleepFor(3600 * 1000, stop) ? 1 : 0; });
    if (!stopBefore) {
        QVERIFY(eventually([] { return kelvan::Clock::sleeperCount() == 1; }));
        stop = true;
        kelvan::Clock::wakeSleepers();
    }
    QVERIFY(eventually([&] { return result.load() == 0; }));
    sleeper.join();
}

QTEST_GUILESS_MAIN(tst_ClockSleep)
#include "tst_clocksleep.moc"
