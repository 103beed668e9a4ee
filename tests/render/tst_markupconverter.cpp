#include "htmloracle.h"

#include "render/attachmentblocks.h"
#include "render/links.h"
#include "render/markupconverter.h"
#include "render/renderbounds.h"
#include "render/resourcekeytable.h"

#include "emoticons/emotionboxmanager.h"
#include "hostkit/host.h"
#include "hostkit/transfers.h"
#include "lib_kelvan/clock.h"
#include "plugin/records/variableimpl.h"

#include <sdk/ihostservices.h>

#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>

using namespace MarkupConverter;

namespace {

// Whether `html` starts with the first of `parts`, ends with the last and
// holds them all in this order, "KEY" standing for `key`.
bool holdsInOrder(const QString &html, const QStringList &parts, const QString &key)
{
    int at = 0;
    for (QString part : parts) {
        at = html.indexOf(part.replace(QLatin1String("KEY"), key), at);
        if (at < 0)
            return false;
        at += part.size();
    }
    return html.startsWith(QString(parts.first()).replace(QLatin1String("KEY"), key))
           && html.endsWith(QString(parts.last()).replace(QLatin1String("KEY"), key));
}

// First anchor of some HTML as a document reads it: (href, text).
QPair<QString, QString> firstAnchor(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isAnchor())
                return {it.fragment().charFormat().anchorHref(), it.fragment().text()};
        }
    }
    return {};
}

} // namespace

class tst_MarkupConverter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void applyFormattingTags_data();
    void applyFormattingTags();
    void fileLinkWithPath();
    void renderPlainMarkup_data();
    void renderPlainMarkup();
    void replaceMentions_data();
    void replaceMentions();
    void extractTag_data();
    void extractTag();
    void tagAttribute_data();
    void tagAttribute();
    void encodedValuesReadBack();
    void canEditMarkup_data();
    void canEditMarkup();

    void attachmentBlocks_data();
    void attachmentBlocks();
    void fileBlockAsksTheHostInOrder();
    void knownLocalFileNamesTheBlock();
    void pictureBlocks_data();
    void pictureBlocks();
    void pictureFetchPolicy_data();
    void pictureFetchPolicy();
    void pictureFetchCaps_data();
    void pictureFetchCaps();
    void locationLine();
    void matchesSequentialPasses();
    void fusedScanMatchesPasses_data();
    void fusedScanMatchesPasses();
    void peerTextCannotInject_data();
    void peerTextCannotInject();
    void hostileBodiesKeepToTheBounds_data();
    void hostileBodiesKeepToTheBounds();
    void bidiControlsLeaveFileNames();
    void emoticonsInBody();

    void editorToMarkup_data();
    void editorToMarkup();
    void editorPicturesGoToTheNameList();
    void markupToEditorHtmlRoundTrip_data();
    void markupToEditorHtmlRoundTrip();
    void editorHtmlOfManyParentheses();
    void markupToPlainText_data();
    void markupToPlainText();
    void commands();

private:
    RenderContext context(bool emoticons = false) const;

    std::unique_ptr<hostkit::Host> m_host;
    IHostServices *m_services = nullptr;
    kelvan::ManualClock m_clock;
    std::unique_ptr<EmotionBoxManager> m_emoticons;
};

void tst_MarkupConverter::initTestCase()
{
    kelvan::Clock::setInstance(&m_clock);
    m_host.reset(new hostkit::Host(hostkit::Profile::inMemory()));
    QVERIFY(m_host->isReady());
    hostkit::Contact eve;
    eve.id = "1066";
    eve.displayName = QStringLiteral("<i>Eve</i> \"the\" & 'one'");
    m_host->profile().addContact(eve);
    hostkit::Contact longName;
    longName.id = "1077";
    longName.displayName = QString(60, QLatin1Char('n'));
    m_host->profile().addContact(longName);
    m_services = m_host->servicesFor("chat");
    m_emoticons.reset(new EmotionBoxManager);
    QVERIFY(m_emoticons->loadCatalogue(m_host->applicationFolder()));
    QVERIFY(m_emoticons->findEntry(QStringLiteral("smile")));
}

void tst_MarkupConverter::init()
{
    m_host->journal().clear();
}

RenderContext tst_MarkupConverter::context(bool emoticons) const
{
    RenderContext c;
    c.host = m_services;
    c.language = QStringLiteral("en");
    c.emoticons = emoticons ? m_emoticons.get() : nullptr;
    return c;
}

void tst_MarkupConverter::applyFormattingTags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("bold italic underline") << "[b]a[/b][i]b[/i][u]c[/u]" << "<b>a</b><i>b</i><u>c</u>";
    QTest::newRow("upper-case tags render too") << "[B]a[/B] [I]b[/I] [U]c[/U]" << "<b>a</b> <i>b</i> <u>c</u>";
    QTest::newRow("break tag") << "a[br]b[BR]c" << "a<br/>b<br/>c";
    QTest::newRow("line feeds with and without carriage return") << "a\r\nb\nc" << "a<br/>b<br/>c";
    QTest::newRow("code bracket is a literal bracket") << "a[code][[/code]b" << "a[b";
    QTest::newRow("code bracket only in lower case") << "a[CODE][[/CODE]b" << "a[CODE][[/CODE]b";
    QTest::newRow("furl only in lower case") << "[FURL]x[/FURL]" << "[FURL]x[/FURL]";
    QTest::newRow("furl target is its own label") << "[furl]http://a.b[/furl]" << "<a href=\"http://a.b\">http://a.b</a>";
    QTest::newRow("furl without closing tag stays literal") << "[furl]x and more" << "[furl]x and more";
    QTest::newRow("broken furl grammar ends the pass") << "[furlx] [furl]b[/furl]" << "[furlx] [furl]b[/furl]";
    QTest::newRow("furl path without closing bracket ends the pass") << "[furl=C:/a" << "[furl=C:/a";
    QTest::newRow("two furl links") << "[furl]a[/furl] [furl]b[/furl]" << "<a href=\"a\">a</a> <a href=\"b\">b</a>";
    QTest::newRow("furl label with spaces in href encoded")
        << "[furl]a b[/furl]" << "<a href=\"a&#32;b\">a b</a>";
    QTest::newRow("unknown tag untouched") << "[s]x[/s]" << "[s]x[/s]";
}

void tst_MarkupConverter::applyFormattingTags()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(MarkupConverter::applyFormattingTags(text), expected);
}

void tst_MarkupConverter::fileLinkWithPath()
{
    const QString path = QStringLiteral("C:/My Files/a.txt");
    const QString html = MarkupConverter::applyFormattingTags(QStringLiteral("[furl=%1]my file[/furl]").arg(path));
    const auto anchor = firstAnchor(html);
    QCOMPARE(QUrl(anchor.first), QUrl::fromLocalFile(path));
    QCOMPARE(anchor.second, QStringLiteral("my file"));

    // U+0002 and U+0003 stand for the brackets of the path.
    const QString bracketed = MarkupConverter::applyFormattingTags(
        QStringLiteral("[furl=/tmp/%1x%2]f[/furl]").arg(QChar(0x0002)).arg(QChar(0x0003)));
    QCOMPARE(QUrl(firstAnchor(bracketed).first), QUrl::fromLocalFile(QStringLiteral("/tmp/[x]")));
}

