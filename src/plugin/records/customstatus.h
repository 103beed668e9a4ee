#pragma once

#include <sdk/icustomstatus.h>

#include <QByteArray>
#include <QString>

// A custom status as the host lists it, and the automatic-reply record built
// on it: the host reads the status code and the UTF-8 text through the slot
// table; the library also keeps the text as UTF-16 for display, the reply
// sent while the status is on and whether that reply is active.
//
// Value type: copies are independent. The host only ever sees the two
// inherited slots plus the destructor appended after them.
class CustomStatus : public ICustomStatus
{
public:
    CustomStatus() = default;
    CustomStatus(int statusCode, const QString &text);
    // Copies the status code and text of a record the host passed in; the
    // automatic-reply fields start empty and inactive.
    explicit CustomStatus(const ICustomStatus &other);
    CustomStatus(const CustomStatus &other) = default;
    CustomStatus &operator=(const CustomStatus &other) = default;

    int statusCode() const override;     // slot 0
    const char *text() const override;   // slot 1, UTF-8, owned by this object
    virtual ~CustomStatus();             // slot 2

    void setStatusCode(int code) { m_statusCode = code; }
    // Sets both the UTF-8 text the host reads and the UTF-16 display copy.
    void setText(const QString &text);
    void setTextUtf8(const QByteArray &text);
    const QByteArray &textUtf8() const { return m_text; }
    const QString &displayText() const { return m_displayText; }

    // An opaque number the host's custom-status list may attach to an entry;
    // kept and copied, never interpreted here.
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // Automatic reply: the markup sent on the user's behalf and whether it
    // is switched on.
    const QString &replyText() const { return m_replyText; }
    void setReplyText(const QString &reply) { m_replyText = reply; }
    bool isActive() const { return m_active; }
    void setActive(bool active) { m_active = active; }

    // The record of no status: code -1 (callers skip such entries).
    bool isNull() const { return m_statusCode == -1; }

    bool operator==(const CustomStatus &other) const;
    bool operator!=(const CustomStatus &other) const { return !(*this == other); }

private:
    int m_statusCode = -1;
    QByteArray m_text;
    QString m_displayText;
    int m_tag = 0;
    QString m_replyText;
    bool m_active = false;
};
