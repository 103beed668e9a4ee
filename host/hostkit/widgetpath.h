#pragma once

#include <QString>

class QWidget;

namespace hostkit {

// Addresses widgets the way a scenario names them: the object names from
// the top-level window down, "/"-separated, with an index where siblings
// share a name: "Main/frameVSend/frameSend/Send[0]". Widgets without an
// object name are looked through (their children count as the parent's).
// A first segment "@text" names the visible top-level window whose title
// contains the text (case-insensitive).
class WidgetPath
{
public:
    // Null and *error set when nothing or more than one widget matches
    // without an index.
    static QWidget *find(const QString &path, QString *error);
    // The path find() resolves back to this widget.
    static QString of(const QWidget *widget);
    // Every named widget under each visible top-level window, one path per
    // line, with its class: for scenario authors.
    static QString describeAll();
};

} // namespace hostkit
