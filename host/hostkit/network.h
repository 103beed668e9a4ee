#pragma once

#include "profile.h"

#include <QByteArray>
#include <QHash>
#include <QVector>

namespace hostkit {

class Host;

// A real network the host talks through instead of the scripted peers
// (chosen per profile). It is handed what the plug-in sends; what arrives
// it gives to the host (receiveMessage, deliverControl, setPresence).
class NetworkTransport
{
public:
    virtual ~NetworkTransport() = default;
    // `eventId`: the sent message in the store (0 when it was not stored).
    virtual void sendMessage(const QByteArray &recipient, const QByteArray &sessionKey, const QByteArray &body,
                             qint64 eventId) = 0;
    virtual void sendControl(const QByteArray &recipient, const QByteArray &text) = 0;
    // The user has seen the conversation's messages.
    virtual void markedSeen(const QByteArray &conversation) { Q_UNUSED(conversation) }
};

// The simulated network behind the host. What the plug-in sends goes on
// the wire (recorded in order) to scripted peers, which may answer after
// delays on the host's scheduler: a typing notice (WRITING), the answer
// text, a refused nudge (NUDGE_DISABLED) or a nudge back (host event 32).
// Scenarios and tests also make peers act directly with the schedule*
// operations.
class Network
{
public:
    struct Sent
    {
        QByteArray recipient;
        QByteArray sessionKey;
        QByteArray text;
        bool control = false; // a control record (sendControl), else a message
    };

    explicit Network(Host &host);
    Q_DISABLE_COPY(Network)

    void setBehaviour(const QByteArray &peer, const PeerBehaviour &behaviour);
    PeerBehaviour behaviour(const QByteArray &peer) const;

    // Not owned; null: the simulation answers. Scripted peers stay quiet
    // while a transport is set.
    void setTransport(NetworkTransport *transport) { m_transport = transport; }
    NetworkTransport *transport() const { return m_transport; }

    QVector<Sent> sent() const { return m_sent; }
    void clearSent() { m_sent.clear(); }

    // Called by the host services when the plug-in sends.
    void messageSent(const QByteArray &recipient, const QByteArray &sessionKey, const QByteArray &body,
                     qint64 eventId = 0);
    void controlSent(const QByteArray &recipient, const QByteArray &text);
    // A broadcast reached the peer: a peer with seenAfterMs answers with
    // MESSAGE_SEEN after that long, as when its user closed the viewer.
    void broadcastSent(const QByteArray &recipient, const QByteArray &body, qint64 eventId);

    void scheduleMessage(qint64 delayMs, const QByteArray &from, const QByteArray &body,
                         const QByteArray &sessionKey = QByteArray(), const QByteArray &room = QByteArray());
    void scheduleControl(qint64 delayMs, const QByteArray &from, const QByteArray &text);
    // A received nudge as host event 32 ("sender,room,0").
    void scheduleNudge(qint64 delayMs, const QByteArray &from, const QByteArray &room = QByteArray());

    // A control record as clients write it: <data COMMAND=".." session_id=".." room_id=".."/>
    // followed by CR LF (MESSAGE_SEEN carries the command only).
    static QByteArray controlRecord(const QByteArray &command, const QByteArray &sessionKey = QByteArray(),
                                    const QByteArray &roomId = QByteArray());

private:
    Host &m_host;
    QHash<QByteArray, PeerBehaviour> m_behaviours;
    QVector<Sent> m_sent;
    NetworkTransport *m_transport = nullptr;
};

} // namespace hostkit
