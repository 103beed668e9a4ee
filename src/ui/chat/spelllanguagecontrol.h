#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QMenu;
class QStatusBar;
class SpellCheckManager;
class TextEdit;

// The chat window's spell-check language: the tool bar action that names it,
// the menu that changes it, and the editor's checking, which stays off until
// the dictionary is there. A language whose dictionary is missing or fails
// to load says so on the action and in the status bar instead of claiming
// to check; the menu stays usable to pick another.
class SpellLanguageControl : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SpellLanguageControl)

public:
    // The per-contact language that stands for "No spell check".
    static const char NoSpellCheckLanguage[];

    // `requester` is the object the spell-check coordinator calls back by
    // name (onSpellerChanged, onSpellerNotLoaded: the chat window, which
    // hands them on here). None is owned; all outlive this object.
    SpellLanguageControl(QObject *requester, TextEdit *editor, QAction *action, QStatusBar *statusBar,
                         QWidget *menuParent);

    // The contact whose language is stored when the user picks one.
    void setContactId(const QString &contactId) { m_contactId = contactId; }
    // The contact's stored language, else the default spell language.
    void start();
    QString language() const { return m_language; }
    bool isDictionaryMissing() const { return m_missing; }

    void refreshAction();
    void showMenu();
    QMenu *menu() const;

    void chooseLanguage(const QString &language);
    void chooseNone();
    void onSpellerChanged(const QString &bcp47Name);
    void onSpellerNotLoaded();

private:
    void use(const QString &language);
    SpellCheckManager *coordinator() const;
    QString displayName(const QString &language) const;
    void reportMissing();

    QObject *const m_requester;
    TextEdit *const m_editor;
    QAction *const m_action;
    QStatusBar *const m_statusBar;
    QWidget *const m_menuParent;
    QPointer<QMenu> m_menu;
    QString m_contactId;
    QString m_language;
    bool m_missing = false;
};
