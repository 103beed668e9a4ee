#include "render/chattemplate.h"
#include "render/links.h"
#include "render/messageblocks.h"
#include "render/resourcekeytable.h"
#include "shared/sharedresourcemanager.h"

#include "hostkit/host.h"
#include "hostkit/hostmessage.h"
#include "lib_kelvan/clock.h"
#include "plugin/records/userobj.h"
#include "settings/settingsmanager.h"

#include <sdk/ihostservices.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

#define COMPARE_TEXT(actual, expected)                                                                             \
    QVERIFY2((actual) == (expected),                                                                               \
             qPrintable(QStringLiteral("\nactual:   %1\nexpected: %2").arg(actual, expected)))

hostkit::StoredMessage chatMessage(const QByteArray &body, bool received = true)
{
    hostkit::StoredMessage m;
    m.eventId = 42;
    m.conversation = "1001";
    m.senderId = received ? 1001 : 1000;
    m.time = 20260305113000; // 12:30 in Berlin
    m.received = received;
    m.body = body;
    return m;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Counts the language changes the application announces.
class LanguageChangeCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};

// Every block placeholder, so one rendering shows each value.
const QByteArray AllPlaceholders =
    "[avatar_size]48[/avatar_size]\n"
    "[menu_size]16[/menu_size]\n"
    "[menu_body]<a href=\"menu:[event_id]\"><img src=\"[pi_menu]\" width=[menu_width] height=[menu_height]></a>[/menu_body]\n"
    "[styles]<style>.x{}</style>[/styles]\n"
    "[received]<div>[avatar]|[user]|[plugin]|[labels]|[likes]|[location]|[time]|[class_name]|[message]|[event_id]|"
    "[reply]|[menu]|<img width=[avatar_width]></div>[/received]\n"
    "[sent]<div>S [user] [message] [menu][reply]</div>[/sent]\n"
    "[reply_received]<q>[user]: [message] [labels][likes][event_id]</q>[/reply_received]\n"
    "[reply_sent]<q>me: [message]</q>[/reply_sent]\n"
    "[plugin_received]<p>[plugin] [user] [message]</p>[/plugin_received]\n"
    "[date_separator]<hr/>[/date_separator]\n";

} // namespace

class tst_ChatTemplate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void templateSection_data();
    void templateSection();
    void builtInTemplateWithoutUserFile();
    void userTemplateSizes_data();
    void userTemplateSizes();
    void menuOnlyInLiveSections();
    void unreadableUserTemplateFallsBack();

    void blockFillsEveryPlaceholder();
    void valuesAreNotTakenForPlaceholders();
    void blockThroughBuiltInTemplate();
    void builtInTemplatePaints();
    void likes_data();
    void likes();
    void labels();
    void pluginMessageWithoutMenuHasNoBlock();
    void pluginMessageShowsPluginNameAndIcon();
    void nudgeIconSetsNudgeSeen();
    void noticesAreLinesOfText();
    void reply_data();
    void reply();
    void cutBodyLinksToItsWholeText_data();
    void cutBodyLinksToItsWholeText();
    void resourceKeysStableAcrossRerenders();
    void differentDays_data();
    void differentDays();

    void managerUsesBuiltInTemplateBeforeAnyLoad();
    void managerLoadsFolderOnce();
    void languageInstalledOnceWhenSetTwice();
    void settingsAreTheDefaultFormat();
    void ownUserRecord();
    void messageTextStyleSheet();

private:
    RenderContext context() const;
    QString renderLive(const hostkit::StoredMessage &message, bool withMenu = true, bool *nudgeSeen = nullptr);

    std::unique_ptr<hostkit::Host> m_host;
    IHostServices *m_services = nullptr;
    kelvan::ManualClock m_clock;
    QTemporaryDir m_folder;
    ChatTemplate m_all;
};

void tst_ChatTemplate::initTestCase()
{
    kelvan::Clock::setInstance(&m_clock);
    m_host.reset(new hostkit::Host(hostkit::Profile::inMemory()));
    QVERIFY(m_host->isReady());
    m_services = m_host->servicesFor("chat");
    QVERIFY(m_folder.isValid());
    QVERIFY(writeFile(m_folder.filePath(ChatTemplate::userFileName()), AllPlaceholders));
    QCOMPARE(m_all.loadFromFolder(m_folder.path()), m_folder.filePath(ChatTemplate::userFileName()));
}

