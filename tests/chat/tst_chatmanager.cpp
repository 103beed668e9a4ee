// The conversation manager and the conversations it owns, driven the way the
// plug-in drives them, against hostkit's host services; what leaves for the
// host is read from hostkit's call journal, what reaches a window from a
// recording window.

#include "recordingwindow.h"

#include "chat/chatmanager.h"
#include "chat/chatsession.h"
#include "chat/controlrecord.h"
#include "hostkit/host.h"
#include "hostkit/hostuser.h"
#include "hostkit/messagestore.h"
#include "lib_kelvan/clock.h"
#include "plugin/chat.h"
#include "plugin/records/userobj.h"
#include "shared/sharedresourcemanager.h"
#include "settings/settingsmanager.h"

#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

QJsonArray args(std::initializer_list<QJsonValue> values)
{
    return QJsonArray(values);
}

QByteArray record(const char *command, const QByteArray &session = QByteArray(), const QByteArray &room = QByteArray())
{
    return ControlRecord(ControlRecord::commandOf(command), session, room).toText();
}

} // namespace

class tst_ChatManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void sessionKeys();
    void lookupsKeepRoomsAndPeersApart();
    void openByIdOfUnknownUserAsksTheHost();
    void startMultiChatSkipsOfflineUsers();
    void removeDuringFanOutWaitsForTheScan();
    void fanOutReachesEveryConversationInOrder();
    void roomRemovedUpdatedAndAllClosed();

    void typingNoticeBytes_data();
    void typingNoticeBytes();
    void writingReachesOnlyAnOpenConversation();
    void nudgeIsAChatMessageNotARecord();
    void receivedNudge_data();
    void receivedNudge();
    void nudgeReplacesSessionKey();
    void nudgeFloodAlertsOncePerFiveSeconds();
    void nudgeRefusalPostsNotice_data();
    void nudgeRefusalPostsNotice();
    void nudgeRefusalFromNonParticipantPostsNothing();
    void badCommands_data();
    void badCommands();

private:
    hostkit::HostUser user(const QByteArray &id) const { return hostkit::HostUser(*m_host->profile().find(id)); }
    ChatManager &manager() const { return Chat::instance()->manager(); }
    SettingsManager &settings() const { return *SharedResourceManager::instance()->settings(); }
    hostkit::Journal &journal() const { return m_host->journal(); }
    ChatSession *open(const QByteArray &id)
    {
        const hostkit::HostUser peer = user(id);
        return manager().openChat(&peer);
    }
    void command(const QByteArray &from, const QByteArray &text);

    std::unique_ptr<hostkit::Host> m_host;
    IHostServices *m_services = nullptr;
    RecordingWindowFactory m_windows;
    kelvan::ManualClock m_clock;
};

void tst_ChatManager::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    kelvan::Clock::setInstance(&m_clock);
    m_host = std::make_unique<hostkit::Host>(hostkit::Profile::inMemory());
    QVERIFY2(m_host->isReady(), qPrintable(m_host->error()));
    // A contact the host does not let us chat with.
    hostkit::Contact blocked;
    blocked.id = "1009";
    blocked.displayName = QStringLiteral("Blocked Person");
    blocked.status = 1;
    blocked.canChat = false;
    m_host->profile().addContact(blocked);
    m_services = m_host->servicesFor("chat");
    ChatWindowFactory::setInstance(&m_windows);
    Chat::create()->setHostServices(m_services);
    SharedResourceManager::instance()->setHostServices(m_services);
    const hostkit::HostUser own(m_host->profile().own());
    SharedResourceManager::instance()->setOwnUser(&own);
}

void tst_ChatManager::init()
{
    manager().closeAll();
    m_windows.reset();
    m_windows.attachable = false;
    settings().setAllowReceiveNudge(true);
    settings().setTabbedChat(false);
    for (const char *id : {"1001", "1002", "5001"})
        settings().setNotificationsEnabled(QString::fromLatin1(id), true);
    // Past every nudge window of the test before.
    m_clock.advance(NudgeThrottle::RefusalWindowMs + 1);
    m_clock.setNow(QDateTime(QDate(2026, 3, 5), QTime(12, 0), Qt::OffsetFromUTC, 3600));
    journal().clear();
}

void tst_ChatManager::cleanupTestCase()
{
    Chat::destroy();
    SharedResourceManager::destroy();
    ChatWindowFactory::setInstance(nullptr);
    m_host.reset();
    kelvan::Clock::setInstance(nullptr);
}

