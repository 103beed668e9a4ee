#include "plugin/pluginimpl.h"

#include <sdk/iimage.h>

#include <QCoreApplication>
#include <QImage>

namespace {

const char16_t *cached(QString &cache, const char *text)
{
    cache = QCoreApplication::translate("PluginImpl", text);
    return reinterpret_cast<const char16_t *>(cache.utf16());
}

} // namespace

PluginImpl &PluginImpl::instance()
{
    static PluginImpl plugin;
    return plugin;
}

void PluginImpl::initialize(IHostServices *host)
{
}

void PluginImpl::shutdown()
{
}

const char *PluginImpl::pluginId() const
{
    return "chat";
}

const char16_t *PluginImpl::displayName()
{
    return cached(m_displayName, QT_TRANSLATE_NOOP("PluginImpl", "Text Chat"));
}

const char *PluginImpl::pluginVersion() const
{
    return "2.1";
}

const char16_t *PluginImpl::actionText()
{
    return cached(m_actionText, QT_TRANSLATE_NOOP("PluginImpl", "Text Chat"));
}

bool PluginImpl::drawIcon(IImage *image)
{
    if (!image)
        return false;
    const QImage icon = QImage(QStringLiteral(":/images/chat.png")).convertToFormat(QImage::Format_ARGB32);
    image->setData(icon.constBits(), icon.width(), icon.height());
    return true;
}

const char16_t *PluginImpl::description()
{
    return cached(m_description, QT_TRANSLATE_NOOP("PluginImpl", "Text Chat Plugin"));
}

int PluginImpl::pluginCode() const
{
    return 32668;
}

void PluginImpl::setDisabled(bool disabled)
{
    m_disabled = disabled;
}

bool PluginImpl::isDisabled() const
{
    return m_disabled;
}

void PluginImpl::execute(IUser *user, int action)
{
}
