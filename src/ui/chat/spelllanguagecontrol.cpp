#include "ui/chat/spelllanguagecontrol.h"

#include "settings/settingsmanager.h"
#include "shared/sharedresourcemanager.h"
#include "spell/spellcheckmanager.h"
#include "ui/chat/chatuilog.h"
#include "ui/chat/menupopup.h"
#include "ui/chat/safetext.h"
#include "ui/chat/textedit.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>

const char SpellLanguageControl::NoSpellCheckLanguage[] = "none";

namespace {

SettingsManager *settings()
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    return resources ? resources->settings() : nullptr;
}

} // namespace

SpellLanguageControl::SpellLanguageControl(QObject *requester, TextEdit *editor, QAction *action,
                                           QStatusBar *statusBar, QWidget *menuParent)
    : QObject(menuParent)
    , m_requester(requester)
    , m_editor(editor)
    , m_action(action)
    , m_statusBar(statusBar)
    , m_menuParent(menuParent)
{
}

SpellCheckManager *SpellLanguageControl::coordinator() const
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    return resources ? resources->spellCheckManager() : nullptr;
}

QString SpellLanguageControl::displayName(const QString &language) const
{
    SpellCheckManager *manager = coordinator();
    const QString name = manager ? manager->languageDisplayName(language) : QString();
    return name.isEmpty() ? language : name;
}

void SpellLanguageControl::start()
{
    // Checking stays off until the dictionary is loaded.
    m_editor->setSpellCheckEnabled(false);
    QString language;
    if (SettingsManager *manager = settings()) {
        language = manager->contactSpellLanguage(m_contactId);
        if (language.isEmpty())
            language = manager->spellLanguage();
    }
    if (language == QLatin1String(NoSpellCheckLanguage))
        m_language = language;
    else if (!language.isEmpty())
        use(language);
    refreshAction();
}

void SpellLanguageControl::refreshAction()
{
    if (!m_action)
        return;
    QString text;
    QString tip;
    if (m_language.isEmpty() || m_language == QLatin1String(NoSpellCheckLanguage)) {
        text = tr("No spell check");
        tip = text;
    } else if (m_missing) {
        text = tr("No dictionary for %1").arg(displayName(m_language));
        tip = tr("The dictionary for %1 is missing; spelling is not checked.").arg(displayName(m_language));
    } else {
        text = tr("Spell check in %1").arg(displayName(m_language));
        tip = text;
    }
    m_action->setText(SafeText::actionLabel(text));
    m_action->setToolTip(SafeText::toolTip(tip));
    m_action->setStatusTip(tip);
}

QMenu *SpellLanguageControl::menu() const
{
    return m_menu;
}

void SpellLanguageControl::showMenu()
{
    if (!m_menu) {
        m_menu = new QMenu(m_menuParent);
        m_menu->setProperty("class", QStringLiteral("Menu Ormica"));
    }
    m_menu->clear();
    if (SpellCheckManager *manager = coordinator()) {
        for (const SpellLanguage &language : manager->availableLanguages()) {
            QAction *entry = m_menu->addAction(SafeText::actionLabel(language.displayName));
            entry->setCheckable(true);
            entry->setChecked(language.code == m_language);
            const QString code = language.code;
            connect(entry, &QAction::triggered, this, [this, code] { chooseLanguage(code); });
        }
    }
    m_menu->addSeparator();
    QAction *none = m_menu->addAction(tr("No spell check"));
    none->setCheckable(true);
    none->setChecked(m_language.isEmpty() || m_language == QLatin1String(NoSpellCheckLanguage));
    connect(none, &QAction::triggered, this, &SpellLanguageControl::chooseNone);
    popupAboveCursor(m_menu);
}

void SpellLanguageControl::chooseLanguage(const QString &language)
{
    if (language.isEmpty())
        return;
    if (SettingsManager *manager = settings(); manager && !m_contactId.isEmpty())
        manager->setContactSpellLanguage(m_contactId, language);
    use(language);
}

void SpellLanguageControl::chooseNone()
{
    m_language = QLatin1String(NoSpellCheckLanguage);
    m_missing = false;
    if (SettingsManager *manager = settings(); manager && !m_contactId.isEmpty())
        manager->setContactSpellLanguage(m_contactId, m_language);
    m_editor->setSpellCheckEnabled(false);
    refreshAction();
}

void SpellLanguageControl::use(const QString &language)
{
    m_language = language;
    m_missing = false;
    m_editor->setSpellCheckEnabled(false);
    SpellCheckManager *manager = coordinator();
    if (manager && !manager->isAvailable(language)) {
        reportMissing();
        return;
    }
    refreshAction();
    if (manager)
        manager->requestLanguage(m_requester, language, true);
}

void SpellLanguageControl::onSpellerChanged(const QString &bcp47Name)
{
    // A dictionary asked for earlier, arriving after the user chose another.
    if (bcp47Name != m_language)
        return;
    m_missing = false;
    m_editor->setSpellCheckEnabled(true);
    m_editor->checkSpelling(bcp47Name);
    refreshAction();
}

void SpellLanguageControl::onSpellerNotLoaded()
{
    reportMissing();
}

void SpellLanguageControl::reportMissing()
{
    // Without a dictionary every word would be marked.
    m_editor->setSpellCheckEnabled(false);
    m_missing = true;
    refreshAction();
    if (m_statusBar)
        m_statusBar->showMessage(tr("The dictionary for %1 is missing; spelling is not checked.")
                                     .arg(displayName(m_language)));
    qCInfo(lcChatWindow) << "no dictionary for" << m_language << "; spell checking is off in this window";
}
