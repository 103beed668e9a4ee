#pragma once

#include <QObject>

#include <cstdint>

class HistoryPane;
class QScrollBar;
class TextBrowser;

// The history view's scroll bar over the whole conversation, not only the
// window of it the view has rendered: its range stands for every message
// the host stores (at the rendered messages' average height) and its thumb
// for where the view's top is among them, so that a user a few pages back in
// a conversation of 100,000 messages sees the thumb near the bottom.
//
// It covers the view's own bar, which keeps doing the scrolling: wheels,
// keys, arrows and page clicks go to that bar as before (pages come in at
// the window's ends, the reading position kept). Only the thumb reaches
// further: dragged within the window it scrolls at once; let go at a place
// outside the window, the page there is shown (one page asked of the host
// per drag, never one per pixel); at the top the first message, at the
// bottom the newest, from where the view follows new messages again.
// The bar's own menu reaches as far ("Scroll here", top, bottom).
//
// The host is asked where the window stands only when the window's ends
// change. A host that cannot say leaves the view's own bar in sight.
class ConversationScrollBar : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ConversationScrollBar)

public:
    // `view` and `pane` are not owned and must outlive this object.
    ConversationScrollBar(TextBrowser *view, HistoryPane *pane, QObject *parent = nullptr);
    ~ConversationScrollBar() override;

    // The bar the user sees (a child of the view's own bar).
    QScrollBar *bar() const { return m_bar; }
    // Whether it stands for the whole conversation: the host said where
    // the window stands.
    bool isActive() const { return m_ordinal >= 0; }

    // Follows the view's scrolling and the window's contents.
    void sync();
    // Shows what the bar's value `value` stands for, as a drag let go there.
    void goTo(int value);

    // Bar units are pixels, fewer when a conversation's pixels would not
    // fit an int.
    static constexpr int MaxUnits = 1 << 30;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onAction(int action);
    void onSliderMoved(int value);
    // The view's own bar's value for a place in the conversation (pixels
    // from its start), when the window holds it.
    bool inWindow(double pixels, int *value) const;

    TextBrowser *m_view = nullptr;   // not owned
    HistoryPane *m_pane = nullptr;   // not owned
    QScrollBar *m_native = nullptr;  // the view's own bar
    QScrollBar *m_bar = nullptr;     // owned by m_native
    // What the host said for the window last asked about.
    qint64 m_oldestId = -1;
    qint64 m_newestId = -1;
    int m_shown = -1;
    qint64 m_ordinal = -1;
    std::int64_t m_total = 0;
    double m_perMessage = 1.0; // average rendered height of a message
    double m_scale = 1.0;      // pixels per bar unit
    bool m_syncing = false;
};
