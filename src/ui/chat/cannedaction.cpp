#include "ui/chat/cannedaction.h"

CannedAction::CannedAction(const QString &quickText, const QString &label, QObject *parent)
    : QAction(label, parent)
    , m_quickText(quickText)
{
}
