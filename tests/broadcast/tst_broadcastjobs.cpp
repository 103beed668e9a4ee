// Broadcast jobs and receipts over hostkit's services, without windows: the
// limits the host configures, job ids, inline and threaded sends, receipts
// from peers and to senders, and the missed-broadcast event. Recording
// windows stand in for the composer and viewer.

#include "broadcast/broadcastalertpolicy.h"
#include "broadcast/broadcastdocument.h"
#include "broadcast/broadcastregistry.h"
#include "broadcast/broadcastthread.h"
#include "broadcast/broadcastviewerinterface.h"
#include "broadcast/broadcastwindowfactory.h"
#include "broadcast/broadcastwindowinterface.h"
#include "hostkit/host.h"
#include "hostkit/hostmessage.h"
#include "hostkit/hostuser.h"
#include "hostkit/messagestore.h"
#include "hostkit/network.h"
#include "lib_kelvan/clock.h"

#include <QtTest>

#include <deque>
#include <memory>

namespace {

class RecordingComposer final : public BroadcastWindowInterface
{
public:
    explicit RecordingComposer(QStringList &log) : m_log(log) {}
    void release() override { delete this; }
    void showWindow() override {}
    void recipientAdded(quint64) override {}
    void recipientRemoved(quint64) override {}
    void sendingStarted(int) override {}
    void peerSent(quint64 peer) override { m_log << QStringLiteral("sent %1").arg(peer); }
    void peerFailed(quint64 peer) override { m_log << QStringLiteral("failed %1").arg(peer); }
    void peerSeen(quint64 peer) override { m_log << QStringLiteral("seen %1").arg(peer); }
    void seenByAll() override { m_log << QStringLiteral("seen by all"); }
    void sendingCompleted() override { m_log << QStringLiteral("completed"); }
    void applySettings() override {}
    void refreshRecipient(quint64) override {}
    void setConnected(bool) override {}

private:
    QStringList &m_log;
};

class RecordingViewer final : public BroadcastViewerInterface
{
public:
    explicit RecordingViewer(QStringList &log) : m_log(log) {}
    void release() override { delete this; }
    void addMessage(const ReceivedBroadcast &message) override { m_log << QString::fromUtf8(message.body()); }
    void raiseWindow() override { m_log << QStringLiteral("raised"); }
    void refreshSender() override {}
    void applySettings() override {}
    void pictureChanged(const QByteArray &, int) override {}

private:
    QStringList &m_log;
};

// Every window's calls in one log per job (by creation order) and one for viewers.
class RecordingFactory final : public BroadcastWindowFactory
{
public:
    BroadcastWindowInterface *createComposer(BroadcastDocument *) override
    {
        composers.emplace_back();
        return new RecordingComposer(composers.back());
    }
    BroadcastViewerInterface *createViewer(BroadcastRegistry *, quint64) override
    {
        return new RecordingViewer(viewer);
    }
    // A deque: the logs stay where they are while more are added.
    std::deque<QStringList> composers;
    QStringList viewer;
};

} // namespace

class tst_BroadcastJobs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void limits_data();
    void limits();
    void jobIdsCountOn();
    void inlineOrThreaded_data();
    void inlineOrThreaded();
    void receiptMarksEveryJobThatListsThePeer();
    void receiptsThatChangeNothing_data();
    void receiptsThatChangeNothing();
    void statesOnlyMoveForward();
    void destroyingAJobStopsItsThread();
    void closingAViewerSendsOneReceipt();
    void missedBroadcastEvent();
    void viewerAlerts_data();
    void viewerAlerts();

private:
    BroadcastDocument *job(const QList<quint64> &recipients) { return m_registry->newJob(recipients); }
    int sends() const { return m_host->journal().count("sendBroadcast"); }
    void deliverControl(const QByteArray &from, const QByteArray &text);

    kelvan::ManualClock m_clock{QDateTime(QDate(2026, 3, 5), QTime(12, 0), Qt::OffsetFromUTC, 3600)};
    std::unique_ptr<hostkit::Host> m_host;
    RecordingFactory m_factory;
    std::unique_ptr<BroadcastRegistry> m_registry;
};

