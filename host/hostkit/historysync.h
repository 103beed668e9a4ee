#pragma once

#include "storedmessage.h"

#include <QHash>
#include <QVector>

namespace hostkit {

class Host;

// The reference host's history reset (IHostServices::runHistoryReset): the
// local store is emptied at once and filled again from the simulated
// server's copy of it (the history as it was), BatchMessages at a time every
// BatchIntervalMs on kelvan::Clock through the host's scheduler. The "chat"
// plug-in hears HostEventCode::HistorySyncStarted when the store has been
// emptied and HistorySyncFinished after the last batch. Messages come back
// under new event ids; replies keep pointing at the message they answer.
class HistorySync
{
public:
    static constexpr int BatchMessages = 50;
    static constexpr qint64 BatchIntervalMs = 250;

    explicit HistorySync(Host &host);
    Q_DISABLE_COPY(HistorySync)

    // Starts a reset; false, and nothing happens, while one runs.
    bool start();
    bool isRunning() const { return m_running; }

private:
    void runBatch();

    Host &m_host;
    QVector<StoredMessage> m_server;
    int m_next = 0;
    QHash<qint64, qint64> m_newIds; // old event id -> new one
    bool m_running = false;
};

} // namespace hostkit
