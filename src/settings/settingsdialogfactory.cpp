#include "settings/settingsdialogfactory.h"

namespace {

SettingsDialogFactory *g_factory = nullptr;

} // namespace

SettingsDialogFactory *SettingsDialogFactory::instance()
{
    return g_factory;
}

void SettingsDialogFactory::setInstance(SettingsDialogFactory *factory)
{
    g_factory = factory;
}
