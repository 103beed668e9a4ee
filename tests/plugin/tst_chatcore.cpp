// The chat core object: how messages leave through the host, file and
// picture messages of finished uploads, the routes of the numbered host
// events, and the one-line message summary. Driven directly against
// hostkit's host services (no plug-in library loaded in this process).

#include "../chat/recordingwindow.h"

#include "chat/chatmanager.h"
#include "chat/chatsession.h"
#include "hostkit/host.h"
#include "hostkit/hostmessage.h"
#include "hostkit/hostvariable.h"
#include "hostkit/hostuser.h"
#include "hostkit/transfers.h"
#include "lib_kelvan/clock.h"
#include "lib_kelvan/log.h"
#include "lib_kelvan/logfilebuffered.h"
#include "lib_kelvan/loggroupthread.h"
#include "platform/prompt.h"
#include "plugin/chat.h"
#include "plugin/pluginimpl.h"
#include "shared/sharedresourcemanager.h"
#include "settings/settingsmanager.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QJsonArray sendsOf(const hostkit::Journal &journal)
{
    QJsonArray out;
    for (const auto &entry : journal.calls("sendInstantMessage"))
        out.append(entry.arguments);
    return out;
}

QJsonArray send(const QJsonValue &key, const QString &to, const QString &text)
{
    return QJsonArray{key, to, text};
}

// Built element by element: brace-initialising a QJsonArray from one
// QJsonArray copies it under some compilers and nests it under others.
QJsonArray sendList(std::initializer_list<QJsonArray> sends)
{
    QJsonArray out;
    for (const QJsonArray &one : sends)
        out.append(one);
    return out;
}

} // namespace

class tst_ChatCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void sendSplitsAtPictures_data();
    void sendSplitsAtPictures();
    void textSmileysBecomeCodes();
    void unknownRecipientSendsNothingAndLogs();
    void fileMessageOfFinishedUpload();
    void pictureMessageOfFinishedUpload();
    void uploadWithoutAddressSendsNothing();
    void eventsReachTheirConversation_data();
    void eventsReachTheirConversation();
    void nudgeEvent_data();
    void nudgeEvent();
    void mustAlertList();
    void describeMessage_data();
    void describeMessage();
    void describeMessageWithNullsDoesNothing();
    void sendAttachmentToEachUser();
    void userDeletedForgetsAndCloses();
    void hostNumberAndRefreshes();
    void reloadResourcesAsksAboutButtons_data();
    void reloadResourcesAsksAboutButtons();
    void messagesReachTheirConversation();
    void executeOnRoomWithoutRoomsPlugin_data();
    void executeOnRoomWithoutRoomsPlugin();

private:
    hostkit::HostUser user(const QByteArray &id) const { return hostkit::HostUser(*m_host->profile().find(id)); }
    Chat &chat() const { return *Chat::instance(); }
    hostkit::Journal &journal() const { return m_host->journal(); }
    ChatSession *open(const QByteArray &id)
    {
        const hostkit::HostUser u = user(id);
        return chat().openChat(&u);
    }
    QByteArray upload(const QString &path, const QByteArray &peer);

    std::unique_ptr<hostkit::Host> m_host;
    IHostServices *m_services = nullptr;
    RecordingWindowFactory m_windows;
    kelvan::ManualClock m_clock;
    platform::ScriptedPrompt m_prompt;
    QTemporaryDir m_files;
};

void tst_ChatCore::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_files.isValid());
    kelvan::Clock::setInstance(&m_clock);
    platform::Prompt::setInstance(&m_prompt);
    m_host = std::make_unique<hostkit::Host>(hostkit::Profile::inMemory());
    QVERIFY2(m_host->isReady(), qPrintable(m_host->error()));
    m_services = m_host->servicesFor("chat");
    ChatWindowFactory::setInstance(&m_windows);
    Chat::create()->setHostServices(m_services);
    SharedResourceManager *resources = SharedResourceManager::instance();
    resources->setHostServices(m_services);
    const hostkit::HostUser own(m_host->profile().own());
    resources->setOwnUser(&own);
    resources->ensureManagers();
}

