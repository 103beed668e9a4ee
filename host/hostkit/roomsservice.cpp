#include "roomsservice.h"

#include "host.h"
#include "hostuser.h"
#include "messagecommand.h"
#include "network.h"

#include <sdk/iroomslistener.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace hostkit {

namespace {

// The commands of host/README.md's table, by number.
enum Command : int {
    Document = 2,
    DocumentRequest = 3,
    Members = 6,
    MemberAdded = 8,
    MemberRemoved = 9,
    Invited = 11,
    InvitationEnded = 13,
    Joined = 17,
    Left = 20,
    Renamed = 21,
    Counter = 22,
    Removed = 26,
};

// How long the service takes, as a server would.
constexpr qint64 kCreateDelayMs = 300;
constexpr qint64 kDocumentDelayMs = 100;
// An invited contact who is online accepts after this, one after another.
constexpr qint64 kAcceptDelayMs = 1500;
constexpr qint64 kAcceptStepMs = 800;
// Members answering the same message do not all speak at once.
constexpr qint64 kAnswerStepMs = 400;

QString text(const QByteArray &s)
{
    return QString::fromUtf8(s);
}

// Reads the records of a text; stops at the first that is none.
QVector<QPair<int, QByteArrayList>> readRecords(const QByteArray &text)
{
    QVector<QPair<int, QByteArrayList>> records;
    int at = 0;
    while (text.size() - at >= 6) {
        bool commandOk = false;
        bool lengthOk = false;
        const int command = text.mid(at, 2).toInt(&commandOk, 16);
        const int length = text.mid(at + 2, 4).toInt(&lengthOk, 16);
        if (!commandOk || !lengthOk || length < 0 || text.size() - at - 6 < length)
            break;
        QByteArray payload = text.mid(at + 6, length);
        if (payload.startsWith(':'))
            payload.remove(0, 1);
        QByteArrayList fields;
        if (length > 0) {
            for (QByteArray field : payload.split(':'))
                fields << field.replace("%3A", ":").replace("%25", "%");
        }
        records.append({command, fields});
        at += 6 + length;
    }
    return records;
}

} // namespace

RoomsService::RoomsService(Host &host)
    : m_host(host)
{
}

QByteArray RoomsService::record(int command, const QByteArrayList &fields)
{
    QByteArray payload;
    for (QByteArray field : fields)
        payload += ':' + field.replace('%', "%25").replace(':', "%3A");
    return QByteArray::number(command, 16).rightJustified(2, '0')
           + QByteArray::number(payload.size(), 16).rightJustified(4, '0') + payload;
}

bool RoomsService::isRoom(const QByteArray &roomId) const
{
    const Contact *room = m_host.profile().find(roomId);
    return room && room->isRoom();
}

QByteArray RoomsService::ownId() const
{
    return m_host.profile().own().id;
}

int RoomsService::requestOf(const QByteArray &roomId)
{
    int &request = m_requests[roomId];
    if (request == 0)
        request = m_nextRequest++;
    return request;
}

void RoomsService::deliver(const QByteArray &roomId, const QByteArray &controlText)
{
    // The service speaks for the room.
    m_host.deliverControl(roomId, controlText, "chat_rooms");
}

void RoomsService::sendDocument(const QByteArray &roomId)
{
    const Contact *room = m_host.profile().find(roomId);
    if (!room || !room->isRoom() || !room->members.contains(ownId()))
        return;
    const QByteArray request = QByteArray::number(requestOf(roomId));
    QByteArray texts = record(Document, {"1", roomId, request, QByteArray::number(m_counters.value(roomId))});
    texts += record(Members, QByteArrayList{request} + room->members);
    if (!m_invited.value(roomId).isEmpty())
        texts += record(Invited, QByteArrayList{request} + m_invited.value(roomId));
    texts += record(Joined, {request});
    deliver(roomId, texts);
}

void RoomsService::sendChange(const QByteArray &roomId, const QByteArray &records)
{
    if (m_requests.value(roomId) == 0)
        return; // the plug-in has no document to change yet
    const int counter = ++m_counters[roomId];
    deliver(roomId, records + record(Counter, {QByteArray::number(m_requests.value(roomId)), QByteArray::number(counter)}));
}

void RoomsService::signIn()
{
    for (const Contact &c : m_host.profile().contacts()) {
        if (c.isRoom() && c.members.contains(ownId()))
            sendDocument(c.id);
    }
}

