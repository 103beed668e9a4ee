#pragma once

#include <sdk/iplugin.h>

#include <QString>

// The text chat plug-in: the object createPlugin hands to the host.
class PluginImpl final : public IPlugin
{
public:
    static PluginImpl &instance();

    void initialize(IHostServices *host) override;
    void shutdown() override;
    const char *pluginId() const override;
    const char16_t *displayName() override;
    const char *pluginVersion() const override;
    const char16_t *actionText() override;
    bool drawIcon(IImage *image) override;
    const char16_t *description() override;
    int pluginCode() const override;
    void setDisabled(bool disabled) override;
    bool isDisabled() const override;
    void execute(IUser *user, int action) override;

private:
    PluginImpl() = default;
    ~PluginImpl() override = default;
    Q_DISABLE_COPY(PluginImpl)

    // Each text operation returns a pointer into its own cache, valid until
    // the next call of the same operation.
    QString m_displayName;
    QString m_actionText;
    QString m_description;
    bool m_disabled = false;
};