void tst_ChatManager::command(const QByteArray &from, const QByteArray &text)
{
    const hostkit::HostUser sender = user(from);
    manager().onCommand(&sender, text);
}

// --- Keys and lookups --------------------------------------------------------

void tst_ChatManager::sessionKeys()
{
    // 23:30 at UTC+1 is 22:30 UTC; the key carries the local wall time.
    m_clock.setNow(QDateTime(QDate(2026, 12, 31), QTime(23, 30, 5), Qt::OffsetFromUTC, 3600));
    const QString first = QString::fromUtf8(open("1001")->sessionKey());
    const QString second = QString::fromUtf8(open("1002")->sessionKey());
    const QRegularExpression shape(QStringLiteral("^1000_20261231233005_(\\d+)$"));
    const auto a = shape.match(first);
    const auto b = shape.match(second);
    QVERIFY2(a.hasMatch() && b.hasMatch(), qPrintable(first + ' ' + second));
    // Opened in the same second: the counter tells them apart.
    QCOMPARE(b.captured(1).toInt(), a.captured(1).toInt() + 1);
    QCOMPARE(open("5001")->sessionKey(), QByteArray("5001"));
    QVERIFY(m_windows.windowOf("5001")->calls().contains(QStringLiteral("prepareRoom")));
}

void tst_ChatManager::lookupsKeepRoomsAndPeersApart()
{
    const hostkit::HostUser room = user("5001");
    const hostkit::HostUser bea = user("1001");
    ChatSession *roomSession = manager().openChat(&room);
    roomSession->addParticipant(&bea);
    QCOMPARE(manager().findByPeer("1001"), nullptr);
    QCOMPARE(manager().findRoom("1001"), nullptr);
    QCOMPARE(manager().findRoom("5001"), roomSession);

    ChatSession *direct = manager().openChat(&bea);
    QVERIFY(direct != roomSession);
    QCOMPARE(manager().openChat(&bea), direct);
    QCOMPARE(manager().count(), 2);
    QCOMPARE(m_windows.windowOf("1001")->calls().count(QStringLiteral("showWindow")), 2);
    QCOMPARE(manager().findByPeer("1001"), direct);
    QCOMPARE(manager().findByFirstParticipant("5001"), roomSession);
    QCOMPARE(manager().findByFirstParticipant("1001"), direct);

    // Without a key the sender decides; a key that is known wins.
    QCOMPARE(manager().findBySessionKey(QByteArray()), nullptr);
    QCOMPARE(manager().findConversation(&bea, QByteArray()), direct);
    QCOMPARE(manager().findConversation(&room, QByteArray()), roomSession);
    QCOMPARE(manager().findConversation(&bea, "no-such-key"), direct);
    QCOMPARE(manager().findConversation(&room, direct->sessionKey()), direct);
    QCOMPARE(manager().findConversation(nullptr, QByteArray()), nullptr);

    hostkit::HostUser nobody; // empty id
    QCOMPARE(manager().openChat(nullptr), nullptr);
    QCOMPARE(manager().openChat(&nobody), nullptr);
    QCOMPARE(manager().count(), 2);
}

void tst_ChatManager::openByIdOfUnknownUserAsksTheHost()
{
    ChatSession *session = manager().openById("424242", "host-key");
    QVERIFY(session);
    QCOMPARE(session->firstParticipantId(), QByteArray("424242"));
    QCOMPARE(session->sessionKey(), QByteArray("host-key"));
    QCOMPARE(journal().count("requestUser"), 1);

    ChatSession *known = manager().openById("1001", QByteArray());
    QCOMPARE(known->firstParticipant()->displayNameString(), QStringLiteral("Bea Hansen"));
    QCOMPARE(journal().count("requestUser"), 1);
    QCOMPARE(manager().openById(QByteArray(), QByteArray()), nullptr);
}

