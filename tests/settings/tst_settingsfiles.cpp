// The seven settings files: exact bytes, reading rules, round trips, and
// what happens to files that cannot be read or written.

#include "settings/settingsmanager.h"

#include "lib_kelvan/clock.h"
#include "lib_kelvan/elementtree.h"
#include "settingstestutil.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>

// A settings manager over the test folder, loaded for `language`.
#define LOADED(var, language) SettingsManager var; var.load(folder(), language)

using namespace settingstest;

namespace {

using Getter = std::function<QVariant(const SettingsManager &)>;

// The values the reading rules below look at, by the name their rows use.
const QMap<QString, Getter> &configGetters()
{
    using S = SettingsManager;
    static const QMap<QString, Getter> getters = {
        {"foreColorText", [](const S &s) { return QVariant(s.foreColorText()); }},
        {"foreground", [](const S &s) { return QVariant(s.textFormat().foreground().color()); }},
        {"chatSize", [](const S &s) { return QVariant(s.windowSize(S::ChatWindow)); }},
        {"chatMaximized", [](const S &s) { return QVariant(s.windowMaximized(S::ChatWindow)); }},
        {"visibleAvatars", [](const S &s) { return QVariant(s.visibleAvatars()); }},
        {"allowReceiveNudge", [](const S &s) { return QVariant(s.allowReceiveNudge()); }},
        {"spellLanguage", [](const S &s) { return QVariant(s.spellLanguage()); }},
        {"splitterChat", [](const S &s) { return QVariant(s.splitterText(S::Splitter::Chat)); }},
        {"splitterConference", [](const S &s) { return QVariant(s.splitterText(S::Splitter::Conference)); }},
        {"tabbedChat", [](const S &s) { return QVariant(s.tabbedChat()); }},
        {"playSound", [](const S &s) { return QVariant(s.playSound()); }},
        {"magnifierSize", [](const S &s) { return QVariant(s.magnifierSize()); }},
    };
    return getters;
}

QByteArray customConfig(const QByteArray &key, const QByteArray &value)
{
    return "<config><custom><" + key + ">" + value + "</" + key + "></custom></config>";
}

QByteArray positionsConfig(const QByteArray &key, const QByteArray &value)
{
    return "<config><positions><" + key + ">" + value + "</" + key + "></positions></config>";
}

QByteArray rootConfig(const QByteArray &key, const QByteArray &value)
{
    return "<config><" + key + ">" + value + "</" + key + "></config>";
}

// Collects the children named `name` of the element at `path` below root.
QList<const kelvan::Element *> childrenAt(const kelvan::Element &root, const QList<QByteArray> &path)
{
    const kelvan::Element *at = &root;
    for (const QByteArray &step : path) {
        at = at->findChild(step);
        if (!at)
            return {};
    }
    QList<const kelvan::Element *> result;
    for (int i = 0; i < at->childCount(); ++i)
        result.append(&at->childAt(i));
    return result;
}

QByteArray leaf(const kelvan::Element &element, const QByteArray &name)
{
    const kelvan::Element *child = element.findChild(name);
    return child ? child->text() : QByteArray("<absent>");
}

// Lets writes beyond `bytes` fail with EFBIG (instead of killing the
// process with SIGXFSZ) until destroyed. Works for root as well.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        struct rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_ok = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool ok() const { return m_ok; }

private:
    struct rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
};

} // namespace

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void configExactBytesAndRoundTrip();
    void configReadingRules_data();
    void configReadingRules();
    void missingConfigGivesDefaults();

    void keyValueExactBytes();
    void keyValueReading_data();
    void keyValueReading();
    void keyValueUnreadableKeptAside_data();
    void keyValueUnreadableKeptAside();
    void invalidPeerIdNeverWritten_data();
    void invalidPeerIdNeverWritten();

    void quickTextsRebuiltWhenMissing();
    void quickTextsReading_data();
    void quickTextsReading();
    void editedBuiltInBecomesUserText();

    void autoRepliesRoundTrip();
    void autoRepliesReading();
    void textNotUtf8DecodedNotReplaced_data();
    void textNotUtf8DecodedNotReplaced();
    void writersKeepWithinReadersLimits();

    void spellLanguagesRoundTrip();
    void pictureFolderBytes();

    void corruptFileKeptAside_data();
    void corruptFileKeptAside();
    void emptyFileCountsAsMissing();
    void failedWriteKeepsOldFile();
    void folderBlockedByFile();
    void nestedFolderCreated();

private:
    std::unique_ptr<ScreensGuard> m_screens;
    std::unique_ptr<QTemporaryDir> m_dir;
    kelvan::ManualClock m_clock;
    QString folder() const { return m_dir->path(); }
};

void TestSettingsFiles::init()
{
    m_screens = std::make_unique<ScreensGuard>();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    kelvan::Clock::setInstance(&m_clock);
}

void TestSettingsFiles::cleanup()
{
    kelvan::Clock::setInstance(nullptr);
    m_dir.reset();
    m_screens.reset();
}

