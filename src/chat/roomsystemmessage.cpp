#include "chat/roomsystemmessage.h"

namespace RoomSystemMessage {

QByteArray body(Code code)
{
    switch (code) {
    case Joined: return QByteArrayLiteral(":1\nUser joined the room");
    case Left: return QByteArrayLiteral(":2\nUser left the room");
    case NotSystem: break;
    }
    return QByteArray();
}

int code(const QByteArray &body)
{
    if (!body.startsWith(':'))
        return NotSystem;
    // A code is a handful of digits; a longer first line is no code.
    const int lineEnd = body.left(16).indexOf('\n');
    if (lineEnd < 0)
        return NotSystem;
    bool ok = false;
    const int value = body.mid(1, lineEnd - 1).toInt(&ok);
    return ok && value >= 0 ? value : NotSystem;
}

} // namespace RoomSystemMessage
