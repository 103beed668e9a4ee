#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

class QIODevice;
class QMovie;

// Turns picture files and bytes into pixels for everything the library
// shows: history pictures, emoticons, skin images, pictures put into the
// editor.
//
// What a picture costs is its declared size, not its file: a 1.5 MB PNG may
// declare 23000 x 23000 pixels and take 2 GB to decode. So the declared size
// is read first and judged before a single pixel is decoded (judge()); a
// picture that passes is decoded straight to the size it is shown at where
// the format can do that (JPEG decodes at a fraction of its size), else
// decoded whole and scaled down. Pictures are never scaled up.
//
// Formats are told by their contents, never by a file name a peer chose.
// Stateless; load() and fromData() are safe on any thread, an animation
// belongs to the thread that loaded it.
class PictureLoader
{
public:
    enum class Status {
        Ok,      // decoded
        Refused, // never decoded: declared size unknown, too large, or more than the data can hold
        Broken,  // not a picture any reader knows, or its data failed while decoding
    };

    struct Picture
    {
        Status status = Status::Broken;
        QImage image;       // null unless Ok
        QSize declaredSize; // as the data states it; invalid when it states none
        bool ok() const { return status == Status::Ok; }
    };

    // A running picture for views that animate (the emoticon catalogue).
    // Frames are decoded once and kept, so the number of frames is bounded
    // as well as their size.
    struct Animation
    {
        Animation();
        Animation(Animation &&other) noexcept;
        Animation &operator=(Animation &&other) noexcept;
        ~Animation();

        Status status = Status::Broken;
        // Set when Ok: caches all frames, scaled to the size asked for, and
        // owns the bytes it reads; not started.
        std::unique_ptr<QMovie> movie;
        QSize declaredSize;
        int frameCount = 0; // frames found when Ok
    };

    // What one animation may cost. Frames are decoded at their declared size
    // (the animated formats cannot decode smaller) and kept at the shown
    // size, so both products are bounded.
    struct AnimationLimits
    {
        // Frames x shown pixels kept: 4 Mpx is 16 MB of 32-bit pixels, 256
        // frames at 128 x 128.
        qint64 keptPixels = 4 * 1024 * 1024;
        // Frames x declared pixels decoded while the frames are counted and
        // once more while the animation first runs.
        qint64 decodedPixels = 64 * 1024 * 1024;
    };

    // 100 Mpx is 400 MB as 32-bit pixels: no picture is allowed more.
    static constexpr qint64 MaxPixels = 100 * 1000 * 1000;
    // The densest a picture's data can legitimately be: PNG's deflate packs
    // at most 1032 bytes into one, and a 1-bit picture has 8 pixels a byte,
    // so a PNG holds at most 8256 pixels per byte of file; GIF's LZW about
    // 2700; a baseline JPEG needs a bit per 8 x 8 block. Data that claims
    // more pixels than bytes x 16384 cannot hold them: a bomb or a truncated
    // file that would decode to a large blank. Only arithmetic-coded JPEG,
    // single-colour lossless WebP and run-length BMP can legitimately be
    // denser, and only for pictures of one colour.
    static constexpr qint64 MaxPixelsPerByte = 16384;
    // Up to 1 Mpx (4 MB) any declared size is believed: icons and small
    // flat pictures can be tiny files.
    static constexpr qint64 AlwaysPlausiblePixels = 1024 * 1024;
    // Animations are read into memory whole; emoticons are a few kB.
    static constexpr qint64 MaxAnimationBytes = 16 * 1024 * 1024;

    // Decodes the picture in a file, at most `maxShown` large (aspect ratio
    // kept); an invalid or empty `maxShown` asks for the declared size.
    static Picture load(const QString &path, const QSize &maxShown = QSize());
    // The same for bytes at hand.
    static Picture fromData(const QByteArray &data, const QSize &maxShown = QSize());

    // An animation (or a still picture as one) shown at most `maxShown` large.
    static Animation loadAnimation(const QString &path, const QSize &maxShown);
    static Animation loadAnimation(const QString &path, const QSize &maxShown, const AnimationLimits &limits);

    // Whether a picture of `declared` size may be decoded from `dataBytes`
    // bytes: Ok, or Refused for an unknown size, more than MaxPixels, or
    // more than AlwaysPlausiblePixels at more than MaxPixelsPerByte.
    static Status judge(const QSize &declared, qint64 dataBytes);

    // The size a picture of `declared` size is decoded at to be shown at
    // most `maxShown` large: fitted with its aspect ratio kept, at least one
    // pixel each way, never larger than declared.
    static QSize shownSize(const QSize &declared, const QSize &maxShown);

private:
    static Picture read(QIODevice *device, qint64 dataBytes, const QSize &maxShown, const QString &what);
};
