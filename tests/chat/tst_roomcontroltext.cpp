// The room control-text framing: what the writer produces reads back the
// same, and what is no record is turned away without reading past the text.

#include "chat/roomcontroltext.h"

#include <QtTest>

using RoomControlText::Record;

class tst_RoomControlText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void read_data();
    void read();
    void oversizedPayloadIsNotWritten();
};

void tst_RoomControlText::roundTrip_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArrayList>("fields");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("document") << 2 << QByteArrayList{"1", "5001", "7"} << QByteArray("020009:1:5001:7");
    QTest::newRow("no-fields-empty-payload") << 17 << QByteArrayList{} << QByteArray("110000");
    QTest::newRow("one-empty-field") << 20 << QByteArrayList{""} << QByteArray("140001:");
    QTest::newRow("empty-fields-kept") << 6 << QByteArrayList{"", "1001", ""} << QByteArray("060007::1001:");
    QTest::newRow("colon-escaped") << 21 << QByteArrayList{"3", "a:b"} << QByteArray("150008:3:a%3Ab");
    QTest::newRow("percent-escaped-first") << 21 << QByteArrayList{"3", "50%"} << QByteArray("150008:3:50%25");
    QTest::newRow("escape-lookalike-survives") << 21 << QByteArrayList{"%3A%25"} << QByteArray("15000b:%253A%2525");
    QTest::newRow("utf8-counted-in-bytes") << 21 << QByteArrayList{"Caf\xc3\xa9"} << QByteArray("150006:Caf\xc3\xa9");
    QTest::newRow("largest-command-lower-case-hex") << 255 << QByteArrayList{"x"} << QByteArray("ff0002:x");
}

void tst_RoomControlText::roundTrip()
{
    QFETCH(int, command);
    QFETCH(QByteArrayList, fields);
    QFETCH(QByteArray, text);
    QCOMPARE(RoomControlText::write(command, fields), text);
    Record record;
    QCOMPARE(RoomControlText::read(text, &record), text.size());
    QCOMPARE(record.command, command);
    QCOMPARE(record.fields, fields);
}

void tst_RoomControlText::read_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("used"); // 0: rejected
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArrayList>("fields");

    QTest::newRow("upper-case-hex-read") << QByteArray("0B0003:ab") << 9 << 11 << QByteArrayList{"ab"};
    QTest::newRow("no-leading-colon-first-field-whole") << QByteArray("080004ab:c") << 10 << 8 << QByteArrayList{"ab", "c"};
    QTest::newRow("second-record-left-for-next-read") << QByteArray("110000110000") << 6 << 17 << QByteArrayList{};
    QTest::newRow("bytes-past-length-not-read") << QByteArray("080002:1:2") << 8 << 8 << QByteArrayList{"1"};
    QTest::newRow("unknown-command-still-a-record") << QByteArray("7f0000") << 6 << 127 << QByteArrayList{};
    QTest::newRow("shorter-than-header") << QByteArray("02000") << 0 << -1 << QByteArrayList{};
    QTest::newRow("empty") << QByteArray() << 0 << -1 << QByteArrayList{};
    QTest::newRow("payload-shorter-than-stated") << QByteArray("020009:1:5001:") << 0 << -1 << QByteArrayList{};
    QTest::newRow("largest-length-beyond-text") << QByteArray("02ffff:1") << 0 << -1 << QByteArrayList{};
    QTest::newRow("bad-hex-in-command") << QByteArray("g20000") << 0 << -1 << QByteArrayList{};
    QTest::newRow("bad-hex-in-length") << QByteArray("02000x") << 0 << -1 << QByteArrayList{};
    QTest::newRow("sign-is-no-digit") << QByteArray("02-001:") << 0 << -1 << QByteArrayList{};
    QTest::newRow("unescaped-percent-kept") << QByteArray("150004:%zz") << 10 << 21 << QByteArrayList{"%zz"};
}

void tst_RoomControlText::read()
{
    QFETCH(QByteArray, text);
    QFETCH(int, command);
    QFETCH(QByteArrayList, fields);
    Record record;
    QTEST(RoomControlText::read(text, &record), "used");
    QCOMPARE(record.command, command);
    QCOMPARE(record.fields, fields);
}

void tst_RoomControlText::oversizedPayloadIsNotWritten()
{
    // 65535 bytes is the most a header states; escaping counts.
    const QByteArray largest(RoomControlText::MaxPayload - 1, 'a');
    const QByteArray text = RoomControlText::write(21, {largest});
    QCOMPARE(text.left(6), QByteArray("15ffff"));
    Record record;
    QCOMPARE(RoomControlText::read(text, &record), text.size());
    QCOMPARE(record.fields.value(0).size(), largest.size());
    QVERIFY(RoomControlText::write(21, {largest + 'a'}).isEmpty());
    QVERIFY(RoomControlText::write(21, {QByteArray(RoomControlText::MaxPayload / 3, ':')}).isEmpty());
    QVERIFY(RoomControlText::write(256, {}).isEmpty());
}

QTEST_GUILESS_MAIN(tst_RoomControlText)
#include "tst_roomcontroltext.moc"
