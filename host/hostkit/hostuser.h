#pragma once

#include "contact.h"

#include <sdk/iuser.h>

namespace hostkit {

// The host's user record handed to plug-ins (openChat, execute, presence
// notices) and used to fill theirs through IUser::assign.
class HostUser final : public IUser
{
public:
    HostUser() = default;
    explicit HostUser(const Contact &contact);

    const Contact &contact() const { return m_contact; }
    void setContact(const Contact &contact);

    // Status names as the host shows them: "Offline", "Online", "Away", "Busy".
    static QString statusName(int status);

    void assign(const IUser *other) override;
    bool isEmpty() const override { return m_contact.id.isEmpty(); }
    bool isOffline() const override { return m_contact.status == 0; }
    bool isConnected() const override { return m_contact.status != 0; }
    bool isOnline() const override { return m_contact.status == 1; }
    bool isAway() const override { return m_contact.status == 2; }
    bool isBusy() const override { return m_contact.status == 3; }
    bool hasStatusMessage() const override { return !m_contact.statusMessage.isEmpty(); }
    int status() const override { return m_contact.status; }
    const char16_t *statusText() const override;
    const char *id() const override { return m_contact.id.constData(); }
    const char16_t *displayName() const override { return utf16(m_contact.displayName); }
    const char *userName() const override { return m_contact.userName.constData(); }
    const char16_t *firstName() const override { return utf16(m_contact.firstName); }
    const char16_t *lastName() const override { return utf16(m_contact.lastName); }
    const char16_t *profileText16() const override { return utf16(m_empty); }
    const char16_t *profileText17() const override { return utf16(m_empty); }
    const char16_t *profileText18() const override { return utf16(m_empty); }
    const char16_t *profileText19() const override { return utf16(m_empty); }
    const char16_t *profileText20() const override { return utf16(m_empty); }
    const char *item(int index) const override;
    int itemCount() const override { return m_contact.members.size(); }
    const char16_t *profileText23() const override { return utf16(m_empty); }
    int type() const override { return m_contact.type; }
    const char *extraId() const override { return nullptr; }

private:
    static const char16_t *utf16(const QString &s) { return reinterpret_cast<const char16_t *>(s.utf16()); }
    void refreshStatusText();

    Contact m_contact;
    QString m_statusText;
    QString m_empty;
};

// Reads any IUser into a Contact (for records the plug-in hands the host).
Contact contactFromUser(const IUser *user);

} // namespace hostkit
