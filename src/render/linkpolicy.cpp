#include "render/linkpolicy.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QUrlQuery>
#include <QVector>

namespace LinkPolicy {

namespace {

Decision refuse(Reason reason, const QString &shown)
{
    Decision d;
    d.action = Action::Refuse;
    d.reason = reason;
    d.shown = shown;
    return d;
}

// "//server/share" and "\\server\share" name a share on another machine;
// opening one hands the user's credentials to that machine.
bool isNetworkPath(const QString &path)
{
    return path.size() >= 2 && (path.at(0) == QLatin1Char('/') || path.at(0) == QLatin1Char('\\'))
           && (path.at(1) == QLatin1Char('/') || path.at(1) == QLatin1Char('\\'));
}

Decision localPathDecision(const QString &path)
{
    if (path.isEmpty())
        return refuse(Reason::Invalid, path);
    if (isNetworkPath(path))
        return refuse(Reason::RemoteFile, withoutHiddenCharacters(path));
    // What opens is what the question names: the absolute file.
    const QFileInfo info(path);
    const QString absolute = info.absoluteFilePath();
    Decision d;
    d.action = Action::Ask;
    d.reason = Reason::LocalFile;
    d.url = QUrl::fromLocalFile(absolute);
    d.shown = withoutHiddenCharacters(QDir::toNativeSeparators(absolute));
    d.fileName = withoutHiddenCharacters(info.fileName());
    d.folder = withoutHiddenCharacters(QDir::toNativeSeparators(info.absolutePath()));
    return d;
}

Decision fileUrlDecision(const QUrl &url, const QString &shown)
{
    const QString host = url.host();
    if (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
        return refuse(Reason::RemoteFile, shown);
    return localPathDecision(url.toLocalFile());
}

// The "[f]" form the renderer writes for "file:" words: a path, or (after
// "file://") an authority and a path.
Decision markedPathDecision(const QString &rest, const QString &shown)
{
    if (rest.startsWith(QLatin1String("//")))
        return fileUrlDecision(QUrl(QLatin1String("file:") + rest, QUrl::TolerantMode), shown);
    return localPathDecision(rest);
}

bool mixesScripts(const QString &host)
{
    // A host in its ASCII form hides its scripts; look at the letters.
    const QString unicode = QUrl::fromAce(QUrl::toAce(host));
    QSet<int> scripts;
    for (const uint c : unicode.toUcs4()) {
        if (!QChar::isLetter(c))
            continue;
        const QChar::Script script = QChar::script(c);
        if (script == QChar::Script_Common || script == QChar::Script_Inherited || script == QChar::Script_Unknown)
            continue;
        scripts.insert(script);
        if (scripts.size() > 1)
            return true;
    }
    return false;
}

Decision webDecision(const QUrl &url, const QString &shown, bool hidden)
{
    if (!url.isValid() || url.host().isEmpty())
        return refuse(Reason::Invalid, shown);
    Decision d;
    d.url = url;
    d.shown = shown;
    d.asciiHost = QString::fromLatin1(QUrl::toAce(url.host()));
    d.action = Action::Ask;
    if (!url.userInfo().isEmpty())
        d.reason = Reason::UserInAddress;
    else if (hidden)
        d.reason = Reason::HiddenCharacters;
    else if (mixesScripts(url.host()))
        d.reason = Reason::MixedScripts;
    else
        d.action = Action::Open;
    return d;
}

// The addresses, a subject and a body; anything else a mail program might
// act on (attachments above all) is left out.
Decision mailDecision(const QUrl &url, const QString &shown, bool hidden)
{
    if (!url.isValid())
        return refuse(Reason::Invalid, shown);
    QUrl mail;
    mail.setScheme(QStringLiteral("mailto"));
    mail.setPath(url.path(QUrl::FullyEncoded), QUrl::TolerantMode);
    QUrlQuery kept;
    const QUrlQuery query(url);
    for (const auto &item : query.queryItems(QUrl::FullyEncoded)) {
        const QString key = item.first.toLower();
        if (key == QLatin1String("subject") || key == QLatin1String("body"))
            kept.addQueryItem(item.first, item.second);
    }
    if (!kept.isEmpty())
        mail.setQuery(kept);
    Decision d;
    d.url = mail;
    d.shown = shown;
    d.action = hidden ? Action::Ask : Action::Open;
    d.reason = hidden ? Reason::HiddenCharacters : Reason::None;
    return d;
}

} // namespace

bool isHiddenCharacter(QChar c)
{
    const ushort u = c.unicode();
    // Hangul fillers and the Khmer vowel inherents draw nothing either.
    return c.category() == QChar::Other_Format || u == 0x115F || u == 0x1160 || u == 0x3164 || u == 0xFFA0
           || u == 0x17B4 || u == 0x17B5;
}

QString withoutHiddenCharacters(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (!isHiddenCharacter(c))
            out += c;
    }
    return out;
}

Decision localFile(const QString &path)
{
    return localPathDecision(path);
}

Decision decide(const QString &target)
{
    const QString shown = withoutHiddenCharacters(target);
    if (target.isEmpty())
        return refuse(Reason::Invalid, shown);
    const Links::ParsedLink parsed = Links::parseLinkTarget(target);
    if (parsed.kind == Links::LinkTarget::LocalPath)
        return markedPathDecision(parsed.value, shown);
    if (parsed.kind != Links::LinkTarget::External) {
        Decision d;
        d.action = Action::Internal;
        d.internal = parsed;
        d.shown = shown;
        return d;
    }
    // "\\server\share" and "//server/share": a network path without a scheme.
    if (isNetworkPath(target))
        return refuse(Reason::RemoteFile, shown);
    const bool hidden = shown.size() != target.size();
    // As received: a valid escape stays an escape, nothing is decoded twice.
    const QUrl url(target, QUrl::TolerantMode);
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("file"))
        return fileUrlDecision(url, shown);
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ftp"))
        return webDecision(url, shown, hidden);
    if (scheme == QLatin1String("mailto"))
        return mailDecision(url, shown, hidden);
    if (!url.isValid() || scheme.isEmpty())
        return refuse(Reason::Invalid, shown);
    Decision d;
    d.action = Action::Ask;
    d.reason = Reason::UnknownScheme;
    d.url = url;
    d.shown = shown;
    return d;
}

} // namespace LinkPolicy
