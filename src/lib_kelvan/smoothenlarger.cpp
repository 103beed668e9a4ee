#include "smoothenlarger.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// a + (b - a) x f / 65536, rounded down, for a fraction f of 0..65535.
inline int lerp(int a, int b, int f)
{
    return a + (((b - a) * f) >> 16);
}

#if defined(__SSE2__)
// lerp() on eight 16-bit lanes. The multiply is signed, so a fraction of
// 32768 or more reads as f - 65536 and yields (b - a) less than it should:
// those lanes get (b - a) added back, which keeps the result exact.
inline __m128i lerp8(__m128i a, __m128i b, __m128i f)
{
    const __m128i d = _mm_sub_epi16(b, a);
    const __m128i high = _mm_mulhi_epi16(d, f);
    const __m128i fix = _mm_and_si128(d, _mm_srai_epi16(f, 15));
    return _mm_add_epi16(a, _mm_add_epi16(high, fix));
}
#endif

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
        m_xWeights.resize(size_t(dw) * 4);
        for (int k = 0; k < dw; ++k)
            std::fill_n(m_xWeights.begin() + 4 * k, 4, qint16(quint16(m_x.fraction[size_t(k)])));
        m_upper.assign(size_t(dw) * 4, 0);
        m_lower.assign(size_t(dw) * 4, 0);
    } else {
        nearestAxis(m_x, sw, dw);
        nearestAxis(m_y, sh, dh);
        m_xWeights.clear();
        m_upper.clear();
        m_lower.clear();
    }
}

void SmoothEnlarger::interpolateRow(const quint32 *row, qint16 *out) const
{
    const int dw = m_dw;
    const int *index = m_x.index.data();
    const int *next = m_x.next.data();
    int k = 0;
#if defined(__SSE2__)
    const qint16 *weights = m_xWeights.data();
    const __m128i zero = _mm_setzero_si128();
    for (; k + 2 <= dw; k += 2) {
        const __m128i left = _mm_unpacklo_epi32(_mm_cvtsi32_si128(int(row[index[k]])),
                                                _mm_cvtsi32_si128(int(row[index[k + 1]])));
        const __m128i right = _mm_unpacklo_epi32(_mm_cvtsi32_si128(int(row[next[k]])),
                                                 _mm_cvtsi32_si128(int(row[next[k + 1]])));
        const __m128i fx = _mm_loadu_si128(reinterpret_cast<const __m128i *>(weights + 4 * k));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 4 * k),
                         lerp8(_mm_unpacklo_epi8(left, zero), _mm_unpacklo_epi8(right, zero), fx));
    }
#endif
    const int *fraction = m_x.fraction.data();
    for (; k < dw; ++k) {
        const quint32 p0 = row[index[k]];
        const quint32 p1 = row[next[k]];
        for (int c = 0; c < 4; ++c)
            out[4 * k + c] = qint16(lerp(int((p0 >> (8 * c)) & 0xFF), int((p1 >> (8 * c)) & 0xFF), fraction[k]));
    }
}

void SmoothEnlarger::blendRows(int fy, quint32 *out) const
{
    const int dw = m_dw;
    const qint16 *upper = m_upper.data();
    const qint16 *lower = m_lower.data();
    int x = 0;
#if defined(__SSE2__)
    const __m128i weight = _mm_set1_epi16(short(quint16(fy)));
    const __m128i opaque = _mm_set1_epi32(int(Opaque));
    for (; x + 4 <= dw; x += 4) {
        const auto *u = reinterpret_cast<const __m128i *>(upper + 4 * x);
        const auto *l = reinterpret_cast<const __m128i *>(lower + 4 * x);
        const __m128i first = lerp8(_mm_loadu_si128(u), _mm_loadu_si128(l), weight);
        const __m128i second = lerp8(_mm_loadu_si128(u + 1), _mm_loadu_si128(l + 1), weight);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + x),
                         _mm_or_si128(_mm_packus_epi16(first, second), opaque));
    }
#endif
    for (; x < dw; ++x) {
        quint32 pixel = Opaque;
        for (int c = 0; c < 3; ++c)
            pixel |= quint32(lerp(upper[4 * x + c], lower[4 * x + c], fy)) << (8 * c);
        out[x] = pixel;
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
        blendRows(m_y.fraction[size_t(y)], lineAt(target, targetStride, y));
    }
}

} // namespace kelvan
