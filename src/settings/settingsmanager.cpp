#include "settingsmanager.h"

#include "lib_kelvan/clock.h"
#include "lib_kelvan/elementtree.h"
#include "platform/screens.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QTextCodec>

#include <algorithm>

Q_LOGGING_CATEGORY(lcSettings, "chat.settings")

const char SettingsManager::ConfigFile[] = "config.ini";
const char SettingsManager::QuickTextsFile[] = "canned_msgs.ini";
const char SettingsManager::AutoRepliesFile[] = "auto_reply_msgs.ini";
const char SettingsManager::SpellLanguagesFile[] = "spell_check_languages.ini";
const char SettingsManager::AutoscrollFile[] = "autoscroll.ini";
const char SettingsManager::NotificationsFile[] = "disabled_notifications.ini";
const char SettingsManager::PictureFolderFile[] = "picpath.dat";

namespace {

const char *const kBuiltInQuickTexts[] = {
    QT_TRANSLATE_NOOP("CannedMessages", "I will be right back."),
    QT_TRANSLATE_NOOP("CannedMessages", "Will you please send me the report?"),
    QT_TRANSLATE_NOOP("CannedMessages", "You have a call on line #"),
};
constexpr int kBuiltInQuickTextCount = int(sizeof(kBuiltInQuickTexts) / sizeof(kBuiltInQuickTexts[0]));

struct WindowKeys
{
    const char *sizeKey;
    const char *maximizedKey;
    QSize firstSize;
    // Default size as percentages of the primary screen's available area.
    int widthPercent;
    int heightPercent;
};

const WindowKeys kWindowKeys[SettingsManager::WindowKindCount] = {
    {"chatwnd_size", "maximized", QSize(700, 500), 50, 90},
    {"tabchatwnd_size", "tabchatwnd_maximized", QSize(900, 500), 60, 90},
    {"broadcastwnd_size", "broadcastwnd_maximized", QSize(700, 400), 40, 70},
    {"broadcastview_size", "broadcastview_maximized", QSize(700, 500), 50, 90},
};

QByteArray boolText(bool value)
{
    return value ? QByteArrayLiteral("yes") : QByteArrayLiteral("no");
}

bool parseBool(const QByteArray &text)
{
    const QByteArray lower = text.toLower();
    return lower == "yes" || lower == "true" || lower == "1";
}

bool readBool(kelvan::Element &parent, const char *key, bool defaultValue)
{
    const QByteArray text = parent.child(key).text();
    return text.isEmpty() ? defaultValue : parseBool(text);
}

// Text that is not a decimal number reads as 0, as it always has.
int readInt(kelvan::Element &parent, const char *key, int defaultValue)
{
    const QByteArray text = parent.child(key).text();
    return text.isEmpty() ? defaultValue : text.toInt();
}

QString readString(kelvan::Element &parent, const char *key)
{
    return QString::fromUtf8(parent.child(key).text());
}

// "de" gives "de_DE"; a code that already names a region ("pt_BR", "pt-BR")
// keeps it, since repeating it would name no dictionary at all.
QString spellLanguageFromInterface(const QString &interfaceLanguage)
{
    QString code = interfaceLanguage.trimmed();
    code.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (code.isEmpty())
        return QString();
    const int separator = code.indexOf(QLatin1Char('_'));
    if (separator > 0 && separator + 1 < code.size())
        return code.left(separator).toLower() + QLatin1Char('_') + code.mid(separator + 1).toUpper();
    if (separator >= 0)
        code.remove(QLatin1Char('_'));
    return code.toLower() + QLatin1Char('_') + code.toUpper();
}

// The element-tree limits of every settings file, for the reader and for the
// writer's check alike.
kelvan::ReadLimits treeLimits()
{
    kelvan::ReadLimits limits;
    limits.maxInputBytes = SettingsManager::MaxFileBytes;
    return limits;
}

// Elements and attributes as the reader counts them, and the nesting depth.
void measureTree(const kelvan::Element &element, int depth, qsizetype &nodes, int &maxDepth)
{
    nodes += 1 + element.attributeCount();
    maxDepth = qMax(maxDepth, depth);
    for (int i = 0; i < element.childCount(); ++i)
        measureTree(element.childAt(i), depth + 1, nodes, maxDepth);
}

// Strict UTF-8: no replacement, no half sequence at the end, and a leading
// U+FEFF kept as text rather than taken for a byte order mark.
bool decodeUtf8(const QByteArray &bytes, QString &text)
{
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    text = QTextCodec::codecForMib(106)->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

// The 8-bit codec an older build wrote text in: the system's own (the ANSI
// code page on Windows) when it is not UTF-8, else Windows-1252, the Western
// code page, which gives every byte a character (Latin-1 plus typographic
// quotes, dashes and the euro sign), so the bytes survive the next write.
QTextCodec *legacyCodec()
{
    QTextCodec *locale = QTextCodec::codecForLocale();
    if (locale && locale->mibEnum() != 106)
        return locale;
    return QTextCodec::codecForName("windows-1252");
}

// A stored text as UTF-16. `legacy` is set when the bytes were not UTF-8
// and had to be read with legacyCodec().
QString decodeStoredText(const QByteArray &bytes, bool &legacy)
{
    QString text;
    if (decodeUtf8(bytes, text))
        return text;
    legacy = true;
    QTextCodec *codec = legacyCodec();
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    text = codec->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0 && state.remainingChars == 0)
        return text;
    return QTextCodec::codecForName("windows-1252")->toUnicode(bytes);
}

void logLegacyText(const char *fileName)
{
    qCWarning(lcSettings) << fileName << "holds text that is not UTF-8; read as" << legacyCodec()->name()
                          << "and written back as UTF-8";
}

bool isValidPeerKey(const QByteArray &key)
{
    if (key.isEmpty() || key.size() > SettingsManager::MaxPeerIdBytes)
        return false;
    QString text;
    if (!decodeUtf8(key, text))
        return false;
    const QVector<uint> codePoints = text.toUcs4();
    return std::all_of(codePoints.cbegin(), codePoints.cend(), [](uint c) {
        return c != '=' && QChar::isPrint(c) && !QChar::isSpace(c);
    });
}

// A flag value as the files hold it; `known` tells a word the writer could
// have written from one that only reads as false.
bool parseFlag(const QByteArray &text, bool &known)
{
    const QByteArray lower = text.toLower();
    known = lower == "yes" || lower == "no" || lower == "true" || lower == "false" || lower == "1" || lower == "0";
    return parseBool(lower);
}

bool fitsTextLimit(const QString &text, const char *what)
{
    const int bytes = text.toUtf8().size();
    if (bytes <= SettingsManager::MaxTextBytes)
        return true;
    qCWarning(lcSettings) << what << "of" << bytes << "bytes is longer than the" << SettingsManager::MaxTextBytes
                          << "the settings files keep; not stored";
    return false;
}

} // namespace

