#include "historyplugin.h"

#include "host.h"
#include "roomsservice.h"

namespace hostkit {

namespace {

constexpr qint64 kAnswerDelayMs = 200;

} // namespace

void HistoryPlugin::onEvent(int code, const char *data, int length)
{
    const QByteArray text = data && length > 0 ? QByteArray(data, length) : QByteArray();
    m_host.journal().record(Journal::Direction::Call, kId, 0, 55, "onEvent", {code, QString::fromUtf8(text)});
    if (code != 778)
        return;
    const int request = m_host.rooms().requestNumber(text.left(text.indexOf(':')));
    if (request == 0)
        return;
    Host *host = &m_host;
    m_host.scheduler().schedule(kAnswerDelayMs, QStringLiteral("room history complete (request %1)").arg(request),
                                [host, request] { host->deliverEvent(779, QByteArray::number(request)); });
}

} // namespace hostkit
