#pragma once

#include <QByteArray>
#include <QDate>

namespace kelvan {

class Clock;

// The local time of Clock::instance() at second resolution, as the log
// family needs it: the calendar date for daily file names and the timestamp
// prefix of a line. Formatting a date costs far more than one log call may,
// so each thread formats once per second of clock time and reuses the
// result; the key includes the clock and the UTC offset, so installing
// another clock or a change of time zone takes effect at once.
class LogStamp
{
public:
    // The stamp for the clock's current instant (valid until the calling
    // thread asks again).
    static const LogStamp &current();

    // "March 05, 2026 14:30:15 GMT+02 " for the given instant: strftime's
    // "%B %d, %Y %H:%M:%S" with English month names, " GMT+" or " GMT-", the
    // offset in whole hours (truncated) as two digits, and the space that
    // separates it from the text.
    static QByteArray format(qint64 epochMs, int offsetSeconds);

    QDate date() const { return m_date; }
    const QByteArray &prefix() const { return m_prefix; }

private:
    void refresh(const Clock *clock, qint64 second, int offsetSeconds);

    const Clock *m_clock = nullptr;
    qint64 m_second = 0;
    int m_offsetSeconds = 0;
    QDate m_date;
    QByteArray m_prefix;
};

} // namespace kelvan
