#pragma once

#include <sdk/iuser.h>

#include <QByteArray>
#include <QList>
#include <QString>

// The plug-in's user and room record: copies of what the host passes in, and
// empty records handed to the host to be filled. Texts are returned as
// pointers into the object's own storage, valid while it lives unchanged.
class UserObj : public IUser
{
public:
    UserObj() = default;
    // Default construction followed by assign().
    explicit UserObj(const IUser *other);
    UserObj(const UserObj &other);
    UserObj &operator=(const UserObj &other);
    ~UserObj() override;

    // IUser, slots 1 to 25.
    void assign(const IUser *other) override;
    bool isEmpty() const override;
    bool isOffline() const override;
    bool isConnected() const override;
    bool isOnline() const override;
    bool isAway() const override;
    bool isBusy() const override;
    bool hasStatusMessage() const override;
    int status() const override;
    const char16_t *statusText() const override;
    const char *id() const override;
    const char16_t *displayName() const override;
    const char *userName() const override;
    const char16_t *firstName() const override;
    const char16_t *lastName() const override;
    const char16_t *profileText16() const override;
    const char16_t *profileText17() const override;
    const char16_t *profileText18() const override;
    const char16_t *profileText19() const override;
    const char16_t *profileText20() const override;
    const char *item(int index) const override;
    int itemCount() const override;
    const char16_t *profileText23() const override;
    int type() const override;
    const char *extraId() const override;

    // The name people see for a record: its display name, else first and
    // last name, else the user name.
    static QString displayNameOf(const IUser *user);

    // Convenience accessors for the plug-in's own code.
    QString idString() const { return QString::fromUtf8(m_id); }
    const QByteArray &idBytes() const { return m_id; }
    QString displayNameString() const { return m_displayName; }
    QString statusTextString() const;
    QString statusMessage() const { return m_statusMessage; }
    bool isRoom() const { return m_type == 1; }

    // Setters used where the plug-in builds or changes records itself.
    void setId(const QByteArray &id) { m_id = id; }
    void setUserName(const QByteArray &name) { m_userName = name; }
    void setFirstName(const QString &name) { m_firstName = name; }
    void setLastName(const QString &name) { m_lastName = name; }
    void setDisplayName(const QString &name) { m_displayName = name; }
    void setStatusMessage(const QString &message) { m_statusMessage = message; }
    // Sets the status and the translated status name that goes with it.
    void setStatus(int status);
    void setType(int type) { m_type = type; }
    void setExtraId(const QByteArray &extraId) { m_extraId = extraId; }
    void setItems(const QList<QByteArray> &items) { m_items = items; }

    // "Offline", "Online", "Away", "Busy" for 0 to 3, translated; empty otherwise.
    static QString statusName(int status);

private:
    static const char16_t *utf16(const QString &text);

    QByteArray m_id;
    QByteArray m_userName;
    QString m_firstName;
    QString m_lastName;
    QString m_displayName;
    QString m_profileTexts[5]; // slots 16 to 20
    QList<QByteArray> m_items;
    QString m_profileText23;
    QString m_statusName;
    QString m_statusMessage;
    QByteArray m_extraId;
    int m_status = 0;
    int m_type = 0;
};
