// Scenario lines as a script file holds them: tokenised, and whole texts
// loaded (checked, never run) by a runner.
#include "hostkit/host.h"
#include "hostkit/scenariorunner.h"

#include <QCoreApplication>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_scenario_lines";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static hostkit::Host host(hostkit::Profile::inMemory());
    static hostkit::ScenarioRunner runner(host);

    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    QStringList args;
    QHash<QString, QString> options;
    QString error;
    hostkit::ScenarioRunner::tokenize(text.section(QLatin1Char('\n'), 0, 0), &args, &options, &error);
    runner.load(text);
    return 0;
}
