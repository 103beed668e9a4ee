#pragma once

class QMenu;

// Opens a tool bar's popup menu at the mouse cursor, moved up by the menu's
// height so it stands above the bar; a menu already showing is hidden first.
void popupAboveCursor(QMenu *menu);
