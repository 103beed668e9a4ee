#include "emoticons/emotionboxmanager.h"

#include "emoticons/emoticonconfigreader.h"
#include "emoticons/emoticonentry.h"
#include "emoticons/emoticonslogging.h"
#include "pictures/pictureloader.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMovie>
#include <QSet>
#include <QStringView>
#include <QVarLengthArray>

#include <algorithm>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <functional>
#include <unordered_map>
#include <vector>

Q_LOGGING_CATEGORY(lcEmoticons, "chat.emoticons")

namespace {

const QString CatalogueFolder = QStringLiteral("plugins/chat/emoticons");
const QString SmallFolder = QStringLiteral("32x32");
const QString BigFolder = QStringLiteral("128x128");
const QString ConfigFolder = QStringLiteral("config");
const QString BigResourceSuffix = QStringLiteral("_big");

// Characters up to U+0020 separate the words that aliases must stand as.
inline bool isSeparator(QChar c)
{
    return c.unicode() <= 0x20;
}

// The animated picture is preferred; an emoticon without either is skipped.
QString picturePath(const QString &folder, const QString &name)
{
    const QString mng = folder + QLatin1Char('/') + name + QLatin1String(".mng");
    if (QFileInfo(mng).isFile())
        return mng;
    const QString png = folder + QLatin1Char('/') + name + QLatin1String(".png");
    if (QFileInfo(png).isFile())
        return png;
    return QString();
}

// The trimmed, non-empty texts between each "(" and the next ")", scanning on
// after that ")", that `keep` accepts.
template<typename Keep>
QSet<QString> collectCodes(const QString &text, Keep keep)
{
    QSet<QString> codes;
    int from = 0;
    for (;;) {
        const int open = text.indexOf(QLatin1Char('('), from);
        if (open < 0)
            break;
        const int close = text.indexOf(QLatin1Char(')'), open + 1);
        if (close < 0)
            break;
        const QString code = text.mid(open + 1, close - open - 1).trimmed();
        if (!code.isEmpty() && keep(code))
            codes.insert(code);
        from = close + 1;
    }
    return codes;
}

// Replaces every "(" NAME ")" of the text for which markupFor(NAME) gives
// markup (a pointer that stays valid until the end; null: not a code), in one
// left-to-right pass. A NAME never contains ")", so at each "(" the only
// candidate is the text up to the next ")". Inserted markup is not scanned
// again: a description that mentions another code must not have an image
// planted inside its attribute. The matches are found first and the output
// is sized once: a message made of codes grows many times over, and growing
// the result step by step would copy and fault in its pages again at every
// step.
template<typename MarkupFor>
QString replaceCodeRuns(const QString &text, int longestName, MarkupFor markupFor)
{
    struct Match
    {
        int open;
        int close;
        const QString *markup;
    };
    QVarLengthArray<Match, 16> matches;
    const QChar *data = text.constData();
    const int n = text.size();
    qsizetype outputSize = n;
    int close = -1;
    int open = text.indexOf(QLatin1Char('('));
    while (open >= 0) {
        if (close <= open) {
            close = text.indexOf(QLatin1Char(')'), open + 1);
            if (close < 0)
                break;
        }
        const int length = close - open - 1;
        int next = open + 1;
        if (length <= longestName) {
            if (const QString *markup = markupFor(QStringView(data + open + 1, length))) {
                matches.append({open, close, markup});
                outputSize += markup->size() - (length + 2);
                next = close + 1;
            }
        }
        open = text.indexOf(QLatin1Char('('), next);
    }
    if (matches.isEmpty())
        return text;
    QString out(int(outputSize), Qt::Uninitialized);
    QChar *target = out.data();
    int copied = 0;
    for (const Match &match : qAsConst(matches)) {
        target = std::copy_n(data + copied, match.open - copied, target);
        target = std::copy_n(match.markup->constData(), match.markup->size(), target);
        copied = match.close + 1;
    }
    std::copy_n(data + copied, n - copied, target);
    return out;
}

} // namespace

