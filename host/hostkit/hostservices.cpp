#include "hostservices.h"

#include "host.h"
#include "hostmessage.h"
#include "messagelist.h"
#include "messageobject.h"
#include "hostcustomstatus.h"
#include "hostevent.h"
#include "historysync.h"
#include "hostuser.h"
#include "messagestore.h"
#include "network.h"
#include "roomsservice.h"
#include "transfers.h"

#include "lib_kelvan/clock.h"
#include "platform/prompt.h"

#include <sdk/icustomstatus.h>
#include <sdk/iimage.h>
#include <sdk/iplugin.h>
#include <sdk/iroomslistener.h>
#include <sdk/iuser.h>
#include <sdk/ivariable.h>

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QThread>

#include <algorithm>

namespace hostkit {

// A journal argument or result, turned into JSON only when asked. It refers
// to the caller's value, which lives until the end of the call it is an
// argument of; numbers and text pointers it keeps itself.
class JournalValue
{
public:
    template <typename T, typename = std::enable_if_t<std::is_constructible<QJsonValue, const T &>::value>>
    JournalValue(const T &value)
        : m_pointer(&value)
        , m_make([](const JournalValue &v) { return QJsonValue(*static_cast<const T *>(v.m_pointer)); })
    {
    }

    static JournalValue utf8(const char *s)
    {
        return JournalValue(s, [](const JournalValue &v) {
            const char *text = static_cast<const char *>(v.m_pointer);
            return text ? QJsonValue(QString::fromUtf8(text)) : QJsonValue(QJsonValue::Null);
        });
    }
    static JournalValue text(const QByteArray &utf8)
    {
        return JournalValue(&utf8, [](const JournalValue &v) {
            return QJsonValue(QString::fromUtf8(*static_cast<const QByteArray *>(v.m_pointer)));
        });
    }
    static JournalValue utf16(const char16_t *s)
    {
        return JournalValue(s, [](const JournalValue &v) {
            const char16_t *text = static_cast<const char16_t *>(v.m_pointer);
            return text ? QJsonValue(QString::fromUtf16(text)) : QJsonValue(QJsonValue::Null);
        });
    }
    // JSON numbers lose 64-bit precision; ids and event ids travel as text.
    static JournalValue decimal(qint64 n)
    {
        JournalValue value(nullptr, [](const JournalValue &v) { return QJsonValue(QString::number(v.m_number)); });
        value.m_number = n;
        return value;
    }
    static JournalValue object(const void *p)
    {
        return JournalValue(p, [](const JournalValue &v) {
            return v.m_pointer ? QJsonValue(QStringLiteral("object")) : QJsonValue(QJsonValue::Null);
        });
    }

    QJsonValue toJson() const { return m_make(*this); }
    operator QJsonValue() const { return toJson(); }

private:
    using Make = QJsonValue (*)(const JournalValue &);
    JournalValue(const void *pointer, Make make)
        : m_pointer(pointer)
        , m_make(make)
    {
    }

