#pragma once

#include <QMap>
#include <QString>

// The alias pass written the plain way: for each alias in order of its text,
// scan the text and replace in place. Quadratic on long texts with many
// matches, and therefore only the yardstick that
// EmotionBoxManager::replaceAliases() is checked and measured against.
inline QString referenceReplaceAliases(QString text, const QMap<QString, QString> &aliases)
{
    bool hasFirstChar = false;
    for (auto it = aliases.cbegin(); it != aliases.cend() && !hasFirstChar; ++it)
        hasFirstChar = !it.key().isEmpty() && text.contains(it.key().at(0));
    if (!hasFirstChar)
        return text;

    for (auto it = aliases.cbegin(); it != aliases.cend(); ++it) {
        const QString &alias = it.key();
        const QString &value = it.value();
        int pos = 0;
        for (;;) {
            const int found = text.indexOf(alias, pos);
            if (found < 0)
                break;
            const int end = found + alias.size();
            const bool before = found == 0 || text.at(found - 1).unicode() <= 0x20;
            const bool after = end == text.size() || text.at(end).unicode() <= 0x20;
            if (before && after) {
                text.replace(found, alias.size(), value);
                pos = found + value.size();
            } else {
                pos = end;
            }
            if (pos >= text.size() - 1)
                break;
        }
    }
    return text;
}
