#pragma once

#include <QFrame>

class QImage;
class QRect;

// A widget that owns a Magnifier: it tells the lens where its picture
// stands and how its points map to the full-size image. The four operations
// follow QFrame's virtual ones in this order; each has a neutral default.
class MagnifierOwner : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY(MagnifierOwner)

public:
    explicit MagnifierOwner(QWidget *parent = nullptr);

    // Called after the lens copied `sourceRect` of the full-size image into
    // `source`, before it is magnified; draws nothing by default.
    virtual void drawOverSource(QImage &source, const QRect &sourceRect);
    // A point of the displayed image to the full-size image; unchanged by default.
    virtual void mapToSource(int &x, int &y) const;
    // Top-left of the displayed image in the widget; (0, 0) by default.
    virtual void sourceOrigin(int &x, int &y) const;
    // Size of the displayed image; the widget's size by default.
    virtual void sourceViewSize(int &w, int &h) const;
};
