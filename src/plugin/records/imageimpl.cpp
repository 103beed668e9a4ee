#include "imageimpl.h"

#include <cstring>

ImageImpl::~ImageImpl() = default;

const unsigned char *ImageImpl::constBits() const
{
    return m_image.constBits();
}

unsigned char *ImageImpl::bits()
{
    return m_image.bits();
}

int ImageImpl::width() const
{
    return m_image.width();
}

int ImageImpl::height() const
{
    return m_image.height();
}

void ImageImpl::setData(const unsigned char *pixels, int width, int height)
{
    if (width <= 0 || height <= 0 || qint64(width) * height > MaxPixels) {
        m_image = QImage();
        return;
    }
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull())
        return; // too large to allocate: keep the previous picture
    if (pixels) {
        // The host's buffer is tightly packed: width * 4 bytes per line.
        const qsizetype lineBytes = qsizetype(width) * 4;
        for (int y = 0; y < height; ++y)
            std::memcpy(image.scanLine(y), pixels + lineBytes * y, size_t(lineBytes));
    } else {
        image.fill(Qt::transparent);
    }
    m_image = image;
}

void ImageImpl::release()
{
    delete this;
}
