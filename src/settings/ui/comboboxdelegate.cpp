#include "settings/ui/comboboxdelegate.h"

#include <QComboBox>

ComboBoxDelegate::ComboBoxDelegate(const QList<Status> &statuses, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_statuses(statuses)
{
}

int ComboBoxDelegate::indexOf(int id, bool custom, const QString &text) const
{
    for (int i = 0; i < m_statuses.size(); ++i) {
        const Status &status = m_statuses.at(i);
        if (status.id == id && status.custom == custom && (!custom || status.text == text))
            return i;
    }
    return -1;
}

QWidget *ComboBoxDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    Q_UNUSED(option)
    Q_UNUSED(index)
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("cmbStatus"));
    combo->setProperty("class", QStringLiteral("ComboBox Chat"));
    for (const Status &status : m_statuses)
        combo->addItem(status.icon, status.text, status.id);
    return combo;
}

void ComboBoxDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *combo = static_cast<QComboBox *>(editor);
    const int at = indexOf(index.data(StatusIdRole).toInt(), index.data(CustomRole).toBool(),
                           index.data(Qt::DisplayRole).toString());
    combo->setCurrentIndex(at);
}

void ComboBoxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const int at = static_cast<QComboBox *>(editor)->currentIndex();
    if (at < 0 || at >= m_statuses.size())
        return;
    const Status &status = m_statuses.at(at);
    model->setData(index, status.text, Qt::DisplayRole);
    model->setData(index, status.icon, Qt::DecorationRole);
    model->setData(index, status.id, StatusIdRole);
    model->setData(index, status.custom, CustomRole);
}
