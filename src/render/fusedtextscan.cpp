#include "render/fusedtextscan.h"

#include "render/emailscanner.h"
#include "render/formattags.h"
#include "render/links.h"
#include "render/mentioneduser.h"
#include "render/renderbounds.h"

#include "emoticons/emotionboxmanager.h"

#include <sdk/ihostservices.h>

#include <QCoreApplication>
#include <QStringView>
#include <QVarLengthArray>

namespace FusedTextScan {

namespace {

// Why the scan matches the passes in turn: every pass after linkify acts on
// text linkify copied (escaped) or on link labels, never on what it wrote
// around them (targets escape "[", "(", ")" and spaces). The scan therefore
// handles each character of the text once, as the passes would, and gives
// up where a pass could see something another one wrote: a link holding
// "[" or parentheses, a file link (it runs to the end), "[furl" and
// "[code][[/code]", an emoticon code inside another "(" or past the bound, a
// mention around markup. The one pass that sees across its own output, the
// space rule, pairs spaces only within text: no tag starts or ends in one.

// Characters the plain-text loop stops at (all ASCII); the rest are copied
// in runs.
constexpr quint64 bit(char c)
{
    return quint64(1) << (c & 63);
}
constexpr quint64 SpecialLow = bit('&') | bit('<') | bit('>') | bit('"') | bit('\r') | bit('\n') | bit(' ') | bit('(');
constexpr quint64 SpecialHigh = bit('[');

bool isSpecial(QChar c)
{
    const ushort u = c.unicode();
    return u < 128 && ((((u & 64) ? SpecialHigh : SpecialLow) >> (u & 63)) & 1) != 0;
}

// Text that reads the same in HTML after escaping, formatting and line
// breaks.
bool unchangedByPasses(QStringView text)
{
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': case '<': case '>': case '"': case '\r': case '\n': case '[': case '(': case ')':
            return false;
        default:
            break;
        }
    }
    return true;
}

// Whether BodyBounds would hand the html back as it is, given a length no
// run of it exceeds and the number of its tags: no more tags than the
// formatting depth and room for every character.
bool keepsToBounds(int size, int longestRun, int tags)
{
    return size + 1 <= RenderBounds::MaxHtmlChars && longestRun <= RenderBounds::MaxRunLength
           && tags <= RenderBounds::MaxFormattingDepth;
}

class Scan
{
public:
    Scan(const QString &text, const RenderContext &context)
        : m_text(text)
        , m_data(text.constData())
        , m_n(text.size())
        , m_context(context)
    {
        m_out.reserve(2 * m_n + 64);
    }

    bool run(QString *html, bool *withinBounds);

private:
    struct Mention
    {
        int at; // where the name goes in m_out
        QString id;
    };

    bool segment(int from, int to);
    bool plain(int from, int to);
    int bracket(int i, int to);
    int parenthesis(int i, int to);
    void link(QStringView target, QStringView label);

    // Markup holding `count` tags; the bounds count them.
    void tags(QLatin1String html, int count)
    {
        m_tags += count;
        raw(html);
    }
    void raw(QLatin1String html)
    {
        m_out += html;
        m_space = false;
    }
    void character(QChar c)
    {
        m_out += c;
        m_space = false;
    }
    // Two spaces in a row become " &nbsp;".
    void space()
    {
        if (m_space) {
            m_out += QLatin1String("&nbsp;");
            m_space = false;
        } else {
            // A space in text is where a run of characters without a break
            // ends; everything else counts as part of a run here, which
            // only ever overstates one.
            m_longestRun = qMax(m_longestRun, m_out.size() - m_runStart);
            m_out += QLatin1Char(' ');
            m_runStart = m_out.size();
            m_space = true;
        }
    }
    void escaped(QChar c);
    // Anchor labels and names: escaped, with the space and line-break rules
    // of the passes that run after they are written.
    void label(QString &out, QStringView text, bool lineFeeds);

