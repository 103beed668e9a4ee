#pragma once

#include "platform/screens.h"
#include "plugin/records/customstatus.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

// Shared by the settings tests: a fixed 1920 x 1080 screen with a 40 pixel
// task bar, and small file helpers for a temporary settings folder.
namespace settingstest {

inline QRect fullScreen() { return QRect(0, 0, 1920, 1080); }
inline QRect availableScreen() { return QRect(0, 0, 1920, 1040); }

// Installs fixed screens for the life of the object.
class ScreensGuard
{
public:
    ScreensGuard(const QRect &full = fullScreen(), const QRect &available = availableScreen())
        : m_screens(full, available)
    {
        platform::Screens::setInstance(&m_screens);
    }
    ~ScreensGuard() { platform::Screens::setInstance(nullptr); }

private:
    platform::FixedScreens m_screens;
};

inline bool writeBytes(const QString &folder, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(folder);
    QFile file(QDir(folder).filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString &folder, const QString &name)
{
    QFile file(QDir(folder).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool exists(const QString &folder, const QString &name)
{
    return QFile::exists(QDir(folder).filePath(name));
}

// Automatic replies as comparable lines: "status|custom text|reply|active".
inline QStringList replyLines(const QList<CustomStatus> &replies)
{
    QStringList lines;
    for (const CustomStatus &r : replies)
        lines << QStringLiteral("%1|%2|%3|%4")
                     .arg(r.statusCode())
                     .arg(r.displayText(), r.replyText())
                     .arg(int(r.isActive()));
    return lines;
}

} // namespace settingstest
