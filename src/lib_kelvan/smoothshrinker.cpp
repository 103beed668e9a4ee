#include "smoothshrinker.h"

namespace kelvan {

void SmoothShrinker::midpoints(int source, int target, std::vector<int> &out)
{
    out.resize(size_t(target));
    // index = quotient of (2k + 1) x source by 2 x target, carried along:
    // each step adds 2 x source to the numerator.
    const qint64 denominator = qint64(2) * target;
    const qint64 wholeStep = (qint64(2) * source) / denominator;
    const qint64 restStep = (qint64(2) * source) % denominator;
    qint64 index = source / denominator;
    qint64 rest = source % denominator;
    for (int k = 0; k < target; ++k) {
        out[size_t(k)] = int(index);
        index += wholeStep;
        rest += restStep;
        if (rest >= denominator) {
            rest -= denominator;
            ++index;
        }
    }
}

void SmoothShrinker::resample(const quint32 *source, int sw, int sh, int sourceStride, quint32 *target, int dw, int dh,
                              int targetStride)
{
    if (!source || !target || sw < 1 || sh < 1 || dw < 1 || dh < 1)
        return;
    if (sw != m_sw || dw != m_dw || m_columns.size() != size_t(dw)) {
        midpoints(sw, dw, m_columns);
        m_sw = sw;
        m_dw = dw;
    }
    if (sh != m_sh || dh != m_dh || m_rows.size() != size_t(dh)) {
        midpoints(sh, dh, m_rows);
        m_sh = sh;
        m_dh = dh;
    }
    const auto *in = reinterpret_cast<const uchar *>(source);
    auto *out = reinterpret_cast<uchar *>(target);
    const int *columns = m_columns.data();
    for (int y = 0; y < dh; ++y) {
        const auto *from = reinterpret_cast<const quint32 *>(in + qptrdiff(sourceStride) * m_rows[size_t(y)]);
        auto *to = reinterpret_cast<quint32 *>(out + qptrdiff(targetStride) * y);
        for (int x = 0; x < dw; ++x)
            to[x] = from[columns[x]];
    }
}

} // namespace kelvan
