#pragma once

#include <QString>

// The last pass over a rendered message body: holds it to the bounds of
// RenderBounds before it reaches the rich-text engine. Works on HTML the
// renderer wrote (its elements only, attribute values quoted and escaped)
// and follows how Qt's importer nests elements: a closing tag closes the
// innermost open element of its name and everything opened inside it, and
// one without an open element of its name is ignored.
namespace BodyBounds {

struct Bounded
{
    QString html;
    bool cut = false; // the size or line-break bound cut the body short
};

// - formatting (b, i, u) deeper than MaxFormattingDepth: the tags are
//   dropped together with their closing tags;
// - anchors beyond MaxAnchors: the tags are dropped, the label stays;
// - more than MaxLineBreaks breaks or more than MaxHtmlChars characters:
//   the body ends there, with every open element closed;
// - text runs longer than MaxRunLength get a zero-width space.
// Linear in the HTML.
Bounded apply(const QString &html);

} // namespace BodyBounds
