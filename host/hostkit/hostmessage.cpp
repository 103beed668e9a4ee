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

} // namespace hostkit
