#include "pictures/picturewritejob.h"

#include "lib_kelvan/threadmanager.h"
#include "pictures/pictureslog.h"

#include <QImageWriter>
#include <QSaveFile>

PictureWriteJob::PictureWriteJob(const QImage &picture, const QString &path, const QByteArray &format, QObject *parent)
    : QThread(parent)
    , m_picture(picture)
    , m_path(path)
    , m_format(format)
{
    setObjectName(QString::fromLatin1(registrationName()));
}

PictureWriteJob::~PictureWriteJob()
{
    wait();
}

const char *PictureWriteJob::registrationName()
{
    return "PictureWriter";
}

bool PictureWriteJob::waitWritten()
{
    wait();
    return succeeded();
}

void PictureWriteJob::run()
{
    const kelvan::ThreadRegistration registration(registrationName());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcPictures) << "cannot write" << m_path << file.errorString();
        return;
    }
    QImageWriter writer(&file, m_format);
    if (!writer.write(m_picture)) {
        qCWarning(lcPictures) << "cannot encode" << m_path << writer.errorString();
        file.cancelWriting();
        return;
    }
    if (!file.commit()) {
        qCWarning(lcPictures) << "cannot write" << m_path << file.errorString();
        return;
    }
    m_succeeded.store(true);
}
