#pragma once

#include "lib_kelvan/clocktimer.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;
class SettingsManager;

// Remembers a kind of window's size and maximized state in the settings
// (SettingsManager::WindowKind: chat, tabbed, broadcast composer, broadcast
// viewer) and puts them back. It watches its window's resizes, state and
// parent changes itself, so an owner only constructs it, calls restoreSize()
// and shows the window through showWindow().
//
// The size is stored 300 ms after the last resize and never while the
// window is maximized, so a later restore uses the last normal size. A
// window that is a page of another (a chat window in the tabbed window)
// stores nothing; it gets its own size back when it stands alone again.
class WindowGeometryManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(WindowGeometryManager)

public:
    static constexpr int SaveDelayMs = 300;
    // How long a pending maximize waits for the window manager to settle.
    static constexpr int MaximizeDelayMs = 300;

    // `window` (not owned; it owns the manager), `kind` a
    // SettingsManager::WindowKind, `settings` not owned (null: nothing is
    // read or stored).
    WindowGeometryManager(QWidget *window, int kind, SettingsManager *settings);
    // A size still waiting for its save is stored now.
    ~WindowGeometryManager() override;

    // Resizes the window to the stored size of its kind.
    void restoreSize();
    // Before a stand-alone window is brought up minimized by an alert: a
    // kind stored as maximized gets the maximized bit, to apply once shown.
    void restoreMaximized();
    void resized();
    void windowStateChanged(bool inTab);
    // Fits the window to the available geometry of its screen (unless the
    // kind is stored as maximized), then shows it: maximized or normal,
    // raised and activated; in the background it only comes up minimized.
    void showWindow(bool background);

    bool isSavePending() const { return m_saveTimer.isActive(); }

    // `frame` shrunk to fit `available` and moved into it.
    static QRect fitted(const QRect &frame, const QRect &available);

public Q_SLOTS:
    void onSaveSizeSettings();
    void onShowMaximized();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool storedMaximized() const;
    void fitToScreen();

    QPointer<QWidget> m_window;
    const int m_kind;
    QPointer<SettingsManager> m_settings;
    bool m_pendingMaximize = false;
    // The window's last size as a stand-alone window: what a save at
    // destruction stores, when the widget is half gone.
    QSize m_lastSize;
    kelvan::ClockTimer m_saveTimer;
    kelvan::ClockTimer m_maximizeTimer;
};
