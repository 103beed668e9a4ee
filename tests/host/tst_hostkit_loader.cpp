#include "hostkit/host.h"
#include "hostkit/hostservices.h"
#include "hostkit/messagestore.h"
#include "hostkit/pluginlibrary.h"

#include <sdk/iplugin.h>

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

class TestHostkitLoader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadFailuresAreClearErrors_data();
    void loadFailuresAreClearErrors();
    void loadsAndRegistersFurtherPlugin();
    void initializeAndShutdownRepeat();
    void deliveriesReachThePlugin();
    void journalCanBeSwitchedOffAndDumped();
    void detachedServicesNeedNoLibrary();
};

void TestHostkitLoader::loadFailuresAreClearErrors_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing-file") << QStringLiteral("missing") << QStringLiteral("not found");
    QTest::newRow("text-file-not-a-library") << QStringLiteral("text") << QStringLiteral("Cannot load plug-in library");
    QTest::newRow("folder-not-a-file") << QStringLiteral("folder") << QStringLiteral("is not a file");
    QTest::newRow("library-without-createPlugin") << QStringLiteral("nocreate") << QStringLiteral("does not export createPlugin");
}

void TestHostkitLoader::loadFailuresAreClearErrors()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QString path;
    if (kind == QLatin1String("missing")) {
        path = dir.filePath(QStringLiteral("libnothere.so"));
    } else if (kind == QLatin1String("text")) {
        path = dir.filePath(QStringLiteral("libfake.so"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\necho not a library\n");
    } else if (kind == QLatin1String("folder")) {
        path = dir.path();
    } else {
        path = QStringLiteral(NOCREATE_LIBRARY);
    }
    hostkit::Host host(hostkit::Profile::inMemory());
    const hostkit::Result r = host.loadPlugin(path);
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(expected), qPrintable(r.error));
    QVERIFY(!host.firstPlugin());
    QVERIFY(host.plugins().isEmpty());
}

void TestHostkitLoader::loadsAndRegistersFurtherPlugin()
{
    hostkit::Host host(hostkit::Profile::inMemory());
    const hostkit::Result r = host.loadPlugin(QStringLiteral(TEST_PLUGIN));
    QVERIFY2(r.ok, qPrintable(r.error));
    QVERIFY(host.pluginsInitialized());
    QCOMPARE(host.plugins().size(), 2);
    QCOMPARE(QByteArray(host.plugins().at(0)->pluginId()), QByteArray("test_main"));
    QCOMPARE(QByteArray(host.plugins().at(1)->pluginId()), QByteArray("test_extra"));
    QCOMPARE(host.findPlugin("test_extra"), host.plugins().at(1));
    QVERIFY(!host.findPlugin("chat"));
    QVERIFY(host.roomsListener());

    // createPlugin received the host's thread manager.
    bool seen = false;
    for (int i = 0; i < host.threadManager().threadCount(); ++i)
        seen = seen || QByteArray(host.threadManager().threadNameAt(i)) == "testplugin-worker";
    QVERIFY(seen);

    // findPlugin as a service, from the further object's point of view.
    IHostServices *extra = host.servicesOf(host.findPlugin("test_extra"));
    QCOMPARE(extra->findPlugin("test_main"), host.firstPlugin());
    QVERIFY(!extra->findPlugin("nothing"));
    QVERIFY(!extra->findPlugin(nullptr));

    // Each plug-in object has services of its own.
    auto *mainServices = static_cast<hostkit::HostServices *>(host.servicesOf(host.firstPlugin()));
    auto *extraServices = static_cast<hostkit::HostServices *>(host.servicesOf(host.findPlugin("test_extra")));
    QVERIFY(mainServices && extraServices);
    QVERIFY(mainServices != extraServices);

    // The journal tells which object's service made each call.
    const auto registrations = host.journal().calls("registerPlugin");
    QCOMPARE(registrations.size(), 1);
    QCOMPARE(registrations.first().service, QByteArray("test_main"));
    QCOMPARE(registrations.first().arguments.first().toString(), QStringLiteral("test_extra"));
    const auto sounds = host.journal().calls("playSound");
    QCOMPARE(sounds.size(), 1);
    QCOMPARE(sounds.first().service, QByteArray("test_extra"));
    QCOMPARE(sounds.first().serviceNumber, extraServices->number());
    QCOMPARE(host.journal().calls("appName").first().serviceNumber, mainServices->number());

    // The further object is initialised after the first one finished.
    QStringList order;
    for (const auto &e : host.journal().entries()) {
        if (e.operation == "initialize" || e.operation == "registerPlugin" || e.operation == "registerRoomsListener")
            order << QString::fromUtf8(e.service + ':' + e.operation);
    }
    QCOMPARE(order, (QStringList{"test_main:initialize", "test_main:registerPlugin", "test_main:registerRoomsListener",
                                 "test_extra:initialize"}));
    QCOMPARE(host.sounds().size(), 1);
    QVERIFY2(host.sounds().first().exists, qPrintable(host.sounds().first().file));
}

