#include "ui/chat/chatwindowfactoryimpl.h"

#include "platform/interfacedirection.h"
#include "ui/chat/chatwindow.h"
#include "ui/chat/tabbedchatwindow.h"

#include <QApplication>

ChatWindowInterface *ChatWindowFactoryImpl::createWindow(ChatSession *session)
{
    // Windows need a widget application; a host without one gets
    // conversations without windows.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return nullptr;
    auto *window = new ChatWindow(nullptr, session);
    platform::InterfaceDirection::instance().adopt(window);
    return window;
}

TabbedWindowInterface *ChatWindowFactoryImpl::createTabbedWindow(ChatManager *manager)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return nullptr;
    auto *window = new TabbedChatWindow(manager);
    platform::InterfaceDirection::instance().adopt(window);
    return window;
}

ChatWindowFactoryImpl &ChatWindowFactoryImpl::instance()
{
    static ChatWindowFactoryImpl factory;
    return factory;
}

void ChatWindowFactoryImpl::install()
{
    ChatWindowFactory::setInstance(&instance());
}
