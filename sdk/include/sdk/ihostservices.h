#pragma once

#include "types.h"

class ICustomStatus;
class IHostClock;
class IHostEvent;
class IHostMessage;
class IHostScreens;
class IImage;
class IMessageList;
class IMessageObject;
class IPlugin;
class IRoomsListener;
class IUser;
class IVariable;

// The host service object each plug-in object receives in initialize.
// 165 slots. The host owns it, so there is no destructor among the slots and
// slot s sits at vtable index s. Texts returned as const char16_t* are
// host-owned and must be copied at once; results that need no lifetime go
// into IVariable objects the caller owns. Reserved slots belong to the host.
class IHostServices
{
public:
    virtual void reserved0() {}                                                                               // 0
    virtual void reserved1() {}                                                                               // 1
    virtual const char16_t *appName(int which) = 0;                                                           // 2 application display name (which = -1)
    virtual bool askYesNo(int question) = 0;                                                                  // 3 yes/no question; 0: rebuild the plug-in buttons after a resource reload
    virtual bool queryState(int query) = 0;                                                                   // 4 host state query; 0: may the tabbed window close without asking
    virtual void registerPlugin(IPlugin *plugin) = 0;                                                         // 5 adds a further plug-in object; the host initialises it
    virtual void reserved6() {}                                                                               // 6
    virtual bool getOwnUser(IUser *out) = 0;                                                                  // 7 fills the own account's record
    virtual void reserved8() {}                                                                               // 8
    virtual void reserved9() {}                                                                               // 9
    virtual void reserved10() {}                                                                              // 10
    virtual void reserved11() {}                                                                              // 11
    virtual void reserved12() {}                                                                              // 12
    virtual void requestUser(IUser *user) = 0;                                                                // 13 asks the host to resolve a record holding only an id
    virtual void reserved14() {}                                                                              // 14
    virtual void reserved15() {}                                                                              // 15
    virtual void reserved16() {}                                                                              // 16
    virtual void reserved17() {}                                                                              // 17
    virtual void reserved18() {}                                                                              // 18
    virtual int contactCount() = 0;                                                                           // 19 number of contacts
    virtual bool contactAt(IUser *out, int index) = 0;                                                        // 20 fills contact index; true when filled
    virtual bool getUser(IUser *out, const char *userId) = 0;                                                 // 21 fills the user or room of that id; true when found
    virtual void reserved22() {}                                                                              // 22
    virtual void reserved23() {}                                                                              // 23
    virtual int customStatusCount() = 0;                                                                      // 24 number of custom statuses
    virtual ICustomStatus *customStatusAt(int index) = 0;                                                     // 25 custom status, or null
    virtual bool sendControl(const char *recipientId, const char *text) = 0;                                  // 26 sends a control record to one recipient
    virtual bool sendInstantMessage(const char *sessionKey, const char *recipientId, const char *text) = 0;   // 27 sends message markup to one recipient
    virtual void reserved28() {}                                                                              // 28
    virtual void reserved29() {}                                                                              // 29
    virtual void reserved30() {}                                                                              // 30
    virtual void reserved31() {}                                                                              // 31
    virtual void reserved32() {}                                                                              // 32
    virtual void playSound(const char *path, int a, int b) = 0;                                               // 33 plays a sound file relative to the application folder
    virtual void reserved34() {}                                                                              // 34
    virtual void reserved35() {}                                                                              // 35
    virtual void reserved36() {}                                                                              // 36
    virtual void reserved37() {}                                                                              // 37
    virtual void reserved38() {}                                                                              // 38
    virtual void reserved39() {}                                                                              // 39
    virtual void reserved40() {}                                                                              // 40
    virtual void reserved41() {}                                                                              // 41
    virtual void reserved42() {}                                                                              // 42
    virtual void reserved43() {}                                                                              // 43
    virtual void reserved44() {}                                                                              // 44
    virtual const char16_t *settingsFolder(int which) = 0;                                                    // 45 folder of the per-user settings files (which = -1)
    virtual void reserved46() {}                                                                              // 46
    virtual void reserved47() {}                                                                              // 47
    virtual void reserved48() {}                                                                              // 48
    virtual bool loadMessageByEvent(std::int64_t eventId, IHostMessage *record) = 0;                          // 49 fills a record with a stored message
    virtual void reserved50() {}                                                                              // 50
    virtual void reserved51() {}                                                                              // 51
    virtual void reserved52() {}                                                                              // 52
    virtual void reserved53() {}                                                                              // 53
    virtual bool loadMessageById(const char *messageId, IHostMessage *record) = 0;                            // 54 fills a record by the store's text id
    virtual void reserved55() {}                                                                              // 55
    virtual void reserved56() {}                                                                              // 56
    virtual void reserved57() {}                                                                              // 57
    virtual void reserved58() {}                                                                              // 58
    virtual bool canChatWith(const char *userOrRoomId) = 0;                                                   // 59 whether a chat is permitted
    virtual void reserved60() {}                                                                              // 60
    virtual void reserved61() {}                                                                              // 61
    virtual void reserved62() {}                                                                              // 62
    virtual void reserved63() {}                                                                              // 63
    virtual void reserved64() {}                                                                              // 64
    virtual void reserved65() {}                                                                              // 65
    virtual void reserved66() {}                                                                              // 66
    virtual const char16_t *dataFolder(int which) = 0;                                                        // 67 folder that may hold chat_template.tmpl (which = -1)
    virtual void reserved68() {}                                                                              // 68
    virtual void reserved69() {}                                                                              // 69
    virtual void reserved70() {}                                                                              // 70
    virtual void reserved71() {}                                                                              // 71
    virtual void reserved72() {}                                                                              // 72
    virtual void reserved73() {}                                                                              // 73
    virtual void reserved74() {}                                                                              // 74
    virtual void reserved75() {}                                                                              // 75
    virtual void reserved76() {}                                                                              // 76
    virtual void reserved77() {}                                                                              // 77
    virtual void reserved78() {}                                                                              // 78
    virtual void reserved79() {}                                                                              // 79
    virtual IPlugin *findPlugin(const char *pluginId) = 0;                                                    // 80 a loaded plug-in of that id, or null
    virtual void reserved81() {}                                                                              // 81
    virtual void reserved82() {}                                                                              // 82
    virtual void reserved83() {}                                                                              // 83
    virtual void reserved84() {}                                                                              // 84
    virtual void reserved85() {}                                                                              // 85
    virtual void reserved86() {}                                                                              // 86
    virtual void reserved87() {}                                                                              // 87
    virtual void leaveRoom(std::int64_t roomId) = 0;                                                          // 88 rooms service: the user leaves the room
    virtual int createRoom(IUser *const *users, int count) = 0;                                               // 89 rooms service: starts room creation; returns the request token
    virtual void renameRoom(std::int64_t roomId, const char16_t *displayName) = 0;                            // 90 rooms service: new room display name
    virtual void inviteToRoom(std::int64_t roomId, const char *const *userIds, int count) = 0;                // 91 rooms service: invites contacts
    virtual void roomOpened(std::int64_t roomId) = 0;                                                         // 92 rooms service: the room's window is showing
    virtual void reserved93() {}                                                                              // 93
    virtual void reserved94() {}                                                                              // 94
    virtual void markSeen(const char *peerOrRoomId) = 0;                                                      // 95 the conversation has been seen
    virtual void reserved96() {}                                                                              // 96
    virtual void postMessage(IMessageObject *message) = 0;                                                    // 97 handles a plug-in made message as if it had arrived
    virtual IMessageObject *createMessage() = 0;                                                              // 98 new empty message object
    virtual IHostMessage *createMessageRecord() = 0;                                                          // 99 new empty record for the load operations
    virtual void reserved100() {}                                                                             // 100
    virtual void reserved101() {}                                                                             // 101
    virtual void reserved102() {}                                                                             // 102
    virtual void reserved103() {}                                                                             // 103
    virtual void reserved104() {}                                                                             // 104
    virtual void reserved105() {}                                                                             // 105
    virtual void releaseMessage(IMessageObject *message) = 0;                                                 // 106 gives back a message object
    virtual void releaseMessageRecord(IHostMessage *record) = 0;                                              // 107 gives back a record
    virtual const char16_t *signedInIdentity() = 0;                                                           // 108 identity string of the signed-in user; settings reload when it changes
    virtual void registerRoomsListener(IRoomsListener *listener) = 0;                                         // 109 room events go to the listener; null unregisters
    virtual const char *interfaceLanguage() = 0;                                                              // 110 interface language code, for example "en"
    virtual const char16_t *applicationFolder() = 0;                                                          // 111 installation folder (emoticons, dictionaries, sounds)
    virtual std::int64_t hostNumber() = 0;                                                                    // 112 the value onHostNumberChanged announces
    virtual const char16_t *skinPath(const char *relativeName) = 0;                                           // 113 file of a skin image such as "chat/textbold.png"
    virtual IMessageList *newestMessages(const char *conversationId) = 0;                                     // 114 newest page of a conversation (peer or room id), oldest first
    virtual IMessageList *messagesAfter(const char *conversationId, std::int64_t eventId) = 0;                // 115 every message after an event id, oldest first
    virtual IMessageList *messagesBefore(const char *conversationId, std::int64_t eventId) = 0;               // 116 the page before an event id, oldest first
    virtual void releaseMessageList(IMessageList *list) = 0;                                                  // 117 gives back a list
    virtual void showPopup(const char *pluginId, const char16_t *title, const char16_t *text, const char *senderId) = 0; // 118 notification popup
    virtual int missedMessageCount(const char *peerId) = 0;                                                   // 119 unread messages of a conversation
    virtual bool localFileForAddress(const char *address, IVariable *out) = 0;                                // 120 existing local copy of an attachment address
    virtual void registerTransfer(const char *address, const char16_t *name, std::int64_t size, int kind) = 0; // 121 announces an attachment; kind 0 file, 1 voice, 2 video
    virtual void formatSize(std::int64_t bytes, IVariable *out) = 0;                                          // 122 size as text
    virtual void formatDuration(std::int64_t seconds, IVariable *out) = 0;                                    // 123 duration as text
    virtual void mediaCaption(int kind, IVariable *out) = 0;                                                  // 124 caption of voice (1) or video (2) messages
    virtual bool pictureLocalName(const char *address, IVariable *out) = 0;                                   // 125 local name of a picture address; false when none
    virtual void createPictureLocalName(const char *address, IVariable *out) = 0;                             // 126 makes a local name for a picture address
    virtual void fetchPicture(const char *address, const char *localName) = 0;                                // 127 starts fetching a picture under its local name
    virtual int transferKind(const char *address) = 0;                                                        // 128 0 file, 1 voice, 2 video, -1 unknown
    virtual bool isTransferRunning(const char *address) = 0;                                                  // 129 a download or upload of the address runs
    virtual bool savedPathForAddress(const char *address, IVariable *out) = 0;                                // 130 path the file was saved to
    virtual bool transferDetails(const char *transferKey, IVariable *out) = 0;                                // 131 details of an upload for the uploads list
    virtual bool transferUrl(const char *transferKey, IVariable *out) = 0;                                    // 132 URL of a finished upload
    virtual bool transferLocalPath(const char *transferKey, IVariable *out) = 0;                              // 133 local file of a transfer
    virtual bool transferPictureSource(const char *transferKey, IVariable *out) = 0;                          // 134 picture source of a finished picture upload
    virtual bool transferPeer(const char *transferKey, IVariable *out) = 0;                                   // 135 peer id a transfer belongs to
    virtual int pluginButtonCount() = 0;                                                                      // 136 plug-ins that place a button in chat windows
    virtual IPlugin *pluginButtonAt(int index) = 0;                                                           // 137 plug-in of button index
    virtual void triggerPluginButton(const char *pluginId, const char *peerId) = 0;                           // 138 a chat window's plug-in button was pressed
    virtual bool sendFilesDirect(const char *peerId, const char *const *paths, int count) = 0;                // 139 direct file transfer
    virtual bool isCloudDeliveryAvailable() = 0;                                                              // 140 files can be delivered through the cloud
    virtual void stopUploads(const char *peerId) = 0;                                                         // 141 stops unfinished uploads
    virtual bool uploadErrorText(const char *peerId, IVariable *out) = 0;                                     // 142 error text of failed uploads
    virtual void openUserProfile(const char *userId, const char *network) = 0;                                // 143 opens a contact's profile
    virtual void forwardLocation(const char *key, const char *url) = 0;                                       // 144 forwards a location; key begins with "geo_"
    virtual bool sendFiles(const char *const *paths, int fileCount, const char *const *recipientIds, int recipientCount) = 0; // 145 uploads files to recipients
    virtual void broadcastId(IVariable *out) = 0;                                                             // 146 identifier text used in broadcast job ids
    virtual bool sendBroadcast(const char *jobId, const char *peerId, const char *text) = 0;                  // 147 sends one broadcast message
    virtual bool canReceiveBroadcast(const char *peerId) = 0;                                                 // 148 the peer can receive broadcasts
    virtual int pickContacts(IVariable *out) = 0;                                                             // 149 lets the user pick contacts; ids separated by commas
    virtual bool getAvatar(const char *userId, IImage *out) = 0;                                              // 150 the user's picture
    virtual IHostEvent *createEvent() = 0;                                                                    // 151 new event object
    virtual void submitEvent(IHostEvent *event) = 0;                                                          // 152 shows the event to the user
    virtual void releaseEvent(IHostEvent *event) = 0;                                                         // 153 gives back an event object
    virtual void runHistoryReset(int command) = 0;                                                            // 154 resets and re-synchronises the local history
    virtual void forwardText(const char *markup) = 0;                                                         // 155 lets the user pick recipients and sends the markup
    virtual void fetchFile(const char *address) = 0;                                                          // 156 downloads an attachment
    virtual bool ownTransferSchemes(IVariable *out) = 0;                                                      // 157 schemes of the host's own transfer addresses, comma-separated ("sim"); false when none
    virtual IHostClock *hostClock() = 0;                                                                      // 158 the host's simulated clock for the plug-in's time and timers; null: the machine's
    virtual IHostScreens *hostScreens() = 0;                                                                  // 159 the screens windows are laid out on; null: the machine's
    virtual int searchMessages(const char *conversationId, const char16_t *text, int flags, std::int64_t fromEventId,
                               int limit, IVariable *out) = 0;                                                // 160 messages whose text holds `text`: event ids, comma-separated, see SearchFlag; returns how many, -1: no search
    virtual IMessageList *messagesPageAfter(const char *conversationId, std::int64_t eventId) = 0;            // 161 the page after an event id, oldest first
    virtual IMessageList *pictureMessages(const char *conversationId) = 0;                                    // 162 the messages that hold pictures, oldest first; at most the newest MaxPictureMessages
    virtual std::int64_t messageOrdinal(const char *conversationId, std::int64_t eventId, std::int64_t *total) = 0; // 163 how many messages of the conversation are older than eventId; *total: how many it holds; -1: unknown
    virtual IMessageList *messagesPageAt(const char *conversationId, std::int64_t ordinal) = 0;               // 164 the page from the message with that many older ones on, oldest first; null: unknown

    // searchMessages: the text is matched against what the messages read
    // (their markup reduced to text), in the whole conversation. Without
    // SearchOlder the ids after fromEventId come oldest first; with it the
    // ids before fromEventId (0: from the newest) come newest first. At
    // most `limit` ids.
    // pictureMessages: every message whose markup holds a picture tag
    // ("[pic" or "[img]"), deleted ones left out, so that a picture list can
    // reach past what a window shows. One answer holds at most the newest
    // MaxPictureMessages of them, whatever the conversation's length.
    static constexpr int MaxPictureMessages = 1000;
    // messageOrdinal and messagesPageAt: a message's place in the whole
    // conversation, so that a view holding a few hundred messages can show
    // where they stand in a long one and go to any place in it. eventId need
    // not name a stored message: the answer counts the messages with smaller
    // ids. messagesPageAt(id, 0) is the first page; past the end the list is
    // empty. Both are meant to cost about a page's query whatever the
    // conversation's length. A host that cannot say answers -1 (total
    // untouched) and null; the plug-in then keeps to what it has rendered.

    enum SearchFlag : int {
        SearchMatchCase = 1, // upper and lower case differ
        SearchOlder = 2,     // towards older messages
    };

protected:
    ~IHostServices() = default;
};
