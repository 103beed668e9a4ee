#pragma once

#include <QString>

class QAction;

// Peer-controlled texts (display names, status messages) shown in widgets
// that would read them as something else: tool tips take text that looks
// like HTML as HTML, action and menu texts take "&" as a shortcut mark.
namespace SafeText {

// The text as a tool tip that shows exactly these characters.
QString toolTip(const QString &text);
// The text as an action or menu entry label, every "&" shown as itself.
QString actionLabel(const QString &text);
// An action text with its shortcut marks taken out, for tips: "&Bold"
// becomes "Bold", "R&&D" becomes "R&D".
QString withoutMnemonics(const QString &text);
// Gives the action its text, and the same without shortcut marks as its
// tool tip and status tip; a null action is left alone.
void setActionTexts(QAction *action, const QString &text);
// A file name for a plain-text label: direction controls (which make
// "gnp.exe" read as "exe.png") dropped, other control characters shown as
// U+FFFD, and at most `maxLength` characters, cut in the middle with "…".
QString fileName(const QString &text, int maxLength = 120);

} // namespace SafeText
