#include "../common/testpictures.h"

#include "hostkit/appfolder.h"
#include "hostkit/historysync.h"
#include "hostkit/host.h"
#include "hostkit/hostimage.h"
#include "hostkit/hostuser.h"
#include "hostkit/messagestore.h"
#include "hostkit/network.h"
#include "hostkit/transfers.h"

#include "lib_kelvan/clock.h"
#include "lib_kelvan/elementtree.h"

#include <sdk/icustomstatus.h>
#include <sdk/ihostclock.h>
#include <sdk/ihostmessage.h>
#include <sdk/ihostscreens.h>
#include <sdk/ihostservices.h>
#include <sdk/ivariable.h>

#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <QtEndian>
#include <QtTest>

namespace {

class Text final : public IVariable
{
public:
    const char *value() const override { return m_value.constData(); }
    void set(const char *data, int length) override { m_value = length < 0 ? QByteArray(data) : QByteArray(data, length); }
    QByteArray m_value;
};

// Writes `bytes` to `path`; the path as the host's calls take it.
QByteArray writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? path.toUtf8() : QByteArray();
}

// The events the host delivered to the plug-in objects, as "code:data".
QStringList deliveredEvents(const hostkit::Journal &journal)
{
    QStringList out;
    for (const auto &e : journal.entries()) {
        if (e.direction == hostkit::Journal::Direction::Deliver && e.operation == "onEvent")
            out << QStringLiteral("%1:%2").arg(e.arguments.at(0).toInt()).arg(e.arguments.at(1).toString());
    }
    return out;
}

// A plug-in's side of the host clock: a timer due at `due`.
class ClockListener final : public IHostClockListener
{
public:
    explicit ClockListener(IHostClock *clock)
        : m_clock(clock)
    {
    }
    void onHostClockMoved() override { moves << m_clock->tickMs(); }
    std::int64_t nextDueTickMs(std::int64_t afterTickMs) override { return due > afterTickMs ? due : -1; }

    qint64 due = -1;
    QList<qint64> moves;

private:
    IHostClock *m_clock;
};

} // namespace

class TestHostkitWorld : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void peerTypesThenAnswersOnTheClock();
    void peerRefusesOrReturnsNudges_data();
    void peerRefusesOrReturnsNudges();
    void controlRecordsAreWrittenWithTheElementWriter();
    void downloadsAndPictureFetches();
    void uploadsReportProgressAndFinish();
    void stoppedUploadsStop();
    void transferLookupByKeyOrAddress();
    void applicationFolderLayout();
    void usersRecordsAndAvatars();
    void roomCreationAnswersThroughTheListener();
    void broadcastsFromASendingThread();
    void hostClockIsTheSimulatedOne();
    void screens_data();
    void screens();
    void historyResetEmptiesTheStoreAndSynchronisesItBack();

private:
    std::unique_ptr<kelvan::ManualClock> m_clock;
    std::unique_ptr<hostkit::Host> m_host;
    IHostServices *m_chat = nullptr;
};

void TestHostkitWorld::init()
{
    m_clock = std::make_unique<kelvan::ManualClock>(QDateTime(QDate(2026, 3, 5), QTime(12, 0), Qt::UTC));
    kelvan::Clock::setInstance(m_clock.get());
    m_host = std::make_unique<hostkit::Host>(hostkit::Profile::inMemory());
    QVERIFY(m_host->isReady());
    m_chat = m_host->servicesFor("chat");
}

void TestHostkitWorld::cleanup()
{
    m_host.reset();
    kelvan::Clock::setInstance(nullptr);
    m_clock.reset();
}

