#include "plugin/pluginimpl.h"

#include "lib_kelvan/threadmanager.h"

#include <sdk/iplugin.h>

// The host hands over its per-thread storage manager; from then on every
// thread this library starts registers with the host's manager.
extern "C" CHAT_PLUGIN_EXPORT IPlugin *createPlugin(kelvan::IThreadManager *manager)
{
    kelvan::adoptThreadManager(manager);
    return &PluginImpl::instance();
}
