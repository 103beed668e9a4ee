#include "comparison.h"
#include "spell/spellcheckmanager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>

#include <hunspell/hunspell.hxx>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

const QString Folder = QStringLiteral("/usr/share/hunspell/");
const QString Language = QStringLiteral("en_US");
constexpr int TextWords = 10000;

// Answers the manager the way a chat window does.
class Requester : public QObject
{
    Q_OBJECT

public:
    bool answered = false;
    bool loaded = false;

public Q_SLOTS:
    void onSpellerChanged(QString) { answered = loaded = true; }
    void onSpellerNotLoaded() { answered = true; }
};

// The words of a realistic 10,000-word text: the committed sample repeated
// with its sentences rotated and its names changed, and about 3 % of all
// words misspelt by swapping two inner letters of a longer word (the sample
// itself has no word en_US rejects).
QVector<QString> buildWords()
{
    QFile file(QStringLiteral(SPELL_SAMPLE_TEXT));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", SPELL_SAMPLE_TEXT);
    const QString text = QString::fromUtf8(file.readAll());
    const QStringList sentences = text.split(QRegularExpression(QStringLiteral("(?<=[.!?])\\s+")),
                                             Qt::SkipEmptyParts);
    const QStringList names{QStringLiteral("Martin"), QStringLiteral("Sofia"), QStringLiteral("Jonas"),
                            QStringLiteral("Clara"), QStringLiteral("Daniel")};
    const QRegularExpression wordPattern(QStringLiteral("[\\p{L}]+(?:'[\\p{L}]+)?"));

    QVector<QString> words;
    quint32 seed = 12345;
    for (int round = 0; words.size() < TextWords; ++round) {
        for (int i = 0; i < sentences.size() && words.size() < TextWords; ++i) {
            QString sentence = sentences.at((i + round * 7) % sentences.size());
            sentence.replace(QStringLiteral("Martin"), names.at(round % names.size()));
            auto it = wordPattern.globalMatch(sentence);
            while (it.hasNext() && words.size() < TextWords) {
                QString word = it.next().captured();
                seed = seed * 1664525u + 1013904223u;
                if (word.size() >= 5 && (seed >> 16) % 100 < 7) {
                    const QChar third = word.at(2);
                    word[2] = word.at(3);
                    word[3] = third;
                }
                words.append(word);
            }
        }
    }
    return words;
}

struct Shared
{
    std::unique_ptr<SpellCheckManager> manager;
    std::unique_ptr<Hunspell> raw;
    QVector<QString> words;
    std::vector<std::string> utf8Words;
};
Shared *shared = nullptr;

void BM_SpellCheckOurs(benchmark::State &state)
{
    int rejected = 0;
    for (auto _ : state) {
        rejected = 0;
        for (const QString &word : qAsConst(shared->words))
            rejected += shared->manager->check(Language, word) ? 0 : 1;
        benchmark::DoNotOptimize(rejected);
    }
    state.counters["rejected"] = rejected;
    state.SetItemsProcessed(state.iterations() * shared->words.size());
}

void BM_SpellCheckRawHunspell(benchmark::State &state)
{
    int rejected = 0;
    for (auto _ : state) {
        rejected = 0;
        for (const std::string &word : shared->utf8Words)
            rejected += shared->raw->spell(word) ? 0 : 1;
        benchmark::DoNotOptimize(rejected);
    }
    state.counters["rejected"] = rejected;
    state.SetItemsProcessed(state.iterations() * int64_t(shared->utf8Words.size()));
}

// A misspelt word of `length` letters as a run-together phrase or a paste
// gives it: consonants and vowels from a fixed sequence, capitalised, since
// Hunspell then searches both letter cases, its slower path.
std::string suggestionWord(int length)
{
    static const char consonants[] = "bcdfghklmnprstvw";
    static const char vowels[] = "aeiou";
    std::string word;
    quint32 seed = 4711;
    for (int i = 0; i < length; ++i) {
        seed = seed * 1664525u + 1013904223u;
        word += i % 2 ? vowels[(seed >> 16) % 5] : consonants[(seed >> 16) % 16];
    }
    if (!word.empty())
        word[0] = char(word[0] - 'a' + 'A');
    return word;
}

