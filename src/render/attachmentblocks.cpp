#include "render/attachmentblocks.h"

#include "render/links.h"

#include "lib_kelvan/clock.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QMimeDatabase>

namespace AttachmentBlocks {

namespace {

// Embedding, override and isolate controls turn "gnp.exe" into what reads
// as "exe.png"; a file name shown to the user carries none of them.
bool isBidiControl(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x200E || u == 0x200F
           || u == 0x061C;
}

QString displayText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (!isBidiControl(c))
            out += c;
    }
    return Links::escapeHtml(out);
}

QString blockHtml(const QString &key, QLatin1String captionStyle, const QString &captionHtml,
                  const QString &detailsHtml)
{
    const QString target = Links::escapeAttribute(Links::cloudTarget(key));
    const QString icon = Links::escapeAttribute(key);
    QString html;
    html.reserve(512);
    html += QLatin1String("\n<table border='0' cellspacing='0' cellpadding='2'>\n<tr>\n\t<td><a href='");
    html += target;
    html += QLatin1String("'><img src='");
    html += icon;
    html += QLatin1String("' /></a></td>\n\t<td>\n\t\t<table border=0 cellspacing=0 cellpadding=0>\n\t\t<tr>\n"
                          "\t\t\t<td style='");
    html += captionStyle;
    html += QLatin1String("'>\n\t\t\t\t<a href='");
    html += target;
    html += QLatin1String("'>");
    html += captionHtml;
    html += QLatin1String("</a>\n\t\t\t</td>\n\t\t</tr>\n\t\t<tr>\n\t\t\t<td>");
    html += detailsHtml;
    html += QLatin1String("</td>\n\t\t</tr>\n\t\t</table>\n\t</td>\n</tr>\n</table>\n");
    return html;
}

} // namespace

QString stripUploadPrefix(const QString &address)
{
    return address.startsWith(UploadPrefix) ? address.mid(UploadPrefix.size()) : address;
}

QString fileBlockHtml(const QString &key, const QString &name, const QString &sizeText)
{
    return blockHtml(key, QLatin1String("font: normal 12pt;"), displayText(name), Links::escapeHtml(sizeText));
}

QString mediaBlockHtml(const QString &key, const QString &caption, const QString &lengthText, const QString &sizeText)
{
    return blockHtml(key, QLatin1String("font-size:24px;font-weight:normal;"), displayText(caption),
                     Links::escapeHtml(lengthText) + QLatin1String("&nbsp;&nbsp;") + Links::escapeHtml(sizeText));
}

QString pictureHtml(const QString &localName, const QString &address)
{
    return QStringLiteral("<a href=\"%1\"><img src=\"%2\" alt=\"%3\" border=\"0\" width=\"%4\" height=\"%5\" /></a>")
        .arg(Links::escapeAttribute(Links::pictureTarget(localName)), Links::escapeAttribute(localName),
             Links::escapeAttribute(address), QString::number(PictureWidth), QString::number(PictureHeight));
}

QString positionHtml(const QString &localName, const QString &pos, const QString &addr, const QString &imgmap)
{
    return QStringLiteral(
               "<a href=\"%1\"><img src=\"%2\" alt=\"%3\" border=\"0\" width=\"%4\" height=\"%5\" /><br>%6</a>")
        .arg(Links::escapeAttribute(Links::geoTarget(pos)), Links::escapeAttribute(localName),
             Links::escapeAttribute(imgmap), QString::number(PictureWidth), QString::number(PictureHeight),
             Links::escapeHtml(addr));
}

QString locationLink(const QString &displayName, const QString &pos)
{
    return Links::LocationScheme + QLatin1String("://") + Links::MapHost + QLatin1String("/maps/?q=") + displayName
           + QLatin1Char('@') + pos;
}

QString locationHtml(const QString &displayName, const QString &pos)
{
    return QStringLiteral("<a href=\"%1\"><img src=\"%2\" alt=\"%3\" border=\"0\" /></a>")
        .arg(Links::escapeAttribute(locationLink(displayName, pos)), QStringLiteral("location_img"),
             Links::escapeAttribute(QCoreApplication::translate("AttachmentBlocks", "Location information")));
}

QString currentTimeStamp()
{
    return kelvan::Clock::instance().now().toString(QStringLiteral("yyyyMMddhhmmss"));
}

QString defaultAttachmentName(const QString &mime)
{
    return defaultAttachmentName(mime, currentTimeStamp());
}

QString defaultAttachmentName(const QString &mime, const QString &timeStamp)
{
    static QAtomicInteger<quint16> counter;
    const quint16 number = counter.fetchAndAddRelaxed(1);
    const QString suffix = mime.isEmpty() ? QString() : QMimeDatabase().mimeTypeForName(mime).suffixes().value(0);
    return QStringLiteral("%1_%2.%3").arg(timeStamp).arg(number, 2, 10, QLatin1Char('0')).arg(suffix);
}

} // namespace AttachmentBlocks
