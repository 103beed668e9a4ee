#include "lib_kelvan/elementtree.h"

#include <QtTest>

using kelvan::Element;
using kelvan::ReadLimits;

Q_DECLARE_METATYPE(kelvan::Element)
Q_DECLARE_METATYPE(kelvan::ReadLimits)

namespace {

Element controlRecord(const QByteArray &command, const QByteArray &session, const QByteArray &room)
{
    Element data("data");
    data.setAttribute("COMMAND", command);
    data.setAttribute("session_id", session);
    data.setAttribute("room_id", room);
    return data;
}

// The shape SettingsManager writes to config.ini, trimmed to a few leaves.
Element configTree()
{
    Element config("config");
    Element &text = config.appendChild(QByteArray("text"));
    text.appendTextChild("font", "Segoe UI,9,-1,5,50,0,0,0,0,0");
    text.appendTextChild("forecolor", "#000000");
    Element &positions = config.appendChild(QByteArray("positions"));
    positions.appendTextChild("chatwnd_size", "700,500");
    positions.appendTextChild("maximized", "no");
    Element &custom = config.appendChild(QByteArray("custom"));
    custom.appendTextChild("big_single_emoticons", "yes");
    custom.appendChild(QByteArray("spell_language"));
    custom.appendTextChild("play_sound", "1");
    config.appendTextChild("magnifier_size", "300");
    config.appendTextChild("magnifier_border", "yes");
    return config;
}

const QByteArray kConfigText =
    "<config>\r\n"
    "\t<text>\r\n"
    "\t\t<font>Segoe UI,9,-1,5,50,0,0,0,0,0</font>\r\n"
    "\t\t<forecolor>#000000</forecolor>\r\n"
    "\t</text>\r\n"
    "\t<positions>\r\n"
    "\t\t<chatwnd_size>700,500</chatwnd_size>\r\n"
    "\t\t<maximized>no</maximized>\r\n"
    "\t</positions>\r\n"
    "\t<custom>\r\n"
    "\t\t<big_single_emoticons>yes</big_single_emoticons>\r\n"
    "\t\t<spell_language/>\r\n"
    "\t\t<play_sound>1</play_sound>\r\n"
    "\t</custom>\r\n"
    "\t<magnifier_size>300</magnifier_size>\r\n"
    "\t<magnifier_border>yes</magnifier_border>\r\n"
    "</config>\r\n";

Element leaf(const QByteArray &name, const QByteArray &text)
{
    Element e(name);
    e.setText(text);
    return e;
}

Element nested(int depth)
{
    Element root("n");
    Element *at = &root;
    for (int i = 1; i < depth; ++i)
        at = &at->appendChild(QByteArray("n"));
    return root;
}

QByteArray nestedText(int depth)
{
    return QByteArray("<n>").repeated(depth) + QByteArray("</n>").repeated(depth);
}

} // namespace

class TstElementTree : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writer_data();
    void writer();
    void roundTrip_data();
    void roundTrip();
    void reader_data();
    void reader();
    void lookupsIgnoreAsciiCase();
    void missedLookupAddsEmptyChild();
    void malformed_data();
    void malformed();
    void errorNamesTheOffset();
    void depthLimitIsInclusive();
    void deepTreesNeedNoRecursion();
};

void TstElementTree::writer_data()
{
    QTest::addColumn<Element>("tree");
    QTest::addColumn<int>("level");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("one-to-one WRITING record")
        << controlRecord("WRITING", "K", "") << 0
        << QByteArray("<data COMMAND=\"WRITING\" session_id=\"K\" room_id=\"\"/>\r\n");
    Element seen("data");
    seen.setAttribute("COMMAND", "MESSAGE_SEEN");
    QTest::newRow("MESSAGE_SEEN with its only attribute")
        << seen << 0 << QByteArray("<data COMMAND=\"MESSAGE_SEEN\"/>\r\n");
    QTest::newRow("five specials escaped in values")
        << controlRecord("NUDGE", "a&b<c>d'e\"f", "") << 0
        << QByteArray("<data COMMAND=\"NUDGE\" session_id=\"a&amp;b&lt;c&gt;d&apos;e&quot;f\" room_id=\"\"/>\r\n");
    QTest::newRow("five specials escaped in text")
        << leaf("value", "<b>&'\"") << 0 << QByteArray("<value>&lt;b&gt;&amp;&apos;&quot;</value>\r\n");
    QTest::newRow("empty element self-closing")
        << Element("spell_language") << 0 << QByteArray("<spell_language/>\r\n");
    QTest::newRow("settings tree with nesting, text and empty leaves")
        << configTree() << 0 << kConfigText;
    QTest::newRow("level indents the element itself")
        << leaf("id", "7") << 2 << QByteArray("\t\t<id>7</id>\r\n");
    Element mixed("message");
    mixed.setText("hello");
    mixed.appendTextChild("id", "1");
    QTest::newRow("text before children on its own line")
        << mixed << 0 << QByteArray("<message>\r\n\thello\r\n\t<id>1</id>\r\n</message>\r\n");
    Element spaced("message");
    spaced.setText(" \thi\r\n");
    spaced.appendChild(QByteArray("id"));
    QTest::newRow("mixed text keeps its edge whitespace as references")
        << spaced << 0 << QByteArray("<message>\r\n\t&#32;&#9;hi&#13;&#10;\r\n\t<id/>\r\n</message>\r\n");
    QTest::newRow("control characters and UTF-8 written as they are")
        << leaf("v", "\x02" "b\x03 \xC3\xA4\xE2\x82\xAC") << 0 << QByteArray("<v>\x02" "b\x03 \xC3\xA4\xE2\x82\xAC</v>\r\n");
}

