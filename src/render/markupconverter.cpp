#include "render/markupconverter.h"

#include "render/attachmentblocks.h"
#include "render/bodybounds.h"
#include "render/formattags.h"
#include "render/fusedtextscan.h"
#include "render/links.h"
#include "render/mentioneduser.h"
#include "render/renderbounds.h"
#include "render/renderlog.h"
#include "render/resourcekeytable.h"
#include "shared/sharedresourcemanager.h"

#include "emoticons/emoticonentry.h"
#include "emoticons/emotionboxmanager.h"
#include "plugin/records/userobj.h"
#include "plugin/records/variableimpl.h"

#include <sdk/ihostmessage.h>
#include <sdk/ihostservices.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>

#include <algorithm>
#include <iterator>
#include <limits>
#include <memory>

namespace MarkupConverter {

namespace {

const QString ChatImagePrefix = QStringLiteral("chat_image:");

const char FilePlaceholder[] = "link_place_file_";
const char VoicePlaceholder[] = "link_place_voice_";
const char VideoPlaceholder[] = "link_place_video_";
const char PicturePlaceholder[] = "link_place_pic_";
const char PositionPlaceholder[] = "link_geo_pos_pic_";
// In the order their blocks are put back.
const char *const PlaceholderKinds[] = {FilePlaceholder, VoicePlaceholder, VideoPlaceholder, PicturePlaceholder,
                                        PositionPlaceholder};
constexpr int PlaceholderKindCount = 5;

// The placeholder at i ("[link_place_file_3]"): returns where it ends, or -1;
// its kind (index into PlaceholderKinds) and number go to *kind and *index.
int placeholderAt(const QString &text, int i, int *kind, int *index)
{
    if (text.midRef(i, 6) != QLatin1String("[link_"))
        return -1;
    const int n = text.size();
    for (int k = 0; k < PlaceholderKindCount; ++k) {
        const QLatin1String name(PlaceholderKinds[k]);
        if (text.midRef(i + 1, name.size()) != name)
            continue;
        int j = i + 1 + name.size();
        const int digits = j;
        while (j < n && j - digits < 9 && text.at(j).isDigit() && text.at(j).unicode() < 128)
            ++j;
        if (j == digits || j >= n || text.at(j) != QLatin1Char(']'))
            return -1;
        *kind = k;
        *index = text.midRef(digits, j - digits).toInt();
        return j + 1;
    }
    return -1;
}

// The first "[link_" at or after `from`, or -1. Searching for the bracket
// first skips QString's conversion of a Latin-1 needle, which costs more
// than most messages.
int indexOfLinkOpen(const QString &text, int from)
{
    const QLatin1String open("[link_");
    for (int i = text.indexOf(QLatin1Char('['), from); i >= 0; i = text.indexOf(QLatin1Char('['), i + 1)) {
        if (text.midRef(i, open.size()) == open)
            return i;
    }
    return -1;
}

// The first `open` (which starts with "[") in the text, or -1. Searching
// for the bracket first skips QString's set-up of a search for a longer
// needle, which costs more than most messages.
int indexOfOpen(const QString &text, QLatin1String open)
{
    for (int i = text.indexOf(QLatin1Char('[')); i >= 0; i = text.indexOf(QLatin1Char('['), i + 1)) {
        if (text.midRef(i, open.size()) == open)
            return i;
    }
    return -1;
}

// The first placeholder at or after `from`, or -1.
int nextPlaceholder(const QString &text, int from)
{
    int kind = 0;
    int index = 0;
    for (int i = indexOfLinkOpen(text, from); i >= 0; i = indexOfLinkOpen(text, i + 1)) {
        if (placeholderAt(text, i, &kind, &index) > 0)
            return i;
    }
    return -1;
}

// Plain-text replace-all that stays linear however many matches there are
// (QString::replace with a length change moves the tail once per batch).
QString replaceAll(const QString &text, QLatin1String from, QLatin1String to)
{
    int hit = text.indexOf(from);
    if (hit < 0)
        return text;
    QString out;
    out.reserve(text.size() + text.size() / 8);
    int pos = 0;
    while (hit >= 0) {
        out += text.midRef(pos, hit - pos);
        out += to;
        pos = hit + from.size();
        hit = text.indexOf(from, pos);
    }
    out += text.midRef(pos);
    return out;
}

// Whether `first` directly followed by `second` occurs in the text.
// QString's search for a Latin-1 needle converts the needle first, which
// costs more than scanning a short message.
bool containsPair(const QString &text, QChar first, QChar second)
{
    const QChar *data = text.constData();
    const int n = text.size();
    for (int i = 0; i + 1 < n; ++i) {
        if (data[i] == first && data[i + 1] == second)
            return true;
    }
    return false;
}

// Every "  " as " &nbsp;", then every "\r\n" as "<br/>", in one scan: the
// two share no character, so neither replacement can make or hide the other.
QString replaceSpacesAndBreaks(const QString &text)
{
    const QChar *data = text.constData();
    const int n = text.size();
    QString out;
    int copied = 0;
    for (int i = 0; i + 1 < n; ++i) {
        const QLatin1String *with = nullptr;
        static const QLatin1String Space(" &nbsp;");
        static const QLatin1String Break("<br/>");
        if (data[i] == QLatin1Char(' ') && data[i + 1] == QLatin1Char(' '))
            with = &Space;
        else if (data[i] == QLatin1Char('\r') && data[i + 1] == QLatin1Char('\n'))
            with = &Break;
        else
            continue;
        if (out.isNull())
            out.reserve(n + n / 8);
        out.append(data + copied, i - copied);
        out += *with;
        copied = i + 2;
        ++i;
    }
    if (copied == 0)
        return text;
    out.append(data + copied, n - copied);
    return out;
}

// Line breaks and the simple formatting tags in one scan. The replacements
// write no "[" and the tags cannot overlap each other or "[code][[/code]",
// so one left-to-right scan gives what replacing each tag everywhere in
// turn would.
QString replaceSimpleTags(const QString &text, bool lineBreaks, bool tags)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    const QChar *data = text.constData();
    const int n = text.size();
    int copied = 0; // text before this is in `out`
    const auto replace = [&](int at, int length, QLatin1String with) {
        out.append(data + copied, at - copied);
        out += with;
        copied = at + length;
    };
    for (int i = 0; i < n; ++i) {
        const QChar c = data[i];
        if (lineBreaks && c == QLatin1Char('\r') && i + 1 < n && data[i + 1] == QLatin1Char('\n')) {
            replace(i, 2, QLatin1String("<br/>"));
            ++i;
            continue;
        }
        if (lineBreaks && c == QLatin1Char('\n')) {
            replace(i, 1, QLatin1String("<br/>"));
            continue;
        }
        if (tags && c == QLatin1Char('[')) {
            if (text.midRef(i, FormatTags::CodeBracket.size()) == FormatTags::CodeBracket) {
                replace(i, FormatTags::CodeBracket.size(), QLatin1String("["));
                i += FormatTags::CodeBracket.size() - 1;
                continue;
            }
            if (const FormatTags::Tag *tag = FormatTags::tagStartingAt(text, i)) {
                replace(i, tag->markup.size(), tag->html);
                i += tag->markup.size() - 1;
            }
        }
    }
    out.append(data + copied, n - copied);
    return out;
}

// The "[furl" pass over escaped text. An anchor that linkify wrote and that
// overlaps a file link loses its tags (its text stays): the file link is
// what the sender marked up, and an anchor inside an anchor is no link a
// reader can follow. With `keepPlaceholders` a label that would hold an
// attachment placeholder ends the pass, so no block stands inside a link.
QString replaceFileLinks(const QString &text, bool keepPlaceholders)
{
    const QLatin1String open("[furl");
    const QLatin1String close("[/furl]");
    int s = text.indexOf(open);
    if (s < 0)
        return text;
    struct FileLink
    {
        int start;
        int labelStart;
        int labelEnd;
        int end;
        QString href;
    };
    QVector<FileLink> links;
    int placeholder = -2; // the first placeholder not before the current label; -1 when none
    while (s >= 0) {
        int cursor = s + open.size();
        QString href;
        bool hasHref = false;
        if (cursor < text.size() && text.at(cursor) == QLatin1Char('=')) {
            const int end = text.indexOf(QLatin1Char(']'), cursor + 1);
            if (end < 0)
                break;
            QString path = Links::htmlToPlainText(text.mid(cursor + 1, end - cursor - 1));
            path.replace(QChar(0x0002), QLatin1Char('[')).replace(QChar(0x0003), QLatin1Char(']'));
            href = QUrl::fromLocalFile(path).toString();
            hasHref = true;
            cursor = end;
        }
        if (cursor >= text.size() || text.at(cursor) != QLatin1Char(']'))
            break;
        const int labelStart = cursor + 1;
        const int labelEnd = text.indexOf(close, labelStart);
        if (labelEnd < 0)
            break;
        if (keepPlaceholders) {
            if (placeholder != -1 && placeholder < labelStart)
                placeholder = nextPlaceholder(text, labelStart);
            if (placeholder >= 0 && placeholder < labelEnd)
                break;
        }
        if (!hasHref)
            href = Links::htmlToPlainText(text.mid(labelStart, labelEnd - labelStart));
        // A target of the renderer's own vocabulary is no link a peer may
        // write: its label stays, as text.
        if (Links::isInternalTarget(href))
            href.clear();
        links.append({s, labelStart, labelEnd, labelEnd + close.size(), href});
        s = text.indexOf(open, labelEnd + close.size());
    }
    if (links.isEmpty())
        return text;

    // The tags of every anchor that overlaps a file link. Anchors do not
    // nest here and no tag holds a bracket, so a tag never straddles the
    // edges of a file link.
    struct Range
    {
        int start;
        int end;
    };
    QVector<Range> dropped;
    int link = 0;
    for (int a = text.indexOf(QLatin1String("<a ")); a >= 0 && link < links.size();) {
        const int openEnd = text.indexOf(QLatin1Char('>'), a) + 1;
        const int closeStart = openEnd > 0 ? text.indexOf(QLatin1String("</a>"), openEnd) : -1;
        if (closeStart < 0)
            break;
        const int closeEnd = closeStart + 4;
        while (link < links.size() && links.at(link).end <= a)
            ++link;
        if (link < links.size() && links.at(link).start < closeEnd) {
            dropped.append({a, openEnd});
            dropped.append({closeStart, closeEnd});
        }
        a = text.indexOf(QLatin1String("<a "), closeEnd);
    }

    QString out;
    out.reserve(text.size() + 32 * links.size());
    int next = 0; // first dropped range that may still lie ahead
    const auto copy = [&](int from, int to) {
        while (next < dropped.size() && dropped.at(next).end <= from)
            ++next;
        for (; next < dropped.size() && dropped.at(next).start < to; ++next) {
            out += text.midRef(from, dropped.at(next).start - from);
            from = dropped.at(next).end;
        }
        out += text.midRef(from, to - from);
    };
    int pos = 0;
    for (const FileLink &fileLink : qAsConst(links)) {
        copy(pos, fileLink.start);
        if (fileLink.href.isEmpty()) {
            copy(fileLink.labelStart, fileLink.labelEnd);
        } else {
            out += QLatin1String("<a href=\"");
            out += Links::escapeAttribute(fileLink.href);
            out += QLatin1String("\">");
            copy(fileLink.labelStart, fileLink.labelEnd);
            out += QLatin1String("</a>");
        }
        pos = fileLink.end;
    }
    copy(pos, text.size());
    return out;
}

// Line breaks, formatting tags and file links (applyFormattingTags).
QString formattingPass(const QString &text, bool keepPlaceholders)
{
    const bool lineBreaks = text.contains(QLatin1Char('\n'));
    const bool tags = text.contains(QLatin1Char('['));
    QString out = (lineBreaks || tags) ? replaceSimpleTags(text, lineBreaks, tags) : text;
    return tags ? replaceFileLinks(out, keepPlaceholders) : out;
}

QString hostText(IHostServices *host, void (IHostServices::*query)(std::int64_t, IVariable *), qint64 value)
{
    VariableImpl out;
    (host->*query)(value, &out);
    return out.toString();
}

// What an attachment pass does after a tag.
enum class Step {
    Next,       // the tag was replaced; go on with the next one
    End,        // the tag is removed; the pass ends
    EndKeeping, // the tag stays as written; the pass ends
};

// Attachment tags replaced one by one, from the start, by `make`'s result.
// The placeholders `make` writes start with "[link" and end with "]", so no
// earlier occurrence of `open` can appear after a replacement and the scan
// goes on where the tag ended.
template<typename Make>
QString extractEach(const QString &text, QLatin1String open, QLatin1String close, Make make)
{
    int s = text.indexOf(open);
    if (s < 0)
        return text;
    QString out;
    out.reserve(text.size());
    int pos = 0;
    while (s >= 0) {
        const int c = text.indexOf(close, s + open.size());
        if (c < 0)
            break;
        const QString attributes = text.mid(s + open.size(), c - s - open.size()).trimmed();
        out += text.midRef(pos, s - pos);
        pos = s;
        const Step step = make(attributes, out);
        if (step == Step::EndKeeping)
            break;
        pos = c + close.size();
        if (step == Step::End)
            break;
        s = text.indexOf(open, pos);
    }
    out += text.midRef(pos);
    return out;
}

// A block is built only when its placeholder is put back: a tag whose
// placeholder a later tag swallowed (a "[gp" that runs to the "]" of a file
// placeholder) costs its host calls but no HTML.
struct BlockMaker
{
    enum Kind { File, Media, Picture, Position } kind = File;
    QString a, b, c, d; // the builder's arguments, in order

