#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

// Paints the tabs of the tabbed window: the entry as the style draws it, the
// red dot with the missed-message count while the entry's dot count is
// positive, and the close button while the mouse is over the entry. A click
// on the close button asks for the tab to close; a press on an entry with a
// dot writes false into its read role.
class CloseItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY(CloseItemDelegate)

public:
    // The entry's dot count (column 0): Qt::UserRole + 1.
    static constexpr int DotCountRole = Qt::UserRole + 1;
    // Written false when an entry with a dot is pressed: Qt::UserRole + 2.
    static constexpr int ReadRole = Qt::UserRole + 2;

    explicit CloseItemDelegate(QObject *parent = nullptr);

    // The close button and the dot, again on every style change.
    void setPixmaps(const QPixmap &close, const QPixmap &dot);
    // Where the close button of an entry painted in `itemRect` sits: at
    // the entry's end, the left one in a right-to-left list.
    QRect closeRect(const QRect &itemRect, Qt::LayoutDirection direction = Qt::LeftToRight) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

Q_SIGNALS:
    void closeRequested(const QModelIndex &index);

private:
    QPixmap m_close;
    QPixmap m_dot;
    QPersistentModelIndex m_pressedClose;
};
