#include "viewer/magnifierowner.h"

MagnifierOwner::MagnifierOwner(QWidget *parent)
    : QFrame(parent)
{
}

void MagnifierOwner::drawOverSource(QImage &source, const QRect &sourceRect)
{
    Q_UNUSED(source)
    Q_UNUSED(sourceRect)
}

void MagnifierOwner::mapToSource(int &x, int &y) const
{
    Q_UNUSED(x)
    Q_UNUSED(y)
}

void MagnifierOwner::sourceOrigin(int &x, int &y) const
{
    x = 0;
    y = 0;
}

void MagnifierOwner::sourceViewSize(int &w, int &h) const
{
    w = width();
    h = height();
}
