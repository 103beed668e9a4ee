#pragma once

#include <sdk/iimage.h>

#include <QImage>

// One image of the toolkit behind the host's image slots; the plug-in creates
// these to receive pictures (avatars) from the host.
class ImageImpl : public IImage
{
public:
    // A picture the host hands over (an avatar, possibly a peer's) is
    // copied whole; beyond this many pixels setData keeps nothing, as the
    // picture loader refuses such files.
    static constexpr qint64 MaxPixels = 100 * 1000 * 1000;

    ImageImpl() = default;
    explicit ImageImpl(const QImage &image) : m_image(image) {}

    const unsigned char *constBits() const override;                      // slot 0
    unsigned char *bits() override;                                       // slot 1
    int width() const override;                                           // slot 2
    int height() const override;                                          // slot 3
    void setData(const unsigned char *pixels, int width, int height) override; // slot 4
    virtual ~ImageImpl();                                                 // slot 5
    virtual void release();                                               // slot 6 destroys the object

    const QImage &image() const { return m_image; }

private:
    QImage m_image;
};