    QString operator()() const
    {
        switch (kind) {
        case File: return AttachmentBlocks::fileBlockHtml(a, b, c);
        case Media: return AttachmentBlocks::mediaBlockHtml(a, b, c, d);
        case Picture: return AttachmentBlocks::pictureHtml(a, b);
        case Position: return AttachmentBlocks::positionHtml(a, b, c, d);
        }
        return QString();
    }
};
using BlockList = QVector<BlockMaker>;

struct Attachments
{
    BlockList files;
    BlockList voices;
    BlockList videos;
    BlockList pictures;
    BlockList positions;
};

// The local time stamp for default attachment names, read at most once per
// message.
class TimeStamp
{
public:
    const QString &value()
    {
        if (m_value.isEmpty())
            m_value = AttachmentBlocks::currentTimeStamp();
        return m_value;
    }

private:
    QString m_value;
};

BlockMaker mediaBlock(const QString &attributes, AttachmentBlocks::TransferKind kind, ResourceKeyTable &keys,
                      const RenderContext &context, TimeStamp &now)
{
    const QString url = tagAttribute(attributes, QStringLiteral("url"));
    QString name = tagAttribute(attributes, QStringLiteral("name"));
    const qint64 size = tagAttribute(attributes, QStringLiteral("size")).toLongLong();
    const qint64 length = tagAttribute(attributes, QStringLiteral("length")).toLongLong();
    const QString mime = tagAttribute(attributes, QStringLiteral("mime"));
    IHostServices *host = context.host;
    const QByteArray urlBytes = url.toUtf8();

    VariableImpl local;
    if (host && host->localFileForAddress(urlBytes.constData(), &local) && !local.bytes().isEmpty()) {
        const QString localName = QFileInfo(local.toString()).fileName();
        if (!localName.isEmpty())
            name = localName;
    } else {
        if (name.isEmpty())
            name = AttachmentBlocks::defaultAttachmentName(mime, now.value());
        if (host)
            host->registerTransfer(urlBytes.constData(), reinterpret_cast<const char16_t *>(name.utf16()), size,
                                   int(kind));
    }
    const QString key = keys.resourceKeyFor(AttachmentBlocks::stripUploadPrefix(url));
    keys.noteAttachment(key, name, int(kind), url.startsWith(AttachmentBlocks::UploadPrefix));

    const QString sizeText = host ? hostText(host, &IHostServices::formatSize, size)
                                  : QLocale::system().formattedDataSize(size);
    if (kind == AttachmentBlocks::TransferKind::File)
        return {BlockMaker::File, key, name, sizeText, QString()};

    QString lengthText;
    QString caption;
    if (host) {
        lengthText = hostText(host, &IHostServices::formatDuration, length);
        VariableImpl captionText;
        host->mediaCaption(int(kind), &captionText);
        caption = captionText.toString();
    } else {
        lengthText = QStringLiteral("%1:%2").arg(length / 60).arg(length % 60, 2, 10, QLatin1Char('0'));
        caption = kind == AttachmentBlocks::TransferKind::Voice
                      ? QCoreApplication::translate("MarkupConverter", "Voice message")
                      : QCoreApplication::translate("MarkupConverter", "Video message");
    }
    return {BlockMaker::Media, key, caption, lengthText, sizeText};
}

QString placeholder(const char *kind, int index)
{
    return QStringLiteral("[%1%2]").arg(QLatin1String(kind)).arg(index);
}

// Length of the longest emoticon name: no longer text between "(" and ")"
// can be a code.
int longestEmoticonName(const EmotionBoxManager *emoticons)
{
    return emoticons->longestNameLength();
}

// Which attachment tags a text opens at all, found in one scan, so that the
// passes for absent kinds do not search the text again.
struct OpenTags
{
    bool file = false;
    bool voice = false;
    bool video = false;
    bool pic = false;
    bool img = false;
    bool gp = false;

