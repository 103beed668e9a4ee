#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>

namespace kelvan {

class LogConsole;
class LogFileBuffered;
class LogGroupThread;

// Finished lines handed from a logger to its sinks, in order.
using LogLines = QVector<QByteArray>;

// Base of the log sinks. log() turns texts into finished lines (UTF-8, an
// optional timestamp in front, CR LF at the end) and hands them to write(),
// which each sink implements.
//
// With timestamps on, a line reads "March 05, 2026 14:30:15 GMT+02 text":
// the local time of kelvan::Clock with English month names whatever the
// system locale, and the offset from UTC in whole hours.
class Log
{
public:
    Log();
    virtual ~Log();

    // Keep the virtual operations in this order: the table layout is part of
    // the support library's binary interface.

    // One line per text, passed as one batch to write(lines). Nothing while
    // disabled.
    virtual void log(const QStringList &texts);
    virtual void log(const QString &text);
    virtual void setEnabled(bool enabled);
    // Pushes out what a sink holds back; nothing in the base.
    virtual void flush();
    // One finished line, CR LF included.
    virtual void write(const QByteArray &line) = 0;
    // The base writes the lines one by one.
    virtual void write(const LogLines &lines);

    bool isEnabled() const { return m_enabled.load(std::memory_order_relaxed); }
    bool hasTimestamps() const { return m_timestamps.load(std::memory_order_relaxed); }
    void setTimestamps(bool on) { m_timestamps.store(on, std::memory_order_relaxed); }

    // The finished line log(text) writes.
    QByteArray line(const QString &text) const;

private:
    Q_DISABLE_COPY(Log)

    std::atomic<bool> m_timestamps{true};
    std::atomic<bool> m_enabled{true};
};

// The process-wide default logger: a LogGroupThread whose members are one
// LogConsole and one LogFileBuffered (daily file names). It is created on
// first use with both sinks switched off and no file name, so the library
// writes nothing anywhere until the logger is configured. No call on it lets
// an exception reach the caller. It lives until the process ends; lines
// still queued then are written and flushed.
class DefaultLog
{
public:
    static LogGroupThread &group();
    static LogConsole &console();
    static LogFileBuffered &file();

    // Switches the console and the file sink; the file sink writes to dated
    // names derived from fileName. The group is enabled exactly when one of
    // the two sinks is. Lines already logged go where they were meant to
    // before the file name changes.
    static void configure(bool consoleOn, bool fileOn, const QString &fileName);
    // Whether configure() has been called.
    static bool isConfigured();

private:
    DefaultLog() = delete;
};

// The default logger as a plain Log.
Log &defaultLog();

// log() on the default logger (never throws) or on the given one (throws
// what that logger throws) with "ERROR> " or "WARNING> " in front.
void logError(const QString &text);
void logWarning(const QString &text);
void logError(Log &log, const QString &text);
void logWarning(Log &log, const QString &text);

} // namespace kelvan
