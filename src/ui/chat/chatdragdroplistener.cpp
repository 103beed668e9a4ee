#include "ui/chat/chatdragdroplistener.h"

#include "chat/chatcoreinterface.h"
#include "chat/chatsession.h"
#include "ui/chat/chatfiledragoverlay.h"
#include "ui/chat/chatuilog.h"

#include <sdk/ihostservices.h>

#include <QDir>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <vector>

ChatDragDropListener::ChatDragDropListener(QWidget *window, ChatFileDragOverlay *overlay, SessionGetter session,
                                           SendFiles sendFiles)
    : QObject(window)
    , m_window(window)
    , m_overlay(overlay)
    , m_session(std::move(session))
    , m_sendFiles(std::move(sendFiles))
{
    window->installEventFilter(this);
    overlay->setAcceptDrops(true);
    overlay->installEventFilter(this);
}

bool ChatDragDropListener::dragEntered(QDragEnterEvent *drag)
{
    const QMimeData *data = drag->mimeData();
    if (!data || !data->hasUrls())
        return false;
    m_files.clear();
    bool onlyFiles = true;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile()) {
            onlyFiles = false;
            continue;
        }
        const QString path = url.toLocalFile();
        onlyFiles = onlyFiles && QFileInfo(path).isFile();
        m_files << QDir::toNativeSeparators(path);
    }
    m_overlay->showForDrag(onlyFiles && !m_files.isEmpty());
    drag->acceptProposedAction();
    return true;
}

bool ChatDragDropListener::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window && watched != m_overlay)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
        // The overlay becomes the drop site under the cursor in the middle
        // of a drag the window already took.
        if (watched == m_overlay) {
            static_cast<QDragEnterEvent *>(event)->acceptProposedAction();
            return true;
        }
        return dragEntered(static_cast<QDragEnterEvent *>(event));
    case QEvent::DragMove:
        if (!m_overlay->isVisible())
            return false;
        static_cast<QDragMoveEvent *>(event)->acceptProposedAction();
        return true;
    case QEvent::DragLeave:
        m_overlay->hide();
        m_files.clear();
        return false;
    case QEvent::Drop: {
        auto *dropEvent = static_cast<QDropEvent *>(event);
        const QPoint pos = watched == m_overlay ? dropEvent->pos() : m_overlay->mapFrom(m_window, dropEvent->pos());
        const QString target = m_overlay->isVisible() ? m_overlay->targetAt(pos) : QString();
        m_overlay->hide();
        dropEvent->acceptProposedAction();
        drop(target);
        m_files.clear();
        return true;
    }
    default:
        return false;
    }
}

void ChatDragDropListener::drop(const QString &target)
{
    ChatSession *session = m_session();
    if (m_files.isEmpty() || target.isEmpty() || !session)
        return;
    if (target == QLatin1String("Cloud")) {
        m_sendFiles(m_files);
        return;
    }
    ChatCoreInterface *core = session->core();
    IHostServices *host = core ? core->hostServices() : nullptr;
    if (!host)
        return;
    std::vector<QByteArray> bytes;
    std::vector<const char *> paths;
    bytes.reserve(size_t(m_files.size()));
    for (const QString &file : qAsConst(m_files))
        bytes.push_back(file.toUtf8());
    for (const QByteArray &path : bytes)
        paths.push_back(path.constData());
    const QByteArray peer = session->peerId();
    if (!host->sendFilesDirect(peer.constData(), paths.data(), int(paths.size())))
        qCInfo(lcChatWindow) << "direct transfer of" << paths.size() << "files was refused";
}
