#include "render/messageblocks.h"

#include "render/biditext.h"
#include "render/chattemplate.h"
#include "render/links.h"
#include "render/markupconverter.h"
#include "render/renderbounds.h"
#include "render/resourcekeytable.h"

#include "emoticons/emotionboxmanager.h"
#include "plugin/records/userobj.h"
#include "plugin/records/variableimpl.h"

#include <sdk/ihostmessage.h>
#include <sdk/ihostservices.h>
#include <sdk/iplugin.h>

#include <QCoreApplication>
#include <QLocale>

namespace MessageBlocks {

namespace {

// Placeholders of a block, in the order the values are computed.
enum Placeholder {
    Avatar,
    User,
    Plugin,
    Labels,
    Likes,
    Location,
    Time,
    ClassName,
    Message,
    EventId,
    Reply,
    PlaceholderCount
};

const QLatin1String PlaceholderNames[PlaceholderCount] = {
    QLatin1String("[avatar]"),   QLatin1String("[user]"),     QLatin1String("[plugin]"),
    QLatin1String("[labels]"),   QLatin1String("[likes]"),    QLatin1String("[location]"),
    QLatin1String("[time]"),     QLatin1String("[class_name]"), QLatin1String("[message]"),
    QLatin1String("[event_id]"), QLatin1String("[reply]"),
};

struct Values
{
    QString text[PlaceholderCount];
    bool set[PlaceholderCount] = {};

