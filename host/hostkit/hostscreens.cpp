#include "hostscreens.h"

#include <QRegularExpression>

namespace hostkit {

namespace {

bool parseRect(const QString &text, QRect *out)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})([+-]\\d{1,5})([+-]\\d{1,5})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch() || m.captured(1).toInt() < 1 || m.captured(2).toInt() < 1)
        return false;
    *out = QRect(m.captured(3).toInt(), m.captured(4).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
    return true;
}

bool fill(const QRect &rect, HostRect *out)
{
    if (!out)
        return false;
    *out = HostRect{rect.x(), rect.y(), rect.width(), rect.height()};
    return true;
}

} // namespace

bool HostScreens::parse(const QString &text, Screen *out, QString *error)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    Screen screen;
    if (parts.size() > 2 || !parseRect(parts.at(0), &screen.geometry)
        || (parts.size() == 2 && !parseRect(parts.at(1), &screen.available))) {
        *error = QStringLiteral("\"%1\" is not a screen as WxH+X+Y[:WxH+X+Y]").arg(text);
        return false;
    }
    if (parts.size() == 1)
        screen.available = screen.geometry;
    if (!screen.geometry.contains(screen.available)) {
        *error = QStringLiteral("\"%1\": the available part lies outside the screen").arg(text);
        return false;
    }
    *out = screen;
    return true;
}

int HostScreens::screenCount()
{
    return m_screens.size();
}

bool HostScreens::geometry(int index, HostRect *out)
{
    return index >= 0 && index < m_screens.size() && fill(m_screens.at(index).geometry, out);
}

bool HostScreens::availableGeometry(int index, HostRect *out)
{
    return index >= 0 && index < m_screens.size() && fill(m_screens.at(index).available, out);
}

} // namespace hostkit