void tst_MarkupConverter::renderPlainMarkup_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("expected");
    QTest::newRow("three spaces, the first ones leading: space, nbsp, space") << "   b" << " &nbsp; b";
    QTest::newRow("escaping happens before the tags") << "1 < 2 & 3" << "1 &lt; 2 &amp; 3";
    QTest::newRow("literal bracket after escaping") << "a[code][[/code]b<" << "a[b&lt;";
    QTest::newRow("bold link") << "[b]www.a.de [/b]" << "<b><a href=\"http://www.a.de\">www.a.de</a> </b>";
    QTest::newRow("tag glued to a link is part of it") << "[b]http://a.de[/b]" << "<b><a href=\"http://a.de&#91;/b&#93;\">http://a.de</b></a>";
    QTest::newRow("attachment tags stay text") << "[file url=\"x\"]" << "[file url=&quot;x&quot;]";
    QTest::newRow("file link around a link keeps its own target")
        << "[furl]http://a.com[/furl]rest" << "<a href=\"http://a.com\">http://a.com</a>rest";
    QTest::newRow("mention inside a link stays text")
        << "http://x/[@1001]" << "<a href=\"http://x/&#91;@1001&#93;\">http://x/[@1001]</a>";
}

void tst_MarkupConverter::renderPlainMarkup()
{
    QFETCH(QString, markup);
    QFETCH(QString, expected);
    QCOMPARE(MarkupConverter::renderPlainMarkup(markup, RenderContext()), expected);
}

void tst_MarkupConverter::replaceMentions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString bea = QStringLiteral("<b><a href=\"chat:1001\">Bea Hansen</a></b>");
    QTest::newRow("complete mention, text, unclosed mention") << "[@1001] hi [@1002" << bea + " hi [@1002";
    QTest::newRow("id is trimmed") << "[@ 1001 ]" << bea;
    QTest::newRow("unknown id") << "[@999]" << "<b><a href=\"chat:999\">Unknown</a></b>";
    QTest::newRow("no complete mention: returned as it was") << "a [@ b" << "a [@ b";
    QTest::newRow("display name with markup is escaped")
        << "[@1066]" << "<b><a href=\"chat:1066\">&lt;i&gt;Eve&lt;/i&gt; &quot;the&quot; &amp; 'one'</a></b>";
    QTest::newRow("id with quotes stays inside the attribute")
        << "[@a&quot;b]" << "<b><a href=\"chat:a&quot;b\">Unknown</a></b>";
    QTest::newRow("closing bracket inside a tag is not the end")
        << "[@1001<img src=\"x]\">]" << bea;
}

void tst_MarkupConverter::replaceMentions()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(MarkupConverter::replaceMentions(text, m_services), expected);
}

void tst_MarkupConverter::extractTag_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("close");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("remaining");
    QTest::addColumn<QString>("attributes");
    QTest::newRow("tag removed, attributes trimmed")
        << "x[file  url=\"a\" ]y" << "[file" << "]" << 1 << "xy" << "url=\"a\"";
    QTest::newRow("missing close leaves the text") << "x[file url" << "[file" << "]" << -1 << "x[file url" << "";
    QTest::newRow("missing open leaves the text") << "xy]" << "[file" << "]" << -1 << "xy]" << "";
    QTest::newRow("first tag only") << "[loc pos=1][loc pos=2]" << "[loc" << "]" << 0 << "[loc pos=2]" << "pos=1";
    QTest::newRow("img tag with close text") << "a[img]u[/img]b" << "[img]" << "[/img]" << 1 << "ab" << "u";
}

void tst_MarkupConverter::extractTag()
{
    QFETCH(QString, text);
    QFETCH(QString, open);
    QFETCH(QString, close);
    QFETCH(int, position);
    QFETCH(QString, remaining);
    QFETCH(QString, attributes);
    QString found;
    QCOMPARE(MarkupConverter::extractTag(text, open, close, &found), position);
    QCOMPARE(text, remaining);
    QCOMPARE(found, attributes);
}

void tst_MarkupConverter::tagAttribute_data()
{
    QTest::addColumn<QString>("attributes");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("quoted") << "url=\"a b\" name=\"c\"" << "name" << "c";
    QTest::newRow("quoted value trimmed") << "name=\" c \"" << "name" << "c";
    QTest::newRow("unquoted ends at a space") << "size=12 mime=x" << "size" << "12";
    QTest::newRow("unquoted without end is empty") << "size=12 mime=x" << "mime" << "";
    QTest::newRow("unquoted ends at a bracket first") << "a=1]2 b" << "a" << "1";
    QTest::newRow("unterminated quote is empty") << "name=\"abc" << "name" << "";
    QTest::newRow("missing key") << "url=\"a\"" << "name" << "";
    QTest::newRow("first occurrence wins, even inside another key") << "filename=\"a\" name=\"b\"" << "name" << "a";
    QTest::newRow("brackets and percent decoded") << "v=\"%91x%93 100%37\"" << "v" << "[x] 100%";
    QTest::newRow("percent decoded last") << "v=\"%3791\"" << "v" << "%91";
}

void tst_MarkupConverter::tagAttribute()
{
    QFETCH(QString, attributes);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QCOMPARE(MarkupConverter::tagAttribute(attributes, key), value);
}

void tst_MarkupConverter::encodedValuesReadBack()
{
    const QString value = QStringLiteral("a[b]c%91%d");
    const QString attributes = QStringLiteral("v=\"%1\"").arg(encodeAttributeValue(value));
    QVERIFY(!attributes.contains(QLatin1Char('[')));
    QCOMPARE(MarkupConverter::tagAttribute(attributes, QStringLiteral("v")), value);
}

void tst_MarkupConverter::canEditMarkup_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<bool>("editable");
    QTest::newRow("plain text") << "hello" << true;
    QTest::newRow("formatting only") << "[b]x[/b]" << true;
    QTest::newRow("file tag") << "[file url=\"a\"]" << false;
    QTest::newRow("picture tag") << "x [pic src=\"a\"]" << false;
    QTest::newRow("nudge") << "[nudge]" << false;
    QTest::newRow("attachment word without closing bracket") << "[file is here" << true;
}

void tst_MarkupConverter::canEditMarkup()
{
    QFETCH(QString, markup);
    QFETCH(bool, editable);
    QCOMPARE(MarkupConverter::canEditMarkup(markup), editable);
}

