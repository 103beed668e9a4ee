#include "userobj.h"

#include "lib_kelvan/utf16.h"

#include <QCoreApplication>

namespace {

using kelvan::fromUtf16;

} // namespace

UserObj::UserObj(const IUser *other)
{
    assign(other);
}

UserObj::UserObj(const UserObj &other)
    : IUser()
{
    assign(&other);
}

UserObj &UserObj::operator=(const UserObj &other)
{
    if (this != &other)
        assign(&other);
    return *this;
}

UserObj::~UserObj() = default;

void UserObj::assign(const IUser *other)
{
    if (!other || other == this)
        return;
    m_id = QByteArray(other->id());
    m_type = other->type();
    m_userName = QByteArray(other->userName());
    m_firstName = fromUtf16(other->firstName());
    m_lastName = fromUtf16(other->lastName());
    m_displayName = displayNameOf(other);
    m_profileTexts[0] = fromUtf16(other->profileText16());
    m_profileTexts[1] = fromUtf16(other->profileText17());
    m_profileTexts[2] = fromUtf16(other->profileText18());
    m_profileTexts[3] = fromUtf16(other->profileText19());
    m_profileTexts[4] = fromUtf16(other->profileText20());
    m_extraId = QByteArray(other->extraId());

    m_items.clear();
    const int count = other->itemCount();
    for (int i = 0; i < count; ++i)
        m_items.append(QByteArray(other->item(i)));

    m_profileText23 = fromUtf16(other->profileText23());
    m_statusMessage = other->hasStatusMessage() ? fromUtf16(other->statusText()) : QString();
    setStatus(other->status());
}

QString UserObj::displayNameOf(const IUser *user)
{
    QString name = fromUtf16(user->displayName());
    // The host may leave the display name empty; people still need a name.
    if (name.isEmpty()) {
        name = fromUtf16(user->firstName());
        const QString last = fromUtf16(user->lastName());
        if (!last.isEmpty())
            name += QLatin1Char(' ') + last;
    }
    name = name.trimmed();
    if (name.isEmpty())
        name = QString::fromUtf8(user->userName());
    return name;
}

void UserObj::setStatus(int status)
{
    m_status = status;
    m_statusName = statusName(status);
}

QString UserObj::statusName(int status)
{
    switch (status) {
    case 0: return QCoreApplication::translate("UserObj", "Offline");
    case 1: return QCoreApplication::translate("UserObj", "Online");
    case 2: return QCoreApplication::translate("UserObj", "Away");
    case 3: return QCoreApplication::translate("UserObj", "Busy");
    default: return QString();
    }
}

QString UserObj::statusTextString() const
{
    return m_statusMessage.isEmpty() ? m_statusName : m_statusMessage;
}

const char16_t *UserObj::utf16(const QString &text)
{
    // QString keeps its data NUL-terminated, also when empty.
    return reinterpret_cast<const char16_t *>(text.utf16());
}

bool UserObj::isEmpty() const { return m_id.isEmpty(); }
bool UserObj::isOffline() const { return m_status == 0; }
bool UserObj::isConnected() const { return m_status != 0; }
bool UserObj::isOnline() const { return m_status == 1; }
bool UserObj::isAway() const { return m_status == 2; }
bool UserObj::isBusy() const { return m_status == 3; }
bool UserObj::hasStatusMessage() const { return !m_statusMessage.isEmpty(); }
int UserObj::status() const { return m_status; }
const char16_t *UserObj::statusText() const { return utf16(m_statusMessage.isEmpty() ? m_statusName : m_statusMessage); }
const char *UserObj::id() const { return m_id.constData(); }
const char16_t *UserObj::displayName() const { return utf16(m_displayName); }
const char *UserObj::userName() const { return m_userName.constData(); }
const char16_t *UserObj::firstName() const { return utf16(m_firstName); }
const char16_t *UserObj::lastName() const { return utf16(m_lastName); }
const char16_t *UserObj::profileText16() const { return utf16(m_profileTexts[0]); }
const char16_t *UserObj::profileText17() const { return utf16(m_profileTexts[1]); }
const char16_t *UserObj::profileText18() const { return utf16(m_profileTexts[2]); }
const char16_t *UserObj::profileText19() const { return utf16(m_profileTexts[3]); }
const char16_t *UserObj::profileText20() const { return utf16(m_profileTexts[4]); }
const char *UserObj::item(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index).constData() : "";
}
int UserObj::itemCount() const { return m_items.size(); }
const char16_t *UserObj::profileText23() const { return utf16(m_profileText23); }
int UserObj::type() const { return m_type; }
const char *UserObj::extraId() const { return m_extraId.isEmpty() ? nullptr : m_extraId.constData(); }
