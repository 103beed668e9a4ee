#pragma once

#include <QByteArray>

namespace hostkit {

// A message-level command: a whole message text that changes an earlier
// message instead of being one. Clients compose them as
//   "[edit N]text"  "[reply N]text"  "[delete N]"  "[like N T|F]"  "[label N names]"
// with N the event id of the message they name.
struct MessageCommand
{
    enum class Kind {
        None,   // an ordinary message
        Edit,   // replaces the target's text and marks it edited
        Reply,  // a new message answering the target
        Delete, // marks the target deleted
        Like,   // the sender likes (flag) or stops liking the target
        Label,  // the target's complete new label set
    };

    Kind kind = Kind::None;
    qint64 target = 0;
    QByteArray text;   // Edit, Reply: the markup; Label: the names
    bool flag = false; // Like: T

    // Anything that is not exactly one of the five forms is an ordinary
    // message (Kind::None), so a typed "[edit me]" stays text.
    static MessageCommand parse(const QByteArray &body);
};

} // namespace hostkit
