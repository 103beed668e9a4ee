#pragma once

#include "render/messageblocks.h"
#include "render/resourcekeytable.h"
#include "ui/chat/historyresources.h"
#include "ui/chat/renderedhistory.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <cstdint>
#include <functional>

class ChatSession;
class ConversationScrollBar;
class IHostMessage;
class IHostServices;
class IMessageList;
class QTextFrame;
class QToolButton;
class TextBrowser;

// The history part of a chat window: which messages the view shows, how
// they come in (the newest page on load, new ones at the end, older pages at
// the top when the user scrolls there) and where the view stands meanwhile.
//
// The scroll rule: a user reading older history is never moved. A view at
// its bottom follows new messages when automatic scrolling is on for the
// peer; otherwise, and whenever the user has scrolled up, new messages wait
// below and a "new messages" marker at the bottom of the view says so (a
// click on it goes down). Focus changes never scroll.
//
// The view holds a window of the conversation, never all of it: at most
// windowSize() messages plus a little slack, trimmed at the end far from
// what the user reads as messages arrive or pages come in. Older pages come
// back at the top and newer ones at the bottom when the user scrolls there,
// the reading position kept to the pixel, so that what a message costs does
// not depend on how long the conversation is. A window that does not reach
// the newest message shows new messages by the marker only.
//
// Every message block and date separator stands in a top-level frame of
// its own (a table), which the pane remembers by event id: a changed message
// (a like, a label, an edit, a deletion) is rendered again in its place
// whatever the template writes, and the reading position stays. Should a
// template break out of its frame (an unbalanced "</table>"), the pane
// notices and renders the whole history again instead.
class HistoryPane : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(HistoryPane)

public:
    // `view` is not owned and must outlive the pane (both belong to the window).
    explicit HistoryPane(TextBrowser *view, QObject *parent = nullptr);
    ~HistoryPane() override;

    // The conversation shown (not owned); null once the window closed.
    void setConversation(ChatSession *session) { m_session = session; }

    // Renders the host's newest page anew and stands at the bottom (automatic
    // scrolling on) or at the top (off).
    void load();
    // Renders what is shown again (a changed format or template), from the
    // oldest message shown on; loads when nothing is shown yet.
    void rerender();
    // Fetches what the host stored after the newest message shown, appends
    // it by the scroll rule and returns the ids appended.
    QVector<qint64> appendNew();
    // Appends HTML the conversation produced itself, by the same rule.
    void appendFragment(const QString &html);
    // Brings the host's page before the oldest message shown in above it,
    // keeping the reading position. False when there was nothing older;
    // once the first message is shown the host is not asked again.
    bool loadOlder();
    // Brings the host's page after the newest message shown in below it,
    // when the window does not reach the newest message. False when there
    // was nothing newer.
    bool loadNewer();
    // The first message of the conversation and the last one: what is
    // missing is paged in while it fits the window, else the window moves.
    void goToFirst();
    void goToLast();
    // Where the window stands in the whole conversation: how many messages
    // are older than its oldest one, *total how many there are; -1 when the
    // host cannot say.
    qint64 windowOrdinal(std::int64_t *total) const;
    // Shows the host's page from the message with `ordinal` older ones on as
    // the window, its top at the top of the view. False when the host has
    // no such page.
    bool showPageAt(qint64 ordinal);
    // Shows the message, moving the window to the page around it when it is
    // not shown. False when the conversation has no such message.
    bool bringIn(qint64 eventId);
    // Marks `text` in the shown message (the first occurrence, case as
    // asked) and scrolls it into the middle of the view; the whole block
    // when its text does not read that way. False when it is not shown.
    bool highlight(qint64 eventId, const QString &text, bool matchCase);
    void clearHighlight();
    // The host's search of the whole conversation (IHostServices::SearchFlag
    // flags): the ids found, how many, -1 when the host cannot search.
    int search(const QString &text, int flags, qint64 from, int limit, QVector<qint64> *ids) const;

    // Messages the window holds at most (plus TrimSlack before it trims).
    static constexpr int DefaultWindowSize = 200;
    static constexpr int TrimSlack = 50;
    // Past this a selection no longer keeps the messages it spans.
    static constexpr int HardLimitFactor = 4;
    // Messages and separators that may come and go, in windows, before the
    // document is built anew (see renewIfWorn).
    static constexpr int RenewFactor = 8;
    int windowSize() const { return m_windowSize; }
    void setWindowSize(int messages) { m_windowSize = qMax(1, messages); }
    // Whether the window reaches the first (the newest) message.
    bool showsFirst() const { return m_olderExhausted; }
    bool showsNewest() const { return !m_newerBeyond; }

    // Whether the peer's automatic scrolling changed: the view follows (or
    // stops following) new messages from now on.
    void refreshFollowing();

    // A local change to a message record before it is rendered again (the
    // like or labels the user just sent, before the host has them).
    using RecordUpdate = std::function<void(IHostMessage *record)>;
    // Renders a shown message again from the host's record, in place. False
    // when the message is not shown or the host has no record of it.
    bool replaceMessage(qint64 eventId, const RecordUpdate &update = RecordUpdate());
    // Takes a shown message out of the history. False when it is not shown.
    bool removeMessage(qint64 eventId);
    // The message whose block is at a point of the view's viewport; 0 for none.
    qint64 messageAt(const QPoint &viewportPos) const;

    // The pictures the shown messages link to ("pic:" + local name), in
    // history order.
    struct ShownPicture
    {
        qint64 eventId = 0;
        QString localName;
    };
    QVector<ShownPicture> shownPictures() const;

    bool isLoaded() const { return m_loaded; }
    // The peer's (or room's) id; empty without a conversation.
    QByteArray conversationId() const;
    const RenderedHistory &rendered() const { return m_history; }
    UserNameCache &names() { return m_names; }
    ResourceKeyTable &resourceKeys() { return m_resourceKeys; }
    const HistoryResources &resources() const { return m_resources; }
    // The "new messages" marker (owned by the view).
    QToolButton *newMessagesMarker() const { return m_marker; }
    // The scroll bar over the whole conversation.
    ConversationScrollBar *scrollBar() const { return m_scrollBar; }

    // Resolves the document resource `name` (a file icon's key, a picture's
    // local name) anew and lays out what shows it again, keeping what the
    // user reads where it is.
    void refreshResource(const QString &name);

    void retranslate();