void tst_MarkupConverter::attachmentBlocks_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("address"); // of the first block
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("keyCount");
    QTest::addColumn<QStringList>("parts"); // in this order, the first and last at the ends
    QTest::newRow("file: icon and name link to the key, size below")
        << "[file url=\"sim://f/1\" name=\"report.pdf\" size=\"2048\" mime=\"application/pdf\"]" << "sim://f/1"
        << 0 << 1
        << QStringList{"\n<table border='0' cellspacing='0' cellpadding='2'>\n<tr>\n\t<td><a href='cloud:KEY'>",
                       "<img src='KEY' /></a>", "<td style='font: normal 12pt;'>\n\t\t\t\t<a href='cloud:KEY'>",
                       "report.pdf</a>", "<td>2.0 kB</td>", "</table>\n\t</td>\n</tr>\n</table>\n"};
    QTest::newRow("block stands where the tag stood")
        << "before [file url=\"sim://f/2\" name=\"a.txt\" size=\"10\"] after" << "sim://f/2" << 0 << 1
        << QStringList{"before \n<table", ">a.txt</a>", "<td>10 bytes</td>", "</table>\n after"};
    QTest::newRow("two files keep their order")
        << "[file url=\"sim://a\" name=\"first\" size=\"1\"][file url=\"sim://b\" name=\"second\" size=\"1\"]"
        << "sim://a" << 0 << 2 << QStringList{"\n<table", "'cloud:KEY'>first<", ">second<", "</table>\n"};
    QTest::newRow("one address, one key")
        << "[file url=\"sim://same\" name=\"a\" size=\"1\"] [file url=\"sim://same\" name=\"b\" size=\"1\"]"
        << "sim://same" << 0 << 1 << QStringList{"\n<table", "'cloud:KEY'>a<", "'cloud:KEY'>b<", "</table>\n"};
    QTest::newRow("upload address keyed without its prefix")
        << "[file url=\"upload:sim://up/1\" name=\"u.bin\" size=\"1\"]" << "sim://up/1" << 0 << 1
        << QStringList{"\n<table", "<a href='cloud:KEY'>u.bin</a>", "</table>\n"};
    QTest::newRow("voice: caption, length and size")
        << "[voice url=\"sim://v/1\" name=\"v.ogg\" size=\"1024\" length=\"65\" mime=\"audio/ogg\"]" << "sim://v/1"
        << 1 << 1
        << QStringList{"\n<table", "<td style='font-size:24px;font-weight:normal;'>", "'cloud:KEY'>Voice message</a>",
                       "<td>1:05&nbsp;&nbsp;1.0 kB</td>", "</table>\n"};
    QTest::newRow("empty voice tag joins a video tag")
        << "[[voice]video url=\"sim://j1\" size=\"1\"]" << "sim://j1" << 2 << 1
        << QStringList{"\n<table", ">Video message</a>", "</table>\n"};
    QTest::newRow("empty file tag joins a voice tag")
        << "[[file]voice url=\"sim://j3\" size=\"1\" length=\"5\"]" << "sim://j3" << 1 << 1
        << QStringList{"\n<table", ">Voice message</a>", "</table>\n"};
    QTest::newRow("typed placeholder without its bracket stays text")
        << "[link_place_file_0x [file url=\"sim://t\" name=\"t\" size=\"1\"]" << "sim://t" << 0 << 1
        << QStringList{"[link_place_file_0x \n<table", "'cloud:KEY'>t</a>", "</table>\n"};
    QTest::newRow("location tag joins a file tag")
        << "[[loc pos=\"1\"]file url=\"sim://j2\" name=\"j.txt\" size=\"1\"]" << "sim://j2" << 0 << 1
        << QStringList{"\n<table", ">j.txt</a>", "</table>\n"};
    QTest::newRow("empty attributes end the pass")
        << "a[file]b[file url=\"x\"]c" << "" << 0 << 0 << QStringList{"ab[file url=&quot;x&quot;]c"};
}

void tst_MarkupConverter::attachmentBlocks()
{
    QFETCH(QString, markup);
    QFETCH(QString, address);
    QFETCH(int, kind);
    QFETCH(int, keyCount);
    QFETCH(QStringList, parts);
    ResourceKeyTable keys;
    const QString html = renderMessageBody(markup, QStringLiteral("Bea"), keys, context()).html;
    QCOMPARE(keys.size(), keyCount);
    const QString key = keys.keyOf(address);
    if (keyCount) {
        QCOMPARE(keys.addressForKey(key), address);
        QCOMPARE(keys.attachmentKind(key), kind);
        // An own upload keeps its prefix for the icon, though its key is the bare address.
        if (markup.contains(QLatin1String("url=\"upload:")))
            QCOMPARE(keys.attachmentAddress(key), QLatin1String("upload:") + address);
    }
    QVERIFY2(holdsInOrder(html, parts, key), qPrintable(html));
    // Later renderings of the same body keep the keys.
    m_clock.advance(5000);
    QCOMPARE(renderMessageBody(markup, QStringLiteral("Bea"), keys, context()).html, html);
}

void tst_MarkupConverter::fileBlockAsksTheHostInOrder()
{
    m_clock.setNow(QDateTime(QDate(2026, 3, 5), QTime(14, 7, 9)));
    ResourceKeyTable keys;
    renderMessageBody(QStringLiteral("[file url=\"sim://noname\" size=\"5\" mime=\"image/png\"]"), QString(), keys,
                      context());
    // The local copy first, then registration, then the size.
    QStringList operations;
    for (const auto &entry : m_host->journal().entries())
        operations << QString::fromLatin1(entry.operation);
    QCOMPARE(operations, QStringList({"localFileForAddress", "registerTransfer", "formatSize"}));
    // A file without a name is registered under a default one.
    const QString name = keys.attachmentName(keys.keyOf(QStringLiteral("sim://noname")));
    QVERIFY2(QRegularExpression(QStringLiteral("^20260305140709_\\d{2,}\\.png$")).match(name).hasMatch(),
             qPrintable(name));
    QCOMPARE(m_host->journal().calls("registerTransfer").first().arguments.at(1).toString(), name);
}

void tst_MarkupConverter::knownLocalFileNamesTheBlock()
{
    const QByteArray address = m_host->transfers().publish("content", QStringLiteral("offered.txt"), false);
    m_services->fetchFile(address.constData());
    m_host->advance(60000);
    QVERIFY(!m_host->transfers().localFile(address).isEmpty());
    m_host->journal().clear();
    ResourceKeyTable keys;
    const RenderedBody body = renderMessageBody(
        QStringLiteral("[file url=\"%1\" name=\"tag name.txt\" size=\"7\"]").arg(QString::fromUtf8(address)),
        QString(), keys, context());
    QVERIFY(body.html.contains(QLatin1String(">offered.txt</a>")));
    QCOMPARE(m_host->journal().count("registerTransfer"), 0);
}

