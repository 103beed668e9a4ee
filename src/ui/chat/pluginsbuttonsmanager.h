#pragma once

#include <QHash>
#include <QList>
#include <QObject>

#include <functional>

class IHostServices;
class QToolBar;
class QToolButton;

// The buttons other plug-ins place in chat windows: one tool button
// ("PluginButton") per plug-in the host lists for chat windows, in the
// host's order, showing the plug-in's icon with its action text as tool
// tip. Remembers every window's buttons and forgets them when the window
// goes. One per library.
class PluginsButtonsManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(PluginsButtonsManager)

public:
    // Called with the id of the plug-in whose button was pressed.
    using Trigger = std::function<void(const QByteArray &pluginId)>;

    // The plug-in id the room action triggers with: it invites people to
    // the room of the window.
    static const char RoomActionPluginId[]; // "chat_conference"

    static PluginsButtonsManager &instance();

    // Puts the buttons of the plug-ins `host` lists into `bar` in place of
    // the ones there, after the room action when `roomAction` is set; the
    // bar shows only when it holds one.
    void fill(QToolBar *bar, IHostServices *host, const Trigger &trigger, bool roomAction = false);
    // The buttons a bar holds, in order.
    QList<QToolButton *> buttons(const QToolBar *bar) const;
    int windowCount() const { return m_buttons.size(); }

public Q_SLOTS:
    void onWidgetDestroyed(QObject *obj);

private:
    PluginsButtonsManager() = default;

    QHash<const QObject *, QList<QToolButton *>> m_buttons; // buttons owned by their bars
};
