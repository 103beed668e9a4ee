#pragma once

#include <QtGlobal>

#include <vector>

namespace kelvan {

// Resamples a w x h picture of 32-bit pixels (0xAARRGGBB words) into a
// W x H one, for a magnifying lens: nearest sample, or bilinear in 16.16
// fixed point. Written pixels are opaque (alpha 0xFF); the colour channels
// are interpolated, alpha is not.
//
// The index and step tables belong to one pair of sizes and are built
// again only when one of the four sizes (or the mode) changes, so a lens
// that moves at a fixed zoom costs only the pixel loop.
//
// Bilinear steps: per axis, step = (source count - 1) x 65536 / destination
// count (truncated); the table has destination count + 1 entries, entry 0
// is 0 and entry k+1 is (entry k & 0xFFFF) + step, so the upper bits of an
// entry are how many source pixels to advance and the lower 16 bits the
// fraction towards the next one. Each channel is then
//   top    = p00 + ((p01 - p00) x fx >> 16)
//   bottom = p10 + ((p11 - p10) x fx >> 16)
//   result = top + ((bottom - top) x fy >> 16)
// with p01 right of p00 and p10 below it (the last row and column stand in
// for their missing neighbours).
class SmoothEnlarger
{
public:
    explicit SmoothEnlarger(bool smooth = true);

    void setSmooth(bool smooth);
    bool isSmooth() const { return m_smooth; }

    // Strides are in bytes. Sizes below 1 write nothing.
    void resample(const quint32 *source, int sourceWidth, int sourceHeight, int sourceStride, quint32 *target,
                  int targetWidth, int targetHeight, int targetStride);

private:
    // Per destination column or row: the source index, its neighbour and
    // the fraction between them (nearest sample uses the index only).
    struct Axis
    {
        std::vector<int> index;
        std::vector<int> next;
        std::vector<int> fraction;
    };

    void prepare(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight);
    static void nearestAxis(Axis &axis, int source, int target);
    static void bilinearAxis(Axis &axis, int source, int target);
    // One source row interpolated across: four 16-bit channels a pixel, in
    // the pixel's byte order.
    void interpolateRow(const quint32 *row, qint16 *out) const;
    // Two interpolated rows blended down into one target row.
    void blendRows(int fy, quint32 *out) const;

    bool m_smooth = true;
    bool m_prepared = false;
    bool m_preparedSmooth = true;
    int m_sw = 0, m_sh = 0, m_dw = 0, m_dh = 0;
    Axis m_x;
    Axis m_y;
    // m_x's fractions as 16-bit words, four a column, so that one vector
    // multiply serves every channel of two pixels.
    std::vector<qint16> m_xWeights;
    // Two interpolated rows, reused while the source row stays the same
    // over several destination rows.
    std::vector<qint16> m_upper;
    std::vector<qint16> m_lower;
};

} // namespace kelvan
