#pragma once

#include "plugin/pluginobject.h"

#include <QList>

#include <memory>

class BroadcastRegistry;

// The broadcast plug-in: created and registered with the host by the text
// chat plug-in's initialize, owned by it. Its work is the broadcast
// registry's, which exists from initialize to shutdown.
//
// Who may start a broadcast: nobody while the administrator's policy
// refuses the action, the host offers no "broadcast" plug-in or no host
// service object is there; otherwise anyone for no user (an empty
// composer) or an ordinary contact, never for a room (for several users: as
// soon as one of them is an ordinary contact). Action 2 starts a job for the
// ordinary contacts given, rooms left out.
class BroadcastPluginImpl final : public PluginObject
{
public:
    BroadcastPluginImpl();
    ~BroadcastPluginImpl() override;

    void initialize(IHostServices *host) override;                          // 2
    void shutdown() override;                                               // 3
    void setOptions(const char *options) override;                          // 15
    void onOwnUserChanged() override;                                       // 16
    void onConnectionLost() override;                                       // 17
    void onUserPresence(IUser *user, int value) override;                   // 18
    void onOwnProfileA(IUser *user) override;                               // 20
    void onUserChanged(IUser *user) override;                               // 21
    void onUserUpdated(IUser *user) override;                               // 22
    void onOwnProfileB(IUser *user) override;                               // 23
    void onOwnProfileC(IUser *user) override;                               // 24
    void setLanguage(const char *languageCode) override;                    // 25
    bool canExecute(IUser *user, int action) override;                      // 26
    void execute(IUser *user, int action) override;                         // 27
    bool supportsMultiSelect() const override;                              // 28
    bool flag29() const override;                                           // 29
    bool flag30() const override;                                           // 30
    bool flag31() const override;                                           // 31
    bool canExecuteMulti(IUser *const *users, int count, int action) override; // 32
    bool flag33() const override;                                           // 33
    void executeMulti(IUser *const *users, int count, int action, const char *text, int value) override; // 34
    void reserved36(void *, void *) override;                               // 36
    void reserved37(void *, void *) override;                               // 37
    void onCommand(IUser *sender, const char *text) override;               // 39
    void onUserDeleted(IUser *user) override;                               // 42
    void sendAttachment(IUser *const *users, int count, const char *text, int value) override; // 43
    void reloadResources() override;                                        // 46
    bool flag48() const override;                                           // 48
    void openConversation(IConversationRecord *record) override;            // 49
    void reserved50(void *) override;                                       // 50
    void openConversationEx(IConversationRecord *record, int value) override; // 51
    void reserved52(void *) override;                                       // 52
    void onEvent(int code, const char *data, int length) override;          // 55
    void onMessage(IHostMessage *message) override;                         // 56
    void onOptionsChanged(int first, int second) override;                  // 58

    // The broadcast plug-in's host service object; null outside
    // initialize … shutdown.
    IHostServices *hostServices() const { return m_host; }
    // Null outside initialize … shutdown.
    BroadcastRegistry *registry() const { return m_registry.get(); }

private:
    Q_DISABLE_COPY(BroadcastPluginImpl)

    // The ordinary contacts among the users, as peer ids.
    static QList<quint64> contactIds(IUser *const *users, int count);
    bool mayStart(int action);

    IHostServices *m_host = nullptr; // not owned
    std::unique_ptr<BroadcastRegistry> m_registry;
};
