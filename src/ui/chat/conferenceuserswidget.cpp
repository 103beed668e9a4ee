#include "ui/chat/conferenceuserswidget.h"

#include "lib_kelvan/utf16.h"
#include "ui/chat/safetext.h"

#include <sdk/ihostservices.h>
#include <sdk/iuser.h>

#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>

const char ConferenceUsersWidget::ItemModelMimeType[] = "application/x-qabstractitemmodeldatalist";

namespace {

using kelvan::fromUtf16;

} // namespace

ConferenceUsersWidget::ConferenceUsersWidget(QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setSortingEnabled(false);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QIcon ConferenceUsersWidget::statusIcon(int status) const
{
    const auto skin = [this](const char *name) {
        return m_host ? QIcon(fromUtf16(m_host->skinPath(name))) : QIcon();
    };
    switch (status) {
    case 1: return skin("icon_online.png");
    case 2: return skin("icon_na.png");
    case 3: return skin("icon_dnd.png");
    default: break;
    }
    // Offline: the online icon greyed out.
    const QIcon online = skin("icon_online.png");
    return online.isNull() ? QIcon() : QIcon(online.pixmap(16, QIcon::Disabled));
}

void ConferenceUsersWidget::fill(QTreeWidgetItem *item, const IUser *member) const
{
    item->setText(0, fromUtf16(member->displayName()));
    item->setToolTip(0, SafeText::toolTip(fromUtf16(member->statusText())));
    item->setIcon(0, statusIcon(member->status()));
    item->setData(0, IdRole, QByteArray(member->id()));
}

void ConferenceUsersWidget::addMember(const IUser *member)
{
    if (!member || !member->id())
        return;
    QTreeWidgetItem *item = findMember(QByteArray(member->id()));
    if (!item)
        item = new QTreeWidgetItem(this);
    fill(item, member);
}

void ConferenceUsersWidget::removeMember(const QByteArray &id)
{
    delete findMember(id);
}

QTreeWidgetItem *ConferenceUsersWidget::findMember(const QByteArray &id) const
{
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = topLevelItem(i);
        if (memberId(item) == id)
            return item;
    }
    return nullptr;
}

QByteArray ConferenceUsersWidget::memberId(const QTreeWidgetItem *item) const
{
    return item ? item->data(0, IdRole).toByteArray() : QByteArray();
}

QStringList ConferenceUsersWidget::idsFromMimeData(const QMimeData *data)
{
    QStringList ids;
    if (!data || !data->hasFormat(QLatin1String(ItemModelMimeType)))
        return ids;
    QByteArray encoded = data->data(QLatin1String(ItemModelMimeType));
    QDataStream stream(&encoded, QIODevice::ReadOnly);
    while (!stream.atEnd()) {
        int row = 0;
        int column = 0;
        QMap<int, QVariant> roles;
        stream >> row >> column >> roles;
        if (stream.status() != QDataStream::Ok)
            break;
        const QString id = QString::fromUtf8(roles.value(Qt::UserRole).toByteArray()).trimmed();
        if (!id.isEmpty() && !ids.contains(id))
            ids.append(id);
    }
    return ids;
}

void ConferenceUsersWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(QLatin1String(ItemModelMimeType)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ConferenceUsersWidget::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasFormat(QLatin1String(ItemModelMimeType)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ConferenceUsersWidget::dropEvent(QDropEvent *event)
{
    const QStringList ids = idsFromMimeData(event->mimeData());
    if (ids.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT dragDropUsers(ids);
}
