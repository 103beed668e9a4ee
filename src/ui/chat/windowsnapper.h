#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

class QWidget;

// Makes a window the user drags stick to the edges of the screens' work
// areas: a side that comes closer than SnapDistance to an edge lies on it.
//
// The snapping itself is the pure snapped(). What feeds it is the window's
// move events: a move counts as a drag when the window kept its offset to
// the mouse cursor since the previous move, so that programmatic moves (a
// nudge shake, fitting a window to its screen) are left alone. A window
// manager that moves windows itself may ignore the correction.
class WindowSnapper : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(WindowSnapper)

public:
    static constexpr int SnapDistance = 16;

    // The x of every work area's left edge and right edge + 1, and the y of
    // every top edge and bottom edge + 1, each once, in screen order.
    struct Edges
    {
        QList<int> vertical;
        QList<int> horizontal;
        bool isEmpty() const { return vertical.isEmpty() || horizontal.isEmpty(); }
    };

    // Watches `window` (not owned; it owns the snapper).
    explicit WindowSnapper(QWidget *window);

    static Edges edgesOf(const QList<QRect> &availableGeometries);
    // `frame` moved so that its left side lies on the first vertical edge
    // closer than SnapDistance, else its right side (exclusive) on the first
    // such edge; the same for top and bottom with the horizontal edges.
    static QRect snapped(const QRect &frame, const Edges &edges);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    // Work-area edges, computed on the first snap of a drag and dropped by
    // the first move that is not one.
    Edges m_edges;
    QPoint m_lastPos;
    QPoint m_cursorOffset; // cursor position minus the frame's top-left
    bool m_moving = false; // the snapper's own move
};
