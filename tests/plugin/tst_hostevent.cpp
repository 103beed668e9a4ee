// Reading numbered host events: every code's data shape, and data that does
// not have it.

#include "plugin/hostevent.h"

#include <QtTest>

using Route = HostEvent::Route;
Q_DECLARE_METATYPE(HostEvent::Route)

class tst_HostEvent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void routes_data();
    void routes();
    void numbers_data();
    void numbers();
    void fieldsKeepEmptyOnes();
    void uploadProgressRecord();
};

void tst_HostEvent::routes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<Route>("route");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("numbers");

    QTest::newRow("4-file-started") << 4 << QByteArray("sim://f/1") << Route::FileTransferChanged << QByteArray("sim://f/1") << "";
    QTest::newRow("6-file-failed") << 6 << QByteArray("k") << Route::FileTransferChanged << QByteArray("k") << "";
    QTest::newRow("13-picture-placeholder") << 13 << QByteArray("p") << Route::PictureTransferChanged << QByteArray("p") << "";
    QTest::newRow("15-picture-broken") << 15 << QByteArray("p") << Route::PictureTransferChanged << QByteArray("p") << "";
    QTest::newRow("7-upload-details") << 7 << QByteArray("up1") << Route::UploadDetails << QByteArray("up1") << "";
    QTest::newRow("16-picture-upload-details") << 16 << QByteArray("up2") << Route::UploadDetails << QByteArray("up2") << "";
    QTest::newRow("8-upload-removed") << 8 << QByteArray("up1") << Route::UploadRemoved << QByteArray("up1") << "";
    QTest::newRow("9-file-message") << 9 << QByteArray("up1") << Route::FileMessage << QByteArray("up1") << "";
    QTest::newRow("17-picture-message") << 17 << QByteArray("up2") << Route::PictureMessage << QByteArray("up2") << "";
    QTest::newRow("19-picture-ready") << 19 << QByteArray("p") << Route::PictureRedraw << QByteArray("p") << "";
    QTest::newRow("20-picture-missing") << 20 << QByteArray("p") << Route::PictureRedraw << QByteArray("p") << "";
    QTest::newRow("10-upload-finished") << 10 << QByteArray("up1,2048") << Route::UploadResult << QByteArray("up1") << "";
    QTest::newRow("18-upload-stopped-no-values") << 18 << QByteArray("up1") << Route::UploadResult << QByteArray("up1") << "";
    QTest::newRow("30-tab-id-and-number") << 30 << QByteArray("1001,3") << Route::TabbedWindow << QByteArray() << "3";
    QTest::newRow("32-nudge-three-numbers") << 32 << QByteArray("1001,0,7") << Route::Nudge << QByteArray() << "1001,0,7";
    QTest::newRow("33-numbers") << 33 << QByteArray("1001,55,56") << Route::ConversationNumbers << QByteArray() << "1001,55,56";
    QTest::newRow("34-conversation-event") << 34 << QByteArray("1001,1,2") << Route::ConversationEvent << QByteArray() << "1001,1,2";
    QTest::newRow("37-only-the-id") << 37 << QByteArray("1001") << Route::ConversationEvent << QByteArray() << "1001";
    QTest::newRow("777-room-request") << 777 << QByteArray("12") << Route::RoomRequest << QByteArray() << "12";
    QTest::newRow("40-history-sync-started") << 40 << QByteArray() << Route::HistorySyncStarted << QByteArray() << "";
    QTest::newRow("41-history-sync-finished") << 41 << QByteArray() << Route::HistorySyncFinished << QByteArray() << "";
    QTest::newRow("779-room-request") << 779 << QByteArray("3") << Route::RoomRequest << QByteArray() << "3";

    QTest::newRow("unknown-code") << 31 << QByteArray("1,2") << Route::Ignored << QByteArray() << "";
    QTest::newRow("empty-transfer-key") << 4 << QByteArray() << Route::Ignored << QByteArray() << "";
    QTest::newRow("result-without-key") << 10 << QByteArray(",2048") << Route::Ignored << QByteArray() << "";
    QTest::newRow("tab-without-comma") << 30 << QByteArray("1001") << Route::Ignored << QByteArray() << "";
    QTest::newRow("tab-number-not-numeric") << 30 << QByteArray("1001,x") << Route::Ignored << QByteArray() << "";
    QTest::newRow("tab-too-many-fields") << 30 << QByteArray("1001,1,2") << Route::Ignored << QByteArray() << "";
    QTest::newRow("tab-empty-id") << 30 << QByteArray(",1") << Route::Ignored << QByteArray() << "";
    QTest::newRow("nudge-missing-comma") << 32 << QByteArray("1001,0") << Route::Ignored << QByteArray() << "";
    QTest::newRow("nudge-four-fields") << 32 << QByteArray("1001,0,7,9") << Route::Ignored << QByteArray() << "";
    QTest::newRow("nudge-not-numeric") << 32 << QByteArray("bea,0,0") << Route::Ignored << QByteArray() << "";
    QTest::newRow("numbers-empty-data") << 33 << QByteArray() << Route::Ignored << QByteArray() << "";
    QTest::newRow("numbers-trailing-comma") << 34 << QByteArray("1001,") << Route::Ignored << QByteArray() << "";
    QTest::newRow("room-request-not-a-number") << 777 << QByteArray("5001:20260101") << Route::Ignored << QByteArray() << "";
    QTest::newRow("room-request-empty") << 779 << QByteArray() << Route::Ignored << QByteArray() << "";
    QTest::newRow("progress-not-a-record") << 12 << QByteArray("up1,10,20") << Route::Ignored << QByteArray() << "";
}