void tst_ChatManager::startMultiChatSkipsOfflineUsers()
{
    const hostkit::HostUser eli = user("1004"); // offline
    const hostkit::HostUser bea = user("1001");
    const hostkit::HostUser chris = user("1002"); // away counts as not offline
    IUser *const users[] = {const_cast<hostkit::HostUser *>(&eli), const_cast<hostkit::HostUser *>(&bea), nullptr,
                            const_cast<hostkit::HostUser *>(&chris)};
    ChatSession *session = manager().startMultiChat(users, 4, QStringLiteral("hello all"));
    QVERIFY(session);
    QCOMPARE(session->participantIds(), (QList<QByteArray>{"1001", "1002"}));
    const auto sends = journal().calls("sendInstantMessage");
    QCOMPARE(sends.size(), 2);
    QCOMPARE(sends.at(0).arguments, args({QString::fromUtf8(session->sessionKey()), "1001", "hello all"}));
    QCOMPARE(sends.at(1).arguments, args({QString::fromUtf8(session->sessionKey()), "1002", "hello all"}));
    QVERIFY(m_windows.windowOf("1001")->calls().contains(QStringLiteral("showWindow")));

    IUser *const offline[] = {const_cast<hostkit::HostUser *>(&eli)};
    QCOMPARE(manager().startMultiChat(offline, 1, QString()), nullptr);
    QCOMPARE(manager().startMultiChat(nullptr, 3, QString()), nullptr);
    QCOMPARE(manager().count(), 1);
}

void tst_ChatManager::removeDuringFanOutWaitsForTheScan()
{
    ChatSession *first = open("1001");
    ChatSession *second = open("1002");
    QStringList visited;
    manager().forEach([&](ChatSession *session) {
        visited << QString::fromUtf8(session->firstParticipantId());
        if (session == first) {
            manager().remove(first);
            // Still registered (and alive) until the scan ends.
            QCOMPARE(manager().count(), 2);
            QCOMPARE(first->firstParticipantId(), QByteArray("1001"));
        }
    });
    QCOMPARE(visited, (QStringList{"1001", "1002"}));
    QCOMPARE(manager().count(), 1);
    QCOMPARE(manager().at(0), second);
    QCOMPARE(m_windows.released, QStringList{"1001"});
    QCOMPARE(manager().activeReaders(), 0);
}

void tst_ChatManager::fanOutReachesEveryConversationInOrder()
{
    open("1001");
    open("1002");
    Chat::instance()->onConnectionLost();
    for (const QByteArray &id : {QByteArray("1001"), QByteArray("1002")}) {
        const UserObj *peer = manager().findByPeer(id)->firstParticipant();
        QCOMPARE(peer->status(), 0);
        QVERIFY(!peer->hasStatusMessage());
        QCOMPARE(QString::fromUtf16(peer->statusText()), QStringLiteral("Offline"));
        QVERIFY(m_windows.windowOf(id)->calls().contains(QStringLiteral("onConnectionLost")));
    }
    hostkit::HostUser back = user("1002");
    Chat::instance()->onUserPresence(&back, 7);
    QCOMPARE(manager().findByPeer("1002")->firstParticipant()->status(), 2);
    QVERIFY(m_windows.windowOf("1001")->calls().contains(QStringLiteral("onUserPresence 1002 2 7")));
    QVERIFY(m_windows.windowOf("1002")->calls().contains(QStringLiteral("onUserPresence 1002 2 7")));
}

void tst_ChatManager::roomRemovedUpdatedAndAllClosed()
{
    open("5001");
    open("1001");
    hostkit::Contact renamed = *m_host->profile().find("5001");
    renamed.displayName = QStringLiteral("Lighthouse II");
    hostkit::HostUser update(renamed);
    manager().onRoomUpdated(&update);
    manager().onRoomUpdated(nullptr);
    const UserObj *record = manager().findRoom("5001")->firstParticipant();
    QCOMPARE(record->displayNameString(), QStringLiteral("Lighthouse II"));
    QVERIFY(record->isRoom());
    QVERIFY(m_windows.windowOf("5001")->calls().contains(QStringLiteral("onUserUpdated 5001")));

    manager().onRoomRemoved("7777");
    manager().onRoomRemoved("1001"); // a contact, not a room
    manager().onRoomRemoved(nullptr);
    QCOMPARE(manager().count(), 2);
    manager().onRoomRemoved("5001");
    QCOMPARE(manager().count(), 1);
    QCOMPARE(m_windows.released, QStringList{"5001"});
    // Closing everything lets the tabbed window go as well.
    QVERIFY(manager().tabbedWindow());
    QCOMPARE(manager().tabbedWindow(), manager().existingTabbedWindow());
    manager().closeAll();
    QCOMPARE(m_windows.released, (QStringList{"5001", "1001"}));
    QCOMPARE(m_windows.tabbedCalls, QStringList{"dispose"});
    QVERIFY(!manager().existingTabbedWindow());
}

