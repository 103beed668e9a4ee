#pragma once

#include "chat/chatwindowfactory.h"

// Gives conversations real windows: a ChatWindow per conversation, and the
// conversation manager its TabbedChatWindow.
// install() makes it the factory ChatSession asks; the plug-in library does
// that when the host creates the plug-in.
class ChatWindowFactoryImpl final : public ChatWindowFactory
{
public:
    ChatWindowInterface *createWindow(ChatSession *session) override;
    TabbedWindowInterface *createTabbedWindow(ChatManager *manager) override;

    // The one instance (lives as long as the library).
    static ChatWindowFactoryImpl &instance();
    // Installs instance() as ChatWindowFactory::instance().
    static void install();
};
