#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Checks HTML the renderer produced from peer text: only the elements and
// attributes the renderer writes itself, every attribute value quoted (or a
// plain number) with no "<", ">" or stray "&" inside (its own quote would
// end it, and what follows must then parse as allowed attributes), and element
// content in which "<" only ever opens one of those elements and ">", '"'
// and "&" appear only escaped; no anchor inside an anchor and no table
// inside an anchor, with elements closed the way Qt's importer closes them.
// Returns an empty string when the HTML passes, else what is wrong and where.
QString checkRenderedHtml(const QString &html);

// Checks a rendered message body against RenderBounds, counting as Qt's
// importer would: formatting depth, pictures, anchors, line breaks, runs of
// text without a break opportunity, size. Empty when it keeps to them.
QString checkRenderBounds(const QString &html);

// An anchor as the rich-text engine reads the HTML: its target exactly as
// the history view hands it to the click handler, its text and the names of
// the pictures inside it.
struct OracleAnchor
{
    QString href;
    QString text;
    QStringList images;
};
QVector<OracleAnchor> anchorsOf(const QString &html);
