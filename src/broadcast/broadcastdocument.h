#pragma once

#include "broadcast/broadcastlock.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

class BroadcastRegistry;
class BroadcastThread;
class BroadcastWindowInterface;

// One broadcast the user composes: its recipients and how far each has
// got, the message once sent, and its composer window. Composing (recipients
// can change), then sending, then completed (recipients fixed). Small jobs
// (fewer than 3 recipients, no pause configured) go out at once on the
// calling thread; others on a BroadcastThread, whose signals arrive here
// queued. Recipient states only move forward: pending, sent, seen.
//
// Owned by its registry; destroying it retires a running thread and
// releases the window. GUI thread only (the thread reaches it through its
// queued signals).
class BroadcastDocument : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(BroadcastDocument)

public:
    enum RecipientState : int {
        Pending = 0,
        Sent = 1,
        Seen = 2,
    };
    struct Recipient
    {
        quint64 peerId = 0;
        int state = Pending;
    };

    // Fewer recipients than this, with no pause configured, go out inline.
    static constexpr int ThreadedFrom = 3;

    // Creates the composer through BroadcastWindowFactory (none without a
    // factory). `registry` is not owned and outlives the document.
    BroadcastDocument(BroadcastRegistry *registry, const QByteArray &id);
    ~BroadcastDocument() override;

    QByteArray id() const { return m_id; }
    BroadcastRegistry *registry() const { return m_registry; }
    BroadcastWindowInterface *window() const { return m_window; }
    // Null until a threaded send started, and after the thread finished.
    BroadcastThread *thread() const;

    bool isStarted() const { return m_started; }
    bool isFinished() const { return m_finished; }
    bool isComposing() const { return !m_started && !m_finished; }
    QString message() const { return m_message; }

    // Sorted by peer id.
    QVector<Recipient> recipients() const;
    int recipientCount() const;
    // The peer's state, -1 when the peer is not a recipient.
    int stateOf(quint64 peerId) const;
    // While composing, each peer not listed yet joins as pending and its row
    // is added; returns how many joined.
    int addRecipients(const QList<quint64> &peerIds);
    // While composing; false when the peer was not listed.
    bool removeRecipient(quint64 peerId);
    // The contact's picture from the host, scaled to `size` (null without one).
    QImage avatar(quint64 peerId, int size) const;

    // Sends `message` (markup) once: nothing while sending or once sent.
    void send(const QString &message);
    // A "seen" receipt from the peer; false when the peer is not listed.
    bool markSeen(quint64 peerId);

    // The composer was closed by the user: it is detached, and the document
    // leaves the registry and is destroyed.
    void windowClosed();

public Q_SLOTS:
    void slotOnMessageSent(quint64 peerID);
    void slotOnMessageSentFailed(quint64 peerID);
    void slotOnSendingFinished();
    void slotOnThreadFinished();

private:
    int indexOf(quint64 peerId) const;
    // Moves the peer's state forward (never back); a missing peer is added.
    void advance(quint64 peerId, int state);
    bool allSeen() const;
    void finishSending();
    void sendInline(const QByteArray &text);
    void sendThreaded(const QString &text);

    mutable BroadcastLock m_lock;
    BroadcastRegistry *const m_registry;
    const QByteArray m_id;
    QVector<Recipient> m_recipients;
    BroadcastWindowInterface *m_window = nullptr; // owned until released
    QPointer<BroadcastThread> m_thread;           // owned; retired when the document goes
    bool m_started = false;
    bool m_finished = false;
    QString m_message;
};
