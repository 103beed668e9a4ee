#pragma once

#include <sdk/iplugin.h>

namespace hostkit {

// The direct file transfer plug-in ("file_transfer") the chat window asks
// for when files are dragged onto it. The reference host has none of its
// own; this stand-in answers findPlugin when Host::setDirectTransfer asks
// for it, switched on or off, so that every case of the drop overlay can be
// reached. It is not one of the host's plug-in objects: it gets no
// deliveries and places no button. The transfers themselves are the host's
// sendFilesDirect (slot 139).
class DirectTransferPlugin final : public IPlugin
{
public:
    static constexpr char kId[] = "file_transfer";

    void initialize(IHostServices *) override {}
    void shutdown() override {}
    const char *pluginId() const override { return kId; }
    const char16_t *displayName() override { return u"File transfer"; }
    const char *pluginVersion() const override { return "1.0"; }
    const char16_t *actionText() override { return u"Send files"; }
    bool drawIcon(IImage *) override { return false; }
    const char16_t *description() override { return u"Direct file transfer (simulated)"; }
    void setDisabled(bool disabled) override { m_disabled = disabled; }
    bool isDisabled() const override { return m_disabled; }
    void execute(IUser *, int) override {}

private:
    bool m_disabled = false;
};

} // namespace hostkit