void TestSettingsFiles::configExactBytesAndRoundTrip()
{
    const QFont font(QStringLiteral("DejaVu Serif"), 14, QFont::Bold, true);
    {
        LOADED(settings, QStringLiteral("en"));
        QTextCharFormat format;
        format.setFont(font);
        format.setForeground(QColor(QStringLiteral("#00aa11")));
        settings.setTextFormat(format);
        for (int kind = 0; kind < SettingsManager::WindowKindCount; ++kind) {
            settings.setWindowSize(kind, QSize(401 + kind, 301 + kind));
            settings.setWindowMaximized(kind, kind % 2 == 0);
        }
        settings.setBigSingleEmoticons(false);
        settings.setVisibleAvatars(true);
        settings.setAllowReceiveNudge(false);
        settings.setCheckSpelling(false);
        settings.setSpellLanguage(QStringLiteral("ru_RU"));
        settings.setSplitterSizes(SettingsManager::Splitter::Chat, {10, 20});
        settings.setSplitterSizes(SettingsManager::Splitter::TabbedChat, {30, 40, 50});
        settings.setTabbedChat(false);
        settings.setPlaySound(0);
        settings.setShowNotification(1);
        settings.setMagnifierSize(444);
        settings.setMagnifierZoom(17);
        settings.setMagnifierShape(2);
        settings.setMagnifierBorder(false);
        settings.setMagnifierSmoothZoom(false);
        QVERIFY(settings.save(false));
        QVERIFY(!settings.isSavePending());
    }
    const QByteArray expected = "<config>\r\n"
                                "\t<text>\r\n"
                                "\t\t<font>" + font.toString().toUtf8() + "</font>\r\n"
                                "\t\t<forecolor>#00aa11</forecolor>\r\n"
                                "\t</text>\r\n"
                                "\t<positions>\r\n"
                                "\t\t<chatwnd_size>401,301</chatwnd_size>\r\n"
                                "\t\t<maximized>yes</maximized>\r\n"
                                "\t\t<tabchatwnd_size>402,302</tabchatwnd_size>\r\n"
                                "\t\t<tabchatwnd_maximized>no</tabchatwnd_maximized>\r\n"
                                "\t\t<broadcastwnd_size>403,303</broadcastwnd_size>\r\n"
                                "\t\t<broadcastwnd_maximized>yes</broadcastwnd_maximized>\r\n"
                                "\t\t<broadcastview_size>404,304</broadcastview_size>\r\n"
                                "\t\t<broadcastview_maximized>no</broadcastview_maximized>\r\n"
                                "\t</positions>\r\n"
                                "\t<custom>\r\n"
                                "\t\t<big_single_emoticons>no</big_single_emoticons>\r\n"
                                "\t\t<visible_avatars>yes</visible_avatars>\r\n"
                                "\t\t<allow_receive_nudge>no</allow_receive_nudge>\r\n"
                                "\t\t<check_spelling>no</check_spelling>\r\n"
                                "\t\t<spell_language>ru_RU</spell_language>\r\n"
                                "\t\t<splitter_chat>10,20</splitter_chat>\r\n"
                                "\t\t<splitter_tabbed_chat>30,40,50</splitter_tabbed_chat>\r\n"
                                "\t\t<splitter_conference/>\r\n"
                                "\t\t<tabbed_chat>no</tabbed_chat>\r\n"
                                "\t\t<play_sound>0</play_sound>\r\n"
                                "\t\t<show_notification>1</show_notification>\r\n"
                                "\t</custom>\r\n"
                                "\t<magnifier_size>444</magnifier_size>\r\n"
                                "\t<magnifier_zoom>17</magnifier_zoom>\r\n"
                                "\t<magnifier_shape>2</magnifier_shape>\r\n"
                                "\t<magnifier_border>no</magnifier_border>\r\n"
                                "\t<magnifier_smooth_zoom>no</magnifier_smooth_zoom>\r\n"
                                "</config>\r\n";
    QCOMPARE(readBytes(folder(), "config.ini"), expected);

    // Every value read back is written again as it was.
    LOADED(reread, QStringLiteral("fr"));
    QVERIFY(QFile::remove(QDir(folder()).filePath(QStringLiteral("config.ini"))));
    QVERIFY(reread.save(false));
    QCOMPARE(readBytes(folder(), "config.ini"), expected);
}

