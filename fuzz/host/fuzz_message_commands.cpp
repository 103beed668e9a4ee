// Message bodies from a peer: parsed as message-level commands and, when
// they are commands, applied to a store holding a few messages of the
// conversation and of another one. The parser's promises are checked.
#include "hostkit/host.h"
#include "hostkit/messagecommand.h"
#include "hostkit/messagestore.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

namespace {

hostkit::Host *g_host = nullptr;

void setUp()
{
    static int argc = 1;
    static char name[] = "fuzz_message_commands";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    g_host = new hostkit::Host(hostkit::Profile::inMemory());
    g_host->journal().setEnabled(false);
    for (int i = 0; i < 4; ++i) {
        g_host->receiveMessage("1001", "from Bea");
        g_host->storeOutgoing("chat", "1001", "k", "to Bea");
        g_host->receiveMessage("1002", "from Chris");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (!g_host)
        setUp();
    const QByteArray body(reinterpret_cast<const char *>(data), int(size));
    const hostkit::MessageCommand command = hostkit::MessageCommand::parse(body);
    using K = hostkit::MessageCommand::Kind;
    if (command.kind == K::None) {
        if (command.target != 0 || !command.text.isEmpty())
            std::abort();
        return 0;
    }
    if (command.target <= 0 || !body.startsWith('['))
        std::abort();
    if (command.kind == K::Reply)
        return 0; // a reply is a new message; the store grows without bound otherwise
    const int before = g_host->store().count();
    g_host->receiveMessage("1001", body);
    if (g_host->store().count() != before) // commands never add messages
        std::abort();
    return 0;
}
