#include "lib_kelvan/threadmanager.h"
#include "spell/loadspellerthread.h"
#include "spell/spellcheckmanager.h"
#include "spell/wordencoder.h"
#include "spelltestfiles.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <string>

namespace {

// A requester as the chat windows are: two slots the manager calls by name.
// Calls go to a log that outlives the requester, so a call made after its
// destruction would show.
class Requester : public QObject
{
    Q_OBJECT

public:
    Requester(QStringList *log, const QString &name)
        : m_log(log)
        , m_name(name)
    {
    }

public Q_SLOTS:
    void onSpellerChanged(QString bcp47Name) { m_log->append(m_name + QStringLiteral(" changed ") + bcp47Name); }
    void onSpellerNotLoaded() { m_log->append(m_name + QStringLiteral(" not loaded")); }

private:
    QStringList *m_log;
    QString m_name;
};

bool loaderRegistered()
{
    const kelvan::IThreadManager &threads = kelvan::threadManager();
    for (int i = 0; i < threads.threadCount(); ++i) {
        if (qstrcmp(threads.threadNameAt(i), LoadSpellerThread::registrationName()) == 0)
            return true;
    }
    return false;
}

const QString RealDictionaries = QStringLiteral("/usr/share/hunspell/");

} // namespace

class tst_SpellCheckManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void availableLanguagesIgnoreCase();
    void twoRequestersOneLoad();
    void deferredRequesterDestroyedBeforeHandled();
    void loadedLanguageAnsweredAtOnce();
    void laterWishReplacesEarlier();
    void requestBeforeLoaderReady();
    void missingDicNotLoadedThenRetried();
    void unusableDictionaryNotLoaded_data();
    void unusableDictionaryNotLoaded();
    void invalidCodeAnsweredNotLoaded();
    void earlyLoad_data();
    void earlyLoad();
    void checkAndSuggest();
    void checkWords_data();
    void checkWords();
    void suggestionsOnlyUpToTheLengthBound_data();
    void suggestionsOnlyUpToTheLengthBound();
    void destructionWhileLoading_data();
    void destructionWhileLoading();
    void loaderRegisteredWithThreadManager();
    void wordEncoderUtf8RoundTrip_data();
    void wordEncoderUtf8RoundTrip();

private:
    std::unique_ptr<SpellCheckManager> startedManager(SpellCheckManager::PreferenceSource preferences = {});
    bool loadTiny(SpellCheckManager &manager, const QString &code = QStringLiteral("xx"));

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    QStringList m_log;
};

void tst_SpellCheckManager::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path() + QLatin1Char('/');
    m_log.clear();
    QVERIFY(spelltest::writeDictionary(m_folder, QStringLiteral("xx"), spelltest::sampleWords()));
    QVERIFY(spelltest::writeDictionary(m_folder, QStringLiteral("yy"), {QStringLiteral("other")}));
}

void tst_SpellCheckManager::cleanup()
{
    m_dir.reset();
}

std::unique_ptr<SpellCheckManager> tst_SpellCheckManager::startedManager(SpellCheckManager::PreferenceSource preferences)
{
    auto manager = std::make_unique<SpellCheckManager>(m_folder, std::move(preferences));
    manager->startLoader();
    return manager;
}

bool tst_SpellCheckManager::loadTiny(SpellCheckManager &manager, const QString &code)
{
    Requester requester(&m_log, QStringLiteral("loader"));
    manager.requestLanguage(&requester, code, false);
    return QTest::qWaitFor([&] { return manager.isLoaded(code); });
}

void tst_SpellCheckManager::availableLanguagesIgnoreCase()
{
    QVERIFY(spelltest::writeFile(m_folder + QStringLiteral("languages.txt"), "yy Why language\n"));
    auto manager = startedManager();
    QCOMPARE(manager->availableLanguages(),
             (QVector<SpellLanguage>{{"yy", "Why language"}, {"xx", "xx"}}));
    QVERIFY(manager->isAvailable(QStringLiteral("XX")));
    QVERIFY(!manager->isAvailable(QStringLiteral("zz")));
    QCOMPARE(manager->languageDisplayName(QStringLiteral("YY")), QStringLiteral("Why language"));
    QCOMPARE(manager->languageDisplayName(QStringLiteral("zz")), QString());
}

