#pragma once

#include "broadcast/broadcastwindowfactory.h"

// Gives broadcast jobs their composer (BroadcastWindow) and received
// broadcasts their viewer (BroadcastViewer). install() makes it the factory
// the broadcast core asks; the plug-in library does that when the host
// creates the plug-in.
class BroadcastWindowFactoryImpl final : public BroadcastWindowFactory
{
public:
    BroadcastWindowInterface *createComposer(BroadcastDocument *document) override;
    BroadcastViewerInterface *createViewer(BroadcastRegistry *registry, quint64 senderId) override;

    static BroadcastWindowFactoryImpl &instance();
    static void install();
};
