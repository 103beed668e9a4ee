// Two hosts chat through a private prosody server: what one sends, the other
// stores and delivers; message-level commands travel as the protocol's own
// extensions; a second device reads the archive; a restarted server loses
// and doubles nothing; what a hostile peer sends is ignored.
#include "../common/testpictures.h"

#include "hostkit/host.h"
#include "hostkit/journal.h"
#include "hostkit/messagestore.h"
#include "hostkit/network.h"
#include "hostkit/transfers.h"
#include "xmpp/prosodyserver.h"
#include "xmpp/xmpptransport.h"

#include <sdk/ihostservices.h>

#include <QXmppElement.h>
#include <QXmppMessage.h>

#include <QApplication>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace hostkit;

namespace {

constexpr int kWaitMs = 15000;
const QByteArray kBea = "1001"; // Bea in Alex's profile
const QByteArray kRoom = "5001"; // a room in both profiles

struct Side
{
    std::unique_ptr<Host> host;
    std::unique_ptr<XmppTransport> transport;
    IHostServices *services = nullptr;
};

} // namespace

class TestXmppNetwork : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void rosterBecomesContactsWithPresence();
    void messageArrivesStoredAndDelivered();
    void commandsTravelAsExtensions_data();
    void commandsTravelAsExtensions();
    void typingArrivesAsControlRecord();
    void pictureGoesAcross();
    void roomHoldsBoth();
    void secondDeviceReadsTheArchive();
    void restartedServerLosesAndDoublesNothing();
    void hostileStanzasAreIgnored_data();
    void hostileStanzasAreIgnored();

private:
    Side makeSide(const QString &user, bool withPlugin);
    QByteArray alexOnBea();
    // Sends from Alex to Bea and returns Bea's event id of it (0: never came).
    qint64 sendToBea(const QByteArray &body, qint64 *alexEvent = nullptr);

    QTemporaryDir m_dir;
    std::unique_ptr<ProsodyServer> m_server;
    Side m_alex;
    Side m_bea;
};

Side TestXmppNetwork::makeSide(const QString &user, bool withPlugin)
{
    Side s;
    Profile profile = Profile::inMemory();
    profile.setXmppAccount(QJsonObject{{"jid", m_server->jid(user)},
                                       {"password", "pw-" + user},
                                       {"host", "127.0.0.1"},
                                       {"port", int(m_server->port())}});
    if (Contact *room = profile.find(kRoom))
        room->jid = QStringLiteral("team@") + m_server->roomService();
    if (Contact *bea = profile.find(kBea))
        bea->jid = user == QLatin1String("bea") ? QString() : m_server->jid(QStringLiteral("bea"));
    // Offline until the server says otherwise.
    for (Contact &c : profile.contacts())
        c.status = Contact::Offline;
    s.host = std::make_unique<Host>(std::move(profile));
    if (withPlugin) {
        const Result r = s.host->loadPlugin(QStringLiteral(CHAT_PLUGIN));
        if (!r)
            qWarning() << r.error;
    }
    s.services = s.host->servicesFor("test");
    s.transport = std::make_unique<XmppTransport>(*s.host, *XmppTransport::accountOf(s.host->profile()));
    QSignalSpy roster(s.transport.get(), &XmppTransport::rosterReceived);
    QSignalSpy history(s.transport.get(), &XmppTransport::historyLoaded);
    s.transport->connectToServer();
    if (!roster.wait(kWaitMs))
        qWarning() << "no roster for" << user;
    if (history.isEmpty() && !history.wait(kWaitMs))
        qWarning() << "no archive read for" << user;
    return s;
}

QByteArray TestXmppNetwork::alexOnBea()
{
    const Contact *alex = m_bea.transport->contactFor(m_server->jid(QStringLiteral("alex")));
    return alex ? alex->id : QByteArray();
}

qint64 TestXmppNetwork::sendToBea(const QByteArray &body, qint64 *alexEvent)
{
    QSignalSpy arrived(m_bea.transport.get(), &XmppTransport::messageHandled);
    if (!m_alex.services->sendInstantMessage("s1", kBea.constData(), body.constData()))
        return 0;
    if (alexEvent)
        *alexEvent = m_alex.host->store().lastEventId();
    if (!arrived.wait(kWaitMs))
        return 0;
    return arrived.last().at(0).toLongLong();
}

