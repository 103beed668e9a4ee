// The history view over a conversation far longer than what it renders:
// appends and the scroll rule across trims, a selection across a trim,
// finding in the whole conversation, and a scroll bar over all of it.

#include "windowfixture.h"

#include "ui/chat/conversationscrollbar.h"
#include "ui/chat/findbar.h"
#include "ui/chat/historypane.h"
#include "ui/chat/renderedhistory.h"
#include "ui/chat/textbrowser.h"
#include "ui/chat/textedit.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QtTest>

namespace {

const QByteArray Peer = "1005";
constexpr int Window = 20;

QString numbered(int i)
{
    return QStringLiteral("line %1.").arg(i, 4, 10, QLatin1Char('0'));
}

// Where the text stands in the view (its top, viewport pixels); INT_MIN
// when the view does not hold it.
int topOf(TextBrowser *view, const QString &text)
{
    const QTextCursor at = view->document()->find(text);
    return at.isNull() ? INT_MIN : view->cursorRect(at).top();
}

// Shortcuts reach only the active window.
bool activate(ChatWindow *window)
{
    QApplication::setActiveWindow(window);
    window->editor()->setFocus();
    return QTest::qWaitForWindowActive(window);
}

} // namespace

class tst_HistoryWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void appendsKeepTheWindowBounded_data();
    void appendsKeepTheWindowBounded();
    void selectionSurvivesATrim();
    void findWalksTheWholeConversation();
    void pagingForwardFromAMessageFarBack();
    void scrollBarStandsForTheWholeConversation_data();
    void scrollBarStandsForTheWholeConversation();
    void hostWithoutPlacesKeepsTheViewsOwnBar();

private:
    // Index in m_ids of the message at the top of the view; -1 for none.
    int topIndex(ChatWindow *window) const;
    // `stored` messages, numbered, some with more text.
    ChatWindow *openLong(int stored, int pageSize, const QHash<int, QByteArray> &more = {});
    std::unique_ptr<WindowFixture> m_f;
    QList<qint64> m_ids;
};

void tst_HistoryWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_f = std::make_unique<WindowFixture>();
    QVERIFY2(m_f->host->isReady(), qPrintable(m_f->host->error()));
}

void tst_HistoryWindow::init()
{
    m_f->reset();
    m_f->host->store().clear(Peer);
    m_f->host->setPageSize(100);
    m_f->host->setAnswersOrdinals(true);
    m_ids.clear();
}

void tst_HistoryWindow::cleanupTestCase()
{
    m_f.reset();
}

ChatWindow *tst_HistoryWindow::openLong(int stored, int pageSize, const QHash<int, QByteArray> &more)
{
    const QDateTime start(QDate(2026, 1, 1), QTime(8, 0), Qt::UTC);
    for (int i = 0; i < stored; ++i)
        m_ids << m_f->store(Peer, numbered(i).toUtf8() + more.value(i), start.addSecs(3600 * 5 * i));
    m_f->host->setPageSize(pageSize);
    ChatWindow *window = m_f->open(Peer);
    if (window)
        window->history()->setWindowSize(Window);
    return window;
}

// At the bottom the newest message is in view and the oldest go; scrolled
// up, the line read stays on its pixel while trims take messages on either
// side, and the marker says there is more below.
void tst_HistoryWindow::appendsKeepTheWindowBounded_data()
{
    QTest::addColumn<bool>("scrolledUp");
    QTest::newRow("at the bottom: follows and trims the oldest") << false;
    QTest::newRow("scrolled up: stays put and shows the marker") << true;
}

