#pragma once

#include "log.h"

#include <mutex>
#include <vector>

namespace kelvan {

// Fans lines out to its member sinks, in the order they were added. Members
// are not owned and must outlive their membership. A member that throws is
// skipped for that line and the others still get it: one broken sink never
// silences the rest, and no exception leaves the group.
class LogGroup : public Log
{
public:
    LogGroup();
    ~LogGroup() override;

    void addSink(Log *sink);
    void removeSink(Log *sink);
    int sinkCount() const;

    void log(const QStringList &texts) override;
    void log(const QString &text) override;
    // Flushes every member.
    void flush() override;
    // Passes the line to every enabled member.
    void write(const QByteArray &line) override;
    void write(const LogLines &lines) override;

private:
    // Recursive: a member may log to its own group while being written to.
    mutable std::recursive_mutex m_lock;
    std::vector<Log *> m_sinks;
};

} // namespace kelvan
