// The scalers behind the image viewer: SmoothEnlarger's 16.16 arithmetic
// against values worked out by hand (a float reference would round where
// the fixed point truncates), and SmoothShrinker's midpoint tables.

#include "lib_kelvan/smoothenlarger.h"
#include "lib_kelvan/smoothshrinker.h"

#include <QtTest>

#include <vector>

using Pixels = std::vector<quint32>;
Q_DECLARE_METATYPE(Pixels)

namespace {

Pixels enlarge(kelvan::SmoothEnlarger &enlarger, const Pixels &source, QSize from, QSize to)
{
    Pixels target(size_t(to.width() * to.height()), 0);
    enlarger.resample(source.data(), from.width(), from.height(), from.width() * 4, target.data(), to.width(),
                      to.height(), to.width() * 4);
    return target;
}

// The documented steps written out pixel by pixel, channel by channel.
struct Steps
{
    std::vector<int> index, fraction;
    Steps(int source, int target)
    {
        const quint64 step = quint64(double(source - 1) * 65536.0 / double(target));
        quint64 entry = 0;
        int at = 0;
        for (int k = 0; k < target; ++k) {
            at += int(entry >> 16);
            index.push_back(std::min(at, source - 1));
            fraction.push_back(int(entry & 0xFFFF));
            entry = (entry & 0xFFFF) + step;
        }
    }
};

Pixels referenceBilinear(const Pixels &source, QSize from, QSize to)
{
    const Steps xs(from.width(), to.width());
    const Steps ys(from.height(), to.height());
    const auto at = [&](int x, int y, int shift) {
        return int((source[size_t(std::min(y, from.height() - 1) * from.width() + std::min(x, from.width() - 1))]
                    >> shift) & 0xFF);
    };
    Pixels target;
    for (int y = 0; y < to.height(); ++y) {
        for (int x = 0; x < to.width(); ++x) {
            const int sx = xs.index[size_t(x)], sy = ys.index[size_t(y)];
            const int fx = xs.fraction[size_t(x)], fy = ys.fraction[size_t(y)];
            quint32 pixel = 0xFF000000u;
            for (int shift : {16, 8, 0}) {
                const int top = at(sx, sy, shift) + (((at(sx + 1, sy, shift) - at(sx, sy, shift)) * fx) >> 16);
                const int bottom =
                    at(sx, sy + 1, shift) + (((at(sx + 1, sy + 1, shift) - at(sx, sy + 1, shift)) * fx) >> 16);
                pixel |= quint32(top + (((bottom - top) * fy) >> 16)) << shift;
            }
            target.push_back(pixel);
        }
    }
    return target;
}

} // namespace

class tst_Scalers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bilinear_data();
    void bilinear();
    void nearestRepeatsPixels();
    void tablesFollowNewSizes();
    void everyPixelFollowsTheFormula();
    void midpoints_data();
    void midpoints();
    void shrinkerSamplesThroughTheTables();
};

void tst_Scalers::bilinear_data()
{
    QTest::addColumn<Pixels>("source");
    QTest::addColumn<QSize>("from");
    QTest::addColumn<QSize>("to");
    QTest::addColumn<Pixels>("expected");
    // Steps 16384: fractions 0, 1/4, 1/2, 3/4; alpha is not interpolated.
    QTest::newRow("rising ramp in quarters, opaque") << Pixels{0x00000000, 0x000000C8} << QSize(2, 1) << QSize(4, 1)
                                                     << Pixels{0xFF000000, 0xFF000032, 0xFF000064, 0xFF000096};
    QTest::newRow("falling ramp shifts arithmetically") << Pixels{0xFF0000C8, 0xFF000000} << QSize(2, 1) << QSize(4, 1)
                                                        << Pixels{0xFF0000C8, 0xFF000096, 0xFF000064, 0xFF000032};
    // Step 21845: 255 x 21845 >> 16 is 84, not the 85 of exact thirds.
    QTest::newRow("thirds truncate in fixed point") << Pixels{0xFF000000, 0xFF0000FF} << QSize(2, 1) << QSize(3, 1)
                                                    << Pixels{0xFF000000, 0xFF000054, 0xFF0000A9};
    QTest::newRow("rows interpolate each channel apart") << Pixels{0xFF102030, 0xFF50A0F0} << QSize(1, 2) << QSize(1, 4)
                                                         << Pixels{0xFF102030, 0xFF204060, 0xFF306090, 0xFF4080C0};
    // Top 0 -> 100, bottom 200 -> 0: the corner is 50 + (100 - 50) / 2.
    QTest::newRow("both axes: across, then down") << Pixels{0xFF000000, 0xFF000064, 0xFF0000C8, 0xFF000000}
                                                  << QSize(2, 2) << QSize(2, 2)
                                                  << Pixels{0xFF000000, 0xFF000032, 0xFF000064, 0xFF00004B};
}

