#include "ui/chat/closeitemdelegate.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace {

constexpr int Margin = 4;
// Counts above this show as "99+": the dot stays one dot wide.
constexpr int MaxShownCount = 99;
constexpr int CountPixelSize = 9;
// Air above and below a tab's name: the tabs are click targets.
constexpr int RowPadding = 8;

} // namespace

CloseItemDelegate::CloseItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void CloseItemDelegate::setPixmaps(const QPixmap &close, const QPixmap &dot)
{
    m_close = close;
    m_dot = dot;
}

QRect CloseItemDelegate::closeRect(const QRect &itemRect, Qt::LayoutDirection direction) const
{
    const QSize size = m_close.isNull() ? QSize(16, 16) : m_close.size() / m_close.devicePixelRatio();
    const QRect trailing(QPoint(itemRect.right() - Margin - size.width() + 1, itemRect.center().y() - size.height() / 2),
                         size);
    return QStyle::visualRect(direction, itemRect, trailing);
}

void CloseItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // The name ends before the dot and the close button.
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QSize closeSize = closeRect(option.rect).size();
    const int reserve = 2 * closeSize.width() + 4 * Margin;
    opt.text = opt.fontMetrics.elidedText(opt.text, Qt::ElideRight, qMax(0, option.rect.width() - reserve));
    const QWidget *widget = option.widget;
    (widget ? widget->style() : QApplication::style())->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const QRect close = closeRect(option.rect, option.direction);
    if ((option.state & QStyle::State_MouseOver) && !m_close.isNull())
        painter->drawPixmap(close.topLeft(), m_close);
    const int count = index.data(DotCountRole).toInt();
    if (count <= 0)
        return;
    // Left of the close button, so the dot stays put when the button shows.
    QRect dot(QPoint(0, 0), m_dot.isNull() ? QSize(16, 16) : m_dot.size() / m_dot.devicePixelRatio());
    const QRect trailingClose = closeRect(option.rect);
    dot.moveCenter(QPoint(trailingClose.left() - Margin - dot.width() / 2, trailingClose.center().y()));
    dot = QStyle::visualRect(option.direction, option.rect, dot);
    painter->save();
    if (m_dot.isNull()) {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(0xcc, 0, 0));
        painter->drawEllipse(dot);
    } else {
        painter->drawPixmap(dot.topLeft(), m_dot);
    }
    QFont font = option.font;
    font.setPixelSize(CountPixelSize);
    font.setBold(true);
    painter->setFont(font);
    painter->setPen(Qt::white);
    const QString text = count > MaxShownCount ? QStringLiteral("%1+").arg(MaxShownCount) : QString::number(count);
    painter->drawText(dot, Qt::AlignCenter, text);
    painter->restore();
}

QSize CloseItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QStyledItemDelegate::sizeHint(option, index).expandedTo(m_close.size() / m_close.devicePixelRatio())
        + QSize(0, RowPadding);
}

bool CloseItemDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                    const QModelIndex &index)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const bool onClose =
        mouse->button() == Qt::LeftButton && closeRect(option.rect, option.direction).contains(mouse->pos());
    if (event->type() == QEvent::MouseButtonPress) {
        if (index.data(DotCountRole).toInt() >= 1 && !(mouse->modifiers() & Qt::ControlModifier))
            model->setData(index, false, ReadRole);
        // The close button takes the click: the tab is not selected first.
        m_pressedClose = onClose ? QPersistentModelIndex(index) : QPersistentModelIndex();
        return onClose;
    }
    const bool closing = onClose && m_pressedClose == index;
    m_pressedClose = QPersistentModelIndex();
    if (closing)
        Q_EMIT closeRequested(index);
    return closing;
}
