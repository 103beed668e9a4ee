#pragma once

#include <QByteArray>
#include <QString>

namespace hostkit {

// What a message reads, for the full-text search: its markup reduced to
// text. Formatting tags go, "[br]" and line breaks become line breaks, a
// file link reads as its label, files, voice and video messages as their
// names, positions as their addresses; pictures, locations, mentions and
// the nudge read as nothing. A peer's hostile markup costs one pass.
QString searchableText(const QByteArray &markup);

} // namespace hostkit
