#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

class IHostMessage;
class IUser;

// Everything a conversation (ChatSession) and the chat core (Chat) ask of a
// conversation's window. The chat window implements it; the conversation
// logic sees windows only through this interface, so it builds and is tested
// without widgets.
//
// Ownership: a conversation owns its window from creation (through the
// installed ChatWindowFactory) until either
//   - the conversation goes away first: it calls release(), after which it
//     never touches the window again, or
//   - the window closes first: the window calls ChatSession::windowClosed(),
//     after which the conversation never touches the window again, and the
//     window disposes of itself.
//
// Threads: every operation is called on the GUI thread, except appendHtml(),
// loadHistory() and raiseAlerts(), which a conversation may call from any
// thread; implementations queue those to the GUI thread.
//
// User ids, room ids and transfer keys are the host's UTF-8 identifiers.
class ChatWindowInterface
{
public:
    virtual ~ChatWindowInterface() = default;

    // The conversation is done with the window: take it out of the tabbed
    // window if it is a page there, and destroy it (a widget may defer the
    // deletion). The conversation pointer the window holds is invalid from
    // here on.
    virtual void release() = 0;

    // --- Messages and history ---------------------------------------------

    // A message arrived for the conversation (received, or sent from another
    // place). The window renders what it has not shown yet and raises the
    // alerts. `message` is host-owned and valid only during the call.
    virtual void onNewMessage(IHostMessage *message) = 0;
    // Appends an HTML fragment to the history (loads the whole history
    // instead while it was never loaded). Any thread.
    virtual void appendHtml(const QString &html) = 0;
    // Renders the whole stored history anew. Any thread.
    virtual void loadHistory() = 0;
    // Sound, popup, flashing and unread mark for one stored message. Any thread.
    virtual void raiseAlerts(qint64 eventId) = 0;

    // --- Showing -----------------------------------------------------------

    // Brings the window up; `background` shows it without taking the focus
    // or activating it.
    virtual void showWindow(bool background) = 0;
    virtual bool isWindowHidden() const = 0;
    // Puts the window into the tabbed window as a page (which shows the
    // tabbed window). False when there is no tabbed window to attach to;
    // the conversation then shows the window stand-alone.
    virtual bool attachToTabbedWindow() = 0;
    // The conversation's title changed (peer name, status, room name).
    virtual void updateTitle() = 0;

    // --- Notices from peers ------------------------------------------------

    // "%1 is typing..." for the member with that id.
    virtual void showTypingNotice(const QByteArray &userId) = 0;
    // Shows the nudge and shakes the window.
    virtual void onNudgeReceived(const QByteArray &userId) = 0;

    // --- Rooms ---------------------------------------------------------------

    // The room is being created or joined: input stays disabled and the
    // status bar says so.
    virtual void prepareRoom() = 0;
    virtual void enableInput() = 0;
    virtual void disableInput() = 0;
    // Participant list. `member` is owned by the conversation and stays valid
    // until the matching memberRemoved() or release().
    virtual void memberAdded(const IUser *member) = 0;
    virtual void memberRemoved(const QByteArray &userId) = 0;
    // The record of a member changed in place (name, status, flags).
    virtual void memberChanged(const QByteArray &userId) = 0;
    // A notice of the rooms service for this room.
    virtual void onRoomNotice(const QByteArray &argument) = 0;

    // --- Notices fanned out to every conversation -----------------------------

    // The conversation's own participant records have already been updated
    // when these arrive; the window redraws what shows them.
    virtual void onUserPresence(const QByteArray &userId, int status, int value) = 0;
    virtual void onUserStatusText(const QByteArray &userId, const QString &statusText) = 0;
    virtual void onUserChanged(const QByteArray &userId) = 0;
    virtual void onUserUpdated(const QByteArray &userId) = 0;
    // The own account's record changed (name, avatar). The three profile
    // notices of the host are kept apart because each redraws something else.
    virtual void onOwnUserChanged() = 0;
    virtual void onOwnProfileA() = 0;
    virtual void onOwnProfileB() = 0;
    virtual void onOwnProfileC() = 0;
    // Every participant is shown offline by now.
    virtual void onConnectionLost() = 0;
    virtual void onOptionsChanged(int first, int second) = 0;
    // `isZero`: the host's number is zero, which silences alerts.
    virtual void onHostNumberChanged(bool isZero) = 0;
    // The settings dialog stored new preferences: text format, big
    // emoticons, spell checking and language take effect now.
    virtual void applySettings() {}
    // Redraw everything (resources reloaded, the host asked for it).
    virtual void refresh() = 0;
    // Rebuild the buttons other plug-ins place in the window.
    virtual void refreshPluginButtons() = 0;
    // The host's notifyUserWindow for the peer of this one-to-one conversation.
    virtual void notifyUserWindow() = 0;

    // --- Transfers shown in the history ------------------------------------------

    // File transfer `transferKey` changed state (host event `code`, 4 to 6):
    // redraw its file icon and refresh the history view.
    virtual void onFileTransferChanged(const QByteArray &transferKey, int code) = 0;
    // Picture transfer changed state (13 to 15: placeholder, broken, loaded).
    virtual void onPictureTransferChanged(const QByteArray &transferKey, int code) = 0;
    // Redraw the picture of `transferKey` from the host's current state (19, 20).
    virtual void redrawPicture(const QByteArray &transferKey, int code) = 0;
    // Host events 34 to 37 for this conversation: the numbers after the
    // conversation id.
    virtual void onConversationEvent(int code, const QList<qint64> &values) = 0;

    // --- Uploads list ------------------------------------------------------

    // Details of an upload as the host describes it (events 7, 16).
    virtual void uploadDetails(const QByteArray &transferKey, const QByteArray &details, int code) = 0;
    // The upload left the list (event 8).
    virtual void uploadRemoved(const QByteArray &transferKey) = 0;
    // The result of an upload (events 10, 11, 18): the data's fields after the key.
    virtual void uploadResult(const QByteArray &transferKey, int code, const QList<QByteArray> &values) = 0;
    // Progress in bytes (event 12).
    virtual void uploadProgress(const QByteArray &transferKey, qint64 uploaded, qint64 total) = 0;
    // The file or picture message of the upload was sent.
    virtual void uploadFinished(const QByteArray &transferKey) = 0;
};
