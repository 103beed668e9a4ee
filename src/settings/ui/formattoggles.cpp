#include "settings/ui/formattoggles.h"

#include <QAction>
#include <QSignalBlocker>
#include <QTextCharFormat>

namespace FormatToggles {

bool isToggle(int id)
{
    return id == Bold || id == Italic || id == Underline;
}

QTextCharFormat change(int id, bool on)
{
    QTextCharFormat format;
    if (id == Bold)
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    else if (id == Italic)
        format.setFontItalic(on);
    else if (id == Underline)
        format.setFontUnderline(on);
    return format;
}

void reflect(const QHash<int, QAction *> &actions, const QTextCharFormat &format)
{
    const auto check = [&actions](int id, bool on) {
        if (QAction *action = actions.value(id)) {
            const QSignalBlocker blocker(action);
            action->setChecked(on);
        }
    };
    check(Bold, format.fontWeight() > QFont::Normal);
    check(Italic, format.fontItalic());
    check(Underline, format.fontUnderline());
}

} // namespace FormatToggles