// What opening the spelling menu costs the GUI thread, by word length.
void BM_SuggestRawHunspell(benchmark::State &state)
{
    const std::string word = suggestionWord(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(shared->raw->suggest(word));
}

void BM_SuggestOurs(benchmark::State &state)
{
    const QString word = QString::fromStdString(suggestionWord(int(state.range(0))));
    QStringList list;
    for (auto _ : state)
        benchmark::DoNotOptimize(shared->manager->suggest(Language, list, word));
}

// From a request to the loaded dictionary, with a 1 ms timer on the
// requesting (GUI) thread: the longest gap between its ticks is the longest
// time the GUI thread could not react while the load ran.
struct LoadRun
{
    double loadMs = 0;
    double longestGapMs = 0;
};

LoadRun measureLoad(bool load)
{
    SpellCheckManager manager(Folder);
    manager.startLoader();
    while (!manager.isLoaderReady())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

    QElapsedTimer clock;
    qint64 lastTickNs = 0;
    qint64 longestGapNs = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longestGapNs = std::max(longestGapNs, now - lastTickNs);
        lastTickNs = now;
    });

    Requester requester;
    clock.start();
    ticker.start();
    if (load)
        manager.requestLanguage(&requester, Language, false);
    // Without a load, the idle baseline watches the timer for 200 ms.
    while (load ? !requester.answered : clock.elapsed() < 200)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    LoadRun run;
    run.loadMs = clock.nsecsElapsed() / 1e6;
    // The gap from the last tick to the answer counts too.
    longestGapNs = std::max(longestGapNs, clock.nsecsElapsed() - lastTickNs);
    run.longestGapMs = longestGapNs / 1e6;
    if (load && !requester.loaded)
        qFatal("en_US did not load from %s", qPrintable(Folder));
    return run;
}

std::vector<LoadRun> loadRuns;
std::vector<LoadRun> idleRuns;

void BM_SpellLoadEnUS(benchmark::State &state)
{
    for (auto _ : state) {
        const LoadRun run = measureLoad(true);
        state.SetIterationTime(run.loadMs / 1000.0);
        loadRuns.push_back(run);
    }
    state.counters["longest_gui_gap_ms"] = loadRuns.empty() ? 0 : loadRuns.back().longestGapMs;
}

void BM_TimerGapIdle(benchmark::State &state)
{
    for (auto _ : state) {
        const LoadRun run = measureLoad(false);
        state.SetIterationTime(run.loadMs / 1000.0);
        idleRuns.push_back(run);
    }
    state.counters["longest_gui_gap_ms"] = idleRuns.empty() ? 0 : idleRuns.back().longestGapMs;
}

// Keeps the fastest repetition of each benchmark (CPU time per iteration)
// for the comparisons: on a shared machine the minimum is the measurement
// least disturbed by other processes.
class CapturingReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> bestNsPerIteration;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations <= 0)
                continue;
            const double ns = run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            std::string name = run.run_name.function_name;
            if (!run.run_name.args.empty())
                name += '/' + run.run_name.args;
            auto it = bestNsPerIteration.find(name);
            if (it == bestNsPerIteration.end() || ns < it->second)
                bestNsPerIteration[name] = ns;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

