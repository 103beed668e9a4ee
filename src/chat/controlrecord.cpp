#include "chat/controlrecord.h"

#include "lib_kelvan/elementtree.h"

namespace {

const QByteArray ElementName = QByteArrayLiteral("data");
const QByteArray CommandAttribute = QByteArrayLiteral("COMMAND");
const QByteArray SessionAttribute = QByteArrayLiteral("session_id");
const QByteArray RoomAttribute = QByteArrayLiteral("room_id");

// A control record is a few hundred bytes; anything far beyond that is not
// one, and reading it would only cost time.
constexpr qsizetype MaxRecordBytes = 64 * 1024;

} // namespace

ControlRecord::ControlRecord(Command command, const QByteArray &sessionId, const QByteArray &roomId)
    : m_command(command)
    , m_word(wordOf(command))
    , m_sessionId(sessionId)
    , m_roomId(roomId)
{
}

QByteArray ControlRecord::toText() const
{
    kelvan::Element element(ElementName);
    element.setAttribute(CommandAttribute, m_word);
    // A read receipt names no conversation.
    if (m_command != Command::MessageSeen) {
        element.setAttribute(SessionAttribute, m_sessionId);
        element.setAttribute(RoomAttribute, m_roomId);
    }
    return kelvan::writeElement(element, 0);
}

ControlRecord ControlRecord::fromText(const QByteArray &text)
{
    kelvan::ReadLimits limits;
    limits.maxInputBytes = MaxRecordBytes;
    limits.maxDepth = 8;
    limits.maxNodes = 1024;
    kelvan::Element element;
    ControlRecord record;
    if (!kelvan::readElement(text, element, limits))
        return record;
    record.m_word = element.attribute(CommandAttribute);
    record.m_command = commandOf(record.m_word);
    record.m_sessionId = element.attribute(SessionAttribute);
    record.m_roomId = element.attribute(RoomAttribute);
    return record;
}

QByteArray ControlRecord::wordOf(Command command)
{
    switch (command) {
    case Command::Writing: return QByteArrayLiteral("WRITING");
    case Command::Nudge: return QByteArrayLiteral("NUDGE");
    case Command::NudgeDisabled: return QByteArrayLiteral("NUDGE_DISABLED");
    case Command::MessageSeen: return QByteArrayLiteral("MESSAGE_SEEN");
    case Command::Unknown: break;
    }
    return QByteArray();
}

ControlRecord::Command ControlRecord::commandOf(const QByteArray &word)
{
    for (Command command : {Command::Writing, Command::Nudge, Command::NudgeDisabled, Command::MessageSeen}) {
        if (word == wordOf(command))
            return command;
    }
    return Command::Unknown;
}
