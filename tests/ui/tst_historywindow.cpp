// The history view over a conversation far longer than what it renders:
// appends and the scroll rule across trims, a selection across a trim, and
// finding in the whole conversation.

#include "windowfixture.h"

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

private:
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

QTEST_MAIN(tst_HistoryWindow)
#include "tst_historywindow.moc"
