#pragma once

#include "broadcast/broadcastlimits.h"
#include "broadcast/broadcastlock.h"
#include "broadcast/receivedbroadcast.h"
#include "plugin/records/userobj.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QObject>
#include <QVector>

#include <functional>

class BroadcastDocument;
class BroadcastViewerInterface;
class IHostMessage;
class IHostServices;
class IPlugin;
class IUser;

// The broadcast core of the library: every job the user composes, the
// sending limits the host configures, the "seen" receipts coming back, and
// on the receiving side the viewers of broadcasts from others with the
// receipt each sends when it closes. One per library instance, created by
// the broadcast plug-in object's initialize and destroyed by its shutdown.
//
// GUI thread only; the registry's recursive lock guards its maps and limits
// as each job's lock guards the job.
class BroadcastRegistry : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(BroadcastRegistry)

public:
    // A sender's broadcasts the user has not closed yet.
    struct ViewerRecord
    {
        quint64 senderId = 0;
        UserObj sender;
        QVector<ReceivedBroadcast> messages;
        BroadcastViewerInterface *viewer = nullptr; // owned until released
    };

    // A viewer keeps the newest this many broadcasts of its sender.
    static constexpr int MaxViewerMessages = 100;

    // `host` (the broadcast plug-in's service object) and `plugin` are not
    // owned and outlive the registry.
    BroadcastRegistry(IHostServices *host, IPlugin *plugin);
    // Destroys every job (threads stop) and releases every viewer.
    ~BroadcastRegistry() override;

    // The living registry, or null.
    static BroadcastRegistry *instance();

    IHostServices *host() const { return m_host; }
    IPlugin *plugin() const { return m_plugin; }

    // Typed emoticon aliases become their codes before a broadcast goes out
    // (the catalogue belongs to the shared resources, which hand it in).
    using AliasNormaliser = std::function<QString(const QString &)>;
    void setAliasNormaliser(AliasNormaliser normaliser) { m_normaliser = std::move(normaliser); }
    QString normalised(const QString &message) const;

    // --- Limits ------------------------------------------------------------------------

    // The host's configuration text (BroadcastLimits::read).
    void setOptions(const QByteArray &text);
    BroadcastLimits limits() const;

    // --- Jobs ----------------------------------------------------------------------------

    // "own id_host id_yyyyMMddhhmmss_counter"; the counter then counts on.
    QByteArray makeJobId();
    // A new job for the recipients, its composer shown.
    BroadcastDocument *newJob(const QList<quint64> &recipients);
    BroadcastDocument *document(const QByteArray &jobId) const;
    QList<BroadcastDocument *> documents() const;
    // Takes the job out and destroys it.
    void removeDocument(BroadcastDocument *document);

    // A control record from `sender`: MESSAGE_SEEN marks the sender seen in
    // every job that lists it. Anything else is ignored.
    void onControlMessage(const IUser *sender, const QByteArray &text);

    // --- Received broadcasts ----------------------------------------------------------

    void onBroadcastReceived(const IHostMessage &message);
    const ViewerRecord *viewerRecord(quint64 senderId) const;
    QList<quint64> viewerSenders() const { return m_viewers.keys(); }
    // The user closed the sender's viewer (OK or its close box): the "seen"
    // receipt goes to the sender and the record goes. Only the first call
    // for a record sends.
    void viewerClosed(quint64 senderId);
    // The missed-broadcast event for the user, through the host.
    void postMissedEvent();

    // The host's openConversation: a key naming a job raises its composer;
    // otherwise the sender's viewer opens (or comes up), with the broadcast
    // the key names or else the sender's newest one in the history.
    void openConversation(const QByteArray &userId, const QByteArray &key);

    // --- Notices ----------------------------------------------------------------------

    void onUserChanged(const QByteArray &userId);
    void onUserPresence(const QByteArray &userId, int status);
    // The user is gone from the contacts: out of every job still composed.
    void onUserDeleted(const QByteArray &userId);
    // Composers cannot send until the connection is back: the own user
    // signing in again or a contact's presence other than offline.
    void onConnectionLost();
    bool isConnected() const { return m_connected; }
    void onOwnUserChanged();
    // The settings dialog's OK and the host's option changes.
    void applySettings();
    // Host events 19 and 20 for a picture address.
    void onPictureEvent(int code, const QByteArray &address);

private:
    void setConnected(bool connected);
    ViewerRecord &viewerFor(quint64 senderId);
    void addToViewer(const ReceivedBroadcast &message);
    bool openFromHistory(quint64 senderId, const QByteArray &key);

    static BroadcastRegistry *s_instance;

    mutable BroadcastLock m_lock;
    IHostServices *const m_host; // not owned
    IPlugin *const m_plugin;     // not owned
    AliasNormaliser m_normaliser;
    QMap<QByteArray, BroadcastDocument *> m_documents; // owned
    QMap<quint64, ViewerRecord> m_viewers;
    qint32 m_sequence = 0;
    BroadcastLimits m_limits;
    bool m_connected = true;
};