SettingsManager::SettingsManager(QObject *parent)
    : QObject(parent)
{
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(SaveDelayMs);
    connect(&m_saveTimer, &kelvan::ClockTimer::timeout, this, &SettingsManager::onSaveSettings);

    const platform::Screens &screens = platform::Screens::instance();
    const QRect available = screens.primaryAvailableGeometry();
    const QRect full = screens.primaryGeometry();
    // Small screens open every window maximized by default.
    const bool smallScreen = !(full.width() > 800 && full.height() > 600);
    for (int kind = 0; kind < WindowKindCount; ++kind) {
        const WindowKeys &keys = kWindowKeys[kind];
        WindowRecord &record = m_windows[kind];
        record.sizeKey = keys.sizeKey;
        record.maximizedKey = keys.maximizedKey;
        record.size = keys.firstSize;
        record.defaultSize = QSize(available.width() * keys.widthPercent / 100,
                                   available.height() * keys.heightPercent / 100);
        record.defaultMaximized = smallScreen;
    }
}

SettingsManager::~SettingsManager()
{
    m_saveTimer.stop();
    if (!m_settingsFolder.isEmpty())
        writeConfig();
}

void SettingsManager::load(const QString &settingsFolder, const QString &interfaceLanguage)
{
    // Changes made under the previous identity belong in its folder.
    if (m_saveTimer.isActive()) {
        m_saveTimer.stop();
        writeConfig();
    }
    m_settingsFolder = settingsFolder;
    readAll(interfaceLanguage);
}

void SettingsManager::loadFromMemory(const QHash<QString, QByteArray> &files, const QString &interfaceLanguage)
{
    m_saveTimer.stop();
    m_settingsFolder.clear();
    m_memoryFiles = &files;
    readAll(interfaceLanguage);
    m_memoryFiles = nullptr;
}

void SettingsManager::readAll(const QString &interfaceLanguage)
{
    m_interfaceLanguage = interfaceLanguage;
    readConfig();
    readQuickTexts();
    readAutoReplies();
    readSpellLanguages();
    readPeerFlags(NotificationsFile, m_notifications);
    readPeerFlags(AutoscrollFile, m_autoscroll);
    readPictureFolder();
    Q_EMIT textFormatChanged();
    Q_EMIT cannedMessagesChanged();
    Q_EMIT autoRepliesChanged();
    Q_EMIT loaded();
}

