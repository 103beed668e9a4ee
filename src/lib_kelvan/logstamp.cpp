#include "logstamp.h"

#include "clock.h"

#include <cstdlib>

namespace kelvan {

namespace {

// strftime's %B in the C locale: log lines read the same on every system.
const char *const kMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};

qint64 floorDiv(qint64 value, qint64 divisor)
{
    qint64 quotient = value / divisor;
    if ((value % divisor) != 0 && (value < 0) != (divisor < 0))
        --quotient;
    return quotient;
}

void appendTwoDigits(QByteArray &out, int value)
{
    out.append(char('0' + (value / 10) % 10));
    out.append(char('0' + value % 10));
}

QDate localDate(qint64 second, int offsetSeconds)
{
    // Julian day 2440588 is 1970-01-01.
    return QDate::fromJulianDay(floorDiv(second + offsetSeconds, 86400) + 2440588);
}

} // namespace

const LogStamp &LogStamp::current()
{
    thread_local LogStamp stamp;
    const Clock &clock = Clock::instance();
    const Clock::Instant now = clock.instant();
    const qint64 second = floorDiv(now.epochMs, 1000);
    if (stamp.m_prefix.isEmpty() || second != stamp.m_second || now.offsetSeconds != stamp.m_offsetSeconds
        || &clock != stamp.m_clock)
        stamp.refresh(&clock, second, now.offsetSeconds);
    return stamp;
}

void LogStamp::refresh(const Clock *clock, qint64 second, int offsetSeconds)
{
    m_clock = clock;
    m_second = second;
    m_offsetSeconds = offsetSeconds;
    m_date = localDate(second, offsetSeconds);
    m_prefix = format(second * 1000, offsetSeconds);
}

QByteArray LogStamp::format(qint64 epochMs, int offsetSeconds)
{
    const qint64 second = floorDiv(epochMs, 1000);
    const QDate date = localDate(second, offsetSeconds);
    const int secondOfDay = int(second + offsetSeconds - floorDiv(second + offsetSeconds, 86400) * 86400);

    QByteArray out;
    out.reserve(40);
    out.append(kMonths[date.month() - 1]);
    out.append(' ');
    appendTwoDigits(out, date.day());
    out.append(", ");
    out.append(QByteArray::number(date.year()));
    out.append(' ');
    appendTwoDigits(out, secondOfDay / 3600);
    out.append(':');
    appendTwoDigits(out, secondOfDay / 60 % 60);
    out.append(':');
    appendTwoDigits(out, secondOfDay % 60);
    out.append(offsetSeconds < 0 ? " GMT-" : " GMT+");
    // Whole hours, truncated: UTC+5:30 reads GMT+05.
    appendTwoDigits(out, std::abs(offsetSeconds) / 3600);
    out.append(' ');
    return out;
}

} // namespace kelvan