void TestHostkitLoader::initializeAndShutdownRepeat()
{
    hostkit::Host host(hostkit::Profile::inMemory());
    QVERIFY(host.loadPlugin(QStringLiteral(TEST_PLUGIN)).ok);
    for (int round = 0; round < 3; ++round) {
        host.journal().clear();
        host.shutdownPlugins();
        QVERIFY(!host.pluginsInitialized());
        QVERIFY(host.plugins().isEmpty());
        QVERIFY(!host.roomsListener());
        QVERIFY(!host.findPlugin("test_extra"));
        QStringList shutdowns;
        for (const auto &e : host.journal().entries()) {
            if (e.operation == "shutdown")
                shutdowns << QString::fromUtf8(e.service);
        }
        QCOMPARE(shutdowns, (QStringList{"test_extra", "test_main"}));

        QVERIFY(host.initializePlugins().ok);
        QCOMPARE(host.plugins().size(), 2);
        QVERIFY(host.findPlugin("test_extra"));
        QCOMPARE(host.journal().count("registerPlugin"), 1);
        QVERIFY(host.initializePlugins().ok); // already initialised: nothing twice
        QCOMPARE(host.journal().count("registerPlugin"), 1);
    }
    // A second host in the same process loads the same library again.
    hostkit::Host second(hostkit::Profile::inMemory());
    QVERIFY(!host.loadPlugin(QStringLiteral(TEST_PLUGIN)).ok); // one library per host
}

void TestHostkitLoader::deliveriesReachThePlugin()
{
    hostkit::Host host(hostkit::Profile::inMemory());
    QVERIFY(host.loadPlugin(QStringLiteral(TEST_PLUGIN)).ok);
    const qint64 ping = host.receiveMessage("1001", "ping", "session-1");
    QVERIFY(ping > 0);
    // The plug-in answered through sendInstantMessage: stored and on the wire.
    const auto sends = host.journal().calls("sendInstantMessage");
    QCOMPARE(sends.size(), 1);
    QCOMPARE(sends.first().arguments, (QJsonArray{"session-1", "1001", "pong"}));
    const auto newest = host.store().newest("1001", 2);
    QCOMPARE(newest.size(), 2);
    QCOMPARE(newest.last().body, QByteArray("pong"));
    QVERIFY(!newest.last().received);
    QCOMPARE(newest.last().sessionKey, QByteArray("session-1"));
    QCOMPARE(host.missedMessageCount("1001"), 1);

    host.deliverControl("1002", "<data COMMAND=\"WRITING\" session_id=\"\" room_id=\"\"/>\r\n", "test_main");
    QCOMPARE(host.journal().calls("canChatWith").last().arguments.first().toString(), QStringLiteral("1002"));
    QVERIFY(host.execute("test_extra", "1003"));
    QCOMPARE(host.journal().calls("canChatWith").last().service, QByteArray("test_extra"));
}

void TestHostkitLoader::journalCanBeSwitchedOffAndDumped()
{
    hostkit::Host host(hostkit::Profile::inMemory());
    IHostServices *s = host.servicesFor("chat");
    s->interfaceLanguage();
    host.journal().setEnabled(false);
    s->appName(-1);
    host.journal().setEnabled(true);
    s->hostNumber();
    const QList<QByteArray> lines = host.journal().toJsonLines().split('\n');
    QStringList ops;
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonObject o = QJsonDocument::fromJson(line, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        if (o.value(QStringLiteral("dir")).toString() == QLatin1String("call")) {
            ops << o.value(QStringLiteral("op")).toString();
            QCOMPARE(o.value(QStringLiteral("service")).toString(), QStringLiteral("chat"));
        }
    }
    QCOMPARE(ops, (QStringList{"interfaceLanguage", "hostNumber"}));
}

void TestHostkitLoader::detachedServicesNeedNoLibrary()
{
    hostkit::Host host(hostkit::Profile::inMemory());
    IHostServices *s = host.servicesFor("chat");
    QCOMPARE(host.servicesFor("chat"), s);
    QVERIFY(host.servicesFor("broadcast") != s);
    const QString app = QString::fromUtf16(s->applicationFolder());
    QVERIFY(QFileInfo(app + QStringLiteral("/plugins/chat/sounds/message.wav")).isFile());
    QVERIFY(QFileInfo(app + QStringLiteral("/plugins/chat/dictionaries/languages.txt")).isFile());
    QVERIFY(QFileInfo(QString::fromUtf16(s->settingsFolder(-1))).isDir());
    QVERIFY(QFileInfo(QString::fromUtf16(s->dataFolder(-1))).isDir());
    QVERIFY(QString::fromUtf16(s->settingsFolder(-1)).contains(host.profile().identity()));
}

QTEST_MAIN(TestHostkitLoader)
#include "tst_hostkit_loader.moc"
