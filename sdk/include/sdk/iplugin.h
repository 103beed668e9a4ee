#pragma once

#include "types.h"

class IHostServices;
class IHostMessage;
class IConversationRecord;
class IImage;
class IUser;
class IVariable;

// Host event codes (IPlugin::onEvent, slot 55) the host names here.
//
// Changes of stored messages, each with the data "C,E1[,E2...]": the
// conversation C (peer or room id) and the event ids of its messages, in
// decimal. The host sends them when its store changes a message other than
// by delivering it (IPlugin::onMessage delivers a peer's change itself):
//   34  changed: a new text (edited), likes or labels; open windows render
//       those messages again in place.
//   35  deleted: marked deleted, the text gone; windows show them as
//       deleted, and an edit or reply of one ends.
//   36  removed: no longer in the store; windows take them out.
//   37  cleared: the conversation's history was emptied (data "C" alone);
//       an open window shows it anew.
//
// Around the history reset (IHostServices::runHistoryReset, slot 154), which
// the host performs and the plug-in only starts; both carry no data:
//   40  synchronisation started: the local history has been cleaned and is
//       being filled again; the plug-in offers no second reset meanwhile.
//   41  synchronisation finished: the local history is complete again, under
//       new event ids; open conversations load it anew.
struct HostEventCode
{
    static constexpr int MessagesChanged = 34;
    static constexpr int MessagesDeleted = 35;
    static constexpr int MessagesRemoved = 36;
    static constexpr int HistoryCleared = 37;
    static constexpr int HistorySyncStarted = 40;
    static constexpr int HistorySyncFinished = 41;
};

// The plug-in contract: 63 slots, driven by the host on its GUI thread.
// Operations with a body here are the host's defaults; the others must be
// implemented. Action codes are the host's; the library interprets only 2
// (rooms and broadcast act on it) and lets 5 and 9 through a disabled plug-in.
class IPlugin
{
public:
    virtual ~IPlugin() = default;                                                          // 0
    virtual const char *interfaceVersion() const { return "3.0"; }                        // 1
    virtual void initialize(IHostServices *host) = 0;                                     // 2
    virtual void shutdown() = 0;                                                          // 3
    virtual const char *pluginId() const = 0;                                             // 4
    virtual const char16_t *displayName() = 0;                                            // 5 translated, cached
    virtual const char *pluginVersion() const = 0;                                        // 6
    virtual const char16_t *actionText() = 0;                                             // 7 translated, cached
    virtual bool drawIcon(IImage *image) = 0;                                             // 8
    virtual bool drawIconAlt(IImage *image) { return false; }                             // 9
    virtual bool drawIconAlt2(IImage *image) { return false; }                            // 10
    virtual const char16_t *description() = 0;                                            // 11 translated, cached
    virtual int pluginCode() const { return 0; }                                          // 12
    virtual void setDisabled(bool disabled) = 0;                                          // 13 administrator policy
    virtual bool isDisabled() const = 0;                                                  // 14
    virtual void setOptions(const char *options) {}                                       // 15
    virtual void onOwnUserChanged() {}                                                    // 16
    virtual void onConnectionLost() {}                                                    // 17
    virtual void onUserPresence(IUser *user, int value) {}                                // 18
    virtual void onUserStatusText(IUser *user) {}                                         // 19
    virtual void onOwnProfileA(IUser *user) {}                                            // 20
    virtual void onUserChanged(IUser *user) {}                                            // 21
    virtual void onUserUpdated(IUser *user) {}                                            // 22
    virtual void onOwnProfileB(IUser *user) {}                                            // 23
    virtual void onOwnProfileC(IUser *user) {}                                            // 24
    virtual void setLanguage(const char *languageCode) {}                                 // 25
    virtual bool canExecute(IUser *user, int action) { return false; }                    // 26
    virtual void execute(IUser *user, int action) = 0;                                    // 27
    virtual bool supportsMultiSelect() const { return false; }                            // 28
    virtual bool flag29() const { return false; }                                         // 29
    virtual bool flag30() const { return false; }                                         // 30
    virtual bool flag31() const { return true; }                                          // 31
    virtual bool canExecuteMulti(IUser *const *users, int count, int action) { return false; } // 32
    virtual bool flag33() const { return false; }                                         // 33
    virtual void executeMulti(IUser *const *users, int count, int action, const char *text, int value) {} // 34
    virtual void reserved35(void *, void *, void *, void *, void *) {}                     // 35
    virtual void reserved36(void *, void *) {}                                            // 36
    virtual void reserved37(void *, void *) {}                                            // 37
    virtual void openChat(IUser *user) {}                                                 // 38
    virtual void onCommand(IUser *sender, const char *text) {}                            // 39 control record or room control text
    virtual void reserved40(void *) {}                                                    // 40
    virtual void notifyUserWindow(IUser *user) {}                                         // 41
    virtual void onUserDeleted(IUser *user) {}                                            // 42
    virtual void sendAttachment(IUser *const *users, int count, const char *text, int value) {} // 43
    virtual void reserved44(void *) {}                                                    // 44
    virtual void showSettings() {}                                                        // 45
    virtual void reloadResources() {}                                                     // 46
    virtual void refreshButtons() {}                                                      // 47
    virtual bool flag48() const { return false; }                                         // 48
    virtual void openConversation(IConversationRecord *record) {}                         // 49
    virtual void reserved50(void *) {}                                                    // 50
    virtual void openConversationEx(IConversationRecord *record, int value) {}            // 51
    virtual void reserved52(void *) {}                                                    // 52
    virtual void reserved53(void *) {}                                                    // 53
    virtual void reserved54(void *, void *) {}                                            // 54
    virtual void onEvent(int code, const char *data, int length) {}                       // 55 numbered host events
    virtual void onMessage(IHostMessage *message) {}                                      // 56
    virtual void onHostNumberChanged() {}                                                 // 57 a zero number: no alerts, no history reset
    virtual void onOptionsChanged(int first, int second) {}                               // 58 settings dialog tabs the host hides (first) and disables (second), bit i = tab i
    virtual void refreshWindows() {}                                                      // 59
    virtual void describeMessage(IHostMessage *message, IVariable *out);                  // 60 default: the body
    virtual void onUserList(const char *id, const char *const *items, int count) {}       // 61
    virtual bool isActionAllowed(int action)                                              // 62
    {
        return !isDisabled() || action == 5 || action == 9;
    }
};

#include "ihostmessage.h"
#include "ivariable.h"

inline void IPlugin::describeMessage(IHostMessage *message, IVariable *out)
{
    if (message && out)
        out->set(message->body(), -1);
}

namespace kelvan { class IThreadManager; }

// The library's one export. The host passes its per-thread storage manager;
// the library adopts it and returns its text chat plug-in object.
extern "C" CHAT_PLUGIN_EXPORT IPlugin *createPlugin(kelvan::IThreadManager *manager);
using CreatePluginFunction = IPlugin *(*)(kelvan::IThreadManager *manager);
