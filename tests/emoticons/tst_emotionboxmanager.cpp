#include "emoticons/emoticonentry.h"
#include "emoticons/emotionboxmanager.h"

#include <QImage>
#include <QMovie>
#include <QTemporaryDir>
#include <QtTest>

// A small catalogue written into a temporary application folder: "smile" has
// MNG and PNG pictures in both sizes, "onlysmall" and "onlybig" miss one
// size, the order file is CR LF with comments, a blank line, a padded and a
// repeated name, and a name with a path in it.
class TestEmotionBoxManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void loadsOnlyCompleteEmoticonsInFileOrder();
    void prefersAnimatedPictures();
    void loadsOnceUntilCleared();
    void missingFolderGivesEmptyCatalogue();

    void emoticonDescription_data();
    void emoticonDescription();

    void replaceAliases_data();
    void replaceAliases();

    void replaceCodes_data();
    void replaceCodes();

    void codesInName_data();
    void codesInName();

private:
    QString emoticonFolder() const { return m_app.path() + QStringLiteral("/plugins/chat/emoticons"); }
    void writeFile(const QString &relativePath, const QByteArray &contents);
    void writePicture(const QString &relativePath, int size, const QColor &color);

    QTemporaryDir m_app;
    EmotionBoxManager m_manager;
};

void TestEmotionBoxManager::writeFile(const QString &relativePath, const QByteArray &contents)
{
    const QString path = emoticonFolder() + QLatin1Char('/') + relativePath;
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    QCOMPARE(file.write(contents), qint64(contents.size()));
}

void TestEmotionBoxManager::writePicture(const QString &relativePath, int size, const QColor &color)
{
    const QString path = emoticonFolder() + QLatin1Char('/') + relativePath;
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(color);
    QVERIFY(image.save(path, "PNG"));
}

void TestEmotionBoxManager::initTestCase()
{
    QVERIFY(m_app.isValid());
    for (const char *name : {"smile", "wink", "markup", "tricky", "plain", "bare", "onlysmall"})
        writePicture(QStringLiteral("32x32/%1.png").arg(QLatin1String(name)), 32, Qt::yellow);
    for (const char *name : {"smile", "wink", "markup", "tricky", "plain", "bare", "onlybig"})
        writePicture(QStringLiteral("128x128/%1.png").arg(QLatin1String(name)), 128, Qt::yellow);
    // A real animation from the project's own set stands in for smile's MNG.
    const QString heart = QStringLiteral(EMOTICON_SET_DIR "/plugins/chat/emoticons/%1/heart.mng");
    for (const char *size : {"32x32", "128x128"}) {
        QFile source(heart.arg(QLatin1String(size)));
        QVERIFY2(source.open(QIODevice::ReadOnly), qPrintable(source.fileName()));
        writeFile(QStringLiteral("%1/smile.mng").arg(QLatin1String(size)), source.readAll());
    }

    writeFile(QStringLiteral("config/order.cfg"),
              "# picker order\r\n\r\nsmile\r\nwink\r\nonlysmall\r\nonlybig\r\n  smile  \r\n"
              "markup\r\ntricky\r\n../32x32/wink\r\nplain\r\nbare\r\n");
    writeFile(QStringLiteral("config/en.lng"),
              "smile=Smile\nwink=Wink\nmarkup=<b>\"Bold\" & co</b>\ntricky=like (smile)\nghost=Nobody\n"
              "onlysmall=Half\n");
    writeFile(QStringLiteral("config/de.lng"), "smile=L\xc3\xa4" "cheln\r\n");
    writeFile(QStringLiteral("config/fr.extra.lng"), "# extra French\nsmile=Sourire\n");
    writeFile(QStringLiteral("config/default.lng"), "plain=Plain default\nsmile=Smile default\n");
    writeFile(QStringLiteral("config/notes.txt"), "smile=not a description file\n");
    writeFile(QStringLiteral("config/aliases.cfg"),
              "# text = code\r\n:)=(smile)\r\n:-)=(smile)\r\n<3=(heart)\r\n;)=(wink)\r\nxD=(laugh)\r\n"
              "=(empty alias)\r\n");

    QVERIFY(m_manager.loadCatalogue(m_app.path()));
}

