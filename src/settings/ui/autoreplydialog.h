#pragma once

#include "settings/ui/settingsdialogcontext.h"

#include <QFrame>
#include <QScopedPointer>

class ComboBoxDelegate;
class ListTextEditor;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace Ui {
class AutoReplyDialog;
}

// The automatic replies, as the settings dialog's "Auto reply" tab shows
// them: one row per reply with its active flag (check box), status and text;
// the status is chosen with a ComboBoxDelegate, the text edited below the
// list. It works on a copy in its list; the settings dialog's OK calls
// save(). Rows of custom statuses the host no longer offers keep their
// stored text.
class AutoReplyDialog : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY(AutoReplyDialog)

public:
    enum Column { StatusColumn = 0, ReplyColumn = 1 };

    explicit AutoReplyDialog(const SettingsDialogContext &context, QWidget *parent = nullptr);
    ~AutoReplyDialog() override;

    // Fills the list from the stored replies.
    void load();
    // Replaces the stored replies by the rows, in order (rows without text
    // are dropped), and writes auto_reply_msgs.ini. False when the storage
    // refused a text (*refusedRow is its row) or the file was not written
    // (-1); the stored replies are then as they were.
    bool save(int *refusedRow = nullptr);

    QTreeWidget *list() const;
    QTextEdit *editor() const;
    ComboBoxDelegate *delegate() const { return m_delegate; }
    ListTextEditor *rows() const { return m_rows; }

public Q_SLOTS:
    void onAdd();

protected:
    void changeEvent(QEvent *event) override;

private:
    QTreeWidgetItem *newRow(int statusId, bool custom, const QString &statusText, const QString &reply, bool active);
    QString statusName(int statusId) const;
    QIcon statusIcon(int statusId) const;
    void buildStatuses();

    QScopedPointer<Ui::AutoReplyDialog> m_ui;
    const SettingsDialogContext m_context;
    ComboBoxDelegate *m_delegate = nullptr; // owned (child)
    ListTextEditor *m_rows = nullptr;       // owned (child)
};
