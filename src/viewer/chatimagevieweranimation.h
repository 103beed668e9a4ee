#pragma once

#include <QMap>
#include <QObject>
#include <QPointer>

namespace kelvan {
class ClockTimer;
}
class QGraphicsOpacityEffect;
class QWidget;

// Fades a group of widgets (the viewer's header and arrows) in and out:
// every TickMs each one moves Step towards its target opacity, 1 while
// fading in and 0 while fading out, until all have arrived. A widget locked
// hidden is never faded in; it fades out and stays out, and takes no clicks.
class ChatImageViewerAnimation : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ChatImageViewerAnimation)

public:
    static constexpr int TickMs = 10;
    static constexpr double Step = 0.1;

    enum class Direction {
        Idle = 0,
        FadingIn = 1,
        FadingOut = 2,
    };

    explicit ChatImageViewerAnimation(QObject *parent = nullptr);
    ~ChatImageViewerAnimation() override;

    // The widget joins the group, fully visible; it owns its effect.
    void addWidget(QWidget *widget);
    void setHiddenLock(QWidget *widget, bool locked);
    bool isHiddenLocked(QWidget *widget) const { return m_locked.value(widget, false); }
    // At once, without fading.
    void setOpacity(QWidget *widget, double opacity);
    double opacity(QWidget *widget) const;

    void fadeIn();
    void fadeOut();
    Direction direction() const { return m_direction; }
    bool isRunning() const;

private Q_SLOTS:
    void onTick();

private:
    double target(QWidget *widget, double current) const;
    bool settled() const;

    QMap<QWidget *, QPointer<QGraphicsOpacityEffect>> m_effects;
    QMap<QWidget *, bool> m_locked;
    Direction m_direction = Direction::Idle;
    kelvan::ClockTimer *m_tick; // owned (child)
};
