#include "xmppdemo.h"

#include "hostkit/profile.h"

#include "xmpp/prosodyserver.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSaveFile>

#include <cstdio>
#include <memory>

namespace {

constexpr int kSideTimeoutMs = 240000;

const char kRoomUser[] = "lighthouse";

// Alex writes first, watches Bea type and answer, then sends a picture.
const char kAlexTour[] = R"TOUR(
tabbed off
open Bea
type "Hi Bea! This one travels through a real XMPP server (smile)" target=@Bea/splitterVertical/frameVSend/frameSend/Send[0]
key Return target=@Bea/splitterVertical/frameVSend/frameSend/Send[0]
await expect-status @Bea "is typing" timeout=60000
shot @Bea %1/alex-01-bea-typing.png
await expect-history @Bea "Hello Alex" timeout=60000
shot @Bea %1/alex-02-answer.png
paste "%2" target=@Bea/splitterVertical/frameVSend/frameSend/Send[0]
key Return target=@Bea/splitterVertical/frameVSend/frameSend/Send[0]
wait 3000
await expect-stored Bea "[pic" timeout=30000
await expect-history @Bea "Thanks for the picture" timeout=60000
shot @Bea %1/alex-03-picture-sent.png
)TOUR";

// Bea waits for Alex and answers, typing a while first; the picture comes.
const char kBeaTour[] = R"TOUR(
tabbed off
await expect-stored Alex "real XMPP server" timeout=60000
open Alex
await expect-history @Alex "real XMPP server" timeout=60000
type "Hello Alex, it arrived " target=@Alex/splitterVertical/frameVSend/frameSend/Send[0]
pause 2500
type "[b]instantly[/b]!" target=@Alex/splitterVertical/frameVSend/frameSend/Send[0]
key Return target=@Alex/splitterVertical/frameVSend/frameSend/Send[0]
await expect-history @Alex "instantly" timeout=60000
shot @Alex %1/bea-01-conversation.png
await expect-stored Alex "[pic" timeout=60000
wait 3000
type "Thanks for the picture!" target=@Alex/splitterVertical/frameVSend/frameSend/Send[0]
key Return target=@Alex/splitterVertical/frameVSend/frameSend/Send[0]
wait 1000
shot @Alex %1/bea-02-picture-received.png
pause 2000
)TOUR";

bool writeText(const QString &path, const QByteArray &text)
{
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size() && f.commit();
}

QJsonObject account(const hostkit::ProsodyServer &server, const QString &user)
{
    return QJsonObject{{"jid", server.jid(user)},
                       {"password", QStringLiteral("demo-") + user},
                       {"host", QStringLiteral("127.0.0.1")},
                       {"port", int(server.port())}};
}

bool writeProfiles(const hostkit::ProsodyServer &server, const QString &folder, QString *error)
{
    const QString roomJid = QString::fromLatin1(kRoomUser) + QLatin1Char('@') + server.roomService();
    // Alex: the default profile (contacts, a few days of history), on the network.
    const QString alexFolder = QDir(folder).filePath(QStringLiteral("alex"));
    const hostkit::Result created = hostkit::Profile::createDefault(alexFolder, QDateTime::currentDateTime());
    if (!created) {
        *error = created.error;
        return false;
    }
    hostkit::Profile alex = hostkit::Profile::load(alexFolder, error);
    if (!alex.isValid())
        return false;
    alex.setXmppAccount(account(server, QStringLiteral("alex")));
    alex.peers().clear(); // people answer for themselves now
    for (hostkit::Contact &c : alex.contacts()) {
        if (c.id == "1001")
            c.jid = server.jid(QStringLiteral("bea"));
        else if (c.isRoom())
            c.jid = roomJid;
        if (!c.isRoom())
            c.status = hostkit::Contact::Offline; // until the server tells
    }
    if (const hostkit::Result saved = alex.save(); !saved) {
        *error = saved.error;
        return false;
    }
    // Bea: her own account, Alex and the room.
    const QString beaFolder = QDir(folder).filePath(QStringLiteral("bea"));
    QDir().mkpath(beaFolder);
    const QJsonObject bea{
        {"identity", QStringLiteral("bea.hansen@example.org")},
        {"own", QJsonObject{{"id", "1001"}, {"userName", "bea"}, {"displayName", "Bea Hansen"},
                            {"firstName", "Bea"}, {"lastName", "Hansen"}, {"status", 1}}},
        {"contacts", QJsonArray{
            QJsonObject{{"id", "1000"}, {"userName", "alex"}, {"displayName", "Alex Morgan"}, {"firstName", "Alex"},
                        {"lastName", "Morgan"}, {"status", 0}, {"jid", server.jid(QStringLiteral("alex"))}},
            QJsonObject{{"id", "5001"}, {"userName", "lighthouse"}, {"displayName", "Project Lighthouse"}, {"status", 1},
                        {"type", 1}, {"members", QJsonArray{"1000", "1001"}}, {"jid", roomJid}}}},
        {"xmpp", account(server, QStringLiteral("bea"))},
    };
    if (!writeText(QDir(beaFolder).filePath(QStringLiteral("profile.json")), QJsonDocument(bea).toJson())) {
        *error = QStringLiteral("cannot write Bea's profile in %1").arg(beaFolder);
        return false;
    }
    return true;
}

} // namespace

