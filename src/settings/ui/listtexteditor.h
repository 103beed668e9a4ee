#pragma once

#include "settings/ui/settingsdialogcontext.h"

#include <QHash>
#include <QObject>

class QAction;
class QTextEdit;
class QToolButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

// Edits the markup texts of a list's rows in one rich-text editor, as the
// quick-text and automatic-reply dialogs do: the editor shows the current
// row's text and writes every change back to it, a row left with an empty
// text is dropped, rows are added, deleted and moved, and a formatting tool
// bar (bold, italic, underline, emoticons) works on the editor.
//
// A row keeps its whole markup under MarkupRole of the text column and shows
// a one-line preview of it, so a text far longer than a screen costs the
// list no more than its first PreviewChars characters.
class ListTextEditor : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ListTextEditor)

public:
    static constexpr int MarkupRole = Qt::UserRole + 8;
    static constexpr int PreviewChars = 300;

    // Ids of the formatting actions.
    enum FormatAction { ActionBold = 0, ActionItalic = 1, ActionUnderline = 2, ActionEmoticons = 9 };

    // None of the widgets is owned. The format bar is created here, parented
    // to the editor's parent; the dialog puts it into its layout.
    ListTextEditor(QTreeWidget *list, int textColumn, QTextEdit *editor, const SettingsDialogContext &context,
                   QObject *parent);

    // The add, delete, move up and move down buttons beside the list: their
    // looks and shortcuts (Ctrl+A, Ctrl+Up, Ctrl+Down); delete and the moves
    // are connected here, adding is the dialog's (its rows differ).
    void bindButtons(QToolButton *add, QToolButton *remove, QToolButton *up, QToolButton *down);

    QToolBar *formatBar() const { return m_formatBar; }
    QAction *formatAction(int id) const { return m_actions.value(id); }

    QString markup(const QTreeWidgetItem *item) const;
    void setMarkup(QTreeWidgetItem *item, const QString &markup) const;
    // Appends the row and makes it current: the editor gets the focus with
    // all of its text selected.
    void addRow(QTreeWidgetItem *item);
    // Shows the current row again (after the list was filled anew).
    void refresh();
    void retranslate();

public Q_SLOTS:
    void deleteCurrent();
    void moveCurrentUp();
    void moveCurrentDown();

Q_SIGNALS:
    // The user changed the row's text in the editor.
    void rowEdited(QTreeWidgetItem *item);

private:
    void onCurrentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void onTextChanged();
    void onFormatAction(int id);
    void onCurrentCharFormatChanged();
    void showRow(QTreeWidgetItem *item);
    void moveCurrent(int delta);

    QTreeWidget *const m_list;
    const int m_column;
    QTextEdit *const m_editor;
    const SettingsDialogContext m_context;
    QToolBar *m_formatBar = nullptr;
    QHash<int, QAction *> m_actions;
    bool m_loading = false;
    bool m_moving = false;
};
