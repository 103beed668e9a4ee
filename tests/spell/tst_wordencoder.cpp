// Words on their way to a dictionary's encoding and suggestions on their way
// back: UTF-8 sequence lengths at their boundaries, what is refused, and that
// whatever is accepted decodes to the same word.

#include "spell/wordencoder.h"

#include <QtTest>

#include <string>

class tst_WordEncoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void utf8RoundTrip_data();
    void utf8RoundTrip();
};

void tst_WordEncoder::utf8RoundTrip_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QByteArray>("bytes"); // empty: refused

    QTest::newRow("U+007F last of one byte") << QString(QChar(0x7F)) << QByteArray("\x7f");
    QTest::newRow("U+0080 first of two bytes") << QString(QChar(0x80)) << QByteArray("\xc2\x80");
    QTest::newRow("U+07FF last of two bytes") << QString(QChar(0x7FF)) << QByteArray("\xdf\xbf");
    QTest::newRow("U+0800 first of three bytes") << QString(QChar(0x800)) << QByteArray("\xe0\xa0\x80");
    QTest::newRow("U+FFFD last character of three bytes") << QString(QChar(0xFFFD)) << QByteArray("\xef\xbf\xbd");
    QTest::newRow("U+FFFF noncharacter refused") << QString(QChar(0xFFFF)) << QByteArray();
    QTest::newRow("U+10000 first of four bytes")
        << QString::fromUcs4(std::u32string(U"\U00010000").c_str(), 1) << QByteArray("\xf0\x90\x80\x80");
    QTest::newRow("leading U+FEFF is not taken for a byte order mark")
        << (QChar(0xFEFF) + QString(QChar(0x32FF))) << QByteArray("\xef\xbb\xbf\xe3\x8b\xbf");
    QTest::newRow("lone low surrogate refused") << QString(QChar(0xDC00)) << QByteArray();
}

void tst_WordEncoder::utf8RoundTrip()
{
    QFETCH(QString, word);
    QFETCH(QByteArray, bytes);

    const WordEncoder encoder("UTF-8");
    std::string out;
    QCOMPARE(encoder.encode(word, out), !bytes.isEmpty());
    if (bytes.isEmpty())
        return;
    QCOMPARE(QByteArray::fromStdString(out), bytes);
    QCOMPARE(encoder.decode(out), word);
}

QTEST_GUILESS_MAIN(tst_WordEncoder)
#include "tst_wordencoder.moc"
