#include "plugin/chat.h"

#include "broadcast/broadcastregistry.h"
#include "chat/chatmanager.h"
#include "chat/chatsession.h"
#include "chat/chatwindowinterface.h"
#include "chat/controlrecord.h"
#include "chat/outgoingmessage.h"
#include "chat/roomdirectory.h"
#include "chat/tabbedwindowinterface.h"
#include "emoticons/emotionboxmanager.h"
#include "lib_kelvan/log.h"
#include "lib_kelvan/utf16.h"
#include "plugin/hostevent.h"
#include "plugin/pluginlogging.h"
#include "plugin/records/userobj.h"
#include "plugin/records/variableimpl.h"
#include "render/messageblocks.h"
#include "shared/sharedresourcemanager.h"
#include "settings/settingsdialogfactory.h"
#include "settings/settingsdialoginterface.h"
#include "settings/settingsmanager.h"

#include <sdk/ihostmessage.h>
#include <sdk/ihostservices.h>
#include <sdk/iplugin.h>
#include <sdk/ivariable.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeDatabase>

#include <climits>
#include <vector>

namespace {

// The transfer tables start with room for this many peers.
constexpr int TransferTableBuckets = 128;

QByteArray idOf(const IUser *user)
{
    return user && user->id() ? QByteArray(user->id()) : QByteArray();
}

using kelvan::fromUtf16;

// A host text operation answering into a VariableImpl; empty when it fails.
template <typename Operation>
QByteArray askHost(Operation operation)
{
    VariableImpl value;
    return operation(&value) ? value.bytes() : QByteArray();
}

// The tag name of a message body: the text between the first "[" and the
// next "]", lower-cased in ASCII.
QByteArray tagName(const QByteArray &body)
{
    const int open = body.indexOf('[');
    if (open < 0)
        return QByteArray();
    const int close = body.indexOf(']', open + 1);
    if (close < 0)
        return QByteArray();
    return body.mid(open + 1, close - open - 1).toLower();
}

} // namespace

Chat *Chat::s_instance = nullptr;

Chat *Chat::instance()
{
    return s_instance;
}

Chat *Chat::create()
{
    if (!s_instance)
        s_instance = new Chat();
    return s_instance;
}

void Chat::destroy()
{
    Chat *chat = s_instance;
    s_instance = nullptr;
    delete chat;
}

Chat::Chat()
    : m_manager(std::make_unique<ChatManager>(this))
    , m_roomDirectory(std::make_unique<RoomDirectory>(this))
{
    m_pictureTransfers.reserve(TransferTableBuckets);
    m_fileTransfers.reserve(TransferTableBuckets);
    // The clipboard exists only in a GUI application.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        if (QClipboard *clipboard = QGuiApplication::clipboard())
            connect(clipboard, &QClipboard::dataChanged, this, &Chat::slotClipboardChanged);
    }
}

Chat::~Chat()
{
    if (m_settingsDialog)
        delete m_settingsDialog.data();
    m_manager->closeAll();
}

QString Chat::appName() const
{
    return m_host ? fromUtf16(m_host->appName(-1)) : QString();
}

// --- Sending ---------------------------------------------------------------------