void tst_ChatCore::init()
{
    chat().manager().closeAll();
    m_windows.reset();
    m_prompt.clear();
    journal().clear();
}

void tst_ChatCore::cleanupTestCase()
{
    Chat::destroy();
    SharedResourceManager::destroy();
    ChatWindowFactory::setInstance(nullptr);
    m_host.reset();
    platform::Prompt::setInstance(nullptr);
    kelvan::Clock::setInstance(nullptr);
}

// --- Sending ---------------------------------------------------------------------

void tst_ChatCore::sendSplitsAtPictures_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArrayList>("to");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QJsonArray>("sends");

    const QString pic = QStringLiteral("[pic src=\"sim://p/1\"]");
    QTest::newRow("each-part-to-each-recipient")
        << QByteArray("k2") << QByteArrayList{"1001", "1002"} << "a " + pic
        << sendList({send("k2", "1001", "a "), send("k2", "1002", "a "), send("k2", "1001", pic), send("k2", "1002", pic)});
    QTest::newRow("room-once-to-the-room-id")
        << QByteArray("5001") << QByteArrayList{"5001", "1001", "1002", "1005"} << QStringLiteral("hi room")
        << sendList({send("5001", "5001", "hi room")});
    QTest::newRow("no-key-goes-as-null") << QByteArray() << QByteArrayList{"1001"} << QStringLiteral("x")
                                         << sendList({send(QJsonValue::Null, "1001", "x")});
    QTest::newRow("blank-text-nothing") << QByteArray("k") << QByteArrayList{"1001"} << QStringLiteral(" \n ") << QJsonArray{};
    QTest::newRow("no-recipients-nothing") << QByteArray("k") << QByteArrayList{} << QStringLiteral("x") << QJsonArray{};
    QTest::newRow("utf8-on-the-wire") << QByteArray("k") << QByteArrayList{"1001"} << QStringLiteral("Grüße ✓")
                                      << sendList({send("k", "1001", QStringLiteral("Grüße ✓"))});
}

void tst_ChatCore::sendSplitsAtPictures()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArrayList, to);
    QFETCH(QString, text);
    chat().sendInstantMessage(key, to, text);
    QTEST(sendsOf(journal()), "sends");
}

void tst_ChatCore::textSmileysBecomeCodes()
{
    QVERIFY(SharedResourceManager::instance()->emoticons());
    chat().sendInstantMessage("k", {"1001"}, QStringLiteral("hi :) there"));
    QCOMPARE(sendsOf(journal()), (sendList({send("k", "1001", "hi (smile) there")})));
}

void tst_ChatCore::unknownRecipientSendsNothingAndLogs()
{
    QTemporaryDir logs;
    kelvan::DefaultLog::configure(false, true, logs.filePath(QStringLiteral("chat.log")));
    chat().sendInstantMessage("k", {"999999", "1001"}, QStringLiteral("hello"));
    QCOMPARE(journal().count("sendInstantMessage"), 0);
    kelvan::DefaultLog::group().flushNow();
    QFile file(kelvan::DefaultLog::file().currentFileName());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QVERIFY(file.readAll().contains("Warning> Chat::sendInstantMessage() : No such user: 999999\r\n"));
    kelvan::DefaultLog::configure(false, false, QString());
}

// --- Uploads ----------------------------------------------------------------------

// Starts an upload in hostkit and lets it finish; returns its key.
QByteArray tst_ChatCore::upload(const QString &path, const QByteArray &peer)
{
    const int before = m_host->transfers().all().size();
    if (!m_host->transfers().sendFiles({path}, {peer}))
        return QByteArray();
    m_host->advance(hostkit::Transfers::kStepMs * (hostkit::Transfers::kUploadSteps + 2));
    return m_host->transfers().all().at(before).key;
}

