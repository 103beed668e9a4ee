#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// How the image viewer reads a picture and where it stands in the frame.
// Widget-free.
class ViewerPicture
{
public:
    // Up to this many pixels a picture is read whole, so the lens shows its
    // own pixels; 64 Mpx is already 256 MB of 32-bit pixels.
    static constexpr qint64 WholePixels = 64 * 1000 * 1000;
    // Larger ones are read scaled to fit a square of this side.
    static constexpr int FallbackSide = 4096;

    struct Loaded
    {
        QImage image;         // 32-bit ARGB; null when nothing could be read
        bool decoded = false; // the picture's own pixels (else the caller shows the broken picture)
    };

    // Reads through PictureLoader, which measures the picture before
    // decoding and refuses what is over its cap.
    static Loaded load(const QString &path);

    // The size a picture larger than WholePixels is read at: a width over
    // FallbackSide becomes FallbackSide (the height following), then a
    // height still over it likewise.
    static QSize fallbackSize(const QSize &declared);

    // Where an image of `image` size is drawn in a frame of `frame` size:
    // unscaled and centred when it fits, else fitted with its aspect ratio
    // kept and centred on the other axis.
    static QRect placement(const QSize &image, const QSize &frame);
};
