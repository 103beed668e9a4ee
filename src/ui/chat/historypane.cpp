#include "ui/chat/historypane.h"

#include "chat/chatcoreinterface.h"
#include "chat/chatsession.h"
#include "plugin/records/variableimpl.h"
#include "render/attachmentblocks.h"
#include "render/links.h"
#include "render/markupconverter.h"
#include "settings/settingsmanager.h"
#include "shared/sharedresourcemanager.h"
#include "ui/chat/chatuilog.h"
#include "ui/chat/conversationscrollbar.h"
#include "ui/chat/textbrowser.h"

#include <sdk/ihostmessage.h>
#include <sdk/ihostservices.h>

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QToolButton>

#include <algorithm>

namespace {

// Whether the rich-text engine reads the HTML as one table at its top level
// (the built-in template's blocks and the default date separator).
bool isOneTable(const QString &html)
{
    const QString text = html.trimmed();
    if (!text.startsWith(QLatin1String("<table"), Qt::CaseInsensitive))
        return false;
    int depth = 0;
    for (int i = 0; i >= 0 && i < text.size(); i = text.indexOf(QLatin1Char('<'), i + 1)) {
        const QStringRef tag = text.midRef(i, 7);
        const QChar after = i + 6 < text.size() ? text.at(i + 6) : QChar();
        if (tag.startsWith(QLatin1String("<table"), Qt::CaseInsensitive)
            && (after.isSpace() || after == QLatin1Char('>') || after == QLatin1Char('/'))) {
            ++depth;
        } else if (tag.startsWith(QLatin1String("</table"), Qt::CaseInsensitive) && --depth == 0) {
            return text.indexOf(QLatin1Char('>'), i) == text.size() - 1;
        }
    }
    return false;
}

// Every block and separator stands in a top-level frame of its own. One
// table is that frame already; anything else gets a table around it that
// the rich-text engine lays out as the block alone (no border, spacing or
// padding). Nesting tables costs layout time in long histories, hence not
// always.
QString framed(const QString &html)
{
    if (isOneTable(html))
        return html;
    return QLatin1String("<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr><td>") + html
           + QLatin1String("</td></tr></table>");
}

// Dynamic properties of a frame: the message it shows, and whether it is
// the date separator before that message.
const char MessageProperty[] = "historyMessage";
const char SeparatorProperty[] = "historySeparator";

} // namespace

HistoryPane::HistoryPane(TextBrowser *view, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_resources([this] { return host(); }, m_names, m_resourceKeys)
{
    m_view->setResourceResolver([this](int type, const QUrl &name) { return m_resources.resolve(type, name); });

    m_marker = new QToolButton(m_view);
    m_marker->setObjectName(QStringLiteral("NewMessages"));
    m_marker->setProperty("class", QStringLiteral("QToolButton Chat"));
    m_marker->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_marker->setIcon(m_view->style()->standardIcon(QStyle::SP_ArrowDown));
    m_marker->setAutoRaise(false);
    m_marker->setCursor(Qt::PointingHandCursor);
    m_marker->hide();
    connect(m_marker, &QToolButton::clicked, this, &HistoryPane::goToLast);
    m_viewport = m_view->viewport();
    m_viewport->installEventFilter(this);

    QScrollBar *bar = m_view->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, &HistoryPane::updateMarker);
    connect(bar, &QScrollBar::rangeChanged, this, &HistoryPane::updateMarker);
    connect(m_view, &TextBrowser::reachedTop, this, [this] {
        // After the scroll that got there has finished.
        QMetaObject::invokeMethod(this, &HistoryPane::loadOlder, Qt::QueuedConnection);
    });
    connect(m_view, &TextBrowser::reachedBottom, this, [this] {
        QMetaObject::invokeMethod(this, &HistoryPane::loadNewer, Qt::QueuedConnection);
    });
    connect(m_view, &TextBrowser::firstRequested, this, &HistoryPane::goToFirst);
    connect(m_view, &TextBrowser::lastRequested, this, &HistoryPane::goToLast);
    m_scrollBar = new ConversationScrollBar(m_view, this, this);
    retranslate();
}

HistoryPane::~HistoryPane() = default;

void HistoryPane::retranslate()
{
    m_marker->setText(tr("New messages"));
    m_marker->setToolTip(tr("Go to the newest message"));
    m_marker->adjustSize();
    placeMarker();
}

