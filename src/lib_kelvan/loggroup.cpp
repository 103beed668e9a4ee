#include "loggroup.h"

#include <algorithm>

namespace kelvan {

LogGroup::LogGroup() = default;

LogGroup::~LogGroup() = default;

// The loops below index instead of iterating: a member may remove a sink
// from its own group while being written to.

void LogGroup::addSink(Log *sink)
{
    if (!sink || sink == this)
        return;
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    m_sinks.push_back(sink);
}

void LogGroup::removeSink(Log *sink)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    m_sinks.erase(std::remove(m_sinks.begin(), m_sinks.end(), sink), m_sinks.end());
}

int LogGroup::sinkCount() const
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    return int(m_sinks.size());
}

void LogGroup::log(const QStringList &texts)
{
    try {
        Log::log(texts);
    } catch (...) {
    }
}

void LogGroup::log(const QString &text)
{
    try {
        Log::log(text);
    } catch (...) {
    }
}

void LogGroup::flush()
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    for (size_t i = 0; i < m_sinks.size(); ++i) {
        Log *sink = m_sinks[i];
        try {
            sink->flush();
        } catch (...) {
        }
    }
}

void LogGroup::write(const QByteArray &line)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    for (size_t i = 0; i < m_sinks.size(); ++i) {
        Log *sink = m_sinks[i];
        if (!sink->isEnabled())
            continue;
        try {
            sink->write(line);
        } catch (...) {
        }
    }
}

void LogGroup::write(const LogLines &lines)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    for (size_t i = 0; i < m_sinks.size(); ++i) {
        Log *sink = m_sinks[i];
        if (!sink->isEnabled())
            continue;
        try {
            sink->write(lines);
        } catch (...) {
        }
    }
}

} // namespace kelvan
