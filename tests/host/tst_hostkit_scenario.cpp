#include "hostkit/host.h"
#include "hostkit/messagestore.h"
#include "hostkit/scenariorunner.h"
#include "hostkit/widgetpath.h"

#include "lib_kelvan/clock.h"

#include <sdk/ihostservices.h>

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A window shaped like the ones scenarios drive: two buttons share a name,
// an unnamed frame sits between the window and its children.
struct Window
{
    QWidget top;
    QLineEdit *edit = nullptr;
    QPushButton *first = nullptr;
    QPushButton *second = nullptr;
    QTextBrowser *history = nullptr;
    QAction *bold = nullptr;
    int firstClicks = 0;
    int secondClicks = 0;
    int boldTriggers = 0;

    Window()
    {
        top.setObjectName(QStringLiteral("Main"));
        top.setWindowTitle(QStringLiteral("Bea Hansen - Chat"));
        auto *frame = new QWidget(&top); // unnamed: looked through
        auto *layout = new QVBoxLayout(frame);
        auto *send = new QWidget(frame);
        send->setObjectName(QStringLiteral("frameSend"));
        auto *sendLayout = new QVBoxLayout(send);
        edit = new QLineEdit(send);
        edit->setObjectName(QStringLiteral("Edit"));
        first = new QPushButton(QStringLiteral("One"), send);
        first->setObjectName(QStringLiteral("Send"));
        second = new QPushButton(QStringLiteral("Two"), send);
        second->setObjectName(QStringLiteral("Send"));
        sendLayout->addWidget(edit);
        sendLayout->addWidget(first);
        sendLayout->addWidget(second);
        history = new QTextBrowser(frame);
        history->setObjectName(QStringLiteral("Receive"));
        history->setHtml(QStringLiteral("<p>earlier <b>message</b></p>"));
        layout->addWidget(history);
        layout->addWidget(send);
        auto *topLayout = new QVBoxLayout(&top);
        topLayout->addWidget(frame);
        bold = new QAction(&top);
        bold->setShortcut(QKeySequence(QStringLiteral("Ctrl+B")));
        top.addAction(bold);
        QObject::connect(first, &QPushButton::clicked, [this] { ++firstClicks; });
        QObject::connect(second, &QPushButton::clicked, [this] { ++secondClicks; });
        QObject::connect(bold, &QAction::triggered, [this] { ++boldTriggers; });
        top.show();
        top.activateWindow();
        edit->setFocus();
    }
};

QString binary(const char *relative)
{
    return qEnvironmentVariable("CHAT_BINARY_DIR") + QLatin1Char('/') + QLatin1String(relative);
}

// Runs chat-host headless over an application folder in `dir`: its exit
// code (-1 when it hangs), and in `output` all it printed.
int runChatHost(QStringList arguments, const QTemporaryDir &dir, QString *output)
{
    QProcess host;
    host.setProcessChannelMode(QProcess::MergedChannels);
    host.start(binary("host/app/chat-host"),
               arguments << QStringLiteral("--headless") << QStringLiteral("--app-folder") << dir.filePath(QStringLiteral("app")));
    if (!host.waitForFinished(60000))
        return -1;
    *output = QString::fromLocal8Bit(host.readAll());
    return host.exitCode();
}

QString writeScript(const QTemporaryDir &dir, const QByteArray &text)
{
    QFile script(dir.filePath(QStringLiteral("test.scenario")));
    return script.open(QIODevice::WriteOnly) && script.write(text) == text.size() ? script.fileName() : QString();
}

} // namespace

class TestHostkitScenario : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void tokenizer_data();
    void tokenizer();
    void widgetPaths_data();
    void widgetPaths();
    void typesKeysAndClicks();
    void answersAQuestionBox();
    void wrongScenariosStopWithTheLine_data();
    void wrongScenariosStopWithTheLine();
    void peersAndExpectationsInProcess();
    void chatHostRunsAScenario();
    void chatHostReportsScriptErrors();
    void chatHostHeadlessTour();

private:
    std::unique_ptr<kelvan::ManualClock> m_clock;
};

void TestHostkitScenario::init()
{
    m_clock = std::make_unique<kelvan::ManualClock>();
    kelvan::Clock::setInstance(m_clock.get());
}