EmotionBoxManager::EmotionBoxManager(QObject *parent)
    : QObject(parent)
{
}

EmotionBoxManager::~EmotionBoxManager()
{
    clear();
}

bool EmotionBoxManager::loadCatalogue(const QString &applicationFolder)
{
    if (!m_entries.isEmpty())
        return true;
    clear();
    m_smallSize = QSize(32, 32);
    m_bigSize = QSize(128, 128);

    const QString folder = QDir(applicationFolder).filePath(CatalogueFolder);
    const QString configFolder = folder + QLatin1Char('/') + ConfigFolder;
    loadEntries(folder);
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        m_entryNames.append(it.key());
        m_entryList.append(it.value());
    }
    loadDescriptions(configFolder);
    for (const EmoticonEntry *entry : qAsConst(m_entryList)) {
        // Text the space pass would change, in the src, alt or title.
        const auto spaced = [](const QString &text) {
            return text.contains(QLatin1String("  ")) || text.contains(QLatin1Char('\r'));
        };
        m_codesNeedPasses = m_codesNeedPasses || entry->name().contains(QLatin1Char('&'))
                            || entry->name().contains(QLatin1Char('<')) || spaced(entry->name());
        for (const QString &description : entry->descriptions())
            m_codesNeedPasses = m_codesNeedPasses || spaced(description);
    }
    loadAliases(configFolder);
    buildAliasIndex();
    qCDebug(lcEmoticons) << "Loaded" << m_entries.size() << "emoticons and" << m_aliases.size()
                         << "aliases from" << folder;
    return !m_entries.isEmpty();
}

void EmotionBoxManager::loadEntries(const QString &folder)
{
    const QString smallFolder = folder + QLatin1Char('/') + SmallFolder;
    const QString bigFolder = folder + QLatin1Char('/') + BigFolder;
    const QStringList names = EmoticonConfigReader::readLines(
        EmoticonConfigReader::readFile(folder + QLatin1Char('/') + ConfigFolder + QLatin1String("/order.cfg")));
    for (const QString &name : names) {
        // A name is a file name in the picture folders, never a path.
        if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
            qCWarning(lcEmoticons) << "Emoticon name" << name << "is not a plain file name; left out";
            continue;
        }
        const QString smallPath = picturePath(smallFolder, name);
        if (smallPath.isEmpty()) {
            qCWarning(lcEmoticons) << "Emoticon" << name << "has no picture in" << smallFolder << "; left out";
            continue;
        }
        const QString bigPath = picturePath(bigFolder, name);
        if (bigPath.isEmpty()) {
            qCWarning(lcEmoticons) << "Emoticon" << name << "has no picture in" << bigFolder << "; left out";
            continue;
        }
        // A repeated name reads the same files again, so the entry already
        // made for it stands for both picker cells.
        if (!m_entries.contains(name)) {
            PictureLoader::Animation small = PictureLoader::loadAnimation(smallPath, m_smallSize);
            PictureLoader::Animation big = PictureLoader::loadAnimation(bigPath, m_bigSize);
            if (!small.movie || !big.movie) {
                qCWarning(lcEmoticons) << "Emoticon" << name << "has a picture that cannot be shown"
                                       << (small.movie ? bigPath : smallPath) << "; left out";
                continue;
            }
            m_entries.insert(name, new EmoticonEntry(name, smallPath, std::move(small.movie), bigPath,
                                                     std::move(big.movie)));
            m_longestName = std::max(m_longestName, int(name.size()));
        }
        m_pickerOrder.append(name);
    }
}

void EmotionBoxManager::loadDescriptions(const QString &configFolder)
{
    const QStringList files = QDir(configFolder).entryList(QDir::Files, QDir::Name);
    for (const QString &fileName : files) {
        if (!fileName.endsWith(QLatin1String(".lng")))
            continue;
        const QString language = EmoticonConfigReader::languageOfFile(fileName);
        const auto pairs = EmoticonConfigReader::readPairs(
            EmoticonConfigReader::readFile(configFolder + QLatin1Char('/') + fileName));
        for (const auto &pair : pairs) {
            if (EmoticonEntry *entry = m_entries.value(pair.first))
                entry->setDescription(language, pair.second);
        }
    }
}

