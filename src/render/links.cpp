#include "render/links.h"

#include "render/emailscanner.h"

#include <QDir>
#include <QStringView>

#include <algorithm>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <QFileInfo>
#include <QUrlQuery>

namespace Links {

namespace {

struct Marker
{
    const char16_t *text;
    int length;
};

// Tried in this order at every position.
const Marker Markers[] = {
    {u"://", 3},
    {u"www.", 4},
    {u"file:", 5},
    {u"\\\\", 2},
};

bool markerAt(const QString &text, int p, const Marker &marker)
{
    if (p + marker.length > text.size())
        return false;
    const QChar *data = text.constData() + p;
    for (int i = 0; i < marker.length; ++i) {
        if (data[i].unicode() != marker.text[i])
            return false;
    }
    return true;
}

bool isMarkerCharacter(ushort c)
{
    return c == ':' || c == 'w' || c == 'f' || c == '\\';
}

// The first character at or after p that opens a marker, or n. Every
// message is searched for links, so the search looks at eight characters
// at a time where the processor can.
int nextMarkerCharacter(const QChar *data, int p, int n)
{
#ifdef __SSE2__
    const __m128i colon = _mm_set1_epi16(':');
    const __m128i w = _mm_set1_epi16('w');
    const __m128i f = _mm_set1_epi16('f');
    const __m128i backslash = _mm_set1_epi16('\\');
    for (; p + 8 <= n; p += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + p));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(v, colon), _mm_cmpeq_epi16(v, w)),
                                          _mm_or_si128(_mm_cmpeq_epi16(v, f), _mm_cmpeq_epi16(v, backslash)));
        const int mask = _mm_movemask_epi8(hits);
        if (mask != 0)
            return p + __builtin_ctz(unsigned(mask)) / 2;
    }
#endif
    while (p < n && !isMarkerCharacter(data[p].unicode()))
        ++p;
    return p;
}

bool isTerminator(QChar c)
{
    const ushort u = c.unicode();
    return u == ' ' || u == '\r' || u == '\n' || u == 0x2029;
}

void appendAnchor(QString &out, QStringView targetPrefix, QStringView target, QStringView label)
{
    out += QLatin1String("<a href=\"");
    appendEscapedAttribute(out, targetPrefix);
    appendEscapedAttribute(out, target);
    out += QLatin1String("\">");
    appendEscapedHtml(out, label);
    out += QLatin1String("</a>");
}

// linkifyEmails of text[from, to) appended to `out`.
void appendWithEmails(QString &out, const QString &text, int from, int to)
{
    // The scanner reads to the end of its text: an address must not run on
    // past `to`, so a stretch that ends early gets a text of its own.
    if (to < text.size()) {
        const int at = text.indexOf(QLatin1Char('@'), from);
        if (at < 0 || at >= to) {
            appendEscapedHtml(out, QStringView(text).mid(from, to - from));
            return;
        }
        appendWithEmails(out, text.mid(from, to - from), 0, to - from);
        return;
    }
    int length = 0;
    int pos = from;
    for (int start = EmailScanner::find(text, pos, &length); start >= 0;
         start = EmailScanner::find(text, pos, &length)) {
        appendEscapedHtml(out, QStringView(text).mid(pos, start - pos));
        const QStringView address = QStringView(text).mid(start, length);
        appendAnchor(out, MailScheme, address, address);
        pos = start + length;
        if (length == 0)
            break;
    }
    appendEscapedHtml(out, QStringView(text).mid(pos, to - pos));
}

bool matchesSchemePattern(const QString &text)
{
    // ^[a-zA-Z]+\:.*
    int i = 0;
    while (i < text.size() && ((text.at(i) >= QLatin1Char('a') && text.at(i) <= QLatin1Char('z'))
                               || (text.at(i) >= QLatin1Char('A') && text.at(i) <= QLatin1Char('Z'))))
        ++i;
    return i > 0 && i < text.size() && text.at(i) == QLatin1Char(':');
}

} // namespace