void tst_ChatTemplate::cleanupTestCase()
{
    SharedResourceManager::destroy();
    kelvan::Clock::setInstance(nullptr);
}

void tst_ChatTemplate::init()
{
    m_host->journal().clear();
}

void tst_ChatTemplate::cleanup()
{
    SharedResourceManager::destroy();
}

RenderContext tst_ChatTemplate::context() const
{
    RenderContext c;
    c.host = m_services;
    c.language = QStringLiteral("en");
    return c;
}

QString tst_ChatTemplate::renderLive(const hostkit::StoredMessage &message, bool withMenu, bool *nudgeSeen)
{
    const hostkit::HostMessage hostMessage(message);
    UserNameCache names;
    ResourceKeyTable keys;
    return MessageBlocks::renderMessageBlock(m_all, context(), &hostMessage, names, keys, true, nudgeSeen, withMenu);
}

void tst_ChatTemplate::templateSection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("section");
    QTest::newRow("between the tags, not trimmed") << "x[a] 1 [/a]y" << "a" << " 1 ";
    QTest::newRow("missing closing tag runs to the end") << "[a]rest" << "a" << "rest";
    QTest::newRow("missing opening tag is empty") << "a[/a]" << "a" << "";
    QTest::newRow("first opening tag") << "[a]1[/a][a]2[/a]" << "a" << "1";
    QTest::newRow("longer name is another section") << "[reply_sent]r[/reply_sent][sent]s[/sent]" << "sent" << "s";
}

void tst_ChatTemplate::templateSection()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(QString, section);
    QCOMPARE(ChatTemplate::templateSection(text, name), section);
}

void tst_ChatTemplate::builtInTemplateWithoutUserFile()
{
    QTemporaryDir empty;
    ChatTemplate chatTemplate;
    QCOMPARE(chatTemplate.loadFromFolder(empty.path()), ChatTemplate::builtInPath());
    QCOMPARE(chatTemplate.section(ChatTemplate::Section::DateSeparator), ChatTemplate::defaultDateSeparator());
    for (auto section : {ChatTemplate::Section::Sent, ChatTemplate::Section::Received,
                         ChatTemplate::Section::PluginSent, ChatTemplate::Section::PluginReceived}) {
        QVERIFY(chatTemplate.section(section).contains(QLatin1String("[message]")));
        QVERIFY(chatTemplate.section(section).contains(QLatin1String("[class_name]")));
    }
    QVERIFY(chatTemplate.section(ChatTemplate::Section::PluginReceived).contains(QLatin1String("[message] <b>[text]</b>")));
    QVERIFY(chatTemplate.section(ChatTemplate::Section::PluginReceived).contains(QLatin1String("[plugin]")));
    QVERIFY(!chatTemplate.section(ChatTemplate::Section::PluginReceived).contains(QLatin1String("[user]")));
    QVERIFY(chatTemplate.section(ChatTemplate::Section::Received).contains(QLatin1String("#c0e0ff")));
    QVERIFY(chatTemplate.section(ChatTemplate::Section::ReplySent).isEmpty());
    QVERIFY(chatTemplate.section(ChatTemplate::Section::Styles).isEmpty());
    QCOMPARE(chatTemplate.avatarSize(), 64);
    QCOMPARE(chatTemplate.menuSize(), 24);
}

void tst_ChatTemplate::userTemplateSizes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("avatar");
    QTest::addColumn<int>("menu");
    QTest::newRow("no sizes: 64 and 24") << QByteArray("[sent]x[/sent]") << 64 << 24;
    QTest::newRow("sizes given") << QByteArray("[avatar_size] 32 [/avatar_size][menu_size]20[/menu_size]") << 32 << 20;
    QTest::newRow("zero and negative fall back") << QByteArray("[avatar_size]0[/avatar_size][menu_size]-3[/menu_size]") << 64 << 24;
    QTest::newRow("not a number falls back") << QByteArray("[avatar_size]big[/avatar_size]") << 64 << 24;
}