    const void *m_pointer = nullptr;
    qint64 m_number = 0;
    Make m_make = nullptr;
};

namespace {

JournalValue utf8(const char *s)
{
    return JournalValue::utf8(s);
}

JournalValue text(const QByteArray &utf8)
{
    return JournalValue::text(utf8);
}

JournalValue utf16(const char16_t *s)
{
    return JournalValue::utf16(s);
}

JournalValue decimal(qint64 n)
{
    return JournalValue::decimal(n);
}

JournalValue object(const void *p)
{
    return JournalValue::object(p);
}

QByteArray bytes(const char *s)
{
    return s ? QByteArray(s) : QByteArray();
}

void setVariable(IVariable *out, const QByteArray &value)
{
    if (out)
        out->set(value.constData(), value.size());
}

// Calls from another thread (a broadcast sending thread) are carried over
// to the host's thread, where the store's connection lives.
template <typename F>
auto onHostThread(Host &host, F work) -> decltype(work())
{
    if (QThread::currentThread() == host.thread())
        return work();
    using R = decltype(work());
    if constexpr (std::is_void_v<R>) {
        QMetaObject::invokeMethod(&host, work, Qt::BlockingQueuedConnection);
    } else {
        R result{};
        QMetaObject::invokeMethod(&host, [&] { result = work(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

} // namespace

HostServices::HostServices(Host &host, const QByteArray &label, int number)
    : m_host(host)
    , m_label(label)
    , m_number(number)
{
}

HostServices::~HostServices() = default;

int HostServices::record(int slot, const char *operation, std::initializer_list<JournalValue> arguments)
{
    Journal &journal = m_host.journal();
    if (!journal.isEnabled())
        return -1;
    QJsonArray list;
    for (const JournalValue &argument : arguments)
        list.append(argument.toJson());
    return journal.record(Journal::Direction::Call, m_label, m_number, slot, operation, list);
}

void HostServices::result(int entry, const JournalValue &value)
{
    if (entry >= 0)
        m_host.journal().setResult(entry, value.toJson());
}

const char16_t *HostServices::keep(const QString &text)
{
    m_text = text;
    return reinterpret_cast<const char16_t *>(m_text.utf16());
}

IMessageList *HostServices::list(int entry, const QVector<StoredMessage> &messages)
{
    QJsonArray ids;
    for (const StoredMessage &m : messages)
        ids.append(decimal(m.eventId));
    result(entry, ids);
    return new MessageList(messages);
}

const char16_t *HostServices::appName(int which)
{
    const int e = record(2, "appName", {which});
    result(e, m_host.appName());
    return keep(m_host.appName());
}

bool HostServices::askYesNo(int question)
{
    const int e = record(3, "askYesNo", {question});
    platform::Prompt::Box box;
    box.title = m_host.appName();
    box.text = question == 0 ? QStringLiteral("The chat resources were reloaded. Rebuild the plug-in buttons of the chat windows?")
                             : QStringLiteral("Do you want to continue?");
    box.icon = platform::Prompt::Icon::Question;
    box.buttons = platform::Prompt::Yes | platform::Prompt::No;
    box.defaultButton = platform::Prompt::Yes;
    const bool yes = platform::Prompt::instance().ask(box) == platform::Prompt::Yes;
    result(e, yes);
    return yes;
}

bool HostServices::queryState(int query)
{
    const int e = record(4, "queryState", {query});
    const bool answer = m_host.stateAnswer(query);
    result(e, answer);
    return answer;
}

void HostServices::registerPlugin(IPlugin *plugin)
{
    record(5, "registerPlugin", {plugin ? QJsonValue(QString::fromUtf8(plugin->pluginId())) : QJsonValue(QJsonValue::Null)});
    m_host.registerFurther(this, plugin);
}

bool HostServices::getOwnUser(IUser *out)
{
    return onHostThread(m_host, [&] {
        const int e = record(7, "getOwnUser", {object(out)});
        if (!out) {
            result(e, false);
            return false;
        }
        HostUser own(m_host.profile().own());
        out->assign(&own);
        result(e, text(own.contact().id));
        return true;
    });
}

void HostServices::requestUser(IUser *user)
{
    const QByteArray id = user ? bytes(user->id()) : QByteArray();
    record(13, "requestUser", {QString::fromUtf8(id)});
    if (id.isEmpty() || m_host.profile().find(id))
        return;
    // The simulated directory knows every id: the record arrives a moment
    // later, as from a server, and the plug-ins hear of it.
    Host *host = &m_host;
    m_host.scheduler().schedule(200, QStringLiteral("directory answer for %1").arg(QString::fromUtf8(id)), [host, id] {
        if (host->profile().find(id))
            return;
        Contact c;
        c.id = id;
        c.userName = "user" + id;
        c.displayName = QStringLiteral("User %1").arg(QString::fromUtf8(id));
        host->profile().addContact(c);
        HostUser user(c);
        for (IPlugin *p : host->plugins()) {
            host->recordDelivery(p, 22, "onUserUpdated", {QString::fromUtf8(id)});
            p->onUserUpdated(&user);
        }
        Q_EMIT host->contactsChanged();
    });
}

int HostServices::contactCount()
{
    const int e = record(19, "contactCount", {});
    const int n = m_host.profile().contacts().size();
    result(e, n);
    return n;
}

bool HostServices::contactAt(IUser *out, int index)
{
    const int e = record(20, "contactAt", {object(out), index});
    const auto &contacts = m_host.profile().contacts();
    if (!out || index < 0 || index >= contacts.size()) {
        result(e, false);
        return false;
    }
    HostUser user(contacts.at(index));
    out->assign(&user);
    result(e, text(user.contact().id));
    return true;
}

bool HostServices::getUser(IUser *out, const char *userId)
{
    return onHostThread(m_host, [&] {
        const int e = record(21, "getUser", {object(out), utf8(userId)});
        const Contact *c = m_host.profile().find(bytes(userId));
        if (!out || !c) {
            result(e, false);
            return false;
        }
        HostUser user(*c);
        out->assign(&user);
        result(e, true);
        return true;
    });
}

int HostServices::customStatusCount()
{
    const int e = record(24, "customStatusCount", {});
    const int n = m_host.profile().customStatuses().size();
    result(e, n);
    return n;
}

ICustomStatus *HostServices::customStatusAt(int index)
{
    const int e = record(25, "customStatusAt", {index});
    const auto &statuses = m_host.profile().customStatuses();
    if (index < 0 || index >= statuses.size()) {
        result(e, QJsonValue::Null);
        return nullptr;
    }
    // One object per index, kept while its entry is unchanged, so asking
    // again does not pile up objects.
    if (m_customStatuses.size() < size_t(statuses.size()))
        m_customStatuses.resize(size_t(statuses.size()));
    auto &slot = m_customStatuses[size_t(index)];
    const QByteArray text = statuses.at(index).text.toUtf8();
    if (!slot || slot->statusCode() != statuses.at(index).code || text != slot->text())
        slot = std::make_unique<HostCustomStatus>(statuses.at(index).code, statuses.at(index).text);
    result(e, statuses.at(index).text);
    return slot.get();
}

bool HostServices::sendControl(const char *recipientId, const char *text)
{
    return onHostThread(m_host, [&] {
        const int e = record(26, "sendControl", {utf8(recipientId), utf8(text)});
        const QByteArray to = bytes(recipientId);
        const Contact *recipient = to.isEmpty() || !text ? nullptr : m_host.profile().find(to);
        const bool ok = recipient != nullptr;
        if (ok)
            m_host.network().controlSent(to, bytes(text));
        // What the rooms plug-in sends a room is for the rooms service.
        if (ok && recipient->isRoom() && m_label == "chat_rooms")
            m_host.rooms().controlFromPlugin(to, bytes(text));
        result(e, ok);
        return ok;
    });
}

bool HostServices::sendInstantMessage(const char *sessionKey, const char *recipientId, const char *text)
{
    return onHostThread(m_host, [&] {
        const int e = record(27, "sendInstantMessage", {utf8(sessionKey), utf8(recipientId), utf8(text)});
        const QByteArray to = bytes(recipientId);
        if (to.isEmpty() || !text || !m_host.profile().find(to) || !m_host.isReady()) {
            result(e, false);
            return false;
        }
        const QByteArray pluginId = m_label == "broadcast" ? QByteArray("broadcast") : QByteArray("chat");
        const qint64 eventId = m_host.storeOutgoing(pluginId, to, bytes(sessionKey), bytes(text));
        m_host.network().messageSent(to, bytes(sessionKey), bytes(text), eventId);
        result(e, decimal(eventId));
        return true;
    });
}

void HostServices::playSound(const char *path, int a, int b)
{
    record(33, "playSound", {utf8(path), a, b});
    m_host.playSound(QString::fromUtf8(bytes(path)));
}

const char16_t *HostServices::settingsFolder(int which)
{
    const int e = record(45, "settingsFolder", {which});
    const QString folder = QDir::toNativeSeparators(m_host.settingsFolder());
    result(e, folder);
    return keep(folder);
}

bool HostServices::loadMessageByEvent(std::int64_t eventId, IHostMessage *record)
{
    return onHostThread(m_host, [&] {
        const int e = this->record(49, "loadMessageByEvent", {decimal(eventId), object(record)});
        auto *target = dynamic_cast<HostMessage *>(record);
        const auto found = m_host.isReady() ? m_host.store().byEvent(eventId) : std::nullopt;
        if (!target || !found) {
            result(e, false);
            return false;
        }
        target->setMessage(*found);
        result(e, true);
        return true;
    });
}

bool HostServices::loadMessageById(const char *messageId, IHostMessage *record)
{
    return onHostThread(m_host, [&] {
        const int e = this->record(54, "loadMessageById", {utf8(messageId), object(record)});
        auto *target = dynamic_cast<HostMessage *>(record);
        const auto found = m_host.isReady() && messageId ? m_host.store().byMessageId(bytes(messageId)) : std::nullopt;
        if (!target || !found) {
            result(e, false);
            return false;
        }
        target->setMessage(*found);
        result(e, decimal(found->eventId));
        return true;
    });
}

bool HostServices::canChatWith(const char *userOrRoomId)
{
    const int e = record(59, "canChatWith", {utf8(userOrRoomId)});
    const Contact *c = m_host.profile().find(bytes(userOrRoomId));
    const bool ok = c && c->canChat && c->id != m_host.profile().own().id;
    result(e, ok);
    return ok;
}

const char16_t *HostServices::dataFolder(int which)
{
    const int e = record(67, "dataFolder", {which});
    const QString folder = QDir::toNativeSeparators(m_host.dataFolder());
    result(e, folder);
    return keep(folder);
}

IPlugin *HostServices::findPlugin(const char *pluginId)
{
    const int e = record(80, "findPlugin", {utf8(pluginId)});
    IPlugin *p = m_host.findPlugin(bytes(pluginId));
    result(e, p != nullptr);
    return p;
}

void HostServices::leaveRoom(std::int64_t roomId)
{
    record(88, "leaveRoom", {decimal(roomId)});
    m_host.rooms().leave(QByteArray::number(qint64(roomId)));
}

int HostServices::createRoom(IUser *const *users, int count)
{
    QJsonArray ids;
    QByteArrayList contacts;
    for (int i = 0; users && i < count; ++i) {
        if (users[i] && users[i]->id()) {
            ids.append(utf8(users[i]->id()));
            contacts.append(bytes(users[i]->id()));
        }
    }
    const int e = record(89, "createRoom", {ids});
    const int token = m_host.rooms().createRoom(contacts);
    result(e, token);
    return token;
}

void HostServices::renameRoom(std::int64_t roomId, const char16_t *displayName)
{
    record(90, "renameRoom", {decimal(roomId), utf16(displayName)});
    if (displayName)
        m_host.rooms().rename(QByteArray::number(qint64(roomId)), QString::fromUtf16(displayName));
}

void HostServices::inviteToRoom(std::int64_t roomId, const char *const *userIds, int count)
{
    QJsonArray ids;
    QByteArrayList contacts;
    for (int i = 0; userIds && i < count; ++i) {
        ids.append(utf8(userIds[i]));
        if (userIds[i])
            contacts.append(bytes(userIds[i]));
    }
    record(91, "inviteToRoom", {decimal(roomId), ids});
    m_host.rooms().invite(QByteArray::number(qint64(roomId)), contacts);
}

void HostServices::roomOpened(std::int64_t roomId)
{
    record(92, "roomOpened", {decimal(roomId)});
}

void HostServices::markSeen(const char *peerOrRoomId)
{
    record(95, "markSeen", {utf8(peerOrRoomId)});
    m_host.markSeen(bytes(peerOrRoomId));
}

void HostServices::postMessage(IMessageObject *message)
{
    onHostThread(m_host, [&] {
        const int e = record(97, "postMessage", {object(message)});
        auto *source = dynamic_cast<MessageObject *>(message);
        if (!source || !m_host.isReady()) {
            result(e, false);
            return;
        }
        StoredMessage m = source->message();
        if (m.time == 0)
            m.time = storeTimeFromDateTime(kelvan::Clock::instance().now());
        if (m.senderId == 0)
            m.senderId = m.conversation.toLongLong();
        m.received = QByteArray::number(m.senderId) != m_host.profile().own().id;
        m.pluginId = m_label == "broadcast" ? QByteArray("broadcast") : QByteArray("chat");
        const qint64 eventId = m_host.store().append(m);
        result(e, decimal(eventId));
        if (eventId == 0)
            return;
        Q_EMIT m_host.messageStored(eventId, m.conversation);
        m_host.deliverMessage(m);
    });
}

IMessageObject *HostServices::createMessage()
{
    const int e = record(98, "createMessage", {});
    result(e, QStringLiteral("object"));
    return new MessageObject;
}

IHostMessage *HostServices::createMessageRecord()
{
    const int e = record(99, "createMessageRecord", {});
    result(e, QStringLiteral("object"));
    return new HostMessage;
}

void HostServices::releaseMessage(IMessageObject *message)
{
    record(106, "releaseMessage", {object(message)});
    delete dynamic_cast<MessageObject *>(message);
}

void HostServices::releaseMessageRecord(IHostMessage *record)
{
    this->record(107, "releaseMessageRecord", {object(record)});
    delete dynamic_cast<HostMessage *>(record);
}

const char16_t *HostServices::signedInIdentity()
{
    const int e = record(108, "signedInIdentity", {});
    result(e, m_host.profile().identity());
    return keep(m_host.profile().identity());
}

void HostServices::registerRoomsListener(IRoomsListener *listener)
{
    record(109, "registerRoomsListener", {object(listener)});
    m_host.m_roomsListener = listener;
}

const char *HostServices::interfaceLanguage()
{
    const int e = record(110, "interfaceLanguage", {});
    m_narrow = m_host.interfaceLanguage();
    result(e, text(m_narrow));
    return m_narrow.constData();
}

const char16_t *HostServices::applicationFolder()
{
    const int e = record(111, "applicationFolder", {});
    const QString folder = QDir::toNativeSeparators(m_host.applicationFolder());
    result(e, folder);
    return keep(folder);
}

std::int64_t HostServices::hostNumber()
{
    const int e = record(112, "hostNumber", {});
    result(e, decimal(m_host.hostNumber()));
    return m_host.hostNumber();
}

const char16_t *HostServices::skinPath(const char *relativeName)
{
    const int e = record(113, "skinPath", {utf8(relativeName)});
    const QString name = QString::fromUtf8(bytes(relativeName));
    QString path;
    if (!name.isEmpty() && !name.contains(QLatin1String(".."))) {
        path = QDir(m_host.applicationFolder()).filePath(QStringLiteral("skin/") + name);
        if (!QFileInfo(path).isFile())
            path.clear();
    }
    result(e, path);
    return keep(path);
}

IMessageList *HostServices::newestMessages(const char *conversationId)
{
    const int e = record(114, "newestMessages", {utf8(conversationId)});
    if (!m_host.isReady())
        return list(e, {});
    return list(e, m_host.store().newest(bytes(conversationId), m_host.pageSize()));
}

IMessageList *HostServices::messagesAfter(const char *conversationId, std::int64_t eventId)
{
    const int e = record(115, "messagesAfter", {utf8(conversationId), decimal(eventId)});
    if (!m_host.isReady())
        return list(e, {});
    return list(e, m_host.store().after(bytes(conversationId), eventId));
}

IMessageList *HostServices::messagesBefore(const char *conversationId, std::int64_t eventId)
{
    const int e = record(116, "messagesBefore", {utf8(conversationId), decimal(eventId)});
    if (!m_host.isReady())
        return list(e, {});
    return list(e, m_host.store().before(bytes(conversationId), eventId, m_host.pageSize()));
}

void HostServices::releaseMessageList(IMessageList *list)
{
    record(117, "releaseMessageList", {object(list)});
    delete dynamic_cast<MessageList *>(list);
}

void HostServices::showPopup(const char *pluginId, const char16_t *title, const char16_t *text, const char *senderId)
{
    record(118, "showPopup", {utf8(pluginId), utf16(title), utf16(text), utf8(senderId)});
    m_host.showPopup({bytes(pluginId), title ? QString::fromUtf16(title) : QString(),
                      text ? QString::fromUtf16(text) : QString(), bytes(senderId)});
}

int HostServices::missedMessageCount(const char *peerId)
{
    const int e = record(119, "missedMessageCount", {utf8(peerId)});
    const int n = m_host.missedMessageCount(bytes(peerId));
    result(e, n);
    return n;
}

bool HostServices::localFileForAddress(const char *address, IVariable *out)
{
    const int e = record(120, "localFileForAddress", {utf8(address)});
    const QString file = m_host.transfers().localFile(bytes(address));
    setVariable(out, file.toUtf8());
    result(e, file);
    return !file.isEmpty();
}

void HostServices::registerTransfer(const char *address, const char16_t *name, std::int64_t size, int kind)
{
    record(121, "registerTransfer", {utf8(address), utf16(name), decimal(size), kind});
    m_host.transfers().registerTransfer(bytes(address), name ? QString::fromUtf16(name) : QString(), size, kind);
}

void HostServices::formatSize(std::int64_t bytes, IVariable *out)
{
    const int e = record(122, "formatSize", {decimal(bytes)});
    // Traditional units (1 kB = 1024 bytes), as people read file sizes.
    const QString text = QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
    setVariable(out, text.toUtf8());
    result(e, text);
}

void HostServices::formatDuration(std::int64_t seconds, IVariable *out)
{
    const int e = record(123, "formatDuration", {decimal(seconds)});
    const qint64 s = std::max<qint64>(0, seconds);
    const QString text = s >= 3600 ? QStringLiteral("%1:%2:%3").arg(s / 3600).arg(s / 60 % 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10, QLatin1Char('0'))
                                   : QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
    setVariable(out, text.toUtf8());
    result(e, text);
}

void HostServices::mediaCaption(int kind, IVariable *out)
{
    const int e = record(124, "mediaCaption", {kind});
    const QString text = kind == 1 ? QStringLiteral("Voice message") : kind == 2 ? QStringLiteral("Video message") : QString();
    setVariable(out, text.toUtf8());
    result(e, text);
}

bool HostServices::pictureLocalName(const char *address, IVariable *out)
{
    const int e = record(125, "pictureLocalName", {utf8(address)});
    const QString name = m_host.transfers().pictureLocalName(bytes(address));
    setVariable(out, name.toUtf8());
    result(e, name);
    return !name.isEmpty();
}

void HostServices::createPictureLocalName(const char *address, IVariable *out)
{
    const int e = record(126, "createPictureLocalName", {utf8(address)});
    const QString name = m_host.transfers().createPictureLocalName(bytes(address));
    setVariable(out, name.toUtf8());
    result(e, name);
}

void HostServices::fetchPicture(const char *address, const char *localName)
{
    record(127, "fetchPicture", {utf8(address), utf8(localName)});
    m_host.transfers().fetchPicture(bytes(address), QString::fromUtf8(bytes(localName)), m_label);
}

int HostServices::transferKind(const char *address)
{
    const int e = record(128, "transferKind", {utf8(address)});
    const int kind = m_host.transfers().kind(bytes(address));
    result(e, kind);
    return kind;
}

bool HostServices::isTransferRunning(const char *address)
{
    const int e = record(129, "isTransferRunning", {utf8(address)});
    const bool running = m_host.transfers().isRunning(bytes(address));
    result(e, running);
    return running;
}

bool HostServices::savedPathForAddress(const char *address, IVariable *out)
{
    const int e = record(130, "savedPathForAddress", {utf8(address)});
    const QString path = m_host.transfers().savedPath(bytes(address));
    setVariable(out, path.toUtf8());
    result(e, path);
    return !path.isEmpty();
}

bool HostServices::transferDetails(const char *transferKey, IVariable *out)
{
    const int e = record(131, "transferDetails", {utf8(transferKey)});
    const QByteArray details = m_host.transfers().details(bytes(transferKey));
    setVariable(out, details);
    result(e, text(details));
    return !details.isEmpty();
}

namespace {

template <typename Field>
bool transferText(Host &host, const char *key, IVariable *out, Field field, QByteArray *value)
{
    const Transfers::Transfer *t = host.transfers().find(bytes(key));
    *value = t ? field(*t) : QByteArray();
    setVariable(out, *value);
    return !value->isEmpty();
}

} // namespace

bool HostServices::transferUrl(const char *transferKey, IVariable *out)
{
    const int e = record(132, "transferUrl", {utf8(transferKey)});
    QByteArray value;
    const bool ok = transferText(m_host, transferKey, out, [](const Transfers::Transfer &t) {
        return t.state == Transfers::State::Done ? t.address : QByteArray();
    }, &value);
    result(e, text(value));
    return ok;
}

bool HostServices::transferLocalPath(const char *transferKey, IVariable *out)
{
    const int e = record(133, "transferLocalPath", {utf8(transferKey)});
    QByteArray value;
    const bool ok = transferText(m_host, transferKey, out, [](const Transfers::Transfer &t) { return t.localPath.toUtf8(); }, &value);
    result(e, text(value));
    return ok;
}

bool HostServices::transferPictureSource(const char *transferKey, IVariable *out)
{
    const int e = record(134, "transferPictureSource", {utf8(transferKey)});
    QByteArray value;
    const bool ok = transferText(m_host, transferKey, out, [](const Transfers::Transfer &t) {
        return t.picture && t.state == Transfers::State::Done ? t.address : QByteArray();
    }, &value);
    result(e, text(value));
    return ok;
}

bool HostServices::transferPeer(const char *transferKey, IVariable *out)
{
    const int e = record(135, "transferPeer", {utf8(transferKey)});
    QByteArray value;
    const bool ok = transferText(m_host, transferKey, out, [](const Transfers::Transfer &t) { return t.peer; }, &value);
    result(e, text(value));
    return ok;
}

int HostServices::pluginButtonCount()
{
    const int e = record(136, "pluginButtonCount", {});
    const int n = m_host.buttonPlugins().size();
    result(e, n);
    return n;
}

IPlugin *HostServices::pluginButtonAt(int index)
{
    const int e = record(137, "pluginButtonAt", {index});
    const QList<IPlugin *> buttons = m_host.buttonPlugins();
    IPlugin *p = index >= 0 && index < buttons.size() ? buttons.at(index) : nullptr;
    result(e, p ? QJsonValue(QString::fromUtf8(p->pluginId())) : QJsonValue(QJsonValue::Null));
    return p;
}

void HostServices::triggerPluginButton(const char *pluginId, const char *peerId)
{
    record(138, "triggerPluginButton", {utf8(pluginId), utf8(peerId)});
    m_host.execute(bytes(pluginId), bytes(peerId), 2);
}

bool HostServices::sendFilesDirect(const char *peerId, const char *const *paths, int count)
{
    QJsonArray list;
    QStringList files;
    for (int i = 0; paths && i < count; ++i) {
        list.append(utf8(paths[i]));
        if (paths[i])
            files << QString::fromUtf8(paths[i]);
    }
    const int e = record(139, "sendFilesDirect", {utf8(peerId), list});
    const bool ok = m_host.profile().find(bytes(peerId)) && m_host.transfers().sendFiles(files, {bytes(peerId)});
    result(e, ok);
    return ok;
}

bool HostServices::isCloudDeliveryAvailable()
{
    const int e = record(140, "isCloudDeliveryAvailable", {});
    const bool available = m_host.cloudDelivery();
    result(e, available);
    return available;
}

void HostServices::stopUploads(const char *peerId)
{
    record(141, "stopUploads", {utf8(peerId)});
    m_host.transfers().stopUploads(bytes(peerId));
}

bool HostServices::uploadErrorText(const char *peerId, IVariable *out)
{
    const int e = record(142, "uploadErrorText", {utf8(peerId)});
    const QString text = m_host.transfers().uploadErrors(bytes(peerId));
    setVariable(out, text.toUtf8());
    result(e, text);
    return !text.isEmpty();
}

void HostServices::openUserProfile(const char *userId, const char *network)
{
    // The reference host has no profile pages; the journal shows the wish.
    record(143, "openUserProfile", {utf8(userId), utf8(network)});
}

void HostServices::forwardLocation(const char *key, const char *url)
{
    // Forwarding needs the host's recipient picker, which it has not; the
    // journal shows the wish.
    record(144, "forwardLocation", {utf8(key), utf8(url)});
}

bool HostServices::sendFiles(const char *const *paths, int fileCount, const char *const *recipientIds, int recipientCount)
{
    QJsonArray files;
    QJsonArray recipients;
    QStringList fileList;
    QByteArrayList recipientList;
    for (int i = 0; paths && i < fileCount; ++i) {
        files.append(utf8(paths[i]));
        if (paths[i])
            fileList << QString::fromUtf8(paths[i]);
    }
    for (int i = 0; recipientIds && i < recipientCount; ++i) {
        recipients.append(utf8(recipientIds[i]));
        if (recipientIds[i] && m_host.profile().find(bytes(recipientIds[i])))
            recipientList << bytes(recipientIds[i]);
    }
    const int e = record(145, "sendFiles", {files, recipients});
    const bool ok = m_host.transfers().sendFiles(fileList, recipientList);
    result(e, ok);
    return ok;
}

void HostServices::broadcastId(IVariable *out)
{
    onHostThread(m_host, [&] {
        const int e = record(146, "broadcastId", {});
        const QByteArray id = "hk" + QByteArray::number(m_host.hostNumber());
        setVariable(out, id);
        result(e, text(id));
    });
}

bool HostServices::sendBroadcast(const char *jobId, const char *peerId, const char *text)
{
    return onHostThread(m_host, [&] {
        const int e = record(147, "sendBroadcast", {utf8(jobId), utf8(peerId), utf8(text)});
        const QByteArray peer = bytes(peerId);
        const Contact *c = m_host.profile().find(peer);
        if (!c || c->isRoom() || !text || !m_host.isReady()) {
            result(e, false);
            return false;
        }
        StoredMessage m;
        m.messageId = bytes(jobId) + ':' + peer;
        m.conversation = peer;
        m.senderId = m_host.profile().own().id.toLongLong();
        m.time = storeTimeFromDateTime(kelvan::Clock::instance().now());
        m.kind = IHostMessage::KindPlugin;
        m.pluginId = "broadcast";
        m.body = bytes(text);
        const qint64 eventId = m_host.store().append(m);
        if (eventId != 0) {
            Q_EMIT m_host.messageStored(eventId, peer);
            m_host.network().broadcastSent(peer, m.body, eventId);
        }
        result(e, decimal(eventId));
        return eventId != 0;
    });
}

bool HostServices::canReceiveBroadcast(const char *peerId)
{
    return onHostThread(m_host, [&] {
        const int e = record(148, "canReceiveBroadcast", {utf8(peerId)});
        const Contact *c = m_host.profile().find(bytes(peerId));
        const bool ok = c && !c->isRoom() && c->id != m_host.profile().own().id
                        && m_host.network().behaviour(c->id).receivesBroadcasts;
        result(e, ok);
        return ok;
    });
}

int HostServices::pickContacts(IVariable *out)
{
    const int e = record(149, "pickContacts", {});
    const QByteArrayList ids = m_host.m_picker ? m_host.m_picker() : m_host.pickedContacts();
    setVariable(out, ids.join(','));
    result(e, QString::fromUtf8(ids.join(',')));
    return ids.size();
}

bool HostServices::getAvatar(const char *userId, IImage *out)
{
    const int e = record(150, "getAvatar", {utf8(userId), object(out)});
    const QImage avatar = m_host.profile().avatar(bytes(userId)).convertToFormat(QImage::Format_ARGB32);
    if (!out || avatar.isNull()) {
        result(e, false);
        return false;
    }
    // setData copies width * height * 4 bytes: hand it tightly packed rows.
    QByteArray packed;
    packed.reserve(avatar.width() * avatar.height() * 4);
    for (int y = 0; y < avatar.height(); ++y)
        packed.append(reinterpret_cast<const char *>(avatar.constScanLine(y)), avatar.width() * 4);
    out->setData(reinterpret_cast<const unsigned char *>(packed.constData()), avatar.width(), avatar.height());
    result(e, QStringLiteral("%1x%2").arg(avatar.width()).arg(avatar.height()));
    return true;
}

IHostEvent *HostServices::createEvent()
{
    const int e = record(151, "createEvent", {});
    result(e, QStringLiteral("object"));
    return new HostEvent;
}

void HostServices::submitEvent(IHostEvent *event)
{
    auto *e = dynamic_cast<HostEvent *>(event);
    record(152, "submitEvent", {e ? QJsonValue(e->title()) : QJsonValue(QJsonValue::Null), e ? QJsonValue(e->text()) : QJsonValue()});
    if (e)
        m_host.submitEvent(*e);
}

void HostServices::releaseEvent(IHostEvent *event)
{
    record(153, "releaseEvent", {object(event)});
    delete dynamic_cast<HostEvent *>(event);
}

void HostServices::runHistoryReset(int command)
{
    record(154, "runHistoryReset", {command});
    m_host.historySync().start();
}

void HostServices::forwardText(const char *markup)
{
    // As forwardLocation: recorded, no picker.
    record(155, "forwardText", {utf8(markup)});
}

void HostServices::fetchFile(const char *address)
{
    record(156, "fetchFile", {utf8(address)});
    m_host.transfers().fetchFile(bytes(address));
}

bool HostServices::ownTransferSchemes(IVariable *out)
{
    const int e = record(157, "ownTransferSchemes", {});
    const QByteArray schemes(Transfers::kScheme);
    setVariable(out, schemes);
    result(e, text(schemes));
    return true;
}

IHostClock *HostServices::hostClock()
{
    // The clock's own operations are not journaled: the plug-in's logging
    // reads the time for every line it writes.
    const int e = record(158, "hostClock", {});
    IHostClock *clock = m_host.clock().isOffered() ? &m_host.clock() : nullptr;
    result(e, object(clock));
    return clock;
}

IHostScreens *HostServices::hostScreens()
{
    const int e = record(159, "hostScreens", {});
    IHostScreens *screens = m_host.screens().isEmpty() ? nullptr : &m_host.screens();
    result(e, object(screens));
    return screens;
}

int HostServices::searchMessages(const char *conversationId, const char16_t *text, int flags, std::int64_t fromEventId,
                                 int limit, IVariable *out)
{
    const QString what = text ? QString::fromUtf16(text) : QString();
    const int e = record(160, "searchMessages", {utf8(conversationId), what, flags, decimal(fromEventId), limit, object(out)});
    if (!m_host.isReady()) {
        result(e, -1);
        return -1;
    }
    const QVector<qint64> ids = m_host.store().search(bytes(conversationId), what, flags & SearchMatchCase, fromEventId,
                                                      flags & SearchOlder, limit);
    QByteArray list;
    for (const qint64 id : ids) {
        if (!list.isEmpty())
            list += ',';
        list += QByteArray::number(id);
    }
    setVariable(out, list);
    result(e, int(ids.size()));
    return int(ids.size());
}

IMessageList *HostServices::messagesPageAfter(const char *conversationId, std::int64_t eventId)
{
    const int e = record(161, "messagesPageAfter", {utf8(conversationId), decimal(eventId)});
    if (!m_host.isReady())
        return list(e, {});
    return list(e, m_host.store().after(bytes(conversationId), eventId, m_host.pageSize()));
}

IMessageList *HostServices::pictureMessages(const char *conversationId)
{
    const int e = record(162, "pictureMessages", {utf8(conversationId)});
    if (!m_host.isReady())
        return list(e, {});
    return list(e, m_host.store().pictureMessages(bytes(conversationId), IHostServices::MaxPictureMessages));
}

std::int64_t HostServices::messageOrdinal(const char *conversationId, std::int64_t eventId, std::int64_t *total)
{
    const int e = record(163, "messageOrdinal", {utf8(conversationId), decimal(eventId), object(total)});
    qint64 all = 0;
    const qint64 ordinal =
        m_host.isReady() && m_host.answersOrdinals() ? m_host.store().ordinal(bytes(conversationId), eventId, &all) : -1;
    if (ordinal >= 0 && total)
        *total = all;
    result(e, QJsonArray{decimal(ordinal), decimal(ordinal >= 0 ? all : -1)});
    return ordinal;
}

IMessageList *HostServices::messagesPageAt(const char *conversationId, std::int64_t ordinal)
{
    const int e = record(164, "messagesPageAt", {utf8(conversationId), decimal(ordinal)});
    if (!m_host.isReady() || !m_host.answersOrdinals()) {
        result(e, QJsonValue::Null);
        return nullptr;
    }
    return list(e, m_host.store().pageAt(bytes(conversationId), ordinal, m_host.pageSize()));
}

} // namespace hostkit
