#pragma once

#include <QFrame>
#include <QScopedPointer>

class IHostServices;
class IUser;
class QMenu;

namespace Ui {
class UserInfoFrame;
}

// The header above a conversation's history: the peer's avatar, network
// icon, name and status text (or the room's name), a toggle that shows or
// hides those details (remembered as the visible_avatars setting), and the
// close button of a page of the tabbed window.
class UserInfoFrame : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY(UserInfoFrame)

public:
    // The avatar is shown at most this large.
    static constexpr int AvatarSize = 48;

    explicit UserInfoFrame(QWidget *parent = nullptr);
    ~UserInfoFrame() override;

    using QFrame::update;
    // Shows the contact of a one-to-one conversation or a room record. The
    // host (not owned, may be null) provides the avatar and skin icons.
    void update(const IUser *user, IHostServices *host);
    // The close button belongs to pages of the tabbed window only.
    void setInTabbedWindow(bool inTab);
    // A room's settings and leave buttons work once the room is ready.
    void setRoomButtonsEnabled(bool enabled);
    // Whether the details are shown.
    bool isExpanded() const;

    QString userName() const;
    QString description() const;
    // The contact whose profile the context menu offers; empty for rooms
    // and for records without a user name (no profile to show).
    QByteArray profileUserId() const { return m_profileUserId; }
    // The context menu as it would open now (for the caller to exec).
    QMenu *createContextMenu();

Q_SIGNALS:
    void closeInfo();
    void roomSettings();
    void leaveRoom();

public Q_SLOTS:
    void onBtnToggleClicked(bool checked);
    void onActionCopyUsername();
    void onActionCopyUserMsg();
    // Asks the host to open the peer's profile.
    void onActionUserProfile();
    void onUserMessageMenuRequested(const QPoint &pos);

protected:
    void changeEvent(QEvent *event) override;

private:
    void setExpanded(bool expanded);

    QScopedPointer<Ui::UserInfoFrame> m_ui;
    QString m_userName;
    QString m_description;
    QByteArray m_profileUserId;
    IHostServices *m_host = nullptr; // not owned
    bool m_room = false;
};
