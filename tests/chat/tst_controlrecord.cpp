// Control records on the wire: the exact bytes a peer receives, and what the
// reader makes of whatever a peer sends (what was written reads back).

#include "chat/controlrecord.h"

#include <QtTest>

using Command = ControlRecord::Command;
Q_DECLARE_METATYPE(ControlRecord::Command)

class tst_ControlRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writtenBytes_data();
    void writtenBytes();
    void reading_data();
    void reading();
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

QTEST_GUILESS_MAIN(tst_ControlRecord)
#include "tst_controlrecord.moc"
