#include "historysync.h"

#include "host.h"
#include "messagestore.h"

#include <sdk/iplugin.h>

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcHistorySync, "hostkit.historysync")

namespace hostkit {

HistorySync::HistorySync(Host &host)
    : m_host(host)
{
}

bool HistorySync::start()
{
    if (m_running || !m_host.isReady())
        return false;
    m_server = m_host.store().all();
    if (!m_host.store().clear()) {
        qCWarning(lcHistorySync) << "cannot empty the store:" << m_host.store().lastError();
        m_server.clear();
        return false;
    }
    m_running = true;
    m_next = 0;
    m_newIds.clear();
    m_host.deliverEvent(HostEventCode::HistorySyncStarted, QByteArray());
    m_host.scheduler().schedule(BatchIntervalMs, QStringLiteral("history synchronisation"), [this] { runBatch(); });
    return true;
}

void HistorySync::runBatch()
{
    const int end = std::min<int>(m_next + BatchMessages, m_server.size());
    m_host.store().transaction([&] {
        for (; m_next < end; ++m_next) {
            StoredMessage message = m_server.at(m_next);
            const qint64 oldId = message.eventId;
            if (message.replyTarget != 0)
                message.replyTarget = m_newIds.value(message.replyTarget, message.replyTarget);
            if (m_host.store().append(message) != 0)
                m_newIds.insert(oldId, message.eventId);
        }
        return true;
    });
    if (m_next < m_server.size()) {
        m_host.scheduler().schedule(BatchIntervalMs, QStringLiteral("history synchronisation"), [this] { runBatch(); });
        return;
    }
    qCInfo(lcHistorySync) << m_server.size() << "messages synchronised";
    m_server.clear();
    m_newIds.clear();
    m_running = false;
    m_host.deliverEvent(HostEventCode::HistorySyncFinished, QByteArray());
}

} // namespace hostkit