void tst_ChatCore::fileMessageOfFinishedUpload()
{
    const QString path = m_files.filePath(QStringLiteral("100% [final].txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("plain text, twenty-nine bytes");
    file.close();
    open("1001");
    const QByteArray key = upload(path, "1001");
    QVERIFY(!key.isEmpty());
    journal().clear();

    chat().onEvent(9, key);
    const hostkit::Transfers::Transfer *transfer = m_host->transfers().find(key);
    QVERIFY(transfer && !transfer->address.isEmpty());
    const QString expected = QStringLiteral("[file url=\"%1\" name=\"100%37 %91final%93.txt\" size=\"29\" mime=\"text/plain\"]")
                                 .arg(QString::fromUtf8(transfer->address));
    QCOMPARE(sendsOf(journal()), (sendList({send(QJsonValue::Null, "1001", expected)})));
    QVERIFY(m_windows.windowOf("1001")->calls().contains("uploadFinished " + key));
}

void tst_ChatCore::pictureMessageOfFinishedUpload()
{
    const QString path = m_files.filePath(QStringLiteral("dot.png"));
    QImage dot(2, 2, QImage::Format_ARGB32);
    dot.fill(Qt::red);
    QVERIFY(dot.save(path));
    open("1002");
    const QByteArray key = upload(path, "1002");
    QVERIFY(!key.isEmpty());
    journal().clear();

    chat().onEvent(17, key);
    const QJsonArray sends = sendsOf(journal());
    QCOMPARE(sends.size(), 1);
    const QString text = sends.at(0).toArray().at(2).toString();
    QVERIFY2(text.startsWith(QStringLiteral("[pic src=\"")) && text.endsWith(QStringLiteral("\"]")), qPrintable(text));
    QVERIFY(m_windows.windowOf("1002")->calls().contains("uploadFinished " + key));
}

void tst_ChatCore::uploadWithoutAddressSendsNothing()
{
    chat().onEvent(9, "up-unknown");
    chat().onEvent(17, "up-unknown");
    chat().onEvent(9, QByteArray());
    QCOMPARE(journal().count("sendInstantMessage"), 0);
}

// --- Events -------------------------------------------------------------------------

void tst_ChatCore::eventsReachTheirConversation_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("beaCall");   // what Bea's window is told; empty: nothing
    QTest::addColumn<QString>("chrisCall"); // what Chris's window is told

    QTest::newRow("4-file-of-bea") << 4 << QByteArray("f-bea") << "onFileTransferChanged f-bea 4" << "";
    QTest::newRow("6-file-of-both") << 6 << QByteArray("f-both") << "onFileTransferChanged f-both 6" << "onFileTransferChanged f-both 6";
    QTest::newRow("14-picture-of-chris") << 14 << QByteArray("p-chris") << "" << "onPictureTransferChanged p-chris 14";
    QTest::newRow("19-redraw-picture") << 19 << QByteArray("p-chris") << "" << "redrawPicture p-chris 19";
    QTest::newRow("picture-key-is-not-a-file-key") << 5 << QByteArray("p-chris") << "" << "";
    QTest::newRow("unknown-key-nobody") << 13 << QByteArray("nobody") << "" << "";
    QTest::newRow("12-progress-to-first-participant")
        << 12 << QByteArray("<data uid=\"1002\" pfn=\"up9\" uploaded=\"10\" total=\"40\"/>") << "" << "uploadProgress up9 10/40";
    QTest::newRow("34-conversation-event") << 34 << QByteArray("1001,5,-6") << "onConversationEvent 34 5,-6" << "";
    QTest::newRow("37-conversation-event-no-values") << 37 << QByteArray("1002") << "" << "onConversationEvent 37 ";
    QTest::newRow("36-unknown-conversation") << 36 << QByteArray("4242,1") << "" << "";
}

void tst_ChatCore::eventsReachTheirConversation()
{
    QFETCH(int, code);
    QFETCH(QByteArray, data);
    QFETCH(QString, beaCall);
    QFETCH(QString, chrisCall);
    open("1001");
    open("1002");
    chat().addTransfer(Chat::TransferKind::File, "1001", "f-bea");
    chat().addTransfer(Chat::TransferKind::File, "1001", "f-both");
    chat().addTransfer(Chat::TransferKind::File, "1002", "f-both");
    chat().addTransfer(Chat::TransferKind::Picture, "1002", "p-chris");
    const int beaBefore = m_windows.windowOf("1001")->calls().size();
    const int chrisBefore = m_windows.windowOf("1002")->calls().size();

    chat().onEvent(code, data);

    const QStringList bea = m_windows.windowOf("1001")->calls().mid(beaBefore);
    const QStringList chris = m_windows.windowOf("1002")->calls().mid(chrisBefore);
    QCOMPARE(bea, beaCall.isEmpty() ? QStringList() : QStringList{beaCall});
    QCOMPARE(chris, chrisCall.isEmpty() ? QStringList() : QStringList{chrisCall});
    QCOMPARE(chat().manager().count(), 2);
    chat().removeTransfer(Chat::TransferKind::File, "f-bea");
    chat().removeTransfer(Chat::TransferKind::File, "f-both");
    chat().removeTransfer(Chat::TransferKind::Picture, "p-chris");
}

void tst_ChatCore::nudgeEvent_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("conversation");
    QTest::addColumn<int>("sounds");

    QTest::newRow("one-to-one-nudge") << QByteArray("1001,0,0") << QByteArray("1001") << 1;
    QTest::newRow("room-nudge-uses-room-record") << QByteArray("1001,5001,3") << QByteArray("5001") << 1;
    QTest::newRow("unknown-sender-nothing") << QByteArray("777777,0,0") << QByteArray() << 0;
}

