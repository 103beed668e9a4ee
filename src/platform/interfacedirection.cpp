#include "platform/interfacedirection.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace platform {

InterfaceDirection &InterfaceDirection::instance()
{
    static InterfaceDirection direction;
    return direction;
}

Qt::LayoutDirection InterfaceDirection::forLanguage(const QString &languageCode)
{
    const QString language = languageCode.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    return language == QLatin1String("ar") || language == QLatin1String("fa") || language == QLatin1String("he")
               ? Qt::RightToLeft
               : Qt::LeftToRight;
}

void InterfaceDirection::setLanguage(const QString &languageCode)
{
    const Qt::LayoutDirection direction = forLanguage(languageCode);
    if (direction == m_direction)
        return;
    m_direction = direction;
    m_windows.removeAll(nullptr);
    for (const QPointer<QWidget> &window : qAsConst(m_windows))
        window->setLayoutDirection(direction);
}

void InterfaceDirection::adopt(QWidget *window)
{
    if (!window)
        return;
    m_windows.removeAll(nullptr);
    if (!isAdopted(window))
        m_windows.append(window);
    window->setLayoutDirection(m_direction);
    // Menus and dialogs are windows of their own and take the application's
    // direction unless told otherwise; they are caught as they appear.
    if (!m_filtering && qApp) {
        qApp->installEventFilter(this);
        m_filtering = true;
    }
}

bool InterfaceDirection::isAdopted(const QWidget *window) const
{
    for (const QPointer<QWidget> &adopted : m_windows) {
        if (adopted == window)
            return true;
    }
    return false;
}

bool InterfaceDirection::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Polish && event->type() != QEvent::Show)
        return false;
    if (!watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (!widget->isWindow() || widget->layoutDirection() == m_direction || isAdopted(widget))
        return false;
    for (QWidget *up = widget->parentWidget(); up; up = up->parentWidget()) {
        if (isAdopted(up->window())) {
            widget->setLayoutDirection(m_direction);
            break;
        }
    }
    return false;
}

} // namespace platform
