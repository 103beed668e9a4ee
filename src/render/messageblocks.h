#pragma once

#include "render/rendercontext.h"

#include <QDateTime>
#include <QHash>
#include <QString>

class ChatTemplate;
class IHostMessage;
class ResourceKeyTable;

// A chat window's cache of display names by sender id, filled on a miss
// from the host's getUser.
using UserNameCache = QHash<qint64, QString>;

// Filling one template section with one message.
namespace MessageBlocks {

// The CSS class of the message cell ("[class_name]"), and the selector the
// chat window's default style sheet starts with.
inline const QString MessageTextClass = QStringLiteral("msg_style");
QString messageTextSelector(); // ".msg_style"

// A whole message block. `live` writes the event id and the likes; `withMenu`
// chooses the sections with the menu button. *nudgeSeen is set when the
// block shows a nudge. An empty result means the message has no block. A
// body cut short by the render bounds ends in a "fulltext:" link to the
// message's whole text.
QString renderMessageBlock(const ChatTemplate &chatTemplate, const RenderContext &context,
                           const IHostMessage *message, UserNameCache &names,
                           ResourceKeyTable &resourceKeys, bool live, bool *nudgeSeen, bool withMenu);

// The quoted message inside a reply: the placeholders up to "[message]".
QString renderReplyBlock(const ChatTemplate &chatTemplate, const RenderContext &context,
                         const IHostMessage *message, UserNameCache &names,
                         ResourceKeyTable &resourceKeys, bool *nudgeSeen);

// The display name of a user id: from the cache, else from the host (and
// then cached); "Unknown" when the host knows nobody of that id.
QString senderNameFor(const RenderContext &context, qint64 userId, UserNameCache &names);

// The markup a block shows for the message: an ordinary message's own text,
// or what its plug-in (from the host) describes it as; empty for any other.
// The plug-in's display name goes to *pluginName when there is a plug-in.
QString messageMarkup(const RenderContext &context, const IHostMessage *message, QString *pluginName = nullptr);

// Message times are yyyyMMddhhmmss numbers in UTC.
QDateTime messageTimeToDateTime(qint64 stamp);
// Whether two stamps differ in their yyyyMMdd part: a date separator goes between them.
bool isDifferentDay(qint64 first, qint64 second);

} // namespace MessageBlocks
