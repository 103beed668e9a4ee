#pragma once

#include "render/messageblocks.h"
#include "render/resourcekeytable.h"
#include "ui/chat/historyresources.h"
#include "ui/chat/renderedhistory.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <functional>

class ChatSession;
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
    // Brings the messages before the oldest shown one in above it, keeping
    // the reading position: the host's page before it, or as many pages as
    // make a quarter of what is shown. False when there was nothing older;
    // once the first message is shown the host is not asked again.
    bool loadOlder();
    // The first message of the conversation (paging in what is missing) and
    // the last one.
    void goToFirst();
    void goToLast();

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
    const RenderedHistory &rendered() const { return m_history; }
    UserNameCache &names() { return m_names; }
    ResourceKeyTable &resourceKeys() { return m_resourceKeys; }
    const HistoryResources &resources() const { return m_resources; }
    // The "new messages" marker (owned by the view).
    QToolButton *newMessagesMarker() const { return m_marker; }

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    IHostServices *host() const;
    QByteArray conversationId() const;
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
    void updateMarker();
    void placeMarker();

    TextBrowser *m_view = nullptr;    // not owned
    QObject *m_viewport = nullptr;    // not owned: the view's viewport, whose resizes place the marker
    ChatSession *m_session = nullptr; // not owned
    RenderedHistory m_history;
    UserNameCache m_names;
    ResourceKeyTable m_resourceKeys;
    HistoryResources m_resources;
    QHash<qint64, QPointer<QTextFrame>> m_blockFrames;     // frames owned by the document
    QHash<qint64, QPointer<QTextFrame>> m_separatorFrames; // by the message that follows
    bool m_framesLost = false; // a template broke out of its frame: replace by rendering anew
    QToolButton *m_marker = nullptr; // owned by the view
    bool m_loaded = false;
    bool m_olderExhausted = false;
    bool m_loadingOlder = false;
    bool m_unseenBelow = false;
};
