#include "chat/chatwindowfactory.h"

#include <atomic>

namespace {

std::atomic<ChatWindowFactory *> g_factory{nullptr};

} // namespace

ChatWindowFactory *ChatWindowFactory::instance()
{
    return g_factory.load();
}

void ChatWindowFactory::setInstance(ChatWindowFactory *factory)
{
    g_factory.store(factory);
}
