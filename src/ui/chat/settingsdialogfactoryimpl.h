#pragma once

#include "settings/settingsdialogfactory.h"

// Gives the chat core a real settings dialog built on the shared resources.
// install() makes it the factory the core asks; the plug-in library does that
// when the host creates the plug-in.
class SettingsDialogFactoryImpl final : public SettingsDialogFactory
{
public:
    SettingsDialogInterface *createSettingsDialog(IHostServices *host, std::function<void()> applied) override;

    static SettingsDialogFactoryImpl &instance();
    static void install();
};
