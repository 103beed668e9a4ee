#include "ui/chat/chatalerts.h"

#include "chat/chatcoreinterface.h"
#include "chat/chatmanager.h"
#include "chat/chatsession.h"
#include "chat/tabbedwindowinterface.h"
#include "platform/windowalert.h"
#include "plugin/records/userobj.h"
#include "render/markupconverter.h"
#include "settings/settingsmanager.h"
#include "ui/chat/alertpolicy.h"
#include "ui/chat/windowgeometrymanager.h"

#include <sdk/ihostservices.h>

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

constexpr int PopupMarkupChars = 2000;

// A window counts as in the user's view when it is the active window; a
// page of the tabbed window when it is also the page in front.
AlertPolicy::Placement placementOf(const QWidget *window, const ChatSession *session, const TabbedWindowInterface *tabbed)
{
    if (tabbed) {
        const QWidget *frame = window->window();
        const bool inView = frame->isActiveWindow() && !frame->isMinimized() && tabbed->isCurrentPage(session);
        return inView ? AlertPolicy::Placement::TabbedActive : AlertPolicy::Placement::TabbedInactive;
    }
    if (window->isMinimized())
        return AlertPolicy::Placement::StandaloneMinimized;
    if (window->isVisible() && window->isActiveWindow())
        return AlertPolicy::Placement::StandaloneActive;
    return AlertPolicy::Placement::StandaloneInactive;
}

} // namespace

ChatAlerts::ChatAlerts(QWidget *window)
    : QObject(window)
    , m_window(window)
{
}

void ChatAlerts::alertIncoming(qint64 messageId, const QByteArray &senderId, const QByteArray &roomId,
                               const QString &text, int flags)
{
    ChatCoreInterface *core = m_session ? m_session->core() : nullptr;
    IHostServices *services = core ? core->hostServices() : nullptr;
    if (!services || m_silenced || core->hostNumberIsZero())
        return;
    UserObj sender;
    if (senderId.isEmpty() || !services->getUser(&sender, senderId.constData()))
        return;
    const bool mustAlert = messageId != 0 && core->takeMustAlert(messageId);
    if (!mustAlert && !m_session->notificationsEnabled())
        return;

    QString title = sender.displayNameString();
    if (!roomId.isEmpty() && roomId != senderId) {
        UserObj room;
        if (services->getUser(&room, roomId.constData()))
            title = tr("%1 in %2").arg(title, room.displayNameString());
    }
    const SettingsManager *settings = core->settings();
    const int playSound = settings ? settings->playSound() : 1;
    const int showNotification = settings ? settings->showNotification() : 2;
    const AlertPolicy::Decision decision =
        AlertPolicy::decide(playSound, showNotification, placementOf(m_window, m_session, tabbedWindow()));

    if (decision.showMinimized) {
        QPointer<QWidget> focus = QApplication::focusWidget();
        if (m_geometry)
            m_geometry->restoreMaximized();
        m_window->showMinimized();
        if (focus)
            focus->setFocus();
    }
    if (decision.sound && !(flags & NudgeAlertFlag))
        core->playMessageSound();
    if (decision.flash || decision.blinkTab)
        flash();
    if (decision.unread)
        m_unread = true;
    if (decision.popup) {
        // A popup shows a line or two; a peer's message may be megabytes.
        const QString plain = MarkupConverter::markupToPlainText(text.left(PopupMarkupChars), services).trimmed();
        services->showPopup("chat", reinterpret_cast<const char16_t *>(title.utf16()),
                            reinterpret_cast<const char16_t *>(plain.utf16()), senderId.constData());
    }
}

TabbedWindowInterface *ChatAlerts::tabbedWindow() const
{
    if (!m_session || !m_session->isInTabbedWindow() || m_window->isWindow() || !m_session->manager())
        return nullptr;
    return m_session->manager()->existingTabbedWindow();
}

void ChatAlerts::flash()
{
    if (TabbedWindowInterface *tabbed = tabbedWindow())
        tabbed->blink(m_session);
    else
        platform::WindowAlert::instance().flash(m_window->window(), 10, 0);
}