void TestHostkitWorld::peerTypesThenAnswersOnTheClock()
{
    m_host->network().setBehaviour("1001", {QStringLiteral("echo: %1"), 400, 1500, false, false});
    QVERIFY(m_chat->sendInstantMessage("key-1", "1001", "hello"));
    QCOMPARE(m_host->store().count("1001"), 1);
    QCOMPARE(m_host->network().sent().size(), 1);

    m_host->advance(399);
    QCOMPARE(m_host->scheduler().pendingCount(), 2);
    m_host->advance(1);
    QCOMPARE(m_host->scheduler().pendingCount(), 1); // WRITING went out at 400 ms
    QCOMPARE(m_host->store().count("1001"), 1);
    m_host->advance(1099);
    QCOMPARE(m_host->store().count("1001"), 1);
    m_host->advance(1);
    QCOMPARE(m_host->store().count("1001"), 2);
    const auto answer = m_host->store().newest("1001", 1).first();
    QCOMPARE(answer.body, QByteArray("echo: hello"));
    QVERIFY(answer.received);
    QCOMPARE(answer.sessionKey, QByteArray("key-1"));
    QCOMPARE(answer.time, qint64(20260305120001)); // 1.5 s after noon, whole seconds
    QCOMPARE(m_host->missedMessageCount("1001"), 1);
    m_chat->markSeen("1001");
    QCOMPARE(m_host->missedMessageCount("1001"), 0);

    // Commands to a peer are applied, never answered.
    QVERIFY(m_chat->sendInstantMessage("key-1", "1001", QByteArray("[like " + QByteArray::number(answer.eventId) + " T]").constData()));
    m_host->advance(5000);
    QCOMPARE(m_host->store().count("1001"), 2);
    QCOMPARE(m_host->store().byEvent(answer.eventId)->likeCount(), 1);
    // Unknown recipients get nothing.
    QVERIFY(!m_chat->sendInstantMessage("key-1", "9999", "anyone?"));
    QVERIFY(!m_chat->sendControl("9999", "x"));
}

void TestHostkitWorld::peerRefusesOrReturnsNudges_data()
{
    QTest::addColumn<bool>("refuses");
    QTest::addColumn<bool>("nudgesBack");
    QTest::addColumn<QString>("expectedControl");
    QTest::addColumn<int>("expectedNudgeEvents");
    QTest::newRow("refuses-with-NUDGE_DISABLED") << true << false << QStringLiteral("NUDGE_DISABLED") << 0;
    QTest::newRow("nudges-back-with-event-32") << false << true << QString() << 1;
    QTest::newRow("ignores") << false << false << QString() << 0;
}

void TestHostkitWorld::peerRefusesOrReturnsNudges()
{
    QFETCH(bool, refuses);
    QFETCH(bool, nudgesBack);
    QFETCH(QString, expectedControl);
    m_host->network().setBehaviour("1002", {QString(), 500, 1500, refuses, nudgesBack});
    m_host->servicesFor("chat")->sendInstantMessage("k", "1002", "[nudge]");
    m_host->advance(5000);
    QStringList controls;
    for (const auto &e : m_host->journal().entries()) {
        if (e.direction == hostkit::Journal::Direction::Deliver && e.operation == "onCommand")
            controls << e.arguments.at(1).toString();
    }
    if (expectedControl.isEmpty()) {
        QVERIFY(controls.isEmpty());
    } else {
        QCOMPARE(controls.size(), 1);
        QCOMPARE(controls.first().toUtf8(), hostkit::Network::controlRecord(expectedControl.toUtf8(), "k"));
    }
    QTEST(deliveredEvents(m_host->journal()).filter(QStringLiteral("32:1002,0,0")).size(), "expectedNudgeEvents");
    QCOMPARE(m_host->store().count("1002"), 1); // the nudge itself, no answer
}

void TestHostkitWorld::controlRecordsAreWrittenWithTheElementWriter()
{
    QCOMPARE(hostkit::Network::controlRecord("NUDGE_DISABLED", "a&b", "5001"),
             QByteArray("<data COMMAND=\"NUDGE_DISABLED\" session_id=\"a&amp;b\" room_id=\"5001\"/>\r\n"));
    QCOMPARE(hostkit::Network::controlRecord("MESSAGE_SEEN"), QByteArray("<data COMMAND=\"MESSAGE_SEEN\"/>\r\n"));
}