    explicit OpenTags(const QString &text)
    {
        for (int i = text.indexOf(QLatin1Char('[')); i >= 0; i = text.indexOf(QLatin1Char('['), i + 1)) {
            const QStringRef rest = text.midRef(i + 1, 5);
            file = file || rest.startsWith(QLatin1String("file"));
            voice = voice || rest.startsWith(QLatin1String("voice"));
            video = video || rest.startsWith(QLatin1String("video"));
            pic = pic || rest.startsWith(QLatin1String("pic"));
            img = img || rest.startsWith(QLatin1String("img]"));
            gp = gp || rest.startsWith(QLatin1String("gp"));
        }
    }
};

// Attachment tags become placeholders; their blocks go into `lists`. Past
// MaxAttachments blocks the tags stay text.
QString extractAttachments(const QString &markup, Attachments &lists, ResourceKeyTable &keys,
                           const RenderContext &context)
{
    using AttachmentBlocks::TransferKind;
    QString text = markup;
    TimeStamp now;
    int picturesFetched = 0;
    // Placeholders open no attachment tag, so what the scan saw stays true
    // until a tag is removed without one: the text around it joins and may
    // form a new opening, so the next pass looks again.
    OpenTags opens(text);
    bool joined = false;
    const auto rescanIfJoined = [&] {
        if (joined)
            opens = OpenTags(text);
        joined = false;
    };
    const auto full = [&] {
        return lists.files.size() + lists.voices.size() + lists.videos.size() + lists.pictures.size()
                   + lists.positions.size()
               >= RenderBounds::MaxAttachments;
    };
    const auto mediaPass = [&](QLatin1String open, TransferKind kind, BlockList &list, const char *name) {
        text = extractEach(text, open, QLatin1String("]"), [&](const QString &attributes, QString &out) {
            if (full())
                return Step::EndKeeping;
            if (attributes.isEmpty()) {
                joined = true;
                return Step::End;
            }
            out += placeholder(name, list.size());
            list.append(mediaBlock(attributes, kind, keys, context, now));
            return Step::Next;
        });
    };
    if (opens.file)
        mediaPass(QLatin1String("[file"), TransferKind::File, lists.files, FilePlaceholder);
    rescanIfJoined();
    if (opens.voice)
        mediaPass(QLatin1String("[voice"), TransferKind::Voice, lists.voices, VoicePlaceholder);
    rescanIfJoined();
    if (opens.video)
        mediaPass(QLatin1String("[video"), TransferKind::Video, lists.videos, VideoPlaceholder);
    rescanIfJoined();

    const auto addPicture = [&](const QString &address, QString &out) {
        if (full())
            return Step::EndKeeping;
        if (address.isEmpty()) {
            joined = true;
            return Step::End;
        }
        out += placeholder(PicturePlaceholder, lists.pictures.size());
        bool fetchStarted = false;
        const QString localName = AttachmentBlocks::pictureLocalName(context.host, address, &picturesFetched, &fetchStarted);
        keys.notePicture(localName, address, fetchStarted);
        lists.pictures.append({BlockMaker::Picture, localName, address, QString(), QString()});
        return Step::Next;
    };
    if (opens.pic) {
        text = extractEach(text, QLatin1String("[pic"), QLatin1String("]"), [&](const QString &attributes, QString &out) {
            return addPicture(tagAttribute(attributes, QStringLiteral("src")), out);
        });
    }
    rescanIfJoined();
    if (opens.img) {
        text = extractEach(text, QLatin1String("[img]"), QLatin1String("[/img]"),
                           [&](const QString &enclosed, QString &out) {
                               const QString src = tagAttribute(enclosed, QStringLiteral("src"));
                               return addPicture(src.isEmpty() ? enclosed : src, out);
                           });
    }
    rescanIfJoined();
    if (!opens.gp)
        return text;
    text = extractEach(text, QLatin1String("[gp"), QLatin1String("]"), [&](const QString &attributes, QString &out) {
        if (full())
            return Step::EndKeeping;
        if (attributes.isEmpty())
            return Step::End;
        const QString pos = tagAttribute(attributes, QStringLiteral("pos"));
        const QString addr = tagAttribute(attributes, QStringLiteral("addr"));
        const QString imgmap = tagAttribute(attributes, QStringLiteral("imgmap"));
        const QString address = imgmap.isEmpty() ? Links::GeoScheme + pos : imgmap;
        out += placeholder(PositionPlaceholder, lists.positions.size());
        bool fetchStarted = false;
        const QString localName = AttachmentBlocks::pictureLocalName(context.host, address, &picturesFetched, &fetchStarted);
        keys.notePicture(localName, address, fetchStarted);
        lists.positions.append({BlockMaker::Position, localName, pos, addr, imgmap});
        return Step::Next;
    });
    return text;
}

// Placeholders back to their blocks in one scan, so that nothing a block
// contains is taken for a placeholder.
QString restoreAttachments(const QString &text, const Attachments &lists)
{
    const BlockList *kinds[PlaceholderKindCount] = {&lists.files, &lists.voices, &lists.videos, &lists.pictures,
                                                    &lists.positions};
    if (std::all_of(std::begin(kinds), std::end(kinds), [](const BlockList *blocks) { return blocks->isEmpty(); }))
        return text;
    // First find the placeholders, then size the result once: blocks are
    // far longer than their placeholders, and a result that grows block by
    // block is copied again and again. Blocks of one kind differ only in
    // their texts, so the first of each kind stands for the others.
    struct Use
    {
        int start;
        int end;
        int kind;
        int index;
    };
    QVector<Use> uses;
    int i = text.indexOf(QLatin1String("[link_"));
    while (i >= 0) {
        int next = i + 1;
        int kind = 0;
        int index = 0;
        const int end = placeholderAt(text, i, &kind, &index);
        if (end > 0 && index < kinds[kind]->size()) {
            uses.append({i, end, kind, index});
            next = end;
        }
        i = text.indexOf(QLatin1String("[link_"), next);
    }
    if (uses.isEmpty())
        return text;

    qsizetype sampleSize[PlaceholderKindCount] = {-1, -1, -1, -1, -1};
    qsizetype size = text.size();
    for (const Use &use : uses) {
        if (sampleSize[use.kind] < 0)
            sampleSize[use.kind] = kinds[use.kind]->at(use.index)().size();
        size += sampleSize[use.kind] + 16;
    }
    QString out;
    out.reserve(int(qMin<qsizetype>(size, std::numeric_limits<int>::max() / 4)));
    int pos = 0;
    for (const Use &use : uses) {
        out += text.midRef(pos, use.start - pos);
        out += kinds[use.kind]->at(use.index)();
        pos = use.end;
    }
    out += text.midRef(pos);
    return out;
}

// Emoticon codes as pictures, at most MaxEmoticons of them: the codes
// after the last one pictured stay text. Codes are found the way
// replaceCodes finds them: at each "(", the text up to the next ")".
QString replaceEmoticonCodes(const QString &html, const RenderContext &context)
{
    const EmotionBoxManager *emoticons = context.emoticons;
    const int opens = html.count(QLatin1Char('('));
    if (opens == 0)
        return html;
    // Each code opens with its own "(": with no more of them than the
    // bound, no code can be past it.
    if (opens <= RenderBounds::MaxEmoticons)
        return emoticons->replaceCodes(html, context.language, context.bigSingleEmoticons);
    int split = -1;
    const int longest = longestEmoticonName(emoticons);
    int count = 0;
    int close = -1;
    for (int open = html.indexOf(QLatin1Char('(')); open >= 0;) {
        if (close <= open) {
            close = html.indexOf(QLatin1Char(')'), open + 1);
            if (close < 0)
                break;
        }
        int next = open + 1;
        const int length = close - open - 1;
        if (length <= longest && emoticons->findEntry(html.mid(open + 1, length))) {
            if (++count > RenderBounds::MaxEmoticons) {
                split = open;
                break;
            }
            next = close + 1;
        }
        open = html.indexOf(QLatin1Char('('), next);
    }
    if (split < 0)
        return emoticons->replaceCodes(html, context.language, context.bigSingleEmoticons);
    return emoticons->replaceCodes(html.left(split), context.language, context.bigSingleEmoticons)
           + html.midRef(split);
}

// Steps 9 to 13: links and escaping, formatting tags, emoticon codes,
// mentions, spaces and line breaks. Attachment placeholders stay whole and
// outside links: no link runs across one, no file link holds one.
QString textPasses(const QString &text, const RenderContext &context)
{
    QVector<int> placeholders;
    for (int i = nextPlaceholder(text, 0); i >= 0; i = nextPlaceholder(text, i + 1))
        placeholders.append(i);
    QString html = Links::linkify(text, placeholders);
    html = formattingPass(html, true);
    if (context.emoticons)
        html = replaceEmoticonCodes(html, context);
    html = replaceMentions(html, context.host);
    return replaceSpacesAndBreaks(html);
}

// Markup past MaxMarkupChars is left out; the cut falls after a space near
// the bound when there is one, and never inside a surrogate pair.
QString cutMarkup(const QString &markup)
{
    int end = RenderBounds::MaxMarkupChars;
    const int space = markup.lastIndexOf(QLatin1Char(' '), end - 1);
    if (space >= end - RenderBounds::MaxRunLength)
        end = space + 1;
    else if (markup.at(end - 1).isHighSurrogate())
        --end;
    return markup.left(end);
}

// The last step of both renderings: the bounds, and a mark where the text
// was cut short.
QString boundedBody(const QString &html, bool *cut, bool knownWithinBounds = false)
{
    BodyBounds::Bounded bounded = knownWithinBounds ? BodyBounds::Bounded{html, false} : BodyBounds::apply(html);
    *cut = *cut || bounded.cut;
    // The zero-width space keeps the mark from lengthening a run.
    if (*cut)
        bounded.html += QStringLiteral("\u200B\u2026");
    return bounded.html;
}

} // namespace

