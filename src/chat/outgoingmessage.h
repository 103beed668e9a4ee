#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The message texts that leave through the host's instant-message operation:
// how one composed text is cut into separate messages, and the file and
// picture messages of finished uploads.
namespace OutgoingMessage {

// Cuts a text into the messages sent one after the other: every
// "[img]"…"[/img]" block, and then (in the rest after the last such block)
// every "[pic"…"]" tag, becomes a message of its own; the text between
// them becomes a message unless it is blank. Parts keep their white space.
// Matching is case-sensitive. An unterminated block runs to the end.
QStringList splitParts(const QString &text);

// "%" → "%37", "[" → "%91", "]" → "%93", in this order so that the escapes
// themselves are not escaped again.
QString escapeFileName(const QString &name);

// "[file url=\"%1\" name=\"%2\" size=\"%3\" mime=\"%4\"]" with the name escaped.
QString fileMessageText(const QString &url, const QString &fileName, qint64 size, const QString &mimeName);

// "[pic src=\"%1\"]".
QString pictureMessageText(const QString &source);

} // namespace OutgoingMessage