void tst_HostEvent::routes()
{
    QFETCH(int, code);
    QFETCH(QByteArray, data);
    QFETCH(Route, route);
    QFETCH(QByteArray, key);
    QFETCH(QString, numbers);
    const HostEvent event = HostEvent::parse(code, data);
    QCOMPARE(event.route, route);
    QCOMPARE(event.code, code);
    QCOMPARE(event.key, key);
    QStringList texts;
    for (qint64 n : event.numbers)
        texts << QString::number(n);
    QCOMPARE(texts.join(QLatin1Char(',')), numbers);
}

void tst_HostEvent::numbers_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("value");

    QTest::newRow("zero") << QByteArray("0") << true << qint64(0);
    QTest::newRow("largest") << QByteArray("9223372036854775807") << true << std::numeric_limits<qint64>::max();
    QTest::newRow("smallest") << QByteArray("-9223372036854775808") << true << std::numeric_limits<qint64>::min();
    QTest::newRow("one-past-largest") << QByteArray("9223372036854775808") << false << qint64(0);
    QTest::newRow("one-past-smallest") << QByteArray("-9223372036854775809") << false << qint64(0);
    QTest::newRow("leading-zeros") << QByteArray("007") << true << qint64(7);
    QTest::newRow("plus-sign") << QByteArray("+12") << true << qint64(12);
    QTest::newRow("sign-alone") << QByteArray("-") << false << qint64(0);
    QTest::newRow("empty") << QByteArray() << false << qint64(0);
    QTest::newRow("trailing-space") << QByteArray("12 ") << false << qint64(0);
    QTest::newRow("decimal-point") << QByteArray("1.5") << false << qint64(0);
    QTest::newRow("embedded-nul") << QByteArray("1\0" "2", 3) << false << qint64(0);
}

void tst_HostEvent::numbers()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, ok);
    QFETCH(qint64, value);
    qint64 read = -42;
    QCOMPARE(HostEvent::toInt64(text, &read), ok);
    QCOMPARE(read, ok ? value : qint64(-42));
}

void tst_HostEvent::fieldsKeepEmptyOnes()
{
    QCOMPARE(HostEvent::splitFields("a,,b,"), (QList<QByteArray>{"a", "", "b", ""}));
    QCOMPARE(HostEvent::splitFields(""), (QList<QByteArray>{""}));
    const HostEvent failed = HostEvent::parse(11, "up3,disk full, try later");
    QCOMPARE(failed.route, Route::UploadResult);
    QCOMPARE(failed.key, QByteArray("up3"));
    QCOMPARE(failed.fields, (QList<QByteArray>{"disk full", " try later"}));
}

void tst_HostEvent::uploadProgressRecord()
{
    const HostEvent event = HostEvent::parse(12, "<data uid=\"1001\" pfn=\"up1\" uploaded=\"512\" total=\"2048\"/>\r\n");
    QCOMPARE(event.route, Route::UploadProgress);
    QCOMPARE(event.id, QByteArray("1001"));
    QCOMPARE(event.key, QByteArray("up1"));
    QCOMPARE(event.uploaded, qint64(512));
    QCOMPARE(event.total, qint64(2048));
    // Attribute names in any case; a count that is not a number refuses the event.
    QCOMPARE(HostEvent::parse(12, "<data UID=\"1\" PFN=\"k\" Uploaded=\"1\" TOTAL=\"2\"/>").route, Route::UploadProgress);
    QCOMPARE(HostEvent::parse(12, "<data uid=\"1\" pfn=\"k\" uploaded=\"many\" total=\"2\"/>").route, Route::Ignored);
    QCOMPARE(HostEvent::parse(12, "<data uid=\"1\" uploaded=\"1\" total=\"2\"/>").route, Route::Ignored);
    QCOMPARE(HostEvent::parse(12, "<data uid=\"\" pfn=\"k\" uploaded=\"1\" total=\"2\"/>").route, Route::Ignored);
}

QTEST_GUILESS_MAIN(tst_HostEvent)
#include "tst_hostevent.moc"
