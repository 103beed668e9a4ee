#pragma once

#include <QImage>
#include <QString>
#include <QThread>

#include <atomic>

// Writes one picture to a file on a thread of its own, registered with the
// library's thread manager while it runs. Encoding a screen-sized picture as
// PNG takes a good part of a second; the window that pasted it shows the
// picture at once and waits for the file only when it is about to send it.
//
// The file appears complete or not at all (QSaveFile). The job may be
// destroyed at any time: its destructor waits for the write to end.
class PictureWriteJob : public QThread
{
    Q_OBJECT
    Q_DISABLE_COPY(PictureWriteJob)

public:
    // `format`: the image writer's format name, "png" for example.
    PictureWriteJob(const QImage &picture, const QString &path, const QByteArray &format, QObject *parent = nullptr);
    ~PictureWriteJob() override;

    QString path() const { return m_path; }
    // Whether the file was written; false until the job has finished.
    bool succeeded() const { return m_succeeded.load(); }
    // Waits for the write to end; returns succeeded().
    bool waitWritten();

    // The name the thread registers under.
    static const char *registrationName();

protected:
    void run() override;

private:
    const QImage m_picture;
    const QString m_path;
    const QByteArray m_format;
    std::atomic<bool> m_succeeded{false};
};