void tst_ChatTemplate::userTemplateSizes()
{
    QFETCH(QByteArray, text);
    QFETCH(int, avatar);
    QFETCH(int, menu);
    ChatTemplate chatTemplate;
    chatTemplate.parse(QString::fromUtf8(text + "[received]<img width=[avatar_width] height=[avatar_height]>[menu][/received]"
                                                "[menu_body]<b>[menu_width]x[menu_height]</b>[/menu_body]"));
    QCOMPARE(chatTemplate.avatarSize(), avatar);
    QCOMPARE(chatTemplate.menuSize(), menu);
    QCOMPARE(chatTemplate.section(ChatTemplate::Section::Received),
             QStringLiteral("<img width=%1 height=%1><b>%2x%2</b>").arg(avatar).arg(menu));
}

void tst_ChatTemplate::menuOnlyInLiveSections()
{
    QCOMPARE(m_all.section(ChatTemplate::Section::Sent),
             QStringLiteral("<div>S [user] [message] <a href=\"menu:[event_id]\"><img src=\"pi_msg_menu\" width=16 "
                            "height=16></a>[reply]</div>"));
    QCOMPARE(m_all.section(ChatTemplate::Section::SentWithoutMenu), QStringLiteral("<div>S [user] [message] [reply]</div>"));
    QCOMPARE(m_all.section(ChatTemplate::Section::DateSeparator), QStringLiteral("<hr/>"));
    QCOMPARE(m_all.section(ChatTemplate::Section::Styles), QStringLiteral("<style>.x{}</style>"));

    const hostkit::StoredMessage sent = chatMessage("hi", false);
    const hostkit::HostMessage message(sent);
    QVERIFY(renderLive(sent, true).contains(QLatin1String("menu:42")));
    QVERIFY(!renderLive(sent, false).contains(QLatin1String("menu:")));
    QCOMPARE(m_all.templateFor(&message, false), m_all.section(ChatTemplate::Section::SentWithoutMenu));
}

void tst_ChatTemplate::unreadableUserTemplateFallsBack()
{
    // A folder standing where the template file should be cannot be read.
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(ChatTemplate::userFileName()));
    ChatTemplate chatTemplate;
    QCOMPARE(chatTemplate.loadFromFolder(folder.path()), ChatTemplate::builtInPath());
    QVERIFY(!chatTemplate.section(ChatTemplate::Section::Sent).isEmpty());
}

void tst_ChatTemplate::blockFillsEveryPlaceholder()
{
    hostkit::StoredMessage m = chatMessage("hello [b]world[/b] [loc pos=\"1,2\"]");
    m.labels = "success";
    m.likedBy = {"1002", "1003"};
    const QString block = renderLive(m);
    const QString time = QLocale::system().toString(QDateTime(QDate(2026, 3, 5), QTime(12, 30)), QLocale::ShortFormat);
    const QString labelImage = QDir(m_host->applicationFolder()).filePath(QStringLiteral("skin/chat/label_success.png"));
    const QString likeImage = QDir(m_host->applicationFolder()).filePath(QStringLiteral("skin/chat/label_likes.png"));
    const QString expected =
        QStringLiteral("<div>avatar_1001|Bea Hansen|chat|<img src=\"%1\">&nbsp;|2 <img src=\"%2\">&nbsp;|"
                       "<a href=\"location://maps.google.com/maps/?q=Bea&#32;Hansen@1,2\"><img src=\"location_img\" "
                       "alt=\"Location&#32;information\" border=\"0\" /></a>|%3|msg_style|hello <b>world</b> |42||"
                       "<a href=\"menu:42\"><img src=\"pi_msg_menu\" width=16 height=16></a>|<img width=48></div>")
            .arg(Links::escapeAttribute(labelImage), Links::escapeAttribute(likeImage), time);
    COMPARE_TEXT(block, expected);
}

void tst_ChatTemplate::valuesAreNotTakenForPlaceholders()
{
    const QString block = renderLive(chatMessage("[time] [user] [reply] [event_id]"));
    QVERIFY2(block.contains(QLatin1String("|[time] [user] [reply] [event_id]|42|")), qPrintable(block));
}

