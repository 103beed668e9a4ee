#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

// Keeps a widget spread over its parent and above the parent's other
// children: the uploads list and the drop overlay float over the history
// view this way. Once the overlay has a parent it filters the parent's
// events: every resize gives the overlay the parent's size (and runs
// `relayout`), every child added raises the overlay again. A new parent is
// followed; a parent that goes away takes the filter with it.
class FloatingOverlay : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(FloatingOverlay)

public:
    // `overlay` is not owned; this helper becomes its child.
    explicit FloatingOverlay(QWidget *overlay, std::function<void()> relayout = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QWidget *parent);
    void fit();

    QWidget *m_overlay;
    QPointer<QWidget> m_parent;
    std::function<void()> m_relayout;
};
