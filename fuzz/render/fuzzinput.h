#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// Peer text reaches the renderer as UTF-8 from the host, but the passes work
// on UTF-16: the first byte chooses whether the rest is read as UTF-8 or as
// raw UTF-16 code units (lone surrogates included).
inline QString fuzzText(const uint8_t *data, size_t size)
{
    if (size == 0)
        return QString();
    const char *bytes = reinterpret_cast<const char *>(data + 1);
    const int length = int(size - 1);
    if (data[0] & 1)
        return QString(reinterpret_cast<const QChar *>(bytes), length / 2);
    return QString::fromUtf8(bytes, length);
}
