#pragma once

#include "plugin/pluginobject.h"

// The chat rooms plug-in: created and registered with the host by the text
// chat plug-in's initialize, owned by it. Its host service object is kept in
// the chat core object as the rooms host service.
class RoomsPluginImpl final : public PluginObject
{
public:
    RoomsPluginImpl();
    ~RoomsPluginImpl() override;

    void initialize(IHostServices *host) override;                          // 2
    void shutdown() override;                                               // 3
    void onOwnUserChanged() override;                                       // 16
    void onOwnProfileA(IUser *user) override;                               // 20
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
    void sendAttachment(IUser *const *users, int count, const char *text, int value) override; // 43
    void reloadResources() override;                                        // 46
    bool flag48() const override;                                           // 48
    void openConversation(IConversationRecord *record) override;            // 49
    void reserved50(void *) override;                                       // 50
    void openConversationEx(IConversationRecord *record, int value) override; // 51
    void reserved52(void *) override;                                       // 52
    // ":1\nUser joined the room" and ":2\nUser left the room" as sentences
    // with the member's name; anything else as it is.
    void describeMessage(IHostMessage *message, IVariable *out) override;   // 60

private:
    Q_DISABLE_COPY(RoomsPluginImpl)

    // The host runs a rooms plug-in (this one, as the host sees it).
    bool hostHasRooms() const;

    IHostServices *m_host = nullptr; // not owned
};
