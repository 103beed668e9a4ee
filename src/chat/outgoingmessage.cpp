#include "chat/outgoingmessage.h"

namespace OutgoingMessage {

namespace {

bool isBlank(const QString &text)
{
    return text.trimmed().isEmpty();
}

void appendUnlessBlank(QStringList &parts, const QString &text)
{
    if (!isBlank(text))
        parts.append(text);
}

// Splits text[from..] at blocks opened by `open` and closed by the first
// `close` after it; returns where the search stopped (no further `open`).
int splitAt(const QString &text, int from, const QString &open, const QString &close, QStringList &parts)
{
    while (true) {
        const int start = text.indexOf(open, from);
        if (start < 0)
            return from;
        appendUnlessBlank(parts, text.mid(from, start - from));
        const int closing = text.indexOf(close, start + open.size());
        const int end = closing < 0 ? text.size() : closing + close.size();
        parts.append(text.mid(start, end - start));
        from = end;
    }
}

} // namespace

QStringList splitParts(const QString &text)
{
    QStringList parts;
    int from = splitAt(text, 0, QStringLiteral("[img]"), QStringLiteral("[/img]"), parts);
    from = splitAt(text, from, QStringLiteral("[pic"), QStringLiteral("]"), parts);
    appendUnlessBlank(parts, text.mid(from));
    return parts;
}

QString escapeFileName(const QString &name)
{
    QString escaped = name;
    escaped.replace(QLatin1Char('%'), QLatin1String("%37"));
    escaped.replace(QLatin1Char('['), QLatin1String("%91"));
    escaped.replace(QLatin1Char(']'), QLatin1String("%93"));
    return escaped;
}

QString fileMessageText(const QString &url, const QString &fileName, qint64 size, const QString &mimeName)
{
    return QStringLiteral("[file url=\"%1\" name=\"%2\" size=\"%3\" mime=\"%4\"]")
        .arg(url, escapeFileName(fileName), QString::number(size), mimeName);
}

QString pictureMessageText(const QString &source)
{
    return QStringLiteral("[pic src=\"%1\"]").arg(source);
}

} // namespace OutgoingMessage