// --- Control records ---------------------------------------------------------------

void tst_ChatManager::typingNoticeBytes_data()
{
    QTest::addColumn<QByteArray>("peer");
    QTest::addColumn<QByteArrayList>("members");
    QTest::addColumn<QByteArrayList>("recipients");
    QTest::addColumn<QByteArray>("roomId");

    QTest::newRow("one-to-one-to-the-peer") << QByteArray("1001") << QByteArrayList{} << QByteArrayList{"1001"} << QByteArray();
    QTest::newRow("multi-user-to-every-participant-in-order")
        << QByteArray("1002") << QByteArrayList{"1001", "1003"} << QByteArrayList{"1002", "1001", "1003"} << QByteArray();
    QTest::newRow("room-once-to-the-room") << QByteArray("5001") << QByteArrayList{"1001", "1002"} << QByteArrayList{"5001"}
                                           << QByteArray("5001");
}

void tst_ChatManager::typingNoticeBytes()
{
    QFETCH(QByteArray, peer);
    QFETCH(QByteArrayList, members);
    QFETCH(QByteArrayList, recipients);
    QFETCH(QByteArray, roomId);
    ChatSession *session = open(peer);
    for (const QByteArray &id : members) {
        const hostkit::HostUser member = user(id);
        session->addParticipant(&member);
    }
    journal().clear();
    session->sendTyping();
    const auto sends = journal().calls("sendControl");
    QCOMPARE(sends.size(), recipients.size());
    const QString text = QStringLiteral("<data COMMAND=\"WRITING\" session_id=\"%1\" room_id=\"%2\"/>\r\n")
                             .arg(QString::fromUtf8(session->sessionKey()), QString::fromUtf8(roomId));
    for (int i = 0; i < sends.size(); ++i)
        QCOMPARE(sends.at(i).arguments, args({QString::fromUtf8(recipients.at(i)), text}));
}

void tst_ChatManager::writingReachesOnlyAnOpenConversation()
{
    command("1001", record("WRITING", "unknown-key"));
    command("1001", record("WRITING"));
    QCOMPARE(manager().count(), 0);
    QVERIFY(m_windows.windows.isEmpty());
    ChatSession *session = open("1001");
    command("1001", record("WRITING", session->sessionKey()));
    command("1001", record("WRITING"));
    QCOMPARE(m_windows.windowOf("1001")->calls().count(QStringLiteral("showTypingNotice 1001")), 2);
    QCOMPARE(manager().count(), 1);
}

void tst_ChatManager::nudgeIsAChatMessageNotARecord()
{
    ChatSession *session = open("1001");
    journal().clear();
    session->sendNudge();
    QCOMPARE(journal().count("sendControl"), 0);
    const auto sounds = journal().calls("playSound");
    QCOMPARE(sounds.size(), 1);
    QCOMPARE(sounds.first().arguments, args({"plugins/chat/sounds/nudge.wav", 0, 0}));
    const auto sends = journal().calls("sendInstantMessage");
    QCOMPARE(sends.size(), 1);
    QCOMPARE(sends.first().arguments, args({QString::fromUtf8(session->sessionKey()), "1001", "[nudge]"}));
    QVERIFY(sounds.first().sequence < sends.first().sequence);
}

// Columns: who nudges (and from which room), the settings, and what must
// happen: a sound, a conversation, the window's nudge, a refusal record.
void tst_ChatManager::receivedNudge_data()
{
    QTest::addColumn<QByteArray>("sender");
    QTest::addColumn<QByteArray>("room");
    QTest::addColumn<bool>("receiving");
    QTest::addColumn<bool>("notifications");
    QTest::addColumn<bool>("tabbed");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<QByteArray>("conversation");
    QTest::addColumn<QStringList>("windowCalls");
    QTest::addColumn<int>("refusals");

    QTest::newRow("nudge-opens-conversation-and-shakes")
        << QByteArray("1001") << QByteArray() << true << true << false
        << true << QByteArray("1001") << QStringList{"onNudgeReceived 1001"} << 0;
    QTest::newRow("notifications-disabled-nothing-at-all")
        << QByteArray("1001") << QByteArray() << true << false << false
        << false << QByteArray() << QStringList{} << 0;
    QTest::newRow("host-forbids-chat-nothing-at-all")
        << QByteArray("1009") << QByteArray() << true << true << false
        << false << QByteArray() << QStringList{} << 0;
    QTest::newRow("receiving-off-only-the-refusal")
        << QByteArray("1001") << QByteArray() << false << true << false
        << false << QByteArray("1001") << QStringList{} << 1;
    QTest::newRow("tabbed-setting-attaches-hidden-window")
        << QByteArray("1001") << QByteArray() << true << true << true
        << true << QByteArray("1001") << QStringList{"attachToTabbedWindow", "onNudgeReceived 1001"} << 0;
    QTest::newRow("room-nudge-opens-room-in-background")
        << QByteArray("1001") << QByteArray("5001") << true << true << false
        << true << QByteArray("5001") << QStringList{"prepareRoom", "showWindow background", "onNudgeReceived 1001"} << 0;
    QTest::newRow("room-notifications-disabled-nothing")
        << QByteArray("1001") << QByteArray("5001") << true << false << false
        << false << QByteArray() << QStringList{} << 0;
}

