#pragma once

#include <QByteArray>
#include <QList>

// The short records the rooms service and the room directory exchange
// (the service through onCommand of the rooms plug-in, the directory
// through sendControl of the rooms host service). One record is
//   two hexadecimal digits   the command number (0 to 255)
//   four hexadecimal digits  the payload's length in bytes (0 to 65535)
//   the payload              ":" and the field, for each field, with "%"
//                            written "%25" and then ":" written "%3A"
// The writer uses lower-case digits; the reader takes either case. Several
// records may follow each other in one text.
//
// The text comes from the host and, behind it, from other clients: the
// reader never reads past the text, allocates at most what one record's
// stated length allows (65535 bytes), and turns away what is not a record.
namespace RoomControlText {

// What the commands mean. Service to directory unless marked otherwise;
// every command after Document names its room by the document's request
// number (the first field), which the Document bound to a room id.
enum class Command : int {
    Document = 2,         // "1", room id, request number[, counter]: the room's document; other first fields are
                          // documents of another version and ignored
    DocumentRequest = 3,  // directory to service, sent to the room id: room id; send this room's document
    Members = 6,          // request, member ids...: the complete member list
    MemberAdded = 8,      // request, member id
    MemberRemoved = 9,    // request, member id
    Invited = 11,         // request, contact ids...: invited, not (yet) in the room
    InvitationEnded = 13, // request, contact id: accepted (a MemberAdded follows) or declined
    Joined = 17,          // request: the own account is in the room
    Left = 20,            // request: the own account left the room
    Renamed = 21,         // request, display name
    Counter = 22,         // request, counter: the document changed; a gap means updates were missed
    Removed = 26,         // request: the document is gone
};

// The longest payload a record can state.
constexpr int MaxPayload = 0xffff;
// Header: command and length digits.
constexpr int HeaderSize = 6;

struct Record
{
    int command = -1;
    QList<QByteArray> fields;
};

// One record. Fields are written as given; a payload longer than
// MaxPayload cannot be stated and yields an empty text.
QByteArray write(int command, const QList<QByteArray> &fields);
inline QByteArray write(Command command, const QList<QByteArray> &fields)
{
    return write(int(command), fields);
}

// Reads the record at the start of `text` into `record` and returns how many
// bytes it took (HeaderSize + length). Returns 0, and leaves `record`
// untouched, for a text shorter than the header, a header that is not
// hexadecimal, or a payload shorter than its stated length. An empty payload
// has no fields; otherwise one leading ":" is skipped, the rest split at
// every ":" (empty fields kept) and each field unescaped.
int read(const QByteArray &text, Record *record);

} // namespace RoomControlText