QString chatTarget(const QString &contactId) { return ChatScheme + contactId; }
QString pictureTarget(const QString &localName) { return PictureScheme + localName; }
QString geoTarget(const QString &position) { return GeoScheme + position; }
QString likeTarget(qint64 eventId) { return LikeScheme + QString::number(eventId); }
QString menuTarget(qint64 eventId) { return MenuScheme + QString::number(eventId); }
QString cloudTarget(const QString &resourceKey) { return CloudScheme + resourceKey; }
QString fullTextTarget(qint64 eventId) { return FullTextScheme + QString::number(eventId); }

ParsedLink parseLinkTarget(const QString &target)
{
    struct Prefix
    {
        const QString &text;
        LinkTarget kind;
    };
    const Prefix prefixes[] = {
        {LocalFileMarker, LinkTarget::LocalPath}, {ChatScheme, LinkTarget::Chat},
        {PictureScheme, LinkTarget::Picture},     {GeoScheme, LinkTarget::GeoPosition},
        {LikeScheme, LinkTarget::Like},           {MenuScheme, LinkTarget::Menu},
        {CloudScheme, LinkTarget::Cloud},         {FullTextScheme, LinkTarget::FullText},
    };
    for (const Prefix &prefix : prefixes) {
        if (target.startsWith(prefix.text))
            return {prefix.kind, target.mid(prefix.text.size())};
    }
    if (target.startsWith(LocationScheme + QLatin1String("://")))
        return {LinkTarget::Location, target};
    return {LinkTarget::External, target};
}

bool isInternalTarget(const QString &target)
{
    int i = 0;
    while (i < target.size()
           && (target.at(i).isSpace() || target.at(i).unicode() < 0x20 || target.at(i).category() == QChar::Other_Format))
        ++i;
    const QStringRef rest = target.midRef(i);
    for (const QString *prefix : {&ChatScheme, &PictureScheme, &GeoScheme, &LikeScheme, &MenuScheme, &CloudScheme,
                                  &FullTextScheme}) {
        if (rest.startsWith(*prefix, Qt::CaseInsensitive))
            return true;
    }
    return rest.startsWith(LocationScheme + QLatin1Char(':'), Qt::CaseInsensitive);
}

QUrl localPathUrl(const QString &pathAfterMarker)
{
    return QUrl::fromLocalFile(QDir::toNativeSeparators(pathAfterMarker));
}