void tst_ChatTemplate::blockThroughBuiltInTemplate()
{
    ChatTemplate builtIn;
    builtIn.loadFromFolder(QString());
    const hostkit::HostMessage message(chatMessage("see www.a.de & <b>"));
    UserNameCache names;
    ResourceKeyTable keys;
    const QString block = MessageBlocks::renderMessageBlock(builtIn, context(), &message, names, keys, true, nullptr, true);
    QString expected = builtIn.section(ChatTemplate::Section::Received);
    expected.replace(QLatin1String("[user]"), QLatin1String("Bea Hansen"))
        .replace(QLatin1String("[labels]"), QString())
        .replace(QLatin1String("[likes]"), QString())
        .replace(QLatin1String("[location]"), QString())
        .replace(QLatin1String("[time]"),
                 QLocale::system().toString(QDateTime(QDate(2026, 3, 5), QTime(12, 30)), QLocale::ShortFormat))
        .replace(QLatin1String("[class_name]"), QLatin1String("msg_style"))
        .replace(QLatin1String("[message]"),
                 QLatin1String("see <a href=\"http://www.a.de\">www.a.de</a> &amp; &lt;b&gt;"))
        .replace(QLatin1String("[reply]"), QString());
    COMPARE_TEXT(block, expected);
    QCOMPARE(names.value(1001), QStringLiteral("Bea Hansen"));
}

void tst_ChatTemplate::builtInTemplatePaints()
{
    ChatTemplate builtIn;
    builtIn.loadFromFolder(QString());
    UserNameCache names;
    ResourceKeyTable keys;
    QString html;
    hostkit::StoredMessage plugin = chatMessage("from a plug-in");
    plugin.kind = IHostMessage::KindPlugin;
    plugin.pluginId = "broadcast";
    hostkit::StoredMessage pluginSent = plugin;
    pluginSent.received = false;
    for (const hostkit::StoredMessage &m :
         {chatMessage("Hello there, [b]bold[/b] and www.example.org"), chatMessage("An answer of mine", false), plugin,
          pluginSent}) {
        const hostkit::HostMessage message(m);
        html += MessageBlocks::renderMessageBlock(builtIn, context(), &message, names, keys, true, nullptr, true);
        html += builtIn.section(ChatTemplate::Section::DateSeparator);
    }
    QTextDocument document;
    document.setHtml(html);
    document.setTextWidth(480);
    QImage image(480, int(document.size().height()) + 1, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    document.drawContents(&painter);
    painter.end();
    const QString out = QDir(qEnvironmentVariable("CHAT_BINARY_DIR", QDir::tempPath())).filePath(QStringLiteral("render_builtin_template.png"));
    image.save(out);

    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) & 0xffffff);
    }
    for (QRgb background : {QRgb(0xc0e0ff), QRgb(0xffccc0), QRgb(0xc4ffc0)})
        QVERIFY2(colours.contains(background), qPrintable(QString::number(background, 16) + " in " + out));
    QVERIFY(colours.contains(0x000000));
}

void tst_ChatTemplate::likes_data()
{
    QTest::addColumn<QByteArrayList>("likedBy");
    QTest::addColumn<bool>("live");
    QTest::addColumn<QString>("likes");
    const QString image = QStringLiteral("<img src=\"IMAGE\">&nbsp;");
    QTest::newRow("none") << QByteArrayList() << true << QString();
    QTest::newRow("one like: only the image") << QByteArrayList{"1002"} << true << image;
    QTest::newRow("two likes: count and image") << QByteArrayList{"1002", "1003"} << true << "2 " + image;
    QTest::newRow("not live: nothing") << QByteArrayList{"1002", "1003"} << false << QString();
}

void tst_ChatTemplate::likes()
{
    QFETCH(QByteArrayList, likedBy);
    QFETCH(bool, live);
    QFETCH(QString, likes);
    ChatTemplate chatTemplate;
    chatTemplate.parse(QStringLiteral("[received]{[likes]}[/received]"));
    hostkit::StoredMessage m = chatMessage("x");
    m.likedBy = likedBy;
    const hostkit::HostMessage message(m);
    UserNameCache names;
    ResourceKeyTable keys;
    const QString image =
        Links::escapeAttribute(QDir(m_host->applicationFolder()).filePath(QStringLiteral("skin/chat/label_likes.png")));
    QCOMPARE(MessageBlocks::renderMessageBlock(chatTemplate, context(), &message, names, keys, live, nullptr, true),
             QLatin1Char('{') + QString(likes).replace(QLatin1String("IMAGE"), image) + QLatin1Char('}'));
}