void EmotionBoxManager::loadAliases(const QString &configFolder)
{
    const auto pairs = EmoticonConfigReader::readPairs(
        EmoticonConfigReader::readFile(configFolder + QLatin1String("/aliases.cfg")));
    for (const auto &pair : pairs) {
        // An empty alias would match between every two characters.
        if (pair.first.isEmpty()) {
            qCWarning(lcEmoticons) << "Alias line with an empty alias text ignored:" << pair.second;
            continue;
        }
        m_aliases.insert(pair.first, pair.second);
    }
}

void EmotionBoxManager::buildAliasIndex()
{
    m_aliasKeys.clear();
    m_aliasValues.clear();
    m_aliasRuns.clear();
    m_aliasFirstChars = QBitArray(0x10000);
    m_asciiAliasFirstChars[0] = m_asciiAliasFirstChars[1] = 0;
    m_onlyWordAliases = true;
    for (auto it = m_aliases.cbegin(); it != m_aliases.cend(); ++it) {
        const QString &key = it.key();
        const bool word = std::none_of(key.cbegin(), key.cend(), isSeparator);
        const int index = m_aliasKeys.size();
        m_aliasKeys.append(key);
        m_aliasValues.append(it.value());
        m_aliasFirstChars.setBit(key.at(0).unicode());
        if (key.at(0).unicode() < 128)
            m_asciiAliasFirstChars[key.at(0).unicode() / 64] |= quint64(1) << (key.at(0).unicode() % 64);
        m_onlyWordAliases = m_onlyWordAliases && word;
        if (word && !m_aliasRuns.isEmpty() && m_aliasRuns.last().wordAliases)
            m_aliasRuns.last().end = index + 1;
        else
            m_aliasRuns.append(AliasRun{index, index + 1, word});
    }
}

void EmotionBoxManager::clear()
{
    qDeleteAll(m_entries);
    m_entries.clear();
    m_entryNames.clear();
    m_entryList.clear();
    m_codeMarkups.clear();
    m_codeMarkupLanguage.clear();
    m_longestName = 0;
    m_codesNeedPasses = false;
    m_pickerOrder.clear();
    m_aliases.clear();
    m_aliasKeys.clear();
    m_aliasValues.clear();
    m_aliasRuns.clear();
    m_aliasFirstChars.clear();
}

const EmoticonEntry *EmotionBoxManager::findEntry(const QString &name) const
{
    return m_entries.value(name);
}

QVector<const EmoticonEntry *> EmotionBoxManager::entries() const
{
    QVector<const EmoticonEntry *> list;
    list.reserve(m_entries.size());
    for (const EmoticonEntry *entry : m_entries)
        list.append(entry);
    return list;
}

QMovie *EmotionBoxManager::animationForResource(const QString &resource) const
{
    if (const EmoticonEntry *entry = m_entries.value(resource))
        return entry->smallAnimation();
    if (resource.endsWith(BigResourceSuffix)) {
        if (const EmoticonEntry *entry = m_entries.value(resource.left(resource.size() - BigResourceSuffix.size())))
            return entry->bigAnimation();
    }
    return nullptr;
}

QString EmotionBoxManager::emoticonDescription(const EmoticonEntry *entry, const QString &language) const
{
    if (!entry)
        return QString();
    const QHash<QString, QString> &descriptions = entry->descriptions();
    for (const QString &candidate : {language, QStringLiteral("en"), QStringLiteral("default")}) {
        const auto it = descriptions.constFind(candidate);
        if (it != descriptions.cend())
            return it.value();
    }
    return QString();
}

bool EmotionBoxManager::containsAliasFirstChar(const QString &text) const
{
    if (m_aliasFirstChars.isEmpty())
        return false;
    return std::any_of(text.cbegin(), text.cend(),
                       [this](QChar c) { return m_aliasFirstChars.testBit(c.unicode()); });
}

