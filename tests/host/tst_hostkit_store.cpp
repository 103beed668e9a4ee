#include "hostkit/host.h"
#include "hostkit/hostmessage.h"
#include "hostkit/messagecommand.h"
#include "hostkit/messagestore.h"
#include "hostkit/searchtext.h"
#include "hostkit/hostvariable.h"

#include <sdk/ihostservices.h>

#include <QCryptographicHash>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// Opens the store at `path` into `var`; the test stops with the reason when it does not open.
#define OPEN_STORE(var, path)                                                                                          \
    QString var##Error;                                                                                                \
    auto var = MessageStore::open(path, &var##Error);                                                                  \
    QVERIFY2(var, qPrintable(var##Error))

using hostkit::MessageCommand;
using hostkit::MessageStore;
using hostkit::StoredMessage;

namespace {

StoredMessage message(const QByteArray &conversation, const QByteArray &body, qint64 sender = 1001, bool received = true)
{
    StoredMessage m;
    m.conversation = conversation;
    m.senderId = sender;
    m.received = received;
    m.time = 20260305120000;
    m.body = body;
    return m;
}

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QList<qint64> eventIds(const QVector<StoredMessage> &messages)
{
    QList<qint64> ids;
    for (const StoredMessage &m : messages)
        ids << m.eventId;
    return ids;
}

// The event ids of a list the host services handed out; the list is released.
QList<qint64> listedIds(IHostServices *services, IMessageList *list)
{
    QList<qint64> ids;
    for (int i = 0; i < list->count(); ++i)
        ids << list->at(i)->eventId();
    services->releaseMessageList(list);
    return ids;
}

} // namespace

class TestHostkitStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTripKeepsEveryAttribute();
    void pagesOfAConversation();
    void timeConversion_data();
    void timeConversion();
    void commandParsing_data();
    void commandParsing();
    void commandsBecomeAttributes_data();
    void commandsBecomeAttributes();
    void commandsFromOthersCannotEditOrDelete();
    void changesOutsideDeliveriesBecomeEvents();
    void refusesWithoutTouching_data();
    void refusesWithoutTouching();
    void persistsAcrossOpens();
    void pageQueriesUseTheConversationIndex_data();
    void pageQueriesUseTheConversationIndex();
    void servicesAnswerQueriesWithLists();
    void createdMessagesConvertTime();
    void searchableText_data();
    void searchableText();
    void searchFollowsEveryChange();
    void searchOfAnOlderStore();
    void pictureMessagesFollowTheStore();
    void placesFollowTheStore_data();
    void placesFollowTheStore();
};

void TestHostkitStore::roundTripKeepsEveryAttribute()
{
    OPEN_STORE(store, QStringLiteral(":memory:"));
    StoredMessage m = message("1001", "hello [b]there[/b]");
    m.sessionKey = "1000_20260305120000_0";
    m.overridingSenderId = 1002;
    m.secondFlag = true;
    m.kind = 1;
    m.pluginId = "broadcast";
    m.labels = "success warning";
    m.replyTarget = 7;
    m.likedBy = {"1002"};
    const qint64 id = store->append(m);
    QVERIFY(id > 0);
    QCOMPARE(m.messageId, QByteArray("m") + QByteArray::number(id));

    // Every attribute above differs from its default, so each must be read back.
    const auto attributes = [](const StoredMessage &s) {
        return QVariantList{s.conversation, s.sessionKey, s.senderId,  s.overridingSenderId, s.time,
                            s.received,     s.secondFlag, s.kind,      s.pluginId,           s.body,
                            s.labels,       s.replyTarget, s.likedBy.join(' ')};
    };
    const auto loaded = store->byEvent(id);
    QVERIFY(loaded);
    QCOMPARE(attributes(*loaded), attributes(m));
    QCOMPARE(store->byMessageId(m.messageId)->eventId, id);
    QVERIFY(!store->byEvent(id + 1));
    QVERIFY(!store->byMessageId("nope"));
}

void TestHostkitStore::pagesOfAConversation()
{
    OPEN_STORE(store, QStringLiteral(":memory:"));
    QList<qint64> ofBea;
    store->transaction([&] {
        for (int i = 0; i < 25; ++i) {
            StoredMessage bea = message("1001", "b" + QByteArray::number(i));
            ofBea << store->append(bea);
            StoredMessage chris = message("1002", "c" + QByteArray::number(i));
            store->append(chris);
        }
        return true;
    });
    // Work that fails leaves nothing behind, and work inside work cannot begin.
    StoredMessage lost = message("1001", "lost");
    QVERIFY(!store->transaction([&] {
        store->append(lost);
        return store->transaction([] { return true; });
    }));
    QCOMPARE(store->count("1001"), 25);
    QCOMPARE(eventIds(store->newest("1001", 10)), ofBea.mid(15));
    QCOMPARE(eventIds(store->newest("1001", 100)), ofBea);
    QCOMPARE(eventIds(store->after("1001", ofBea.at(20))), ofBea.mid(21));
    QCOMPARE(eventIds(store->after("1001", ofBea.last())), QList<qint64>());
    QCOMPARE(eventIds(store->before("1001", ofBea.at(15), 10)), ofBea.mid(5, 10));
    QCOMPARE(eventIds(store->before("1001", ofBea.at(3), 10)), ofBea.mid(0, 3));
    // Walking back page by page reaches the first message exactly once.
    QList<qint64> walked = eventIds(store->newest("1001", 7));
    while (true) {
        const auto page = store->before("1001", walked.first(), 7);
        if (page.isEmpty())
            break;
        walked = eventIds(page) + walked;
    }
    QCOMPARE(walked, ofBea);
    QVERIFY(store->newest("unknown", 10).isEmpty());
}

void TestHostkitStore::timeConversion_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("epoch") << qint64(0) << qint64(19700101000000);
    QTest::newRow("afternoon-utc-not-local") << qint64(1772722800) << qint64(20260305150000);
    QTest::newRow("leap-day") << qint64(1709208000) << qint64(20240229120000);
    QTest::newRow("last-second-of-year") << qint64(1767225599) << qint64(20251231235959);
}

void TestHostkitStore::timeConversion()
{
    QFETCH(qint64, seconds);
    QFETCH(qint64, expected);
    QCOMPARE(hostkit::storeTimeFromSecondsSince1970(seconds), expected);
    QCOMPARE(hostkit::dateTimeFromStoreTime(expected).toSecsSinceEpoch(), seconds);
}

void TestHostkitStore::commandParsing_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint64>("target");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("flag");
    using K = MessageCommand::Kind;
    QTest::newRow("edit") << QByteArray("[edit 12]new [b]text[/b]") << int(K::Edit) << qint64(12) << QByteArray("new [b]text[/b]") << false;
    QTest::newRow("reply") << QByteArray("[reply 3]sure") << int(K::Reply) << qint64(3) << QByteArray("sure") << false;
    QTest::newRow("delete") << QByteArray("[delete 9]") << int(K::Delete) << qint64(9) << QByteArray() << false;
    QTest::newRow("like-T") << QByteArray("[like 4 T]") << int(K::Like) << qint64(4) << QByteArray() << true;
    QTest::newRow("like-F") << QByteArray("[like 4 F]") << int(K::Like) << qint64(4) << QByteArray() << false;
    QTest::newRow("label-set") << QByteArray("[label 5 success danger]") << int(K::Label) << qint64(5) << QByteArray("success danger") << false;
    QTest::newRow("label-cleared") << QByteArray("[label 5 ]") << int(K::Label) << qint64(5) << QByteArray() << false;
    QTest::newRow("plain-text") << QByteArray("hello") << int(K::None) << qint64(0) << QByteArray() << false;
    QTest::newRow("bold-is-not-a-command") << QByteArray("[b]x[/b]") << int(K::None) << qint64(0) << QByteArray() << false;
    QTest::newRow("edit-without-number") << QByteArray("[edit me]x") << int(K::None) << qint64(0) << QByteArray() << false;
    QTest::newRow("like-other-flag") << QByteArray("[like 4 X]") << int(K::None) << qint64(0) << QByteArray() << false;
    QTest::newRow("delete-with-trailing-text") << QByteArray("[delete 9]oops") << int(K::None) << qint64(0) << QByteArray() << false;
    QTest::newRow("event-id-zero") << QByteArray("[delete 0]") << int(K::None) << qint64(0) << QByteArray() << false;
}