IHostServices *HistoryPane::host() const
{
    ChatCoreInterface *core = m_session ? m_session->core() : nullptr;
    return core ? core->hostServices() : nullptr;
}

QByteArray HistoryPane::conversationId() const
{
    return m_session ? m_session->peerId() : QByteArray();
}

bool HistoryPane::autoscroll() const
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    const SettingsManager *manager = resources ? resources->settings() : nullptr;
    return !manager || manager->autoscroll(QString::fromUtf8(conversationId()));
}

void HistoryPane::refreshFollowing()
{
    m_view->setFollowsBottom(autoscroll());
}

// --- Rendering -------------------------------------------------------------------------------

QString HistoryPane::stylePrefix() const
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    const QString styles = resources ? resources->styles() : QString();
    if (styles.isEmpty())
        return QString();
    // Only the style elements: the rest of the section stands in front of
    // the history once, while the styles must reach every added part.
    static const QRegularExpression styleElement(QStringLiteral("<style\\b[^>]*>.*?</style\\s*>"),
                                                 QRegularExpression::CaseInsensitiveOption
                                                     | QRegularExpression::DotMatchesEverythingOption);
    QString prefix;
    QRegularExpressionMatchIterator it = styleElement.globalMatch(styles);
    while (it.hasNext())
        prefix += it.next().captured(0);
    return prefix;
}

QString HistoryPane::renderPage(IMessageList *list, bool older, QVector<qint64> *added)
{
    QVector<const IHostMessage *> messages;
    const int count = list ? list->count() : 0;
    messages.reserve(qMax(0, count));
    for (int i = 0; i < count; ++i)
        messages.append(list->at(i));
    return renderMessages(messages, older, added);
}

QString HistoryPane::renderBlock(const IHostMessage *message)
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    if (!resources)
        return QString();
    bool nudgeSeen = false;
    return resources->renderMessageBlock(message, m_names, m_resourceKeys, true, &nudgeSeen, true);
}

QString HistoryPane::renderMessages(const QVector<const IHostMessage *> &messages, bool older, QVector<qint64> *added)
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    if (!resources)
        return QString();
    const AttachmentBlocks::PictureFetchPage pictureFetches; // one cap on the fetches a page starts
    const auto render = [this](const IHostMessage *message) {
        const QString block = renderBlock(message);
        return block.isEmpty() ? block : framed(block);
    };
    const QString separator = framed(resources->dateSeparator());
    const QString html = older ? m_history.renderOlder(messages, separator, render, added)
                               : m_history.renderNewer(messages, separator, render, added);
    const QStringList fetching = m_resourceKeys.takeStartedFetches();
    if (!fetching.isEmpty())
        Q_EMIT picturesFetching(fetching);
    return html;
}

QVector<HistoryPane::Piece> HistoryPane::piecesOf(const QVector<qint64> &ids, qint64 trailingSeparatorOf) const
{
    QVector<Piece> pieces;
    pieces.reserve(ids.size() + 1);
    for (const qint64 id : ids) {
        const RenderedHistory::Entry *entry = m_history.find(id);
        if (!entry || !entry->hasBlock)
            continue;
        if (entry->separatorBefore)
            pieces.append({id, true});
        pieces.append({id, false});
    }
    if (trailingSeparatorOf != 0)
        pieces.append({trailingSeparatorOf, true});
    return pieces;
}

void HistoryPane::track(int from, int to, const QVector<Piece> &pieces)
{
    m_piecesSinceBuilt += pieces.size();
    const QList<QTextFrame *> frames = m_view->document()->rootFrame()->childFrames();
    auto it = std::lower_bound(frames.begin(), frames.end(), from,
                               [](const QTextFrame *frame, int position) { return frame->firstPosition() < position; });
    QVector<QTextFrame *> found;
    for (; it != frames.end() && (*it)->firstPosition() < to; ++it)
        found.append(*it);
    if (found.size() != pieces.size()) {
        qCWarning(lcChatWindow) << "the template breaks out of the frames of the history:" << found.size()
                                << "frames for" << pieces.size() << "blocks";
        m_framesLost = true;
        return;
    }
    for (int i = 0; i < pieces.size(); ++i) {
        QTextFrame *frame = found.at(i);
        frame->setProperty(MessageProperty, pieces.at(i).eventId);
        frame->setProperty(SeparatorProperty, pieces.at(i).separator);
        (pieces.at(i).separator ? m_separatorFrames : m_blockFrames).insert(pieces.at(i).eventId, frame);
    }
}

