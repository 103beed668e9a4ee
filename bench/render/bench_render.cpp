#include "comparison.h"

#include "render/markupconverter.h"
#include "render/renderbounds.h"
#include "render/resourcekeytable.h"

#include "emoticons/emotionboxmanager.h"
#include "hostkit/host.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>
#include <md4c-html.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

// The reference host with its journal off, so that host calls cost what a
// real host's lookups cost, and the project's emoticon set.
struct Environment
{
    hostkit::Host host{hostkit::Profile::inMemory()};
    EmotionBoxManager emoticons;
    RenderContext context;

    Environment()
    {
        host.journal().setEnabled(false);
        if (!emoticons.loadCatalogue(host.applicationFolder()))
            qFatal("bench_render: no emoticon set in %s", qPrintable(host.applicationFolder()));
        context.host = host.servicesFor("chat");
        context.emoticons = &emoticons;
        context.language = QStringLiteral("en");
    }
};

Environment &environment()
{
    static Environment instance;
    return instance;
}

QString render(const QString &markup, ResourceKeyTable &keys)
{
    return MarkupConverter::renderMessageBody(markup, QStringLiteral("Bea Hansen"), keys, environment().context).html;
}

// ---- a realistic chat corpus --------------------------------------------

// Messages as people write them: short lines, a few links and addresses,
// some formatting, smileys, mentions, line breaks, the odd attachment.
QStringList chatCorpus()
{
    const QStringList openers{"hey", "ok", "so", "well", "hi all", "thanks", "sure", "hmm", "right", "yes"};
    const QStringList bodies{
        "are you coming to the meeting at 3?",
        "I pushed the fix, see https://git.example.org/team/app/commit/4f2a9c1",
        "the build is green again :)",
        "can you send me the slides? my address is alex.morgan@example.org",
        "[b]important:[/b] the release moves to friday",
        "lunch at the [i]new place[/i] around the corner?",
        "www.example.org has the schedule, page 2",
        "I'll be 10 minutes late, sorry :-(",
        "let me check and get back to you",
        "that works for me (y)",
        "here is the log:\r\nerror 42 at line 17\r\nretrying in 5s",
        "did you see the mail from dana.whitfield@example.org and eli@example.com?",
        "the numbers look good, 15% up from last month",
        "<3 great job everyone",
        "price is 5 < 7 & that's fine",
    };
    const QStringList closers{"", "", "", " :D", " ;)", " thanks!", " [@1001]", " cc [@1002]"};
    QRandomGenerator random(20260305);
    QStringList corpus;
    for (int i = 0; i < 4000; ++i) {
        QString message = openers.at(random.bounded(openers.size())) + QLatin1String(", ")
                          + bodies.at(random.bounded(bodies.size())) + closers.at(random.bounded(closers.size()));
        if (random.bounded(40) == 0)
            message += QStringLiteral(" [file url=\"sim://corpus/%1\" name=\"report %1.pdf\" size=\"48213\" "
                                      "mime=\"application/pdf\"]")
                           .arg(i % 7);
        if (random.bounded(60) == 0)
            message += QStringLiteral(" [pic src=\"sim://corpus/pic%1.png\"]").arg(i % 5);
        corpus << message;
    }
    return corpus;
}

void appendOutput(const MD_CHAR *text, MD_SIZE size, void *userData)
{
    static_cast<std::string *>(userData)->append(text, size);
}

double renderCorpusOurs(const QStringList &corpus)
{
    ResourceKeyTable keys;
    QElapsedTimer timer;
    timer.start();
    qsizetype total = 0;
    for (const QString &message : corpus)
        total += render(message, keys).size();
    benchmark::DoNotOptimize(total);
    return timer.nsecsElapsed() / 1e6;
}

double renderCorpusMd4c(const std::vector<QByteArray> &corpus)
{
    std::string out;
    QElapsedTimer timer;
    timer.start();
    for (const QByteArray &message : corpus) {
        out.clear();
        md_html(message.constData(), MD_SIZE(message.size()), appendOutput, &out, MD_DIALECT_GITHUB, 0);
    }
    benchmark::DoNotOptimize(out);
    return timer.nsecsElapsed() / 1e6;
}

std::vector<QByteArray> utf8(const QStringList &corpus)
{
    std::vector<QByteArray> bytes;
    for (const QString &message : corpus)
        bytes.push_back(message.toUtf8());
    return bytes;
}

// ---- adversarial families ----------------------------------------------

QString repeated(const QString &unit, int size)
{
    QString text;
    text.reserve(size + unit.size());
    while (text.size() < size)
        text += unit;
    return text;
}

struct Family
{
    const char *name;
    std::function<QString(int)> make;
};