Q_SIGNALS:
    // Rendering started the host's fetch of these picture addresses.
    void picturesFetching(const QStringList &addresses);
    // A right click on a message without a selection to copy.
    void messageMenuRequested(qint64 eventId, const QPoint &globalPos);
    // "Find" in the history's own menu, with the selected text.
    void findRequested(const QString &selected);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    IHostServices *host() const;
    bool autoscroll() const;
    QString stylePrefix() const;
    QString renderPage(IMessageList *list, bool older, QVector<qint64> *added = nullptr);
    QString renderMessages(const QVector<const IHostMessage *> &messages, bool older, QVector<qint64> *added);
    void setContent(const QString &html);
    // The frames of the blocks and separators just inserted between the
    // document positions `from` and `to`, in the order `pieces` lists them.
    struct Piece
    {
        qint64 eventId = 0;
        bool separator = false;
    };
    QVector<Piece> piecesOf(const QVector<qint64> &ids, qint64 trailingSeparatorOf = 0) const;
    void track(int from, int to, const QVector<Piece> &pieces);
    void forgetFrames();
    void removeFrame(QTextFrame *frame);
    QString renderBlock(const IHostMessage *message);
    // After content was added at the end: follow or mark it unseen.
    void afterGrowth(bool wasAtBottom);
    // Takes messages off the end of the window far from what the view
    // shows (and from any selection) until it holds windowSize() again.
    void trim();
    void removePieces(int firstEntry, int endEntry);
    void renewIfWorn();
    // Renders `messages` (oldest first) as the whole window.
    void showWindow(const QVector<const IHostMessage *> &messages);
    void showContextMenu(const QPoint &pos, const QPoint &globalPos);
    void updateMarker();
    void placeMarker();

    TextBrowser *m_view = nullptr;    // not owned
    QObject *m_viewport = nullptr;    // not owned: the view's viewport (its resizes place the marker, its menus)
    ChatSession *m_session = nullptr; // not owned
    RenderedHistory m_history;
    UserNameCache m_names;
    ResourceKeyTable m_resourceKeys;
    HistoryResources m_resources;
    QHash<qint64, QPointer<QTextFrame>> m_blockFrames;     // frames owned by the document
    QHash<qint64, QPointer<QTextFrame>> m_separatorFrames; // by the message that follows
    bool m_framesLost = false; // a template broke out of its frame: replace by rendering anew
    QToolButton *m_marker = nullptr; // owned by the view
    ConversationScrollBar *m_scrollBar = nullptr; // owned by this pane
    bool m_loaded = false;
    bool m_olderExhausted = false;
    bool m_newerBeyond = false; // the store holds newer messages than the window
    bool m_paging = false;
    bool m_unseenBelow = false;
    int m_windowSize = DefaultWindowSize;
    int m_piecesSinceBuilt = 0;
};
