#include "htmloracle.h"

#include "render/renderbounds.h"

#include <QSet>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace {

const QSet<QString> &allowedElements()
{
    static const QSet<QString> names = {
        QStringLiteral("a"),     QStringLiteral("img"), QStringLiteral("b"),  QStringLiteral("i"),
        QStringLiteral("u"),     QStringLiteral("br"),  QStringLiteral("table"), QStringLiteral("tr"),
        QStringLiteral("td"),
    };
    return names;
}

const QSet<QString> &allowedAttributes()
{
    static const QSet<QString> names = {
        QStringLiteral("href"),        QStringLiteral("src"),         QStringLiteral("alt"),
        QStringLiteral("title"),       QStringLiteral("border"),      QStringLiteral("width"),
        QStringLiteral("height"),      QStringLiteral("cellspacing"), QStringLiteral("cellpadding"),
        QStringLiteral("style"),       QStringLiteral("valign"),
    };
    return names;
}

// The only style texts the renderer writes.
const QSet<QString> &allowedStyles()
{
    static const QSet<QString> styles = {
        QStringLiteral("font: normal 12pt;"),
        QStringLiteral("font-size:24px;font-weight:normal;"),
        QStringLiteral("vertical-align:bottom;"),
    };
    return styles;
}

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// An entity at i ("&name;" or "&#digits;"); returns its length or 0.
int entityLength(const QString &html, int i)
{
    int j = i + 1;
    const int n = html.size();
    if (j < n && html.at(j) == QLatin1Char('#')) {
        ++j;
        const int digits = j;
        while (j < n && html.at(j).isDigit() && html.at(j).unicode() < 128)
            ++j;
        if (j == digits || j - digits > 7)
            return 0;
    } else {
        const int letters = j;
        while (j < n && isAsciiLetter(html.at(j)))
            ++j;
        if (j == letters || j - letters > 8)
            return 0;
    }
    return j < n && html.at(j) == QLatin1Char(';') ? j + 1 - i : 0;
}

QString where(const QString &html, int i)
{
    return QStringLiteral(" at %1: …%2…").arg(i).arg(html.mid(qMax(0, i - 20), 50));
}

} // namespace

// Open elements as Qt's importer keeps them: a closing tag closes the
// innermost open element of its name and all opened inside it, and is
// ignored when none is open; br and img hold nothing.
class OpenElements
{
public:
    void apply(const QString &name, bool closing, bool selfClosing)
    {
        if (name == QLatin1String("br") || name == QLatin1String("img") || selfClosing)
            return;
        if (!closing) {
            m_stack.append(name);
            return;
        }
        const int at = m_stack.lastIndexOf(name);
        if (at >= 0)
            m_stack.erase(m_stack.begin() + at, m_stack.end());
    }
    bool contains(const QString &name) const { return m_stack.contains(name); }
    int count(const QString &name) const { return m_stack.count(name); }

private:
    QStringList m_stack;
};

QString checkRenderedHtml(const QString &html)
{
    const int n = html.size();
    int i = 0;
    OpenElements open;
    while (i < n) {
        const QChar c = html.at(i);
        if (c == QLatin1Char('&')) {
            const int length = entityLength(html, i);
            if (!length)
                return QStringLiteral("stray '&' in content") + where(html, i);
            i += length;
            continue;
        }
        if (c == QLatin1Char('>') || c == QLatin1Char('"'))
            return QStringLiteral("unescaped '%1' in content").arg(c) + where(html, i);
        if (c != QLatin1Char('<')) {
            ++i;
            continue;
        }
        // A tag.
        const int tagStart = i;
        ++i;
        const bool closing = i < n && html.at(i) == QLatin1Char('/');
        if (closing)
            ++i;
        const int nameStart = i;
        while (i < n && isAsciiLetter(html.at(i)))
            ++i;
        const QString name = html.mid(nameStart, i - nameStart).toLower();
        if (!allowedElements().contains(name))
            return QStringLiteral("element '%1' the renderer never writes").arg(name) + where(html, tagStart);
        if (!closing && open.contains(QStringLiteral("a"))) {
            if (name == QLatin1String("a"))
                return QStringLiteral("anchor inside an anchor") + where(html, tagStart);
            if (name == QLatin1String("table") || name == QLatin1String("tr") || name == QLatin1String("td"))
                return QStringLiteral("block inside an anchor") + where(html, tagStart);
        }
        bool selfClosing = false;
        for (;;) {
            while (i < n && html.at(i).isSpace())
                ++i;
            if (i >= n)
                return QStringLiteral("unterminated tag") + where(html, tagStart);
            if (html.at(i) == QLatin1Char('>')) {
                ++i;
                break;
            }
            if (html.at(i) == QLatin1Char('/') && i + 1 < n && html.at(i + 1) == QLatin1Char('>')) {
                i += 2;
                selfClosing = true;
                break;
            }
            const int attributeStart = i;
            while (i < n && (isAsciiLetter(html.at(i)) || html.at(i) == QLatin1Char('-')))
                ++i;
            const QString attribute = html.mid(attributeStart, i - attributeStart).toLower();
            if (!allowedAttributes().contains(attribute))
                return QStringLiteral("attribute '%1' the renderer never writes").arg(attribute)
                       + where(html, attributeStart);
            if (i >= n || html.at(i) != QLatin1Char('='))
                return QStringLiteral("attribute without value") + where(html, attributeStart);
            ++i;
            if (i >= n)
                return QStringLiteral("unterminated tag") + where(html, tagStart);
            const QChar quote = html.at(i);
            QString value;
            if (quote == QLatin1Char('"') || quote == QLatin1Char('\'')) {
                ++i;
                const int valueStart = i;
                while (i < n && html.at(i) != quote) {
                    const QChar v = html.at(i);
                    if (v == QLatin1Char('<') || v == QLatin1Char('>'))
                        return QStringLiteral("unescaped '%1' in attribute '%2'").arg(v).arg(attribute)
                               + where(html, i);
                    if (v == QLatin1Char('&')) {
                        const int length = entityLength(html, i);
                        if (!length)
                            return QStringLiteral("stray '&' in attribute '%1'").arg(attribute) + where(html, i);
                        i += length;
                        continue;
                    }
                    ++i;
                }
                if (i >= n)
                    return QStringLiteral("unterminated attribute value") + where(html, valueStart);
                value = html.mid(valueStart, i - valueStart);
                ++i;
            } else {
                const int valueStart = i;
                while (i < n && html.at(i).isDigit() && html.at(i).unicode() < 128)
                    ++i;
                if (i == valueStart)
                    return QStringLiteral("unquoted attribute value that is not a number") + where(html, valueStart);
                value = html.mid(valueStart, i - valueStart);
            }
            if (attribute == QLatin1String("style") && !allowedStyles().contains(value))
                return QStringLiteral("style the renderer never writes: %1").arg(value) + where(html, attributeStart);
        }
        open.apply(name, closing, selfClosing);
    }
    return QString();
}

