#pragma once

#include "chat/chatsession.h"
#include "chat/chatwindowfactory.h"
#include "chat/chatwindowinterface.h"
#include "chat/tabbedwindowinterface.h"

#include <sdk/iuser.h>

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QStringList>

class RecordingWindowFactory;

// A chat window that only writes down what it was asked to do, one line per
// call ("name arg arg"), so tests read a conversation's effect on its window.
class RecordingWindow final : public ChatWindowInterface
{
public:
    RecordingWindow(ChatSession *session, RecordingWindowFactory *factory)
        : m_session(session), m_factory(factory) {}

    ChatSession *session() const { return m_session; }
    QStringList calls() const { QMutexLocker l(&m_lock); return m_calls; }
    bool hidden = true;
    bool canAttach = false;

    void release() override;
    void onNewMessage(IHostMessage *) override { log("onNewMessage"); }
    void appendHtml(const QString &html) override { log("appendHtml " + html); }
    void loadHistory() override { log("loadHistory"); }
    void raiseAlerts(qint64 eventId) override { log("raiseAlerts " + QString::number(eventId)); }
    void showWindow(bool background) override { hidden = false; log(background ? "showWindow background" : "showWindow"); }
    bool isWindowHidden() const override { return hidden; }
    bool attachToTabbedWindow() override { log("attachToTabbedWindow"); if (canAttach) hidden = false; return canAttach; }
    void updateTitle() override { log("updateTitle"); }
    void showTypingNotice(const QByteArray &userId) override { log("showTypingNotice " + userId); }
    void onNudgeReceived(const QByteArray &userId) override { log("onNudgeReceived " + userId); }
    void prepareRoom() override { log("prepareRoom"); }
    void enableInput() override { log("enableInput"); }
    void disableInput() override { log("disableInput"); }
    void memberAdded(const IUser *member) override { log(QStringLiteral("memberAdded ") + member->id()); }
    void memberRemoved(const QByteArray &userId) override { log("memberRemoved " + userId); }
    void memberChanged(const QByteArray &userId) override { log("memberChanged " + userId); }
    void onRoomNotice(const QByteArray &argument) override { log("onRoomNotice " + argument); }
    void onUserPresence(const QByteArray &userId, int status, int value) override
    {
        log("onUserPresence " + userId + ' ' + QString::number(status) + ' ' + QString::number(value));
    }
    void onUserStatusText(const QByteArray &userId, const QString &text) override { log("onUserStatusText " + userId + ' ' + text); }
    void onUserChanged(const QByteArray &userId) override { log("onUserChanged " + userId); }
    void onUserUpdated(const QByteArray &userId) override { log("onUserUpdated " + userId); }
    void onOwnUserChanged() override { log("onOwnUserChanged"); }
    void onOwnProfileA() override { log("onOwnProfileA"); }
    void onOwnProfileB() override { log("onOwnProfileB"); }
    void onOwnProfileC() override { log("onOwnProfileC"); }
    void onConnectionLost() override { log("onConnectionLost"); }
    void onOptionsChanged(int first, int second) override { log("onOptionsChanged " + QString::number(first) + ' ' + QString::number(second)); }
    void onHostNumberChanged(bool isZero) override { log(isZero ? "onHostNumberChanged zero" : "onHostNumberChanged nonzero"); }
    void refresh() override { log("refresh"); }
    void refreshPluginButtons() override { log("refreshPluginButtons"); }
    void notifyUserWindow() override { log("notifyUserWindow"); }
    void onFileTransferChanged(const QByteArray &key, int code) override { log("onFileTransferChanged " + key + ' ' + QString::number(code)); }
    void onPictureTransferChanged(const QByteArray &key, int code) override { log("onPictureTransferChanged " + key + ' ' + QString::number(code)); }
    void redrawPicture(const QByteArray &key, int code) override { log("redrawPicture " + key + ' ' + QString::number(code)); }
    void onConversationEvent(int code, const QList<qint64> &values) override
    {
        QStringList numbers;
        for (qint64 v : values)
            numbers << QString::number(v);
        log("onConversationEvent " + QString::number(code) + ' ' + numbers.join(','));
    }
    void uploadDetails(const QByteArray &key, const QByteArray &details, int code) override
    {
        log("uploadDetails " + key + ' ' + QString::number(code) + ' ' + details);
    }
    void uploadRemoved(const QByteArray &key) override { log("uploadRemoved " + key); }
    void uploadResult(const QByteArray &key, int code, const QList<QByteArray> &values) override
    {
        log("uploadResult " + key + ' ' + QString::number(code) + ' ' + QByteArrayList(values).join(','));
    }
    void uploadProgress(const QByteArray &key, qint64 uploaded, qint64 total) override
    {
        log("uploadProgress " + key + ' ' + QString::number(uploaded) + '/' + QString::number(total));
    }
    void uploadFinished(const QByteArray &key) override { log("uploadFinished " + key); }

private:
    void log(const QString &line) { QMutexLocker l(&m_lock); m_calls << line; }

    ChatSession *m_session;
    RecordingWindowFactory *m_factory;
    mutable QMutex m_lock;
    QStringList m_calls;
};

// A tabbed window that writes down what the manager and the core ask of it.
class RecordingTabbedWindow final : public TabbedWindowInterface
{
public:
    explicit RecordingTabbedWindow(QStringList *calls) : m_calls(calls) {}

    bool attach(ChatSession *) override { return false; }
    void detach(ChatSession *) override {}
    void remove(ChatSession *) override {}
    void showPage(ChatSession *, bool) override {}
    bool isCurrentPage(const ChatSession *) const override { return false; }
    void blink(ChatSession *) override {}
    void setMissedCount(const QByteArray &peerId, qint64 count) override
    {
        *m_calls << "setMissedCount " + QString::fromUtf8(peerId) + ' ' + QString::number(count);
    }
    void recountMissedMessages() override { *m_calls << "recount"; }
    void dispose() override { *m_calls << "dispose"; delete this; }

private:
    QStringList *m_calls;
};

// Makes RecordingWindows and keeps track of them by the conversation's
// first participant.
class RecordingWindowFactory final : public ChatWindowFactory
{
public:
    ChatWindowInterface *createWindow(ChatSession *session) override
    {
        auto *window = new RecordingWindow(session, this);
        window->canAttach = attachable;
        windows.append(window);
        return window;
    }
    TabbedWindowInterface *createTabbedWindow(ChatManager *) override { return new RecordingTabbedWindow(&tabbedCalls); }

    // The live window of the conversation whose first participant has the
    // id, or null.
    RecordingWindow *windowOf(const QByteArray &firstParticipant) const
    {
        for (RecordingWindow *window : windows) {
            if (window->session()->firstParticipantId() == firstParticipant)
                return window;
        }
        return nullptr;
    }
    void reset()
    {
        windows.clear();
        released.clear();
        tabbedCalls.clear();
    }

    bool attachable = false;
    QList<RecordingWindow *> windows; // live ones; the conversations own them
    QStringList released;             // first participant ids of released windows
    QStringList tabbedCalls; // of the tabbed windows it made
};

inline void RecordingWindow::release()
{
    m_factory->windows.removeOne(this);
    m_factory->released.append(QString::fromUtf8(m_session->firstParticipantId()));
    delete this;
}
