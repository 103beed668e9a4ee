#include "lib_kelvan/threadmanager.h"
#include "plugin/pluginimpl.h"
#include "ui/chat/chatwindowfactoryimpl.h"
#include "ui/chat/settingsdialogfactoryimpl.h"

#include <sdk/iplugin.h>

// The host hands over its per-thread storage manager; from then on every
// thread this library starts registers with the host's manager. From here on
// conversations get real windows and the settings dialog can open.
extern "C" CHAT_PLUGIN_EXPORT IPlugin *createPlugin(kelvan::IThreadManager *manager)
{
    kelvan::adoptThreadManager(manager);
    ChatWindowFactoryImpl::install();
    SettingsDialogFactoryImpl::install();
    return &PluginImpl::instance();
}
