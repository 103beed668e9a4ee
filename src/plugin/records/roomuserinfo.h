#pragma once

#include "plugin/records/userobj.h"

#include <QByteArray>
#include <QList>

// A room record of the room directory: the host's room record copied by
// assign(), marked as a room (type 1), with the directory's own state.
// Only the destructor differs from UserObj in the host's slot table.
class RoomUserInfo : public UserObj
{
public:
    // assign(room), then type 1, counter 0, empty lists, not joined.
    explicit RoomUserInfo(const IUser *room);
    ~RoomUserInfo() override;

    // The directory's change counter for this room.
    int counter() const { return m_counter; }
    void setCounter(int counter) { m_counter = counter; }

    // Ids of the members known to be in the room.
    const QList<QByteArray> &memberIds() const { return m_memberIds; }
    QList<QByteArray> &memberIds() { return m_memberIds; }
    // Ids of contacts invited but not (yet) in the room.
    const QList<QByteArray> &invitedIds() const { return m_invitedIds; }
    QList<QByteArray> &invitedIds() { return m_invitedIds; }

    // The own user has joined the room.
    bool isJoined() const { return m_joined; }
    void setJoined(bool joined) { m_joined = joined; }

private:
    Q_DISABLE_COPY(RoomUserInfo)

    int m_counter = 0;
    QList<QByteArray> m_memberIds;
    QList<QByteArray> m_invitedIds;
    bool m_joined = false;
};
