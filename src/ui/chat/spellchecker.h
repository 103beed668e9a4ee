#pragma once

#include <QString>
#include <QStringList>

class SpellCheckManager;

// The dictionary an editor checks words against. The editors use the shared
// SpellCheckManager through managerChecker(); tests give them a dictionary
// of their own.
class SpellChecker
{
public:
    virtual ~SpellChecker() = default;

    // Whether the dictionary of `language` accepts the word. A language
    // without a loaded dictionary accepts nothing.
    virtual bool isCorrect(const QString &language, const QString &word) const = 0;
    // The dictionary's suggestions in its own order; none without a
    // dictionary.
    virtual QStringList suggestions(const QString &language, const QString &word) const = 0;

    // The checker over the shared resources' SpellCheckManager (looked up at
    // each call, so it follows the manager's life). Never null.
    static const SpellChecker *managerChecker();
};