void TestSettingsFiles::configReadingRules_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QVariant>("expected");

    const QVariant defaultChatSize = QSize(960, 936);

    QTest::newRow("size 640 without comma keeps the default")
        << positionsConfig("chatwnd_size", "640") << "en" << "chatSize" << defaultChatSize;
    QTest::newRow("size 640,480,3 takes the first two parts")
        << positionsConfig("chatwnd_size", "640,480,3") << "en" << "chatSize" << QVariant(QSize(640, 480));
    QTest::newRow("size part that is no number reads 0")
        << positionsConfig("chatwnd_size", "wide,480") << "en" << "chatSize" << QVariant(QSize(0, 480));
    QTest::newRow("empty size keeps the default")
        << positionsConfig("chatwnd_size", "") << "en" << "chatSize" << defaultChatSize;
    QTest::newRow("maximized Yes in mixed case")
        << positionsConfig("maximized", "Yes") << "en" << "chatMaximized" << QVariant(true);

    QTest::newRow("tabbed_chat TRUE in capitals reads true")
        << customConfig("tabbed_chat", "TRUE") << "en" << "tabbedChat" << QVariant(true);
    QTest::newRow("tabbed_chat on reads false")
        << customConfig("tabbed_chat", "on") << "en" << "tabbedChat" << QVariant(false);
    QTest::newRow("tabbed_chat 1 reads true")
        << customConfig("visible_avatars", "1") << "en" << "visibleAvatars" << QVariant(true);
    QTest::newRow("empty tabbed_chat keeps default yes")
        << customConfig("tabbed_chat", "") << "en" << "tabbedChat" << QVariant(true);
    QTest::newRow("keys match ignoring letter case")
        << QByteArray("<config><CUSTOM><Allow_Receive_Nudge>no</Allow_Receive_Nudge></CUSTOM></config>") << "en"
        << "allowReceiveNudge" << QVariant(false);
    QTest::newRow("first of two equal keys wins")
        << QByteArray("<config><custom><play_sound>0</play_sound><play_sound>2</play_sound></custom></config>")
        << "en" << "playSound" << QVariant(0);
    QTest::newRow("play_sound that is no number reads 0")
        << customConfig("play_sound", "loud") << "en" << "playSound" << QVariant(0);

    QTest::newRow("empty spell_language with fr gives fr_FR")
        << customConfig("spell_language", "") << "fr" << "spellLanguage" << QVariant(QStringLiteral("fr_FR"));
    QTest::newRow("absent spell_language with de gives de_DE")
        << QByteArray("<config/>") << "de" << "spellLanguage" << QVariant(QStringLiteral("de_DE"));
    QTest::newRow("stored spell_language wins over the interface language")
        << customConfig("spell_language", "en_US") << "fr" << "spellLanguage" << QVariant(QStringLiteral("en_US"));
    QTest::newRow("interface language with a region keeps it")
        << QByteArray("<config/>") << "pt_BR" << "spellLanguage" << QVariant(QStringLiteral("pt_BR"));
    QTest::newRow("no interface language leaves the spell language empty")
        << QByteArray("<config/>") << "" << "spellLanguage" << QVariant(QString());

    QTest::newRow("splitter text taken as it is")
        << customConfig("splitter_conference", "100,x") << "en" << "splitterConference" << QVariant(QStringLiteral("100,x"));
    QTest::newRow("forecolor sets the format's foreground")
        << QByteArray("<config><text><forecolor>#ff0000</forecolor></text></config>") << "en" << "foreground"
        << QVariant(QColor(Qt::red));
    QTest::newRow("forecolor text kept even when it is no colour")
        << QByteArray("<config><text><forecolor>reddish</forecolor></text></config>") << "en" << "foreColorText"
        << QVariant(QStringLiteral("reddish"));
    QTest::newRow("entities in text are decoded")
        << customConfig("splitter_chat", "1&amp;2") << "en" << "splitterChat" << QVariant(QStringLiteral("1&2"));

    QTest::newRow("magnifier size 5000 read without clamping")
        << rootConfig("magnifier_size", "5000") << "en" << "magnifierSize" << QVariant(5000);
    QTest::newRow("magnifier keys inside custom are not read")
        << customConfig("magnifier_size", "50") << "en" << "magnifierSize" << QVariant(300);
    QTest::newRow("comments are skipped")
        << QByteArray("<!-- old --><config><!-- x --><custom><play_sound>0</play_sound></custom></config>") << "en"
        << "playSound" << QVariant(0);
}

void TestSettingsFiles::configReadingRules()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, language);
    QFETCH(QString, value);

    QVERIFY(writeBytes(folder(), "config.ini", config));
    LOADED(settings, language);
    QVERIFY(configGetters().contains(value));
    QTEST(configGetters().value(value)(settings), "expected");
}

void TestSettingsFiles::missingConfigGivesDefaults()
{
    LOADED(settings, QStringLiteral("de"));
    QCOMPARE(settings.bigSingleEmoticons(), true);
    QCOMPARE(settings.visibleAvatars(), false);
    QCOMPARE(settings.allowReceiveNudge(), true);
    QCOMPARE(settings.checkSpelling(), true);
    QCOMPARE(settings.tabbedChat(), true);
    QCOMPARE(settings.playSound(), 1);
    QCOMPARE(settings.showNotification(), 2);
    QCOMPARE(settings.magnifierSize(), 300);
    QCOMPARE(settings.magnifierZoom(), 2);
    QCOMPARE(settings.magnifierBorder(), true);
    QCOMPARE(settings.magnifierShape(), 1);
    QCOMPARE(settings.magnifierSmoothZoom(), true);
    QCOMPARE(settings.quickTextBehaviour(), 0);
    QCOMPARE(settings.spellLanguage(), QStringLiteral("de_DE"));
    QVERIFY(settings.splitterSizes(SettingsManager::Splitter::Chat).isEmpty());
    QVERIFY(settings.pictureFolder().isEmpty());
    QVERIFY(settings.autoReplies().isEmpty());
    // Reading writes nothing but the rebuilt quick texts.
    QVERIFY(!exists(folder(), "config.ini"));
    QVERIFY(exists(folder(), "canned_msgs.ini"));
}

