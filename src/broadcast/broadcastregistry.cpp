#include "broadcast/broadcastregistry.h"

#include "broadcast/broadcastdocument.h"
#include "broadcast/broadcastlog.h"
#include "broadcast/broadcastthread.h"
#include "broadcast/broadcastviewerinterface.h"
#include "broadcast/broadcastwindowfactory.h"
#include "broadcast/broadcastwindowinterface.h"
#include "chat/controlrecord.h"
#include "lib_kelvan/clock.h"
#include "plugin/records/variableimpl.h"

#include <sdk/ihostmessage.h>
#include <sdk/ihostservices.h>
#include <sdk/iuser.h>

#include <mutex>
#include <utility>

using Locker = std::lock_guard<BroadcastLock>;

namespace {

// Long enough for a send in progress to return; the library is going.
constexpr int ShutdownPatienceMs = 3000;

const char MissedEventContext[] = "BroadcastMissedEvent";
const char *const MissedEventTexts[] = {
    QT_TRANSLATE_NOOP("BroadcastMissedEvent", "Broadcast Message"),
    QT_TRANSLATE_NOOP("BroadcastMissedEvent", "Missed Broadcast Message"),
    QT_TRANSLATE_NOOP("BroadcastMissedEvent", "Close this event"),
    QT_TRANSLATE_NOOP("BroadcastMissedEvent", "OK"),
};

QByteArray missedEventText(int index)
{
    return QCoreApplication::translate(MissedEventContext, MissedEventTexts[index]).toUtf8();
}

} // namespace

BroadcastRegistry *BroadcastRegistry::s_instance = nullptr;

BroadcastRegistry::BroadcastRegistry(IHostServices *host, IPlugin *plugin)
    : m_host(host)
    , m_plugin(plugin)
{
    s_instance = this;
}

BroadcastRegistry::~BroadcastRegistry()
{
    {
        const Locker lock(m_lock);
        const QMap<QByteArray, BroadcastDocument *> documents = std::exchange(m_documents, {});
        qDeleteAll(documents);
        const QMap<quint64, ViewerRecord> viewers = std::exchange(m_viewers, {});
        for (const ViewerRecord &record : viewers) {
            if (record.viewer)
                record.viewer->release();
        }
    }
    BroadcastThread::finishRetired(ShutdownPatienceMs);
    if (s_instance == this)
        s_instance = nullptr;
}

BroadcastRegistry *BroadcastRegistry::instance()
{
    return s_instance;
}

QString BroadcastRegistry::normalised(const QString &message) const
{
    return m_normaliser ? m_normaliser(message) : message;
}

// --- Limits ------------------------------------------------------------------------------------

void BroadcastRegistry::setOptions(const QByteArray &text)
{
    const Locker lock(m_lock);
    m_limits = m_limits.read(text);
    qCInfo(lcBroadcast) << "batches of" << m_limits.batchSize << "every" << m_limits.sendIntervalMs << "ms, at most"
                        << m_limits.maxRecipients << "recipients";
}

BroadcastLimits BroadcastRegistry::limits() const
{
    const Locker lock(m_lock);
    return m_limits;
}

// --- Jobs ----------------------------------------------------------------------------------------

QByteArray BroadcastRegistry::makeJobId()
{
    const Locker lock(m_lock);
    UserObj own;
    VariableImpl hostId;
    if (m_host) {
        m_host->getOwnUser(&own);
        m_host->broadcastId(&hostId);
    }
    const QString stamp = kelvan::Clock::instance().now().toString(QStringLiteral("yyyyMMddHHmmss"));
    const QByteArray id = QStringLiteral("%1_%2_%3_%4")
                              .arg(own.idString(), hostId.toString(), stamp)
                              .arg(m_sequence)
                              .toUtf8();
    ++m_sequence;
    return id;
}

BroadcastDocument *BroadcastRegistry::newJob(const QList<quint64> &recipients)
{
    const Locker lock(m_lock);
    const QByteArray id = makeJobId();
    auto *document = new BroadcastDocument(this, id);
    delete m_documents.value(id);
    m_documents.insert(id, document);
    document->addRecipients(recipients);
    if (BroadcastWindowInterface *window = document->window()) {
        window->setConnected(m_connected);
        window->showWindow();
    }
    return document;
}

