// chat-host: the reference host application.
//   chat-host --plugin libchat.so                   contact list window
//   chat-host --plugin libchat.so --script FILE     runs a scenario (see host/README.md)
//   chat-host --plugin libchat.so --headless --shots DIR
//   chat-host --plugin libchat.so --xmpp [--headless --shots DIR]   two people through a local prosody
// A profile with an "xmpp" account chats through that server instead of the
// simulated network.
// --clock and --screen give the plug-in the host's time and screens.
#include "contactlistwindow.h"
#include "headlesstour.h"

#include "hostkit/host.h"
#include "hostkit/scenariorunner.h"

#include "lib_kelvan/clock.h"

#ifdef HOSTKIT_HAS_XMPP
#include "xmppdemo.h"
#include "xmpp/xmpptransport.h"
#endif

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <vector>

Q_LOGGING_CATEGORY(lcChatHost, "chathost")

namespace {

// How often the simulated world is looked at while a person uses the host.
constexpr int kWorldTickMs = 50;

void fail(const QString &message)
{
    std::fprintf(stderr, "chat-host: %s\n", qPrintable(message));
}

bool hasOption(int argc, char **argv, const char *name)
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], name) == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    // Headless runs use the offscreen platform unless told otherwise; this
    // has to be decided before the application object exists.
    // A scenario needs no display either: without one it runs offscreen.
    const bool noDisplay = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if ((hasOption(argc, argv, "--headless") || (hasOption(argc, argv, "--script") && noDisplay))
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // QGuiApplication takes "-plugin"/"--plugin" for its own input plug-ins;
    // ours is taken out of the arguments before it can see it.
    QString pluginPath;
    bool pluginGiven = false;
    std::vector<char *> arguments;
    for (int i = 0; i < argc; ++i) {
        if ((qstrcmp(argv[i], "--plugin") == 0 || qstrcmp(argv[i], "-plugin") == 0) && i + 1 < argc) {
            pluginPath = QString::fromLocal8Bit(argv[++i]);
            pluginGiven = true;
        } else if (qstrncmp(argv[i], "--plugin=", 9) == 0) {
            pluginPath = QString::fromLocal8Bit(argv[i] + 9);
            pluginGiven = true;
        } else {
            arguments.push_back(argv[i]);
        }
    }
    int appArgc = int(arguments.size());
    arguments.push_back(nullptr);
    QApplication app(appArgc, arguments.data());
    QApplication::setApplicationName(QStringLiteral("chat-host"));
    QApplication::setApplicationDisplayName(QStringLiteral("Chat Host"));
    QApplication::setQuitOnLastWindowClosed(true);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The reference host of the chat plug-in."));
    parser.addHelpOption();
    const QCommandLineOption pluginOption(QStringLiteral("plugin"), QStringLiteral("The plug-in library to load."), QStringLiteral("file"));
    const QCommandLineOption profileOption(QStringLiteral("profile"),
                                           QStringLiteral("Profile folder (created with the default contacts and history when missing). "
                                                          "Default: the application data folder; a temporary one for --script and --headless."),
                                           QStringLiteral("folder"));
    const QCommandLineOption scriptOption(QStringLiteral("script"), QStringLiteral("Run a scenario and exit with its result."), QStringLiteral("file"));
    const QCommandLineOption headlessOption(QStringLiteral("headless"), QStringLiteral("Run the screenshot tour without a display."));
    const QCommandLineOption shotsOption(QStringLiteral("shots"), QStringLiteral("Folder for the tour's screenshots."), QStringLiteral("folder"));
    const QCommandLineOption pageOption(QStringLiteral("page-size"), QStringLiteral("Messages per history page (default 100)."), QStringLiteral("n"));
    const QCommandLineOption appOption(QStringLiteral("app-folder"),
                                       QStringLiteral("Application folder with emoticons, dictionaries, sounds and skin "
                                                      "(default: appfolder beside the executable; laid out when needed)."),
                                       QStringLiteral("folder"));
    const QCommandLineOption languageOption(QStringLiteral("language"), QStringLiteral("Interface language code (default en)."), QStringLiteral("code"));
    const QCommandLineOption journalOption(QStringLiteral("journal"), QStringLiteral("Write the call journal (JSON lines) here at exit."), QStringLiteral("file"));
    const QCommandLineOption clockOption(QStringLiteral("clock"),
                                         QStringLiteral("Start time of the simulated clock for --script and --headless (ISO 8601, default: now)."),
                                         QStringLiteral("time"));
    const QCommandLineOption screenOption(QStringLiteral("screen"),
                                          QStringLiteral("A screen the plug-in lays windows out on, as WxH+X+Y[:WxH+X+Y] "
                                                         "(the second part: what panels leave); repeat for more, primary first. "
                                                         "Default: the machine's screens."),
                                          QStringLiteral("geometry"));
    const QCommandLineOption xmppOption(QStringLiteral("xmpp"),
                                        QStringLiteral("Start a local prosody server and two hosts (Alex and Bea) chatting through it."));
    const QCommandLineOption xmppFolderOption(QStringLiteral("xmpp-folder"),
                                              QStringLiteral("Folder for --xmpp's server, profiles and scenarios (default: a temporary one)."),
                                              QStringLiteral("folder"));
    parser.addOptions({pluginOption, profileOption, scriptOption, headlessOption, shotsOption, pageOption, appOption,
                       languageOption, journalOption, clockOption, screenOption, xmppOption, xmppFolderOption});
    parser.process(app);

    if (parser.isSet(xmppOption)) {
#ifdef HOSTKIT_HAS_XMPP
        if (!pluginGiven) {
            fail(QStringLiteral("--xmpp needs --plugin"));
            return 2;
        }
        if (parser.isSet(headlessOption) && !parser.isSet(shotsOption)) {
            fail(QStringLiteral("--xmpp --headless needs --shots DIR"));
            return 2;
        }
        QTemporaryDir demoFolder;
        XmppDemoOptions demo;
        demo.program = QCoreApplication::applicationFilePath();
        demo.pluginPath = pluginPath;
        demo.folder = QDir(parser.isSet(xmppFolderOption) ? parser.value(xmppFolderOption) : demoFolder.path()).absolutePath();
        demo.shots = parser.isSet(headlessOption) ? QDir(parser.value(shotsOption)).absolutePath() : QString();
        return runXmppDemo(demo);
#else
        fail(QStringLiteral("--xmpp: this chat-host was built without QXmpp (apt-get install libqxmpp-dev)"));
        return 2;
#endif
    }

    const bool scripted = parser.isSet(scriptOption);
    const bool headless = parser.isSet(headlessOption);
    if (headless && !parser.isSet(shotsOption) && !scripted) {
        fail(QStringLiteral("--headless needs --shots DIR (or --script FILE)"));
        return 2;
    }

    // Scenarios and the tour run on a clock that moves only when they say.
    std::unique_ptr<kelvan::ManualClock> clock;
    if (scripted || headless) {
        QDateTime start = QDateTime::currentDateTime();
        if (parser.isSet(clockOption)) {
            start = QDateTime::fromString(parser.value(clockOption), Qt::ISODate);
            if (!start.isValid()) {
                fail(QStringLiteral("--clock: \"%1\" is not an ISO 8601 time").arg(parser.value(clockOption)));
                return 2;
            }
        }
        clock = std::make_unique<kelvan::ManualClock>(start);
        kelvan::Clock::setInstance(clock.get());
    }

    QTemporaryDir temporaryProfile;
    // Scripted runs keep what the plug-in writes to the system's temporary
    // folder (pasted pictures) in their own, so that every run starts alike.
    if ((scripted || headless) && temporaryProfile.isValid()) {
        const QString temp = temporaryProfile.filePath(QStringLiteral("tmp"));
        QDir().mkpath(temp);
        qputenv("TMPDIR", QFile::encodeName(temp));
    }
    QString profileFolder = parser.value(profileOption);
    if (profileFolder.isEmpty()) {
        profileFolder = (scripted || headless) ? temporaryProfile.filePath(QStringLiteral("profile"))
                                               : QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("profile"));
    }
    QString error;
    hostkit::Profile profile = hostkit::Profile::openOrCreate(profileFolder, kelvan::Clock::instance().now(), &error);
    if (!profile.isValid()) {
        fail(error);
        return 2;
    }
    hostkit::Host host(std::move(profile));
    if (!host.isReady()) {
        fail(host.error());
        return 2;
    }
    host.setAppName(QApplication::applicationDisplayName());
    host.setApplicationFolder(parser.isSet(appOption) ? parser.value(appOption)
                                                       : QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("appfolder")));
    if (parser.isSet(pageOption)) {
        bool ok = false;
        const int n = parser.value(pageOption).toInt(&ok);
        if (!ok || n < 1) {
            fail(QStringLiteral("--page-size: \"%1\" is not a positive number").arg(parser.value(pageOption)));
            return 2;
        }
        host.setPageSize(n);
    }
    if (parser.isSet(languageOption))
        host.setInterfaceLanguage(parser.value(languageOption).toUtf8());
    QVector<hostkit::HostScreens::Screen> screens;
    for (const QString &text : parser.values(screenOption)) {
        hostkit::HostScreens::Screen screen;
        if (!hostkit::HostScreens::parse(text, &screen, &error)) {
            fail(QStringLiteral("--screen: %1").arg(error));
            return 2;
        }
        screens.append(screen);
    }
    // The tour's pictures should not depend on the machine (the offscreen
    // platform's screen is small enough to open every window maximized).
    if (headless && !scripted && screens.isEmpty())
        screens.append({QRect(0, 0, 1280, 800), QRect(0, 0, 1280, 760)});
    host.screens().setScreens(screens);
    host.applicationFolder(); // lay it out before the plug-in looks

    if (pluginGiven) {
        const hostkit::Result loaded = host.loadPlugin(pluginPath);
        if (!loaded) {
            fail(loaded.error);
            if (scripted)
                return 2;
        }
    } else if (scripted) {
        qCInfo(lcChatHost) << "no --plugin: the scenario runs against the host alone";
    }

