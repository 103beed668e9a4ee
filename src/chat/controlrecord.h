#pragma once

#include <QByteArray>

// A control record clients exchange besides chat messages: one element
// "data" of the support library's element format whose attributes are
// "COMMAND", "session_id" and "room_id" (in that order; "room_id" is written
// also when empty). MESSAGE_SEEN carries only "COMMAND".
class ControlRecord
{
public:
    enum class Command {
        Unknown,       // unparsable text, or a command word we do not know
        Writing,       // "WRITING": the peer is typing
        Nudge,         // "NUDGE": the peer nudges this conversation
        NudgeDisabled, // "NUDGE_DISABLED": the peer refused our nudge
        MessageSeen,   // "MESSAGE_SEEN": a broadcast was read
    };

    ControlRecord() = default;
    ControlRecord(Command command, const QByteArray &sessionId = QByteArray(),
                  const QByteArray &roomId = QByteArray());

    Command command() const { return m_command; }
    // The word as received (also for Unknown), or the word of the command.
    const QByteArray &commandWord() const { return m_word; }
    const QByteArray &sessionId() const { return m_sessionId; }
    const QByteArray &roomId() const { return m_roomId; }

    // The record as sent: the element followed by CR LF.
    QByteArray toText() const;
    // Reads a received text. Attribute names are matched ignoring ASCII
    // case; a missing attribute reads as empty; the command word is
    // compared exactly. Text that does not parse gives Unknown with empty
    // fields.
    static ControlRecord fromText(const QByteArray &text);

    // "WRITING", "NUDGE", "NUDGE_DISABLED", "MESSAGE_SEEN"; empty for Unknown.
    static QByteArray wordOf(Command command);
    static Command commandOf(const QByteArray &word);

private:
    Command m_command = Command::Unknown;
    QByteArray m_word;
    QByteArray m_sessionId;
    QByteArray m_roomId;
};
