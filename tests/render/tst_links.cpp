#include "htmloracle.h"

#include "render/links.h"

#include <QDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTemporaryDir>
#include <QTest>

class tst_Links : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void escapeHtml_data();
    void escapeHtml();
    void escapeAttribute_data();
    void escapeAttribute();
    void findLinkCandidate_data();
    void findLinkCandidate();
    void linkify_data();
    void linkify();
    void linkifyKeepsAttributesClean_data();
    void linkifyKeepsAttributesClean();
    void hrefReadsBackThroughTheDocument();
    void urlFromUserInput_data();
    void urlFromUserInput();
    void urlFromUserInputFindsExistingFile();
    void parseLinkTarget_data();
    void parseLinkTarget();
    void targetUrls();
    void oracleRejects_data();
    void oracleRejects();
};

void tst_Links::escapeHtml_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("less-than and ampersand") << "1 < 2 & 3" << "1 &lt; 2 &amp; 3";
    QTest::newRow("ampersand first so entities are not doubled") << "&lt;" << "&amp;lt;";
    QTest::newRow("double quote escaped, single stays") << "say \"hi\" it's" << "say &quot;hi&quot; it's";
    QTest::newRow("greater-than") << "a>b" << "a&gt;b";
}

void tst_Links::escapeHtml()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Links::escapeHtml(text), expected);
}

void tst_Links::escapeAttribute_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("single quote, which would end a single-quoted value such as the plug-in icon's")
        << "pi_a'b" << "pi_a&#39;b";
}

void tst_Links::escapeAttribute()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Links::escapeAttribute(text), expected);
}

void tst_Links::findLinkCandidate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::newRow("from beyond the end") << "www.a" << 5 << -1 << 0;
    QTest::newRow("scheme at the start") << "a://b" << 0 << 0 << 5;
    QTest::newRow("scheme marker at position 0 is no link") << "://b" << 0 << -1 << 0;
    QTest::newRow("letters before the scheme belong to it") << "see xhttp://q rest" << 0 << 4 << 9;
    QTest::newRow("www after a space") << "go www.x.org now" << 0 << 3 << 9;
    QTest::newRow("www right after a letter at position 2 is discarded") << "abwww.x" << 0 << -1 << 0;
    QTest::newRow("marker with nothing after it") << "www. next" << 0 << -1 << 0;
    QTest::newRow("closing parenthesis stays in the link") << "(www.a.b)" << 0 << 1 << 8;
    QTest::newRow("file marker") << "open file:C:/a.txt" << 0 << 5 << 13;
    QTest::newRow("network path") << "at \\\\server\\share x" << 0 << 3 << 14;
    QTest::newRow("search starts at from") << "www.a www.b" << 1 << 6 << 5;
    QTest::newRow("link ends at a line break") << "www.a\r\nb" << 0 << 0 << 5;
    QTest::newRow("link ends at a paragraph separator") << QString("www.a") + QChar(0x2029) + "b" << 0 << 0 << 5;
}

void tst_Links::findLinkCandidate()
{
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, start);
    QFETCH(int, length);
    int found = 0;
    QCOMPARE(Links::findLinkCandidate(text, from, &found), start);
    if (start >= 0)
        QCOMPARE(found, length);
}

void tst_Links::linkify_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("www word after a space gets http")
        << "see www.example.org" << "see <a href=\"http://www.example.org\">www.example.org</a>";
    QTest::newRow("scheme at the very start") << "a://b" << "<a href=\"a://b\">a://b</a>";
    QTest::newRow("scheme marker at position 0 stays text") << "://b" << "://b";
    QTest::newRow("www at position 1 after a letter is not linked") << "awww.x.org" << "awww.x.org";
    QTest::newRow("parenthesis kept in the link")
        << "(http://a.b/c)" << "(<a href=\"http://a.b/c&#41;\">http://a.b/c)</a>";
    QTest::newRow("file link runs to the end of the text, spaces included")
        << "open file:C:/My Files/a.txt"
        << "open <a href=\"&#91;f&#93;C:/My&#32;Files/a.txt\">C:/My Files/a.txt</a>";
    QTest::newRow("two addresses joined by semicolon and space give one mail anchor")
        << "mail a@b.com; c@d.org please"
        << "mail <a href=\"mailto:a@b.com;&#32;c@d.org\">a@b.com; c@d.org</a> please";
    QTest::newRow("special characters escaped, single quotes stay")
        << "1 < 2 & 3 \"q\" 'x'" << "1 &lt; 2 &amp; 3 &quot;q&quot; 'x'";
    QTest::newRow("mail address next to a link")
        << "x@y.de www.z.de" << "<a href=\"mailto:x@y.de\">x@y.de</a> <a href=\"http://www.z.de\">www.z.de</a>";
    QTest::newRow("markup in a link label is escaped")
        << "http://a/<b>" << "<a href=\"http://a/&lt;b&gt;\">http://a/&lt;b&gt;</a>";
}

void tst_Links::linkify()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Links::linkify(text), expected);
}