void TstElementTree::writer()
{
    QFETCH(Element, tree);
    QFETCH(int, level);
    QTEST(kelvan::writeElement(tree, level), "expected");
}

void TstElementTree::roundTrip_data()
{
    QTest::addColumn<Element>("tree");

    QTest::newRow("settings tree") << configTree();
    QTest::newRow("entities in text and values") << controlRecord("NUDGE", "&amp; <x> 'q' \"d\"", "&lt;");
    QTest::newRow("message markup control characters")
        << leaf("auto_reply_msg", QByteArray("[b]\x02" "bold\x03[/b]\x01\x1F\x7F"));
    QTest::newRow("UTF-8 multibyte text")
        << leaf("value", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xF0\x9F\x98\x80 \xE4\xB8\xAD");
    QTest::newRow("whitespace-only leaf text") << leaf("value", " \t \r\n ");
    Element mixed("message");
    mixed.setText("\n  edge & space \t");
    mixed.appendTextChild("id", "0");
    mixed.appendChild(QByteArray("value"));
    QTest::newRow("text and children with edge whitespace") << mixed;
    Element spell("xml");
    Element &network = spell.appendChild(QByteArray("spell_check_languages")).appendChild(QByteArray("network"));
    network.appendChild(QByteArray("id"));
    Element &user = network.appendChild(QByteArray("users")).appendChild(QByteArray("user"));
    user.appendTextChild("id", "alice@example.org");
    user.appendTextChild("bcp47Name", "de-DE");
    QTest::newRow("four levels") << spell;
    Element attrs("a");
    attrs.setAttribute("x", "line\r\nbreak\ttab");
    attrs.setAttribute("y", "\xE2\x82\xAC\x02");
    QTest::newRow("attribute values with line breaks and controls") << attrs;
}

void TstElementTree::roundTrip()
{
    QFETCH(Element, tree);
    const QByteArray written = kelvan::writeElement(tree);
    Element read;
    const kelvan::ReadResult result = kelvan::readElement(written, read);
    QVERIFY2(result.ok, qPrintable(result.error));
    QVERIFY(read == tree);
    QCOMPARE(kelvan::writeElement(read), written);
}

void TstElementTree::reader_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<Element>("expected");

    Element ab("a");
    ab.appendTextChild("b", "x");
    QTest::newRow("LF-only line ends") << QByteArray("<a>\n<b>x</b>\n</a>") << ab;
    QTest::newRow("CR LF and tabs") << QByteArray("<a>\r\n\t\t<b>x</b>\r\n</a>\r\n") << ab;
    QTest::newRow("no whitespace at all") << QByteArray("<a><b>x</b></a>") << ab;
    QTest::newRow("spaces inside tags") << QByteArray("<a  >  <b\t>x</b  >\n\n</a\r\n>") << ab;
    QTest::newRow("comments before, inside and after")
        << QByteArray("<!-- settings -->\r\n<a><!-- <b>y</b> --><b>x<!--c--></b><!---->\r\n</a><!-- end -->") << ab;
    QTest::newRow("declaration and processing instruction skipped")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a><?pi data?><b>x</b></a>") << ab;
    QTest::newRow("byte order mark and doctype skipped")
        << QByteArray("\xEF\xBB\xBF<!DOCTYPE a [<!ELEMENT a ANY>]>\n<a><b>x</b></a>") << ab;
    QTest::newRow("trailing content after the root ignored")
        << QByteArray("<a><b>x</b></a>\r\n<!-- c --> <second/> garbage <") << ab;

    Element record = controlRecord("WRITING", "K", "");
    QTest::newRow("single-quoted values and spaces around =")
        << QByteArray("<data COMMAND = 'WRITING'\n session_id='K' room_id=''/>") << record;
    QTest::newRow("duplicate attribute in other case dropped, first wins")
        << QByteArray("<data COMMAND=\"WRITING\" command=\"NUDGE\" session_id=\"K\" room_id=\"\"/>") << record;

    QTest::newRow("five entities in text") << QByteArray("<v>&amp;&lt;&gt;&apos;&quot;</v>") << leaf("v", "&<>'\"");
    Element valued("d");
    valued.setAttribute("k", "\"'<>&");
    QTest::newRow("five entities in a value") << QByteArray("<d k='&quot;&apos;&lt;&gt;&amp;'/>") << valued;
    QTest::newRow("unknown entity and lone ampersand kept")
        << QByteArray("<v>&nbsp; a & b &;&#;&#x;&#xD800;&#0;</v>") << leaf("v", "&nbsp; a & b &;&#;&#x;&#xD800;&#0;");
    QTest::newRow("numeric references decoded to UTF-8")
        << QByteArray("<v>&#65;&#x42;&#xE9;&#x263a;&#128512;</v>") << leaf("v", "AB\xC3\xA9\xE2\x98\xBA\xF0\x9F\x98\x80");
    QTest::newRow("CDATA kept literally") << QByteArray("<v><![CDATA[<b>&amp;</b>]]></v>") << leaf("v", "<b>&amp;</b>");
    QTest::newRow("leaf text keeps surrounding whitespace") << QByteArray("<v>  x \r\n</v>") << leaf("v", "  x \r\n");
    QTest::newRow("empty open-close pair reads as empty element") << QByteArray("<v></v>") << Element("v");
    QTest::newRow("control characters accepted")
        << QByteArray("<v>\x02\x03\x01\x1B</v>") << leaf("v", "\x02\x03\x01\x1B");
}

