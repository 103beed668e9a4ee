#include "desktop.h"

#include <QDesktopServices>

namespace platform {

namespace {

class ToolkitDesktop final : public Desktop
{
public:
    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

Desktop *g_installed = nullptr;

} // namespace

Desktop &Desktop::instance()
{
    static ToolkitDesktop toolkit;
    return g_installed ? *g_installed : toolkit;
}

void Desktop::setInstance(Desktop *desktop)
{
    g_installed = desktop;
}

} // namespace platform
