#include "chat/roomcontroltext.h"

namespace RoomControlText {

namespace {

// Digits of a hexadecimal number, either case; -1 for anything else.
int hexValue(const char *digits, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const char c = digits[i];
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

QByteArray hex(int value, int digits)
{
    return QByteArray::number(value, 16).rightJustified(digits, '0');
}

} // namespace

QByteArray write(int command, const QList<QByteArray> &fields)
{
    if (command < 0 || command > 0xff)
        return QByteArray();
    QByteArray payload;
    for (QByteArray field : fields) {
        field.replace('%', "%25").replace(':', "%3A");
        payload += ':' + field;
    }
    if (payload.size() > MaxPayload)
        return QByteArray();
    return hex(command, 2) + hex(payload.size(), 4) + payload;
}

int read(const QByteArray &text, Record *record)
{
    if (text.size() < HeaderSize)
        return 0;
    const int command = hexValue(text.constData(), 2);
    const int length = hexValue(text.constData() + 2, 4);
    if (command < 0 || length < 0 || text.size() - HeaderSize < length)
        return 0;
    if (record) {
        record->command = command;
        record->fields.clear();
        if (length > 0) {
            const int skip = text.at(HeaderSize) == ':' ? 1 : 0;
            const QByteArray payload = text.mid(HeaderSize + skip, length - skip);
            record->fields = payload.split(':');
            for (QByteArray &field : record->fields)
                field.replace("%3A", ":").replace("%25", "%");
        }
    }
    return HeaderSize + length;
}

} // namespace RoomControlText
