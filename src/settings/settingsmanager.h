#pragma once

#include "lib_kelvan/clocktimer.h"
#include "plugin/records/customstatus.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSize>
#include <QString>
#include <QTextCharFormat>

class ICustomStatus;
namespace kelvan {
class Element;
}

// Every per-user preference of the chat library and the seven files in the
// settings folder that keep them. One instance lives in the shared-resources
// object for the life of the library; windows and dialogs reach it there.
//
// config.ini values are written by save(false), by the 500 ms save timer
// after the last delayed change, and once more by the destructor. The other
// six files are rewritten by the operation that changes them. Every file is
// replaced atomically; a failed write is logged and the values stay in memory.
// A file that exists but cannot be read or parsed, is larger than
// MaxFileBytes, or (autoscroll.ini, disabled_notifications.ini) has lines
// that are no "peer=flag" record, is renamed aside (name + "." + time stamp +
// ".bad") before anything is written over it; an empty file counts as
// missing. Quick texts and replies that are not UTF-8 come from an 8-bit
// build: they are decoded with the system's 8-bit codec, or as Windows-1252
// where the system's codec is UTF-8, and written back as UTF-8; they are never
// replaced by U+FFFD.
//
// GUI thread only.
class SettingsManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SettingsManager)

public:
    // Window kinds that index the size records. A plain enum: windows keep
    // their kind as an int and pass it straight through.
    enum WindowKind : int {
        ChatWindow = 0,          // stand-alone chat window
        TabbedChatWindow = 1,    // the tabbed chat window
        BroadcastComposer = 2,   // broadcast composer window
        BroadcastViewer = 3,     // broadcast viewer window
        WindowKindCount = 4
    };

    enum class Splitter {
        Chat,         // single chat window, key "splitter_chat"
        TabbedChat,   // tabbed chat window, key "splitter_tabbed_chat"
        Conference    // room window, key "splitter_conference"
    };

    enum class PlaySound : int {
        Always = 0,          // on every new message
        WhenInactive = 1,    // only when the chat window is not active
        Never = 2
    };

    enum class ShowNotification : int {
        Never = 0,           // no popup
        FirstMessage = 1,    // popup on the first new message
        WhenInactive = 2     // popup on a new message when the window is not active
    };

    // A quick text: a non-negative id with an empty text stands for the
    // built-in text of that id; id -1 carries the user's own markup.
    struct QuickText
    {
        int id = -1;
        QString text;
        bool operator==(const QuickText &other) const { return id == other.id && text == other.text; }
        bool operator!=(const QuickText &other) const { return !(*this == other); }
    };

    // File names inside the settings folder.
    static const char ConfigFile[];            // "config.ini"
    static const char QuickTextsFile[];        // "canned_msgs.ini"
    static const char AutoRepliesFile[];       // "auto_reply_msgs.ini"
    static const char SpellLanguagesFile[];    // "spell_check_languages.ini"
    static const char AutoscrollFile[];        // "autoscroll.ini"
    static const char NotificationsFile[];     // "disabled_notifications.ini"
    static const char PictureFolderFile[];     // "picpath.dat"

    // What the files hold at most. The readers set aside a larger file (and
    // parse element trees with the same size limit); the writers refuse to
    // produce one, leaving the old file in place, so anything written is read
    // back. 16 MiB: thousands of quick texts and replies take a few hundred
    // kilobytes, and a file of garbage stays cheap to look at.
    static constexpr qsizetype MaxFileBytes = 16 * 1024 * 1024;
    // What the setters accept for one quick text, reply or custom status text
    // (UTF-8): pages of prepared text, and over forty such texts fit in one
    // file even when every character has to be escaped.
    static constexpr int MaxTextBytes = 64 * 1024;
    // See isValidPeerId().
    static constexpr int MaxPeerIdBytes = 128;

    static constexpr int SaveDelayMs = 500;
    static constexpr int MagnifierMinSize = 10;
    static constexpr int MagnifierMaxSize = 1000;
    static constexpr int MagnifierMinZoom = 1;
    static constexpr int MagnifierMaxZoom = 30;

    // Default window sizes come from platform::Screens::instance() at
    // construction.
    explicit SettingsManager(QObject *parent = nullptr);
    // Stops the save timer and writes config.ini when a folder is loaded.
    ~SettingsManager() override;

    // Reads every file from `settingsFolder` (config.ini, canned_msgs.ini,
    // auto_reply_msgs.ini, spell_check_languages.ini,
    // disabled_notifications.ini, autoscroll.ini, picpath.dat). A delayed
    // save still pending for the previous folder is written there first.
    // `interfaceLanguage` (such as "de") supplies the spell language when
    // config.ini names none ("de" gives "de_DE").
    void load(const QString &settingsFolder, const QString &interfaceLanguage);
    // Reads the same files from contents already in memory, keyed by file
    // name (an absent name counts as a missing file). No folder is set, so
    // nothing is written until the next load(); for tools that inspect a
    // user's settings and for the fuzzer.
    void loadFromMemory(const QHash<QString, QByteArray> &files, const QString &interfaceLanguage);
    QString settingsFolder() const { return m_settingsFolder; }
    QString interfaceLanguage() const { return m_interfaceLanguage; }

    // delayed: (re)start the 500 ms timer; otherwise stop it and write
    // config.ini now. Returns false when the immediate write failed.
    bool save(bool delayed);
    bool isSavePending() const { return m_saveTimer.isActive(); }

    // Text format of outgoing messages and its colour as "#rrggbb".
    QTextCharFormat textFormat() const { return m_textFormat; }
    // Also takes the colour text from the format's foreground when it has
    // one. Emits textFormatChanged().
    void setTextFormat(const QTextCharFormat &format);
    QString foreColorText() const { return m_foreColorText; }

    bool bigSingleEmoticons() const { return m_bigSingleEmoticons; }
    void setBigSingleEmoticons(bool on) { m_bigSingleEmoticons = on; }
    bool visibleAvatars() const { return m_visibleAvatars; }
    void setVisibleAvatars(bool on) { m_visibleAvatars = on; }
    bool allowReceiveNudge() const { return m_allowReceiveNudge; }
    void setAllowReceiveNudge(bool on) { m_allowReceiveNudge = on; }
    bool checkSpelling() const { return m_checkSpelling; }
    void setCheckSpelling(bool on) { m_checkSpelling = on; }
    bool tabbedChat() const { return m_tabbedChat; }
    void setTabbedChat(bool on) { m_tabbedChat = on; }
    // PlaySound values; other numbers are kept as read.
    int playSound() const { return m_playSound; }
    void setPlaySound(int value) { m_playSound = value; }
    // ShowNotification values; other numbers are kept as read.
    int showNotification() const { return m_showNotification; }
    void setShowNotification(int value) { m_showNotification = value; }
    // Dictionary name such as "en_US".
    QString spellLanguage() const { return m_spellLanguage; }
    void setSpellLanguage(const QString &language) { m_spellLanguage = language; }

    // Window geometry of kind 0..3; an out-of-range kind reads 0 x 0 and not
    // maximized and its setters do nothing. A setter that changes the value
    // starts the save timer.
    QSize windowSize(int kind) const;
    bool windowMaximized(int kind) const;
    void setWindowSize(int kind, const QSize &size);
    void setWindowMaximized(int kind, bool maximized);
    // The first-start values computed from the primary screen.
    QSize defaultWindowSize(int kind) const;
    bool defaultWindowMaximized(int kind) const;

    // Pane sizes of a splitter, empty when never stored. Storing a changed
    // list starts the save timer. QSplitter helpers: settings/ui/splitterstate.h.
    QList<int> splitterSizes(Splitter splitter) const;
    void setSplitterSizes(Splitter splitter, const QList<int> &sizes);
    // The stored text, pane sizes joined by ",".
    QString splitterText(Splitter splitter) const;

    // Magnifier. The setters clamp size to 10..1000 and zoom to 1..30; values
    // read from config.ini are taken as they are.
    int magnifierSize() const { return m_magnifierSize; }
    void setMagnifierSize(int size);
    int magnifierShape() const { return m_magnifierShape; }   // 1 rectangle, 2 circle
    void setMagnifierShape(int shape) { m_magnifierShape = shape; }
    int magnifierZoom() const { return m_magnifierZoom; }
    void setMagnifierZoom(int zoom);
    bool magnifierBorder() const { return m_magnifierBorder; }
    void setMagnifierBorder(bool on) { m_magnifierBorder = on; }
    bool magnifierSmoothZoom() const { return m_magnifierSmoothZoom; }
    void setMagnifierSmoothZoom(bool on) { m_magnifierSmoothZoom = on; }

    // Per-peer flags, true for a peer without a record. Setting one rewrites
    // its whole file at once; returns false when that write failed or when
    // `peer` is no peer identifier (its flag is then kept in memory only).
    //
    // A peer identifier is 1 to MaxPeerIdBytes bytes of UTF-8 made of
    // printable characters other than white space and "=". The host's
    // identifiers are 64-bit decimal numbers and short tokens; 128 bytes
    // leaves room for those and for session keys, while a line of binary or
    // random text almost never passes. A file line whose key is not one is
    // unreadable content: the file is set aside and the line never written
    // back.
    static bool isValidPeerId(const QString &peer);
    bool autoscroll(const QString &peer) const;
    bool setAutoscroll(const QString &peer, bool on);
    bool notificationsEnabled(const QString &peer) const;
    bool setNotificationsEnabled(const QString &peer, bool on);

    // Spell-check language per contact (empty when none is stored). Changes
    // rewrite spell_check_languages.ini.
    QString contactSpellLanguage(const QString &contact) const;
    void setContactSpellLanguage(const QString &contact, const QString &language);
    void removeContactSpellLanguage(const QString &contact);

    // Drops a deleted contact's autoscroll, notification and spell-language
    // entries and rewrites the files that changed.
    void forgetContact(const QString &contact);

    // Folder last used to pick pictures; a changed value rewrites picpath.dat.
    QString pictureFolder() const { return m_pictureFolder; }
    void setPictureFolder(const QString &folder);

    // Quick texts. Changes stay in memory until writeQuickTexts().
    QList<QuickText> quickTexts() const { return m_quickTexts; }
    // 0 place the chosen text into the message field, 1 send it at once.
    int quickTextBehaviour() const { return m_quickTextBehaviour; }
    void setQuickTextBehaviour(int behaviour) { m_quickTextBehaviour = behaviour; }
    void clearQuickTexts();
    // Ids below 0 are ignored.
    void appendBuiltInQuickText(int id);
    // Empty texts are ignored. A text of more than MaxTextBytes (UTF-8) is
    // refused: nothing is appended and the result is false.
    bool appendQuickText(const QString &text);
    // The record's text, or the translated built-in text of its id.
    static QString quickTextDisplayText(const QuickText &record);
    // Translated built-in text of id 0, 1 or 2; empty for any other id.
    static QString builtInQuickText(int id);
    // Writes canned_msgs.ini and emits cannedMessagesChanged(). False, with
    // the old file left in place, when the write failed or the list would
    // make a file beyond the reader's limits.
    bool writeQuickTexts();

    // Automatic replies, in list order. Changes stay in memory until
    // writeAutoReplies().
    QList<CustomStatus> autoReplies() const { return m_autoReplies; }
    // Replace the record with the same status id and custom status text, or
    // append one. A plain status has no custom text. A reply or custom text
    // of more than MaxTextBytes (UTF-8) is refused: the list stays as it was
    // and the result is false.
    bool setPlainStatusReply(int statusId, const QString &reply, bool active);
    bool setCustomStatusReply(const ICustomStatus &status, const QString &reply, bool active);
    bool setCustomStatusReply(int statusId, const QString &customText, const QString &reply, bool active);
    // The first record whose status id and custom text equal the status's;
    // otherwise the empty record (status id -1). The reference stays valid
    // until the list changes.
    const CustomStatus &findCustomStatusReply(const ICustomStatus &status) const;
    const CustomStatus &findCustomStatusReply(int statusId, const QString &customText) const;
    // The first record without custom text whose status id matches; otherwise
    // the empty record.
    const CustomStatus &findPlainStatusReply(int statusId) const;
    void clearAutoReplies();
    // Writes auto_reply_msgs.ini and emits autoRepliesChanged(); false as
    // for writeQuickTexts().
    bool writeAutoReplies();

