#include "smoothenlarger.h"

#include <algorithm>

namespace kelvan {

namespace {

constexpr quint32 Opaque = 0xFF000000u;

inline const quint32 *lineAt(const quint32 *base, int stride, int y)
{
    return reinterpret_cast<const quint32 *>(reinterpret_cast<const uchar *>(base) + qptrdiff(stride) * y);
}

inline quint32 *lineAt(quint32 *base, int stride, int y)
{
    return reinterpret_cast<quint32 *>(reinterpret_cast<uchar *>(base) + qptrdiff(stride) * y);
}

} // namespace

SmoothEnlarger::SmoothEnlarger(bool smooth)
    : m_smooth(smooth)
{
}

void SmoothEnlarger::setSmooth(bool smooth)
{
    m_smooth = smooth;
}

void SmoothEnlarger::nearestAxis(Axis &axis, int source, int target)
{
    // The source pixel under the centre of each target pixel.
    axis.index.resize(size_t(target));
    for (int k = 0; k < target; ++k)
        axis.index[size_t(k)] = int((qint64(2 * k + 1) * source) / (qint64(2) * target));
    axis.next.clear();
    axis.fraction.clear();
}

void SmoothEnlarger::bilinearAxis(Axis &axis, int source, int target)
{
    const quint64 step = quint64(double(source - 1) * 65536.0 / double(target));
    std::vector<quint64> steps(size_t(target) + 1);
    steps[0] = 0;
    for (int k = 0; k < target; ++k)
        steps[size_t(k) + 1] = (steps[size_t(k)] & 0xFFFF) + step;
    axis.index.resize(size_t(target));
    axis.next.resize(size_t(target));
    axis.fraction.resize(size_t(target));
    qint64 at = 0;
    for (int k = 0; k < target; ++k) {
        at += qint64(steps[size_t(k)] >> 16);
        const int index = int(std::min<qint64>(at, source - 1));
        axis.index[size_t(k)] = index;
        axis.next[size_t(k)] = std::min(index + 1, source - 1);
        axis.fraction[size_t(k)] = int(steps[size_t(k)] & 0xFFFF);
    }
}

void SmoothEnlarger::prepare(int sw, int sh, int dw, int dh)
{
    if (m_prepared && m_preparedSmooth == m_smooth && sw == m_sw && sh == m_sh && dw == m_dw && dh == m_dh)
        return;
    m_sw = sw;
    m_sh = sh;
    m_dw = dw;
    m_dh = dh;
    m_preparedSmooth = m_smooth;
    m_prepared = true;
    if (m_smooth) {
        bilinearAxis(m_x, sw, dw);
        bilinearAxis(m_y, sh, dh);
        m_upper.assign(size_t(dw) * 3, 0);
        m_lower.assign(size_t(dw) * 3, 0);
    } else {
        nearestAxis(m_x, sw, dw);
        nearestAxis(m_y, sh, dh);
        m_upper.clear();
        m_lower.clear();
    }
}

void SmoothEnlarger::interpolateRow(const quint32 *row, int *out) const
{
    const int dw = m_dw;
    const int *index = m_x.index.data();
    const int *next = m_x.next.data();
    const int *fraction = m_x.fraction.data();
    int *red = out;
    int *green = out + dw;
    int *blue = out + 2 * dw;
    for (int k = 0; k < dw; ++k) {
        const quint32 p0 = row[index[k]];
        const quint32 p1 = row[next[k]];
        const int fx = fraction[k];
        const int r0 = int((p0 >> 16) & 0xFF), g0 = int((p0 >> 8) & 0xFF), b0 = int(p0 & 0xFF);
        red[k] = r0 + (((int((p1 >> 16) & 0xFF) - r0) * fx) >> 16);
        green[k] = g0 + (((int((p1 >> 8) & 0xFF) - g0) * fx) >> 16);
        blue[k] = b0 + (((int(p1 & 0xFF) - b0) * fx) >> 16);
    }
}

void SmoothEnlarger::resample(const quint32 *source, int sw, int sh, int sourceStride, quint32 *target, int dw,
                              int dh, int targetStride)
{
    if (!source || !target || sw < 1 || sh < 1 || dw < 1 || dh < 1)
        return;
    prepare(sw, sh, dw, dh);

    if (!m_smooth) {
        const int *columns = m_x.index.data();
        for (int y = 0; y < dh; ++y) {
            const quint32 *in = lineAt(source, sourceStride, m_y.index[size_t(y)]);
            quint32 *out = lineAt(target, targetStride, y);
            for (int x = 0; x < dw; ++x)
                out[x] = in[columns[x]] | Opaque;
        }
        return;
    }

    // Enlarging visits each source row for several target rows: rows are
    // interpolated across once and kept while they are still needed.
    int upperRow = -1;
    int lowerRow = -1;
    for (int y = 0; y < dh; ++y) {
        const int top = m_y.index[size_t(y)];
        const int bottom = m_y.next[size_t(y)];
        if (top != upperRow) {
            if (top == lowerRow) {
                std::swap(m_upper, m_lower);
                lowerRow = upperRow;
            } else {
                interpolateRow(lineAt(source, sourceStride, top), m_upper.data());
            }
            upperRow = top;
        }
        if (bottom != lowerRow) {
            interpolateRow(lineAt(source, sourceStride, bottom), m_lower.data());
            lowerRow = bottom;
        }
        const int fy = m_y.fraction[size_t(y)];
        const int *ur = m_upper.data(), *ug = ur + dw, *ub = ug + dw;
        const int *lr = m_lower.data(), *lg = lr + dw, *lb = lg + dw;
        quint32 *out = lineAt(target, targetStride, y);
        for (int x = 0; x < dw; ++x) {
            const int r = ur[x] + (((lr[x] - ur[x]) * fy) >> 16);
            const int g = ug[x] + (((lg[x] - ug[x]) * fy) >> 16);
            const int b = ub[x] + (((lb[x] - ub[x]) * fy) >> 16);
            out[x] = Opaque | (quint32(r) << 16) | (quint32(g) << 8) | quint32(b);
        }
    }
}

} // namespace kelvan
