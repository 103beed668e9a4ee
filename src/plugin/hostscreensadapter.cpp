#include "plugin/hostscreensadapter.h"

#include <sdk/ihostscreens.h>
#include <sdk/ihostservices.h>

#include <algorithm>

namespace {

// More screens than any desk holds: a host answering nonsense costs no more.
constexpr int kMaxScreens = 16;

bool toRect(bool answered, const HostRect &r, QRect *out)
{
    if (!answered || r.width <= 0 || r.height <= 0)
        return false;
    *out = QRect(r.x, r.y, r.width, r.height);
    return true;
}

} // namespace

HostScreensAdapter &HostScreensAdapter::adapter()
{
    static HostScreensAdapter instance;
    return instance;
}

void HostScreensAdapter::install(IHostServices *host)
{
    IHostScreens *screens = host ? host->hostScreens() : nullptr;
    HostScreensAdapter &self = adapter();
    if (!screens || (platform::Screens::installed() && platform::Screens::installed() != &self))
        return;
    self.m_screens = screens;
    platform::Screens::setInstance(&self);
}

void HostScreensAdapter::uninstall()
{
    if (platform::Screens::installed() == &adapter())
        platform::Screens::setInstance(nullptr);
}

// Whatever the host leaves unanswered comes from the machine.

QRect HostScreensAdapter::primaryGeometry() const
{
    HostRect r;
    QRect out;
    return toRect(m_screens->geometry(0, &r), r, &out) ? out : machine().primaryGeometry();
}

QRect HostScreensAdapter::primaryAvailableGeometry() const
{
    HostRect r;
    QRect out;
    return toRect(m_screens->availableGeometry(0, &r), r, &out) ? out : machine().primaryAvailableGeometry();
}

QList<QRect> HostScreensAdapter::availableGeometries() const
{
    QList<QRect> result;
    const int count = std::min(m_screens->screenCount(), kMaxScreens);
    for (int i = 0; i < count; ++i) {
        HostRect r;
        QRect rect;
        if (toRect(m_screens->availableGeometry(i, &r), r, &rect))
            result.append(rect);
    }
    return result.isEmpty() ? machine().availableGeometries() : result;
}