void tst_HistoryWindow::appendsKeepTheWindowBounded()
{
    QFETCH(bool, scrolledUp);
    ChatWindow *window = openLong(Window, Window);
    QVERIFY(window);
    TextBrowser *view = window->historyView();
    QScrollBar *bar = view->verticalScrollBar();
    QWidget *marker = window->findChild<QWidget *>(QStringLiteral("NewMessages"));
    const RenderedHistory &shown = window->renderedHistory();
    QCOMPARE(bar->value(), bar->maximum());
    const QString read = numbered(Window / 2);
    if (scrolledUp)
        bar->setValue(bar->value() + topOf(view, read));
    const int readAt = topOf(view, read);
    for (int i = 0; i < 4 * Window + HistoryPane::TrimSlack; ++i) {
        m_f->receive(Peer, QStringLiteral("new %1.").arg(i).toUtf8());
        QVERIFY(shown.size() <= Window + HistoryPane::TrimSlack);
        if (scrolledUp) {
            QCOMPARE(topOf(view, read), readAt);
        } else {
            QCOMPARE(bar->value(), bar->maximum());
            QCOMPARE(shown.newestId(), m_f->host->store().lastEventId());
        }
    }
    QCoreApplication::processEvents();
    QCOMPARE(marker->isVisible(), scrolledUp);
    QCOMPARE(shown.contains(m_ids.first()), scrolledUp);
    // The marker (or being at the bottom) leads to the newest message.
    window->history()->goToLast();
    QCOMPARE(shown.newestId(), m_f->host->store().lastEventId());
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(!marker->isVisible());
}

// A selection keeps the messages it spans while others come and go, so
// copying gives what was selected.
void tst_HistoryWindow::selectionSurvivesATrim()
{
    ChatWindow *window = openLong(Window, Window);
    QVERIFY(window);
    TextBrowser *view = window->historyView();
    QTextCursor selection = view->document()->find(numbered(0));
    QVERIFY(!selection.isNull());
    selection.setPosition(selection.selectionStart());
    selection.setPosition(view->document()->find(numbered(Window - 2)).selectionEnd(), QTextCursor::KeepAnchor);
    view->setTextCursor(selection);
    const QString selected = view->textCursor().selectedText();
    for (int i = 0; i < (HistoryPane::HardLimitFactor - 1) * Window; ++i)
        m_f->receive(Peer, QStringLiteral("new %1.").arg(i).toUtf8());
    QVERIFY(window->renderedHistory().size() > Window + HistoryPane::TrimSlack);
    QCOMPARE(view->textCursor().selectedText(), selected);
    view->copy();
    QCOMPARE(QApplication::clipboard()->text().count(QStringLiteral("line ")), Window - 1);
}