void TestSettingsFiles::keyValueExactBytes()
{
    LOADED(settings, QStringLiteral("en"));
    QVERIFY(settings.setAutoscroll(QStringLiteral("bob"), false));
    QVERIFY(settings.setAutoscroll(QStringLiteral("alice"), true));
    QVERIFY(settings.setAutoscroll(QStringLiteral("Zed"), true));
    QVERIFY(settings.setAutoscroll(QStringLiteral("\u00e9mile"), false));
    // Byte-wise order: capitals before small letters, UTF-8 after ASCII.
    QCOMPARE(readBytes(folder(), "autoscroll.ini"),
             QByteArray("Zed=yes\r\nalice=yes\r\nbob=no\r\n\xc3\xa9mile=no\r\n"));

    QVERIFY(settings.setNotificationsEnabled(QStringLiteral("carol"), false));
    QCOMPARE(readBytes(folder(), "disabled_notifications.ini"), QByteArray("carol=no\r\n"));
    QVERIFY(settings.setNotificationsEnabled(QStringLiteral("carol"), true));
    QCOMPARE(readBytes(folder(), "disabled_notifications.ini"), QByteArray("carol=yes\r\n"));
}

void TestSettingsFiles::keyValueReading_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("peer");
    QTest::addColumn<bool>("expected");

    QTest::newRow("alice=yes with CR LF reads true") << QByteArray("alice=yes\r\n") << "alice" << true;
    QTest::newRow("peer without a line reads true") << QByteArray("alice=no\r\n") << "bob" << true;
    QTest::newRow("no reads false") << QByteArray("alice=no\r\n") << "alice" << false;
    QTest::newRow("line without line end") << QByteArray("x=yes\r\nalice=no") << "alice" << false;
    QTest::newRow("LF only") << QByteArray("x=yes\nalice=no\n") << "alice" << false;
    QTest::newRow("empty lines skipped") << QByteArray("\r\n\r\nalice=no\r\n\r\n") << "alice" << false;
    QTest::newRow("later line replaces earlier") << QByteArray("alice=no\r\nalice=yes\r\n") << "alice" << true;
    QTest::newRow("only one CR dropped") << QByteArray("alice=no\r\r\n") << "alice" << false;
    QTest::newRow("UTF-8 peer") << QByteArray("\xc3\xa9mile=no\r\n") << QString::fromUtf8("\xc3\xa9mile") << false;
}

void TestSettingsFiles::keyValueReading()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, peer);
    QFETCH(bool, expected);

    QVERIFY(writeBytes(folder(), "autoscroll.ini", file));
    QVERIFY(writeBytes(folder(), "disabled_notifications.ini", file));
    LOADED(settings, QStringLiteral("en"));
    QCOMPARE(settings.autoscroll(peer), expected);
    QCOMPARE(settings.notificationsEnabled(peer), expected);
}

void TestSettingsFiles::keyValueUnreadableKeptAside_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("keptAside");
    QTest::addColumn<QByteArray>("rewritten");

    const QByteArray alone = "alice=no\r\ncarol=no\r\n";
    QTest::newRow("clean file stays in place") << QByteArray("alice=no\r\nbob=yes\r\n") << false
                                               << QByteArray("alice=no\r\nbob=yes\r\ncarol=no\r\n");
    QTest::newRow("line without equals sign") << QByteArray("alice=no\r\nhello world\r\n") << true << alone;
    QTest::newRow("two equals signs") << QByteArray("alice=no\r\nbob=no=no\r\n") << true << alone;
    QTest::newRow("peer id with a space") << QByteArray("alice=no\r\nbob smith=no\r\n") << true << alone;
    QTest::newRow("peer id over 128 bytes") << QByteArray("alice=no\r\n" + QByteArray(129, 'p') + "=no\r\n") << true
                                            << alone;
    QTest::newRow("peer id of exactly 128 bytes is read")
        << QByteArray("alice=no\r\n" + QByteArray(128, 'p') + "=no\r\n") << false
        << QByteArray("alice=no\r\ncarol=no\r\n" + QByteArray(128, 'p') + "=no\r\n");
    QTest::newRow("peer id not UTF-8") << QByteArray("alice=no\r\n\xe9mile=no\r\n") << true << alone;
    QTest::newRow("value that is no flag still reads false")
        << QByteArray("alice=no\r\nbob=maybe\r\n") << true << QByteArray("alice=no\r\nbob=no\r\ncarol=no\r\n");
}