void Chat::sendInstantMessage(const QByteArray &sessionKey, const QList<QByteArray> &recipientIds, const QString &markup)
{
    if (recipientIds.isEmpty() || !m_host)
        return;
    const QByteArray &first = recipientIds.first();
    UserObj firstRecord;
    if (first.isEmpty() || !m_host->getUser(&firstRecord, first.constData())) {
        try {
            kelvan::defaultLog().log(QStringLiteral("Warning> Chat::sendInstantMessage() : No such user: %1")
                                         .arg(QString::fromUtf8(first)));
        } catch (...) {
            // Logging never stops a send path.
        }
        qCWarning(lcPlugin) << "sendInstantMessage: no such user" << first;
        return;
    }

    QString text = markup;
    if (SharedResourceManager *resources = SharedResourceManager::existingInstance()) {
        if (EmotionBoxManager *emoticons = resources->emoticons())
            text = emoticons->replaceAliases(text);
    }

    // A room relays to its members itself.
    const QList<QByteArray> recipients = firstRecord.isRoom() ? QList<QByteArray>{first} : recipientIds;
    const QStringList parts = OutgoingMessage::splitParts(text);
    const char *key = sessionKey.isEmpty() ? nullptr : sessionKey.constData();
    for (const QString &part : parts) {
        const QByteArray bytes = part.toUtf8();
        for (const QByteArray &recipient : recipients) {
            if (!recipient.isEmpty())
                m_host->sendInstantMessage(key, recipient.constData(), bytes.constData());
        }
    }
}

void Chat::playMessageSound()
{
    if (m_host)
        m_host->playSound("plugins/chat/sounds/message.wav", 0, 0);
}

void Chat::playNudgeSound()
{
    if (m_host)
        m_host->playSound("plugins/chat/sounds/nudge.wav", 0, 0);
}

SettingsManager *Chat::settings() const
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    return resources ? resources->settings() : nullptr;
}

QByteArray Chat::ownUserId() const
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    return resources ? resources->ownUser().idBytes() : QByteArray();
}

QByteArray Chat::transferPeer(const QByteArray &transferKey) const
{
    if (!m_host || transferKey.isEmpty())
        return QByteArray();
    return askHost([&](IVariable *out) { return m_host->transferPeer(transferKey.constData(), out); });
}

void Chat::sendFileMessage(const QByteArray &transferKey)
{
    if (!m_host || transferKey.isEmpty())
        return;
    const QByteArray url = askHost([&](IVariable *out) { return m_host->transferUrl(transferKey.constData(), out); });
    const QByteArray localPath = askHost([&](IVariable *out) { return m_host->transferLocalPath(transferKey.constData(), out); });
    const QByteArray peer = transferPeer(transferKey);
    if (url.isEmpty() || peer.isEmpty()) {
        qCWarning(lcPlugin) << "file upload" << transferKey << "has no address or peer; no message sent";
        return;
    }
    const QString path = QString::fromUtf8(localPath);
    const QFileInfo file(path);
    const QString mime = QMimeDatabase().mimeTypeForFile(path).name();
    if (ChatSession *session = m_manager->findByFirstParticipant(peer))
        session->uploadFinished(transferKey);
    forgetUpload(transferKey);
    sendInstantMessage(QByteArray(), {peer},
                       OutgoingMessage::fileMessageText(QString::fromUtf8(url), file.fileName(), file.size(), mime));
}

void Chat::sendPictureMessage(const QByteArray &transferKey)
{
    if (!m_host || transferKey.isEmpty())
        return;
    const QByteArray source = askHost([&](IVariable *out) { return m_host->transferPictureSource(transferKey.constData(), out); });
    const QByteArray peer = transferPeer(transferKey);
    if (source.isEmpty() || peer.isEmpty()) {
        qCWarning(lcPlugin) << "picture upload" << transferKey << "has no source or peer; no message sent";
        return;
    }
    if (ChatSession *session = m_manager->findByFirstParticipant(peer))
        session->uploadFinished(transferKey);
    forgetUpload(transferKey);
    sendInstantMessage(QByteArray(), {peer}, OutgoingMessage::pictureMessageText(QString::fromUtf8(source)));
}

void Chat::sendAttachment(IUser *const *users, int count, const QByteArray &text)
{
    if (!users || count <= 0 || text.isEmpty())
        return;
    const QString markup = QString::fromUtf8(text);
    for (int i = 0; i < count; ++i) {
        const QByteArray id = idOf(users[i]);
        if (!id.isEmpty())
            sendInstantMessage(QByteArray(), {id}, markup);
    }
}

// --- Messages, events, commands ----------------------------------------------------

