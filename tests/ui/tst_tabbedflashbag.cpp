// Tab blinking on the library clock: five lit ticks and one dark for ten
// seconds, then a steady dot; what restarts the ten seconds and what stops.

#include "lib_kelvan/clock.h"
#include "ui/chat/tabbedflashbag.h"

#include <QHash>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The dot value each tick gave `peer`, -1 for a tick that left it alone.
QList<int> valuesOf(const QSignalSpy &spy, quint64 peer)
{
    QList<int> values;
    for (const QList<QVariant> &emitted : spy) {
        const QList<quint64> list = emitted.at(0).value<QList<quint64>>();
        int value = -1;
        for (int i = 0; i + 1 < list.size(); i += 2) {
            if (list.at(i) == peer)
                value = int(list.at(i + 1));
        }
        values << value;
    }
    return values;
}

} // namespace

class tst_TabbedFlashBag : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void blinksTenSecondsThenStaysLit();
    void newMessageRestartsOnlyWhenTheCountChanged_data();
    void newMessageRestartsOnlyWhenTheCountChanged();
    void stoppingOneTabLeavesTheOthersBlinking();

private:
    kelvan::ManualClock m_clock;
    QHash<quint64, int> m_counts;
    std::unique_ptr<TabbedFlashBag> m_bag;
};

void tst_TabbedFlashBag::init()
{
    kelvan::Clock::setInstance(&m_clock);
    m_counts.clear();
    m_bag = std::make_unique<TabbedFlashBag>([this](quint64 peer) { return m_counts.value(peer); });
}

void tst_TabbedFlashBag::cleanup()
{
    m_bag.reset();
    kelvan::Clock::setInstance(nullptr);
}

void tst_TabbedFlashBag::blinksTenSecondsThenStaysLit()
{
    QSignalSpy spy(m_bag.get(), &TabbedFlashBag::sigBlinkList);
    m_counts[7] = 3;
    m_bag->add(7);
    m_bag->add(0); // no peer
    m_clock.advance(TabbedFlashBag::BlinkMs + 2000);
    // Lit when it starts; then dark once every six ticks until 10 s have
    // passed since that first tick, when the dot stays lit for good.
    QList<int> expected{3};
    const int ticks = int(TabbedFlashBag::BlinkMs / TabbedFlashBag::TickMs);
    for (int i = 0; i < ticks; ++i)
        expected << (i % 6 == 0 ? 0 : 3);
    QCOMPARE(valuesOf(spy, 7), expected);
    QVERIFY(!m_bag->isRunning());
    QVERIFY(!valuesOf(spy, 0).contains(0));
}

void tst_TabbedFlashBag::newMessageRestartsOnlyWhenTheCountChanged_data()
{
    QTest::addColumn<int>("newCount");
    QTest::addColumn<qint64>("steadyAfterMs");
    QTest::newRow("same count keeps the first ten seconds") << 3 << qint64(200 + 10000);
    QTest::newRow("a changed count starts ten seconds anew") << 4 << qint64(5000 + 200 + 10000);
}

void tst_TabbedFlashBag::newMessageRestartsOnlyWhenTheCountChanged()
{
    QFETCH(int, newCount);
    QFETCH(qint64, steadyAfterMs);
    m_counts[7] = 3;
    m_bag->add(7);
    m_clock.advance(5000);
    m_counts[7] = newCount;
    m_bag->add(7);
    m_clock.advance(steadyAfterMs - 5000 - 1);
    QVERIFY(m_bag->isRunning());
    QSignalSpy spy(m_bag.get(), &TabbedFlashBag::sigBlinkList);
    m_clock.advance(TabbedFlashBag::TickMs);
    QVERIFY(!m_bag->isRunning());
    QCOMPARE(valuesOf(spy, 7), QList<int>{newCount});
}

void tst_TabbedFlashBag::stoppingOneTabLeavesTheOthersBlinking()
{
    m_counts[7] = 2;
    m_counts[8] = 5;
    m_bag->add(7);
    m_bag->add(8);
    m_clock.advance(3 * TabbedFlashBag::TickMs);
    QSignalSpy spy(m_bag.get(), &TabbedFlashBag::sigBlinkList);
    m_bag->stop(7);
    m_clock.advance(6 * TabbedFlashBag::TickMs);
    QCOMPARE(valuesOf(spy, 7), (QList<int>{-1, -1, -1, -1, -1, -1}));
    QCOMPARE(valuesOf(spy, 8), (QList<int>{5, 5, 5, 5, 0, 5}));
    m_bag->stop(8);
    QVERIFY(!m_bag->isRunning());
    // The same count later is news again: a selected tab forgot it.
    m_bag->add(7);
    QVERIFY(m_bag->isRunning());
}

QTEST_GUILESS_MAIN(tst_TabbedFlashBag)
#include "tst_tabbedflashbag.moc"
