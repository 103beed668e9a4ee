#include "ui/chat/windowsnapper.h"

#include "platform/screens.h"

#include <QCursor>
#include <QEvent>
#include <QWidget>

#include <cstdlib>

namespace {

void appendOnce(QList<int> *list, int value)
{
    if (!list->contains(value))
        list->append(value);
}

// The first edge closer than the snap distance to `low`, else to `high`:
// how far the rectangle has to move; 0 when no edge is that close.
int shiftTowards(const QList<int> &edges, int low, int high)
{
    for (int edge : edges) {
        if (std::abs(edge - low) < WindowSnapper::SnapDistance)
            return edge - low;
    }
    for (int edge : edges) {
        if (std::abs(edge - high) < WindowSnapper::SnapDistance)
            return edge - high;
    }
    return 0;
}

} // namespace

WindowSnapper::WindowSnapper(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
}

WindowSnapper::Edges WindowSnapper::edgesOf(const QList<QRect> &availableGeometries)
{
    Edges edges;
    for (const QRect &area : availableGeometries) {
        appendOnce(&edges.vertical, area.left());
        appendOnce(&edges.vertical, area.right() + 1);
        appendOnce(&edges.horizontal, area.top());
        appendOnce(&edges.horizontal, area.bottom() + 1);
    }
    return edges;
}

QRect WindowSnapper::snapped(const QRect &frame, const Edges &edges)
{
    const int dx = shiftTowards(edges.vertical, frame.left(), frame.left() + frame.width());
    const int dy = shiftTowards(edges.horizontal, frame.top(), frame.top() + frame.height());
    return frame.translated(dx, dy);
}

bool WindowSnapper::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *window = m_window.data();
    if (event->type() != QEvent::Move || watched != window || m_moving || !window->isWindow())
        return false;
    const QRect frame = window->frameGeometry();
    const QPoint offset = QCursor::pos() - frame.topLeft();
    // A move that echoes the last one tells nothing; one where the cursor
    // went along with the window is the user dragging it.
    if (frame.topLeft() == m_lastPos)
        return false;
    const bool dragged = offset == m_cursorOffset && window->isVisible()
                         && !(window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    m_lastPos = frame.topLeft();
    m_cursorOffset = offset;
    if (!dragged) {
        m_edges = Edges();
        return false;
    }
    if (m_edges.isEmpty())
        m_edges = edgesOf(platform::Screens::instance().availableGeometries());
    const QRect target = snapped(frame, m_edges);
    if (target.topLeft() != frame.topLeft()) {
        m_moving = true;
        window->move(target.topLeft());
        m_moving = false;
        // The window system's echo of this move is no step of the drag; the
        // cursor offset stays the one the user holds the window by.
        m_lastPos = target.topLeft();
    }
    return false;
}