QUrl geoMapUrl(const QString &position)
{
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(MapHost);
    url.setPath(QStringLiteral("/maps/search/"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("api"), QStringLiteral("1"));
    query.addQueryItem(QStringLiteral("query"), position);
    url.setQuery(query);
    return url;
}

QUrl locationHttpUrl(const QString &locationTarget)
{
    const QString prefix = LocationScheme + QLatin1String("://");
    if (!locationTarget.startsWith(prefix))
        return QUrl(locationTarget, QUrl::TolerantMode);
    return QUrl(QLatin1String("http://") + locationTarget.mid(prefix.size()), QUrl::TolerantMode);
}

void appendEscapedHtml(QString &out, QStringView text)
{
    const QChar *data = text.data();
    const int n = int(text.size());
    int copied = 0;
    for (int i = 0; i < n; ++i) {
        QLatin1String with;
        switch (data[i].unicode()) {
        case '&': with = QLatin1String("&amp;"); break;
        case '<': with = QLatin1String("&lt;"); break;
        case '>': with = QLatin1String("&gt;"); break;
        case '"': with = QLatin1String("&quot;"); break;
        default: continue;
        }
        out.append(data + copied, i - copied);
        out += with;
        copied = i + 1;
    }
    out.append(data + copied, n - copied);
}

void appendEscapedAttribute(QString &out, QStringView text)
{
    const QChar *data = text.data();
    const int n = int(text.size());
    int copied = 0;
    for (int i = 0; i < n; ++i) {
        const ushort u = data[i].unicode();
        // Most characters of an address need nothing.
        if (u > ')' && u != '<' && u != '>' && u != '[' && u != ']' && u != 0x2028 && u != 0x2029)
            continue;
        QLatin1String with;
        switch (u) {
        case '&': with = QLatin1String("&amp;"); break;
        case '<': with = QLatin1String("&lt;"); break;
        case '>': with = QLatin1String("&gt;"); break;
        case '"': with = QLatin1String("&quot;"); break;
        case '\'': with = QLatin1String("&#39;"); break;
        case '[': with = QLatin1String("&#91;"); break;
        case ']': with = QLatin1String("&#93;"); break;
        case '(': with = QLatin1String("&#40;"); break;
        case ')': with = QLatin1String("&#41;"); break;
        case ' ': with = QLatin1String("&#32;"); break;
        case '\t': with = QLatin1String("&#9;"); break;
        case '\r': with = QLatin1String("&#13;"); break;
        case '\n': with = QLatin1String("&#10;"); break;
        default:
            if (u >= 0x20 && u != 0x2028 && u != 0x2029)
                continue;
            out.append(data + copied, i - copied);
            out += QLatin1String("&#");
            out += QString::number(u);
            out += QLatin1Char(';');
            copied = i + 1;
            continue;
        }
        out.append(data + copied, i - copied);
        out += with;
        copied = i + 1;
    }
    out.append(data + copied, n - copied);
}

QString escapeHtml(const QString &text)
{
    // Most chat text has nothing to escape: hand back the shared string.
    const QChar *begin = text.constData();
    const QChar *end = begin + text.size();
    const QChar *first = std::find_if(begin, end, [](QChar c) {
        const ushort u = c.unicode();
        return u == '&' || u == '<' || u == '>' || u == '"';
    });
    if (first == end)
        return text;
    QString out;
    out.reserve(text.size() + text.size() / 8);
    appendEscapedHtml(out, text);
    return out;
}

QString escapeAttribute(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    appendEscapedAttribute(out, text);
    return out;
}

QString htmlToPlainText(const QString &html)
{
    QString out;
    out.reserve(html.size());
    const int n = html.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = html.at(i);
        if (c == QLatin1Char('<')) {
            const int close = html.indexOf(QLatin1Char('>'), i + 1);
            if (close < 0)
                break;
            if (html.midRef(i, 4).compare(QLatin1String("<br/"), Qt::CaseInsensitive) == 0)
                out += QLatin1Char('\n');
            i = close;
            continue;
        }
        if (c == QLatin1Char('&')) {
            // References are short: looking further would make a text of
            // many "&" and no ";" quadratic.
            int semi = -1;
            for (int j = i + 1; j < n && j - i <= 10 && semi < 0; ++j) {
                if (html.at(j) == QLatin1Char(';'))
                    semi = j;
            }
            if (semi > i + 1) {
                const QStringRef name = html.midRef(i + 1, semi - i - 1);
                QChar decoded;
                if (name == QLatin1String("amp"))
                    decoded = QLatin1Char('&');
                else if (name == QLatin1String("lt"))
                    decoded = QLatin1Char('<');
                else if (name == QLatin1String("gt"))
                    decoded = QLatin1Char('>');
                else if (name == QLatin1String("quot"))
                    decoded = QLatin1Char('"');
                else if (name == QLatin1String("apos"))
                    decoded = QLatin1Char('\'');
                else if (name == QLatin1String("nbsp"))
                    decoded = QLatin1Char(' ');
                else if (name.startsWith(QLatin1Char('#'))) {
                    bool ok = false;
                    const uint code = name.mid(1).toUInt(&ok);
                    if (ok && code > 0 && code < 0x10000)
                        decoded = QChar(ushort(code));
                }
                if (!decoded.isNull()) {
                    out += decoded;
                    i = semi;
                    continue;
                }
            }
        }
        out += c;
    }
    return out;
}

bool isLinkDelimiter(QChar c)
{
    switch (c.unicode()) {
    case ' ': case '\t': case '\r': case '\n':
    case '<': case '>': case '~': case '`': case '!': case '@': case '#': case '$': case '%':
    case '^': case '&': case '*': case '(': case ')': case '=': case '+': case '{': case '}':
    case '[': case ']': case '|': case '\\': case '\'': case '"': case ':': case ';': case ',':
    case '.': case '/': case '?':
    case 0x2029:
        return true;
    default:
        return false;
    }
}