int RoomsService::createRoom(const QByteArrayList &contactIds)
{
    const int token = m_nextToken++;
    QByteArrayList members{ownId()};
    for (const QByteArray &id : contactIds) {
        if (!members.contains(id) && m_host.profile().find(id))
            members << id;
    }
    m_host.scheduler().schedule(kCreateDelayMs, QStringLiteral("room ready (request %1)").arg(token), [this, token, members] {
        qint64 next = 5001;
        for (const Contact &c : m_host.profile().contacts())
            next = std::max(next, c.id.toLongLong() + 1);
        Contact room;
        room.id = QByteArray::number(next);
        room.type = 1;
        room.status = Contact::Online;
        room.members = members;
        QStringList names;
        for (const QByteArray &m : members) {
            if (const Contact *c = m_host.profile().find(m))
                names << (c->firstName.isEmpty() ? c->displayName : c->firstName);
        }
        room.displayName = names.join(QStringLiteral(", "));
        room.userName = "room" + room.id;
        m_host.profile().addContact(room);
        Q_EMIT m_host.contactsChanged();
        if (IRoomsListener *listener = m_host.roomsListener()) {
            HostUser roomUser(room);
            m_host.recordDelivery(nullptr, 1, "onRoomReady", {text(room.id), token});
            listener->onRoomReady(&roomUser, token);
            std::vector<std::unique_ptr<HostUser>> users;
            std::vector<IUser *> pointers;
            for (const QByteArray &m : members) {
                if (const Contact *c = m_host.profile().find(m)) {
                    users.push_back(std::make_unique<HostUser>(*c));
                    pointers.push_back(users.back().get());
                }
            }
            m_host.recordDelivery(nullptr, 2, "onRoomJoined", {text(room.id), int(pointers.size())});
            listener->onRoomJoined(room.id.constData(), pointers.data(), int(pointers.size()));
        }
        sendDocument(room.id);
    });
    return token;
}

void RoomsService::leave(const QByteArray &roomId)
{
    if (!isRoom(roomId))
        return;
    const QByteArray request = QByteArray::number(m_requests.value(roomId));
    if (m_requests.contains(roomId))
        deliver(roomId, record(Left, {request}) + record(Removed, {request}));
    m_requests.remove(roomId);
    m_counters.remove(roomId);
    m_invited.remove(roomId);
    // The room goes on for the others; for the user it is gone.
    QVector<Contact> &contacts = m_host.profile().contacts();
    contacts.erase(std::remove_if(contacts.begin(), contacts.end(), [&](const Contact &c) { return c.id == roomId; }),
                   contacts.end());
    if (IRoomsListener *listener = m_host.roomsListener()) {
        m_host.recordDelivery(nullptr, 6, "onRoomRemoved", {text(roomId)});
        listener->onRoomRemoved(roomId.constData());
    }
    Q_EMIT m_host.contactsChanged();
}

void RoomsService::rename(const QByteArray &roomId, const QString &displayName)
{
    Contact *room = m_host.profile().find(roomId);
    const QString name = displayName.trimmed();
    if (!room || !room->isRoom() || name.isEmpty())
        return;
    room->displayName = name;
    if (IRoomsListener *listener = m_host.roomsListener()) {
        HostUser user(*room);
        m_host.recordDelivery(nullptr, 5, "onRoomUpdated", {text(roomId)});
        listener->onRoomUpdated(&user);
    }
    sendChange(roomId, record(Renamed, {QByteArray::number(m_requests.value(roomId)), name.toUtf8()}));
    Q_EMIT m_host.contactsChanged();
}

void RoomsService::invite(const QByteArray &roomId, const QByteArrayList &contactIds)
{
    const Contact *room = m_host.profile().find(roomId);
    if (!room || !room->isRoom())
        return;
    QByteArrayList invited;
    for (const QByteArray &id : contactIds) {
        const Contact *c = m_host.profile().find(id);
        if (c && !c->isRoom() && !room->members.contains(id) && !m_invited.value(roomId).contains(id))
            invited << id;
    }
    if (invited.isEmpty())
        return;
    m_invited[roomId] += invited;
    sendChange(roomId, record(Invited, QByteArrayList{QByteArray::number(m_requests.value(roomId))} + invited));
    qint64 delay = kAcceptDelayMs;
    for (const QByteArray &id : qAsConst(invited)) {
        const Contact *c = m_host.profile().find(id);
        if (!c || c->status == Contact::Offline)
            continue; // stays invited until they come online
        m_host.scheduler().schedule(delay, QStringLiteral("%1 accepts the invitation").arg(text(id)),
                                    [this, roomId, id] { memberJoins(roomId, id); });
        delay += kAcceptStepMs;
    }
}

