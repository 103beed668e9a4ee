// The broadcast sending thread against the plainest code that could do its
// job, in the same process:
//  - pacing: 1,000 recipients in batches of 10 with 50 ms pauses; how far
//    each pause runs over, at the 99th percentile, next to a bare loop that
//    sleeps the same schedule in 20 ms slices;
//  - stop latency: stop() in the middle of a 1 s pause until
//    sigSendingFinished, next to the 20 ms slice a sliced sleeper may need;
//  - cost per recipient of a threaded job of 200 with no pause (thread start,
//    queued signals delivered on the main thread included) next to calling
//    the same send operation in a loop.
//
// The send operation stands in for a host's: it frames the packet and hands
// it to the kernel (one write to /dev/null), the least any real send does.

#include "comparison.h"

#include "broadcast/broadcastthread.h"
#include "lib_kelvan/clock.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using SteadyClock = std::chrono::steady_clock;

const QByteArray kJob = "42_1733467200_7_0";
const QByteArray kText = QByteArrayLiteral("The harbour walk moves to <b>Thursday at ten</b> <img src=\"smile\"/>; bring a coat, "
                                           "it will be windy on the pier and the café opens only at eleven.");

int devNull()
{
    static const int fd = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    return fd;
}

bool hostSend(const QByteArray &job, const QByteArray &peer, const QByteArray &text)
{
    QByteArray packet;
    packet.reserve(job.size() + peer.size() + text.size() + 16);
    packet.append(job).append('\0').append(peer).append('\0').append(text);
    const quint16 sum = qChecksum(packet.constData(), uint(packet.size()));
    packet.append(char(sum >> 8)).append(char(sum & 0xff));
    return ::write(devNull(), packet.constData(), size_t(packet.size())) == packet.size();
}

bool canReceive(const QByteArray &peer)
{
    return !peer.isEmpty();
}

QVector<quint64> peers(int count)
{
    QVector<quint64> list;
    for (int i = 0; i < count; ++i)
        list.append(100000 + quint64(i));
    return list;
}

double msBetween(SteadyClock::time_point a, SteadyClock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const size_t at = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values.at(at);
}

double median(std::vector<double> values)
{
    return percentile(std::move(values), 0.5);
}

// Each pause's overshoot: the gap between the last send of a batch and the
// first of the next, less the interval.
std::vector<double> overshoots(const std::vector<SteadyClock::time_point> &sends, int batch, int intervalMs)
{
    std::vector<double> out;
    for (size_t i = size_t(batch); i < sends.size(); i += size_t(batch))
        out.push_back(msBetween(sends.at(i - 1), sends.at(i)) - intervalMs);
    return out;
}

constexpr int kPacedRecipients = 1000;
constexpr int kPacedBatch = 10;
constexpr int kPacedIntervalMs = 50;

std::vector<double> pacedThreadOvershoots()
{
    std::vector<SteadyClock::time_point> sends;
    sends.reserve(kPacedRecipients);
    std::mutex lock;
    BroadcastThread thread(kJob, canReceive, [&](const QByteArray &job, const QByteArray &peer, const QByteArray &text) {
        const bool ok = hostSend(job, peer, text);
        const std::lock_guard<std::mutex> guard(lock);
        sends.push_back(SteadyClock::now());
        return ok;
    });
    thread.setQueue(peers(kPacedRecipients));
    thread.setMessage(QString::fromUtf8(kText));
    thread.setBatchSize(kPacedBatch);
    thread.setSendInterval(kPacedIntervalMs);
    thread.start();
    thread.wait();
    const std::lock_guard<std::mutex> guard(lock);
    return overshoots(sends, kPacedBatch, kPacedIntervalMs);
}

std::vector<double> pacedBareLoopOvershoots()
{
    std::vector<SteadyClock::time_point> sends;
    sends.reserve(kPacedRecipients);
    std::thread worker([&] {
        const QVector<quint64> list = peers(kPacedRecipients);
        int left = kPacedBatch;
        for (int i = 0; i < list.size(); ++i) {
            const QByteArray peer = QByteArray::number(list.at(i));
            if (canReceive(peer))
                hostSend(kJob, peer, kText);
            sends.push_back(SteadyClock::now());
            if (--left > 0 || i + 1 == list.size())
                continue;
            left = kPacedBatch;
            const auto start = SteadyClock::now();
            while (msBetween(start, SteadyClock::now()) < kPacedIntervalMs) {
                const double remaining = kPacedIntervalMs - msBetween(start, SteadyClock::now());
                std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(std::min(20.0, remaining)));
            }
        }
    });
    worker.join();
    return overshoots(sends, kPacedBatch, kPacedIntervalMs);
}

