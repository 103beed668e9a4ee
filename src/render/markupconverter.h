#pragma once

#include "render/rendercontext.h"

#include <QString>
#include <QStringList>

class IHostMessage;
class QFont;
class QTextDocument;
class ResourceKeyTable;

// Message markup ("[b]", "[file …]", "[@id]", "(name)" …) to HTML and back.
// The conversions are ordered string passes over the text, never a tree:
// the order of the passes is part of the behaviour peers rely on. Every
// text that reaches HTML is escaped for its context; the only markup in the
// result is the markup written here.
namespace MarkupConverter {

// Result of rendering one message body.
struct RenderedBody
{
    QString html;          // the message HTML for the template's [message]
    QString locationHtml;  // the location line for [location], or empty
    bool cut = false;      // a bound of RenderBounds cut the message short
};

// The editor's document as markup for sending. `baseFont` is the font of the
// default message format: styles it already has are never written as tags.
// Names of embedded pictures ("chat_image:…") go to *pictureNames when given.
QString editorToMarkup(const QTextDocument *document, const QFont &baseFont, QStringList *pictureNames = nullptr);

// A received or stored message body as HTML: attachment tags become blocks
// (keys from `resourceKeys`, the window's table), the rest goes through the
// text passes. `senderName` labels the location link. The HTML keeps to
// RenderBounds whatever the markup holds; a body cut short ends in "…".
// How the text passes run: as one scan where the text allows it (what the
// application uses), or always one after another (what the scan is tested
// against).
enum class Passes { Fused, Sequential };

RenderedBody renderMessageBody(const QString &markup, const QString &senderName,
                               ResourceKeyTable &resourceKeys, const RenderContext &context,
                               Passes passes = Passes::Fused);

// Markup without attachments (quick texts, automatic replies, broadcast
// texts) as HTML; empty in, empty out. Bounded like message bodies.
QString renderPlainMarkup(const QString &markup, const RenderContext &context, Passes passes = Passes::Fused);

// "[b]" → "<b>" and friends (any case), "[br]", "[code][[/code]", "[furl" links.
// Expects text that linkify has escaped already.
QString applyFormattingTags(const QString &text);

// "[@id]" → a bold "chat:" anchor labelled with the contact's display name
// (from the host; "Unknown" when it knows nobody of that id).
QString replaceMentions(const QString &text, IHostServices *host);

// Finds `open`, then `close` after it; stores the trimmed text between in
// *attributes, removes the whole tag from `text` and returns where it began.
// -1 with `text` untouched when either is missing.
int extractTag(QString &text, const QString &open, const QString &close, QString *attributes = nullptr);

// The value of `key` in an attribute text ("url=\"…\" name=…"), with "%91",
// "%93", "%37" decoded to "[", "]", "%"; empty when missing or unterminated.
QString tagAttribute(const QString &attributes, const QString &key);
// The encoding tagAttribute undoes, for writers of attribute values.
QString encodeAttributeValue(const QString &value);

// The picture addresses of a body's "[pic src=…]" and "[img]…[/img]" tags
// in the order they stand, at most RenderBounds::MaxAttachments of them, as
// rendering would take them.
QStringList pictureAddresses(const QString &markup);

// Whether the message menu offers "Edit" for the message.
bool canEditMessage(const IHostMessage *message);
bool canEditMarkup(const QString &markup);

// Markup as HTML for a rich-text editor (quick texts, the edit overlay):
// "[b]"/"[i]"/"[u]" become styles, "[br]" and line breaks become breaks,
// emoticon codes of the catalogue become images named like the emoticon,
// everything else is escaped text. Links and attachment tags stay as text.
QString markupToEditorHtml(const QString &markup, const RenderContext &context);

// Markup reduced to plain text for popups: formatting tags dropped, "[br]"
// and line breaks as "\n", attachment tags removed, mentions as display names.
QString markupToPlainText(const QString &markup, IHostServices *host);

// Message-level commands the chat window sends in place of ordinary text.
QString editCommand(qint64 eventId, const QString &markup);   // "[edit %1]%2"
QString replyCommand(qint64 eventId, const QString &markup);  // "[reply %1]%2"
QString deleteCommand(qint64 eventId);                        // "[delete %1]"
QString likeCommand(qint64 eventId, bool like);               // "[like %1 T|F]"
QString labelCommand(qint64 eventId, const QStringList &labels); // "[label %1 a b]"
// The label set after toggling `label`: split at spaces, empty parts
// dropped, the label appended or its first occurrence removed.
QStringList toggledLabels(const QString &labels, const QString &label);

} // namespace MarkupConverter
