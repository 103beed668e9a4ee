#pragma once

#include "storedmessage.h"

#include <sdk/ihostmessage.h>

namespace hostkit {

// A stored or arriving message as the plug-in sees it: what onMessage
// receives, what createMessageRecord hands out for the load operations to
// fill, and the items of message lists.
class HostMessage final : public IHostMessage
{
public:
    HostMessage() = default;
    explicit HostMessage(const StoredMessage &message) : m_message(message) {}
    ~HostMessage() = default;

    const StoredMessage &message() const { return m_message; }
    void setMessage(const StoredMessage &message) { m_message = message; }

    bool isReceived() const override { return m_message.received; }
    bool secondFlag() const override { return m_message.secondFlag; }
    std::int64_t peerId() const override { return m_message.conversation.toLongLong(); }
    std::int64_t senderId() const override { return m_message.senderId; }
    const char *pluginId() const override { return m_message.pluginId.constData(); }
    const char *body() const override { return m_message.body.constData(); }
    const char *sessionKey() const override { return m_message.sessionKey.constData(); }
    std::int64_t eventId() const override { return m_message.eventId; }
    const char *messageId() const override { return m_message.messageId.constData(); }
    std::int64_t time() const override { return m_message.time; }
    int kind() const override { return m_message.kind; }
    std::int64_t overridingSenderId() const override { return m_message.overridingSenderId; }
    const char *labels() const override { return m_message.labels.constData(); }
    int likeCount() const override { return m_message.likeCount(); }
    bool isLikedBy(const char *userId) const override;
    std::int64_t replyTarget() const override { return m_message.replyTarget; }
    bool isEdited() const override { return m_message.edited; }
    bool isDeleted() const override { return m_message.deleted; }
    void setLabels(const char *labels) override;
    void setLiked(const char *userId, bool liked) override;

private:
    StoredMessage m_message;
};

} // namespace hostkit
