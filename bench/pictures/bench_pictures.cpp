#include "comparison.h"

#include "pictures/pictureloader.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// History blocks show pictures at 150 x 100 and read them at twice that.
const QSize Block(300, 200);

// A 6000 x 4000 camera picture: smooth gradients with noise, so that the
// encoders work as hard as on a photo.
struct Photos
{
    QTemporaryDir dir;
    QString jpeg;
    QString png;

    Photos()
    {
        QImage image(6000, 4000, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int noise = int(random.bounded(24));
                line[x] = qRgb((x / 24 + noise) & 0xff, (y / 16 + noise) & 0xff, ((x + y) / 40 + noise) & 0xff);
            }
        }
        jpeg = dir.filePath(QStringLiteral("photo.jpg"));
        png = dir.filePath(QStringLiteral("photo.png"));
        if (!image.save(jpeg, "jpeg", 90) || !image.save(png, "png", 10))
            qFatal("bench_pictures: cannot write the pictures");
    }
};

Photos &photos()
{
    static Photos instance;
    return instance;
}

QImage decodeThenScale(const QString &path)
{
    return QImage(path).scaled(Block, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void loaderJpeg(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(PictureLoader::load(photos().jpeg, Block));
}

void wholeJpeg(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeThenScale(photos().jpeg));
}

void loaderPng(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(PictureLoader::load(photos().png, Block));
}

void wholePng(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeThenScale(photos().png));
}

double medianMs(const std::function<void()> &run, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

BENCHMARK(loaderJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(wholeJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(loaderPng)->Unit(benchmark::kMillisecond);
BENCHMARK(wholePng)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    photos(); // made once, outside every measurement
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    for (const auto &[name, path] : std::vector<std::pair<const char *, QString>>{{"jpeg", photos().jpeg},
                                                                                  {"png", photos().png}}) {
        const double ours = medianMs([&] { PictureLoader::load(path, Block); }, 5);
        const double whole = medianMs([&] { decodeThenScale(path); }, 5);
        chat::bench::reportComparison(
            QStringLiteral("history_picture_24mpx_%1_vs_decode_then_scale").arg(QLatin1String(name)), ours, whole,
            QStringLiteral("ms"));
    }
    benchmark::Shutdown();
    return 0;
}
