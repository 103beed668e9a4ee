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
    void userTemplateSizes_data();
    void userTemplateSizes();
    void menuOnlyInLiveSections();
    void unreadableUserTemplateFallsBack();

    void blockFillsEveryPlaceholder();
    void valuesAreNotTakenForPlaceholders();
    void builtInTemplatePaints();
    void likes_data();
    void likes();
    void labels();
    void blockKinds_data();
    void blockKinds();
    void reply_data();
    void reply();
    void cutBodyLinksToItsWholeText_data();
    void cutBodyLinksToItsWholeText();
    void resourceKeysApartBetweenWindows();
    void differentDays_data();
    void differentDays();

    void managerLoadsEachFolderOnce();
    void languageInstalledOnceWhenSetTwice();
    void settingsAreTheDefaultFormat();
    void messageTextStyleSheet();

private:
    RenderContext context() const;
    QString renderLive(const hostkit::StoredMessage &message, bool withMenu = true, bool *nudgeSeen = nullptr);
    QString render(const ChatTemplate &chatTemplate, const hostkit::StoredMessage &message, bool live = true);

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

QString tst_ChatTemplate::render(const ChatTemplate &chatTemplate, const hostkit::StoredMessage &message, bool live)
{
    const hostkit::HostMessage hostMessage(message);
    UserNameCache names;
    ResourceKeyTable keys;
    return MessageBlocks::renderMessageBlock(chatTemplate, context(), &hostMessage, names, keys, live, nullptr, true);
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
    const hostkit::StoredMessage sent = chatMessage("hi", false);
    const hostkit::HostMessage message(sent);
    QVERIFY(renderLive(sent, true).contains(QLatin1String("menu:42")));
    QVERIFY(!renderLive(sent, false).contains(QLatin1String("menu:")));
    QCOMPARE(m_all.templateFor(&message, false), m_all.section(ChatTemplate::Section::SentWithoutMenu));
    // A tag that removing another one puts together goes as well.
    ChatTemplate nested;
    nested.parse(QStringLiteral("[sent]a[menu[menu]]b[/sent]"));
    QCOMPARE(nested.section(ChatTemplate::Section::SentWithoutMenu), QStringLiteral("ab"));
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
    hostkit::StoredMessage m = chatMessage("hello [b]world[/b] & <b> [loc pos=\"1,2\"]");
    m.labels = "success";
    m.likedBy = {"1002", "1003"};
    const hostkit::HostMessage message(m);
    UserNameCache names;
    ResourceKeyTable keys;
    const QString block =
        MessageBlocks::renderMessageBlock(m_all, context(), &message, names, keys, true, nullptr, true);
    QCOMPARE(names.value(1001), QStringLiteral("Bea Hansen"));
    const QString time = QLocale::system().toString(QDateTime(QDate(2026, 3, 5), QTime(12, 30)), QLocale::ShortFormat);
    const QString labelImage = QDir(m_host->applicationFolder()).filePath(QStringLiteral("skin/chat/label_success.png"));
    const QString likeImage = QDir(m_host->applicationFolder()).filePath(QStringLiteral("skin/chat/label_likes.png"));
    const QString expected =
        QStringLiteral("<div>avatar_1001|Bea Hansen|chat|<img src=\"%1\">&nbsp;|2 <img src=\"%2\">&nbsp;|"
                       "<a href=\"location://maps.google.com/maps/?q=Bea&#32;Hansen@1,2\"><img src=\"location_img\" "
                       "alt=\"Location&#32;information\" border=\"0\" /></a>|%3|msg_style|"
                       "hello <b>world</b> &amp; &lt;b&gt; |42||"
                       "<a href=\"menu:42\"><img src=\"pi_msg_menu\" width=16 height=16></a>|<img width=48></div>")
            .arg(Links::escapeAttribute(labelImage), Links::escapeAttribute(likeImage), time);
    COMPARE_TEXT(block, expected);
}

void tst_ChatTemplate::valuesAreNotTakenForPlaceholders()
{
    const QString block = renderLive(chatMessage("[time] [user] [reply] [event_id]"));
    QVERIFY2(block.contains(QLatin1String("|[time] [user] [reply] [event_id]|42|")), qPrintable(block));
}

void tst_ChatTemplate::builtInTemplatePaints()
{
    // A folder without a template of its own gets the built-in one.
    QTemporaryDir empty;
    ChatTemplate builtIn;
    QCOMPARE(builtIn.loadFromFolder(empty.path()), ChatTemplate::builtInPath());
    QCOMPARE(builtIn.section(ChatTemplate::Section::DateSeparator), ChatTemplate::defaultDateSeparator());
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
    for (const char *text : {"bold and www.example.org", "An answer of mine"})
        QVERIFY2(document.toPlainText().contains(QLatin1String(text)), qPrintable(html));
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
    const QString image =
        Links::escapeAttribute(QDir(m_host->applicationFolder()).filePath(QStringLiteral("skin/chat/label_likes.png")));
    QCOMPARE(render(chatTemplate, m, live), QLatin1Char('{') + QString(likes).replace(QLatin1String("IMAGE"), image) + QLatin1Char('}'));
}

