// The host resolves exactly one name in the library; anything else exported
// (template instances, inline statics of Qt or the standard library) could
// interpose on the host's own copies. Reads the library's dynamic symbol table
// straight from the ELF file, so no outside tool is needed.

#include <QtTest>

#include <elf.h>

#include <cstring>

namespace {

// Defined symbols with global or weak binding in the dynamic symbol table.
QStringList exportedSymbols(const QByteArray &image, QString *error)
{
    const auto *data = reinterpret_cast<const unsigned char *>(image.constData());
    const size_t size = size_t(image.size());
    if (size < sizeof(Elf64_Ehdr) || std::memcmp(data, ELFMAG, SELFMAG) != 0 || data[EI_CLASS] != ELFCLASS64) {
        *error = QStringLiteral("not a 64-bit ELF file");
        return {};
    }
    Elf64_Ehdr header;
    std::memcpy(&header, data, sizeof header);
    if (header.e_shoff == 0 || header.e_shentsize != sizeof(Elf64_Shdr)
        || header.e_shoff + size_t(header.e_shnum) * sizeof(Elf64_Shdr) > size) {
        *error = QStringLiteral("bad section table");
        return {};
    }
    auto section = [&](int index) {
        Elf64_Shdr s;
        std::memcpy(&s, data + header.e_shoff + size_t(index) * sizeof(Elf64_Shdr), sizeof s);
        return s;
    };
    QStringList names;
    for (int i = 0; i < header.e_shnum; ++i) {
        const Elf64_Shdr symbols = section(i);
        if (symbols.sh_type != SHT_DYNSYM)
            continue;
        const Elf64_Shdr strings = section(int(symbols.sh_link));
        if (symbols.sh_offset + symbols.sh_size > size || strings.sh_offset + strings.sh_size > size) {
            *error = QStringLiteral("bad dynamic symbol table");
            return {};
        }
        const size_t count = symbols.sh_size / sizeof(Elf64_Sym);
        for (size_t k = 1; k < count; ++k) {
            Elf64_Sym symbol;
            std::memcpy(&symbol, data + symbols.sh_offset + k * sizeof(Elf64_Sym), sizeof symbol);
            const int binding = ELF64_ST_BIND(symbol.st_info);
            if (symbol.st_shndx == SHN_UNDEF || (binding != STB_GLOBAL && binding != STB_WEAK))
                continue;
            if (symbol.st_name >= strings.sh_size)
                continue;
            names << QString::fromLatin1(reinterpret_cast<const char *>(data + strings.sh_offset + symbol.st_name));
        }
    }
    names.sort();
    return names;
}

} // namespace

class tst_Exports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyCreatePluginIsExported();
};

void tst_Exports::onlyCreatePluginIsExported()
{
    QFile library(QStringLiteral(CHAT_PLUGIN_PATH));
    QVERIFY2(library.open(QIODevice::ReadOnly), qPrintable(library.errorString()));
    QString error;
    const QStringList exported = exportedSymbols(library.readAll(), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(exported, QStringList{QStringLiteral("createPlugin")});
}

QTEST_APPLESS_MAIN(tst_Exports)
#include "tst_exports.moc"
