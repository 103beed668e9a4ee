#pragma once

#include "render/linkpolicy.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

// Opens what a link names the way LinkPolicy decides: at once, after a
// question through platform::Prompt that shows the exact target (buttons
// "Open" and "Cancel", "Cancel" the default), or not at all. Opening goes
// through platform::Desktop. Every view of rendered messages opens its
// links here.
class LinkOpener
{
    Q_DECLARE_TR_FUNCTIONS(LinkOpener)

public:
    enum class Result {
        Opened,   // the desktop took it
        Declined, // the user answered Cancel
        Refused,  // never opened; the status text says why
        Failed,   // no handler took it
    };

    // `title` is the question boxes' title (the host application's name);
    // `parent` (may be null) the window they belong to. A refusal's reason,
    // for the status bar, goes to *statusText. Internal targets are the
    // caller's: they are refused here.
    static Result open(const LinkPolicy::Decision &decision, QWidget *parent, const QString &title,
                       QString *statusText = nullptr);
    // The same for a target text (LinkPolicy::decide).
    static Result openTarget(const QString &target, QWidget *parent, const QString &title,
                             QString *statusText = nullptr);
    // A file of this machine (a downloaded attachment, a fetched picture):
    // opened after the question.
    static Result openLocalFile(const QString &path, QWidget *parent, const QString &title,
                                QString *statusText = nullptr);

    // A target as a question shows it: lines of at most this many characters.
    static constexpr int ShownLineChars = 80;
    static QString shownLines(const QString &text);
};