QString EmotionBoxManager::replaceAliases(const QString &text) const
{
    // The word pass rejects text without aliases on its own, without
    // copying it; only a spaced alias needs the quick test first.
    if (m_aliasRuns.isEmpty() || (!m_onlyWordAliases && !containsAliasFirstChar(text)))
        return text;
    QString current = text;
    for (const AliasRun &run : m_aliasRuns)
        current = run.wordAliases ? replaceWordAliases(current, run) : replaceSpacedAlias(current, run.first);
    return current;
}

// Aliases without separator characters can only ever replace a whole word
// (a maximal run of characters above U+0020): the boundary rule demands a
// separator or an end on both sides, and an occurrence that is not replaced
// cannot hide a replaceable one overlapping it, since that one would start
// right after an alias character. Applying the run's aliases one after the
// other therefore comes down to: each word that equals alias i becomes
// value i, whose own words go through the aliases after i. One scan of the
// text with a binary search per word replaces the repeated scans, and each
// value's expansion is worked out once per call.
// The values already expanded in one call, by alias index; a message
// repeats a few smileys.
struct EmotionBoxManager::AliasExpansions
{
    QVarLengthArray<QPair<int, QString>, 8> values;
};

QString EmotionBoxManager::replaceWordAliases(const QString &text, const AliasRun &run) const
{
    AliasExpansions expansions;
    return expandWordAliases(text, run.first, run, expansions);
}

// Recursion only goes to later aliases, so it ends within the run.
QString EmotionBoxManager::expandWordAliases(const QString &input, int from, const AliasRun &run,
                                             AliasExpansions &expansions) const
{
    const QChar *data = input.constData();
    const int size = input.size();
    const auto keysBegin = m_aliasKeys.cbegin() + from;
    const auto keysEnd = m_aliasKeys.cbegin() + run.end;
    QString out;
    int copied = 0;
    for (int i = nextAliasWord(data, 0, size); i < size; i = nextAliasWord(data, i + 1, size)) {
        const int start = i;
        int pos = start + 1;
        while (pos < size && !isSeparator(data[pos]))
            ++pos;
        // No later word starts inside this one.
        i = pos - 1;
        const QStringView word(data + start, pos - start);
        const auto it = std::lower_bound(keysBegin, keysEnd, word, [](const QString &key, QStringView w) {
            return QStringView(key).compare(w) < 0;
        });
        if (it == keysEnd || QStringView(*it) != word)
            continue;
        const int index = int(it - m_aliasKeys.cbegin());
        const QString *value = nullptr;
        for (const auto &done : qAsConst(expansions.values)) {
            if (done.first == index)
                value = &done.second;
        }
        if (!value) {
            QString expanded = expandWordAliases(m_aliasValues.at(index), index + 1, run, expansions);
            expansions.values.append(qMakePair(index, std::move(expanded)));
            value = &expansions.values.last().second;
        }
        if (out.isNull())
            out.reserve(size + value->size());
        out.append(data + copied, start - copied);
        out.append(*value);
        copied = pos;
    }
    if (out.isNull())
        return input;
    out.append(data + copied, size - copied);
    return out;
}

// The start of the first word at or after `from` that opens with an
// alias's first character, or `size`. Words start at `from` or after a
// separator; separators are found eight characters at a time where the
// processor can, since every message is searched.
int EmotionBoxManager::nextAliasWord(const QChar *data, int from, int size) const
{
    const quint64 low = m_asciiAliasFirstChars[0];
    const quint64 high = m_asciiAliasFirstChars[1];
    const auto opens = [&](int i) {
        const ushort u = data[i].unicode();
        if (u <= 0x20)
            return false;
        return u < 128 ? ((((u & 64) ? high : low) >> (u & 63)) & 1) != 0 : m_aliasFirstChars.testBit(u);
    };
    if (from >= size)
        return size;
    if ((from == 0 || isSeparator(data[from - 1])) && opens(from))
        return from;
    int k = from; // separators before k are done with
#ifdef __SSE2__
    const __m128i space = _mm_set1_epi16(0x20);
    const __m128i zero = _mm_setzero_si128();
    for (; k + 8 <= size; k += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + k));
        // Code units up to U+0020 subtract to zero.
        unsigned mask = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_subs_epu16(v, space), zero))) & 0x5555u;
        while (mask != 0) {
            const int next = k + __builtin_ctz(mask) / 2 + 1;
            if (next < size && opens(next))
                return next;
            mask &= mask - 1;
        }
    }