void TstElementTree::reader()
{
    QFETCH(QByteArray, input);
    QFETCH(Element, expected);
    Element read;
    const kelvan::ReadResult result = kelvan::readElement(input, read);
    QVERIFY2(result.ok, qPrintable(result.error));
    if (read != expected)
        QCOMPARE(kelvan::writeElement(read), kelvan::writeElement(expected));
    QVERIFY(read == expected);
}

void TstElementTree::lookupsIgnoreAsciiCase()
{
    Element read;
    QVERIFY(kelvan::readElement("<data COMMAND=\"WRITING\" Session_ID=\"K\" room_id=\"\"/>\r\n", read));
    QCOMPARE(read.attribute("command"), QByteArray("WRITING"));
    QCOMPARE(read.attribute("SESSION_id"), QByteArray("K"));
    QVERIFY(read.hasAttribute("ROOM_ID"));
    QCOMPARE(read.attributeName(0), QByteArray("COMMAND"));

    QVERIFY(kelvan::readElement("<Config><Text><FONT>first</FONT><font>second</font></Text></Config>", read));
    QCOMPARE(read.child("text").child("font").text(), QByteArray("first"));
    QVERIFY(read.findChild("TEXT"));
    QCOMPARE(read.childCount(), 1);

    // Only ASCII folds: the UTF-8 bytes of "Ä" and "ä" differ and must not match.
    Element e("x");
    e.setAttribute("\xC3\x84", "upper");
    QVERIFY(!e.hasAttribute("\xC3\xA4"));

    // Setting a name that is there in another case replaces the value in place.
    e = controlRecord("WRITING", "K", "");
    e.setAttribute("session_ID", "L");
    QCOMPARE(kelvan::writeElement(e), QByteArray("<data COMMAND=\"WRITING\" session_id=\"L\" room_id=\"\"/>\r\n"));
}

void TstElementTree::missedLookupAddsEmptyChild()
{
    Element read;
    QVERIFY(kelvan::readElement(kConfigText, read));
    const int before = read.childCount();
    QVERIFY(!read.findChild("play_sound"));
    QCOMPARE(read.childCount(), before);

    Element &added = read.child("play_sound");
    QVERIFY(added.text().isEmpty());
    QCOMPARE(added.childCount(), 0);
    QCOMPARE(read.childCount(), before + 1);
    QCOMPARE(&read.child("PLAY_SOUND"), &added);
    QCOMPARE(read.childCount(), before + 1);
    QVERIFY(read.child("custom").child("missing").child("deeper").text().isEmpty());
    QCOMPARE(read.attribute("missing"), QByteArray());
}

