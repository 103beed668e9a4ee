#include "spell/spellcheckmanager.h"

#include "spell/loadspellerthread.h"
#include "spell/spelllog.h"
#include "spell/wordencoder.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>

#include <hunspell/hunspell.hxx>

struct SpellCheckManager::Dictionary
{
    Dictionary(Hunspell *s)
        : speller(s)
        , encoder(QByteArray::fromStdString(s->get_dict_encoding()))
    {
    }

    std::unique_ptr<Hunspell> speller;
    WordEncoder encoder;
};

SpellCheckManager::SpellCheckManager(const QString &dictionaryFolder, PreferenceSource preferences, QObject *parent)
    : QObject(parent)
    , m_folder(dictionaryFolder)
    , m_preferences(std::move(preferences))
{
    qRegisterMetaType<Hunspell *>("Hunspell*");
    connect(this, &SpellCheckManager::changeLanguage, this, &SpellCheckManager::onLanguageChanged,
            Qt::QueuedConnection);
}

SpellCheckManager::~SpellCheckManager()
{
    m_shuttingDown = true;
    if (m_thread) {
        m_thread->quit();
        m_thread->wait();
        // A load that finished while we waited sits in a queued call to this
        // object; deliver it now so that its dictionary is deleted below
        // instead of leaking with the discarded event.
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        delete m_thread.data();
    }
    m_lastDictionary = nullptr;
    qDeleteAll(m_dictionaries);
}

void SpellCheckManager::startLoader()
{
    if (m_thread)
        return;
    m_available = DictionaryFolder::discover(m_folder);
    qCDebug(lcSpell) << m_available.size() << "languages offered in" << m_folder;
    {
        // A loader that went away took the loads it had been sent with it.
        QMutexLocker locker(&m_mutex);
        m_loaderReady = false;
        for (const QString &language : qAsConst(m_loading)) {
            if (!m_unsent.contains(language))
                m_unsent.append(language);
        }
    }
    m_thread = new LoadSpellerThread(this, this);
    // Should the loop ever end without us, loads wait for the next
    // startLoader instead of going to a loader that is gone.
    connect(m_thread, &QThread::finished, this, [this] { m_loaderReady = false; });
    m_thread->start(QThread::InheritPriority);
}

void SpellCheckManager::onSpellerLoaderInitialized()
{
    if (m_shuttingDown)
        return;
    QStringList pending;
    {
        QMutexLocker locker(&m_mutex);
        m_loaderReady = true;
        pending.swap(m_unsent);
    }
    for (const QString &language : qAsConst(pending))
        Q_EMIT loadSpeller(language, DictionaryFolder::affPath(m_folder, language),
                           DictionaryFolder::dicPath(m_folder, language));

    if (!m_preferences)
        return;
    const Preferences preferences = m_preferences();
    if (preferences.checkSpelling)
        loadLanguage(preferences.language);
}

void SpellCheckManager::requestLanguage(QObject *object, const QString &language, bool deferred)
{
    if (!object || m_shuttingDown)
        return;
    watch(object);
    if (deferred) {
        {
            QMutexLocker locker(&m_mutex);
            m_deferred[object].append(language);
        }
        Q_EMIT changeLanguage(object, language);
        return;
    }
    changeLanguageNow(object, language);
}

void SpellCheckManager::onLanguageChanged(QObject *object, QString language)
{
    if (m_shuttingDown)
        return;
    {
        QMutexLocker locker(&m_mutex);
        auto it = m_deferred.find(object);
        // No entry, or a different wish first in line: the request came from
        // an object that has been destroyed since.
        if (it == m_deferred.end() || it->isEmpty() || it->first() != language)
            return;
        it->removeFirst();
        if (it->isEmpty())
            m_deferred.erase(it);
    }
    changeLanguageNow(object, language);
}

void SpellCheckManager::changeLanguageNow(QObject *object, const QString &language)
{
    if (!DictionaryFolder::isValidCode(language)) {
        {
            QMutexLocker locker(&m_mutex);
            m_waiting.remove(object);
        }
        unwatchIfIdle(object);
        qCWarning(lcSpell) << "No dictionary can be named" << language;
        notifyNotLoaded(object);
        return;
    }
    bool loaded;
    {
        QMutexLocker locker(&m_mutex);
        loaded = m_dictionaries.contains(language);
        if (loaded)
            m_waiting.remove(object);
        else
            m_waiting.insert(object, language);
    }
    if (loaded) {
        unwatchIfIdle(object);
        notifyChanged(object, language);
        return;
    }
    loadLanguage(language);
}

void SpellCheckManager::loadLanguage(const QString &language)
{
    if (!DictionaryFolder::isValidCode(language))
        return;
    {
        QMutexLocker locker(&m_mutex);
        if (m_loading.contains(language) || m_dictionaries.contains(language))
            return;
        m_loading.insert(language);
        // Before the loader has announced itself its slot is not connected
        // yet; onSpellerLoaderInitialized sends these then.
        if (!m_loaderReady) {
            m_unsent.append(language);
            return;
        }
    }
    Q_EMIT loadSpeller(language, DictionaryFolder::affPath(m_folder, language),
                       DictionaryFolder::dicPath(m_folder, language));
}

