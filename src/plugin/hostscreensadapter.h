#pragma once

#include "platform/screens.h"

class IHostScreens;
class IHostServices;

// The screens windows are laid out on while the host names its own
// (hostScreens, slot 159), so that first-start window sizes follow the
// host's configuration rather than the machine's.
class HostScreensAdapter final : public platform::Screens
{
public:
    // Installs the host's screens when it offers them; screens installed by
    // someone else (a test linking the library's parts) stay.
    static void install(IHostServices *host);
    static void uninstall();

    QRect primaryGeometry() const override;
    QRect primaryAvailableGeometry() const override;
    QList<QRect> availableGeometries() const override;

private:
    HostScreensAdapter() = default;
    static HostScreensAdapter &adapter();

    IHostScreens *m_screens = nullptr; // host-owned
};
