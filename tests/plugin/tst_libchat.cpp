// The real libchat.so as a host sees it: loaded by hostkit, driven through
// the raw slots of the objects it hands out, judged by hostkit's call
// journal and by what the host stores. Nothing of the library is linked
// into this executable, so every singleton under test is the library's own.

#include "hostkit/conversationrecord.h"
#include "hostkit/host.h"
#include "hostkit/hostimage.h"
#include "hostkit/hostmessage.h"
#include "hostkit/hostuser.h"
#include "hostkit/hostvariable.h"
#include "lib_kelvan/clock.h"

#include <sdk/iplugin.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLibrary>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    bool hasParent = false;
};

// Answers the library's message boxes: each modal box that comes up is
// written down and closed with its OK button.
class BoxWatcher : public QObject
{
public:
    BoxWatcher()
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            boxes.append({box->windowTitle(), box->text(), box->standardButtons(), box->parentWidget() != nullptr});
            if (QAbstractButton *ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->reject();
        });
        m_timer.start();
    }
    QList<SeenBox> boxes;

private:
    QTimer m_timer;
};

// The operations the library called on the host, in order.
QStringList callsMade(const hostkit::Journal &journal)
{
    QStringList out;
    for (const auto &entry : journal.entries()) {
        if (entry.direction == hostkit::Journal::Direction::Call)
            out << QString::fromUtf8(entry.operation);
    }
    return out;
}

} // namespace

class tst_LibChat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void createPluginIgnoresNullManager();
    void identities_data();
    void identities();
    void icons_data();
    void icons();
    void policy_data();
    void policy();
    void textChatNeverExecutesMulti();
    void executeOnRoom_data();
    void executeOnRoom();
    void roomsRule_data();
    void roomsRule();
    void secondInitializeRegistersNothingTwice();
    void initializeAndShutdownRepeatedly();
    void settingsFollowTheSignedInIdentity();
    void describeMessage_data();
    void describeMessage();
    void events_data();
    void events();
    void eventDataIsCutToItsLength();
    void sendAttachmentSplitsAtPictures();
    void openConversationRecord();

private:
    IPlugin *plugin(const QByteArray &id) const { return m_host->findPlugin(id); }
    IPlugin *chat() const { return m_host->firstPlugin(); }
    hostkit::Journal &journal() const { return m_host->journal(); }
    hostkit::HostUser user(const QByteArray &id) const { return hostkit::HostUser(*m_host->profile().find(id)); }

    std::unique_ptr<hostkit::Host> m_host;
    kelvan::ManualClock m_clock;
};

void tst_LibChat::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    kelvan::Clock::setInstance(&m_clock);
    m_host = std::make_unique<hostkit::Host>(hostkit::Profile::inMemory());
    QVERIFY2(m_host->isReady(), qPrintable(m_host->error()));
    const hostkit::Result loaded = m_host->loadPlugin(QStringLiteral(CHAT_PLUGIN_PATH));
    QVERIFY2(loaded.ok, qPrintable(loaded.error));
}

void tst_LibChat::init()
{
    if (!m_host->pluginsInitialized())
        QVERIFY(m_host->initializePlugins().ok);
    for (IPlugin *p : m_host->plugins())
        p->setDisabled(false);
    journal().clear();
}

void tst_LibChat::cleanupTestCase()
{
    m_host.reset();
    kelvan::Clock::setInstance(nullptr);
}

void tst_LibChat::createPluginIgnoresNullManager()
{
    QLibrary library(QStringLiteral(CHAT_PLUGIN_PATH));
    QVERIFY2(library.load(), qPrintable(library.errorString()));
    auto create = reinterpret_cast<CreatePluginFunction>(library.resolve("createPlugin"));
    QVERIFY(create);
    const int threads = m_host->threadManager().threadCount();
    // The one static object again; the host's manager stays the library's.
    QCOMPARE(create(nullptr), chat());
    QCOMPARE(create(&m_host->threadManager()), chat());
    QCOMPARE(m_host->threadManager().threadCount(), threads);
    QVERIFY(m_host->pluginsInitialized());
}

