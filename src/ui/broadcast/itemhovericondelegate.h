#pragma once

#include <QIcon>
#include <QStyledItemDelegate>

// Paints a recipient row as the style does and, in the icon column of the
// row under the mouse pointer, the remove icon, while removing is possible.
class ItemHoverIconDelegate : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY(ItemHoverIconDelegate)

public:
    explicit ItemHoverIconDelegate(int iconColumn, QObject *parent = nullptr);

    void setIcon(const QIcon &icon) { m_icon = icon; }
    // Off once the job is sent: rows can no longer be removed.
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    const int m_iconColumn;
    QIcon m_icon;
    bool m_enabled = true;
};