template<typename Pick>
double median(std::vector<LoadRun> runs, Pick pick)
{
    if (runs.empty())
        return 0;
    std::sort(runs.begin(), runs.end(), [&](const LoadRun &a, const LoadRun &b) { return pick(a) < pick(b); });
    return pick(runs[runs.size() / 2]);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // Repetitions of the two check benchmarks run interleaved in random
    // order, so a busy phase of the machine cannot favour one side.
    std::vector<char *> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int benchArgc = int(args.size());
    benchmark::Initialize(&benchArgc, args.data());

    Shared data;
    shared = &data;
    data.words = buildWords();
    for (const QString &word : qAsConst(data.words))
        data.utf8Words.push_back(word.toStdString());
    data.raw = std::make_unique<Hunspell>(QFile::encodeName(Folder + Language + QStringLiteral(".aff")).constData(),
                                          QFile::encodeName(Folder + Language + QStringLiteral(".dic")).constData());
    data.manager = std::make_unique<SpellCheckManager>(Folder);
    data.manager->startLoader();
    Requester requester;
    data.manager->requestLanguage(&requester, Language, false);
    while (!requester.answered)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!requester.loaded)
        qFatal("en_US did not load from %s", qPrintable(Folder));

    benchmark::RegisterBenchmark("spell_check/ours_qstring", BM_SpellCheckOurs)
        ->Repetitions(7)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("spell_check/raw_hunspell_utf8", BM_SpellCheckRawHunspell)
        ->Repetitions(7)
        ->Unit(benchmark::kMicrosecond);
    auto *rawSuggest = benchmark::RegisterBenchmark("spell_suggest/raw_hunspell", BM_SuggestRawHunspell);
    for (int length : {8, 16, 24, 32, 40, 48, 64, 80, 100})
        rawSuggest->Arg(length);
    rawSuggest->Iterations(3)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("spell_suggest/ours", BM_SuggestOurs)
        ->Arg(SpellCheckManager::MaxSuggestionWordLength)
        ->Arg(100)
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("spell_load/en_US", BM_SpellLoadEnUS)
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("spell_load/idle_baseline", BM_TimerGapIdle)
        ->UseManualTime()
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);

    CapturingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const auto &best = reporter.bestNsPerIteration;
    const auto ours = best.find("spell_check/ours_qstring");
    const auto raw = best.find("spell_check/raw_hunspell_utf8");
    if (ours != best.end() && raw != best.end()) {
        const double words = double(data.words.size());
        chat::bench::reportComparison(QStringLiteral("spell_check_vs_raw_hunspell"), ours->second / words,
                                      raw->second / words, QStringLiteral("ns/word"));
    }
    const auto oursSuggest = best.find("spell_suggest/ours/100");
    const auto rawSuggest100 = best.find("spell_suggest/raw_hunspell/100");
    if (oursSuggest != best.end() && rawSuggest100 != best.end())
        chat::bench::reportComparison(QStringLiteral("spell_suggest_100_letters_vs_raw_hunspell"),
                                      oursSuggest->second / 1e6, rawSuggest100->second / 1e6, QStringLiteral("ms"));
    if (!loadRuns.empty()) {
        const double gap = median(loadRuns, [](const LoadRun &r) { return r.longestGapMs; });
        const double load = median(loadRuns, [](const LoadRun &r) { return r.loadMs; });
        chat::bench::reportComparison(QStringLiteral("spell_load_gui_stall_vs_load"), gap, load, QStringLiteral("ms"));
        std::fprintf(stderr, "en_US load: median %.1f ms from request to dictionary; longest GUI timer gap %.2f ms\n",
                     load, gap);
    }
    if (!idleRuns.empty() && !loadRuns.empty()) {
        // Near 1 when a load keeps the GUI thread as responsive as an idle
        // one: what remains of the gap is the scheduler, not the dictionary.
        const double idleGap = median(idleRuns, [](const LoadRun &r) { return r.longestGapMs; });
        chat::bench::reportComparison(QStringLiteral("spell_load_gui_stall_vs_idle_gap"),
                                      median(loadRuns, [](const LoadRun &r) { return r.longestGapMs; }), idleGap,
                                      QStringLiteral("ms"));
        std::fprintf(stderr, "idle 1 ms timer: longest gap %.2f ms (baseline for the stall)\n", idleGap);
    }

    data.manager.reset();
    benchmark::Shutdown();
    return 0;
}

#include "bench_spell.moc"