const std::vector<Family> &families()
{
    static const std::vector<Family> list{
        // The e-mail pattern's quadratic case for a backtracking engine.
        {"dots_without_at", [](int n) { return repeated(QStringLiteral("a."), n); }},
        {"www_run", [](int n) { return repeated(QStringLiteral("www."), n); }},
        {"www_words", [](int n) { return repeated(QStringLiteral("www. x"), n); }},
        {"open_mentions", [](int n) { return repeated(QStringLiteral("[@1001 "), n); }},
        {"furl_fragments", [](int n) { return repeated(QStringLiteral("[furl=a]b[furl]c "), n); }},
        {"furl_links", [](int n) { return repeated(QStringLiteral("[furl]x[/furl] "), n); }},
        {"attachment_tags",
         [](int n) {
             return repeated(QStringLiteral("[file url=\"sim://a\" name=\"a.txt\" size=\"1\"][voice url=\"sim://v\" "
                                            "size=\"2\" length=\"3\"][video url=\"sim://w\" size=\"4\" length=\"5\"]"
                                            "[pic src=\"sim://p.png\"][img]sim://q.png[/img][gp pos=\"1,2\" "
                                            "addr=\"x\"] "),
                             n);
         }},
        {"unclosed_attachment_opens", [](int n) { return repeated(QStringLiteral("[file [pic [img] [gp "), n); }},
        {"nested_formatting",
         [](int n) { return repeated(QStringLiteral("[b][i][u]x"), n / 2) + repeated(QStringLiteral("[/u][/i][/b]"), n / 2); }},
        {"line_breaks_and_spaces", [](int n) { return repeated(QStringLiteral("a  \r\n[br]  "), n); }},
        {"emoticon_codes_and_aliases", [](int n) { return repeated(QStringLiteral(":) (smile) :-D (laugh) (nope) "), n); }},
        {"open_parentheses", [](int n) { return repeated(QStringLiteral("(smile "), n); }},
        {"mail_lists", [](int n) { return repeated(QStringLiteral("a@b.cd, e@f.gh; "), n); }},
    };
    return list;
}

std::vector<double> timesMs(const std::function<void()> &run, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times;
}

// The fastest of several runs: on a shared machine other processes only
// ever add time, so the minimum is the steadiest estimate of the cost.
double bestMs(const std::function<void()> &run, int runs)
{
    return timesMs(run, runs).front();
}

double renderMs(const QString &text, int runs)
{
    return bestMs(
        [&] {
            ResourceKeyTable keys;
            benchmark::DoNotOptimize(render(text, keys));
        },
        runs);
}

// The least-squares slope of log time against log size: 1 for work that
// grows linearly with the input, 2 for quadratic work.
double growthExponent(const std::vector<int> &sizes, const std::vector<double> &ms)
{
    double sumX = 0, sumY = 0, sumXX = 0, sumXY = 0;
    for (size_t k = 0; k < sizes.size(); ++k) {
        const double x = std::log(double(sizes[k]));
        const double y = std::log(std::max(ms[k], 1e-6));
        sumX += x;
        sumY += y;
        sumXX += x * x;
        sumXY += x * y;
    }
    const double count = double(sizes.size());
    return (count * sumXY - sumX * sumY) / (count * sumXX - sumX * sumX);
}

constexpr int OneKilobyte = 1 << 10;
constexpr int OneMegabyte = 1 << 20;

// ---- Google Benchmark entries (bench/results in JSON) --------------------

void corpusOurs(benchmark::State &state)
{
    const QStringList corpus = chatCorpus();
    for (auto _ : state)
        benchmark::DoNotOptimize(renderCorpusOurs(corpus));
}

void corpusMd4c(benchmark::State &state)
{
    const std::vector<QByteArray> corpus = utf8(chatCorpus());
    for (auto _ : state)
        benchmark::DoNotOptimize(renderCorpusMd4c(corpus));
}

