#include "contactlistwindow.h"

#include "hostkit/host.h"
#include "hostkit/hostimage.h"
#include "hostkit/hostuser.h"

#include <sdk/iplugin.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <memory>
#include <vector>

namespace {

// The plug-in's actions act on a contact with the host's "open" action.
constexpr int kOpenAction = 2;

QString skinFile(hostkit::Host &host, const QString &name)
{
    return QDir(host.applicationFolder()).filePath(QStringLiteral("skin/") + name);
}

} // namespace

ContactListWindow::ContactListWindow(hostkit::Host &host, QWidget *parent)
    : QMainWindow(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("ContactList"));
    setWindowTitle(QStringLiteral("%1 - %2").arg(host.appName(), host.profile().own().displayName));
    resize(340, 540);

    m_contacts = new QListWidget(this);
    m_contacts->setObjectName(QStringLiteral("Contacts"));
    m_contacts->setIconSize(QSize(36, 36));
    m_contacts->setSpacing(2);
    m_contacts->setUniformItemSizes(true);
    // Several contacts at once for the plug-ins that act on a selection (a
    // room with all of them); contacts drag out as item-model data with
    // their ids in the user role, onto a room's member list or a broadcast
    // composer's recipients.
    m_contacts->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_contacts->setDragEnabled(true);
    m_contacts->setDragDropMode(QAbstractItemView::DragOnly);
    setCentralWidget(m_contacts);

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    QAction *quit = file->addAction(QStringLiteral("&Quit"), qApp, &QApplication::closeAllWindows, QKeySequence::Quit);
    quit->setObjectName(QStringLiteral("action_quit"));

    m_pluginMenu = menuBar()->addMenu(QStringLiteral("&Plug-ins"));
    m_pluginMenu->setObjectName(QStringLiteral("PluginMenu"));
    m_pluginBar = addToolBar(QStringLiteral("Plug-ins"));
    m_pluginBar->setObjectName(QStringLiteral("PluginBar"));
    m_pluginBar->setIconSize(QSize(16, 16));
    m_pluginBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_pluginBar->setMovable(false);

    m_settings = new QAction(QStringLiteral("Settings"), this);
    m_settings->setObjectName(QStringLiteral("action_settings"));
    m_settings->setIcon(QIcon(skinFile(host, QStringLiteral("chat/tools.png"))));
    connect(m_settings, &QAction::triggered, this, [this] {
        if (IPlugin *chat = m_host.findPlugin("chat"))
            chat->showSettings();
    });

    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    auto *own = new QLabel(this);
    own->setObjectName(QStringLiteral("OwnUser"));
    own->setText(host.profile().own().displayName);
    own->setToolTip(host.profile().identity());
    statusBar()->addPermanentWidget(own);

    connect(m_contacts, &QListWidget::itemActivated, this, &ContactListWindow::onContactActivated);
    connect(m_contacts, &QListWidget::itemSelectionChanged, this, &ContactListWindow::refreshActions);
    connect(&host, &hostkit::Host::contactsChanged, this, &ContactListWindow::refreshContacts);
    connect(&host, &hostkit::Host::pluginsChanged, this, &ContactListWindow::refreshPlugins);
    connect(&host, &hostkit::Host::popupShown, this, &ContactListWindow::onPopup);

    refreshContacts();
    refreshPlugins();
}

QIcon ContactListWindow::presenceIcon(int status) const
{
    switch (status) {
    case hostkit::Contact::Online: return QIcon(skinFile(m_host, QStringLiteral("icon_online.png")));
    case hostkit::Contact::Away: return QIcon(skinFile(m_host, QStringLiteral("icon_na.png")));
    case hostkit::Contact::Busy: return QIcon(skinFile(m_host, QStringLiteral("icon_dnd.png")));
    default: break;
    }
    return QIcon(QIcon(skinFile(m_host, QStringLiteral("icon_online.png"))).pixmap(16, QIcon::Disabled));
}

QIcon ContactListWindow::contactIcon(const QByteArray &id, int status, bool room) const
{
    // The avatar with the presence dot in its lower right corner.
    QPixmap canvas(36, 36);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QImage avatar = m_host.profile().avatar(id).scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (status == hostkit::Contact::Offline && !room) {
        avatar = avatar.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < avatar.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(avatar.scanLine(y));
            for (int x = 0; x < avatar.width(); ++x) {
                const int g = qGray(line[x]) / 2 + 100;
                line[x] = qRgba(g, g, g, qAlpha(line[x]));
            }
        }
    }
    p.drawImage(0, 0, avatar);
    if (!room)
        p.drawPixmap(22, 22, presenceIcon(status).pixmap(14, 14));
    return QIcon(canvas);
}

void ContactListWindow::refreshContacts()
{
    const QByteArray keep = selectedId();
    m_contacts->clear();
    QList<hostkit::Contact> contacts = m_host.profile().contacts().toList();
    // Rooms first, then people by presence and name, as contact lists sort.
    std::stable_sort(contacts.begin(), contacts.end(), [](const hostkit::Contact &a, const hostkit::Contact &b) {
        if (a.isRoom() != b.isRoom())
            return a.isRoom();
        if ((a.status == 0) != (b.status == 0))
            return a.status != 0;
        return a.displayName.localeAwareCompare(b.displayName) < 0;
    });
    for (const hostkit::Contact &c : contacts) {
        const QString second = c.isRoom() ? QStringLiteral("%1 members").arg(c.members.size())
                                          : hostkit::HostUser(c).contact().statusMessage.isEmpty() ? hostkit::HostUser::statusName(c.status)
                                                                                                   : c.statusMessage;
        auto *item = new QListWidgetItem(contactIcon(c.id, c.status, c.isRoom()), c.displayName + QLatin1Char('\n') + second);
        item->setData(Qt::UserRole, c.id);
        item->setToolTip(QStringLiteral("%1 (%2)").arg(c.displayName, QString::fromUtf8(c.id)));
        if (c.status == hostkit::Contact::Offline && !c.isRoom())
            item->setForeground(QColor(0x88, 0x8a, 0x85));
        m_contacts->addItem(item);
    }
    if (!keep.isEmpty())
        selectContact(keep);
    refreshActions();
}

