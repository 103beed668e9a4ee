#pragma once

#include "lib_kelvan/clocktimer.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

// Shakes a window when a nudge is sent or received: every 20 ms the window
// moves one pixel diagonally, in a pattern that returns it to where it
// started after every second step, so however a shake ends the window
// stands where it stood. The steps run on the library's clock.
class NudgeShaker : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(NudgeShaker)

public:
    // 50 steps of 20 ms: one second.
    static constexpr int DefaultSteps = 50;
    static constexpr int StepIntervalMs = 20;

    // `target` is the widget whose window shakes (not owned; usually the
    // owner): a page of the tabbed window shakes the tabbed window.
    explicit NudgeShaker(QWidget *target, QObject *parent = nullptr);

    // Starts a shake of `steps` steps; a running shake starts over (callers
    // that must not restart one ask isRunning() first).
    void start(int steps = DefaultSteps);
    bool isRunning() const { return m_remaining >= 1; }
    int remaining() const { return m_remaining; }

    // The timer, for tests that drive the steps themselves.
    kelvan::ClockTimer *timer() { return &m_timer; }

public Q_SLOTS:
    void onTimer();

private:
    QPointer<QWidget> m_target;
    // The window this shake moves, taken at its start.
    QPointer<QWidget> m_shaking;
    kelvan::ClockTimer m_timer;
    int m_phase = 0; // 0 idle, 1..4 the next step
    int m_remaining = 0;
    // What this shake has moved the window so far; a step skipped while the
    // window was minimized would otherwise leave it a pixel off.
    QPoint m_applied;
};