void TestHostkitStore::commandParsing()
{
    QFETCH(QByteArray, body);
    QFETCH(int, kind);
    QFETCH(qint64, target);
    QFETCH(QByteArray, text);
    QFETCH(bool, flag);
    const MessageCommand c = MessageCommand::parse(body);
    QCOMPARE(int(c.kind), kind);
    QCOMPARE(c.target, target);
    QCOMPARE(c.text, text);
    QCOMPARE(c.flag, flag);
}

void TestHostkitStore::commandsBecomeAttributes_data()
{
    QTest::addColumn<bool>("fromPeer");
    QTest::newRow("sent-by-the-user") << false;
    QTest::newRow("received-from-the-peer") << true;
}

// The same commands arrive through sendInstantMessage (the user's own
// messages) and from the peer (theirs); each lands on the message it names.
void TestHostkitStore::commandsBecomeAttributes()
{
    QFETCH(bool, fromPeer);
    hostkit::Host host(hostkit::Profile::inMemory());
    QVERIFY2(host.isReady(), qPrintable(host.error()));
    IHostServices *services = host.servicesFor("chat");
    auto command = [&](const QByteArray &body) {
        return fromPeer ? host.receiveMessage("1001", body) : host.storeOutgoing("chat", "1001", "k", body);
        };
    // The target belongs to whoever sends the commands, so edits are allowed.
    const qint64 target = command("original");
    QVERIFY(target > 0);
    const int before = host.store().count();

    QCOMPARE(command("[edit " + QByteArray::number(target) + "]changed"), target);
    QCOMPARE(command("[like " + QByteArray::number(target) + " T]"), target);
    QCOMPARE(command("[label " + QByteArray::number(target) + " success progress]"), target);
    QCOMPARE(host.store().count(), before);

    IHostMessage *record = services->createMessageRecord();
    QVERIFY(services->loadMessageByEvent(target, record));
    QCOMPARE(QByteArray(record->body()), QByteArray("changed"));
    QVERIFY(record->isEdited());
    QCOMPARE(record->likeCount(), 1);
    const QByteArray liker = fromPeer ? "1001" : host.profile().own().id;
    QVERIFY(record->isLikedBy(liker.constData()));
    QCOMPARE(QByteArray(record->labels()), QByteArray("success progress"));

    QCOMPARE(command("[like " + QByteArray::number(target) + " F]"), target);
    const qint64 reply = command("[reply " + QByteArray::number(target) + "]answer");
    QVERIFY(reply > target);
    QCOMPARE(host.store().count(), before + 1);
    QCOMPARE(command("[delete " + QByteArray::number(target) + "]"), target);

    QVERIFY(services->loadMessageByEvent(target, record));
    QCOMPARE(record->likeCount(), 0);
    QVERIFY(record->isDeleted());
    QCOMPARE(QByteArray(record->body()), QByteArray());
    QVERIFY(services->loadMessageByEvent(reply, record));
    QCOMPARE(record->replyTarget(), target);
    QCOMPARE(QByteArray(record->body()), QByteArray("answer"));
    services->releaseMessageRecord(record);
}