bool SettingsManager::save(bool delayed)
{
    if (delayed) {
        m_saveTimer.start();
        return true;
    }
    m_saveTimer.stop();
    return writeConfig();
}

void SettingsManager::onSaveSettings()
{
    m_saveTimer.stop();
    writeConfig();
}

QString SettingsManager::filePath(const char *fileName) const
{
    return QDir(m_settingsFolder).filePath(QString::fromLatin1(fileName));
}

// ---------------------------------------------------------------------------
// Reading and writing files

SettingsManager::ReadStatus SettingsManager::readFile(const char *fileName, QByteArray &bytes)
{
    bytes.clear();
    if (m_memoryFiles) {
        const auto it = m_memoryFiles->constFind(QString::fromLatin1(fileName));
        if (it == m_memoryFiles->constEnd())
            return ReadStatus::Missing;
        if (it.value().size() > MaxFileBytes) {
            setAside(fileName, QStringLiteral("larger than %1 bytes").arg(MaxFileBytes));
            return ReadStatus::Rejected;
        }
        bytes = it.value();
        return ReadStatus::Ok;
    }
    if (m_settingsFolder.isEmpty())
        return ReadStatus::Missing;
    QFile file(filePath(fileName));
    if (!file.exists())
        return ReadStatus::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        setAside(fileName, file.errorString());
        return ReadStatus::Rejected;
    }
    if (file.size() > MaxFileBytes) {
        file.close();
        setAside(fileName, QStringLiteral("larger than %1 bytes").arg(MaxFileBytes));
        return ReadStatus::Rejected;
    }
    bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        const QString error = file.errorString();
        file.close();
        bytes.clear();
        setAside(fileName, error);
        return ReadStatus::Rejected;
    }
    // Grown since its size was asked.
    if (bytes.size() > MaxFileBytes) {
        file.close();
        bytes.clear();
        setAside(fileName, QStringLiteral("larger than %1 bytes").arg(MaxFileBytes));
        return ReadStatus::Rejected;
    }
    return ReadStatus::Ok;
}

SettingsManager::ReadStatus SettingsManager::readTree(const char *fileName, kelvan::Element &root)
{
    root = kelvan::Element();
    QByteArray bytes;
    const ReadStatus status = readFile(fileName, bytes);
    if (status != ReadStatus::Ok)
        return status;
    // An empty file holds nothing worth keeping.
    if (bytes.trimmed().isEmpty())
        return ReadStatus::Missing;
    const kelvan::ReadResult result = kelvan::readElement(bytes, root, treeLimits());
    if (!result) {
        root = kelvan::Element();
        setAside(fileName, result.error);
        return ReadStatus::Rejected;
    }
    return ReadStatus::Ok;
}

// The defaults written later must not replace what the user had: the file
// moves to "<name>.<time stamp>.bad" next to it, where it can be repaired.
void SettingsManager::setAside(const char *fileName, const QString &reason)
{
    if (m_memoryFiles || m_settingsFolder.isEmpty()) {
        qCWarning(lcSettings) << "cannot read" << fileName << ':' << reason;
        return;
    }
    const QString path = filePath(fileName);
    const QString stamp = kelvan::Clock::instance().now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + QLatin1Char('.') + stamp + QStringLiteral(".bad");
    for (int n = 1; QFileInfo::exists(target) && n < 1000; ++n)
        target = path + QLatin1Char('.') + stamp + QLatin1Char('-') + QString::number(n) + QStringLiteral(".bad");
    if (QFile::rename(path, target)) {
        qCWarning(lcSettings).noquote() << "cannot read" << path << ':' << reason << "- kept as" << target;
    } else {
        qCWarning(lcSettings).noquote() << "cannot read" << path << ':' << reason
                                        << "- and cannot move it aside to" << target;
    }
}

bool SettingsManager::writeFile(const char *fileName, const QByteArray &bytes)
{
    if (bytes.size() > MaxFileBytes) {
        qCWarning(lcSettings) << "not writing" << fileName << ":" << bytes.size() << "bytes, more than the"
                              << MaxFileBytes << "it would be read back with";
        return false;
    }
    if (m_settingsFolder.isEmpty()) {
        qCDebug(lcSettings) << "no settings folder yet, not writing" << fileName;
        return false;
    }
    if (!QDir().mkpath(m_settingsFolder)) {
        qCWarning(lcSettings).noquote() << "cannot create the settings folder" << m_settingsFolder
                                        << "- not writing" << fileName;
        return false;
    }
    // Write, then rename over the old file: a crash, a kill or a full disk
    // leaves the old file or the new one, never half of one.
    QSaveFile file(filePath(fileName));
    // Unbuffered on purpose: a buffered QFileDevice that meets a short write
    // (disk full, file size limit) drops the rest without an error, and
    // commit() would then put a truncated file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qCWarning(lcSettings).noquote() << "cannot write" << file.fileName() << ':' << file.errorString();
        return false;
    }
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            qCWarning(lcSettings).noquote() << "cannot write" << file.fileName() << ':' << file.errorString();
            file.cancelWriting();
            return false;
        }
        done += written;
    }
    if (!file.commit()) {
        qCWarning(lcSettings).noquote() << "cannot write" << file.fileName() << ':' << file.errorString();
        return false;
    }
    return true;
}

