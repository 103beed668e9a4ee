#include "spell/spellcheckloader.h"

#include "spell/spelllog.h"
#include "spell/wordencoder.h"

#include <QFile>
#include <QFileInfo>

#include <hunspell/hunspell.hxx>

#include <memory>

namespace {

// How many lines of the word list the usability probe reads. Some lists open
// with comment lines (de_DE has a dozen) or entries that only occur inside
// compounds, so one word is not enough; a few hundred spell tests take well
// under a millisecond.
constexpr int ProbeLines = 256;
constexpr qint64 ProbeLineBytes = 4096;

// The word of one ".dic" line: up to the first unescaped "/" (the affix
// flags) or the first tab or space (morphological fields).
std::string dictionaryWord(const QByteArray &line)
{
    std::string word;
    for (int i = 0; i < line.size(); ++i) {
        const char c = line.at(i);
        if (c == '\\' && i + 1 < line.size() && line.at(i + 1) == '/') {
            word.push_back('/');
            ++i;
            continue;
        }
        if (c == '/' || c == '\t' || c == ' ' || c == '\r' || c == '\n')
            break;
        word.push_back(c);
    }
    return word;
}

bool acceptsOwnWords(Hunspell &speller, const QString &dictPath)
{
    QFile file(dictPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    file.readLine(ProbeLineBytes); // the word count
    for (int i = 0; i < ProbeLines && !file.atEnd(); ++i) {
        const QByteArray line = file.readLine(ProbeLineBytes);
        // Lines starting with a tab are comments in several Debian lists.
        if (line.startsWith('\t') || line.startsWith('#'))
            continue;
        const std::string word = dictionaryWord(line);
        // Hunspell accepts the empty word, which proves nothing.
        if (!word.empty() && speller.spell(word))
            return true;
    }
    return false;
}

} // namespace

SpellCheckLoader::SpellCheckLoader(QObject *parent)
    : QObject(parent)
{
}

SpellCheckLoader::~SpellCheckLoader() = default;

Hunspell *SpellCheckLoader::buildSpeller(const QString &affPath, const QString &dictPath, QString *reason)
{
    auto fail = [reason](const QString &why) -> Hunspell * {
        if (reason)
            *reason = why;
        return nullptr;
    };
    if (!QFileInfo(affPath).isFile())
        return fail(QStringLiteral("missing affix file %1").arg(affPath));
    if (!QFileInfo(dictPath).isFile())
        return fail(QStringLiteral("missing word list %1").arg(dictPath));

    // Hunspell opens the files with fopen(), which takes the platform's file
    // name encoding.
    auto speller = std::make_unique<Hunspell>(QFile::encodeName(affPath).constData(),
                                              QFile::encodeName(dictPath).constData());
    const QByteArray encoding = QByteArray::fromStdString(speller->get_dict_encoding());
    if (!WordEncoder(encoding).isValid())
        return fail(QStringLiteral("unknown encoding \"%1\" in %2").arg(QString::fromLatin1(encoding), affPath));
    if (!acceptsOwnWords(*speller, dictPath))
        return fail(QStringLiteral("%1 is empty or unreadable: none of its first words is accepted").arg(dictPath));
    return speller.release();
}

void SpellCheckLoader::onLoadSpeller(QString bcp47code, QString affPath, QString dictPath)
{
    QString reason;
    Hunspell *speller = buildSpeller(affPath, dictPath, &reason);
    if (!speller) {
        qCWarning(lcSpell) << "Dictionary" << bcp47code << "not loaded:" << reason;
        Q_EMIT spellerNotLoaded(bcp47code);
        return;
    }
    qCDebug(lcSpell) << "Dictionary" << bcp47code << "loaded from" << dictPath;
    Q_EMIT spellerLoaded(bcp47code, speller);
}