void TestHostkitScenario::cleanup()
{
    kelvan::Clock::setInstance(nullptr);
    m_clock.reset();
}

void TestHostkitScenario::tokenizer_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("options");
    QTest::newRow("plain-words") << "receive 1001 hello" << QStringList{"receive", "1001", "hello"} << QString();
    QTest::newRow("quoted-with-escapes") << "receive 1001 \"a \\\"b\\\"\\nc\"" << QStringList{"receive", "1001", "a \"b\"\nc"} << QString();
    QTest::newRow("option-with-quoted-value") << "peer Bea reply=\"thanks, %1\" after=200"
                                              << QStringList{"peer", "Bea"} << QStringLiteral("after=200;reply=thanks, %1");
    QTest::newRow("equals-inside-quotes-is-text") << "type \"a=b\"" << QStringList{"type", "a=b"} << QString();
}

void TestHostkitScenario::tokenizer()
{
    QFETCH(QString, line);
    QStringList gotArgs;
    QHash<QString, QString> gotOptions;
    QString error;
    QVERIFY2(hostkit::ScenarioRunner::tokenize(line, &gotArgs, &gotOptions, &error), qPrintable(error));
    QTEST(gotArgs, "args");
    QStringList pairs;
    for (auto it = gotOptions.cbegin(); it != gotOptions.cend(); ++it)
        pairs << it.key() + QLatin1Char('=') + it.value();
    pairs.sort();
    QTEST(pairs.join(QLatin1Char(';')), "options");
    QVERIFY(!hostkit::ScenarioRunner::tokenize(QStringLiteral("type \"open"), &gotArgs, &gotOptions, &error));
}

void TestHostkitScenario::widgetPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected"); // object name + text, or the error fragment
    QTest::newRow("through-an-unnamed-frame") << "Main/frameSend/Edit" << "Edit";
    QTest::newRow("indexed-first") << "Main/frameSend/Send[0]" << "Send:One";
    QTest::newRow("indexed-second") << "Main/frameSend/Send[1]" << "Send:Two";
    QTest::newRow("shared-name-without-index") << "Main/frameSend/Send" << "add an index";
    QTest::newRow("index-out-of-range") << "Main/frameSend/Send[2]" << "only 2 widgets";
    QTest::newRow("by-window-title") << "@bea hansen/Receive" << "Receive";
    QTest::newRow("unknown-name") << "Main/frameSend/Nope" << "no widget named \"Nope\" under Main/frameSend";
    QTest::newRow("unknown-window") << "Other/Edit" << "among the visible windows";
}

void TestHostkitScenario::widgetPaths()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    Window window;
    QString error;
    QWidget *w = hostkit::WidgetPath::find(path, &error);
    if (!w) {
        QVERIFY2(error.contains(expected), qPrintable(error));
        return;
    }
    const auto *button = qobject_cast<QPushButton *>(w);
    QCOMPARE(button ? w->objectName() + QLatin1Char(':') + button->text() : w->objectName(), expected);
    // The path of a widget leads back to it.
    QCOMPARE(hostkit::WidgetPath::find(hostkit::WidgetPath::of(w), &error), w);
    QVERIFY(hostkit::WidgetPath::describeAll().contains(QStringLiteral("Main/frameSend/Send[1]  (QPushButton)")));
}

void TestHostkitScenario::typesKeysAndClicks()
{
    Window window;
    hostkit::Host host(hostkit::Profile::inMemory());
    hostkit::ScenarioRunner runner(host);
    QVERIFY(runner.load(QStringLiteral("type \"Hi there\" target=Main/frameSend/Edit\n"
                                       "key Backspace Backspace E target=Main/frameSend/Edit\n"
                                       "key Ctrl+B target=Main/frameSend/Edit\n"
                                       "click Main/frameSend/Send[1]\n")));
    QCOMPARE(runner.exec(), 0);
    QCOMPARE(window.edit->text(), QStringLiteral("Hi thee"));
    QCOMPARE(window.firstClicks, 0);
    QCOMPARE(window.secondClicks, 1);
    QCOMPARE(window.boldTriggers, 1);
}

