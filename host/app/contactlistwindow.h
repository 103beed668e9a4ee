#pragma once

#include <QByteArrayList>
#include <QMainWindow>

class IPlugin;
class QAction;
class QListWidget;
class QMenu;
class QToolBar;

namespace hostkit {
class Host;
}

// The host's main window: the contacts with their presence, and one action
// per loaded plug-in object (its action text and icon, enabled by
// canExecute for the selected contact, triggering execute). Double-clicking
// a contact opens the conversation through the chat plug-in.
class ContactListWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit ContactListWindow(hostkit::Host &host, QWidget *parent = nullptr);

    QMenu *pluginMenu() const { return m_pluginMenu; }
    QListWidget *contactList() const { return m_contacts; }
    // Asks the person to tick contacts (not rooms); empty when cancelled.
    QByteArrayList pickContacts();
    // Selects the contact with this id; false when there is none.
    bool selectContact(const QByteArray &id);

public Q_SLOTS:
    void refreshContacts();
    void refreshPlugins();
    void refreshActions();

private Q_SLOTS:
    void onContactActivated();
    void onPopup(const QString &title, const QString &text);

private:
    QByteArray selectedId() const;
    // The selected contacts in list order.
    QByteArrayList selectedIds() const;
    QIcon presenceIcon(int status) const;
    QIcon contactIcon(const QByteArray &id, int status, bool room) const;

    hostkit::Host &m_host;
    QListWidget *m_contacts = nullptr;
    QMenu *m_pluginMenu = nullptr;
    QToolBar *m_pluginBar = nullptr;
    QList<QPair<QAction *, IPlugin *>> m_pluginActions;
    QAction *m_settings = nullptr;
};