bool SettingsManager::writeTree(const char *fileName, const kelvan::Element &root)
{
    const kelvan::ReadLimits limits = treeLimits();
    qsizetype nodes = 0;
    int depth = 0;
    measureTree(root, 1, nodes, depth);
    if (nodes > limits.maxNodes || depth > limits.maxDepth) {
        qCWarning(lcSettings) << "not writing" << fileName << ":" << nodes << "elements" << depth
                              << "deep, more than it would be read back with";
        return false;
    }
    return writeFile(fileName, kelvan::writeElement(root));
}

// ---------------------------------------------------------------------------
// config.ini

void SettingsManager::readConfig()
{
    kelvan::Element root;
    readTree(ConfigFile, root);

    kelvan::Element &text = root.child("text");
    m_textFormat = QTextCharFormat();
    const QString fontText = readString(text, "font");
    QFont font;
    if (!fontText.isEmpty() && font.fromString(fontText))
        m_textFormat.setFont(font);
    m_foreColorText = readString(text, "forecolor");
    const QColor color(m_foreColorText);
    if (color.isValid())
        m_textFormat.setForeground(QBrush(color, Qt::SolidPattern));

    kelvan::Element &positions = root.child("positions");
    for (WindowRecord &record : m_windows) {
        record.size = record.defaultSize;
        record.maximized = record.defaultMaximized;
        const QByteArray sizeText = positions.child(record.sizeKey).text();
        if (!sizeText.isEmpty()) {
            const QList<QByteArray> parts = sizeText.split(',');
            if (parts.size() >= 2)
                record.size = QSize(parts.at(0).toInt(), parts.at(1).toInt());
        }
        const QByteArray maximizedText = positions.child(record.maximizedKey).text();
        if (!maximizedText.isEmpty())
            record.maximized = parseBool(maximizedText);
    }

    kelvan::Element &custom = root.child("custom");
    m_bigSingleEmoticons = readBool(custom, "big_single_emoticons", true);
    m_visibleAvatars = readBool(custom, "visible_avatars", false);
    m_allowReceiveNudge = readBool(custom, "allow_receive_nudge", true);
    m_checkSpelling = readBool(custom, "check_spelling", true);
    m_spellLanguage = readString(custom, "spell_language");
    if (m_spellLanguage.isEmpty())
        m_spellLanguage = spellLanguageFromInterface(m_interfaceLanguage);
    m_splitterChat = readString(custom, "splitter_chat");
    m_splitterTabbedChat = readString(custom, "splitter_tabbed_chat");
    m_splitterConference = readString(custom, "splitter_conference");
    m_tabbedChat = readBool(custom, "tabbed_chat", true);
    m_playSound = readInt(custom, "play_sound", 1);
    m_showNotification = readInt(custom, "show_notification", 2);

    m_magnifierSize = readInt(root, "magnifier_size", 300);
    m_magnifierZoom = readInt(root, "magnifier_zoom", 2);
    m_magnifierShape = readInt(root, "magnifier_shape", 1);
    m_magnifierBorder = readBool(root, "magnifier_border", true);
    m_magnifierSmoothZoom = readBool(root, "magnifier_smooth_zoom", true);
}

