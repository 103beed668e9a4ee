#pragma once

#include <QFont>
#include <QString>

class EmotionBoxManager;
class IHostServices;

// What the renderer asks outside itself while it turns markup into HTML.
// Passed by value into the pure render functions so that they can run with
// any host (the plug-in's, hostkit's in tests) or with none at all.
struct RenderContext
{
    // Not owned. Null: mentions show "Unknown", attachment blocks are built
    // from the tag alone and no transfer is registered.
    IHostServices *host = nullptr;
    // Not owned. Null: emoticon aliases and codes stay as text.
    const EmotionBoxManager *emoticons = nullptr;
    // Interface language for emoticon descriptions, for example "en".
    QString language;
    // Setting big_single_emoticons: a message of one emoticon code shows the big picture.
    bool bigSingleEmoticons = true;
    // Font of the user's default message format: editorToMarkup writes no
    // tag for a style this font has already.
    QFont baseFont;
};
