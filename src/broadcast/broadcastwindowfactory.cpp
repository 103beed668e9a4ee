#include "broadcast/broadcastwindowfactory.h"

#include <atomic>

namespace {

std::atomic<BroadcastWindowFactory *> g_factory{nullptr};

} // namespace

BroadcastWindowFactory *BroadcastWindowFactory::instance()
{
    return g_factory.load();
}

void BroadcastWindowFactory::setInstance(BroadcastWindowFactory *factory)
{
    g_factory.store(factory);
}
