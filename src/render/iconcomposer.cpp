#include "render/iconcomposer.h"

#include <QPainter>

namespace IconComposer {

namespace {

QPoint centred(const QImage &on, const QImage &image)
{
    return QPoint((on.width() - image.width()) / 2, (on.height() - image.height()) / 2);
}

QImage transparentLike(const QImage &icon)
{
    QImage canvas(icon.size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

} // namespace

QImage withOverlay(const QImage &icon, const QImage &overlay)
{
    if (icon.isNull())
        return overlay;
    QImage canvas = transparentLike(icon);
    QPainter painter(&canvas);
    painter.drawImage(centred(canvas, icon), icon);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(canvas.rect(), QColor(0, 0, 0, 60));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!overlay.isNull())
        painter.drawImage(centred(canvas, overlay), overlay);
    painter.end();
    return canvas;
}

QImage greyed(const QImage &icon)
{
    QImage source = icon.convertToFormat(QImage::Format_ARGB32);
    QImage grey(source.size(), QImage::Format_ARGB32);
    grey.fill(Qt::transparent);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        QRgb *out = reinterpret_cast<QRgb *>(grey.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int g = (11 * qRed(in[x]) + 16 * qGreen(in[x]) + 5 * qBlue(in[x])) / 32;
            out[x] = qRgba(g, g, g, qAlpha(in[x]));
        }
    }
    return grey;
}

QImage brokenFileIcon(const QImage &icon, const QImage &mask, const QImage &outline)
{
    QImage canvas = greyed(icon).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    if (!mask.isNull()) {
        painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        painter.drawImage(centred(canvas, mask), mask);
    }
    if (!outline.isNull()) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        painter.drawImage(centred(canvas, outline), outline);
    }
    painter.end();
    return canvas;
}

} // namespace IconComposer
