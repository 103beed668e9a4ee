#include "host.h"

#include "appfolder.h"
#include "hostmessage.h"
#include "conversationrecord.h"
#include "historysync.h"
#include "hostevent.h"
#include "hostservices.h"
#include "hostuser.h"
#include "messagecommand.h"
#include "messagestore.h"
#include "network.h"
#include "pluginlibrary.h"
#include "roomsservice.h"
#include "transfers.h"

#include "lib_kelvan/clock.h"
#include "lib_kelvan/elementtree.h"

#include <sdk/iplugin.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>

Q_LOGGING_CATEGORY(lcHost, "hostkit.host")

namespace hostkit {

namespace {

QJsonValue text(const QByteArray &s)
{
    return QJsonValue(QString::fromUtf8(s));
}

} // namespace

Host::Host(Profile profile, QObject *parent)
    : QObject(parent)
    , m_profile(std::move(profile))
    , m_network(std::make_unique<Network>(*this))
    , m_transfers(std::make_unique<Transfers>(*this))
    , m_rooms(std::make_unique<RoomsService>(*this))
    , m_historySync(std::make_unique<HistorySync>(*this))
{
    if (!m_profile.isValid()) {
        m_error = QStringLiteral("The profile is not usable.");
        return;
    }
    m_store = MessageStore::open(m_profile.storePath(), &m_error);
    if (!m_store)
        qCWarning(lcHost) << m_error;
    for (auto it = m_profile.peers().cbegin(); it != m_profile.peers().cend(); ++it)
        m_network->setBehaviour(it.key(), it.value());
    // The host's own thread, as a host registers it before any plug-in
    // arrives (a second host on the same thread finds it registered).
    threadManager().registerThread(kelvan::currentThreadId(), "host-gui");
}

Host::~Host()
{
    if (m_initialized)
        shutdownPlugins();
}

kelvan::ThreadManager &Host::threadManager()
{
    static auto *manager = new kelvan::ThreadManager; // deliberately never destroyed
    return *manager;
}

// ---- plug-ins -------------------------------------------------------------

HostServices *Host::createServices(const QByteArray &label, IPlugin *plugin)
{
    m_services.push_back(std::make_unique<HostServices>(*this, label, int(m_services.size()) + 1));
    HostServices *services = m_services.back().get();
    m_journal.record(Journal::Direction::Deliver, label, services->number(), -1, "serviceCreated",
                     QJsonArray{plugin ? QStringLiteral("plug-in object") : QStringLiteral("detached")});
    return services;
}

IHostServices *Host::servicesFor(const QByteArray &label)
{
    for (const auto &s : m_services) {
        if (s->label() == label)
            return s.get();
    }
    return createServices(label, nullptr);
}

IHostServices *Host::servicesOf(const IPlugin *plugin) const
{
    if (plugin && plugin == m_first)
        return m_firstServices;
    for (const PluginEntry &e : m_further) {
        if (e.plugin == plugin)
            return e.services;
    }
    return nullptr;
}

Result Host::loadPlugin(const QString &libraryPath)
{
    if (!isReady())
        return Result::failure(m_error);
    if (m_first)
        return Result::failure(QStringLiteral("A plug-in library is loaded already; a host serves one."));
    const PluginLibrary::Loaded loaded = PluginLibrary::load(libraryPath);
    if (!loaded.result)
        return loaded.result;
    m_journal.record(Journal::Direction::Deliver, QByteArray(), 0, -1, "createPlugin", QJsonArray{loaded.fileName});
    IPlugin *plugin = loaded.createPlugin(&threadManager());
    if (!plugin)
        return Result::failure(QStringLiteral("createPlugin of %1 returned no plug-in object").arg(libraryPath));
    m_first = plugin;
    m_firstServices = createServices(QByteArray(plugin->pluginId()), plugin);
    return initializePlugins();
}

Result Host::initializePlugins()
{
    if (!m_first)
        return Result::failure(QStringLiteral("No plug-in library is loaded."));
    if (m_initialized)
        return Result::success();
    m_initializingFirst = true;
    recordDelivery(m_first, 2, "initialize", {});
    m_first->initialize(m_firstServices);
    deliverOptions(m_first);
    m_initializingFirst = false;
    m_initialized = true;
    for (size_t i = 0; i < m_further.size(); ++i)
        initializeFurther(i);
    // What a host does after signing in: the language and the own account.
    for (IPlugin *p : plugins()) {
        recordDelivery(p, 25, "setLanguage", {text(m_language)});
        p->setLanguage(m_language.constData());
        recordDelivery(p, 16, "onOwnUserChanged", {});
        p->onOwnUserChanged();
    }
    // Signed in: the rooms service sends what the user's rooms are like.
    if (findPlugin("chat_rooms"))
        m_rooms->signIn();
    Q_EMIT pluginsChanged();
    return Result::success();
}

void Host::registerFurther(HostServices *caller, IPlugin *plugin)
{
    if (!plugin || plugin == m_first)
        return;
    for (const PluginEntry &e : m_further) {
        if (e.plugin == plugin)
            return;
    }
    PluginEntry entry;
    entry.plugin = plugin;
    entry.services = createServices(QByteArray(plugin->pluginId()), plugin);
    m_further.push_back(entry);
    // Registered while the first object initialises: initialised right after
    // it (it may still be building what the further objects use).
    if (m_initialized && !m_initializingFirst)
        initializeFurther(m_further.size() - 1);
    Q_UNUSED(caller)
}

void Host::initializeFurther(size_t index)
{
    PluginEntry &e = m_further[index];
    if (e.initialized)
        return;
    e.initialized = true;
    IPlugin *plugin = e.plugin;
    HostServices *services = e.services;
    recordDelivery(plugin, 2, "initialize", {});
    plugin->initialize(services);
    deliverOptions(plugin);
}

void Host::deliverOptions(IPlugin *plugin)
{
    const auto found = m_options.constFind(QByteArray(plugin->pluginId()));
    if (found == m_options.constEnd())
        return;
    recordDelivery(plugin, 15, "setOptions", {text(found.value())});
    plugin->setOptions(found.value().constData());
}

void Host::setPluginOptions(const QByteArray &pluginId, const QByteArray &text)
{
    m_options.insert(pluginId, text);
    if (IPlugin *plugin = findPlugin(pluginId))
        deliverOptions(plugin);
}

void Host::shutdownPlugins()
{
    if (!m_initialized)
        return;
    // The further objects belong to the first one, which destroys them in
    // its own shutdown: they go first and are forgotten.
    const std::vector<PluginEntry> further = m_further;
    for (const PluginEntry &e : further) {
        if (!e.initialized)
            continue;
        recordDelivery(e.plugin, 3, "shutdown", {});
        e.plugin->shutdown();
    }
    m_further.clear();
    recordDelivery(m_first, 3, "shutdown", {});
    m_first->shutdown();
    m_roomsListener = nullptr;
    m_initialized = false;
    Q_EMIT pluginsChanged();
}

QList<IPlugin *> Host::plugins() const
{
    QList<IPlugin *> out;
    if (!m_first || !m_initialized)
        return out;
    out << m_first;
    for (const PluginEntry &e : m_further) {
        if (e.initialized)
            out << e.plugin;
    }
    return out;
}

IPlugin *Host::findPlugin(const QByteArray &pluginId) const
{
    if (pluginId.isEmpty())
        return nullptr;
    if (m_first && m_initialized && pluginId == m_first->pluginId())
        return m_first;
    for (const PluginEntry &e : m_further) {
        if (pluginId == e.plugin->pluginId())
            return e.plugin;
    }
    if (pluginId == DirectTransferPlugin::kId && m_directTransferState != DirectTransfer::Absent)
        return const_cast<DirectTransferPlugin *>(&m_directTransfer);
    if (pluginId == HistoryPlugin::kId && m_historyPresent)
        return const_cast<HistoryPlugin *>(&m_history);
    return nullptr;
}

void Host::setDirectTransfer(DirectTransfer state)
{
    m_directTransferState = state;
    m_directTransfer.setDisabled(state == DirectTransfer::Disabled);
}

QList<IPlugin *> Host::buttonPlugins() const
{
    QList<IPlugin *> out;
    if (m_buttonPluginsSet) {
        for (const QByteArray &id : m_buttonPlugins) {
            if (IPlugin *p = findPlugin(id))
                out << p;
        }
        return out;
    }
    for (IPlugin *p : plugins()) {
        if (QByteArray(p->pluginId()) != "chat")
            out << p;
    }
    return out;
}

void Host::recordDelivery(IPlugin *plugin, int slot, const QByteArray &operation, const QJsonArray &arguments)
{
    if (!m_journal.isEnabled())
        return;
    const HostServices *services = static_cast<const HostServices *>(servicesOf(plugin));
    m_journal.record(Journal::Direction::Deliver, plugin ? QByteArray(plugin->pluginId()) : QByteArray(),
                     services ? services->number() : 0, slot, operation, arguments);
}

// ---- settings ---------------------------------------------------------------

void Host::setPageSize(int messages)
{
    m_pageSize = std::max(1, messages);
}

void Host::setInterfaceLanguage(const QByteArray &code)
{
    m_language = code;
    for (IPlugin *p : plugins()) {
        recordDelivery(p, 25, "setLanguage", {text(code)});
        p->setLanguage(code.constData());
    }
}

void Host::setHostNumber(qint64 value)
{
    m_hostNumber = value;
    for (IPlugin *p : plugins()) {
        recordDelivery(p, 57, "onHostNumberChanged", {});
        p->onHostNumberChanged();
    }
}

QString Host::applicationFolder()
{
    if (m_appFolder.isEmpty()) {
        // One laid-out folder serves every host of the process that was not
        // given one: tests create many hosts, and the folder never changes.
        static QTemporaryDir shared;
        m_appFolder = shared.path();
    }
    static QSet<QString> prepared;
    if (!prepared.contains(m_appFolder)) {
        const Result r = AppFolder::prepare(m_appFolder);
        if (!r)
            qCWarning(lcHost) << r.error;
        prepared.insert(m_appFolder);
    }
    return m_appFolder;
}

QString Host::settingsFolder() const
{
    // One folder per signed-in identity, so two accounts on one profile
    // keep their own settings.
    QString identity = m_profile.identity();
    identity.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._@-]")), QStringLiteral("_"));
    const QString folder = QDir(m_profile.folder()).filePath(QStringLiteral("settings/") + identity);
    QDir().mkpath(folder);
    return folder;
}

