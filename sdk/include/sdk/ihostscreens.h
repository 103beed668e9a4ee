#pragma once

#include "types.h"

// A rectangle in the host's desktop coordinates (pixels).
struct HostRect
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The screens the host lays windows out on (IHostServices::hostScreens), in
// place of the machine's. Index 0 is the primary screen. Host-owned; called
// on the host's GUI thread.
class IHostScreens
{
public:
    virtual int screenCount() = 0;                                         // 0 number of screens
    virtual bool geometry(int index, HostRect *out) = 0;                   // 1 whole area of a screen; false when there is no such screen
    virtual bool availableGeometry(int index, HostRect *out) = 0;          // 2 the part windows may use (without panels and task bars)

protected:
    ~IHostScreens() = default;
};
