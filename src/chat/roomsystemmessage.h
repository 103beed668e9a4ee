#pragma once

#include <QByteArray>

// The bodies of a room's system messages: ":", a decimal code, a line feed
// and an English text the host may show as it is. The rooms plug-in turns
// them into sentences with the member's name (describeMessage).
namespace RoomSystemMessage {

enum Code : int {
    NotSystem = -1, // not a system body: no ":", no line feed, or no number
    Joined = 1,
    Left = 2,
};

// ":1\nUser joined the room", ":2\nUser left the room".
QByteArray body(Code code);

// The code of a body; NotSystem when the body has no code. Unknown codes
// come back as they are. Looks no further than the first line feed.
int code(const QByteArray &body);

} // namespace RoomSystemMessage
