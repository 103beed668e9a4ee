#include "render/chattemplate.h"

#include "render/renderlog.h"
#include "resources/chatresources.h"

#include <sdk/ihostmessage.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

int sizeSection(const QString &text, const QString &name, int fallback)
{
    bool ok = false;
    const int value = ChatTemplate::templateSection(text, name).trimmed().toInt(&ok);
    return ok && value >= 1 ? value : fallback;
}

bool readUtf8(const QString &path, QString *text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcRender) << "Cannot read the chat template" << path << ":" << file.errorString();
        return false;
    }
    *text = QString::fromUtf8(file.readAll());
    return true;
}

// Every "[menu]" goes, also one that a removal joins from the pieces around
// it ("[menu[menu]]"): a menu-less section never offers the menu. One pass,
// checking the end of what is kept after each character.
QString withoutMenuTag(const QString &section)
{
    static const QLatin1String tag("[menu]");
    QString kept;
    kept.reserve(section.size());
    for (const QChar c : section) {
        kept += c;
        if (c == QLatin1Char(']') && kept.endsWith(tag))
            kept.chop(tag.size());
    }
    return kept;
}

} // namespace

QString ChatTemplate::userFileName()
{
    return QStringLiteral("chat_template.tmpl");
}

QString ChatTemplate::builtInPath()
{
    return QStringLiteral(":/chat/template.html");
}

QString ChatTemplate::defaultDateSeparator()
{
    return QStringLiteral("<table width=\"100%\"><tr><td><hr noshade=\"true\" style=\"height:1px; "
                          "background-color:grey;border:none;\" /></td></tr></table>");
}

QString ChatTemplate::templateSection(const QString &text, const QString &name)
{
    const QString open = QLatin1Char('[') + name + QLatin1Char(']');
    const int start = text.indexOf(open);
    if (start < 0)
        return QString();
    const int from = start + open.size();
    const int end = text.indexOf(QLatin1String("[/") + name + QLatin1Char(']'), from);
    return end < 0 ? text.mid(from) : text.mid(from, end - from);
}

void ChatTemplate::parse(const QString &source)
{
    QString text = source;
    m_menuSize = sizeSection(text, QStringLiteral("menu_size"), DefaultMenuSize);
    m_avatarSize = sizeSection(text, QStringLiteral("avatar_size"), DefaultAvatarSize);
    const QString avatar = QString::number(m_avatarSize);
    text.replace(QLatin1String("[avatar_width]"), avatar);
    text.replace(QLatin1String("[avatar_height]"), avatar);

    const QString menuSize = QString::number(m_menuSize);
    QString menuBody = templateSection(text, QStringLiteral("menu_body"));
    menuBody.replace(QLatin1String("[menu_width]"), menuSize);
    menuBody.replace(QLatin1String("[menu_height]"), menuSize);
    menuBody.replace(QLatin1String("[pi_menu]"), QLatin1String("pi_msg_menu"));

    m_sections[int(Section::SentWithoutMenu)] = withoutMenuTag(templateSection(text, QStringLiteral("sent")));
    m_sections[int(Section::ReceivedWithoutMenu)] = withoutMenuTag(templateSection(text, QStringLiteral("received")));

    text.replace(QLatin1String("[menu]"), menuBody);

    struct Named
    {
        Section section;
        const char *name;
    };
    static const Named named[] = {
        {Section::Styles, "styles"},
        {Section::Sent, "sent"},
        {Section::Received, "received"},
        {Section::ReplySent, "reply_sent"},
        {Section::ReplyReceived, "reply_received"},
        {Section::PluginSent, "plugin_sent"},
        {Section::PluginReceived, "plugin_received"},
        {Section::ReplyPluginSent, "reply_plugin_sent"},
        {Section::ReplyPluginReceived, "reply_plugin_received"},
        {Section::DateSeparator, "date_separator"},
    };
    for (const Named &entry : named)
        m_sections[int(entry.section)] = templateSection(text, QLatin1String(entry.name));
    if (m_sections[int(Section::DateSeparator)].isEmpty())
        m_sections[int(Section::DateSeparator)] = defaultDateSeparator();

    static const Section messageSections[] = {
        Section::Sent,      Section::Received,      Section::ReplySent,       Section::ReplyReceived,
        Section::PluginSent, Section::PluginReceived, Section::ReplyPluginSent, Section::ReplyPluginReceived,
    };
    for (Section section : messageSections)
        m_sections[int(section)].replace(QLatin1String("[pi_menu]"), QLatin1String("pi_msg_menu"));
    m_loaded = true;
}

QString ChatTemplate::loadFromFolder(const QString &folder)
{
    QString text;
    if (!folder.isEmpty()) {
        const QString userPath = QDir(folder).filePath(userFileName());
        if (QFileInfo::exists(userPath)) {
            if (readUtf8(userPath, &text)) {
                parse(text);
                return userPath;
            }
            qCWarning(lcRender) << "Falling back to the built-in chat template";
        }
    }
    initChatResources();
    if (!readUtf8(builtInPath(), &text)) {
        parse(QString());
        return QString();
    }
    parse(text);
    return builtInPath();
}

QString ChatTemplate::section(Section section) const
{
    return m_sections[int(section)];
}

QString ChatTemplate::templateFor(const IHostMessage *message, bool withMenu) const
{
    if (!message)
        return QString();
    const bool received = message->isReceived();
    if (message->kind() == IHostMessage::KindPlugin) {
        if (!withMenu)
            return QString();
        return section(received ? Section::PluginReceived : Section::PluginSent);
    }
    if (withMenu)
        return section(received ? Section::Received : Section::Sent);
    return section(received ? Section::ReceivedWithoutMenu : Section::SentWithoutMenu);
}

QString ChatTemplate::replyTemplateFor(const IHostMessage *message) const
{
    if (!message)
        return QString();
    const bool received = message->isReceived();
    if (message->kind() == IHostMessage::KindPlugin)
        return section(received ? Section::ReplyPluginReceived : Section::ReplyPluginSent);
    return section(received ? Section::ReplyReceived : Section::ReplySent);
}
