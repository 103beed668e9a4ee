#include "chat/roomdirectory.h"

#include "chat/chatcoreinterface.h"
#include "chat/chatlogging.h"
#include "chat/roomcontroltext.h"
#include "lib_kelvan/log.h"
#include "plugin/records/roomuserinfo.h"

#include <sdk/ihostservices.h>

#include <algorithm>

using RoomControlText::Command;

namespace {

// A room's name is a line of a window title.
constexpr int MaxRoomNameChars = 256;

IHostServices *roomsHost(ChatCoreInterface *core)
{
    if (!core)
        return nullptr;
    return core->roomsHostServices() ? core->roomsHostServices() : core->hostServices();
}

void addOnce(QList<QByteArray> &list, const QByteArray &id)
{
    if (!id.isEmpty() && !list.contains(id))
        list.append(id);
}

} // namespace

struct RoomDirectory::Entry
{
    std::unique_ptr<RoomUserInfo> room;
    int request = 0;
};

RoomDirectory::RoomDirectory(ChatCoreInterface *core)
    : m_core(core)
{
}

RoomDirectory::~RoomDirectory() = default;

RoomDirectory::Entry *RoomDirectory::entry(const QByteArray &roomId) const
{
    for (const auto &e : m_entries) {
        if (e->room->idBytes() == roomId)
            return e.get();
    }
    return nullptr;
}

const RoomUserInfo *RoomDirectory::find(const QByteArray &roomId) const
{
    const Entry *e = roomId.isEmpty() ? nullptr : entry(roomId);
    return e ? e->room.get() : nullptr;
}

QByteArray RoomDirectory::roomOfRequest(int request) const
{
    for (const auto &e : m_entries) {
        if (request > 0 && e->request == request)
            return e->room->idBytes();
    }
    try {
        kelvan::defaultLog().log(QStringLiteral("Warning! Unable to locate chat room document: roomReq=%1").arg(request));
    } catch (...) {
        // The lookup has failed already; the log line is a courtesy.
    }
    qCWarning(lcConversations) << "no room document for request" << request;
    return QByteArray();
}

RoomDirectory::Entry *RoomDirectory::entryOfRequest(const QByteArray &field) const
{
    bool ok = false;
    const int request = field.toInt(&ok);
    const QByteArray roomId = roomOfRequest(ok ? request : 0);
    return roomId.isEmpty() ? nullptr : entry(roomId);
}

QList<QByteArray> RoomDirectory::apply(const QByteArray &text)
{
    QList<QByteArray> changed;
    int at = 0;
    RoomControlText::Record record;
    while (at < text.size()) {
        // A view of the rest: the reader copies no more than one payload.
        const int used = RoomControlText::read(QByteArray::fromRawData(text.constData() + at, text.size() - at), &record);
        if (used == 0) {
            qCDebug(lcConversations) << "room control text not understood at byte" << at;
            break;
        }
        at += used;
        QByteArray roomId;
        if (applyRecord(record.command, record.fields, &roomId))
            addOnce(changed, roomId);
    }
    return changed;
}

bool RoomDirectory::applyDocument(const QList<QByteArray> &fields, QByteArray *roomId)
{
    bool ok = false;
    const int request = fields.value(2).toInt(&ok);
    if (fields.size() < 3 || fields.at(0) != "1" || !ok || request <= 0 || fields.at(1).isEmpty())
        return false;
    const QByteArray &id = fields.at(1);
    const int counter = fields.value(3).toInt();
    Entry *e = entry(id);
    if (e && counter < e->room->counter())
        return false; // an older document than the one we hold
    if (!e) {
        IHostServices *host = roomsHost(m_core);
        UserObj known;
        if (!host || !host->getUser(&known, id.constData()) || known.type() != 1)
            return false;
        m_entries.push_back(std::make_unique<Entry>());
        e = m_entries.back().get();
        e->room = std::make_unique<RoomUserInfo>(&known);
    }
    // A request number names one document.
    for (const auto &other : m_entries) {
        if (other->request == request)
            other->request = 0;
    }
    e->request = request;
    e->room->setCounter(counter);
    m_requested.remove(id);
    *roomId = id;
    return true;
}

