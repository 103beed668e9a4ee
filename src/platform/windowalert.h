#pragma once

class QWidget;

namespace platform {

// Draws the user's attention to a window without activating it: the
// portable counterpart of flashing a window's task bar entry.
class WindowAlert
{
public:
    virtual ~WindowAlert() = default;

    // Flashes the window's top-level ancestor `count` times, `intervalMs`
    // apart (0 uses the platform's cursor blink interval, or 250 ms).
    virtual void flash(QWidget *window, int count, int intervalMs) = 0;

    static WindowAlert &instance();
    // Installs an implementation (not owned); null restores the toolkit's.
    static void setInstance(WindowAlert *alert);
};

} // namespace platform