int findLinkCandidate(const QString &text, int from, int *length)
{
    const int n = text.size();
    if (n == 0 || from < 0 || from >= n)
        return -1;
    int p = from;
    const QChar *data = text.constData();
    while (p < n) {
        p = nextMarkerCharacter(data, p, n);
        if (p >= n)
            break;
        const ushort c = data[p].unicode();
        bool advanced = false;
        for (const Marker &marker : Markers) {
            // Each marker opens with its own character.
            if (marker.text[0] != c || !markerAt(text, p, marker))
                continue;
            int start = p;
            bool discard = false;
            if (marker.length == 3) { // "://"
                int q = p - 1;
                while (q >= 0 && !isLinkDelimiter(text.at(q)))
                    --q;
                start = q + 1;
                if (start == p)
                    discard = true;
            }
            if (!discard && start >= 2 && !isLinkDelimiter(text.at(start - 1)))
                discard = true;
            int end = p + marker.length;
            if (!discard) {
                while (end < n && !isTerminator(text.at(end)))
                    ++end;
                if (end == p + marker.length)
                    discard = true;
            }
            if (discard) {
                p += marker.length;
                advanced = true;
                break;
            }
            if (length)
                *length = end - start;
            return start;
        }
        if (!advanced)
            ++p;
    }
    return -1;
}

QString linkifyEmails(const QString &segment)
{
    int length = 0;
    // Most text holds no address: its escaped form is the result.
    if (EmailScanner::find(segment, 0, &length) < 0)
        return escapeHtml(segment);
    QString out;
    out.reserve(segment.size() + 16);
    appendWithEmails(out, segment, 0, segment.size());
    return out;
}

QString linkify(const QString &text)
{
    return linkify(text, QVector<int>());
}

QString linkify(const QString &text, const QVector<int> &stops)
{
    int length = 0;
    int start = findLinkCandidate(text, 0, &length);
    if (start < 0)
        return linkifyEmails(text);

    QString out;
    out.reserve(text.size() + text.size() / 2 + 64);
    int plainFrom = 0; // end of the previous link
    int stop = 0;      // first of `stops` that may still cut a link
    const QStringView view(text);
    while (start >= 0) {
        const bool fileLink = text.midRef(start, 5) == QLatin1String("file:");
        if (fileLink)
            length = text.size() - start;
        while (stop < stops.size() && stops.at(stop) <= start)
            ++stop;
        if (stop < stops.size() && stops.at(stop) < start + length)
            length = stops.at(stop) - start;
        const int next = start + length;
        if (fileLink) {
            appendWithEmails(out, text, plainFrom, start);
            // The label is the path after the marker, the target the marker
            // and the path.
            const QStringView path = view.mid(start + 5, length - 5);
            appendAnchor(out, LocalFileMarker, path, path);
            plainFrom = next;
        } else {
            const QStringView linkText = view.mid(start, length);
            const bool isLink = (start == 0 || isLinkDelimiter(text.at(start - 1)))
                                && !isInternalTarget(linkText.toString());
            if (isLink) {
                appendWithEmails(out, text, plainFrom, start);
                if (linkText.startsWith(LocalFileMarker)) {
                    appendAnchor(out, QStringView(), linkText, linkText.mid(LocalFileMarker.size()));
                } else if (linkText.startsWith(QLatin1String("www."))) {
                    const QString target = urlFromUserInput(linkText.toString()).toString();
                    appendAnchor(out, QStringView(), target, linkText);
                } else {
                    appendAnchor(out, QStringView(), linkText, linkText);
                }
                plainFrom = next;
            }
        }
        start = next < text.size() ? findLinkCandidate(text, next, &length) : -1;
    }
    appendWithEmails(out, text, plainFrom, text.size());
    return out;
}

QUrl urlFromUserInput(const QString &input)
{
    const QString text = input.trimmed();
    const bool hasScheme = matchesSchemePattern(text);
    if (hasScheme) {
        const QUrl url(text, QUrl::TolerantMode);
        if (url.isValid())
            return url;
    }
    // The static test skips building a file record for the common answer.
    if (!text.isEmpty() && QFileInfo::exists(text))
        return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
    if (!hasScheme && text.contains(QLatin1Char('.'))) {
        const QString head = text.left(text.indexOf(QLatin1Char('.'))).toLower();
        const QString scheme = head == QLatin1String("ftp") ? QStringLiteral("ftp") : QStringLiteral("http");
        const QUrl url(scheme + QLatin1String("://") + text, QUrl::TolerantMode);
        if (url.isValid())
            return url;
    }
    QUrl url(text, QUrl::TolerantMode);
    if (url.scheme().isEmpty())
        url = QUrl(QLatin1String("http://") + text, QUrl::TolerantMode);
    return url;
}

} // namespace Links