    const QString &m_text;
    const QChar *m_data;
    const int m_n;
    const RenderContext &m_context;
    QString m_out;
    bool m_space = false;
    bool m_failed = false;
    int m_opens = 0;
    int m_runStart = 0;   // where the current run of m_out began
    int m_longestRun = 0; // at least as long as any run before it
    int m_tags = 0;       // the "<" written
    int m_noCloseAfter = -1;   // no ")" follows this position
    int m_bracketClose = -1;   // the last "]" found for a mention
    QVarLengthArray<Mention, 4> m_mentions;
};

void Scan::escaped(QChar c)
{
    switch (c.unicode()) {
    case '&': raw(QLatin1String("&amp;")); break;
    case '<': raw(QLatin1String("&lt;")); break;
    case '>': raw(QLatin1String("&gt;")); break;
    case '"': raw(QLatin1String("&quot;")); break;
    default: character(c);
    }
}

void Scan::label(QString &out, QStringView text, bool lineFeeds)
{
    bool pending = false;
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text[i];
        const ushort u = c.unicode();
        if (u == ' ') {
            if (pending)
                out += QLatin1String("&nbsp;");
            else
                out += c;
            pending = !pending;
            continue;
        }
        pending = false;
        if (u == '\r' && i + 1 < n && text[i + 1] == QLatin1Char('\n')) {
            out += QLatin1String("<br/>");
            ++m_tags;
            ++i;
        } else if (u == '\n' && lineFeeds) {
            out += QLatin1String("<br/>");
            ++m_tags;
        } else if (u == '&') {
            out += QLatin1String("&amp;");
        } else if (u == '<') {
            out += QLatin1String("&lt;");
        } else if (u == '>') {
            out += QLatin1String("&gt;");
        } else if (u == '"') {
            out += QLatin1String("&quot;");
        } else {
            out += c;
        }
    }
}

void Scan::link(QStringView target, QStringView text)
{
    tags(QLatin1String("<a href=\""), 1);
    Links::appendEscapedAttribute(m_out, target);
    m_out += QLatin1String("\">");
    Links::appendEscapedHtml(m_out, text);
    tags(QLatin1String("</a>"), 1);
}

bool Scan::run(QString *html, bool *withinBounds)
{
    const EmotionBoxManager *emoticons = m_context.emoticons;
    if (emoticons && emoticons->codesNeedTextPasses())
        return false;
    // A message of one code may show the big picture.
    if (emoticons && m_context.bigSingleEmoticons) {
        int first = 0;
        while (first < m_n && m_data[first].isSpace())
            ++first;
        if (first < m_n && m_data[first] == QLatin1Char('('))
            return false;
    }

    // Links found as linkify finds them; the text between goes through the
    // address scanner and the plain-text loop.
    const QStringView view(m_text);
    int length = 0;
    int start = Links::findLinkCandidate(m_text, 0, &length);
    int plainFrom = 0;
    while (start >= 0) {
        if (m_text.midRef(start, 5) == QLatin1String("file:"))
            return false;
        const QStringView linkText = view.mid(start, length);
        // "[" may be an attachment placeholder that cuts the link.
        if (linkText.contains(QLatin1Char('[')))
            return false;
        const int next = start + length;
        if ((start == 0 || Links::isLinkDelimiter(m_data[start - 1])) && !Links::isInternalTarget(linkText.toString())) {
            if (linkText.contains(QLatin1Char('(')) || linkText.contains(QLatin1Char(')')))
                return false;
            if (!segment(plainFrom, start))
                return false;
            if (linkText.startsWith(Links::LocalFileMarker))
                link(linkText, linkText.mid(Links::LocalFileMarker.size()));
            else if (linkText.startsWith(QLatin1String("www.")))
                link(Links::urlFromUserInput(linkText.toString()).toString(), linkText);
            else
                link(linkText, linkText);
            plainFrom = next;
        }
        start = next < m_n ? Links::findLinkCandidate(m_text, next, &length) : -1;
    }
    if (!segment(plainFrom, m_n))
        return false;

    m_longestRun = qMax(m_longestRun, m_out.size() - m_runStart);
    if (m_mentions.isEmpty()) {
        *withinBounds = keepsToBounds(m_out.size(), m_longestRun, m_tags);
        *html = std::move(m_out);
        return true;
    }
    // Names are asked for only now, so that a scan that gives up has asked
    // the host nothing the passes will ask again.
    QString out;
    out.reserve(m_out.size() + 16 * m_mentions.size());
    int copied = 0;
    for (const Mention &mention : qAsConst(m_mentions)) {
        out.append(m_out.constData() + copied, mention.at - copied);
        copied = mention.at;
        MentionedUser user;
        const QByteArray id = mention.id.toUtf8();
        if (m_context.host && m_context.host->getUser(&user, id.constData()))
            label(out, user.name, false);
        else
            label(out, QCoreApplication::translate("MarkupConverter", "Unknown"), false);
    }
    out.append(m_out.constData() + copied, m_out.size() - copied);
    // The names may all stand in one run.
    *withinBounds = keepsToBounds(out.size(), m_longestRun + out.size() - m_out.size(), m_tags);
    *html = std::move(out);
    return true;
}