void tst_Scalers::bilinear()
{
    QFETCH(Pixels, source);
    QFETCH(QSize, from);
    QFETCH(QSize, to);
    kelvan::SmoothEnlarger enlarger(true);
    QTEST(enlarge(enlarger, source, from, to), "expected");
}

void tst_Scalers::nearestRepeatsPixels()
{
    kelvan::SmoothEnlarger enlarger(false);
    const Pixels source{0x00112233, 0xFF445566, 0xFF778899, 0xFFAABBCC};
    const quint32 a = 0xFF112233, b = 0xFF445566, c = 0xFF778899, d = 0xFFAABBCC;
    QCOMPARE(enlarge(enlarger, source, QSize(2, 2), QSize(4, 3)),
             (Pixels{a, a, b, b, c, c, d, d, c, c, d, d}));
}

void tst_Scalers::tablesFollowNewSizes()
{
    kelvan::SmoothEnlarger enlarger(true);
    enlarge(enlarger, {0xFF000000, 0xFF0000C8}, QSize(2, 1), QSize(4, 1));
    // Three source pixels into the same four: steps of a half now.
    QCOMPARE(enlarge(enlarger, {0xFF000000, 0xFF000064, 0xFF0000C8}, QSize(3, 1), QSize(4, 1)),
             (Pixels{0xFF000000, 0xFF000032, 0xFF000064, 0xFF000096}));
    enlarger.setSmooth(false);
    QCOMPARE(enlarge(enlarger, {0xFF000000, 0xFF000064, 0xFF0000C8}, QSize(3, 1), QSize(4, 1)),
             (Pixels{0xFF000000, 0xFF000064, 0xFF000064, 0xFF0000C8}));
}

void tst_Scalers::everyPixelFollowsTheFormula()
{
    // Noise, sizes that leave odd columns after whole groups of pixels, and
    // enough of them for every fraction range: nothing may round apart.
    const QSize from(29, 17);
    Pixels source(size_t(from.width() * from.height()));
    quint32 seed = 12345;
    for (quint32 &pixel : source) {
        seed = seed * 1103515245u + 12345u;
        pixel = seed;
    }
    kelvan::SmoothEnlarger enlarger(true);
    for (const QSize to : {QSize(67, 45), QSize(200, 200), QSize(30, 18)})
        QCOMPARE(enlarge(enlarger, source, from, to), referenceBilinear(source, from, to));
}

void tst_Scalers::midpoints_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("target");
    QTest::addColumn<QVector<int>>("expected");
    QTest::newRow("halving takes the second of each pair") << 4 << 2 << QVector<int>{1, 3};
    QTest::newRow("uneven steps carry the remainder") << 7 << 3 << QVector<int>{1, 3, 5};
    QTest::newRow("a tie goes to the lower pixel") << 3 << 2 << QVector<int>{0, 2};
    QTest::newRow("same size is the identity") << 4 << 4 << QVector<int>{0, 1, 2, 3};
    QTest::newRow("one source pixel fills all") << 1 << 3 << QVector<int>{0, 0, 0};
}

void tst_Scalers::midpoints()
{
    QFETCH(int, source);
    QFETCH(int, target);
    std::vector<int> table;
    kelvan::SmoothShrinker::midpoints(source, target, table);
    QTEST(QVector<int>(table.begin(), table.end()), "expected");
}

void tst_Scalers::shrinkerSamplesThroughTheTables()
{
    // A 4 x 4 source whose pixels name their position; halved twice in a
    // row with different sizes, so stale tables would show.
    Pixels source(16);
    for (int i = 0; i < 16; ++i)
        source[size_t(i)] = quint32(i);
    kelvan::SmoothShrinker shrinker;
    Pixels half(4);
    shrinker.resample(source.data(), 4, 4, 16, half.data(), 2, 2, 8);
    QCOMPARE(half, (Pixels{5, 7, 13, 15}));
    Pixels row(2);
    shrinker.resample(source.data(), 4, 4, 16, row.data(), 2, 1, 8);
    QCOMPARE(row, (Pixels{9, 11}));
}

QTEST_GUILESS_MAIN(tst_Scalers)
#include "tst_scalers.moc"
