// What one log call costs the calling thread, and how many lines per second
// the worker gets into the file, for the default logger's shape (a
// LogGroupThread with a switched-off console and a daily LogFileBuffered,
// timestamps on) next to spdlog's asynchronous logger writing the same text
// to a file. Both run in the same process, alternating round by round.
//
// Calls are timed in bursts of 5000 lines, below both queues' limits
// (10000 lines ours, 8192 slots spdlog's with the blocking overflow policy);
// each queue is drained outside the timing, and at the end every line must
// be in its file, or the run fails.

#include "comparison.h"

#include "lib_kelvan/logconsole.h"
#include "lib_kelvan/logfilebuffered.h"
#include "lib_kelvan/loggroupthread.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <spdlog/async.h>
#include <spdlog/async_logger.h>
#include <spdlog/pattern_formatter.h>
#include <spdlog/sinks/base_sink.h>
#include <spdlog/sinks/basic_file_sink.h>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

constexpr int kBurst = 5000;
constexpr size_t kSpdlogQueue = 8192;
// The machine may be shared, so each side runs many short rounds and the
// medians are compared: a round of calls lasts a few milliseconds, less than
// a scheduler time slice, so most rounds run undisturbed and the median
// tells what a call costs rather than what the neighbours did.
constexpr int kCallRounds = 25;
constexpr int kCallsPerRound = 4 * kBurst;
constexpr int kWorkerRounds = 9;
constexpr int kBurstsPerRound = 4;
// The counts above keep the files in the temporary folder near 100 MB.

// A line the chat code writes to the default logger.
const char kText[] = "Warning> Chat::sendInstantMessage() : No such user: alice@example.org";

// Counts flushes the spdlog worker performs. The worker handles its queue in
// order, so once a flush posted after a burst has reached this sink, every
// line of the burst is in the file.
class FlushSignalSink : public spdlog::sinks::base_sink<std::mutex>
{
public:
    quint64 flushes()
    {
        std::lock_guard<std::mutex> guard(m_countLock);
        return m_flushes;
    }
    void waitFor(quint64 count)
    {
        std::unique_lock<std::mutex> lock(m_countLock);
        m_flushed.wait(lock, [&] { return m_flushes >= count; });
    }

protected:
    void sink_it_(const spdlog::details::log_msg &) override {}
    void flush_() override
    {
        {
            std::lock_guard<std::mutex> guard(m_countLock);
            ++m_flushes;
        }
        m_flushed.notify_all();
    }

private:
    std::mutex m_countLock;
    std::condition_variable m_flushed;
    quint64 m_flushes = 0;
};

struct Ours
{
    explicit Ours(const QString &folder)
        : folder(folder)
    {
        console.setEnabled(false);
        file.setFileName(folder + QStringLiteral("/ours.log"), true);
        group.addSink(&console);
        group.addSink(&file);
    }
    void log() { group.log(text); }
    void drain() { group.flushNow(); }

    QString folder;
    QString text = QString::fromUtf8(kText);
    quint64 logged = 0;
    kelvan::LogConsole console;
    kelvan::LogFileBuffered file;
    kelvan::LogGroupThread group; // last: stops its worker before the sinks go
};

struct Peer
{
    explicit Peer(const QString &folder)
        : path(QDir(folder).filePath(QStringLiteral("spdlog.log")))
    {
        pool = std::make_shared<spdlog::details::thread_pool>(kSpdlogQueue, 1);
        auto file = std::make_shared<spdlog::sinks::basic_file_sink_mt>(QFile::encodeName(path).toStdString(), true);
        signal = std::make_shared<FlushSignalSink>();
        logger = std::make_shared<spdlog::async_logger>("peer", spdlog::sinks_init_list{file, signal}, pool,
                                                        spdlog::async_overflow_policy::block);
        // The same line shape as ours: local time, month names, offset.
        logger->set_formatter(std::make_unique<spdlog::pattern_formatter>(
            "%B %d, %Y %H:%M:%S GMT%z %v", spdlog::pattern_time_type::local, std::string("\r\n")));
    }
    ~Peer()
    {
        drain();
        logger.reset();
        pool.reset();
    }
    void log() { logger->info(text); }
    void drain()
    {
        const quint64 target = signal->flushes() + 1;
        logger->flush();
        signal->waitFor(target);
    }

    QString path;
    std::string text = kText;
    quint64 logged = 0;
    std::shared_ptr<spdlog::details::thread_pool> pool;
    std::shared_ptr<FlushSignalSink> signal;
    std::shared_ptr<spdlog::async_logger> logger;
};

Ours *g_ours = nullptr;
Peer *g_peer = nullptr;

// The caller's side: lines are timed while they go onto the queue; the
// queue is drained with the clock stopped before it could fill.
template<typename Logger>
void callCost(benchmark::State &state, Logger &logger)
{
    int inBurst = 0;
    for (auto _ : state) {
        logger.log();
        if (++inBurst == kBurst) {
            state.PauseTiming();
            logger.drain();
            state.ResumeTiming();
            inBurst = 0;
        }
    }
    logger.drain(); // the timing has ended with the loop
    logger.logged += quint64(state.iterations());
    state.SetItemsProcessed(state.iterations());
}