void TestHostkitStore::commandsFromOthersCannotEditOrDelete()
{
    hostkit::Host host(hostkit::Profile::inMemory());
    const qint64 mine = host.storeOutgoing("chat", "1001", "k", "my words");
    const qint64 elsewhere = host.storeOutgoing("chat", "1002", "k", "to Chris");
    QCOMPARE(host.receiveMessage("1001", "[edit " + QByteArray::number(mine) + "]their words"), qint64(0));
    QCOMPARE(host.receiveMessage("1001", "[delete " + QByteArray::number(mine) + "]"), qint64(0));
    // Likes and labels are anyone's in the conversation, but not across.
    QCOMPARE(host.receiveMessage("1001", "[like " + QByteArray::number(mine) + " T]"), mine);
    QCOMPARE(host.receiveMessage("1001", "[like " + QByteArray::number(elsewhere) + " T]"), qint64(0));
    QCOMPARE(host.store().byEvent(mine)->body, QByteArray("my words"));
    QVERIFY(!host.store().byEvent(mine)->deleted);
    QCOMPARE(host.store().byEvent(elsewhere)->likeCount(), 0);
}

// The plug-in hears of a change to a message it shows: a peer's command
// delivers the changed message; the user's own commands, removals and a
// cleared history come as events 34 to 37 with the conversation first.
void TestHostkitStore::changesOutsideDeliveriesBecomeEvents()
{
    hostkit::Host host(hostkit::Profile::inMemory());
    const auto events = [&host] {
        QStringList out;
        for (const auto &e : host.journal().entries()) {
            if (e.operation == "onEvent")
                out << QStringLiteral("%1 %2").arg(e.arguments.at(0).toInt()).arg(e.arguments.at(1).toString());
        }
        host.journal().clear();
        return out;
    };
    const qint64 mine = host.storeOutgoing("chat", "1001", "k", "my words");
    const QString id = QString::number(mine);
    host.storeOutgoing("chat", "1001", "k", "[edit " + id.toUtf8() + "]better words");
    host.storeOutgoing("chat", "1001", "k", "[like " + id.toUtf8() + " T]");
    host.receiveMessage("1001", "[label " + id.toUtf8() + " danger]");
    host.storeOutgoing("chat", "1001", "k", "[delete " + id.toUtf8() + "]");
    QCOMPARE(events(), QStringList({QStringLiteral("34 1001,") + id, QStringLiteral("34 1001,") + id,
                                    QStringLiteral("35 1001,") + id}));

    const qint64 other = host.storeOutgoing("chat", "1002", "k", "to Chris");
    const qint64 kept = host.storeOutgoing("chat", "1003", "k", "to Dana");
    host.journal().clear();
    QVERIFY(host.removeMessage(mine));
    QVERIFY(!host.removeMessage(mine));
    QVERIFY(host.clearConversation("1002"));
    QCOMPARE(events(), QStringList({QStringLiteral("36 1001,") + id, QStringLiteral("37 1002")}));
    QVERIFY(!host.store().byEvent(mine));
    QVERIFY(!host.store().byEvent(other));
    QVERIFY(host.store().byEvent(kept));
}

