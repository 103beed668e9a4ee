// Feeds arbitrary bytes to the room control-text reader and to the room
// directory, which applies every record of a text against hostkit's host
// services. Whatever the reader accepts must be exactly one record long
// and come back unchanged through the writer; the directory never holds a
// room the host does not know.

#include "chat/chatcoreinterface.h"
#include "chat/roomcontroltext.h"
#include "chat/roomdirectory.h"
#include "hostkit/host.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

class HostkitCore final : public ChatCoreInterface
{
public:
    explicit HostkitCore(IHostServices *rooms) : m_rooms(rooms) {}
    IHostServices *hostServices() const override { return m_rooms; }
    IHostServices *roomsHostServices() const override { return m_rooms; }
    void sendInstantMessage(const QByteArray &, const QList<QByteArray> &, const QString &) override {}
    void playMessageSound() override {}
    void playNudgeSound() override {}
    SettingsManager *settings() const override { return nullptr; }
    QByteArray ownUserId() const override { return "1000"; }
    QString appName() const override { return QString(); }
    bool hostNumberIsZero() const override { return false; }
    bool takeMustAlert(qint64) override { return false; }

private:
    IHostServices *m_rooms;
};

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication *app = new QCoreApplication(*argc, *argv);
    Q_UNUSED(app);
    QLoggingCategory::setFilterRules(QStringLiteral("chat.conversations.*=false\nhostkit.*=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), int(size));
    RoomControlText::Record record;
    const int used = RoomControlText::read(text, &record);
    if (used > 0) {
        check(used >= RoomControlText::HeaderSize && used <= text.size());
        check(used - RoomControlText::HeaderSize <= RoomControlText::MaxPayload);
        check(record.command >= 0 && record.command <= 0xff);
        // Escaping may grow a full payload past what a header can state.
        const QByteArray again = RoomControlText::write(record.command, record.fields);
        if (!again.isEmpty()) {
            RoomControlText::Record reread;
            check(RoomControlText::read(again, &reread) == again.size());
            check(reread.command == record.command && reread.fields == record.fields);
        }
    }

    static hostkit::Host *host = [] {
        auto *h = new hostkit::Host(hostkit::Profile::inMemory());
        h->journal().setEnabled(false);
        return h;
    }();
    static HostkitCore core(host->servicesFor("chat_rooms"));
    RoomDirectory directory(&core);
    directory.apply(text);
    // The default profile has one room.
    check(directory.count() <= 1);
    check(directory.count() == 0 || directory.find("5001"));
    return 0;
}
