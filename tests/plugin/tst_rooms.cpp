// Chat rooms below the windows: the rooms plug-in's message summary, the
// room events of the conversation manager, room creation by request token,
// the room directory kept by room control texts, and the room history
// request. Driven against hostkit's host services; the room events and
// control texts are handed in directly, as the host's rooms service would.

#include "../chat/recordingwindow.h"

#include "chat/chatmanager.h"
#include "chat/chatsession.h"
#include "chat/roomcontroltext.h"
#include "chat/roomdirectory.h"
#include "hostkit/host.h"
#include "hostkit/hostmessage.h"
#include "hostkit/hostuser.h"
#include "hostkit/hostvariable.h"
#include "hostkit/messagestore.h"
#include "lib_kelvan/clock.h"
#include "lib_kelvan/log.h"
#include "lib_kelvan/logfilebuffered.h"
#include "lib_kelvan/loggroupthread.h"
#include "plugin/chat.h"
#include "plugin/records/roomuserinfo.h"
#include "plugin/roomspluginimpl.h"
#include "shared/sharedresourcemanager.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using RoomControlText::Command;

namespace {

QByteArray record(Command command, const QByteArrayList &fields)
{
    return RoomControlText::write(command, fields);
}

// What the directory holds of a room, in one line.
QString describe(const RoomUserInfo *room)
{
    if (!room)
        return QStringLiteral("none");
    return QStringLiteral("members=%1 invited=%2 joined=%3 counter=%4 name=%5")
        .arg(QString::fromUtf8(QByteArrayList(room->memberIds()).join(',')),
             QString::fromUtf8(QByteArrayList(room->invitedIds()).join(',')))
        .arg(room->isJoined() ? 1 : 0)
        .arg(room->counter())
        .arg(room->displayNameString());
}

} // namespace

class tst_Rooms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void describeMessage_data();
    void describeMessage();
    void membersJoinAndLeaveAsSystemMessages();
    void eventsThatChangeNothing();
    void memberChangeReachesOneMember();
    void tokenZeroOpensTheRoom();
    void creationWaitsForItsToken();
    void directory_data();
    void directory();
    void roomKnownToTheDirectoryIsReadyAtOnce();
    void roomHistoryRequests();

private:
    hostkit::HostUser user(const QByteArray &id) const { return hostkit::HostUser(*m_host->profile().find(id)); }
    Chat &chat() const { return *Chat::instance(); }
    ChatManager &manager() const { return chat().manager(); }
    hostkit::Journal &journal() const { return m_host->journal(); }
    ChatSession *openRoom()
    {
        const hostkit::HostUser room = user("5001");
        return chat().openChat(&room);
    }
    // Bodies and senders of the room's stored system messages, in order.
    QStringList systemMessages() const;

    std::unique_ptr<hostkit::Host> m_host;
    IHostServices *m_rooms = nullptr;
    std::unique_ptr<RoomsPluginImpl> m_plugin;
    RecordingWindowFactory m_windows;
    kelvan::ManualClock m_clock;
};

void tst_Rooms::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    kelvan::Clock::setInstance(&m_clock);
    m_host = std::make_unique<hostkit::Host>(hostkit::Profile::inMemory());
    QVERIFY2(m_host->isReady(), qPrintable(m_host->error()));
    ChatWindowFactory::setInstance(&m_windows);
    IHostServices *services = m_host->servicesFor("chat");
    Chat::create()->setHostServices(services);
    SharedResourceManager *resources = SharedResourceManager::instance();
    resources->setHostServices(services);
    const hostkit::HostUser own(m_host->profile().own());
    resources->setOwnUser(&own);
    m_rooms = m_host->servicesFor("chat_rooms");
    m_plugin = std::make_unique<RoomsPluginImpl>();
    m_plugin->initialize(m_rooms);
    QCOMPARE(chat().roomsHostServices(), m_rooms);
}

void tst_Rooms::init()
{
    manager().closeAll();
    chat().roomDirectory()->clear();
    m_windows.reset();
    m_host->store().clear();
    m_host->setHistoryPlugin(false);
    journal().clear();
}

