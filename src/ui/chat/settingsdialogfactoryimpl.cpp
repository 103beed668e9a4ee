#include "ui/chat/settingsdialogfactoryimpl.h"

#include "platform/interfacedirection.h"
#include "settings/ui/settingsdialog.h"
#include "ui/chat/dialogcontext.h"

#include <QApplication>

SettingsDialogInterface *SettingsDialogFactoryImpl::createSettingsDialog(IHostServices *host, std::function<void()> applied)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return nullptr;
    SettingsDialogContext context = dialogContext(host);
    context.applyToWindows = std::move(applied);
    auto *dialog = new SettingsDialog(context);
    platform::InterfaceDirection::instance().adopt(dialog);
    return dialog;
}

SettingsDialogFactoryImpl &SettingsDialogFactoryImpl::instance()
{
    static SettingsDialogFactoryImpl factory;
    return factory;
}

void SettingsDialogFactoryImpl::install()
{
    SettingsDialogFactory::setInstance(&instance());
}
