#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

namespace hostkit {

// A contact, a room or the own account as the profile keeps it.
struct Contact
{
    enum Status { Offline = 0, Online = 1, Away = 2, Busy = 3 };

    QByteArray id;            // decimal number, as every id the plug-in reads as 64-bit
    QByteArray userName;
    QString displayName;
    QString firstName;
    QString lastName;
    int status = Offline;
    QString statusMessage;
    int type = 0;             // 0 contact, 1 room
    QByteArrayList members;   // rooms: member ids
    bool canChat = true;      // what canChatWith answers
    QString avatarFile;       // relative to the profile folder; empty: drawn from the name
    QString jid;              // the network address on a real network (bare JID; a room's JID for rooms)

    bool isRoom() const { return type == 1; }
};

} // namespace hostkit