QString editorToMarkup(const QTextDocument *document, const QFont &baseFont, QStringList *pictureNames)
{
    if (!document)
        return QString();
    std::unique_ptr<QTextDocument> clone(document->clone());
    const bool baseBold = baseFont.weight() > 57;
    const bool baseItalic = baseFont.style() != QFont::StyleNormal;
    const bool baseUnderline = baseFont.underline();

    bool bold = false;
    bool italic = false;
    bool underline = false;
    QStringList pending;
    QString out;
    QTextCursor cursor(clone.get());
    const int count = clone->characterCount();
    for (int p = 1; p < count; ++p) {
        cursor.setPosition(p);
        const QTextCharFormat format = cursor.charFormat();
        if (format.isImageFormat()) {
            const QString name = format.toImageFormat().name();
            if (name.startsWith(ChatImagePrefix)) {
                if (pictureNames)
                    pictureNames->append(name);
            } else {
                out += QLatin1Char('(') + name + QLatin1Char(')');
            }
            continue;
        }
        const QFont font = format.font();
        if (!baseBold && font.weight() > 57 && !bold) {
            out += QLatin1String("[b]");
            pending.prepend(QStringLiteral("[/b]"));
            bold = true;
        }
        if (!baseItalic && font.style() != QFont::StyleNormal && !italic) {
            out += QLatin1String("[i]");
            pending.prepend(QStringLiteral("[/i]"));
            italic = true;
        }
        if (!baseUnderline && font.underline() && !underline) {
            out += QLatin1String("[u]");
            pending.prepend(QStringLiteral("[/u]"));
            underline = true;
        }
        if (!baseUnderline && underline && !font.underline()) {
            out += QLatin1String("[/u]");
            pending.removeOne(QStringLiteral("[/u]"));
            underline = false;
        }
        if (!baseItalic && italic && font.style() == QFont::StyleNormal) {
            out += QLatin1String("[/i]");
            pending.removeOne(QStringLiteral("[/i]"));
            italic = false;
        }
        if (baseFont.weight() < 58 && bold && font.weight() < 58) {
            out += QLatin1String("[/b]");
            pending.removeOne(QStringLiteral("[/b]"));
            bold = false;
        }
        out += clone->characterAt(p - 1);
    }
    out += pending.join(QString());
    out.replace(QChar(0x2028), QLatin1String("\r\n"));
    out.replace(QChar(0x2029), QLatin1String("\r\n"));
    return out;
}

