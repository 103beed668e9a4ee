// The chat window's history against the size of the conversation behind it:
// opening a conversation of 10,000 stored messages against one of 100,
// paging through all 10,000 against a bare QTextBrowser given the same
// HTML at once, and appending one message to a view of 10,000 against one of
// 100; a conversation of a million stored messages against one of 100, the
// heap a window holds after paging through 100,000 against 1,000,
// finding in the million, and the scroll bar's thumb let go in its middle. Runs against hostkit with its journal off, on the
// offscreen platform, over a profile folder kept in the build folder (the
// million messages are written once).

#include "comparison.h"

#include "chat/chatmanager.h"
#include "chat/chatsession.h"
#include "hostkit/host.h"
#include "hostkit/hostmessage.h"
#include "hostkit/hostuser.h"
#include "hostkit/hostvariable.h"
#include "hostkit/messagestore.h"
#include "hostkit/network.h"
#include "lib_kelvan/clock.h"
#include "platform/prompt.h"
#include "platform/windowalert.h"
#include "plugin/chat.h"
#include "render/resourcekeytable.h"
#include "shared/sharedresourcemanager.h"
#include "settings/settingsmanager.h"
#include "ui/chat/chatwindow.h"
#include "ui/chat/chatwindowfactoryimpl.h"
#include "ui/chat/conversationscrollbar.h"
#include "ui/chat/historypane.h"
#include "ui/chat/renderedhistory.h"
#include "ui/chat/textbrowser.h"

#include <sdk/ihostservices.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTextBlock>

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int LargeHistory = 10000;
constexpr int SmallHistory = 100;
constexpr int PageSize = 100;
const QByteArray LargePeer = "1001";
const QByteArray SmallPeer = "1002";
constexpr int MillionHistory = 1000000;
constexpr int HundredThousandHistory = 100000;
constexpr int ThousandHistory = 1000;
const QByteArray MillionPeer = "8001";
const QByteArray HundredThousandPeer = "8002";
const QByteArray ThousandPeer = "8003";
// In the oldest message of the million and in every thousandth after it.
const QString FindText = QStringLiteral("lighthouse");

// The build folder (where CMakeCache.txt stands) above the executable.
QString buildFolder()
{
    QDir dir(QCoreApplication::applicationDirPath());
    while (!dir.exists(QStringLiteral("CMakeCache.txt")) && dir.cdUp()) {
    }
    return dir.exists(QStringLiteral("CMakeCache.txt")) ? dir.absolutePath() : QCoreApplication::applicationDirPath();
}

class QuietAlert final : public platform::WindowAlert
{
public:
    void flash(QWidget *, int, int) override {}
};

// Chat-like bodies: plain words, formatting, a link, an emoticon code.
QByteArray body(int i)
{
    switch (i % 5) {
    case 0: return "Message " + QByteArray::number(i) + " about the plan for this week";
    case 1: return "Did you see [b]ticket " + QByteArray::number(i) + "[/b]? It is on https://example.org/t/" + QByteArray::number(i);
    case 2: return "Sure (smile)";
    case 3: return "Line one\r\nline two of message " + QByteArray::number(i);
    default: return "[i]later[/i], after lunch";
    }
}

// The host, the chat core and the shared resources, as the plug-in has them.
struct World
{
    kelvan::ManualClock clock{QDateTime(QDate(2026, 3, 5), QTime(12, 0), Qt::OffsetFromUTC, 3600)};
    platform::ScriptedPrompt prompt;
    QuietAlert alert;
    std::unique_ptr<hostkit::Host> host;
    IHostServices *services = nullptr;