void family(benchmark::State &state, const Family *f)
{
    const QString text = f->make(int(state.range(0)));
    for (auto _ : state) {
        ResourceKeyTable keys;
        benchmark::DoNotOptimize(render(text, keys));
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
    environment();

    benchmark::RegisterBenchmark("render_corpus/ours", corpusOurs)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("render_corpus/md4c", corpusMd4c)->Unit(benchmark::kMillisecond);
    for (const Family &f : families()) {
        benchmark::RegisterBenchmark((std::string("render_family/") + f.name).c_str(), family, &f)
            ->Arg(OneKilobyte)
            ->Arg(32 * OneKilobyte)
            ->Arg(OneMegabyte)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    // Arguments left after the benchmark options name the families to
    // measure (all when none); "--families-only" skips the corpus.
    QStringList only;
    bool familiesOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--families-only") == 0)
            familiesOnly = true;
        else
            only << QString::fromLocal8Bit(argv[i]);
    }
    if (!familiesOnly)
        benchmark::RunSpecifiedBenchmarks();

    // Side by side in the same run: the corpus through renderMessageBody and
    // through md4c's md_html, on the same text.
    if (!familiesOnly) {
    const QStringList corpus = chatCorpus();
    const std::vector<QByteArray> bytes = utf8(corpus);
    qsizetype corpusBytes = 0;
    for (const QByteArray &message : bytes)
        corpusBytes += message.size();
    // Interleaved, so that load from other processes falls on both alike.
    std::vector<double> oursTimes;
    std::vector<double> peerTimes;
    for (int round = 0; round < 9; ++round) {
        oursTimes.push_back(renderCorpusOurs(corpus));
        peerTimes.push_back(renderCorpusMd4c(bytes));
    }
    std::sort(oursTimes.begin(), oursTimes.end());
    std::sort(peerTimes.begin(), peerTimes.end());
    const double ours = oursTimes[oursTimes.size() / 2];
    const double peer = peerTimes[peerTimes.size() / 2];
    std::fprintf(stderr, "corpus: %d messages, %lld bytes\n", int(corpus.size()), static_cast<long long>(corpusBytes));
    chat::bench::reportComparison(QStringLiteral("render_vs_md4c"), ours, peer, QStringLiteral("ms"));
    }

    // Growth on each family: the least-squares slope of log time against
    // log size, from 32 KB to 1 MB as the whole renderer sees it, and from
    // 1 KB to 16 KB for the passes themselves: past
    // RenderBounds::MaxMarkupChars a body is cut before the passes run, so
    // the first slope shows that the cut holds and the second how the
    // passes grow. A slope over several sizes is far steadier on a shared
    // machine than the ratio of two. The worst family of each is reported,
    // as ours against the 1.0 of linear growth.
    QString worstName;
    double worstExponent = -std::numeric_limits<double>::max();
    QString worstPassesName;
    double worstPassesExponent = -std::numeric_limits<double>::max();
    // The sizes run in turn, round after round, so that load from other
    // processes falls on all of them alike; the fastest run of each size
    // counts. Sizes under the bound take microseconds: their rounds are
    // many, so that they spread over enough time for each size to meet the
    // machine both busy and idle (a busy sibling core halves the speed).
    const auto bestOfRounds = [](const std::vector<QString> &texts, int runsPerRound, int rounds) {
        std::vector<double> best(texts.size(), std::numeric_limits<double>::max());
        for (int round = 0; round < rounds; ++round) {
            for (size_t k = 0; k < texts.size(); ++k)
                best[k] = std::min(best[k], renderMs(texts[k], runsPerRound));
        }
        return best;
    };
    for (const Family &f : families()) {
        if (!only.isEmpty() && !only.contains(QLatin1String(f.name)))
            continue;
        QString line = QStringLiteral("%1:").arg(QLatin1String(f.name), -28);
        std::vector<int> smallSizes;
        std::vector<QString> smallTexts;
        for (int n = OneKilobyte; n <= 16 * OneKilobyte; n *= 2) {
            const QString text = f.make(n);
            // The passes see at most the bound.
            smallSizes.push_back(std::min(int(text.size()), RenderBounds::MaxMarkupChars));
            smallTexts.push_back(text);
        }
        const std::vector<double> smallBest = bestOfRounds(smallTexts, 1, 101);
        for (const double ms : smallBest)
            line += QStringLiteral(" %1").arg(ms, 0, 'f', 3);
        std::vector<int> sizes;
        std::vector<QString> texts;
        for (int n = 32 * OneKilobyte; n <= OneMegabyte; n *= 2) {
            sizes.push_back(n);
            texts.push_back(f.make(n));
        }
        const std::vector<double> best = bestOfRounds(texts, 1, 9);
        for (const double ms : best)
            line += QStringLiteral(" %1").arg(ms, 0, 'f', 3);
        const double exponent = growthExponent(sizes, best);
        const double passesExponent = growthExponent(smallSizes, smallBest);
        std::fprintf(stderr, "%s ms (1 KB .. 1 MB), growth exponent 32 KB .. 1 MB = %.3f, 1 KB .. 16 KB = %.3f\n",
                     qPrintable(line), exponent, passesExponent);
        if (exponent > worstExponent) {
            worstExponent = exponent;
            worstName = QLatin1String(f.name);
        }
        if (passesExponent > worstPassesExponent) {
            worstPassesExponent = passesExponent;
            worstPassesName = QLatin1String(f.name);
        }
    }
    std::fprintf(stderr, "worst growth exponent: %s (%.3f)\n", qPrintable(worstName), worstExponent);
    std::fprintf(stderr, "worst growth exponent of the passes: %s (%.3f)\n", qPrintable(worstPassesName),
                 worstPassesExponent);
    if (only.isEmpty()) {
        chat::bench::reportComparison(QStringLiteral("render_growth_exponent"), worstExponent, 1.0,
                                      QStringLiteral("exponent"));
        chat::bench::reportComparison(QStringLiteral("render_passes_growth_exponent"), worstPassesExponent, 1.0,
                                      QStringLiteral("exponent"));
    }
    benchmark::Shutdown();
    return 0;
}
