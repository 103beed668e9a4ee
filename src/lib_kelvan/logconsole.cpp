#include "logconsole.h"

#include <cstdio>

namespace kelvan {

LogConsole::LogConsole() = default;

LogConsole::~LogConsole() = default;

void LogConsole::write(const QByteArray &line)
{
    std::lock_guard<std::mutex> guard(m_lock);
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

} // namespace kelvan