void tst_ChatTemplate::labels()
{
    ChatTemplate chatTemplate;
    chatTemplate.parse(QStringLiteral("[received]{[labels]}[/received]"));
    hostkit::StoredMessage m = chatMessage("x");
    m.labels = "success  \"danger\"";
    const hostkit::HostMessage message(m);
    UserNameCache names;
    ResourceKeyTable keys;
    const QString block =
        MessageBlocks::renderMessageBlock(chatTemplate, context(), &message, names, keys, false, nullptr, true);
    QCOMPARE(block.count(QLatin1String("<img src=")), 2);
    QVERIFY(block.contains(QLatin1String("label_success.png")));
    // The host has no image for an unknown label; the name never reaches the HTML raw.
    QVERIFY(!block.contains(QLatin1String("\"danger\"")));
}

void tst_ChatTemplate::pluginMessageWithoutMenuHasNoBlock()
{
    hostkit::StoredMessage m = chatMessage("broadcast text");
    m.kind = IHostMessage::KindPlugin;
    m.pluginId = "broadcast";
    QCOMPARE(renderLive(m, false), QString());
}

void tst_ChatTemplate::pluginMessageShowsPluginNameAndIcon()
{
    hostkit::StoredMessage m = chatMessage("text");
    m.kind = IHostMessage::KindPlugin;
    m.pluginId = "nosuchplugin";
    // No such plug-in: the name stays "chat" and the text is empty.
    QCOMPARE(renderLive(m), QStringLiteral("<p><img src='pi_nosuchplugin' />&nbsp;chat Bea Hansen </p>"));
}

void tst_ChatTemplate::nudgeIconSetsNudgeSeen()
{
    hostkit::StoredMessage m = chatMessage("[nudge]");
    m.pluginId = "broadcast";
    bool nudgeSeen = false;
    const QString block = renderLive(m, true, &nudgeSeen);
    QVERIFY(nudgeSeen);
    // In front of "[plugin]", the first of the three the section holds.
    QVERIFY2(block.contains(QLatin1String("|Bea Hansen|<img src='pi_nudge' />&nbsp;chat|")), qPrintable(block));

    // A chat message that is a nudge shows the icon and the sentence, never the tag.
    for (const bool received : {true, false}) {
        bool chatSeen = false;
        const QString chat = renderLive(chatMessage("[NUDGE] ", received), true, &chatSeen);
        QVERIFY(chatSeen);
        const QString sentence = received ? QStringLiteral("Bea Hansen sent you a nudge.")
                                          : QStringLiteral("You sent a nudge to Bea Hansen.");
        QVERIFY2(chat.contains(QLatin1String("<img src='pi_nudge' />&nbsp;") + sentence), qPrintable(chat));
        QVERIFY2(!chat.contains(QLatin1String("NUDGE")), qPrintable(chat));
    }
}

void tst_ChatTemplate::noticesAreLinesOfText()
{
    // A notice the plug-in posted: its text as a line, never an empty bubble.
    hostkit::StoredMessage notice = chatMessage("<b>Bea</b> has disabled nudges. Your nudge was not received.");
    notice.kind = IHostMessage::KindNotice;
    const QString line = renderLive(notice);
    QVERIFY2(line.contains(QLatin1String("&lt;b&gt;Bea&lt;/b&gt; has disabled nudges. Your nudge was not received.")),
             qPrintable(line));
    QVERIFY2(!line.contains(QLatin1String("avatar_")) && !line.contains(QLatin1String("menu:")), qPrintable(line));
    QCOMPARE(renderLive(notice, false), line);
}

void tst_ChatTemplate::reply_data()
{
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("target in the store") << true;
    QTest::newRow("target missing: [reply] removed") << false;
}

