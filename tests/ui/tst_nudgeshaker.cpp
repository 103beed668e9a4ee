// The nudge shake: a one-pixel pattern that always brings the window back.

#include "lib_kelvan/clock.h"
#include "ui/chat/nudgeshaker.h"

#include <QWidget>
#include <QtTest>

class tst_NudgeShaker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endsWhereItStarted_data();
    void endsWhereItStarted();
    void stepsWhileMinimizedDoNotMove();
    void runsOnTheLibraryClock();
    void shakesTheWindowOfAPage();
};

void tst_NudgeShaker::endsWhereItStarted_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("restartAfter");
    QTest::newRow("fifty steps") << 50 << -1;
    QTest::newRow("an odd number of steps") << 7 << -1;
    QTest::newRow("restarted on an odd step") << 50 << 13;
    QTest::newRow("restarted on an even step") << 50 << 20;
}

void tst_NudgeShaker::endsWhereItStarted()
{
    QFETCH(int, steps);
    QFETCH(int, restartAfter);
    QWidget window;
    window.move(200, 150);
    const QPoint origin = window.pos();
    NudgeShaker shaker(&window);
    shaker.start(steps);
    QList<QPoint> seen;
    int taken = 0;
    while (shaker.isRunning()) {
        shaker.onTimer();
        seen << window.pos();
        if (++taken == restartAfter)
            shaker.start(steps);
    }
    QCOMPARE(window.pos(), origin);
    for (const QPoint &p : seen)
        QVERIFY2((p - origin).manhattanLength() <= 2, "the shake strays one pixel at most");
    QVERIFY(!shaker.timer()->isActive());
}

void tst_NudgeShaker::stepsWhileMinimizedDoNotMove()
{
    QWidget window;
    window.move(100, 100);
    window.show();
    const QPoint origin = window.pos();
    NudgeShaker shaker(&window);
    shaker.start(50);
    shaker.onTimer(); // one step moved
    window.showMinimized();
    const QPoint minimizedAt = window.pos();
    for (int i = 0; i < 10; ++i)
        shaker.onTimer();
    QCOMPARE(window.pos(), minimizedAt);
    QCOMPARE(shaker.remaining(), 39);
    window.showNormal();
    while (shaker.isRunning())
        shaker.onTimer();
    QCOMPARE(window.pos(), origin);
}

void tst_NudgeShaker::runsOnTheLibraryClock()
{
    kelvan::ManualClock clock;
    kelvan::Clock::setInstance(&clock);
    QWidget window;
    NudgeShaker shaker(&window);
    shaker.start(4);
    clock.advance(3 * NudgeShaker::StepIntervalMs);
    QCOMPARE(shaker.remaining(), 1);
    clock.advance(NudgeShaker::StepIntervalMs);
    QVERIFY(!shaker.isRunning());
    kelvan::Clock::setInstance(nullptr);
}

void tst_NudgeShaker::shakesTheWindowOfAPage()
{
    QWidget window;
    auto *page = new QWidget(&window);
    window.move(300, 200);
    page->move(5, 5);
    NudgeShaker shaker(page);
    shaker.start(3);
    shaker.onTimer();
    QCOMPARE(window.pos(), QPoint(299, 199));
    QCOMPARE(page->pos(), QPoint(5, 5));
    while (shaker.isRunning())
        shaker.onTimer();
    QCOMPARE(window.pos(), QPoint(300, 200));
}

QTEST_MAIN(tst_NudgeShaker)
#include "tst_nudgeshaker.moc"