void tst_BroadcastJobs::init()
{
    kelvan::Clock::setInstance(&m_clock);
    BroadcastWindowFactory::setInstance(&m_factory);
    m_host = std::make_unique<hostkit::Host>(hostkit::Profile::inMemory());
    m_registry = std::make_unique<BroadcastRegistry>(m_host->servicesFor("broadcast"), nullptr);
}

void tst_BroadcastJobs::cleanup()
{
    m_registry.reset();
    m_host.reset();
    m_factory.composers.clear();
    m_factory.viewer.clear();
    BroadcastWindowFactory::setInstance(nullptr);
    kelvan::Clock::setInstance(nullptr);
}

void tst_BroadcastJobs::deliverControl(const QByteArray &from, const QByteArray &text)
{
    hostkit::Contact contact;
    if (const hostkit::Contact *known = m_host->profile().find(from))
        contact = *known;
    contact.id = from;
    const hostkit::HostUser sender(contact);
    m_registry->onControlMessage(&sender, text);
}

void tst_BroadcastJobs::limits_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("batch");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("maximum");

    QTest::newRow("batch 0 becomes 1, maximum 1 becomes 200, no interval line keeps 0")
        << QByteArray() << QByteArray("batch_size=0\nmax_recipients=1") << 1 << 0 << 200;
    QTest::newRow("every key read") << QByteArray() << QByteArray("batch_size=10\nsend_interval=1000\nmax_recipients=50")
                                    << 10 << 1000 << 50;
    QTest::newRow("CR LF lines and blanks around the parts")
        << QByteArray() << QByteArray("batch_size = 5\r\nsend_interval= 250 \r\n") << 5 << 250 << 200;
    QTest::newRow("empty values keep what was set before")
        << QByteArray("batch_size=4\nsend_interval=100\nmax_recipients=50") << QByteArray("batch_size=\nsend_interval=")
        << 4 << 100 << 50;
    QTest::newRow("unknown keys and lines without = ignored")
        << QByteArray() << QByteArray("colour=red\nbatch_size\nmax_recipients=300") << 1 << 0 << 300;
    QTest::newRow("no number reads as 0, then clamped")
        << QByteArray("batch_size=4") << QByteArray("batch_size=ten\nsend_interval=99999999999") << 1 << 0 << 200;
    QTest::newRow("the interval is not clamped") << QByteArray() << QByteArray("send_interval=-5") << 1 << -5 << 200;
    QTest::newRow("a text beyond 64 KiB is read up to there")
        << QByteArray() << QByteArray(70000, 'x') + "\nbatch_size=7" << 1 << 0 << 200;
}

void tst_BroadcastJobs::limits()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, text);

    m_registry->setOptions(before);
    m_registry->setOptions(text);
    const BroadcastLimits limits = m_registry->limits();
    QTEST(limits.batchSize, "batch");
    QTEST(limits.sendIntervalMs, "interval");
    QTEST(limits.maxRecipients, "maximum");
}

void tst_BroadcastJobs::jobIdsCountOn()
{
    // Own id, the host's broadcast id, the local time, the counter.
    QCOMPARE(job({})->id(), QByteArray("1000_hk1_20260305120000_0"));
    job({});
    QVERIFY(job({})->id().endsWith("_2"));
    QCOMPARE(m_registry->documents().size(), 3);
}

void tst_BroadcastJobs::inlineOrThreaded_data()
{
    QTest::addColumn<int>("recipients");
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<bool>("threaded");

    QTest::newRow("2 recipients without interval: inline") << 2 << QByteArray() << false;
    QTest::newRow("2 recipients with an interval: threaded") << 2 << QByteArray("send_interval=500") << true;
    QTest::newRow("3 recipients: threaded") << 3 << QByteArray() << true;
}