void tst_LibChat::identities_data()
{
    QTest::addColumn<QByteArray>("id");
    QTest::addColumn<QString>("displayName");
    QTest::addColumn<QString>("actionText");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("flags"); // slots 28, 29, 30, 31, 33, 48

    QTest::newRow("chat") << QByteArray("chat") << "Text Chat" << "Text Chat" << "Text Chat Plugin" << QByteArray("2.1")
                          << 32668 << "011101";
    QTest::newRow("chat_rooms") << QByteArray("chat_rooms") << "Chat Rooms" << "Create Chat Room"
                                << "Create a persistent chat room" << QByteArray("2.1") << 32667 << "111100";
    QTest::newRow("broadcast") << QByteArray("broadcast") << "Broadcast Message" << "Broadcast Message"
                               << "Broadcast Message Plugin" << QByteArray("1.0") << 32666 << "111000";
}

void tst_LibChat::identities()
{
    QFETCH(QByteArray, id);
    QFETCH(QString, displayName);
    QFETCH(QString, actionText);
    QFETCH(QString, description);
    IPlugin *p = plugin(id);
    QVERIFY(p);
    QCOMPARE(QByteArray(p->pluginId()), id);
    QCOMPARE(QByteArray(p->interfaceVersion()), QByteArray("3.0"));
    QTEST(QByteArray(p->pluginVersion()), "version");
    QTEST(p->pluginCode(), "code");
    // Each text lives in its own cache: asking for one leaves the others.
    const char16_t *name = p->displayName();
    const char16_t *action = p->actionText();
    const char16_t *text = p->description();
    QCOMPARE(QString::fromUtf16(name), displayName);
    QCOMPARE(QString::fromUtf16(action), actionText);
    QCOMPARE(QString::fromUtf16(text), description);
    const QString actual = QString::number(p->supportsMultiSelect()) + QString::number(p->flag29()) + QString::number(p->flag30())
        + QString::number(p->flag31()) + QString::number(p->flag33()) + QString::number(p->flag48());
    QTEST(actual, "flags");
}

void tst_LibChat::icons_data()
{
    QTest::addColumn<QByteArray>("id");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("file");
    for (const auto &[id, file] : {std::pair<QByteArray, QString>{"chat", "chat.png"}, {"chat_rooms", "chat_rooms.png"},
                                   {"broadcast", "broadcast.png"}}) {
        for (int slot : {8, 9, 10})
            QTest::addRow("%s-slot-%d", id.constData(), slot) << id << slot << file;
    }
}

void tst_LibChat::icons()
{
    QFETCH(QByteArray, id);
    QFETCH(int, slot);
    QFETCH(QString, file);
    IPlugin *p = plugin(id);
    auto draw = [&](IImage *image) {
        return slot == 8 ? p->drawIcon(image) : slot == 9 ? p->drawIconAlt(image) : p->drawIconAlt2(image);
    };
    QVERIFY(!draw(nullptr));
    hostkit::HostImage image;
    QVERIFY(draw(&image));
    const QImage expected = QImage(qEnvironmentVariable("CHAT_SOURCE_DIR") + "/src/resources/images/" + file)
                                .convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!expected.isNull());
    QCOMPARE(image.image().size(), expected.size());
    QCOMPARE(image.image().convertToFormat(QImage::Format_ARGB32), expected);
}

void tst_LibChat::policy_data()
{
    QTest::addColumn<QByteArray>("id");
    QTest::addColumn<bool>("disabled");
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("allowed");
    for (const QByteArray &id : {QByteArray("chat"), QByteArray("chat_rooms"), QByteArray("broadcast")}) {
        for (int action : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1000}) {
            QTest::addRow("%s-enabled-action-%d-allowed", id.constData(), action) << id << false << action << true;
            const bool exempt = action == 5 || action == 9;
            QTest::addRow("%s-disabled-action-%d-%s", id.constData(), action, exempt ? "allowed" : "refused")
                << id << true << action << exempt;
        }
    }
}

void tst_LibChat::policy()
{
    QFETCH(QByteArray, id);
    QFETCH(bool, disabled);
    QFETCH(int, action);
    QFETCH(bool, allowed);
    IPlugin *p = plugin(id);
    p->setDisabled(disabled);
    QCOMPARE(p->isDisabled(), disabled);
    QCOMPARE(p->isActionAllowed(action), allowed);
    // A refused action is refused by canExecute as well.
    hostkit::HostUser bea = user("1001");
    if (!allowed)
        QVERIFY(!p->canExecute(&bea, action));
}