void tst_SpellCheckManager::twoRequestersOneLoad()
{
    auto manager = startedManager();
    QSignalSpy loads(manager.get(), &SpellCheckManager::loadSpeller);
    Requester first(&m_log, QStringLiteral("first"));
    Requester second(&m_log, QStringLiteral("second"));
    auto gone = std::make_unique<Requester>(&m_log, QStringLiteral("gone"));
    manager->requestLanguage(&first, QStringLiteral("xx"), false);
    manager->requestLanguage(gone.get(), QStringLiteral("xx"), false);
    QCOMPARE(manager->waitingCount(), 2);
    // The answer can only arrive through this thread's event loop, which has
    // not run since the request.
    gone.reset();
    QCOMPARE(manager->waitingCount(), 1);
    manager->requestLanguage(&second, QStringLiteral("xx"), true);

    QTRY_COMPARE(m_log.size(), 2);
    m_log.sort();
    QCOMPARE(m_log, (QStringList{"first changed xx", "second changed xx"}));
    QCOMPARE(loads.size(), 1);
    QCOMPARE(loads.first().at(1).toString(), m_folder + QStringLiteral("xx.aff"));
    QCOMPARE(loads.first().at(2).toString(), m_folder + QStringLiteral("xx.dic"));
    QCOMPARE(manager->waitingCount(), 0);
    QVERIFY(!manager->isLoading(QStringLiteral("xx")));
}

void tst_SpellCheckManager::deferredRequesterDestroyedBeforeHandled()
{
    auto manager = startedManager();
    QSignalSpy loads(manager.get(), &SpellCheckManager::loadSpeller);
    auto gone = std::make_unique<Requester>(&m_log, QStringLiteral("gone"));
    manager->requestLanguage(gone.get(), QStringLiteral("yy"), true);
    gone.reset();
    Requester witness(&m_log, QStringLiteral("witness"));
    manager->requestLanguage(&witness, QStringLiteral("xx"), true);

    // Queued requests are handled in order: once the witness is answered,
    // the destroyed requester's request has been dropped.
    QTRY_COMPARE(m_log, QStringList{"witness changed xx"});
    QCOMPARE(loads.size(), 1);
    QCOMPARE(loads.first().first().toString(), QStringLiteral("xx"));
    QCOMPARE(manager->waitingCount(), 0);
}

void tst_SpellCheckManager::loadedLanguageAnsweredAtOnce()
{
    auto manager = startedManager();
    QVERIFY(loadTiny(*manager));
    QSignalSpy loads(manager.get(), &SpellCheckManager::loadSpeller);
    Requester now(&m_log, QStringLiteral("now"));
    Requester later(&m_log, QStringLiteral("later"));

    manager->requestLanguage(&now, QStringLiteral("xx"), false);
    QCOMPARE(m_log, (QStringList{"loader changed xx", "now changed xx"}));

    manager->requestLanguage(&later, QStringLiteral("xx"), true);
    QCOMPARE(m_log.size(), 2);
    QTRY_COMPARE(m_log.size(), 3);
    QCOMPARE(m_log.last(), QStringLiteral("later changed xx"));
    QCOMPARE(loads.size(), 0);
    QCOMPARE(manager->waitingCount(), 0);
}

void tst_SpellCheckManager::laterWishReplacesEarlier()
{
    auto manager = startedManager();
    Requester fickle(&m_log, QStringLiteral("fickle"));
    manager->requestLanguage(&fickle, QStringLiteral("xx"), false);
    manager->requestLanguage(&fickle, QStringLiteral("yy"), false);
    QCOMPARE(manager->waitingCount(), 1);

    QTRY_VERIFY(manager->isLoaded(QStringLiteral("xx")) && manager->isLoaded(QStringLiteral("yy")));
    QCOMPARE(m_log, QStringList{"fickle changed yy"});
}

