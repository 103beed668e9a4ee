#pragma once

#include "plugin/records/userobj.h"

#include <sdk/iuser.h>

#include <QString>

// A user record that keeps only what a mention shows. The host fills it like
// any record; copying every field of a whole one costs more than the rest of
// a short message.
class MentionedUser final : public IUser
{
public:
    QString name;

    void assign(const IUser *other) override
    {
        if (other)
            name = UserObj::displayNameOf(other);
    }
    bool isEmpty() const override { return true; }
    bool isOffline() const override { return true; }
    bool isConnected() const override { return false; }
    bool isOnline() const override { return false; }
    bool isAway() const override { return false; }
    bool isBusy() const override { return false; }
    bool hasStatusMessage() const override { return false; }
    int status() const override { return 0; }
    const char16_t *statusText() const override { return u""; }
    const char *id() const override { return ""; }
    const char16_t *displayName() const override { return reinterpret_cast<const char16_t *>(name.utf16()); }
    const char *userName() const override { return ""; }
    const char16_t *firstName() const override { return u""; }
    const char16_t *lastName() const override { return u""; }
    const char16_t *profileText16() const override { return u""; }
    const char16_t *profileText17() const override { return u""; }
    const char16_t *profileText18() const override { return u""; }
    const char16_t *profileText19() const override { return u""; }
    const char16_t *profileText20() const override { return u""; }
    const char *item(int) const override { return nullptr; }
    int itemCount() const override { return 0; }
    const char16_t *profileText23() const override { return u""; }
    int type() const override { return 0; }
    const char *extraId() const override { return nullptr; }
};
