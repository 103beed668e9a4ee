#include "journal.h"

#include <QIODevice>
#include <QJsonDocument>

namespace hostkit {

QJsonObject Journal::Entry::toJson() const
{
    QJsonObject o;
    o.insert(QStringLiteral("seq"), sequence);
    o.insert(QStringLiteral("dir"), direction == Direction::Call ? QStringLiteral("call") : QStringLiteral("deliver"));
    o.insert(QStringLiteral("service"), QString::fromUtf8(service));
    o.insert(QStringLiteral("serviceNumber"), serviceNumber);
    o.insert(QStringLiteral("slot"), slot);
    o.insert(QStringLiteral("op"), QString::fromUtf8(operation));
    o.insert(QStringLiteral("args"), arguments);
    if (!result.isUndefined())
        o.insert(QStringLiteral("result"), result);
    return o;
}

void Journal::setEnabled(bool enabled)
{
    QMutexLocker locker(&m_lock);
    m_enabled = enabled;
}

bool Journal::isEnabled() const
{
    QMutexLocker locker(&m_lock);
    return m_enabled;
}

int Journal::record(Direction direction, const QByteArray &service, int serviceNumber, int slot,
                    const QByteArray &operation, const QJsonArray &arguments)
{
    QMutexLocker locker(&m_lock);
    if (!m_enabled)
        return -1;
    Entry e;
    e.sequence = ++m_sequence;
    e.direction = direction;
    e.service = service;
    e.serviceNumber = serviceNumber;
    e.slot = slot;
    e.operation = operation;
    e.arguments = arguments;
    m_entries.append(e);
    return m_entries.size() - 1;
}

void Journal::setResult(int index, const QJsonValue &result)
{
    QMutexLocker locker(&m_lock);
    if (index >= 0 && index < m_entries.size())
        m_entries[index].result = result;
}

QVector<Journal::Entry> Journal::entries() const
{
    QMutexLocker locker(&m_lock);
    return m_entries;
}

int Journal::size() const
{
    QMutexLocker locker(&m_lock);
    return m_entries.size();
}

void Journal::clear()
{
    QMutexLocker locker(&m_lock);
    m_entries.clear();
}

QVector<Journal::Entry> Journal::calls(const QByteArray &operation) const
{
    QMutexLocker locker(&m_lock);
    QVector<Entry> out;
    for (const Entry &e : m_entries) {
        if (e.direction == Direction::Call && e.operation == operation)
            out.append(e);
    }
    return out;
}

int Journal::count(const QByteArray &operation, const QByteArray &service) const
{
    QMutexLocker locker(&m_lock);
    int n = 0;
    for (const Entry &e : m_entries) {
        if (e.direction == Direction::Call && e.operation == operation && (service.isEmpty() || e.service == service))
            ++n;
    }
    return n;
}

QByteArray Journal::toJsonLines() const
{
    QByteArray out;
    for (const Entry &e : entries()) {
        out += QJsonDocument(e.toJson()).toJson(QJsonDocument::Compact);
        out += '\n';
    }
    return out;
}

bool Journal::writeJsonLines(QIODevice *device) const
{
    const QByteArray text = toJsonLines();
    return device->write(text) == text.size();
}

} // namespace hostkit
