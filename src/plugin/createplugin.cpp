#include "lib_kelvan/threadmanager.h"
#include "pictures/pastefolder.h"
#include "plugin/pluginimpl.h"
#include "ui/broadcast/broadcastwindowfactoryimpl.h"
#include "ui/chat/chatwindowfactoryimpl.h"
#include "ui/chat/settingsdialogfactoryimpl.h"

#include <sdk/iplugin.h>

// The host hands over its per-thread storage manager; from then on every
// thread this library starts registers with the host's manager. From here on
// conversations and broadcasts get real windows and the settings dialog
// can open.
// Pictures pasted in earlier sessions are left over in the paste folder;
// the files' ages are the machine's, so is the time they are measured by.
extern "C" CHAT_PLUGIN_EXPORT IPlugin *createPlugin(kelvan::IThreadManager *manager)
{
    kelvan::adoptThreadManager(manager);
    PasteFolder::removeStale(QDateTime::currentDateTime());
    ChatWindowFactoryImpl::install();
    SettingsDialogFactoryImpl::install();
    BroadcastWindowFactoryImpl::install();
    return &PluginImpl::instance();
}
