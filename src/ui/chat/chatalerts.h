#pragma once

#include <QObject>

class ChatSession;
class QWidget;
class TabbedWindowInterface;
class WindowGeometryManager;

// How a chat window gets the user's attention for a message or a nudge:
// sound, popup, window flashing and the unread mark, as the settings and
// the window's placement decide (AlertPolicy). A page of the tabbed window
// blinks its tab where a stand-alone window flashes. GUI thread only.
class ChatAlerts : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ChatAlerts)

public:
    // The flag alertIncoming() gets for a nudge: its own sound has played.
    static constexpr int NudgeAlertFlag = 1;

    // `window` is the chat window (not owned; it owns this object).
    explicit ChatAlerts(QWidget *window);

    // The conversation (not owned); null once the window closed.
    void setConversation(ChatSession *session) { m_session = session; }
    // Slot 57: while the host's number is zero nothing alerts.
    void setSilenced(bool silenced) { m_silenced = silenced; }
    // The window's geometry memory (not owned): a minimized window brought
    // up by an alert gets its stored maximized state back.
    void setGeometry(WindowGeometryManager *geometry) { m_geometry = geometry; }

    // Sound, popup, flashing and unread mark for a message (or a nudge)
    // from `senderId`. `roomId` is empty outside rooms; `text` is markup.
    void alertIncoming(qint64 messageId, const QByteArray &senderId, const QByteArray &roomId, const QString &text,
                       int flags);
    // Flashes the window's taskbar entry until the user comes to it, or
    // blinks its tab when the window is a page of the tabbed window.
    void flash();

    bool hasUnreadMark() const { return m_unread; }
    void clearUnreadMark() { m_unread = false; }

private:
    // The tabbed window holding the window as a page, or null.
    TabbedWindowInterface *tabbedWindow() const;

    QWidget *const m_window;
    WindowGeometryManager *m_geometry = nullptr;
    ChatSession *m_session = nullptr;
    bool m_silenced = false;
    bool m_unread = false;
};
