#include "viewer/magnifier.h"

#include "lib_kelvan/clocktimer.h"
#include "viewer/magnifierowner.h"

#include <QCursor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstring>

const int Magnifier::ZoomPercent[MaxZoom + 1] = {100,  100,  125,  150,  175,  200,  250,  300,  350,  400, 450,
                                                 500,  550,  600,  650,  700,  750,  800,  850,  900,  1000, 1100,
                                                 1200, 1350, 1500, 1750, 2000, 2250, 2500, 2750, 3000};

namespace {

QFont labelFont()
{
    QFont font(QStringLiteral("Arial"), 48);
    font.setBold(true);
    return font;
}

} // namespace

Magnifier::Magnifier(MagnifierOwner *owner, const Options &options)
    : QObject(owner)
    , m_owner(owner)
    , m_labelTimer(new kelvan::ClockTimer(this))
{
    m_labelTimer->setSingleShot(true);
    m_labelTimer->setInterval(LabelMs);
    connect(m_labelTimer, &kelvan::ClockTimer::timeout, this, &Magnifier::onTimeout);
    setOptions(options);
}

Magnifier::~Magnifier() = default;

void Magnifier::setOptions(const Options &options)
{
    m_options = options;
    m_options.size = std::max(1, options.size);
    m_lensSize = QSize(m_options.size, m_options.size);
    m_enlarger.setSmooth(m_options.smooth);
    m_lensRect = QRect(m_mouse.x() - m_lensSize.width() / 2, m_mouse.y() - m_lensSize.height() / 2,
                       m_lensSize.width(), m_lensSize.height());
    setZoom(options.zoom);
}

void Magnifier::setImage(const QImage *image)
{
    m_image = image;
    m_dirty = true;
}

void Magnifier::setZoom(int index)
{
    m_options.zoom = std::clamp(index, MinZoom, MaxZoom);
    updateSourceSize();
    m_source = QImage(m_sourceSize, QImage::Format_ARGB32);
    m_dirty = true;
}

void Magnifier::updateSourceSize()
{
    const auto side = [this](int lens) {
        const int source = m_options.smooth ? lens * 100 / ZoomPercent[m_options.zoom] : lens / m_options.zoom;
        return std::max(1, source);
    };
    m_sourceSize = QSize(side(m_lensSize.width()), side(m_lensSize.height()));
}

void Magnifier::setPosition(int x, int y)
{
    m_mouse = QPoint(x, y);
    const QRect lens(x - m_lensSize.width() / 2, y - m_lensSize.height() / 2, m_lensSize.width(), m_lensSize.height());
    if (lens != m_lensRect) {
        m_lensRect = lens;
        m_dirty = true;
    }
}

void Magnifier::updateFromCursor()
{
    const QPoint at = m_owner->mapFromGlobal(QCursor::pos());
    setPosition(at.x(), at.y());
}

void Magnifier::copySource(const QRect &rect)
{
    // Parts outside the picture stay empty (transparent).
    const QRect inside = m_image ? rect.intersected(m_image->rect()) : QRect();
    if (inside != rect)
        m_source.fill(0);
    if (inside.isEmpty())
        return;
    const int bytes = inside.width() * 4;
    const int column = inside.x() - rect.x();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto *from = reinterpret_cast<const quint32 *>(m_image->constScanLine(y)) + inside.x();
        auto *to = reinterpret_cast<quint32 *>(m_source.scanLine(y - rect.y())) + column;
        std::memcpy(to, from, size_t(bytes));
    }
}

