#pragma once

#include "render/links.h"

#include <QString>
#include <QUrl>

// What a click on a history link may do. Every view that shows rendered
// messages asks here before anything leaves the library, so that nothing a
// peer wrote opens what the user did not clearly choose:
//
// - the renderer's own targets (Links vocabulary: "chat:", "like:", "menu:",
//   "cloud:", "pic:", "gp:", locations, "fulltext:") are acted on by the
//   window; the renderer never lets a peer's link use that vocabulary
//   (Links::isInternalTarget);
// - web ("http", "https", "ftp") and mail addresses open at once, unless
//   their address hides where it leads (a user part before the host,
//   invisible or bidirectional characters, a host name mixing scripts);
// - local files and every other scheme open only after a question that
//   shows the exact target; a file on another machine never opens.
//
// Pure functions of the target text: no widgets, no host, no texts shown.
namespace LinkPolicy {

enum class Action {
    Internal, // one of the renderer's own targets: `internal` says which
    Open,     // hand `url` to the desktop at once
    Ask,      // hand `url` to the desktop only after the user confirmed it
    Refuse,   // open nothing
};

enum class Reason {
    None,
    LocalFile,        // a file on this machine: fileName and folder say which
    UnknownScheme,    // a scheme other than http, https, ftp and mailto
    UserInAddress,    // "name@host": the part before "@" looks like the host
    HiddenCharacters, // invisible or bidirectional characters in the address
    MixedScripts,     // a host name whose letters come from several scripts
    RemoteFile,       // a file named on another machine (host part or UNC path)
    Invalid,          // nothing that could be opened
};

struct Decision
{
    Action action = Action::Refuse;
    Reason reason = Reason::None;
    Links::ParsedLink internal; // for Action::Internal
    QUrl url;                   // what Open and Ask hand to the desktop
    // The target as a question shows it: exactly as received, with
    // invisible and bidirectional characters taken out.
    QString shown;
    QString asciiHost;          // the host in its ASCII form, for web addresses
    QString fileName;           // LocalFile: the file's name and its folder
    QString folder;
};

// Decides for the target text of a clicked anchor, as the view holds it.
Decision decide(const QString &target);

// The decision for a file of this machine the window itself found (a
// downloaded attachment, a fetched picture): always a question.
Decision localFile(const QString &path);

// Characters that change how text reads without showing themselves:
// format characters (zero-width, joiners, bidirectional controls, soft
// hyphen, byte-order mark) and the invisible fillers.
bool isHiddenCharacter(QChar c);
// The text without them.
QString withoutHiddenCharacters(const QString &text);

} // namespace LinkPolicy
