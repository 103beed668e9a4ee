#pragma once

#include "result.h"
#include "storedmessage.h"

#include <QSqlDatabase>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

namespace hostkit {

// The message history of one profile in SQLite (Qt's QSQLITE driver).
// Event ids are monotonic and never reused. Page queries go through an
// index on (conversation, event id), so a page costs a page, however long
// the conversation. A database written by a newer host, or one that is not
// a sound SQLite file, is refused and left byte for byte as it was.
//
// A full-text index (SQLite FTS5, trigrams) holds what every message reads
// (searchableText: its markup reduced to text) and follows every change of
// the store: appends, edits, deletions, removals.
// Used on the thread that opened it.
class MessageStore
{
public:
    // Version written to PRAGMA user_version.
    static constexpr int kSchemaVersion = 2;

    ~MessageStore();
    MessageStore(const MessageStore &) = delete;
    MessageStore &operator=(const MessageStore &) = delete;

    // ":memory:" opens a private in-memory store. On failure the result is
    // null and *error says why.
    static std::unique_ptr<MessageStore> open(const QString &path, QString *error);

    QString path() const { return m_path; }

    // Stores a new message; fills in its event id, its message id when empty
    // and returns the event id (0 on failure).
    qint64 append(StoredMessage &message);

    std::optional<StoredMessage> byEvent(qint64 eventId) const;
    std::optional<StoredMessage> byMessageId(const QByteArray &messageId) const;

    // The newest `limit` messages of a conversation, oldest first.
    QVector<StoredMessage> newest(const QByteArray &conversation, int limit) const;
    // The messages after the event id, oldest first: every one, or the
    // first `limit`.
    QVector<StoredMessage> after(const QByteArray &conversation, qint64 eventId, int limit = -1) const;
    // The `limit` messages right before the event id, oldest first.
    QVector<StoredMessage> before(const QByteArray &conversation, qint64 eventId, int limit) const;

    // How many messages of the conversation have smaller event ids than
    // `eventId` (which need not be stored), and in *total how many it holds.
    // Both read a table of counts per range of event ids (message_counts)
    // and at most one range of the index, so they cost about the same in a
    // conversation of a million messages as in one of a hundred.
    qint64 ordinal(const QByteArray &conversation, qint64 eventId, qint64 *total) const;
    // The `limit` messages from the one with `ordinal` older ones on,
    // oldest first; empty past the end.
    QVector<StoredMessage> pageAt(const QByteArray &conversation, qint64 ordinal, int limit) const;

    // Event ids of the messages whose text holds `text`: after `from`
    // oldest first, or (older) before it, newest first (0: from the newest).
    // At most `limit`.
    QVector<qint64> search(const QByteArray &conversation, const QString &text, bool matchCase, qint64 from,
                           bool older, int limit) const;

    // The newest `limit` messages holding a picture tag, deleted ones left
    // out, oldest first.
    QVector<StoredMessage> pictureMessages(const QByteArray &conversation, int limit) const;

    // Appends `count` messages in one transaction, `make` filling the i-th
    // (conversation, sender, time, body...); far faster than `count` calls
    // of append. False when any failed (nothing is stored then).
    bool fill(int count, const std::function<void(int index, StoredMessage &message)> &make);

    // Every message of every conversation, in event id order.
    QVector<StoredMessage> all() const;
    // Removes every message and like (of one conversation when given);
    // event ids already handed out stay used.
    bool clear(const QByteArray &conversation = QByteArray());
    // Removes one message and its likes; false when there is no such message.
    bool remove(qint64 eventId);

    int count(const QByteArray &conversation = QByteArray()) const;
    qint64 lastEventId() const;

    // Attribute changes of the message-level commands; false when there is
    // no such message.
    bool setText(qint64 eventId, const QByteArray &body, bool edited);
    bool markDeleted(qint64 eventId);
    bool setLabels(qint64 eventId, const QByteArray &labels);
    bool setLiked(qint64 eventId, const QByteArray &userId, bool liked);

    // A message's ids on a real network: the id its sender gave it (what
    // corrections, receipts and markers name; unique per conversation) and
    // the id the server's archive gave it. Kept beside the event id, in a
    // table of their own, so a store without a network never has them.
    bool setNetworkIds(qint64 eventId, const QByteArray &originId, const QByteArray &archiveId);
    // 0 when no message of the conversation carries the id.
    qint64 eventByOriginId(const QByteArray &conversation, const QByteArray &originId) const;
    qint64 eventByArchiveId(const QByteArray &archiveId) const;
    QByteArray originIdOf(qint64 eventId) const;
    QByteArray archiveIdOf(qint64 eventId) const;
    // The newest archive id of a conversation (where an archive query
    // picks up); empty when none is known.
    QByteArray newestArchiveId(const QByteArray &conversation) const;

    // Runs `work` in one transaction (many appends at once).
    bool transaction(const std::function<bool()> &work);

    QString lastError() const { return m_lastError; }

private:
    MessageStore() = default;
    Result prepare();
    Result createSearchIndex();
    bool preparePictures();
    bool prepareCounts();
    bool indexText(qint64 eventId, const QByteArray &conversation, const QByteArray &body);
    bool unindex(qint64 eventId);
    QVector<StoredMessage> select(const QString &where, const QVariantList &values, const QString &order, int limit,
                                  qint64 offset = 0) const;

    QString m_path;
    QString m_connection;
    mutable QString m_lastError;
};

} // namespace hostkit