void Chat::onMessage(IHostMessage *message)
{
    if (!message || !m_host)
        return;
    const QByteArray peer = QByteArray::number(qint64(message->peerId()));
    const QByteArray pluginId(message->pluginId() ? message->pluginId() : "");
    const QByteArray sessionKey = pluginId == "chat" && message->sessionKey() ? QByteArray(message->sessionKey()) : QByteArray();
    UserObj peerRecord;
    if (!m_host->getUser(&peerRecord, peer.constData()))
        return;
    if (ChatSession *session = m_manager->findConversation(&peerRecord, sessionKey))
        session->onMessage(message);
}

void Chat::onCommand(const IUser *sender, const QByteArray &text)
{
    m_manager->onCommand(sender, text);
}

void Chat::onEvent(int code, const QByteArray &data)
{
    dispatch(HostEvent::parse(code, data));
}

void Chat::forEachWithTransfer(TransferKind kind, const QByteArray &transferKey,
                               void (*operation)(ChatSession *, const QByteArray &, int), int code)
{
    const QList<QByteArray> peers = peersWithTransfer(kind, transferKey);
    if (peers.isEmpty())
        return;
    m_manager->forEach([&](ChatSession *session) {
        if (peers.contains(session->firstParticipantId()))
            operation(session, transferKey, code);
    });
}

ChatSession *Chat::transferOwner(const QByteArray &transferKey, TransferKind kind) const
{
    QByteArray peer = transferPeer(transferKey);
    if (peer.isEmpty()) {
        const QList<QByteArray> peers = peersWithTransfer(kind, transferKey);
        if (!peers.isEmpty())
            peer = peers.first();
    }
    return m_manager->findByFirstParticipant(peer);
}

void Chat::dispatch(const HostEvent &event)
{
    using Route = HostEvent::Route;
    switch (event.route) {
    case Route::Ignored:
        qCDebug(lcPlugin) << "host event" << event.code << "ignored";
        return;
    case Route::FileTransferChanged:
        forEachWithTransfer(TransferKind::File, event.key,
                            [](ChatSession *s, const QByteArray &k, int c) { s->onFileTransferChanged(k, c); }, event.code);
        // 5 and 6: the download finished or failed; a new one is watched anew.
        if (event.code != 4)
            removeTransfer(TransferKind::File, event.key);
        return;
    case Route::PictureTransferChanged:
        forEachWithTransfer(TransferKind::Picture, event.key,
                            [](ChatSession *s, const QByteArray &k, int c) { s->onPictureTransferChanged(k, c); }, event.code);
        return;
    case Route::PictureRedraw:
        forEachWithTransfer(TransferKind::Picture, event.key,
                            [](ChatSession *s, const QByteArray &k, int c) { s->redrawPicture(k, c); }, event.code);
        // The fetch has ended either way.
        removeTransfer(TransferKind::Picture, event.key);
        return;
    case Route::UploadDetails: {
        if (!m_host)
            return;
        const QByteArray details = askHost([&](IVariable *out) { return m_host->transferDetails(event.key.constData(), out); });
        const TransferKind kind = event.code == 16 ? TransferKind::Picture : TransferKind::File;
        const QByteArray peer = transferPeer(event.key);
        if (!peer.isEmpty()) {
            addTransfer(kind, peer, event.key);
            QList<QByteArray> &pending = m_pendingUploads[peer];
            if (!pending.contains(event.key))
                pending.append(event.key);
        }
        if (ChatSession *session = transferOwner(event.key, kind))
            session->uploadDetails(event.key, details, event.code);
        return;
    }
    case Route::UploadRemoved:
        if (ChatSession *session = transferOwner(event.key, TransferKind::File))
            session->uploadRemoved(event.key);
        forgetUpload(event.key);
        return;
    case Route::UploadResult:
        if (ChatSession *session = transferOwner(event.key, TransferKind::File))
            session->uploadResult(event.key, event.code, event.fields);
        // 11 failed, 18 stopped; a finished one (10) sends its message next.
        if (event.code != 10)
            forgetUpload(event.key);
        return;
    case Route::FileMessage:
        sendFileMessage(event.key);
        return;
    case Route::PictureMessage:
        sendPictureMessage(event.key);
        return;
    case Route::UploadProgress:
        if (ChatSession *session = m_manager->findByFirstParticipant(event.id))
            session->uploadProgress(event.key, event.uploaded, event.total);
        return;
    case Route::TabbedWindow:
        if (TabbedWindowInterface *tabbed = m_manager->existingTabbedWindow())
            tabbed->setMissedCount(event.id, event.numbers.first());
        return;
    case Route::Nudge:
        onNudgeEvent(event);
        return;
    case Route::ConversationNumbers:
        // The conversation id, then the stored messages of that conversation
        // that must alert even while its notifications are off.
        for (int i = 1; i < event.numbers.size(); ++i)
            addMustAlert(event.numbers.at(i));
        return;
    case Route::ConversationEvent: {
        ChatSession *session = m_manager->findByFirstParticipant(QByteArray::number(event.numbers.first()));
        if (session)
            session->onConversationEvent(event.code, event.numbers.mid(1));
        return;
    }
    case Route::RoomRequest: {
        // 777: ask the history plug-in again; 779: the room's history came.
        const QByteArray roomId = m_roomDirectory->roomOfRequest(int(qBound<qint64>(0, event.numbers.first(), INT_MAX)));
        if (roomId.isEmpty())
            return;
        if (event.code == 777)
            requestRoomHistory(roomId);
        else if (ChatSession *session = m_manager->findRoom(roomId))
            session->loadHistory();
        return;
    }
    case Route::HistorySyncStarted:
    case Route::HistorySyncFinished:
        onHistorySync(event.route == Route::HistorySyncStarted);
        return;
    }
}

