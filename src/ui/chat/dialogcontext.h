#pragma once

#include "settings/ui/settingsdialogcontext.h"

class EmoticonPicker;
class IHostServices;

// The shared resources as the settings, quick-text and automatic-reply
// dialogs get them: settings, the emoticon picker, the dictionaries and the
// host (not owned; null without one). The re-apply hook is left empty.
SettingsDialogContext dialogContext(IHostServices *host);

// The picker of the shared emoticon catalogue, its tool tips in the
// interface language; null while there is no catalogue.
EmoticonPicker *sharedEmoticonPicker();
