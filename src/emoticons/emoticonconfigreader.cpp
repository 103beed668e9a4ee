#include "emoticons/emoticonconfigreader.h"

#include "emoticons/emoticonslogging.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool isBlankByte(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

} // namespace

QStringList EmoticonConfigReader::readLines(const QByteArray &contents)
{
    QStringList lines;
    const char *data = contents.constData();
    const int size = contents.size();
    int lineStart = 0;
    while (lineStart <= size) {
        int lineEnd = contents.indexOf('\n', lineStart);
        if (lineEnd < 0)
            lineEnd = size;
        int first = lineStart;
        int last = lineEnd;
        while (first < last && isBlankByte(data[first]))
            ++first;
        while (last > first && isBlankByte(data[last - 1]))
            --last;
        if (last > first && data[first] != '#')
            lines.append(QString::fromUtf8(data + first, last - first));
        lineStart = lineEnd + 1;
    }
    return lines;
}

QVector<EmoticonConfigReader::Pair> EmoticonConfigReader::readPairs(const QByteArray &contents)
{
    QVector<Pair> pairs;
    const QStringList lines = readLines(contents);
    pairs.reserve(lines.size());
    for (const QString &line : lines) {
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            pairs.append(Pair(line, QString()));
        else
            pairs.append(Pair(line.left(equals), line.mid(equals + 1)));
    }
    return pairs;
}

QString EmoticonConfigReader::languageOfFile(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const int dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QByteArray EmoticonConfigReader::readFile(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcEmoticons) << "Cannot read" << path << ":" << file.errorString();
        return QByteArray();
    }
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        qCWarning(lcEmoticons) << "Cannot read" << path << ":" << file.errorString();
    return contents;
}
