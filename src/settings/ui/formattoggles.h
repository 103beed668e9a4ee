#pragma once

#include <QHash>

class QAction;
class QTextCharFormat;

// The bold, italic and underline buttons of every formatting bar (the chat
// window's, the quick-text editor's, the default font dialog's) share their
// ids, so one place turns a click into a format and a format into checks.
namespace FormatToggles {

enum Id { Bold = 0, Italic = 1, Underline = 2 };

bool isToggle(int id);

// The format to merge into the editor when the toggle `id` is now `on`.
QTextCharFormat change(int id, bool on);

// Checks the toggles to match the format under the cursor without
// triggering them, so the editor is not changed back.
void reflect(const QHash<int, QAction *> &actions, const QTextCharFormat &format);

} // namespace FormatToggles
