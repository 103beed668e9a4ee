#include "platform/interfacedirection.h"

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
}

bool InterfaceDirection::isAdopted(const QWidget *window) const
{
    for (const QPointer<QWidget> &adopted : m_windows) {
        if (adopted == window)
            return true;
    }
    return false;
}

} // namespace platform