RenderedBody renderMessageBody(const QString &markup, const QString &senderName, ResourceKeyTable &resourceKeys,
                               const RenderContext &context, Passes passes)
{
    RenderedBody result;
    QString text = markup;
    if (text.size() > RenderBounds::MaxMarkupChars) {
        text = cutMarkup(text);
        result.cut = true;
    }
    Attachments lists;
    // Every tag of the attachment passes opens with "[".
    if (text.contains(QLatin1Char('['))) {
        QString locationAttributes;
        if (indexOfOpen(text, QLatin1String("[loc")) >= 0
            && extractTag(text, QStringLiteral("[loc"), QStringLiteral("]"), &locationAttributes) >= 0) {
            const QString pos = tagAttribute(locationAttributes, QStringLiteral("pos"));
            if (!pos.isEmpty())
                result.locationHtml = AttachmentBlocks::locationHtml(senderName, pos);
        }
        text = extractAttachments(text, lists, resourceKeys, context);
    }
    if (context.emoticons)
        text = context.emoticons->replaceAliases(text);
    if (text.isEmpty() && !result.cut)
        return result;
    const bool blocks = !lists.files.isEmpty() || !lists.voices.isEmpty() || !lists.videos.isEmpty()
                        || !lists.pictures.isEmpty() || !lists.positions.isEmpty();
    QString html;
    bool withinBounds = false;
    if (passes == Passes::Sequential || !FusedTextScan::render(text, context, &html, &withinBounds))
        html = textPasses(text, context);
    if (blocks) {
        // The blocks are far from keeping to the bounds on their own.
        html = restoreAttachments(html, lists);
        withinBounds = false;
    }
    result.html = boundedBody(html, &result.cut, withinBounds);
    return result;
}

