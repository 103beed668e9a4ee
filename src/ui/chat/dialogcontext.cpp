#include "ui/chat/dialogcontext.h"

#include "emoticons/ui/emoticonpicker.h"
#include "shared/sharedresourcemanager.h"

SettingsDialogContext dialogContext(IHostServices *host)
{
    SettingsDialogContext context;
    SharedResourceManager *resources = SharedResourceManager::instance();
    context.settings = resources->settings();
    context.picker = sharedEmoticonPicker();
    context.spell = resources->spellCheckManager();
    context.host = host;
    return context;
}

EmoticonPicker *sharedEmoticonPicker()
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    EmoticonPicker *picker = resources ? EmoticonPicker::of(resources->emoticons()) : nullptr;
    if (picker) {
        picker->setLanguageSource([] {
            const SharedResourceManager *shared = SharedResourceManager::existingInstance();
            return shared ? shared->languageCode() : QString();
        });
    }
    return picker;
}