void tst_MarkupConverter::pictureBlocks_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("address"); // the host is asked to name
    QTest::addColumn<QString>("html");    // "LOCAL" stands for the name it gave
    const auto picture = [](const QString &address) {
        return QStringLiteral("<a href=\"pic:LOCAL\"><img src=\"LOCAL\" alt=\"%1\" border=\"0\" width=\"150\" "
                              "height=\"100\" /></a>").arg(address);
    };
    const auto position = [](const QString &pos, const QString &addr) {
        return QStringLiteral("<a href=\"gp:%1\"><img src=\"LOCAL\" alt=\"\" border=\"0\" width=\"150\" "
                              "height=\"100\" /><br>%2</a>").arg(pos, addr);
    };
    QTest::newRow("unknown picture: named, fetched, linked")
        << "[pic src=\"sim://p/new.jpg\"]" << "sim://p/new.jpg" << picture("sim://p/new.jpg");
    QTest::newRow("enclosed text is the address")
        << "[img]sim://p/a.png[/img]" << "sim://p/a.png" << picture("sim://p/a.png");
    QTest::newRow("src attribute wins")
        << "x[img]src=\"sim://p/b.png\"[/img]" << "sim://p/b.png" << "x" + picture("sim://p/b.png");
    QTest::newRow("position without a map")
        << "[gp pos=\"52.5,13.4\" addr=\"Main St 1\"]" << "gp:52.5,13.4" << position("52.5,13.4", "Main St 1");
    QTest::newRow("empty video tag joins a picture tag")
        << "[[video]pic src=\"sim://p/j.png\"]" << "sim://p/j.png" << picture("sim://p/j.png");
    QTest::newRow("empty picture tag joins a position tag")
        << "[[pic]gp pos=\"1,2\" addr=\"Here\"]" << "gp:1,2" << position("1,2", "Here");
}

void tst_MarkupConverter::pictureBlocks()
{
    QFETCH(QString, markup);
    QFETCH(QString, address);
    QFETCH(QString, html);
    ResourceKeyTable keys;
    const RenderedBody body = renderMessageBody(markup, QString(), keys, context());
    const auto created = m_host->journal().calls("createPictureLocalName");
    QCOMPARE(created.size(), 1);
    QCOMPARE(created.first().arguments.at(0).toString(), address);
    const QString localName = created.first().result.toString();
    QVERIFY(!localName.isEmpty());
    QCOMPARE(m_host->journal().count("fetchPicture"), 1);
    QCOMPARE(body.html, html.replace(QLatin1String("LOCAL"), localName));
}

void tst_MarkupConverter::pictureFetchPolicy_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QStringList>("hostSchemes");
    QTest::addColumn<bool>("automatic");
    const QStringList sim{QStringLiteral("sim")};

    QTest::newRow("host's own transfer address") << "sim://pictures/1/a.png" << sim << true;
    QTest::newRow("host's scheme in capitals") << "SIM://pictures/1/a.png" << sim << true;
    QTest::newRow("upload of a host address") << "upload:sim://pictures/2/b.png" << sim << true;
    QTest::newRow("scheme the host does not report") << "sim://pictures/1/a.png" << QStringList() << false;
    QTest::newRow("host reporting http opens no private address") << "http://10.0.0.1/a.png"
                                                                   << QStringList{QStringLiteral("http")} << false;
    QTest::newRow("map picture of a position") << "gp:52.5,13.4" << sim << true;
    QTest::newRow("public web host") << "https://pics.example.org/a.png?size=2#top" << sim << true;
    QTest::newRow("public host with a port") << "http://example.com:8080/a.png" << sim << true;
    QTest::newRow("public IPv4") << "http://93.184.216.34/a.png" << sim << true;
    QTest::newRow("public IPv6") << "http://[2606:4700::1111]:443/a.png" << sim << true;
    QTest::newRow("international name") << "https://bücher.de/a.png" << sim << true;

    QTest::newRow("local path") << "/etc/passwd" << sim << false;
    QTest::newRow("file URL") << "file:///etc/passwd" << sim << false;
    QTest::newRow("data URL") << "data:image/png;base64,iVBORw0KGgo=" << sim << false;
    QTest::newRow("localhost") << "http://localhost/x.png" << sim << false;
    QTest::newRow("localhost with a trailing dot") << "http://LOCALHOST./x.png" << sim << false;
    QTest::newRow("loopback IPv4") << "http://127.0.0.1/x.png" << sim << false;
    QTest::newRow("private 10/8") << "http://10.1.2.3/x.png" << sim << false;
    QTest::newRow("private 172.16/12") << "http://172.31.255.255/x.png" << sim << false;
    QTest::newRow("private 192.168/16") << "https://192.168.0.1:8443/x.png" << sim << false;
    QTest::newRow("link-local metadata service") << "http://169.254.169.254/latest/meta-data" << sim << false;
    QTest::newRow("carrier NAT") << "http://100.64.0.1/x.png" << sim << false;
    QTest::newRow("unspecified address") << "http://0.0.0.0/x.png" << sim << false;
    QTest::newRow("decimal IPv4") << "http://2130706433/x.png" << sim << false;
    QTest::newRow("octal IPv4") << "http://0177.0.0.1/x.png" << sim << false;
    QTest::newRow("hex IPv4") << "http://0x7f.0.0.1/x.png" << sim << false;
    QTest::newRow("short IPv4") << "http://127.1/x.png" << sim << false;
    QTest::newRow("public IPv4 in octal") << "http://0135.0270.0330.042/x.png" << sim << false;
    QTest::newRow("fullwidth loopback digits") << "http://１２７.０.０.１/x.png" << sim << false;
    QTest::newRow("IPv6 loopback") << "http://[::1]/x.png" << sim << false;
    QTest::newRow("IPv4-mapped loopback") << "http://[::ffff:127.0.0.1]/x.png" << sim << false;
    QTest::newRow("IPv6 zone") << "http://[fe80::1%25eth0]/x.png" << sim << false;
    QTest::newRow("6to4 of a private address") << "http://[2002:c0a8:101::1]/x.png" << sim << false;
    QTest::newRow(".local name") << "http://printer.local/x.png" << sim << false;
    QTest::newRow("single-label name") << "http://intranet/x.png" << sim << false;
    QTest::newRow("user information on a public host") << "https://user:pw@example.org/x.png" << sim << false;
    QTest::newRow("percent-encoded host") << "http://%31%32%37.0.0.1/x.png" << sim << false;
    QTest::newRow("back-slash in the authority") << "http://example.org\\@127.0.0.1/x.png" << sim << false;
    QTest::newRow("white space") << "http://example.org /x.png" << sim << false;
    QTest::newRow("no host") << "http:///x.png" << sim << false;
    QTest::newRow("port out of range") << "http://example.org:65536/x.png" << sim << false;
    QTest::newRow("longer than allowed")
        << QStringLiteral("https://example.org/") + QString(AttachmentBlocks::MaxFetchAddressLength, QLatin1Char('a'))
        << sim << false;
}

void tst_MarkupConverter::pictureFetchPolicy()
{
    QFETCH(QString, address);
    QFETCH(QStringList, hostSchemes);
    QFETCH(bool, automatic);
    QCOMPARE(AttachmentBlocks::pictureFetchPolicy(address, hostSchemes) == AttachmentBlocks::PictureFetch::Automatic,
             automatic);
}