void tst_Rooms::cleanupTestCase()
{
    m_plugin.reset();
    Chat::destroy();
    SharedResourceManager::destroy();
    ChatWindowFactory::setInstance(nullptr);
    m_host.reset();
    kelvan::Clock::setInstance(nullptr);
}

QStringList tst_Rooms::systemMessages() const
{
    QStringList out;
    for (const hostkit::StoredMessage &m : m_host->store().newest("5001", 100)) {
        if (m.kind == IHostMessage::KindRoomSystem)
            out << QString::number(m.senderId) + ' ' + QString::fromUtf8(m.body).replace('\n', '|');
    }
    return out;
}

void tst_Rooms::describeMessage_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");

    QTest::newRow("joined") << QByteArray(":1\nUser joined the room") << "Bea Hansen joined the room.";
    QTest::newRow("left") << QByteArray(":2\nUser left the room") << "Bea Hansen left the room.";
    QTest::newRow("code-alone-with-line-feed") << QByteArray(":2\n") << "Bea Hansen left the room.";
    QTest::newRow("other-code-as-is") << QByteArray(":3\nUser was promoted") << ":3\nUser was promoted";
    QTest::newRow("no-colon-as-is") << QByteArray("1\nUser joined the room") << "1\nUser joined the room";
    QTest::newRow("no-line-feed-as-is") << QByteArray(":1 User joined") << ":1 User joined";
    QTest::newRow("code-not-a-number") << QByteArray(":x\nUser joined the room") << ":x\nUser joined the room";
    QTest::newRow("empty") << QByteArray() << "";
}

void tst_Rooms::describeMessage()
{
    QFETCH(QByteArray, body);
    hostkit::StoredMessage stored;
    stored.conversation = "5001";
    stored.senderId = 1001;
    stored.kind = IHostMessage::KindRoomSystem;
    stored.body = body;
    hostkit::HostMessage message(stored);
    hostkit::HostVariable out;
    m_plugin->describeMessage(&message, &out);
    QTEST(QString::fromUtf8(out.value()), "expected");
}

void tst_Rooms::membersJoinAndLeaveAsSystemMessages()
{
    ChatSession *room = openRoom();
    hostkit::HostUser bea = user("1001");
    hostkit::HostUser chris = user("1002");
    hostkit::HostUser farah = user("1005");
    IUser *const members[] = {&bea, &chris, &farah};
    manager().onRoomJoined("5001", members, 3);
    QVERIFY(room->isRoomReady());
    QCOMPARE(room->participantIds(), (QList<QByteArray>{"5001", "1001", "1002", "1005"}));
    QVERIFY(m_windows.windowOf("5001")->calls().contains(QStringLiteral("memberAdded 1002")));

    const char *const leaving[] = {"1005", "1001", "1002"};
    manager().onRoomMembersLeft("5001", leaving, 3);
    QCOMPARE(room->participantIds(), QList<QByteArray>{"5001"});
    QCOMPARE(systemMessages(), (QStringList{"1001 :1|User joined the room", "1002 :1|User joined the room",
                                            "1005 :1|User joined the room", "1005 :2|User left the room",
                                            "1001 :2|User left the room", "1002 :2|User left the room"}));
    // Posted through the rooms plug-in's host service, each object released.
    QCOMPARE(journal().count("postMessage", "chat_rooms"), 6);
    QCOMPARE(journal().count("releaseMessage", "chat_rooms"), 6);
}

