#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QHash>
#include <QString>

namespace hostkit {

class Host;

// The simulated rooms service behind the "chat_rooms" host service object
// (slots 88 to 92). It tells the plug-in what happens in a room twice, as a
// server does: live events through the rooms listener (ready, joined,
// member joined and left, updated, removed) and the room's document through
// room control texts delivered to the rooms plug-in's onCommand. It reads
// the control texts the plug-in sends back. The framing and the commands
// are in host/README.md; this service writes and reads them on its own,
// sharing no code with the plug-in, so the two agree through the texts.
//
// Members act on the simulated clock: invited contacts who are not offline
// join a moment later, and members with a reply (PeerBehaviour) answer
// every message the user writes to the room, typing first.
class RoomsService
{
public:
    explicit RoomsService(Host &host);
    Q_DISABLE_COPY(RoomsService)

    // --- What the plug-in asks for ---------------------------------------
    // Returns the request token; onRoomReady brings it back with the room.
    int createRoom(const QByteArrayList &contactIds);
    void leave(const QByteArray &roomId);
    void rename(const QByteArray &roomId, const QString &displayName);
    void invite(const QByteArray &roomId, const QByteArrayList &contactIds);
    // A room control text the plug-in sent to `roomId`.
    void controlFromPlugin(const QByteArray &roomId, const QByteArray &text);
    // The user wrote to the room: members with a reply answer.
    void messageToRoom(const QByteArray &roomId, const QByteArray &body);

    // --- What the world does ---------------------------------------------
    // The documents of every room the user is in, as after signing in.
    void signIn();
    // False when the contact is in the room already (or there is no such room).
    bool memberJoins(const QByteArray &roomId, const QByteArray &contactId);
    // The members among `ids` leave, in one event; false when none was in.
    bool membersLeave(const QByteArray &roomId, const QByteArrayList &ids);
    // The service opens the room for the user (someone added them).
    bool openForUser(const QByteArray &roomId);

    // The request number of the room's document; 0 before it was sent.
    int requestNumber(const QByteArray &roomId) const { return m_requests.value(roomId); }

    // One record of the framing, as this service writes it.
    static QByteArray record(int command, const QByteArrayList &fields);

private:
    bool isRoom(const QByteArray &roomId) const;
    QByteArray ownId() const;
    // Bumps the room's counter: `records` and the counter record go out
    // together in one text.
    void sendChange(const QByteArray &roomId, const QByteArray &records);
    void sendDocument(const QByteArray &roomId);
    void deliver(const QByteArray &roomId, const QByteArray &text);
    int requestOf(const QByteArray &roomId);

    Host &m_host;
    QHash<QByteArray, int> m_requests;
    QHash<QByteArray, int> m_counters;
    QHash<QByteArray, QByteArrayList> m_invited;
    int m_nextRequest = 1;
    int m_nextToken = 1;
};

} // namespace hostkit
