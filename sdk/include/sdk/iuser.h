#pragma once

#include "types.h"

// A user or room record exchanged with the host (26 slots, destructor first).
// Type 0 is an ordinary contact, type 1 a room. Status 0 Offline, 1 Online,
// 2 Away, 3 Busy.
class IUser
{
public:
    virtual ~IUser() = default;                                   // 0
    virtual void assign(const IUser *other) = 0;                  // 1 copies the other record
    virtual bool isEmpty() const = 0;                             // 2 id is empty
    virtual bool isOffline() const = 0;                           // 3 status == 0
    virtual bool isConnected() const = 0;                         // 4 status != 0
    virtual bool isOnline() const = 0;                            // 5 status == 1
    virtual bool isAway() const = 0;                              // 6 status == 2
    virtual bool isBusy() const = 0;                              // 7 status == 3
    virtual bool hasStatusMessage() const = 0;                    // 8 status message not empty
    virtual int status() const = 0;                               // 9
    virtual const char16_t *statusText() const = 0;               // 10 status message, else status name
    virtual const char *id() const = 0;                           // 11
    virtual const char16_t *displayName() const = 0;              // 12
    virtual const char *userName() const = 0;                     // 13
    virtual const char16_t *firstName() const = 0;                // 14
    virtual const char16_t *lastName() const = 0;                 // 15
    virtual const char16_t *profileText16() const = 0;            // 16
    virtual const char16_t *profileText17() const = 0;            // 17
    virtual const char16_t *profileText18() const = 0;            // 18
    virtual const char16_t *profileText19() const = 0;            // 19
    virtual const char16_t *profileText20() const = 0;            // 20
    virtual const char *item(int index) const = 0;                // 21 item of the host's list
    virtual int itemCount() const = 0;                            // 22
    virtual const char16_t *profileText23() const = 0;            // 23
    virtual int type() const = 0;                                 // 24 0 contact, 1 room
    virtual const char *extraId() const = 0;                      // 25 null when empty
};
