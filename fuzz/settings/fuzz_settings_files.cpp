// Feeds arbitrary bytes to the settings readers. The first byte picks which
// of the seven files the rest of the input is; the others are absent, which
// exercises the missing-file paths (quick-text rebuild) on every run.

#include "settings/settingsmanager.h"

#include "platform/screens.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstddef>
#include <cstdlib>
#include <cstdint>

namespace {

const char *const kFiles[] = {
    SettingsManager::ConfigFile,        SettingsManager::QuickTextsFile,    SettingsManager::AutoRepliesFile,
    SettingsManager::SpellLanguagesFile, SettingsManager::AutoscrollFile,    SettingsManager::NotificationsFile,
    SettingsManager::PictureFolderFile,
};
constexpr size_t kFileCount = sizeof(kFiles) / sizeof(kFiles[0]);

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // A core application only: the readers need no platform plug-in, and a
    // GUI application would load the font database, whose one-time
    // allocations the leak check at exit reports against this target.
    static QCoreApplication *app = new QCoreApplication(*argc, *argv);
    Q_UNUSED(app);
    static platform::FixedScreens screens(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040));
    platform::Screens::setInstance(&screens);
    // Bad input is expected here; its warnings would drown the fuzzer's output.
    QLoggingCategory::setFilterRules(QStringLiteral("chat.settings.warning=false\nchat.settings.debug=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const char *fileName = kFiles[data[0] % kFileCount];
    QHash<QString, QByteArray> files;
    files.insert(QString::fromLatin1(fileName),
                 QByteArray(reinterpret_cast<const char *>(data + 1), int(size - 1)));

    SettingsManager settings;
    settings.loadFromMemory(files, QStringLiteral("de"));

    // Touch what the readers produced so that a bad value is used, not just
    // stored. Text that is not UTF-8 is decoded, never replaced: U+FFFD can
    // only come from the file itself, written out or as a character reference.
    const QByteArray &input = files.constBegin().value();
    const bool hadReplacement = input.contains("\xEF\xBF\xBD") || input.contains("&#");
    for (const SettingsManager::QuickText &record : settings.quickTexts()) {
        SettingsManager::quickTextDisplayText(record);
        if (!hadReplacement && record.text.contains(QChar::ReplacementCharacter))
            std::abort();
    }
    for (const CustomStatus &reply : settings.autoReplies()) {
        settings.findCustomStatusReply(reply);
        if (!hadReplacement && reply.replyText().contains(QChar::ReplacementCharacter))
            std::abort();
    }
    for (int kind = 0; kind < SettingsManager::WindowKindCount; ++kind)
        settings.windowSize(kind);
    settings.splitterSizes(SettingsManager::Splitter::Chat);
    settings.splitterSizes(SettingsManager::Splitter::TabbedChat);
    settings.splitterSizes(SettingsManager::Splitter::Conference);
    settings.textFormat().font().toString();
    return 0;
}
