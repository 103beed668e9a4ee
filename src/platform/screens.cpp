#include "screens.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

namespace {

class ToolkitScreens final : public Screens
{
public:
    QRect primaryGeometry() const override
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    }
    QRect primaryAvailableGeometry() const override
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    }
    QList<QRect> availableGeometries() const override
    {
        QList<QRect> result;
        const QScreen *primary = QGuiApplication::primaryScreen();
        if (primary)
            result.append(primary->availableGeometry());
        for (const QScreen *screen : QGuiApplication::screens()) {
            if (screen != primary)
                result.append(screen->availableGeometry());
        }
        if (result.isEmpty())
            result.append(QRect(0, 0, 1024, 768));
        return result;
    }
};

Screens *g_installed = nullptr;

} // namespace

QRect Screens::availableGeometryAt(const QPoint &point) const
{
    const QList<QRect> all = availableGeometries();
    for (const QRect &rect : all) {
        if (rect.contains(point))
            return rect;
    }
    return all.isEmpty() ? QRect() : all.first();
}

Screens &Screens::instance()
{
    return g_installed ? *g_installed : machine();
}

Screens *Screens::installed()
{
    return g_installed;
}

Screens &Screens::machine()
{
    static ToolkitScreens toolkit;
    return toolkit;
}

void Screens::setInstance(Screens *screens)
{
    g_installed = screens;
}

FixedScreens::FixedScreens(const QRect &geometry, const QRect &available)
    : m_geometries{geometry}
    , m_available{available}
{
}

FixedScreens::FixedScreens(const QList<QRect> &geometries, const QList<QRect> &available)
    : m_geometries(geometries)
    , m_available(available)
{
}

QRect FixedScreens::primaryGeometry() const
{
    return m_geometries.value(0);
}

QRect FixedScreens::primaryAvailableGeometry() const
{
    return m_available.value(0);
}

QList<QRect> FixedScreens::availableGeometries() const
{
    return m_available;
}

} // namespace platform