void tst_Rooms::eventsThatChangeNothing()
{
    ChatSession *room = openRoom();
    hostkit::HostUser bea = user("1001");
    manager().onRoomMemberJoined("5001", &bea);
    QCOMPARE(systemMessages().size(), 1);

    manager().onRoomMemberJoined("5001", &bea);                 // joins twice
    const char *const strangers[] = {"1003", nullptr, ""};
    manager().onRoomMembersLeft("5001", strangers, 3);          // never joined
    const char *const roomItself[] = {"5001"};
    manager().onRoomMembersLeft("5001", roomItself, 1);         // the room is no member
    manager().onRoomMemberJoined("7777", &bea);                 // no such room
    manager().onRoomMembersLeft("7777", strangers, 1);
    manager().onRoomJoined("7777", nullptr, 0);
    manager().onRoomNotice("7777", "hello");
    manager().onRoomMemberJoined("5001", nullptr);
    hostkit::HostUser otherRoom = user("5001");
    manager().onRoomMemberJoined("5001", &otherRoom);           // a room is no member
    QCOMPARE(systemMessages().size(), 1);
    QCOMPARE(room->participantIds(), (QList<QByteArray>{"5001", "1001"}));
    QCOMPARE(manager().count(), 1);
    QCOMPARE(journal().count("requestUser") + journal().count("createRoom"), 0);
}

void tst_Rooms::memberChangeReachesOneMember()
{
    ChatSession *room = openRoom();
    hostkit::HostUser bea = user("1001");
    manager().onRoomMemberJoined("5001", &bea);
    manager().onRoomMemberChanged("5001", "1001", 3, u" Bea H. ", 0);
    const UserObj *member = room->findParticipant("1001");
    QCOMPARE(member->status(), 3);
    QCOMPARE(member->displayNameString(), QStringLiteral("Bea H."));
    QVERIFY(m_windows.windowOf("5001")->calls().contains(QStringLiteral("memberChanged 1001")));
    // A blank name keeps the one there; the room record is no member.
    manager().onRoomMemberChanged("5001", "1001", 1, u"  ", 0);
    QCOMPARE(member->displayNameString(), QStringLiteral("Bea H."));
    manager().onRoomMemberChanged("5001", "5001", 0, u"Renamed", 0);
    QCOMPARE(room->firstParticipant()->displayNameString(), QStringLiteral("Project Lighthouse"));
    QCOMPARE(room->firstParticipant()->status(), 1);
}

void tst_Rooms::tokenZeroOpensTheRoom()
{
    hostkit::HostUser room = user("5001");
    manager().onRoomReady(&room, 0);
    ChatSession *session = manager().findRoom("5001");
    QVERIFY(session);
    QCOMPARE(session->sessionKey(), QByteArray("5001"));
    const QStringList calls = m_windows.windowOf("5001")->calls();
    QVERIFY(calls.contains(QStringLiteral("prepareRoom")));
    QVERIFY(calls.contains(QStringLiteral("showWindow")));
    // The directory had no document: the service is asked for one.
    const auto asked = journal().calls("sendControl");
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().arguments, (QJsonArray{"5001", QString::fromUtf8(record(Command::DocumentRequest, {"5001"}))}));
    manager().onRoomReady(&room, 0);
    QCOMPARE(manager().count(), 1);
}

void tst_Rooms::creationWaitsForItsToken()
{
    hostkit::HostUser bea = user("1001");
    hostkit::HostUser lighthouse = user("5001");
    IUser *const onlyRooms[] = {&lighthouse};
    QVERIFY(!chat().createRoom(onlyRooms, 1));
    QCOMPARE(journal().count("createRoom"), 0);

    IUser *const contacts[] = {&lighthouse, &bea};
    ChatSession *waiting = chat().createRoom(contacts, 2);
    QVERIFY(waiting);
    const auto created = journal().calls("createRoom");
    QCOMPARE(created.size(), 1);
    // Only the ordinary contact is invited.
    const QByteArray invited = QJsonDocument(created.first().arguments).toJson(QJsonDocument::Compact);
    QVERIFY2(invited.contains("\"1001\"") && !invited.contains("5001"), invited.constData());
    const int token = created.first().result.toInt();
    QCOMPARE(waiting->requestToken(), token);
    QVERIFY(waiting->isRoom() && waiting->firstParticipantId().isEmpty());
    RecordingWindow *window = m_windows.windows.last();
    QCOMPARE(window->calls().first(), QStringLiteral("prepareRoom"));
    QVERIFY(window->calls().contains(QStringLiteral("showWindow")));

    manager().onRoomReady(&lighthouse, token + 1);
    QCOMPARE(waiting->requestToken(), token);
    manager().onRoomReady(&lighthouse, token);
    QCOMPARE(manager().findRoom("5001"), waiting);
    QCOMPARE(waiting->sessionKey(), QByteArray("5001"));
    QCOMPARE(waiting->requestToken(), 0);
    QVERIFY(window->calls().contains(QStringLiteral("loadHistory")));
    QVERIFY(!waiting->isRoomReady());
    IUser *const members[] = {&bea};
    manager().onRoomJoined("5001", members, 1);
    QVERIFY(waiting->isRoomReady());
    QVERIFY(window->calls().contains(QStringLiteral("enableInput")));
}

