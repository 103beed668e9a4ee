#include "viewer/chatimagevieweranimation.h"

#include "lib_kelvan/clocktimer.h"

#include <QGraphicsOpacityEffect>
#include <QWidget>

#include <algorithm>
#include <cmath>

ChatImageViewerAnimation::ChatImageViewerAnimation(QObject *parent)
    : QObject(parent)
    , m_tick(new kelvan::ClockTimer(this))
{
    m_tick->setInterval(TickMs);
    connect(m_tick, &kelvan::ClockTimer::timeout, this, &ChatImageViewerAnimation::onTick);
}

ChatImageViewerAnimation::~ChatImageViewerAnimation() = default;

void ChatImageViewerAnimation::addWidget(QWidget *widget)
{
    auto *effect = new QGraphicsOpacityEffect(widget);
    effect->setOpacity(1.0);
    widget->setGraphicsEffect(effect);
    m_effects.insert(widget, effect);
    m_locked.insert(widget, false);
}

void ChatImageViewerAnimation::setHiddenLock(QWidget *widget, bool locked)
{
    if (!m_effects.contains(widget))
        return;
    m_locked[widget] = locked;
    widget->setEnabled(!locked);
    if (!settled())
        m_tick->start();
}

void ChatImageViewerAnimation::setOpacity(QWidget *widget, double opacity)
{
    if (QGraphicsOpacityEffect *effect = m_effects.value(widget))
        effect->setOpacity(std::clamp(opacity, 0.0, 1.0));
}

double ChatImageViewerAnimation::opacity(QWidget *widget) const
{
    const QGraphicsOpacityEffect *effect = m_effects.value(widget);
    return effect ? effect->opacity() : 0.0;
}

void ChatImageViewerAnimation::fadeIn()
{
    m_direction = Direction::FadingIn;
    if (!settled())
        m_tick->start();
}

void ChatImageViewerAnimation::fadeOut()
{
    m_direction = Direction::FadingOut;
    if (!settled())
        m_tick->start();
}

bool ChatImageViewerAnimation::isRunning() const
{
    return m_tick->isActive();
}

double ChatImageViewerAnimation::target(QWidget *widget, double current) const
{
    if (m_locked.value(widget, false) || m_direction == Direction::FadingOut)
        return 0.0;
    return m_direction == Direction::FadingIn ? 1.0 : current;
}

bool ChatImageViewerAnimation::settled() const
{
    for (auto it = m_effects.cbegin(); it != m_effects.cend(); ++it) {
        if (it.value() && it.value()->opacity() != target(it.key(), it.value()->opacity()))
            return false;
    }
    return true;
}

void ChatImageViewerAnimation::onTick()
{
    for (auto it = m_effects.cbegin(); it != m_effects.cend(); ++it) {
        QGraphicsOpacityEffect *effect = it.value();
        if (!effect)
            continue;
        const double now = effect->opacity();
        const double goal = target(it.key(), now);
        double next = now < goal ? now + Step : now > goal ? now - Step : now;
        // Ten steps of 0.1 do not add up to 1 exactly.
        if (std::abs(next - goal) < Step / 2)
            next = goal;
        effect->setOpacity(next);
    }
    if (settled()) {
        m_tick->stop();
        m_direction = Direction::Idle;
    }
}
