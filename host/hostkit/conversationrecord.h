#pragma once

#include <QByteArray>

#include <sdk/ihostmessage.h>

namespace hostkit {

// What IPlugin::openConversation is told to open.
class ConversationRecord final : public IConversationRecord
{
public:
    ConversationRecord(const QByteArray &userId, const QByteArray &sessionKey)
        : m_userId(userId), m_sessionKey(sessionKey) {}
    const char *userId() const override { return m_userId.constData(); }
    const char *sessionKey() const override { return m_sessionKey.constData(); }

private:
    QByteArray m_userId;
    QByteArray m_sessionKey;
};

} // namespace hostkit