void tst_LibChat::textChatNeverExecutesMulti()
{
    hostkit::HostUser bea = user("1001");
    hostkit::HostUser chris = user("1002");
    IUser *const users[] = {&bea, &chris};
    for (int action = 0; action < 10; ++action) {
        for (int count = 0; count <= 2; ++count)
            QVERIFY(!chat()->canExecuteMulti(users, count, action));
    }
    QVERIFY(!chat()->canExecuteMulti(nullptr, 2, 2));
    QVERIFY(chat()->canExecute(&bea, 2)); // one by one the contact is fine
}

// Before initialize (and after shutdown) the host has no rooms plug-in and
// the library no host service object: allowed actions do nothing, refused
// ones show the box with an empty title.
void tst_LibChat::executeOnRoom_data()
{
    QTest::addColumn<bool>("initialized");
    QTest::addColumn<bool>("disabled");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("box"); // the box's title; null: no box

    QTest::newRow("allowed-asks-for-the-rooms-plugin") << true << false << 2 << QString();
    QTest::newRow("disabled-action-refused-box") << true << true << 2 << "Chat Host";
    QTest::newRow("disabled-but-exempt-action-no-box") << true << true << 9 << QString();
    QTest::newRow("uninitialised-allowed-nothing") << false << false << 2 << QString();
    QTest::newRow("uninitialised-refused-box-without-title") << false << true << 2 << "";
}

void tst_LibChat::executeOnRoom()
{
    QFETCH(bool, initialized);
    QFETCH(bool, disabled);
    QFETCH(int, action);
    QFETCH(QString, box);
    if (!initialized) {
        m_host->shutdownPlugins();
        QVERIFY(!m_host->findPlugin("chat_rooms"));
        journal().clear();
    }
    chat()->setDisabled(disabled);
    hostkit::HostUser room = user("5001");
    BoxWatcher watcher;
    if (!initialized)
        QVERIFY(!chat()->canExecute(&room, action));
    chat()->execute(&room, action);
    QCOMPARE(watcher.boxes.size(), box.isNull() ? 0 : 1);
    if (!box.isNull()) {
        QCOMPARE(watcher.boxes.first().title, box);
        QCOMPARE(watcher.boxes.first().text, QStringLiteral("This plugin is disabled. Contact your administrator for more details."));
        QCOMPARE(watcher.boxes.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!watcher.boxes.first().hasParent);
    }
    // A room: the host is asked for the rooms plug-in, not for the contact.
    const auto finds = journal().calls("findPlugin");
    QCOMPARE(finds.size(), initialized && box.isNull() ? 1 : 0);
    if (!finds.isEmpty())
        QCOMPARE(finds.first().arguments.first().toString(), QStringLiteral("chat_rooms"));
    QCOMPARE(journal().count("canChatWith"), 0);
    if (initialized)
        return;
    // Identity, icon and policy slots work while nothing is initialised.
    QCOMPARE(QString::fromUtf16(chat()->displayName()), QStringLiteral("Text Chat"));
    hostkit::HostImage image;
    QVERIFY(chat()->drawIcon(&image));
    QVERIFY(!image.image().isNull());
    QCOMPARE(chat()->isActionAllowed(5), true);
}

// The rooms object: a contact may start a room; from a room (or nowhere) a
// room can be made only while the contact list holds an ordinary contact.
// Only action 2 on a contact asks the service for a room.
void tst_LibChat::roomsRule_data()
{
    QTest::addColumn<QByteArray>("userId"); // empty: no user
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("contactsInList");
    QTest::addColumn<bool>("can");
    QTest::addColumn<int>("created");

    QTest::newRow("contact-action-2-creates") << QByteArray("1001") << 2 << true << true << 1;
    QTest::newRow("contact-other-action-creates-nothing") << QByteArray("1001") << 3 << true << true << 0;
    QTest::newRow("room-with-contacts-can-but-execute-does-nothing") << QByteArray("5001") << 2 << true << true << 0;
    QTest::newRow("room-without-ordinary-contacts-cannot") << QByteArray("5001") << 2 << false << false << 0;
    QTest::newRow("no-user-with-contacts-can") << QByteArray() << 2 << true << true << 0;
    QTest::newRow("no-user-without-contacts-cannot") << QByteArray() << 2 << false << false << 0;
}

