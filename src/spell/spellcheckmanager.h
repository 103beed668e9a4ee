#pragma once

#include "spell/dictionaryfolder.h"
#include "spell/hunspellmetatype.h"

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>
#include <string>

class LoadSpellerThread;

// The spell-check coordinator: which languages the dictionary folder offers,
// which dictionaries are loaded, and which windows wait for one. Lives on the
// GUI thread; dictionaries are built on a LoadSpellerThread and used here only
// after they have arrived through a queued signal.
//
// A requester (chat window, broadcast composer) is any QObject with two
// invokable slots, called by name:
//   onSpellerChanged(QString bcp47Name)  its dictionary is ready;
//   onSpellerNotLoaded()                 loading failed (it may switch
//                                        checking off; a later request tries
//                                        again).
// Requesters are watched for destruction while they wait and are not owned.
class SpellCheckManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SpellCheckManager)

public:
    // The user's early-load preference, read when the loader thread is up:
    // with checking on, the spell_language dictionary is loaded before any
    // window asks for it.
    struct Preferences
    {
        bool checkSpelling = false; // the check_spelling setting
        QString language;           // the spell_language setting, e.g. "en_US"
    };
    using PreferenceSource = std::function<Preferences()>;

    // `dictionaryFolder` ends with a separator (see
    // DictionaryFolder::forApplicationFolder). Without a preference source
    // nothing is loaded early.
    explicit SpellCheckManager(const QString &dictionaryFolder, PreferenceSource preferences = {},
                               QObject *parent = nullptr);
    // Ends the loader's event loop, waits for a load in progress to finish
    // (without time limit) and deletes every dictionary.
    ~SpellCheckManager() override;

    QString dictionaryFolder() const { return m_folder; }

    // Discovers the available languages and starts the loader thread; does
    // nothing while the thread exists.
    void startLoader();
    // Whether the loader thread has announced itself; loads asked for before
    // that are sent to it then.
    bool isLoaderReady() const { return m_loaderReady; }

    // Asks for the language's dictionary on behalf of `object`, replacing an
    // earlier wish of the same object. When the dictionary is loaded, the
    // object hears onSpellerChanged at once (or, when `deferred`, from the
    // event loop); otherwise once it has loaded, or onSpellerNotLoaded.
    void requestLanguage(QObject *object, const QString &language, bool deferred);
    // Starts loading unless the language is loaded, being loaded, or its code
    // cannot name a dictionary. One load however many windows ask.
    void loadLanguage(const QString &language);

    // Both compare codes without regard to case.
    bool isAvailable(const QString &code) const;
    QString languageDisplayName(const QString &code) const; // empty when not listed
    // For the windows' language menus, in discovery order.
    QVector<SpellLanguage> availableLanguages() const { return m_available; }

    bool isLoaded(const QString &code) const { return m_dictionaries.contains(code); }
    bool isLoading(const QString &code) const;
    int waitingCount() const;

    // GUI thread only. True only when the dictionary of `language` (exact
    // code) is loaded and accepts the word. Empty words, words longer than
    // WordEncoder::MaxWordLength, malformed UTF-16 and words the dictionary's
    // encoding cannot represent are rejected.
    bool check(const QString &language, const QString &word) const;
    // Words longer than this many UTF-16 units get no suggestions. Hunspell's
    // suggest() grows with the word and runs while the spelling menu opens.
    // With en_US and a capitalised word (the slower path), bench_spell's
    // spell_suggest rows took 24 to 27 ms of CPU at 16 letters, 55 to 67 ms
    // at 32, 93 to 112 ms at 40, 157 to 172 ms at 48 and 240 to 313 ms from
    // 64 to 100 letters (up to 0.75 s of wall time on a loaded machine). 32 keeps the menu well
    // inside the 100 ms that still feel immediate, with room for slower
    // machines; only two words of the English dictionary are longer, and a
    // longer "word" is mostly a run-together phrase or a paste, for which a
    // suggestion is rarely right anyway.
    static constexpr int MaxSuggestionWordLength = 32;

    // GUI thread only. Replaces `list` with the dictionary's suggestions for
    // the word, in its order, and returns their count: 0 when no dictionary
    // is loaded, the word is rejected as above, or it is longer than
    // MaxSuggestionWordLength. The list owns the strings; hand it to
    // freeSuggestions when done.
    int suggest(const QString &language, QStringList &list, const QString &word) const;
    // Releases a list filled by suggest(); `count` is what suggest returned.
    void freeSuggestions(const QString &language, QStringList &list, int count) const;

Q_SIGNALS:
    // To the loader (queued).
    void loadSpeller(QString bcp47code, QString affPath, QString dictPath);
    // To onLanguageChanged (queued): a deferred request.
    void changeLanguage(QObject *object, QString language);

public Q_SLOTS:
    // From the loader (queued). Takes ownership of `speller`.
    void onSpellerLoaded(const QString &bcp47Name, Hunspell *speller);
    void onSpellerNotLoaded(const QString &bcp47Name);
    void onSpellerLoaderInitialized();
    // A requester was destroyed: forget its wishes.
    void onObjectDestroyed(QObject *object);

private Q_SLOTS:
    void onLanguageChanged(QObject *object, QString language);

private:
    struct Dictionary;

    void changeLanguageNow(QObject *object, const QString &language);
    void watch(QObject *object);
    void unwatchIfIdle(QObject *object);
    QVector<QPointer<QObject>> takeWaiting(const QString &language);
    const Dictionary *dictionaryFor(const QString &language) const;
    static void notifyChanged(QObject *object, const QString &language);
    static void notifyNotLoaded(QObject *object);

    const QString m_folder;
    const PreferenceSource m_preferences;

    // The coordinator's lock over the tables below. Every writer runs on the
    // GUI thread (the loader's results arrive as queued calls), so check()
    // and suggest() read without it. No requester is called while it is
    // held: a requester may ask again from its slot.
    mutable QMutex m_mutex;
    QHash<QString, Dictionary *> m_dictionaries; // owned
    QHash<QObject *, QString> m_waiting;         // requester → language
    QSet<QString> m_loading;
    QStringList m_unsent; // loading, but asked for before the loader was up
    // Deferred wishes not yet handled, oldest first. A queued changeLanguage
    // whose object has been destroyed finds no entry and is dropped, even if
    // a new object now has the same address.
    QHash<QObject *, QStringList> m_deferred;

    QVector<SpellLanguage> m_available;
    QPointer<LoadSpellerThread> m_thread;
    bool m_loaderReady = false;
    bool m_shuttingDown = false;

    // The check path looks up the last language's dictionary without hashing
    // and encodes words into one reused buffer.
    mutable QString m_lastLanguage;
    mutable const Dictionary *m_lastDictionary = nullptr;
    mutable std::string m_wordBuffer;
};