void TestHostkitWorld::downloadsAndPictureFetches()
{
    // Without plug-ins the events go nowhere; give the "chat" label a
    // plug-in-free journal view by checking the transfer states instead.
    const QByteArray file = m_host->transfers().publish("report contents", QStringLiteral("report [v2].txt"), false);
    Text out;
    QVERIFY(!m_chat->localFileForAddress(file.constData(), &out));
    m_chat->registerTransfer(file.constData(), u"report [v2].txt", 15, 0);
    QCOMPARE(m_chat->transferKind(file.constData()), 0);
    QVERIFY(!m_chat->savedPathForAddress(file.constData(), &out));
    m_chat->fetchFile(file.constData());
    QVERIFY(m_chat->isTransferRunning(file.constData()));
    m_host->advance(hostkit::Transfers::kUploadSteps * hostkit::Transfers::kStepMs);
    QVERIFY(!m_chat->isTransferRunning(file.constData()));
    QCOMPARE(deliveredEvents(m_host->journal()), (QStringList{"4:" + QString::fromUtf8(file), "5:" + QString::fromUtf8(file)}));
    QVERIFY(m_chat->savedPathForAddress(file.constData(), &out));
    QFile saved(QString::fromUtf8(out.m_value));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("report contents"));
    QVERIFY(saved.fileName().endsWith(QLatin1String("report [v2].txt")));
    QVERIFY(m_chat->localFileForAddress(file.constData(), &out));
    // The saved file goes away: no local copy any more, the path stays.
    QVERIFY(QFile::remove(saved.fileName()));
    QVERIFY(!m_chat->localFileForAddress(file.constData(), &out));
    QVERIFY(m_chat->savedPathForAddress(file.constData(), &out));

    // An address nobody offers fails.
    m_chat->fetchFile("sim://files/404/gone.txt");
    m_host->advance(2000);
    QCOMPARE(m_host->transfers().find("sim://files/404/gone.txt")->state, hostkit::Transfers::State::Failed);

    // Pictures: a local name first, the fetch fills it.
    const QByteArray png = testpictures::encoded(testpictures::filled(QSize(4, 3), Qt::red));
    const QByteArray picture = m_host->transfers().publish(png, QStringLiteral("red.png"), true);
    QVERIFY(!m_chat->pictureLocalName(picture.constData(), &out));
    m_chat->createPictureLocalName(picture.constData(), &out);
    const QByteArray local = out.m_value;
    QVERIFY(local.endsWith(".png"));
    QVERIFY(m_chat->pictureLocalName(picture.constData(), &out));
    QCOMPARE(out.m_value, local);
    m_chat->fetchPicture(picture.constData(), local.constData());
    m_host->advance(1000);
    QCOMPARE(QImage(QString::fromUtf8(local)).size(), QSize(4, 3));
    const QString p = QString::fromUtf8(picture);
    QCOMPARE(deliveredEvents(m_host->journal()).mid(2), (QStringList{"4:sim://files/404/gone.txt", "6:sim://files/404/gone.txt", "13:" + p, "14:" + p, "19:" + p}));
}

void TestHostkitWorld::uploadsReportProgressAndFinish()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.txt"));
    const QByteArray utf8 = writeFile(path, QByteArray(1000, 'n'));
    const char *paths[] = {utf8.constData()};
    const char *recipients[] = {"1001", "9999"};
    QVERIFY(m_chat->sendFiles(paths, 1, recipients, 2)); // the unknown recipient is skipped
    QCOMPARE(m_host->transfers().all().size(), 1);
    const QByteArray key = m_host->transfers().all().first().key;
    Text out;
    QVERIFY(m_chat->transferDetails(key.constData(), &out));
    kelvan::Element details;
    QVERIFY(kelvan::readElement(out.m_value, details));
    QCOMPARE(details.attribute("name"), QByteArray("notes.txt"));
    QCOMPARE(details.attribute("peer"), QByteArray("1001"));
    QCOMPARE(details.attribute("size"), QByteArray("1000"));
    QVERIFY(m_chat->transferPeer(key.constData(), &out));
    QCOMPARE(out.m_value, QByteArray("1001"));
    QVERIFY(!m_chat->transferUrl(key.constData(), &out)); // not finished
    QVERIFY(m_chat->isTransferRunning(key.constData()));

    m_host->advance(hostkit::Transfers::kUploadSteps * hostkit::Transfers::kStepMs);
    QVERIFY(!m_chat->isTransferRunning(key.constData()));
    const QStringList events = deliveredEvents(m_host->journal());
    QCOMPARE(events.first(), QStringLiteral("7:") + QString::fromUtf8(key));
    QCOMPARE(events.filter(QRegularExpression(QStringLiteral("^12:"))).size(), hostkit::Transfers::kUploadSteps);
    kelvan::Element progress;
    QVERIFY(kelvan::readElement(events.at(events.size() - 3).mid(3).toUtf8(), progress));
    QCOMPARE(progress.attribute("uid"), QByteArray("1001"));
    QCOMPARE(progress.attribute("pfn"), key);
    QCOMPARE(progress.attribute("uploaded"), QByteArray("1000"));
    QCOMPARE(progress.attribute("total"), QByteArray("1000"));
    QCOMPARE(events.mid(events.size() - 2), (QStringList{"10:" + QString::fromUtf8(key) + ",1000", "9:" + QString::fromUtf8(key)}));
    QVERIFY(m_chat->transferUrl(key.constData(), &out));
    QVERIFY(out.m_value.startsWith("sim://files/"));
    QVERIFY(m_host->transfers().isPublished(out.m_value));
    QVERIFY(m_chat->transferLocalPath(key.constData(), &out));
    QCOMPARE(QString::fromUtf8(out.m_value), QFileInfo(path).absoluteFilePath());
    QVERIFY(!m_chat->transferPictureSource(key.constData(), &out)); // a file, not a picture
    QVERIFY(!m_chat->uploadErrorText("1001", &out));
}

