#include "ui/broadcast/broadcastwindowfactoryimpl.h"

#include "ui/broadcast/broadcastviewer.h"
#include "ui/broadcast/broadcastwindow.h"

BroadcastWindowInterface *BroadcastWindowFactoryImpl::createComposer(BroadcastDocument *document)
{
    return new BroadcastWindow(document);
}

BroadcastViewerInterface *BroadcastWindowFactoryImpl::createViewer(BroadcastRegistry *registry, quint64 senderId)
{
    return new BroadcastViewer(registry, senderId);
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
