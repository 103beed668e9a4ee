#pragma once

#include "lib_kelvan/smoothshrinker.h"
#include "viewer/magnifier.h"
#include "viewer/magnifierowner.h"

#include <QImage>
#include <QRect>

namespace kelvan {
class ClockTimer;
}

// Paints the image viewer's picture: unscaled and centred when it fits,
// else fitted. A fitted picture shows a nearest-sample scaling at once and
// a smooth one SmoothPassMs after the last resize. While the zoom is on,
// the magnifier's lens follows the mouse over it.
//
// Mouse: the left or right button held switches the zoom on, its release
// off; the wheel changes the zoom level by whole notches while it is on and
// is passed on while it is off.
class ChatImageViewerFrame : public MagnifierOwner
{
    Q_OBJECT
    Q_DISABLE_COPY(ChatImageViewerFrame)

public:
    static constexpr int SmoothPassMs = 85;

    explicit ChatImageViewerFrame(QWidget *parent = nullptr);
    ~ChatImageViewerFrame() override;

    void setMagnifierOptions(const Magnifier::Options &options);
    Magnifier *magnifier() const { return m_magnifier; }

    // Shows a picture; any format is converted to 32-bit ARGB.
    void setPicture(const QImage &picture);
    const QImage &fullImage() const { return m_full; }
    const QImage &displayImage() const { return m_display; }
    QRect displayRect() const { return m_displayRect; }

    bool isZoomActive() const { return m_zoomActive; }
    void setZoomActive(bool active);

    void mapToSource(int &x, int &y) const override;
    void sourceOrigin(int &x, int &y) const override;
    void sourceViewSize(int &w, int &h) const override;

Q_SIGNALS:
    void zoomActiveChanged(bool active);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private Q_SLOTS:
    void onSmoothPass();

private:
    void place();

    QImage m_full;
    QImage m_display;
    QRect m_displayRect;
    bool m_zoomActive = false;
    Magnifier *m_magnifier;              // owned (child)
    kelvan::SmoothShrinker m_shrinker;
    kelvan::ClockTimer *m_smoothPass;    // owned (child)
};