void tst_Links::linkifyKeepsAttributesClean_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("double quote ends no href") << "http://x/\"onmouseover=\"alert(1)";
    QTest::newRow("single quote in href") << "http://x/'a'";
    QTest::newRow("angle brackets in href") << "http://x/<script>";
    QTest::newRow("ampersand in href") << "http://x/?a=1&b=2&amp;";
    QTest::newRow("file link with quotes and markup") << "file:\"><img src=x>";
    QTest::newRow("mail list with quotes around") << "\"a@b.cc\",<c@d.ee>";
    QTest::newRow("network path with tag") << "\\\\host\\<i>";
}

void tst_Links::linkifyKeepsAttributesClean()
{
    QFETCH(QString, text);
    const QString html = Links::linkify(text);
    QCOMPARE(checkRenderedHtml(html), QString());
}

void tst_Links::hrefReadsBackThroughTheDocument()
{
    // What escapeAttribute writes must read back as the original target.
    const QString target = QStringLiteral("http://x/a b[c](d)'e\"f&g<h>");
    const QString html = QStringLiteral("<a href=\"%1\">x</a>").arg(Links::escapeAttribute(target));
    QTextDocument document;
    document.setHtml(html);
    const QTextCharFormat format = document.begin().begin().fragment().charFormat();
    QCOMPARE(format.anchorHref(), target);
}

void tst_Links::urlFromUserInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("www address gets http") << "www.example.org" << "http://www.example.org";
    QTest::newRow("ftp host gets ftp") << "ftp.example.org/pub" << "ftp://ftp.example.org/pub";
    QTest::newRow("scheme kept") << "https://a.b/c" << "https://a.b/c";
    QTest::newRow("surrounding blanks trimmed") << "  www.a.de  " << "http://www.a.de";
    QTest::newRow("no dot, no scheme") << "localhost" << "http://localhost";
}

void tst_Links::urlFromUserInput()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Links::urlFromUserInput(text).toString(), expected);
}

void tst_Links::urlFromUserInputFindsExistingFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("www.notes.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(Links::urlFromUserInput(path), QUrl::fromLocalFile(path));
}

void tst_Links::parseLinkTarget_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("value");
    QTest::newRow("mention") << "chat:1001" << int(Links::LinkTarget::Chat) << "1001";
    QTest::newRow("picture") << "pic:p1.png" << int(Links::LinkTarget::Picture) << "p1.png";
    QTest::newRow("position") << "gp:52.5,13.4" << int(Links::LinkTarget::GeoPosition) << "52.5,13.4";
    QTest::newRow("like") << "like:17" << int(Links::LinkTarget::Like) << "17";
    QTest::newRow("menu") << "menu:17" << int(Links::LinkTarget::Menu) << "17";
    QTest::newRow("cloud") << "cloud:R20260305120000_0001" << int(Links::LinkTarget::Cloud)
                           << "R20260305120000_0001";
    QTest::newRow("local path") << "[f]C:/a.txt" << int(Links::LinkTarget::LocalPath) << "C:/a.txt";
    QTest::newRow("location line") << "location://maps.google.com/maps/?q=A@1,2" << int(Links::LinkTarget::Location)
                                   << "location://maps.google.com/maps/?q=A@1,2";
    QTest::newRow("web address") << "http://x.y" << int(Links::LinkTarget::External) << "http://x.y";
}

void tst_Links::parseLinkTarget()
{
    QFETCH(QString, target);
    QFETCH(int, kind);
    QFETCH(QString, value);
    const Links::ParsedLink parsed = Links::parseLinkTarget(target);
    QCOMPARE(int(parsed.kind), kind);
    QCOMPARE(parsed.value, value);
}

void tst_Links::targetUrls()
{
    QCOMPARE(Links::geoMapUrl(QStringLiteral("52.5,13.4")).toString(),
             QStringLiteral("https://maps.google.com/maps/search/?api=1&query=52.5,13.4"));
    QCOMPARE(Links::locationHttpUrl(QStringLiteral("location://maps.google.com/maps/?q=A@1,2")).scheme(),
             QStringLiteral("http"));
}

void tst_Links::oracleRejects_data()
{
    // The oracle the fuzz targets rely on must see each of these.
    QTest::addColumn<QString>("html");
    QTest::newRow("foreign element") << "<script>x</script>";
    QTest::newRow("foreign attribute") << "<a href=\"x\" onclick=\"y\">z</a>";
    QTest::newRow("quote ends an attribute early") << "<a href=\"x\"y\">z</a>";
    QTest::newRow("unquoted text value") << "<a href=x>z</a>";
    QTest::newRow("raw greater-than in content") << "a > b";
    QTest::newRow("raw quote in content") << "say \"hi\"";
    QTest::newRow("stray ampersand") << "fish & chips";
    QTest::newRow("angle bracket inside a value") << "<img src=\"a<b\" />";
    QTest::newRow("single quote ends a single-quoted value early") << "<img src='a'b' />";
    QTest::newRow("style the renderer never writes") << "<td style='color:red'>x</td>";
    QTest::newRow("unterminated tag") << "<b";
    QTest::newRow("anchor inside an anchor") << "<a href=\"x\">y<a href=\"z\">w</a></a>";
    QTest::newRow("table inside an anchor") << "<a href=\"x\"><table><tr><td>y</td></tr></table></a>";
}

void tst_Links::oracleRejects()
{
    QFETCH(QString, html);
    QVERIFY(!checkRenderedHtml(html).isEmpty());
}

QTEST_MAIN(tst_Links)
#include "tst_links.moc"
