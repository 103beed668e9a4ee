// A small plug-in library for the host's own tests: it behaves like the
// chat plug-in where the host can tell (one further plug-in object
// registered from initialize, a rooms listener, a few service calls) and
// answers "ping" with "pong" so deliveries can be followed end to end.
#include <sdk/sdk.h>

#include <cstring>
#include <string>

namespace {

const char16_t kName[] = u"Test";

class RoomsListener final : public IRoomsListener
{
public:
    void onRoomReady(IUser *, int) override {}
    void onRoomJoined(const char *, IUser *const *, int) override {}
    void onRoomMemberJoined(const char *, IUser *) override {}
    void onRoomMembersLeft(const char *, const char *const *, int) override {}
    void onRoomUpdated(IUser *) override {}
    void onRoomRemoved(const char *) override {}
    void onRoomNotice(const char *, const char *) override {}
    void onRoomMemberChanged(const char *, const char *, int, const char16_t *, int) override {}
};

class BasePlugin : public IPlugin
{
public:
    void setDisabled(bool disabled) override { m_disabled = disabled; }
    bool isDisabled() const override { return m_disabled; }
    const char16_t *displayName() override { return kName; }
    const char16_t *actionText() override { return kName; }
    const char16_t *description() override { return kName; }
    const char *pluginVersion() const override { return "1.0"; }
    bool drawIcon(IImage *image) override
    {
        if (!image)
            return false;
        unsigned char pixels[2 * 2 * 4];
        std::memset(pixels, 0xff, sizeof pixels);
        image->setData(pixels, 2, 2);
        return true;
    }
    void execute(IUser *user, int) override
    {
        if (m_host && user)
            m_host->canChatWith(user->id());
    }

protected:
    IHostServices *m_host = nullptr;
    bool m_disabled = false;
};

class ExtraPlugin final : public BasePlugin
{
public:
    void initialize(IHostServices *host) override
    {
        m_host = host;
        m_host->playSound("plugins/chat/sounds/message.wav", 0, 0);
    }
    void shutdown() override { m_host = nullptr; }
    const char *pluginId() const override { return "test_extra"; }
};

class MainPlugin final : public BasePlugin
{
public:
    void initialize(IHostServices *host) override
    {
        if (host && !m_extra) {
            m_extra = new ExtraPlugin;
            host->registerPlugin(m_extra);
        }
        m_host = host;
        if (!m_host)
            return;
        m_host->appName(-1);
        m_host->settingsFolder(-1);
        m_host->interfaceLanguage();
        m_host->registerRoomsListener(&m_listener);
    }
    void shutdown() override
    {
        delete m_extra;
        m_extra = nullptr;
        if (m_host)
            m_host->registerRoomsListener(nullptr);
        m_host = nullptr;
    }
    const char *pluginId() const override { return "test_main"; }

    void onMessage(IHostMessage *message) override
    {
        if (!m_host || !message || std::strcmp(message->body(), "ping") != 0)
            return;
        const std::string peer = std::to_string(message->peerId());
        m_host->sendInstantMessage(message->sessionKey(), peer.c_str(), "pong");
    }
    // Asks the host's yes/no question; the answer shows as a sound.
    void showSettings() override
    {
        if (m_host)
            m_host->playSound(m_host->askYesNo(0) ? "answered-yes.wav" : "answered-no.wav", 0, 0);
    }
    void onCommand(IUser *sender, const char *) override
    {
        if (m_host && sender)
            m_host->canChatWith(sender->id());
    }

private:
    ExtraPlugin *m_extra = nullptr;
    RoomsListener m_listener;
};

MainPlugin g_plugin;

} // namespace

extern "C" IPlugin *createPlugin(kelvan::IThreadManager *manager)
{
    // Shows the host that its manager arrived: a thread of ours joins it.
    if (manager && manager->threadCount() >= 0)
        manager->registerThread(0x7e57, "testplugin-worker");
    return &g_plugin;
}