QString Host::dataFolder() const
{
    const QString folder = QDir(m_profile.folder()).filePath(QStringLiteral("data"));
    QDir().mkpath(folder);
    return folder;
}

// ---- messages -----------------------------------------------------------------

qint64 Host::applyCommandOrAppend(StoredMessage message, const QByteArray &actor, bool *changedExisting)
{
    *changedExisting = false;
    const MessageCommand command = MessageCommand::parse(message.body);
    if (command.kind == MessageCommand::Kind::None)
        return m_store->append(message);
    if (command.kind == MessageCommand::Kind::Reply) {
        message.body = command.text;
        message.replyTarget = command.target;
        return m_store->append(message);
    }
    // The other commands change a message of the same conversation; only its
    // author may edit or delete it.
    const auto target = m_store->byEvent(command.target);
    if (!target || target->conversation != message.conversation) {
        qCInfo(lcHost) << "command for a message not in this conversation ignored:" << message.body;
        return 0;
    }
    const bool author = target->senderId == actor.toLongLong();
    bool done = false;
    switch (command.kind) {
    case MessageCommand::Kind::Edit:
        done = author && !target->deleted && m_store->setText(command.target, command.text, true);
        break;
    case MessageCommand::Kind::Delete:
        done = author && m_store->markDeleted(command.target);
        break;
    case MessageCommand::Kind::Like:
        done = m_store->setLiked(command.target, actor, command.flag);
        break;
    case MessageCommand::Kind::Label:
        done = m_store->setLabels(command.target, command.text);
        break;
    case MessageCommand::Kind::None:
    case MessageCommand::Kind::Reply:
        break;
    }
    if (!done)
        return 0;
    *changedExisting = true;
    return command.target;
}

