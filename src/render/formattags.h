#pragma once

#include <QString>

// The simple formatting tags of message markup and their HTML, shared by the
// formatting pass and the fused text scan.
namespace FormatTags {

struct Tag
{
    QLatin1String markup;
    QLatin1String html;
};

inline const Tag Tags[] = {
    {QLatin1String("[b]"), QLatin1String("<b>")},   {QLatin1String("[/b]"), QLatin1String("</b>")},
    {QLatin1String("[i]"), QLatin1String("<i>")},   {QLatin1String("[/i]"), QLatin1String("</i>")},
    {QLatin1String("[u]"), QLatin1String("<u>")},   {QLatin1String("[/u]"), QLatin1String("</u>")},
    {QLatin1String("[br]"), QLatin1String("<br/>")},
};

// Written for a "[" that would otherwise open a tag; becomes "[".
inline const QLatin1String CodeBracket("[code][[/code]");

// Case-insensitive test for an ASCII tag at position i.
inline bool tagAt(const QString &text, int i, QLatin1String tag)
{
    if (i + tag.size() > text.size())
        return false;
    for (int k = 0; k < tag.size(); ++k) {
        const ushort c = text.at(i + k).unicode();
        const ushort lower = (c >= 'A' && c <= 'Z') ? ushort(c + 32) : c;
        if (lower != ushort(tag.at(k).unicode()))
            return false;
    }
    return true;
}

// The tag at position i, or null.
inline const Tag *tagStartingAt(const QString &text, int i)
{
    for (const Tag &tag : Tags) {
        if (tagAt(text, i, tag.markup))
            return &tag;
    }
    return nullptr;
}

} // namespace FormatTags