void tst_Rooms::directory_data()
{
    QTest::addColumn<QByteArrayList>("texts");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("documentRequests");

    const QByteArray document = record(Command::Document, {"1", "5001", "4", "1"});
    // What the document alone makes, and the same once joined.
    const QString fresh = QStringLiteral("members= invited= joined=0 counter=1 name=Project Lighthouse");
    const QString joined = QStringLiteral("members= invited= joined=1 counter=1 name=Project Lighthouse");
    QTest::newRow("document-makes-the-record") << QByteArrayList{document} << fresh << 0;
    QTest::newRow("members-joined-renamed") << QByteArrayList{
        document + record(Command::Members, {"4", "1000", "1001", "1001"}) + record(Command::Joined, {"4"}),
        record(Command::Renamed, {"4", "Harbour: walk"})}
        << "members=1000,1001 invited= joined=1 counter=1 name=Harbour: walk" << 0;
    QTest::newRow("invited-then-member-or-declined") << QByteArrayList{
        document, record(Command::Invited, {"4", "1003", "1004"}), record(Command::InvitationEnded, {"4", "1004"}),
        record(Command::MemberAdded, {"4", "1003"}), record(Command::MemberAdded, {"4", "1003"})}
        << "members=1003 invited= joined=0 counter=1 name=Project Lighthouse" << 0;
    QTest::newRow("member-list-ends-invitations") << QByteArrayList{
        document, record(Command::Invited, {"4", "1003", "1004"}), record(Command::Members, {"4", "1000", "1003"})}
        << "members=1000,1003 invited=1004 joined=0 counter=1 name=Project Lighthouse" << 0;
    QTest::newRow("member-removed-and-left") << QByteArrayList{
        document + record(Command::Members, {"4", "1000", "1002"}) + record(Command::Joined, {"4"})
        + record(Command::MemberRemoved, {"4", "1002"}) + record(Command::Left, {"4"})}
        << "members=1000 invited= joined=0 counter=1 name=Project Lighthouse" << 0;
    QTest::newRow("room-the-host-does-not-know") << QByteArrayList{record(Command::Document, {"1", "7777", "4"})} << "none" << 0;
    QTest::newRow("a-contact-is-no-room") << QByteArrayList{record(Command::Document, {"1", "1001", "4"})} << "none" << 0;
    QTest::newRow("other-document-version-ignored") << QByteArrayList{record(Command::Document, {"2", "5001", "4"})} << "none" << 0;
    QTest::newRow("document-without-request-ignored") << QByteArrayList{record(Command::Document, {"1", "5001"})} << "none" << 0;
    QTest::newRow("older-document-keeps-the-binding") << QByteArrayList{
        record(Command::Document, {"1", "5001", "4", "5"}), record(Command::Document, {"1", "5001", "9", "2"}),
        record(Command::Joined, {"4"})}
        << "members= invited= joined=1 counter=5 name=Project Lighthouse" << 0;
    QTest::newRow("counter-gap-asks-for-the-document") << QByteArrayList{
        document, record(Command::Counter, {"4", "2"}), record(Command::Counter, {"4", "5"}), record(Command::Counter, {"4", "9"})}
        << "members= invited= joined=0 counter=9 name=Project Lighthouse" << 1;
    QTest::newRow("stale-counter-ignored") << QByteArrayList{document, record(Command::Counter, {"4", "0"})} << fresh << 0;
    QTest::newRow("unknown-request-dropped") << QByteArrayList{document + record(Command::Joined, {"9"})} << fresh << 0;
    QTest::newRow("unknown-command-skipped")
        << QByteArrayList{document + RoomControlText::write(0x7f, {"4"}) + record(Command::Joined, {"4"})} << joined << 0;
    QTest::newRow("truncated-record-ends-the-text")
        << QByteArrayList{document + record(Command::Joined, {"4"}).chopped(1) + record(Command::Joined, {"4"})} << fresh << 0;
    QTest::newRow("blank-name-ignored") << QByteArrayList{document + record(Command::Renamed, {"4", "  "})} << fresh << 0;
    QTest::newRow("removed-drops-the-record") << QByteArrayList{document, record(Command::Removed, {"4"})} << "none" << 0;
}