int runXmppDemo(const XmppDemoOptions &options)
{
    QDir(options.folder).removeRecursively();
    QDir().mkpath(options.folder);
    // The server runs as its own user when we are root; it must reach its folder.
    QFile::setPermissions(options.folder, QFile::permissions(options.folder) | QFile::ExeOther | QFile::ReadOther);
    hostkit::ProsodyServer server(QDir(options.folder).filePath(QStringLiteral("prosody")));
    server.addAccount({QStringLiteral("alex"), QStringLiteral("demo-alex"), QStringLiteral("Alex Morgan")});
    server.addAccount({QStringLiteral("bea"), QStringLiteral("demo-bea"), QStringLiteral("Bea Hansen")});
    const hostkit::Result started = server.start();
    if (!started) {
        std::fprintf(stderr, "chat-host: the XMPP demo needs prosody: %s\n", qPrintable(started.error));
        return 2;
    }
    std::printf("chat-host: prosody serves %s on 127.0.0.1:%u\n", qPrintable(server.domain()), unsigned(server.port()));
    std::fflush(stdout);
    QString error;
    if (!writeProfiles(server, options.folder, &error)) {
        std::fprintf(stderr, "chat-host: %s\n", qPrintable(error));
        return 2;
    }

    // The picture Alex sends.
    const QString picture = QDir(options.folder).filePath(QStringLiteral("harbour.png"));
    {
        QImage image(320, 200, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient sky(0, 0, 0, 200);
        sky.setColorAt(0, QColor(0x87ceeb));
        sky.setColorAt(1, QColor(0x1e5799));
        painter.fillRect(image.rect(), sky);
        painter.setBrush(QColor(0xf5f5dc));
        painter.setPen(Qt::NoPen);
        painter.drawRect(140, 60, 40, 110);
        painter.setBrush(QColor(0xcc3333));
        painter.drawRect(140, 80, 40, 20);
        painter.drawRect(140, 120, 40, 20);
        painter.setBrush(QColor(0xffd700));
        painter.drawEllipse(QPoint(160, 50), 14, 14);
        painter.end();
        image.save(picture, "PNG");
    }

    struct Side
    {
        QString name;
        const char *tour;
        std::unique_ptr<QProcess> process;
    };
    Side sides[] = {{QStringLiteral("alex"), kAlexTour, nullptr}, {QStringLiteral("bea"), kBeaTour, nullptr}};
    for (Side &side : sides) {
        // Each its own application folder: two hosts laying out one at the
        // same time would trip over each other.
        QStringList arguments{QStringLiteral("--plugin"), options.pluginPath, QStringLiteral("--profile"),
                              QDir(options.folder).filePath(side.name), QStringLiteral("--app-folder"),
                              QDir(options.folder).filePath(side.name + QStringLiteral("-app"))};
        if (!options.shots.isEmpty()) {
            const QString script = QDir(options.folder).filePath(side.name + QStringLiteral(".scenario"));
            writeText(script, QString::fromLatin1(side.tour).arg(options.shots, picture).toUtf8());
            arguments << QStringLiteral("--script") << script;
        }
        side.process = std::make_unique<QProcess>();
        side.process->setProcessChannelMode(QProcess::ForwardedChannels);
        side.process->start(options.program, arguments);
    }
    int code = 0;
    for (Side &side : sides) {
        const bool ended = side.process->waitForFinished(options.shots.isEmpty() ? -1 : kSideTimeoutMs);
        if (!ended) {
            side.process->kill();
            side.process->waitForFinished();
        }
        if (!ended || side.process->exitStatus() != QProcess::NormalExit || side.process->exitCode() != 0) {
            std::fprintf(stderr, "chat-host: %s's side of the demo failed\n", qPrintable(side.name));
            code = 1;
        }
    }
    server.stop();
    return code;
}
