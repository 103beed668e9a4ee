#pragma once

#include <sdk/iplugin.h>

namespace hostkit {

class Host;

// The "history" plug-in a chat plug-in asks for a room's missing messages
// (event 778, "room id:newest time"). The reference host keeps every
// message in its own store already, so this stand-in only journals the
// request (a call "onEvent" of the service "history") and answers a moment
// later with event 779 and the room document's request number: the
// history is complete. Host::setHistoryPlugin switches it on; like the
// direct transfer stand-in it gets no deliveries and places no button.
class HistoryPlugin final : public IPlugin
{
public:
    static constexpr char kId[] = "history";

    explicit HistoryPlugin(Host &host) : m_host(host) {}

    void initialize(IHostServices *) override {}
    void shutdown() override {}
    const char *pluginId() const override { return kId; }
    const char16_t *displayName() override { return u"History"; }
    const char *pluginVersion() const override { return "1.0"; }
    const char16_t *actionText() override { return u"History"; }
    bool drawIcon(IImage *) override { return false; }
    const char16_t *description() override { return u"Message history (simulated)"; }
    void setDisabled(bool) override {}
    bool isDisabled() const override { return false; }
    void execute(IUser *, int) override {}
    void onEvent(int code, const char *data, int length) override;

private:
    Host &m_host;
};

} // namespace hostkit
