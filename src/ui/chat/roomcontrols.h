#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

namespace kelvan {
class ClockTimer;
}
class ChatSession;
class QStatusBar;
class QWidget;
class UpdateRoomDialog;

// What a room's window has beyond a chat window: the wait for the room,
// which ends after PrepareLimitMs with a notice and the offer to close; the
// header's settings (rename) and leave buttons; invitations of contacts
// dropped on the member list or picked through the room action of the
// plug-ins bar; and the rooms service's notices in the status bar.
class RoomControls : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(RoomControls)

public:
    // A room not ready this long after it was asked for will not come.
    static constexpr int PrepareLimitMs = 30000;
    using Session = std::function<ChatSession *()>;
    // Closes the window, leaving the room on the way.
    using Leave = std::function<void()>;

    // `window` and `statusBar` are not owned and outlive this object.
    RoomControls(QWidget *window, QStatusBar *statusBar, Session session, Leave leave, QObject *parent = nullptr);
    ~RoomControls() override;

    // The window waits for its room (again); the time limit starts.
    void preparing();
    // The room is ready: the wait is over.
    void ready();
    // The window shows: the rooms service hears that the room is open.
    void windowShown();
    void showNotice(const QByteArray &argument);
    // The room action: the contacts the host lets the user pick are invited.
    void inviteFromPicker();

    bool isWaiting() const;
    // The open settings dialog, or null.
    UpdateRoomDialog *settingsDialog() const;

public Q_SLOTS:
    void onRoomSettings();
    void onRoomDialogAccepted();
    void onLeaveRoom();
    void onDragDropUsers(const QStringList &userIdList);

private:
    void onPrepareTimeout();
    QString appName() const;

    QWidget *const m_window;
    QStatusBar *const m_statusBar;
    Session m_session;
    Leave m_leave;
    kelvan::ClockTimer *m_prepareTimer = nullptr; // owned (child)
    QPointer<UpdateRoomDialog> m_dialog;          // owned by the window while open
};
