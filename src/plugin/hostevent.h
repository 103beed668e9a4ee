#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

// One numbered host event (IPlugin::onEvent) read into what its route needs.
// Reading is separate from acting on it so that malformed data is turned
// away in one place: an event whose data does not have the shape its code
// requires is Route::Ignored and changes nothing.
struct HostEvent
{
    enum class Route {
        Ignored,                // unknown code or malformed data
        FileTransferChanged,    // 4, 5, 6: key
        PictureTransferChanged, // 13, 14, 15: key
        UploadDetails,          // 7, 16: key
        UploadRemoved,          // 8: key
        UploadResult,           // 10, 11, 18: key, fields
        FileMessage,            // 9: key
        PictureMessage,         // 17: key
        UploadProgress,         // 12: id (peer), key, uploaded, total
        PictureRedraw,          // 19, 20: key
        TabbedWindow,           // 30: id, numbers[0]
        Nudge,                  // 32: numbers = sender, room, third value
        ConversationNumbers,    // 33: numbers
        ConversationEvent,      // 34 to 37: numbers, the first a conversation id
        RoomRequest,            // 777, 779: numbers[0] = a room document's request number
        HistorySyncStarted,     // 40: no data
        HistorySyncFinished,    // 41: no data
    };

    int code = 0;
    Route route = Route::Ignored;
    QByteArray key;            // transfer key
    QByteArray id;             // peer or tab id
    QList<QByteArray> fields;  // the comma-separated fields after the key
    QList<qint64> numbers;
    qint64 uploaded = 0;
    qint64 total = 0;
    QByteArray data;           // the whole data, for routes that keep it

    static HostEvent parse(int code, const QByteArray &data);

    // Comma-separated data: split at every ",", empty fields kept.
    static QList<QByteArray> splitFields(const QByteArray &data);
    // A signed 64-bit decimal: an optional sign and digits, nothing else; false on overflow.
    static bool toInt64(const QByteArray &text, qint64 *value);
    // Every field as a number; false when any field is not one.
    static bool toNumbers(const QList<QByteArray> &fields, QList<qint64> *numbers);
};