void tst_MarkupConverter::pictureFetchCaps_data()
{
    QTest::addColumn<QString>("addressPattern");
    QTest::addColumn<int>("messages");
    QTest::addColumn<int>("picturesEach");
    QTest::addColumn<bool>("onePage");
    QTest::addColumn<int>("fetched");

    QTest::newRow("a message of 25 pictures shows 20 blocks, fetches 20") << "sim://one/%1/%2.png" << 1 << 25 << false
                                                                          << 20;
    QTest::newRow("a page of three such messages starts 50") << "sim://page/%1/%2.png" << 3 << 20 << true << 50;
    QTest::newRow("without a page each message counts alone") << "sim://each/%1/%2.png" << 3 << 20 << false << 60;
    QTest::newRow("pictures on the local network are links only") << "http://10.0.%1.%2/x.png" << 1 << 3 << false
                                                                  << 0;
}

void tst_MarkupConverter::pictureFetchCaps()
{
    QFETCH(QString, addressPattern);
    QFETCH(int, messages);
    QFETCH(int, picturesEach);
    QFETCH(bool, onePage);
    QFETCH(int, fetched);

    ResourceKeyTable keys;
    std::unique_ptr<AttachmentBlocks::PictureFetchPage> page(onePage ? new AttachmentBlocks::PictureFetchPage
                                                                     : nullptr);
    for (int m = 0; m < messages; ++m) {
        QString markup;
        for (int p = 0; p < picturesEach; ++p)
            markup += QStringLiteral("[pic src=\"%1\"]").arg(addressPattern.arg(m).arg(p + 1));
        const RenderedBody body = renderMessageBody(markup, QString(), keys, context());
        // Every picture up to the block bound shows, fetched or not, as a
        // link to its local name.
        QCOMPARE(body.html.count(QLatin1String("<a href=\"pic:")), qMin(picturesEach, RenderBounds::MaxAttachments));
    }
    QCOMPARE(m_host->journal().count("createPictureLocalName"), messages * qMin(picturesEach, RenderBounds::MaxAttachments));
    QCOMPARE(m_host->journal().count("fetchPicture"), fetched);
}

void tst_MarkupConverter::locationLine()
{
    // The exact line is pinned where the template places it.
    ResourceKeyTable keys;
    const RenderedBody body = renderMessageBody(QStringLiteral("here [loc pos=\"1,2\"]"),
                                                QStringLiteral("\"><b>x</b>"), keys, context());
    QCOMPARE(body.html, QStringLiteral("here "));
    QCOMPARE(checkRenderedHtml(body.locationHtml), QString());
    QCOMPARE(firstAnchor(body.locationHtml).first,
             QStringLiteral("location://maps.google.com/maps/?q=\"><b>x</b>@1,2"));
}

namespace {

// The passes as the message format describes them: each tag kind searched
// from the start again after every replacement, placeholders put back with
// one replace-all per block. Quadratic, but the reference for the linear
// passes on inputs without placeholder look-alikes.
QString hostText(IHostServices *host, void (IHostServices::*query)(std::int64_t, IVariable *), qint64 value)
{
    VariableImpl out;
    (host->*query)(value, &out);
    return out.toString();
}

QString referenceMediaBlock(const QString &attributes, int kind, ResourceKeyTable &keys, IHostServices *host)
{
    const QString url = tagAttribute(attributes, QStringLiteral("url"));
    QString name = tagAttribute(attributes, QStringLiteral("name"));
    const qint64 size = tagAttribute(attributes, QStringLiteral("size")).toLongLong();
    VariableImpl local;
    if (host->localFileForAddress(url.toUtf8().constData(), &local) && !local.bytes().isEmpty()) {
        name = QFileInfo(local.toString()).fileName();
    } else {
        if (name.isEmpty())
            name = AttachmentBlocks::defaultAttachmentName(tagAttribute(attributes, QStringLiteral("mime")));
        host->registerTransfer(url.toUtf8().constData(), reinterpret_cast<const char16_t *>(name.utf16()), size, kind);
    }
    const QString key = keys.resourceKeyFor(AttachmentBlocks::stripUploadPrefix(url));
    const QString sizeText = hostText(host, &IHostServices::formatSize, size);
    if (kind == 0)
        return AttachmentBlocks::fileBlockHtml(key, name, sizeText);
    VariableImpl caption;
    host->mediaCaption(kind, &caption);
    return AttachmentBlocks::mediaBlockHtml(
        key, caption.toString(),
        hostText(host, &IHostServices::formatDuration, tagAttribute(attributes, QStringLiteral("length")).toLongLong()),
        sizeText);
}

QString referenceLocalName(IHostServices *host, const QString &address)
{
    VariableImpl name;
    if (host->pictureLocalName(address.toUtf8().constData(), &name) && !name.bytes().isEmpty())
        return name.toString();
    host->createPictureLocalName(address.toUtf8().constData(), &name);
    host->fetchPicture(address.toUtf8().constData(), name.value());
    return name.toString();
}

QString sequentialRender(const QString &markup, ResourceKeyTable &keys, const RenderContext &context)
{
    IHostServices *host = context.host;
    QString text = markup;
    QString attributes;
    extractTag(text, QStringLiteral("[loc"), QStringLiteral("]"), &attributes);
    QStringList lists[5];
    const char *names[5] = {"link_place_file_", "link_place_voice_", "link_place_video_", "link_place_pic_",
                            "link_geo_pos_pic_"};
    const char *opens[3] = {"[file", "[voice", "[video"};
    int at;
    for (int kind = 0; kind < 3; ++kind) {
        while ((at = extractTag(text, QLatin1String(opens[kind]), QStringLiteral("]"), &attributes)) >= 0) {
            if (attributes.isEmpty())
                break;
            lists[kind] << referenceMediaBlock(attributes, kind, keys, host);
            text.insert(at, QStringLiteral("[%1%2]").arg(QLatin1String(names[kind])).arg(lists[kind].size() - 1));
        }
    }
    const auto picture = [&](const QString &address) {
        lists[3] << AttachmentBlocks::pictureHtml(referenceLocalName(host, address), address);
        text.insert(at, QStringLiteral("[link_place_pic_%1]").arg(lists[3].size() - 1));
    };
    while ((at = extractTag(text, QStringLiteral("[pic"), QStringLiteral("]"), &attributes)) >= 0) {
        const QString src = tagAttribute(attributes, QStringLiteral("src"));
        if (src.isEmpty())
            break;
        picture(src);
    }
    while ((at = extractTag(text, QStringLiteral("[img]"), QStringLiteral("[/img]"), &attributes)) >= 0) {
        const QString src = tagAttribute(attributes, QStringLiteral("src"));
        const QString address = src.isEmpty() ? attributes : src;
        if (address.isEmpty())
            break;
        picture(address);
    }
    while ((at = extractTag(text, QStringLiteral("[gp"), QStringLiteral("]"), &attributes)) >= 0) {
        if (attributes.isEmpty())
            break;
        const QString pos = tagAttribute(attributes, QStringLiteral("pos"));
        const QString imgmap = tagAttribute(attributes, QStringLiteral("imgmap"));
        lists[4] << AttachmentBlocks::positionHtml(referenceLocalName(host, imgmap.isEmpty() ? "gp:" + pos : imgmap),
                                                   pos, tagAttribute(attributes, QStringLiteral("addr")), imgmap);
        text.insert(at, QStringLiteral("[link_geo_pos_pic_%1]").arg(lists[4].size() - 1));
    }
    if (text.isEmpty())
        return QString();
    QString html = renderPlainMarkup(text, context);
    for (int kind = 0; kind < 5; ++kind) {
        for (int i = 0; i < lists[kind].size(); ++i)
            html.replace(QStringLiteral("[%1%2]").arg(QLatin1String(names[kind])).arg(i), lists[kind].at(i));
    }
    return html;
}

} // namespace

