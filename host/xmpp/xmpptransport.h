#pragma once

#include "hostkit/network.h"

#include <QObject>
#include <QHash>
#include <QQueue>
#include <QString>
#include <QTimer>
#include <QXmppConfiguration.h>

#include <memory>
#include <optional>

class QXmppClient;
class QXmppMessage;
class QXmppPresence;
class QXmppVCardIq;

namespace hostkit {

struct Contact;
class Host;
class Profile;
class XmppArchive;
class XmppFileShare;

// The host's network when the profile holds an XMPP account: the roster
// becomes the contacts (with presence), what the plug-in sends goes out as
// messages whose body is the library's markup, what arrives is stored and
// delivered to onMessage, and the server's archive fills the store on every
// fresh sign-in. Message-level commands travel as the protocol's own
// extensions (correction, retraction, reactions, replies), since event ids
// are each store's own; the store keeps the network's ids beside them.
// Everything runs on the host's thread.
class XmppTransport : public QObject, public NetworkTransport
{
    Q_OBJECT

public:
    struct Account
    {
        QString jid;      // bare JID
        QString password;
        QString host;     // empty: the JID's domain
        quint16 port = 5222;
        QString nick;     // in rooms; empty: the JID's local part
    };
    // The profile's "xmpp" object; nothing when it has none (or no JID).
    static std::optional<Account> accountOf(const Profile &profile);

    XmppTransport(Host &host, const Account &account, QObject *parent = nullptr);
    ~XmppTransport() override;
    Q_DISABLE_COPY(XmppTransport)

    void connectToServer();
    void disconnectFromServer();
    bool isConnected() const;
    // Messages written while offline wait here until the connection returns.
    int queuedCount() const { return m_queue.size(); }
    const Account &account() const { return m_account; }
    // The contact standing for a JID, created (with the next free id) when
    // it is new; null for the own JID or one that is not a JID.
    const Contact *contactFor(const QString &bareJid, const QString &name = QString());

    // NetworkTransport
    void sendMessage(const QByteArray &recipient, const QByteArray &sessionKey, const QByteArray &body,
                     qint64 eventId) override;
    void sendControl(const QByteArray &recipient, const QByteArray &text) override;
    void markedSeen(const QByteArray &conversation) override;

    // What a received stanza does to the store and the plug-in; `archiveId`
    // is set for the archive's copies. Public for the fuzz target.
    void handleMessage(const QXmppMessage &message, const QString &archiveId = QString());

Q_SIGNALS:
    void connected();
    void disconnected();
    void rosterReceived();
    // The archive query of a sign-in has come to its end.
    void historyLoaded(int messages);
    // A message was stored (or a stored one changed) from the network.
    void messageHandled(qint64 eventId);
    // A chat state, attention or control record was passed on.
    void controlHandled(const QByteArray &from);
    void messageSentOut(const QString &id);
    // A contact's picture came from its vCard (saved under avatars/).
    void avatarChanged(const QByteArray &contactId);

private:
    void onConnected();
    void onDisconnected();
    void onRosterReceived();
    void onPresenceChanged(const QString &bareJid);
    void send(QXmppMessage message);
    void scheduleReconnect();
    void joinRooms();
    void publishOwnCard();
    void onVCard(const QXmppVCardIq &card);
    // Who is in a room the profile holds: its members.
    void onRoomPresence(const QXmppPresence &presence);
    QString jidOf(const QByteArray &contactId) const;
    bool isRoom(const QByteArray &contactId) const;
    qint64 senderInRoom(const QString &nick) const;
    void storeFromArchive(const QXmppMessage &message, const QByteArray &conversation, qint64 sender, bool received,
                          const QByteArray &body, const QByteArray &originId, const QByteArray &archiveId);

    Host &m_host;
    Account m_account;
    std::unique_ptr<QXmppClient> m_client;
    XmppArchive *m_archive = nullptr; // owned by the client
    XmppFileShare *m_fileShare = nullptr;
    QQueue<QXmppMessage> m_queue;
    bool m_wasConnected = false;
    bool m_wanted = false; // connected unless the user disconnected
    QXmppConfiguration m_config;
    QTimer m_reconnect;
    int m_reconnectDelayMs = 250;
};

} // namespace hostkit
