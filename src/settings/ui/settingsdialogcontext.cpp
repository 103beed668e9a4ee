#include "settings/ui/settingsdialogcontext.h"

#include "emoticons/ui/emoticonpicker.h"
#include "settings/settingsmanager.h"

#include <sdk/ihostservices.h>

QString SettingsDialogContext::appName() const
{
    const char16_t *name = host ? host->appName(-1) : nullptr;
    return name ? QString::fromUtf16(name) : QString();
}

QString SettingsDialogContext::skinFile(const char *relativeName) const
{
    const char16_t *path = host ? host->skinPath(relativeName) : nullptr;
    return path ? QString::fromUtf16(path) : QString();
}

QTextCharFormat SettingsDialogContext::defaultFormat() const
{
    return settings ? settings->textFormat() : QTextCharFormat();
}

RenderContext SettingsDialogContext::renderContext() const
{
    RenderContext context;
    context.host = host;
    context.emoticons = picker ? picker->catalogue() : nullptr;
    context.language = picker ? picker->language() : QStringLiteral("en");
    context.bigSingleEmoticons = false;
    context.baseFont = defaultFormat().font();
    return context;
}
