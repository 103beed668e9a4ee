#pragma once

#include <QByteArray>
#include <QtGlobal>

class ChatManager;
class ChatSession;
class ChatWindowInterface;
class TabbedWindowInterface;

// Where conversations get their windows, and the one tabbed window that the
// conversation manager reaches through it. The window layer installs its
// factory once; without one (no window layer linked in, or in logic tests)
// conversations work without a window and these hooks do nothing.
class ChatWindowFactory
{
public:
    virtual ~ChatWindowFactory() = default;

    // A new window for `session`, hidden, with no parent. The session owns
    // the result (see ChatWindowInterface). May return null.
    virtual ChatWindowInterface *createWindow(ChatSession *session) = 0;

    // The tabbed window of `manager` (not owned; it outlives the window),
    // hidden. The manager owns the result until it calls dispose(). May
    // return null: conversations then stay stand-alone.
    virtual TabbedWindowInterface *createTabbedWindow(ChatManager *manager)
    {
        Q_UNUSED(manager)
        return nullptr;
    }

    // The installed factory, or null.
    static ChatWindowFactory *instance();
    // Installs a factory (not owned); null removes it. Windows already
    // created stay with their conversations.
    static void setInstance(ChatWindowFactory *factory);
};
