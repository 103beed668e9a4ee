// Links and escaping: linkify's output passes the HTML oracle, link
// candidates stay inside the text, and on short inputs the linear e-mail
// scanner finds exactly what the classic engine finds with the pattern.

#include "fuzzinput.h"
#include "htmloracle.h"

#include "render/emailscanner.h"
#include "render/links.h"

#include <QCoreApplication>
#include <QRegExp>

#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *what, const QString &input, const QString &detail)
{
    fprintf(stderr, "%s\ninput: %s\n%s\n", what, qPrintable(input), qPrintable(detail));
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
    const QString text = fuzzText(data, size);

    const QString html = Links::linkify(text);
    const QString problem = checkRenderedHtml(html);
    if (!problem.isEmpty())
        fail("linkify wrote unsafe HTML", text, problem + QStringLiteral("\nhtml: ") + html);

    int length = 0;
    for (int from = 0, start = Links::findLinkCandidate(text, 0, &length); start >= 0;
         start = Links::findLinkCandidate(text, from, &length)) {
        if (start < from || length <= 0 || start + length > text.size())
            fail("link candidate outside the text", text, QStringLiteral("%1+%2").arg(start).arg(length));
        from = start + length;
        if (from >= text.size())
            break;
    }

    // The classic engine is quadratic on long word runs; short inputs only.
    if (text.size() <= 256) {
        QRegExp pattern(EmailScanner::pattern(), Qt::CaseInsensitive);
        int pos = 0;
        for (;;) {
            const int expected = pattern.indexIn(text, pos);
            int found = 0;
            const int actual = EmailScanner::find(text, pos, &found);
            if (actual != expected || (expected >= 0 && found != pattern.matchedLength()))
                fail("e-mail scanner differs from the pattern", text,
                     QStringLiteral("at %1: %2+%3 against %4+%5")
                         .arg(pos).arg(actual).arg(found).arg(expected).arg(pattern.matchedLength()));
            if (expected < 0)
                break;
            pos = expected + qMax(1, found);
        }
    }
    return 0;
}
