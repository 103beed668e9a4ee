#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QDateTime>

namespace hostkit {

// One message of the store with every attribute the plug-in can ask for.
// Conversation is the peer or room id the message belongs to.
struct StoredMessage
{
    qint64 eventId = 0;            // assigned by the store, monotonic
    QByteArray messageId;          // the store's text id; generated when empty
    QByteArray conversation;       // peer or room id
    QByteArray sessionKey;
    qint64 senderId = 0;
    qint64 overridingSenderId = 0; // 0 when the sender stands
    qint64 time = 0;               // yyyyMMddhhmmss, UTC
    bool received = false;
    bool secondFlag = false;
    int kind = 0;                  // IHostMessage::Kind
    QByteArray pluginId = "chat";
    QByteArray body;               // markup, UTF-8
    bool edited = false;
    bool deleted = false;
    QByteArray labels;             // names separated by single blanks
    QByteArrayList likedBy;        // ids of the users who like it
    qint64 replyTarget = 0;

    int likeCount() const { return likedBy.size(); }
};

// The store's time format: year * 10^10 + month * 10^8 + day * 10^6 +
// hour * 10^4 + minute * 100 + second, in UTC.
qint64 storeTimeFromDateTime(const QDateTime &dateTime);
qint64 storeTimeFromSecondsSince1970(qint64 seconds);
// Invalid for numbers that do not name a real moment.
QDateTime dateTimeFromStoreTime(qint64 storeTime);

} // namespace hostkit
