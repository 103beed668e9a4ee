#include "shared/sharedresourcemanager.h"

#include "shared/sharedlog.h"
#include "resources/chatresources.h"

#include "emoticons/emotionboxmanager.h"
#include "plugin/records/userobj.h"
#include "settings/settingsmanager.h"
#include "spell/dictionaryfolder.h"
#include "spell/spellcheckmanager.h"

#include <sdk/ihostservices.h>

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

SharedResourceManager *SharedResourceManager::s_instance = nullptr;

SharedResourceManager *SharedResourceManager::instance()
{
    if (!s_instance)
        s_instance = new SharedResourceManager();
    return s_instance;
}

SharedResourceManager *SharedResourceManager::existingInstance()
{
    return s_instance;
}

void SharedResourceManager::destroy()
{
    delete s_instance;
    s_instance = nullptr;
}

SharedResourceManager::SharedResourceManager()
    : m_settings(new SettingsManager(this))
    , m_ownUser(new UserObj)
{
    initChatResources();
}

SharedResourceManager::~SharedResourceManager()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.data());
    // The managers and the settings are children: the settings write
    // config.ini in their destructor.
    delete m_emoticons;
    m_emoticons = nullptr;
    // Before the settings: its early-load preference reads them, and its
    // destructor waits for a dictionary load in progress.
    delete m_spellCheck;
    m_spellCheck = nullptr;
    delete m_settings;
    m_settings = nullptr;
    if (s_instance == this)
        s_instance = nullptr;
}

void SharedResourceManager::setHostServices(IHostServices *host)
{
    m_host = host;
    if (m_host)
        reloadSettingsIfIdentityChanged();
}

SettingsManager *SharedResourceManager::settings() const
{
    return m_settings;
}

bool SharedResourceManager::reloadSettingsIfIdentityChanged()
{
    if (!m_host)
        return false;
    const char16_t *identityText = m_host->signedInIdentity();
    const QString identity = identityText ? QString::fromUtf16(identityText) : QString();
    if (m_settingsLoaded && identity == m_settingsIdentity)
        return false;
    const char16_t *folder = m_host->settingsFolder(-1);
    const char *language = m_host->interfaceLanguage();
    m_settings->load(folder ? QString::fromUtf16(folder) : QString(),
                     language ? QString::fromUtf8(language) : QString());
    m_settingsIdentity = identity;
    m_settingsLoaded = true;
    return true;
}

QTextCharFormat SharedResourceManager::defaultMessageFormat() const
{
    return m_settings->textFormat();
}

QFont SharedResourceManager::baseFont() const
{
    return m_settings->textFormat().font();
}

bool SharedResourceManager::bigSingleEmoticons() const
{
    return m_settings->bigSingleEmoticons();
}

bool SharedResourceManager::installTranslation(const QString &languageCode)
{
    if (languageCode == m_languageCode)
        return m_catalogueFound;
    m_languageCode = languageCode;
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.data());
        m_translator.reset();
    }
    QScopedPointer<QTranslator> translator(new QTranslator);
    const QString path = QStringLiteral(":/chat/chat_") + languageCode;
    const bool loaded = !languageCode.isEmpty() && translator->load(path);
    // An unknown language gets the English catalogue, which holds the
    // English plural forms the sources' texts leave to it.
    if (!loaded) {
        if (!m_reportedLanguages.contains(languageCode)) {
            m_reportedLanguages.insert(languageCode);
            qCInfo(lcShared) << "No translation catalogue" << path << "- the interface stays English";
        }
        translator->load(QStringLiteral(":/chat/chat_en"));
    }
    if (!translator->isEmpty()) {
        QCoreApplication::installTranslator(translator.data());
        m_translator.reset(translator.take());
    }
    m_catalogueFound = loaded;
    emit languageChanged(languageCode);
    return loaded;
}

void SharedResourceManager::loadTemplate(const QString &folder)
{
    if (m_templateLoaded && folder == m_templateFolder)
        return;
    reloadTemplate(folder);
}

void SharedResourceManager::reloadTemplate(const QString &folder)
{
    m_templateFolder = folder;
    m_templateLoaded = true;
    const QString path = m_template.loadFromFolder(folder);
    qCDebug(lcShared) << "Chat template read from" << path;
    emit templateChanged();
}

const ChatTemplate &SharedResourceManager::chatTemplate() const
{
    if (!m_template.isLoaded()) {
        // No folder is known yet: the built-in template, without taking the
        // place of the first real load.
        const_cast<ChatTemplate &>(m_template).loadFromFolder(QString());
    }
    return m_template;
}

QString SharedResourceManager::templateSection(ChatTemplate::Section section) const
{
    return chatTemplate().section(section);
}

