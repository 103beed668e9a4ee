#include "render/bodybounds.h"

#include "render/renderbounds.h"

#include <QVector>

#include <algorithm>

namespace BodyBounds {

namespace {

using namespace RenderBounds;

// The elements the renderer writes. Anything else passes untouched.
enum Element { A, B, I, U, Table, Tr, Td, Br, Img, Other, ElementCount };

const QLatin1String ElementNames[ElementCount] = {
    QLatin1String("a"),  QLatin1String("b"),  QLatin1String("i"),   QLatin1String("u"),   QLatin1String("table"),
    QLatin1String("tr"), QLatin1String("td"), QLatin1String("br"),  QLatin1String("img"), QLatin1String(""),
};

const QChar ZeroWidthSpace(0x200B);

Element elementOf(const QStringRef &name)
{
    // The renderer's own tags have ASCII names: compared without folding
    // case through Unicode, which costs more than the rest of a tag.
    const int n = name.size();
    if (std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 128; })) {
        for (int e = 0; e < Other; ++e) {
            const QLatin1String element = ElementNames[e];
            if (element.size() != n)
                continue;
            int k = 0;
            for (; k < n; ++k) {
                ushort c = name.at(k).unicode();
                if (c >= 'A' && c <= 'Z')
                    c += 32;
                if (c != ushort(element.at(k).unicode()))
                    break;
            }
            if (k == n)
                return Element(e);
        }
        return Other;
    }
    for (int e = 0; e < Other; ++e) {
        if (name.compare(ElementNames[e], Qt::CaseInsensitive) == 0)
            return Element(e);
    }
    return Other;
}

bool isFormatting(Element e)
{
    return e == B || e == I || e == U;
}

bool isTableElement(Element e)
{
    return e == Table || e == Tr || e == Td;
}

// Where Qt may wrap a line. No-break spaces (U+00A0, U+2007, U+202F) are
// spaces that forbid exactly that.
bool allowsBreak(QChar c)
{
    const ushort u = c.unicode();
    if (u == 0x00A0 || u == 0x2007 || u == 0x202F)
        return false;
    return u == ZeroWidthSpace.unicode() || c.isSpace();
}

// Length of a character reference starting at i ("&amp;", "&#160;"), or 0.
int referenceLength(const QString &html, int i)
{
    const int limit = qMin(html.size(), i + 10);
    for (int j = i + 1; j < limit; ++j) {
        const QChar c = html.at(j);
        if (c == QLatin1Char(';'))
            return j > i + 1 ? j + 1 - i : 0;
        if (!c.isLetterOrNumber() && c != QLatin1Char('#'))
            return 0;
    }
    return 0;
}

class Walker
{
public:
    explicit Walker(const QString &html)
        : m_in(html)
    {
        m_out.reserve(qMin(html.size(), MaxHtmlChars) + 64);
    }

    Bounded run()
    {
        const int n = m_in.size();
        int i = 0;
        while (i < n && !m_cut) {
            if (m_in.at(i) == QLatin1Char('<')) {
                const int close = m_in.indexOf(QLatin1Char('>'), i + 1);
                if (close > i) {
                    tag(i, close + 1);
                    i = close + 1;
                    continue;
                }
            }
            i = text(i);
        }
        if (m_cut) {
            while (!m_stack.isEmpty())
                emitClose(pop());
        }
        return {m_out, m_cut};
    }

private:
    // Cuts the body when `length` more characters would not fit.
    bool fits(int length)
    {
        if (m_out.size() + length <= MaxHtmlChars)
            return true;
        m_cut = true;
        return false;
    }

    int formattingDepth() const { return m_open[B] + m_open[I] + m_open[U]; }

    Element pop()
    {
        const Element e = m_stack.takeLast();
        --m_open[e];
        return e;
    }

    void emitClose(Element e)
    {
        m_out += QLatin1String("</");
        m_out += ElementNames[e];
        m_out += QLatin1Char('>');
    }

    // Text up to the next tag, reference or surrogate, copied in stretches
    // between the marks a long run needs; or one character (a surrogate
    // pair, a character reference) of text.
    int text(int i)
    {
        const QChar c = m_in.at(i);
        if (c != QLatin1Char('&') && !c.isSurrogate())
            return plainText(i);
        int length = 1;
        if (c == QLatin1Char('&'))
            length = qMax(1, referenceLength(m_in, i));
        else if (c.isHighSurrogate() && i + 1 < m_in.size() && m_in.at(i + 1).isLowSurrogate())
            length = 2;
        if (!fits(length + 1))
            return i;
        if (length == 1 && allowsBreak(c))
            m_run = 0;
        else
            countRunCharacter();
        m_out += m_in.midRef(i, length);
        return i + length;
    }

