#include "network.h"

#include "host.h"
#include "messagecommand.h"
#include "roomsservice.h"

#include "lib_kelvan/elementtree.h"

namespace hostkit {

namespace {

// Delays of a peer's client answering on its own: a refusal goes out at
// once, a nudge back after the person noticed the shake.
constexpr qint64 kRefusalDelayMs = 300;
constexpr qint64 kNudgeBackDelayMs = 1200;

} // namespace

Network::Network(Host &host)
    : m_host(host)
{
}

void Network::setBehaviour(const QByteArray &peer, const PeerBehaviour &behaviour)
{
    m_behaviours.insert(peer, behaviour);
}

PeerBehaviour Network::behaviour(const QByteArray &peer) const
{
    return m_behaviours.value(peer, PeerBehaviour());
}

QByteArray Network::controlRecord(const QByteArray &command, const QByteArray &sessionKey, const QByteArray &roomId)
{
    kelvan::Element element("data");
    element.setAttribute("COMMAND", command);
    if (command != "MESSAGE_SEEN") {
        element.setAttribute("session_id", sessionKey);
        element.setAttribute("room_id", roomId);
    }
    return kelvan::writeElement(element, 0);
}

void Network::messageSent(const QByteArray &recipient, const QByteArray &sessionKey, const QByteArray &body,
                          qint64 eventId)
{
    m_sent.append({recipient, sessionKey, body, false});
    if (m_transport) {
        m_transport->sendMessage(recipient, sessionKey, body, eventId);
        return;
    }
    if (const Contact *c = m_host.profile().find(recipient); c && c->isRoom()) {
        m_host.rooms().messageToRoom(recipient, body);
        return;
    }
    if (!m_behaviours.contains(recipient))
        return;
    const PeerBehaviour b = m_behaviours.value(recipient);
    if (body.trimmed() == "[nudge]") {
        if (b.refusesNudges) {
            scheduleControl(kRefusalDelayMs, recipient, controlRecord("NUDGE_DISABLED", sessionKey));
        } else if (b.nudgesBack) {
            scheduleNudge(kNudgeBackDelayMs, recipient);
        }
        return;
    }
    if (b.reply.isEmpty() || MessageCommand::parse(body).kind != MessageCommand::Kind::None)
        return;
    if (b.typingAfterMs < b.replyAfterMs)
        scheduleControl(b.typingAfterMs, recipient, controlRecord("WRITING", sessionKey));
    QString answer = b.reply;
    answer.replace(QLatin1String("%1"), QString::fromUtf8(body));
    scheduleMessage(b.replyAfterMs, recipient, answer.toUtf8(), sessionKey);
}

void Network::controlSent(const QByteArray &recipient, const QByteArray &text)
{
    m_sent.append({recipient, QByteArray(), text, true});
    if (m_transport)
        m_transport->sendControl(recipient, text);
}

void Network::broadcastSent(const QByteArray &recipient, const QByteArray &body, qint64 eventId)
{
    m_sent.append({recipient, QByteArray(), body, false});
    if (m_transport) {
        // A real network carries a broadcast as an ordinary message; its
        // receipts come back from the peer, not from a simulated delay.
        m_transport->sendMessage(recipient, QByteArray(), body, eventId);
        return;
    }
    const PeerBehaviour b = behaviour(recipient);
    if (b.seenAfterMs >= 0)
        scheduleControl(b.seenAfterMs, recipient, controlRecord("MESSAGE_SEEN"));
}

void Network::scheduleMessage(qint64 delayMs, const QByteArray &from, const QByteArray &body,
                              const QByteArray &sessionKey, const QByteArray &room)
{
    m_host.scheduler().schedule(delayMs, QStringLiteral("message from %1").arg(QString::fromUtf8(from)),
                                [this, from, body, sessionKey, room] { m_host.receiveMessage(from, body, sessionKey, room); });
}

void Network::scheduleControl(qint64 delayMs, const QByteArray &from, const QByteArray &text)
{
    m_host.scheduler().schedule(delayMs, QStringLiteral("control record from %1").arg(QString::fromUtf8(from)),
                                [this, from, text] { m_host.deliverControl(from, text); });
}

void Network::scheduleNudge(qint64 delayMs, const QByteArray &from, const QByteArray &room)
{
    const QByteArray data = from + ',' + (room.isEmpty() ? QByteArray("0") : room) + ",0";
    m_host.scheduler().schedule(delayMs, QStringLiteral("nudge from %1").arg(QString::fromUtf8(from)),
                                [this, data] { m_host.deliverEvent(32, data); });
}

} // namespace hostkit
