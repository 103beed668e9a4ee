#include "pictures/pastefolder.h"

#include "pictures/pictureslog.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The first of `candidate`, `candidate_2`, `candidate_3`... that no file has.
QString freeName(const QString &candidate, const QString &suffix)
{
    QString name = candidate + suffix;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = QStringLiteral("%1_%2%3").arg(candidate).arg(n).arg(suffix);
    return name;
}

} // namespace

QString PasteFolder::path()
{
    QDir temp(QDir::tempPath());
    const QString name = QString::fromLatin1(FolderName);
    if (!temp.mkpath(name)) {
        qCWarning(lcPictures) << "cannot create" << temp.filePath(name);
        return QString();
    }
    return QDir::toNativeSeparators(temp.filePath(name));
}

QString PasteFolder::copyPath(const QString &fileName, qint64 stampMs)
{
    const QString folder = path();
    if (folder.isEmpty() || fileName.isEmpty())
        return QString();
    const QString plain = folder + QDir::separator() + fileName;
    if (!QFileInfo::exists(plain))
        return plain;
    return freeName(QStringLiteral("%1_%2").arg(plain).arg(stampMs), QString());
}

QString PasteFolder::newPicturePath(const QString &base, qint64 stampMs, const QString &extension)
{
    const QString folder = path();
    if (folder.isEmpty())
        return QString();
    return freeName(QStringLiteral("%1%2%3_%4").arg(folder, QString(QDir::separator()), base).arg(stampMs),
                    QLatin1Char('.') + extension);
}

int PasteFolder::removeStale(const QDateTime &now)
{
    const QDir folder(QDir(QDir::tempPath()).filePath(QString::fromLatin1(FolderName)));
    if (!folder.exists())
        return 0;
    const QDateTime limit = now.addSecs(-MaxAgeSeconds);
    int removed = 0;
    for (const QFileInfo &file : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (file.lastModified() < limit && QFile::remove(file.filePath()))
            ++removed;
    }
    if (removed > 0)
        qCInfo(lcPictures) << "removed" << removed << "pasted pictures older than a day";
    return removed;
}