    World()
    {
        kelvan::Clock::setInstance(&clock);
        platform::Prompt::setInstance(&prompt);
        platform::WindowAlert::setInstance(&alert);
        QString error;
        hostkit::Profile profile = hostkit::Profile::openOrCreate(buildFolder() + QStringLiteral("/bench-history"),
                                                                  clock.now(), &error);
        if (!profile.isValid())
            qFatal("bench_chatwindow: %s", qPrintable(error));
        for (const QByteArray &id : {MillionPeer, HundredThousandPeer, ThousandPeer}) {
            hostkit::Contact contact;
            contact.id = id;
            contact.displayName = QStringLiteral("Peer %1").arg(QString::fromUtf8(id));
            contact.status = hostkit::Contact::Online;
            profile.addContact(contact);
        }
        host = std::make_unique<hostkit::Host>(profile);
        if (!host->isReady())
            qFatal("bench_chatwindow: %s", qPrintable(host->error()));
        host->journal().setEnabled(false);
        host->setPageSize(PageSize);
        for (const hostkit::Contact &contact : host->profile().contacts())
            host->network().setBehaviour(contact.id, hostkit::PeerBehaviour{QString(), 0, 0, false, false});
        services = host->servicesFor("chat");
        ChatWindowFactoryImpl::install();
        Chat::create()->setHostServices(services);
        SharedResourceManager *resources = SharedResourceManager::instance();
        resources->setHostServices(services);
        const hostkit::HostUser own(host->profile().own());
        resources->setOwnUser(&own);
        resources->ensureManagers();
        resources->loadTemplate(host->dataFolder());
        fill(LargePeer, LargeHistory);
        fill(SmallPeer, SmallHistory);
        fill(ThousandPeer, ThousandHistory);
        keep(HundredThousandPeer, HundredThousandHistory);
        keep(MillionPeer, MillionHistory);
    }

    // Fills the conversation unless it holds `count` messages from an earlier run.
    void keep(const QByteArray &peer, int count)
    {
        if (host->store().count(peer) == count)
            return;
        std::fprintf(stderr, "writing %d messages for %s once...\n", count, peer.constData());
        fill(peer, count);
    }

    ~World()
    {
        Chat::destroy();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SharedResourceManager::destroy();
        ChatWindowFactory::setInstance(nullptr);
        host.reset();
        platform::WindowAlert::setInstance(nullptr);
        platform::Prompt::setInstance(nullptr);
        kelvan::Clock::setInstance(nullptr);
    }

    // `count` messages in both directions, about thirty a day, ending now
    // (what the conversation held before goes).
    void fill(const QByteArray &peer, int count)
    {
        const QDateTime end = clock.now().toUTC().addSecs(-60);
        const qint64 own = host->profile().own().id.toLongLong();
        host->store().clear(peer);
        const bool filled = host->store().fill(count, [&](int i, hostkit::StoredMessage &m) {
            m.conversation = peer;
            m.received = i % 2 == 0;
            m.senderId = m.received ? peer.toLongLong() : own;
            m.time = hostkit::storeTimeFromDateTime(end.addSecs(-qint64(count - i) * 2880));
            m.body = body(i);
            if (i % 1000 == 0)
                m.body += " near the " + FindText.toUtf8();
        });
        if (!filled)
            qFatal("bench_chatwindow: %s", qPrintable(host->store().lastError()));
    }

    ChatWindow *open(const QByteArray &id)
    {
        const hostkit::HostUser user(*host->profile().find(id));
        ChatSession *session = Chat::instance()->openChat(&user);
        return session ? dynamic_cast<ChatWindow *>(session->window()) : nullptr;
    }

