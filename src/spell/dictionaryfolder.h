#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// One language a user can pick for spell checking.
struct SpellLanguage
{
    QString code;        // base name of the .aff/.dic pair, e.g. "en_US"
    QString displayName; // from "languages.txt", or the code itself

    bool operator==(const SpellLanguage &other) const
    {
        return code == other.code && displayName == other.displayName;
    }
};

// The installation's dictionary folder: which languages it offers and where
// their files are. Reads the disk only in discover().
class DictionaryFolder
{
public:
    // "<application folder>/plugins/chat/dictionaries/", with the trailing
    // separator the file paths below are appended to.
    static QString forApplicationFolder(const QString &applicationFolder);

    // folder + code + ".aff" / ".dic"; `folder` ends with a separator.
    static QString affPath(const QString &folder, const QString &code);
    static QString dicPath(const QString &folder, const QString &code);

    // Whether `code` can name a dictionary: not empty, no path separator, no
    // NUL, not "." or "..". Codes come from "languages.txt" and from the
    // per-contact settings file and are joined into file paths, so they must
    // not reach outside the folder.
    static bool isValidCode(const QString &code);

    // The (code, display name) lines of a "languages.txt" (UTF-8): each line
    // trimmed and split at its first space (spaces after it are not part of
    // the name); lines without a space, and lines whose code is not valid,
    // are left out. No file checks.
    static QVector<SpellLanguage> parseLanguagesText(const QByteArray &utf8);

    // The languages offered, in discovery order: the "languages.txt" entries
    // whose two files exist, then every "*.aff" (hidden ones included, sorted
    // by name) whose base name (up to the first ".") is not listed yet,
    // compared without regard to case, and has a ".dic" next to it. A missing
    // folder or file gives fewer languages, never an error.
    static QVector<SpellLanguage> discover(const QString &folder);
};
