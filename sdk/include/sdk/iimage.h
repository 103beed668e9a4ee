#pragma once

#include "types.h"

// An image that receives pixels (5 slots, no destructor among them).
// Pixels are 32-bit ARGB, width * 4 bytes per line.
class IImage
{
public:
    virtual const unsigned char *constBits() const = 0;           // 0
    virtual unsigned char *bits() = 0;                            // 1
    virtual int width() const = 0;                                // 2
    virtual int height() const = 0;                               // 3
    virtual void setData(const unsigned char *pixels, int width, int height) = 0; // 4 copies w*h*4 bytes

protected:
    ~IImage() = default;
};
