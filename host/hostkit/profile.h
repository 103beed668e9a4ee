#pragma once

#include "contact.h"
#include "result.h"

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QJsonObject>
#include <QVector>

#include <memory>

class QTemporaryDir;

namespace hostkit {

class MessageStore;

// How a scripted peer behaves on the simulated network (see Network).
struct PeerBehaviour
{
    QString reply;            // answer to every message; "%1" stands for the received text; empty: no answer
    qint64 typingAfterMs = 500;  // WRITING this long after a message arrived (when answering)
    qint64 replyAfterMs = 1500;  // the answer this long after a message arrived
    bool refusesNudges = false;  // answers a nudge with NUDGE_DISABLED
    bool nudgesBack = false;     // answers a nudge with a nudge (event 32)
    bool receivesBroadcasts = true; // what canReceiveBroadcast answers for the peer
    qint64 seenAfterMs = -1;     // MESSAGE_SEEN this long after a broadcast reached the peer; negative: never
};

// The user's data the host serves to the plug-in: the own account, the
// contacts and rooms, the signed-in identity, custom statuses, avatars and
// the folders (settings, data, files). A profile lives in a folder
// ("profile.json", "history.sqlite", "avatars/", "settings/<identity>/",
// "data/", "files/", "pictures/") or, for tests, in memory: the store is
// ":memory:" and the folders sit in a temporary folder removed with the
// last copy of the profile.
class Profile
{
public:
    Profile();

    // The default people (no history), an in-memory store.
    static Profile inMemory();
    // Reads folder/profile.json.
    static Profile load(const QString &folder, QString *error);
    // Creates the default profile in the folder (contacts, avatars, a few
    // days of history counted back from `now`). Refuses a folder that
    // already holds a profile.
    static Result createDefault(const QString &folder, const QDateTime &now);
    // load() when the folder holds a profile, createDefault() + load()
    // otherwise.
    static Profile openOrCreate(const QString &folder, const QDateTime &now, QString *error);

    bool isValid() const { return m_valid; }
    bool isInMemory() const { return m_inMemory; }
    QString folder() const;
    QString storePath() const;
    Result save() const;

    Contact &own() { return m_own; }
    const Contact &own() const { return m_own; }
    QString identity() const { return m_identity; }
    void setIdentity(const QString &identity) { m_identity = identity; }

    QVector<Contact> &contacts() { return m_contacts; }
    const QVector<Contact> &contacts() const { return m_contacts; }
    Contact *find(const QByteArray &id);
    const Contact *find(const QByteArray &id) const;
    void addContact(const Contact &contact);

    struct CustomStatusEntry
    {
        int code = -1;
        QString text;
    };
    QVector<CustomStatusEntry> &customStatuses() { return m_customStatuses; }
    const QVector<CustomStatusEntry> &customStatuses() const { return m_customStatuses; }

    // The account on a real network ("xmpp": jid, password, host, port);
    // empty: the host stays on the simulated network.
    QJsonObject xmppAccount() const { return m_xmpp; }
    void setXmppAccount(const QJsonObject &account) { m_xmpp = account; }

    QHash<QByteArray, PeerBehaviour> &peers() { return m_peers; }
    const QHash<QByteArray, PeerBehaviour> &peers() const { return m_peers; }

    // The avatar file when the contact has one, else a picture drawn from
    // the initials (stable colours per id).
    QImage avatar(const QByteArray &id) const;
    static QImage drawnAvatar(const Contact &contact, int size = 64);

    // The default history, applied to a store (createDefault uses it).
    static bool writeDefaultHistory(MessageStore &store, const Profile &profile, const QDateTime &now);

private:
    static QJsonObject defaultDocument();
    Result fromJson(const QJsonObject &document);
    QJsonObject toJson() const;

    bool m_valid = false;
    bool m_inMemory = false;
    QString m_folder;
    std::shared_ptr<QTemporaryDir> m_temporary;
    QString m_identity;
    Contact m_own;
    QVector<Contact> m_contacts;
    QVector<CustomStatusEntry> m_customStatuses;
    QHash<QByteArray, PeerBehaviour> m_peers;
    QJsonObject m_xmpp;
};

} // namespace hostkit
