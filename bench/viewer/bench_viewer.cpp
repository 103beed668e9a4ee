// The image viewer's scalers and lens. The lens fill: SmoothEnlarger
// magnifying a 133 x 133 region into a 200 x 200 lens (bilinear, and
// nearest sample) against QImage::scaled of the same region (smooth, and
// fast). The fast pass: SmoothShrinker taking a 4096 x 3072 picture to
// 1024 x 768 against QImage::scaled, smooth and fast. And a lens move over
// a 4096 x 3072 picture, from the mouse event to the painted frame, against
// painting the same region without the magnifier. Offscreen platform.

#include "comparison.h"

#include "lib_kelvan/smoothenlarger.h"
#include "lib_kelvan/smoothshrinker.h"
#include "viewer/chatimageviewerframe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QImage noisePicture(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    QRandomGenerator random(11);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int noise = int(random.bounded(32));
            line[x] = qRgb((x / 16 + noise) & 0xff, (y / 12 + noise) & 0xff, ((x + y) / 24 + noise) & 0xff);
        }
    }
    return image;
}

const QImage &region()
{
    static const QImage image = noisePicture(133, 133);
    return image;
}

const QImage &photo()
{
    static const QImage image = noisePicture(4096, 3072);
    return image;
}

void enlarge(kelvan::SmoothEnlarger &enlarger, QImage &lens)
{
    const QImage &source = region();
    enlarger.resample(reinterpret_cast<const quint32 *>(source.constBits()), source.width(), source.height(),
                      source.bytesPerLine(), reinterpret_cast<quint32 *>(lens.bits()), lens.width(), lens.height(),
                      lens.bytesPerLine());
}

void shrink(kelvan::SmoothShrinker &shrinker, QImage &display)
{
    const QImage &source = photo();
    shrinker.resample(reinterpret_cast<const quint32 *>(source.constBits()), source.width(), source.height(),
                      source.bytesPerLine(), reinterpret_cast<quint32 *>(display.bits()), display.width(),
                      display.height(), display.bytesPerLine());
}

void enlargerBilinear(benchmark::State &state)
{
    kelvan::SmoothEnlarger enlarger(true);
    QImage lens(200, 200, QImage::Format_RGB32);
    for (auto _ : state)
        enlarge(enlarger, lens);
}

void qimageSmoothUp(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(region().scaled(200, 200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void shrinkerFast(benchmark::State &state)
{
    kelvan::SmoothShrinker shrinker;
    QImage display(1024, 768, QImage::Format_ARGB32);
    for (auto _ : state)
        shrink(shrinker, display);
}

void qimageFastDown(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(photo().scaled(1024, 768, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

// Median milliseconds per call, over `runs` batches of `batch` calls.
double medianMs(const std::function<void()> &call, int runs, int batch)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        for (int j = 0; j < batch; ++j)
            call();
        times.push_back(timer.nsecsElapsed() / 1e6 / batch);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The frame as the viewer shows a large picture, the lens on or off; each
// call moves the mouse a little and lets the frame paint.
struct LensMove
{
    ChatImageViewerFrame frame;
    int step = 0;

    explicit LensMove(bool lens)
    {
        Magnifier::Options options; // 300 px, 125 %, smooth, border: the defaults
        frame.setMagnifierOptions(options);
        frame.resize(1024, 768);
        frame.show();
        frame.setPicture(photo());
        frame.setZoomActive(lens);
        QApplication::processEvents();
    }

    void move()
    {
        const QPoint at(300 + (step % 200), 250 + (step % 150));
        ++step;
        const QRect before = frame.magnifier()->paintedRect();
        QMouseEvent event(QEvent::MouseMove, at, frame.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&frame, &event);
        // Without the lens, the region the lens would have cost.
        if (!frame.isZoomActive())
            frame.update(before.united(frame.magnifier()->paintedRect()));
        QApplication::processEvents();
    }
};

} // namespace

BENCHMARK(enlargerBilinear)->Unit(benchmark::kMicrosecond);
BENCHMARK(qimageSmoothUp)->Unit(benchmark::kMicrosecond);
BENCHMARK(shrinkerFast)->Unit(benchmark::kMillisecond);
BENCHMARK(qimageFastDown)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    region();
    photo(); // made once, outside every measurement
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    using chat::bench::reportComparison;
    {
        kelvan::SmoothEnlarger smooth(true);
        kelvan::SmoothEnlarger nearest(false);
        QImage lens(200, 200, QImage::Format_RGB32);
        reportComparison(QStringLiteral("enlarger_vs_qimage_smooth"), medianMs([&] { enlarge(smooth, lens); }, 31, 200),
                         medianMs([] { region().scaled(200, 200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation); },
                                  31, 200),
                         QStringLiteral("ms"));
        reportComparison(QStringLiteral("enlarger_nearest_vs_qimage_fast"),
                         medianMs([&] { enlarge(nearest, lens); }, 31, 200),
                         medianMs([] { region().scaled(200, 200, Qt::IgnoreAspectRatio, Qt::FastTransformation); },
                                  31, 200),
                         QStringLiteral("ms"));
    }
    {
        kelvan::SmoothShrinker shrinker;
        QImage display(1024, 768, QImage::Format_ARGB32);
        const double ours = medianMs([&] { shrink(shrinker, display); }, 15, 5);
        reportComparison(QStringLiteral("shrinker_vs_qimage_smooth"), ours,
                         medianMs([] { photo().scaled(1024, 768, Qt::IgnoreAspectRatio, Qt::SmoothTransformation); },
                                  7, 1),
                         QStringLiteral("ms"));
        reportComparison(QStringLiteral("shrinker_vs_qimage_fast"), ours,
                         medianMs([] { photo().scaled(1024, 768, Qt::IgnoreAspectRatio, Qt::FastTransformation); },
                                  15, 5),
                         QStringLiteral("ms"));
    }
    {
        LensMove withLens(true);
        LensMove without(false);
        const double ours = medianMs([&] { withLens.move(); }, 21, 20);
        const double peer = medianMs([&] { without.move(); }, 21, 20);
        reportComparison(QStringLiteral("lens_move_4096x3072_vs_same_paint_without_lens"), ours, peer,
                         QStringLiteral("ms"));
        // The ratio is large because the plain repaint is nearly free; what
        // matters is the time the lens adds to each move.
        std::printf("lens adds %.3f ms per move\n", ours - peer);
    }
    benchmark::Shutdown();
    return 0;
}