void TestEmotionBoxManager::loadsOnlyCompleteEmoticonsInFileOrder()
{
    QCOMPARE(m_manager.pickerOrder(),
             (QStringList{"smile", "wink", "smile", "markup", "tricky", "plain", "bare"}));
    QStringList names;
    for (const EmoticonEntry *entry : m_manager.entries())
        names << entry->name();
    QCOMPARE(names, (QStringList{"bare", "markup", "plain", "smile", "tricky", "wink"}));
    QVERIFY(!m_manager.findEntry(QStringLiteral("onlysmall")));
    QVERIFY(!m_manager.findEntry(QStringLiteral("onlybig")));
    QVERIFY(!m_manager.findEntry(QStringLiteral("Smile")));
    QVERIFY(!m_manager.findEntry(QStringLiteral("ghost"))); // described only
    // A ".txt" file is no description file even with description lines.
    QCOMPARE(m_manager.findEntry(QStringLiteral("smile"))->descriptions().size(), 4);
}

void TestEmotionBoxManager::prefersAnimatedPictures()
{
    const EmoticonEntry *smile = m_manager.findEntry(QStringLiteral("smile"));
    QVERIFY(smile);
    QCOMPARE(smile->smallPath(), emoticonFolder() + QStringLiteral("/32x32/smile.mng"));
    QCOMPARE(smile->bigPath(), emoticonFolder() + QStringLiteral("/128x128/smile.mng"));
    QCOMPARE(m_manager.findEntry(QStringLiteral("wink"))->bigPath(), emoticonFolder() + QStringLiteral("/128x128/wink.png"));
    // Animations start on their first frame, each at its size.
    for (QMovie *movie : {smile->smallAnimation(), smile->bigAnimation()}) {
        QCOMPARE(movie->cacheMode(), QMovie::CacheAll);
        QCOMPARE(movie->state(), QMovie::Running);
    }
    QCOMPARE(smile->smallAnimation()->currentImage().size(), QSize(32, 32));
    QCOMPARE(smile->bigAnimation()->currentImage().size(), QSize(128, 128));
    QCOMPARE(m_manager.animationForResource(QStringLiteral("smile")), smile->smallAnimation());
    QCOMPARE(m_manager.animationForResource(QStringLiteral("smile_big")), smile->bigAnimation());
    QCOMPARE(m_manager.animationForResource(QStringLiteral("ghost_big")), nullptr);
    QCOMPARE(m_manager.animationForResource(QStringLiteral("_big")), nullptr);
}

void TestEmotionBoxManager::loadsOnceUntilCleared()
{
    EmotionBoxManager manager;
    QVERIFY(manager.loadCatalogue(m_app.path()));
    QCOMPARE(manager.pickerOrder().size(), 7);

    const QString order = emoticonFolder() + QStringLiteral("/config/order.cfg");
    QFile file(order);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();
    writeFile(QStringLiteral("config/order.cfg"), "wink\n");

    QVERIFY(manager.loadCatalogue(m_app.path()));
    QCOMPARE(manager.pickerOrder().size(), 7);

    manager.clear();
    QVERIFY(manager.isEmpty());
    QVERIFY(manager.pickerOrder().isEmpty());
    QVERIFY(manager.aliases().isEmpty());
    QCOMPARE(manager.replaceAliases(QStringLiteral(":)")), QStringLiteral(":)"));

    QVERIFY(manager.loadCatalogue(m_app.path()));
    QCOMPARE(manager.pickerOrder(), QStringList{"wink"});
    writeFile(QStringLiteral("config/order.cfg"), saved);
}

void TestEmotionBoxManager::missingFolderGivesEmptyCatalogue()
{
    QTemporaryDir empty;
    EmotionBoxManager manager;
    QVERIFY(!manager.loadCatalogue(empty.path()));
    QVERIFY(manager.isEmpty());
    QVERIFY(manager.pickerOrder().isEmpty());
    QVERIFY(manager.aliases().isEmpty());
    QCOMPARE(manager.replaceCodes(QStringLiteral("(smile)"), QStringLiteral("en"), true), QStringLiteral("(smile)"));
}

void TestEmotionBoxManager::emoticonDescription_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("description");

    QTest::newRow("own language") << "smile" << "de" << QStringLiteral("Lächeln");
    QTest::newRow("language from a file with further name parts") << "smile" << "fr" << "Sourire";
    QTest::newRow("missing language falls back to English") << "smile" << "es" << "Smile";
    QTest::newRow("without English falls back to default") << "plain" << "de" << "Plain default";
    QTest::newRow("without any description empty") << "bare" << "en" << "";
    QTest::newRow("no entry gives empty") << "ghost" << "en" << "";
}

void TestEmotionBoxManager::emoticonDescription()
{
    QFETCH(QString, name);
    QFETCH(QString, language);
    QTEST(m_manager.emoticonDescription(m_manager.findEntry(name), language), "description");
}

