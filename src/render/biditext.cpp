#include "render/biditext.h"

#include <QVector>

namespace BidiText {

namespace {

enum : ushort {
    LRM = 0x200E, RLM = 0x200F, ALM = 0x061C,
    LRE = 0x202A, RLE = 0x202B, PDF = 0x202C, LRO = 0x202D, RLO = 0x202E,
    LRI = 0x2066, RLI = 0x2067, FSI = 0x2068, PDI = 0x2069,
};

// The bidirectional algorithm ignores nesting deeper than this.
constexpr int MaxDepth = 125;

bool isEmbedding(ushort c) { return c == LRE || c == RLE || c == LRO || c == RLO; }
bool isIsolate(ushort c) { return c == LRI || c == RLI || c == FSI; }

} // namespace

bool hasControls(const QString &text)
{
    for (const QChar ch : text) {
        const ushort c = ch.unicode();
        if (c == LRM || c == RLM || c == ALM || (c >= LRE && c <= RLO) || (c >= LRI && c <= PDI))
            return true;
    }
    return false;
}

QString isolate(const QString &text)
{
    if (!hasControls(text))
        return text;
    QString out;
    out.reserve(text.size() + 8);
    out += QChar(FSI);
    QVector<ushort> open;
    for (const QChar ch : text) {
        const ushort c = ch.unicode();
        if (isEmbedding(c) || isIsolate(c)) {
            if (open.size() >= MaxDepth)
                continue;
            open.append(c);
        } else if (c == PDF) {
            // Closes an embedding only inside the isolate that opened it.
            if (open.isEmpty() || !isEmbedding(open.last()))
                continue;
            open.removeLast();
        } else if (c == PDI) {
            int at = open.size() - 1;
            while (at >= 0 && !isIsolate(open.at(at)))
                --at;
            if (at < 0)
                continue;
            // The embeddings opened inside the isolate end with it.
            for (int i = open.size() - 1; i > at; --i)
                out += QChar(PDF);
            open.resize(at);
        }
        out += ch;
    }
    for (int i = open.size() - 1; i >= 0; --i)
        out += QChar(isIsolate(open.at(i)) ? PDI : PDF);
    out += QChar(PDI);
    return out;
}

} // namespace BidiText