void Chat::onHistorySync(bool running)
{
    m_historySyncRunning = running;
    if (SettingsDialogInterface *dialog = openSettingsDialog())
        dialog->setSynchronizing(running);
    // The history came back under new event ids: what the windows show
    // refers to the old ones.
    if (!running)
        m_manager->forEach([](ChatSession *session) {
            if (ChatWindowInterface *window = session->window())
                window->loadHistory();
        });
}

void Chat::onNudgeEvent(const HostEvent &event)
{
    if (!m_host)
        return;
    const qint64 sender = event.numbers.at(0);
    const qint64 room = event.numbers.at(1);
    UserObj record;
    const QByteArray recordId = QByteArray::number(room != 0 ? room : sender);
    if (!m_host->getUser(&record, recordId.constData()))
        return;
    const ControlRecord nudge(ControlRecord::Command::Nudge, QByteArray(), room != 0 ? QByteArray::number(room) : QByteArray());
    m_manager->handleCommand(&record, nudge);
}

void Chat::describeMessage(IHostMessage *message, IVariable *out) const
{
    if (!message || !out)
        return;
    const QByteArray body(message->body() ? message->body() : "");
    const QByteArray tag = tagName(body);
    if (tag.isEmpty()) {
        out->set(body.constData(), -1);
        return;
    }
    UserObj sender;
    if (m_host)
        m_host->getUser(&sender, QByteArray::number(qint64(message->senderId())).constData());
    if (tag == "nudge") {
        const QString text = message->isReceived()
            ? QCoreApplication::translate("PluginImpl", "%1 sent you a nudge.").arg(sender.displayNameString())
            : QCoreApplication::translate("PluginImpl", "You sent a nudge to %1.").arg(sender.displayNameString());
        out->set(text.toUtf8().constData(), -1);
        return;
    }
    out->set(body.constData(), -1);
}

// --- Conversations -----------------------------------------------------------------

ChatSession *Chat::openChat(const IUser *user)
{
    return m_manager->openChat(user);
}