void tst_ChatTemplate::labels()
{
    ChatTemplate chatTemplate;
    chatTemplate.parse(QStringLiteral("[received]{[labels]}[/received]"));
    hostkit::StoredMessage m = chatMessage("x");
    m.labels = "success  \"danger\"";
    const QString block = render(chatTemplate, m, false);
    QCOMPARE(block.count(QLatin1String("<img src=")), 2);
    QVERIFY(block.contains(QLatin1String("label_success.png")));
    // The host has no image for an unknown label; the name never reaches the HTML raw.
    QVERIFY(!block.contains(QLatin1String("\"danger\"")));
}

void tst_ChatTemplate::blockKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("pluginId");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("received");
    QTest::addColumn<bool>("withMenu");
    QTest::addColumn<bool>("nudge");
    QTest::addColumn<QString>("shows"); // empty: no block at all
    QTest::addColumn<QStringList>("hides");
    const int chat = IHostMessage::KindChat;
    const int plugin = IHostMessage::KindPlugin;
    const int notice = IHostMessage::KindNotice;
    const QByteArray disabled = "<b>Bea</b> has disabled nudges. Your nudge was not received.";
    const QString line = "&lt;b&gt;Bea&lt;/b&gt; has disabled nudges. Your nudge was not received.";
    QTest::newRow("plug-in message without a menu has no block")
        << plugin << QByteArray("broadcast") << QByteArray("text") << true << false << false << "" << QStringList();
    QTest::newRow("unknown plug-in: its icon, the name \"chat\", no text")
        << plugin << QByteArray("nosuchplugin") << QByteArray("text") << true << true << false
        << "<p><img src='pi_nosuchplugin' />&nbsp;chat Bea Hansen </p>" << QStringList();
    QTest::newRow("nudge with a plug-in: icon in front of the first [plugin]")
        << chat << QByteArray("broadcast") << QByteArray("[nudge]") << true << true << true
        << "|Bea Hansen|<img src='pi_nudge' />&nbsp;chat|" << QStringList();
    QTest::newRow("received nudge: icon and sentence, never the tag")
        << chat << QByteArray() << QByteArray("[NUDGE] ") << true << true << true
        << "<img src='pi_nudge' />&nbsp;Bea Hansen sent you a nudge." << QStringList{"NUDGE"};
    QTest::newRow("sent nudge: icon and sentence, never the tag")
        << chat << QByteArray() << QByteArray("[NUDGE] ") << false << true << true
        << "<img src='pi_nudge' />&nbsp;You sent a nudge to Bea Hansen." << QStringList{"NUDGE"};
    QTest::newRow("notice: its text as a line, never a bubble")
        << notice << QByteArray() << disabled << true << true << false << line << QStringList{"avatar_", "menu:"};
    QTest::newRow("notice without a menu: the same line")
        << notice << QByteArray() << disabled << true << false << false << line << QStringList{"avatar_", "menu:"};
    QTest::newRow("notice: its time isolated, so a right-to-left sentence cannot split the date")
        << notice << QByteArray() << disabled << true << true << false
        << QString(QStringLiteral("font-size:7pt;\">") + QChar(0x2068)) << QStringList();
}

void tst_ChatTemplate::blockKinds()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, pluginId);
    QFETCH(QByteArray, body);
    QFETCH(bool, received);
    QFETCH(bool, withMenu);
    QFETCH(bool, nudge);
    QFETCH(QString, shows);
    QFETCH(QStringList, hides);
    hostkit::StoredMessage m = chatMessage(body, received);
    m.kind = kind;
    m.pluginId = pluginId;
    bool nudgeSeen = false;
    const QString block = renderLive(m, withMenu, &nudgeSeen);
    QCOMPARE(nudgeSeen, nudge);
    if (shows.isEmpty())
        QCOMPARE(block, QString());
    QVERIFY2(block.contains(shows), qPrintable(block));
    for (const QString &hidden : hides)
        QVERIFY2(!block.contains(hidden), qPrintable(block));
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

void tst_ChatTemplate::resourceKeysApartBetweenWindows()
{
    const hostkit::HostMessage message(chatMessage("[file url=\"sim://k\" name=\"k.txt\" size=\"3\"]"));
    UserNameCache names;
    ResourceKeyTable keys;
    ResourceKeyTable otherWindow;
    const QString first = MessageBlocks::renderMessageBlock(m_all, context(), &message, names, keys, true, nullptr, true);
    MessageBlocks::renderMessageBlock(m_all, context(), &message, names, otherWindow, true, nullptr, true);
    QVERIFY(first.contains(QStringLiteral("cloud:") + keys.keyOf(QStringLiteral("sim://k"))));
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

void tst_ChatTemplate::managerLoadsEachFolderOnce()
{
    SharedResourceManager *resources = SharedResourceManager::instance();
    QCOMPARE(resources->avatarSize(), 64); // the built-in template before any load
    QSignalSpy changed(resources, &SharedResourceManager::templateChanged);
    resources->loadTemplate(m_folder.path());
    resources->loadTemplate(m_folder.path());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(resources->avatarSize(), 48);
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
    // The same identity does not load again.
    QVERIFY(!resources->reloadSettingsIfIdentityChanged());
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
