#include "plugin/pluginsupport.h"

#include "platform/interfacedirection.h"
#include "platform/prompt.h"
#include "plugin/chat.h"
#include "resources/chatresources.h"
#include "shared/sharedresourcemanager.h"

#include <sdk/iimage.h>

#include <QCoreApplication>
#include <QImage>

namespace PluginSupport {

const char16_t *cachedText(QString &cache, const char *context, const char *text)
{
    cache = QCoreApplication::translate(context, text);
    return reinterpret_cast<const char16_t *>(cache.utf16());
}

bool drawIcon(IImage *image, const QString &resource)
{
    if (!image)
        return false;
    // The host asks for icons before it initialises anything.
    initChatResources();
    const QImage icon = QImage(resource).convertToFormat(QImage::Format_ARGB32);
    if (icon.isNull()) {
        image->setData(nullptr, 0, 0);
        return true;
    }
    // The host's buffer is packed (width * 4 bytes a line); QImage lines are
    // already that long for 32-bit pixels.
    image->setData(icon.constBits(), icon.width(), icon.height());
    return true;
}

void showDisabledMessage()
{
    platform::Prompt::Box box;
    Chat *chat = Chat::instance();
    box.title = chat ? chat->appName() : QString();
    box.text = QCoreApplication::translate("PluginImpl", "This plugin is disabled. Contact your administrator for more details.");
    box.icon = platform::Prompt::Icon::Information;
    box.buttons = platform::Prompt::Ok;
    box.defaultButton = platform::Prompt::Ok;
    box.parent = nullptr;
    platform::Prompt::instance().ask(box);
}

void setLanguage(const char *languageCode)
{
    if (!languageCode)
        return;
    SharedResourceManager *resources = SharedResourceManager::instance();
    resources->installTranslation(QString::fromUtf8(languageCode));
    platform::InterfaceDirection::instance().setLanguage(resources->languageCode());
}

} // namespace PluginSupport