void tst_ChatManager::receivedNudge()
{
    QFETCH(QByteArray, sender);
    QFETCH(QByteArray, room);
    QFETCH(bool, receiving);
    QFETCH(bool, notifications);
    QFETCH(bool, tabbed);
    QFETCH(QByteArray, conversation);
    QFETCH(QStringList, windowCalls);
    QFETCH(int, refusals);

    settings().setAllowReceiveNudge(receiving);
    settings().setNotificationsEnabled(QString::fromUtf8(room.isEmpty() ? sender : room), notifications);
    settings().setTabbedChat(tabbed);
    m_windows.attachable = true;
    journal().clear();
    command(sender, record("NUDGE", "peer-key", room));

    QTEST(journal().count("playSound") > 0, "sound");
    QCOMPARE(manager().count(), conversation.isEmpty() ? 0 : 1);
    if (!conversation.isEmpty()) {
        ChatSession *session = manager().findByFirstParticipant(conversation);
        QVERIFY(session);
        QCOMPARE(session->sessionKey(), QByteArray("peer-key"));
        QCOMPARE(m_windows.windowOf(conversation)->calls(), windowCalls);
        QCOMPARE(session->isInTabbedWindow(), windowCalls.contains(QStringLiteral("attachToTabbedWindow")));
    }
    const auto controls = journal().calls("sendControl");
    QCOMPARE(controls.size(), refusals);
    if (refusals)
        QCOMPARE(controls.first().arguments,
                 args({QString::fromUtf8(sender), "<data COMMAND=\"NUDGE_DISABLED\" session_id=\"peer-key\" room_id=\"\"/>\r\n"}));
    QCOMPARE(journal().count("sendInstantMessage"), 0);
}

void tst_ChatManager::nudgeReplacesSessionKey()
{
    ChatSession *session = open("1001");
    command("1001", record("NUDGE", "their-key"));
    QCOMPARE(manager().count(), 1);
    QCOMPARE(session->sessionKey(), QByteArray("their-key"));
    // An empty key in a record never replaces a real one.
    command("1001", record("NUDGE"));
    QCOMPARE(session->sessionKey(), QByteArray("their-key"));
}

void tst_ChatManager::nudgeFloodAlertsOncePerFiveSeconds()
{
    const int before = m_host->store().newest("1001", 1000).size();
    for (int i = 0; i < 200; ++i)
        command("1001", record("NUDGE", "k-1"));
    m_clock.advance(NudgeThrottle::EffectsIntervalMs);
    command("1001", record("NUDGE", "k-1"));
    // Every nudge is in the history; only two made a sound and shook.
    QCOMPARE(m_host->store().newest("1001", 1000).size(), before + 201);
    QCOMPARE(m_host->store().newest("1001", 1).last().body, QByteArray("[nudge]"));
    QVERIFY(m_host->store().newest("1001", 1).last().received);
    QCOMPARE(journal().count("playSound"), 2);
    QCOMPARE(m_windows.windowOf("1001")->calls().count(QStringLiteral("onNudgeReceived 1001")), 2);
}

// Columns: whether the user nudged Bea (in a conversation closed since),
// how long before the refusals came, how many came, and how many notices.
void tst_ChatManager::nudgeRefusalPostsNotice_data()
{
    QTest::addColumn<bool>("nudged");
    QTest::addColumn<qint64>("afterMs");
    QTest::addColumn<int>("refusals");
    QTest::addColumn<int>("notices");

    QTest::newRow("answer-to-a-nudge-reopens-and-posts") << true << qint64(59 * 1000) << 1 << 1;
    QTest::newRow("refusal-flood-one-notice-per-nudge") << true << qint64(0) << 1000 << 1;
    QTest::newRow("no-nudge-sent-nothing-at-all") << false << qint64(0) << 3 << 0;
    QTest::newRow("nudge-too-long-ago-nothing") << true << NudgeThrottle::RefusalWindowMs + 1 << 1 << 0;
}