void TstElementTree::malformed_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<ReadLimits>("limits");

    const ReadLimits defaults;
    QTest::newRow("unclosed tag") << QByteArray("<config><text><font>x</font></text>") << defaults;
    QTest::newRow("mismatched close") << QByteArray("<a><b></a></b>") << defaults;
    QTest::newRow("close differs in case") << QByteArray("<a></A>") << defaults;
    QTest::newRow("truncated attribute") << QByteArray("<data COMMAND=\"WRI") << defaults;
    QTest::newRow("truncated after attribute name") << QByteArray("<data COMMAND") << defaults;
    QTest::newRow("missing quote") << QByteArray("<data COMMAND=WRITING/>") << defaults;
    QTest::newRow("missing closing quote swallows the rest") << QByteArray("<data COMMAND=\"WRITING session_id=\"K\"/>") << defaults;
    QTest::newRow("attributes not separated") << QByteArray("<d a=\"1\"b=\"2\"/>") << defaults;
    QTest::newRow("less-than in a value") << QByteArray("<d a=\"<\"/>") << defaults;
    QTest::newRow("slash without greater-than") << QByteArray("<d /x>") << defaults;
    QTest::newRow("truncated start tag") << QByteArray("<dat") << defaults;
    QTest::newRow("truncated closing tag") << QByteArray("<a></a") << defaults;
    QTest::newRow("stray less-than in content") << QByteArray("<a>1 < 2</a>") << defaults;
    QTest::newRow("garbage text") << QByteArray("this is not an element") << defaults;
    QTest::newRow("binary garbage") << QByteArray("\x00\xFF\x10<\x01>", 6) << defaults;
    QTest::newRow("name starting with a digit") << QByteArray("<1a/>") << defaults;
    QTest::newRow("empty input") << QByteArray() << defaults;
    QTest::newRow("only a comment") << QByteArray("<!-- nothing here -->\r\n") << defaults;
    QTest::newRow("unterminated comment") << QByteArray("<!-- <a/>") << defaults;
    QTest::newRow("unterminated CDATA") << QByteArray("<a><![CDATA[x</a>") << defaults;
    QTest::newRow("unterminated declaration") << QByteArray("<?xml version=\"1.0\"") << defaults;
    QTest::newRow("depth 10000") << nestedText(10000) << defaults;
    ReadLimits small;
    small.maxInputBytes = 64;
    QTest::newRow("over-size input") << (QByteArray("<a>") + QByteArray(100, 'x') + "</a>") << small;
    ReadLimits fewNodes;
    fewNodes.maxNodes = 10;
    QTest::newRow("too many elements") << (QByteArray("<a>") + QByteArray("<b/>").repeated(10) + "</a>") << fewNodes;
    QTest::newRow("too many attributes")
        << QByteArray("<a q1='' q2='' q3='' q4='' q5='' q6='' q7='' q8='' q9='' q10=''/>") << fewNodes;
}

void TstElementTree::malformed()
{
    QFETCH(QByteArray, input);
    QFETCH(ReadLimits, limits);
    Element out = configTree(); // a failed read must not leave an earlier tree behind
    const kelvan::ReadResult result = kelvan::readElement(input, out, limits);
    QVERIFY(!result);
    QVERIFY(out.isEmpty());
    QVERIFY2(result.error.contains(QLatin1String("at byte ")), qPrintable(result.error));
}

void TstElementTree::errorNamesTheOffset()
{
    Element out;
    const kelvan::ReadResult result = kelvan::readElement("<a>\r\n\t<b></c>", out);
    QCOMPARE(result.error, QStringLiteral("closing tag </c> does not match <b> at byte 9"));
}

void TstElementTree::depthLimitIsInclusive()
{
    ReadLimits limits;
    limits.maxDepth = 5;
    Element out;
    QVERIFY(kelvan::readElement(nestedText(5), out, limits));
    QVERIFY(out == nested(5));
    QVERIFY(!kelvan::readElement(nestedText(6), out, limits));
    QVERIFY(!kelvan::readElement("<n><n><n><n><n><n/></n></n></n></n></n>", out, limits));
}

void TstElementTree::deepTreesNeedNoRecursion()
{
    // Built by hand far deeper than any reader limit: copying, comparing and
    // destroying must not use the call stack per level.
    const Element deep = nested(300000);
    Element copy = deep;
    QVERIFY(copy == deep);
    copy.child("n").child("n").setText("changed");
    QVERIFY(copy != deep);

    // The written form grows with the square of the depth (indentation), so
    // writing and reading back is checked at a depth a file could have.
    const Element tall = nested(3000);
    const QByteArray written = kelvan::writeElement(tall);
    ReadLimits limits;
    limits.maxDepth = 3000;
    Element read;
    const kelvan::ReadResult result = kelvan::readElement(written, read, limits);
    QVERIFY2(result.ok, qPrintable(result.error));
    QVERIFY(read == tall);
}

QTEST_GUILESS_MAIN(TstElementTree)
#include "tst_elementtree.moc"
