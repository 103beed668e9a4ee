// Message stanzas from a server or peer, mapped onto the store: parsed as
// the client library parses them and handed to the transport of a host that
// knows one peer and one room, both live and as archived copies. Nothing
// beyond the bounds may be stored, and nothing may crash.
#include "hostkit/host.h"
#include "hostkit/messagestore.h"
#include "xmpp/xmpptransport.h"

#include <QXmppMessage.h>

#include <QCoreApplication>
#include <QDomDocument>
#include <QJsonObject>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

hostkit::Host *g_host = nullptr;
hostkit::XmppTransport *g_transport = nullptr;

void setUp()
{
    static int argc = 1;
    static char name[] = "fuzz_xmpp_stanzas";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    hostkit::Profile profile = hostkit::Profile::inMemory();
    profile.setXmppAccount(QJsonObject{{"jid", "alex@localhost"}, {"password", "x"}, {"host", "127.0.0.1"}});
    profile.find("1001")->jid = QStringLiteral("bea@localhost");
    profile.find("5001")->jid = QStringLiteral("team@conference.localhost");
    g_host = new hostkit::Host(std::move(profile));
    g_host->journal().setEnabled(false);
    g_transport = new hostkit::XmppTransport(*g_host, *hostkit::XmppTransport::accountOf(g_host->profile()));
    // A few messages the stanzas can name.
    g_host->storeOutgoing("chat", "1001", "k", "to Bea");
    g_host->store().setNetworkIds(g_host->store().lastEventId(), "own-1", "arch-1");
    const qint64 got = g_host->receiveMessage("1001", "from Bea");
    g_host->store().setNetworkIds(got, "bea-1", "arch-2");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (!g_host)
        setUp();
    if (size < 1)
        return 0;
    QDomDocument document;
    const QByteArray xml(reinterpret_cast<const char *>(data) + 1, int(size - 1));
    if (!document.setContent(xml, true))
        return 0;
    QXmppMessage message;
    message.parse(document.documentElement());
    const qint64 before = g_host->store().lastEventId();
    g_transport->handleMessage(message, (data[0] & 1) ? QStringLiteral("arch-fuzz") : QString());
    for (const hostkit::StoredMessage &m : g_host->store().after(QByteArray("1001"), before)) {
        if (m.body.size() > 64 * 1024)
            std::abort();
    }
    return 0;
}
