#pragma once

#include <QByteArray>
#include <QtGlobal>

// What a broadcast job tells its composer window, and what the registry
// tells every composer. The job owns its window until it calls release();
// a window the user closes tells its job (BroadcastDocument::windowClosed)
// and is not called again. GUI thread only.
class BroadcastWindowInterface
{
public:
    virtual ~BroadcastWindowInterface() = default;

    // The job is going: the window hides and deletes itself later.
    virtual void release() = 0;
    virtual void showWindow() = 0;

    virtual void recipientAdded(quint64 peerId) = 0;
    virtual void recipientRemoved(quint64 peerId) = 0;
    // Sending began, to this many recipients.
    virtual void sendingStarted(int recipients) = 0;
    virtual void peerSent(quint64 peerId) = 0;
    virtual void peerFailed(quint64 peerId) = 0;
    virtual void peerSeen(quint64 peerId) = 0;
    virtual void seenByAll() = 0;
    virtual void sendingCompleted() = 0;

    // The settings or the own user changed; a contact's name, picture or
    // status changed; the connection to the server went or came back.
    virtual void applySettings() = 0;
    virtual void refreshRecipient(quint64 peerId) = 0;
    virtual void setConnected(bool connected) = 0;
};
