#include "render/attachmentblocks.h"

#include "render/links.h"
#include "render/renderlog.h"

#include "lib_kelvan/clock.h"
#include "plugin/records/variableimpl.h"

#include <sdk/ihostservices.h>

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QMimeDatabase>
#include <QUrl>

#include <array>

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

// ---- The picture fetch policy --------------------------------------------

using IPv6 = std::array<quint8, 16>;

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isHexDigit(QChar c)
{
    return isAsciiDigit(c) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
           || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

int hexValue(QChar c)
{
    const ushort u = c.unicode();
    return u <= '9' ? u - '0' : (u | 0x20) - 'a' + 10;
}

// Exactly four decimal parts without leading zeros, each up to 255: the one
// form every URL parser and resolver reads the same way.
bool parseCanonicalIPv4(QStringView text, quint32 *address)
{
    const auto parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    quint32 value = 0;
    for (const QStringView part : parts) {
        if (part.isEmpty() || part.size() > 3 || (part.size() > 1 && part.front() == QLatin1Char('0')))
            return false;
        int number = 0;
        for (const QChar c : part) {
            if (!isAsciiDigit(c))
                return false;
            number = number * 10 + (c.unicode() - '0');
        }
        if (number > 255)
            return false;
        value = (value << 8) | quint32(number);
    }
    *address = value;
    return true;
}

bool isPublicIPv4(quint32 address)
{
    struct Block
    {
        quint32 network;
        int bits;
    };
    static const Block notPublic[] = {
        {0x00000000, 8},  // "this" network
        {0x0A000000, 8},  // private
        {0x64400000, 10}, // shared address space (carrier NAT)
        {0x7F000000, 8},  // loopback
        {0xA9FE0000, 16}, // link-local
        {0xAC100000, 12}, // private
        {0xC0000000, 24}, // protocol assignments
        {0xC0000200, 24}, // documentation
        {0xC0586300, 24}, // 6to4 relay anycast
        {0xC0A80000, 16}, // private
        {0xC6120000, 15}, // benchmarking
        {0xC6336400, 24}, // documentation
        {0xCB007100, 24}, // documentation
        {0xE0000000, 4},  // multicast
        {0xF0000000, 4},  // reserved and broadcast
    };
    for (const Block &block : notPublic) {
        if ((address >> (32 - block.bits)) == (block.network >> (32 - block.bits)))
            return false;
    }
    return true;
}

// Hex groups with at most one "::", optionally ending in a canonical dotted
// IPv4 address; no zone.
bool parseIPv6(QStringView text, IPv6 *address)
{
    quint16 groups[8] = {};
    int count = 0;
    int gap = -1; // group index where "::" stands
    int i = 0;
    const int n = int(text.size());
    if (text.startsWith(QLatin1String("::"))) {
        gap = 0;
        i = 2;
    } else if (text.startsWith(QLatin1Char(':'))) {
        return false;
    }
    while (i < n) {
        if (count == 8)
            return false;
        int end = i;
        while (end < n && isHexDigit(text.at(end)))
            ++end;
        if (end < n && text.at(end) == QLatin1Char('.')) {
            quint32 v4 = 0;
            if (count > 6 || !parseCanonicalIPv4(text.mid(i), &v4))
                return false;
            groups[count++] = quint16(v4 >> 16);
            groups[count++] = quint16(v4 & 0xffff);
            i = n;
            break;
        }
        if (end == i || end - i > 4)
            return false;
        quint16 group = 0;
        for (int k = i; k < end; ++k)
            group = quint16((group << 4) | hexValue(text.at(k)));
        groups[count++] = group;
        i = end;
        if (i == n)
            break;
        if (text.at(i) != QLatin1Char(':'))
            return false;
        ++i;
        if (i < n && text.at(i) == QLatin1Char(':')) {
            if (gap >= 0)
                return false;
            gap = count;
            ++i;
        } else if (i == n) {
            return false; // a single trailing ":"
        }
    }
    if (gap < 0 ? count != 8 : count > 7)
        return false;
    quint16 full[8] = {};
    const int tail = gap < 0 ? 0 : count - gap;
    for (int k = 0; k < count - tail; ++k)
        full[k] = groups[k];
    for (int k = 0; k < tail; ++k)
        full[8 - tail + k] = groups[gap + k];
    for (int k = 0; k < 8; ++k) {
        (*address)[size_t(2 * k)] = quint8(full[k] >> 8);
        (*address)[size_t(2 * k + 1)] = quint8(full[k] & 0xff);
    }
    return true;
}

bool isPublicIPv6(const IPv6 &a)
{
    const auto word = [&a](int k) { return quint16((a[size_t(2 * k)] << 8) | a[size_t(2 * k + 1)]); };
    // Global unicast only: loopback, unspecified, mapped and translated IPv4,
    // unique local, link-local, site-local and multicast all lie outside.
    if ((a[0] & 0xe0) != 0x20)
        return false;
    if (word(0) == 0x2001 && word(1) < 0x0200) // protocol assignments, Teredo
        return false;
    if (word(0) == 0x2001 && word(1) == 0x0db8) // documentation
        return false;
    if ((word(0) & 0xfff0) == 0x3ff0) // documentation
        return false;
    if (word(0) == 0x2002) // 6to4 carries an IPv4 address
        return isPublicIPv4((quint32(a[2]) << 24) | (quint32(a[3]) << 16) | (quint32(a[4]) << 8) | a[5]);
    return true;
}

// Names that resolve on this machine or in the local network only, or are
// reserved never to resolve.
bool isLocalName(QStringView host)
{
    static const char *const localNames[] = {
        "localhost", "local", "internal", "localdomain", "lan", "home", "corp", "intranet", "private",
        "home.arpa", "in-addr.arpa", "ip6.arpa", "test", "invalid", "example", "onion", "alt",
    };
    for (const char *name : localNames) {
        const QLatin1String suffix(name);
        if (host == suffix)
            return true;
        if (host.size() > suffix.size() && host.endsWith(suffix)
            && host.at(host.size() - suffix.size() - 1) == QLatin1Char('.'))
            return true;
    }
    return false;
}

// The last label decides whether URL parsers take a host for an IPv4
// address: all digits, or "0x" and hex digits.
bool endsInNumber(QStringView host)
{
    const int dot = int(host.lastIndexOf(QLatin1Char('.')));
    const QStringView last = host.mid(dot + 1);
    if (last.isEmpty())
        return false;
    if (last.startsWith(QLatin1String("0x"))) {
        for (const QChar c : last.mid(2)) {
            if (!isHexDigit(c))
                return false;
        }
        return true;
    }
    for (const QChar c : last) {
        if (!isAsciiDigit(c))
            return false;
    }
    return true;
}

// Up to five digits, at most 65535; empty means the scheme's default.
bool isPort(QStringView port)
{
    if (port.size() > 5)
        return false;
    int value = 0;
    for (const QChar c : port) {
        if (!isAsciiDigit(c))
            return false;
        value = value * 10 + (c.unicode() - '0');
    }
    return value <= 65535;
}

bool isDnsName(QStringView host)
{
    if (host.isEmpty() || host.size() > 253)
        return false;
    for (const QStringView label : host.split(QLatin1Char('.'))) {
        if (label.isEmpty() || label.size() > 63 || label.front() == QLatin1Char('-')
            || label.back() == QLatin1Char('-'))
            return false;
        for (const QChar c : label) {
            if (!(isAsciiDigit(c) || (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c == QLatin1Char('-')))
                return false;
        }
    }
    return true;
}

// Whether Qt's strict parser reads the scheme and host as we did: a fetcher
// that parses differently must not end up somewhere else.
bool qtReadsTheSame(const QString &address, const QString &scheme, const QString &host)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().toLower() != scheme || !url.userInfo().isEmpty())
        return false;
    QString qtHost = url.host(QUrl::FullyEncoded).toLower();
    if (qtHost.endsWith(QLatin1Char('.')))
        qtHost.chop(1);
    return qtHost == host;
}

