#include "htmloracle.h"

#include <QSet>

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

QString checkRenderedHtml(const QString &html)
{
    const int n = html.size();
    int i = 0;
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
        if (i < n && html.at(i) == QLatin1Char('/'))
            ++i;
        const int nameStart = i;
        while (i < n && isAsciiLetter(html.at(i)))
            ++i;
        const QString name = html.mid(nameStart, i - nameStart).toLower();
        if (!allowedElements().contains(name))
            return QStringLiteral("element '%1' the renderer never writes").arg(name) + where(html, tagStart);
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
    }
    return QString();
}
