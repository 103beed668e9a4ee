#include "plugin/hostevent.h"

#include "lib_kelvan/elementtree.h"

#include <sdk/iplugin.h>

#include <limits>

namespace {

// Event data is a key, a few numbers or one short control record.
constexpr qsizetype MaxRecordBytes = 64 * 1024;

HostEvent keyed(HostEvent event, HostEvent::Route route)
{
    if (!event.data.isEmpty()) {
        event.route = route;
        event.key = event.data;
    }
    return event;
}

} // namespace

QList<QByteArray> HostEvent::splitFields(const QByteArray &data)
{
    return data.split(',');
}

bool HostEvent::toInt64(const QByteArray &text, qint64 *value)
{
    const int size = text.size();
    int i = 0;
    bool negative = false;
    if (i < size && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == size)
        return false;
    // Accumulate negatively: the negative range is one larger.
    qint64 result = 0;
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    for (; i < size; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        const int digit = c - '0';
        if (result < (lowest + digit) / 10)
            return false;
        result = result * 10 - digit;
    }
    if (!negative) {
        if (result == lowest)
            return false;
        result = -result;
    }
    *value = result;
    return true;
}

bool HostEvent::toNumbers(const QList<QByteArray> &fields, QList<qint64> *numbers)
{
    QList<qint64> result;
    result.reserve(fields.size());
    for (const QByteArray &field : fields) {
        qint64 number = 0;
        if (!toInt64(field, &number))
            return false;
        result.append(number);
    }
    *numbers = result;
    return true;
}

HostEvent HostEvent::parse(int code, const QByteArray &data)
{
    HostEvent event;
    event.code = code;
    event.data = data;
    switch (code) {
    case 4: case 5: case 6:
        return keyed(event, Route::FileTransferChanged);
    case 13: case 14: case 15:
        return keyed(event, Route::PictureTransferChanged);
    case 7: case 16:
        return keyed(event, Route::UploadDetails);
    case 8:
        return keyed(event, Route::UploadRemoved);
    case 9:
        return keyed(event, Route::FileMessage);
    case 17:
        return keyed(event, Route::PictureMessage);
    case 19: case 20:
        return keyed(event, Route::PictureRedraw);
    case 10: case 11: case 18: {
        QList<QByteArray> fields = splitFields(data);
        if (fields.first().isEmpty())
            return event;
        event.key = fields.takeFirst();
        event.fields = fields;
        event.route = Route::UploadResult;
        return event;
    }
    case 12: {
        kelvan::ReadLimits limits;
        limits.maxInputBytes = MaxRecordBytes;
        limits.maxDepth = 8;
        limits.maxNodes = 1024;
        kelvan::Element record;
        if (!kelvan::readElement(data, record, limits))
            return event;
        const QByteArray peer = record.attribute("uid");
        const QByteArray key = record.attribute("pfn");
        if (peer.isEmpty() || key.isEmpty() || !toInt64(record.attribute("uploaded"), &event.uploaded)
            || !toInt64(record.attribute("total"), &event.total))
            return event;
        event.id = peer;
        event.key = key;
        event.route = Route::UploadProgress;
        return event;
    }
    case 30: {
        const QList<QByteArray> fields = splitFields(data);
        qint64 number = 0;
        if (fields.size() != 2 || fields.at(0).isEmpty() || !toInt64(fields.at(1), &number))
            return event;
        event.id = fields.at(0);
        event.numbers = {number};
        event.route = Route::TabbedWindow;
        return event;
    }
    case 32: {
        const QList<QByteArray> fields = splitFields(data);
        if (fields.size() != 3 || !toNumbers(fields, &event.numbers))
            return event;
        event.route = Route::Nudge;
        return event;
    }
    case 33:
    case 34: case 35: case 36: case 37: {
        if (data.isEmpty() || !toNumbers(splitFields(data), &event.numbers))
            return event;
        event.route = code == 33 ? Route::ConversationNumbers : Route::ConversationEvent;
        return event;
    }
    case 777: case 779:
        // The request number of a room document.
        if (!toNumbers({data}, &event.numbers))
            return event;
        event.route = Route::RoomRequest;
        return event;
    case HostEventCode::HistorySyncStarted:
        event.route = Route::HistorySyncStarted;
        return event;
    case HostEventCode::HistorySyncFinished:
        event.route = Route::HistorySyncFinished;
        return event;
    default:
        return event;
    }
}
