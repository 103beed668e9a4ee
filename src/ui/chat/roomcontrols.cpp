#include "ui/chat/roomcontrols.h"

#include "chat/chatcoreinterface.h"
#include "chat/chatsession.h"
#include "lib_kelvan/clocktimer.h"
#include "platform/interfacedirection.h"
#include "platform/prompt.h"
#include "plugin/records/userobj.h"
#include "plugin/records/variableimpl.h"
#include "ui/chat/safetext.h"
#include "ui/chat/updateroomdialog.h"

#include <sdk/ihostservices.h>

#include <QStatusBar>
#include <QWidget>

namespace {

// A notice is a sentence, not a document.
constexpr int MaxNoticeChars = 200;
constexpr int NoticeMs = 10000;

QString roomName(const ChatSession *session)
{
    const UserObj *room = session ? session->firstParticipant() : nullptr;
    return room ? room->displayNameString() : QString();
}

} // namespace

RoomControls::RoomControls(QWidget *window, QStatusBar *statusBar, Session session, Leave leave, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_statusBar(statusBar)
    , m_session(std::move(session))
    , m_leave(std::move(leave))
    , m_prepareTimer(new kelvan::ClockTimer(this))
{
    m_prepareTimer->setSingleShot(true);
    m_prepareTimer->setInterval(PrepareLimitMs);
    connect(m_prepareTimer, &kelvan::ClockTimer::timeout, this, &RoomControls::onPrepareTimeout);
    // The failure reads in red while it shows.
    connect(m_statusBar, &QStatusBar::messageChanged, this, [this](const QString &text) {
        if (text != tr("The chat room could not be prepared."))
            m_statusBar->setStyleSheet(QString());
    });
}

RoomControls::~RoomControls()
{
    delete m_dialog.data();
}

QString RoomControls::appName() const
{
    ChatSession *session = m_session();
    ChatCoreInterface *core = session ? session->core() : nullptr;
    return core ? core->appName() : QString();
}

void RoomControls::preparing()
{
    m_prepareTimer->start();
}

void RoomControls::ready()
{
    m_prepareTimer->stop();
}

UpdateRoomDialog *RoomControls::settingsDialog() const
{
    return m_dialog.data();
}

bool RoomControls::isWaiting() const
{
    return m_prepareTimer->isActive();
}

void RoomControls::onPrepareTimeout()
{
    ChatSession *session = m_session();
    if (!session || session->isRoomReady())
        return;
    const QString failed = tr("The chat room could not be prepared.");
    m_statusBar->showMessage(failed);
    m_statusBar->setStyleSheet(QStringLiteral("color: #c00000;"));
    platform::Prompt::Box box;
    box.title = appName();
    box.text = failed;
    box.informativeText = tr("Do you want to close the window?");
    box.icon = platform::Prompt::Icon::Warning;
    box.buttons = platform::Prompt::Yes | platform::Prompt::No;
    box.defaultButton = platform::Prompt::Yes;
    box.parent = m_window;
    if (platform::Prompt::instance().ask(box) == platform::Prompt::Yes)
        m_window->close();
}

void RoomControls::windowShown()
{
    if (ChatSession *session = m_session())
        session->roomOpened();
}

void RoomControls::showNotice(const QByteArray &argument)
{
    const QString text = SafeText::fileName(QString::fromUtf8(argument.left(4 * MaxNoticeChars)), MaxNoticeChars).trimmed();
    if (!text.isEmpty())
        m_statusBar->showMessage(text, NoticeMs);
}

void RoomControls::onDragDropUsers(const QStringList &userIdList)
{
    ChatSession *session = m_session();
    if (!session || !session->isRoomReady())
        return;
    QList<QByteArray> ids;
    for (const QString &id : userIdList)
        ids.append(id.toUtf8());
    session->inviteToRoom(ids);
}

void RoomControls::inviteFromPicker()
{
    ChatSession *session = m_session();
    ChatCoreInterface *core = session ? session->core() : nullptr;
    IHostServices *host = core ? core->hostServices() : nullptr;
    if (!host || !session->isRoomReady())
        return;
    VariableImpl picked;
    if (host->pickContacts(&picked) <= 0)
        return;
    QList<QByteArray> ids;
    for (const QByteArray &id : picked.bytes().split(','))
        ids.append(id.trimmed());
    session->inviteToRoom(ids);
}

void RoomControls::onRoomSettings()
{
    ChatSession *session = m_session();
    if (!session || !session->isRoomReady())
        return;
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    m_dialog = new UpdateRoomDialog(roomName(session), m_window);
    m_dialog->setObjectName(QStringLiteral("UpdateRoomDialog"));
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    platform::InterfaceDirection::instance().adopt(m_dialog);
    connect(m_dialog, &QDialog::accepted, this, &RoomControls::onRoomDialogAccepted);
    m_dialog->show();
}

void RoomControls::onRoomDialogAccepted()
{
    ChatSession *session = m_session();
    if (!session || !m_dialog)
        return;
    const QString name = m_dialog->displayName();
    if (!name.isEmpty() && name != roomName(session))
        session->renameRoom(name);
}

void RoomControls::onLeaveRoom()
{
    ChatSession *session = m_session();
    if (!session)
        return;
    if (platform::Prompt::confirm(m_window, appName(),
                                  tr("Are you sure you want to leave the chat room \"%1\"?").arg(roomName(session)),
                                  platform::Prompt::Yes))
        m_leave();
}