void HistoryPane::forgetFrames()
{
    m_blockFrames.clear();
    m_separatorFrames.clear();
    m_framesLost = false;
}

void HistoryPane::setContent(const QString &html)
{
    // Pieces first: the frames are found by the order the history records.
    const QVector<Piece> pieces = piecesOf([this] {
        QVector<qint64> ids;
        for (const RenderedHistory::Entry &entry : m_history.entries())
            ids.append(entry.eventId);
        return ids;
    }());
    forgetFrames();
    m_view->setExtraSelections({});
    m_view->setUpdatesEnabled(false);
    m_piecesSinceBuilt = -pieces.size(); // the pieces tracked below
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    const QString styles = resources ? resources->styles() : QString();
    m_view->setHtml(styles.isEmpty() ? QStringLiteral("<html><body></body></html>") : styles);
    if (!html.isEmpty()) {
        QTextDocument *document = m_view->document();
        const int from = document->characterCount() - 1;
        QTextCursor end(document);
        end.movePosition(QTextCursor::End);
        end.insertHtml(stylePrefix() + html);
        track(from, document->characterCount() - 1, pieces);
    }
    m_view->setUpdatesEnabled(true);
}

// --- Loading and appending ---------------------------------------------------------------------

namespace {

// The messages of host lists (each oldest first, the lists in order), and
// the lists given back.
class Pages
{
public:
    Pages(IHostServices *host) : m_host(host) {}
    ~Pages()
    {
        for (IMessageList *list : qAsConst(m_lists))
            m_host->releaseMessageList(list);
    }
    Q_DISABLE_COPY(Pages)

    // Takes the list over; false for none or an empty one.
    bool add(IMessageList *list, bool inFront = false)
    {
        if (!list)
            return false;
        if (list->count() <= 0) {
            m_host->releaseMessageList(list);
            return false;
        }
        inFront ? m_lists.prepend(list) : m_lists.append(list);
        return true;
    }
    QVector<const IHostMessage *> messages() const
    {
        QVector<const IHostMessage *> out;
        for (const IMessageList *list : m_lists) {
            for (int i = 0; i < list->count(); ++i) {
                if (const IHostMessage *message = list->at(i))
                    out.append(message);
            }
        }
        return out;
    }

private:
    IHostServices *m_host;
    QVector<IMessageList *> m_lists;
};

} // namespace

void HistoryPane::showWindow(const QVector<const IHostMessage *> &messages)
{
    m_history.clear();
    setContent(renderMessages(messages, false, nullptr));
}

void HistoryPane::load()
{
    IHostServices *services = host();
    if (!m_session || !services)
        return;
    const QByteArray id = conversationId();
    Pages page(services);
    page.add(services->newestMessages(id.constData()));
    showWindow(page.messages());
    m_olderExhausted = false;
    m_newerBeyond = false;
    m_unseenBelow = false;
    m_loaded = true;
    refreshFollowing();
    if (autoscroll())
        m_view->scrollToBottom();
    else
        m_view->verticalScrollBar()->setValue(0);
    m_view->rememberScrollPosition();
    updateMarker();
}

void HistoryPane::rerender()
{
    IHostServices *services = host();
    if (!m_session || !services || m_history.isEmpty()) {
        load();
        return;
    }
    // The same window again, page by page back from its newest message.
    const QByteArray id = conversationId();
    const qint64 oldest = m_history.oldestId();
    Pages pages(services);
    qint64 before = m_history.newestId() + 1;
    while (before > oldest) {
        IMessageList *page = services->messagesBefore(id.constData(), before);
        qint64 pageOldest = before;
        for (int i = 0; page && i < page->count(); ++i) {
            if (const IHostMessage *message = page->at(i))
                pageOldest = qMin<qint64>(pageOldest, message->eventId());
        }
        if (!pages.add(page, true) || pageOldest >= before)
            break;
        before = pageOldest;
    }
    QVector<const IHostMessage *> messages = pages.messages();
    messages.erase(std::remove_if(messages.begin(), messages.end(),
                                  [oldest](const IHostMessage *m) { return m->eventId() < oldest; }),
                   messages.end());
    showWindow(messages);
}

