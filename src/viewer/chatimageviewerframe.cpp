#include "viewer/chatimageviewerframe.h"

#include "lib_kelvan/clocktimer.h"
#include "viewer/viewerpicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

bool zoomButton(Qt::MouseButton button)
{
    return button == Qt::LeftButton || button == Qt::RightButton;
}

} // namespace

ChatImageViewerFrame::ChatImageViewerFrame(QWidget *parent)
    : MagnifierOwner(parent)
    , m_magnifier(new Magnifier(this, Magnifier::Options()))
    , m_smoothPass(new kelvan::ClockTimer(this))
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_magnifier->setImage(&m_full);
    m_smoothPass->setSingleShot(true);
    m_smoothPass->setInterval(SmoothPassMs);
    connect(m_smoothPass, &kelvan::ClockTimer::timeout, this, &ChatImageViewerFrame::onSmoothPass);
}

ChatImageViewerFrame::~ChatImageViewerFrame() = default;

void ChatImageViewerFrame::setMagnifierOptions(const Magnifier::Options &options)
{
    m_magnifier->setOptions(options);
    update();
}

void ChatImageViewerFrame::setPicture(const QImage &picture)
{
    m_full = picture.format() == QImage::Format_ARGB32 ? picture : picture.convertToFormat(QImage::Format_ARGB32);
    m_magnifier->setImage(&m_full);
    place();
}

void ChatImageViewerFrame::place()
{
    m_smoothPass->stop();
    m_displayRect = ViewerPicture::placement(m_full.size(), size());
    if (m_displayRect.isEmpty()) {
        m_display = QImage();
    } else if (m_displayRect.size() == m_full.size()) {
        m_display = m_full;
    } else {
        if (m_display.size() != m_displayRect.size())
            m_display = QImage(m_displayRect.size(), QImage::Format_ARGB32);
        m_shrinker.resample(reinterpret_cast<const quint32 *>(m_full.constBits()), m_full.width(), m_full.height(),
                            m_full.bytesPerLine(), reinterpret_cast<quint32 *>(m_display.bits()), m_display.width(),
                            m_display.height(), m_display.bytesPerLine());
        m_smoothPass->start();
    }
    update();
}

void ChatImageViewerFrame::onSmoothPass()
{
    if (m_displayRect.isEmpty() || m_displayRect.size() == m_full.size())
        return;
    m_display = m_full.scaled(m_displayRect.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    update();
}

void ChatImageViewerFrame::setZoomActive(bool active)
{
    if (active == m_zoomActive)
        return;
    m_zoomActive = active;
    if (active)
        m_magnifier->updateFromCursor();
    update();
    Q_EMIT zoomActiveChanged(active);
}

void ChatImageViewerFrame::mapToSource(int &x, int &y) const
{
    if (m_displayRect.width() <= 0 || m_displayRect.height() <= 0)
        return;
    x = int(x * double(m_full.width()) / m_displayRect.width() + 0.5);
    y = int(y * double(m_full.height()) / m_displayRect.height() + 0.5);
}

void ChatImageViewerFrame::sourceOrigin(int &x, int &y) const
{
    x = m_displayRect.x();
    y = m_displayRect.y();
}

void ChatImageViewerFrame::sourceViewSize(int &w, int &h) const
{
    w = m_displayRect.width();
    h = m_displayRect.height();
}

void ChatImageViewerFrame::paintEvent(QPaintEvent *event)
{
    MagnifierOwner::paintEvent(event);
    QPainter painter(this);
    if (!m_display.isNull())
        painter.drawImage(m_displayRect.topLeft(), m_display);
    if (m_zoomActive)
        m_magnifier->paint(painter);
}

void ChatImageViewerFrame::resizeEvent(QResizeEvent *event)
{
    MagnifierOwner::resizeEvent(event);
    place();
}

void ChatImageViewerFrame::mousePressEvent(QMouseEvent *event)
{
    if (zoomButton(event->button())) {
        m_magnifier->setPosition(event->pos().x(), event->pos().y());
        setZoomActive(true);
    }
}

void ChatImageViewerFrame::mouseReleaseEvent(QMouseEvent *event)
{
    if (zoomButton(event->button()))
        setZoomActive(false);
}

void ChatImageViewerFrame::mouseMoveEvent(QMouseEvent *event)
{
    const QRect before = m_magnifier->paintedRect();
    m_magnifier->setPosition(event->pos().x(), event->pos().y());
    if (m_zoomActive)
        update(before.united(m_magnifier->paintedRect()));
}

void ChatImageViewerFrame::wheelEvent(QWheelEvent *event)
{
    if (!m_zoomActive) {
        event->ignore();
        return;
    }
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0)
        m_magnifier->setZoom(m_magnifier->zoom() + notches);
    event->accept();
    update();
}