void TestHostkitWorld::stoppedUploadsStop()
{
    QTemporaryDir dir;
    const QByteArray utf8 = writeFile(dir.filePath(QStringLiteral("big.bin")), QByteArray(4096, 'b'));
    const char *paths[] = {utf8.constData()};
    QVERIFY(m_chat->sendFilesDirect("1002", paths, 1));
    m_host->advance(hostkit::Transfers::kStepMs);
    m_chat->stopUploads("1002");
    m_host->advance(10000);
    const auto t = m_host->transfers().all().first();
    QCOMPARE(t.state, hostkit::Transfers::State::Stopped);
    QVERIFY(t.transferred < t.size);

    // A file that cannot be read fails with a reason the plug-in can show.
    const char *missing[] = {"/nonexistent/file.bin"};
    QVERIFY(m_chat->sendFilesDirect("1002", missing, 1));
    m_host->advance(1000);
    Text out;
    QVERIFY(m_chat->uploadErrorText("1002", &out));
    QVERIFY(out.m_value.contains("/nonexistent/file.bin"));
}

void TestHostkitWorld::transferLookupByKeyOrAddress()
{
    hostkit::Transfers &transfers = m_host->transfers();
    QTemporaryDir dir;
    const QByteArray utf8 = writeFile(dir.filePath(QStringLiteral("a.txt")), "abc");
    const char *paths[] = {utf8.constData()};
    QVERIFY(m_chat->sendFilesDirect("1002", paths, 1));
    const QByteArray key = transfers.all().first().key;

    // A running upload has no address yet; an empty name must not find it.
    QVERIFY(!transfers.find(QByteArray()));
    QCOMPARE(m_chat->transferKind(""), -1);

    m_host->advance(hostkit::Transfers::kUploadSteps * hostkit::Transfers::kStepMs);
    const QByteArray address = transfers.find(key)->address;
    QVERIFY(!address.isEmpty());
    QCOMPARE(transfers.find("upload:" + key)->key, key);
    QCOMPARE(transfers.find(address)->key, key);
    // The address it was published under stays the upload's: a download
    // registered for it later is the same transfer.
    m_chat->registerTransfer(address.constData(), u"a.txt", 3, 0);
    QCOMPARE(transfers.all().size(), 1);

    for (int i = 0; i < 100; ++i)
        m_chat->registerTransfer(QByteArray("sim://files/x/" + QByteArray::number(i)).constData(), u"x", i, i % 3);
    QCOMPARE(transfers.all().size(), 101);
    QCOMPARE(m_chat->transferKind("sim://files/x/41"), 2);
    QCOMPARE(transfers.find("sim://files/x/99")->size, 99);
}

