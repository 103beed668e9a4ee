#pragma once

#include <QString>

// Checks HTML the renderer produced from peer text: only the elements and
// attributes the renderer writes itself, every attribute value quoted (or a
// plain number) with no "<", ">" or stray "&" inside (its own quote would
// end it, and what follows must then parse as allowed attributes), and element
// content in which "<" only ever opens one of those elements and ">", '"'
// and "&" appear only escaped. Returns an empty string when the HTML passes,
// else what is wrong and where.
QString checkRenderedHtml(const QString &html);
