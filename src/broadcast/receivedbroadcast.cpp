#include "broadcast/receivedbroadcast.h"

ReceivedBroadcast::ReceivedBroadcast(const IHostMessage &message)
{
    const qint64 sender = message.overridingSenderId() ? message.overridingSenderId() : message.senderId();
    set(sender, QByteArray(message.body() ? message.body() : ""), message.time(), message.eventId());
    m_messageId = QByteArray(message.messageId() ? message.messageId() : "");
}

void ReceivedBroadcast::set(qint64 senderId, const QByteArray &body, qint64 time, qint64 eventId)
{
    m_senderId = senderId;
    m_body = body.left(MaxBodyBytes);
    m_time = time;
    m_eventId = eventId;
}
