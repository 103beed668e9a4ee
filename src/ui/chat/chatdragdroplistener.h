#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class ChatFileDragOverlay;
class ChatSession;
class QDragEnterEvent;
class QWidget;

// Files dragged onto a chat window: the listener filters the window's drag
// events, shows the drop overlay while local files are dragged over it and,
// on a drop onto one of the overlay's targets, hands the files on: "Direct"
// to the host's direct transfer, "Cloud" to `sendFiles` (file messages). A
// drag without addresses is not taken; a drop without local files, or
// beside the targets, does nothing.
//
// Once shown, the overlay is the drop site under the cursor (it accepts
// drops), so the drag's further moves, its leaving and its drop arrive
// there; the listener filters the overlay too.
class ChatDragDropListener : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ChatDragDropListener)

public:
    using SendFiles = std::function<void(const QStringList &paths)>;
    // The conversation dragged onto (not owned); null once the window closed.
    using SessionGetter = std::function<ChatSession *()>;

    // Filters `window`'s and `overlay`'s events; both are not owned and
    // must outlive the listener, which becomes the window's child.
    ChatDragDropListener(QWidget *window, ChatFileDragOverlay *overlay, SessionGetter session, SendFiles sendFiles);

    // The local files of the drag in progress (native separators).
    QStringList draggedFiles() const { return m_files; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool dragEntered(QDragEnterEvent *event);
    void drop(const QString &target);

    QWidget *m_window;
    ChatFileDragOverlay *m_overlay;
    SessionGetter m_session;
    SendFiles m_sendFiles;
    QStringList m_files;
};