void tst_ChatCore::nudgeEvent()
{
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, conversation);
    chat().onEvent(32, data);
    QCOMPARE(chat().manager().count(), conversation.isEmpty() ? 0 : 1);
    if (!conversation.isEmpty()) {
        ChatSession *session = chat().manager().findByFirstParticipant(conversation);
        QVERIFY(session);
        QVERIFY(m_windows.windowOf(conversation)->calls().contains(QStringLiteral("onNudgeReceived ") + (conversation == "5001" ? "5001" : "1001")));
    }
    QTEST(journal().count("playSound"), "sounds");
}

void tst_ChatCore::mustAlertList()
{
    chat().onEvent(33, "1001,71,72");
    QVERIFY(chat().isMustAlert(71));
    QVERIFY(chat().takeMustAlert(72));
    QVERIFY(!chat().takeMustAlert(72));
    QVERIFY(!chat().isMustAlert(1001));
    chat().onEvent(33, "1001,x");
    QVERIFY(chat().takeMustAlert(71));
}

// --- Summary -------------------------------------------------------------------------

void tst_ChatCore::describeMessage_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("received");
    QTest::addColumn<QString>("expected");

    QTest::newRow("received-nudge") << QByteArray("[nudge]") << true << "Bea Hansen sent you a nudge.";
    QTest::newRow("upper-case-tag") << QByteArray("[NUDGE]") << true << "Bea Hansen sent you a nudge.";
    QTest::newRow("sent-nudge") << QByteArray("[Nudge]") << false << "You sent a nudge to Bea Hansen.";
    QTest::newRow("text-around-nudge") << QByteArray("hey [nudge] you") << true << "Bea Hansen sent you a nudge.";
    QTest::newRow("bold-tag-passed-on") << QByteArray("[b]hi[/b]") << true << "[b]hi[/b]";
    QTest::newRow("no-closing-bracket") << QByteArray("[nudge") << true << "[nudge";
    QTest::newRow("closing-before-opening") << QByteArray("] [") << true << "] [";
    QTest::newRow("empty-body") << QByteArray() << true << "";
}

