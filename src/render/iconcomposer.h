#pragma once

#include <QImage>

// The drawing behind attachment icons, on images only (no widgets): the
// overlays that mark offered and running transfers, and the broken-file look
// of a downloaded file whose local copy is gone.
namespace IconComposer {

// The icon centred on a transparent image of its size, darkened (black of
// alpha 60 over what is drawn), and the overlay centred over it. A null
// overlay still darkens.
QImage withOverlay(const QImage &icon, const QImage &overlay);

// Each pixel grey = (11 × red + 16 × green + 5 × blue) / 32 with its alpha.
QImage greyed(const QImage &icon);

// greyed(icon), then `mask` cut out of it (destination-out) and `outline`
// drawn on what is left (source-atop); both centred.
QImage brokenFileIcon(const QImage &icon, const QImage &mask, const QImage &outline);

} // namespace IconComposer
