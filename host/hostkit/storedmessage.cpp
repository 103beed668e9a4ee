#include "storedmessage.h"

namespace hostkit {

qint64 storeTimeFromDateTime(const QDateTime &dateTime)
{
    const QDateTime utc = dateTime.toUTC();
    const QDate d = utc.date();
    const QTime t = utc.time();
    return qint64(d.year()) * 10000000000LL + qint64(d.month()) * 100000000LL + qint64(d.day()) * 1000000LL
        + qint64(t.hour()) * 10000 + qint64(t.minute()) * 100 + t.second();
}

qint64 storeTimeFromSecondsSince1970(qint64 seconds)
{
    return storeTimeFromDateTime(QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC));
}

QDateTime dateTimeFromStoreTime(qint64 storeTime)
{
    if (storeTime < 0)
        return QDateTime();
    const int second = int(storeTime % 100);
    const int minute = int(storeTime / 100 % 100);
    const int hour = int(storeTime / 10000 % 100);
    const int day = int(storeTime / 1000000 % 100);
    const int month = int(storeTime / 100000000 % 100);
    const int year = int(storeTime / 10000000000LL);
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time, Qt::UTC);
}

} // namespace hostkit