bool isPublicWebAddress(const QString &address)
{
    const int colon = address.indexOf(QLatin1Char(':'));
    const QString scheme = address.left(colon).toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return false;
    const QStringView rest = QStringView(address).mid(colon + 1);
    if (!rest.startsWith(QLatin1String("//")))
        return false;
    QStringView authority = rest.mid(2);
    for (int i = 0; i < authority.size(); ++i) {
        const QChar c = authority.at(i);
        if (c == QLatin1Char('/') || c == QLatin1Char('?') || c == QLatin1Char('#')) {
            authority = authority.left(i);
            break;
        }
    }
    // User information can make a name read as another ("public.org@10.0.0.1");
    // percent signs encode hosts or IPv6 zones.
    if (authority.contains(QLatin1Char('@')) || authority.contains(QLatin1Char('%')))
        return false;

    QStringView host = authority;
    QStringView port;
    if (authority.startsWith(QLatin1Char('['))) {
        const int close = int(authority.indexOf(QLatin1Char(']')));
        if (close < 0)
            return false;
        host = authority.mid(1, close - 1);
        const QStringView after = authority.mid(close + 1);
        if (!after.isEmpty()) {
            if (after.front() != QLatin1Char(':'))
                return false;
            port = after.mid(1);
        }
        IPv6 v6;
        if (!parseIPv6(host, &v6) || !isPublicIPv6(v6) || !isPort(port))
            return false;
        // Qt writes the address in its own form; compare the numbers.
        const QUrl url(address, QUrl::StrictMode);
        IPv6 qtV6;
        return url.isValid() && url.scheme().toLower() == scheme && url.userInfo().isEmpty()
               && parseIPv6(url.host(), &qtV6) && qtV6 == v6;
    }

    const int portColon = int(authority.lastIndexOf(QLatin1Char(':')));
    if (portColon >= 0) {
        port = authority.mid(portColon + 1);
        host = authority.left(portColon);
        if (!isPort(port))
            return false;
    }
    QString name = host.toString().toLower();
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    const bool ascii = std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii)
        name = QString::fromLatin1(QUrl::toAce(name));
    if (!isDnsName(name))
        return false;
    if (endsInNumber(name)) {
        quint32 v4 = 0;
        if (!parseCanonicalIPv4(name, &v4) || !isPublicIPv4(v4))
            return false;
    } else if (!name.contains(QLatin1Char('.')) || isLocalName(name)) {
        return false;
    }
    return qtReadsTheSame(address, scheme, name);
}

