#include "ui/chat/pluginsbuttonsmanager.h"

#include "plugin/records/imageimpl.h"

#include <sdk/iplugin.h>
#include <sdk/ihostservices.h>

#include <QAction>
#include <QToolBar>
#include <QToolButton>

const char PluginsButtonsManager::RoomActionPluginId[] = "chat_conference";

PluginsButtonsManager &PluginsButtonsManager::instance()
{
    static PluginsButtonsManager manager;
    return manager;
}

void PluginsButtonsManager::fill(QToolBar *bar, IHostServices *host, const Trigger &trigger, bool roomAction)
{
    if (!bar)
        return;
    if (!m_buttons.contains(bar))
        connect(bar, &QObject::destroyed, this, &PluginsButtonsManager::onWidgetDestroyed);
    bar->clear();
    QList<QToolButton *> &buttons = m_buttons[bar];
    buttons.clear();
    const auto addButton = [&](QAction *action) {
        bar->addAction(action);
        if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action))) {
            button->setObjectName(QStringLiteral("PluginButton"));
            button->setProperty("class", QStringLiteral("QToolButton Ormica"));
            buttons.append(button);
        }
    };
    if (roomAction) {
        auto *action = new QAction(bar);
        action->setObjectName(QStringLiteral("add_room_participants"));
        if (const char16_t *icon = host ? host->skinPath("chat/textconference.png") : nullptr)
            action->setIcon(QIcon(QString::fromUtf16(icon)));
        action->setText(tr("Add people to this Chat Room (Persistent)"));
        action->setToolTip(action->text());
        connect(action, &QAction::triggered, bar, [trigger] { trigger(RoomActionPluginId); });
        addButton(action);
    }
    const int count = host ? host->pluginButtonCount() : 0;
    for (int i = 0; i < count; ++i) {
        IPlugin *plugin = host->pluginButtonAt(i);
        const char *id = plugin ? plugin->pluginId() : nullptr;
        if (!id || !*id)
            continue;
        const QByteArray pluginId(id);
        auto *action = new QAction(bar);
        ImageImpl icon;
        if (plugin->drawIcon(&icon) && !icon.image().isNull())
            action->setIcon(QIcon(QPixmap::fromImage(icon.image())));
        const char16_t *text = plugin->actionText();
        const QString tip = text ? QString::fromUtf16(text) : QString::fromUtf8(pluginId);
        action->setText(tip);
        action->setToolTip(tip);
        connect(action, &QAction::triggered, bar, [trigger, pluginId] { trigger(pluginId); });
        addButton(action);
    }
    bar->setVisible(!buttons.isEmpty());
}

QList<QToolButton *> PluginsButtonsManager::buttons(const QToolBar *bar) const
{
    return m_buttons.value(bar);
}

void PluginsButtonsManager::onWidgetDestroyed(QObject *obj)
{
    m_buttons.remove(obj);
}
