#pragma once

#include <QString>
#include <QStringView>
#include <QUrl>
#include <QVector>

// Link detection, HTML escaping and the vocabulary of link targets that the
// renderer writes into anchors and the chat window's anchor handler reads
// back. Everything here is a pure function of its input and runs in time
// linear in the text, because every peer's message passes through it.
namespace Links {

// Link-target vocabulary. Each target the renderer writes begins with one of
// these, so the click handler can dispatch on the prefix alone.
inline const QString ChatScheme = QStringLiteral("chat:");       // + contact id (mentions)
inline const QString PictureScheme = QStringLiteral("pic:");     // + local picture name
inline const QString GeoScheme = QStringLiteral("gp:");          // + shared position
inline const QString LikeScheme = QStringLiteral("like:");       // + event id
inline const QString MenuScheme = QStringLiteral("menu:");       // + event id
inline const QString CloudScheme = QStringLiteral("cloud:");     // + resource key of a file block
inline const QString FullTextScheme = QStringLiteral("fulltext:"); // + event id of a message shown cut short
inline const QString MailScheme = QStringLiteral("mailto:");     // + addresses
inline const QString LocalFileMarker = QStringLiteral("[f]");    // + path of a "file:" link
inline const QString LocationScheme = QStringLiteral("location"); // location line: "location://" + map host + query
// Host of the web map service used by location lines and shared positions.
inline const QString MapHost = QStringLiteral("maps.google.com");

// What a clicked anchor target asks for.
enum class LinkTarget {
    External,   // an address with a scheme: the desktop's default handler opens it
    LocalPath,  // "[f]" + path: opened as a local file
    Chat,       // "chat:" + id: opens the conversation with that contact
    Picture,    // "pic:" + local name: image viewer
    GeoPosition,// "gp:" + position: web map at the position
    Location,   // "location://…": the location link menu
    Like,       // "like:" + event id
    Menu,       // "menu:" + event id
    Cloud,      // "cloud:" + resource key
    FullText,   // "fulltext:" + event id: the message's whole text as plain text
};

struct ParsedLink
{
    LinkTarget kind = LinkTarget::External;
    QString value; // the part after the prefix; the whole target for External and Location
};

// Splits an anchor target into its kind and payload.
ParsedLink parseLinkTarget(const QString &target);

// Whether a target, however written (any case, after leading blanks,
// control or invisible characters), would use the renderer's own
// vocabulary above. Links a peer wrote never do: linkify and the "[furl"
// pass leave such a target as text, so the window acts only on anchors the
// renderer wrote for its own blocks.
bool isInternalTarget(const QString &target);

QString chatTarget(const QString &contactId);
QString pictureTarget(const QString &localName);
QString geoTarget(const QString &position);
QString likeTarget(qint64 eventId);
QString menuTarget(qint64 eventId);
QString cloudTarget(const QString &resourceKey);
QString fullTextTarget(qint64 eventId);

// "[f]" + path → a local "file:" URL of the path with native separators.
QUrl localPathUrl(const QString &pathAfterMarker);
// The web map page of a "gp:" position: "/maps/search/?api=1&query=" + position.
QUrl geoMapUrl(const QString &position);
// "location://host/…" → "http://host/…": what the location menu finally opens.
QUrl locationHttpUrl(const QString &locationTarget);

// "&" → "&amp;", "<" → "&lt;", ">" → "&gt;", '"' → "&quot;". Single quotes
// stay: use escapeAttribute for single-quoted attribute values.
QString escapeHtml(const QString &text);
// For attribute values the renderer writes: escapeHtml plus "'", "[", "]",
// "(", ")" and white space as character references. The value reads back the
// same, it is safe inside either quote character, and no later text pass
// (formatting tags, mentions, emoticon codes, the space and line-break rules,
// attachment placeholders) can find anything to act on inside it.
QString escapeAttribute(const QString &text);
// The two escapes appended to `out`, for passes that build their result in
// one string.
void appendEscapedHtml(QString &out, QStringView text);
void appendEscapedAttribute(QString &out, QStringView text);
// Plain text of an HTML fragment the renderer produced: tags dropped and the
// character references it writes decoded. Used where markup that already
// went through the text passes becomes a link target or a lookup id.
QString htmlToPlainText(const QString &html);

// True for the 34 characters after which a link may begin (and U+2029).
bool isLinkDelimiter(QChar c);

// Finds the next link candidate at or after `from`: returns its start and
// stores its length in *length, or returns -1.
int findLinkCandidate(const QString &text, int from, int *length);

// The first text pass of every message: web addresses, local paths and
// e-mail addresses become anchors; all other text is escaped.
QString linkify(const QString &text);
// The same, with positions (ascending) that no link runs across: a link
// that would reach past one ends there. The message renderer keeps its
// attachment placeholders out of link labels this way.
QString linkify(const QString &text, const QVector<int> &stops);
// E-mail anchors ("mailto:" targets); everything else escaped.
QString linkifyEmails(const QString &segment);

// Turns what a person typed ("www.example.org", "ftp.host/x", a path) into a URL.
QUrl urlFromUserInput(const QString &text);

} // namespace Links
