#include "render/emailscanner.h"

#include <QRandomGenerator>
#include <QRegExp>
#include <QTest>

// The linear scanner must find exactly what the classic engine finds with
// the pattern, on inputs short enough for the classic engine to finish.
class tst_EmailScanner : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesClassicEngine_data();
    void matchesClassicEngine();
    void matchesClassicEngineOnGeneratedCorpus();
    void longInputWithoutAt();

private:
    static QList<QPair<int, int>> scannerMatches(const QString &text);
    static QList<QPair<int, int>> classicMatches(const QString &text);
};

QList<QPair<int, int>> tst_EmailScanner::scannerMatches(const QString &text)
{
    QList<QPair<int, int>> matches;
    int length = 0;
    int pos = 0;
    for (int at = EmailScanner::find(text, 0, &length); at >= 0; at = EmailScanner::find(text, pos, &length)) {
        matches.append({at, length});
        pos = at + length;
    }
    return matches;
}

QList<QPair<int, int>> tst_EmailScanner::classicMatches(const QString &text)
{
    QRegExp pattern(EmailScanner::pattern(), Qt::CaseInsensitive);
    QList<QPair<int, int>> matches;
    int pos = 0;
    for (int at = pattern.indexIn(text, 0); at >= 0; at = pattern.indexIn(text, pos)) {
        matches.append({at, pattern.matchedLength()});
        pos = at + pattern.matchedLength();
    }
    return matches;
}

void tst_EmailScanner::matchesClassicEngine_data()
{
    QTest::addColumn<QString>("text");
    // Examples to read; the generated corpus below covers the pattern's classes.
    QTest::newRow("list with comma and semicolon") << "a@b.cd,e@f.gh; i@j.kl";
    QTest::newRow("comma then line break then address") << "a@b.cd,\r\n  e@f.gh";
    QTest::newRow("domain without a dot") << "a@localhost";
    QTest::newRow("umlauts and accents") << "jörg@bücher.de élise@café.fr";
}

void tst_EmailScanner::matchesClassicEngine()
{
    QFETCH(QString, text);
    QCOMPARE(scannerMatches(text), classicMatches(text));
}

void tst_EmailScanner::matchesClassicEngineOnGeneratedCorpus()
{
    // Strings made of pieces that exercise every class of the pattern:
    // word characters of several scripts, a mark, the joints, "@", the list
    // separators, white space and characters outside all classes, weighted
    // so that many strings hold addresses, lists and near misses.
    const QStringList pieces = {
        QStringLiteral("a"), QStringLiteral("b1"), QStringLiteral("_"), QStringLiteral("\u00e9"),
        QStringLiteral("\u0436"), QStringLiteral("\u0301"), QStringLiteral("-"), QStringLiteral("+"),
        QStringLiteral("."), QStringLiteral("@"), QStringLiteral(","), QStringLiteral(";"), QStringLiteral(" "),
        QStringLiteral("\t"), QStringLiteral("\n"), QStringLiteral("<"), QStringLiteral("\""),
        QStringLiteral("x.y"), QStringLiteral("@c.d"), QStringLiteral("u@v.w"), QStringLiteral(", "),
        QStringLiteral("..")};
    QRandomGenerator random(20260305);
    int withMatches = 0;
    for (int round = 0; round < 50000; ++round) {
        const int count = 1 + int(random.bounded(12));
        QString text;
        for (int i = 0; i < count; ++i)
            text += pieces.at(int(random.bounded(pieces.size())));
        const auto expected = classicMatches(text);
        if (!expected.isEmpty())
            ++withMatches;
        const auto actual = scannerMatches(text);
        if (actual != expected)
            QFAIL(qPrintable(QStringLiteral("differs on \"%1\"").arg(text)));
    }
    // The corpus must actually contain addresses for the comparison to mean anything.
    QVERIFY2(withMatches > 10000, qPrintable(QString::number(withMatches)));
}

void tst_EmailScanner::longInputWithoutAt()
{
    // The input family that makes a backtracking engine quadratic: the
    // scanner answers in one pass.
    const QString text = QStringLiteral("a.").repeated(200000);
    int length = 0;
    QCOMPARE(EmailScanner::find(text, 0, &length), -1);
}

QTEST_GUILESS_MAIN(tst_EmailScanner)
#include "tst_emailscanner.moc"
