#include "ui/broadcast/itemhovericondelegate.h"

#include <QPainter>

ItemHoverIconDelegate::ItemHoverIconDelegate(int iconColumn, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_iconColumn(iconColumn)
{
}

void ItemHoverIconDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (!m_enabled || index.column() != m_iconColumn || !(option.state & QStyle::State_MouseOver) || m_icon.isNull())
        return;
    const QSize size = option.decorationSize.isValid() ? option.decorationSize.boundedTo(QSize(16, 16)) : QSize(16, 16);
    const QRect target = QStyle::alignedRect(option.direction, Qt::AlignCenter, size, option.rect);
    m_icon.paint(painter, target);
}
