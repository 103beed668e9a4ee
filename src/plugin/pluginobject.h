#pragma once

#include <sdk/iplugin.h>

#include <QString>

// What tells one plug-in object from another to the host: its id, its
// translated texts (context and source texts for the catalogue), its icon
// resource, version and code.
struct PluginIdentity
{
    const char *id;
    const char *context;
    const char *displayName;
    const char *actionText;
    const char *description;
    const char *icon;
    const char *version;
    int code;
};

// The identity, icon and policy slots the three plug-in objects share. It
// adds no virtual operation, so the slot table stays the host's.
class PluginObject : public IPlugin
{
public:
    explicit PluginObject(const PluginIdentity &identity) : m_identity(identity) {}

    const char *pluginId() const override;                                  // 4
    const char16_t *displayName() override;                                 // 5
    const char *pluginVersion() const override;                             // 6
    const char16_t *actionText() override;                                  // 7
    bool drawIcon(IImage *image) override;                                  // 8
    bool drawIconAlt(IImage *image) override;                               // 9
    bool drawIconAlt2(IImage *image) override;                              // 10
    const char16_t *description() override;                                 // 11
    int pluginCode() const override;                                        // 12
    void setDisabled(bool disabled) override;                               // 13
    bool isDisabled() const override;                                       // 14

private:
    const PluginIdentity &m_identity;
    // Each text operation returns a pointer into its own cache, valid until
    // the next call of the same operation.
    QString m_displayName;
    QString m_actionText;
    QString m_description;
    bool m_disabled = false;
};
