#pragma once

#include <QByteArray>
#include <QtGlobal>

class ChatSession;
class ChatWindowInterface;

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

    // Host event 30: an id and a number for the tabbed window.
    virtual void tabbedWindowEvent(const QByteArray &id, qint64 number) { Q_UNUSED(id) Q_UNUSED(number) }
    // Every window has refreshed; the tabbed window recounts missed messages.
    virtual void recountMissedMessages() {}
    // Every conversation is gone: schedule the tabbed window for deletion.
    virtual void closeTabbedWindow() {}

    // The installed factory, or null.
    static ChatWindowFactory *instance();
    // Installs a factory (not owned); null removes it. Windows already
    // created stay with their conversations.
    static void setInstance(ChatWindowFactory *factory);
};