QVector<qint64> HistoryPane::appendNew()
{
    QVector<qint64> added;
    IHostServices *services = host();
    if (!m_session || !services)
        return added;
    if (m_newerBeyond) {
        // The window ends before the newest messages: new ones wait in the
        // store until the user goes down to them.
        m_unseenBelow = true;
        updateMarker();
        return added;
    }
    const QByteArray id = conversationId();
    Pages arrived(services);
    IMessageList *list = services->messagesAfter(id.constData(), m_history.newestId());
    if (list && list->count() > m_windowSize) {
        // More at once than the window holds (a history coming back): a
        // view that follows shows the newest page, any other the marker.
        services->releaseMessageList(list);
        if (m_view->isAtBottom() && autoscroll()) {
            load();
        } else {
            m_newerBeyond = true;
            m_unseenBelow = true;
            updateMarker();
        }
        return added;
    }
    arrived.add(list);
    const QString html = renderMessages(arrived.messages(), false, &added);
    if (!html.isEmpty()) {
        const int from = m_view->document()->characterCount() - 1;
        appendFragment(html);
        track(from, m_view->document()->characterCount() - 1, piecesOf(added));
    }
    trim();
    return added;
}

void HistoryPane::appendFragment(const QString &html)
{
    const bool atBottom = m_view->isAtBottom();
    m_view->appendFragment(stylePrefix() + html);
    afterGrowth(atBottom);
}

void HistoryPane::afterGrowth(bool wasAtBottom)
{
    if (wasAtBottom && autoscroll()) {
        m_view->scrollToBottom();
        return;
    }
    m_unseenBelow = true;
    updateMarker();
}

bool HistoryPane::loadOlder()
{
    IHostServices *services = host();
    if (!m_session || !services || !m_loaded || m_olderExhausted || m_paging || m_history.isEmpty())
        return false;
    m_paging = true;
    const QByteArray id = conversationId();
    Pages page(services);
    page.add(services->messagesBefore(id.constData(), m_history.oldestId()));
    QVector<qint64> added;
    // The oldest block shown gets a separator when the page ends on another day.
    const RenderedHistory::Entry *oldest = nullptr;
    for (const RenderedHistory::Entry &entry : m_history.entries()) {
        if (entry.hasBlock) {
            oldest = &entry;
            break;
        }
    }
    const qint64 oldestId = oldest ? oldest->eventId : 0;
    const bool oldestHadSeparator = oldest && oldest->separatorBefore;
    const QString html = renderMessages(page.messages(), true, &added);
    if (added.isEmpty())
        m_olderExhausted = true;
    if (!html.isEmpty()) {
        const RenderedHistory::Entry *formerOldest = m_history.find(oldestId);
        const bool separatorAdded = formerOldest && formerOldest->separatorBefore && !oldestHadSeparator;
        const int before = m_view->document()->characterCount();
        m_view->prependFragment(stylePrefix() + html);
        track(0, m_view->document()->characterCount() - before, piecesOf(added, separatorAdded ? oldestId : 0));
    }
    trim();
    m_paging = false;
    return !added.isEmpty();
}

bool HistoryPane::loadNewer()
{
    IHostServices *services = host();
    if (!m_session || !services || !m_loaded || !m_newerBeyond || m_paging || m_history.isEmpty())
        return false;
    m_paging = true;
    const QByteArray id = conversationId();
    Pages page(services);
    page.add(services->messagesPageAfter(id.constData(), m_history.newestId()));
    QVector<qint64> added;
    const QString html = renderMessages(page.messages(), false, &added);
    if (added.isEmpty())
        m_newerBeyond = false;
    if (!html.isEmpty()) {
        const int from = m_view->document()->characterCount() - 1;
        // Below what the user reads, which stays where it is, also while
        // the far end goes (the new part may not be laid out yet, so the
        // view may still seem to stand at its bottom).
        m_view->setFollowsBottom(false);
        m_view->appendFragment(stylePrefix() + html);
        track(from, m_view->document()->characterCount() - 1, piecesOf(added));
    }
    trim();
    refreshFollowing();
    m_paging = false;
    updateMarker();
    return !added.isEmpty();
}