void tst_SpellCheckManager::requestBeforeLoaderReady()
{
    SpellCheckManager manager(m_folder);
    QSignalSpy loads(&manager, &SpellCheckManager::loadSpeller);
    Requester early(&m_log, QStringLiteral("early"));
    Requester second(&m_log, QStringLiteral("second"));
    manager.requestLanguage(&early, QStringLiteral("yy"), false);
    manager.requestLanguage(&second, QStringLiteral("xx"), false);
    QVERIFY(manager.isLoading(QStringLiteral("xx")));
    QCoreApplication::processEvents();
    QCOMPARE(m_log, QStringList{});

    manager.startLoader();
    QTRY_COMPARE(m_log, (QStringList{"early changed yy", "second changed xx"}));
    // Sent in the order they were asked for.
    QCOMPARE(loads.size(), 2);
    QCOMPARE(loads.at(0).first().toString(), QStringLiteral("yy"));
    QCOMPARE(loads.at(1).first().toString(), QStringLiteral("xx"));
}

void tst_SpellCheckManager::missingDicNotLoadedThenRetried()
{
    QVERIFY(spelltest::writeFile(m_folder + QStringLiteral("languages.txt"), "zz Zed\n"));
    QVERIFY(spelltest::writeFile(m_folder + QStringLiteral("zz.aff"), "SET UTF-8\n"));
    auto manager = startedManager();
    QVERIFY(!manager->isAvailable(QStringLiteral("zz")));

    Requester requester(&m_log, QStringLiteral("requester"));
    manager->requestLanguage(&requester, QStringLiteral("zz"), false);
    QTRY_COMPARE(m_log, QStringList{"requester not loaded"});
    QVERIFY(!manager->isLoading(QStringLiteral("zz")));
    QVERIFY(!manager->isLoaded(QStringLiteral("zz")));
    QCOMPARE(manager->waitingCount(), 0);
    QVERIFY(!manager->check(QStringLiteral("zz"), QStringLiteral("zed")));

    QVERIFY(spelltest::writeFile(m_folder + QStringLiteral("zz.dic"), "1\nzed\n"));
    manager->requestLanguage(&requester, QStringLiteral("zz"), false);
    QTRY_COMPARE(m_log, (QStringList{"requester not loaded", "requester changed zz"}));
    QVERIFY(manager->check(QStringLiteral("zz"), QStringLiteral("zed")));
}

void tst_SpellCheckManager::unusableDictionaryNotLoaded_data()
{
    QTest::addColumn<QByteArray>("aff");
    QTest::addColumn<QByteArray>("dic");
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise.append(char((i * 7919 + 13) % 256));
    QTest::newRow("garbage bytes in both files") << noise << noise.mid(100);
    QTest::newRow("word list with no words") << QByteArray("SET UTF-8\n") << QByteArray("0\n");
    QTest::newRow("encoding Qt does not know") << QByteArray("SET X-NOPE-1\n") << QByteArray("1\nhello\n");
}

void tst_SpellCheckManager::unusableDictionaryNotLoaded()
{
    QFETCH(QByteArray, aff);
    QFETCH(QByteArray, dic);
    QVERIFY(spelltest::writeFile(m_folder + QStringLiteral("bad.aff"), aff));
    QVERIFY(spelltest::writeFile(m_folder + QStringLiteral("bad.dic"), dic));
    auto manager = startedManager();
    Requester requester(&m_log, QStringLiteral("requester"));
    manager->requestLanguage(&requester, QStringLiteral("bad"), false);
    QTRY_COMPARE(m_log, QStringList{"requester not loaded"});
    QVERIFY(!manager->isLoaded(QStringLiteral("bad")));
}

void tst_SpellCheckManager::invalidCodeAnsweredNotLoaded()
{
    auto manager = startedManager();
    QSignalSpy loads(manager.get(), &SpellCheckManager::loadSpeller);
    Requester requester(&m_log, QStringLiteral("requester"));
    manager->requestLanguage(&requester, QStringLiteral("../xx"), false);
    manager->requestLanguage(&requester, QString(), false);
    QCOMPARE(m_log, (QStringList{"requester not loaded", "requester not loaded"}));
    QCOMPARE(manager->waitingCount(), 0);
    QCOMPARE(loads.size(), 0);
}

