#pragma once

#include <QtGlobal>

class BroadcastDocument;
class BroadcastRegistry;
class BroadcastViewerInterface;
class BroadcastWindowInterface;

// Where broadcast jobs and received broadcasts get their windows. The window
// layer installs its factory once; without one (in logic tests) jobs and
// viewer records work without windows.
class BroadcastWindowFactory
{
public:
    virtual ~BroadcastWindowFactory() = default;

    // A hidden composer for `document`, which owns it. May return null.
    virtual BroadcastWindowInterface *createComposer(BroadcastDocument *document) = 0;
    // A hidden viewer of the broadcasts of `senderId`, owned by the
    // registry. May return null.
    virtual BroadcastViewerInterface *createViewer(BroadcastRegistry *registry, quint64 senderId) = 0;

    static BroadcastWindowFactory *instance();
    // Installs a factory (not owned); null removes it.
    static void setInstance(BroadcastWindowFactory *factory);
};
