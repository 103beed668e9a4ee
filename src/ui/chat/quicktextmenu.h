#pragma once

#include "settings/ui/cannedmessagesdialog.h"

#include <QObject>
#include <QPointer>

class IHostServices;
class QAction;
class QMenu;
class QTextEdit;
class QWidget;

// The "Quick text" menu of a window with a message editor (chat window,
// broadcast composer): one entry per quick text, labelled with its text
// shortened to LabelWidth pixels on one line, then "Edit", which opens the
// quick-text dialog. The menu is built when first shown and rebuilt when the
// quick texts change or the language does.
//
// A chosen quick text goes into the editor at its cursor, each "[br]" a
// paragraph break; with the "send at once" behaviour, a window that allows it
// gets sendRequested() instead.
class QuickTextMenu : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(QuickTextMenu)

public:
    static constexpr int LabelWidth = 250;

    // `editor` and `window` (parent of the menu and the dialog) are not
    // owned and outlive this object; `host` may be null.
    QuickTextMenu(QTextEdit *editor, QWidget *window, IHostServices *host, QObject *parent);
    ~QuickTextMenu() override;

    // Whether behaviour 1 sends at once (chat windows) or the text is always
    // inserted (the broadcast composer). On by default.
    void setInstantSendAllowed(bool allowed) { m_instantSendAllowed = allowed; }

    // Built on first use.
    QMenu *menu();
    // At the mouse cursor, above it.
    void popup();
    // Null until "Edit" was chosen once.
    CannedMessagesDialog *dialog() const { return m_dialog; }

Q_SIGNALS:
    // A quick text is about to go into the editor: the window puts its
    // default character format back first.
    void aboutToInsert();
    void sendRequested(const QString &markup);

public Q_SLOTS:
    void onCannedMessagesChanged();
    void onEditCannedMessages();
    void onCannedMessageTriggered(QAction *action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuild();
    void insert(const QString &markup);

    QTextEdit *const m_editor;
    QWidget *const m_window;
    IHostServices *const m_host;
    QPointer<QMenu> m_menu;
    QPointer<CannedMessagesDialog> m_dialog;
    bool m_instantSendAllowed = true;
};
