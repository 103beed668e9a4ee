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
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &NudgeShaker::onTimer);
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
    const bool movable = m_target && !m_target->isMinimized();
    if (movable) {
        const QPoint step(PhaseDx[m_phase], PhaseDy[m_phase]);
        m_target->move(m_target->pos() + step);
        m_applied += step;
    }
    m_phase = m_phase % 4 + 1;
    if (--m_remaining < 1) {
        m_phase = 0;
        m_timer.stop();
        if (movable && !m_applied.isNull())
            m_target->move(m_target->pos() - m_applied);
        m_applied = QPoint();
    }
}
