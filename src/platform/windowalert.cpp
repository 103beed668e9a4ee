#include "windowalert.h"

#include <QApplication>
#include <QStyleHints>
#include <QWidget>

namespace platform {

namespace {

class ToolkitWindowAlert final : public WindowAlert
{
public:
    void flash(QWidget *window, int count, int intervalMs) override
    {
        if (!window)
            return;
        QWidget *top = window->window();
        if (intervalMs <= 0) {
            // The cursor flash time is a full on-off cycle.
            const int blink = QGuiApplication::styleHints()->cursorFlashTime() / 2;
            intervalMs = blink > 0 ? blink : 250;
        }
        // QApplication::alert keeps the entry highlighted for the given time
        // (or until activation when 0); the Win32 call flashed `count` times.
        QApplication::alert(top, count * intervalMs);
    }
};

WindowAlert *g_installed = nullptr;

} // namespace

WindowAlert &WindowAlert::instance()
{
    static ToolkitWindowAlert toolkit;
    return g_installed ? *g_installed : toolkit;
}

void WindowAlert::setInstance(WindowAlert *alert)
{
    g_installed = alert;
}

} // namespace platform
