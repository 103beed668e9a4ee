#include "hostuser.h"

namespace hostkit {

namespace {

QString fromUtf16(const char16_t *text)
{
    return text ? QString::fromUtf16(text) : QString();
}

} // namespace

HostUser::HostUser(const Contact &contact)
{
    setContact(contact);
}

void HostUser::setContact(const Contact &contact)
{
    m_contact = contact;
    refreshStatusText();
}

QString HostUser::statusName(int status)
{
    switch (status) {
    case Contact::Offline: return QStringLiteral("Offline");
    case Contact::Online: return QStringLiteral("Online");
    case Contact::Away: return QStringLiteral("Away");
    case Contact::Busy: return QStringLiteral("Busy");
    }
    return QString();
}

void HostUser::refreshStatusText()
{
    m_statusText = m_contact.statusMessage.isEmpty() ? statusName(m_contact.status) : m_contact.statusMessage;
}

const char16_t *HostUser::statusText() const
{
    return utf16(m_statusText);
}

const char *HostUser::item(int index) const
{
    if (index < 0 || index >= m_contact.members.size())
        return "";
    return m_contact.members.at(index).constData();
}

void HostUser::assign(const IUser *other)
{
    if (!other || other == this)
        return;
    setContact(contactFromUser(other));
}

Contact contactFromUser(const IUser *user)
{
    Contact c;
    if (!user)
        return c;
    c.id = user->id() ? QByteArray(user->id()) : QByteArray();
    c.userName = user->userName() ? QByteArray(user->userName()) : QByteArray();
    c.displayName = fromUtf16(user->displayName());
    c.firstName = fromUtf16(user->firstName());
    c.lastName = fromUtf16(user->lastName());
    c.status = user->status();
    if (user->hasStatusMessage())
        c.statusMessage = fromUtf16(user->statusText());
    c.type = user->type();
    for (int i = 0; i < user->itemCount(); ++i)
        c.members.append(QByteArray(user->item(i)));
    return c;
}

} // namespace hostkit