bool SettingsManager::writeConfig()
{
    kelvan::Element root("config");

    kelvan::Element &text = root.appendChild("text");
    text.appendTextChild("font", m_textFormat.font().toString().toUtf8());
    text.appendTextChild("forecolor", m_foreColorText.toUtf8());

    kelvan::Element &positions = root.appendChild("positions");
    for (const WindowRecord &record : m_windows) {
        positions.appendTextChild(record.sizeKey, QByteArray::number(record.size.width()) + ','
                                                      + QByteArray::number(record.size.height()));
        positions.appendTextChild(record.maximizedKey, boolText(record.maximized));
    }

    kelvan::Element &custom = root.appendChild("custom");
    custom.appendTextChild("big_single_emoticons", boolText(m_bigSingleEmoticons));
    custom.appendTextChild("visible_avatars", boolText(m_visibleAvatars));
    custom.appendTextChild("allow_receive_nudge", boolText(m_allowReceiveNudge));
    custom.appendTextChild("check_spelling", boolText(m_checkSpelling));
    custom.appendTextChild("spell_language", m_spellLanguage.toUtf8());
    custom.appendTextChild("splitter_chat", m_splitterChat.toUtf8());
    custom.appendTextChild("splitter_tabbed_chat", m_splitterTabbedChat.toUtf8());
    custom.appendTextChild("splitter_conference", m_splitterConference.toUtf8());
    custom.appendTextChild("tabbed_chat", boolText(m_tabbedChat));
    custom.appendTextChild("play_sound", QByteArray::number(m_playSound));
    custom.appendTextChild("show_notification", QByteArray::number(m_showNotification));

    root.appendTextChild("magnifier_size", QByteArray::number(m_magnifierSize));
    root.appendTextChild("magnifier_zoom", QByteArray::number(m_magnifierZoom));
    root.appendTextChild("magnifier_shape", QByteArray::number(m_magnifierShape));
    root.appendTextChild("magnifier_border", boolText(m_magnifierBorder));
    root.appendTextChild("magnifier_smooth_zoom", boolText(m_magnifierSmoothZoom));

    return writeTree(ConfigFile, root);
}

void SettingsManager::setTextFormat(const QTextCharFormat &format)
{
    m_textFormat = format;
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
        m_foreColorText = format.foreground().color().name();
    Q_EMIT textFormatChanged();
}

// ---------------------------------------------------------------------------
// Window geometry and splitters

QSize SettingsManager::windowSize(int kind) const
{
    return kind >= 0 && kind < WindowKindCount ? m_windows[kind].size : QSize(0, 0);
}

bool SettingsManager::windowMaximized(int kind) const
{
    return kind >= 0 && kind < WindowKindCount && m_windows[kind].maximized;
}

void SettingsManager::setWindowSize(int kind, const QSize &size)
{
    if (kind < 0 || kind >= WindowKindCount || m_windows[kind].size == size)
        return;
    m_windows[kind].size = size;
    save(true);
}

void SettingsManager::setWindowMaximized(int kind, bool maximized)
{
    if (kind < 0 || kind >= WindowKindCount || m_windows[kind].maximized == maximized)
        return;
    m_windows[kind].maximized = maximized;
    save(true);
}

QSize SettingsManager::defaultWindowSize(int kind) const
{
    return kind >= 0 && kind < WindowKindCount ? m_windows[kind].defaultSize : QSize(0, 0);
}

bool SettingsManager::defaultWindowMaximized(int kind) const
{
    return kind >= 0 && kind < WindowKindCount && m_windows[kind].defaultMaximized;
}

QString SettingsManager::splitterText(Splitter splitter) const
{
    switch (splitter) {
    case Splitter::Chat:
        return m_splitterChat;
    case Splitter::TabbedChat:
        return m_splitterTabbedChat;
    case Splitter::Conference:
        return m_splitterConference;
    }
    return QString();
}

// A text that is not a plain list of numbers restores nothing rather than
// collapsing panes to 0.
QList<int> SettingsManager::splitterSizes(Splitter splitter) const
{
    const QString text = splitterText(splitter);
    QList<int> sizes;
    if (text.isEmpty())
        return sizes;
    const QStringList parts = text.split(QLatin1Char(','));
    for (const QString &part : parts) {
        bool ok = false;
        const int size = part.trimmed().toInt(&ok);
        if (!ok || size < 0)
            return QList<int>();
        sizes.append(size);
    }
    return sizes;
}

void SettingsManager::setSplitterSizes(Splitter splitter, const QList<int> &sizes)
{
    QStringList parts;
    parts.reserve(sizes.size());
    for (int size : sizes)
        parts.append(QString::number(size));
    const QString text = parts.join(QLatin1Char(','));
    QString *target = nullptr;
    switch (splitter) {
    case Splitter::Chat:
        target = &m_splitterChat;
        break;
    case Splitter::TabbedChat:
        target = &m_splitterTabbedChat;
        break;
    case Splitter::Conference:
        target = &m_splitterConference;
        break;
    }
    if (!target || *target == text)
        return;
    *target = text;
    save(true);
}

// ---------------------------------------------------------------------------
// Magnifier

void SettingsManager::setMagnifierSize(int size)
{
    m_magnifierSize = std::clamp(size, MagnifierMinSize, MagnifierMaxSize);
}

void SettingsManager::setMagnifierZoom(int zoom)
{
    m_magnifierZoom = std::clamp(zoom, MagnifierMinZoom, MagnifierMaxZoom);
}