QString SharedResourceManager::templateFor(const IHostMessage *message, bool withMenu) const
{
    return chatTemplate().templateFor(message, withMenu);
}

QString SharedResourceManager::replyTemplateFor(const IHostMessage *message) const
{
    return chatTemplate().replyTemplateFor(message);
}

QString SharedResourceManager::dateSeparator() const
{
    return chatTemplate().section(ChatTemplate::Section::DateSeparator);
}

QString SharedResourceManager::styles() const
{
    return chatTemplate().section(ChatTemplate::Section::Styles);
}

int SharedResourceManager::avatarSize() const
{
    return chatTemplate().avatarSize();
}

int SharedResourceManager::menuSize() const
{
    return chatTemplate().menuSize();
}

QString SharedResourceManager::renderMessageBlock(const IHostMessage *message, UserNameCache &names,
                                                  ResourceKeyTable &resourceKeys, bool live, bool *nudgeSeen,
                                                  bool withMenu)
{
    return MessageBlocks::renderMessageBlock(chatTemplate(), renderContext(), message, names, resourceKeys, live,
                                             nudgeSeen, withMenu);
}

QString SharedResourceManager::renderReplyBlock(const IHostMessage *message, UserNameCache &names,
                                                ResourceKeyTable &resourceKeys, bool *nudgeSeen)
{
    return MessageBlocks::renderReplyBlock(chatTemplate(), renderContext(), message, names, resourceKeys, nudgeSeen);
}

QString SharedResourceManager::messageTextStyleSheet() const
{
    return messageTextStyleSheet(defaultMessageFormat());
}

QString SharedResourceManager::messageTextStyleSheet(const QTextCharFormat &format)
{
    const QFont font = format.font();
    QString family = font.family();
    // The family goes into a quoted CSS string.
    family.remove(QLatin1Char('"')).remove(QLatin1Char('\\')).remove(QLatin1Char('{')).remove(QLatin1Char('}'));
    const qreal pointSize = font.pointSizeF() > 0 ? font.pointSizeF() : 9;
    const QColor color = format.foreground().style() != Qt::NoBrush ? format.foreground().color() : QColor(Qt::black);
    return MessageBlocks::messageTextSelector()
           + QStringLiteral("{font-weight: %1; font-style: %2; text-decoration: %3; font-size: %4pt; "
                            "font-family: \"%5\"; color: %6;}")
                 .arg(font.weight() > 57 ? QStringLiteral("bold") : QStringLiteral("none"),
                      font.italic() ? QStringLiteral("italic") : QStringLiteral("none"),
                      font.underline() ? QStringLiteral("underline") : QStringLiteral("none"),
                      QString::number(pointSize), family, color.name());
}

RenderContext SharedResourceManager::renderContext() const
{
    RenderContext context;
    context.host = m_host;
    context.emoticons = m_emoticons;
    context.baseFont = baseFont();
    if (m_host) {
        const char *language = m_host->interfaceLanguage();
        context.language = language ? QString::fromUtf8(language) : QString();
    }
    if (context.language.isEmpty())
        context.language = m_languageCode;
    context.bigSingleEmoticons = m_settings->bigSingleEmoticons();
    return context;
}

const UserObj &SharedResourceManager::ownUser() const
{
    return *m_ownUser;
}

void SharedResourceManager::setOwnUser(const IUser *user)
{
    if (user)
        m_ownUser->assign(user);
    else
        *m_ownUser = UserObj();
    emit ownUserChanged();
}

void SharedResourceManager::ensureManagers()
{
    if (!m_emoticons) {
        m_emoticons = new EmotionBoxManager(this);
        const char16_t *folder = m_host ? m_host->applicationFolder() : nullptr;
        m_emoticons->loadCatalogue(folder ? QString::fromUtf16(folder) : QDir::currentPath());
    }
    if (!m_spellCheck) {
        const char16_t *folder = m_host ? m_host->applicationFolder() : nullptr;
        const QString application = folder ? QString::fromUtf16(folder) : QDir::currentPath();
        SettingsManager *settings = m_settings;
        m_spellCheck = new SpellCheckManager(DictionaryFolder::forApplicationFolder(application),
                                             [settings] {
                                                 return SpellCheckManager::Preferences{settings->checkSpelling(),
                                                                                       settings->spellLanguage()};
                                             },
                                             this);
        m_spellCheck->startLoader();
    }
}

SpellCheckManager *SharedResourceManager::spellCheckManager() const
{
    return m_spellCheck;
}

EmotionBoxManager *SharedResourceManager::emoticons() const
{
    return m_emoticons;
}
