#pragma once

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

// Readers of the emoticon folder's text files ("order.cfg", "aliases.cfg",
// "*.lng"). All three are UTF-8, one item a line: lines end at line feeds,
// lose leading and trailing bytes up to 0x20 (so CR LF files read like LF
// files), and empty lines and lines starting with "#" are skipped.
class EmoticonConfigReader
{
public:
    using Pair = QPair<QString, QString>;

    // The kept lines of a file's contents, in file order.
    static QStringList readLines(const QByteArray &contents);

    // The kept lines split at their first "=" into key and value, in file
    // order; a line without "=" is a key with an empty value. Neither part is
    // trimmed further.
    static QVector<Pair> readPairs(const QByteArray &contents);

    // The language code of a ".lng" file: its file name up to the first ".".
    static QString languageOfFile(const QString &fileName);

    // The whole contents of a file, or an empty array (and a logged warning
    // unless the file is simply missing) when it cannot be read.
    static QByteArray readFile(const QString &path);
};