BroadcastDocument *BroadcastRegistry::document(const QByteArray &jobId) const
{
    const Locker lock(m_lock);
    return m_documents.value(jobId);
}

QList<BroadcastDocument *> BroadcastRegistry::documents() const
{
    const Locker lock(m_lock);
    return m_documents.values();
}

void BroadcastRegistry::removeDocument(BroadcastDocument *document)
{
    const Locker lock(m_lock);
    if (document && m_documents.value(document->id()) == document) {
        m_documents.remove(document->id());
        delete document;
    }
}

void BroadcastRegistry::onControlMessage(const IUser *sender, const QByteArray &text)
{
    const Locker lock(m_lock);
    if (!sender || !sender->id())
        return;
    if (ControlRecord::fromText(text).command() != ControlRecord::Command::MessageSeen)
        return;
    bool ok = false;
    const quint64 peer = QByteArray(sender->id()).toULongLong(&ok);
    if (!ok)
        return;
    for (BroadcastDocument *document : qAsConst(m_documents))
        document->markSeen(peer);
}

// --- Received broadcasts ----------------------------------------------------------------------

BroadcastRegistry::ViewerRecord &BroadcastRegistry::viewerFor(quint64 senderId)
{
    auto found = m_viewers.find(senderId);
    if (found != m_viewers.end())
        return found.value();
    ViewerRecord &record = m_viewers[senderId];
    record.senderId = senderId;
    const QByteArray id = QByteArray::number(senderId);
    if (!m_host || !m_host->getUser(&record.sender, id.constData()))
        record.sender.setId(id);
    if (BroadcastWindowFactory *factory = BroadcastWindowFactory::instance())
        record.viewer = factory->createViewer(this, senderId);
    return record;
}

void BroadcastRegistry::addToViewer(const ReceivedBroadcast &message)
{
    const quint64 sender = quint64(message.senderId());
    ViewerRecord &record = viewerFor(sender);
    for (const ReceivedBroadcast &shown : qAsConst(record.messages)) {
        if (message.eventId() != 0 && shown.eventId() == message.eventId())
            return;
    }
    record.messages.append(message);
    // A peer sending without end costs a bounded viewer.
    if (record.messages.size() > MaxViewerMessages)
        record.messages.remove(0, record.messages.size() - MaxViewerMessages);
    if (record.viewer)
        record.viewer->addMessage(record.messages.constLast());
}

void BroadcastRegistry::onBroadcastReceived(const IHostMessage &message)
{
    const Locker lock(m_lock);
    const ReceivedBroadcast received(message);
    if (received.senderId() == 0)
        return;
    addToViewer(received);
}

const BroadcastRegistry::ViewerRecord *BroadcastRegistry::viewerRecord(quint64 senderId) const
{
    const Locker lock(m_lock);
    const auto found = m_viewers.constFind(senderId);
    return found == m_viewers.constEnd() ? nullptr : &found.value();
}

void BroadcastRegistry::viewerClosed(quint64 senderId)
{
    const Locker lock(m_lock);
    if (!m_viewers.remove(senderId) || !m_host)
        return;
    const QByteArray to = QByteArray::number(senderId);
    const QByteArray receipt = ControlRecord(ControlRecord::Command::MessageSeen).toText();
    m_host->sendControl(to.constData(), receipt.constData());
}

void BroadcastRegistry::postMissedEvent()
{
    IHostEvent *event = m_host ? m_host->createEvent() : nullptr;
    if (!event)
        return;
    event->setPluginId("broadcast");
    event->setTitle(missedEventText(0).constData());
    event->setText(missedEventText(1).constData());
    event->addAction(missedEventText(2).constData(), missedEventText(3).constData());
    m_host->submitEvent(event);
    m_host->releaseEvent(event);
}