void tst_LibChat::roomsRule()
{
    QFETCH(QByteArray, userId);
    QFETCH(int, action);
    QFETCH(bool, contactsInList);
    std::unique_ptr<hostkit::HostUser> subject;
    if (!userId.isEmpty())
        subject = std::make_unique<hostkit::HostUser>(*m_host->profile().find(userId));
    QVector<hostkit::Contact> &contacts = m_host->profile().contacts();
    const QVector<hostkit::Contact> everyone = contacts;
    if (!contactsInList) {
        // The rooms stay; the contact being asked about need not be listed.
        contacts.erase(std::remove_if(contacts.begin(), contacts.end(), [](const hostkit::Contact &c) { return !c.isRoom(); }),
                       contacts.end());
    }
    IPlugin *rooms = plugin("chat_rooms");
    QVERIFY(rooms);
    QTEST(rooms->canExecute(subject.get(), action), "can");
    rooms->execute(subject.get(), action);
    contacts = everyone;
    QTEST(journal().count("createRoom"), "created");
    m_host->shutdownPlugins(); // the waiting room window goes with the library's objects
}

void tst_LibChat::secondInitializeRegistersNothingTwice()
{
    IHostServices *services = m_host->servicesOf(chat());
    chat()->initialize(services);
    QCOMPARE(journal().count("registerPlugin"), 0);
    QCOMPARE(journal().count("registerRoomsListener"), 0);
    QCOMPARE(m_host->plugins().size(), 3);
    QVERIFY(m_host->roomsListener());
}

void tst_LibChat::initializeAndShutdownRepeatedly()
{
    const QString config = QDir(m_host->settingsFolder()).filePath(QStringLiteral("config.ini"));
    for (int round = 0; round < 2; ++round) {
        QFile::remove(config);
        journal().clear();
        m_host->shutdownPlugins();
        const auto listeners = journal().calls("registerRoomsListener");
        QCOMPARE(listeners.size(), 1);
        QVERIFY(listeners.first().arguments.first().isNull());
        QVERIFY2(QFile::exists(config), "settings are saved at shutdown");

        journal().clear();
        QVERIFY(m_host->initializePlugins().ok);
        const auto registered = journal().calls("registerPlugin");
        QCOMPARE(registered.size(), 2);
        QCOMPARE(registered.at(0).arguments.first().toString(), QStringLiteral("chat_rooms"));
        QCOMPARE(registered.at(1).arguments.first().toString(), QStringLiteral("broadcast"));
        QCOMPARE(journal().calls("registerRoomsListener").first().arguments.first().toString(), QStringLiteral("object"));
        QCOMPARE(journal().count("settingsFolder", "chat"), 1);
        QVERIFY(journal().count("dataFolder", "chat") >= 1);
        QVERIFY(journal().count("dataFolder", "chat_rooms") >= 1);
    }
}

void tst_LibChat::settingsFollowTheSignedInIdentity()
{
    chat()->onOwnUserChanged();
    QCOMPARE(journal().count("settingsFolder"), 0);
    const QString before = m_host->profile().identity();
    m_host->profile().setIdentity(QStringLiteral("someone-else@example.org"));
    chat()->onOwnUserChanged();
    QCOMPARE(journal().count("settingsFolder"), 1);
    QCOMPARE(journal().count("interfaceLanguage"), 1);
    m_host->profile().setIdentity(before);
    chat()->onOwnUserChanged();
    QCOMPARE(journal().count("settingsFolder"), 2);
}

void tst_LibChat::describeMessage_data()
{
    QTest::addColumn<QByteArray>("id");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("received");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nudge-sent") << QByteArray("chat") << QByteArray("[nudge]") << false << "You sent a nudge to Bea Hansen.";
    QTest::newRow("broadcast-keeps-the-body") << QByteArray("broadcast") << QByteArray("[nudge]") << true << "[nudge]";
}