QString renderPlainMarkup(const QString &markup, const RenderContext &context, Passes passes)
{
    if (markup.isEmpty())
        return QString();
    bool cut = markup.size() > RenderBounds::MaxMarkupChars;
    const QString text = cut ? cutMarkup(markup) : markup;
    QString html;
    bool withinBounds = false;
    if (passes == Passes::Sequential || !FusedTextScan::render(text, context, &html, &withinBounds))
        html = textPasses(text, context);
    return boundedBody(html, &cut, withinBounds);
}

QString applyFormattingTags(const QString &text)
{
    return formattingPass(text, false);
}

QString replaceMentions(const QString &text, IHostServices *host)
{
    // One scan that steps over the tags earlier passes wrote. A mention
    // inside an anchor, or one whose brackets an anchor tag stands between,
    // stays text: an anchor never holds another.
    if (!containsPair(text, QLatin1Char('['), QLatin1Char('@')))
        return text;
    QString out;
    int pos = 0;
    int start = -1; // the open "[@", -1 while none
    bool inAnchor = false;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('<')) {
            const int close = text.indexOf(QLatin1Char('>'), i + 1);
            if (close < 0)
                break;
            if (text.midRef(i, 3) == QLatin1String("<a ") || text.midRef(i, 3) == QLatin1String("<a>")) {
                inAnchor = true;
                start = -1;
            } else if (text.midRef(i, 4) == QLatin1String("</a>")) {
                inAnchor = false;
                start = -1;
            }
            i = close;
            continue;
        }
        if (start < 0) {
            if (c == QLatin1Char('[') && !inAnchor && i + 1 < n && text.at(i + 1) == QLatin1Char('@'))
                start = i++;
            continue;
        }
        if (c != QLatin1Char(']'))
            continue;
        const int idStart = start + 2;
        const QStringView written = QStringView(text).mid(idStart, i - idStart);
        // Text without tags or references reads as itself.
        const bool plain = !written.contains(QLatin1Char('<')) && !written.contains(QLatin1Char('&'));
        const QString id = plain ? written.trimmed().toString()
                                 : Links::htmlToPlainText(written.toString()).trimmed();
        MentionedUser user;
        const QByteArray idBytes = id.toUtf8();
        const bool known = host && host->getUser(&user, idBytes.constData());
        if (out.isNull())
            out.reserve(n + 64);
        out.append(text.constData() + pos, start - pos);
        out += QLatin1String("<b><a href=\"");
        Links::appendEscapedAttribute(out, Links::ChatScheme);
        Links::appendEscapedAttribute(out, id);
        out += QLatin1String("\">");
        if (known)
            Links::appendEscapedHtml(out, user.name);
        else
            Links::appendEscapedHtml(out, QCoreApplication::translate("MarkupConverter", "Unknown"));
        out += QLatin1String("</a></b>");
        pos = i + 1;
        start = -1;
    }
    if (pos == 0)
        return text;
    out += text.midRef(pos);
    return out;
}