#endif
    for (; k < size; ++k) {
        if (isSeparator(data[k]) && k + 1 < size && opens(k + 1))
            return k + 1;
    }
    return size;
}

// One alias with a separator character in it, applied exactly as the plain
// scan would: find it from the scan position; replace it when it stands on
// separators or ends; go on after the replacement or after the occurrence
// while the position is before the last character. The result is built in a
// new string instead of replacing in place, which would move the rest of the
// text once per replacement.
QString EmotionBoxManager::replaceSpacedAlias(const QString &text, int index) const
{
    const QString &alias = m_aliasKeys.at(index);
    const QString &value = m_aliasValues.at(index);
    const int size = text.size();
    QString out;
    int copied = 0;
    int pos = 0;
    for (;;) {
        const int found = text.indexOf(alias, pos);
        if (found < 0)
            break;
        const int end = found + alias.size();
        // The character before an occurrence is never part of an inserted
        // value: a replaced occurrence is followed by a separator, and no
        // alias starts with one, so the next occurrence starts later.
        const bool before = found == 0 || isSeparator(text.at(found - 1));
        const bool after = end == size || isSeparator(text.at(end));
        if (before && after) {
            out.append(text.constData() + copied, found - copied);
            out.append(value);
            copied = end;
        }
        pos = end;
        if (pos >= size - 1)
            break;
    }
    if (copied == 0)
        return text;
    out.append(text.constData() + copied, size - copied);
    return out;
}

const EmoticonEntry *EmotionBoxManager::entryNamed(QStringView name) const
{
    const auto it = std::lower_bound(m_entryNames.cbegin(), m_entryNames.cend(), name,
                                     [](const QString &key, QStringView n) { return QStringView(key).compare(n) < 0; });
    if (it == m_entryNames.cend() || QStringView(*it) != name)
        return nullptr;
    return m_entryList.at(int(it - m_entryNames.cbegin()));
}

QString EmotionBoxManager::imageMarkup(const EmoticonEntry *entry, const QString &language, bool big) const
{
    const QSize size = big ? m_bigSize : m_smallSize;
    const QString resource = big ? entry->name() + BigResourceSuffix : entry->name();
    const QString description = emoticonDescription(entry, language).toHtmlEscaped();
    return QLatin1String("<img src=\"") + resource.toHtmlEscaped() + QLatin1String("\" alt=\"") + description
           + QLatin1String("\" title=\"") + description + QLatin1String("\" border=\"0\" width=")
           + QString::number(size.width()) + QLatin1String(" height=") + QString::number(size.height())
           + QLatin1String(" >");
}

const QString &EmotionBoxManager::codeMarkup(const EmoticonEntry *entry, const QString &language) const
{
    if (m_codeMarkups.size() != m_entryList.size() || language != m_codeMarkupLanguage) {
        m_codeMarkups = QVector<QString>(m_entryList.size());
        m_codeMarkupLanguage = language;
    }
    const int index = int(std::find(m_entryList.cbegin(), m_entryList.cend(), entry) - m_entryList.cbegin());
    QString &markup = m_codeMarkups[index];
    if (markup.isNull())
        markup = imageMarkup(entry, language, false);
    return markup;
}

