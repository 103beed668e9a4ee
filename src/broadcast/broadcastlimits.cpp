#include "broadcast/broadcastlimits.h"

BroadcastLimits BroadcastLimits::read(const QByteArray &text) const
{
    BroadcastLimits limits = *this;
    const QByteArray bounded = QByteArray::fromRawData(text.constData(), qMin(text.size(), MaxConfigurationBytes));
    int start = 0;
    while (start < bounded.size()) {
        int end = bounded.indexOf('\n', start);
        if (end < 0)
            end = bounded.size();
        const QByteArray line = QByteArray::fromRawData(bounded.constData() + start, end - start);
        start = end + 1;
        const int equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if (value.isEmpty())
            continue;
        // toInt() fails to 0 on anything but a decimal number that fits.
        if (key == "batch_size")
            limits.batchSize = value.toInt();
        else if (key == "send_interval")
            limits.sendIntervalMs = value.toInt();
        else if (key == "max_recipients")
            limits.maxRecipients = value.toInt();
    }
    if (limits.batchSize < 1)
        limits.batchSize = 1;
    if (limits.maxRecipients < MinRecipients)
        limits.maxRecipients = 200;
    return limits;
}