ChatSession *Chat::findConversation(const IUser *sender, const QByteArray &sessionKey) const
{
    return m_manager->findConversation(sender, sessionKey);
}

ChatSession *Chat::findOrCreateConversation(const IUser *user, const QByteArray &sessionKey)
{
    return m_manager->findOrCreateConversation(user, sessionKey);
}

ChatSession *Chat::openById(const QByteArray &userId, const QByteArray &sessionKey)
{
    ChatSession *session = m_manager->openById(userId, sessionKey);
    if (session)
        session->show(false);
    return session;
}

ChatSession *Chat::startMultiChat(IUser *const *users, int count, const QString &text)
{
    return m_manager->startMultiChat(users, count, text);
}

// --- Rooms ---------------------------------------------------------------------------

void Chat::onRoomCommand(const QByteArray &text)
{
    m_manager->roomsChanged(m_roomDirectory->apply(text));
}

ChatSession *Chat::createRoom(IUser *const *users, int count)
{
    IHostServices *rooms = m_roomsHost ? m_roomsHost : m_host;
    std::vector<IUser *> contacts;
    for (int i = 0; users && i < count; ++i) {
        if (users[i] && users[i]->type() == 0 && !idOf(users[i]).isEmpty())
            contacts.push_back(users[i]);
    }
    if (!rooms || contacts.empty())
        return nullptr;
    const int token = rooms->createRoom(contacts.data(), int(contacts.size()));
    if (token == 0)
        return nullptr;
    // Stands first until the room arrives: a room without an id yet.
    UserObj standIn;
    standIn.setType(1);
    standIn.setStatus(1);
    standIn.setDisplayName(QCoreApplication::translate("Chat", "New chat room"));
    return m_manager->startRoomCreation(&standIn, token);
}

void Chat::requestRoomHistory(const QByteArray &roomId)
{
    IPlugin *history = m_host && !roomId.isEmpty() ? m_host->findPlugin("history") : nullptr;
    if (!history)
        return;
    qint64 newest = 0;
    if (IMessageList *list = m_host->newestMessages(roomId.constData())) {
        if (list->count() > 0 && list->at(list->count() - 1))
            newest = MessageBlocks::messageTimeToDateTime(list->at(list->count() - 1)->time()).toSecsSinceEpoch();
        m_host->releaseMessageList(list);
    }
    const QByteArray data = roomId + ':' + QByteArray::number(qMax<qint64>(0, newest));
    history->onEvent(778, data.constData(), data.size());
}

// --- Notices -------------------------------------------------------------------------

void Chat::notifyUserWindow(const IUser *user)
{
    if (ChatSession *session = m_manager->findByPeer(idOf(user)))
        session->notifyUserWindow();
}

void Chat::onUserDeleted(const IUser *user)
{
    const QByteArray id = idOf(user);
    if (id.isEmpty())
        return;
    if (SettingsManager *manager = settings())
        manager->forgetContact(QString::fromUtf8(id));
    if (ChatSession *session = m_manager->findByPeer(id))
        m_manager->remove(session);
}

void Chat::onConnectionLost()
{
    if (m_settingsDialog)
        delete m_settingsDialog.data();
    m_roomDirectory->clear();
    m_manager->forEach([](ChatSession *session) { session->onConnectionLost(); });
    m_pictureTransfers.clear();
    m_fileTransfers.clear();
}

void Chat::onUserPresence(const IUser *user, int value)
{
    const QByteArray id = idOf(user);
    if (id.isEmpty())
        return;
    const int status = user->status();
    m_roomDirectory->onPresence(id, status);
    m_manager->forEach([&](ChatSession *session) { session->onUserPresence(id, status, value); });
}

void Chat::onUserStatusText(const IUser *user)
{
    const QByteArray id = idOf(user);
    if (id.isEmpty())
        return;
    const QString text = user->hasStatusMessage() ? fromUtf16(user->statusText()) : QString();
    m_manager->forEach([&](ChatSession *session) { session->onUserStatusText(id, text); });
}