// Plain text up to the next link, with its e-mail addresses. An address
// never runs on into the link after it.
bool Scan::segment(int from, int to)
{
    if (from >= to)
        return true;
    const int at = m_text.indexOf(QLatin1Char('@'), from);
    if (at < 0 || at >= to)
        return plain(from, to);
    QString part;
    const QString *scanned = &m_text;
    int offset = 0;
    if (to < m_n) {
        part = m_text.mid(from, to - from);
        scanned = &part;
        offset = from;
    }
    int pos = from;
    int length = 0;
    for (int start = EmailScanner::find(*scanned, pos - offset, &length); start >= 0;
         start = EmailScanner::find(*scanned, pos - offset, &length)) {
        start += offset;
        if (!plain(pos, start))
            return false;
        const QStringView address = QStringView(m_text).mid(start, length);
        tags(QLatin1String("<a href=\""), 1);
        Links::appendEscapedAttribute(m_out, Links::MailScheme);
        Links::appendEscapedAttribute(m_out, address);
        m_out += QLatin1String("\">");
        label(m_out, address, true);
        tags(QLatin1String("</a>"), 1);
        pos = start + length;
        if (length == 0)
            break;
    }
    return plain(pos, to);
}

bool Scan::plain(int from, int to)
{
    int i = from;
    while (i < to) {
        // Ordinary characters and single spaces are copied in one stretch;
        // each such space still ends a run.
        int j = i;
        while (j < to) {
            const QChar c = m_data[j];
            if (c == QLatin1Char(' ')) {
                if ((j == i && m_space) || (j + 1 < to && m_data[j + 1] == QLatin1Char(' ')))
                    break;
                const int at = m_out.size() + (j - i);
                m_longestRun = qMax(m_longestRun, at - m_runStart);
                m_runStart = at + 1;
            } else if (isSpecial(c)) {
                break;
            }
            ++j;
        }
        if (j > i) {
            m_out.append(m_data + i, j - i);
            m_space = m_data[j - 1] == QLatin1Char(' ');
            i = j;
            if (i >= to)
                break;
        }
        const QChar c = m_data[i];
        switch (c.unicode()) {
        case ' ':
            space();
            break;
        case '\r':
            if (i + 1 < to && m_data[i + 1] == QLatin1Char('\n')) {
                tags(QLatin1String("<br/>"), 1);
                ++i;
            } else {
                character(c);
            }
            break;
        case '\n':
            tags(QLatin1String("<br/>"), 1);
            break;
        case '[':
            i = bracket(i, to);
            break;
        case '(':
            i = parenthesis(i, to);
            break;
        default:
            escaped(c);
        }
        if (m_failed)
            return false;
        ++i;
    }
    return true;
}

