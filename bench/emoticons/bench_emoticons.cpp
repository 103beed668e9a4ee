#include "aliasreference.h"

#include "comparison.h"

#include "emoticons/emotionboxmanager.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The project's own emoticon set.
struct Catalogue
{
    EmotionBoxManager manager;

    Catalogue()
    {
        if (!manager.loadCatalogue(QStringLiteral(EMOTICON_SET_DIR)) || manager.aliases().isEmpty())
            qFatal("bench_emoticons: no emoticon set in %s", EMOTICON_SET_DIR);
    }
};

Catalogue &catalogue()
{
    static Catalogue instance;
    return instance;
}

// Every word a smiley: the most replacements a text of that size can hold.
QString smileyWords(int size)
{
    QString text;
    text.reserve(size + 3);
    while (text.size() < size)
        text += QStringLiteral(":) ");
    return text;
}

// Smileys glued together: one long word of alias characters, nothing to
// replace, the case that makes a per-alias scan find an occurrence at every
// other position.
QString gluedSmileys(int size)
{
    QString text;
    text.reserve(size + 2);
    while (text.size() < size)
        text += QStringLiteral(":)");
    return text;
}

// Chat-like text: words, smileys and line breaks.
QString mixedText(int size)
{
    const QStringList pieces{"hello", ":)", "<3", "well", ":-D", "(y)", "a:)", ";)", "ok", "x"};
    QRandomGenerator random(11);
    QString text;
    text.reserve(size + 8);
    while (text.size() < size) {
        text += pieces.at(random.bounded(pieces.size()));
        text += random.bounded(8) ? QLatin1Char(' ') : QLatin1Char('\n');
    }
    return text;
}

// Emoticon codes as the alias pass leaves them, and a text of open
// parentheses that never close.
QString codeWords(int size)
{
    QString text;
    text.reserve(size + 10);
    while (text.size() < size)
        text += QStringLiteral("(smile) ");
    return text;
}

QString openParentheses(int size)
{
    return QString(size - 1, QLatin1Char('(')) + QLatin1Char(')');
}

void runCodes(benchmark::State &state, QString (*make)(int))
{
    const QString text = make(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue().manager.replaceCodes(text, QStringLiteral("en"), true));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}

void runOurs(benchmark::State &state, QString (*make)(int))
{
    const QString text = make(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue().manager.replaceAliases(text));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}

void runReference(benchmark::State &state, QString (*make)(int))
{
    const QString text = make(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(referenceReplaceAliases(text, catalogue().manager.aliases()));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}

constexpr int OneMegabyte = 1 << 20;
constexpr int Compared = 64 << 10; // the plain scan takes minutes on a megabyte

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

BENCHMARK_CAPTURE(runOurs, smiley_words, smileyWords)->Arg(Compared)->Arg(OneMegabyte)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runOurs, glued_smileys, gluedSmileys)->Arg(Compared)->Arg(OneMegabyte)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runOurs, mixed_text, mixedText)->Arg(Compared)->Arg(OneMegabyte)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runCodes, code_words, codeWords)->Arg(OneMegabyte)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runCodes, open_parentheses, openParentheses)->Arg(OneMegabyte)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runReference, smiley_words, smileyWords)->Arg(Compared)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runReference, glued_smileys, gluedSmileys)->Arg(Compared)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runReference, mixed_text, mixedText)->Arg(Compared)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    const EmotionBoxManager &manager = catalogue().manager;
    for (const auto &[name, make] : std::vector<std::pair<const char *, QString (*)(int)>>{
             {"smiley_words", smileyWords}, {"glued_smileys", gluedSmileys}, {"mixed_text", mixedText}}) {
        const QString text = make(Compared);
        const double ours = medianMs([&] { manager.replaceAliases(text); }, 9);
        const double plain = medianMs([&] { referenceReplaceAliases(text, manager.aliases()); }, 3);
        chat::bench::reportComparison(QStringLiteral("emoticon_aliases_64k_%1_vs_plain_scan").arg(QLatin1String(name)),
                                      ours, plain, QStringLiteral("ms"));
        const QString megabyte = make(OneMegabyte);
        std::fprintf(stderr, "replaceAliases on 1 MB of %s: %.1f ms\n", name,
                     medianMs([&] { manager.replaceAliases(megabyte); }, 5));
    }
    benchmark::Shutdown();
    return 0;
}
