// Feeds arbitrary bytes to the control-record reader and to the conversation
// manager's command handling. Whatever the reader accepts must survive a
// write and a second read unchanged.

#include "chat/chatcoreinterface.h"
#include "chat/chatmanager.h"
#include "chat/controlrecord.h"
#include "plugin/records/userobj.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// No host: every path that would reach one stops before it.
class NoHostCore final : public ChatCoreInterface
{
public:
    IHostServices *hostServices() const override { return nullptr; }
    IHostServices *roomsHostServices() const override { return nullptr; }
    void sendInstantMessage(const QByteArray &, const QList<QByteArray> &, const QString &) override {}
    void playMessageSound() override {}
    void playNudgeSound() override {}
    SettingsManager *settings() const override { return nullptr; }
    QByteArray ownUserId() const override { return "1000"; }
    QString appName() const override { return QString(); }
    bool hostNumberIsZero() const override { return false; }
    bool takeMustAlert(qint64) override { return false; }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication *app = new QCoreApplication(*argc, *argv);
    Q_UNUSED(app);
    QLoggingCategory::setFilterRules(QStringLiteral("chat.conversations.warning=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), int(size));
    const ControlRecord record = ControlRecord::fromText(text);
    if (record.command() != ControlRecord::Command::Unknown && record.command() != ControlRecord::Command::MessageSeen) {
        const ControlRecord again = ControlRecord::fromText(record.toText());
        if (again.command() != record.command() || again.sessionId() != record.sessionId() || again.roomId() != record.roomId())
            std::abort();
    }

    static NoHostCore core;
    static ChatManager manager(&core);
    static UserObj sender = [] {
        UserObj user;
        user.setId("1001");
        return user;
    }();
    manager.onCommand(&sender, text);
    if (manager.count() != 0)
        std::abort(); // without a host nothing may open
    return 0;
}
