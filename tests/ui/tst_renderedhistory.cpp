// What a history view shows: ids already shown are skipped and date
// separators stand only between messages of different days, for new
// messages at the end and older pages at the top.

#include "hostkit/hostmessage.h"
#include "ui/chat/renderedhistory.h"

#include <QtTest>

#include <deque>

namespace {

const QString Separator = QStringLiteral("|");

// Messages of one test, kept alive for the pointers the history reads.
class Messages
{
public:
    // `items`: "id@yyyyMMddhhmmss" items separated by blanks; a trailing "-"
    // marks a message the template gives no block.
    QVector<const IHostMessage *> make(const QString &items)
    {
        QVector<const IHostMessage *> out;
        for (const QString &item : items.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            hostkit::StoredMessage m;
            QString text = item;
            if (text.endsWith(QLatin1Char('-'))) {
                m.body = "-";
                text.chop(1);
            }
            m.eventId = text.section(QLatin1Char('@'), 0, 0).toLongLong();
            m.time = text.section(QLatin1Char('@'), 1, 1).toLongLong();
            m.received = true;
            m_store.emplace_back(m);
            out.append(&m_store.back());
        }
        return out;
    }

private:
    std::deque<hostkit::HostMessage> m_store;
};

QString block(const IHostMessage *message)
{
    if (QByteArray(message->body()) == "-")
        return QString();
    return QStringLiteral("[%1]").arg(message->eventId());
}

// The ids shown, each after "|" when a date separator stands before its block.
QString layout(const RenderedHistory &history)
{
    QStringList items;
    for (const RenderedHistory::Entry &entry : history.entries())
        items << (entry.separatorBefore ? QStringLiteral("|") : QString()) + QString::number(entry.eventId);
    return items.join(QLatin1Char(' '));
}

} // namespace

class tst_RenderedHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newer_data();
    void newer();
    void older_data();
    void older();
    void lookups();
    void removal_data();
    void removal();
};

void tst_RenderedHistory::newer_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("incoming");
    QTest::addColumn<QString>("html");
    QTest::addColumn<int>("size");
    QTest::newRow("first rendering has no separator in front")
        << QString() << "1@20260301100000 2@20260301110000" << "[1][2]" << 2;
    QTest::newRow("separator between two days only")
        << QString() << "1@20260301100000 2@20260301235959 3@20260302000000 4@20260302120000" << "[1][2]|[3][4]" << 4;
    QTest::newRow("separator against the newest shown message")
        << "1@20260301100000" << "2@20260302080000" << "|[2]" << 2;
    QTest::newRow("same day as the newest shown message")
        << "1@20260301100000" << "2@20260301200000" << "[2]" << 2;
    QTest::newRow("shown ids are skipped")
        << "1@20260301100000 2@20260301110000" << "2@20260301110000 3@20260301120000" << "[3]" << 3;
    QTest::newRow("older than the newest shown is skipped")
        << "5@20260301100000" << "4@20260301090000 6@20260301110000" << "[6]" << 2;
    QTest::newRow("a message without a block does not count for days")
        << "1@20260301100000" << "2@20260302100000- 3@20260302110000" << "|[3]" << 3;
    QTest::newRow("the same id twice in one list shows once")
        << QString() << "1@20260301100000 1@20260301100000" << "[1]" << 1;
}

void tst_RenderedHistory::newer()
{
    QFETCH(QString, shown);
    QFETCH(QString, incoming);
    QFETCH(int, size);
    Messages messages;
    RenderedHistory history;
    history.renderNewer(messages.make(shown), Separator, block);
    QVector<qint64> added;
    QTEST(history.renderNewer(messages.make(incoming), Separator, block, &added), "html");
    QCOMPARE(history.size(), size);
    for (qint64 id : added)
        QVERIFY(history.contains(id));
}

void tst_RenderedHistory::older_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("order"); // with "|" before a block that has a separator in front
    QTest::newRow("page of the same day joins without separator")
        << "10@20260301120000" << "8@20260301100000 9@20260301110000" << "[8][9]" << "8 9 10";
    QTest::newRow("page of the day before ends with the separator of the oldest shown")
        << "10@20260302120000" << "8@20260301100000 9@20260301110000" << "[8][9]|" << "8 9 |10";
    QTest::newRow("days inside the page are separated too")
        << "10@20260302120000" << "8@20260228100000 9@20260302110000" << "[8]|[9]" << "8 |9 10";
    QTest::newRow("ids at or after the oldest shown are skipped")
        << "10@20260302120000 11@20260302130000" << "9@20260302110000 10@20260302120000 12@20260302140000" << "[9]" << "9 10 11";
    QTest::newRow("an empty page adds nothing") << "10@20260302120000" << QString() << QString() << "10";
}

void tst_RenderedHistory::older()
{
    QFETCH(QString, shown);
    QFETCH(QString, page);
    Messages messages;
    RenderedHistory history;
    history.renderNewer(messages.make(shown), Separator, block);
    QTEST(history.renderOlder(messages.make(page), Separator, block), "html");
    QTEST(layout(history), "order");
}

void tst_RenderedHistory::lookups()
{
    Messages messages;
    RenderedHistory history;
    QCOMPARE(history.newestId(), 0);
    history.renderNewer(messages.make("3@20260301100000 7@20260301110000"), Separator, block);
    QCOMPARE(history.newestId(), 7);
    QCOMPARE(history.oldestId(), 3);
    QCOMPARE(history.find(7)->time, 20260301110000LL);
    QVERIFY(!history.find(5));
    history.clear();
    QVERIFY(!history.contains(3));
}

void tst_RenderedHistory::removal_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<qint64>("removed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<qint64>("movesTo");
    QTest::addColumn<qint64>("droppedFrom");
    const QString days = QStringLiteral("1@20260301100000 2@20260302100000 3@20260302110000 4@20260303100000");
    QTest::newRow("separator passes to the next message of the same day") << days << qint64(2) << "1 |3 |4"
                                                                         << qint64(3) << qint64(0);
    QTest::newRow("separator goes when the next message has its own") << days << qint64(3) << "1 |2 |4" << qint64(0)
                                                                      << qint64(0);
    QTest::newRow("separator goes with the last message") << days << qint64(4) << "1 |2 3" << qint64(0) << qint64(0);
    QTest::newRow("the new first message loses its separator") << days << qint64(1) << "2 3 |4" << qint64(0)
                                                               << qint64(2);
    QTest::newRow("a message between two of its day leaves the separators")
        << "1@20260301100000 2@20260301110000 3@20260302100000" << qint64(2) << "1 |3" << qint64(0) << qint64(0);
    QTest::newRow("an id not shown changes nothing") << days << qint64(9) << "1 |2 3 |4" << qint64(0) << qint64(0);
}

void tst_RenderedHistory::removal()
{
    QFETCH(QString, shown);
    QFETCH(qint64, removed);
    Messages messages;
    RenderedHistory history;
    history.renderNewer(messages.make(shown), Separator, block);
    const RenderedHistory::Removal removal = history.remove(removed);
    QCOMPARE(removal.removed, removed != 9);
    QTEST(layout(history), "after");
    QTEST(removal.separatorMovesTo, "movesTo");
    QTEST(removal.separatorDroppedFrom, "droppedFrom");
    QVERIFY(!history.contains(removed));
}

QTEST_APPLESS_MAIN(tst_RenderedHistory)
#include "tst_renderedhistory.moc"