// A formatting tag, a mention or a plain "["; returns the position of the
// last character handled.
int Scan::bracket(int i, int to)
{
    if (m_text.midRef(i, FormatTags::CodeBracket.size()) == FormatTags::CodeBracket
        || m_text.midRef(i, 5) == QLatin1String("[furl")) {
        m_failed = true;
        return i;
    }
    if (const FormatTags::Tag *tag = FormatTags::tagStartingAt(m_text, i)) {
        if (i + tag->markup.size() > to) {
            m_failed = true;
            return i;
        }
        tags(tag->html, 1);
        return i + tag->markup.size() - 1;
    }
    if (i + 1 >= to || m_data[i + 1] != QLatin1Char('@')) {
        character(QLatin1Char('['));
        return i;
    }
    if (m_bracketClose <= i + 1 && m_bracketClose != -2) {
        m_bracketClose = m_text.indexOf(QLatin1Char(']'), i + 2);
        if (m_bracketClose < 0)
            m_bracketClose = -2;
    }
    const int close = m_bracketClose;
    // A mention whose "]" lies past a link is no mention: the link's anchor
    // stands between its brackets.
    if (close < 0 || close >= to) {
        character(QLatin1Char('['));
        return i;
    }
    const QStringView written = QStringView(m_text).mid(i + 2, close - i - 2);
    if (!unchangedByPasses(written)) {
        m_failed = true;
        return i;
    }
    const QString id = written.trimmed().toString();
    tags(QLatin1String("<b><a href=\""), 2);
    Links::appendEscapedAttribute(m_out, Links::ChatScheme);
    Links::appendEscapedAttribute(m_out, id);
    m_out += QLatin1String("\">");
    m_mentions.append({m_out.size(), id});
    tags(QLatin1String("</a></b>"), 2);
    return close;
}

// An emoticon code or a plain "("; returns the position of the last
// character handled.
int Scan::parenthesis(int i, int to)
{
    const EmoticonEntry *entry = nullptr;
    const EmotionBoxManager *emoticons = m_context.emoticons;
    // Past the bound the codes pass counts codes itself.
    if (emoticons && ++m_opens > RenderBounds::MaxEmoticons) {
        m_failed = true;
        return i;
    }
    if (!emoticons || (m_noCloseAfter >= 0 && i >= m_noCloseAfter)) {
        character(QLatin1Char('('));
        return i;
    }
    const int close = m_text.indexOf(QLatin1Char(')'), i + 1);
    if (close < 0) {
        m_noCloseAfter = i;
        character(QLatin1Char('('));
        return i;
    }
    // Codes are found from one "(" to the next ")" and on after it: a "("
    // inside another's code is found differently.
    const int nextOpen = m_text.indexOf(QLatin1Char('('), i + 1);
    if (nextOpen >= 0 && nextOpen < close) {
        m_failed = true;
        return i;
    }
    const int length = close - i - 1;
    if (close >= to || length > emoticons->longestNameLength()) {
        character(QLatin1Char('('));
        return i;
    }
    const QStringView name = QStringView(m_text).mid(i + 1, length);
    entry = emoticons->findEntry(name);
    if (!entry || !unchangedByPasses(name)) {
        character(QLatin1Char('('));
        return i;
    }
    // One <img> element, its texts escaped.
    m_out += emoticons->smallCodeMarkup(entry, m_context.language);
    ++m_tags;
    m_space = false;
    return close;
}

} // namespace

bool render(const QString &text, const RenderContext &context, QString *html, bool *withinBounds)
{
    bool within = false;
    const bool done = Scan(text, context).run(html, &within);
    if (withinBounds)
        *withinBounds = done && within;
    return done;
}

} // namespace FusedTextScan
