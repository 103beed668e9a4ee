#pragma once

#include <sdk/ihostmessage.h>

#include <QByteArray>

// A broadcast received from another user, copied out of the host's message
// (which lives only for the call that delivers it). It answers the
// renderer's queries as a received chat message, so the viewer shows it the
// way a chat window shows one: no menu, no likes, no labels.
class ReceivedBroadcast final : public IHostMessage
{
public:
    ReceivedBroadcast() = default;
    // Copies what the viewer shows; the body is cut at MaxBodyBytes.
    explicit ReceivedBroadcast(const IHostMessage &message);
    ReceivedBroadcast(const ReceivedBroadcast &) = default;
    ReceivedBroadcast &operator=(const ReceivedBroadcast &) = default;
    ~ReceivedBroadcast() = default;

    // The renderer bounds what it shows; this bounds what a viewer keeps.
    static constexpr int MaxBodyBytes = 1024 * 1024;

    bool isReceived() const override { return true; }
    bool secondFlag() const override { return true; }
    std::int64_t peerId() const override { return m_senderId; }
    std::int64_t senderId() const override { return m_senderId; }
    const char *pluginId() const override { return "broadcast"; }
    const char *body() const override { return m_body.constData(); }
    const char *sessionKey() const override { return ""; }
    std::int64_t eventId() const override { return m_eventId; }
    const char *messageId() const override { return m_messageId.constData(); }
    std::int64_t time() const override { return m_time; }
    int kind() const override { return KindChat; }
    std::int64_t overridingSenderId() const override { return 0; }
    const char *labels() const override { return ""; }
    int likeCount() const override { return 0; }
    bool isLikedBy(const char *) const override { return false; }
    std::int64_t replyTarget() const override { return 0; }
    bool isEdited() const override { return false; }
    bool isDeleted() const override { return false; }
    void setLabels(const char *) override {}
    void setLiked(const char *, bool) override {}

    // Tests and the host's history make records without a host message.
    void set(qint64 senderId, const QByteArray &body, qint64 time, qint64 eventId = 0);

private:
    qint64 m_senderId = 0;
    qint64 m_eventId = 0;
    qint64 m_time = 0;
    QByteArray m_body;
    QByteArray m_messageId;
};
