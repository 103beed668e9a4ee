#include "spell/dictionaryfolder.h"
#include "spelltestfiles.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(QVector<SpellLanguage>)

// A byte array that keeps embedded NUL bytes of a literal.
#define BYTES(literal) QByteArray(literal, int(sizeof(literal)) - 1)

namespace QTest {
template<>
char *toString(const QVector<SpellLanguage> &languages)
{
    QStringList parts;
    for (const SpellLanguage &l : languages)
        parts << QStringLiteral("(%1, %2)").arg(l.code, l.displayName);
    return qstrdup(parts.join(QStringLiteral(" ")).toUtf8().constData());
}
} // namespace QTest

class tst_DictionaryFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void folderUnderApplicationFolder_data();
    void folderUnderApplicationFolder();
    void parseLanguagesText_data();
    void parseLanguagesText();
    void discover_data();
    void discover();
    void discoverMissingFolder();
};

void tst_DictionaryFolder::folderUnderApplicationFolder_data()
{
    QTest::addColumn<QString>("application");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder without trailing separator") << "/opt/app" << "/opt/app/plugins/chat/dictionaries/";
    QTest::newRow("folder with trailing separator") << "/opt/app/" << "/opt/app/plugins/chat/dictionaries/";
}

void tst_DictionaryFolder::folderUnderApplicationFolder()
{
    QFETCH(QString, application);
    QTEST(DictionaryFolder::forApplicationFolder(application), "expected");
}

void tst_DictionaryFolder::parseLanguagesText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QVector<SpellLanguage>>("expected");
    using L = QVector<SpellLanguage>;
    QTest::newRow("split at the first space") << QByteArray("en_US English (US)\n") << L{{"en_US", "English (US)"}};
    QTest::newRow("last line without newline") << QByteArray("de_DE Deutsch") << L{{"de_DE", "Deutsch"}};
    QTest::newRow("line without a space ignored") << QByteArray("en_US\nde_DE Deutsch\n") << L{{"de_DE", "Deutsch"}};
    QTest::newRow("tab does not separate") << QByteArray("en_US\tEnglish\n") << L{};
    QTest::newRow("surrounding whitespace and CR trimmed")
        << QByteArray("  en_US English  \r\n\tfr_FR Français\r\n") << L{{"en_US", "English"}, {"fr_FR", "Français"}};
    QTest::newRow("several spaces after the code") << QByteArray("en_US    English\n") << L{{"en_US", "English"}};
    QTest::newRow("blank lines") << QByteArray("\n   \n\t\n\r\n") << L{};
    QTest::newRow("UTF-8 byte order mark") << QByteArray("\xEF\xBB\xBF" "ru_RU Русский\n") << L{{"ru_RU", "Русский"}};
    QTest::newRow("code reaching out of the folder refused")
        << QByteArray("../../etc/x Evil\n..\\x Evil\n.. Dots\nen_US English\n") << L{{"en_US", "English"}};
    QTest::newRow("NUL in the code refused") << BYTES("en\0US English\n") << L{};
    QTest::newRow("order kept") << QByteArray("b_B Bee\na_A Ay\n") << L{{"b_B", "Bee"}, {"a_A", "Ay"}};
}

void tst_DictionaryFolder::parseLanguagesText()
{
    QFETCH(QByteArray, text);
    QTEST(DictionaryFolder::parseLanguagesText(text), "expected");
}

void tst_DictionaryFolder::discover_data()
{
    // Files are "name" (a small dictionary half) or "name/" (a folder);
    // "languages.txt" gets the given text when it is not null.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QByteArray>("languagesTxt");
    QTest::addColumn<QVector<SpellLanguage>>("expected");
    using L = QVector<SpellLanguage>;
    const QStringList enUS{"en_US.aff", "en_US.dic"};

    QTest::newRow("pair without languages.txt is named by its code") << enUS << QByteArray() << L{{"en_US", "en_US"}};
    QTest::newRow("pair listed in languages.txt appears once with its name")
        << enUS << QByteArray("en_US English (US)\n") << L{{"en_US", "English (US)"}};
    QTest::newRow("listed language without .dic not offered")
        << QStringList{"de_DE.aff"} << QByteArray("de_DE Deutsch\n") << L{};
    QTest::newRow("listed language without .aff not offered")
        << QStringList{"de_DE.dic"} << QByteArray("de_DE Deutsch\n") << L{};
    QTest::newRow(".aff without .dic not offered") << QStringList{"de_DE.aff"} << QByteArray() << L{};
    QTest::newRow("scan skips a code listed in another case")
        << QStringList{"en_US.aff", "en_US.dic", "EN_us.aff", "EN_us.dic"} << QByteArray("en_US English\n")
        << L{{"en_US", "English"}};
    QTest::newRow("scan sorted by file name")
        << QStringList{"fr_FR.aff", "fr_FR.dic", "bg_BG.aff", "bg_BG.dic", "de_DE.aff", "de_DE.dic"} << QByteArray()
        << L{{"bg_BG", "bg_BG"}, {"de_DE", "de_DE"}, {"fr_FR", "fr_FR"}};
    QTest::newRow("listed languages first, in their order")
        << QStringList{"fr_FR.aff", "fr_FR.dic", "bg_BG.aff", "bg_BG.dic", "de_DE.aff", "de_DE.dic"}
        << QByteArray("fr_FR French\nbg_BG Bulgarian\n")
        << L{{"fr_FR", "French"}, {"bg_BG", "Bulgarian"}, {"de_DE", "de_DE"}};
    QTest::newRow("base name ends at the first dot")
        << QStringList{"en_US.old.aff", "en_US.dic"} << QByteArray() << L{{"en_US", "en_US"}};
    QTest::newRow("hidden .aff has no base name") << QStringList{".aff", ".dic"} << QByteArray() << L{};
    QTest::newRow("folder named like a dictionary file")
        << QStringList{"en_US.aff/", "en_US.dic", "de_DE.aff", "de_DE.dic/"} << QByteArray("de_DE Deutsch\n") << L{};
    QTest::newRow("languages.txt that is a folder is skipped")
        << QStringList{"en_US.aff", "en_US.dic", "languages.txt/"} << QByteArray() << L{{"en_US", "en_US"}};
    QTest::newRow("odd languages.txt lines around a good one")
        << enUS << BYTES("garbage\n\xff\xfe\x00\x01 \n  \nen_US English\nen_US Twice\n")
        << L{{"en_US", "English"}, {"en_US", "Twice"}};
}

void tst_DictionaryFolder::discover()
{
    QFETCH(QStringList, files);
    QFETCH(QByteArray, languagesTxt);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &file : files) {
        if (file.endsWith(QLatin1Char('/')))
            QVERIFY(QDir(dir.path()).mkdir(file.chopped(1)));
        else
            QVERIFY(spelltest::writeFile(dir.filePath(file), "1\nword\n"));
    }
    if (!languagesTxt.isNull())
        QVERIFY(spelltest::writeFile(dir.filePath(QStringLiteral("languages.txt")), languagesTxt));

    QTEST(DictionaryFolder::discover(dir.path() + QLatin1Char('/')), "expected");
}

void tst_DictionaryFolder::discoverMissingFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(DictionaryFolder::discover(dir.filePath(QStringLiteral("absent/"))), QVector<SpellLanguage>{});
}

QTEST_GUILESS_MAIN(tst_DictionaryFolder)
#include "tst_dictionaryfolder.moc"
