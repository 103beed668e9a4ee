// Feeds arbitrary event data to the host event reader. The first byte picks
// the event code (every code the dispatcher knows, and some it does not);
// the rest is the data. A read event must have the shape its route promises.

#include "plugin/hostevent.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

const int kCodes[] = {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                      30, 32, 33, 34, 35, 36, 37, 777, 779, 0, 31, -1, 100000};
constexpr size_t kCodeCount = sizeof(kCodes) / sizeof(kCodes[0]);

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int code = kCodes[data[0] % kCodeCount];
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), int(size - 1));
    const HostEvent event = HostEvent::parse(code, bytes);
    using Route = HostEvent::Route;
    switch (event.route) {
    case Route::FileTransferChanged:
    case Route::PictureTransferChanged:
    case Route::UploadDetails:
    case Route::UploadRemoved:
    case Route::FileMessage:
    case Route::PictureMessage:
    case Route::PictureRedraw:
        check(event.key == bytes && !event.key.isEmpty());
        break;
    case Route::UploadResult:
        check(!event.key.isEmpty());
        break;
    case Route::UploadProgress:
        check(!event.id.isEmpty() && !event.key.isEmpty());
        break;
    case Route::TabbedWindow:
        check(!event.id.isEmpty() && event.numbers.size() == 1);
        break;
    case Route::Nudge:
        check(event.numbers.size() == 3);
        break;
    case Route::ConversationNumbers:
    case Route::ConversationEvent:
        check(!event.numbers.isEmpty() && event.numbers.size() == HostEvent::splitFields(bytes).size());
        break;
    case Route::RoomRequest:
        check(event.numbers.size() == 1);
        break;
    case Route::Ignored:
        break;
    }
    // Every field that reads as a number writes back as the same digits
    // (apart from a plus sign and leading zeros).
    for (const QByteArray &field : HostEvent::splitFields(bytes)) {
        qint64 value = 0;
        if (HostEvent::toInt64(field, &value)) {
            qint64 again = 0;
            check(HostEvent::toInt64(QByteArray::number(value), &again) && again == value);
        }
    }
    return 0;
}
