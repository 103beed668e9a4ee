#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTreeWidget>

class IHostServices;
class IUser;

// The participant list of a room window: one item per member with the
// member's name and status icon, the member's id in the item's user role.
// Contacts dragged here from the host's contact list come out as
// dragDropUsers() with their ids.
class ConferenceUsersWidget : public QTreeWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConferenceUsersWidget)

public:
    // The role of an item's member id (UTF-8 bytes).
    static constexpr int IdRole = Qt::UserRole;
    // What the host's contact list puts on a drag.
    static const char ItemModelMimeType[]; // "application/x-qabstractitemmodeldatalist"

    explicit ConferenceUsersWidget(QWidget *parent = nullptr);

    // The host (not owned, may be null) names the skin's status icons.
    void setHost(IHostServices *host) { m_host = host; }

    // Adds the member, or refreshes its item when it is listed already.
    void addMember(const IUser *member);
    void removeMember(const QByteArray &id);
    void clearMembers() { clear(); }
    QTreeWidgetItem *findMember(const QByteArray &id) const;
    QByteArray memberId(const QTreeWidgetItem *item) const;

    // The ids of contacts in item-model drag data (the user role of each
    // dragged item, as the host's contact list fills it).
    static QStringList idsFromMimeData(const QMimeData *data);

Q_SIGNALS:
    void dragDropUsers(const QStringList &userIdList);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QIcon statusIcon(int status) const;
    void fill(QTreeWidgetItem *item, const IUser *member) const;

    IHostServices *m_host = nullptr; // not owned
};