int extractTag(QString &text, const QString &open, const QString &close, QString *attributes)
{
    const int start = text.indexOf(open);
    if (start < 0)
        return -1;
    const int end = text.indexOf(close, start + open.size());
    if (end < 0)
        return -1;
    if (attributes)
        *attributes = text.mid(start + open.size(), end - start - open.size()).trimmed();
    text.remove(start, end + close.size() - start);
    return start;
}

QStringList pictureAddresses(const QString &markup)
{
    struct Found
    {
        int at;
        QString address;
    };
    QVector<Found> found;
    const auto scan = [&](QLatin1String open, QLatin1String close, bool enclosed) {
        int s = markup.indexOf(open);
        while (s >= 0 && found.size() < RenderBounds::MaxAttachments) {
            const int c = markup.indexOf(close, s + open.size());
            if (c < 0)
                break;
            const QString inner = markup.mid(s + open.size(), c - s - open.size()).trimmed();
            QString address = tagAttribute(inner, QStringLiteral("src"));
            if (address.isEmpty() && enclosed)
                address = inner;
            if (!address.isEmpty())
                found.append({s, address});
            s = markup.indexOf(open, c + close.size());
        }
    };
    scan(QLatin1String("[pic"), QLatin1String("]"), false);
    scan(QLatin1String("[img]"), QLatin1String("[/img]"), true);
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) { return a.at < b.at; });
    QStringList addresses;
    for (int i = 0; i < found.size() && i < RenderBounds::MaxAttachments; ++i)
        addresses.append(found.at(i).address);
    return addresses;
}

QString tagAttribute(const QString &attributes, const QString &key)
{
    const int at = attributes.indexOf(key + QLatin1Char('='));
    if (at < 0)
        return QString();
    const int valueStart = at + key.size() + 1;
    int begin = valueStart;
    int end = -1;
    if (valueStart < attributes.size() && attributes.at(valueStart) == QLatin1Char('"')) {
        begin = valueStart + 1;
        end = attributes.indexOf(QLatin1Char('"'), begin);
    } else {
        end = attributes.indexOf(QLatin1Char(']'), valueStart);
        if (end < 0)
            end = attributes.indexOf(QLatin1Char(' '), valueStart);
    }
    if (end < 0)
        return QString();
    QString value = attributes.mid(begin, end - begin).trimmed();
    if (value.contains(QLatin1Char('%'))) {
        value.replace(QLatin1String("%91"), QLatin1String("["));
        value.replace(QLatin1String("%93"), QLatin1String("]"));
        value.replace(QLatin1String("%37"), QLatin1String("%"));
    }
    return value;
}