void TestXmppNetwork::initTestCase()
{
    const QString why = ProsodyServer::unavailableReason();
    if (!why.isEmpty())
        QSKIP(qPrintable(QStringLiteral("needs a local prosody server: %1").arg(why)));
    // The server runs as its own user when the test is root: it must reach
    // its folder.
    QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ExeOther | QFile::ExeGroup);
    m_server = std::make_unique<ProsodyServer>(m_dir.filePath(QStringLiteral("prosody")));
    m_server->addAccount({QStringLiteral("alex"), QStringLiteral("pw-alex"), QStringLiteral("Alex Morgan")});
    m_server->addAccount({QStringLiteral("bea"), QStringLiteral("pw-bea"), QStringLiteral("Bea Hansen")});
    const Result started = m_server->start();
    if (!started)
        QSKIP(qPrintable(QStringLiteral("prosody could not start: %1").arg(started.error)));
    m_alex = makeSide(QStringLiteral("alex"), true);
    m_bea = makeSide(QStringLiteral("bea"), false);
    QVERIFY(m_alex.transport->isConnected());
    QVERIFY(m_bea.transport->isConnected());
}

void TestXmppNetwork::cleanupTestCase()
{
    for (Side *s : {&m_alex, &m_bea}) {
        s->transport.reset();
        s->host.reset();
    }
    if (m_server)
        m_server->stop();
}

void TestXmppNetwork::rosterBecomesContactsWithPresence()
{
    // Alex's profile knew Bea by address; Bea's got Alex from the roster.
    QTRY_COMPARE_WITH_TIMEOUT(m_alex.host->profile().find(kBea)->status, int(Contact::Online), kWaitMs);
    const QByteArray alex = alexOnBea();
    QVERIFY(!alex.isEmpty());
    QCOMPARE(m_bea.host->profile().find(alex)->displayName, QStringLiteral("Alex Morgan"));
    QTRY_COMPARE_WITH_TIMEOUT(m_bea.host->profile().find(alex)->status, int(Contact::Online), kWaitMs);
    // Alex's picture from his vCard.
    QTRY_VERIFY_WITH_TIMEOUT(!m_bea.host->profile().find(alex)->avatarFile.isEmpty(), kWaitMs);
    const QImage avatar(QDir(m_bea.host->profile().folder()).filePath(m_bea.host->profile().find(alex)->avatarFile));
    QCOMPARE(avatar.size(), QSize(64, 64));
}

void TestXmppNetwork::messageArrivesStoredAndDelivered()
{
    QSignalSpy arrived(m_alex.transport.get(), &XmppTransport::messageHandled);
    const QByteArray markup = "Hello [b]Alex[/b] (smile)";
    QVERIFY(m_bea.services->sendInstantMessage("s1", alexOnBea().constData(), markup.constData()));
    QVERIFY(arrived.wait(kWaitMs));
    const auto stored = m_alex.host->store().byEvent(arrived.last().at(0).toLongLong());
    QVERIFY(stored);
    QCOMPARE(stored->body, markup);
    QCOMPARE(stored->conversation, kBea);
    QVERIFY(stored->received);
    QCOMPARE(stored->sessionKey, QByteArray("s1"));
    // The sender's id beside the event id, the same on both sides.
    const QByteArray sent = m_bea.host->store().originIdOf(m_bea.host->store().lastEventId());
    QVERIFY(!sent.isEmpty());
    QCOMPARE(m_alex.host->store().originIdOf(stored->eventId), sent);
    // The plug-in heard of it.
    bool delivered = false;
    for (const Journal::Entry &e : m_alex.host->journal().entries())
        delivered = delivered || (e.operation == "onMessage" && e.arguments.at(2).toString() == QString::fromUtf8(markup));
    QVERIFY(delivered);
}

void TestXmppNetwork::commandsTravelAsExtensions_data()
{
    QTest::addColumn<QByteArray>("command"); // %1: Alex's event id of the first message
    QTest::addColumn<QByteArray>("body");    // Bea's copy afterwards
    QTest::addColumn<bool>("edited");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<int>("likes");
    QTest::addColumn<bool>("replyAppended");
    QTest::newRow("correction replaces the text and marks it edited") << QByteArray("[edit %1]fixed text") << QByteArray("fixed text") << true << false << 0 << false;
    QTest::newRow("retraction deletes it") << QByteArray("[delete %1]") << QByteArray() << false << true << 0 << false;
    QTest::newRow("reaction likes it") << QByteArray("[like %1 T]") << QByteArray("first text") << false << false << 1 << false;
    QTest::newRow("reply answers it as a new message") << QByteArray("[reply %1]an answer") << QByteArray("first text") << false << false << 0 << true;
}

