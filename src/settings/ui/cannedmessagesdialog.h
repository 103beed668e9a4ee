#pragma once

#include "settings/ui/settingsdialogcontext.h"

#include <QDialog>
#include <QScopedPointer>

class ListTextEditor;
class QTextEdit;
class QTreeWidget;

namespace Ui {
class CannedMessagesDialog;
}

// The quick-text dialog ("CannedMessages"): the list of quick texts, a
// rich-text editor bound to the current row, and the behaviour of a chosen
// quick text. It works on a copy in its list; OK stores the list and the
// behaviour, writes canned_msgs.ini and emits cannedMessagesChanged();
// Cancel changes nothing. A text the storage refuses keeps the dialog open
// with the text in place. Built-in texts stay records by id until edited;
// an edited one becomes the user's own (id -1).
class CannedMessagesDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(CannedMessagesDialog)

public:
    // Row data: the record's id (0 to 2 built in, -1 the user's own).
    static constexpr int IdRole = Qt::UserRole;

    explicit CannedMessagesDialog(const SettingsDialogContext &context, QWidget *parent = nullptr);
    ~CannedMessagesDialog() override;

    // Fills the list and the behaviour from the stored ones.
    void load();

    QTreeWidget *list() const;
    QTextEdit *editor() const;
    ListTextEditor *rows() const { return m_rows; }

Q_SIGNALS:
    void cannedMessagesChanged();

public Q_SLOTS:
    void onDialogAccepted();
    void onAdd();

protected:
    void changeEvent(QEvent *event) override;

private:
    bool store(int *refusedRow);
    void report(const QString &text);

    QScopedPointer<Ui::CannedMessagesDialog> m_ui;
    const SettingsDialogContext m_context;
    ListTextEditor *m_rows = nullptr; // owned (child)
};