void BroadcastRegistry::openConversation(const QByteArray &userId, const QByteArray &key)
{
    const Locker lock(m_lock);
    if (BroadcastDocument *document = m_documents.value(key)) {
        if (document->window())
            document->window()->showWindow();
        return;
    }
    bool ok = false;
    const quint64 sender = userId.toULongLong(&ok);
    if (!ok || sender == 0)
        return;
    const auto found = m_viewers.constFind(sender);
    if (found != m_viewers.constEnd()) {
        if (found->viewer)
            found->viewer->raiseWindow();
        return;
    }
    if (!openFromHistory(sender, key))
        qCInfo(lcBroadcast) << "no broadcast of" << sender << "to show";
}

bool BroadcastRegistry::openFromHistory(quint64 senderId, const QByteArray &key)
{
    if (!m_host)
        return false;
    const auto isBroadcastFrom = [senderId](const IHostMessage *m) {
        const qint64 sender = m->overridingSenderId() ? m->overridingSenderId() : m->senderId();
        return m->isReceived() && quint64(sender) == senderId && QByteArray(m->pluginId() ? m->pluginId() : "") == "broadcast";
    };
    if (!key.isEmpty()) {
        IHostMessage *record = m_host->createMessageRecord();
        const bool found = record && m_host->loadMessageById(key.constData(), record) && isBroadcastFrom(record);
        if (found)
            addToViewer(ReceivedBroadcast(*record));
        if (record)
            m_host->releaseMessageRecord(record);
        if (found)
            return true;
    }
    // The newest page of the conversation holds the sender's latest one.
    const QByteArray id = QByteArray::number(senderId);
    IMessageList *list = m_host->newestMessages(id.constData());
    bool found = false;
    for (int i = list ? list->count() - 1 : -1; i >= 0 && !found; --i) {
        if (const IHostMessage *m = list->at(i); m && isBroadcastFrom(m)) {
            addToViewer(ReceivedBroadcast(*m));
            found = true;
        }
    }
    if (list)
        m_host->releaseMessageList(list);
    return found;
}

// --- Notices ------------------------------------------------------------------------------------

void BroadcastRegistry::onUserChanged(const QByteArray &userId)
{
    const Locker lock(m_lock);
    bool ok = false;
    const quint64 id = userId.toULongLong(&ok);
    if (!ok)
        return;
    for (BroadcastDocument *document : qAsConst(m_documents)) {
        if (document->window() && document->stateOf(id) >= 0)
            document->window()->refreshRecipient(id);
    }
    auto found = m_viewers.find(id);
    if (found == m_viewers.end())
        return;
    if (m_host)
        m_host->getUser(&found->sender, userId.constData());
    if (found->viewer)
        found->viewer->refreshSender();
}

void BroadcastRegistry::onUserPresence(const QByteArray &userId, int status)
{
    // A contact's presence means the server talks to us again.
    if (status != 0)
        setConnected(true);
    onUserChanged(userId);
}

void BroadcastRegistry::onUserDeleted(const QByteArray &userId)
{
    const Locker lock(m_lock);
    bool ok = false;
    const quint64 id = userId.toULongLong(&ok);
    if (!ok)
        return;
    for (BroadcastDocument *document : qAsConst(m_documents))
        document->removeRecipient(id);
}

void BroadcastRegistry::onConnectionLost()
{
    setConnected(false);
}

void BroadcastRegistry::setConnected(bool connected)
{
    const Locker lock(m_lock);
    if (m_connected == connected)
        return;
    m_connected = connected;
    for (BroadcastDocument *document : qAsConst(m_documents)) {
        if (document->window())
            document->window()->setConnected(connected);
    }
}

void BroadcastRegistry::onOwnUserChanged()
{
    setConnected(true);
    applySettings();
}

void BroadcastRegistry::applySettings()
{
    const Locker lock(m_lock);
    for (BroadcastDocument *document : qAsConst(m_documents)) {
        if (document->window())
            document->window()->applySettings();
    }
    for (const ViewerRecord &record : qAsConst(m_viewers)) {
        if (record.viewer)
            record.viewer->applySettings();
    }
}

void BroadcastRegistry::onPictureEvent(int code, const QByteArray &address)
{
    const Locker lock(m_lock);
    for (const ViewerRecord &record : qAsConst(m_viewers)) {
        if (record.viewer)
            record.viewer->pictureChanged(address, code);
    }
}
