#include "searchtext.h"

namespace hostkit {

namespace {

bool startsWithAt(const QString &text, int at, QLatin1String what, Qt::CaseSensitivity cs = Qt::CaseSensitive)
{
    return text.midRef(at, what.size()).compare(what, cs) == 0;
}

// The value of `key` in an attribute text, quoted or up to the next blank.
QString attribute(const QStringRef &attributes, QLatin1String key)
{
    const int at = attributes.indexOf(key + QLatin1Char('='));
    if (at < 0)
        return QString();
    int begin = at + key.size() + 1;
    int end = -1;
    if (begin < attributes.size() && attributes.at(begin) == QLatin1Char('"'))
        end = attributes.indexOf(QLatin1Char('"'), ++begin);
    else
        end = attributes.indexOf(QLatin1Char(' '), begin);
    if (end < 0)
        end = attributes.size();
    QString value = attributes.mid(begin, end - begin).toString();
    value.replace(QLatin1String("%91"), QLatin1String("[")).replace(QLatin1String("%93"), QLatin1String("]"));
    return value.replace(QLatin1String("%37"), QLatin1String("%"));
}

struct Tag
{
    QLatin1String open;
    QLatin1String close;
    QLatin1String readsAs; // the attribute whose value the tag reads as; empty: nothing
};

const Tag AttributeTags[] = {
    {QLatin1String("[file"), QLatin1String("]"), QLatin1String("name")},
    {QLatin1String("[voice"), QLatin1String("]"), QLatin1String("name")},
    {QLatin1String("[video"), QLatin1String("]"), QLatin1String("name")},
    {QLatin1String("[gp"), QLatin1String("]"), QLatin1String("addr")},
    {QLatin1String("[pic"), QLatin1String("]"), QLatin1String()},
    {QLatin1String("[loc"), QLatin1String("]"), QLatin1String()},
    {QLatin1String("[img]"), QLatin1String("[/img]"), QLatin1String()},
    {QLatin1String("[@"), QLatin1String("]"), QLatin1String()},
    {QLatin1String("[furl="), QLatin1String("]"), QLatin1String()}, // the label that follows stays
};

const QLatin1String DroppedTags[] = {QLatin1String("[b]"), QLatin1String("[/b]"), QLatin1String("[i]"),
                                     QLatin1String("[/i]"), QLatin1String("[u]"), QLatin1String("[/u]"),
                                     QLatin1String("[furl]"), QLatin1String("[/furl]"), QLatin1String("[nudge]")};

} // namespace

QString searchableText(const QByteArray &markup)
{
    const QString text = QString::fromUtf8(markup);
    QString out;
    out.reserve(text.size());
    const int n = text.size();
    // The next "]" and "[/img]" from where the scan stands, found once each
    // however many tags open before them (-1: none any more).
    int nextClose[2] = {-2, -2};
    const auto closeAfter = [&](const QLatin1String &close, int from) {
        int &cached = nextClose[close.size() == 1 ? 0 : 1];
        if (cached != -1 && cached < from)
            cached = text.indexOf(close, from);
        return cached;
    };
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r'))
            continue;
        if (c != QLatin1Char('[')) {
            out += c;
            continue;
        }
        if (startsWithAt(text, i, QLatin1String("[code][[/code]"))) {
            out += QLatin1Char('[');
            i += 13;
            continue;
        }
        if (startsWithAt(text, i, QLatin1String("[br]"), Qt::CaseInsensitive)) {
            out += QLatin1Char('\n');
            i += 3;
            continue;
        }
        bool done = false;
        for (const QLatin1String &tag : DroppedTags) {
            if (startsWithAt(text, i, tag, Qt::CaseInsensitive)) {
                i += tag.size() - 1;
                done = true;
                break;
            }
        }
        for (const Tag &tag : AttributeTags) {
            if (done || !startsWithAt(text, i, tag.open))
                continue;
            const int end = closeAfter(tag.close, i + tag.open.size());
            if (end < 0)
                break;
            if (tag.readsAs.size() > 0) {
                out += attribute(text.midRef(i + tag.open.size(), end - i - tag.open.size()), tag.readsAs);
                out += QLatin1Char(' ');
            }
            i = end + tag.close.size() - 1;
            done = true;
        }
        if (!done)
            out += c;
    }
    return out;
}

} // namespace hostkit
