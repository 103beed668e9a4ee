#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class ChatSession;
class HistoryPane;
class IHostMessage;
class IHostServices;
class MessageOverlay;
class QBoxLayout;
class QMenu;
class QPoint;
class TextEdit;
struct RenderContext;

// What the user does to one message of the history: the message menu
// ("Labels", "Like", "Edit", "Reply", "Delete"), likes and labels, deletion,
// and editing or answering through the MessageOverlay above the editor.
// Likes, labels and deletions go out at once as message-level commands
// ("[like N T|F]", "[label N names]", "[delete N]"); a like or a label also
// shows at once, its block rendered again in place. Edits and replies go
// out with the next send ("[edit N]text", "[reply N]text").
//
// Commands go to the conversation without touching the draft in the editor.
// Ids that are not shown in the history do nothing.
class MessageActions : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(MessageActions)

public:
    // Sends a message-level command to the conversation's members.
    using Send = std::function<void(const QString &markup)>;
    // Empties the editor, keeping its character format, and focuses it.
    using ResetEditor = std::function<void()>;
    // The conversation (not owned); null once the window closed.
    using SessionGetter = std::function<ChatSession *()>;

    // `history` and `editor` are not owned and outlive this object; the
    // overlay, while there is one, stands in `overlayLayout` at `overlayIndex`.
    MessageActions(SessionGetter session, HistoryPane *history, TextEdit *editor, QBoxLayout *overlayLayout,
                   int overlayIndex, Send send, ResetEditor resetEditor, QObject *parent = nullptr);
    ~MessageActions() override;

    // The label names in menu order, and their menu texts.
    static const QStringList &labelNames();
    static QString labelText(const QString &name);

    // Opens the message menu at `globalPos` (it deletes itself once hidden)
    // and returns it; null when the message is not shown.
    QMenu *showMessageMenu(qint64 eventId, const QPoint &globalPos);
    // The menu open now, or null.
    QMenu *menu() const;

    // Takes back the own like, or likes. False when nothing was sent.
    bool toggleLike(qint64 eventId);
    // Adds the label at the end of the message's labels, or removes it.
    bool toggleLabel(qint64 eventId, const QString &label);
    bool deleteMessage(qint64 eventId);
    // Opens the overlay: editing puts the message's text into the editor in
    // place of the draft (own, editable messages only); a reply keeps the draft.
    bool edit(qint64 eventId);
    bool reply(qint64 eventId);

    // The markup of a send: wrapped as an edit or a reply while the overlay
    // is open, which then closes.
    QString outgoing(const QString &markup);
    // Escape: closes an open overlay and empties the editor; false when
    // there was none.
    bool closeOverlay();
    // The message is gone or deleted: an overlay about it closes.
    void messageWithdrawn(qint64 eventId);
    MessageOverlay *overlay() const;

public Q_SLOTS:
    void slotResetModeEditReply();

private:
    IHostServices *host() const;
    QByteArray ownUserId() const;
    MessageOverlay *ensureOverlay();
    // One line of the message's plain text, for the overlay.
    static QString shortText(const RenderContext &context, const IHostMessage *record);

    HistoryPane *m_history = nullptr; // not owned
    TextEdit *m_editor = nullptr;     // not owned
    QBoxLayout *m_overlayLayout = nullptr;
    int m_overlayIndex = 0;
    Send m_send;
    ResetEditor m_resetEditor;
    SessionGetter m_session;
    QPointer<MessageOverlay> m_overlay; // owned by the layout's widget while open
    QPointer<QMenu> m_menu;             // deletes itself once hidden
};