void tst_ChatManager::nudgeRefusalPostsNotice()
{
    QFETCH(bool, nudged);
    QFETCH(qint64, afterMs);
    QFETCH(int, refusals);
    QFETCH(int, notices);

    if (nudged) {
        ChatSession *session = open("1001");
        session->sendNudge();
        manager().remove(session);
    }
    m_clock.advance(afterMs);
    const qint64 before = m_host->store().newest("1001", 1000).size();
    journal().clear();
    for (int i = 0; i < refusals; ++i)
        command("1001", record("NUDGE_DISABLED", "k-1"));
    QCOMPARE(journal().count("postMessage"), notices);
    ChatSession *session = manager().findByPeer("1001");
    QCOMPARE(session != nullptr, notices > 0);
    if (!notices)
        return;
    QCOMPARE(session->sessionKey(), QByteArray("k-1"));

    QStringList order;
    for (const auto &entry : journal().entries()) {
        if (entry.operation == "createMessage" || entry.operation == "postMessage" || entry.operation == "releaseMessage")
            order << QString::fromUtf8(entry.operation);
    }
    QCOMPARE(order, (QStringList{"createMessage", "postMessage", "releaseMessage"}));
    const QVector<hostkit::StoredMessage> stored = m_host->store().newest("1001", 1000);
    QCOMPARE(stored.size(), before + 1);
    const hostkit::StoredMessage &notice = stored.last();
    QCOMPARE(notice.kind, 2);
    QCOMPARE(notice.conversation, QByteArray("1001"));
    QCOMPARE(notice.body, QByteArray("Bea Hansen has disabled nudges. Your nudge was not received."));
    QCOMPARE(notice.time, hostkit::storeTimeFromDateTime(m_clock.now()));
}

void tst_ChatManager::nudgeRefusalFromNonParticipantPostsNothing()
{
    ChatSession *session = open("1001");
    session->sendNudge();
    journal().clear();
    // Chris answers with Bea's conversation key but is not in it.
    command("1002", record("NUDGE_DISABLED", session->sessionKey()));
    QCOMPARE(journal().count("postMessage"), 0);
    QCOMPARE(manager().count(), 1);
}

void tst_ChatManager::badCommands_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("unknown-command-word") << QByteArray("1001") << record("NUDGE").replace("NUDGE", "SHOUT");
    QTest::newRow("lower-case-command-word") << QByteArray("1001") << record("NUDGE").replace("NUDGE", "nudge");
    QTest::newRow("message-seen-is-not-ours") << QByteArray("1001") << record("MESSAGE_SEEN");
    QTest::newRow("not-a-record") << QByteArray("1001") << QByteArray("NUDGE please");
    QTest::newRow("empty-text") << QByteArray("1001") << QByteArray();
    QTest::newRow("absurdly-long-session-key") << QByteArray("1001") << record("NUDGE", QByteArray(5000, 'k'));
    QTest::newRow("absurdly-long-room-id") << QByteArray("1001") << record("NUDGE", "k", QByteArray(5000, '5'));
    QTest::newRow("sender-the-host-does-not-know") << QByteArray() << record("NUDGE");
    QTest::newRow("nudge-from-an-unknown-room") << QByteArray("1001") << record("NUDGE", QByteArray(), "7777");
}

void tst_ChatManager::badCommands()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, text);
    if (from.isEmpty()) {
        hostkit::Contact stranger;
        stranger.id = "888888";
        const hostkit::HostUser unknown(stranger);
        manager().onCommand(&unknown, text);
        hostkit::HostUser empty;
        manager().onCommand(&empty, text);
        manager().onCommand(nullptr, text);
    } else {
        command(from, text);
    }
    QCOMPARE(manager().count(), 0);
    QCOMPARE(journal().count("playSound"), 0);
    QCOMPARE(journal().count("sendControl"), 0);
    QCOMPARE(journal().count("postMessage"), 0);
}

QTEST_MAIN(tst_ChatManager)
#include "tst_chatmanager.moc"
