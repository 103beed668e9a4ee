#pragma once

#include "plugin/pluginobject.h"

// The broadcast plug-in: created and registered with the host by the text
// chat plug-in's initialize, owned by it.
class BroadcastPluginImpl final : public PluginObject
{
public:
    BroadcastPluginImpl();
    ~BroadcastPluginImpl() override;

    void initialize(IHostServices *host) override;                          // 2
    void shutdown() override;                                               // 3
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
    void reserved50(void *) override;                                       // 50
    void reserved52(void *) override;                                       // 52

    // The broadcast plug-in's host service object; null outside
    // initialize … shutdown.
    IHostServices *hostServices() const { return m_host; }

private:
    Q_DISABLE_COPY(BroadcastPluginImpl)

    IHostServices *m_host = nullptr; // not owned
};