#ifdef HOSTKIT_HAS_XMPP
    // The profile's own network account replaces the simulated peers.
    std::unique_ptr<hostkit::XmppTransport> transport;
    if (const auto account = hostkit::XmppTransport::accountOf(host.profile())) {
        transport = std::make_unique<hostkit::XmppTransport>(host, *account);
        transport->connectToServer();
    }
#endif

    ContactListWindow window(host);
    window.show();

    int code = 0;
    if (scripted) {
        hostkit::ScenarioRunner runner(host);
        if (!runner.loadFile(parser.value(scriptOption))) {
            fail(runner.lastMessage());
            return runner.exitCode();
        }
        code = runner.exec();
        if (code != 0)
            fail(runner.lastMessage());
        else
            std::printf("chat-host: %s\n", qPrintable(runner.lastMessage()));
    } else if (headless) {
        HeadlessTour tour(host, window);
        if (!tour.run(parser.value(shotsOption), &error)) {
            fail(error);
            code = 1;
        }
        for (const QString &file : tour.files())
            std::printf("%s\n", qPrintable(file));
    } else {
        // A person at the screen picks the contacts plug-ins ask for.
        host.setContactPicker([&window] { return window.pickContacts(); });
        QTimer world;
        QObject::connect(&world, &QTimer::timeout, &host, &hostkit::Host::processDue);
        world.start(kWorldTickMs);
        code = app.exec();
    }

    if (parser.isSet(journalOption)) {
        QFile out(parser.value(journalOption));
        if (!out.open(QIODevice::WriteOnly) || !host.journal().writeJsonLines(&out)) {
            fail(QStringLiteral("cannot write the journal %1").arg(out.fileName()));
            code = code ? code : 2;
        }
    }
    host.shutdownPlugins();
    kelvan::Clock::setInstance(nullptr);
    return code;
}
