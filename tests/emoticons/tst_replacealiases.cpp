#include "aliasreference.h"

#include "emoticons/emotionboxmanager.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

// replaceAliases() does in one scan what the plain per-alias scan does in one
// scan per alias. These tests hold the two to the same results on random
// alias tables and texts built from a few characters, so that aliases meet,
// overlap, cascade into each other's replacements and contain separators.
class TestReplaceAliases : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void matchesPlainScan_data();
    void matchesPlainScan();
    void matchesPlainScanOnLongText();

private:
    void loadAliases(const QByteArray &aliasesCfg);

    QTemporaryDir m_app;
    EmotionBoxManager m_manager;
};

namespace {

const QString KeyCharacters = QStringLiteral("ab:)(<3 \t");
const QString TextCharacters = QStringLiteral("ab:)(<3 \t\nx");

QString randomString(QRandomGenerator &random, const QString &alphabet, int minLength, int maxLength)
{
    const int length = random.bounded(minLength, maxLength + 1);
    QString text;
    for (int i = 0; i < length; ++i)
        text += alphabet.at(random.bounded(alphabet.size()));
    return text;
}

// One line of aliases.cfg: the key starts with a character above U+0020
// (lines are trimmed) and holds no "=", "#" or line feed; the value may be
// anything but a line feed, including other keys and separators.
QByteArray randomAliasTable(QRandomGenerator &random, QStringList *keys)
{
    QByteArray table;
    const int count = random.bounded(1, 9);
    for (int i = 0; i < count; ++i) {
        QString key = randomString(random, QStringLiteral("ab:)(<3"), 1, 1)
                      + randomString(random, KeyCharacters, 0, 3);
        keys->append(key);
        QString value;
        switch (random.bounded(6)) {
        case 0: value = QString(); break;
        case 1: value = QStringLiteral("(x)"); break;
        case 2: value = keys->at(random.bounded(keys->size())); break;
        case 3: value = keys->at(random.bounded(keys->size())) + QLatin1Char(' ') + keys->at(random.bounded(keys->size())); break;
        case 4: value = randomString(random, TextCharacters.left(TextCharacters.size() - 2), 0, 5); break;
        default: value = QStringLiteral("y ") + randomString(random, KeyCharacters, 1, 3); break;
        }
        table += key.toUtf8() + '=' + value.toUtf8() + '\n';
    }
    return table;
}

QString randomText(QRandomGenerator &random, const QStringList &keys)
{
    QString text;
    const int pieces = random.bounded(0, 10);
    for (int i = 0; i < pieces; ++i) {
        if (random.bounded(2))
            text += keys.at(random.bounded(keys.size()));
        else
            text += randomString(random, TextCharacters, 0, 3);
    }
    return text;
}

} // namespace

void TestReplaceAliases::initTestCase()
{
    QVERIFY(m_app.isValid());
    QVERIFY(QDir().mkpath(m_app.path() + QStringLiteral("/plugins/chat/emoticons/config")));
}

void TestReplaceAliases::loadAliases(const QByteArray &aliasesCfg)
{
    QFile file(m_app.path() + QStringLiteral("/plugins/chat/emoticons/config/aliases.cfg"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(aliasesCfg), qint64(aliasesCfg.size()));
    file.close();
    m_manager.clear();
    m_manager.loadCatalogue(m_app.path());
}

void TestReplaceAliases::matchesPlainScan_data()
{
    QTest::addColumn<quint32>("seed");
    // Each row is a block of random tables; its seed in the row name
    // reproduces a failure.
    for (quint32 seed = 1; seed <= 40; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void TestReplaceAliases::matchesPlainScan()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    int changed = 0;
    int compared = 0;
    for (int table = 0; table < 30; ++table) {
        QStringList keys;
        const QByteArray aliasesCfg = randomAliasTable(random, &keys);
        loadAliases(aliasesCfg);
        QVERIFY(!m_manager.aliases().isEmpty());
        for (int t = 0; t < 40; ++t) {
            const QString text = randomText(random, keys);
            const QString expected = referenceReplaceAliases(text, m_manager.aliases());
            const QString actual = m_manager.replaceAliases(text);
            if (actual != expected) {
                qWarning().noquote() << "aliases.cfg:\n" + QString::fromUtf8(aliasesCfg);
                qWarning() << "text:" << text;
            }
            QCOMPARE(actual, expected);
            ++compared;
            changed += expected != text;
        }
    }
    // The random texts must exercise replacements, not only pass through.
    QVERIFY2(changed * 10 > compared, qPrintable(QStringLiteral("%1 of %2 changed").arg(changed).arg(compared)));
}

void TestReplaceAliases::matchesPlainScanOnLongText()
{
    loadAliases(":)=(smile)\n:-)=(smile)\n<3=(heart)\n(smile)=(happy) (smile)\n:( x=(sad)\n;)=\n");
    QRandomGenerator random(7);
    const QStringList pieces{":)", ":-)", "<3", ":(", "x", ";)", ":):)", "(smile)"};
    QString text;
    while (text.size() < 40000) {
        text += pieces.at(random.bounded(pieces.size()));
        text += QStringLiteral(" \t\n").at(random.bounded(3));
    }
    const QString expected = referenceReplaceAliases(text, m_manager.aliases());
    QVERIFY(expected != text);
    QCOMPARE(m_manager.replaceAliases(text), expected);
}

QTEST_GUILESS_MAIN(TestReplaceAliases)
#include "tst_replacealiases.moc"
