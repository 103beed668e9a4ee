// Chat templates as a user's data folder may hold them: parsed, then a
// received, a sent and a plug-in message rendered through the result with
// the reference host (journal off). Sizes stay positive, the date separator
// is never empty, and a menu-less section never holds the "[menu]" tag.

#include "fuzzinput.h"

#include "render/chattemplate.h"
#include "render/messageblocks.h"
#include "render/resourcekeytable.h"

#include "hostkit/host.h"
#include "hostkit/hostmessage.h"

#include <QGuiApplication>
#include <QLoggingCategory>

#include <cstdio>
#include <cstdlib>

namespace {

hostkit::Host *host = nullptr;

void fail(const char *what, const QString &input)
{
    fprintf(stderr, "%s\ntemplate: %s\n", what, qPrintable(input));
    abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication *app = new QGuiApplication(*argc, *argv);
    Q_UNUSED(app);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false\n*.warning=false"));
    host = new hostkit::Host(hostkit::Profile::inMemory());
    host->journal().setEnabled(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);
    ChatTemplate chatTemplate;
    chatTemplate.parse(text);
    if (chatTemplate.avatarSize() < 1 || chatTemplate.menuSize() < 1)
        fail("size below 1", text);
    if (chatTemplate.section(ChatTemplate::Section::DateSeparator).isEmpty())
        fail("empty date separator", text);
    if (chatTemplate.section(ChatTemplate::Section::SentWithoutMenu).contains(QLatin1String("[menu]"))
        || chatTemplate.section(ChatTemplate::Section::ReceivedWithoutMenu).contains(QLatin1String("[menu]")))
        fail("menu tag left in a menu-less section", text);

    RenderContext context;
    context.host = host->servicesFor("chat");
    hostkit::StoredMessage stored;
    stored.eventId = 7;
    stored.senderId = 1001;
    stored.time = 20260305120000;
    stored.body = "hello [b]there[/b] [@1002]";
    stored.labels = "success";
    stored.likedBy = {"1002", "1003"};
    for (int variant = 0; variant < 3; ++variant) {
        stored.received = variant != 1;
        stored.kind = variant == 2 ? 1 : 0;
        const hostkit::HostMessage message(stored);
        UserNameCache names;
        ResourceKeyTable keys;
        bool nudge = false;
        MessageBlocks::renderMessageBlock(chatTemplate, context, &message, names, keys, true, &nudge, true);
        MessageBlocks::renderMessageBlock(chatTemplate, context, &message, names, keys, false, &nudge, false);
    }
    return 0;
}