Q_SIGNALS:
    // The quick-text list was loaded or written; menus rebuild themselves.
    void cannedMessagesChanged();
    void autoRepliesChanged();
    void textFormatChanged();
    // Every file was read for a (new) settings folder.
    void loaded();

public Q_SLOTS:
    // Writes config.ini; the save timer's slot.
    void onSaveSettings();

private:
    struct WindowRecord
    {
        QSize size;
        bool maximized = false;
        QSize defaultSize;
        bool defaultMaximized = false;
        const char *sizeKey = nullptr;
        const char *maximizedKey = nullptr;
    };

    // Per-peer flags keyed by the peer's UTF-8 bytes, so iteration is the
    // byte-wise order the files are written in.
    using PeerFlags = QMap<QByteArray, bool>;

    enum class ReadStatus {
        Missing,    // no such file
        Rejected,   // present but unreadable or unparsable; set aside
        Ok
    };

    void readAll(const QString &interfaceLanguage);
    ReadStatus readFile(const char *fileName, QByteArray &bytes);
    ReadStatus readTree(const char *fileName, kelvan::Element &root);
    void setAside(const char *fileName, const QString &reason);
    bool writeFile(const char *fileName, const QByteArray &bytes);
    bool writeTree(const char *fileName, const kelvan::Element &root);
    bool writeConfig();
    void readConfig();
    void readQuickTexts();
    bool writeQuickTextsFile();
    void readAutoReplies();
    bool writeAutoRepliesFile();
    void readSpellLanguages();
    bool writeSpellLanguages();
    void readPeerFlags(const char *fileName, PeerFlags &flags);
    bool writePeerFlags(const char *fileName, const PeerFlags &flags);
    bool setPeerFlag(const char *fileName, PeerFlags &flags, const QString &peer, bool on);
    void readPictureFolder();
    bool writePictureFolder();
    bool storeReply(const CustomStatus &record, bool checkLimits);
    QString filePath(const char *fileName) const;

    kelvan::ClockTimer m_saveTimer{this}; // on the library clock: tests and hosts move it
    QString m_settingsFolder;
    // Set only during loadFromMemory().
    const QHash<QString, QByteArray> *m_memoryFiles = nullptr;
    QString m_interfaceLanguage;
    QString m_pictureFolder;
    int m_quickTextBehaviour = 0;
    QList<QuickText> m_quickTexts;
    QList<CustomStatus> m_autoReplies;
    // network key (always "" here) -> contact -> language
    QMap<QString, QMap<QString, QString>> m_spellLanguages;
    PeerFlags m_notifications;
    PeerFlags m_autoscroll;
    QTextCharFormat m_textFormat;
    QString m_foreColorText;
    QString m_spellLanguage;
    QString m_splitterTabbedChat;
    QString m_splitterConference;
    QString m_splitterChat;
    CustomStatus m_emptyReply;
    bool m_bigSingleEmoticons = true;
    bool m_visibleAvatars = false;
    bool m_allowReceiveNudge = true;
    bool m_checkSpelling = true;
    bool m_tabbedChat = true;
    int m_playSound = 1;
    int m_showNotification = 2;
    WindowRecord m_windows[WindowKindCount];
    int m_magnifierSize = 300;
    int m_magnifierShape = 1;
    int m_magnifierZoom = 2;
    bool m_magnifierBorder = true;
    bool m_magnifierSmoothZoom = true;
};