// The web's and the file system's schemes name the world, never the host's
// own transfers, whatever a host reports.
bool hasHostScheme(const QString &address, const QStringList &hostSchemes)
{
    const int colon = address.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    const QString scheme = address.left(colon).toLower();
    static const QStringList worldSchemes = {QStringLiteral("http"), QStringLiteral("https"),
                                             QStringLiteral("file"), QStringLiteral("ftp")};
    return hostSchemes.contains(scheme) && !worldSchemes.contains(scheme);
}

PictureFetchPage *&currentPage()
{
    static thread_local PictureFetchPage *page = nullptr;
    return page;
}

} // namespace

PictureFetch pictureFetchPolicy(const QString &address, const QStringList &hostSchemes)
{
    const QString target = stripUploadPrefix(address);
    if (target.isEmpty() || target.size() > MaxFetchAddressLength)
        return PictureFetch::OnClick;
    for (const QChar c : target) {
        if (c.unicode() <= 0x20 || c.unicode() == 0x7f || c == QLatin1Char('\\'))
            return PictureFetch::OnClick;
    }
    if (target.startsWith(Links::GeoScheme) || hasHostScheme(target, hostSchemes))
        return PictureFetch::Automatic;
    return isPublicWebAddress(target) ? PictureFetch::Automatic : PictureFetch::OnClick;
}

QString pictureLocalName(IHostServices *host, const QString &address, int *fetchedInMessage, bool *fetchStarted)
{
    if (fetchStarted)
        *fetchStarted = false;
    if (!host)
        return address;
    const QByteArray bytes = address.toUtf8();
    VariableImpl name;
    if (host->pictureLocalName(bytes.constData(), &name) && !name.bytes().isEmpty())
        return name.toString();
    VariableImpl created;
    host->createPictureLocalName(bytes.constData(), &created);
    if (created.bytes().isEmpty())
        return QString();
    if (fetchedInMessage && *fetchedInMessage >= MaxFetchesPerMessage)
        return created.toString();
    VariableImpl schemes;
    QStringList hostSchemes;
    if (host->ownTransferSchemes(&schemes)) {
        for (const QString &scheme : schemes.toString().split(QLatin1Char(','), Qt::SkipEmptyParts))
            hostSchemes.append(scheme.trimmed().toLower());
    }
    if (pictureFetchPolicy(address, hostSchemes) == PictureFetch::OnClick) {
        qCDebug(lcRender) << "picture shown as a link, not fetched:" << address.left(200);
        return created.toString();
    }
    if (!PictureFetchPage::take())
        return created.toString();
    if (fetchedInMessage)
        ++*fetchedInMessage;
    host->fetchPicture(bytes.constData(), created.value());
    if (fetchStarted)
        *fetchStarted = true;
    return created.toString();
}

PictureFetchPage::PictureFetchPage()
    : m_outer(currentPage())
{
    currentPage() = this;
}

PictureFetchPage::~PictureFetchPage()
{
    currentPage() = m_outer;
}

bool PictureFetchPage::take()
{
    PictureFetchPage *page = currentPage();
    if (!page)
        return true;
    if (page->m_fetched >= MaxFetchesPerPage)
        return false;
    ++page->m_fetched;
    return true;
}

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
