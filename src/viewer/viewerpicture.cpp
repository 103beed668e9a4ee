#include "viewer/viewerpicture.h"

#include "pictures/pictureloader.h"
#include "viewer/viewerlog.h"

#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace {

int centred(int room, int length)
{
    return std::max(0, int(std::floor((room - length) * 0.5 + 0.5)));
}

} // namespace

QSize ViewerPicture::fallbackSize(const QSize &declared)
{
    qint64 w = declared.width();
    qint64 h = declared.height();
    if (w > FallbackSide) {
        h = h * FallbackSide / w;
        w = FallbackSide;
    }
    if (h > FallbackSide) {
        w = w * FallbackSide / h;
        h = FallbackSide;
    }
    return QSize(int(std::max<qint64>(w, 1)), int(std::max<qint64>(h, 1)));
}

ViewerPicture::Loaded ViewerPicture::load(const QString &path)
{
    // Only the header is read here; PictureLoader reads it again and judges
    // it before any pixel is decoded.
    QImageReader probe(path);
    probe.setDecideFormatFromContent(true);
    const QSize declared = probe.size();
    QSize target;
    if (declared.isValid() && qint64(declared.width()) * declared.height() > WholePixels)
        target = fallbackSize(declared);

    PictureLoader::Picture picture = PictureLoader::load(path, target);
    Loaded loaded;
    if (!picture.ok()) {
        qCInfo(lcViewer) << "cannot show" << path << "declaring" << picture.declaredSize;
        return loaded;
    }
    loaded.image = picture.image.convertToFormat(QImage::Format_ARGB32);
    loaded.decoded = !loaded.image.isNull();
    return loaded;
}

QRect ViewerPicture::placement(const QSize &image, const QSize &frame)
{
    const qint64 w = image.width();
    const qint64 h = image.height();
    const qint64 fw = frame.width();
    const qint64 fh = frame.height();
    if (w <= 0 || h <= 0 || fw <= 0 || fh <= 0)
        return QRect();
    if (w <= fw && h <= fh)
        return QRect(centred(int(fw), int(w)), centred(int(fh), int(h)), int(w), int(h));
    int sw = 0;
    int sh = 0;
    if (w * fh > fw * h) {
        sw = int(fw);
        sh = int(std::max<qint64>(fw * h / w, 1));
    } else {
        sh = int(fh);
        sw = int(std::max<qint64>(fh * w / h, 1));
    }
    return QRect(centred(int(fw), sw), centred(int(fh), sh), sw, sh);
}