void TestSettingsFiles::keyValueUnreadableKeptAside()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, keptAside);

    const QStringList names{"autoscroll.ini", "disabled_notifications.ini"};
    for (const QString &name : names)
        QVERIFY(writeBytes(folder(), name, file));
    LOADED(settings, QStringLiteral("en"));
    for (const QString &name : names) {
        QCOMPARE(exists(folder(), name + QStringLiteral(".20260305-120000.bad")), keptAside);
        if (keptAside)
            QCOMPARE(readBytes(folder(), name + QStringLiteral(".20260305-120000.bad")), file);
    }
    QCOMPARE(settings.autoscroll(QStringLiteral("alice")), false);
    QCOMPARE(settings.notificationsEnabled(QStringLiteral("alice")), false);

    QVERIFY(settings.setAutoscroll(QStringLiteral("carol"), false));
    QVERIFY(settings.setNotificationsEnabled(QStringLiteral("carol"), false));
    for (const QString &name : names)
        QTEST(readBytes(folder(), name), "rewritten");
}

void TestSettingsFiles::invalidPeerIdNeverWritten_data()
{
    QTest::addColumn<QString>("peer");
    QTest::newRow("empty") << QString();
    QTest::newRow("equals sign") << "a=b";
    QTest::newRow("line break") << "a\r\nb";
    QTest::newRow("over 128 bytes") << QString(SettingsManager::MaxPeerIdBytes + 1, QLatin1Char('p'));
}

void TestSettingsFiles::invalidPeerIdNeverWritten()
{
    QFETCH(QString, peer);
    LOADED(settings, QStringLiteral("en"));
    QVERIFY(!SettingsManager::isValidPeerId(peer));
    QVERIFY(!settings.setAutoscroll(peer, false));
    // Kept for this session.
    QCOMPARE(settings.autoscroll(peer), false);
    QVERIFY(settings.setAutoscroll(QStringLiteral("1001"), false));
    QCOMPARE(readBytes(folder(), "autoscroll.ini"), QByteArray("1001=no\r\n"));
}

void TestSettingsFiles::quickTextsRebuiltWhenMissing()
{
    SettingsManager settings;
    QSignalSpy changed(&settings, &SettingsManager::cannedMessagesChanged);
    settings.load(folder(), QStringLiteral("en"));
    QCOMPARE(changed.count(), 1);
    const QList<SettingsManager::QuickText> expected = {{0, QString()}, {1, QString()}, {2, QString()}};
    QCOMPARE(settings.quickTexts(), expected);
    QCOMPARE(SettingsManager::quickTextDisplayText(settings.quickTexts().at(1)),
             QStringLiteral("Will you please send me the report?"));

    kelvan::Element root;
    QVERIFY(kelvan::readElement(readBytes(folder(), "canned_msgs.ini"), root));
    QCOMPARE(root.name(), QByteArray("xml"));
    QCOMPARE(leaf(root, "quick_text_behaviour"), QByteArray("0"));
    const auto messages = childrenAt(root, {"canned_messages"});
    QCOMPARE(messages.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(messages.at(i)->name(), QByteArray("message"));
        QCOMPARE(leaf(*messages.at(i), "id"), QByteArray::number(i));
        QCOMPARE(leaf(*messages.at(i), "value"), QByteArray());
    }
}

void TestSettingsFiles::quickTextsReading_data()
{
    QTest::addColumn<QByteArray>("messages");
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("non-negative id ignores its text")
        << QByteArray("<message><id>5</id><value>ignored</value></message>") << QList<int>{5} << QStringList{""};
    QTest::newRow("negative id keeps the text")
        << QByteArray("<message><id>-3</id><value>mine</value></message>") << QList<int>{-1} << QStringList{"mine"};
    QTest::newRow("absent id keeps the text")
        << QByteArray("<message><value>b&amp;b</value></message>") << QList<int>{-1} << QStringList{"b&b"};
    QTest::newRow("id and value both empty skipped")
        << QByteArray("<message/><message><id/><value/></message><message><id>1</id></message>")
        << QList<int>{1} << QStringList{""};
    QTest::newRow("id that is no number reads 0")
        << QByteArray("<message><id>one</id><value>x</value></message>") << QList<int>{0} << QStringList{""};
    QTest::newRow("UTF-8 text")
        << QByteArray("<message><value>\xe2\x82\xac 5</value></message>") << QList<int>{-1}
        << QStringList{QString::fromUtf8("\xe2\x82\xac 5")};
    QTest::newRow("order kept")
        << QByteArray("<message><value>b</value></message><message><id>2</id></message><message><value>a</value></message>")
        << QList<int>{-1, 2, -1} << QStringList{"b", "", "a"};
}

void TestSettingsFiles::quickTextsReading()
{
    QFETCH(QByteArray, messages);

    const QByteArray file = "<xml><quick_text_behaviour>1</quick_text_behaviour><canned_messages>" + messages
        + "</canned_messages></xml>";
    QVERIFY(writeBytes(folder(), "canned_msgs.ini", file));
    LOADED(settings, QStringLiteral("en"));
    QCOMPARE(settings.quickTextBehaviour(), 1);
    QList<int> readIds;
    QStringList readTexts;
    for (const SettingsManager::QuickText &record : settings.quickTexts()) {
        readIds.append(record.id);
        readTexts.append(record.text);
    }
    QTEST(readIds, "ids");
    QTEST(readTexts, "texts");
    // A readable file is not rewritten by loading.
    QCOMPARE(readBytes(folder(), "canned_msgs.ini"), file);
}