void tst_BroadcastJobs::inlineOrThreaded()
{
    QFETCH(int, recipients);
    QFETCH(QByteArray, options);
    QFETCH(bool, threaded);

    m_registry->setOptions(options);
    QList<quint64> ids;
    for (int i = 0; i < recipients; ++i)
        ids << quint64(1001 + i);
    BroadcastDocument *document = job(ids);
    document->send(QStringLiteral("Lunch?"));
    QCOMPARE(document->thread() != nullptr, threaded);
    if (!threaded) {
        // Done before send() returned.
        QCOMPARE(sends(), recipients);
        QVERIFY(document->isFinished());
        QCOMPARE(m_factory.composers.front(), (QStringList{"sent 1001", "sent 1002", "completed"}));
        // Send pressed again sends nothing more.
        document->send(QStringLiteral("again"));
        QCOMPARE(sends(), recipients);
    } else {
        QVERIFY(document->isStarted());
        QTRY_VERIFY(sends() >= 1);
    }
}

void tst_BroadcastJobs::receiptMarksEveryJobThatListsThePeer()
{
    BroadcastDocument *first = job({1001, 1002});
    BroadcastDocument *second = job({1002, 1003});
    first->send(QStringLiteral("a"));
    second->send(QStringLiteral("b"));
    deliverControl("1002", hostkit::Network::controlRecord("MESSAGE_SEEN"));
    QCOMPARE(first->stateOf(1002), int(BroadcastDocument::Seen));
    QCOMPARE(second->stateOf(1002), int(BroadcastDocument::Seen));
    QVERIFY(!m_factory.composers.at(0).contains("seen by all"));
    deliverControl("1001", hostkit::Network::controlRecord("MESSAGE_SEEN"));
    QCOMPARE(m_factory.composers.at(0).last(), QStringLiteral("seen by all"));
    QVERIFY(!m_factory.composers.at(1).contains("seen by all"));

    // Receipts count also for recipients never reported as sent.
    BroadcastDocument *unsent = job({1004, 1005});
    deliverControl("1004", hostkit::Network::controlRecord("MESSAGE_SEEN"));
    deliverControl("1005", hostkit::Network::controlRecord("MESSAGE_SEEN"));
    QCOMPARE(unsent->stateOf(1005), int(BroadcastDocument::Seen));
    QCOMPARE(m_factory.composers.at(2).last(), QStringLiteral("seen by all"));
}

void tst_BroadcastJobs::receiptsThatChangeNothing_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("another command") << QByteArray("1001") << hostkit::Network::controlRecord("WRITING");
    QTest::newRow("the command word in lower case")
        << QByteArray("1001") << QByteArray("<data COMMAND=\"message_seen\"/>\r\n");
    QTest::newRow("no element") << QByteArray("1001") << QByteArray("MESSAGE_SEEN");
    QTest::newRow("a sender id that is no number") << QByteArray("bea") << hostkit::Network::controlRecord("MESSAGE_SEEN");
    QTest::newRow("a peer no job lists") << QByteArray("1004") << hostkit::Network::controlRecord("MESSAGE_SEEN");
}

void tst_BroadcastJobs::receiptsThatChangeNothing()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, text);

    BroadcastDocument *document = job({1001, 1002});
    document->send(QStringLiteral("a"));
    deliverControl(from, text);
    QCOMPARE(document->stateOf(1001), int(BroadcastDocument::Sent));
    QCOMPARE(document->recipientCount(), 2);
}

void tst_BroadcastJobs::statesOnlyMoveForward()
{
    BroadcastDocument *document = job({1001, 1002});
    document->markSeen(1001);
    // A send reported after the receipt leaves it seen; one for a peer the
    // job did not list adds it as sent.
    document->slotOnMessageSent(1001);
    document->slotOnMessageSent(1009);
    QCOMPARE(document->stateOf(1001), int(BroadcastDocument::Seen));
    QCOMPARE(document->stateOf(1009), int(BroadcastDocument::Sent));
    QCOMPARE(document->stateOf(1002), int(BroadcastDocument::Pending));
}