    void put(Placeholder p, const QString &value)
    {
        text[p] = value;
        set[p] = true;
    }
};

// Replaces the placeholders that have a value in one scan over the
// template, so nothing a value contains (a display name "[message]", a
// message "[time]") is taken for a placeholder.
QString fill(const QString &block, const Values &values)
{
    QString out;
    out.reserve(block.size() + values.text[Message].size() + values.text[Reply].size() + 128);
    const int n = block.size();
    int pos = 0;
    int i = block.indexOf(QLatin1Char('['));
    while (i >= 0) {
        int next = i + 1;
        for (int p = 0; p < PlaceholderCount; ++p) {
            if (values.set[p] && block.midRef(i, PlaceholderNames[p].size()) == PlaceholderNames[p]) {
                out += block.midRef(pos, i - pos);
                out += values.text[p];
                pos = next = i + PlaceholderNames[p].size();
                break;
            }
        }
        i = next < n ? block.indexOf(QLatin1Char('['), next) : -1;
    }
    out += block.midRef(pos);
    return out;
}

QString skinPath(IHostServices *host, const QString &relative)
{
    if (!host)
        return relative;
    const QByteArray bytes = relative.toUtf8();
    const char16_t *path = host->skinPath(bytes.constData());
    return path ? QString::fromUtf16(path) : relative;
}

} // namespace

QString senderNameFor(const RenderContext &context, qint64 senderId, UserNameCache &names)
{
    const auto cached = names.constFind(senderId);
    if (cached != names.constEnd())
        return cached.value();
    UserObj user;
    const QByteArray id = QByteArray::number(senderId);
    if (context.host && context.host->getUser(&user, id.constData())) {
        names.insert(senderId, user.displayNameString());
        return user.displayNameString();
    }
    // Not cached: the host may learn the user later.
    return QCoreApplication::translate("MarkupConverter", "Unknown");
}

namespace {

struct Prepared
{
    QString block;       // the section with the plug-in icon in place
    QString text;        // the markup to render
    QString name;        // sender display name
    QString pluginName;
    qint64 senderId = 0;
    bool nudge = false;  // a chat message that is only a nudge
};

bool isNudgeText(const QString &text)
{
    return text.trimmed().compare(QLatin1String("[nudge]"), Qt::CaseInsensitive) == 0;
}

// A nudge shows its icon and the sentence the host's summaries use.
QString nudgeHtml(const RenderContext &context, const IHostMessage *message, const QString &senderName,
                  UserNameCache &names)
{
    QString sentence;
    if (message->isReceived()) {
        sentence = QCoreApplication::translate("MessageBlocks", "%1 sent you a nudge.")
                       .arg(BidiText::isolate(senderName));
    } else {
        sentence = QCoreApplication::translate("MessageBlocks", "You sent a nudge to %1.")
                       .arg(BidiText::isolate(MessageBlocks::senderNameFor(context, message->peerId(), names)));
    }
    return QLatin1String("<img src='pi_nudge' />&nbsp;") + Links::escapeHtml(sentence);
}

// Notices the plug-in posted and room system messages are lines of text
// across the history, never message bubbles: their text is the plug-in's
// own sentence (or the rooms plug-in's summary), shown as plain text.
QString systemLine(const RenderContext &context, const IHostMessage *message)
{
    QString text;
    if (message->kind() == IHostMessage::KindRoomSystem && context.host) {
        if (IPlugin *rooms = context.host->findPlugin("chat_rooms")) {
            VariableImpl summary;
            rooms->describeMessage(const_cast<IHostMessage *>(message), &summary);
            text = summary.toString();
        }
    }
    if (text.isEmpty())
        text = QString::fromUtf8(message->body());
    // A notice is one of our sentences around a peer's name; a line is plenty.
    if (text.size() > RenderBounds::MaxSystemLineChars)
        text = text.left(RenderBounds::MaxSystemLineChars) + QChar(0x2026);
    const QDateTime time = messageTimeToDateTime(message->time());
    QString html = QLatin1String("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\"><tr>"
                                 "<td align=\"center\" style=\"color:#606080; font-size:8pt;\">");
    html += Links::escapeHtml(text.trimmed()).replace(QLatin1Char('\n'), QLatin1String("<br/>"));
    html += QLatin1String(" &nbsp;<span style=\"font-size:7pt;\">");
    // Set apart from the sentence: in a right-to-left line the day would
    // otherwise stray from its month ("Dec 2026 07:32 ... 6").
    html += QChar(0x2068) + Links::escapeHtml(QLocale::system().toString(time.toLocalTime(), QLocale::ShortFormat))
            + QChar(0x2069);
    html += QLatin1String("</span></td></tr></table>");
    return html;
}

// Steps shared by message and reply blocks: sender, plug-in name and text,
// the section, the plug-in icon.
bool prepare(const RenderContext &context, const IHostMessage *message, UserNameCache &names,
             const QString &section, bool withIcon, bool *nudgeSeen, Prepared &out)
{
    out.senderId = message->overridingSenderId() ? message->overridingSenderId() : message->senderId();
    out.name = senderNameFor(context, out.senderId, names);
    out.pluginName = QStringLiteral("chat");
    const QByteArray pluginId = message->pluginId() ? QByteArray(message->pluginId()) : QByteArray();
    out.text = messageMarkup(context, message, &out.pluginName);
    if (message->kind() == IHostMessage::KindChat) {
        out.nudge = isNudgeText(out.text);
        if (out.nudge && nudgeSeen)
            *nudgeSeen = true;
    }
    out.block = section;
    if (out.block.isEmpty())
        return false;
    if (withIcon && (pluginId == "broadcast" || message->kind() == IHostMessage::KindPlugin)) {
        QString icon = QString::fromUtf8(pluginId);
        if (out.text.contains(QLatin1String("[nudge]"))) {
            icon = QStringLiteral("nudge");
            if (nudgeSeen)
                *nudgeSeen = true;
        }
        for (int p : {Plugin, User, Message}) {
            const int at = out.block.indexOf(PlaceholderNames[p]);
            if (at >= 0) {
                out.block.insert(at, QLatin1String("<img src='pi_") + Links::escapeAttribute(icon)
                                         + QLatin1String("' />&nbsp;"));
                break;
            }
        }
    }
    return true;
}

void putCommon(const RenderContext &context, const IHostMessage *message, const Prepared &prepared,
               UserNameCache &names, ResourceKeyTable &keys, Values &values)
{
    values.put(Avatar, QStringLiteral("avatar_%1").arg(prepared.senderId));
    QString user = Links::escapeHtml(BidiText::isolate(prepared.name));
    if (context.emoticons)
        user = context.emoticons->codesInName(user, 16);
    values.put(User, user);
    values.put(Plugin, Links::escapeHtml(BidiText::isolate(prepared.pluginName)));
    const MarkupConverter::RenderedBody body =
        MarkupConverter::renderMessageBody(prepared.text, prepared.name, keys, context);
    values.put(Location, body.locationHtml);
    const QDateTime time = messageTimeToDateTime(message->time());
    values.put(Time, Links::escapeHtml(QLocale::system().toString(time.toLocalTime(), QLocale::ShortFormat)));
    values.put(ClassName, MessageTextClass);
    // The peer's text is set apart before the template's own notes join it.
    QString html = prepared.nudge ? nudgeHtml(context, message, prepared.name, names) : BidiText::isolate(body.html);
    if (message->isDeleted()) {
        html = QLatin1String("<i>")
               + Links::escapeHtml(QCoreApplication::translate("MessageBlocks", "This message was deleted."))
               + QLatin1String("</i>");
    } else if (message->isEdited()) {
        html += QLatin1String(" <i>(")
                + Links::escapeHtml(QCoreApplication::translate("MessageBlocks", "edited")) + QLatin1String(")</i>");
    }
    if (body.cut && !prepared.nudge && !message->isDeleted()) {
        html += QLatin1String("<br/><a href=\"") + Links::escapeAttribute(Links::fullTextTarget(message->eventId()))
                + QLatin1String("\">")
                + Links::escapeHtml(QCoreApplication::translate("MessageBlocks", "Show the whole message"))
                + QLatin1String("</a>");
    }
    values.put(Message, html);
}

} // namespace

QString messageMarkup(const RenderContext &context, const IHostMessage *message, QString *pluginName)
{
    if (message->kind() == IHostMessage::KindChat)
        return QString::fromUtf8(message->body());
    if (message->kind() != IHostMessage::KindPlugin || !context.host)
        return QString();
    IPlugin *plugin = context.host->findPlugin(message->pluginId() ? message->pluginId() : "");
    if (!plugin)
        return QString();
    if (pluginName) {
        if (const char16_t *display = plugin->displayName())
            *pluginName = QString::fromUtf16(display);
    }
    VariableImpl text;
    // The plug-in contract takes the message as mutable; it only reads it.
    plugin->describeMessage(const_cast<IHostMessage *>(message), &text);
    return text.toString();
}

QString messageTextSelector()
{
    return QLatin1Char('.') + MessageTextClass;
}

QString renderMessageBlock(const ChatTemplate &chatTemplate, const RenderContext &context,
                           const IHostMessage *message, UserNameCache &names, ResourceKeyTable &resourceKeys,
                           bool live, bool *nudgeSeen, bool withMenu)
{
    if (!message)
        return QString();
    if (message->kind() == IHostMessage::KindNotice || message->kind() == IHostMessage::KindRoomSystem)
        return systemLine(context, message);
    Prepared prepared;
    if (!prepare(context, message, names, chatTemplate.templateFor(message, withMenu), live, nudgeSeen, prepared))
        return QString();

    Values values;
    putCommon(context, message, prepared, names, resourceKeys, values);

    QString labels;
    const QStringList labelNames =
        QString::fromUtf8(message->labels()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &label : labelNames) {
        labels += QLatin1String("<img src=\"")
                  + Links::escapeAttribute(skinPath(context.host, QStringLiteral("chat/label_%1.png").arg(label)))
                  + QLatin1String("\">&nbsp;");
    }
    values.put(Labels, labels);

    QString likes;
    const int likeCount = live ? message->likeCount() : 0;
    if (likeCount > 0) {
        const QString image = QLatin1String("<img src=\"")
                              + Links::escapeAttribute(skinPath(context.host, QStringLiteral("chat/label_likes.png")))
                              + QLatin1String("\">&nbsp;");
        likes = likeCount == 1 ? image : QString::number(likeCount) + QLatin1Char(' ') + image;
    }
    values.put(Likes, likes);
    values.put(EventId, QString::number(live ? message->eventId() : 0));

    QString reply;
    const qint64 target = message->replyTarget();
    if (target != 0 && context.host) {
        if (IHostMessage *record = context.host->createMessageRecord()) {
            if (context.host->loadMessageByEvent(target, record))
                reply = renderReplyBlock(chatTemplate, context, record, names, resourceKeys, nudgeSeen);
            context.host->releaseMessageRecord(record);
        }
    }
    values.put(Reply, reply);
    return fill(prepared.block, values);
}

QString renderReplyBlock(const ChatTemplate &chatTemplate, const RenderContext &context,
                         const IHostMessage *message, UserNameCache &names, ResourceKeyTable &resourceKeys,
                         bool *nudgeSeen)
{
    if (!message)
        return QString();
    Prepared prepared;
    if (!prepare(context, message, names, chatTemplate.replyTemplateFor(message), true, nudgeSeen, prepared))
        return QString();
    Values values;
    putCommon(context, message, prepared, names, resourceKeys, values);
    values.put(Labels, QString());
    values.put(Likes, QString());
    return fill(prepared.block, values);
}

QDateTime messageTimeToDateTime(qint64 stamp)
{
    const int year = int(stamp / 10000000000LL);
    const int month = int(stamp / 100000000LL % 100);
    const int day = int(stamp / 1000000LL % 100);
    const int hour = int(stamp / 10000 % 100);
    const int minute = int(stamp / 100 % 100);
    const int second = int(stamp % 100);
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

bool isDifferentDay(qint64 first, qint64 second)
{
    return first / 1000000 != second / 1000000;
}

} // namespace MessageBlocks
