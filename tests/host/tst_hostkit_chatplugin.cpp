// The reference host with the real chat plug-in library: loading, the two
// further plug-in objects it registers, their own service objects, and the
// shutdown order, repeated.
#include "hostkit/host.h"

#include "lib_kelvan/clock.h"

#include <sdk/iplugin.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestHostkitChatPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadsTheThreePluginObjects();
    void shutdownOrderAndRepeat();
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

// The committed example scenario, end to end: chat-host, the real plug-in,
// its chat window, the scripted peer and the store.
void TestHostkitChatPlugin::conversationScenarioThroughChatHost()
{
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("conversation.scenario"));
    QVERIFY(QFile::copy(qEnvironmentVariable("CHAT_SOURCE_DIR") + QStringLiteral("/host/scenarios/conversation.scenario"), script));
    QProcess host;
    host.setProcessChannelMode(QProcess::MergedChannels);
    host.start(qEnvironmentVariable("CHAT_BINARY_DIR") + QStringLiteral("/host/app/chat-host"),
               {QStringLiteral("--plugin"), QStringLiteral(CHAT_PLUGIN), QStringLiteral("--script"), script,
                QStringLiteral("--headless"), QStringLiteral("--app-folder"), dir.filePath(QStringLiteral("app"))});
    QVERIFY(host.waitForFinished(90000));
    const QString output = QString::fromLocal8Bit(host.readAll());
    QVERIFY2(host.exitCode() == 0, qPrintable(output));
    QFile history(dir.filePath(QStringLiteral("out/bea.html")));
    QVERIFY(history.open(QIODevice::ReadOnly));
    QVERIFY(history.readAll().contains("Got it: Hello"));
    QVERIFY(!QImage(dir.filePath(QStringLiteral("out/bea.png"))).isNull());
}

QTEST_MAIN(TestHostkitChatPlugin)
#include "tst_hostkit_chatplugin.moc"