void HistoryPane::trim()
{
    const int size = m_history.size();
    if (size <= m_windowSize + TrimSlack)
        return;
    const QVector<RenderedHistory::Entry> entries = m_history.entries();
    const int excess = size - m_windowSize;
    // What the view shows stays, and so does a selection, unless it spans
    // far more than a window.
    int keepFrom = m_view->cursorForPosition(QPoint(0, 0)).position();
    int keepTo = m_view->cursorForPosition(QPoint(0, m_view->viewport()->height())).position();
    const QTextCursor selection = m_view->textCursor();
    if (selection.hasSelection() && size <= HardLimitFactor * m_windowSize) {
        keepFrom = qMin(keepFrom, selection.selectionStart());
        keepTo = qMax(keepTo, selection.selectionEnd());
    }
    const auto outside = [&](const RenderedHistory::Entry &entry, bool above) {
        if (!entry.hasBlock)
            return true;
        QTextFrame *block = m_blockFrames.value(entry.eventId);
        QTextFrame *separator = m_separatorFrames.value(entry.eventId);
        if (!block)
            return false;
        return above ? block->lastPosition() < keepFrom
                     : (separator ? separator : block)->firstPosition() > keepTo;
    };
    int older = 0;
    while (older < excess && outside(entries.at(older), true))
        ++older;
    int newer = 0;
    while (newer < excess && outside(entries.at(size - 1 - newer), false))
        ++newer;
    if (m_framesLost) {
        // No frames to measure by: the oldest go while the view stands at the bottom.
        older = m_view->isAtBottom() ? excess : 0;
        newer = 0;
    }
    if (older == 0 && newer == 0)
        return;
    if (older >= newer)
        removePieces(0, older);
    else
        removePieces(size - newer, size);
    m_piecesSinceBuilt += qMax(older, newer);
    renewIfWorn();
}

// The rich-text engine never forgets a format, and every table brings its
// own: a document that has taken in and let go of many messages holds on
// to memory in proportion to all of them. Once it has seen several windows
// come and go, the window is built anew, what the user reads staying put;
// not under a selection or a found match, which a new document would lose.
void HistoryPane::renewIfWorn()
{
    if (m_piecesSinceBuilt < RenewFactor * m_windowSize || m_framesLost || m_view->textCursor().hasSelection()
        || !m_view->extraSelections().isEmpty())
        return;
    const bool following = m_view->isAtBottom() && m_view->followsBottom();
    // The first message that reaches into the view from its top.
    const int topPosition = m_view->cursorForPosition(QPoint(0, 0)).position();
    QTextFrame *top = nullptr;
    for (QTextFrame *frame : m_view->document()->rootFrame()->childFrames()) {
        if (frame->lastPosition() >= topPosition && !frame->property(SeparatorProperty).toBool()) {
            top = frame;
            break;
        }
    }
    const qint64 anchor = top ? top->property(MessageProperty).toLongLong() : 0;
    // Where the anchor's first line stands in the view, before and after.
    const auto lineTop = [this](QTextFrame *frame) {
        QTextCursor at(m_view->document());
        at.setPosition(frame->firstPosition());
        return m_view->cursorRect(at).top();
    };
    const int offset = anchor ? lineTop(top) : 0;
    rerender();
    QTextFrame *again = m_blockFrames.value(anchor);
    QScrollBar *bar = m_view->verticalScrollBar();
    if (following)
        m_view->scrollToBottom();
    else if (again)
        m_view->scrollTo(bar->value() + lineTop(again) - offset);
}

void HistoryPane::removePieces(int firstEntry, int endEntry)
{
    const QVector<RenderedHistory::Entry> entries = m_history.entries();
    const bool oldest = firstEntry == 0;
    QVector<QPointer<QTextFrame>> frames;
    for (int i = firstEntry; i < endEntry; ++i) {
        frames.append(m_separatorFrames.take(entries.at(i).eventId));
        frames.append(m_blockFrames.take(entries.at(i).eventId));
    }
    if (oldest) {
        m_olderExhausted = false;
        frames.append(m_separatorFrames.take(m_history.trimOldest(endEntry)));
    } else {
        m_newerBeyond = true;
        m_history.trimNewest(endEntry - firstEntry);
    }
    if (m_framesLost) {
        rerender();
        return;
    }
    int from = -1;
    int to = -1;
    for (const QPointer<QTextFrame> &frame : qAsConst(frames)) {
        if (!frame)
            continue;
        from = from < 0 ? frame->firstPosition() - 1 : qMin(from, frame->firstPosition() - 1);
        to = qMax(to, frame->lastPosition() + 1);
    }
    if (from < 0)
        return;
    // The newest end goes with whatever followed it (fragments the
    // conversation appended that the store does not hold).
    if (!oldest)
        to = m_view->document()->characterCount() - 1;
    m_view->replaceRange(from, to, QString());
}

