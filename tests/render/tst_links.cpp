#include "htmloracle.h"

#include "render/linkpolicy.h"
#include "render/links.h"
#include "render/markupconverter.h"

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
    void oracleRejects_data();
    void oracleRejects();
    void peerLinksStayOutOfTheVocabulary_data();
    void peerLinksStayOutOfTheVocabulary();
    void linkPolicy_data();
    void linkPolicy();
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

void tst_Links::peerLinksStayOutOfTheVocabulary_data()
{
    QTest::addColumn<QString>("markup");
    QTest::newRow("typed scheme address") << "see chat://1001 now";
    QTest::newRow("location address would open the location menu") << "location://evil.example/maps/?q=a@1,2";
    QTest::newRow("file link to a like") << "[furl]like:5[/furl]";
    QTest::newRow("file link to the menu, upper case") << "[furl]MENU:5[/furl]";
    QTest::newRow("file link to a picture after a blank") << "[furl] pic:/etc/passwd[/furl]";
    QTest::newRow("file link to a cloud key after an invisible character") << "[furl]\u200Bcloud:R1_0001[/furl]";
    QTest::newRow("file link to a mention target") << "[furl]chat:1001[/furl]";
    QTest::newRow("file link to a position") << "[furl]gp:1,2[/furl]";
    QTest::newRow("file link to the whole text") << "[furl]fulltext:3[/furl]";
}

void tst_Links::peerLinksStayOutOfTheVocabulary()
{
    QFETCH(QString, markup);
    const QString html = MarkupConverter::renderPlainMarkup(markup, RenderContext());
    for (const OracleAnchor &anchor : anchorsOf(html))
        QVERIFY2(LinkPolicy::decide(anchor.href).action != LinkPolicy::Action::Internal, qPrintable(anchor.href));
    // The text itself stays.
    QVERIFY(!html.isEmpty());
}

void tst_Links::linkPolicy_data()
{
    using LinkPolicy::Action;
    using LinkPolicy::Reason;
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("reason");
    QTest::addColumn<QString>("opened"); // the URL handed to the desktop
    QTest::addColumn<QString>("detail"); // the ASCII host, or the file's name and folder
    QTest::newRow("web address opens at once") << "https://example.org/a?b=1" << int(Action::Open) << int(Reason::None)
                                               << "https://example.org/a?b=1" << "example.org";
    QTest::newRow("ftp opens at once") << "ftp://files.example.org/x" << int(Action::Open) << int(Reason::None)
                                       << "ftp://files.example.org/x" << "files.example.org";
    QTest::newRow("user part before the host asks, naming the real host")
        << "https://example.org@evil.example/login" << int(Action::Ask) << int(Reason::UserInAddress)
        << "https://example.org@evil.example/login" << "evil.example";
    QTest::newRow("right-to-left override asks and is not shown")
        << QString::fromUtf16(u"https://example.org/\u202Efdp.exe") << int(Action::Ask)
        << int(Reason::HiddenCharacters) << "https://example.org/%E2%80%AEfdp.exe" << "example.org";
    QTest::newRow("host mixing Cyrillic and Latin asks, naming it in ASCII")
        << QString::fromUtf16(u"http://\u0430pple.com/") << int(Action::Ask) << int(Reason::MixedScripts)
        << "http://xn--pple-43d.com/" << "xn--pple-43d.com";
    QTest::newRow("mail keeps subject and body, drops attachments")
        << "mailto:a@b.example?subject=hi&attach=/etc/passwd&body=x" << int(Action::Open) << int(Reason::None)
        << "mailto:a@b.example?subject=hi&body=x" << "";
    QTest::newRow("local path asks with name and folder") << "[f]/tmp/a b.txt" << int(Action::Ask)
                                                          << int(Reason::LocalFile) << "file:///tmp/a%20b.txt"
                                                          << "a b.txt|/tmp";
    QTest::newRow("escapes in a path are not decoded") << "[f]/tmp/pass%20wd" << int(Action::Ask)
                                                       << int(Reason::LocalFile) << "file:///tmp/pass%2520wd"
                                                       << "pass%20wd|/tmp";
    QTest::newRow("file address of this machine asks") << "[f]///etc/hosts" << int(Action::Ask)
                                                       << int(Reason::LocalFile) << "file:///etc/hosts" << "hosts|/etc";
    QTest::newRow("UNC path is never opened") << "[f]\\\\server\\share\\x.doc" << int(Action::Refuse)
                                              << int(Reason::RemoteFile) << "" << "";
    QTest::newRow("file address naming a host is never opened") << "file://server/share/x.doc" << int(Action::Refuse)
                                                                << int(Reason::RemoteFile) << "" << "";
    QTest::newRow("marked file address naming a host is never opened")
        << "[f]//server/share/x.doc" << int(Action::Refuse) << int(Reason::RemoteFile) << "" << "";
    QTest::newRow("network path without a scheme is never opened")
        << "\\\\server\\share" << int(Action::Refuse) << int(Reason::RemoteFile) << "" << "";
    QTest::newRow("other scheme asks") << "javascript:alert(1)" << int(Action::Ask) << int(Reason::UnknownScheme)
                                       << "javascript:alert(1)" << "";
    QTest::newRow("no scheme opens nothing") << "www.example.org" << int(Action::Refuse) << int(Reason::Invalid)
                                             << "" << "";
    QTest::newRow("renderer's own target") << "like:5" << int(Action::Internal) << int(Reason::None) << "" << "";
}

void tst_Links::linkPolicy()
{
    QFETCH(QString, target);
    QFETCH(int, action);
    QFETCH(int, reason);
    QFETCH(QString, opened);
    QFETCH(QString, detail);
    const LinkPolicy::Decision decision = LinkPolicy::decide(target);
    QCOMPARE(int(decision.action), action);
    QCOMPARE(int(decision.reason), reason);
    QCOMPARE(decision.url.toString(QUrl::FullyEncoded), opened);
    if (decision.reason == LinkPolicy::Reason::LocalFile)
        QCOMPARE(decision.fileName + QLatin1Char('|') + decision.folder, detail);
    else
        QCOMPARE(decision.asciiHost, detail);
    for (const QChar c : decision.shown)
        QVERIFY2(!LinkPolicy::isHiddenCharacter(c), "the question would show a hidden character");
}

QTEST_MAIN(tst_Links)
#include "tst_links.moc"
