// Arbitrary bytes into the element reader. A failure must leave an empty
// tree and say why; a success must survive write → read → write unchanged.

#include "lib_kelvan/elementtree.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > std::size_t(std::numeric_limits<int>::max()))
        return 0;
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    kelvan::Element tree;
    const kelvan::ReadResult result = kelvan::readElement(input, tree);
    if (!result.ok) {
        if (!tree.isEmpty() || result.error.isEmpty())
            std::abort();
        return 0;
    }
    if (!result.error.isEmpty())
        std::abort();

    // Indentation can make the written form larger than the input.
    kelvan::ReadLimits unlimitedSize;
    unlimitedSize.maxInputBytes = std::numeric_limits<int>::max();
    const QByteArray written = kelvan::writeElement(tree);
    kelvan::Element again;
    if (!kelvan::readElement(written, again, unlimitedSize))
        std::abort();
    if (again != tree)
        std::abort();
    if (kelvan::writeElement(again) != written)
        std::abort();
    return 0;
}
