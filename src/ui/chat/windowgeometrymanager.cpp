#include "ui/chat/windowgeometrymanager.h"

#include "platform/screens.h"
#include "settings/settingsmanager.h"

#include <QEvent>
#include <QWidget>

WindowGeometryManager::WindowGeometryManager(QWidget *window, int kind, SettingsManager *settings)
    : QObject(window)
    , m_window(window)
    , m_kind(kind)
    , m_settings(settings)
{
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(SaveDelayMs);
    connect(&m_saveTimer, &kelvan::ClockTimer::timeout, this, &WindowGeometryManager::onSaveSizeSettings);
    m_maximizeTimer.setSingleShot(true);
    m_maximizeTimer.setInterval(MaximizeDelayMs);
    connect(&m_maximizeTimer, &kelvan::ClockTimer::timeout, this, &WindowGeometryManager::onShowMaximized);
    window->installEventFilter(this);
}

WindowGeometryManager::~WindowGeometryManager()
{
    if (m_saveTimer.isActive()) {
        m_saveTimer.stop();
        if (m_settings && !storedMaximized() && m_lastSize.isValid())
            m_settings->setWindowSize(m_kind, m_lastSize);
    }
}

bool WindowGeometryManager::storedMaximized() const
{
    return m_settings && m_settings->windowMaximized(m_kind);
}

void WindowGeometryManager::restoreSize()
{
    if (!m_window || !m_settings)
        return;
    const QSize size = m_settings->windowSize(m_kind);
    if (size.isValid() && !size.isEmpty())
        m_window->resize(size);
}

void WindowGeometryManager::restoreMaximized()
{
    if (!m_window || !storedMaximized())
        return;
    m_pendingMaximize = true;
    m_window->setWindowState(m_window->windowState() | Qt::WindowMaximized);
}

void WindowGeometryManager::resized()
{
    if (!m_window || m_window->isMaximized() || m_pendingMaximize)
        return;
    m_lastSize = m_window->size();
    m_saveTimer.start();
}

void WindowGeometryManager::onSaveSizeSettings()
{
    m_saveTimer.stop();
    if (!m_window || !m_settings || storedMaximized())
        return;
    m_settings->setWindowSize(m_kind, m_window->size());
}

void WindowGeometryManager::windowStateChanged(bool inTab)
{
    if (!m_window)
        return;
    if (m_pendingMaximize && m_window->isActiveWindow()) {
        m_pendingMaximize = false;
        m_maximizeTimer.start();
        return;
    }
    if (!m_window->isMinimized() && !inTab && m_settings)
        m_settings->setWindowMaximized(m_kind, m_window->isMaximized());
}

void WindowGeometryManager::onShowMaximized()
{
    if (m_window)
        m_window->showMaximized();
}

QRect WindowGeometryManager::fitted(const QRect &frame, const QRect &available)
{
    QRect r = frame;
    if (r.width() > available.width())
        r.setWidth(available.width());
    if (r.height() > available.height())
        r.setHeight(available.height());
    if (r.left() < available.left())
        r.moveLeft(available.left());
    if (r.top() < available.top())
        r.moveTop(available.top());
    if (r.right() > available.right())
        r.moveRight(available.right());
    if (r.bottom() > available.bottom())
        r.moveBottom(available.bottom());
    return r;
}

void WindowGeometryManager::fitToScreen()
{
    // Before the window system made the window its frame is unknown (and
    // Qt reports it a pixel short): the window itself is all there is.
    const QRect frame = m_window->testAttribute(Qt::WA_WState_Created) ? m_window->frameGeometry() : m_window->geometry();
    const QRect available = platform::Screens::instance().availableGeometryAt(frame.center());
    if (available.isEmpty())
        return;
    const QRect fit = fitted(frame, available);
    if (fit.size() != frame.size())
        m_window->resize(m_window->size() - (frame.size() - fit.size()));
    if (fit.topLeft() != frame.topLeft())
        m_window->move(fit.topLeft());
}

void WindowGeometryManager::showWindow(bool background)
{
    if (!m_window)
        return;
    const bool maximized = storedMaximized();
    if (!maximized)
        fitToScreen();
    if (!background) {
        if (maximized) {
            m_pendingMaximize = false;
            m_window->showMaximized();
        } else {
            m_window->showNormal();
        }
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    // In the background a window never takes the user's place: one already
    // shown stays as it is, a new one comes up minimized.
    if (m_window->isVisible() && !m_window->isMinimized())
        return;
    if (maximized)
        restoreMaximized();
    m_window->setWindowState(m_window->windowState() | Qt::WindowMinimized);
    m_window->show();
}

bool WindowGeometryManager::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Resize:
        if (m_window->isWindow())
            resized();
        break;
    case QEvent::WindowStateChange:
        windowStateChanged(!m_window->isWindow());
        break;
    case QEvent::ParentChange:
        // Back on its own after being a page: the stand-alone size again.
        if (m_window->isWindow())
            restoreSize();
        break;
    default:
        break;
    }
    return false;
}
