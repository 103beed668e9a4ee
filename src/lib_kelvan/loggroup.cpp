#include "loggroup.h"

#include <algorithm>

namespace kelvan {

LogGroup::LogGroup() = default;

LogGroup::~LogGroup() = default;

namespace {

// Indexes instead of iterating: a member may remove a sink from its own
// group while being written to. One failing sink must not silence the rest.
template <typename Call>
void eachSink(const std::vector<Log *> &sinks, bool enabledOnly, Call call)
{
    for (size_t i = 0; i < sinks.size(); ++i) {
        Log *sink = sinks[i];
        if (enabledOnly && !sink->isEnabled())
            continue;
        try {
            call(sink);
        } catch (...) {
        }
    }
}

} // namespace

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
    eachSink(m_sinks, false, [](Log *sink) { sink->flush(); });
}

void LogGroup::write(const QByteArray &line)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    eachSink(m_sinks, true, [&line](Log *sink) { sink->write(line); });
}

void LogGroup::write(const LogLines &lines)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    eachSink(m_sinks, true, [&lines](Log *sink) { sink->write(lines); });
}

} // namespace kelvan