void tst_LibChat::describeMessage()
{
    QFETCH(QByteArray, id);
    QFETCH(QByteArray, body);
    QFETCH(bool, received);
    hostkit::StoredMessage stored;
    stored.conversation = "1001";
    stored.senderId = 1001;
    stored.received = received;
    stored.body = body;
    hostkit::HostMessage message(stored);
    hostkit::HostVariable out;
    plugin(id)->describeMessage(&message, &out);
    QTEST(QString::fromUtf8(out.value()), "expected");
}

void tst_LibChat::events_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("calls"); // the first calls the host sees, in order

    // The sender's record, the permission, the host's record for the new
    // conversation (whose window then asks for its own things).
    const QStringList nudge{"getUser", "canChatWith", "getUser"};
    QTest::newRow("32-nudge-is-handled") << 32 << QByteArray("1002,0,0") << nudge;
    QTest::newRow("32-malformed") << 32 << QByteArray("1002,0") << QStringList{};
    QTest::newRow("32-unknown-sender") << 32 << QByteArray("999999,0,0") << QStringList{"getUser"};
    QTest::newRow("9-unknown-upload-asks-then-stops") << 9 << QByteArray("up-none")
                                                      << QStringList{"transferUrl", "transferLocalPath", "transferPeer"};
    QTest::newRow("7-upload-details-asked") << 7 << QByteArray("up-none") << QStringList{"transferDetails", "transferPeer", "transferPeer"};
    QTest::newRow("unknown-code-nothing") << 4242 << QByteArray("1,2,3") << QStringList{};
}

void tst_LibChat::events()
{
    QFETCH(int, code);
    QFETCH(QByteArray, data);
    QFETCH(QStringList, calls);
    chat()->onEvent(code, data.constData(), data.size());
    const QStringList made = callsMade(journal());
    // The calls of the event's handler come first; a window that opened
    // may go on asking the host for its own things.
    QCOMPARE(made.mid(0, calls.size()).join(QLatin1Char(' ')), calls.join(QLatin1Char(' ')));
    if (calls.isEmpty())
        QCOMPARE(made, QStringList());
    const auto sounds = journal().calls("playSound");
    QCOMPARE(sounds.size(), code == 32 && !calls.isEmpty() && calls.size() > 1 ? 1 : 0);
    if (!sounds.isEmpty())
        QCOMPARE(sounds.first().arguments.first().toString(), QStringLiteral("plugins/chat/sounds/nudge.wav"));
}

void tst_LibChat::eventDataIsCutToItsLength()
{
    const QByteArray data("1002,0,0trailing garbage");
    chat()->onEvent(32, data.constData(), 8);
    // The nudge is handled: it goes into the history.
    QCOMPARE(journal().count("postMessage"), 1);
    journal().clear();
    chat()->onEvent(32, nullptr, 12);
    chat()->onEvent(32, data.constData(), 0);
    QCOMPARE(journal().size(), 0);
}

void tst_LibChat::sendAttachmentSplitsAtPictures()
{
    hostkit::HostUser bea = user("1001");
    IUser *const users[] = {&bea};
    chat()->sendAttachment(users, 1, "hello [pic src=\"sim://p\"] world", 0);
    QStringList made;
    for (const auto &entry : journal().calls("sendInstantMessage"))
        made << entry.arguments.at(1).toString() + ':' + entry.arguments.at(2).toString();
    QCOMPARE(made, (QStringList{"1001:hello ", "1001:[pic src=\"sim://p\"]", "1001: world"}));
}

void tst_LibChat::openConversationRecord()
{
    hostkit::ConversationRecord record("1005", "their-session");
    chat()->openConversation(&record);
    chat()->openConversation(nullptr);
    // The conversation now exists under that key: a nudge with the key
    // finds it, so the host is not asked for a record to create one; the
    // permission check is followed by the nudge going into the history.
    journal().clear();
    m_host->deliverControl("1005", "<data COMMAND=\"NUDGE\" session_id=\"their-session\" room_id=\"\"/>\r\n");
    const QStringList made = callsMade(journal());
    QCOMPARE(made.mid(0, 3), (QStringList{"canChatWith", "createMessage", "postMessage"}));
    QVERIFY(made.contains(QStringLiteral("playSound")));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    tst_LibChat test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_libchat.moc"