    void closeAll()
    {
        Chat::instance()->manager().closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The history HTML of every stored message of the conversation, as the
    // window renders it, in one piece.
    QString wholeHistoryHtml(const QByteArray &id)
    {
        IMessageList *list = services->messagesAfter(id.constData(), 0);
        QVector<const IHostMessage *> messages;
        for (int i = 0; i < list->count(); ++i)
            messages.append(list->at(i));
        SharedResourceManager *resources = SharedResourceManager::instance();
        UserNameCache names;
        ResourceKeyTable keys;
        RenderedHistory history;
        const QString html = history.renderNewer(messages, resources->dateSeparator(), [&](const IHostMessage *m) {
            bool nudge = false;
            return resources->renderMessageBlock(m, names, keys, true, &nudge, true);
        });
        services->releaseMessageList(list);
        return html;
    }
};

World &world()
{
    static World instance;
    return instance;
}

// Until the document is laid out to its end: what the user can scroll through.
void laidOut(QTextBrowser *view)
{
    QTextDocument *document = view->document();
    document->documentLayout()->blockBoundingRect(document->lastBlock());
    QCoreApplication::processEvents();
}

double msOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double openMs(const QByteArray &id)
{
    double ms = 0;
    ms = msOf([&] {
        ChatWindow *window = world().open(id);
        laidOut(window->historyView());
    });
    world().closeAll();
    return ms;
}

// Pages through the whole conversation to its first message; leaves the
// window open. `window` messages at most stay rendered (0: the default).
ChatWindow *pageThroughAll(const QByteArray &id, double *ms, int window = 0)
{
    ChatWindow *chat = nullptr;
    *ms = msOf([&] {
        chat = world().open(id);
        if (window > 0)
            chat->history()->setWindowSize(window);
        QScrollBar *bar = chat->historyView()->verticalScrollBar();
        do {
            bar->setValue(0); // where the user stands when older ones come
        } while (chat->loadOlderMessages());
        laidOut(chat->historyView());
    });
    return chat;
}

// Pages through every message and comes back to the newest, as a reader
// of a long conversation does.
ChatWindow *pageThroughAndBack(const QByteArray &id, int window = 0)
{
    double unused = 0;
    ChatWindow *chat = pageThroughAll(id, &unused, window);
    chat->history()->goToLast();
    laidOut(chat->historyView());
    return chat;
}

double appendMs(ChatWindow *window, const QByteArray &from, int n);

std::vector<double> appendRuns(ChatWindow *window, const QByteArray &from)
{
    std::vector<double> runs;
    for (int i = 0; i < 15; ++i)
        runs.push_back(appendMs(window, from, 1000 + i));
    return runs;
}

// Heap bytes in use after opening the conversation, paging to its first
// message and coming back, over those in use before.
double heapAfterPagingThrough(const QByteArray &id)
{
    world().closeAll();
    malloc_trim(0);
    const size_t before = mallinfo2().uordblks;
    pageThroughAndBack(id);
    const size_t after = mallinfo2().uordblks;
    world().closeAll();
    return double(after) - double(before);
}

// The oldest message holding the text, through the host contract.
qint64 searchOldest(const QByteArray &id)
{
    hostkit::HostVariable out;
    const std::u16string text = FindText.toStdU16String();
    if (world().services->searchMessages(id.constData(), text.c_str(), 0, 0, 1, &out) != 1)
        qFatal("bench_chatwindow: no match to find");
    return QByteArray(out.value()).toLongLong();
}

// The same question as one full-text query on the store's file.
qint64 bareQueryOldest(sqlite3 *db, const QByteArray &id)
{
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT rowid FROM message_text WHERE message_text MATCH ?1 AND conversation = ?2"
                       " ORDER BY rowid LIMIT 1",
                       -1, &statement, nullptr);
    const QByteArray match = '"' + FindText.toUtf8() + '"';
    sqlite3_bind_text(statement, 1, match.constData(), match.size(), SQLITE_TRANSIENT);
    sqlite3_bind_text(statement, 2, id.constData(), id.size(), SQLITE_TRANSIENT);
    const qint64 found = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : 0;
    sqlite3_finalize(statement);
    return found;
}

