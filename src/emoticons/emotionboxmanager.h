#pragma once

#include <QBitArray>
#include <QMap>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringView>
#include <QStringList>
#include <QVector>

#include <memory>

class EmoticonEntry;
class QMovie;

// The emoticon catalogue: named animated pictures read from the
// installation's "plugins/chat/emoticons/" folder, the table that turns typed
// text smileys into emoticon codes "(name)", and the passes that turn codes
// into images in rendered messages and user names.
//
// This class needs Qt Gui only (the animations are QMovie objects). The
// picker popup is a widget and lives in a widgets target on top of it; it
// builds its cells from pickerOrder(), findEntry(), emoticonDescription() and
// the picker geometry below, and maps a clicked cell to its picker index.
//
// Used on the GUI thread only.
class EmotionBoxManager : public QObject
{
    Q_OBJECT

public:
    explicit EmotionBoxManager(QObject *parent = nullptr);
    ~EmotionBoxManager() override;

    // Loads the catalogue from "<applicationFolder>/plugins/chat/emoticons/".
    // Does nothing while the catalogue already holds entries. Missing files
    // give an empty catalogue, no aliases or no descriptions; an emoticon
    // whose small or big picture is missing is left out. Returns whether the
    // catalogue holds entries afterwards.
    bool loadCatalogue(const QString &applicationFolder);

    // Deletes every entry with its animations, the aliases and the picker
    // order; a later loadCatalogue() reads the files again.
    void clear();

    bool isEmpty() const { return m_entries.isEmpty(); }

    // The entry of that name (case-sensitive), or null. Owned by the manager.
    const EmoticonEntry *findEntry(const QString &name) const;
    const EmoticonEntry *findEntry(QStringView name) const { return entryNamed(name); }

    // The <img> element replaceCodes writes for an entry's small picture.
    const QString &smallCodeMarkup(const EmoticonEntry *entry, const QString &language) const
    {
        return codeMarkup(entry, language);
    }

    // Whether a code or its picture holds what another text pass of the
    // renderer acts on: "&" or "<" in a name (such a code can only be
    // written as the HTML other text becomes), two spaces or a carriage
    // return in a name or description.
    bool codesNeedTextPasses() const { return m_codesNeedPasses; }

    // All entries, sorted by name (ordinal, case-sensitive).
    QVector<const EmoticonEntry *> entries() const;

    // Length of the longest entry name: no longer text can name an entry.
    int longestNameLength() const { return m_longestName; }

    // The animation a rendered document refers to by resource name: an
    // entry's name gives its small animation, the name with "_big" appended
    // its big one (see replaceCodes). Null for anything else.
    QMovie *animationForResource(const QString &resource) const;

    // The entry's description in `language`, else in "en", else in
    // "default", else an empty string. A null entry gives an empty string.
    QString emoticonDescription(const EmoticonEntry *entry, const QString &language) const;

    // Typed text smileys (whole words: at the start of the text or after a
    // character up to U+0020, and at the end or before such a character)
    // become their replacement, normally an emoticon code. Aliases apply in
    // order of their text, each to the result of the previous ones. Runs in
    // time linear in the text (plus the output) however many aliases match.
    QString replaceAliases(const QString &text) const;

    // Emoticon codes "(name)" in message HTML become <img> elements whose
    // source is the entry's resource name, described in `language`. When the
    // whole text, trimmed, is one code and `bigSingleEmoticons` is set, the
    // 128 x 128 picture is used (resource name + "_big"), else the 32 x 32
    // one. Codes that name no entry stay as text.
    QString replaceCodes(const QString &text, const QString &language, bool bigSingleEmoticons) const;

    // Emoticon codes in a user's display name (already HTML) become <img>
    // elements showing the small picture file at `height` pixels; with height
    // 0 they are removed.
    QString codesInName(const QString &text, int height) const;

    // Emoticon names in picker order: the loaded names of "order.cfg" in file
    // order; a name listed twice appears twice.
    const QStringList &pickerOrder() const { return m_pickerOrder; }

    // Alias text -> replacement, sorted by alias text.
    const QMap<QString, QString> &aliases() const { return m_aliases; }

    QSize smallSize() const { return m_smallSize; }
    QSize bigSize() const { return m_bigSize; }

    // Picker geometry: 14 cells a row, cells of smallSize(), separated and
    // framed by a gap of 15 % of the cell width (1 to 30 pixels).
    static constexpr int PickerColumns = 14;
    static int pickerGap(int cellWidth);
    static QPoint pickerCellPosition(int index, QSize cellSize);
    static QSize pickerFrameSize(int cellCount, QSize cellSize);

private:
    Q_DISABLE_COPY(EmotionBoxManager)

    // A stretch of the sorted alias table that replaceAliases() handles in
    // one pass: either consecutive aliases without characters up to U+0020
    // (they can only ever match whole words) or a single alias with such a
    // character.
    struct AliasRun
    {
        int first = 0; // index into m_aliasKeys
        int end = 0;   // one past the last index
        bool wordAliases = true;
    };

    void loadEntries(const QString &folder);
    void loadDescriptions(const QString &configFolder);
    void loadAliases(const QString &configFolder);
    void buildAliasIndex();
    bool containsAliasFirstChar(const QString &text) const;
    int nextAliasWord(const QChar *data, int from, int size) const;
    QString replaceWordAliases(const QString &text, const AliasRun &run) const;
    struct AliasExpansions;
    QString expandWordAliases(const QString &input, int from, const AliasRun &run,
                              AliasExpansions &expansions) const;
    QString replaceSpacedAlias(const QString &text, int index) const;
    const EmoticonEntry *entryNamed(QStringView name) const;
    const QString &codeMarkup(const EmoticonEntry *entry, const QString &language) const;
    QString imageMarkup(const EmoticonEntry *entry, const QString &language, bool big) const;

    // Sorted by name; owns the entries.
    QMap<QString, EmoticonEntry *> m_entries;
    // m_entries flattened for look-ups by a view of the text, same order.
    QVector<QString> m_entryNames;
    QVector<const EmoticonEntry *> m_entryList;
    // The small picture's markup of each entry for one language, made when
    // a message first shows the entry.
    mutable QVector<QString> m_codeMarkups;
    mutable QString m_codeMarkupLanguage;
    QStringList m_pickerOrder;
    QMap<QString, QString> m_aliases;
    // m_aliases flattened for the replacement passes, same order.
    QVector<QString> m_aliasKeys;
    QVector<QString> m_aliasValues;
    QVector<AliasRun> m_aliasRuns;
    // The first characters of all aliases, one bit per UTF-16 code unit.
    QBitArray m_aliasFirstChars;
    quint64 m_asciiAliasFirstChars[2] = {0, 0}; // the same for ASCII, read faster
    bool m_onlyWordAliases = true;
    int m_longestName = 0;
    bool m_codesNeedPasses = false;
    QSize m_smallSize{32, 32};
    QSize m_bigSize{128, 128};
};