void tst_ChatTemplate::reply()
{
    QFETCH(bool, targetExists);
    const qint64 target = targetExists ? m_host->receiveMessage("1002", "original [b]text[/b]") : 987654;
    QVERIFY(target > 0);
    hostkit::StoredMessage m = chatMessage("answer");
    m.replyTarget = target;
    const QString block = renderLive(m);
    // Reply blocks fill nothing after "[message]" but labels and likes.
    const QString quoted =
        targetExists ? QStringLiteral("<q>Chris Ortega: original <b>text</b> [event_id]</q>") : QString();
    QVERIFY2(block.contains(QStringLiteral("|answer|42|%1|").arg(quoted)), qPrintable(block));
    QCOMPARE(m_host->journal().count("createMessageRecord"), 1);
    QCOMPARE(m_host->journal().count("releaseMessageRecord"), 1);
}

void tst_ChatTemplate::cutBodyLinksToItsWholeText_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("quoted"); // body of the message replied to, none when empty
    QTest::addColumn<bool>("ownLink");      // the link asks for the message itself, else for the quoted one
    const QByteArray longText = QByteArray("many words ").repeated(5000);
    QTest::newRow("long message") << longText << QByteArray() << true;
    QTest::newRow("short answer to a long message") << QByteArray("answer") << longText << false;
    QTest::newRow("ordinary message") << QByteArray("answer") << QByteArray() << false;
}

void tst_ChatTemplate::cutBodyLinksToItsWholeText()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, quoted);
    QFETCH(bool, ownLink);
    hostkit::StoredMessage m = chatMessage(body);
    if (!quoted.isEmpty())
        m.replyTarget = m_host->receiveMessage("1002", quoted);
    const QString block = renderLive(m);
    const QString link = QStringLiteral("<a href=\"fulltext:%1\">Show the whole message</a>");
    QCOMPARE(block.contains(link.arg(42)), ownLink);
    QCOMPARE(block.contains(link.arg(m.replyTarget)), m.replyTarget != 0);
}

void tst_ChatTemplate::resourceKeysStableAcrossRerenders()
{
    const hostkit::HostMessage message(chatMessage("[file url=\"sim://k\" name=\"k.txt\" size=\"3\"]"));
    UserNameCache names;
    ResourceKeyTable keys;
    const QString first = MessageBlocks::renderMessageBlock(m_all, context(), &message, names, keys, true, nullptr, true);
    m_clock.advance(3000);
    const QString second = MessageBlocks::renderMessageBlock(m_all, context(), &message, names, keys, true, nullptr, true);
    QCOMPARE(second, first);
    QVERIFY(first.contains(QStringLiteral("cloud:") + keys.keyOf(QStringLiteral("sim://k"))));
    ResourceKeyTable otherWindow;
    const QString other = MessageBlocks::renderMessageBlock(m_all, context(), &message, names, otherWindow, true, nullptr, true);
    QVERIFY(otherWindow.keyOf(QStringLiteral("sim://k")) != keys.keyOf(QStringLiteral("sim://k")));
}

void tst_ChatTemplate::differentDays_data()
{
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("second");
    QTest::addColumn<bool>("different");
    QTest::newRow("same day") << qint64(20260305000000) << qint64(20260305235959) << false;
    QTest::newRow("next day") << qint64(20260305235959) << qint64(20260306000000) << true;
    QTest::newRow("same day of another month") << qint64(20260305120000) << qint64(20260405120000) << true;
}

void tst_ChatTemplate::differentDays()
{
    QFETCH(qint64, first);
    QFETCH(qint64, second);
    QFETCH(bool, different);
    QCOMPARE(MessageBlocks::isDifferentDay(first, second), different);
    QCOMPARE(MessageBlocks::messageTimeToDateTime(first).toString(Qt::ISODate).left(10).remove(QLatin1Char('-')),
             QString::number(first).left(8));
}

void tst_ChatTemplate::managerUsesBuiltInTemplateBeforeAnyLoad()
{
    SharedResourceManager *resources = SharedResourceManager::instance();
    QCOMPARE(resources->hostServices(), nullptr);
    QCOMPARE(resources->dateSeparator(), ChatTemplate::defaultDateSeparator());
    QCOMPARE(resources->avatarSize(), 64);
    QVERIFY(resources->templateSection(ChatTemplate::Section::Received).contains(QLatin1String("#c0e0ff")));
    // The first real load still happens.
    QSignalSpy changed(resources, &SharedResourceManager::templateChanged);
    resources->loadTemplate(m_folder.path());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(resources->avatarSize(), 48);
}

