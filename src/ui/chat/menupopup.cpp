#include "ui/chat/menupopup.h"

#include <QCursor>
#include <QMenu>

void popupAboveCursor(QMenu *menu)
{
    if (menu->isVisible())
        menu->hide();
    menu->popup(QCursor::pos() - QPoint(0, menu->sizeHint().height()));
}