void ContactListWindow::refreshPlugins()
{
    for (const auto &[action, plugin] : qAsConst(m_pluginActions))
        delete action;
    m_pluginActions.clear();
    m_pluginMenu->clear();
    m_pluginBar->clear();
    const QList<IPlugin *> plugins = m_host.plugins();
    for (IPlugin *plugin : plugins) {
        hostkit::HostImage image;
        QIcon icon;
        if (plugin->drawIcon(&image) && !image.image().isNull())
            icon = QIcon(QPixmap::fromImage(image.image()));
        const QString text = plugin->actionText() ? QString::fromUtf16(plugin->actionText()) : QString::fromUtf8(plugin->pluginId());
        auto *action = new QAction(icon, text, this);
        action->setObjectName(QStringLiteral("action_") + QString::fromUtf8(plugin->pluginId()));
        if (plugin->description())
            action->setToolTip(QString::fromUtf16(plugin->description()));
        connect(action, &QAction::triggered, this, [this, plugin] {
            const QByteArrayList ids = selectedIds();
            if (ids.isEmpty() || !m_host.plugins().contains(plugin))
                return;
            if (ids.size() > 1) {
                m_host.executeMulti(plugin->pluginId(), ids, kOpenAction);
                return;
            }
            if (const hostkit::Contact *c = m_host.profile().find(ids.first())) {
                hostkit::HostUser user(*c);
                plugin->execute(&user, kOpenAction);
            }
        });
        m_pluginMenu->addAction(action);
        m_pluginBar->addAction(action);
        m_pluginActions.append({action, plugin});
    }
    if (plugins.isEmpty()) {
        QAction *none = m_pluginMenu->addAction(QStringLiteral("No plug-in loaded"));
        none->setEnabled(false);
    }
    m_pluginMenu->addSeparator();
    m_pluginMenu->addAction(m_settings);
    m_pluginBar->addSeparator();
    m_pluginBar->addAction(m_settings);
    refreshActions();
}

void ContactListWindow::refreshActions()
{
    std::vector<std::unique_ptr<hostkit::HostUser>> users;
    std::vector<IUser *> pointers;
    for (const QByteArray &id : selectedIds()) {
        if (const hostkit::Contact *c = m_host.profile().find(id)) {
            users.push_back(std::make_unique<hostkit::HostUser>(*c));
            pointers.push_back(users.back().get());
        }
    }
    for (const auto &[action, plugin] : qAsConst(m_pluginActions)) {
        bool enabled = false;
        if (pointers.size() == 1)
            enabled = plugin->canExecute(pointers.front(), kOpenAction);
        else if (pointers.size() > 1)
            enabled = plugin->canExecuteMulti(pointers.data(), int(pointers.size()), kOpenAction);
        action->setEnabled(enabled);
    }
    m_settings->setEnabled(m_host.findPlugin("chat") != nullptr);
}

QByteArray ContactListWindow::selectedId() const
{
    const QListWidgetItem *item = m_contacts->currentItem();
    return item ? item->data(Qt::UserRole).toByteArray() : QByteArray();
}

QByteArrayList ContactListWindow::pickContacts()
{
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("PickContacts"));
    dialog.setWindowTitle(QStringLiteral("Choose contacts"));
    auto *list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("Contacts"));
    for (const hostkit::Contact &c : m_host.profile().contacts()) {
        if (c.isRoom())
            continue;
        auto *item = new QListWidgetItem(contactIcon(c.id, c.status, false), c.displayName, list);
        item->setData(Qt::UserRole, c.id);
        item->setCheckState(Qt::Unchecked);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    QByteArrayList ids;
    if (dialog.exec() != QDialog::Accepted)
        return ids;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->checkState() == Qt::Checked)
            ids << list->item(i)->data(Qt::UserRole).toByteArray();
    }
    return ids;
}

QByteArrayList ContactListWindow::selectedIds() const
{
    QByteArrayList ids;
    for (int i = 0; i < m_contacts->count(); ++i) {
        if (m_contacts->item(i)->isSelected())
            ids << m_contacts->item(i)->data(Qt::UserRole).toByteArray();
    }
    return ids;
}

bool ContactListWindow::selectContact(const QByteArray &id)
{
    for (int i = 0; i < m_contacts->count(); ++i) {
        if (m_contacts->item(i)->data(Qt::UserRole).toByteArray() == id) {
            m_contacts->setCurrentRow(i);
            return true;
        }
    }
    return false;
}

void ContactListWindow::onContactActivated()
{
    const QByteArray id = selectedId();
    if (!id.isEmpty() && !m_host.openChat(id))
        statusBar()->showMessage(QStringLiteral("No chat plug-in is loaded."), 5000);
}

void ContactListWindow::onPopup(const QString &title, const QString &text)
{
    statusBar()->showMessage(title.isEmpty() ? text : QStringLiteral("%1: %2").arg(title, text), 8000);
}
