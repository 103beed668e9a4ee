// The picture fetch policy on arbitrary addresses: it never lets a picture
// be fetched unasked from anywhere but the host's own scheme, a map
// position, or an http(s) host that an independent reading (Qt's tolerant
// URL parser, the C library's inet_aton, which takes every numeric form
// "127.1", "0x7f.1", "2130706433" as a fetcher might, and QHostAddress's
// classification) finds public.

#include "fuzzinput.h"

#include "render/attachmentblocks.h"
#include "render/links.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QUrl>

#include <arpa/inet.h>

#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *what, const QString &input)
{
    fprintf(stderr, "%s\ninput: %s\n", what, qPrintable(input));
    abort();
}

bool isLocalName(const QString &host)
{
    for (const char *name : {"localhost", "local", "internal"}) {
        const QString suffix = QLatin1String(name);
        if (host == suffix || host.endsWith(QLatin1Char('.') + suffix))
            return true;
    }
    return !host.contains(QLatin1Char('.'));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication *app = new QCoreApplication(*argc, *argv);
    Q_UNUSED(app);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString address = fuzzText(data, size);
    static const QStringList hostSchemes{QStringLiteral("sim")};
    if (AttachmentBlocks::pictureFetchPolicy(address, hostSchemes) != AttachmentBlocks::PictureFetch::Automatic)
        return 0;

    const QString target = AttachmentBlocks::stripUploadPrefix(address);
    if (target.startsWith(Links::GeoScheme) || target.startsWith(QLatin1String("sim:"), Qt::CaseInsensitive))
        return 0;
    const QUrl url(target, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        fail("fetched unasked through another scheme", address);
    if (!url.userInfo().isEmpty())
        fail("fetched unasked with user information", address);
    QString host = url.host().toLower();
    if (host.endsWith(QLatin1Char('.')))
        host.chop(1);
    if (host.isEmpty())
        fail("fetched unasked without a host", address);

    in_addr numeric{};
    const QHostAddress literal(host);
    if (inet_aton(host.toLatin1().constData(), &numeric)) {
        if (!QHostAddress(quint32(ntohl(numeric.s_addr))).isGlobal())
            fail("fetched unasked from a numeric host that is not public", address);
    } else if (!literal.isNull()) {
        if (!literal.isGlobal())
            fail("fetched unasked from an address that is not public", address);
    } else if (isLocalName(host)) {
        fail("fetched unasked from a local name", address);
    }
    return 0;
}