void tst_ChatCore::describeMessage()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, received);
    hostkit::StoredMessage stored;
    stored.conversation = "1001";
    // The summary names whoever the message gives as its sender.
    stored.senderId = 1001;
    stored.received = received;
    stored.body = body;
    hostkit::HostMessage message(stored);
    hostkit::HostVariable out;
    chat().describeMessage(&message, &out);
    QTEST(QString::fromUtf8(out.value()), "expected");
}

void tst_ChatCore::describeMessageWithNullsDoesNothing()
{
    hostkit::HostVariable out;
    out.set("untouched", -1);
    chat().describeMessage(nullptr, &out);
    QCOMPARE(QByteArray(out.value()), QByteArray("untouched"));
    hostkit::HostMessage message;
    chat().describeMessage(&message, nullptr);
    QCOMPARE(journal().count("getUser"), 0);
}

// --- Notices ----------------------------------------------------------------------------

void tst_ChatCore::sendAttachmentToEachUser()
{
    hostkit::HostUser bea = user("1001");
    hostkit::HostUser room = user("5001");
    IUser *const users[] = {&bea, nullptr, &room};
    chat().sendAttachment(users, 3, "[geo lat=\"1\" lon=\"2\"]");
    QCOMPARE(sendsOf(journal()), (sendList({send(QJsonValue::Null, "1001", "[geo lat=\"1\" lon=\"2\"]"),
                                             send(QJsonValue::Null, "5001", "[geo lat=\"1\" lon=\"2\"]")})));
    chat().sendAttachment(users, -1, "x");
    chat().sendAttachment(nullptr, 2, "x");
    QCOMPARE(journal().count("sendInstantMessage"), 2);
}

void tst_ChatCore::userDeletedForgetsAndCloses()
{
    SettingsManager *settings = SharedResourceManager::instance()->settings();
    settings->setNotificationsEnabled(QStringLiteral("1003"), false);
    settings->setAutoscroll(QStringLiteral("1003"), false);
    open("1003");
    open("1001");
    hostkit::HostUser dana = user("1003");
    chat().onUserDeleted(&dana);
    QVERIFY(settings->notificationsEnabled(QStringLiteral("1003")));
    QVERIFY(settings->autoscroll(QStringLiteral("1003")));
    QCOMPARE(m_windows.released, QStringList{"1003"});
    QCOMPARE(chat().manager().count(), 1);
    chat().onUserDeleted(nullptr);
    QCOMPARE(chat().manager().count(), 1);
}

void tst_ChatCore::hostNumberAndRefreshes()
{
    open("1001");
    // Event 30 and the recount reach a tabbed window only once there is one.
    chat().onEvent(30, "1001,3");
    QVERIFY(chat().manager().tabbedWindow());
    const int before = m_windows.windowOf("1001")->calls().size();
    m_host->setHostNumber(0);
    chat().onHostNumberChanged();
    QVERIFY(chat().hostNumberIsZero());
    m_host->setHostNumber(12);
    chat().onHostNumberChanged();
    QVERIFY(!chat().hostNumberIsZero());
    chat().refreshWindows();
    chat().refreshButtons();
    chat().onOptionsChanged(3, 4);
    chat().onOwnProfile(2);
    QCOMPARE(m_windows.windowOf("1001")->calls().mid(before).join(QLatin1Char('|')),
             QStringList({"onHostNumberChanged zero", "onHostNumberChanged nonzero", "refresh", "refreshPluginButtons",
                          "refresh", "onOptionsChanged 3 4", "onOwnProfileB"}).join(QLatin1Char('|')));
    chat().onEvent(30, "1001,3");
    QCOMPARE(m_windows.tabbedCalls, (QStringList{"recount", "setMissedCount 1001 3"}));
}