void TestSettingsFiles::editedBuiltInBecomesUserText()
{
    {
        LOADED(settings, QStringLiteral("en"));
        // What the quick-text dialog's OK does after built-in 1 was edited.
        settings.clearQuickTexts();
        settings.appendBuiltInQuickText(0);
        settings.appendQuickText(QStringLiteral("Please send the [b]report[/b]"));
        settings.appendBuiltInQuickText(2);
        settings.appendQuickText(QString());
        settings.appendBuiltInQuickText(-1);
        settings.setQuickTextBehaviour(1);
        QSignalSpy changed(&settings, &SettingsManager::cannedMessagesChanged);
        QVERIFY(settings.writeQuickTexts());
        QCOMPARE(changed.count(), 1);
    }
    kelvan::Element root;
    QVERIFY(kelvan::readElement(readBytes(folder(), "canned_msgs.ini"), root));
    QCOMPARE(leaf(root, "quick_text_behaviour"), QByteArray("1"));
    const auto messages = childrenAt(root, {"canned_messages"});
    QCOMPARE(messages.size(), 3);
    QVERIFY(!messages.at(1)->findChild("id"));
    QCOMPARE(leaf(*messages.at(1), "value"), QByteArray("Please send the [b]report[/b]"));

    LOADED(reread, QStringLiteral("en"));
    const QList<SettingsManager::QuickText> expected = {
        {0, QString()}, {-1, QStringLiteral("Please send the [b]report[/b]")}, {2, QString()}};
    QCOMPARE(reread.quickTexts(), expected);
    QCOMPARE(reread.quickTextBehaviour(), 1);
}

void TestSettingsFiles::autoRepliesRoundTrip()
{
    {
        LOADED(settings, QStringLiteral("en"));
        settings.setPlainStatusReply(2, QStringLiteral("Back soon & <then>"), true);
        settings.setCustomStatusReply(3, QStringLiteral("In a meeting"), QStringLiteral("Meeting until 3"), false);
        settings.setPlainStatusReply(-1, QStringLiteral("never stored"), true);
        settings.setPlainStatusReply(1, QString(), true);
        QVERIFY(settings.writeAutoReplies());
    }
    LOADED(reread, QStringLiteral("en"));
    QCOMPARE(replyLines(reread.autoReplies()),
             QStringList({"2||Back soon & <then>|1", "3|In a meeting|Meeting until 3|0"}));
}

void TestSettingsFiles::autoRepliesReading()
{
    const QByteArray file =
        "<xml><auto_reply_messages>"
        "<message><id>2</id><active>yes</active><custom_status_str/><auto_reply_msg>first</auto_reply_msg></message>"
        "<message><id>-1</id><active>yes</active><auto_reply_msg>no status</auto_reply_msg></message>"
        "<message><id/><active>yes</active><auto_reply_msg>no id</auto_reply_msg></message>"
        "<message><id>4</id><active>yes</active><auto_reply_msg/></message>"
        "<message><id>2</id><active>TRUE</active><auto_reply_msg>second</auto_reply_msg></message>"
        "<message><id>2</id><active>no</active><custom_status_str>Lunch</custom_status_str>"
        "<auto_reply_msg>lunch</auto_reply_msg></message>"
        "</auto_reply_messages></xml>";
    QVERIFY(writeBytes(folder(), "auto_reply_msgs.ini", file));
    LOADED(settings, QStringLiteral("en"));
    // The second record of plain status 2 replaced the first in place.
    QCOMPARE(replyLines(settings.autoReplies()), QStringList({"2||second|1", "2|Lunch|lunch|0"}));
    QCOMPARE(settings.findPlainStatusReply(2).replyText(), QStringLiteral("second"));
    QCOMPARE(settings.findCustomStatusReply(2, QStringLiteral("Lunch")).replyText(), QStringLiteral("lunch"));
    QCOMPARE(settings.findPlainStatusReply(4).statusCode(), -1);
}

void TestSettingsFiles::textNotUtf8DecodedNotReplaced_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Latin-1 accents") << QByteArray("caf\xe9 M\xfcller") << QString::fromUtf8("café Müller");
    QTest::newRow("Windows-1252 quotes and euro sign")
        << QByteArray("\x93" "5 \x80\x94") << QString::fromUtf8("\u201c5 \u20ac\u201d");
    QTest::newRow("leading U+FEFF is text") << QByteArray("\xef\xbb\xbfhi") << (QChar(0xFEFF) + QStringLiteral("hi"));
}