// Find asks the host about the whole conversation: a match far outside
// the window is brought in and marked, the count follows edits and
// deletions, match case narrows, Escape clears the mark.
void tst_HistoryWindow::findWalksTheWholeConversation()
{
    ChatWindow *window = openLong(300, 40, {{5, " a Needle"}, {150, " NEEDLE"}, {296, " needles"}});
    QVERIFY(window);
    auto *bar = window->findChild<FindBar *>();
    QVERIFY(bar);
    QVERIFY(!bar->isVisible());
    QVERIFY(activate(window));
    QTest::keyClick(window->editor(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(bar->isVisible());
    auto *text = bar->findChild<QLineEdit *>(QStringLiteral("FindText"));
    auto *count = bar->findChild<QLabel *>(QStringLiteral("FindCount"));
    QVERIFY(text->hasFocus());
    QTest::keyClicks(text, QStringLiteral("needle"));
    TextBrowser *view = window->historyView();
    const auto marked = [view] {
        const QList<QTextEdit::ExtraSelection> marks = view->extraSelections();
        return marks.isEmpty() ? QString() : marks.first().cursor.selectedText();
    };
    const QList<qint64> newestFirst{m_ids.at(296), m_ids.at(150), m_ids.at(5), m_ids.at(296)};
    for (int i = 0; i < newestFirst.size(); ++i) {
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(bar->current(), newestFirst.at(i));
        QVERIFY(window->renderedHistory().contains(newestFirst.at(i)));
        QCOMPARE(marked().toLower(), QStringLiteral("needle"));
        // Scrolled to: the mark stands inside the view.
        QVERIFY(view->viewport()->rect().contains(view->cursorRect(view->extraSelections().first().cursor).center()));
        QCOMPARE(count->text(), QStringLiteral("%1 of 3").arg(i % 3 + 1));
    }
    QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(bar->current(), m_ids.at(5));
    QVERIFY(window->renderedHistory().size() <= Window + HistoryPane::TrimSlack);

    // The store changes: an edit takes one match away, a deletion another.
    QVERIFY(m_f->host->store().setText(m_ids.at(150), "line 0150. gone", true));
    QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(bar->current(), m_ids.at(296));
    QCOMPARE(count->text(), QStringLiteral("1 of 2"));
    QVERIFY(m_f->host->store().markDeleted(m_ids.at(5)));
    QTest::keyClick(text, Qt::Key_F3);
    QCOMPARE(bar->current(), m_ids.at(296));
    QCOMPARE(count->text(), QStringLiteral("1 of 1"));

    bar->findChild<QCheckBox *>(QStringLiteral("MatchCase"))->setChecked(true);
    text->setText(QStringLiteral("Needle"));
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(bar->current(), qint64(0));
    QCOMPARE(count->text(), QStringLiteral("No matches"));
    QVERIFY(marked().isEmpty());

    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
    QVERIFY(window->isVisible());
}

// From a message brought in far back, newer pages come in below as the
// user reaches the bottom, the line read staying on its pixel, until the
// window reaches the newest message; Ctrl+Home goes back to the first.
void tst_HistoryWindow::pagingForwardFromAMessageFarBack()
{
    ChatWindow *window = openLong(200, 10);
    QVERIFY(window);
    HistoryPane *history = window->history();
    const RenderedHistory &shown = window->renderedHistory();
    QVERIFY(history->bringIn(m_ids.at(20)));
    QVERIFY(!shown.contains(m_ids.last()));
    QVERIFY(!history->showsNewest());
    TextBrowser *view = window->historyView();
    QScrollBar *bar = view->verticalScrollBar();
    int loads = 0;
    for (; loads < 100; ++loads) {
        bar->triggerAction(QAbstractSlider::SliderToMaximum); // as the user does
        const QString read = numbered(m_ids.indexOf(shown.newestId()));
        const int at = topOf(view, read);
        if (!history->loadNewer())
            break;
        QCOMPARE(topOf(view, read), at);
        QVERIFY(shown.size() <= Window + HistoryPane::TrimSlack);
    }
    QVERIFY(loads >= 17);
    QVERIFY(history->showsNewest());
    QCOMPARE(shown.newestId(), m_ids.last());
    // Ctrl+Home: the window moves to the first message, at the top.
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(shown.oldestId(), m_ids.first());
    QVERIFY(history->showsFirst() && !history->showsNewest());
    QCOMPARE(bar->value(), 0);
    QVERIFY(shown.size() <= Window + HistoryPane::TrimSlack);
}

int tst_HistoryWindow::topIndex(ChatWindow *window) const
{
    for (int y = 0; y < 60; y += 2) {
        if (const qint64 id = window->history()->messageAt(QPoint(20, y)))
            return m_ids.indexOf(id);
    }
    return -1;
}

// Wherever the view stands, the thumb stands there in the whole
// conversation, not in the rendered window; let go outside the window, the
// thumb brings in the page it points at, with one host query. A view taken
// up the conversation is a reader of older history: a new message leaves
// it where it is.
void tst_HistoryWindow::scrollBarStandsForTheWholeConversation_data()
{
    QTest::addColumn<QString>("move");
    QTest::addColumn<int>("expectedTop"); // index of the message at the top; -1: any
    QTest::addColumn<int>("pagesAsked");  // messagesPageAt calls
    QTest::newRow("newest page: the thumb at the bottom") << "" << -1 << 0;
    QTest::newRow("paged back at the top: the thumb only a little way up") << "page back" << -1 << 0;
    QTest::newRow("a message far back brought in: the thumb far up") << "bring in 300" << -1 << 0;
    QTest::newRow("let go in the middle: the middle of the conversation") << "middle" << 1000 << 1;
    QTest::newRow("dragged: one page when let go, none on the way") << "drag" << 1000 << 1;
    QTest::newRow("the bar's own \"Scroll here\" in the middle") << "scroll here" << 1000 << 1;
    QTest::newRow("a page up on the bar: the view's own page step") << "page up" << -1 << 0;
    QTest::newRow("let go at the top: the first message") << "top" << 0 << 0;
    QTest::newRow("let go at the bottom after the middle: the newest") << "middle, bottom" << 1999 << 1;
}

void tst_HistoryWindow::scrollBarStandsForTheWholeConversation()
{
    QFETCH(QString, move);
    QFETCH(int, expectedTop);
    QFETCH(int, pagesAsked);
    constexpr int Stored = 2000;
    ChatWindow *window = openLong(Stored, 40);
    QVERIFY(window);
    QCoreApplication::processEvents(); // the first show's scroll to the bottom
    HistoryPane *history = window->history();
    ConversationScrollBar *companion = history->scrollBar();
    QScrollBar *bar = companion->bar();
    TextBrowser *view = window->historyView();
    QScrollBar *own = view->verticalScrollBar();
    QVERIFY(companion->isActive() && bar->isVisible());
    m_f->host->journal().clear();
    for (const QString &step : move.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const int ownBefore = own->value();
        if (step == QLatin1String("page back")) {
            const qint64 oldest = window->renderedHistory().oldestId();
            own->triggerAction(QAbstractSlider::SliderToMinimum);
            for (int i = 0; i < 5 && window->renderedHistory().oldestId() == oldest; ++i)
                QCoreApplication::processEvents();
        } else if (step.startsWith(QLatin1String("bring in "))) {
            QVERIFY(history->bringIn(m_ids.at(step.mid(9).toInt())));
        } else if (step == QLatin1String("middle") || step == QLatin1String("top")) {
            companion->goTo(step == QLatin1String("top") ? 0 : bar->maximum() / 2);
        } else if (step == QLatin1String("bottom")) {
            companion->goTo(bar->maximum());
        } else if (step == QLatin1String("drag")) {
            bar->setSliderDown(true);
            for (int i = 1; i <= 10; ++i)
                bar->setSliderPosition(bar->maximum() - i * bar->maximum() / 20);
            bar->setSliderDown(false);
        } else if (step == QLatin1String("scroll here")) {
            bar->setSliderPosition(bar->maximum() / 2);
            QCoreApplication::processEvents();
        } else if (step == QLatin1String("page up")) {
            bar->triggerAction(QAbstractSlider::SliderPageStepSub);
            QCOMPARE(own->value(), ownBefore - own->pageStep());
        }
    }
    QCOMPARE(m_f->host->journal().count("messagesPageAt"), pagesAsked);
    const int top = topIndex(window);
    QVERIFY(top >= 0);
    if (expectedTop == Stored - 1)
        QVERIFY(history->showsNewest() && view->isAtBottom());
    else if (expectedTop >= 0)
        QVERIFY2(qAbs(top - expectedTop) <= (expectedTop ? Stored / 50 : 0), qPrintable(QString::number(top)));
    // The thumb's place on its track is the top message's place among all.
    const double thumb = double(bar->value()) / (bar->maximum() + bar->pageStep());
    QVERIFY2(qAbs(thumb - double(top) / Stored) < 0.02, qPrintable(QStringLiteral("%1 at %2").arg(top).arg(thumb)));
    const bool atBottom = move.isEmpty() || move.endsWith(QLatin1String("bottom"));
    QCOMPARE(bar->value() == bar->maximum(), atBottom);

    m_f->receive(Peer, "new one.");
    QCoreApplication::processEvents();
    if (atBottom)
        QVERIFY(view->isAtBottom());
    else
        QCOMPARE(topIndex(window), top);
    QCOMPARE(window->findChild<QWidget *>(QStringLiteral("NewMessages"))->isVisible(), !atBottom);
}

// A host that cannot say where a message stands: the view's own bar, over
// what is rendered, stays in sight.
void tst_HistoryWindow::hostWithoutPlacesKeepsTheViewsOwnBar()
{
    m_f->host->setAnswersOrdinals(false);
    ChatWindow *window = openLong(200, 40);
    QVERIFY(window);
    QCoreApplication::processEvents(); // the first show's scroll to the bottom
    QVERIFY(!window->history()->scrollBar()->isActive());
    QVERIFY(!window->history()->scrollBar()->bar()->isVisible());
    QVERIFY(window->historyView()->verticalScrollBar()->isVisible());
}

QTEST_MAIN(tst_HistoryWindow)
#include "tst_historywindow.moc"