void Chat::onUserChanged(const IUser *user)
{
    const QByteArray id = idOf(user);
    if (id.isEmpty())
        return;
    m_manager->forEach([&](ChatSession *session) { session->onUserChanged(id); });
}

void Chat::onUserUpdated(const IUser *user)
{
    if (idOf(user).isEmpty())
        return;
    const UserObj copy(user);
    if (copy.isRoom())
        m_roomDirectory->onRoomUpdated(&copy);
    m_manager->forEach([&](ChatSession *session) { session->onUserUpdated(&copy); });
}

void Chat::refreshOwnUser()
{
    m_manager->forEach([](ChatSession *session) { session->onOwnUserChanged(); });
}

void Chat::onOwnProfile(int which)
{
    m_manager->forEach([which](ChatSession *session) {
        switch (which) {
        case 1: session->onOwnProfileA(); break;
        case 2: session->onOwnProfileB(); break;
        case 3: session->onOwnProfileC(); break;
        default: break;
        }
    });
}

void Chat::onOptionsChanged(int first, int second)
{
    m_hiddenSettingsParts = first;
    m_disabledSettingsParts = second;
    if (SettingsDialogInterface *dialog = openSettingsDialog())
        dialog->setHostParts(first, second);
    m_manager->forEach([&](ChatSession *session) { session->onOptionsChanged(first, second); });
}

void Chat::onHostNumberChanged()
{
    if (!m_host)
        return;
    m_hostNumberIsZero = m_host->hostNumber() == 0;
    const bool isZero = m_hostNumberIsZero;
    if (SettingsDialogInterface *dialog = openSettingsDialog())
        dialog->setSynchronizationAvailable(!isZero);
    m_manager->forEach([isZero](ChatSession *session) { session->onHostNumberChanged(isZero); });
}

void Chat::refreshWindows()
{
    m_manager->forEach([](ChatSession *session) { session->refresh(); });
    if (TabbedWindowInterface *tabbed = m_manager->existingTabbedWindow())
        tabbed->recountMissedMessages();
}

void Chat::refreshButtons()
{
    m_manager->forEach([](ChatSession *session) {
        session->refreshPluginButtons();
        session->refresh();
    });
}

void Chat::reloadResources(IHostServices *host)
{
    if (!host)
        return;
    const QString folder = fromUtf16(host->dataFolder(-1));
    SharedResourceManager::instance()->reloadTemplate(folder);
    // Question 0: whether the plug-in buttons are to be rebuilt.
    const bool rebuildButtons = host->askYesNo(0);
    m_manager->forEach([rebuildButtons](ChatSession *session) {
        if (rebuildButtons)
            session->refreshPluginButtons();
        session->refresh();
    });
}

void Chat::onUserList(const QByteArray &id, const QStringList &items)
{
    if (!id.isEmpty())
        m_userLists.insert(id, items);
}

// --- Shared state ----------------------------------------------------------------------

void Chat::addTransfer(TransferKind kind, const QByteArray &peerId, const QByteArray &transferKey)
{
    if (peerId.isEmpty() || transferKey.isEmpty())
        return;
    QList<QByteArray> &keys = (kind == TransferKind::Picture ? m_pictureTransfers : m_fileTransfers)[peerId];
    if (!keys.contains(transferKey))
        keys.append(transferKey);
}

void Chat::removeTransfer(TransferKind kind, const QByteArray &transferKey)
{
    QHash<QByteArray, QList<QByteArray>> &table = kind == TransferKind::Picture ? m_pictureTransfers : m_fileTransfers;
    for (auto it = table.begin(); it != table.end();) {
        it.value().removeAll(transferKey);
        it = it.value().isEmpty() ? table.erase(it) : std::next(it);
    }
}