QString checkRenderBounds(const QString &html)
{
    using namespace RenderBounds;
    // A cut body closes what is open and ends in "…".
    const int slack = 16 * (MaxFormattingDepth + 8);
    if (html.size() > MaxHtmlChars + slack)
        return QStringLiteral("%1 characters of HTML").arg(html.size());
    OpenElements open;
    int images = 0;
    int anchors = 0;
    int breaks = 0;
    int run = 0;
    const int n = html.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = html.at(i);
        if (c == QLatin1Char('<')) {
            const int close = html.indexOf(QLatin1Char('>'), i);
            if (close < 0)
                return QStringLiteral("unterminated tag") + where(html, i);
            const bool closing = html.at(i + 1) == QLatin1Char('/');
            int j = closing ? i + 2 : i + 1;
            const int nameStart = j;
            while (j < close && isAsciiLetter(html.at(j)))
                ++j;
            const QString name = html.mid(nameStart, j - nameStart).toLower();
            const bool selfClosing = html.at(close - 1) == QLatin1Char('/');
            open.apply(name, closing, selfClosing);
            const int depth = open.count(QStringLiteral("b")) + open.count(QStringLiteral("i"))
                              + open.count(QStringLiteral("u"));
            if (depth > MaxFormattingDepth)
                return QStringLiteral("formatting %1 deep").arg(depth) + where(html, i);
            if (!closing && name == QLatin1String("img")) {
                if (++images > MaxEmoticons + MaxAttachments)
                    return QStringLiteral("more than %1 pictures").arg(images - 1) + where(html, i);
                ++run;
            }
            if (!closing && name == QLatin1String("a") && ++anchors > MaxAnchors)
                return QStringLiteral("more than %1 anchors").arg(MaxAnchors) + where(html, i);
            if (!closing && name == QLatin1String("br") && ++breaks > MaxLineBreaks)
                return QStringLiteral("more than %1 line breaks").arg(MaxLineBreaks) + where(html, i);
            if (name == QLatin1String("br") || name == QLatin1String("table") || name == QLatin1String("tr")
                || name == QLatin1String("td"))
                run = 0;
            i = close;
        } else if (c == QLatin1Char('&')) {
            const int length = entityLength(html, i);
            ++run;
            i += qMax(1, length) - 1;
        } else if (c.isLowSurrogate()) {
            continue;
        } else if (c.unicode() == 0x200B || (c.isSpace() && c.unicode() != 0xA0 && c.unicode() != 0x2007
                                            && c.unicode() != 0x202F)) {
            run = 0;
        } else {
            ++run;
        }
        if (run > MaxRunLength)
            return QStringLiteral("%1 characters without a break opportunity").arg(run) + where(html, i);
    }
    return QString();
}

QVector<OracleAnchor> anchorsOf(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    QVector<OracleAnchor> anchors;
    QString open; // the href of the anchor being read
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QString href = format.isAnchor() ? format.anchorHref() : QString();
            if (href.isEmpty()) {
                open.clear();
                continue;
            }
            if (href != open || anchors.isEmpty())
                anchors.append({href, QString(), {}});
            open = href;
            if (format.isImageFormat())
                anchors.last().images.append(format.toImageFormat().name());
            else
                anchors.last().text += fragment.text();
        }
        open.clear();
    }
    return anchors;
}
