#pragma once

#include "directtransferplugin.h"
#include "historyplugin.h"
#include "hostclock.h"
#include "hostscreens.h"
#include "journal.h"
#include "profile.h"
#include "result.h"
#include "scheduler.h"
#include "storedmessage.h"

#include "lib_kelvan/threadmanager.h"

#include <QObject>
#include <QVector>

#include <functional>
#include <memory>
#include <vector>

class IHostServices;
class IPlugin;
class IRoomsListener;

namespace hostkit {

class HostEvent;
class HistorySync;
class HostServices;
class MessageStore;
class Network;
class RoomsService;
class Transfers;

// The reference host: serves one profile to the plug-in objects of one
// plug-in library. Owns the message store, the per-thread storage manager
// handed to createPlugin, one host service object per plug-in object, the
// simulated network and transfers, and the call journal.
//
// Tests that need only host services (no plug-in library):
//     hostkit::Host host(hostkit::Profile::inMemory());
//     IHostServices *services = host.servicesFor("chat");
//
// Everything runs on the thread that created the host (the GUI thread);
// service calls from other threads are carried over to it.
class Host : public QObject
{
    Q_OBJECT

public:
    explicit Host(Profile profile, QObject *parent = nullptr);
    ~Host() override;
    Q_DISABLE_COPY(Host)

    // False when the message store could not be opened (error() says why);
    // such a host serves no plug-in.
    bool isReady() const { return m_store != nullptr; }
    QString error() const { return m_error; }

    Profile &profile() { return m_profile; }
    MessageStore &store() { return *m_store; }
    Journal &journal() { return m_journal; }
    Network &network() { return *m_network; }
    Transfers &transfers() { return *m_transfers; }
    // The rooms service behind the "chat_rooms" service object (slots 88 to 92).
    RoomsService &rooms() { return *m_rooms; }
    Scheduler &scheduler() { return m_scheduler; }
    // What hostClock (slot 158) and hostScreens (slot 159) offer the plug-in.
    HostClock &clock() { return m_clock; }
    HostScreens &screens() { return m_screens; }
    // The history reset runHistoryReset (slot 154) starts.
    HistorySync &historySync() { return *m_historySync; }
    // The per-thread storage manager handed to createPlugin. One per
    // process, never destroyed: the plug-in library keeps using the manager
    // it adopted for as long as it is loaded, which is until the process
    // ends, beyond any one host.
    static kelvan::ThreadManager &threadManager();

    // ---- plug-ins -------------------------------------------------------
    // Loads the library (once per process; it is never unloaded), calls
    // createPlugin with the host's thread manager and initialises the
    // plug-in object it returns (and the further objects it registers).
    Result loadPlugin(const QString &libraryPath);
    // Initialises the first plug-in object again after shutdownPlugins().
    Result initializePlugins();
    // The further plug-in objects first (in registration order), then the
    // first one. They are forgotten: the first object destroys them.
    void shutdownPlugins();
    bool pluginsInitialized() const { return m_initialized; }

    IPlugin *firstPlugin() const { return m_first; }
    // Every initialised plug-in object, the first one first.
    QList<IPlugin *> plugins() const;
    IPlugin *findPlugin(const QByteArray &pluginId) const;
    // The service object of a plug-in object (null when unknown).
    IHostServices *servicesOf(const IPlugin *plugin) const;
    // A service object labelled `label` (a plug-in id) that no plug-in
    // object owns yet: lets tests call host services without a library.
    // Asking twice gives the same object.
    IHostServices *servicesFor(const QByteArray &label);
    IRoomsListener *roomsListener() const { return m_roomsListener; }

