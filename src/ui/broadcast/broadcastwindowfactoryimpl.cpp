#include "ui/broadcast/broadcastwindowfactoryimpl.h"

#include "platform/interfacedirection.h"
#include "ui/broadcast/broadcastviewer.h"
#include "ui/broadcast/broadcastwindow.h"

BroadcastWindowInterface *BroadcastWindowFactoryImpl::createComposer(BroadcastDocument *document)
{
    auto *window = new BroadcastWindow(document);
    platform::InterfaceDirection::instance().adopt(window);
    return window;
}

BroadcastViewerInterface *BroadcastWindowFactoryImpl::createViewer(BroadcastRegistry *registry, quint64 senderId)
{
    auto *viewer = new BroadcastViewer(registry, senderId);
    platform::InterfaceDirection::instance().adopt(viewer);
    return viewer;
}

BroadcastWindowFactoryImpl &BroadcastWindowFactoryImpl::instance()
{
    static BroadcastWindowFactoryImpl factory;
    return factory;
}

void BroadcastWindowFactoryImpl::install()
{
    BroadcastWindowFactory::setInstance(&instance());
}
