#pragma once

#include "log.h"

#include <QDate>

#include <mutex>

namespace kelvan {

// Appends lines to a file that stays open between writes. With the daily
// flag the lines go to a dated name (datedFileName) and a new file starts
// when the local date of kelvan::Clock changes. Bytes are written as given:
// no newline translation.
//
// Errors are raised: FileCantOpenException when the file cannot be opened,
// FileCantWriteException when a write fails, FileCantCloseException when
// closing fails. A LogGroup swallows them.
class LogFile : public Log
{
public:
    LogFile();
    explicit LogFile(const QString &fileName, bool daily = false);
    ~LogFile() override;

    // Closes the current file; with the daily flag the dated name is
    // computed at once. An empty name writes nothing.
    void setFileName(const QString &fileName, bool daily);
    QString fileName() const;
    bool isDaily() const;
    // Where lines go now: the dated name with the daily flag, else the name.
    QString currentFileName() const;

    // "chat.log" on 5 March 2026 gives "chat_260305.log": the stem before the
    // last dot of the file's own name, "_", year modulo 100, month and day
    // with two digits each, then the extension with its dot (none when the
    // name has no dot). Folders in front are kept as they are.
    static QString datedFileName(const QString &fileName, const QDate &date);

    // Disabling closes the file; enabling again reopens it on the next write.
    void setEnabled(bool enabled) override;
    void write(const QByteArray &line) override;

protected:
    // The helpers below expect m_lock to be held.

    // With the daily flag: closes a file opened on another day and moves the
    // dated name to today.
    void checkDayLocked();
    void openLocked();
    void writeLocked(const char *data, qint64 size);
    void closeLocked();
    bool isOpenLocked() const { return m_fd >= 0; }
    const QString &targetLocked() const;
    const QString &fileNameLocked() const { return m_fileName; }

    mutable std::mutex m_lock;

private:
    QString m_fileName;
    bool m_daily = false;
    QString m_datedName;
    QDate m_datedFor;    // the day m_datedName names
    QDate m_openedOn;    // the day the open file was opened
    int m_fd = -1;
};

} // namespace kelvan
