// Feeds arbitrary bytes to the reader of the host's broadcast configuration
// and, as a control record, to the registry's receipt handling. The limits
// read must obey their clamps and survive being written and read again; a
// receipt must never add a recipient to a job.

#include "broadcast/broadcastdocument.h"
#include "broadcast/broadcastlimits.h"
#include "broadcast/broadcastregistry.h"
#include "plugin/records/userobj.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication *app = new QCoreApplication(*argc, *argv);
    Q_UNUSED(app);
    QLoggingCategory::setFilterRules(QStringLiteral("chat.broadcast.info=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), int(size));
    const BroadcastLimits limits = BroadcastLimits().read(text);
    if (limits.batchSize < 1 || limits.maxRecipients < BroadcastLimits::MinRecipients)
        std::abort();
    const QByteArray written = "batch_size=" + QByteArray::number(limits.batchSize) + "\nsend_interval="
                               + QByteArray::number(limits.sendIntervalMs) + "\nmax_recipients="
                               + QByteArray::number(limits.maxRecipients) + "\n";
    if (!(BroadcastLimits().read(written) == limits))
        std::abort();

    // No host: the job has no window and sends nowhere.
    static BroadcastRegistry registry(nullptr, nullptr);
    static BroadcastDocument *job = registry.newJob({1001, 1002});
    static UserObj sender = [] {
        UserObj user;
        user.setId("1001");
        return user;
    }();
    registry.setOptions(text);
    registry.onControlMessage(&sender, text);
    if (job->recipientCount() != 2)
        std::abort();
    return 0;
}
