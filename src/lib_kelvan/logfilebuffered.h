#pragma once

#include "logfile.h"

namespace kelvan {

// A file sink that collects lines in memory and touches the disk only in
// flush(): open in append mode, write everything, close. Inside a
// LogGroupThread that happens once per flush interval, on the worker.
class LogFileBuffered : public LogFile
{
public:
    LogFileBuffered();
    explicit LogFileBuffered(const QString &fileName, bool daily = false);
    ~LogFileBuffered() override;

    // Writes the buffer out (see LogFile for the exceptions). The buffer is
    // emptied even when that fails, so a file that stays unwritable does not
    // let memory grow without bound.
    void flush() override;
    void write(const QByteArray &line) override;
    void write(const LogLines &lines) override;

    qint64 bufferedBytes() const;

private:
    QByteArray m_buffer;
};

} // namespace kelvan