QString encodeAttributeValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == QLatin1Char('%'))
            out += QLatin1String("%37");
        else if (c == QLatin1Char('['))
            out += QLatin1String("%91");
        else if (c == QLatin1Char(']'))
            out += QLatin1String("%93");
        else
            out += c;
    }
    return out;
}

bool canEditMarkup(const QString &markup)
{
    if (!markup.contains(QLatin1Char('[')))
        return true;
    static const QLatin1String attachments[] = {QLatin1String("[pic"), QLatin1String("[file"),
                                                QLatin1String("[voice"), QLatin1String("[video"),
                                                QLatin1String("[nudge")};
    for (const QLatin1String &open : attachments) {
        const int at = markup.indexOf(open);
        if (at >= 0 && markup.indexOf(QLatin1Char(']'), at + open.size()) >= 0)
            return false;
    }
    return true;
}

bool canEditMessage(const IHostMessage *message)
{
    if (!message || message->isReceived() || message->kind() == IHostMessage::KindPlugin)
        return false;
    return canEditMarkup(QString::fromUtf8(message->body()));
}

QString markupToEditorHtml(const QString &markup, const RenderContext &context)
{
    // After escaping, the only "<" left are those of the tags written by
    // replaceSimpleTags; emoticon codes and runs of spaces are handled here.
    const QString text = replaceSimpleTags(Links::escapeHtml(markup), true, true);
    QString out;
    out.reserve(text.size() + 32);
    const int n = text.size();
    int nextClose = -2;
    // Text longer than any emoticon name is no code; not copying it keeps
    // a text of many "(" and one late ")" linear.
    const int longest = context.emoticons ? longestEmoticonName(context.emoticons) : 0;
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('<')) {
            const int close = text.indexOf(QLatin1Char('>'), i);
            out += text.midRef(i, close - i + 1);
            i = close;
            continue;
        }
        if (c == QLatin1Char('(') && context.emoticons) {
            if (nextClose != -1 && nextClose < i)
                nextClose = text.indexOf(QLatin1Char(')'), i);
            if (nextClose > i && nextClose - i - 1 <= longest) {
                const QString name = text.mid(i + 1, nextClose - i - 1);
                if (!name.contains(QLatin1Char('<')) && !name.contains(QLatin1Char('&'))
                    && context.emoticons->findEntry(name)) {
                    out += QLatin1String("<img src=\"") + Links::escapeAttribute(name) + QLatin1String("\" />");
                    i = nextClose;
                    continue;
                }
            }
        }
        if (c == QLatin1Char(' ') && i + 1 < n && text.at(i + 1) == QLatin1Char(' '))
            out += QLatin1String("&nbsp;");
        else
            out += c;
    }
    return out;
}

QString markupToPlainText(const QString &markup, IHostServices *host)
{
    QString text = markup;
    QString ignored;
    extractTag(text, QStringLiteral("[loc"), QStringLiteral("]"), &ignored);
    const auto named = [](const QString &attributes, QString &out) {
        if (attributes.isEmpty())
            return Step::End;
        out += tagAttribute(attributes, QStringLiteral("name"));
        return Step::Next;
    };
    const auto dropped = [](const QString &attributes, QString &) {
        return attributes.isEmpty() ? Step::End : Step::Next;
    };
    text = extractEach(text, QLatin1String("[file"), QLatin1String("]"), named);
    text = extractEach(text, QLatin1String("[voice"), QLatin1String("]"), named);
    text = extractEach(text, QLatin1String("[video"), QLatin1String("]"), named);
    text = extractEach(text, QLatin1String("[pic"), QLatin1String("]"), dropped);
    text = extractEach(text, QLatin1String("[img]"), QLatin1String("[/img]"), dropped);
    text = extractEach(text, QLatin1String("[gp"), QLatin1String("]"), [](const QString &attributes, QString &out) {
        if (attributes.isEmpty())
            return Step::End;
        out += tagAttribute(attributes, QStringLiteral("addr"));
        return Step::Next;
    });
    text = replaceAll(text, QLatin1String("[nudge]"), QLatin1String(""));
    // The HTML route handles every tag the way a message shows it; the
    // plain text is what that HTML reads as.
    QString html = applyFormattingTags(Links::escapeHtml(text));
    html = replaceMentions(html, host);
    return Links::htmlToPlainText(html);
}

QString editCommand(qint64 eventId, const QString &markup)
{
    return QStringLiteral("[edit %1]").arg(eventId) + markup;
}

QString replyCommand(qint64 eventId, const QString &markup)
{
    return QStringLiteral("[reply %1]").arg(eventId) + markup;
}

QString deleteCommand(qint64 eventId)
{
    return QStringLiteral("[delete %1]").arg(eventId);
}

QString likeCommand(qint64 eventId, bool like)
{
    return QStringLiteral("[like %1 %2]").arg(eventId).arg(like ? QLatin1Char('T') : QLatin1Char('F'));
}

QString labelCommand(qint64 eventId, const QStringList &labels)
{
    return QStringLiteral("[label %1 %2]").arg(eventId).arg(labels.join(QLatin1Char(' ')));
}

QStringList toggledLabels(const QString &labels, const QString &label)
{
    QStringList set = labels.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!set.removeOne(label))
        set.append(label);
    return set;
}

} // namespace MarkupConverter
