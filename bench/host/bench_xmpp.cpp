// 1,000 messages from one host to another through a private prosody server,
// until the last is shown in the receiving chat window, against two bare
// QXmpp clients sending and receiving the same bodies through the same
// server in the same run. What the library and the store add to the network.

#include "comparison.h"

#include "hostkit/host.h"
#include "hostkit/profile.h"
#include "xmpp/prosodyserver.h"
#include "xmpp/xmpptransport.h"

#include <sdk/ihostservices.h>

#include <QXmppClient.h>
#include <QXmppConfiguration.h>
#include <QXmppMessage.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kMessages = 1000;
constexpr qint64 kRunLimitMs = 120000;

QByteArray body(int run, int i)
{
    return QByteArray("Run ") + QByteArray::number(run) + " message " + QByteArray::number(i)
        + ": the [b]build[/b] is green (smile)";
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Processes events until `done` holds; false when the limit passed.
template<typename Done>
bool spin(Done done)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > kRunLimitMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

struct Side
{
    std::unique_ptr<hostkit::Host> host;
    std::unique_ptr<hostkit::XmppTransport> transport;
};

Side makeSide(hostkit::ProsodyServer &server, const QString &user, const QString &peer, bool plugin)
{
    Side s;
    hostkit::Profile profile = hostkit::Profile::inMemory();
    profile.setXmppAccount(QJsonObject{{"jid", server.jid(user)}, {"password", user}, {"host", "127.0.0.1"},
                                       {"port", int(server.port())}});
    profile.find("1001")->jid = server.jid(peer);
    s.host = std::make_unique<hostkit::Host>(std::move(profile));
    s.host->journal().setEnabled(false);
    if (plugin)
        s.host->loadPlugin(QStringLiteral(CHAT_PLUGIN));
    s.transport = std::make_unique<hostkit::XmppTransport>(*s.host, *hostkit::XmppTransport::accountOf(s.host->profile()));
    bool ready = false;
    QObject::connect(s.transport.get(), &hostkit::XmppTransport::historyLoaded, [&ready] { ready = true; });
    s.transport->connectToServer();
    spin([&] { return ready; });
    return s;
}

QTextBrowser *historyView()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible())
            continue;
        for (QTextBrowser *b : w->findChildren<QTextBrowser *>(QStringLiteral("Receive"))) {
            if (b->isVisible())
                return b;
        }
    }
    return nullptr;
}

// Ours: the plug-in on the receiving side with the conversation open.
double hostsMs(Side &from, Side &to, int run)
{
    int arrived = 0;
    const auto connection = QObject::connect(to.transport.get(), &hostkit::XmppTransport::messageHandled,
                                             [&arrived] { ++arrived; });
    IHostServices *services = from.host->servicesFor("bench");
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kMessages; ++i)
        services->sendInstantMessage("", "1001", body(run, i).constData());
    const QString last = QString::fromUtf8(body(run, kMessages - 1)).section(QLatin1Char('['), 0, 0);
    const bool ok = spin([&] {
        if (arrived < kMessages)
            return false;
        QTextBrowser *view = historyView();
        return view && view->toPlainText().contains(last);
    });
    const double ms = double(t.elapsed());
    QObject::disconnect(connection);
    if (!ok)
        std::fprintf(stderr, "hosts: %d of %d arrived\n", arrived, kMessages);
    return ms;
}

// The peer: two bare clients.
double rawMs(QXmppClient &from, QXmppClient &to, const QString &toJid, int run)
{
    int arrived = 0;
    const auto connection = QObject::connect(&to, &QXmppClient::messageReceived, [&arrived](const QXmppMessage &m) {
        if (!m.body().isEmpty())
            ++arrived;
    });
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kMessages; ++i) {
        QXmppMessage m(QString(), toJid, QString::fromUtf8(body(run, i)));
        m.setType(QXmppMessage::Chat);
        from.sendPacket(m);
    }
    spin([&] { return arrived >= kMessages; });
    const double ms = double(t.elapsed());
    QObject::disconnect(connection);
    return ms;
}

bool connectRaw(QXmppClient &client, hostkit::ProsodyServer &server, const QString &user)
{
    QXmppConfiguration config;
    config.setJid(server.jid(user));
    config.setPassword(user);
    config.setHost(QStringLiteral("127.0.0.1"));
    config.setPort(server.port());
    config.setStreamSecurityMode(QXmppConfiguration::TLSDisabled);
    config.setResource(QStringLiteral("bench"));
    client.connectToServer(config);
    return spin([&] { return client.isConnected(); });
}

void BM_Nothing(benchmark::State &state)
{
    for (auto _ : state) {
    }
}
BENCHMARK(BM_Nothing);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    const QString why = hostkit::ProsodyServer::unavailableReason();
    if (!why.isEmpty()) {
        std::fprintf(stderr, "bench_xmpp: skipped, %s\n", qPrintable(why));
        return 0;
    }
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther);
    hostkit::ProsodyServer server(dir.filePath(QStringLiteral("prosody")));
    for (const char *user : {"alex", "bea", "carol", "dave"})
        server.addAccount({QString::fromLatin1(user), QString::fromLatin1(user), QString::fromLatin1(user)});
    if (const hostkit::Result r = server.start(); !r) {
        std::fprintf(stderr, "bench_xmpp: skipped, %s\n", qPrintable(r.error));
        return 0;
    }
    Side sender = makeSide(server, QStringLiteral("alex"), QStringLiteral("bea"), false);
    Side receiver = makeSide(server, QStringLiteral("bea"), QStringLiteral("alex"), true);
    const hostkit::Contact *alex = receiver.transport->contactFor(server.jid(QStringLiteral("alex")));
    receiver.host->openChat(alex->id);
    QXmppClient carol;
    QXmppClient dave;
    if (!connectRaw(carol, server, QStringLiteral("carol")) || !connectRaw(dave, server, QStringLiteral("dave"))) {
        std::fprintf(stderr, "bench_xmpp: the bare clients could not connect\n");
        return 1;
    }
    // The machine is shared: sides alternate, the figures are medians.
    std::vector<double> ours;
    std::vector<double> peer;
    for (int run = 0; run < 3; ++run) {
        ours.push_back(hostsMs(sender, receiver, run));
        peer.push_back(rawMs(carol, dave, server.jid(QStringLiteral("dave")), run));
        std::fprintf(stderr, "run %d: hosts %.0f ms, bare clients %.0f ms\n", run, ours.back(), peer.back());
    }
    chat::bench::reportComparison(QStringLiteral("xmpp_message_vs_raw_qxmpp"), median(ours), median(peer),
                                  QStringLiteral("ms"));
    receiver.host->shutdownPlugins();
    return 0;
}
