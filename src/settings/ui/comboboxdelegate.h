#pragma once

#include <QIcon>
#include <QList>
#include <QStyledItemDelegate>

// Edits the status column of the automatic-reply list with a combo box of
// the statuses a reply can be set for: "Busy", "Away", "Online" and the
// host's custom statuses, each with its icon. Choosing one writes its name,
// icon, status id (Qt::UserRole) and custom flag (Qt::UserRole + 1) to the
// row.
class ComboBoxDelegate : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY(ComboBoxDelegate)

public:
    static constexpr int StatusIdRole = Qt::UserRole;
    static constexpr int CustomRole = Qt::UserRole + 1;

    struct Status
    {
        int id = -1;       // the host's status code (1 online, 2 away, 3 busy)
        QString text;      // name, or the custom status text
        QIcon icon;
        bool custom = false;
    };

    explicit ComboBoxDelegate(const QList<Status> &statuses, QObject *parent = nullptr);

    const QList<Status> &statuses() const { return m_statuses; }
    // The entry matching a row's id, custom flag and text; -1 when none does
    // (a custom status the host no longer offers).
    int indexOf(int id, bool custom, const QString &text) const;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    QList<Status> m_statuses;
};
