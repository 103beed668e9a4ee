#include "hostmessage.h"

namespace hostkit {

bool HostMessage::isLikedBy(const char *userId) const
{
    return userId && m_message.likedBy.contains(QByteArray(userId));
}

void HostMessage::setLabels(const char *labels)
{
    m_message.labels = labels ? QByteArray(labels).simplified() : QByteArray();
}

void HostMessage::setLiked(const char *userId, bool liked)
{
    if (!userId)
        return;
    const QByteArray id(userId);
    if (liked && !m_message.likedBy.contains(id))
        m_message.likedBy.append(id);
    else if (!liked)
        m_message.likedBy.removeAll(id);
}

void MessageObject::setTime(std::int64_t secondsSince1970)
{
    m_seconds = secondsSince1970;
    m_message.time = storeTimeFromSecondsSince1970(secondsSince1970);
}

MessageList::MessageList(const QVector<StoredMessage> &messages)
{
    m_items.reserve(size_t(messages.size()));
    for (const StoredMessage &m : messages)
        m_items.push_back(new HostMessage(m));
}

MessageList::~MessageList()
{
    for (HostMessage *m : m_items)
        delete m;
}

IHostMessage *MessageList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_items[size_t(index)];
}

} // namespace hostkit