    // ---- settings -------------------------------------------------------
    int pageSize() const { return m_pageSize; }
    void setPageSize(int messages);
    QByteArray interfaceLanguage() const { return m_language; }
    void setInterfaceLanguage(const QByteArray &code); // tells the plug-ins (setLanguage)
    QString appName() const { return m_appName; }
    void setAppName(const QString &name) { m_appName = name; }
    // The installation folder the plug-in reads emoticons, dictionaries and
    // sounds from. Unset, a temporary one (shared by the hosts of the
    // process) is laid out on first use.
    QString applicationFolder();
    void setApplicationFolder(const QString &folder) { m_appFolder = folder; }
    QString settingsFolder() const;
    QString dataFolder() const;
    qint64 hostNumber() const { return m_hostNumber; }
    void setHostNumber(qint64 value); // tells the plug-ins (onHostNumberChanged)
    // Answers of queryState (slot 4); false when not set.
    void setStateAnswer(int query, bool answer) { m_stateAnswers[query] = answer; }
    bool stateAnswer(int query) const { return m_stateAnswers.value(query, false); }
    // Whether messageOrdinal and messagesPageAt (slots 163, 164) answer (on
    // by default); off, they answer -1 and null as a host that cannot say
    // where a message stands, to try the plug-in against such hosts.
    void setAnswersOrdinals(bool answers) { m_answersOrdinals = answers; }
    bool answersOrdinals() const { return m_answersOrdinals; }
    // The configuration text the plug-in object of that id gets through
    // setOptions (slot 15): at once when it is initialised, and after each
    // initialize. For "broadcast", its sending limits ("batch_size=10\n
    // send_interval=1000\nmax_recipients=200").
    void setPluginOptions(const QByteArray &pluginId, const QByteArray &text);
    QByteArray pluginOptions(const QByteArray &pluginId) const { return m_options.value(pluginId); }
    // Ids pickContacts (slot 149) answers with next; empty: the user cancels.
    void setPickedContacts(const QByteArrayList &ids) { m_picked = ids; }
    QByteArrayList pickedContacts() const { return m_picked; }
    // Asked instead, when set: a person picks (chat-host's own dialog).
    void setContactPicker(std::function<QByteArrayList()> picker) { m_picker = std::move(picker); }
    // Plug-ins whose buttons chat windows show (slots 136, 137). Unset:
    // every plug-in object but "chat".
    void setButtonPlugins(const QByteArrayList &ids) { m_buttonPlugins = ids; m_buttonPluginsSet = true; }
    QList<IPlugin *> buttonPlugins() const;
    // The direct file transfer plug-in "file_transfer" findPlugin (slot 80)
    // answers with (DirectTransferPlugin); default Absent.
    enum class DirectTransfer { Absent, Enabled, Disabled };
    void setDirectTransfer(DirectTransfer state);
    DirectTransfer directTransfer() const { return m_directTransferState; }
    // What isCloudDeliveryAvailable (slot 140) answers; default true.
    void setCloudDelivery(bool available) { m_cloudDelivery = available; }
    bool cloudDelivery() const { return m_cloudDelivery; }
    // Whether findPlugin answers "history" with the HistoryPlugin stand-in;
    // default no.
    void setHistoryPlugin(bool present) { m_historyPresent = present; }

    // ---- the world ------------------------------------------------------
    // A message from a peer (in a room when `room` is given): stored and
    // delivered to every plug-in object (onMessage). A message-level
    // command changes the message it names instead; the changed message is
    // delivered. Returns the event id of the new or changed message, 0 when
    // nothing was stored.
    qint64 receiveMessage(const QByteArray &from, const QByteArray &body, const QByteArray &sessionKey = QByteArray(),
                          const QByteArray &room = QByteArray(), const QByteArray &pluginId = "chat");
    // A broadcast from a peer: stored in the peer's conversation as a
    // plug-in message of "broadcast" with the second flag set (as the host
    // marks broadcasts for the broadcast plug-in) and delivered to every
    // plug-in object. Returns the event id, 0 when nothing was stored.
    qint64 receiveBroadcast(const QByteArray &from, const QByteArray &body);
    // A control record from a peer, to the plug-in object of that id; an
    // empty id picks "broadcast" for MESSAGE_SEEN and "chat" otherwise.
    void deliverControl(const QByteArray &from, const QByteArray &text, const QByteArray &pluginId = QByteArray());
    // A numbered host event (onEvent) to the plug-in object of that id.
    void deliverEvent(int code, const QByteArray &data, const QByteArray &pluginId = "chat");
    // Tests that drive the chat core without the library receive the events
    // no loaded plug-in object takes here (null: they are only journaled).
    using EventSink = std::function<void(int code, const QByteArray &data)>;
    void setEventSink(EventSink sink) { m_eventSink = std::move(sink); }
    void setPresence(const QByteArray &contactId, int status, const QString &statusMessage);
    // The connection to the network dropped (onConnectionLost).
    void connectionLost();
    // A contact appeared or changed (a roster on a real network).
    void contactChanged(const QByteArray &contactId);
    // The user opens a conversation (openChat of the "chat" object).
    bool openChat(const QByteArray &contactId);
    // The user triggers a plug-in's action on a contact (canExecute first).
    bool execute(const QByteArray &pluginId, const QByteArray &contactId, int action = 2);
    // The same on several contacts at once (executeMulti, an empty text);
    // false when a contact is unknown or the plug-in selects one at a time.
    bool executeMulti(const QByteArray &pluginId, const QByteArrayList &contactIds, int action = 2);
    bool openConversation(const QByteArray &userId, const QByteArray &sessionKey);