void tst_Rooms::directory()
{
    QFETCH(QByteArrayList, texts);
    RoomDirectory &directory = *chat().roomDirectory();
    for (const QByteArray &text : texts)
        chat().onRoomCommand(text);
    QTEST(describe(directory.find("5001")), "expected");
    QVERIFY(directory.count() <= 1);
    QTEST(journal().count("sendControl", "chat_rooms"), "documentRequests");
}

void tst_Rooms::roomKnownToTheDirectoryIsReadyAtOnce()
{
    chat().onRoomCommand(record(Command::Document, {"1", "5001", "4"}) + record(Command::Members, {"4", "1000", "1001", "1005"}));
    ChatSession *room = openRoom();
    // Not in the room yet: the window waits, the members are not shown.
    QVERIFY(!room->isRoomReady());
    QCOMPARE(room->participantCount(), 1);
    chat().onRoomCommand(record(Command::Joined, {"4"}));
    QVERIFY(room->isRoomReady());
    QCOMPARE(room->participantIds(), (QList<QByteArray>{"5001", "1000", "1001", "1005"}));
    // Members who were there before: no joined lines, no document request.
    QCOMPARE(journal().count("postMessage"), 0);
    QCOMPARE(journal().count("sendControl"), 0);
    chat().onRoomCommand(record(Command::Renamed, {"4", "Harbour walk"}));
    QCOMPARE(room->firstParticipant()->displayNameString(), QStringLiteral("Harbour walk"));

    chat().onConnectionLost();
    QCOMPARE(chat().roomDirectory()->count(), 0);
}

void tst_Rooms::roomHistoryRequests()
{
    QTemporaryDir logs;
    kelvan::DefaultLog::configure(false, true, logs.filePath(QStringLiteral("chat.log")));
    hostkit::StoredMessage stored;
    stored.conversation = "5001";
    stored.senderId = 1001;
    stored.time = hostkit::storeTimeFromSecondsSince1970(1767225600); // 2026-01-01 00:00 UTC
    stored.body = "Morning";
    m_host->store().append(stored);
    chat().onRoomCommand(record(Command::Document, {"1", "5001", "4"}));
    openRoom();

    manager().onRoomJoined("5001", nullptr, 0); // no history plug-in: nothing to ask
    m_host->setHistoryPlugin(true);
    manager().onRoomJoined("5001", nullptr, 0);
    chat().onEvent(777, "4");
    chat().onEvent(777, "9");
    const auto asked = journal().calls("onEvent");
    QCOMPARE(asked.size(), 2);
    for (const auto &entry : asked) {
        QCOMPARE(entry.service, QByteArray("history"));
        QCOMPARE(entry.arguments, (QJsonArray{778, "5001:1767225600"}));
    }

    RecordingWindow *window = m_windows.windowOf("5001");
    const int loads = window->calls().count(QStringLiteral("loadHistory"));
    chat().onEvent(779, "4");
    QCOMPARE(window->calls().count(QStringLiteral("loadHistory")), loads + 1);

    kelvan::DefaultLog::group().flushNow();
    QFile file(kelvan::DefaultLog::file().currentFileName());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QVERIFY(file.readAll().contains("Warning! Unable to locate chat room document: roomReq=9\r\n"));
    kelvan::DefaultLog::configure(false, false, QString());
}

QTEST_MAIN(tst_Rooms)
#include "tst_rooms.moc"