void SpellCheckManager::onSpellerLoaded(const QString &bcp47Name, Hunspell *speller)
{
    if (!speller)
        return;
    if (bcp47Name.isEmpty()) {
        delete speller;
        return;
    }
    QVector<QPointer<QObject>> answered;
    {
        QMutexLocker locker(&m_mutex);
        Dictionary *&slot = m_dictionaries[bcp47Name];
        if (slot) {
            if (m_lastDictionary == slot)
                m_lastDictionary = nullptr;
            delete slot;
        }
        slot = new Dictionary(speller);
        m_loading.remove(bcp47Name);
        if (!m_shuttingDown)
            answered = takeWaiting(bcp47Name);
    }
    for (const QPointer<QObject> &object : qAsConst(answered)) {
        if (!object)
            continue; // destroyed by an earlier requester's slot
        unwatchIfIdle(object);
        notifyChanged(object, bcp47Name);
    }
}

void SpellCheckManager::onSpellerNotLoaded(const QString &bcp47Name)
{
    if (bcp47Name.isEmpty() || m_shuttingDown)
        return;
    QVector<QPointer<QObject>> answered;
    {
        QMutexLocker locker(&m_mutex);
        m_loading.remove(bcp47Name);
        answered = takeWaiting(bcp47Name);
    }
    for (const QPointer<QObject> &object : qAsConst(answered)) {
        if (!object)
            continue;
        unwatchIfIdle(object);
        notifyNotLoaded(object);
    }
}

void SpellCheckManager::onObjectDestroyed(QObject *object)
{
    QMutexLocker locker(&m_mutex);
    m_waiting.remove(object);
    m_deferred.remove(object);
}

QVector<QPointer<QObject>> SpellCheckManager::takeWaiting(const QString &language)
{
    QVector<QPointer<QObject>> taken;
    for (auto it = m_waiting.begin(); it != m_waiting.end();) {
        if (it.value() == language) {
            taken.append(it.key());
            it = m_waiting.erase(it);
        } else {
            ++it;
        }
    }
    return taken;
}

void SpellCheckManager::watch(QObject *object)
{
    connect(object, &QObject::destroyed, this, &SpellCheckManager::onObjectDestroyed, Qt::UniqueConnection);
}

void SpellCheckManager::unwatchIfIdle(QObject *object)
{
    bool idle;
    {
        QMutexLocker locker(&m_mutex);
        idle = !m_waiting.contains(object) && !m_deferred.contains(object);
    }
    if (idle)
        disconnect(object, &QObject::destroyed, this, &SpellCheckManager::onObjectDestroyed);
}

void SpellCheckManager::notifyChanged(QObject *object, const QString &language)
{
    if (!QMetaObject::invokeMethod(object, "onSpellerChanged", Q_ARG(QString, language)))
        qCWarning(lcSpell) << object << "has no invokable onSpellerChanged(QString)";
}

void SpellCheckManager::notifyNotLoaded(QObject *object)
{
    if (!QMetaObject::invokeMethod(object, "onSpellerNotLoaded"))
        qCWarning(lcSpell) << object << "has no invokable onSpellerNotLoaded()";
}

bool SpellCheckManager::isAvailable(const QString &code) const
{
    return std::any_of(m_available.cbegin(), m_available.cend(), [&code](const SpellLanguage &l) {
        return l.code.compare(code, Qt::CaseInsensitive) == 0;
    });
}

QString SpellCheckManager::languageDisplayName(const QString &code) const
{
    for (const SpellLanguage &language : m_available) {
        if (language.code.compare(code, Qt::CaseInsensitive) == 0)
            return language.displayName;
    }
    return QString();
}

bool SpellCheckManager::isLoading(const QString &code) const
{
    QMutexLocker locker(&m_mutex);
    return m_loading.contains(code);
}

int SpellCheckManager::waitingCount() const
{
    QMutexLocker locker(&m_mutex);
    return m_waiting.size();
}

const SpellCheckManager::Dictionary *SpellCheckManager::dictionaryFor(const QString &language) const
{
    // Every writer of m_dictionaries runs on this thread, so reading without
    // the mutex is safe here.
    if (m_lastDictionary && language == m_lastLanguage)
        return m_lastDictionary;
    const Dictionary *dictionary = m_dictionaries.value(language);
    if (dictionary) {
        m_lastLanguage = language;
        m_lastDictionary = dictionary;
    }
    return dictionary;
}

bool SpellCheckManager::check(const QString &language, const QString &word) const
{
    const Dictionary *dictionary = dictionaryFor(language);
    if (!dictionary || !dictionary->encoder.encode(word, m_wordBuffer))
        return false;
    return dictionary->speller->spell(m_wordBuffer);
}

int SpellCheckManager::suggest(const QString &language, QStringList &list, const QString &word) const
{
    list.clear();
    if (word.size() > MaxSuggestionWordLength)
        return 0;
    const Dictionary *dictionary = dictionaryFor(language);
    if (!dictionary || !dictionary->encoder.encode(word, m_wordBuffer))
        return 0;
    const std::vector<std::string> suggestions = dictionary->speller->suggest(m_wordBuffer);
    list.reserve(int(suggestions.size()));
    for (const std::string &suggestion : suggestions) {
        const QString text = dictionary->encoder.decode(suggestion);
        if (!text.isEmpty())
            list.append(text);
    }
    return list.size();
}

void SpellCheckManager::freeSuggestions(const QString &language, QStringList &list, int count) const
{
    Q_UNUSED(language)
    if (count != list.size())
        qCWarning(lcSpell) << "freeSuggestions: count" << count << "for a list of" << list.size();
    list.clear();
}
