#pragma once

#include <QByteArray>

class ReceivedBroadcast;

// What the registry tells the viewer of a sender's broadcasts. The registry
// owns the viewer until it calls release(); a viewer the user closes (OK or
// its close box) tells the registry (BroadcastRegistry::viewerClosed) and is
// not called again. GUI thread only.
class BroadcastViewerInterface
{
public:
    virtual ~BroadcastViewerInterface() = default;

    virtual void release() = 0;
    // A broadcast arrived: shown, with the alerts the settings ask for.
    virtual void addMessage(const ReceivedBroadcast &message) = 0;
    // Brings the viewer up, normal, raised and activated.
    virtual void raiseWindow() = 0;
    // The sender's record changed (name, picture, status).
    virtual void refreshSender() = 0;
    virtual void applySettings() = 0;
    // A picture the messages show arrived (19) or will not (20).
    virtual void pictureChanged(const QByteArray &address, int code) = 0;
};