void tst_BroadcastJobs::destroyingAJobStopsItsThread()
{
    m_registry->setOptions("send_interval=1000");
    BroadcastDocument *document = job({1001, 1002, 1003});
    document->send(QStringLiteral("a"));
    QTRY_COMPARE(sends(), 1);
    QTRY_COMPARE(kelvan::Clock::sleeperCount(), 1);
    m_registry->removeDocument(document);
    QVERIFY(BroadcastThread::finishRetired(10000));
    m_clock.advance(5000);
    QCoreApplication::processEvents();
    QCOMPARE(sends(), 1);
}

void tst_BroadcastJobs::closingAViewerSendsOneReceipt()
{
    const qint64 id = m_host->receiveBroadcast("1001", "Office closed [b]Monday[/b]");
    const hostkit::HostMessage message(*m_host->store().byEvent(id));
    m_registry->onBroadcastReceived(message);
    // The same message again (delivered twice) is shown once.
    m_registry->onBroadcastReceived(message);
    QCOMPARE(m_factory.viewer, QStringList{"Office closed [b]Monday[/b]"});
    QCOMPARE(m_registry->viewerRecord(1001)->sender.displayNameString(), QStringLiteral("Bea Hansen"));

    // The user closes it: the window goes and tells the registry, twice over.
    std::unique_ptr<BroadcastViewerInterface> closed(m_registry->viewerRecord(1001)->viewer);
    m_registry->viewerClosed(1001);
    m_registry->viewerClosed(1001);
    const auto receipts = m_host->journal().calls("sendControl");
    QCOMPARE(receipts.size(), 1);
    QCOMPARE(receipts.at(0).arguments.at(0).toString(), QStringLiteral("1001"));
    QCOMPARE(receipts.at(0).arguments.at(1).toString(), QStringLiteral("<data COMMAND=\"MESSAGE_SEEN\"/>\r\n"));
    QVERIFY(!m_registry->viewerRecord(1001));
}

void tst_BroadcastJobs::missedBroadcastEvent()
{
    m_registry->postMissedEvent();
    const auto events = m_host->submittedEvents();
    QCOMPARE(events.size(), 1);
    QCOMPARE(events.at(0).pluginId, QByteArray("broadcast"));
    QCOMPARE(events.at(0).title, QStringLiteral("Broadcast Message"));
    QCOMPARE(events.at(0).text, QStringLiteral("Missed Broadcast Message"));
    QCOMPARE(events.at(0).actions, QStringList{QStringLiteral("Close this event|OK")});
}

void tst_BroadcastJobs::viewerAlerts_data()
{
    QTest::addColumn<int>("playSound");
    QTest::addColumn<int>("showNotification");
    QTest::addColumn<bool>("active");
    // sound, popup, flash, missed event
    QTest::addColumn<QVector<bool>>("expected");

    QTest::newRow("in front, always a sound: the sound only") << 0 << 2 << true << QVector<bool>{true, false, false, false};
    QTest::newRow("in front, sound when not active: nothing") << 1 << 2 << true << QVector<bool>{false, false, false, false};
    QTest::newRow("behind, popups when not active: everything")
        << 1 << 2 << false << QVector<bool>{true, true, true, true};
    QTest::newRow("behind, never a sound, popup on first only: flash and event")
        << 2 << 1 << false << QVector<bool>{false, false, true, true};
}

void tst_BroadcastJobs::viewerAlerts()
{
    QFETCH(int, playSound);
    QFETCH(int, showNotification);
    QFETCH(bool, active);

    const BroadcastAlertPolicy::Decision d = BroadcastAlertPolicy::decide(playSound, showNotification, true, active);
    QTEST((QVector<bool>{d.sound, d.popup, d.flash, d.missedEvent}), "expected");
}

QTEST_MAIN(tst_BroadcastJobs)
#include "tst_broadcastjobs.moc"