void Magnifier::rebuild()
{
    int x = m_mouse.x();
    int y = m_mouse.y();
    int originX = 0;
    int originY = 0;
    m_owner->sourceOrigin(originX, originY);
    x -= originX;
    y -= originY;
    m_owner->mapToSource(x, y);
    const QRect sourceRect(x - m_sourceSize.width() / 2, y - m_sourceSize.height() / 2, m_sourceSize.width(),
                           m_sourceSize.height());
    copySource(sourceRect);
    m_owner->drawOverSource(m_source, sourceRect);

    if (m_lens.size() != m_lensSize || m_lens.format() != QImage::Format_RGB32)
        m_lens = QImage(m_lensSize, QImage::Format_RGB32);
    if (m_sourceSize != m_lensSize) {
        m_enlarger.resample(reinterpret_cast<const quint32 *>(m_source.constBits()), m_source.width(),
                            m_source.height(), m_source.bytesPerLine(), reinterpret_cast<quint32 *>(m_lens.bits()),
                            m_lens.width(), m_lens.height(), m_lens.bytesPerLine());
    } else {
        for (int row = 0; row < m_lens.height(); ++row) {
            const auto *from = reinterpret_cast<const quint32 *>(m_source.constScanLine(row));
            auto *to = reinterpret_cast<quint32 *>(m_lens.scanLine(row));
            for (int column = 0; column < m_lens.width(); ++column)
                to[column] = from[column] | 0xFF000000u;
        }
    }

    if (m_options.border) {
        QPainter painter(&m_lens);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(Qt::NoBrush);
        const QRect outer(0, 0, m_lensSize.width() - 1, m_lensSize.height() - 1);
        const QRect inner = outer.adjusted(1, 1, -1, -1);
        const bool circle = m_options.shape == Circle;
        painter.setPen(QColor(0, 0, 0, 120));
        circle ? painter.drawEllipse(outer) : painter.drawRect(outer);
        painter.setPen(QColor(255, 255, 255, 180));
        circle ? painter.drawEllipse(inner) : painter.drawRect(inner);
    }
    m_dirty = false;
    m_pixmapStale = true;
}

void Magnifier::ensureLabel()
{
    if (m_labelZoom == m_options.zoom && !m_labelPixmap.isNull())
        return;
    const QString text = QString::number(m_options.zoom);
    const QFont font = labelFont();
    const QFontMetrics metrics(font);
    const int ascent = metrics.ascent();
    m_labelTextWidth = metrics.horizontalAdvance(text);
    m_labelPixmap = QPixmap(m_labelTextWidth + 4, ascent + 4);
    m_labelPixmap.fill(Qt::transparent);
    QPainter painter(&m_labelPixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    // A white halo from eight strokes around the blue text keeps it
    // readable on any picture.
    painter.setPen(Qt::white);
    painter.setOpacity(0.6);
    static const QPoint halo[] = {{1, -1}, {1, 1}, {3, 1}, {3, -1}, {1, 0}, {3, 0}, {2, -1}, {2, 1}};
    for (const QPoint &offset : halo)
        painter.drawText(QPoint(offset.x(), ascent + offset.y()), text);
    painter.setOpacity(1.0);
    painter.setPen(QColor(90, 170, 255));
    painter.drawText(QPoint(2, ascent), text);
    m_labelZoom = m_options.zoom;
}

QRect Magnifier::labelRect() const
{
    if (m_labelPixmap.isNull())
        return QRect();
    const QPoint at = m_options.shape == Circle
                          ? QPoint(m_lensRect.left() + (m_lensSize.width() - m_labelTextWidth) / 2, m_lensRect.top() + 2)
                          : QPoint(m_lensRect.left() + 2, m_lensRect.top());
    return QRect(at, m_labelPixmap.size() / m_labelPixmap.devicePixelRatio());
}

QRect Magnifier::paintedRect() const
{
    return m_labelVisible ? m_lensRect.united(labelRect()) : m_lensRect;
}

void Magnifier::paint(QPainter &painter)
{
    painter.save();
    if (m_options.zoom != m_announcedZoom) {
        m_announcedZoom = m_options.zoom;
        m_labelVisible = true;
        m_labelTimer->start();
    }
    if (m_dirty)
        rebuild();
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_pixmapStale) {
        m_lensPixmap = QPixmap::fromImage(m_lens);
        m_pixmapStale = false;
    }
    if (m_options.shape == Circle) {
        QPainterPath clip;
        clip.addEllipse(m_lensRect);
        painter.setClipPath(clip, Qt::IntersectClip);
        painter.drawPixmap(m_lensRect.topLeft(), m_lensPixmap);
        painter.setClipping(false);
    } else {
        painter.drawPixmap(m_lensRect.topLeft(), m_lensPixmap);
    }
    if (m_labelVisible) {
        ensureLabel();
        painter.setOpacity(0.8);
        painter.drawPixmap(labelRect().topLeft(), m_labelPixmap);
    }
    painter.restore();
}

void Magnifier::onTimeout()
{
    const QRect was = paintedRect();
    m_labelVisible = false;
    m_owner->update(was);
}
