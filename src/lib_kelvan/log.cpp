#include "log.h"

#include "logconsole.h"
#include "logfilebuffered.h"
#include "loggroupthread.h"
#include "logstamp.h"
#include "threadmanager.h"

#include <cstring>

namespace kelvan {

Log::Log() = default;

Log::~Log() = default;

void Log::log(const QStringList &texts)
{
    if (!isEnabled())
        return;
    LogLines lines;
    lines.reserve(texts.size());
    for (const QString &text : texts)
        lines.append(line(text));
    write(lines);
}

void Log::log(const QString &text)
{
    if (!isEnabled())
        return;
    write(line(text));
}

void Log::setEnabled(bool enabled)
{
    m_enabled.store(enabled, std::memory_order_relaxed);
}

void Log::flush()
{
}

void Log::write(const LogLines &lines)
{
    for (const QByteArray &each : lines)
        write(each);
}

QByteArray Log::line(const QString &text) const
{
    // Every caller of every thread comes through here, so the common case
    // (ASCII text) costs one allocation and two copies.
    const QByteArray *prefix = hasTimestamps() ? &LogStamp::current().prefix() : nullptr;
    const int prefixSize = prefix ? prefix->size() : 0;
    const QChar *chars = text.constData();
    const int length = text.size();
    bool ascii = true;
    for (int i = 0; i < length; ++i) {
        if (chars[i].unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (!ascii) {
        QByteArray out;
        const QByteArray utf8 = text.toUtf8();
        out.reserve(prefixSize + utf8.size() + 2);
        if (prefix)
            out.append(*prefix);
        out.append(utf8);
        out.append("\r\n", 2);
        return out;
    }
    QByteArray out(prefixSize + length + 2, Qt::Uninitialized);
    char *data = out.data();
    if (prefix)
        std::memcpy(data, prefix->constData(), size_t(prefixSize));
    char *body = data + prefixSize;
    for (int i = 0; i < length; ++i)
        body[i] = char(chars[i].unicode());
    body[length] = '\r';
    body[length + 1] = '\n';
    return out;
}

namespace {

// Members are declared before the group so that the group, destroyed first,
// writes out its queue while its members still exist.
struct DefaultLogHolder
{
    DefaultLogHolder()
    {
        // The worker registers with the thread manager until the group is
        // destroyed at exit; creating the manager first makes it outlive us.
        threadManager();
        group.addSink(&console);
        group.addSink(&file);
        console.setEnabled(false);
        file.setEnabled(false);
        file.setFileName(QString(), true);
        group.setEnabled(false);
    }

    LogConsole console;
    LogFileBuffered file;
    LogGroupThread group;
    std::atomic<bool> configured{false};
};

DefaultLogHolder &defaultHolder()
{
    static DefaultLogHolder holder;
    return holder;
}

void logPrefixed(Log &log, const char *prefix, const QString &text)
{
    log.log(QLatin1String(prefix) + text);
}

} // namespace

LogGroupThread &DefaultLog::group()
{
    return defaultHolder().group;
}

LogConsole &DefaultLog::console()
{
    return defaultHolder().console;
}

LogFileBuffered &DefaultLog::file()
{
    return defaultHolder().file;
}

void DefaultLog::configure(bool consoleOn, bool fileOn, const QString &fileName)
{
    DefaultLogHolder &holder = defaultHolder();
    holder.configured.store(true);
    // Each step on its own: a file that cannot be closed must not keep the
    // others from switching; the sink reports its trouble again when it next
    // writes.
    const auto step = [](auto &&action) {
        try {
            action();
        } catch (...) {
        }
    };
    step([&] { holder.group.flushNow(); });
    step([&] { holder.console.setEnabled(consoleOn); });
    step([&] { holder.file.setEnabled(fileOn); });
    step([&] { holder.file.setFileName(fileName, true); });
    holder.group.setEnabled(consoleOn || fileOn);
}

bool DefaultLog::isConfigured()
{
    return defaultHolder().configured.load();
}

Log &defaultLog()
{
    return DefaultLog::group();
}

void logError(const QString &text)
{
    try {
        logPrefixed(defaultLog(), "ERROR> ", text);
    } catch (...) {
    }
}

void logWarning(const QString &text)
{
    try {
        logPrefixed(defaultLog(), "WARNING> ", text);
    } catch (...) {
    }
}

void logError(Log &log, const QString &text)
{
    logPrefixed(log, "ERROR> ", text);
}

void logWarning(Log &log, const QString &text)
{
    logPrefixed(log, "WARNING> ", text);
}

} // namespace kelvan
