#pragma once

#include <QString>

// Keeps the direction controls a peer wrote (embeddings, overrides,
// isolates, marks) inside the peer's own text, so a stray right-to-left
// override in a name or a message cannot turn the template's times, names
// and links around it. Linear in the text; the nesting it keeps is capped
// at the depth the bidirectional algorithm itself honours.
namespace BidiText {

// True when the text holds an explicit direction control or mark.
bool hasControls(const QString &text);

// The text set apart: closers without an opener are dropped, openers left
// open are closed at the end, and the whole sits in a first-strong isolate,
// so it takes its own direction and lends none to its neighbours. Text
// without controls comes back unchanged.
QString isolate(const QString &text);

} // namespace BidiText
