#include "appfolder.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QtEndian>

#include <cmath>

Q_LOGGING_CATEGORY(lcAppFolder, "hostkit.appfolder")

namespace hostkit {

namespace {

Result copyTree(const QString &from, const QString &to)
{
    if (!QFileInfo(from).isDir())
        return Result::success(); // nothing generated yet: an empty folder is what the plug-in copes with
    QDir target(to);
    if (!target.mkpath(QStringLiteral(".")))
        return Result::failure(QStringLiteral("Cannot create %1").arg(to));
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = QDir(from).relativeFilePath(source);
        const QString destination = target.filePath(relative);
        const QFileInfo existing(destination);
        if (existing.exists() && existing.size() == it.fileInfo().size()
            && existing.lastModified() >= it.fileInfo().lastModified())
            continue;
        QDir().mkpath(QFileInfo(destination).absolutePath());
        QFile::remove(destination);
        if (!QFile::copy(source, destination))
            return Result::failure(QStringLiteral("Cannot copy %1 to %2").arg(source, destination));
    }
    return Result::success();
}

Result writeIfMissing(const QString &path, const QByteArray &content)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return Result::success();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return Result::failure(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    return Result::success();
}

} // namespace

AppFolder::Sources AppFolder::defaultSources()
{
    Sources s;
    s.appFolderSource = QStringLiteral(HOSTKIT_APPFOLDER_SOURCE);
    s.skinSource = QStringLiteral(HOSTKIT_SKIN_SOURCE);
    return s;
}

const QList<QPair<QString, QString>> &AppFolder::dictionaryLanguages()
{
    static const QList<QPair<QString, QString>> languages = {
        {QStringLiteral("en_US"), QStringLiteral("English (US)")},
        {QStringLiteral("en_EN"), QStringLiteral("English")},
        {QStringLiteral("de_DE"), QStringLiteral("German")},
        {QStringLiteral("fr_FR"), QStringLiteral("French")},
        {QStringLiteral("es_ES"), QStringLiteral("Spanish")},
        {QStringLiteral("ru_RU"), QStringLiteral("Russian")},
        {QStringLiteral("bg_BG"), QStringLiteral("Bulgarian")},
    };
    return languages;
}

Result AppFolder::prepare(const QString &folder, const Sources &sources)
{
    QDir root(folder);
    if (QFileInfo(folder).exists() && !QFileInfo(folder).isDir())
        return Result::failure(QStringLiteral("Cannot lay out the application folder %1: a file stands there.").arg(folder));
    for (const char *sub : {"plugins/chat/emoticons", "plugins/chat/dictionaries", "plugins/chat/sounds", "skin"}) {
        if (!root.mkpath(QLatin1String(sub)))
            return Result::failure(QStringLiteral("Cannot create %1").arg(root.filePath(QLatin1String(sub))));
    }

    Result r = copyTree(QDir(sources.appFolderSource).filePath(QStringLiteral("plugins/chat/emoticons")),
                        root.filePath(QStringLiteral("plugins/chat/emoticons")));
    if (!r)
        return r;
    r = copyTree(sources.skinSource, root.filePath(QStringLiteral("skin")));
    if (!r)
        return r;

    // Dictionaries: links to the system's files (they are large and never
    // change under us); en_EN, the default for the interface language "en",
    // is a real copy of en_US.
    const QDir dictionaries(root.filePath(QStringLiteral("plugins/chat/dictionaries")));
    QByteArray languagesTxt;
    for (const auto &[code, name] : dictionaryLanguages()) {
        const QString sourceCode = code == QLatin1String("en_EN") ? QStringLiteral("en_US") : code;
        bool complete = true;
        for (const char *suffix : {".aff", ".dic"}) {
            const QString source = QFileInfo(QDir(sources.dictionarySource).filePath(sourceCode + QLatin1String(suffix))).canonicalFilePath();
            const QString target = dictionaries.filePath(code + QLatin1String(suffix));
            if (source.isEmpty()) {
                complete = false;
                continue;
            }
            if (QFileInfo(target).exists())
                continue;
            QFile::remove(target); // a dangling link
            const bool made = code == QLatin1String("en_EN") ? QFile::copy(source, target) : QFile::link(source, target);
            if (!made)
                return Result::failure(QStringLiteral("Cannot place the dictionary %1").arg(target));
        }
        if (complete)
            languagesTxt += (code + QLatin1Char(' ') + name + QLatin1Char('\n')).toUtf8();
        else
            qCWarning(lcAppFolder) << "no Hunspell dictionary for" << code << "in" << sources.dictionarySource;
    }
    r = writeIfMissing(dictionaries.filePath(QStringLiteral("languages.txt")), languagesTxt);
    if (!r)
        return r;

    // A short A5 ping for messages, a falling three-tone buzz for nudges.
    r = writeIfMissing(root.filePath(QStringLiteral("plugins/chat/sounds/message.wav")), toneWav({880, 1320}, 70));
    if (!r)
        return r;
    return writeIfMissing(root.filePath(QStringLiteral("plugins/chat/sounds/nudge.wav")), toneWav({660, 440, 330}, 90));
}

QByteArray AppFolder::toneWav(const QList<int> &frequencies, int toneMs, int sampleRate)
{
    const int perTone = sampleRate * toneMs / 1000;
    const int fade = std::max(1, sampleRate / 200); // 5 ms
    QByteArray samples;
    samples.reserve(perTone * frequencies.size() * 2);
    for (int frequency : frequencies) {
        for (int i = 0; i < perTone; ++i) {
            const double envelope = std::min({1.0, double(i) / fade, double(perTone - 1 - i) / fade});
            const double value = 0.45 * envelope * std::sin(2.0 * M_PI * frequency * i / sampleRate);
            const qint16 sample = qint16(std::lround(value * 32767));
            char bytes[2];
            qToLittleEndian(sample, bytes);
            samples.append(bytes, 2);
        }
    }
    QByteArray wav;
    auto u32 = [&wav](quint32 v) { char b[4]; qToLittleEndian(v, b); wav.append(b, 4); };
    auto u16 = [&wav](quint16 v) { char b[2]; qToLittleEndian(v, b); wav.append(b, 2); };
    wav.append("RIFF");
    u32(quint32(36 + samples.size()));
    wav.append("WAVEfmt ");
    u32(16);
    u16(1);                          // PCM
    u16(1);                          // mono
    u32(quint32(sampleRate));
    u32(quint32(sampleRate * 2));    // bytes per second
    u16(2);                          // block align
    u16(16);                         // bits per sample
    wav.append("data");
    u32(quint32(samples.size()));
    wav.append(samples);
    return wav;
}

} // namespace hostkit
