#include "lib_kelvan/clock.h"
#include "lib_kelvan/clocktimer.h"

#include <QThread>
#include <QtTest>

#include <atomic>
#include <memory>

using kelvan::Clock;
using kelvan::ClockTimer;
using kelvan::ManualClock;

namespace {

// Ticks (relative to `start`) at which the timer fired.
struct FireLog
{
    FireLog(ClockTimer &timer, qint64 start)
    {
        QObject::connect(&timer, &ClockTimer::timeout, [this, start] { ticks << Clock::instance().tickMs() - start; });
    }
    QList<qint64> ticks;
};

class StepListener final : public kelvan::ClockListener
{
public:
    void clockMoved() override { moves << Clock::instance().tickMs(); }
    qint64 nextDueTickMs(qint64 afterTickMs) override { return due > afterTickMs ? due : -1; }

    qint64 due = -1;
    QList<qint64> moves;
};

} // namespace

class TestClockTimer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void firesOnTheClock_data();
    void firesOnTheClock();
    void restartPostpones();
    void timeoutStopsAnotherDueTimer();
    void clockChangeKeepsTheTimeLeft();
    void systemClockFiresByItself();
    void firesOnItsOwnThread();
    void listenersStopTheClock();

private:
    std::unique_ptr<ManualClock> m_clock;
};

void TestClockTimer::init()
{
    m_clock = std::make_unique<ManualClock>();
    Clock::setInstance(m_clock.get());
}

void TestClockTimer::cleanup()
{
    Clock::setInstance(nullptr);
    m_clock.reset();
}

void TestClockTimer::firesOnTheClock_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("singleShot");
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<QList<qint64>>("fired");

    QTest::newRow("single-shot-not-before-due") << 500 << true << QList<int>{499} << QList<qint64>{};
    QTest::newRow("single-shot-at-due") << 500 << true << QList<int>{499, 1} << QList<qint64>{500};
    QTest::newRow("single-shot-only-once") << 500 << true << QList<int>{5000} << QList<qint64>{500};
    QTest::newRow("repeating-once-per-interval-in-one-move")
        << 200 << false << QList<int>{1000} << QList<qint64>{200, 400, 600, 800, 1000};
    QTest::newRow("repeating-keeps-its-phase-across-small-moves")
        << 200 << false << QList<int>{150, 150, 150} << QList<qint64>{200, 400};
    QTest::newRow("zero-interval-fires-at-the-next-move") << 0 << true << QList<int>{0} << QList<qint64>{0};
    QTest::newRow("negative-move-stands-still") << 10 << true << QList<int>{-100, 10} << QList<qint64>{10};
}

void TestClockTimer::firesOnTheClock()
{
    QFETCH(int, interval);
    QFETCH(bool, singleShot);
    QFETCH(QList<int>, moves);
    QFETCH(QList<qint64>, fired);

    ClockTimer timer;
    FireLog log(timer, m_clock->tickMs());
    timer.setSingleShot(singleShot);
    timer.start(interval);
    for (int ms : moves)
        m_clock->advance(ms);
    QCOMPARE(log.ticks, fired);
    QCOMPARE(timer.isActive(), !singleShot || fired.isEmpty());
}

void TestClockTimer::restartPostpones()
{
    ClockTimer timer;
    FireLog log(timer, m_clock->tickMs());
    timer.setSingleShot(true);
    timer.start(500);
    m_clock->advance(400);
    timer.start();
    QCOMPARE(timer.remainingMs(), qint64(500));
    m_clock->advance(499);
    QVERIFY(log.ticks.isEmpty());
    m_clock->advance(1);
    QCOMPARE(log.ticks, QList<qint64>{900});
    QCOMPARE(timer.remainingMs(), qint64(-1));
}

void TestClockTimer::timeoutStopsAnotherDueTimer()
{
    // Both are due at the same tick; the one started first fires first.
    ClockTimer first;
    auto *second = new ClockTimer;
    FireLog secondLog(*second, 0);
    QObject::connect(&first, &ClockTimer::timeout, [&] { delete second; });
    first.setSingleShot(true);
    first.start(100);
    second->start(100);
    m_clock->advance(100);
    QVERIFY(secondLog.ticks.isEmpty());

    ClockTimer third;
    ClockTimer fourth;
    FireLog fourthLog(fourth, 0);
    QObject::connect(&third, &ClockTimer::timeout, &fourth, &ClockTimer::stop);
    third.start(50);
    fourth.start(50);
    m_clock->advance(100);
    QVERIFY(fourthLog.ticks.isEmpty());
    QVERIFY(!fourth.isActive());
}

void TestClockTimer::clockChangeKeepsTheTimeLeft()
{
    ClockTimer timer;
    timer.setSingleShot(true);
    int fired = 0;
    QObject::connect(&timer, &ClockTimer::timeout, [&] { ++fired; });
    timer.start(500);
    m_clock->advance(200);

    ManualClock other;
    other.advance(7000);
    Clock::setInstance(&other);
    QCOMPARE(timer.remainingMs(), qint64(300));
    m_clock->advance(1000); // no longer the library's clock
    other.advance(299);
    QCOMPARE(fired, 0);
    other.advance(1);
    QCOMPARE(fired, 1);
    Clock::setInstance(m_clock.get());
}

void TestClockTimer::systemClockFiresByItself()
{
    Clock::setInstance(nullptr);
    ClockTimer timer;
    timer.setSingleShot(true);
    QSignalSpy fired(&timer, &ClockTimer::timeout);
    timer.start(1);
    QTRY_COMPARE(fired.count(), 1);
    QVERIFY(!timer.isActive());
}

void TestClockTimer::firesOnItsOwnThread()
{
    QThread worker;
    worker.start();
    auto *timer = new ClockTimer;
    timer->moveToThread(&worker);
    std::atomic<QThread *> firedOn{nullptr};
    QObject::connect(timer, &ClockTimer::timeout, timer, [&] { firedOn = QThread::currentThread(); }, Qt::DirectConnection);
    QMetaObject::invokeMethod(timer, [timer] { timer->start(100); }, Qt::BlockingQueuedConnection);
    m_clock->advance(99);
    m_clock->advance(1);
    QTRY_COMPARE(firedOn.load(), &worker);
    QMetaObject::invokeMethod(timer, [timer] { delete timer; }, Qt::BlockingQueuedConnection);
    worker.quit();
    worker.wait();
}

void TestClockTimer::listenersStopTheClock()
{
    StepListener listener;
    listener.due = m_clock->tickMs() + 150;
    Clock::addListener(&listener);
    const qint64 start = m_clock->tickMs();
    m_clock->advance(300);
    Clock::removeListener(&listener);
    m_clock->advance(10);
    QCOMPARE(listener.moves, (QList<qint64>{start + 150, start + 300}));
}

QTEST_GUILESS_MAIN(TestClockTimer)
#include "tst_clocktimer.moc"
