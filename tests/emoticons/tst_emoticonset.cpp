#include "emoticons/emoticonentry.h"
#include "emoticons/emotionboxmanager.h"

#include <QMovie>
#include <QRegularExpression>
#include <QtTest>

// The emoticon set the reference host installs, as committed under
// host/appfolder: complete, described, aliased, and readable by Qt, MNG
// animations included.
class TestEmoticonSet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void hasEnoughCompleteEmoticons();
    void everyEmoticonIsDescribed();
    void commonSmileysAreAliased_data();
    void commonSmileysAreAliased();
    void aliasesNameExistingEmoticons();
    void animationsHaveSeveralFrames_data();
    void animationsHaveSeveralFrames();
    void typedSmileyRendersAsBigPicture();

private:
    EmotionBoxManager m_manager;
};

void TestEmoticonSet::initTestCase()
{
    QVERIFY(m_manager.loadCatalogue(QStringLiteral(EMOTICON_SET_DIR)));
}

void TestEmoticonSet::hasEnoughCompleteEmoticons()
{
    const auto entries = m_manager.entries();
    QVERIFY2(entries.size() >= 40, qPrintable(QString::number(entries.size())));
    QCOMPARE(m_manager.pickerOrder().size(), entries.size());
    for (const EmoticonEntry *entry : entries) {
        QVERIFY2(entry->smallAnimation()->isValid(), qPrintable(entry->smallPath()));
        QVERIFY2(entry->bigAnimation()->isValid(), qPrintable(entry->bigPath()));
        QCOMPARE(entry->smallAnimation()->currentImage().size(), QSize(32, 32));
        QCOMPARE(entry->bigAnimation()->currentImage().size(), QSize(128, 128));
    }
}

void TestEmoticonSet::everyEmoticonIsDescribed()
{
    for (const EmoticonEntry *entry : m_manager.entries()) {
        for (const char *language : {"en", "de", "fr", "es", "ru"}) {
            QVERIFY2(!entry->description(QLatin1String(language)).isEmpty(),
                     qPrintable(entry->name() + QLatin1Char(' ') + QLatin1String(language)));
        }
    }
}

void TestEmoticonSet::commonSmileysAreAliased_data()
{
    QTest::addColumn<QString>("smiley");
    QTest::addColumn<QString>("code");

    QTest::newRow("smile") << ":)" << "(smile)";
    QTest::newRow("sad") << ":(" << "(sad)";
    QTest::newRow("heart") << "<3" << "(heart)";
}

void TestEmoticonSet::commonSmileysAreAliased()
{
    QFETCH(QString, smiley);
    QFETCH(QString, code);
    QCOMPARE(m_manager.replaceAliases(QStringLiteral("well ") + smiley), QStringLiteral("well ") + code);
}

void TestEmoticonSet::aliasesNameExistingEmoticons()
{
    const QRegularExpression codeForm(QStringLiteral("^\\((.+)\\)$"));
    const auto &aliases = m_manager.aliases();
    QVERIFY(aliases.size() >= 20);
    for (auto it = aliases.cbegin(); it != aliases.cend(); ++it) {
        const auto match = codeForm.match(it.value());
        QVERIFY2(match.hasMatch(), qPrintable(it.key() + QStringLiteral(" = ") + it.value()));
        QVERIFY2(m_manager.findEntry(match.captured(1)), qPrintable(it.value()));
    }
}

void TestEmoticonSet::animationsHaveSeveralFrames_data()
{
    QTest::addColumn<QString>("file");
    for (const char *name : {"heart", "wink", "laugh"}) {
        for (const char *size : {"32x32", "128x128"})
            QTest::addRow("%s %s", name, size) << QStringLiteral("%1/%2.mng").arg(QLatin1String(size), QLatin1String(name));
    }
}

void TestEmoticonSet::animationsHaveSeveralFrames()
{
    QFETCH(QString, file);
    QMovie movie(QStringLiteral(EMOTICON_SET_DIR "/plugins/chat/emoticons/") + file);
    QVERIFY(movie.isValid());
    QCOMPARE(movie.format(), QByteArray("mng"));
    // The MNG reader knows the frame count only once it has read the whole
    // stream, so step through one loop first.
    QImage first;
    QImage different;
    for (int step = 0; step < 100 && movie.frameCount() == 0; ++step) {
        QVERIFY(movie.jumpToNextFrame());
        if (first.isNull())
            first = movie.currentImage();
        else if (different.isNull() && movie.currentImage() != first)
            different = movie.currentImage();
    }
    QVERIFY2(movie.frameCount() > 1, qPrintable(QString::number(movie.frameCount())));
    QVERIFY(!different.isNull());
    QVERIFY(movie.nextFrameDelay() > 0);
}

void TestEmoticonSet::typedSmileyRendersAsBigPicture()
{
    const QString code = m_manager.replaceAliases(QStringLiteral(" <3 "));
    QCOMPARE(code, QStringLiteral(" (heart) "));
    QCOMPARE(m_manager.replaceCodes(code, QStringLiteral("fr"), true),
             QStringLiteral(" <img src=\"heart_big\" alt=\"Cœur\" title=\"Cœur\" border=\"0\" width=128 height=128 > "));
    QVERIFY(m_manager.animationForResource(QStringLiteral("heart_big")));
}

QTEST_MAIN(TestEmoticonSet)
#include "tst_emoticonset.moc"