// ---------------------------------------------------------------------------
// Per-peer flags: autoscroll.ini, disabled_notifications.ini

void SettingsManager::readPeerFlags(const char *fileName, PeerFlags &flags)
{
    flags.clear();
    QByteArray bytes;
    if (readFile(fileName, bytes) != ReadStatus::Ok)
        return;
    int lineNumber = 0;
    int unreadable = 0;
    int firstUnreadable = 0;
    for (const QByteArray &rawLine : bytes.split('\n')) {
        ++lineNumber;
        QByteArray line = rawLine;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const int equals = line.indexOf('=');
        bool known = false;
        if (equals >= 0 && line.indexOf('=', equals + 1) < 0) {
            const QByteArray key = line.left(equals);
            if (isValidPeerKey(key)) {
                // An unknown value still reads as false; the file is kept
                // aside below all the same, since its text would be lost.
                flags.insert(key, parseFlag(line.mid(equals + 1), known));
            }
        }
        if (!known && unreadable++ == 0)
            firstUnreadable = lineNumber;
    }
    // The readable records stay; the file as it was is kept for repair, and
    // the next change writes only records that are what they claim to be.
    if (unreadable > 0)
        setAside(fileName, QStringLiteral("%1 lines are no \"peer=flag\" record, the first is line %2")
                               .arg(unreadable)
                               .arg(firstUnreadable));
}

bool SettingsManager::writePeerFlags(const char *fileName, const PeerFlags &flags)
{
    QByteArray bytes;
    for (auto it = flags.constBegin(); it != flags.constEnd(); ++it) {
        // Kept in memory only; setPeerFlag said so when it was stored.
        if (isValidPeerKey(it.key()))
            bytes += it.key() + '=' + boolText(it.value()) + "\r\n";
    }
    return writeFile(fileName, bytes);
}

bool SettingsManager::setPeerFlag(const char *fileName, PeerFlags &flags, const QString &peer, bool on)
{
    const QByteArray key = peer.toUtf8();
    const bool valid = isValidPeerKey(key);
    const auto it = flags.constFind(key);
    if (it != flags.constEnd() && it.value() == on)
        return valid;
    flags.insert(key, on);
    if (!valid) {
        qCWarning(lcSettings) << peer << "is no peer identifier; its flag is not stored in" << fileName;
        return false;
    }
    return writePeerFlags(fileName, flags);
}

bool SettingsManager::isValidPeerId(const QString &peer)
{
    return isValidPeerKey(peer.toUtf8());
}

bool SettingsManager::autoscroll(const QString &peer) const
{
    return m_autoscroll.value(peer.toUtf8(), true);
}

bool SettingsManager::setAutoscroll(const QString &peer, bool on)
{
    return setPeerFlag(AutoscrollFile, m_autoscroll, peer, on);
}

bool SettingsManager::notificationsEnabled(const QString &peer) const
{
    return m_notifications.value(peer.toUtf8(), true);
}

bool SettingsManager::setNotificationsEnabled(const QString &peer, bool on)
{
    return setPeerFlag(NotificationsFile, m_notifications, peer, on);
}

// ---------------------------------------------------------------------------
// spell_check_languages.ini

void SettingsManager::readSpellLanguages()
{
    m_spellLanguages.clear();
    kelvan::Element root;
    if (readTree(SpellLanguagesFile, root) != ReadStatus::Ok)
        return;
    kelvan::Element &networks = root.child("spell_check_languages");
    for (int i = 0; i < networks.childCount(); ++i) {
        kelvan::Element &network = networks.childAt(i);
        const QString networkKey = readString(network, "id");
        kelvan::Element &users = network.child("users");
        for (int j = 0; j < users.childCount(); ++j) {
            kelvan::Element &user = users.childAt(j);
            const QString contact = readString(user, "id");
            const QString language = readString(user, "bcp47Name");
            if (!contact.isEmpty() && !language.isEmpty())
                m_spellLanguages[networkKey].insert(contact, language);
        }
    }
}

bool SettingsManager::writeSpellLanguages()
{
    kelvan::Element root("xml");
    kelvan::Element &networks = root.appendChild("spell_check_languages");
    for (auto net = m_spellLanguages.constBegin(); net != m_spellLanguages.constEnd(); ++net) {
        if (net.value().isEmpty())
            continue;
        kelvan::Element &network = networks.appendChild("network");
        network.appendTextChild("id", net.key().toUtf8());
        kelvan::Element &users = network.appendChild("users");
        for (auto it = net.value().constBegin(); it != net.value().constEnd(); ++it) {
            kelvan::Element &user = users.appendChild("user");
            user.appendTextChild("id", it.key().toUtf8());
            user.appendTextChild("bcp47Name", it.value().toUtf8());
        }
    }
    return writeTree(SpellLanguagesFile, root);
}

