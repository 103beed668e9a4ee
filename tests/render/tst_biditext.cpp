// A peer's direction controls stay inside the peer's text.

#include "render/biditext.h"

#include <QtTest>

class tst_BidiText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isolate_data();
    void isolate();
    void deepNestingIsCapped();
};

namespace {

// Writes the controls as names, so a failing row reads.
QString named(const QString &text)
{
    static const QList<QPair<ushort, QString>> names = {
        {0x202A, "<LRE>"}, {0x202B, "<RLE>"}, {0x202C, "<PDF>"}, {0x202D, "<LRO>"}, {0x202E, "<RLO>"},
        {0x2066, "<LRI>"}, {0x2067, "<RLI>"}, {0x2068, "<FSI>"}, {0x2069, "<PDI>"}, {0x200F, "<RLM>"}};
    QString out;
    for (const QChar ch : text) {
        QString name = ch;
        for (const auto &n : names) {
            if (n.first == ch.unicode())
                name = n.second;
        }
        out += name;
    }
    return out;
}

QString unnamed(QString text)
{
    const QList<QPair<QString, ushort>> names = {
        {"<LRE>", 0x202A}, {"<RLE>", 0x202B}, {"<PDF>", 0x202C}, {"<LRO>", 0x202D}, {"<RLO>", 0x202E},
        {"<LRI>", 0x2066}, {"<RLI>", 0x2067}, {"<FSI>", 0x2068}, {"<PDI>", 0x2069}, {"<RLM>", 0x200F}};
    for (const auto &n : names)
        text.replace(n.first, QChar(n.second));
    return text;
}

} // namespace

void tst_BidiText::isolate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain text untouched") << "Bea: hello שלום" << "Bea: hello שלום";
    QTest::newRow("right-to-left override closed at the end")
        << "abc<RLO>def" << "<FSI>abc<RLO>def<PDF><PDI>";
    QTest::newRow("balanced embedding kept") << "a<RLE>b<PDF>c" << "<FSI>a<RLE>b<PDF>c<PDI>";
    QTest::newRow("stray pop of an embedding dropped") << "a<PDF>b<RLM>" << "<FSI>ab<RLM><PDI>";
    QTest::newRow("stray pop of an isolate dropped") << "a<PDI><RLO>b" << "<FSI>a<RLO>b<PDF><PDI>";
    QTest::newRow("isolate closed, embeddings inside it first")
        << "<RLI>a<LRO>b<PDI>c" << "<FSI><RLI>a<LRO>b<PDF><PDI>c<PDI>";
    QTest::newRow("embedding pop cannot leave an isolate")
        << "<RLE><LRI>a<PDF>" << "<FSI><RLE><LRI>a<PDI><PDF><PDI>";
}

void tst_BidiText::isolate()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(named(BidiText::isolate(unnamed(text))), expected);
}

void tst_BidiText::deepNestingIsCapped()
{
    const QString text(10000, QChar(0x202E));
    const QString out = BidiText::isolate(text);
    // 125 overrides, their 125 pops, and the isolate around them.
    QCOMPARE(out.size(), 2 * 125 + 2);
}

QTEST_GUILESS_MAIN(tst_BidiText)
#include "tst_biditext.moc"
