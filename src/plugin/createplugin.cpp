#include "lib_kelvan/threadmanager.h"
#include "plugin/pluginimpl.h"
#include "ui/chat/chatwindowfactoryimpl.h"

#include <sdk/iplugin.h>

// The host hands over its per-thread storage manager; from then on every
// thread this library starts registers with the host's manager. From here on
// conversations get real windows.
extern "C" CHAT_PLUGIN_EXPORT IPlugin *createPlugin(kelvan::IThreadManager *manager)
{
    kelvan::adoptThreadManager(manager);
    ChatWindowFactoryImpl::install();
    return &PluginImpl::instance();
}
