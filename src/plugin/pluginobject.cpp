#include "plugin/pluginobject.h"

#include "plugin/pluginsupport.h"

const char *PluginObject::pluginId() const
{
    return m_identity.id;
}

const char16_t *PluginObject::displayName()
{
    return PluginSupport::cachedText(m_displayName, m_identity.context, m_identity.displayName);
}

const char *PluginObject::pluginVersion() const
{
    return m_identity.version;
}

const char16_t *PluginObject::actionText()
{
    return PluginSupport::cachedText(m_actionText, m_identity.context, m_identity.actionText);
}

bool PluginObject::drawIcon(IImage *image)
{
    return PluginSupport::drawIcon(image, QString::fromLatin1(m_identity.icon));
}

bool PluginObject::drawIconAlt(IImage *image)
{
    return drawIcon(image);
}

bool PluginObject::drawIconAlt2(IImage *image)
{
    return drawIcon(image);
}

const char16_t *PluginObject::description()
{
    return PluginSupport::cachedText(m_description, m_identity.context, m_identity.description);
}

int PluginObject::pluginCode() const
{
    return m_identity.code;
}

void PluginObject::setDisabled(bool disabled)
{
    m_disabled = disabled;
}

bool PluginObject::isDisabled() const
{
    return m_disabled;
}
