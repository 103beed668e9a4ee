// The reference host with the real chat plug-in library: loading, the two
// further plug-in objects it registers, their own service objects, the
// shutdown order, repeated, and the host's clock and screens reaching it.
#include "hostkit/host.h"

#include "lib_kelvan/clock.h"

#include <sdk/iplugin.h>

#include <QApplication>
#include <QProcess>
#include <QSplitter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The first vertical splitter of a visible top-level window, or null.
QSplitter *visibleVerticalSplitter()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        for (QSplitter *splitter : top->findChildren<QSplitter *>()) {
            if (splitter->orientation() == Qt::Vertical && splitter->count() > 1 && splitter->isVisible())
                return splitter;
        }
    }
    return nullptr;
}

// Drags the splitter's first handle down by `dy` as a user would.
void dragHandle(QSplitter *splitter, int dy)
{
    QSplitterHandle *handle = splitter->handle(1);
    const QPoint from = handle->rect().center();
    const QPoint to = from + QPoint(0, dy);
    QMouseEvent press(QEvent::MouseButtonPress, from, handle->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, to, handle->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, to, handle->mapToGlobal(to), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &press);
    QApplication::sendEvent(handle, &move);
    QApplication::sendEvent(handle, &release);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestHostkitChatPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadsTheThreePluginObjects();
    void shutdownOrderAndRepeat();
    void pluginTimersAndScreensComeFromTheHost();
    void conversationScenarioThroughChatHost_data();
    void conversationScenarioThroughChatHost();
};

void TestHostkitChatPlugin::loadsTheThreePluginObjects()
{
    hostkit::Host host(hostkit::Profile::inMemory());
    const hostkit::Result r = host.loadPlugin(QStringLiteral(CHAT_PLUGIN));
    QVERIFY2(r.ok, qPrintable(r.error));
    QStringList ids;
    for (IPlugin *p : host.plugins())
        ids << QString::fromUtf8(p->pluginId());
    QCOMPARE(ids, (QStringList{"chat", "chat_rooms", "broadcast"}));
    QSet<IHostServices *> services;
    for (IPlugin *p : host.plugins())
        services.insert(host.servicesOf(p));
    QCOMPARE(services.size(), 3);
    const auto registrations = host.journal().calls("registerPlugin");
    QCOMPARE(registrations.size(), 2);
    for (const auto &e : registrations)
        QCOMPARE(e.service, QByteArray("chat"));
    QCOMPARE(host.findPlugin("broadcast"), host.plugins().at(2));
}

void TestHostkitChatPlugin::shutdownOrderAndRepeat()
{
    hostkit::Host host(hostkit::Profile::inMemory());
    QVERIFY(host.loadPlugin(QStringLiteral(CHAT_PLUGIN)).ok);
    for (int round = 0; round < 2; ++round) {
        host.journal().clear();
        host.shutdownPlugins();
        QStringList order;
        for (const auto &e : host.journal().entries()) {
            if (e.direction == hostkit::Journal::Direction::Deliver && e.operation == "shutdown")
                order << QString::fromUtf8(e.service);
        }
        QCOMPARE(order, (QStringList{"chat_rooms", "broadcast", "chat"}));
        QVERIFY(host.plugins().isEmpty());
        QVERIFY(host.initializePlugins().ok);
        QCOMPARE(host.plugins().size(), 3);
        QCOMPARE(host.journal().count("registerPlugin"), 2);
    }
}

// The settings' delayed save is a clock timer of the plug-in: it fires when
// the host moves its clock, not before, and the first-start window sizes it
// writes come from the host's screen.
void TestHostkitChatPlugin::pluginTimersAndScreensComeFromTheHost()
{
    kelvan::ManualClock clock(QDateTime(QDate(2030, 6, 7), QTime(8, 9, 10), Qt::OffsetFromUTC, 7200));
    kelvan::Clock::setInstance(&clock);
    {
        hostkit::Host host(hostkit::Profile::inMemory());
        host.screens().setScreens({{QRect(0, 0, 1200, 900), QRect(0, 0, 1000, 800)}});
        QVERIFY(host.loadPlugin(QStringLiteral(CHAT_PLUGIN)).ok);
        QCOMPARE(host.clock().listenerCount(), 1);
        QVERIFY(host.openChat("1001"));
        QSplitter *splitter = visibleVerticalSplitter();
        QVERIFY(splitter);
        const QString config = host.settingsFolder() + QStringLiteral("/config.ini");
        const QByteArray before = readAll(config);
        dragHandle(splitter, 30);

        host.advance(499);
        QCOMPARE(readAll(config), before);
        host.advance(1);
        const QByteArray saved = readAll(config);
        QVERIFY2(saved.contains("<splitter_chat>") && !saved.contains("<splitter_chat></splitter_chat>"), saved.constData());
        // Half the width and nine tenths of the height the host's panels leave.
        QVERIFY2(saved.contains("<chatwnd_size>500,720</chatwnd_size>"), saved.constData());
        QVERIFY(saved.contains("<maximized>no</maximized>"));

        host.shutdownPlugins();
        QCOMPARE(host.clock().listenerCount(), 0);
    }
    kelvan::Clock::setInstance(nullptr);
}

void TestHostkitChatPlugin::conversationScenarioThroughChatHost_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("contains");

    QTest::newRow("conversation-with-a-scripted-peer")
        << "conversation.scenario" << QStringList() << "out/bea.html" << QByteArray("Got it: Hello");
    // The scenario itself checks the session keys.
    QTest::newRow("session-keys-on-the-host-clock")
        << "clock.scenario" << QStringList{QStringLiteral("--clock"), QStringLiteral("2030-06-07T08:09:10")}
        << "journal.jsonl" << QByteArray("\"1000_20310102030405_1\"");
}

// The committed example scenarios, end to end: chat-host, the real plug-in,
// its chat window, the scripted peer and the store.
void TestHostkitChatPlugin::conversationScenarioThroughChatHost()
{
    QFETCH(QString, scenario);
    QFETCH(QStringList, options);
    QFETCH(QString, file);
    QFETCH(QByteArray, contains);
    QTemporaryDir dir;
    const QString script = dir.filePath(scenario);
    QVERIFY(QFile::copy(qEnvironmentVariable("CHAT_SOURCE_DIR") + QStringLiteral("/host/scenarios/") + scenario, script));
    QProcess host;
    host.setProcessChannelMode(QProcess::MergedChannels);
    host.start(qEnvironmentVariable("CHAT_BINARY_DIR") + QStringLiteral("/host/app/chat-host"),
               QStringList{QStringLiteral("--plugin"), QStringLiteral(CHAT_PLUGIN), QStringLiteral("--script"), script,
                           QStringLiteral("--headless"), QStringLiteral("--app-folder"), dir.filePath(QStringLiteral("app")),
                           QStringLiteral("--journal"), dir.filePath(QStringLiteral("journal.jsonl"))}
                   + options);
    QVERIFY(host.waitForFinished(90000));
    const QString output = QString::fromLocal8Bit(host.readAll());
    QVERIFY2(host.exitCode() == 0, qPrintable(output));
    QVERIFY(readAll(dir.filePath(file)).contains(contains));
    if (scenario == QLatin1String("conversation.scenario"))
        QVERIFY(!QImage(dir.filePath(QStringLiteral("out/bea.png"))).isNull());
}

QTEST_MAIN(TestHostkitChatPlugin)
#include "tst_hostkit_chatplugin.moc"
