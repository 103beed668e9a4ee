#include "logfilebuffered.h"

namespace kelvan {

namespace {
// Enough for a dozen typical lines before the first reallocation.
constexpr int kInitialCapacity = 1000;
// A buffer that grew beyond this in a burst gives its memory back after the
// flush; below it, the memory is reused for the next interval.
constexpr int kKeptCapacity = 1 << 20;
} // namespace

LogFileBuffered::LogFileBuffered()
{
    m_buffer.reserve(kInitialCapacity);
}

LogFileBuffered::LogFileBuffered(const QString &fileName, bool daily)
    : LogFile(fileName, daily)
{
    m_buffer.reserve(kInitialCapacity);
}

LogFileBuffered::~LogFileBuffered() = default;

void LogFileBuffered::write(const QByteArray &line)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_buffer.append(line);
}

void LogFileBuffered::write(const LogLines &lines)
{
    std::lock_guard<std::mutex> guard(m_lock);
    for (const QByteArray &line : lines)
        m_buffer.append(line);
}

qint64 LogFileBuffered::bufferedBytes() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_buffer.size();
}

void LogFileBuffered::flush()
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_buffer.isEmpty())
        return;
    // The buffer is emptied whatever happens below; its memory is kept for
    // the next interval unless a burst made it large.
    struct Emptier
    {
        QByteArray &buffer;
        ~Emptier()
        {
            if (buffer.capacity() > kKeptCapacity) {
                buffer = QByteArray();
                buffer.reserve(kInitialCapacity);
            } else {
                buffer.resize(0);
            }
        }
    } emptier{m_buffer};
    if (fileNameLocked().isEmpty())
        return;
    checkDayLocked();
    if (isOpenLocked())
        closeLocked();
    openLocked();
    try {
        writeLocked(m_buffer.constData(), m_buffer.size());
    } catch (...) {
        try {
            closeLocked();
        } catch (...) {
        }
        throw;
    }
    closeLocked();
}

} // namespace kelvan