void TestHostkitStore::refusesWithoutTouching_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("expectedError");
    QTest::newRow("newer-schema") << QStringLiteral("newer") << QStringLiteral("newer host");
    QTest::newRow("not-sqlite") << QStringLiteral("text") << QStringLiteral("not a SQLite database");
    QTest::newRow("truncated-header") << QStringLiteral("short") << QStringLiteral("not a SQLite database");
    QTest::newRow("damaged-pages") << QStringLiteral("pages") << QStringLiteral("damaged");
}

void TestHostkitStore::refusesWithoutTouching()
{
    QFETCH(QString, damage);
    QFETCH(QString, expectedError);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("profile"));
    QVERIFY(hostkit::Profile::createDefault(folder, QDateTime::currentDateTimeUtc()));
    const QString path = folder + QStringLiteral("/history.sqlite");
    {
        OPEN_STORE(store, path);
        store->transaction([&] {
            for (int i = 0; i < 400; ++i) {
                StoredMessage m = message("1001", QByteArray(200, char('a' + i % 26)));
                store->append(m);
            }
            return true;
        });
    }
    if (damage == QLatin1String("newer")) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("damage"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = %1").arg(MessageStore::kSchemaVersion + 1));
        db.close();
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        if (damage == QLatin1String("text")) {
            f.resize(0);
            f.write("this is a diary, not a database\n");
        } else if (damage == QLatin1String("short")) {
            f.resize(40);
        } else {
            // Scribble over the middle of the file: the b-tree pages, not the header.
            f.seek(f.size() / 2);
            f.write(QByteArray(8192, '\x5a'));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("damage"));
    const QByteArray hashBefore = fileHash(path);
    const qint64 sizeBefore = QFileInfo(path).size();

    QString error;
    QVERIFY(!MessageStore::open(path, &error));
    QVERIFY2(error.contains(expectedError), qPrintable(error));
    QVERIFY(error.contains(path));

    // A host on such a profile refuses to work, and still changes nothing.
    QString profileError;
    hostkit::Host host(hostkit::Profile::load(folder, &profileError));
    QVERIFY(!host.isReady());
    QVERIFY2(host.error().contains(expectedError), qPrintable(host.error()));
    IHostServices *services = host.servicesFor("chat");
    QVERIFY(!services->sendInstantMessage("k", "1001", "lost?"));
    QCOMPARE(fileHash(path), hashBefore);
    QCOMPARE(QFileInfo(path).size(), sizeBefore);
    QVERIFY(!QFileInfo::exists(path + QStringLiteral("-journal")));
}

