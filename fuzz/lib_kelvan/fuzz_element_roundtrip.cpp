// Builds a tree from the fuzzer's bytes (names from a safe alphabet, text
// and attribute values arbitrary bytes, control characters and NUL
// included), writes it, reads it back and requires the same tree.

#include "lib_kelvan/elementtree.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kMaxDepth = 24;
constexpr int kMaxOperations = 400;

QByteArray safeName(FuzzedDataProvider &in)
{
    static const char first[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_";
    static const char rest[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789-.";
    const int length = in.ConsumeIntegralInRange<int>(1, 10);
    QByteArray name;
    name.append(first[in.ConsumeIntegralInRange<std::size_t>(0, sizeof(first) - 2)]);
    for (int i = 1; i < length; ++i)
        name.append(rest[in.ConsumeIntegralInRange<std::size_t>(0, sizeof(rest) - 2)]);
    return name;
}

QByteArray anyBytes(FuzzedDataProvider &in)
{
    const std::string s = in.ConsumeRandomLengthString(64);
    return QByteArray(s.data(), int(s.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    kelvan::Element root(safeName(in));
    std::vector<kelvan::Element *> open{&root};
    for (int op = 0; op < kMaxOperations && in.remaining_bytes() > 0; ++op) {
        kelvan::Element &top = *open.back();
        switch (in.ConsumeIntegralInRange<int>(0, 5)) {
        case 0:
            if (int(open.size()) < kMaxDepth)
                open.push_back(&top.appendChild(safeName(in)));
            break;
        case 1:
            if (open.size() > 1)
                open.pop_back();
            break;
        case 2:
            top.setAttribute(safeName(in), anyBytes(in));
            break;
        case 3:
            top.setText(anyBytes(in));
            break;
        case 4:
            top.appendTextChild(safeName(in), anyBytes(in));
            break;
        default:
            top.appendChild(safeName(in));
            break;
        }
    }

    const QByteArray written = kelvan::writeElement(root);
    kelvan::ReadLimits limits;
    limits.maxInputBytes = 1 << 30;
    kelvan::Element read;
    const kelvan::ReadResult result = kelvan::readElement(written, read, limits);
    if (!result.ok || read != root)
        std::abort();
    if (kelvan::writeElement(read) != written)
        std::abort();
    return 0;
}
