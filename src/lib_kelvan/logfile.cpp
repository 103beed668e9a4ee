#include "logfile.h"

#include "exceptions.h"
#include "logstamp.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <exception>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace kelvan {

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

LogFile::LogFile() = default;

LogFile::LogFile(const QString &fileName, bool daily)
{
    setFileName(fileName, daily);
}

LogFile::~LogFile()
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_fd >= 0)
        ::close(m_fd);
}

void LogFile::setFileName(const QString &fileName, bool daily)
{
    std::lock_guard<std::mutex> guard(m_lock);
    // The old file is let go before the name changes; a failure to close it
    // is reported once the new name is in place.
    std::exception_ptr closeError;
    if (m_fd >= 0) {
        try {
            closeLocked();
        } catch (...) {
            closeError = std::current_exception();
        }
    }
    m_fileName = fileName;
    m_daily = daily;
    m_datedName.clear();
    m_datedFor = QDate();
    if (m_daily && !m_fileName.isEmpty()) {
        m_datedFor = LogStamp::current().date();
        m_datedName = datedFileName(m_fileName, m_datedFor);
    }
    if (closeError)
        std::rethrow_exception(closeError);
}

QString LogFile::fileName() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_fileName;
}

bool LogFile::isDaily() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_daily;
}

QString LogFile::currentFileName() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return targetLocked();
}

QString LogFile::datedFileName(const QString &fileName, const QDate &date)
{
    const int nameStart = qMax(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\'))) + 1;
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const bool hasExtension = dot >= nameStart;
    const QString stem = hasExtension ? fileName.left(dot) : fileName;
    const QString extension = hasExtension ? fileName.mid(dot) : QString();
    const QLatin1Char zero('0');
    return QStringLiteral("%1_%2%3%4%5")
        .arg(stem)
        .arg(date.year() % 100, 2, 10, zero)
        .arg(date.month(), 2, 10, zero)
        .arg(date.day(), 2, 10, zero)
        .arg(extension);
}

void LogFile::setEnabled(bool enabled)
{
    Log::setEnabled(enabled);
    if (enabled)
        return;
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_fd >= 0)
        closeLocked();
}

void LogFile::write(const QByteArray &line)
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_fileName.isEmpty())
        return;
    checkDayLocked();
    if (m_fd < 0)
        openLocked();
    writeLocked(line.constData(), line.size());
}

const QString &LogFile::targetLocked() const
{
    return m_daily ? m_datedName : m_fileName;
}

void LogFile::checkDayLocked()
{
    if (!m_daily || m_fileName.isEmpty())
        return;
    const QDate today = LogStamp::current().date();
    if (m_fd >= 0 && m_openedOn != today)
        closeLocked();
    if (m_datedFor != today) {
        m_datedFor = today;
        m_datedName = datedFileName(m_fileName, today);
    }
}

void LogFile::openLocked()
{
    const QString &target = targetLocked();
    const QByteArray path = QFile::encodeName(target);
    int fd;
    do {
        fd = ::open(path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        throw FileCantOpenException(QStringLiteral("%1: %2").arg(target, systemError(errno)));
    m_fd = fd;
    m_openedOn = m_daily ? m_datedFor : LogStamp::current().date();
}

void LogFile::writeLocked(const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(m_fd, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw FileCantWriteException(QStringLiteral("%1: %2").arg(targetLocked(), systemError(errno)));
        }
        data += written;
        size -= written;
    }
}

void LogFile::closeLocked()
{
    const int fd = m_fd;
    m_fd = -1;
    m_openedOn = QDate();
    // The descriptor is released even when close() reports an error, so it
    // is never closed twice.
    if (::close(fd) != 0 && errno != EINTR)
        throw FileCantCloseException(QStringLiteral("%1: %2").arg(targetLocked(), systemError(errno)));
}

} // namespace kelvan