void TestXmppNetwork::commandsTravelAsExtensions()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, body);
    qint64 alexEvent = 0;
    const qint64 beaEvent = sendToBea("first text", &alexEvent);
    QVERIFY(beaEvent != 0);
    const qint64 result = sendToBea(QByteArray(command).replace("%1", QByteArray::number(alexEvent)));
    QVERIFY2(result != 0, "the command never arrived");
    const auto target = m_bea.host->store().byEvent(beaEvent);
    QCOMPARE(target->body, body);
    QTEST(target->edited, "edited");
    QTEST(target->deleted, "deleted");
    QTEST(target->likeCount(), "likes");
    QFETCH(bool, replyAppended);
    if (replyAppended) {
        const auto reply = m_bea.host->store().byEvent(result);
        QCOMPARE(reply->replyTarget, beaEvent);
        QCOMPARE(reply->body, QByteArray("an answer"));
    } else {
        QCOMPARE(result, beaEvent);
    }
}

void TestXmppNetwork::typingArrivesAsControlRecord()
{
    QSignalSpy control(m_alex.transport.get(), &XmppTransport::controlHandled);
    const QByteArray writing = Network::controlRecord("WRITING", "s1");
    QVERIFY(m_bea.services->sendControl(alexOnBea().constData(), writing.constData()));
    QVERIFY(control.wait(kWaitMs));
    QCOMPARE(control.last().at(0).toByteArray(), kBea);
    const auto calls = m_alex.host->journal().entries();
    auto it = std::find_if(calls.rbegin(), calls.rend(), [](const Journal::Entry &e) { return e.operation == "onCommand"; });
    QVERIFY(it != calls.rend());
    QVERIFY(it->arguments.at(1).toString().contains(QLatin1String("WRITING")));
    QVERIFY(it->arguments.at(1).toString().contains(QLatin1String("session_id=\"s1\"")));
}

void TestXmppNetwork::pictureGoesAcross()
{
    // The same address on both sides names different pictures: Bea's
    // cloud already holds one under the address Alex's picture gets.
    const QByteArray png = testpictures::encoded(testpictures::filled(QSize(8, 8), Qt::red));
    const QByteArray address = m_alex.host->transfers().publish(png, QStringLiteral("red.png"), true);
    QCOMPARE(m_bea.host->transfers().publish("not the picture", QStringLiteral("red.png"), true), address);
    QVERIFY(m_alex.services->sendInstantMessage("", kBea.constData(), "[pic src=\"" + address + "\"]"));
    QSignalSpy arrived(m_bea.transport.get(), &XmppTransport::messageHandled);
    QVERIFY(arrived.wait(kWaitMs));
    const QByteArray body = m_bea.host->store().byEvent(arrived.last().at(0).toLongLong())->body;
    QVERIFY2(body.startsWith("[pic src=\"sim://pictures/") && !body.contains(address), body.constData());
    const QByteArray local = body.mid(10, body.size() - 12);
    QCOMPARE(m_bea.host->transfers().publishedContent(local), png);
}

void TestXmppNetwork::roomHoldsBoth()
{
    QSignalSpy arrived(m_bea.transport.get(), &XmppTransport::messageHandled);
    QVERIFY(m_alex.services->sendInstantMessage("", kRoom.constData(), "to the team"));
    // Alex is in the room as Bea sees it.
    QTRY_VERIFY_WITH_TIMEOUT(m_bea.host->profile().find(kRoom)->members.contains(alexOnBea()), kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!m_bea.host->store().newest(kRoom, 1).isEmpty(), kWaitMs);
    const StoredMessage got = m_bea.host->store().newest(kRoom, 1).first();
    QCOMPARE(got.body, QByteArray("to the team"));
    QCOMPARE(QByteArray::number(got.senderId), alexOnBea());
    // The sender's own copy comes back from the room: stored once.
    QTRY_VERIFY_WITH_TIMEOUT(m_alex.host->store().count(kRoom) >= 1, kWaitMs);
    QVERIFY(arrived.count() >= 1);
    const int own = m_alex.host->store().count(kRoom);
    QVERIFY(m_bea.services->sendInstantMessage("", kRoom.constData(), "on my way"));
    QTRY_COMPARE_WITH_TIMEOUT(m_alex.host->store().newest(kRoom, 1).first().body, QByteArray("on my way"), kWaitMs);
    QCOMPARE(m_alex.host->store().count(kRoom), own + 1);
    QCOMPARE(m_alex.host->store().newest(kRoom, 1).first().senderId, kBea.toLongLong());
}

void TestXmppNetwork::secondDeviceReadsTheArchive()
{
    QVERIFY(sendToBea("for the archive") != 0);
    // Alex on a second device, with an empty store.
    Side second = makeSide(QStringLiteral("alex"), false);
    QVERIFY(second.transport->isConnected());
    const QVector<StoredMessage> history = second.host->store().newest(kBea, 500);
    QVERIFY(!history.isEmpty());
    QCOMPARE(history.last().body, QByteArray("for the archive"));
    QVERIFY(!history.last().received);
    QVERIFY(!second.host->store().archiveIdOf(history.last().eventId).isEmpty());
    // Reading again adds nothing.
    const int count = second.host->store().count();
    QSignalSpy again(second.transport.get(), &XmppTransport::historyLoaded);
    second.transport->disconnectFromServer();
    second.transport->connectToServer();
    QVERIFY(again.wait(kWaitMs));
    QCOMPARE(second.host->store().count(), count);
}

