// Message bodies from a peer reduced to the text the full-text index holds:
// one pass whatever the markup, never more text out than came in (plus the
// blank after each named file).
#include "hostkit/searchtext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray markup(reinterpret_cast<const char *>(data), int(size));
    const QString text = hostkit::searchableText(markup);
    if (text.size() > 2 * QString::fromUtf8(markup).size() + 1)
        std::abort();
    return 0;
}