void tst_MarkupConverter::matchesSequentialPasses()
{
    const QStringList pieces = {
        "[file url=\"sim://a\" name=\"x\" size=\"1\"]", "[file]", "[file ", "[voice url=v size=2 length=3]",
        "[video url=\"w\" size=\"9\"]", "[pic src=\"sim://p.png\"]", "[pic]", "[img]sim://q.png[/img]", "[img][/img]",
        "[img]src=\"sim://r.png\"[/img]", "[gp pos=\"1,2\" addr=\"a\"]", "[gp]", "[loc pos=\"1,2\"]", "[", "]",
        "[[", "text ", "www.x.de ", "[b]", "[/b]", "a@b.cd ", "\r\n", "  ", "[@1001]", "[furl]z[/furl]", "file",
        "voice", "pic", "img]", "gp ", " url=\"u\"]"};
    QRandomGenerator random(4711);
    for (int round = 0; round < 3000; ++round) {
        QString markup;
        const int count = 1 + int(random.bounded(8));
        for (int i = 0; i < count; ++i)
            markup += pieces.at(int(random.bounded(pieces.size())));
        ResourceKeyTable keys;
        // Default names count up with every file tag; the two renderings
        // count differently.
        const QRegularExpression defaultName(QStringLiteral("\\d{14}_\\d{2,}\\."));
        const QString expected = sequentialRender(markup, keys, context()).replace(defaultName, QStringLiteral("NAME."));
        const QString actual =
            renderMessageBody(markup, QString(), keys, context()).html.replace(defaultName, QStringLiteral("NAME."));
        if (actual != expected)
            QFAIL(qPrintable(QStringLiteral("differs on %1\nactual:   %2\nexpected: %3").arg(markup, actual, expected)));
    }
}

void tst_MarkupConverter::fusedScanMatchesPasses_data()
{
    // Messages are random runs of `pieces`, `length` of them; the scan must
    // write what the passes in turn write, and ask the host as often.
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("rounds");
    QTest::addColumn<bool>("emoticons");
    QTest::addColumn<bool>("big");
    const QStringList chat = {"hey, ", "see ", "https://git.example.org/a/b ", "www.example.org ", "a.b@example.org",
                              " and ", "[b]", "[/b]", "[i]x[/i]", "[@1001]", " [@1066] ", ":)", " :-( ", "(y)",
                              "<3", " 5 < 7 & \"q\" ", "\r\n", "  ", "(smile)", "?", ".", "\n"};
    QTest::newRow("chat text") << chat << 8 << 1500 << true << false;
    QTest::newRow("chat text, big single emoticons") << chat << 3 << 1500 << true << true;
    QTest::newRow("chat text without emoticons") << chat << 8 << 500 << false << false;
    QTest::newRow("links around markup")
        << QStringList{"http://a.b/", "www.", "x.de", "file:", "f", "\\\\", "s\\t", "://", "[b]", "(", ")", "[",
                       "]", "a@b.cd", ",", " ", "e@f.gh", "@", "[@1001]", ".", "w", ":", "[link_place_file_0]", "pic:x"}
        << 6 << 3000 << true << false;
    QTest::newRow("codes and parentheses")
        << QStringList{"(smile)", "(", ")", "((smile)", "(smile", "smile)", "( smile )", "(sad)", "(nope)", "(a\"b)",
                       " ", "x", "(y)", ":)", "[b]", "&", "http://q/", "<", "\r\n"}
        << 7 << 3000 << true << false;
    QTest::newRow("mentions around markup")
        << QStringList{"[@", "]", "1001", "1066", "[@1001]", "[@ 1002 ]", "[@]", "[", "[b]", "<", "&", "\"", " ",
                       "  ", "(smile)", "(", ")", "a@b.cd", "www.x.de", "\r\n", "\n", "[code][[/code]"}
        << 6 << 3000 << true << false;
    QTest::newRow("spaces and line breaks")
        << QStringList{" ", "  ", "\r\n", "\n", "\r", "x", "[br]", "a@b.cd,  e@f.gh", "a@b.cd,\r\ne@f.gh",
                       "a@b.cd;\ne@f.gh", "[@1066]", "\t", QString(QChar(0x2029))}
        << 10 << 2000 << true << false;
    // Runs near the length that gets a break mark, through every kind of
    // text the scan writes.
    QTest::newRow("long runs")
        << QStringList{QString(90, QLatin1Char('x')), "http://a.b/" + QString(80, QLatin1Char('p')),
                       QString(70, QLatin1Char('a')) + "@b.cd", "[@1077]", "[@1066]", "(smile)", "&", " ", "  ",
                       "[b]"}
        << 6 << 1500 << true << false;
    QTest::newRow("attachments and placeholders")
        << QStringList{"[file url=\"u\" size=\"1\"]", "[pic src=\"p\"]", "[link_place_file_0]", "[link_place_pic_0]",
                       "http://a/", "text ", "[furl]x[/furl]", "[b]", "(smile)"}
        << 5 << 500 << true << false;
    // The benchmark's hostile families, below and past the markup bound.
    const QStringList families = {
        "a.", "www.", "www. x", "[@1001 ", "[furl=a]b[furl]c ", "[furl]x[/furl] ", "[file [pic [img] [gp ",
        "[b][i][u]x", "[/u][/i][/b]", "a  \r\n[br]  ", ":) (smile) :-D (laugh) (nope) ", "(smile ",
        "a@b.cd, e@f.gh; "};
    for (const QString &unit : families) {
        for (const int size : {1000, 17000}) {
            QTest::addRow("%s repeated to %d characters", qPrintable(unit.trimmed()), size)
                << QStringList{unit} << (size + unit.size() - 1) / unit.size() << 1 << true << false;
        }
    }
}

