#pragma once

#include <sdk/ihostservices.h>

#include <QByteArray>
#include <QJsonArray>
#include <QString>

#include <initializer_list>
#include <memory>
#include <vector>

namespace hostkit {

class Host;
class HostCustomStatus;
class JournalValue;

// The host service object of one plug-in object. Every call is recorded in
// the host's journal under this object's label (the plug-in id) and number,
// then served by the host. Texts returned as UTF-16 stay valid until the
// next call of the same service object.
class HostServices final : public IHostServices
{
public:
    HostServices(Host &host, const QByteArray &label, int number);
    ~HostServices();
    Q_DISABLE_COPY(HostServices)

    QByteArray label() const { return m_label; }
    void setLabel(const QByteArray &label) { m_label = label; }
    int number() const { return m_number; }

    const char16_t *appName(int which) override;
    bool askYesNo(int question) override;
    bool queryState(int query) override;
    void registerPlugin(IPlugin *plugin) override;
    bool getOwnUser(IUser *out) override;
    void requestUser(IUser *user) override;
    int contactCount() override;
    bool contactAt(IUser *out, int index) override;
    bool getUser(IUser *out, const char *userId) override;
    int customStatusCount() override;
    ICustomStatus *customStatusAt(int index) override;
    bool sendControl(const char *recipientId, const char *text) override;
    bool sendInstantMessage(const char *sessionKey, const char *recipientId, const char *text) override;
    void playSound(const char *path, int a, int b) override;
    const char16_t *settingsFolder(int which) override;
    bool loadMessageByEvent(std::int64_t eventId, IHostMessage *record) override;
    bool loadMessageById(const char *messageId, IHostMessage *record) override;
    bool canChatWith(const char *userOrRoomId) override;
    const char16_t *dataFolder(int which) override;
    IPlugin *findPlugin(const char *pluginId) override;
    void leaveRoom(std::int64_t roomId) override;
    int createRoom(IUser *const *users, int count) override;
    void renameRoom(std::int64_t roomId, const char16_t *displayName) override;
    void inviteToRoom(std::int64_t roomId, const char *const *userIds, int count) override;
    void roomOpened(std::int64_t roomId) override;
    void markSeen(const char *peerOrRoomId) override;
    void postMessage(IMessageObject *message) override;
    IMessageObject *createMessage() override;
    IHostMessage *createMessageRecord() override;
    void releaseMessage(IMessageObject *message) override;
    void releaseMessageRecord(IHostMessage *record) override;
    const char16_t *signedInIdentity() override;
    void registerRoomsListener(IRoomsListener *listener) override;
    const char *interfaceLanguage() override;
    const char16_t *applicationFolder() override;
    std::int64_t hostNumber() override;
    const char16_t *skinPath(const char *relativeName) override;
    IMessageList *newestMessages(const char *conversationId) override;
    IMessageList *messagesAfter(const char *conversationId, std::int64_t eventId) override;
    IMessageList *messagesBefore(const char *conversationId, std::int64_t eventId) override;
    void releaseMessageList(IMessageList *list) override;
    void showPopup(const char *pluginId, const char16_t *title, const char16_t *text, const char *senderId) override;
    int missedMessageCount(const char *peerId) override;
    bool localFileForAddress(const char *address, IVariable *out) override;
    void registerTransfer(const char *address, const char16_t *name, std::int64_t size, int kind) override;
    void formatSize(std::int64_t bytes, IVariable *out) override;
    void formatDuration(std::int64_t seconds, IVariable *out) override;
    void mediaCaption(int kind, IVariable *out) override;
    bool pictureLocalName(const char *address, IVariable *out) override;
    void createPictureLocalName(const char *address, IVariable *out) override;
    void fetchPicture(const char *address, const char *localName) override;
    int transferKind(const char *address) override;
    bool isTransferRunning(const char *address) override;
    bool savedPathForAddress(const char *address, IVariable *out) override;
    bool transferDetails(const char *transferKey, IVariable *out) override;
    bool transferUrl(const char *transferKey, IVariable *out) override;
    bool transferLocalPath(const char *transferKey, IVariable *out) override;
    bool transferPictureSource(const char *transferKey, IVariable *out) override;
    bool transferPeer(const char *transferKey, IVariable *out) override;
    int pluginButtonCount() override;
    IPlugin *pluginButtonAt(int index) override;
    void triggerPluginButton(const char *pluginId, const char *peerId) override;
    bool sendFilesDirect(const char *peerId, const char *const *paths, int count) override;
    bool isCloudDeliveryAvailable() override;
    void stopUploads(const char *peerId) override;
    bool uploadErrorText(const char *peerId, IVariable *out) override;
    void openUserProfile(const char *userId, const char *network) override;
    void forwardLocation(const char *key, const char *url) override;
    bool sendFiles(const char *const *paths, int fileCount, const char *const *recipientIds, int recipientCount) override;
    void broadcastId(IVariable *out) override;
    bool sendBroadcast(const char *jobId, const char *peerId, const char *text) override;
    bool canReceiveBroadcast(const char *peerId) override;
    int pickContacts(IVariable *out) override;
    bool getAvatar(const char *userId, IImage *out) override;
    IHostEvent *createEvent() override;
    void submitEvent(IHostEvent *event) override;
    void releaseEvent(IHostEvent *event) override;
    void runHistoryReset(int command) override;
    void forwardText(const char *markup) override;
    void fetchFile(const char *address) override;
    bool ownTransferSchemes(IVariable *out) override;
    IHostClock *hostClock() override;
    IHostScreens *hostScreens() override;
    int searchMessages(const char *conversationId, const char16_t *text, int flags, std::int64_t fromEventId, int limit,
                       IVariable *out) override;
    IMessageList *messagesPageAfter(const char *conversationId, std::int64_t eventId) override;
    IMessageList *pictureMessages(const char *conversationId) override;
    std::int64_t messageOrdinal(const char *conversationId, std::int64_t eventId, std::int64_t *total) override;
    IMessageList *messagesPageAt(const char *conversationId, std::int64_t ordinal) override;

private:
    // The arguments and results become JSON only while the journal records:
    // a host with its journal off pays nothing for it on every call.
    int record(int slot, const char *operation, std::initializer_list<JournalValue> arguments);
    void result(int entry, const JournalValue &value);
    const char16_t *keep(const QString &text);
    IMessageList *list(int entry, const QVector<struct StoredMessage> &messages);

    Host &m_host;
    QByteArray m_label;
    int m_number;
    QString m_text;      // the last UTF-16 text handed out
    QByteArray m_narrow; // the last UTF-8 text handed out
    std::vector<std::unique_ptr<HostCustomStatus>> m_customStatuses;
};

} // namespace hostkit