// The worker's side: a burst goes in and the clock runs until it is in the
// file (handed to the operating system), so the figure is the lines per
// second the worker gets written.
template<typename Logger>
void workerRate(benchmark::State &state, Logger &logger)
{
    for (auto _ : state) {
        for (int i = 0; i < kBurst; ++i)
            logger.log();
        logger.drain();
    }
    logger.logged += quint64(state.iterations()) * kBurst;
    state.SetItemsProcessed(state.iterations() * kBurst);
}

// Keeps the time per iteration of every run by name, in the unit each
// benchmark reports in.
class RecordingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times[run.run_name.function_name].push_back(run.GetAdjustedRealTime());
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double median(const std::string &name) const
    {
        const auto found = times.find(name);
        if (found == times.end() || found->second.empty())
            return 0;
        std::vector<double> values = found->second;
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    }

    std::map<std::string, std::vector<double>> times;
};

qint64 countLines(const QStringList &paths)
{
    qint64 lines = 0;
    for (const QString &path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        while (!file.atEnd()) {
            const QByteArray chunk = file.read(1 << 20);
            lines += chunk.count('\n');
        }
    }
    return lines;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "bench_log: no temporary folder\n");
        return 1;
    }
    auto ours = std::make_unique<Ours>(dir.path());
    auto peer = std::make_unique<Peer>(dir.path());
    g_ours = ours.get();
    g_peer = peer.get();

    // Worker threads started, files created, queues and buffers grown to
    // their working size before anything is timed.
    constexpr int kWarmUpBursts = 5;
    for (int burst = 0; burst < kWarmUpBursts; ++burst) {
        for (int i = 0; i < kBurst; ++i) {
            ours->log();
            peer->log();
        }
        ours->drain();
        peer->drain();
    }
    ours->logged += kWarmUpBursts * kBurst;
    peer->logged += kWarmUpBursts * kBurst;

    // Rounds alternate so that load from elsewhere on the machine falls on
    // both sides alike.
    for (int round = 0; round < kCallRounds; ++round) {
        benchmark::RegisterBenchmark("log_call/ours", [](benchmark::State &s) { callCost(s, *g_ours); })
            ->Iterations(kCallsPerRound)
            ->Unit(benchmark::kNanosecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark("log_call/spdlog_async", [](benchmark::State &s) { callCost(s, *g_peer); })
            ->Iterations(kCallsPerRound)
            ->Unit(benchmark::kNanosecond)
            ->UseRealTime();
    }
    for (int round = 0; round < kWorkerRounds; ++round) {
        benchmark::RegisterBenchmark("log_worker_burst/ours", [](benchmark::State &s) { workerRate(s, *g_ours); })
            ->Iterations(kBurstsPerRound)
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark("log_worker_burst/spdlog_async",
                                     [](benchmark::State &s) { workerRate(s, *g_peer); })
            ->Iterations(kBurstsPerRound)
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime();
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    ours->drain();
    peer->drain();
    const QStringList ourFiles = [&] {
        QStringList paths;
        const QDir folder(dir.path());
        for (const QString &name : folder.entryList({QStringLiteral("ours_*.log")}, QDir::Files))
            paths.append(folder.filePath(name));
        return paths;
    }();
    const qint64 ourLines = countLines(ourFiles);
    const qint64 peerLines = countLines({peer->path});
    std::fprintf(stderr, "lines written: ours %lld of %llu, spdlog %lld of %llu\n", static_cast<long long>(ourLines),
                 static_cast<unsigned long long>(ours->logged), static_cast<long long>(peerLines),
                 static_cast<unsigned long long>(peer->logged));
    if (ourLines != qint64(ours->logged) || peerLines != qint64(peer->logged)) {
        std::fprintf(stderr, "bench_log: LINES MISSING - the comparison is void\n");
        return 2;
    }

    const double oursCall = reporter.median("log_call/ours");
    const double peerCall = reporter.median("log_call/spdlog_async");
    if (oursCall > 0 && peerCall > 0)
        chat::bench::reportComparison(QStringLiteral("log_call_vs_spdlog_async"), oursCall, peerCall,
                                      QStringLiteral("ns/call"));
    // Microseconds per burst of 5000 lines become nanoseconds per line.
    const double oursLine = reporter.median("log_worker_burst/ours") * 1000.0 / kBurst;
    const double peerLine = reporter.median("log_worker_burst/spdlog_async") * 1000.0 / kBurst;
    if (oursLine > 0 && peerLine > 0) {
        std::fprintf(stderr, "worker: ours %.0f lines/s, spdlog %.0f lines/s\n", 1e9 / oursLine, 1e9 / peerLine);
        chat::bench::reportComparison(QStringLiteral("log_worker_vs_spdlog_async"), oursLine, peerLine,
                                      QStringLiteral("ns/line"));
    }
    return 0;
}