void tst_MarkupConverter::fusedScanMatchesPasses()
{
    QFETCH(QStringList, pieces);
    QFETCH(int, length);
    QFETCH(int, rounds);
    QFETCH(bool, emoticons);
    QFETCH(bool, big);
    RenderContext c = context(emoticons);
    c.bigSingleEmoticons = big;
    QRandomGenerator random(20261206);
    for (int round = 0; round < rounds; ++round) {
        QString markup;
        const int count = pieces.size() == 1 ? length : 1 + int(random.bounded(length));
        for (int i = 0; i < count; ++i)
            markup += pieces.at(int(random.bounded(pieces.size())));
        ResourceKeyTable keys;
        const RenderedBody expected = renderMessageBody(markup, QString(), keys, c, Passes::Sequential);
        const int asked = m_host->journal().count("getUser");
        const RenderedBody actual = renderMessageBody(markup, QString(), keys, c, Passes::Fused);
        const int askedAgain = m_host->journal().count("getUser") - asked;
        // Default attachment names count up with every file tag.
        static const QRegularExpression defaultName(QStringLiteral("\\d{14}_\\d{2,}\\."));
        const QString fusedHtml = QString(actual.html).replace(defaultName, QStringLiteral("NAME."));
        const QString sequentialHtml = QString(expected.html).replace(defaultName, QStringLiteral("NAME."));
        if (fusedHtml != sequentialHtml || actual.cut != expected.cut)
            QFAIL(qPrintable(QStringLiteral("differs on %1\nfused:      %2\nsequential: %3")
                                 .arg(markup, fusedHtml, sequentialHtml)));
        // A scan that gives up must not have asked for names already.
        QCOMPARE(askedAgain, asked);
        QCOMPARE(MarkupConverter::renderPlainMarkup(markup, c, Passes::Fused),
                 MarkupConverter::renderPlainMarkup(markup, c, Passes::Sequential));
        m_host->journal().clear();
    }
}

void tst_MarkupConverter::peerTextCannotInject_data()
{
    QTest::addColumn<QString>("markup");
    QTest::newRow("quotes in a file name") << "[file url=\"x\" name=\"a' onclick='b\\\"c\" size=\"1\"]";
    QTest::newRow("markup in a file name") << "[file url=\"x\" name=\"<img src=y>\" size=\"1\"]";
    QTest::newRow("quotes in a file address") << "[file url=\"x' y='z\" name=\"n\" size=\"1\"]";
    QTest::newRow("encoded brackets in a picture address") << "[pic src=\"%91b%93\\\"><b>\"]";
    QTest::newRow("placeholder inside a picture address") << "[img][file url=\"u\" size=\"1\"][/img]";
    QTest::newRow("quotes in a position") << "[gp pos=\"1\\\"'<\" addr=\"<i>\" imgmap=\"'\\\"\"]";
    QTest::newRow("link containing a furl") << "http://x/[furl]y\"[/furl]";
    QTest::newRow("link containing a placeholder") << "http://x/[file url=\"a\" size=\"1\"]z";
    QTest::newRow("link containing an emoticon code") << "http://x/(smile)\"";
    QTest::newRow("mention of an emoticon") << "[@(smile)]";
    QTest::newRow("mention of markup") << "[@<b>\"]";
    QTest::newRow("file link with everything") << "file:a\"b'<c>[b](smile)  \r\n[@1001]";
    QTest::newRow("furl path with quotes") << "[furl=\"><x]l[/furl]";
    QTest::newRow("typed placeholder") << "[link_place_file_0][file url=\"a\" name=\"[link_place_pic_0]\" size=\"1\"][pic src=\"p\"]";
    QTest::newRow("location with quotes") << "[loc pos=\"1\\\"<b>\"]";
    QTest::newRow("mail with markup around") << "<a@b.cc>,\"c@d.ee\"";
    QTest::newRow("file link around a link") << "[furl]http://a.com[/furl]rest";
    QTest::newRow("file link around a link and a mention") << "[furl]see www.a.de [@1001] now[/furl]";
    QTest::newRow("link starting in a file link's target") << "[furl=http://a/b]label[/furl] c";
    QTest::newRow("mention inside a link") << "http://x/[@1001]";
    QTest::newRow("file link holding a file") << "[furl]a[file url=\"u\" size=\"1\"]b[/furl]";
    QTest::newRow("local file link before a picture") << "file:x[pic src=\"p\"]y";
}

void tst_MarkupConverter::peerTextCannotInject()
{
    QFETCH(QString, markup);
    ResourceKeyTable keys;
    const RenderedBody body = renderMessageBody(markup, QStringLiteral("<Bea \"B\">"), keys, context(true));
    QCOMPARE(checkRenderedHtml(body.html), QString());
    QCOMPARE(checkRenderedHtml(body.locationHtml), QString());
}

void tst_MarkupConverter::hostileBodiesKeepToTheBounds_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<bool>("cut");
    QTest::addColumn<QString>("shown"); // what a reader still finds in the body
    const auto times = [](const QString &piece, int count) { return piece.repeated(count); };
    QTest::newRow("bold nested 100,000 deep") << times("[b]", 100000) + "x" + times("[/b]", 100000) << true << "";
    QTest::newRow("formatting deeper than the bound")
        << times("[b][i][u]", 10) + "deep" + times("[/u][/i][/b]", 10) << false << "deep";
    QTest::newRow("italic opened after each stray close") << times("[i][/b]", 2000) + "x" << false << "x";
    QTest::newRow("bold closed by the end of a file link")
        << times("[furl][b][/furl][i][i][/b]", 500) << false << "";
    QTest::newRow("emoticon 20,000 times") << times("(smile)", 20000) << true << "(smile)";
    QTest::newRow("one word of a million characters") << times("x", 1000000) << true << times("x", 200);
    QTest::newRow("long word around an emoticon, whose tag holds spaces")
        << times("x", 150) + "(smile)" + times("x", 150) << false << times("x", 150);
    QTest::newRow("ten megabytes of words") << times("word ", 2000000) << true << "word word";
    QTest::newRow("break tag a million times") << times("a[br]", 1000000) << true << "a\na";
    QTest::newRow("line ends") << times("line\r\n", 2000) << true << "line\nline";
    QTest::newRow("links") << times("www.a.de ", 1500) << false << "www.a.de www.a.de";
    QTest::newRow("mentions") << times("[@1001]", 1000) << false << "Bea Hansen";
    QTest::newRow("file tags") << times("[file url=\"sim://f\" name=\"f.txt\" size=\"1\"]", 40) << false
                               << "[file url=\"sim://f\"";
    QTest::newRow("picture tags") << times("[pic src=\"sim://p.png\"]", 40) << false << "[pic src=\"sim://p.png\"]";
    QTest::newRow("link of quotes, escaped twice over") << "a://" + times("\"", 15000) << true << "a://\"\"";
    QTest::newRow("file name without spaces")
        << "[file url=\"sim://g\" name=\"" + times("n", 10000) + "\" size=\"1\"]" << false << times("n", 200);
}

void tst_MarkupConverter::hostileBodiesKeepToTheBounds()
{
    QFETCH(QString, markup);
    QFETCH(bool, cut);
    QFETCH(QString, shown);
    ResourceKeyTable keys;
    const RenderedBody body = renderMessageBody(markup, QString(), keys, context(true));
    QCOMPARE(checkRenderedHtml(body.html), QString());
    QCOMPARE(checkRenderBounds(body.html), QString());
    QCOMPARE(body.cut, cut);
    QTextDocument document;
    document.setHtml(body.html);
    const QString plain = document.toPlainText().remove(QChar(0x200B)).replace(QChar(0x2028), QLatin1Char('\n'));
    QVERIFY2(plain.contains(shown), qPrintable(plain.left(300)));
}

