#pragma once

#include <sdk/iplugin.h>

#include <QString>

// The chat rooms plug-in: created and registered with the host by the text
// chat plug-in's initialize, owned by it. Its host service object is kept in
// the chat core object as the rooms host service.
class RoomsPluginImpl final : public IPlugin
{
public:
    RoomsPluginImpl() = default;
    ~RoomsPluginImpl() override;

    void initialize(IHostServices *host) override;                          // 2
    void shutdown() override;                                               // 3
    const char *pluginId() const override;                                  // 4
    const char16_t *displayName() override;                                 // 5
    const char *pluginVersion() const override;                             // 6
    const char16_t *actionText() override;                                  // 7
    bool drawIcon(IImage *image) override;                                  // 8
    bool drawIconAlt(IImage *image) override;                               // 9
    bool drawIconAlt2(IImage *image) override;                              // 10
    const char16_t *description() override;                                // 11
    int pluginCode() const override;                                        // 12
    void setDisabled(bool disabled) override;                               // 13
    bool isDisabled() const override;                                       // 14
    void onOwnUserChanged() override;                                       // 16
    void onOwnProfileA(IUser *user) override;                               // 20
    void onOwnProfileB(IUser *user) override;                               // 23
    void onOwnProfileC(IUser *user) override;                               // 24
    void setLanguage(const char *languageCode) override;                    // 25
    void execute(IUser *user, int action) override;                         // 27
    bool supportsMultiSelect() const override;                              // 28
    bool flag29() const override;                                           // 29
    bool flag30() const override;                                           // 30
    bool flag31() const override;                                           // 31
    bool flag33() const override;                                           // 33
    void reserved36(void *, void *) override;                               // 36
    void reserved37(void *, void *) override;                               // 37
    void reloadResources() override;                                        // 46
    bool flag48() const override;                                           // 48
    void openConversation(IConversationRecord *record) override;            // 49
    void reserved50(void *) override;                                       // 50
    void openConversationEx(IConversationRecord *record, int value) override; // 51
    void reserved52(void *) override;                                       // 52

private:
    Q_DISABLE_COPY(RoomsPluginImpl)

    QString m_displayName;
    QString m_actionText;
    QString m_description;
    IHostServices *m_host = nullptr; // not owned
    bool m_disabled = false;
};