void TestHostkitStore::persistsAcrossOpens()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("profile"));
    const QDateTime now(QDate(2026, 3, 5), QTime(12, 0), Qt::UTC);
    QVERIFY(hostkit::Profile::createDefault(folder, now));
    QVERIFY(!hostkit::Profile::createDefault(folder, now)); // never over an existing one
    qint64 sent = 0;
    int countBefore = 0;
    {
        QString error;
        hostkit::Host host(hostkit::Profile::load(folder, &error));
        QVERIFY2(host.isReady(), qPrintable(host.error() + error));
        countBefore = host.store().count("1001");
        QVERIFY(countBefore >= 5);
        // Several days, both directions.
        const auto history = host.store().newest("1001", 100);
        QSet<qint64> days;
        bool sentOne = false, receivedOne = false;
        for (const StoredMessage &m : history) {
            days.insert(m.time / 1000000);
            (m.received ? receivedOne : sentOne) = true;
        }
        QVERIFY(days.size() >= 3);
        QVERIFY(sentOne && receivedOne);
        sent = host.storeOutgoing("chat", "1001", "k", "still here tomorrow");
    }
    QString error;
    hostkit::Host again(hostkit::Profile::load(folder, &error));
    QVERIFY(again.isReady());
    QCOMPARE(again.store().count("1001"), countBefore + 1);
    QCOMPARE(again.store().byEvent(sent)->body, QByteArray("still here tomorrow"));
    // Event ids go on rising in the store opened again, never reused.
    QVERIFY(again.storeOutgoing("chat", "1001", "k", "the day after") > sent);
}

void TestHostkitStore::pageQueriesUseTheConversationIndex_data()
{
    QTest::addColumn<QString>("query");
    QTest::newRow("newest-page") << "SELECT event_id FROM messages WHERE conversation = '1001' ORDER BY event_id DESC LIMIT 100";
    QTest::newRow("page-before") << "SELECT event_id FROM messages WHERE conversation = '1001' AND event_id < 500 ORDER BY event_id DESC LIMIT 100";
    QTest::newRow("everything-after") << "SELECT event_id FROM messages WHERE conversation = '1001' AND event_id > 500 ORDER BY event_id ASC";
    QTest::newRow("count-inside-a-range") << "SELECT count(*) FROM messages WHERE conversation = '1001' AND event_id >= 1024 AND event_id < 1500";
}

// A page of a long conversation must be read through the index, in index
// order: no scan of the table, no sorting of the whole conversation.
void TestHostkitStore::pageQueriesUseTheConversationIndex()
{
    QFETCH(QString, query);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("h.sqlite"));
    {
        OPEN_STORE(store, path);
    }
    QString plan;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("plan"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("EXPLAIN QUERY PLAN ") + query));
        while (q.next())
            plan += q.value(3).toString() + QLatin1Char('\n');
    }
    QSqlDatabase::removeDatabase(QStringLiteral("plan"));
    QVERIFY2(plan.contains(QStringLiteral("INDEX messages_by_conversation")), qPrintable(plan));
    QVERIFY2(!plan.contains(QStringLiteral("TEMP B-TREE")), qPrintable(plan));
    QVERIFY2(!plan.contains(QStringLiteral("SCAN messages")), qPrintable(plan));
}