void HistoryPane::goToFirst()
{
    IHostServices *services = host();
    // What is missing comes in while the window holds it; else the window
    // moves to the first page.
    while (!m_olderExhausted && m_history.size() < m_windowSize && loadOlder()) {
    }
    if (!m_olderExhausted && m_session && services) {
        const QByteArray id = conversationId();
        Pages page(services);
        if (page.add(services->messagesPageAfter(id.constData(), 0))) {
            showWindow(page.messages());
            m_olderExhausted = true;
            m_newerBeyond = true;
        }
    }
    m_view->scrollToTop();
    updateMarker();
}

void HistoryPane::goToLast()
{
    while (m_newerBeyond && m_history.size() < m_windowSize && loadNewer()) {
    }
    if (m_newerBeyond)
        load();
    m_view->scrollToBottom();
    m_unseenBelow = false;
    updateMarker();
}

qint64 HistoryPane::windowOrdinal(std::int64_t *total) const
{
    IHostServices *services = host();
    if (!m_session || !services || m_history.isEmpty())
        return -1;
    return services->messageOrdinal(conversationId().constData(), m_history.oldestId(), total);
}

bool HistoryPane::showPageAt(qint64 ordinal)
{
    IHostServices *services = host();
    if (!m_session || !services || !m_loaded)
        return false;
    const QByteArray id = conversationId();
    Pages page(services);
    if (!page.add(services->messagesPageAt(id.constData(), ordinal)))
        return false;
    showWindow(page.messages());
    std::int64_t total = 0;
    const qint64 newest = services->messageOrdinal(id.constData(), m_history.newestId(), &total);
    m_olderExhausted = ordinal <= 0;
    m_newerBeyond = newest < 0 || newest + 1 < total;
    m_view->scrollToTop();
    updateMarker();
    return true;
}

bool HistoryPane::bringIn(qint64 eventId)
{
    if (const RenderedHistory::Entry *entry = m_history.find(eventId))
        return entry->hasBlock;
    IHostServices *services = host();
    if (!m_session || !services || eventId <= 0)
        return false;
    const QByteArray id = conversationId();
    IMessageList *before = services->messagesBefore(id.constData(), eventId + 1);
    IMessageList *after = services->messagesPageAfter(id.constData(), eventId);
    const int older = before ? before->count() : 0;
    const int newer = after ? after->count() : 0;
    const IHostMessage *match = older > 0 ? before->at(older - 1) : nullptr;
    if (match && match->eventId() == eventId) {
        // About a page, the message in its middle.
        const int page = qMax(older, newer);
        const int below = qMin(newer, page / 2);
        QVector<const IHostMessage *> messages;
        for (int i = qMax(0, older - (page - below)); i < older; ++i)
            messages.append(before->at(i));
        for (int i = 0; i < below; ++i)
            messages.append(after->at(i));
        messages.removeAll(nullptr);
        showWindow(messages);
        m_olderExhausted = false;
        m_newerBeyond = newer > 0;
    }
    if (before)
        services->releaseMessageList(before);
    if (after)
        services->releaseMessageList(after);
    const RenderedHistory::Entry *entry = m_history.find(eventId);
    return entry && entry->hasBlock;
}

bool HistoryPane::highlight(qint64 eventId, const QString &text, bool matchCase)
{
    QTextFrame *frame = m_blockFrames.value(eventId);
    if (!frame)
        return false;
    QTextDocument *document = m_view->document();
    QTextCursor mark;
    if (!text.isEmpty()) {
        mark = document->find(text, frame->firstPosition(),
                              matchCase ? QTextDocument::FindCaseSensitively : QTextDocument::FindFlags());
    }
    if (mark.isNull() || mark.selectionEnd() > frame->lastPosition()) {
        mark = QTextCursor(document);
        mark.setPosition(frame->firstPosition());
        mark.setPosition(frame->lastPosition(), QTextCursor::KeepAnchor);
    }
    QTextEdit::ExtraSelection selection;
    selection.cursor = mark;
    // A marker pen's yellow, as readers know it from paper and browsers.
    selection.format.setBackground(QColor(0xff, 0xd8, 0x40));
    selection.format.setForeground(Qt::black);
    m_view->setExtraSelections({selection});
    QTextCursor start(document);
    start.setPosition(mark.selectionStart());
    QScrollBar *bar = m_view->verticalScrollBar();
    m_view->scrollTo(bar->value() + m_view->cursorRect(start).center().y() - m_view->viewport()->height() / 2);
    updateMarker();
    return true;
}

