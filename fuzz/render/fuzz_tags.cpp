// Tag extraction and attribute reading on arbitrary text. The input is the
// text, a NUL, then the key (or tag name) to look for: extractTag must
// remove exactly one tag or leave the text alone, and every value written
// with encodeAttributeValue reads back unchanged through tagAttribute.

#include "fuzzinput.h"

#include "render/markupconverter.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *what, const QString &input)
{
    fprintf(stderr, "%s\ninput: %s\n", what, qPrintable(input));
    abort();
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
    const QString input = fuzzText(data, size);
    const int nul = input.indexOf(QChar(0));
    const QString text = nul < 0 ? input : input.left(nul);
    const QString key = nul < 0 ? QStringLiteral("url") : input.mid(nul + 1);

    MarkupConverter::tagAttribute(text, key);
    if (!key.isEmpty()) {
        const QString open = QLatin1Char('[') + key;
        QString changed = text;
        QString attributes;
        const int at = MarkupConverter::extractTag(changed, open, QStringLiteral("]"), &attributes);
        if (at < 0 && changed != text)
            fail("extractTag changed the text without finding a tag", input);
        if (at >= 0) {
            const int removed = text.size() - changed.size();
            if (removed < open.size() + 1 || text.left(at) != changed.left(at)
                || text.mid(at + removed) != changed.mid(at) || !text.mid(at).startsWith(open))
                fail("extractTag removed something other than one tag", input);
            if (attributes != attributes.trimmed())
                fail("attributes not trimmed", input);
        }
    }

    // Round trip of a value as writers encode it. A double quote ends a
    // quoted value, so values that hold one are not written quoted.
    if (!text.contains(QLatin1Char('"'))) {
        const QString attributes = QStringLiteral("v=\"%1\"").arg(MarkupConverter::encodeAttributeValue(text));
        if (MarkupConverter::tagAttribute(attributes, QStringLiteral("v")) != text.trimmed())
            fail("encoded value did not read back", input);
    }
    return 0;
}
