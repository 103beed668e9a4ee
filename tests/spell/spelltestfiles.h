#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTextCodec>

// Small Hunspell dictionaries written into a test's temporary folder, so that
// results do not depend on the dictionaries installed on the machine.
namespace spelltest {

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A pair folder/code.aff + folder/code.dic holding `words`, encoded in
// `encoding` (a Hunspell SET name) and with a one-suffix affix rule so that
// "<word>s" is accepted too.
inline bool writeDictionary(const QString &folder, const QString &code, const QStringList &words,
                            const QByteArray &encoding = "UTF-8")
{
    const QByteArray aff = "SET " + encoding + "\nTRY esianrtolcdugmphbyfvkwzESIANRTOLCDUGMPHBYFVKWZ\n"
                           "SFX S Y 1\nSFX S 0 s .\n";
    QByteArray dic = QByteArray::number(words.size()) + '\n';
    QByteArray codecName = encoding;
    if (codecName.startsWith("ISO8859-"))
        codecName.insert(3, '-');
    QTextCodec *codec = QTextCodec::codecForName(codecName);
    for (const QString &word : words)
        dic += (codec ? codec->fromUnicode(word) : word.toUtf8()) + "/S\n";
    return writeFile(QDir(folder).filePath(code + QStringLiteral(".aff")), aff)
        && writeFile(QDir(folder).filePath(code + QStringLiteral(".dic")), dic);
}

inline const QStringList &sampleWords()
{
    static const QStringList words{QStringLiteral("hello"), QStringLiteral("world"), QStringLiteral("spell"),
                                   QStringLiteral("window"), QStringLiteral("message"), QString::fromUtf8("grüße")};
    return words;
}

} // namespace spelltest