QString SettingsManager::contactSpellLanguage(const QString &contact) const
{
    return m_spellLanguages.value(QString()).value(contact);
}

void SettingsManager::setContactSpellLanguage(const QString &contact, const QString &language)
{
    if (language.isEmpty()) {
        removeContactSpellLanguage(contact);
        return;
    }
    if (contact.isEmpty() || contactSpellLanguage(contact) == language)
        return;
    m_spellLanguages[QString()].insert(contact, language);
    writeSpellLanguages();
}

void SettingsManager::removeContactSpellLanguage(const QString &contact)
{
    auto net = m_spellLanguages.find(QString());
    if (net == m_spellLanguages.end() || net.value().remove(contact) == 0)
        return;
    writeSpellLanguages();
}

void SettingsManager::forgetContact(const QString &contact)
{
    const QByteArray key = contact.toUtf8();
    if (m_autoscroll.remove(key) > 0)
        writePeerFlags(AutoscrollFile, m_autoscroll);
    if (m_notifications.remove(key) > 0)
        writePeerFlags(NotificationsFile, m_notifications);
    bool spellChanged = false;
    for (auto net = m_spellLanguages.begin(); net != m_spellLanguages.end(); ++net)
        spellChanged = net.value().remove(contact) > 0 || spellChanged;
    if (spellChanged)
        writeSpellLanguages();
}

// ---------------------------------------------------------------------------
// picpath.dat

void SettingsManager::readPictureFolder()
{
    m_pictureFolder.clear();
    QByteArray bytes;
    if (readFile(PictureFolderFile, bytes) == ReadStatus::Ok && !bytes.isEmpty())
        m_pictureFolder = QString::fromUtf8(bytes);
}

bool SettingsManager::writePictureFolder()
{
    return writeFile(PictureFolderFile, m_pictureFolder.toUtf8());
}

void SettingsManager::setPictureFolder(const QString &folder)
{
    if (folder == m_pictureFolder)
        return;
    m_pictureFolder = folder;
    writePictureFolder();
}

// ---------------------------------------------------------------------------
// Quick texts: canned_msgs.ini

void SettingsManager::readQuickTexts()
{
    m_quickTexts.clear();
    m_quickTextBehaviour = 0;
    kelvan::Element root;
    if (readTree(QuickTextsFile, root) != ReadStatus::Ok) {
        for (int id = 0; id < kBuiltInQuickTextCount; ++id)
            m_quickTexts.append(QuickText{id, QString()});
        writeQuickTextsFile();
        return;
    }
    m_quickTextBehaviour = readInt(root, "quick_text_behaviour", 0);
    bool legacy = false;
    kelvan::Element &messages = root.child("canned_messages");
    for (int i = 0; i < messages.childCount(); ++i) {
        kelvan::Element &message = messages.childAt(i);
        const QByteArray idText = message.child("id").text();
        const QByteArray value = message.child("value").text();
        if (idText.isEmpty() && value.isEmpty())
            continue;
        const int id = idText.toInt();
        if (!idText.isEmpty() && id >= 0)
            m_quickTexts.append(QuickText{id, QString()});
        else
            m_quickTexts.append(QuickText{-1, decodeStoredText(value, legacy)});
    }
    if (legacy)
        logLegacyText(QuickTextsFile);
}

bool SettingsManager::writeQuickTextsFile()
{
    kelvan::Element root("xml");
    root.appendTextChild("quick_text_behaviour", QByteArray::number(m_quickTextBehaviour));
    kelvan::Element &messages = root.appendChild("canned_messages");
    for (const QuickText &record : qAsConst(m_quickTexts)) {
        if (record.id < 0 && record.text.isEmpty())
            continue;
        kelvan::Element &message = messages.appendChild("message");
        if (record.id >= 0)
            message.appendTextChild("id", QByteArray::number(record.id));
        message.appendTextChild("value", record.text.toUtf8());
    }
    return writeTree(QuickTextsFile, root);
}

bool SettingsManager::writeQuickTexts()
{
    const bool written = writeQuickTextsFile();
    Q_EMIT cannedMessagesChanged();
    return written;
}

void SettingsManager::clearQuickTexts()
{
    m_quickTexts.clear();
}

void SettingsManager::appendBuiltInQuickText(int id)
{
    if (id >= 0)
        m_quickTexts.append(QuickText{id, QString()});
}

bool SettingsManager::appendQuickText(const QString &text)
{
    if (text.isEmpty())
        return true;
    if (!fitsTextLimit(text, "quick text"))
        return false;
    m_quickTexts.append(QuickText{-1, text});
    return true;
}