    // The store loses messages other than through a message-level command
    // (a purge, a history cleared on another device); the "chat" plug-in
    // hears of it through events 36 and 37. False when nothing changed.
    bool removeMessage(qint64 eventId);
    bool clearConversation(const QByteArray &conversation);

    // Messages the plug-in sent (sendInstantMessage) or posted are stored
    // through here too; `sender` is the own id for sent messages. A
    // message-level command changes an earlier message instead, and the
    // "chat" plug-in hears of that through event 34 (35 for a deletion).
    qint64 storeOutgoing(const QByteArray &pluginId, const QByteArray &recipient, const QByteArray &sessionKey,
                         const QByteArray &body, int kind = 0);

    // ---- time -----------------------------------------------------------
    // Moves a kelvan::ManualClock (when one is installed) forward by `ms`,
    // stopping at every due action of the simulated world and every due
    // timer of the plug-in on the way, and processes Qt events after each
    // action. With the system clock it only runs what is due.
    void advance(qint64 ms);
    int processDue();

    // ---- what the plug-in caused ----------------------------------------
    struct Sound
    {
        QString path;      // as the plug-in passed it
        QString file;      // resolved against the application folder
        bool exists = false;
    };
    struct Popup
    {
        QByteArray pluginId;
        QString title;
        QString text;
        QByteArray senderId;
    };
    struct SubmittedEvent
    {
        QByteArray pluginId;
        QString title;
        QString text;
        QStringList actions; // each "text|button text"
    };
    QVector<Sound> sounds() const { return m_sounds; }
    QVector<Popup> popups() const { return m_popups; }
    QVector<SubmittedEvent> submittedEvents() const { return m_events; }
    int missedMessageCount(const QByteArray &conversation) const { return m_missed.value(conversation); }

Q_SIGNALS:
    void messageStored(qint64 eventId, const QByteArray &conversation);
    void contactsChanged();
    void pluginsChanged();
    void popupShown(const QString &title, const QString &text);
    void soundPlayed(const QString &file);
    void eventSubmitted(const QString &title, const QString &text);

private:
    friend class HostServices;
    friend class RoomsService;

    HostServices *createServices(const QByteArray &label, IPlugin *plugin);
    void registerFurther(HostServices *caller, IPlugin *plugin);
    void initializeFurther(size_t index);
    void deliverOptions(IPlugin *plugin);
    qint64 applyCommandOrAppend(StoredMessage message, const QByteArray &actor, bool *changedExisting);
    void deliverMessage(const StoredMessage &message);
    void recordDelivery(IPlugin *plugin, int slot, const QByteArray &operation, const QJsonArray &arguments);
    void playSound(const QString &path);
    void showPopup(const Popup &popup);
    void submitEvent(const HostEvent &event);
    void markSeen(const QByteArray &conversation);

    struct PluginEntry
    {
        IPlugin *plugin = nullptr;
        HostServices *services = nullptr; // owned by m_services
        bool initialized = false;
    };

    Profile m_profile;
    QString m_error;
    std::unique_ptr<MessageStore> m_store;
    Journal m_journal;
    Scheduler m_scheduler;
    HostClock m_clock;
    HostScreens m_screens;
    std::unique_ptr<Network> m_network;
    std::unique_ptr<Transfers> m_transfers;
    std::unique_ptr<RoomsService> m_rooms;
    std::unique_ptr<HistorySync> m_historySync;

    // Service objects live as long as the host: a plug-in may still hold
    // one of an object that has been shut down.
    std::vector<std::unique_ptr<HostServices>> m_services;
    IPlugin *m_first = nullptr;
    HostServices *m_firstServices = nullptr;
    std::vector<PluginEntry> m_further;
    bool m_initialized = false;
    bool m_initializingFirst = false;
    IRoomsListener *m_roomsListener = nullptr;

    int m_pageSize = 100;
    QByteArray m_language = "en";
    QString m_appName = QStringLiteral("Chat Host");
    QString m_appFolder;
    qint64 m_hostNumber = 1;
    QHash<int, bool> m_stateAnswers;
    QByteArrayList m_picked;
    QHash<QByteArray, QByteArray> m_options;
    std::function<QByteArrayList()> m_picker;
    QByteArrayList m_buttonPlugins;
    bool m_buttonPluginsSet = false;
    DirectTransferPlugin m_directTransfer;
    DirectTransfer m_directTransferState = DirectTransfer::Absent;
    bool m_cloudDelivery = true;
    HistoryPlugin m_history{*this};
    bool m_historyPresent = false;
    bool m_answersOrdinals = true;
    EventSink m_eventSink;
    QHash<QByteArray, int> m_missed;
    QVector<Sound> m_sounds;
    QVector<Popup> m_popups;
    QVector<SubmittedEvent> m_events;
};

} // namespace hostkit
