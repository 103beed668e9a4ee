#pragma once

#include <QMetaType>
#include <QtGlobal>

// What a tab of the tabbed window carries in its user role: the peer its
// conversation is known by. The flash bag and the window find tabs by it.
struct TabbedChatWindowInfo
{
    quint64 peerId = 0; // 0: no peer (an id that is not a number)
};

Q_DECLARE_METATYPE(TabbedChatWindowInfo)