// stop() half-way into the second of a two-recipient job's 1 s pauses.
double stopLatencyMs()
{
    SteadyClock::time_point finished;
    std::mutex lock;
    BroadcastThread thread(kJob, canReceive, hostSend);
    QObject::connect(
        &thread, &BroadcastThread::sigSendingFinished, &thread,
        [&] {
            const std::lock_guard<std::mutex> guard(lock);
            finished = SteadyClock::now();
        },
        Qt::DirectConnection);
    thread.setQueue(peers(2));
    thread.setMessage(QString::fromUtf8(kText));
    thread.setBatchSize(1);
    thread.setSendInterval(1000);
    thread.start();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const auto stopped = SteadyClock::now();
    thread.stop();
    thread.wait();
    const std::lock_guard<std::mutex> guard(lock);
    return msBetween(stopped, finished);
}

constexpr int kDirectRecipients = 200;

// Start to the last queued signal handled on this thread, per recipient;
// `sendingThreadUs`: start to the sending thread's end, per recipient.
double threadedPerRecipientUs(double *sendingThreadUs = nullptr)
{
    QObject receiver;
    int sent = 0;
    bool done = false;
    QEventLoop loop;
    auto *thread = new BroadcastThread(kJob, canReceive, hostSend);
    QObject::connect(thread, &BroadcastThread::sigMessageSent, &receiver, [&](quint64) { ++sent; });
    QObject::connect(thread, &BroadcastThread::sigSendingFinished, &receiver, [&] {
        done = true;
        loop.quit();
    });
    thread->setQueue(peers(kDirectRecipients));
    thread->setMessage(QString::fromUtf8(kText));
    thread->setBatchSize(10);
    thread->setSendInterval(0);
    SteadyClock::time_point lastSend;
    QObject::connect(
        thread, &BroadcastThread::sigSendingFinished, thread, [&] { lastSend = SteadyClock::now(); },
        Qt::DirectConnection);
    const auto start = SteadyClock::now();
    thread->start();
    if (!done)
        loop.exec();
    const auto end = SteadyClock::now();
    thread->wait();
    delete thread;
    if (sent != kDirectRecipients)
        qFatal("the sending thread reported %d of %d sends", sent, kDirectRecipients);
    if (sendingThreadUs)
        *sendingThreadUs = msBetween(start, lastSend) * 1000.0 / kDirectRecipients;
    return msBetween(start, end) * 1000.0 / kDirectRecipients;
}

double directPerRecipientUs()
{
    const QVector<quint64> list = peers(kDirectRecipients);
    const auto start = SteadyClock::now();
    for (quint64 p : list) {
        const QByteArray peer = QByteArray::number(p);
        if (canReceive(peer))
            hostSend(kJob, peer, kText);
    }
    return msBetween(start, SteadyClock::now()) * 1000.0 / kDirectRecipients;
}

void threadedJob200(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(threadedPerRecipientUs());
}

void directLoop200(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(directPerRecipientUs());
}

} // namespace

BENCHMARK(threadedJob200)->Unit(benchmark::kMicrosecond);
BENCHMARK(directLoop200)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    // Two rounds each, alternating, so a busy neighbour hurts both sides alike.
    std::vector<double> ours;
    std::vector<double> bare;
    for (int round = 0; round < 2; ++round) {
        const std::vector<double> o = pacedThreadOvershoots();
        ours.insert(ours.end(), o.begin(), o.end());
        const std::vector<double> b = pacedBareLoopOvershoots();
        bare.insert(bare.end(), b.begin(), b.end());
    }
    chat::bench::reportComparison(QStringLiteral("broadcast_pause_overshoot_p99"), percentile(ours, 0.99),
                                  percentile(bare, 0.99), QStringLiteral("ms"));

    std::vector<double> stops;
    for (int round = 0; round < 7; ++round)
        stops.push_back(stopLatencyMs());
    chat::bench::reportComparison(QStringLiteral("broadcast_stop_latency"), median(stops),
                                  double(kelvan::Clock::SleepSliceMs), QStringLiteral("ms"));

    std::vector<double> threaded;
    std::vector<double> onThread;
    std::vector<double> direct;
    for (int round = 0; round < 25; ++round) {
        double sending = 0;
        threaded.push_back(threadedPerRecipientUs(&sending));
        onThread.push_back(sending);
        direct.push_back(directPerRecipientUs());
    }
    chat::bench::reportComparison(QStringLiteral("broadcast_send_vs_direct"), median(threaded), median(direct),
                                  QStringLiteral("us"));
    // Where the difference goes: the sending thread's own share.
    std::printf("sending thread alone: %.2f us per recipient\n", median(onThread));
    benchmark::Shutdown();
    return 0;
}