void TestHostkitStore::servicesAnswerQueriesWithLists()
{
    hostkit::Host host(hostkit::Profile::inMemory());
    host.setPageSize(3);
    IHostServices *s = host.servicesFor("chat");
    QList<qint64> ids;
    for (int i = 0; i < 8; ++i)
        ids << host.receiveMessage("1002", "m" + QByteArray::number(i));
    IMessageList *newest = s->newestMessages("1002");
    QCOMPARE(QByteArray(newest->at(0)->body()), QByteArray("m5"));
    QVERIFY(!newest->at(3));
    QCOMPARE(listedIds(s, newest), ids.mid(5));
    QCOMPARE(listedIds(s, s->messagesBefore("1002", ids.at(5))), ids.mid(2, 3));
    QCOMPARE(listedIds(s, s->messagesAfter("1002", ids.at(1))), ids.mid(2));
    // A page after an event: full, the short last one, and from the start.
    QCOMPARE(listedIds(s, s->messagesPageAfter("1002", ids.at(1))), ids.mid(2, 3));
    QCOMPARE(listedIds(s, s->messagesPageAfter("1002", ids.at(5))), ids.mid(6));
    QCOMPARE(listedIds(s, s->messagesPageAfter("1002", 0)), ids.mid(0, 3));
    IHostMessage *record = s->createMessageRecord();
    QVERIFY(s->loadMessageById(("m" + QByteArray::number(ids.at(4))).constData(), record));
    QCOMPARE(record->eventId(), ids.at(4));
    QVERIFY(!s->loadMessageById("no such id", record));
    s->releaseMessageRecord(record);
    QCOMPARE(host.journal().count("messagesBefore", "chat"), 1);
    QCOMPARE(host.journal().calls("newestMessages").first().result.toArray().size(), 3);
}

void TestHostkitStore::createdMessagesConvertTime()
{
    hostkit::Host host(hostkit::Profile::inMemory());
    IHostServices *s = host.servicesFor("chat");
    IMessageObject *m = s->createMessage();
    m->setKind(IHostMessage::KindNotice);
    m->setPeerId(1001);
    m->setBody("Bea has disabled nudges. Your nudge was not received.");
    m->setTime(1772722800); // 2026-03-05 15:00:00 UTC
    m->setFlag(0);
    QSignalSpy stored(&host, &hostkit::Host::messageStored);
    s->postMessage(m);
    s->releaseMessage(m);
    QCOMPARE(stored.count(), 1);
    const auto loaded = host.store().byEvent(stored.first().at(0).toLongLong());
    QVERIFY(loaded);
    QCOMPARE(loaded->time, qint64(20260305150000));
    QCOMPARE(loaded->kind, int(IHostMessage::KindNotice));
    QCOMPARE(loaded->conversation, QByteArray("1001"));
}

void TestHostkitStore::searchableText_data()
{
    QTest::addColumn<QByteArray>("markup");
    QTest::addColumn<QString>("reads");
    QTest::newRow("formatting tags in any case go") << QByteArray("[B]bold[/b] and [i]it[/I]") << "bold and it";
    QTest::newRow("breaks become line breaks") << QByteArray("one[br]two\r\nthree") << "one\ntwo\nthree";
    QTest::newRow("a file reads as its name") << QByteArray("see [file url=\"sim://f\" name=\"plan%91v2%93.pdf\" size=\"1\"]")
                                              << "see plan[v2].pdf ";
    QTest::newRow("pictures and mentions read as nothing") << QByteArray("a[pic src=\"sim://p\"]b[img]http://x/y[/img]c[@1001]d")
                                                           << "abcd";
    QTest::newRow("a file link reads as its label") << QByteArray("[furl=C:/x.txt]my file[/furl]") << "my file";
    QTest::newRow("a literal bracket") << QByteArray("a[code][[/code]b") << "a[b";
    QTest::newRow("an unclosed tag stays text") << QByteArray("[file url=x") << "[file url=x";
}

void TestHostkitStore::searchableText()
{
    QFETCH(QByteArray, markup);
    QFETCH(QString, reads);
    QCOMPARE(hostkit::searchableText(markup), reads);
}