void TestHostkitScenario::answersAQuestionBox()
{
    Window window;
    hostkit::Host host(hostkit::Profile::inMemory());
    int answer = -1;
    QObject::connect(window.first, &QPushButton::clicked, [&] {
        answer = QMessageBox::question(&window.top, QStringLiteral("Chat Host"), QStringLiteral("Stop all uploads?"));
    });
    hostkit::ScenarioRunner runner(host);
    QVERIFY(runner.load(QStringLiteral("answer No\nclick Main/frameSend/Send[0]\nanswer Yes\nclick Main/frameSend/Send[0]\n")));
    QSignalSpy steps(&runner, &hostkit::ScenarioRunner::stepStarted);
    QCOMPARE(runner.exec(), 0);
    QCOMPARE(answer, int(QMessageBox::Yes));
    QCOMPARE(steps.count(), 4);

    // A box nobody expected ends the scenario instead of hanging it.
    QVERIFY(runner.load(QStringLiteral("click Main/frameSend/Send[0]\n")));
    QCOMPARE(runner.exec(), 2);
    QVERIFY2(runner.lastMessage().contains(QStringLiteral("no \"answer\" step expected")), qPrintable(runner.lastMessage()));
    QVERIFY(!QApplication::activeModalWidget());
}

void TestHostkitScenario::wrongScenariosStopWithTheLine_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown-step") << "# comment\n\nwait 10\nfly away\n" << 2 << "line 4: unknown step \"fly\"";
    QTest::newRow("too-few-arguments") << "receive 1001\n" << 2 << "line 1: \"receive\" takes 2 arguments, not 1";
    QTest::newRow("unknown-option") << "receive 1001 hi colour=red\n" << 2 << "line 1: \"receive\" has no option \"colour\"";
    QTest::newRow("unclosed-quote") << "wait 1\ntype \"oops\n" << 2 << "line 2: unclosed quote";
    QTest::newRow("bad-number") << "wait soon\n" << 2 << "line 1: wait: \"soon\" is not a number";
    QTest::newRow("unknown-contact") << "receive Zed hello\n" << 2 << "line 1: receive: no contact \"Zed\"";
    QTest::newRow("missing-widget") << "wait 1\nclick Nowhere/Button\n" << 2 << "line 2: click: no widget named \"Nowhere\"";
    QTest::newRow("bad-status") << "presence Bea sleepy\n" << 2 << "\"sleepy\" is not a status";
    QTest::newRow("failed-expectation") << "expect-stored Bea \"never said\"\n" << 1 << "line 1: expect-stored: no stored message";
    QTest::newRow("await-without-an-expectation") << "await wait 10\n" << 2 << "line 1: await: await takes an expect-... step";
    QTest::newRow("await-gives-up-after-its-timeout") << "await expect-stored Bea \"never said\" timeout=50\n" << 1 << "(waited 50 ms)";
    QTest::newRow("key-that-is-no-key") << "key Ctrl+Nope target=Main/frameSend/Edit\n" << 2 << "is not a key";
}

void TestHostkitScenario::wrongScenariosStopWithTheLine()
{
    QFETCH(QString, script);
    QFETCH(QString, message);
    Window window;
    hostkit::Host host(hostkit::Profile::inMemory());
    hostkit::ScenarioRunner runner(host);
    const int got = runner.load(script) ? runner.exec() : runner.exitCode();
    QTEST(got, "code");
    QVERIFY2(runner.lastMessage().contains(message), qPrintable(runner.lastMessage()));
}

