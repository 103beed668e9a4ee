#pragma once

#include <QByteArray>
#include <QtGlobal>

class ChatSession;

// The one window that holds conversations as pages, as the conversation
// manager and the chat core see it. The window layer implements it
// (TabbedChatWindow) and the manager creates it through the installed
// ChatWindowFactory on first use; the conversation logic never sees a widget.
//
// A conversation is a page while its in-tab flag is set; attach and detach
// set and clear it. GUI thread only.
class TabbedWindowInterface
{
public:
    virtual ~TabbedWindowInterface() = default;

    // Puts the conversation's window in as a page, makes it the current one
    // and shows the tabbed window. False when the conversation has no window
    // that can be a page.
    virtual bool attach(ChatSession *session) = 0;
    // The page becomes a stand-alone window again and is shown.
    virtual void detach(ChatSession *session) = 0;
    // Takes the page out without showing it: its window is going away.
    virtual void remove(ChatSession *session) = 0;
    // Brings the page up: shows the tabbed window and, unless `background`,
    // makes the page the current one.
    virtual void showPage(ChatSession *session, bool background) = 0;
    // Whether the conversation's page is the one the tabbed window shows.
    virtual bool isCurrentPage(const ChatSession *session) const = 0;
    // Makes the conversation's tab blink its missed-message count.
    virtual void blink(ChatSession *session) = 0;

    // Host event 30: the missed-message count of the peer's tab.
    virtual void setMissedCount(const QByteArray &peerId, qint64 count) = 0;
    // Every tab asks the host for its missed-message count again.
    virtual void recountMissedMessages() = 0;
    // The plug-in is closing everything: the window deletes itself later.
    virtual void dispose() = 0;
};