void HistoryPane::clearHighlight()
{
    m_view->setExtraSelections({});
}

int HistoryPane::search(const QString &text, int flags, qint64 from, int limit, QVector<qint64> *ids) const
{
    ids->clear();
    IHostServices *services = host();
    if (!m_session || !services)
        return -1;
    VariableImpl out;
    const QByteArray id = conversationId();
    const int found = services->searchMessages(id.constData(), reinterpret_cast<const char16_t *>(text.utf16()), flags,
                                               from, limit, &out);
    for (const QByteArray &number : out.bytes().split(',')) {
        bool ok = false;
        const qint64 eventId = number.toLongLong(&ok);
        if (ok && ids->size() < limit)
            ids->append(eventId);
    }
    return found < 0 ? -1 : ids->size();
}

// --- Resources ---------------------------------------------------------------------------------------

void HistoryPane::refreshResource(const QString &name)
{
    QTextDocument *document = m_view->document();
    const QUrl url(name);
    document->addResource(QTextDocument::ImageResource, url, m_resources.resolve(QTextDocument::ImageResource, url));
    // What stands at the top of the view stays there, however the pictures
    // above it change their height.
    const bool atBottom = m_view->isAtBottom();
    const QTextCursor top = m_view->cursorForPosition(QPoint(0, 0));
    const int topPosition = top.position();
    const int topOffset = m_view->cursorRect(top).top();
    bool found = false;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat() && format.toImageFormat().name() == name) {
                document->markContentsDirty(fragment.position(), fragment.length());
                found = true;
            }
        }
    }
    if (!found)
        return;
    QScrollBar *bar = m_view->verticalScrollBar();
    if (atBottom && m_view->followsBottom()) {
        m_view->scrollToBottom();
    } else {
        QTextCursor anchor(document);
        anchor.setPosition(qMin(topPosition, document->characterCount() - 1));
        bar->setValue(bar->value() + m_view->cursorRect(anchor).top() - topOffset);
        m_view->rememberScrollPosition();
    }
    m_view->viewport()->update();
}

// --- Changing shown messages -----------------------------------------------------------------

bool HistoryPane::replaceMessage(qint64 eventId, const RecordUpdate &update)
{
    IHostServices *services = host();
    const RenderedHistory::Entry *entry = m_history.find(eventId);
    if (!services || !entry || !entry->hasBlock)
        return false;
    IHostMessage *record = services->createMessageRecord();
    if (!record)
        return false;
    QString html;
    const bool loaded = services->loadMessageByEvent(eventId, record);
    if (loaded) {
        if (update)
            update(record);
        html = renderBlock(record);
    }
    services->releaseMessageRecord(record);
    if (!loaded)
        return false;
    if (m_framesLost) {
        rerender();
        return true;
    }
    QTextFrame *frame = m_blockFrames.take(eventId);
    if (!frame) {
        rerender();
        return true;
    }
    const int from = frame->firstPosition() - 1;
    const int to = frame->lastPosition() + 1;
    const int before = m_view->document()->characterCount();
    m_view->replaceRange(from, to, html.isEmpty() ? html : stylePrefix() + framed(html));
    if (!html.isEmpty())
        track(from, to + m_view->document()->characterCount() - before, {{eventId, false}});
    return true;
}

void HistoryPane::removeFrame(QTextFrame *frame)
{
    if (frame)
        m_view->replaceRange(frame->firstPosition() - 1, frame->lastPosition() + 1, QString());
}

