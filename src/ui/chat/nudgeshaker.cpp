#include "ui/chat/nudgeshaker.h"

#include <QWidget>

namespace {

// The offset of each phase. Phases 1+2 and 3+4 cancel out.
constexpr int PhaseDx[] = {0, -1, +1, +1, -1};
constexpr int PhaseDy[] = {0, -1, +1, -1, +1};

} // namespace

NudgeShaker::NudgeShaker(QWidget *target, QObject *parent)
    : QObject(parent)
    , m_target(target)
{
    m_timer.setInterval(StepIntervalMs);
    connect(&m_timer, &kelvan::ClockTimer::timeout, this, &NudgeShaker::onTimer);
}

void NudgeShaker::start(int steps)
{
    if (steps < 1)
        return;
    // A restart carries on with the running pattern (and what it has moved),
    // so the window never strays more than a pixel and the end puts it back.
    if (!isRunning()) {
        m_applied = QPoint();
        m_phase = 1;
        m_shaking = m_target ? m_target->window() : nullptr;
    }
    m_remaining = steps;
    m_timer.start();
}

void NudgeShaker::onTimer()
{
    if (m_phase < 1 || m_phase > 4) {
        m_timer.stop();
        m_remaining = 0;
        return;
    }
    QWidget *window = m_shaking.data();
    const bool movable = window && !window->isMinimized();
    if (movable) {
        const QPoint step(PhaseDx[m_phase], PhaseDy[m_phase]);
        window->move(window->pos() + step);
        m_applied += step;
    }
    m_phase = m_phase % 4 + 1;
    if (--m_remaining < 1) {
        m_phase = 0;
        m_timer.stop();
        if (movable && !m_applied.isNull())
            window->move(window->pos() - m_applied);
        m_applied = QPoint();
    }
}