qint64 Host::receiveMessage(const QByteArray &from, const QByteArray &body, const QByteArray &sessionKey,
                            const QByteArray &room, const QByteArray &pluginId)
{
    if (!isReady())
        return 0;
    StoredMessage m;
    m.conversation = room.isEmpty() ? from : room;
    m.sessionKey = sessionKey;
    m.senderId = from.toLongLong();
    m.received = true;
    m.time = storeTimeFromDateTime(kelvan::Clock::instance().now());
    m.pluginId = pluginId;
    m.body = body;
    bool changed = false;
    const qint64 eventId = applyCommandOrAppend(m, from, &changed);
    if (eventId == 0)
        return 0;
    if (!changed)
        ++m_missed[m.conversation];
    Q_EMIT messageStored(eventId, m.conversation);
    if (const auto stored = m_store->byEvent(eventId))
        deliverMessage(*stored);
    return eventId;
}

qint64 Host::storeOutgoing(const QByteArray &pluginId, const QByteArray &recipient, const QByteArray &sessionKey,
                           const QByteArray &body, int kind)
{
    if (!isReady())
        return 0;
    StoredMessage m;
    m.conversation = recipient;
    m.sessionKey = sessionKey;
    m.senderId = m_profile.own().id.toLongLong();
    m.received = false;
    m.time = storeTimeFromDateTime(kelvan::Clock::instance().now());
    m.kind = kind;
    m.pluginId = pluginId;
    m.body = body;
    bool changed = false;
    const qint64 eventId = applyCommandOrAppend(m, m_profile.own().id, &changed);
    if (eventId != 0)
        Q_EMIT messageStored(eventId, m.conversation);
    if (changed) {
        const bool deleted = MessageCommand::parse(body).kind == MessageCommand::Kind::Delete;
        deliverEvent(deleted ? HostEventCode::MessagesDeleted : HostEventCode::MessagesChanged,
                     m.conversation + ',' + QByteArray::number(eventId));
    }
    return eventId;
}

