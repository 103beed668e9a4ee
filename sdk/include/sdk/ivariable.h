#pragma once

#include "types.h"

// A result text that a host operation fills (2 slots, no destructor among
// them: the implementation that creates the object destroys it).
class IVariable
{
public:
    virtual const char *value() const = 0;                        // 0 UTF-8, NUL-terminated
    virtual void set(const char *data, int length) = 0;           // 1 length -1: up to the NUL

protected:
    ~IVariable() = default;
};
