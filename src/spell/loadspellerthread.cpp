#include "spell/loadspellerthread.h"

#include "lib_kelvan/threadmanager.h"
#include "spell/spellcheckloader.h"
#include "spell/spellcheckmanager.h"

LoadSpellerThread::LoadSpellerThread(SpellCheckManager *manager, QObject *parent)
    : QThread(parent)
    , m_manager(manager)
{
    setObjectName(QStringLiteral("LoadSpellerThread"));
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

LoadSpellerThread::~LoadSpellerThread() = default;

const char *LoadSpellerThread::registrationName()
{
    return "LoadSpellerThread";
}

void LoadSpellerThread::run()
{
    const kelvan::ThreadRegistration registration(registrationName());
    SpellCheckLoader loader;
    connect(m_manager, &SpellCheckManager::loadSpeller, &loader, &SpellCheckLoader::onLoadSpeller,
            Qt::QueuedConnection);
    connect(&loader, &SpellCheckLoader::spellerLoaded, m_manager, &SpellCheckManager::onSpellerLoaded,
            Qt::QueuedConnection);
    connect(&loader, &SpellCheckLoader::spellerNotLoaded, m_manager, &SpellCheckManager::onSpellerNotLoaded,
            Qt::QueuedConnection);
    connect(&loader, &SpellCheckLoader::initialized, m_manager, &SpellCheckManager::onSpellerLoaderInitialized,
            Qt::QueuedConnection);
    Q_EMIT loader.initialized();
    exec();
}
