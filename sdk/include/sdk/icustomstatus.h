#pragma once

#include "types.h"

// A custom status the user defined in the host (2 slots, no destructor among
// them). Entries with code -1 or an empty text are skipped by callers.
class ICustomStatus
{
public:
    virtual int statusCode() const = 0;                           // 0 -1 in a new object
    virtual const char *text() const = 0;                         // 1 UTF-8

protected:
    ~ICustomStatus() = default;
};
