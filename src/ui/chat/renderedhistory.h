#pragma once

#include <QHash>
#include <QString>
#include <QVector>

#include <functional>

class IHostMessage;

// The messages a history view shows, oldest first, and the HTML that brings
// more of them in: messages already shown are skipped, and a date separator
// stands between two neighbouring messages of different days (never before
// the first). Knows nothing about widgets or the host: the caller renders a
// message's block and puts the HTML into the view.
class RenderedHistory
{
public:
    struct Entry
    {
        qint64 eventId = 0;
        qint64 time = 0;     // yyyyMMddhhmmss, UTC
        qint64 senderId = 0;
        bool received = false;
        bool hasBlock = false; // false: the template gives the message no block
        bool separatorBefore = false; // a date separator stands right before the block
    };

    // What removing a message does to the date separators around it.
    struct Removal
    {
        bool removed = false;
        bool hadBlock = false;
        // The removed message's separator now stands before this message
        // (0: it goes with the message).
        qint64 separatorMovesTo = 0;
        // This message's separator goes as well: it became the first one.
        qint64 separatorDroppedFrom = 0;
    };

    // The message's block; an empty text means the message shows nothing.
    using BlockRenderer = std::function<QString(const IHostMessage *message)>;

    // Forgets every message.
    void clear();
    bool isEmpty() const { return m_entries.isEmpty(); }
    int size() const { return m_entries.size(); }
    const QVector<Entry> &entries() const { return m_entries; }
    bool contains(qint64 eventId) const { return m_index.contains(eventId); }
    // Null when the id is not shown.
    const Entry *find(qint64 eventId) const;
    // 0 when empty.
    qint64 newestId() const { return m_entries.isEmpty() ? 0 : m_entries.last().eventId; }
    qint64 oldestId() const { return m_entries.isEmpty() ? 0 : m_entries.first().eventId; }

    // The HTML of `messages` (oldest first) that are newer than everything
    // shown, for the end of the view; they are recorded as shown. Messages
    // already shown, and messages not newer than the newest shown one, are
    // skipped. `added` receives the ids recorded.
    QString renderNewer(const QVector<const IHostMessage *> &messages, const QString &dateSeparator,
                        const BlockRenderer &render, QVector<qint64> *added = nullptr);
    // The HTML of `messages` (oldest first) that are older than everything
    // shown, for the top of the view, with the separator that then goes
    // between them and the oldest message shown before.
    QString renderOlder(const QVector<const IHostMessage *> &messages, const QString &dateSeparator,
                        const BlockRenderer &render, QVector<qint64> *added = nullptr);

    // Forgets one message (a message the host no longer has); no separator
    // is left before the first block or between two blocks of one day.
    Removal remove(qint64 eventId);

    // Forgets the `count` oldest (or newest) messages shown: the far end of
    // a window over a longer conversation. The separator of the block that
    // becomes the first goes (none stands before the first); its message
    // id is returned, else 0.
    qint64 trimOldest(int count);
    void trimNewest(int count);
    // Position of a shown message in entries(), -1 when not shown.
    int indexOf(qint64 eventId) const { return m_index.value(eventId, -1); }

private:
    static Entry entryFor(const IHostMessage *message);
    void reindex();
    // Time of the newest (oldest) entry that has a block; 0 when none.
    qint64 newestBlockTime() const;
    qint64 oldestBlockTime() const;

    QVector<Entry> m_entries;
    QHash<qint64, int> m_index; // event id -> position in m_entries
};
