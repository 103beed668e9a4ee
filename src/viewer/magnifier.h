#pragma once

#include "lib_kelvan/smoothenlarger.h"

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace kelvan {
class ClockTimer;
}
class MagnifierOwner;
class QPainter;

// A lens that follows the mouse over a picture and shows the picture's
// full-size pixels enlarged, as a square or a circle, with an optional
// border and the zoom level written over it for a while after it changes.
//
// The lens image is rebuilt only when the lens moved or the zoom changed,
// at paint time; the owner repaints only paintedRect() before and after a
// move. The zoom level is a magnification factor (1x to 30x) without
// smoothing, and an entry of ZoomPercent (100 % to 3000 %) with it.
class Magnifier : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(Magnifier)

public:
    enum Shape : int {
        Rectangle = 1,
        Circle = 2,
    };

    struct Options
    {
        int size = 300;      // lens side in pixels
        int shape = Rectangle;
        int zoom = 2;        // index, 1..30
        bool border = true;
        bool smooth = true;  // bilinear, and the zoom index picks a percentage
    };

    static constexpr int MinZoom = 1;
    static constexpr int MaxZoom = 30;
    static constexpr int LabelMs = 5000;
    // Index -> percent; index 0 is never selected.
    static const int ZoomPercent[MaxZoom + 1];

    // `owner` (not owned) is the parent and outlives the magnifier.
    Magnifier(MagnifierOwner *owner, const Options &options);
    ~Magnifier() override;

    void setOptions(const Options &options);
    const Options &options() const { return m_options; }

    // The owner's full-size image (not owned); null shows an empty lens.
    void setImage(const QImage *image);

    // Clamped to MinZoom..MaxZoom.
    void setZoom(int index);
    int zoom() const { return m_options.zoom; }
    QSize lensSize() const { return m_lensSize; }
    // The full-size pixels one lens shows.
    QSize sourceSize() const { return m_sourceSize; }

    // The mouse at (x, y) of the owner: the lens centres there.
    void setPosition(int x, int y);
    // The same from the global cursor position.
    void updateFromCursor();
    QRect lensRect() const { return m_lensRect; }
    // What paint() draws on: the lens and the zoom label.
    QRect paintedRect() const;
    bool isLabelVisible() const { return m_labelVisible; }

    // Draws the lens (and the label) at the lens rectangle.
    void paint(QPainter &painter);

    // The magnified pixels as the last paint drew them (32-bit RGB).
    const QImage &lensImage() const { return m_lens; }

public Q_SLOTS:
    // The label's time is up.
    void onTimeout();

private:
    void updateSourceSize();
    void rebuild();
    void copySource(const QRect &rect);
    QRect labelRect() const;
    void ensureLabel();

    MagnifierOwner *m_owner; // not owned
    const QImage *m_image = nullptr; // not owned
    Options m_options;
    QRect m_lensRect;
    QPoint m_mouse;
    QSize m_lensSize;
    QSize m_sourceSize;
    QImage m_source; // 32-bit ARGB, sourceSize
    QImage m_lens;   // 32-bit RGB, lensSize
    kelvan::SmoothEnlarger m_enlarger;
    bool m_dirty = true;
    bool m_pixmapStale = true;
    int m_announcedZoom = 0; // the zoom the label last showed; 0: none yet
    bool m_labelVisible = false;
    kelvan::ClockTimer *m_labelTimer; // owned (child)
    QPixmap m_lensPixmap;
    QPixmap m_labelPixmap;
    int m_labelZoom = 0;  // the index m_labelPixmap shows
    int m_labelTextWidth = 0;
};