void tst_ChatTemplate::managerLoadsFolderOnce()
{
    SharedResourceManager *resources = SharedResourceManager::instance();
    QSignalSpy changed(resources, &SharedResourceManager::templateChanged);
    resources->loadTemplate(m_folder.path());
    resources->loadTemplate(m_folder.path());
    QCOMPARE(changed.count(), 1);
    resources->reloadTemplate(m_folder.path());
    QCOMPARE(changed.count(), 2);
    resources->loadTemplate(QString());
    QCOMPARE(changed.count(), 3);
    QCOMPARE(resources->avatarSize(), 64);
}

void tst_ChatTemplate::languageInstalledOnceWhenSetTwice()
{
    SharedResourceManager *resources = SharedResourceManager::instance();
    LanguageChangeCounter counter;
    qApp->installEventFilter(&counter);
    QSignalSpy changed(resources, &SharedResourceManager::languageChanged);
    QVERIFY(resources->installTranslation(QStringLiteral("en")));
    QVERIFY(resources->installTranslation(QStringLiteral("en")));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(counter.count, 1);
    QCOMPARE(resources->languageCode(), QStringLiteral("en"));
    QVERIFY(!resources->installTranslation(QStringLiteral("xx")));
    QCOMPARE(changed.count(), 2);
    // Removing "en" and installing it again for the unknown "xx" announce a change each.
    QCOMPARE(counter.count, 3);
    qApp->removeEventFilter(&counter);

    // An unknown language after a known one leaves English, not the last one's texts.
    QVERIFY(resources->installTranslation(QStringLiteral("de")));
    QCOMPARE(QCoreApplication::translate("ChatWindowClass", "Send"), QStringLiteral("Senden"));
    QVERIFY(!resources->installTranslation(QStringLiteral("xx")));
    QCOMPARE(QCoreApplication::translate("ChatWindowClass", "Send"), QStringLiteral("Send"));
    QCOMPARE(QCoreApplication::translate("TabbedChatWindow", "%n missed messages", nullptr, 1),
             QStringLiteral("1 missed messages"));
}

void tst_ChatTemplate::settingsAreTheDefaultFormat()
{
    SharedResourceManager *resources = SharedResourceManager::instance();
    resources->setHostServices(m_services);
    QCOMPARE(resources->settings()->settingsFolder(), m_host->settingsFolder());
    QTextCharFormat format;
    QFont font(QStringLiteral("Courier"), 11);
    font.setBold(true);
    format.setFont(font);
    resources->settings()->setTextFormat(format);
    QCOMPARE(resources->baseFont().bold(), true);
    QCOMPARE(resources->defaultMessageFormat().font().family(), QStringLiteral("Courier"));
    resources->settings()->setBigSingleEmoticons(false);
    QCOMPARE(resources->renderContext().bigSingleEmoticons, false);
    QCOMPARE(resources->renderContext().host, m_services);
    QCOMPARE(resources->renderContext().language, QStringLiteral("en"));
    // The same identity does not load again.
    QVERIFY(!resources->reloadSettingsIfIdentityChanged());
}

void tst_ChatTemplate::ownUserRecord()
{
    SharedResourceManager *resources = SharedResourceManager::instance();
    QVERIFY(resources->ownUser().isEmpty());
    UserObj own;
    QVERIFY(m_services->getOwnUser(&own));
    QSignalSpy changed(resources, &SharedResourceManager::ownUserChanged);
    resources->setOwnUser(&own);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(resources->ownUser().idString(), QStringLiteral("1000"));
    QCOMPARE(resources->ownUser().displayNameString(), QStringLiteral("Alex Morgan"));
}

void tst_ChatTemplate::messageTextStyleSheet()
{
    QTextCharFormat format;
    QFont font(QStringLiteral("Deja\"Vu {Sans}"), 12);
    font.setItalic(true);
    format.setFont(font);
    format.setForeground(QColor(QStringLiteral("#102030")));
    QCOMPARE(SharedResourceManager::messageTextStyleSheet(format),
             QStringLiteral(".msg_style{font-weight: none; font-style: italic; text-decoration: none; font-size: 12pt; "
                            "font-family: \"DejaVu Sans\"; color: #102030;}"));
}

QTEST_MAIN(tst_ChatTemplate)
#include "tst_chattemplate.moc"