QString SettingsManager::builtInQuickText(int id)
{
    if (id < 0 || id >= kBuiltInQuickTextCount)
        return QString();
    return QCoreApplication::translate("CannedMessages", kBuiltInQuickTexts[id]);
}

QString SettingsManager::quickTextDisplayText(const QuickText &record)
{
    return record.text.isEmpty() ? builtInQuickText(record.id) : record.text;
}

// ---------------------------------------------------------------------------
// Automatic replies: auto_reply_msgs.ini

void SettingsManager::readAutoReplies()
{
    m_autoReplies.clear();
    kelvan::Element root;
    if (readTree(AutoRepliesFile, root) != ReadStatus::Ok)
        return;
    bool legacy = false;
    kelvan::Element &messages = root.child("auto_reply_messages");
    for (int i = 0; i < messages.childCount(); ++i) {
        kelvan::Element &message = messages.childAt(i);
        const QByteArray idText = message.child("id").text();
        const QByteArray reply = message.child("auto_reply_msg").text();
        if (idText.isEmpty() || reply.isEmpty())
            continue;
        const int statusId = idText.toInt();
        if (statusId == -1)
            continue;
        CustomStatus record;
        record.setStatusCode(statusId);
        // Valid UTF-8 comes back from setText() byte for byte.
        record.setText(decodeStoredText(message.child("custom_status_str").text(), legacy));
        record.setReplyText(decodeStoredText(reply, legacy));
        record.setActive(readBool(message, "active", false));
        storeReply(record, false);
    }
    if (legacy)
        logLegacyText(AutoRepliesFile);
}

bool SettingsManager::writeAutoRepliesFile()
{
    kelvan::Element root("xml");
    kelvan::Element &messages = root.appendChild("auto_reply_messages");
    for (const CustomStatus &record : qAsConst(m_autoReplies)) {
        if (record.statusCode() == -1 || record.replyText().isEmpty())
            continue;
        kelvan::Element &message = messages.appendChild("message");
        message.appendTextChild("id", QByteArray::number(record.statusCode()));
        message.appendTextChild("active", boolText(record.isActive()));
        message.appendTextChild("custom_status_str", record.textUtf8());
        message.appendTextChild("auto_reply_msg", record.replyText().toUtf8());
    }
    return writeTree(AutoRepliesFile, root);
}

bool SettingsManager::writeAutoReplies()
{
    const bool written = writeAutoRepliesFile();
    Q_EMIT autoRepliesChanged();
    return written;
}

// Files are read whatever their texts' sizes (they are within the file
// limit); the text limit guards what is set from now on.
bool SettingsManager::storeReply(const CustomStatus &record, bool checkLimits)
{
    if (checkLimits
        && (!fitsTextLimit(record.replyText(), "automatic reply")
            || !fitsTextLimit(record.displayText(), "custom status text of an automatic reply")))
        return false;
    for (CustomStatus &existing : m_autoReplies) {
        if (existing.statusCode() == record.statusCode() && existing.textUtf8() == record.textUtf8()) {
            existing = record;
            return true;
        }
    }
    m_autoReplies.append(record);
    return true;
}

bool SettingsManager::setPlainStatusReply(int statusId, const QString &reply, bool active)
{
    return setCustomStatusReply(statusId, QString(), reply, active);
}

bool SettingsManager::setCustomStatusReply(const ICustomStatus &status, const QString &reply, bool active)
{
    CustomStatus record(status);
    record.setReplyText(reply);
    record.setActive(active);
    return storeReply(record, true);
}

bool SettingsManager::setCustomStatusReply(int statusId, const QString &customText, const QString &reply, bool active)
{
    CustomStatus record(statusId, customText);
    record.setReplyText(reply);
    record.setActive(active);
    return storeReply(record, true);
}

const CustomStatus &SettingsManager::findCustomStatusReply(const ICustomStatus &status) const
{
    const QByteArray text(status.text());
    for (const CustomStatus &record : m_autoReplies) {
        if (record.statusCode() == status.statusCode() && record.textUtf8() == text)
            return record;
    }
    return m_emptyReply;
}

const CustomStatus &SettingsManager::findCustomStatusReply(int statusId, const QString &customText) const
{
    return findCustomStatusReply(CustomStatus(statusId, customText));
}

const CustomStatus &SettingsManager::findPlainStatusReply(int statusId) const
{
    for (const CustomStatus &record : m_autoReplies) {
        if (record.textUtf8().isEmpty() && record.statusCode() == statusId)
            return record;
    }
    return m_emptyReply;
}

void SettingsManager::clearAutoReplies()
{
    m_autoReplies.clear();
}
