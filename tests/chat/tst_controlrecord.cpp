// Control records on the wire: the exact bytes a peer receives, and what the
// reader makes of whatever a peer sends (what was written reads back). Then
// the room control-text framing: what the writer produces reads back the
// same, and what is no record is turned away without reading past the text.

#include "chat/controlrecord.h"
#include "chat/roomcontroltext.h"

#include <QtTest>

using Command = ControlRecord::Command;
Q_DECLARE_METATYPE(ControlRecord::Command)
using RoomControlText::Record;

class tst_ControlRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writtenBytes_data();
    void writtenBytes();
    void reading_data();
    void reading();
    void roomTextRoundTrip_data();
    void roomTextRoundTrip();
    void roomTextRead_data();
    void roomTextRead();
    void roomTextOversizedPayloadIsNotWritten();
};

void tst_ControlRecord::writtenBytes_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QByteArray>("session");
    QTest::addColumn<QByteArray>("room");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("writing-one-to-one-keeps-empty-room_id")
        << Command::Writing << QByteArray("1000_20260305120000_0") << QByteArray()
        << QByteArray("<data COMMAND=\"WRITING\" session_id=\"1000_20260305120000_0\" room_id=\"\"/>\r\n");
    QTest::newRow("nudge-in-room")
        << Command::Nudge << QByteArray("5001") << QByteArray("5001")
        << QByteArray("<data COMMAND=\"NUDGE\" session_id=\"5001\" room_id=\"5001\"/>\r\n");
    QTest::newRow("nudge-disabled-empty-session")
        << Command::NudgeDisabled << QByteArray() << QByteArray()
        << QByteArray("<data COMMAND=\"NUDGE_DISABLED\" session_id=\"\" room_id=\"\"/>\r\n");
    QTest::newRow("message-seen-carries-only-command")
        << Command::MessageSeen << QByteArray("ignored") << QByteArray("ignored")
        << QByteArray("<data COMMAND=\"MESSAGE_SEEN\"/>\r\n");
}

void tst_ControlRecord::writtenBytes()
{
    QFETCH(Command, command);
    QFETCH(QByteArray, session);
    QFETCH(QByteArray, room);
    QTEST(ControlRecord(command, session, room).toText(), "expected");
}

void tst_ControlRecord::reading_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Command>("command");
    QTest::addColumn<QByteArray>("session");
    QTest::addColumn<QByteArray>("room");

    QTest::newRow("attribute-names-in-any-case")
        << QByteArray("<data command=\"NUDGE\" SESSION_ID=\"s1\" Room_Id=\"r\"/>") << Command::Nudge << QByteArray("s1") << QByteArray("r");
    QTest::newRow("command-word-is-case-sensitive")
        << QByteArray("<data COMMAND=\"writing\" session_id=\"s1\"/>") << Command::Unknown << QByteArray("s1") << QByteArray();
    QTest::newRow("unknown-word-ignored")
        << QByteArray("<data COMMAND=\"EXPLODE\" session_id=\"s1\" room_id=\"\"/>") << Command::Unknown << QByteArray("s1") << QByteArray();
    QTest::newRow("missing-attributes-read-empty")
        << QByteArray("<data COMMAND=\"WRITING\"/>") << Command::Writing << QByteArray() << QByteArray();
    QTest::newRow("no-command-attribute")
        << QByteArray("<data session_id=\"s1\"/>") << Command::Unknown << QByteArray("s1") << QByteArray();
    QTest::newRow("other-element-name-accepted")
        << QByteArray("<record COMMAND=\"NUDGE\" session_id=\"s\" room_id=\"\"></record>") << Command::Nudge << QByteArray("s") << QByteArray();
    QTest::newRow("escaped-values-read-back")
        << ControlRecord(Command::Nudge, "&<>'\"&amp;", "<room>").toText() << Command::Nudge << QByteArray("&<>'\"&amp;")
        << QByteArray("<room>");
    QTest::newRow("truncated-record-reads-empty")
        << QByteArray("<data COMMAND=\"NUDGE\" session_id=\"s") << Command::Unknown << QByteArray() << QByteArray();
    QTest::newRow("oversized-record-refused")
        << QByteArray("<data COMMAND=\"NUDGE\" session_id=\"" + QByteArray(100 * 1024, 'k') + "\"/>")
        << Command::Unknown << QByteArray() << QByteArray();
    QTest::newRow("deep-nesting-refused")
        << QByteArray("<data COMMAND=\"NUDGE\">" + QByteArray("<a>").repeated(50) + QByteArray("</a>").repeated(50) + "</data>")
        << Command::Unknown << QByteArray() << QByteArray();
}

void tst_ControlRecord::reading()
{
    QFETCH(QByteArray, text);
    QFETCH(Command, command);
    const ControlRecord read = ControlRecord::fromText(text);
    QCOMPARE(read.command(), command);
    QTEST(read.sessionId(), "session");
    QTEST(read.roomId(), "room");
}

void tst_ControlRecord::roomTextRoundTrip_data()
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

void tst_ControlRecord::roomTextRoundTrip()
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

void tst_ControlRecord::roomTextRead_data()
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

void tst_ControlRecord::roomTextRead()
{
    QFETCH(QByteArray, text);
    QFETCH(int, command);
    QFETCH(QByteArrayList, fields);
    Record record;
    QTEST(RoomControlText::read(text, &record), "used");
    QCOMPARE(record.command, command);
    QCOMPARE(record.fields, fields);
}

void tst_ControlRecord::roomTextOversizedPayloadIsNotWritten()
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

QTEST_GUILESS_MAIN(tst_ControlRecord)
#include "tst_controlrecord.moc"