void tst_SpellCheckManager::earlyLoad_data()
{
    QTest::addColumn<bool>("checkSpelling");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("expectLoad");
    QTest::newRow("checking on loads spell_language") << true << "xx" << true;
    QTest::newRow("checking off loads nothing") << false << "xx" << false;
    QTest::newRow("checking on without a language loads nothing") << true << "" << false;
}

void tst_SpellCheckManager::earlyLoad()
{
    QFETCH(bool, checkSpelling);
    QFETCH(QString, language);
    QFETCH(bool, expectLoad);
    auto manager = startedManager([=] { return SpellCheckManager::Preferences{checkSpelling, language}; });
    QSignalSpy loads(manager.get(), &SpellCheckManager::loadSpeller);
    QTRY_VERIFY(manager->isLoaderReady());
    QCOMPARE(loads.size(), expectLoad ? 1 : 0);
    if (expectLoad)
        QTRY_VERIFY(manager->isLoaded(language));
}

void tst_SpellCheckManager::checkAndSuggest()
{
    auto manager = startedManager();
    QStringList list{QStringLiteral("stale")};
    QVERIFY(!manager->check(QStringLiteral("xx"), QStringLiteral("hello")));
    QCOMPARE(manager->suggest(QStringLiteral("xx"), list, QStringLiteral("helo")), 0);
    QVERIFY(list.isEmpty());

    QVERIFY(loadTiny(*manager));
    QVERIFY(manager->check(QStringLiteral("xx"), QStringLiteral("hello")));
    const int count = manager->suggest(QStringLiteral("xx"), list, QStringLiteral("helo"));
    QVERIFY2(list.contains(QStringLiteral("hello")), qPrintable(list.join(QLatin1Char(','))));
    QCOMPARE(count, list.size());
    manager->freeSuggestions(QStringLiteral("xx"), list, count);
    QVERIFY(list.isEmpty());
    // Dictionaries are looked up by their exact code.
    QVERIFY(!manager->check(QStringLiteral("XX"), QStringLiteral("hello")));
    QCOMPARE(manager->suggest(QStringLiteral("XX"), list, QStringLiteral("helo")), 0);
    QVERIFY(!manager->check(QStringLiteral("yy"), QStringLiteral("other")));
}

void tst_SpellCheckManager::checkWords_data()
{
    QTest::addColumn<QString>("code"); // xx: the UTF-8 sample words; la: ISO 8859-1 with café and naïve
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("expected");
    const QChar lone = QChar(0xD800);
    QTest::newRow("known word") << "xx" << "hello" << true;
    QTest::newRow("non-ASCII known word") << "xx" << QString::fromUtf8("grüße") << true;
    QTest::newRow("unknown word") << "xx" << "helo" << false;
    QTest::newRow("empty word") << "xx" << "" << false;
    QTest::newRow("word over the length limit") << "xx" << QString(101, QLatin1Char('a')) << false;
    QTest::newRow("unpaired surrogate") << "xx" << (QStringLiteral("hel") + lone + QStringLiteral("lo")) << false;
    QTest::newRow("NUL inside a known word") << "xx" << (QStringLiteral("hel") + QChar(0) + QStringLiteral("lo")) << false;
    QTest::newRow("letters outside the BMP") << "xx" << QString::fromUtf8("\xF0\x9D\x90\x80\xF0\x9D\x90\x81") << false;
    QTest::newRow("Latin-1: accented word") << "la" << QString::fromUtf8("café") << true;
    QTest::newRow("Latin-1: accented word with its suffix") << "la" << QString::fromUtf8("naïves") << true;
    QTest::newRow("Latin-1: word without its accent") << "la" << "cafe" << false;
    QTest::newRow("Latin-1: letters the encoding lacks") << "la" << QString::fromUtf8("кафе") << false;
    QTest::newRow("Latin-1: its letters plus one it lacks") << "la" << QString::fromUtf8("café€") << false;
}