void TestXmppNetwork::restartedServerLosesAndDoublesNothing()
{
    QSignalSpy lost(m_alex.transport.get(), &XmppTransport::disconnected);
    m_server->stop();
    QVERIFY(lost.count() > 0 || lost.wait(kWaitMs));
    QTRY_COMPARE_WITH_TIMEOUT(m_alex.host->profile().find(kBea)->status, int(Contact::Offline), kWaitMs);
    bool told = false;
    for (const Journal::Entry &e : m_alex.host->journal().entries())
        told = told || e.operation == "onConnectionLost";
    QVERIFY(told);

    // Written while offline: waits, then goes out once.
    QVERIFY(m_alex.services->sendInstantMessage("s1", kBea.constData(), "written offline"));
    QCOMPARE(m_alex.transport->queuedCount(), 1);
    const int before = m_bea.host->store().count(alexOnBea());
    QVERIFY(m_server->start().ok);
    QTRY_VERIFY_WITH_TIMEOUT(m_bea.host->store().count(alexOnBea()) == before + 1, kWaitMs);
    QCOMPARE(m_bea.host->store().newest(alexOnBea(), 1).first().body, QByteArray("written offline"));
    QCOMPARE(m_alex.transport->queuedCount(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_alex.host->profile().find(kBea)->status, int(Contact::Online), kWaitMs);
}

void TestXmppNetwork::hostileStanzasAreIgnored_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a body beyond the bound is not stored") << "oversized";
    QTest::newRow("a stranger's message is not stored") << "stranger";
    QTest::newRow("a correction of the user's own message by the peer changes nothing") << "foreign-edit";
    QTest::newRow("a retraction of a message never seen changes nothing") << "unknown-retract";
    QTest::newRow("a second message with a known id is not stored twice") << "duplicate-id";
}

void TestXmppNetwork::hostileStanzasAreIgnored()
{
    QFETCH(QString, kind);
    Host &host = *m_alex.host;
    // Alex's own message to Bea, and one Bea sent.
    QVERIFY(m_alex.services->sendInstantMessage("", kBea.constData(), "mine"));
    const qint64 own = host.store().lastEventId();
    const QByteArray ownId = host.store().originIdOf(own);
    const QString bea = m_server->jid(QStringLiteral("bea")) + QStringLiteral("/x");
    QXmppMessage m(bea, m_server->jid(QStringLiteral("alex")), QStringLiteral("hi"));
    m.setType(QXmppMessage::Chat);
    m.setId(QStringLiteral("known-1"));
    m_alex.transport->handleMessage(m);
    const int count = host.store().count();
    const QVector<StoredMessage> all = host.store().all();

    if (kind == QLatin1String("oversized")) {
        m.setId(QStringLiteral("big"));
        m.setBody(QString(70 * 1024, QLatin1Char('x')));
    } else if (kind == QLatin1String("stranger")) {
        m.setFrom(QStringLiteral("mallory@elsewhere/y"));
        m.setId(QStringLiteral("s-1"));
    } else if (kind == QLatin1String("foreign-edit")) {
        m.setId(QStringLiteral("e-1"));
        m.setReplaceId(QString::fromUtf8(ownId));
        m.setBody(QStringLiteral("you said something else"));
    } else if (kind == QLatin1String("unknown-retract")) {
        m.setId(QStringLiteral("r-1"));
        QXmppElement applyTo;
        applyTo.setTagName(QStringLiteral("apply-to"));
        applyTo.setAttribute(QStringLiteral("xmlns"), QStringLiteral("urn:xmpp:fasten:0"));
        applyTo.setAttribute(QStringLiteral("id"), QStringLiteral("never-seen"));
        QXmppElement retract;
        retract.setTagName(QStringLiteral("retract"));
        retract.setAttribute(QStringLiteral("xmlns"), QStringLiteral("urn:xmpp:message-retract:0"));
        applyTo.appendChild(retract);
        m.setExtensions({applyTo});
        m.setBody(QString());
    }
    m_alex.transport->handleMessage(m);
    QCOMPARE(host.store().count(), count);
    QCOMPARE(host.store().byEvent(own)->body, QByteArray("mine"));
    QVERIFY(!host.store().byEvent(own)->edited);
    for (const StoredMessage &s : all)
        QCOMPARE(host.store().byEvent(s.eventId)->deleted, s.deleted);
}

QTEST_MAIN(TestXmppNetwork)
#include "tst_xmpp_network.moc"
