#pragma once

#include "storedmessage.h"

#include <sdk/ihostmessage.h>

#include <QVector>

#include <vector>

namespace hostkit {

class HostMessage;

// The answer of the history queries; owns its messages.
class MessageList final : public IMessageList
{
public:
    explicit MessageList(const QVector<StoredMessage> &messages);
    ~MessageList();
    Q_DISABLE_COPY(MessageList)

    int count() const override { return int(m_items.size()); }
    IHostMessage *at(int index) const override;

private:
    std::vector<HostMessage *> m_items;
};

} // namespace hostkit
