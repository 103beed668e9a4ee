#include "emoticons/emoticonconfigreader.h"

#include <QtTest>

class TestEmoticonConfigReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readLines_data();
    void readLines();
    void readPairs_data();
    void readPairs();
    void languageOfFile_data();
    void languageOfFile();
};

void TestEmoticonConfigReader::readLines_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("CR LF lines lose the CR") << QByteArray("smile\r\nwink\r\n") << QStringList{"smile", "wink"};
    QTest::newRow("last line without line feed") << QByteArray("smile\nwink") << QStringList{"smile", "wink"};
    QTest::newRow("blank and whitespace-only lines skipped")
        << QByteArray("\n  \n\t\r\nsmile\n\n") << QStringList{"smile"};
    QTest::newRow("comment after leading blanks skipped") << QByteArray("   # indented\nsmile") << QStringList{"smile"};
    QTest::newRow("hash later in the line is kept") << QByteArray("a#b\n") << QStringList{"a#b"};
    QTest::newRow("control bytes trimmed like spaces")
        << QByteArray("\x01\x02smile\x1f\x20\n") << QStringList{"smile"};
    QTest::newRow("DEL is not trimmed") << QByteArray("\x7fsmile\n") << QStringList{"\x7fsmile"};
    QTest::newRow("lone CR does not split") << QByteArray("a\rb\n") << QStringList{"a\rb"};
    QTest::newRow("UTF-8 decoded") << QByteArray("caf\xc3\xa9=Caf\xc3\xa9\n") << QStringList{QStringLiteral("café=Café")};
}

void TestEmoticonConfigReader::readLines()
{
    QFETCH(QByteArray, contents);
    QTEST(EmoticonConfigReader::readLines(contents), "lines");
}

void TestEmoticonConfigReader::readPairs_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("values");

    QTest::newRow("key and value") << QByteArray(":)=(smile)\n") << QStringList{":)"} << QStringList{"(smile)"};
    QTest::newRow("split at the first equals sign")
        << QByteArray("a=b=c\n") << QStringList{"a"} << QStringList{"b=c"};
    QTest::newRow("line without equals sign is a key with empty value")
        << QByteArray("lonely\n") << QStringList{"lonely"} << QStringList{""};
    QTest::newRow("blanks around equals sign kept")
        << QByteArray("smile = Smile\r\n") << QStringList{"smile "} << QStringList{" Smile"};
    QTest::newRow("line starting with equals sign has an empty key")
        << QByteArray("=x\n") << QStringList{""} << QStringList{"x"};
}

void TestEmoticonConfigReader::readPairs()
{
    QFETCH(QByteArray, contents);
    const auto pairs = EmoticonConfigReader::readPairs(contents);
    QStringList gotKeys, gotValues;
    for (const auto &pair : pairs) {
        gotKeys << pair.first;
        gotValues << pair.second;
    }
    QTEST(gotKeys, "keys");
    QTEST(gotValues, "values");
}

void TestEmoticonConfigReader::languageOfFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("language");

    QTest::newRow("plain") << "en.lng" << "en";
    QTest::newRow("further name parts") << "de.office.lng" << "de";
    QTest::newRow("path is ignored") << "/opt/app.d/config/fr.lng" << "fr";
}

void TestEmoticonConfigReader::languageOfFile()
{
    QFETCH(QString, fileName);
    QTEST(EmoticonConfigReader::languageOfFile(fileName), "language");
}

QTEST_GUILESS_MAIN(TestEmoticonConfigReader)
#include "tst_emoticonconfigreader.moc"
