#include "hostimage.h"

#include <cstring>

namespace hostkit {

void HostImage::setData(const unsigned char *pixels, int width, int height)
{
    if (width <= 0 || height <= 0) {
        m_image = QImage();
        return;
    }
    m_image = QImage(width, height, QImage::Format_ARGB32);
    if (!pixels) {
        m_image.fill(Qt::transparent);
        return;
    }
    for (int y = 0; y < height; ++y)
        std::memcpy(m_image.scanLine(y), pixels + size_t(y) * size_t(width) * 4, size_t(width) * 4);
}

} // namespace hostkit