bool HistoryPane::removeMessage(qint64 eventId)
{
    const RenderedHistory::Removal removal = m_history.remove(eventId);
    if (!removal.removed)
        return false;
    if (!removal.hadBlock)
        return true;
    if (m_framesLost) {
        rerender();
        return true;
    }
    QPointer<QTextFrame> separator = m_separatorFrames.take(eventId);
    if (removal.separatorMovesTo != 0 && separator) {
        separator->setProperty(MessageProperty, removal.separatorMovesTo);
        m_separatorFrames.insert(removal.separatorMovesTo, separator);
        separator.clear();
    }
    if (removal.separatorDroppedFrom != 0)
        removeFrame(m_separatorFrames.take(removal.separatorDroppedFrom));
    removeFrame(separator);
    removeFrame(m_blockFrames.take(eventId));
    return true;
}

qint64 HistoryPane::messageAt(const QPoint &viewportPos) const
{
    QTextFrame *root = m_view->document()->rootFrame();
    QTextFrame *frame = m_view->cursorForPosition(viewportPos).currentFrame();
    while (frame && frame->parentFrame() && frame->parentFrame() != root)
        frame = frame->parentFrame();
    if (!frame || frame == root || frame->property(SeparatorProperty).toBool())
        return 0;
    // The nearest position may lie in a frame the point is not in.
    const QRectF box = m_view->document()->documentLayout()->frameBoundingRect(frame);
    const QPointF point(viewportPos.x() + m_view->horizontalScrollBar()->value(),
                        viewportPos.y() + m_view->verticalScrollBar()->value());
    return box.contains(point) ? frame->property(MessageProperty).toLongLong() : 0;
}

QVector<HistoryPane::ShownPicture> HistoryPane::shownPictures() const
{
    QVector<ShownPicture> pictures;
    const QTextDocument *document = m_view->document();
    for (const QTextFrame *frame : document->rootFrame()->childFrames()) {
        const qint64 eventId = frame->property(MessageProperty).toLongLong();
        if (eventId == 0 || frame->property(SeparatorProperty).toBool())
            continue;
        // Every block in the frame's range, those of tables inside it too.
        const int last = frame->lastPosition();
        for (QTextBlock block = document->findBlock(frame->firstPosition()); block.isValid() && block.position() <= last;
             block = block.next()) {
            for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (!format.isImageFormat() || !format.isAnchor())
                    continue;
                const Links::ParsedLink link = Links::parseLinkTarget(format.anchorHref());
                if (link.kind == Links::LinkTarget::Picture && !link.value.isEmpty())
                    pictures.append({eventId, link.value});
            }
        }
    }
    return pictures;
}

// --- The marker ------------------------------------------------------------------------------------

void HistoryPane::updateMarker()
{
    const QScrollBar *bar = m_view->verticalScrollBar();
    if (bar->value() >= bar->maximum() && !m_newerBeyond)
        m_unseenBelow = false;
    if (m_unseenBelow) {
        placeMarker();
        m_marker->show();
        m_marker->raise();
    } else {
        m_marker->hide();
    }
}

void HistoryPane::placeMarker()
{
    const QRect area = m_view->viewport()->geometry();
    const QSize size = m_marker->sizeHint();
    m_marker->setGeometry(area.center().x() - size.width() / 2, area.bottom() - size.height() - 6, size.width(),
                          size.height());
}

bool HistoryPane::eventFilter(QObject *watched, QEvent *event)
{
    // The viewport's events still come while the view is being destroyed;
    // compare the pointer only, never ask the half-destroyed view.
    if (watched == m_viewport && event->type() == QEvent::Resize)
        placeMarker();
    if (watched == m_viewport && event->type() == QEvent::ContextMenu) {
        // A selection keeps the view's own menu, for copying it.
        const auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        const qint64 id = m_view->textCursor().hasSelection() ? 0 : messageAt(menuEvent->pos());
        if (id)
            Q_EMIT messageMenuRequested(id, menuEvent->globalPos());
        else
            showContextMenu(menuEvent->pos(), menuEvent->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void HistoryPane::showContextMenu(const QPoint &pos, const QPoint &globalPos)
{
    QMenu *menu = m_view->createStandardContextMenu(pos);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The first line of a selection, as a find bar takes it.
    QString selected = m_view->textCursor().selectedText().remove(QChar(0x200B));
    selected = selected.left(selected.indexOf(QChar::ParagraphSeparator)).simplified().left(200);
    menu->addSeparator();
    QAction *find = menu->addAction(tr("Find"), this, [this, selected] { Q_EMIT findRequested(selected); });
    find->setObjectName(QStringLiteral("actionFind"));
    find->setShortcut(QKeySequence::Find);
    menu->popup(globalPos);
}
