#pragma once

#include <QFrame>

class HistoryPane;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;

// The bar that finds text in the whole conversation, not only in the
// messages the history shows: it floats over the top right of the history
// view. Ctrl+F (or "Find" in the history's menu) opens it, Enter and F3 go
// to the next match towards older messages, Shift+Enter and Shift+F3 back
// towards newer ones, Escape closes it. The host searches the stored texts;
// the pane brings the page holding a match into the view and marks it.
//
// Every step asks the host again from the match shown, so edits and
// deletions made meanwhile count at once. The count stops at CountCap
// ("1000+"): a search must not cost time in proportion to the conversation.
class FindBar : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY(FindBar)

public:
    static constexpr int CountCap = 1000;

    // `history` shows the matches; the bar floats over its view (its
    // parent). The shortcuts work anywhere inside `scope` (the window).
    FindBar(HistoryPane *history, QWidget *view, QWidget *scope);
    ~FindBar() override;

    // Opens the bar with the text (the old one when empty), ready to type.
    void open(const QString &text = QString());
    // Moves to the next match towards older messages (or newer ones);
    // starts at the newest match for a new text. False when none.
    bool step(bool older);
    // The match shown, 0 when none.
    qint64 current() const { return m_current; }

    void retranslate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void close();
    void place();
    int searchFlags() const;
    void showCount(int position, int count, bool more);

    HistoryPane *m_history;
    QWidget *m_view;
    QLineEdit *m_text = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QLabel *m_count = nullptr;
    QToolButton *m_older = nullptr;
    QToolButton *m_newer = nullptr;
    QToolButton *m_close = nullptr;
    QAction *m_find = nullptr;
    QAction *m_next = nullptr;
    QAction *m_previous = nullptr;
    QString m_searched; // the text the current match belongs to
    bool m_searchedCase = false;
    qint64 m_current = 0;
};
