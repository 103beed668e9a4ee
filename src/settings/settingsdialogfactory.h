#pragma once

#include <functional>

class IHostServices;
class SettingsDialogInterface;

// Where the chat core gets its settings dialog. The widget layer installs
// the factory once; without one (logic tests, a host without widgets)
// showSettings does nothing.
class SettingsDialogFactory
{
public:
    virtual ~SettingsDialogFactory() = default;

    // A new dialog, hidden, that deletes itself when closed. `host` (not
    // owned) supplies skin images, custom statuses and the history reset;
    // `applied` runs after OK stored the settings, to re-apply them to the
    // open windows. May return null.
    virtual SettingsDialogInterface *createSettingsDialog(IHostServices *host, std::function<void()> applied) = 0;

    // The installed factory, or null.
    static SettingsDialogFactory *instance();
    // Installs a factory (not owned); null removes it.
    static void setInstance(SettingsDialogFactory *factory);
};
