#pragma once

#include "render/chattemplate.h"
#include "render/messageblocks.h"
#include "render/rendercontext.h"

#include <QObject>
#include <QScopedPointer>
#include <QSet>
#include <QString>
#include <QTextCharFormat>

class EmotionBoxManager;
class IHostMessage;
class IHostServices;
class IUser;
class QTranslator;
class ResourceKeyTable;
class SettingsManager;
class SpellCheckManager;
class UserObj;

// The process-wide resources every chat window shares: settings, the chat
// template, the translation catalogue, the own user's record and the
// emoticon and spell-check managers. Created on first use — before
// any host is known, because the plug-in's identity slots are asked before
// initialize — and destroyed by the plug-in's shutdown. GUI thread only.
class SharedResourceManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SharedResourceManager)

public:
    static SharedResourceManager *instance();
    // Null when no instance exists; never creates one.
    static SharedResourceManager *existingInstance();
    // Deletes the instance (settings are saved, the managers deleted).
    static void destroy();

    // The host service object of the text chat plug-in (not owned). Setting
    // it loads the settings for the signed-in identity when that changed.
    void setHostServices(IHostServices *host);
    IHostServices *hostServices() const { return m_host; }

    // Owned; exists from construction on.
    SettingsManager *settings() const;
    // Loads the settings again when the host's signed-in identity differs
    // from the one loaded last (and the first time). True when it loaded.
    bool reloadSettingsIfIdentityChanged();
    // The settings' text format: font and colour of the user's messages.
    QTextCharFormat defaultMessageFormat() const;
    // Its font, the base against which editorToMarkup writes styles.
    QFont baseFont() const;
    bool bigSingleEmoticons() const;

    // Installs ":/chat/chat_" + code into the application; nothing happens
    // when the code is the current one. False when the catalogue is missing:
    // the English one is installed instead, and the code is logged once.
    bool installTranslation(const QString &languageCode);
    QString languageCode() const { return m_languageCode; }

    // Loads the template from the folder's "chat_template.tmpl" (or the
    // built-in one) unless it was loaded from that folder last.
    void loadTemplate(const QString &folder);
    // Reads the folder's template again even when it is the last one
    // (the plug-in's reloadResources).
    void reloadTemplate(const QString &folder);
    // The template; the built-in one when none was loaded yet.
    const ChatTemplate &chatTemplate() const;
    QString templateFolder() const { return m_templateFolder; }
    QString templateSection(ChatTemplate::Section section) const;
    QString templateFor(const IHostMessage *message, bool withMenu) const;
    QString replyTemplateFor(const IHostMessage *message) const;
    QString dateSeparator() const;
    QString styles() const;
    int avatarSize() const;
    int menuSize() const;

    // One message block of a history view (see MessageBlocks).
    QString renderMessageBlock(const IHostMessage *message, UserNameCache &names, ResourceKeyTable &resourceKeys,
                               bool live, bool *nudgeSeen, bool withMenu);
    QString renderReplyBlock(const IHostMessage *message, UserNameCache &names, ResourceKeyTable &resourceKeys,
                             bool *nudgeSeen);

    // The chat window's history style sheet for the default format:
    // ".msg_style{font-weight: …; font-style: …; text-decoration: …;
    // font-size: …pt; font-family: …; color: …;}".
    QString messageTextStyleSheet() const;
    static QString messageTextStyleSheet(const QTextCharFormat &format);

    // What the render functions need, taken from the current state.
    RenderContext renderContext() const;

    // The own account's record (empty until the host fills it).
    const UserObj &ownUser() const;
    void setOwnUser(const IUser *user);

    // Creates the managers that are missing and starts their loading: the
    // emoticon catalogue from the host's application folder (the current
    // folder when there is no host yet), and the spell-check coordinator with
    // the dictionary folder under it (language discovery and loader thread).
    void ensureManagers();
    // Null until ensureManagers ran.
    EmotionBoxManager *emoticons() const;
    SpellCheckManager *spellCheckManager() const;

Q_SIGNALS:
    void languageChanged(const QString &languageCode);
    void templateChanged();
    void ownUserChanged();

private:
    SharedResourceManager();
    ~SharedResourceManager() override;

    static SharedResourceManager *s_instance;

    IHostServices *m_host = nullptr;                      // not owned
    SettingsManager *m_settings = nullptr;                // owned (child QObject)
    QString m_settingsIdentity;
    bool m_settingsLoaded = false;
    QScopedPointer<QTranslator> m_translator;            // owned, installed while set
    QString m_languageCode;
    bool m_catalogueFound = false;                        // for m_languageCode
    QSet<QString> m_reportedLanguages;                    // unknown codes already logged
    ChatTemplate m_template;
    QString m_templateFolder;
    bool m_templateLoaded = false;
    QScopedPointer<UserObj> m_ownUser;                   // owned
    EmotionBoxManager *m_emoticons = nullptr;             // owned (child QObject)
    SpellCheckManager *m_spellCheck = nullptr;            // owned (child QObject)
};