// Finds codes the way codesInName does (the trimmed text between each "("
// and the next ")", scanning on after that ")"), then replaces every exact
// "(name)" of those codes in one scan, without a string or a table made for
// text that names no entry.
QString EmotionBoxManager::replaceCodes(const QString &text, const QString &language, bool bigSingleEmoticons) const
{
    int open = text.indexOf(QLatin1Char('('));
    if (open < 0 || m_entryList.isEmpty())
        return text;
    const QChar *data = text.constData();
    QVarLengthArray<const EmoticonEntry *, 8> names;
    int longestName = 0;
    while (open >= 0) {
        const int close = text.indexOf(QLatin1Char(')'), open + 1);
        if (close < 0)
            break;
        const QStringView code = QStringView(data + open + 1, close - open - 1).trimmed();
        if (!code.isEmpty() && code.size() <= m_longestName) {
            const EmoticonEntry *entry = entryNamed(code);
            if (entry && std::find(names.cbegin(), names.cend(), entry) == names.cend()) {
                names.append(entry);
                longestName = std::max(longestName, int(code.size()));
            }
        }
        open = text.indexOf(QLatin1Char('('), close + 1);
    }
    if (names.isEmpty())
        return text;

    const EmoticonEntry *bigEntry = nullptr;
    if (bigSingleEmoticons) {
        const QStringView trimmed = QStringView(text).trimmed();
        if (trimmed.startsWith(QLatin1Char('(')) && trimmed.endsWith(QLatin1Char(')'))) {
            const EmoticonEntry *inner = entryNamed(trimmed.mid(1, trimmed.size() - 2));
            if (inner && std::find(names.cbegin(), names.cend(), inner) != names.cend())
                bigEntry = inner;
        }
    }

    QString bigMarkup;
    return replaceCodeRuns(text, longestName, [&](QStringView name) -> const QString * {
        const EmoticonEntry *entry = entryNamed(name);
        if (!entry || std::find(names.cbegin(), names.cend(), entry) == names.cend())
            return nullptr;
        if (entry != bigEntry)
            return &codeMarkup(entry, language);
        if (bigMarkup.isNull())
            bigMarkup = imageMarkup(entry, language, true);
        return &bigMarkup;
    });
}

QString EmotionBoxManager::codesInName(const QString &text, int height) const
{
    if (!text.contains(QLatin1Char('(')))
        return text;
    const QSet<QString> names = collectCodes(text, [this](const QString &code) {
        const EmoticonEntry *entry = m_entries.value(code);
        return entry && !entry->smallPath().isEmpty();
    });
    if (names.isEmpty())
        return text;
    int longestName = 0;
    for (const QString &name : names)
        longestName = std::max(longestName, int(name.size()));
    // Each name's markup is made once (a long name repeats a few codes); the
    // map keeps every markup where the matches point.
    std::unordered_map<QString, QString> markups;
    return replaceCodeRuns(text, longestName, [&](QStringView view) -> const QString * {
        const QString name = view.toString();
        if (!names.contains(name))
            return nullptr;
        auto made = markups.find(name);
        if (made == markups.end()) {
            QString markup;
            if (height > 0)
                markup = QStringLiteral("<img src=\"%1\" border=\"0\" height=%2 valign=\"bottom\" "
                                        "style=\"vertical-align:bottom;\">")
                             .arg(m_entries.value(name)->smallPath().toHtmlEscaped(), QString::number(height));
            made = markups.emplace(name, markup).first;
        }
        return &made->second;
    });
}

int EmotionBoxManager::pickerGap(int cellWidth)
{
    return qBound(1, cellWidth * 15 / 100, 30);
}

QPoint EmotionBoxManager::pickerCellPosition(int index, QSize cellSize)
{
    const int gap = pickerGap(cellSize.width());
    return QPoint((cellSize.width() + gap) * (index % PickerColumns) + gap,
                  (cellSize.height() + gap) * (index / PickerColumns) + gap);
}

QSize EmotionBoxManager::pickerFrameSize(int cellCount, QSize cellSize)
{
    const int gap = pickerGap(cellSize.width());
    const int rows = std::max(1, (cellCount + PickerColumns - 1) / PickerColumns);
    return QSize(gap + PickerColumns * (cellSize.width() + gap), rows * (cellSize.height() + gap) + gap);
}