void tst_SpellCheckManager::checkWords()
{
    QFETCH(QString, code);
    QFETCH(QString, word);
    QVERIFY(spelltest::writeDictionary(m_folder, QStringLiteral("la"),
                                       {QString::fromUtf8("café"), QString::fromUtf8("naïve")}, "ISO8859-1"));
    auto manager = startedManager();
    QVERIFY(loadTiny(*manager, code));
    QTEST(manager->check(code, word), "expected");
    QStringList list;
    // Whatever the word, suggestions come back without a crash; rejected
    // input gets none.
    const int count = manager->suggest(code, list, word);
    QCOMPARE(count, list.size());
    if (word.isEmpty() || word.size() > 100)
        QCOMPARE(count, 0);
    // Suggestions come back from the dictionary's own encoding.
    QStringList accented;
    manager->suggest(code, accented, QStringLiteral("cafe"));
    QCOMPARE(accented.contains(QString::fromUtf8("café")), code == QLatin1String("la"));
}

void tst_SpellCheckManager::suggestionsOnlyUpToTheLengthBound_data()
{
    QTest::addColumn<QString>("misspelt");
    QTest::addColumn<QString>("suggestion"); // empty: none at all
    // 32 and 33 letters, each with two letters swapped.
    QTest::newRow("word at the bound") << "internationalizatoincounterparts" << "internationalizationcounterparts";
    QTest::newRow("word one letter over the bound") << "internationalizatoincounterpoints" << "";
}

void tst_SpellCheckManager::suggestionsOnlyUpToTheLengthBound()
{
    QFETCH(QString, misspelt);
    QFETCH(QString, suggestion);
    // The rows are built around this bound.
    QCOMPARE(SpellCheckManager::MaxSuggestionWordLength, 32);
    QVERIFY(spelltest::writeDictionary(m_folder, QStringLiteral("ll"),
                                       {QStringLiteral("internationalizationcounterparts"),
                                        QStringLiteral("internationalizationcounterpoints")}));
    auto manager = startedManager();
    QVERIFY(loadTiny(*manager, QStringLiteral("ll")));

    QStringList list;
    const int count = manager->suggest(QStringLiteral("ll"), list, misspelt);
    if (suggestion.isEmpty())
        QCOMPARE(count, 0);
    else
        QVERIFY2(list.contains(suggestion), qPrintable(list.join(QLatin1Char(','))));
}

void tst_SpellCheckManager::destructionWhileLoading_data()
{
    QTest::addColumn<bool>("waitForLoader");
    QTest::newRow("destroyed before the loader thread is up") << false;
    QTest::newRow("destroyed while the loader builds the dictionary") << true;
}

void tst_SpellCheckManager::destructionWhileLoading()
{
    QFETCH(bool, waitForLoader);
    auto manager = std::make_unique<SpellCheckManager>(RealDictionaries);
    manager->startLoader();
    if (waitForLoader)
        QTRY_VERIFY(manager->isLoaderReady());
    QPointer<LoadSpellerThread> thread = manager->findChild<LoadSpellerThread *>();
    QVERIFY(thread);
    Requester requester(&m_log, QStringLiteral("requester"));
    manager->requestLanguage(&requester, QStringLiteral("en_US"), false);
    manager->requestLanguage(&requester, QStringLiteral("de_DE"), true);
    manager.reset();

    QVERIFY(!thread);
    QCoreApplication::processEvents();
    QCOMPARE(m_log, QStringList{});
    QVERIFY(!loaderRegistered());
}

void tst_SpellCheckManager::loaderRegisteredWithThreadManager()
{
    QVERIFY(!loaderRegistered());
    auto manager = startedManager();
    QTRY_VERIFY(manager->isLoaderReady());
    QVERIFY(loaderRegistered());
    manager->startLoader(); // one loader, however often started
    QCOMPARE(manager->findChildren<LoadSpellerThread *>().size(), 1);
    manager.reset();
    QVERIFY(!loaderRegistered());
}

void tst_SpellCheckManager::wordEncoderUtf8RoundTrip_data()
{
    // UTF-8 sequence lengths at their boundaries, what is refused, and that
    // whatever is accepted decodes to the same word.
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

void tst_SpellCheckManager::wordEncoderUtf8RoundTrip()
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

QTEST_GUILESS_MAIN(tst_SpellCheckManager)
#include "tst_spellcheckmanager.moc"