void TestSettingsFiles::textNotUtf8DecodedNotReplaced()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, expected);

    QVERIFY(writeBytes(folder(), "canned_msgs.ini",
                       "<xml><canned_messages><message><value>" + stored + "</value></message></canned_messages></xml>"));
    QVERIFY(writeBytes(folder(), "auto_reply_msgs.ini",
                       "<xml><auto_reply_messages><message><id>2</id><custom_status_str>" + stored
                           + "</custom_status_str><auto_reply_msg>" + stored
                           + "</auto_reply_msg></message></auto_reply_messages></xml>"));
    for (int pass = 0; pass < 2; ++pass) {
        LOADED(settings, QStringLiteral("en"));
        QCOMPARE(settings.quickTexts().size(), 1);
        QCOMPARE(settings.quickTexts().at(0).text, expected);
        QCOMPARE(settings.autoReplies().size(), 1);
        QCOMPARE(settings.autoReplies().at(0).replyText(), expected);
        QCOMPARE(settings.autoReplies().at(0).displayText(), expected);
        // The second pass reads what the first wrote back.
        QVERIFY(settings.writeQuickTexts());
        QVERIFY(settings.writeAutoReplies());
    }
    QVERIFY(readBytes(folder(), "canned_msgs.ini").contains(expected.toUtf8()));
}

void TestSettingsFiles::writersKeepWithinReadersLimits()
{
    const QString longest(SettingsManager::MaxTextBytes, QLatin1Char('a'));
    const QString tooLong = longest + QLatin1Char('a');
    LOADED(settings, QStringLiteral("en"));
    const QByteArray quickTexts = readBytes(folder(), "canned_msgs.ini");

    QVERIFY(!settings.appendQuickText(tooLong));
    QVERIFY(!settings.setPlainStatusReply(2, tooLong, true));
    QVERIFY(!settings.setCustomStatusReply(2, tooLong, QStringLiteral("reply"), true));
    QCOMPARE(settings.quickTexts().size(), 3);
    QVERIFY(settings.autoReplies().isEmpty());

    // Each text fits, all of them together do not fit one file.
    const int count = int(SettingsManager::MaxFileBytes / SettingsManager::MaxTextBytes) + 1;
    for (int i = 0; i < count; ++i) {
        QVERIFY(settings.appendQuickText(longest));
        QVERIFY(settings.setPlainStatusReply(i, longest, true));
    }
    QVERIFY(!settings.writeQuickTexts());
    QVERIFY(!settings.writeAutoReplies());
    QCOMPARE(readBytes(folder(), "canned_msgs.ini"), quickTexts);
    QVERIFY(!exists(folder(), "auto_reply_msgs.ini"));

    LOADED(reread, QStringLiteral("en"));
    QCOMPARE(reread.quickTexts().size(), 3);
    QCOMPARE(QDir(folder()).entryList({"*.bad"}, QDir::Files), QStringList());
}

void TestSettingsFiles::spellLanguagesRoundTrip()
{
    {
        LOADED(settings, QStringLiteral("en"));
        settings.setContactSpellLanguage(QStringLiteral("alice"), QStringLiteral("de_DE"));
        settings.setContactSpellLanguage(QStringLiteral("bob"), QStringLiteral("fr_FR"));
    }
    kelvan::Element root;
    QVERIFY(kelvan::readElement(readBytes(folder(), "spell_check_languages.ini"), root));
    const auto networks = childrenAt(root, {"spell_check_languages"});
    QCOMPARE(networks.size(), 1);
    QCOMPARE(networks.at(0)->name(), QByteArray("network"));
    QCOMPARE(leaf(*networks.at(0), "id"), QByteArray());
    const auto users = childrenAt(*networks.at(0), {"users"});
    QCOMPARE(users.size(), 2);
    QCOMPARE(leaf(*users.at(0), "id"), QByteArray("alice"));
    QCOMPARE(leaf(*users.at(0), "bcp47Name"), QByteArray("de_DE"));

    LOADED(reread, QStringLiteral("en"));
    QCOMPARE(reread.contactSpellLanguage(QStringLiteral("alice")), QStringLiteral("de_DE"));
    QCOMPARE(reread.contactSpellLanguage(QStringLiteral("bob")), QStringLiteral("fr_FR"));
    QCOMPARE(reread.contactSpellLanguage(QStringLiteral("carol")), QString());

    // A new choice replaces the stored one; a removed one leaves the file.
    reread.setContactSpellLanguage(QStringLiteral("alice"), QStringLiteral("it_IT"));
    QVERIFY(readBytes(folder(), "spell_check_languages.ini").contains("<bcp47Name>it_IT</bcp47Name>"));
    QVERIFY(!readBytes(folder(), "spell_check_languages.ini").contains("de_DE"));
    reread.removeContactSpellLanguage(QStringLiteral("alice"));
    QCOMPARE(reread.contactSpellLanguage(QStringLiteral("alice")), QString());
    QVERIFY(!readBytes(folder(), "spell_check_languages.ini").contains("alice"));
}

void TestSettingsFiles::pictureFolderBytes()
{
    const QString path = QString::fromUtf8("/home/\xc3\xa9mile/Bilder");
    {
        LOADED(settings, QStringLiteral("en"));
        settings.setPictureFolder(path);
    }
    QCOMPARE(readBytes(folder(), "picpath.dat"), path.toUtf8());
    LOADED(reread, QStringLiteral("en"));
    QCOMPARE(reread.pictureFolder(), path);

    // Another identity's folder without picpath.dat has no picture folder.
    QTemporaryDir other;
    reread.load(other.path(), QStringLiteral("en"));
    QCOMPARE(reread.pictureFolder(), QString());
}