QList<QByteArray> Chat::transferKeys(TransferKind kind, const QByteArray &peerId) const
{
    return (kind == TransferKind::Picture ? m_pictureTransfers : m_fileTransfers).value(peerId);
}

void Chat::watchTransfer(bool picture, const QByteArray &peerId, const QByteArray &transferKey)
{
    addTransfer(picture ? TransferKind::Picture : TransferKind::File, peerId, transferKey);
}

QList<QByteArray> Chat::pendingUploads(const QByteArray &peerId) const
{
    return m_pendingUploads.value(peerId);
}

void Chat::forgetUpload(const QByteArray &transferKey)
{
    removeTransfer(TransferKind::File, transferKey);
    removeTransfer(TransferKind::Picture, transferKey);
    for (auto it = m_pendingUploads.begin(); it != m_pendingUploads.end();) {
        it.value().removeAll(transferKey);
        it = it.value().isEmpty() ? m_pendingUploads.erase(it) : std::next(it);
    }
}

QList<QByteArray> Chat::peersWithTransfer(TransferKind kind, const QByteArray &transferKey) const
{
    const QHash<QByteArray, QList<QByteArray>> &table = kind == TransferKind::Picture ? m_pictureTransfers : m_fileTransfers;
    QList<QByteArray> peers;
    for (auto it = table.cbegin(); it != table.cend(); ++it) {
        if (it.value().contains(transferKey))
            peers.append(it.key());
    }
    return peers;
}

void Chat::addMustAlert(qint64 eventId)
{
    m_mustAlert.insert(eventId);
}

bool Chat::takeMustAlert(qint64 eventId)
{
    return m_mustAlert.remove(eventId);
}

void Chat::setSettingsDialog(QObject *dialog)
{
    if (m_settingsDialog == dialog)
        return;
    if (m_settingsDialog)
        disconnect(m_settingsDialog, &QObject::destroyed, this, &Chat::onSettingsDlgDestroyed);
    m_settingsDialog = dialog;
    if (dialog)
        connect(dialog, &QObject::destroyed, this, &Chat::onSettingsDlgDestroyed);
}

SettingsDialogInterface *Chat::openSettingsDialog() const
{
    return dynamic_cast<SettingsDialogInterface *>(m_settingsDialog.data());
}

void Chat::showSettings()
{
    if (SettingsDialogInterface *open = openSettingsDialog()) {
        open->showDialog();
        return;
    }
    SettingsDialogFactory *factory = SettingsDialogFactory::instance();
    SettingsDialogInterface *dialog = factory ? factory->createSettingsDialog(m_host, [this] { applySettings(); }) : nullptr;
    if (!dialog)
        return;
    setSettingsDialog(dialog->dialogObject());
    dialog->setHostParts(m_hiddenSettingsParts, m_disabledSettingsParts);
    dialog->setSynchronizationAvailable(!m_hostNumberIsZero);
    dialog->setSynchronizing(m_historySyncRunning);
    dialog->showDialog();
}

void Chat::applySettings()
{
    m_manager->forEach([](ChatSession *session) {
        if (ChatWindowInterface *window = session->window())
            window->applySettings();
    });
    if (BroadcastRegistry *broadcasts = BroadcastRegistry::instance())
        broadcasts->applySettings();
}

void Chat::onSettingsDlgDestroyed(QObject *object)
{
    if (m_settingsDialog == object || !m_settingsDialog)
        m_settingsDialog = nullptr;
}

void Chat::slotClipboardChanged()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    const QClipboard *clipboard = QGuiApplication::clipboard();
    m_clipboardOwnText = clipboard && !m_clipboardText.isNull() && clipboard->text() == m_clipboardText;
}

void Chat::slotSetClipboard(const QString &text)
{
    m_clipboardText = text;
    m_clipboardOwnText = true;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        if (QClipboard *clipboard = QGuiApplication::clipboard())
            clipboard->setText(text);
    }
}