// Every way a message changes reaches the index: what a search finds is
// what the store holds now.
void TestHostkitStore::searchFollowsEveryChange()
{
    OPEN_STORE(store, QStringLiteral(":memory:"));
    const QByteArray bodies[] = {"the [b]Needle[/b] in a haystack", "no match here", "needle again", "a needle",
                                 "[pic src=\"sim://needle.png\"]", "ne"};
    QVERIFY(store->fill(6, [&](int i, StoredMessage &m) { m = message("1001", bodies[i]); }));
    StoredMessage elsewhere = message("1002", "a needle elsewhere");
    store->append(elsewhere);
    const QList<qint64> all = eventIds(store->after("1001", 0));
    QCOMPARE(all.size(), 6);
    const auto found = [&](const QString &text, bool matchCase = false, qint64 from = 0, bool older = false,
                           int limit = 100) { return store->search("1001", text, matchCase, from, older, limit).toList(); };
    QCOMPARE(found(QStringLiteral("needle")), (QList<qint64>{all[0], all[2], all[3]}));
    QCOMPARE(found(QStringLiteral("Needle"), true), (QList<qint64>{all[0]}));
    QCOMPARE(found(QStringLiteral("ne")), (QList<qint64>{all[0], all[2], all[3], all[5]}));
    QCOMPARE(found(QStringLiteral("NE"), true), QList<qint64>());
    QCOMPARE(found(QStringLiteral("needle"), false, 0, true, 2), (QList<qint64>{all[3], all[2]}));
    QCOMPARE(found(QStringLiteral("needle"), false, all[3], true), (QList<qint64>{all[2], all[0]}));
    QCOMPARE(found(QStringLiteral("needle"), false, all[0], false, 1), (QList<qint64>{all[2]}));
    QCOMPARE(found(QStringLiteral("50% \"off\"_")), QList<qint64>());

    QVERIFY(store->setText(all[1], "now a needle too", true));
    QVERIFY(store->setText(all[2], "edited away", true));
    QVERIFY(store->markDeleted(all[3]));
    QVERIFY(store->remove(all[0]));
    QCOMPARE(found(QStringLiteral("needle")), (QList<qint64>{all[1]}));
    QVERIFY(store->clear("1001"));
    QCOMPARE(found(QStringLiteral("needle")), QList<qint64>());
    QCOMPARE(store->search("1002", QStringLiteral("needle"), false, 0, false, 10).size(), 1);

    // Through the host contract: ids as text, the count returned.
    hostkit::Host host(hostkit::Profile::inMemory());
    const qint64 first = host.receiveMessage("1003", "Find me");
    const qint64 second = host.receiveMessage("1003", "find me too");
    hostkit::HostVariable out;
    IHostServices *s = host.servicesFor("chat");
    QCOMPARE(s->searchMessages("1003", u"find me", IHostServices::SearchOlder, 0, 10, &out), 2);
    QCOMPARE(QByteArray(out.value()), QByteArray::number(second) + ',' + QByteArray::number(first));
    QCOMPARE(s->searchMessages("1003", u"Find", IHostServices::SearchMatchCase, 0, 10, &out), 1);
    QCOMPARE(QByteArray(out.value()), QByteArray::number(first));
}

// A store written before the index existed gets it, its messages indexed.
void TestHostkitStore::searchOfAnOlderStore()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.sqlite"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE messages (event_id INTEGER PRIMARY KEY AUTOINCREMENT, message_id TEXT UNIQUE,"
                                      " conversation TEXT NOT NULL, session_key TEXT NOT NULL DEFAULT '', sender INTEGER NOT NULL DEFAULT 0,"
                                      " overriding_sender INTEGER NOT NULL DEFAULT 0, time INTEGER NOT NULL DEFAULT 0,"
                                      " received INTEGER NOT NULL DEFAULT 0, second_flag INTEGER NOT NULL DEFAULT 0,"
                                      " kind INTEGER NOT NULL DEFAULT 0, plugin_id TEXT NOT NULL DEFAULT 'chat',"
                                      " body BLOB NOT NULL DEFAULT '', edited INTEGER NOT NULL DEFAULT 0,"
                                      " deleted INTEGER NOT NULL DEFAULT 0, labels TEXT NOT NULL DEFAULT '',"
                                      " reply_target INTEGER NOT NULL DEFAULT 0)")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO messages (conversation, body) VALUES ('1001', 'written [b]long[/b] ago')")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO messages (conversation, body) VALUES ('1001', CAST('[pic src=\"a\"]' AS BLOB))")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO messages (conversation, body, deleted) VALUES ('1001', '[img]b[/img]', 1)")));
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version = 1")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));
    OPEN_STORE(store, path);
    QCOMPARE(store->search("1001", QStringLiteral("long ago"), false, 0, false, 10).size(), 1);
    // Its pictures are listed from the start, the deleted one left out.
    const QVector<StoredMessage> pictures = store->pictureMessages("1001", 10);
    QCOMPARE(pictures.size(), 1);
    QCOMPARE(pictures.first().eventId, qint64(2));
}

