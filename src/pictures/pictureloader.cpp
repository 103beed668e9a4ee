#include "pictures/pictureloader.h"

#include "pictures/pictureslog.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMovie>
#include <QtEndian>

#include <algorithm>
#include <limits>

namespace {

const char MngSignature[] = "\x8aMNG\r\n\x1a\n";

// Qt's MNG reader states no size before it has decoded the stream; the
// MHDR chunk that must open every MNG stream states the frame size.
QSize mngFrameSize(QIODevice *device)
{
    const QByteArray head = device ? device->peek(24) : QByteArray();
    if (head.size() < 24 || !head.startsWith(QByteArray::fromRawData(MngSignature, 8)) || head.mid(12, 4) != "MHDR")
        return QSize();
    const auto dimension = [&head](int at) {
        const quint32 value = qFromBigEndian<quint32>(head.constData() + at);
        return int(std::min<quint32>(value, quint32(std::numeric_limits<int>::max())));
    };
    return QSize(dimension(16), dimension(20));
}

QSize declaredSize(QImageReader &reader)
{
    const QSize size = reader.size();
    if (size.isValid() || reader.format() != "mng")
        return size;
    return mngFrameSize(reader.device());
}

qint64 pixelsOf(const QSize &size)
{
    return qint64(size.width()) * qint64(size.height());
}

} // namespace

PictureLoader::Animation::Animation() = default;
PictureLoader::Animation::Animation(Animation &&other) noexcept = default;
PictureLoader::Animation &PictureLoader::Animation::operator=(Animation &&other) noexcept = default;
PictureLoader::Animation::~Animation() = default;

PictureLoader::Status PictureLoader::judge(const QSize &declared, qint64 dataBytes)
{
    if (declared.isEmpty())
        return Status::Refused;
    const qint64 pixels = pixelsOf(declared);
    if (pixels > MaxPixels)
        return Status::Refused;
    if (pixels > AlwaysPlausiblePixels && pixels / MaxPixelsPerByte >= std::max<qint64>(dataBytes, 0))
        return Status::Refused;
    return Status::Ok;
}

QSize PictureLoader::shownSize(const QSize &declared, const QSize &maxShown)
{
    if (maxShown.isEmpty() || (declared.width() <= maxShown.width() && declared.height() <= maxShown.height()))
        return declared;
    const QSize fitted = declared.scaled(maxShown, Qt::KeepAspectRatio);
    return QSize(std::max(fitted.width(), 1), std::max(fitted.height(), 1));
}

PictureLoader::Picture PictureLoader::load(const QString &path, const QSize &maxShown)
{
    // Devices and pipes have no size to judge and may never end.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        qCDebug(lcPictures) << "cannot open" << path << file.errorString();
        return Picture();
    }
    return read(&file, file.size(), maxShown, path);
}

PictureLoader::Picture PictureLoader::fromData(const QByteArray &data, const QSize &maxShown)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return read(&buffer, data.size(), maxShown, QStringLiteral("data"));
}

PictureLoader::Picture PictureLoader::read(QIODevice *device, qint64 dataBytes, const QSize &maxShown,
                                           const QString &what)
{
    Picture picture;
    QImageReader reader(device);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) {
        qCDebug(lcPictures) << what << "is no picture a reader knows";
        return picture;
    }
    picture.declaredSize = declaredSize(reader);
    picture.status = judge(picture.declaredSize, dataBytes);
    if (picture.status != Status::Ok) {
        qCInfo(lcPictures) << "refused" << what << "declaring" << picture.declaredSize << "in" << dataBytes
                           << "bytes";
        return picture;
    }
    const QSize target = shownSize(picture.declaredSize, maxShown);
    if (target != picture.declaredSize)
        reader.setScaledSize(target);
    // A reader that fails part-way may still hand out a half-filled image.
    if (!reader.read(&picture.image) || picture.image.isNull()) {
        qCDebug(lcPictures) << "broken" << what << reader.errorString();
        picture.image = QImage();
        picture.status = Status::Broken;
    }
    return picture;
}

PictureLoader::Animation PictureLoader::loadAnimation(const QString &path, const QSize &maxShown)
{
    return loadAnimation(path, maxShown, AnimationLimits());
}

PictureLoader::Animation PictureLoader::loadAnimation(const QString &path, const QSize &maxShown,
                                                      const AnimationLimits &limits)
{
    Animation animation;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        qCDebug(lcPictures) << "cannot open" << path << file.errorString();
        return animation;
    }
    if (file.size() > MaxAnimationBytes) {
        qCInfo(lcPictures) << "refused" << path << "of" << file.size() << "bytes as an animation";
        animation.status = Status::Refused;
        return animation;
    }
    const QByteArray data = file.readAll();

    QBuffer probe;
    probe.setData(data);
    probe.open(QIODevice::ReadOnly);
    QImageReader reader(&probe);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) {
        qCDebug(lcPictures) << path << "is no picture a reader knows";
        return animation;
    }
    const QByteArray format = reader.format();
    animation.declaredSize = declaredSize(reader);
    animation.status = judge(animation.declaredSize, data.size());
    const QSize shown = shownSize(animation.declaredSize, maxShown);
    const qint64 maxFrames = animation.status == Status::Ok
                                 ? std::min(limits.keptPixels / pixelsOf(shown),
                                            limits.decodedPixels / pixelsOf(animation.declaredSize))
                                 : 0;
    if (maxFrames < 1) {
        qCInfo(lcPictures) << "refused animation" << path << "declaring" << animation.declaredSize;
        animation.status = Status::Refused;
        return animation;
    }

    // Some readers know the count from the headers; the others (MNG) only
    // once they have decoded every frame, so those are stepped through, one
    // frame past the limit at most.
    qint64 frames = reader.imageCount();
    if (frames <= 0) {
        frames = 0;
        QImage frame;
        while (frames <= maxFrames && reader.read(&frame))
            ++frames;
    }
    if (frames == 0) {
        qCDebug(lcPictures) << "broken animation" << path << reader.errorString();
        animation.status = Status::Broken;
        return animation;
    }
    if (frames > maxFrames) {
        qCInfo(lcPictures) << "refused animation" << path << "of more than" << maxFrames << "frames at"
                           << animation.declaredSize;
        animation.status = Status::Refused;
        return animation;
    }

    auto movie = std::make_unique<QMovie>();
    auto *bytes = new QBuffer(movie.get());
    bytes->setData(data);
    bytes->open(QIODevice::ReadOnly);
    movie->setDevice(bytes);
    movie->setFormat(format);
    movie->setCacheMode(QMovie::CacheAll);
    if (shown != animation.declaredSize)
        movie->setScaledSize(shown);
    if (!movie->isValid()) {
        animation.status = Status::Broken;
        return animation;
    }
    animation.movie = std::move(movie);
    animation.frameCount = int(frames);
    return animation;
}