    int plainText(int i)
    {
        const QChar *data = m_in.constData();
        const int n = m_in.size();
        int copied = i;
        int j = i;
        for (; j < n; ++j) {
            const QChar c = data[j];
            // A "<" that opens no tag is text, and only then does it come here.
            if (j > i && (c == QLatin1Char('<') || c == QLatin1Char('&') || c.isSurrogate()))
                break;
            if (m_out.size() + (j - copied) + 2 > MaxHtmlChars) {
                m_cut = true;
                break;
            }
            if (allowsBreak(c)) {
                m_run = 0;
                continue;
            }
            if (m_run >= MaxRunLength) {
                m_out.append(data + copied, j - copied);
                copied = j;
                m_out += ZeroWidthSpace;
                m_run = 0;
            }
            ++m_run;
        }
        m_out.append(data + copied, j - copied);
        return j;
    }

    void countRunCharacter()
    {
        if (m_run >= MaxRunLength) {
            m_out += ZeroWidthSpace;
            m_run = 0;
        }
        ++m_run;
    }

    void tag(int start, int end)
    {
        int j = start + 1;
        const bool closing = m_in.at(j) == QLatin1Char('/');
        if (closing)
            ++j;
        const int nameStart = j;
        while (j < end && m_in.at(j).isLetter())
            ++j;
        const Element e = elementOf(m_in.midRef(nameStart, j - nameStart));
        const bool selfClosing = m_in.at(end - 2) == QLatin1Char('/');
        const QStringRef text = m_in.midRef(start, end - start);

        if (e == Other || selfClosing || e == Img || e == Br) {
            if (e == Br && !closing && ++m_breaks > MaxLineBreaks) {
                m_cut = true;
                return;
            }
            if (!fits(text.size()))
                return;
            if (e == Br)
                m_run = 0;
            else if (e == Img)
                countRunCharacter();
            m_out += text;
            return;
        }
        if (!closing) {
            const bool drop = (isFormatting(e) && formattingDepth() >= MaxFormattingDepth)
                              || (e == A && ++m_anchors > MaxAnchors);
            if (drop) {
                ++m_dropped[e];
                return;
            }
            if (!fits(text.size()))
                return;
            m_stack.append(e);
            ++m_open[e];
        } else {
            // The closing tag of a dropped element goes with it. One that
            // closes nothing stays as written: Qt ignores it.
            if (m_dropped[e] > 0) {
                --m_dropped[e];
                return;
            }
            if (!fits(text.size()))
                return;
            if (m_open[e] > 0) {
                while (pop() != e) {
                }
            }
        }
        if (isTableElement(e))
            m_run = 0;
        m_out += text;
    }

    const QString &m_in;
    QString m_out;
    QVector<Element> m_stack;
    int m_open[ElementCount] = {};
    int m_dropped[ElementCount] = {};
    int m_anchors = 0;
    int m_breaks = 0;
    int m_run = 0;
    bool m_cut = false;
};

// Whether the walk would hand back the html as it is: with no more tags than
// the formatting depth (itself below the anchor and line-break bounds), no
// stretch without a break opportunity longer than a run (tags counted as
// characters, which only overstates a run) and room for every character,
// nothing is dropped, marked or cut. Most messages are like that.
bool withinBounds(const QString &html)
{
    if (html.size() + 1 > MaxHtmlChars)
        return false;
    // No run can be longer than the whole text, so a short body only has
    // its tags to count.
    if (html.size() <= MaxRunLength) {
        int tags = 0;
        for (int i = html.indexOf(QLatin1Char('<')); i >= 0 && tags <= MaxFormattingDepth;
             i = html.indexOf(QLatin1Char('<'), i + 1))
            ++tags;
        return tags <= MaxFormattingDepth;
    }
    int tags = 0;
    int run = 0;
    bool inTag = false; // spaces inside a tag break no run
    for (const QChar c : html) {
        const ushort u = c.unicode();
        // Printable ASCII other than the tag brackets: a run character.
        if (u > 0x20 && u < 0x7f && u != '<' && u != '>') {
            if (++run > MaxRunLength)
                return false;
            continue;
        }
        if (c == QLatin1Char('<')) {
            if (++tags > MaxFormattingDepth)
                return false;
            inTag = true;
        } else if (c == QLatin1Char('>')) {
            inTag = false;
        }
        if (!inTag && allowsBreak(c))
            run = 0;
        else if (++run > MaxRunLength)
            return false;
    }
    return true;
}

} // namespace

Bounded apply(const QString &html)
{
    if (withinBounds(html))
        return {html, false};
    return Walker(html).run();
}

} // namespace BodyBounds