// The picture list through the host contract: every change of a message
// reaches it, other conversations stay out, and one answer is capped at the
// newest MaxPictureMessages, oldest first.
void TestHostkitStore::pictureMessagesFollowTheStore()
{
    hostkit::Host host(hostkit::Profile::inMemory());
    IHostServices *s = host.servicesFor("chat");
    const auto listed = [s](const char *conversation) { return listedIds(s, s->pictureMessages(conversation)); };
    MessageStore &store = host.store();
    QList<qint64> ids;
    const QByteArray bodies[] = {"[pic src=\"sim://1\"]", "plain text", "see [img]sim://2[/img]", "[pic src=\"sim://3\"]",
                                 "[pic src=\"sim://4\"]", "[b]bold[/b]"};
    for (const QByteArray &body : bodies) {
        StoredMessage m = message("1005", body);
        ids << store.append(m);
    }
    StoredMessage elsewhere = message("1006", "[pic src=\"sim://5\"]");
    const qint64 other = store.append(elsewhere);
    QCOMPARE(listed("1005"), (QList<qint64>{ids[0], ids[2], ids[3], ids[4]}));

    QVERIFY(store.markDeleted(ids[0]));
    QVERIFY(store.remove(ids[3]));
    QVERIFY(store.setText(ids[4], "no picture any more", true));
    QVERIFY(store.setText(ids[5], "now [pic src=\"sim://6\"]", true));
    QCOMPARE(listed("1005"), (QList<qint64>{ids[2], ids[5]}));
    QVERIFY(store.clear("1005"));
    QCOMPARE(listed("1005"), QList<qint64>());
    QCOMPARE(listed("1006"), QList<qint64>{other});

    const int cap = IHostServices::MaxPictureMessages;
    QVERIFY(store.fill(cap + 5, [](int i, StoredMessage &m) {
        m = message("1007", i % 2 ? "[pic src=\"sim://x\"]" : "[img]sim://y[/img]");
    }));
    const QList<qint64> capped = listed("1007");
    QCOMPARE(capped.size(), cap);
    QCOMPARE(capped.last(), store.lastEventId());
    QCOMPARE(capped.first(), store.lastEventId() - cap + 1);
}

// A message's place and the page at a place, against counting the store's
// messages one by one: two conversations interleaved across several ranges
// of event ids, while messages come and go at the ranges' edges.
void TestHostkitStore::placesFollowTheStore_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("filled") << "";
    QTest::newRow("removed at a range's edges") << "remove";
    QTest::newRow("the other conversation cleared") << "clear";
}

void TestHostkitStore::placesFollowTheStore()
{
    QFETCH(QString, change);
    QString error;
    auto store = MessageStore::open(QStringLiteral(":memory:"), &error);
    QVERIFY2(store, qPrintable(error));
    // Three of every four messages are 1001's, up to event id 3500.
    QVERIFY(store->fill(3500, [](int i, StoredMessage &m) { m = message(i % 4 ? "1001" : "1002", "m"); }));
    if (change == QLatin1String("remove")) {
        for (const qint64 id : {1023, 1025, 2047, 2049, 3500, 3})
            QVERIFY(store->remove(id));
    } else if (change == QLatin1String("clear")) {
        QVERIFY(store->clear("1002"));
    }
    QVector<qint64> ids;
    for (const StoredMessage &m : store->all()) {
        if (m.conversation == "1001")
            ids.append(m.eventId);
    }
    for (const qint64 probe : {qint64(0), qint64(1), qint64(1023), qint64(1024), qint64(1025), qint64(2048),
                               qint64(2049), qint64(3333), ids.last(), ids.last() + 1, qint64(1) << 40}) {
        qint64 total = -1;
        const qint64 older = std::lower_bound(ids.begin(), ids.end(), probe) - ids.begin();
        QCOMPARE(store->ordinal("1001", probe, &total), older);
        QCOMPARE(total, qint64(ids.size()));
    }
    for (const int place : {0, 1, 767, 768, 1536, ids.size() - 2, ids.size() - 1}) {
        const QVector<StoredMessage> page = store->pageAt("1001", place, 3);
        QVERIFY(!page.isEmpty());
        QCOMPARE(page.first().eventId, ids.at(place));
        QCOMPARE(page.size(), qMin(3, ids.size() - place));
    }
    QVERIFY(store->pageAt("1001", ids.size(), 3).isEmpty());
}

QTEST_MAIN(TestHostkitStore)
#include "tst_hostkit_store.moc"