void TestHostkitScenario::peersAndExpectationsInProcess()
{
    hostkit::Host host(hostkit::Profile::inMemory());
    hostkit::ScenarioRunner runner(host);
    QTemporaryDir dir;
    runner.setBaseFolder(dir.path());
    QVERIFY(runner.load(QStringLiteral(
        "peer Bea reply=\"got %1\" typing=100 after=300\n"
        "receive \"Bea Hansen\" \"first\" session=s1\n"
        "presence 1002 busy \"Presenting\"\n")));
    QCOMPARE(runner.exec(), 0);
    QCOMPARE(host.profile().find("1002")->status, 3);
    QCOMPARE(host.profile().find("1002")->statusMessage, QStringLiteral("Presenting"));
    QVERIFY(host.servicesFor("chat")->sendInstantMessage("s1", "1001", "second"));
    QVERIFY(runner.load(QStringLiteral("wait 299\nexpect-stored Bea \"got second\"\n")));
    QCOMPARE(runner.exec(), 1);
    QVERIFY(runner.load(QStringLiteral("wait 1\nexpect-stored Bea \"got second\"\nexpect-call sendInstantMessage count=1 contains=second\n"
                                       "journal out/journal.jsonl\n")));
    QCOMPARE(runner.exec(), 0);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("out/journal.jsonl"))).size() > 0);
    // Waiting in real time moves the host's clock along: the answer due
    // 300 ms later arrives while the step waits.
    QVERIFY(host.servicesFor("chat")->sendInstantMessage("s1", "1001", "third"));
    QVERIFY(runner.load(QStringLiteral("await expect-stored Bea \"got third\" timeout=10000\n"
                                       "await expect-call sendInstantMessage contains=third count=1\n")));
    QCOMPARE(runner.exec(), 0);
}

void TestHostkitScenario::chatHostRunsAScenario()
{
    QTemporaryDir dir;
    const QString script = writeScript(dir, "# the test plug-in answers ping with pong\n"
                                            "receive Bea ping session=abc\n"
                                            "expect-stored Bea pong\n"
                                            "expect-call sendInstantMessage service=test_main contains=pong\n"
                                            "execute test_extra Chris\n"
                                            "expect-call canChatWith service=test_extra contains=1002\n"
                                            "answer Yes\n"
                                            "settings plugin=test_main\n"
                                            "expect-sound answered-yes\n"
                                            "wait 2500\n"
                                            "shot ContactList shots/list.png\n"
                                            "journal journal.jsonl\n");
    QString output;
    QVERIFY2(runChatHost({QStringLiteral("--plugin"), binary("tests/host/libhostkit_testplugin.so"),
                          QStringLiteral("--script"), script}, dir, &output) == 0, qPrintable(output));
    QVERIFY(output.contains(QStringLiteral("scenario done: 11 steps")));
    QCOMPARE(QImage(dir.filePath(QStringLiteral("shots/list.png"))).isNull(), false);
    QFile journal(dir.filePath(QStringLiteral("journal.jsonl")));
    QVERIFY(journal.open(QIODevice::ReadOnly));
    const QByteArray lines = journal.readAll();
    QVERIFY(lines.contains("\"op\":\"registerPlugin\""));
    QVERIFY(lines.contains("\"op\":\"onMessage\""));
}

void TestHostkitScenario::chatHostReportsScriptErrors()
{
    QTemporaryDir dir;
    const QString script = writeScript(dir, "wait 100\nreceive Bea\n");
    QString output;
    QCOMPARE(runChatHost({QStringLiteral("--script"), script}, dir, &output), 2);
    QVERIFY2(output.contains(QStringLiteral("line 2: \"receive\" takes 2 arguments, not 1")), qPrintable(output));
    QCOMPARE(runChatHost({QStringLiteral("--plugin"), dir.filePath(QStringLiteral("libnone.so")), QStringLiteral("--script"),
                          script}, dir, &output), 2);
    QVERIFY2(output.contains(QStringLiteral("Plug-in library not found")), qPrintable(output));
}

void TestHostkitScenario::chatHostHeadlessTour()
{
    QTemporaryDir dir;
    QString output;
    QVERIFY2(runChatHost({QStringLiteral("--plugin"), binary("tests/host/libhostkit_testplugin.so"), QStringLiteral("--shots"),
                          dir.filePath(QStringLiteral("shots"))}, dir, &output) == 0, qPrintable(output));
    for (const char *name : {"01-contact-list.png", "02-contact-selected.png", "03-plugin-menu.png"}) {
        const QImage shot(dir.filePath(QStringLiteral("shots/")) + QLatin1String(name));
        QVERIFY2(!shot.isNull(), name);
        QVERIFY(shot.width() >= 300 && shot.height() >= 400);
    }
}

QTEST_MAIN(TestHostkitScenario)
#include "tst_hostkit_scenario.moc"
