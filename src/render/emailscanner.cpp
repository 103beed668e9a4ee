#include "render/emailscanner.h"

// The pattern is deterministic enough that a leftmost match can be found
// without backtracking:
//  - a local part \w+([-+.]\w+)* must be followed by "@", which is neither a
//    word character nor a separator, so from any word character of a run of
//    words joined by single separators it ends at the same place: the end of
//    that run. A run not followed by "@" fails for every start inside it.
//  - a domain \w+([-.]\w+)*\.\w+([-.]\w+)* is a run of words joined by single
//    "-" or "." that holds at least one "." joint; greedy matching takes the
//    whole run, and a shorter run could only end before a joint or a word
//    character, never before the "," or ";" a further address needs.
//  - \s* before a further address is taken whole, since the address starts
//    with a word character.
// So each character is looked at a bounded number of times.
namespace EmailScanner {

namespace {

// QRegExp's \w: QChar::isLetterOrNumber(), QChar::isMark() or "_".
inline bool isWord(QChar c)
{
    const ushort u = c.unicode();
    if (u < 0x80)
        return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_';
    return c.isLetterOrNumber() || c.isMark();
}

// End of the run of words joined by single characters of `joints`
// starting at `from` (which must hold a word character). *dots counts the
// "." joints inside the run.
int runEnd(const QString &text, int from, bool plusJoins, int *dots)
{
    const int n = text.size();
    int i = from;
    while (i < n && isWord(text.at(i)))
        ++i;
    while (i + 1 < n) {
        const QChar joint = text.at(i);
        const bool isJoint = joint == QLatin1Char('-') || joint == QLatin1Char('.')
                             || (plusJoins && joint == QLatin1Char('+'));
        if (!isJoint || !isWord(text.at(i + 1)))
            break;
        if (dots && joint == QLatin1Char('.'))
            ++*dots;
        i += 2;
        while (i < n && isWord(text.at(i)))
            ++i;
    }
    return i;
}

// The end of the address whose local part starts at `from`, or -1. Sets
// *localEnd to the end of the local part's run.
int addressEnd(const QString &text, int from, int *localEnd)
{
    const int local = runEnd(text, from, true, nullptr);
    *localEnd = local;
    if (local >= text.size() || text.at(local) != QLatin1Char('@'))
        return -1;
    const int domainStart = local + 1;
    if (domainStart >= text.size() || !isWord(text.at(domainStart)))
        return -1;
    int dots = 0;
    const int domain = runEnd(text, domainStart, false, &dots);
    return dots > 0 ? domain : -1;
}

} // namespace

QString pattern()
{
    return QStringLiteral("\\w+([-+.]\\w+)*@\\w+([-.]\\w+)*\\.\\w+([-.]\\w+)*"
                          "([,;]\\s*\\w+([-+.]\\w+)*@\\w+([-.]\\w+)*\\.\\w+([-.]\\w+)*)*");
}

int find(const QString &text, int from, int *length)
{
    const int n = text.size();
    int s = qMax(0, from);
    // Every address holds an "@"; most text holds none. Between an
    // address's start and its "@" stand only word characters and joints, so
    // no address starts before the last other character ahead of the first
    // "@", and every start tried before it would end its run there.
    const int at = text.indexOf(QLatin1Char('@'), s);
    if (at < 0)
        return -1;
    int stretch = at;
    while (stretch > s) {
        const QChar c = text.at(stretch - 1);
        if (!isWord(c) && c != QLatin1Char('-') && c != QLatin1Char('.') && c != QLatin1Char('+'))
            break;
        --stretch;
    }
    s = stretch;
    while (s < n) {
        if (!isWord(text.at(s))) {
            ++s;
            continue;
        }
        int localEnd = 0;
        int end = addressEnd(text, s, &localEnd);
        if (end < 0) {
            // Every start inside this run fails the same way.
            s = localEnd;
            continue;
        }
        // Further addresses joined by "," or ";" and optional white space.
        for (;;) {
            if (end >= n || (text.at(end) != QLatin1Char(',') && text.at(end) != QLatin1Char(';')))
                break;
            int next = end + 1;
            while (next < n && text.at(next).isSpace())
                ++next;
            if (next >= n || !isWord(text.at(next)))
                break;
            int ignored = 0;
            const int furtherEnd = addressEnd(text, next, &ignored);
            if (furtherEnd < 0)
                break;
            end = furtherEnd;
        }
        if (length)
            *length = end - s;
        return s;
    }
    return -1;
}

} // namespace EmailScanner
