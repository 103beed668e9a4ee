#include "render/resourcekeytable.h"

#include "lib_kelvan/clock.h"

#include <QAtomicInteger>

#include <algorithm>

QString ResourceKeyTable::newKey()
{
    // Shared by every window of the process, so two windows opened in the
    // same second still name their resources apart.
    static QAtomicInteger<quint16> counter;
    const quint16 number = counter.fetchAndAddRelaxed(1);
    return QStringLiteral("R%1_%2")
        .arg(kelvan::Clock::instance().now().toString(QStringLiteral("yyyyMMddhhmmss")))
        .arg(number, 4, 10, QLatin1Char('0'));
}

QString ResourceKeyTable::resourceKeyFor(const QString &address)
{
    const auto found = m_keyByAddress.constFind(address);
    if (found != m_keyByAddress.constEnd())
        return found.value();
    QString key = newKey();
    // The counter wraps after 65,536 keys; a wrapped key within the same
    // second must not steal another address's resource.
    while (m_addressByKey.contains(key))
        key = newKey();
    m_keyByAddress.insert(address, key);
    m_addressByKey.insert(key, address);
    return key;
}

QString ResourceKeyTable::keyOf(const QString &address) const
{
    return m_keyByAddress.value(address);
}

QString ResourceKeyTable::addressForKey(const QString &key) const
{
    return m_addressByKey.value(key);
}

bool ResourceKeyTable::containsKey(const QString &key) const
{
    return m_addressByKey.contains(key);
}

void ResourceKeyTable::noteAttachment(const QString &key, const QString &name, int transferKind, bool upload)
{
    m_attachments.insert(key, Attachment{name, transferKind, upload});
}

QString ResourceKeyTable::attachmentAddress(const QString &key) const
{
    const QString address = addressForKey(key);
    const auto found = m_attachments.constFind(key);
    return found != m_attachments.constEnd() && found->upload ? QStringLiteral("upload:") + address : address;
}

void ResourceKeyTable::notePicture(const QString &localName, const QString &address, bool fetchStarted)
{
    if (localName.isEmpty() || address.isEmpty())
        return;
    m_pictureNames.insert(address, localName);
    m_pictureAddresses.insert(localName, address);
    if (fetchStarted)
        m_startedFetches.append(address);
}

QString ResourceKeyTable::pictureName(const QString &address) const
{
    return m_pictureNames.value(address);
}

QString ResourceKeyTable::pictureAddress(const QString &localName) const
{
    return m_pictureAddresses.value(localName);
}

QStringList ResourceKeyTable::takeStartedFetches()
{
    QStringList started;
    started.swap(m_startedFetches);
    return started;
}

QString ResourceKeyTable::attachmentName(const QString &key) const
{
    return m_attachments.value(key).name;
}

int ResourceKeyTable::attachmentKind(const QString &key) const
{
    const auto found = m_attachments.constFind(key);
    return found == m_attachments.constEnd() ? -1 : found->kind;
}

void ResourceKeyTable::setIconState(const QString &key, IconState state)
{
    m_states[int(state) - 1].insert(key);
}

void ResourceKeyTable::clearIconState(const QString &key)
{
    for (QSet<QString> &set : m_states)
        set.remove(key);
}

bool ResourceKeyTable::hasIconState(const QString &key, IconState state) const
{
    return m_states[int(state) - 1].contains(key);
}

QStringList ResourceKeyTable::keysInState(IconState state) const
{
    QStringList keys = m_states[int(state) - 1].values();
    std::sort(keys.begin(), keys.end());
    return keys;
}