void tst_ChatCore::reloadResourcesAsksAboutButtons_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("yes-rebuilds-buttons") << true << QStringList{"refreshPluginButtons", "refresh"};
    QTest::newRow("no-only-refresh") << false << QStringList{"refresh"};
}

void tst_ChatCore::reloadResourcesAsksAboutButtons()
{
    QFETCH(bool, yes);
    QFETCH(QStringList, calls);
    m_prompt.enqueue(yes ? platform::Prompt::Yes : platform::Prompt::No);
    open("1001");
    const int before = m_windows.windowOf("1001")->calls().size();
    QSignalSpy reloaded(SharedResourceManager::instance(), &SharedResourceManager::templateChanged);
    chat().reloadResources(m_services);
    QCOMPARE(reloaded.count(), 1);
    QCOMPARE(journal().count("dataFolder"), 1);
    QCOMPARE(journal().count("askYesNo"), 1);
    QCOMPARE(m_windows.windowOf("1001")->calls().mid(before), calls);
}

void tst_ChatCore::messagesReachTheirConversation()
{
    ChatSession *bea = open("1001");
    hostkit::StoredMessage stored;
    stored.conversation = "1001";
    stored.senderId = 1001;
    stored.received = true;
    stored.sessionKey = bea->sessionKey();
    stored.body = "hi";
    hostkit::HostMessage message(stored);
    chat().onMessage(&message);
    QCOMPARE(m_windows.windowOf("1001")->calls().count(QStringLiteral("onNewMessage")), 1);
    // Without a conversation nothing opens; an unknown peer is dropped.
    stored.conversation = "1002";
    message.setMessage(stored);
    chat().onMessage(&message);
    stored.conversation = "31337";
    message.setMessage(stored);
    chat().onMessage(&message);
    chat().onMessage(nullptr);
    QCOMPARE(chat().manager().count(), 1);
}

// A host that runs no rooms plug-in: opening a room is not possible, and
// the administrator's refusal names that host.
void tst_ChatCore::executeOnRoomWithoutRoomsPlugin_data()
{
    QTest::addColumn<bool>("disabled");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("boxes");
    QTest::newRow("allowed-does-nothing") << false << 2 << 0;
    QTest::newRow("refused-shows-the-box") << true << 2 << 1;
    QTest::newRow("exempt-action-does-nothing") << true << 5 << 0;
}

void tst_ChatCore::executeOnRoomWithoutRoomsPlugin()
{
    QFETCH(bool, disabled);
    QFETCH(int, action);
    QFETCH(int, boxes);
    hostkit::Host other(hostkit::Profile::inMemory());
    other.setAppName(QStringLiteral("Other Host"));
    IHostServices *services = other.servicesFor("chat");
    chat().setHostServices(services);
    PluginImpl &plugin = PluginImpl::instance();
    plugin.setDisabled(disabled);
    hostkit::HostUser room(*other.profile().find("5001"));

    QVERIFY(!plugin.canExecute(&room, action));
    plugin.execute(&room, action);

    chat().setHostServices(m_services);
    plugin.setDisabled(false);
    QCOMPARE(chat().manager().count(), 0);
    QCOMPARE(int(m_prompt.asked().size()), boxes);
    if (boxes) {
        const platform::Prompt::Box &box = m_prompt.asked().front();
        QCOMPARE(box.title, QStringLiteral("Other Host"));
        QCOMPARE(box.icon, platform::Prompt::Icon::Information);
    } else {
        const auto finds = other.journal().calls("findPlugin");
        QVERIFY(!finds.isEmpty());
        QCOMPARE(finds.first().arguments.first().toString(), QStringLiteral("chat_rooms"));
        QCOMPARE(finds.first().result.toBool(true), false);
    }
}

QTEST_MAIN(tst_ChatCore)
#include "tst_chatcore.moc"
