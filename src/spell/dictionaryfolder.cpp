#include "spell/dictionaryfolder.h"
#include "spell/spelllog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

bool bothFilesExist(const QString &folder, const QString &code)
{
    return QFileInfo(DictionaryFolder::affPath(folder, code)).isFile()
        && QFileInfo(DictionaryFolder::dicPath(folder, code)).isFile();
}

} // namespace

QString DictionaryFolder::forApplicationFolder(const QString &applicationFolder)
{
    const QString joined = QDir(applicationFolder).filePath(QStringLiteral("plugins/chat/dictionaries"));
    return QDir::cleanPath(joined) + QLatin1Char('/');
}

QString DictionaryFolder::affPath(const QString &folder, const QString &code)
{
    return QStringLiteral("%1%2%3").arg(folder, code, QStringLiteral(".aff"));
}

QString DictionaryFolder::dicPath(const QString &folder, const QString &code)
{
    return QStringLiteral("%1%2%3").arg(folder, code, QStringLiteral(".dic"));
}

bool DictionaryFolder::isValidCode(const QString &code)
{
    return !code.isEmpty() && code != QLatin1String(".") && code != QLatin1String("..")
        && !code.contains(QLatin1Char('/')) && !code.contains(QLatin1Char('\\'))
        && !code.contains(QChar(0));
}

QVector<SpellLanguage> DictionaryFolder::parseLanguagesText(const QByteArray &utf8)
{
    QVector<SpellLanguage> result;
    // Decoded by length: a stray NUL byte must not end the file early.
    QString text = QString::fromUtf8(utf8.constData(), utf8.size());
    // Editors on Windows like to start UTF-8 files with a byte order mark.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QVector<QStringRef> lines = text.splitRef(QLatin1Char('\n'));
    for (const QStringRef &raw : lines) {
        // trimmed() also drops the "\r" of files written on Windows.
        const QStringRef line = raw.trimmed();
        const int space = line.indexOf(QLatin1Char(' '));
        if (space < 0)
            continue;
        const QString code = line.left(space).toString();
        const QString name = line.mid(space + 1).trimmed().toString();
        if (!isValidCode(code) || name.isEmpty())
            continue;
        result.append({code, name});
    }
    return result;
}

QVector<SpellLanguage> DictionaryFolder::discover(const QString &folder)
{
    QVector<SpellLanguage> result;

    QFile list(folder + QStringLiteral("languages.txt"));
    if (list.open(QIODevice::ReadOnly)) {
        const QVector<SpellLanguage> listed = parseLanguagesText(list.readAll());
        for (const SpellLanguage &language : listed) {
            if (bothFilesExist(folder, language.code))
                result.append(language);
            else
                qCDebug(lcSpell) << "languages.txt names" << language.code << "but its .aff or .dic is missing";
        }
    }

    const QDir dir(folder);
    const QStringList affixFiles = dir.entryList({QStringLiteral("*.aff")},
                                                 QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                                                 QDir::Name);
    for (const QString &fileName : affixFiles) {
        const QString base = fileName.section(QLatin1Char('.'), 0, 0);
        if (!isValidCode(base))
            continue;
        const bool listed = std::any_of(result.cbegin(), result.cend(), [&base](const SpellLanguage &l) {
            return l.code.compare(base, Qt::CaseInsensitive) == 0;
        });
        if (listed)
            continue;
        if (QFileInfo(dicPath(folder, base)).isFile())
            result.append({base, base});
    }
    return result;
}
