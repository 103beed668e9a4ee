#include "ui/chat/renderedhistory.h"

#include "render/messageblocks.h"

#include <sdk/ihostmessage.h>

void RenderedHistory::clear()
{
    m_entries.clear();
    m_index.clear();
}

const RenderedHistory::Entry *RenderedHistory::find(qint64 eventId) const
{
    const auto it = m_index.constFind(eventId);
    return it == m_index.constEnd() ? nullptr : &m_entries.at(it.value());
}

RenderedHistory::Entry RenderedHistory::entryFor(const IHostMessage *message)
{
    Entry entry;
    entry.eventId = message->eventId();
    entry.time = message->time();
    entry.senderId = message->overridingSenderId() != 0 ? message->overridingSenderId() : message->senderId();
    entry.received = message->isReceived();
    return entry;
}

void RenderedHistory::reindex()
{
    m_index.clear();
    m_index.reserve(m_entries.size());
    for (int i = 0; i < m_entries.size(); ++i)
        m_index.insert(m_entries.at(i).eventId, i);
}

qint64 RenderedHistory::newestBlockTime() const
{
    for (int i = m_entries.size() - 1; i >= 0; --i) {
        if (m_entries.at(i).hasBlock)
            return m_entries.at(i).time;
    }
    return 0;
}

qint64 RenderedHistory::oldestBlockTime() const
{
    for (const Entry &entry : m_entries) {
        if (entry.hasBlock)
            return entry.time;
    }
    return 0;
}

QString RenderedHistory::renderNewer(const QVector<const IHostMessage *> &messages, const QString &dateSeparator,
                                     const BlockRenderer &render, QVector<qint64> *added)
{
    QString html;
    qint64 previousTime = newestBlockTime();
    for (const IHostMessage *message : messages) {
        if (!message || contains(message->eventId()) || message->eventId() <= newestId())
            continue;
        Entry entry = entryFor(message);
        const QString block = render(message);
        entry.hasBlock = !block.isEmpty();
        if (entry.hasBlock) {
            entry.separatorBefore = previousTime != 0 && MessageBlocks::isDifferentDay(previousTime, entry.time);
            if (entry.separatorBefore)
                html += dateSeparator;
            html += block;
            previousTime = entry.time;
        }
        m_index.insert(entry.eventId, m_entries.size());
        m_entries.append(entry);
        if (added)
            added->append(entry.eventId);
    }
    return html;
}

QString RenderedHistory::renderOlder(const QVector<const IHostMessage *> &messages, const QString &dateSeparator,
                                     const BlockRenderer &render, QVector<qint64> *added)
{
    const qint64 oldest = oldestId();
    QVector<Entry> page;
    QString html;
    qint64 previousTime = 0;
    for (const IHostMessage *message : messages) {
        if (!message || contains(message->eventId()) || (oldest != 0 && message->eventId() >= oldest))
            continue;
        // The host answers oldest first; anything out of order would break
        // the view's order, so it waits for a later page.
        if (!page.isEmpty() && message->eventId() <= page.last().eventId)
            continue;
        Entry entry = entryFor(message);
        const QString block = render(message);
        entry.hasBlock = !block.isEmpty();
        if (entry.hasBlock) {
            entry.separatorBefore = previousTime != 0 && MessageBlocks::isDifferentDay(previousTime, entry.time);
            if (entry.separatorBefore)
                html += dateSeparator;
            html += block;
            previousTime = entry.time;
        }
        page.append(entry);
    }
    if (page.isEmpty())
        return html;
    const qint64 shownTime = oldestBlockTime();
    if (previousTime != 0 && shownTime != 0 && MessageBlocks::isDifferentDay(previousTime, shownTime)) {
        html += dateSeparator;
        for (Entry &shown : m_entries) {
            if (shown.hasBlock) {
                shown.separatorBefore = true;
                break;
            }
        }
    }
    m_entries = page + m_entries;
    reindex();
    if (added) {
        for (const Entry &entry : page)
            added->append(entry.eventId);
    }
    return html;
}

RenderedHistory::Removal RenderedHistory::remove(qint64 eventId)
{
    Removal removal;
    const auto it = m_index.constFind(eventId);
    if (it == m_index.constEnd())
        return removal;
    const int at = it.value();
    const Entry gone = m_entries.at(at);
    removal.removed = true;
    removal.hadBlock = gone.hasBlock;
    if (gone.hasBlock) {
        bool hasPrevious = false;
        for (int i = at - 1; i >= 0 && !hasPrevious; --i)
            hasPrevious = m_entries.at(i).hasBlock;
        Entry *next = nullptr;
        for (int i = at + 1; i < m_entries.size() && !next; ++i) {
            if (m_entries.at(i).hasBlock)
                next = &m_entries[i];
        }
        // Its day differs from the one before and equals the next one's
        // when the next has no separator: the separator stays, for the next.
        if (gone.separatorBefore && next && !next->separatorBefore && hasPrevious) {
            next->separatorBefore = true;
            removal.separatorMovesTo = next->eventId;
        } else if (!gone.separatorBefore && next && next->separatorBefore && !hasPrevious) {
            next->separatorBefore = false;
            removal.separatorDroppedFrom = next->eventId;
        }
    }
    m_entries.remove(at);
    reindex();
    return removal;
}

qint64 RenderedHistory::trimOldest(int count)
{
    count = qBound(0, count, m_entries.size());
    if (count == 0)
        return 0;
    m_entries.remove(0, count);
    reindex();
    for (Entry &entry : m_entries) {
        if (!entry.hasBlock)
            continue;
        if (!entry.separatorBefore)
            return 0;
        entry.separatorBefore = false;
        return entry.eventId;
    }
    return 0;
}

void RenderedHistory::trimNewest(int count)
{
    count = qBound(0, count, m_entries.size());
    for (int i = m_entries.size() - count; i < m_entries.size(); ++i)
        m_index.remove(m_entries.at(i).eventId);
    m_entries.resize(m_entries.size() - count);
}
