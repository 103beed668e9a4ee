// What a file or a user can hand the spell-checking module without a
// dictionary: a "languages.txt", and words the editor sends on their way to
// Hunspell's encodings.
#include "spell/dictionaryfolder.h"
#include "spell/wordencoder.h"

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));

    for (const SpellLanguage &language : DictionaryFolder::parseLanguagesText(bytes)) {
        if (!DictionaryFolder::isValidCode(language.code) || language.displayName.isEmpty())
            std::abort();
    }

    // The same bytes as UTF-16 words: what encodes must decode to the word.
    std::u16string units(size / 2, u'\0');
    std::memcpy(&units[0], data, units.size() * 2);
    const QString word = QString::fromStdU16String(units);
    std::string buffer;
    static const WordEncoder utf8("UTF-8");
    static const WordEncoder latin1("ISO8859-1");
    static const WordEncoder cyrillic("KOI8-R");
    for (const WordEncoder *encoder : {&utf8, &latin1, &cyrillic}) {
        if (encoder->encode(word, buffer) && encoder->decode(buffer) != word)
            std::abort();
    }
    return 0;
}