void TestSettingsFiles::corruptFileKeptAside_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("rewrittenAtOnce");

    QTest::newRow("config.ini truncated") << "config.ini" << QByteArray("<config><custom><tabbed_chat>no") << false;
    QTest::newRow("canned_msgs.ini is not a tree") << "canned_msgs.ini" << QByteArray("hello\x01\xff") << true;
    QTest::newRow("auto_reply_msgs.ini mismatched tags")
        << "auto_reply_msgs.ini" << QByteArray("<xml><auto_reply_messages></xml>") << false;
    QTest::newRow("spell_check_languages.ini truncated")
        << "spell_check_languages.ini" << QByteArray("<xml><spell_check_languages><network><id>") << false;
}

void TestSettingsFiles::corruptFileKeptAside()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);

    QVERIFY(writeBytes(folder(), fileName, bytes));
    {
        LOADED(settings, QStringLiteral("en"));
        const QString keptName = fileName + QStringLiteral(".20260305-120000.bad");
        QVERIFY(exists(folder(), keptName));
        QCOMPARE(readBytes(folder(), keptName), bytes);
        QTEST(exists(folder(), fileName), "rewrittenAtOnce");
        if (fileName == QLatin1String("config.ini"))
            QCOMPARE(settings.tabbedChat(), true);
        // Saving defaults later leaves the kept copy alone.
        QVERIFY(settings.save(false));
        settings.setContactSpellLanguage(QStringLiteral("a"), QStringLiteral("de_DE"));
        settings.writeAutoReplies();
        settings.writeQuickTexts();
    }
    QCOMPARE(readBytes(folder(), fileName + QStringLiteral(".20260305-120000.bad")), bytes);

    // A second bad copy at the same second gets a name of its own.
    QVERIFY(writeBytes(folder(), fileName, bytes));
    LOADED(again, QStringLiteral("en"));
    QCOMPARE(readBytes(folder(), fileName + QStringLiteral(".20260305-120000-1.bad")), bytes);
}

void TestSettingsFiles::emptyFileCountsAsMissing()
{
    QVERIFY(writeBytes(folder(), "canned_msgs.ini", "\r\n"));
    QVERIFY(writeBytes(folder(), "config.ini", ""));
    LOADED(settings, QStringLiteral("en"));
    QCOMPARE(settings.quickTexts().size(), 3);
    QCOMPARE(QDir(folder()).entryList({"*.bad"}, QDir::Files), QStringList());
}

void TestSettingsFiles::failedWriteKeepsOldFile()
{
    LOADED(settings, QStringLiteral("en"));
    QVERIFY(settings.save(false));
    const QByteArray old = readBytes(folder(), "config.ini");
    QVERIFY(old.size() > 100);

    settings.setPlaySound(0);
    {
        // The new file cannot grow past 64 bytes, as on a full disk.
        FileSizeLimit limit(64);
        QVERIFY(limit.ok());
        QVERIFY(!settings.save(false));
        QVERIFY(!settings.setAutoscroll(QString(100, QLatin1Char('p')), false));
    }
    QCOMPARE(readBytes(folder(), "config.ini"), old);
    QCOMPARE(settings.playSound(), 0);
    QCOMPARE(settings.autoscroll(QString(100, QLatin1Char('p'))), false);
    // No half-written temporary files are left behind.
    const QStringList files = QDir(folder()).entryList(QDir::Files);
    QCOMPARE(files, (QStringList{"canned_msgs.ini", "config.ini"}));

    // Once space is back the next save writes the values kept in memory.
    QVERIFY(settings.save(false));
    LOADED(reread, QStringLiteral("en"));
    QCOMPARE(reread.playSound(), 0);
}

void TestSettingsFiles::folderBlockedByFile()
{
    const QString blocked = QDir(folder()).filePath(QStringLiteral("user"));
    QVERIFY(writeBytes(folder(), "user", "not a folder"));
    SettingsManager settings;
    settings.load(blocked, QStringLiteral("en"));
    QCOMPARE(settings.quickTexts().size(), 3);
    settings.setVisibleAvatars(true);
    QVERIFY(!settings.save(false));
    QVERIFY(!settings.setNotificationsEnabled(QStringLiteral("bob"), false));
    QCOMPARE(settings.notificationsEnabled(QStringLiteral("bob")), false);
    QCOMPARE(settings.visibleAvatars(), true);
    QCOMPARE(readBytes(folder(), "user"), QByteArray("not a folder"));
}

void TestSettingsFiles::nestedFolderCreated()
{
    const QString nested = QDir(folder()).filePath(QStringLiteral("a/b/c"));
    SettingsManager settings;
    settings.load(nested, QStringLiteral("en"));
    QVERIFY(exists(nested, "canned_msgs.ini"));
    QVERIFY(settings.save(false));
    QVERIFY(exists(nested, "config.ini"));
}

QTEST_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