bool Host::removeMessage(qint64 eventId)
{
    const auto stored = isReady() ? m_store->byEvent(eventId) : std::nullopt;
    if (!stored || !m_store->remove(eventId))
        return false;
    deliverEvent(HostEventCode::MessagesRemoved, stored->conversation + ',' + QByteArray::number(eventId));
    return true;
}

bool Host::clearConversation(const QByteArray &conversation)
{
    if (!isReady() || conversation.isEmpty() || !m_store->clear(conversation))
        return false;
    m_missed.remove(conversation);
    deliverEvent(HostEventCode::HistoryCleared, conversation);
    return true;
}

void Host::deliverMessage(const StoredMessage &message)
{
    for (IPlugin *p : plugins()) {
        HostMessage delivered(message);
        recordDelivery(p, 56, "onMessage", {QString::number(message.eventId), text(message.conversation), text(message.body)});
        p->onMessage(&delivered);
    }
}

qint64 Host::receiveBroadcast(const QByteArray &from, const QByteArray &body)
{
    if (!isReady() || !m_profile.find(from))
        return 0;
    StoredMessage m;
    m.conversation = from;
    m.senderId = from.toLongLong();
    m.received = true;
    m.secondFlag = true;
    m.time = storeTimeFromDateTime(kelvan::Clock::instance().now());
    m.kind = IHostMessage::KindPlugin;
    m.pluginId = "broadcast";
    m.body = body;
    const qint64 eventId = m_store->append(m);
    if (eventId == 0)
        return 0;
    ++m_missed[m.conversation];
    Q_EMIT messageStored(eventId, m.conversation);
    if (const auto stored = m_store->byEvent(eventId))
        deliverMessage(*stored);
    return eventId;
}

void Host::deliverControl(const QByteArray &from, const QByteArray &text, const QByteArray &pluginId)
{
    QByteArray target = pluginId;
    if (target.isEmpty()) {
        kelvan::Element record;
        kelvan::readElement(text, record);
        target = record.attribute("command") == "MESSAGE_SEEN" ? QByteArray("broadcast") : QByteArray("chat");
    }
    IPlugin *plugin = findPlugin(target);
    if (!plugin) {
        const int e = m_journal.record(Journal::Direction::Deliver, target, 0, 39, "onCommand", {hostkit::text(from), hostkit::text(text)});
        m_journal.setResult(e, QStringLiteral("no such plug-in"));
        return;
    }
    Contact sender;
    if (const Contact *known = m_profile.find(from))
        sender = *known;
    else
        sender.id = from;
    HostUser user(sender);
    recordDelivery(plugin, 39, "onCommand", {hostkit::text(from), hostkit::text(text)});
    plugin->onCommand(&user, text.constData());
}

void Host::deliverEvent(int code, const QByteArray &data, const QByteArray &pluginId)
{
    IPlugin *plugin = findPlugin(pluginId);
    if (!plugin) {
        // Recorded all the same: a scenario shows what the world did even
        // before the plug-in object is there.
        const int e = m_journal.record(Journal::Direction::Deliver, pluginId, 0, 55, "onEvent", {code, text(data)});
        m_journal.setResult(e, QStringLiteral("no such plug-in"));
        if (m_eventSink)
            m_eventSink(code, data);
        return;
    }
    recordDelivery(plugin, 55, "onEvent", {code, text(data)});
    plugin->onEvent(code, data.constData(), data.size());
}

void Host::setPresence(const QByteArray &contactId, int status, const QString &statusMessage)
{
    Contact *c = m_profile.find(contactId);
    if (!c)
        return;
    const bool textChanged = c->statusMessage != statusMessage;
    c->status = status;
    c->statusMessage = statusMessage;
    const HostUser user(*c);
    for (IPlugin *p : plugins()) {
        recordDelivery(p, 18, "onUserPresence", {text(contactId), status});
        p->onUserPresence(const_cast<HostUser *>(&user), status);
        if (textChanged) {
            recordDelivery(p, 19, "onUserStatusText", {text(contactId), statusMessage});
            p->onUserStatusText(const_cast<HostUser *>(&user));
        }
    }
    Q_EMIT contactsChanged();
}

