#pragma once

#include "render/rendercontext.h"

#include <QString>

// The text passes of message rendering (links and escaping, formatting tags,
// emoticon codes, mentions, spaces and line breaks) in one forward scan,
// for text in which no pass can change what a later one finds. That is
// nearly all text people write; for the rest the scan gives up and the
// passes run one after another, which is what the scan is tested against.
namespace FusedTextScan {

// The HTML the passes would make of `text` in *html, or false (and *html
// untouched) when the text holds something only the passes in turn handle:
// a file link, a link holding "[" or parentheses, nested or crowded
// emoticon codes, a mention around markup and the like. Attachment
// placeholders stay as they are written (a link holding one is left to the
// passes, which end it there). *withinBounds, when
// given, tells that BodyBounds would leave the html as it is; false says
// nothing.
bool render(const QString &text, const RenderContext &context, QString *html, bool *withinBounds = nullptr);

} // namespace FusedTextScan
