#include "ui/chat/linkopener.h"

#include "platform/desktop.h"
#include "platform/prompt.h"

namespace {

using LinkPolicy::Reason;

QString reasonLine(Reason reason)
{
    switch (reason) {
    case Reason::UserInAddress:
        return LinkOpener::tr("The address holds a user name in front of the host, where the host name seems to stand.");
    case Reason::HiddenCharacters:
        return LinkOpener::tr("The address holds invisible or direction-changing characters.");
    case Reason::MixedScripts:
        return LinkOpener::tr("The host name mixes letters of several alphabets.");
    default:
        return QString();
    }
}

QString refusalText(Reason reason)
{
    if (reason == Reason::RemoteFile)
        return LinkOpener::tr("The link names a file on another computer; it was not opened.");
    return LinkOpener::tr("The link cannot be opened.");
}

} // namespace

QString LinkOpener::shownLines(const QString &text)
{
    // Long targets wrap without losing a character; a surrogate pair stays whole.
    QString out;
    out.reserve(text.size() + text.size() / ShownLineChars);
    int column = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (column >= ShownLineChars && !text.at(i).isLowSurrogate()) {
            out += QLatin1Char('\n');
            column = 0;
        }
        out += text.at(i);
        ++column;
    }
    return out;
}

LinkOpener::Result LinkOpener::open(const LinkPolicy::Decision &decision, QWidget *parent, const QString &title,
                                    QString *statusText)
{
    using LinkPolicy::Action;
    if (decision.action == Action::Refuse || decision.action == Action::Internal) {
        if (statusText)
            *statusText = refusalText(decision.reason);
        return Result::Refused;
    }
    if (decision.action == Action::Ask) {
        platform::Prompt::Box box;
        box.title = title;
        box.parent = parent;
        box.buttons = platform::Prompt::Open | platform::Prompt::Cancel;
        box.defaultButton = platform::Prompt::Cancel;
        if (decision.reason == Reason::LocalFile) {
            box.icon = platform::Prompt::Icon::Question;
            box.text = tr("Do you want to open this file?");
            box.informativeText =
                tr("Name: %1\nFolder: %2").arg(shownLines(decision.fileName), shownLines(decision.folder));
        } else {
            const QString reason = reasonLine(decision.reason);
            box.icon = reason.isEmpty() ? platform::Prompt::Icon::Question : platform::Prompt::Icon::Warning;
            box.text = tr("Do you want to open this address?");
            QString details = shownLines(decision.shown);
            if (!reason.isEmpty())
                details = reason + QLatin1String("\n\n") + details;
            if (!decision.asciiHost.isEmpty())
                details += QLatin1String("\n\n") + tr("It leads to the host %1.").arg(decision.asciiHost);
            box.informativeText = details;
        }
        if (platform::Prompt::instance().ask(box) != platform::Prompt::Open)
            return Result::Declined;
    }
    return platform::Desktop::instance().openUrl(decision.url) ? Result::Opened : Result::Failed;
}

LinkOpener::Result LinkOpener::openTarget(const QString &target, QWidget *parent, const QString &title,
                                          QString *statusText)
{
    return open(LinkPolicy::decide(target), parent, title, statusText);
}

LinkOpener::Result LinkOpener::openLocalFile(const QString &path, QWidget *parent, const QString &title,
                                             QString *statusText)
{
    return open(LinkPolicy::localFile(path), parent, title, statusText);
}
