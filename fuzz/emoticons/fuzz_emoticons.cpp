// Feeds arbitrary bytes to the emoticon catalogue. The input is up to four
// parts separated by NUL bytes: "order.cfg", "aliases.cfg", "en.lng" and a
// message text. The readers also see the whole input as each file; the
// catalogue is loaded from the three files in a temporary application folder
// whose pictures exist for a few names, and the message goes through the
// alias pass (checked against the plain per-alias scan), the code pass and
// the user-name pass.

#include "aliasreference.h"

#include "emoticons/emoticonconfigreader.h"
#include "emoticons/emotionboxmanager.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir *appFolder = nullptr;

QString emoticonFolder()
{
    return appFolder->path() + QStringLiteral("/plugins/chat/emoticons");
}

void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(contents) != contents.size())
        abort();
}

// Alias values can name later aliases, and every alias pass may multiply the
// text; both the pass under test and the plain scan would then legitimately
// build huge strings. A few short aliases keep every input quick.
QByteArray boundedAliases(const QByteArray &contents)
{
    QByteArray out;
    int lines = 0;
    for (const QByteArray &line : contents.split('\n')) {
        if (++lines > 6)
            break;
        const int equals = line.indexOf('=');
        out += (equals < 0 ? line : line.left(equals + 1 + 8)) + '\n';
    }
    return out;
}

void checkReaders(const QByteArray &contents)
{
    for (const QString &line : EmoticonConfigReader::readLines(contents)) {
        if (line.isEmpty() || line.at(0) == QLatin1Char('#') || line.contains(QLatin1Char('\n'))
            || line.at(0).unicode() <= 0x20 || line.at(line.size() - 1).unicode() <= 0x20)
            abort();
    }
    for (const auto &pair : EmoticonConfigReader::readPairs(contents)) {
        if (pair.first.contains(QLatin1Char('=')))
            abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The animations are QMovie objects, which need a GUI application.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication *app = new QGuiApplication(*argc, *argv);
    Q_UNUSED(app);
    // Bad input is expected here; its warnings would drown the fuzzer's output.
    QLoggingCategory::setFilterRules(QStringLiteral("chat.emoticons.warning=false\nchat.emoticons.debug=false"));

    appFolder = new QTemporaryDir;
    QImage picture(8, 8, QImage::Format_ARGB32);
    picture.fill(Qt::yellow);
    QDir().mkpath(emoticonFolder() + QStringLiteral("/config"));
    QDir().mkpath(emoticonFolder() + QStringLiteral("/32x32"));
    QDir().mkpath(emoticonFolder() + QStringLiteral("/128x128"));
    for (const char *name : {"a", "smile", "x y", "(", "half"})
        picture.save(emoticonFolder() + QStringLiteral("/32x32/%1.png").arg(QLatin1String(name)), "PNG");
    for (const char *name : {"a", "smile", "x y", "("})
        picture.save(emoticonFolder() + QStringLiteral("/128x128/%1.png").arg(QLatin1String(name)), "PNG");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    checkReaders(input);

    const QList<QByteArray> parts = input.split('\0');
    const QByteArray order = parts.value(0);
    const QByteArray aliases = boundedAliases(parts.value(1));
    const QByteArray english = parts.value(2);
    const QString text = QString::fromUtf8(parts.value(3).left(512));

    const QString config = emoticonFolder() + QStringLiteral("/config/");
    writeFile(config + QStringLiteral("order.cfg"), order);
    writeFile(config + QStringLiteral("aliases.cfg"), aliases);
    writeFile(config + QStringLiteral("en.lng"), english);

    EmotionBoxManager manager;
    manager.loadCatalogue(appFolder->path());
    if (manager.pickerOrder().size() < manager.entries().size())
        abort();
    for (const QString &name : manager.pickerOrder()) {
        if (!manager.findEntry(name))
            abort();
    }

    const QString aliased = manager.replaceAliases(text);
    // The plain scan is quadratic; it judges the results it can make quickly.
    if (aliased.size() <= 20000 && aliased != referenceReplaceAliases(text, manager.aliases()))
        abort();
    manager.replaceCodes(aliased, QStringLiteral("en"), true);
    manager.replaceCodes(text, QStringLiteral("de"), false);
    manager.codesInName(text, 16);
    if (manager.codesInName(text, 0).size() > text.size())
        abort();
    return 0;
}
