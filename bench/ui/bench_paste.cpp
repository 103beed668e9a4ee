// Pasting pictures into the chat window's editor. A 4000 x 3000 PNG pasted as
// a local file until it shows in the editor, against QImage::load and a
// smooth scale of the same file to the same size: the paste may cost one
// decode, one scale and one file copy, nothing more. A 4000 x 3000 picture
// pasted as raw image data must be written as PNG; the longest time the GUI
// thread is held by the paste is set against the PNG encode it must not wait
// for. Offscreen platform, no host: the pictures are only put into the editor.

#include "comparison.h"

#include "pictures/pastefolder.h"
#include "ui/chat/outgoingfiles.h"
#include "ui/chat/textedit.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
#include <QMimeData>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QUrl>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

// A photo-like picture: smooth gradients with noise, so that PNG works as
// hard as on a real screenshot of a photo.
QImage photo()
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator random(11);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(16));
            line[x] = qRgb((x / 16 + noise) & 0xff, (y / 12 + noise) & 0xff, ((x + y) / 28 + noise) & 0xff);
        }
    }
    return image;
}

struct World
{
    QTemporaryDir temp;
    QString file;
    QImage picture;
    std::unique_ptr<TextEdit> editor;
    std::unique_ptr<OutgoingFiles> outgoing;

    World()
    {
        // The paste folder goes into a temporary folder of its own.
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        picture = photo();
        file = temp.filePath(QStringLiteral("photo.png"));
        if (!picture.save(file, "PNG"))
            qFatal("bench_paste: cannot write the picture");
        // A chat window's editor.
        editor = std::make_unique<TextEdit>();
        editor->resize(480, 110);
        editor->show();
        outgoing = std::make_unique<OutgoingFiles>(editor.get(), editor.get(), [] { return nullptr; });
    }

    // Back to an empty editor and paste folder, outside the measurement.
    void reset()
    {
        outgoing->sendPending({});
        editor->clear();
        editor->document()->clear();
        QDir(PasteFolder::path()).removeRecursively();
    }
};

World &world()
{
    static World instance;
    return instance;
}

void pasteFile()
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(world().file)});
    world().outgoing->paste(&data);
}

QImage loadThenScale()
{
    return QImage(world().file).scaled(world().editor->pictureBox(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void pastePictureFile(benchmark::State &state)
{
    for (auto _ : state) {
        pasteFile();
        state.PauseTiming();
        world().reset();
        state.ResumeTiming();
    }
}

void qimageLoadScale(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(loadThenScale());
}

double elapsedMs(const std::function<void()> &run)
{
    QElapsedTimer timer;
    timer.start();
    run();
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

BENCHMARK(pastePictureFile)->Unit(benchmark::kMillisecond);
BENCHMARK(qimageLoadScale)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    world();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    // Sides alternate on a shared machine; medians of five.
    std::vector<double> paste;
    std::vector<double> load;
    for (int i = 0; i < 5; ++i) {
        paste.push_back(elapsedMs(pasteFile));
        world().reset();
        load.push_back(elapsedMs([] { loadThenScale(); }));
    }
    chat::bench::reportComparison(QStringLiteral("paste_picture_vs_qimage_load_scale"), median(paste), median(load),
                                  QStringLiteral("ms"));

    // Raw picture data: the GUI thread is held only while the picture goes
    // into the editor; the PNG is written meanwhile.
    std::vector<double> stalls;
    std::vector<double> encodes;
    for (int i = 0; i < 5; ++i) {
        QMimeData data;
        data.setImageData(world().picture);
        stalls.push_back(elapsedMs([&] { world().outgoing->paste(&data); }));
        world().reset();
        encodes.push_back(elapsedMs([] {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QImageWriter(&buffer, "png").write(world().picture);
        }));
    }
    chat::bench::reportComparison(QStringLiteral("paste_raw_image_gui_stall"),
                                  *std::max_element(stalls.begin(), stalls.end()), median(encodes),
                                  QStringLiteral("ms"));
    benchmark::Shutdown();
    return 0;
}
