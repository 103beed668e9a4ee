#pragma once

#include <QString>

class IHostMessage;

// The sections of a chat template: a text of named sections "[name]" …
// "[/name]" from which every message block of a history view is cut.
// A user may put "chat_template.tmpl" into the host's data folder; without
// it the built-in ":/chat/template.html" is used.
class ChatTemplate
{
public:
    enum class Section {
        Styles,              // put in front of the history HTML
        Sent,                // own ordinary message, with the menu button
        Received,            // peer's ordinary message, with the menu button
        SentWithoutMenu,     // "sent" with "[menu]" removed
        ReceivedWithoutMenu, // "received" with "[menu]" removed
        ReplySent,           // quoted own message inside a reply
        ReplyReceived,       // quoted peer message inside a reply
        PluginSent,          // own message of another plug-in (a broadcast)
        PluginReceived,      // peer's message of another plug-in
        ReplyPluginSent,
        ReplyPluginReceived,
        DateSeparator,       // between messages of different days
    };

    static constexpr int DefaultMenuSize = 24;
    static constexpr int DefaultAvatarSize = 64;

    // Name of the user's template file in the data folder.
    static QString userFileName();
    // Resource path of the built-in template.
    static QString builtInPath();
    // The rule used when a template has no date separator.
    static QString defaultDateSeparator();

    // The text between "[name]" and the following "[/name]" (or the end of
    // the text), not trimmed; empty when "[name]" is missing.
    static QString templateSection(const QString &text, const QString &name);

    // Builds the sections from a whole template text. Nothing is kept from
    // a previous text.
    void parse(const QString &text);
    // Parses the file's folder's "chat_template.tmpl", or the built-in
    // template when the folder has none. Returns the path that was read,
    // empty when even that failed (the sections are then empty).
    QString loadFromFolder(const QString &folder);

    QString section(Section section) const;
    int menuSize() const { return m_menuSize; }
    int avatarSize() const { return m_avatarSize; }
    bool isLoaded() const { return m_loaded; }

    // The block for a message: by direction and kind, with or without the
    // menu button. A plug-in message without the menu gets an empty
    // template (it renders no block).
    QString templateFor(const IHostMessage *message, bool withMenu) const;
    QString replyTemplateFor(const IHostMessage *message) const;

private:
    static constexpr int SectionCount = int(Section::DateSeparator) + 1;
    QString m_sections[SectionCount];
    int m_menuSize = DefaultMenuSize;
    int m_avatarSize = DefaultAvatarSize;
    bool m_loaded = false;
};