bool RoomDirectory::applyRecord(int command, const QList<QByteArray> &fields, QByteArray *roomId)
{
    switch (Command(command)) {
    case Command::Document:
        return applyDocument(fields, roomId);
    case Command::Members:
    case Command::MemberAdded:
    case Command::MemberRemoved:
    case Command::Invited:
    case Command::InvitationEnded:
    case Command::Joined:
    case Command::Left:
    case Command::Renamed:
    case Command::Counter:
    case Command::Removed:
        break;
    case Command::DocumentRequest: // ours to send, not to act on
    default:
        return false;
    }
    if (fields.isEmpty())
        return false;
    Entry *e = entryOfRequest(fields.first());
    if (!e)
        return false;
    RoomUserInfo &room = *e->room;
    *roomId = room.idBytes();
    const QList<QByteArray> ids = fields.mid(1);
    switch (Command(command)) {
    case Command::Members:
        room.memberIds().clear();
        for (const QByteArray &id : ids) {
            addOnce(room.memberIds(), id);
            room.invitedIds().removeAll(id);
        }
        return true;
    case Command::MemberAdded:
        addOnce(room.memberIds(), ids.value(0));
        room.invitedIds().removeAll(ids.value(0));
        return !ids.isEmpty();
    case Command::MemberRemoved:
        return room.memberIds().removeAll(ids.value(0)) > 0;
    case Command::Invited:
        for (const QByteArray &id : ids) {
            if (!room.memberIds().contains(id))
                addOnce(room.invitedIds(), id);
        }
        return true;
    case Command::InvitationEnded:
        return room.invitedIds().removeAll(ids.value(0)) > 0;
    case Command::Joined:
    case Command::Left:
        room.setJoined(Command(command) == Command::Joined);
        return true;
    case Command::Renamed: {
        const QString name = QString::fromUtf8(ids.value(0)).left(MaxRoomNameChars).trimmed();
        if (name.isEmpty())
            return false;
        room.setDisplayName(name);
        return true;
    }
    case Command::Counter: {
        bool ok = false;
        const int counter = ids.value(0).toInt(&ok);
        if (!ok || counter <= room.counter())
            return false;
        // More than one step: changes went by unseen; the whole document
        // brings them.
        if (counter > room.counter() + 1)
            requestDocument(room.idBytes());
        room.setCounter(counter);
        return true;
    }
    case Command::Removed: {
        const QByteArray id = room.idBytes();
        m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                       [e](const std::unique_ptr<Entry> &x) { return x.get() == e; }),
                        m_entries.end());
        *roomId = id;
        return true;
    }
    default:
        return false;
    }
}

bool RoomDirectory::setJoined(const QByteArray &roomId, bool joined)
{
    Entry *e = entry(roomId);
    if (!e)
        return false;
    e->room->setJoined(joined);
    return true;
}

void RoomDirectory::requestDocument(const QByteArray &roomId)
{
    IHostServices *host = roomsHost(m_core);
    if (!host || roomId.isEmpty() || m_requested.contains(roomId))
        return;
    m_requested.insert(roomId);
    host->sendControl(roomId.constData(), RoomControlText::write(Command::DocumentRequest, {roomId}).constData());
}

void RoomDirectory::onPresence(const QByteArray &id, int status)
{
    if (Entry *e = entry(id))
        e->room->setStatus(status);
}

void RoomDirectory::onRoomUpdated(const IUser *room)
{
    Entry *e = room && room->id() ? entry(QByteArray(room->id())) : nullptr;
    if (!e)
        return;
    // The directory's own state survives the host's copy.
    RoomUserInfo &record = *e->room;
    const int counter = record.counter();
    const bool joined = record.isJoined();
    const QList<QByteArray> members = record.memberIds();
    const QList<QByteArray> invited = record.invitedIds();
    record.assign(room);
    record.setType(1);
    record.setCounter(counter);
    record.setJoined(joined);
    record.memberIds() = members;
    record.invitedIds() = invited;
}

void RoomDirectory::clear()
{
    m_entries.clear();
    m_requested.clear();
}