void Host::connectionLost()
{
    for (IPlugin *p : plugins()) {
        recordDelivery(p, 17, "onConnectionLost", {});
        p->onConnectionLost();
    }
}

void Host::contactChanged(const QByteArray &contactId)
{
    const Contact *c = m_profile.find(contactId);
    if (!c)
        return;
    const HostUser user(*c);
    for (IPlugin *p : plugins()) {
        recordDelivery(p, 21, "onUserChanged", {text(contactId)});
        p->onUserChanged(const_cast<HostUser *>(&user));
    }
    Q_EMIT contactsChanged();
}

void Host::markSeen(const QByteArray &conversation)
{
    m_missed.remove(conversation);
    if (NetworkTransport *transport = m_network->transport())
        transport->markedSeen(conversation);
}

bool Host::openChat(const QByteArray &contactId)
{
    const Contact *c = m_profile.find(contactId);
    IPlugin *chat = findPlugin("chat");
    if (!c || !chat)
        return false;
    HostUser user(*c);
    recordDelivery(chat, 38, "openChat", {text(contactId)});
    chat->openChat(&user);
    return true;
}

bool Host::execute(const QByteArray &pluginId, const QByteArray &contactId, int action)
{
    IPlugin *plugin = findPlugin(pluginId);
    const Contact *c = m_profile.find(contactId);
    if (!plugin || !c)
        return false;
    HostUser user(*c);
    recordDelivery(plugin, 27, "execute", {text(contactId), action});
    plugin->execute(&user, action);
    return true;
}

bool Host::executeMulti(const QByteArray &pluginId, const QByteArrayList &contactIds, int action)
{
    IPlugin *plugin = findPlugin(pluginId);
    if (!plugin || !plugin->supportsMultiSelect())
        return false;
    std::vector<std::unique_ptr<HostUser>> users;
    std::vector<IUser *> pointers;
    QJsonArray ids;
    for (const QByteArray &id : contactIds) {
        const Contact *c = m_profile.find(id);
        if (!c)
            return false;
        users.push_back(std::make_unique<HostUser>(*c));
        pointers.push_back(users.back().get());
        ids.append(text(id));
    }
    recordDelivery(plugin, 34, "executeMulti", {ids, action});
    plugin->executeMulti(pointers.data(), int(pointers.size()), action, "", 0);
    return true;
}

bool Host::openConversation(const QByteArray &userId, const QByteArray &sessionKey)
{
    IPlugin *chat = findPlugin("chat");
    if (!chat)
        return false;
    ConversationRecord record(userId, sessionKey);
    recordDelivery(chat, 49, "openConversation", {text(userId), text(sessionKey)});
    chat->openConversation(&record);
    return true;
}

// ---- time ---------------------------------------------------------------------

int Host::processDue()
{
    return m_scheduler.runDue();
}

void Host::advance(qint64 ms)
{
    auto *manual = dynamic_cast<kelvan::ManualClock *>(&kelvan::Clock::instance());
    if (!manual) {
        processDue();
        QCoreApplication::processEvents();
        return;
    }
    const qint64 target = manual->tickMs() + std::max<qint64>(0, ms);
    for (;;) {
        const qint64 next = m_scheduler.nextDueMs();
        if (next < 0 || next > target)
            break;
        if (next > manual->tickMs())
            manual->advance(next - manual->tickMs());
        processDue();
        QCoreApplication::processEvents();
    }
    if (target > manual->tickMs())
        manual->advance(target - manual->tickMs());
    processDue();
    QCoreApplication::processEvents();
}

// ---- effects ------------------------------------------------------------------

void Host::playSound(const QString &path)
{
    Sound s;
    s.path = path;
    s.file = QFileInfo(path).isAbsolute() ? path : QDir(applicationFolder()).filePath(path);
    s.exists = QFileInfo(s.file).isFile();
    m_sounds.append(s);
    Q_EMIT soundPlayed(s.file);
}

void Host::showPopup(const Popup &popup)
{
    m_popups.append(popup);
    Q_EMIT popupShown(popup.title, popup.text);
}

void Host::submitEvent(const HostEvent &event)
{
    QStringList actions;
    for (const HostEvent::Action &action : event.actions())
        actions << action.text + QLatin1Char('|') + action.buttonText;
    m_events.append({event.pluginId(), event.title(), event.text(), actions});
    Q_EMIT eventSubmitted(event.title(), event.text());
}

} // namespace hostkit