void TestEmotionBoxManager::replaceAliases_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    // Neighbours, separators and overlaps are held to the plain scan in
    // tst_replacealiases; these need this catalogue.
    QTest::newRow("alias between spaces replaced") << "a :) b" << "a (smile) b";
    QTest::newRow("alias directly after a letter stays") << "a:) b" << "a:) b";
    QTest::newRow("alias after a line break replaced") << "hi\r\n:)\r\n" << "hi\r\n(smile)\r\n";
    QTest::newRow("non-breaking space is no separator") << QStringLiteral("a\u00a0:)") << QStringLiteral("a\u00a0:)");
    QTest::newRow("empty alias line is no alias") << "a b" << "a b";
}

void TestEmotionBoxManager::replaceAliases()
{
    QFETCH(QString, text);
    QTEST(m_manager.replaceAliases(text), "expected");
}

namespace {

QString image(const QString &resource, const QString &description, int size)
{
    return QStringLiteral("<img src=\"%1\" alt=\"%2\" title=\"%2\" border=\"0\" width=%3 height=%3 >")
        .arg(resource, description)
        .arg(size);
}

} // namespace

void TestEmotionBoxManager::replaceCodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("bigSingle");
    QTest::addColumn<QString>("expected");

    const QString smallSmile = image("smile", "Smile", 32);
    QTest::newRow("single code with spaces and the setting on is big")
        << "  (smile) " << "en" << true << "  " + image("smile_big", "Smile", 128) + " ";
    QTest::newRow("single code with the setting off is small") << "(smile)" << "en" << false << smallSmile;
    QTest::newRow("code with other text is small") << "hi (smile)" << "en" << true << "hi " + smallSmile;
    QTest::newRow("two codes are small") << "(smile)(smile)" << "en" << true << smallSmile + smallSmile;
    QTest::newRow("different codes each replaced")
        << "(smile) and (wink)" << "en" << false << smallSmile + " and " + image("wink", "Wink", 32);
    QTest::newRow("unknown code stays text") << "(nobody) (Smile)" << "en" << true << "(nobody) (Smile)";
    QTest::newRow("padded code is collected but not written that way") << "( smile )" << "en" << true << "( smile )";
    QTest::newRow("code right after a lone open parenthesis is not collected")
        << "((smile)" << "en" << false << "((smile)";
    QTest::newRow("a code collected elsewhere is replaced everywhere")
        << "((smile) (smile)" << "en" << false << "(" + smallSmile + " " + smallSmile;
    QTest::newRow("description in the asked language") << "(smile)" << "de" << false << image("smile", QStringLiteral("Lächeln"), 32);
    QTest::newRow("description with markup escaped")
        << "(markup)" << "en" << false << image("markup", "&lt;b&gt;&quot;Bold&quot; &amp; co&lt;/b&gt;", 32);
    QTest::newRow("description mentioning a code is not scanned again")
        << "(tricky) (smile)" << "en" << false << image("tricky", "like (smile)", 32) + " " + smallSmile;
    QTest::newRow("entry without description gets empty alt") << "(bare)" << "en" << false << image("bare", "", 32);
    QTest::newRow("text without parenthesis unchanged") << "smile" << "en" << true << "smile";
    QTest::newRow("unclosed parenthesis unchanged") << "(smile" << "en" << true << "(smile";
}

void TestEmotionBoxManager::replaceCodes()
{
    QFETCH(QString, text);
    QFETCH(QString, language);
    QFETCH(bool, bigSingle);
    QTEST(m_manager.replaceCodes(text, language, bigSingle), "expected");
}

void TestEmotionBoxManager::codesInName_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("expected");

    const QString smile = QStringLiteral("<img src=\"%1\" border=\"0\" height=1 valign=\"bottom\" "
                                         "style=\"vertical-align:bottom;\">")
                              .arg(emoticonFolder().toHtmlEscaped() + QStringLiteral("/32x32/smile.mng"));
    QTest::newRow("code becomes the small picture, even one pixel high") << "Ann (smile)" << 1 << "Ann " + smile;
    QTest::newRow("height 0 removes codes") << "(smile)Ann(smile)" << 0 << "Ann";
    QTest::newRow("unknown code stays") << "Ann (ghost)" << 16 << "Ann (ghost)";
    QTest::newRow("name without codes unchanged") << "Ann" << 16 << "Ann";
}

void TestEmotionBoxManager::codesInName()
{
    QFETCH(QString, text);
    QFETCH(int, height);
    QTEST(m_manager.codesInName(text, height), "expected");
}

QTEST_MAIN(TestEmotionBoxManager)
#include "tst_emotionboxmanager.moc"
