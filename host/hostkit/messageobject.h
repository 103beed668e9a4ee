#pragma once

#include "storedmessage.h"

#include <sdk/ihostmessage.h>

namespace hostkit {

// A message the plug-in builds (createMessage), fills and posts.
class MessageObject final : public IMessageObject
{
public:
    void setKind(int kind) override { m_message.kind = kind; }
    void setPeerId(std::int64_t peer) override { m_message.conversation = QByteArray::number(qint64(peer)); }
    void setSenderId(std::int64_t sender) override { m_message.senderId = sender; }
    void setBody(const char *body) override { m_message.body = body ? QByteArray(body) : QByteArray(); }
    // The plug-in counts in seconds since 1970; the store keeps the
    // yyyyMMddhhmmss form.
    void setTime(std::int64_t secondsSince1970) override;
    void setFlag(int flag) override { m_flag = flag; }

    const StoredMessage &message() const { return m_message; }
    qint64 secondsSince1970() const { return m_seconds; }
    int flag() const { return m_flag; }

private:
    StoredMessage m_message;
    qint64 m_seconds = 0;
    int m_flag = 0;
};

} // namespace hostkit
