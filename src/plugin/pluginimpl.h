#pragma once

#include "plugin/pluginobject.h"

class BroadcastPluginImpl;
class RoomsPluginImpl;

// The text chat plug-in: the object createPlugin hands to the host. Its
// operations are thin: they turn the host's arguments into the library's
// strings and records and pass them to the chat core object (Chat). It
// creates and registers the rooms and broadcast plug-in objects and owns
// them. One static instance for the life of the library.
class PluginImpl final : public PluginObject
{
public:
    static PluginImpl &instance();

    void initialize(IHostServices *host) override;                          // 2
    void shutdown() override;                                               // 3
    void onOwnUserChanged() override;                                       // 16
    void onConnectionLost() override;                                       // 17
    void onUserPresence(IUser *user, int value) override;                   // 18
    void onUserStatusText(IUser *user) override;                            // 19
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
    void openChat(IUser *user) override;                                    // 38
    void onCommand(IUser *sender, const char *text) override;               // 39
    void notifyUserWindow(IUser *user) override;                            // 41
    void onUserDeleted(IUser *user) override;                               // 42
    void sendAttachment(IUser *const *users, int count, const char *text, int value) override; // 43
    void showSettings() override;                                           // 45
    void reloadResources() override;                                        // 46
    void refreshButtons() override;                                         // 47
    bool flag48() const override;                                           // 48
    void openConversation(IConversationRecord *record) override;            // 49
    void reserved50(void *) override;                                       // 50
    void openConversationEx(IConversationRecord *record, int value) override; // 51
    void reserved52(void *) override;                                       // 52
    void onEvent(int code, const char *data, int length) override;          // 55
    void onMessage(IHostMessage *message) override;                         // 56
    void onHostNumberChanged() override;                                    // 57
    void onOptionsChanged(int first, int second) override;                  // 58
    void refreshWindows() override;                                         // 59
    void describeMessage(IHostMessage *message, IVariable *out) override;   // 60
    void onUserList(const char *id, const char *const *items, int count) override; // 61

    // The further plug-in objects, null outside initialize … shutdown.
    RoomsPluginImpl *roomsPlugin() const { return m_rooms; }
    BroadcastPluginImpl *broadcastPlugin() const { return m_broadcast; }

private:
    PluginImpl();
    ~PluginImpl() override;
    Q_DISABLE_COPY(PluginImpl)

    RoomsPluginImpl *m_rooms = nullptr;         // owned
    BroadcastPluginImpl *m_broadcast = nullptr; // owned
    // The host the conversation manager is registered with as rooms listener.
    IHostServices *m_listenerHost = nullptr;    // not owned
};
