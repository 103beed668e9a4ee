#pragma once

#include <QtGlobal>

#include <vector>

namespace kelvan {

// Nearest-sample resampling of 32-bit pixels, for a first picture on screen
// at once while a smooth one is made: each target pixel takes the source
// pixel under its centre. The index tables are stepped with an integer
// error accumulator (no floating point) and kept for one pair of sizes,
// built again only when a size changes. Pixels are copied unchanged.
class SmoothShrinker
{
public:
    SmoothShrinker() = default;

    // Strides are in bytes. Sizes below 1 write nothing.
    void resample(const quint32 *source, int sourceWidth, int sourceHeight, int sourceStride, quint32 *target,
                  int targetWidth, int targetHeight, int targetStride);

    // The source index of each of `target` positions over `source` ones:
    // floor((2k + 1) x source / (2 x target)), ties towards the lower index.
    static void midpoints(int source, int target, std::vector<int> &out);

private:
    int m_sw = 0, m_sh = 0, m_dw = 0, m_dh = 0;
    std::vector<int> m_columns;
    std::vector<int> m_rows;
};

} // namespace kelvan
