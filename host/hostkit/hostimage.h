#pragma once

#include <QImage>

#include <sdk/iimage.h>

namespace hostkit {

// Receives a plug-in's icon (drawIcon) as a QImage.
class HostImage final : public IImage
{
public:
    const unsigned char *constBits() const override { return m_image.constBits(); }
    unsigned char *bits() override { return m_image.bits(); }
    int width() const override { return m_image.width(); }
    int height() const override { return m_image.height(); }
    void setData(const unsigned char *pixels, int width, int height) override;

    const QImage &image() const { return m_image; }

private:
    QImage m_image;
};

} // namespace hostkit