void TestHostkitWorld::applicationFolderLayout()
{
    QTemporaryDir dir;
    const QString app = dir.filePath(QStringLiteral("app"));
    QVERIFY(hostkit::AppFolder::prepare(app));
    QVERIFY(hostkit::AppFolder::prepare(app)); // again: nothing to do, no error
    const QDir dictionaries(app + QStringLiteral("/plugins/chat/dictionaries"));
    QFile languages(dictionaries.filePath(QStringLiteral("languages.txt")));
    QVERIFY(languages.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(languages.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.contains(QStringLiteral("en_US English (US)")));
    for (const QString &line : lines) {
        const QString code = line.section(QLatin1Char(' '), 0, 0);
        QVERIFY2(QFileInfo(dictionaries.filePath(code + QStringLiteral(".aff"))).isFile(), qPrintable(code));
        QVERIFY2(QFileInfo(dictionaries.filePath(code + QStringLiteral(".dic"))).isFile(), qPrintable(code));
    }
    QCOMPARE(lines.size(), hostkit::AppFolder::dictionaryLanguages().size());
    QVERIFY(!QFileInfo(dictionaries.filePath(QStringLiteral("en_EN.dic"))).isSymLink());
    QCOMPARE(QFileInfo(dictionaries.filePath(QStringLiteral("en_EN.dic"))).size(),
             QFileInfo(dictionaries.filePath(QStringLiteral("en_US.dic"))).size());

    for (const char *sound : {"message.wav", "nudge.wav"}) {
        QFile wav(app + QStringLiteral("/plugins/chat/sounds/") + QLatin1String(sound));
        QVERIFY(wav.open(QIODevice::ReadOnly));
        const QByteArray data = wav.readAll();
        QVERIFY(data.startsWith("RIFF"));
        QCOMPARE(data.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(qFromLittleEndian<quint32>(data.constData() + 4), quint32(data.size() - 8));
        QCOMPARE(qFromLittleEndian<quint32>(data.constData() + 40), quint32(data.size() - 44));
        QVERIFY(data.size() > 44 + 2000); // a real sound, not an empty header
    }
    // The skin the plug-in asks for is there.
    for (const char *name : {"chat/textbold.png", "chat/overlay_hourglass.png", "chat/label_likes.png", "icon_online.png"})
        QVERIFY2(!QImage(app + QStringLiteral("/skin/") + QLatin1String(name)).isNull(), name);
    QCOMPARE(QImage(app + QStringLiteral("/skin/chat/overlay_download.png")).size(), QSize(48, 48));

    // A file where the folder should be is a clear error.
    QFile blocker(dir.filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const hostkit::Result r = hostkit::AppFolder::prepare(blocker.fileName());
    QVERIFY(!r.ok);
    QVERIFY(r.error.contains(blocker.fileName()));
}

void TestHostkitWorld::usersRecordsAndAvatars()
{
    QCOMPARE(m_chat->contactCount(), m_host->profile().contacts().size());
    QVERIFY(m_chat->canChatWith("1001"));
    QVERIFY(!m_chat->canChatWith("9999"));
    QVERIFY(!m_chat->canChatWith(m_host->profile().own().id.constData()));
    QCOMPARE(m_chat->customStatusCount(), 3);
    QVERIFY(!m_chat->customStatusAt(3));
    QCOMPARE(QString::fromUtf16(m_chat->skinPath("chat/nope.png")), QString());
    QVERIFY(QFileInfo(QString::fromUtf16(m_chat->skinPath("chat/reply.png"))).isFile());
    Text size;
    m_chat->formatSize(1536, &size);
    QCOMPARE(size.m_value, QByteArray("1.5 kB"));
    m_chat->formatDuration(75, &size);
    QCOMPARE(size.m_value, QByteArray("1:15"));
    m_chat->formatDuration(3725, &size);
    QCOMPARE(size.m_value, QByteArray("1:02:05"));
    m_chat->mediaCaption(1, &size);
    QCOMPARE(size.m_value, QByteArray("Voice message"));
    hostkit::HostUser user;
    QVERIFY(m_chat->getOwnUser(&user));
    QCOMPARE(QByteArray(user.id()), m_host->profile().own().id);
    // Unknown ids are resolved a moment later, as by a directory server.
    hostkit::Contact unknown;
    unknown.id = "4242";
    hostkit::HostUser request(unknown);
    m_chat->requestUser(&request);
    QVERIFY(!m_chat->getUser(&user, "4242"));
    m_host->advance(1000);
    QVERIFY(m_chat->getUser(&user, "4242"));
    QCOMPARE(user.contact().displayName, QStringLiteral("User 4242"));

    hostkit::HostImage avatar;
    QVERIFY(m_chat->getAvatar("1001", &avatar));
    QCOMPARE(avatar.image().size(), QSize(64, 64));
    QCOMPARE(qAlpha(avatar.image().pixel(32, 32)), 255); // the painted disc
    QCOMPARE(qAlpha(avatar.image().pixel(0, 0)), 0);     // a round avatar: clear corners
    QVERIFY(!m_chat->getAvatar("4243", &avatar));
    QVERIFY(!m_chat->getAvatar("1001", nullptr));
}

void TestHostkitWorld::roomCreationAnswersThroughTheListener()
{
    const int before = m_host->profile().contacts().size();
    IHostServices *rooms = m_host->servicesFor("chat_rooms");
    // No listener registered: the room still appears in the profile.
    const int token = rooms->createRoom(nullptr, 0);
    QVERIFY(token > 0);
    QCOMPARE(m_host->profile().contacts().size(), before);
    m_host->advance(1000);
    QCOMPARE(m_host->profile().contacts().size(), before + 1);
    const hostkit::Contact room = m_host->profile().contacts().last();
    QVERIFY(room.isRoom());
    QVERIFY(room.members.contains(m_host->profile().own().id));
    rooms->renameRoom(room.id.toLongLong(), u"Renamed");
    QCOMPARE(m_host->profile().find(room.id)->displayName, QStringLiteral("Renamed"));
    rooms->leaveRoom(room.id.toLongLong());
    QVERIFY(!m_host->profile().find(room.id));
}

// A broadcast job sends from its own thread; the store lives on the host's.
void TestHostkitWorld::broadcastsFromASendingThread()
{
    IHostServices *broadcast = m_host->servicesFor("broadcast");
    std::atomic<int> sent{0};
    std::unique_ptr<QThread> sender(QThread::create([&] {
        for (const char *peer : {"1001", "1002", "1003", "5001", "9999"}) {
            if (broadcast->canReceiveBroadcast(peer) && broadcast->sendBroadcast("job-7", peer, "[b]All hands[/b] at 3"))
                ++sent;
        }
    }));
    sender->start();
    QTRY_VERIFY(sender->isFinished());
    QCOMPARE(sent.load(), 3); // not the room, not the stranger
    IHostMessage *record = broadcast->createMessageRecord();
    QVERIFY(broadcast->loadMessageById("job-7:1002", record));
    QCOMPARE(record->kind(), int(IHostMessage::KindPlugin));
    QCOMPARE(QByteArray(record->pluginId()), QByteArray("broadcast"));
    QVERIFY(!record->isReceived());
    broadcast->releaseMessageRecord(record);
    QCOMPARE(m_host->journal().count("sendBroadcast", "broadcast"), 3);
}

void TestHostkitWorld::hostClockIsTheSimulatedOne()
{
    IHostClock *clock = m_chat->hostClock();
    QVERIFY(clock);
    m_clock->setNow(QDateTime(QDate(2030, 6, 7), QTime(8, 9, 10), Qt::OffsetFromUTC, 7200));
    QCOMPARE(clock->epochMs(), m_clock->now().toMSecsSinceEpoch());
    QCOMPARE(clock->utcOffsetSeconds(), 7200);

    // A move through the host stops where the plug-in has a timer due.
    ClockListener listener(clock);
    const qint64 start = clock->tickMs();
    listener.due = start + 300;
    clock->registerListener(&listener);
    clock->registerListener(&listener);
    m_host->advance(1000);
    QCOMPARE(listener.moves, (QList<qint64>{start + 300, start + 1000}));
    clock->unregisterListener(&listener);
    m_host->advance(10);
    QCOMPARE(listener.moves.size(), 2);

    // On the machine's time the plug-in keeps its own clock.
    kelvan::Clock::setInstance(nullptr);
    QVERIFY(!m_chat->hostClock());
    kelvan::Clock::setInstance(m_clock.get());
}

void TestHostkitWorld::screens_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry"); // null: refused
    QTest::addColumn<QRect>("available");

    QTest::newRow("whole-screen-available") << "1920x1080+0+0" << QRect(0, 0, 1920, 1080) << QRect(0, 0, 1920, 1080);
    QTest::newRow("panel-at-the-top") << "1920x1080+0+0:1920x1040+0+40" << QRect(0, 0, 1920, 1080) << QRect(0, 40, 1920, 1040);
    QTest::newRow("screen-left-of-the-primary") << "1280x1024-1280+0" << QRect(-1280, 0, 1280, 1024) << QRect(-1280, 0, 1280, 1024);
    QTest::newRow("position-missing") << "1920x1080" << QRect() << QRect();
    QTest::newRow("zero-width") << "0x1080+0+0" << QRect() << QRect();
    QTest::newRow("available-outside-the-screen") << "800x600+0+0:800x600+0+10" << QRect() << QRect();
    QTest::newRow("three-parts") << "10x10+0+0:10x10+0+0:10x10+0+0" << QRect() << QRect();
}

void TestHostkitWorld::screens()
{
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QVERIFY(!m_chat->hostScreens());

    hostkit::HostScreens::Screen screen;
    QString error;
    QCOMPARE(hostkit::HostScreens::parse(text, &screen, &error), !geometry.isNull());
    if (geometry.isNull()) {
        QVERIFY(error.contains(text));
        return;
    }
    m_host->screens().setScreens({screen});
    IHostScreens *screens = m_chat->hostScreens();
    QVERIFY(screens);
    QCOMPARE(screens->screenCount(), 1);
    HostRect g;
    HostRect a;
    QVERIFY(screens->geometry(0, &g));
    QVERIFY(screens->availableGeometry(0, &a));
    QCOMPARE(QRect(g.x, g.y, g.width, g.height), geometry);
    QTEST(QRect(a.x, a.y, a.width, a.height), "available");
    QVERIFY(!screens->geometry(1, &g));
}

void TestHostkitWorld::historyResetEmptiesTheStoreAndSynchronisesItBack()
{
    const int total = hostkit::HistorySync::BatchMessages + 10;
    for (int i = 0; i < total; ++i)
        m_host->receiveMessage("1001", "message " + QByteArray::number(i));
    hostkit::StoredMessage question = m_host->store().newest("1001", 1).first();
    hostkit::StoredMessage answer;
    answer.conversation = "1001";
    answer.body = "answer";
    answer.replyTarget = question.eventId;
    m_host->store().append(answer);
    m_host->journal().clear();

    m_host->servicesFor("chat")->runHistoryReset(0);
    QCOMPARE(m_host->store().count(), 0);
    QCOMPARE(deliveredEvents(m_host->journal()), QStringList{"40:"});
    // A second request while one runs starts nothing.
    QVERIFY(!m_host->historySync().start());

    m_host->advance(hostkit::HistorySync::BatchIntervalMs);
    QCOMPARE(m_host->store().count(), hostkit::HistorySync::BatchMessages);
    QVERIFY(m_host->historySync().isRunning());
    m_host->advance(hostkit::HistorySync::BatchIntervalMs);
    QCOMPARE(m_host->store().count(), total + 1);
    QCOMPARE(deliveredEvents(m_host->journal()), (QStringList{"40:", "41:"}));
    QVERIFY(!m_host->historySync().isRunning());

    // Back under new ids, in order, and the reply still answers its message.
    const QVector<hostkit::StoredMessage> back = m_host->store().newest("1001", total + 1);
    QCOMPARE(back.first().body, QByteArray("message 0"));
    QVERIFY(back.first().eventId > answer.eventId);
    QCOMPARE(back.last().body, QByteArray("answer"));
    QCOMPARE(back.last().replyTarget, back.at(total - 1).eventId);
    QCOMPARE(back.at(total - 1).messageId, question.messageId);
}

QTEST_MAIN(TestHostkitWorld)
#include "tst_hostkit_world.moc"
