#include "ui/chat/floatingoverlay.h"

#include <QChildEvent>
#include <QEvent>
#include <QWidget>

FloatingOverlay::FloatingOverlay(QWidget *overlay, std::function<void()> relayout)
    : QObject(overlay)
    , m_overlay(overlay)
    , m_relayout(std::move(relayout))
{
    overlay->installEventFilter(this);
    follow(overlay->parentWidget());
}

void FloatingOverlay::follow(QWidget *parent)
{
    if (m_parent == parent)
        return;
    if (m_parent)
        m_parent->removeEventFilter(this);
    m_parent = parent;
    if (!parent)
        return;
    parent->installEventFilter(this);
    m_overlay->raise();
    fit();
}

void FloatingOverlay::fit()
{
    if (!m_parent)
        return;
    m_overlay->setGeometry(m_parent->rect());
    if (m_relayout)
        m_relayout();
}

bool FloatingOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_overlay) {
        if (event->type() == QEvent::ParentChange)
            follow(m_overlay->parentWidget());
    } else if (watched == m_parent) {
        if (event->type() == QEvent::Resize)
            fit();
        else if (event->type() == QEvent::ChildAdded && static_cast<QChildEvent *>(event)->child() != m_overlay)
            m_overlay->raise();
    }
    return QObject::eventFilter(watched, event);
}