void RoomsService::controlFromPlugin(const QByteArray &roomId, const QByteArray &controlText)
{
    for (const auto &[command, fields] : readRecords(controlText)) {
        if (command == DocumentRequest && fields.value(0) == roomId)
            m_host.scheduler().schedule(kDocumentDelayMs, QStringLiteral("document of room %1").arg(text(roomId)),
                                        [this, roomId] { sendDocument(roomId); });
    }
}

void RoomsService::messageToRoom(const QByteArray &roomId, const QByteArray &body)
{
    const Contact *room = m_host.profile().find(roomId);
    if (!room || body.trimmed() == "[nudge]" || MessageCommand::parse(body).kind != MessageCommand::Kind::None)
        return;
    qint64 step = 0;
    for (const QByteArray &member : room->members) {
        const PeerBehaviour b = m_host.network().behaviour(member);
        if (member == ownId() || b.reply.isEmpty())
            continue;
        if (b.typingAfterMs < b.replyAfterMs)
            m_host.network().scheduleControl(b.typingAfterMs + step, member,
                                             Network::controlRecord("WRITING", roomId, roomId));
        QString answer = b.reply;
        answer.replace(QLatin1String("%1"), QString::fromUtf8(body));
        m_host.network().scheduleMessage(b.replyAfterMs + step, member, answer.toUtf8(), roomId, roomId);
        step += kAnswerStepMs;
    }
}

bool RoomsService::memberJoins(const QByteArray &roomId, const QByteArray &contactId)
{
    Contact *room = m_host.profile().find(roomId);
    const Contact *contact = m_host.profile().find(contactId);
    if (!room || !room->isRoom() || !contact || contact->isRoom() || room->members.contains(contactId))
        return false;
    room->members.append(contactId);
    const QByteArray request = QByteArray::number(m_requests.value(roomId));
    QByteArray records;
    if (m_invited[roomId].removeAll(contactId) > 0)
        records += record(InvitationEnded, {request, contactId});
    records += record(MemberAdded, {request, contactId});
    if (IRoomsListener *listener = m_host.roomsListener()) {
        HostUser user(*contact);
        m_host.recordDelivery(nullptr, 3, "onRoomMemberJoined", {text(roomId), text(contactId)});
        listener->onRoomMemberJoined(roomId.constData(), &user);
    }
    sendChange(roomId, records);
    Q_EMIT m_host.contactsChanged();
    return true;
}

bool RoomsService::membersLeave(const QByteArray &roomId, const QByteArrayList &ids)
{
    Contact *room = m_host.profile().find(roomId);
    if (!room || !room->isRoom())
        return false;
    QByteArrayList left;
    QByteArray records;
    const QByteArray request = QByteArray::number(m_requests.value(roomId));
    for (const QByteArray &id : ids) {
        if (id != ownId() && room->members.removeAll(id) > 0) {
            left << id;
            records += record(MemberRemoved, {request, id});
        }
    }
    if (left.isEmpty())
        return false;
    if (IRoomsListener *listener = m_host.roomsListener()) {
        std::vector<const char *> pointers;
        for (const QByteArray &id : qAsConst(left))
            pointers.push_back(id.constData());
        m_host.recordDelivery(nullptr, 4, "onRoomMembersLeft", {text(roomId), text(left.join(','))});
        listener->onRoomMembersLeft(roomId.constData(), pointers.data(), int(pointers.size()));
    }
    sendChange(roomId, records);
    Q_EMIT m_host.contactsChanged();
    return true;
}

bool RoomsService::openForUser(const QByteArray &roomId)
{
    const Contact *room = m_host.profile().find(roomId);
    IRoomsListener *listener = m_host.roomsListener();
    if (!room || !room->isRoom() || !listener)
        return false;
    HostUser user(*room);
    m_host.recordDelivery(nullptr, 1, "onRoomReady", {text(roomId), 0});
    listener->onRoomReady(&user, 0);
    return true;
}

} // namespace hostkit
