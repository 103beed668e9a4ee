#pragma once

// Pictures for the tests that feed the decoders: ordinary ones encoded by
// Qt, and hand-built PNGs whose header promises more than their data holds
// (what a hostile peer sends), so the size caps can be exercised in bytes.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QSize>
#include <QString>
#include <QtEndian>
#include <QtGlobal>

namespace testpictures {

inline quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

inline QByteArray chunk(const char *type, const QByteArray &data)
{
    const QByteArray typed = QByteArray(type) + data;
    return bigEndian(quint32(data.size())) + typed + bigEndian(crc32(typed));
}

inline QByteArray png(const QByteArray &header, const QByteArray &data)
{
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", data) + chunk("IEND", QByteArray());
}

// A well-formed 8-bit RGB header declaring `size`, followed by `dataBytes`
// bytes of image data that could never fill it.
inline QByteArray pngDeclaring(QSize size, int dataBytes = 64)
{
    return png(bigEndian(quint32(size.width())) + bigEndian(quint32(size.height())) + QByteArray("\x08\x02\0\0\0", 5),
               QByteArray(dataBytes, '\0'));
}

// A real, all-black 1-bit PNG: many megapixels in a few kilobytes.
inline QByteArray blackPng(QSize size)
{
    const QByteArray rows(((size.width() + 7) / 8 + 1) * size.height(), '\0');
    return png(bigEndian(quint32(size.width())) + bigEndian(quint32(size.height())) + QByteArray("\x01\0\0\0\0", 5),
               qCompress(rows, 9).mid(4));
}

inline QByteArray encoded(const QImage &image, const char *format = "PNG", int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

inline QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// `path` once written whole, or an empty string.
inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

} // namespace testpictures
