#include "messagelist.h"

#include "hostmessage.h"

namespace hostkit {

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
