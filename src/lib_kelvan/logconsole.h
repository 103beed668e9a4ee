#pragma once

#include "log.h"

#include <mutex>

namespace kelvan {

// Writes lines to standard output, whole lines at a time even when several
// threads log at once.
class LogConsole : public Log
{
public:
    LogConsole();
    ~LogConsole() override;

    void write(const QByteArray &line) override;

private:
    std::mutex m_lock;
};

} // namespace kelvan