void compareLongHistories()
{
    {
        std::vector<double> large;
        std::vector<double> small;
        for (int i = 0; i < 9; ++i) {
            large.push_back(openMs(MillionPeer));
            small.push_back(openMs(SmallPeer));
        }
        chat::bench::reportComparison(QStringLiteral("history_open_1m_vs_100"), median(large), median(small),
                                      QStringLiteral("ms"));
    }
    {
        std::vector<double> large;
        std::vector<double> small;
        for (int i = 0; i < 2; ++i) {
            large.push_back(heapAfterPagingThrough(HundredThousandPeer));
            small.push_back(heapAfterPagingThrough(ThousandPeer));
        }
        chat::bench::reportComparison(QStringLiteral("history_memory_100k_vs_1k"), median(large), median(small),
                                      QStringLiteral("bytes"));
    }
    {
        sqlite3 *db = nullptr;
        if (sqlite3_open_v2(QFile::encodeName(world().host->profile().storePath()).constData(), &db,
                            SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            qFatal("bench_chatwindow: cannot open the store");
        std::vector<double> ours;
        std::vector<double> bare;
        qint64 oldest = 0;
        for (int i = 0; i < 15; ++i) {
            ours.push_back(msOf([&] { oldest = searchOldest(MillionPeer); }));
            bare.push_back(msOf([&] { bareQueryOldest(db, MillionPeer); }));
        }
        sqlite3_close(db);
        chat::bench::reportComparison(QStringLiteral("find_search_vs_fts_query"), median(ours), median(bare),
                                      QStringLiteral("ms"));

        std::vector<double> bringIn;
        std::vector<double> open;
        for (int i = 0; i < 9; ++i) {
            ChatWindow *window = world().open(MillionPeer);
            laidOut(window->historyView());
            bringIn.push_back(msOf([&] {
                window->history()->bringIn(oldest);
                window->history()->highlight(oldest, FindText, false);
                laidOut(window->historyView());
            }));
            world().closeAll();
            open.push_back(openMs(MillionPeer));
        }
        chat::bench::reportComparison(QStringLiteral("find_bring_in_vs_open"), median(bringIn), median(open),
                                      QStringLiteral("ms"));
    }
    {
        // The thumb let go in the middle of the million: the host's place
        // queries, the page there rendered and laid out.
        std::vector<double> jump;
        std::vector<double> open;
        for (int i = 0; i < 9; ++i) {
            ChatWindow *window = world().open(MillionPeer);
            laidOut(window->historyView());
            ConversationScrollBar *bar = window->history()->scrollBar();
            jump.push_back(msOf([&] {
                bar->goTo(bar->bar()->maximum() / 2);
                laidOut(window->historyView());
            }));
            world().closeAll();
            open.push_back(openMs(MillionPeer));
        }
        chat::bench::reportComparison(QStringLiteral("history_thumb_jump_vs_open"), median(jump), median(open),
                                      QStringLiteral("ms"));
    }
}

double setHtmlMs(const QString &html)
{
    QTextBrowser view;
    view.resize(581, 260);
    view.show();
    QCoreApplication::processEvents();
    return msOf([&] {
        view.setHtml(html);
        laidOut(&view);
    });
}

// One message arrives and is appended, until laid out. The store's write
// (to a file, with its full-text index) is the host's and is not timed.
double appendMs(ChatWindow *window, const QByteArray &from, int n)
{
    hostkit::StoredMessage m;
    m.conversation = from;
    m.received = true;
    m.senderId = from.toLongLong();
    m.time = hostkit::storeTimeFromDateTime(world().clock.now().toUTC());
    m.body = "A new message " + QByteArray::number(n);
    world().host->store().append(m);
    hostkit::HostMessage message(m);
    return msOf([&] {
        Chat::instance()->onMessage(&message);
        laidOut(window->historyView());
    });
}

void BM_OpenConversation(benchmark::State &state)
{
    const QByteArray id = state.range(0) == LargeHistory ? LargePeer : SmallPeer;
    for (auto _ : state)
        state.SetIterationTime(openMs(id) / 1000.0);
}
BENCHMARK(BM_OpenConversation)->Arg(SmallHistory)->Arg(LargeHistory)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_AppendMessage(benchmark::State &state)
{
    const QByteArray id = state.range(0) == LargeHistory ? LargePeer : SmallPeer;
    ChatWindow *window = pageThroughAndBack(id);
    int n = 0;
    for (auto _ : state)
        state.SetIterationTime(appendMs(window, id, ++n) / 1000.0);
    world().closeAll();
}
BENCHMARK(BM_AppendMessage)->Arg(SmallHistory)->Arg(LargeHistory)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(9);

// --- Worst single messages -------------------------------------------------------------------------
//
// One received message of each hostile kind, about a megabyte of peer text
// (ten of ordinary words), against a typical message of 200 bytes: the time
// from onMessage until the message is laid out in an open window, and the
// time to open a conversation whose newest page holds such messages. The
// render bounds keep both to a small multiple of the typical case.

const QByteArray TypicalMessage =
    "Did you see [b]ticket 4711[/b]? It is on https://example.org/t/4711 and the plan says we ship it on "
    "Friday after the review (smile) so please check all the numbers before lunch, thanks a lot, Bea!";

struct HostileFamily
{
    const char *name;
    QByteArray body;
};

std::vector<HostileFamily> hostileFamilies()
{
    const int mega = 1 << 20;
    return {
        {"bold nested", QByteArray("[b]").repeated(mega / 7) + "x" + QByteArray("[/b]").repeated(mega / 7)},
        {"emoticons", QByteArray("(smile)").repeated(mega / 7)},
        {"one word", QByteArray("x").repeated(mega)},
        {"break tags", QByteArray("[br]").repeated(mega / 4)},
        {"links", QByteArray("www.a.de ").repeated(mega / 9)},
        {"mentions", QByteArray("[@1001]").repeated(mega / 7)},
        {"ten megabytes of words", QByteArray("word ").repeated(10 * mega / 5)},
    };
}

// A contact of its own for every conversation, so that no measurement sees
// another's messages.
QByteArray freshPeer()
{
    static int next = 7000; // clear of the default profile's people and rooms
    hostkit::Contact contact;
    contact.id = QByteArray::number(++next);
    contact.displayName = QStringLiteral("Peer %1").arg(next);
    contact.status = hostkit::Contact::Online;
    world().host->profile().addContact(contact);
    world().host->store().clear(contact.id); // from an earlier run
    world().host->network().setBehaviour(contact.id, hostkit::PeerBehaviour{QString(), 0, 0, false, false});
    return contact.id;
}

// A received message with this body, stored but not yet delivered.
qint64 storeReceived(const QByteArray &peer, const QByteArray &body)
{
    hostkit::StoredMessage m;
    m.conversation = peer;
    m.received = true;
    m.senderId = peer.toLongLong();
    m.time = hostkit::storeTimeFromDateTime(world().clock.now().toUTC());
    m.body = body;
    return world().host->store().append(m);
}

// Opens a conversation of a few typical messages, then delivers the stored
// message `body` the way the host's onMessage does, until it is laid out.
double deliverMs(const QByteArray &body)
{
    const QByteArray peer = freshPeer();
    world().fill(peer, 20);
    ChatWindow *window = world().open(peer);
    laidOut(window->historyView());
    const qint64 id = storeReceived(peer, body);
    const auto stored = world().host->store().byEvent(id);
    hostkit::HostMessage message(*stored);
    const double ms = msOf([&] {
        Chat::instance()->onMessage(&message);
        laidOut(window->historyView());
    });
    world().closeAll();
    return ms;
}

// Opens a conversation whose newest page ends with these messages.
double openWithMs(const std::vector<QByteArray> &bodies)
{
    const QByteArray peer = freshPeer();
    world().fill(peer, PageSize - int(bodies.size()));
    for (const QByteArray &body : bodies)
        storeReceived(peer, body);
    return openMs(peer);
}

void compareWorstMessages()
{
    // Sides alternate, as in the comparisons below: the machine is shared.
    const std::vector<HostileFamily> families = hostileFamilies();
    std::vector<double> typical;
    double worst = 0;
    for (const HostileFamily &family : families) {
        std::vector<double> runs;
        std::vector<double> typicalRuns;
        for (int i = 0; i < 3; ++i) {
            runs.push_back(deliverMs(family.body));
            typicalRuns.push_back(deliverMs(TypicalMessage));
        }
        typical.insert(typical.end(), typicalRuns.begin(), typicalRuns.end());
        const double ms = median(runs);
        std::fprintf(stderr, "worst message: %-24s %8.1f ms to show (typical %.1f ms)\n", family.name, ms,
                     median(typicalRuns));
        worst = std::max(worst, ms);
    }
    chat::bench::reportComparison(QStringLiteral("worst_message_append_vs_typical"), worst, median(typical),
                                  QStringLiteral("ms"));

    std::vector<QByteArray> hostile;
    for (const HostileFamily &family : families)
        hostile.push_back(family.body);
    std::vector<double> withHostile;
    std::vector<double> withTypical;
    for (int i = 0; i < 3; ++i) {
        withHostile.push_back(openWithMs(hostile));
        withTypical.push_back(openWithMs(std::vector<QByteArray>(hostile.size(), TypicalMessage)));
    }
    chat::bench::reportComparison(QStringLiteral("worst_message_open_vs_typical"), median(withHostile),
                                  median(withTypical), QStringLiteral("ms"));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    world();
    benchmark::RunSpecifiedBenchmarks();
    compareWorstMessages();

    // The machine is shared: sides alternate, and the figures are medians
    // (the best of three for the long paging runs).
    {
        std::vector<double> large;
        std::vector<double> small;
        for (int i = 0; i < 15; ++i) {
            large.push_back(openMs(LargePeer));
            small.push_back(openMs(SmallPeer));
        }
        chat::bench::reportComparison(QStringLiteral("history_open_10k_vs_100"), median(large), median(small),
                                      QStringLiteral("ms"));
    }
    {
        const QString whole = world().wholeHistoryHtml(LargePeer);
        double ours = 0;
        double peer = 0;
        for (int i = 0; i < 3; ++i) {
            world().closeAll();
            double run = 0;
            pageThroughAll(LargePeer, &run);
            ours = i == 0 ? run : std::min(ours, run);
            const double bare = setHtmlMs(whole);
            peer = i == 0 ? bare : std::min(peer, bare);
        }
        chat::bench::reportComparison(QStringLiteral("history_render_10k_vs_sethtml"), ours, peer, QStringLiteral("ms"));

        world().closeAll();
        // A window as large as the conversation: every message stays
        // rendered, as before the window was bounded (printed, not recorded).
        const std::vector<double> unboundedLarge = appendRuns(pageThroughAndBack(LargePeer, 2 * LargeHistory), LargePeer);
        world().closeAll();
        const std::vector<double> unboundedSmall = appendRuns(pageThroughAndBack(SmallPeer, 2 * LargeHistory), SmallPeer);
        world().closeAll();
        std::fprintf(stderr, "history_append_10k_vs_100 with every message rendered: %.2f ms against %.2f ms (%.1f)\n",
                     median(unboundedLarge), median(unboundedSmall), median(unboundedLarge) / median(unboundedSmall));

        const std::vector<double> onLarge = appendRuns(pageThroughAndBack(LargePeer), LargePeer);
        world().closeAll();
        const std::vector<double> onSmall = appendRuns(pageThroughAndBack(SmallPeer), SmallPeer);
        world().closeAll();
        chat::bench::reportComparison(QStringLiteral("history_append_10k_vs_100"), median(onLarge), median(onSmall),
                                      QStringLiteral("ms"));
    }
    compareLongHistories();
    benchmark::Shutdown();
    return 0;
}
