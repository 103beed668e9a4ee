#include "ui/chat/userinfoframe.h"

#include "ui_userinfoframe.h"

#include "lib_kelvan/utf16.h"
#include "plugin/records/imageimpl.h"
#include "shared/sharedresourcemanager.h"
#include "settings/settingsmanager.h"

#include <sdk/ihostservices.h>
#include <sdk/iuser.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

namespace {

using kelvan::fromUtf16;

QIcon skinIcon(IHostServices *host, const char *name)
{
    return host ? QIcon(fromUtf16(host->skinPath(name))) : QIcon();
}

SettingsManager *sharedSettings()
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    return resources ? resources->settings() : nullptr;
}

} // namespace

UserInfoFrame::UserInfoFrame(QWidget *parent)
    : QFrame(parent)
    , m_ui(new Ui::UserInfoFrame)
{
    m_ui->setupUi(this);
    const auto name = [](QWidget *widget, const char *objectName, const char *styleClass) {
        widget->setObjectName(QLatin1String(objectName));
        widget->setProperty("class", QLatin1String(styleClass));
    };
    name(m_ui->btnMoreInfo, "ToggleUserInfo", "Button Chat");
    name(m_ui->btnLeaveRoom, "LeaveRoom", "Button Chat");
    name(m_ui->btnSettingsRoom, "SettingsRoom", "Button Chat");
    name(m_ui->btnClose, "Close", "Button Chat");
    name(m_ui->frmData, "Data", "Frame Chat");
    name(m_ui->lblAvatar, "Avatar", "Label Ormica");
    m_ui->lblNetworkIcon->setProperty("class", QStringLiteral("Label Ormica"));
    m_ui->lblUsername->setProperty("class", QStringLiteral("Label Ormica"));
    m_ui->lblDescription->setProperty("class", QStringLiteral("Label Ormica"));
    m_ui->lblNetworkIcon->setPixmap(QPixmap(QStringLiteral(":/images/network_ormica.png")).scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    QFont nameFont = m_ui->lblUsername->font();
    nameFont.setBold(true);
    m_ui->lblUsername->setFont(nameFont);

    // The room buttons show for rooms (update); a page of the tabbed window
    // shows its close button.
    m_ui->btnLeaveRoom->hide();
    m_ui->btnSettingsRoom->hide();
    m_ui->btnClose->hide();

    connect(m_ui->btnMoreInfo, &QToolButton::toggled, this, &UserInfoFrame::onBtnToggleClicked);
    connect(m_ui->btnClose, &QToolButton::clicked, this, &UserInfoFrame::closeInfo);
    connect(m_ui->btnSettingsRoom, &QToolButton::clicked, this, &UserInfoFrame::roomSettings);
    connect(m_ui->btnLeaveRoom, &QToolButton::clicked, this, &UserInfoFrame::leaveRoom);
    connect(m_ui->frmData, &QFrame::customContextMenuRequested, this, &UserInfoFrame::onUserMessageMenuRequested);

    const SettingsManager *settings = sharedSettings();
    const bool expanded = settings && settings->visibleAvatars();
    {
        const QSignalBlocker blocker(m_ui->btnMoreInfo);
        m_ui->btnMoreInfo->setChecked(expanded);
    }
    setExpanded(expanded);
}

UserInfoFrame::~UserInfoFrame() = default;

void UserInfoFrame::update(const IUser *user, IHostServices *host)
{
    if (!user)
        return;
    m_room = user->type() == 1;
    const QString displayName = fromUtf16(user->displayName());
    const QString status = fromUtf16(user->statusText());
    if (m_room) {
        m_userName = user->isOnline() ? tr("%1 - Chat Room").arg(displayName)
                                      : tr("%1 (%2) - Chat Room").arg(displayName, status);
        m_description.clear();
    } else {
        m_userName = displayName;
        m_description = status;
    }
    m_host = host;
    const char *userName = user->userName();
    m_profileUserId = !m_room && user->id() && userName && *userName ? QByteArray(user->id()) : QByteArray();
    m_ui->lblUsername->setText(m_userName);
    m_ui->lblDescription->setText(m_description);
    m_ui->lblDescription->setVisible(!m_description.isEmpty());
    m_ui->lblNetworkIcon->setVisible(!m_room);
    m_ui->btnLeaveRoom->setVisible(m_room);
    m_ui->btnSettingsRoom->setVisible(m_room);

    QPixmap avatar;
    if (host && user->id()) {
        ImageImpl image;
        if (host->getAvatar(user->id(), &image) && !image.image().isNull())
            avatar = QPixmap::fromImage(image.image().scaled(AvatarSize, AvatarSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    if (avatar.isNull())
        avatar = QPixmap(m_room ? QStringLiteral(":/images/chat_rooms.png") : QStringLiteral(":/images/chat.png"))
                     .scaled(AvatarSize, AvatarSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_ui->lblAvatar->setPixmap(avatar);

    m_ui->btnClose->setIcon(skinIcon(host, "chat/btn_close_tab.png"));
    m_ui->btnLeaveRoom->setIcon(skinIcon(host, "chat/btn_leave_room.png"));
    m_ui->btnSettingsRoom->setIcon(skinIcon(host, "chat/textconferencesettings.png"));
}

void UserInfoFrame::setInTabbedWindow(bool inTab)
{
    m_ui->btnClose->setVisible(inTab);
}

void UserInfoFrame::setRoomButtonsEnabled(bool enabled)
{
    m_ui->btnLeaveRoom->setEnabled(enabled);
    m_ui->btnSettingsRoom->setEnabled(enabled);
}

bool UserInfoFrame::isExpanded() const
{
    return m_ui->btnMoreInfo->isChecked();
}

QString UserInfoFrame::userName() const
{
    return m_userName;
}

QString UserInfoFrame::description() const
{
    return m_description;
}

void UserInfoFrame::setExpanded(bool expanded)
{
    m_ui->frmData->setVisible(expanded);
    m_ui->btnMoreInfo->setArrowType(expanded ? Qt::UpArrow : Qt::DownArrow);
}

void UserInfoFrame::onBtnToggleClicked(bool checked)
{
    setExpanded(checked);
    if (SettingsManager *settings = sharedSettings()) {
        settings->setVisibleAvatars(checked);
        settings->save(false);
    }
}

void UserInfoFrame::onActionCopyUsername()
{
    QGuiApplication::clipboard()->setText(m_userName);
}

void UserInfoFrame::onActionCopyUserMsg()
{
    QGuiApplication::clipboard()->setText(m_description);
}

void UserInfoFrame::onActionUserProfile()
{
    if (m_host && !m_profileUserId.isEmpty())
        m_host->openUserProfile(m_profileUserId.constData(), "user_profile");
}

QMenu *UserInfoFrame::createContextMenu()
{
    auto *menu = new QMenu(this);
    menu->setProperty("class", QStringLiteral("Menu Ormica"));
    menu->addAction(tr("&Copy username"), this, &UserInfoFrame::onActionCopyUsername);
    if (!m_description.isEmpty())
        menu->addAction(tr("&Copy description"), this, &UserInfoFrame::onActionCopyUserMsg);
    if (!m_profileUserId.isEmpty()) {
        QAction *profile = menu->addAction(tr("&View profile"), this, &UserInfoFrame::onActionUserProfile);
        profile->setObjectName(QStringLiteral("user_profile"));
    }
    return menu;
}

void UserInfoFrame::onUserMessageMenuRequested(const QPoint &pos)
{
    QMenu *menu = createContextMenu();
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    menu->popup(m_ui->frmData->mapToGlobal(pos));
}

void UserInfoFrame::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QFrame::changeEvent(event);
}