void tst_MarkupConverter::bidiControlsLeaveFileNames()
{
    ResourceKeyTable keys;
    const QString name = QStringLiteral("invoice%1gpj.exe").arg(QChar(0x202E));
    const RenderedBody body = renderMessageBody(
        QStringLiteral("[file url=\"sim://bidi\" name=\"%1\" size=\"1\"]").arg(name), QString(), keys, context());
    QVERIFY(!body.html.contains(QChar(0x202E)));
    QVERIFY(body.html.contains(QLatin1String(">invoicegpj.exe</a>")));
}

void tst_MarkupConverter::emoticonsInBody()
{
    RenderContext c = context(true);
    ResourceKeyTable keys;
    const RenderedBody single = renderMessageBody(QStringLiteral(" :) "), QString(), keys, c);
    QVERIFY2(single.html.contains(QLatin1String("src=\"smile_big\"")), qPrintable(single.html));
    c.bigSingleEmoticons = false;
    const RenderedBody small = renderMessageBody(QStringLiteral("(smile)"), QString(), keys, c);
    QVERIFY2(small.html.contains(QLatin1String("src=\"smile\"")), qPrintable(small.html));
    const RenderedBody unknown = renderMessageBody(QStringLiteral("(nosuchthing)"), QString(), keys, c);
    QCOMPARE(unknown.html, QStringLiteral("(nosuchthing)"));
}

void tst_MarkupConverter::editorToMarkup_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("markup");
    QTest::newRow("bold word inside italic sentence")
        << "<i>an <b>bold</b> word</i>" << "[i]an [b]bold[/b] word[/i]";
    QTest::newRow("ends while bold then italic are open") << "<b>x<i>y</i></b>" << "[b]x[i]y[/i][/b]";
    QTest::newRow("underline") << "a<u>b</u>c" << "a[u]b[/u]c";
    QTest::newRow("paragraphs become CR LF") << "<p>a</p><p>b</p>" << "a\r\nb";
    QTest::newRow("line break becomes CR LF") << "a<br/>b" << "a\r\nb";
    QTest::newRow("literal bracket sent unchanged") << "a [b] c" << "a [b] c";
    QTest::newRow("emoticon image is its code") << "hi <img src=\"smile\"/>" << "hi (smile)";
}

void tst_MarkupConverter::editorToMarkup()
{
    QFETCH(QString, html);
    QFETCH(QString, markup);
    QTextDocument document;
    document.setHtml(html);
    QCOMPARE(MarkupConverter::editorToMarkup(&document, QFont(QStringLiteral("Arial"), 10)), markup);
}

void tst_MarkupConverter::editorPicturesGoToTheNameList()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("look "));
    QTextImageFormat picture;
    picture.setName(QStringLiteral("chat_image:/tmp/p.png"));
    cursor.insertImage(picture);
    QStringList names;
    QCOMPARE(MarkupConverter::editorToMarkup(&document, QFont(), &names), QStringLiteral("look "));
    QCOMPARE(names, QStringList({QStringLiteral("chat_image:/tmp/p.png")}));

    // A bold base font writes no bold tags.
    QTextDocument bold;
    bold.setHtml(QStringLiteral("<b>all bold</b>"));
    QFont base;
    base.setBold(true);
    QCOMPARE(MarkupConverter::editorToMarkup(&bold, base), QStringLiteral("all bold"));
}

void tst_MarkupConverter::markupToEditorHtmlRoundTrip_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<int>("pictures"); // in the editor
    QTest::newRow("formatting") << "[b]bold[/b] and [i]it[/i] and [u]u[/u]" << 0;
    QTest::newRow("emoticon") << "hi (smile) there" << 1;
    QTest::newRow("the longest code of the set") << "(brokenheart)" << 1;
    QTest::newRow("special characters") << "1 < 2 & \"3\" 'x' [pic]" << 0;
    QTest::newRow("line breaks") << "a\r\nb" << 0;
    QTest::newRow("double spaces") << "a  b" << 0;
    QTest::newRow("unknown code stays text") << "(nosuchthing)" << 0;
}

void tst_MarkupConverter::markupToEditorHtmlRoundTrip()
{
    QFETCH(QString, markup);
    QFETCH(int, pictures);
    RenderContext c = context(true);
    QTextDocument document;
    QTextCursor cursor(&document);
    const QString html = MarkupConverter::markupToEditorHtml(markup, c);
    QCOMPARE(html.count(QLatin1String("<img ")), pictures);
    cursor.insertHtml(html);
    QString round = MarkupConverter::editorToMarkup(&document, QFont(QStringLiteral("Arial"), 10));
    round.replace(QChar(0x00a0), QLatin1Char(' '));
    QCOMPARE(round, markup);
}

void tst_MarkupConverter::editorHtmlOfManyParentheses()
{
    // Every "(" is a possible emoticon code up to the one ")" at the end:
    // read whole each time, this text outlasts the test's time-out.
    const QString markup = QStringLiteral("(a").repeated(1000000) + QLatin1Char(')');
    QCOMPARE(MarkupConverter::markupToEditorHtml(markup, context(true)), markup);
}

void tst_MarkupConverter::markupToPlainText_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("plain");
    QTest::newRow("tags dropped") << "[b]hi[/b] [i]you[/i]" << "hi you";
    QTest::newRow("breaks") << "a[br]b\r\nc" << "a\nb\nc";
    QTest::newRow("mention shows the name") << "[@1001] hi" << "Bea Hansen hi";
    QTest::newRow("file shows its name") << "[file url=\"x\" name=\"a.txt\" size=\"1\"]" << "a.txt";
    QTest::newRow("picture removed") << "see [pic src=\"x\"]" << "see ";
    QTest::newRow("special characters kept") << "1 < 2 & 3" << "1 < 2 & 3";
}

void tst_MarkupConverter::markupToPlainText()
{
    QFETCH(QString, markup);
    QFETCH(QString, plain);
    QCOMPARE(MarkupConverter::markupToPlainText(markup, m_services), plain);
}

void tst_MarkupConverter::commands()
{
    // Edits, replies, likes and labels go through the message actions' tests.
    QCOMPARE(editCommand(9000000000LL, QStringLiteral("new")), QStringLiteral("[edit 9000000000]new"));
    QCOMPARE(deleteCommand(7), QStringLiteral("[delete 7]"));
    QCOMPARE(toggledLabels(QStringLiteral(" success  danger "), QStringLiteral("warning")),
             QStringList({"success", "danger", "warning"}));
    QCOMPARE(toggledLabels(QStringLiteral("success danger success"), QStringLiteral("success")),
             QStringList({"danger", "success"}));
}

QTEST_MAIN(tst_MarkupConverter)
#include "tst_markupconverter.moc"
