#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>

#include <memory>
#include <vector>

class ChatCoreInterface;
class IUser;
class RoomUserInfo;

// The rooms the plug-in has heard of from the rooms service, whether or not
// a window shows them: one record per room id with its members, the
// contacts invited, whether the own account is in it, and the request
// number the service's document bound to it. The service keeps it current
// with room control texts (RoomControlText); a room window that opens takes
// its members from here instead of waiting for the service.
//
// Owned by the chat core. GUI thread only.
class RoomDirectory
{
public:
    // `core` (not owned) names the rooms host service: getUser for new
    // records, sendControl for document requests.
    explicit RoomDirectory(ChatCoreInterface *core);
    ~RoomDirectory();
    Q_DISABLE_COPY(RoomDirectory)

    // Applies every record of a control text in order; unknown commands and
    // records missing their fields are skipped. Returns the ids of the
    // rooms whose record changed (or went), each once, in order.
    QList<QByteArray> apply(const QByteArray &text);

    // Null when the directory has no document of the room.
    const RoomUserInfo *find(const QByteArray &roomId) const;
    // The room a request number is bound to. A miss writes the warning
    // line "Warning! Unable to locate chat room document: roomReq=N" and
    // answers an empty id: the caller drops the request.
    QByteArray roomOfRequest(int request) const;
    int count() const { return int(m_entries.size()); }

    // The own account joined (or left) the room; false without a record.
    bool setJoined(const QByteArray &roomId, bool joined);
    // Asks the service for the document of `roomId` (command 3), once until
    // a document of that room arrives.
    void requestDocument(const QByteArray &roomId);

    // The host's notices about a record (presence, changed room details);
    // ids that are no room here are ignored.
    void onPresence(const QByteArray &id, int status);
    void onRoomUpdated(const IUser *room);

    // Every record goes (the connection to the service was lost).
    void clear();

private:
    struct Entry;

    Entry *entry(const QByteArray &roomId) const;
    Entry *entryOfRequest(const QByteArray &field) const;
    bool applyRecord(int command, const QList<QByteArray> &fields, QByteArray *roomId);
    bool applyDocument(const QList<QByteArray> &fields, QByteArray *roomId);

    ChatCoreInterface *const m_core; // not owned
    std::vector<std::unique_ptr<Entry>> m_entries;
    QSet<QByteArray> m_requested; // documents asked for and not yet come
};
