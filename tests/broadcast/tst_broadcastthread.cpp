// The sending thread's pacing on a test clock: batches, pauses that only
// the clock's moves end, none after the last batch, refused peers outside
// the count, and a stop that ends a pause at once.

#include "broadcast/broadcastthread.h"
#include "lib_kelvan/clock.h"
#include "lib_kelvan/threadmanager.h"

#include <QtTest>

#include <mutex>
#include <vector>

namespace {

// The host as the thread sees it: refused peers, and every send with the
// tick it went out at.
struct FakeHost
{
    std::mutex lock;
    QSet<QByteArray> refusing;
    std::vector<QPair<QByteArray, qint64>> sends;
    QByteArray registeredAs;

    int sendCount()
    {
        const std::lock_guard<std::mutex> guard(lock);
        return int(sends.size());
    }
};

// The manager's name for the calling thread.
QByteArray registeredName()
{
    kelvan::IThreadManager &manager = kelvan::threadManager();
    for (int i = 0; i < manager.threadCount(); ++i) {
        if (manager.threadIdAt(i) == kelvan::currentThreadId())
            return QByteArray(manager.threadNameAt(i));
    }
    return QByteArray();
}

} // namespace

// Gets the thread's signals queued, on the test's thread.
class Receiver : public QObject
{
    Q_OBJECT

public:
    QVector<quint64> sent;
    QVector<quint64> failed;
    int finished = 0;

public Q_SLOTS:
    void onSent(quint64 peer) { sent.append(peer); }
    void onFailed(quint64 peer) { failed.append(peer); }
    void onFinished() { ++finished; }
};

class tst_BroadcastThread : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { kelvan::Clock::setInstance(&m_clock); }
    void cleanup() { kelvan::Clock::setInstance(nullptr); }
    void pacing_data();
    void pacing();
    void stopEndsThePauseAtOnce();
    void stoppedBeforeStartSendsNothing();

private:
    BroadcastThread *makeThread(FakeHost &host, Receiver &receiver, int recipients, int batch, int interval);

    kelvan::ManualClock m_clock;
};

BroadcastThread *tst_BroadcastThread::makeThread(FakeHost &host, Receiver &receiver, int recipients, int batch,
                                                 int interval)
{
    auto *thread = new BroadcastThread(
        "job", [&host](const QByteArray &peer) {
            const std::lock_guard<std::mutex> guard(host.lock);
            return !host.refusing.contains(peer);
        },
        [&host](const QByteArray &job, const QByteArray &peer, const QByteArray &text) {
            Q_UNUSED(job)
            Q_UNUSED(text)
            const std::lock_guard<std::mutex> guard(host.lock);
            host.sends.push_back({peer, kelvan::Clock::instance().tickMs()});
            if (host.registeredAs.isEmpty())
                host.registeredAs = registeredName();
            return true;
        });
    QVector<quint64> queue;
    for (int i = 1; i <= recipients; ++i)
        queue.append(quint64(i));
    thread->setQueue(queue);
    thread->setMessage(QStringLiteral("hello"));
    thread->setBatchSize(batch);
    thread->setSendInterval(interval);
    connect(thread, &BroadcastThread::sigMessageSent, &receiver, &Receiver::onSent, Qt::QueuedConnection);
    connect(thread, &BroadcastThread::sigSendingFailed, &receiver, &Receiver::onFailed, Qt::QueuedConnection);
    connect(thread, &BroadcastThread::sigSendingFinished, &receiver, &Receiver::onFinished, Qt::QueuedConnection);
    return thread;
}

void tst_BroadcastThread::pacing_data()
{
    QTest::addColumn<int>("recipients");
    QTest::addColumn<int>("batch");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QStringList>("refusing");
    // Per batch, the peers sent to: they go out at 0, interval, 2 × interval...
    QTest::addColumn<QVector<int>>("batchEnds");

    QTest::newRow("25 in tens: pause, pause, no pause after the last five")
        << 25 << 10 << 1000 << QStringList() << QVector<int>{10, 20, 25};
    QTest::newRow("refused peers do not count towards a batch")
        << 6 << 2 << 500 << QStringList{QStringLiteral("2"), QStringLiteral("5")} << QVector<int>{2, 4};
    QTest::newRow("no interval: one go without pauses") << 7 << 3 << 0 << QStringList() << QVector<int>{7};
}

void tst_BroadcastThread::pacing()
{
    QFETCH(int, recipients);
    QFETCH(int, batch);
    QFETCH(int, interval);
    QFETCH(QStringList, refusing);
    QFETCH(QVector<int>, batchEnds);

    FakeHost host;
    for (const QString &peer : refusing)
        host.refusing.insert(peer.toUtf8());
    Receiver receiver;
    QScopedPointer<BroadcastThread> thread(makeThread(host, receiver, recipients, batch, interval));
    const qint64 start = m_clock.tickMs();
    thread->start();
    for (int b = 0; b < batchEnds.size(); ++b) {
        QTRY_COMPARE(host.sendCount(), batchEnds.at(b));
        if (b + 1 == batchEnds.size())
            break;
        // In the pause: nothing more goes out until the clock has moved.
        QTRY_COMPARE(kelvan::Clock::sleeperCount(), 1);
        QCOMPARE(host.sendCount(), batchEnds.at(b));
        m_clock.advance(interval - 1);
        QCOMPARE(host.sendCount(), batchEnds.at(b));
        m_clock.advance(1);
    }
    // No pause after the last batch: finished without another move.
    QTRY_COMPARE(receiver.finished, 1);
    QVERIFY(thread->wait(10000));
    QCOMPARE(receiver.failed.size(), refusing.size());
    QCOMPARE(receiver.sent.size(), batchEnds.last());
    const std::lock_guard<std::mutex> guard(host.lock);
    int b = 0;
    for (int i = 0; i < int(host.sends.size()); ++i) {
        if (i == batchEnds.at(b))
            ++b;
        QCOMPARE(host.sends.at(i).second - start, qint64(b) * interval);
        QVERIFY(!host.refusing.contains(host.sends.at(i).first));
    }
    QCOMPARE(host.registeredAs, QByteArray(BroadcastThread::registrationName()));
}

void tst_BroadcastThread::stopEndsThePauseAtOnce()
{
    FakeHost host;
    Receiver receiver;
    // An hour's pause that the clock never ends.
    QScopedPointer<BroadcastThread> thread(makeThread(host, receiver, 3, 1, 3600 * 1000));
    thread->start();
    QTRY_COMPARE(kelvan::Clock::sleeperCount(), 1);
    thread->stop();
    QTRY_COMPARE(receiver.finished, 1);
    QVERIFY(thread->wait(10000));
    QCOMPARE(host.sendCount(), 1);
}

void tst_BroadcastThread::stoppedBeforeStartSendsNothing()
{
    FakeHost host;
    Receiver receiver;
    QScopedPointer<BroadcastThread> thread(makeThread(host, receiver, 3, 1, 0));
    thread->stop();
    thread->start();
    QVERIFY(thread->wait(10000));
    QCoreApplication::processEvents();
    QCOMPARE(host.sendCount(), 0);
    QCOMPARE(receiver.finished, 0);
}

QTEST_GUILESS_MAIN(tst_BroadcastThread)
#include "tst_broadcastthread.moc"
