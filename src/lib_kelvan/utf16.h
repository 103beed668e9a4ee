#pragma once

#include <QString>

namespace kelvan {

// Texts from the host contract come as UTF-16 pointers that may be null.
inline QString fromUtf16(const char16_t *text)
{
    return text ? QString::fromUtf16(text) : QString();
}

} // namespace kelvan
