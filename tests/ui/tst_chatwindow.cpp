// The chat window against hostkit: typing notices, sending, closing,
// alerts, nudges, history loading and paging, titles and the settings bar.

#include "windowfixture.h"

#include "ui/chat/conferenceuserswidget.h"
#include "ui/chat/historypane.h"
#include "ui/chat/renderedhistory.h"
#include "ui/chat/spelllanguagecontrol.h"
#include "ui/chat/nudgeshaker.h"
#include "ui/chat/textbrowser.h"
#include "ui/chat/textedit.h"
#include "ui/chat/userinfoframe.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QToolButton>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QAbstractTextDocumentLayout>
#include <QToolBar>
#include <QtTest>

// Opens the chat window with `id` into `var`; the test stops when it did not open.
#define OPEN_WINDOW(var, id) ChatWindow *var = m_f->open(id); QVERIFY(var)

namespace {

QString historyText(ChatWindow *window)
{
    return window->historyView()->toPlainText();
}

void typeInto(ChatWindow *window, const QString &text)
{
    QTest::keyClicks(window->editor(), text);
}

void pressReturn(ChatWindow *window, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window->editor(), Qt::Key_Return, modifiers);
}

// Shortcuts reach only the active window.
bool activate(ChatWindow *window)
{
    QApplication::setActiveWindow(window);
    window->editor()->setFocus();
    return QTest::qWaitForWindowActive(window);
}

// Horizontal rules in the history: the default date separator draws one.
int rules(ChatWindow *window)
{
    int n = 0;
    const QTextDocument *document = window->historyView()->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth))
            ++n;
    }
    return n;
}

} // namespace

class tst_ChatWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void formAndNames();
    void titles_data();
    void titles();
    void inputDisabledForRoomWithoutMembers();
    void typingNotices_data();
    void typingNotices();
    void sendingShowsTheMessageAndKeepsFormat();
    void closingAsksAboutUnsentText_data();
    void closingAsksAboutUnsentText();
    void incomingTypingNoticesStayCheap();
    void alerts_data();
    void alerts();
    void alertsSilenced_data();
    void alertsSilenced();
    void duplicatesSkipped();
    void dateSeparatorsOnlyBetweenDays();
    void pagingKeepsReadingPosition();
    void newMessagesNeverMoveAReader_data();
    void newMessagesNeverMoveAReader();
    void pagingBackThroughATrimmedWindow();
    void nudgeSentShakesOnce();
    void nudgeReceivedDuringShakeAlertsWithoutRestart();
    void automaticReplyOnce_data();
    void automaticReplyOnce();
    void perPeerToggles_data();
    void perPeerToggles();
    void formattingActionsFollowTheCursor();
    void spellLanguageChoiceIsStored();
    void missingDictionaryIsSaid();
    void messageForClosedWindowIsIgnored();
    void crossThreadAppendRunsOnGuiThread();
    void recordsTheHostCannotLoad();
    void documentResources();
    void roomParticipants();
    void textsComeBackOnLanguageChange();
    void peerHeaderToggleIsStoredAtOnce();
    void peerTextsStayText();
    void emoticonsAnimateWhileActive();

private:
    std::unique_ptr<WindowFixture> m_f;
};

void tst_ChatWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_f = std::make_unique<WindowFixture>();
    QVERIFY2(m_f->host->isReady(), qPrintable(m_f->host->error()));
}

void tst_ChatWindow::init()
{
    m_f->reset();
}

void tst_ChatWindow::cleanupTestCase()
{
    m_f.reset();
}

void tst_ChatWindow::formAndNames()
{
    OPEN_WINDOW(window, "1001");
    QCOMPARE(window->objectName(), QStringLiteral("Main"));
    QCOMPARE(window->property("class").toString(), QStringLiteral("Frame Chat"));
    QCOMPARE(window->editor()->objectName(), QStringLiteral("Send"));
    QCOMPARE(window->historyView()->objectName(), QStringLiteral("Receive"));
    QCOMPARE(window->sendButton()->property("class").toString(), QStringLiteral("Button Chat"));
    QCOMPARE(window->statusBar()->property("class").toString(), QStringLiteral("StatusBar Chat"));
    QCOMPARE(window->settingsBar()->objectName(), QStringLiteral("Settings"));
    QVERIFY(window->windowFlags() & Qt::WindowMinMaxButtonsHint);
    QVERIFY(window->acceptDrops());
    // Bold, italic, underline, tools, attach, nudge, send picture, quick
    // text, emoticons, the two toggles and the spell menu.
    for (int id : {0, 1, 2, 6, 10, 7, 14, 8, 9, 11, 12, 13})
        QVERIFY2(window->settingsAction(id), qPrintable(QString::number(id)));
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("Spacer")));
    // Tips show the text, not its shortcut mark.
    QCOMPARE(window->settingsAction(ChatWindow::ActionBold)->toolTip(), QStringLiteral("Bold"));
}

void tst_ChatWindow::titles_data()
{
    QTest::addColumn<QByteArray>("id");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::newRow("online without status message") << QByteArray("1001") << 1 << QString() << "Bea Hansen - Chat";
    QTest::newRow("away shows the status name") << QByteArray("1002") << 2 << QString() << "Chris Ortega (Away) - Chat";
    QTest::newRow("online with a status message") << QByteArray("1001") << 1 << "At lunch" << "Bea Hansen (At lunch) - Chat";
    QTest::newRow("room online") << QByteArray("5001") << 1 << QString() << "Project Lighthouse - Chat Room";
}

void tst_ChatWindow::titles()
{
    QFETCH(QByteArray, id);
    QFETCH(int, status);
    QFETCH(QString, message);
    hostkit::Contact *contact = m_f->host->profile().find(id);
    const int oldStatus = contact->status;
    const QString oldMessage = contact->statusMessage;
    contact->status = status;
    contact->statusMessage = message;
    ChatWindow *window = m_f->open(id);
    contact->status = oldStatus;
    contact->statusMessage = oldMessage;
    QVERIFY(window);
    QTEST(window->windowTitle(), "title");
}

void tst_ChatWindow::inputDisabledForRoomWithoutMembers()
{
    // A room record alone: the room is still being joined.
    OPEN_WINDOW(window, "5001");
    QVERIFY(!window->editor()->isEnabled());
    QVERIFY(!window->sendButton()->isEnabled());
    QVERIFY(!window->settingsBar()->isEnabled());
    QCOMPARE(window->historyView()->objectName(), QStringLiteral("ReceiveConf"));
    window->enableInput();
    QVERIFY(window->editor()->isEnabled());
    QVERIFY(!window->sendButton()->isEnabled());
    typeInto(window, "hi");
    QVERIFY(window->sendButton()->isEnabled());
    window->disableInput();
    QVERIFY(window->editor()->toPlainText().isEmpty());
    QVERIFY(!window->sendButton()->isEnabled());
}

void tst_ChatWindow::typingNotices_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("notices");
    QTest::newRow("emptied in between sends two") << "type:hello|clear|type:again" << 2;
    QTest::newRow("sent in between sends two") << "type:hello|send|type:again" << 2;
}

void tst_ChatWindow::typingNotices()
{
    QFETCH(QString, steps);
    OPEN_WINDOW(window, "1001");
    m_f->host->journal().clear();
    for (const QString &step : steps.split(QLatin1Char('|'))) {
        const QString argument = step.section(QLatin1Char(':'), 1);
        if (step.startsWith(QLatin1String("type:")))
            typeInto(window, argument);
        else if (step == QLatin1String("clear"))
            window->editor()->clear();
        else if (step == QLatin1String("send"))
            pressReturn(window);
    }
    QTEST(m_f->calls("sendControl", QStringLiteral("WRITING")), "notices");
}

void tst_ChatWindow::sendingShowsTheMessageAndKeepsFormat()
{
    OPEN_WINDOW(window, "1001");
    const QFont before = window->editor()->currentCharFormat().font();
    typeInto(window, "Hello ");
    window->settingsAction(ChatWindow::ActionBold)->trigger();
    typeInto(window, "there");
    pressReturn(window);
    QCOMPARE(m_f->calls("sendInstantMessage", QStringLiteral("Hello [b]there[/b]")), 1);
    QVERIFY(window->editor()->toPlainText().isEmpty());
    QVERIFY(!window->sendButton()->isEnabled());
    QVERIFY(historyText(window).contains(QStringLiteral("Hello there")));
    // The default format is back for the next message.
    QCOMPARE(window->editor()->currentCharFormat().font().weight(), before.weight());
}

void tst_ChatWindow::closingAsksAboutUnsentText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("viaEscape");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Escape with an empty editor closes at once") << QString() << true << int(platform::Prompt::NoButton) << true;
    QTest::newRow("Escape, unsent text, No keeps the window") << "draft" << true << int(platform::Prompt::No) << false;
    QTest::newRow("Escape, unsent text, Yes closes") << "draft" << true << int(platform::Prompt::Yes) << true;
    QTest::newRow("closing with only blanks asks too") << "   " << false << int(platform::Prompt::No) << false;
}

void tst_ChatWindow::closingAsksAboutUnsentText()
{
    QFETCH(QString, typed);
    QFETCH(bool, viaEscape);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    OPEN_WINDOW(window, "1001");
    QPointer<ChatWindow> guard(window);
    typeInto(window, typed);
    // Blanks are nothing to send, yet something to lose.
    QCOMPARE(window->sendButton()->isEnabled(), !typed.trimmed().isEmpty());
    if (!window->sendButton()->isEnabled())
        pressReturn(window);
    if (answer != platform::Prompt::NoButton)
        m_f->prompt.enqueue(platform::Prompt::Button(answer));
    if (viaEscape)
        QTest::keyClick(window->editor(), Qt::Key_Escape);
    else
        window->close();
    QCOMPARE(int(m_f->prompt.asked().size()), typed.isEmpty() ? 0 : 1);
    if (!typed.isEmpty()) {
        const platform::Prompt::Box &box = m_f->prompt.asked().front();
        QCOMPARE(box.buttons, platform::Prompt::Buttons(platform::Prompt::Yes | platform::Prompt::No));
        QCOMPARE(box.defaultButton, platform::Prompt::No);
    }
    QCOMPARE(m_f->calls("sendInstantMessage"), 0);
    QCOMPARE(m_f->chat().manager().count(), closes ? 0 : 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(guard.isNull(), closes);
    if (!closes)
        QCOMPARE(window->editor()->toPlainText(), typed);
}

void tst_ChatWindow::incomingTypingNoticesStayCheap()
{
    OPEN_WINDOW(window, "1001");
    const int before = window->renderedHistory().size();
    const hostkit::HostUser bea(*m_f->host->profile().find("1001"));
    const QByteArray record = hostkit::Network::controlRecord("WRITING", QByteArray(), QByteArray());
    // A flood only says so in the status bar; the history does not grow.
    for (int i = 0; i < 5000; ++i)
        m_f->chat().onCommand(&bea, record);
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Bea Hansen is typing..."));
    QCOMPARE(window->renderedHistory().size(), before);
    // The notice goes by itself after five seconds.
    m_f->clock.advance(ChatWindow::TypingNoticeMs - 1);
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Bea Hansen is typing..."));
    m_f->clock.advance(1);
    QVERIFY(window->statusBar()->currentMessage().isEmpty());
    m_f->chat().onCommand(&bea, record);
    m_f->receive("1001", "done typing");
    QVERIFY(window->statusBar()->currentMessage().isEmpty());
    // A notice from someone outside the conversation says nothing.
    window->showTypingNotice("1003");
    QVERIFY(window->statusBar()->currentMessage().isEmpty());
}

void tst_ChatWindow::alerts_data()
{
    QTest::addColumn<int>("playSound");
    QTest::addColumn<int>("showNotification");
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("sounds");
    QTest::addColumn<int>("popups");
    QTest::addColumn<int>("flashes");
    QTest::newRow("play_sound 0 plays even when active") << 0 << 2 << "active" << 1 << 0 << 0;
    QTest::newRow("inactive with popups when inactive") << 1 << 2 << "inactive" << 1 << 1 << 1;
    QTest::newRow("minimized with first-message popups") << 1 << 1 << "minimized" << 1 << 1 << 1;
}

void tst_ChatWindow::alerts()
{
    QFETCH(int, playSound);
    QFETCH(int, showNotification);
    QFETCH(QString, state);
    QFETCH(int, sounds);
    QFETCH(int, popups);
    QFETCH(int, flashes);
    m_f->settings().setPlaySound(playSound);
    m_f->settings().setShowNotification(showNotification);
    OPEN_WINDOW(window, "1001");
    if (state == QLatin1String("active")) {
        QApplication::setActiveWindow(window);
        QTRY_VERIFY(window->isActiveWindow());
    } else {
        QApplication::setActiveWindow(nullptr);
        if (state == QLatin1String("minimized"))
            window->showMinimized();
        QTRY_VERIFY(!window->isActiveWindow());
    }
    m_f->alerts.clear();
    const int soundsBefore = m_f->host->sounds().size();
    const int popupsBefore = m_f->host->popups().size();
    m_f->receive("1001", "[b]Hi[/b] there");
    QCOMPARE(m_f->host->sounds().size() - soundsBefore, sounds);
    QCOMPARE(m_f->host->popups().size() - popupsBefore, popups);
    QCOMPARE(int(m_f->alerts.flashes().size()), flashes);
    if (flashes) {
        const RecordingWindowAlert::Flash flash = m_f->alerts.flashes().front();
        QCOMPARE(flash.window.data(), static_cast<QWidget *>(window));
        QCOMPARE(flash.count, 10);
        QCOMPARE(flash.intervalMs, 0);
    }
    if (popups) {
        const hostkit::Host::Popup popup = m_f->host->popups().last();
        QCOMPARE(popup.title, QStringLiteral("Bea Hansen"));
        QCOMPARE(popup.text, QStringLiteral("Hi there"));
        QCOMPARE(popup.senderId, QByteArray("1001"));
    }
    QCOMPARE(window->hasUnreadMark(), state != QLatin1String("active"));
    QApplication::setActiveWindow(nullptr);
}

void tst_ChatWindow::alertsSilenced_data()
{
    QTest::addColumn<QString>("why");
    QTest::newRow("notifications off for the peer") << "notifications";
    QTest::newRow("host number zero") << "host number";
    QTest::newRow("sender unknown to the host") << "unknown sender";
}

void tst_ChatWindow::alertsSilenced()
{
    QFETCH(QString, why);
    m_f->settings().setPlaySound(0);
    OPEN_WINDOW(window, "1001");
    QByteArray sender = "1001";
    if (why == QLatin1String("notifications"))
        m_f->settings().setNotificationsEnabled(QStringLiteral("1001"), false);
    else if (why == QLatin1String("host number"))
        window->onHostNumberChanged(true);
    else
        sender = "9999";
    const int soundsBefore = m_f->host->sounds().size();
    const int popupsBefore = m_f->host->popups().size();
    window->alertIncoming(0, sender, QByteArray(), QStringLiteral("hello"), 0);
    QCOMPARE(m_f->host->sounds().size(), soundsBefore);
    QCOMPARE(m_f->host->popups().size(), popupsBefore);
    QVERIFY(m_f->alerts.flashes().empty());
    window->onHostNumberChanged(false);
}

void tst_ChatWindow::duplicatesSkipped()
{
    OPEN_WINDOW(window, "1001");
    const int before = window->renderedHistory().size();
    const qint64 id = m_f->receive("1001", "only once");
    m_f->deliver(id);
    m_f->deliver(id);
    QCOMPARE(historyText(window).count(QStringLiteral("only once")), 1);
    QCOMPARE(window->renderedHistory().size(), before + 1);
    QVERIFY(window->renderedHistory().contains(id));
    QCOMPARE(m_f->calls("messagesAfter"), 3);
}

void tst_ChatWindow::dateSeparatorsOnlyBetweenDays()
{
    // The clock stands at noon; yesterday morning, then this morning.
    const QDateTime yesterday = m_f->clock.now().addDays(-1).addSecs(-3 * 3600);
    m_f->store("1004", "first of yesterday", yesterday);
    m_f->store("1004", "second of yesterday", yesterday.addSecs(3600));
    m_f->store("1004", "this morning", yesterday.addDays(1));
    OPEN_WINDOW(window, "1004");
    QCOMPARE(rules(window), 1);
    m_f->receive("1004", "still day two");
    QCOMPARE(rules(window), 1);
    m_f->clock.advance(24LL * 3600 * 1000);
    m_f->receive("1004", "a new day");
    QCOMPARE(rules(window), 2);
}

void tst_ChatWindow::pagingKeepsReadingPosition()
{
    m_f->host->setPageSize(20);
    const QDateTime start(QDate(2026, 2, 1), QTime(8, 0), Qt::UTC);
    for (int i = 0; i < 50; ++i)
        m_f->store("1003", QByteArray("message number ") + QByteArray::number(i), start.addSecs(60 * i), i % 2);
    OPEN_WINDOW(window, "1003");
    window->resize(500, 400);
    // The first show's scroll to the bottom.
    QCoreApplication::processEvents();
    QCOMPARE(window->renderedHistory().size(), 20);
    TextBrowser *view = window->historyView();
    // Scrolling to the top asks for more.
    view->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    QTRY_VERIFY(window->renderedHistory().size() > 20);
    // Ctrl+Home goes to the very first message, Ctrl+End back to the last.
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
    // Once the first message is shown the host is not asked again.
    const int asked = m_f->calls("messagesBefore");
    QVERIFY(!window->loadOlderMessages());
    view->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    QCoreApplication::processEvents();
    QCOMPARE(m_f->calls("messagesBefore"), asked);
    QCOMPARE(window->renderedHistory().entries().first().eventId, window->renderedHistory().oldestId());
    m_f->host->setPageSize(100);
}

// Columns: automatic scrolling for the peer and whether the user has
// scrolled up to read; switched off, the view follows in neither case.
void tst_ChatWindow::newMessagesNeverMoveAReader_data()
{
    QTest::addColumn<bool>("autoscroll");
    QTest::addColumn<bool>("reading");
    QTest::newRow("at-bottom-autoscroll-off-stays") << false << false;
    QTest::newRow("reading-older-autoscroll-off-stays") << false << true;
}

void tst_ChatWindow::newMessagesNeverMoveAReader()
{
    QFETCH(bool, autoscroll);
    QFETCH(bool, reading);
    m_f->clock.advance(3600 * 1000);
    const QDateTime start = m_f->clock.now().addSecs(-3600);
    for (int i = 0; i < 40; ++i)
        m_f->store("1002", QByteArray("line ") + QByteArray::number(i), start.addSecs(60 * i));
    m_f->settings().setAutoscroll(QStringLiteral("1002"), autoscroll);
    OPEN_WINDOW(window, "1002");
    window->resize(500, 400);
    // The whole document laid out at that width, so the range is final.
    window->historyView()->document()->documentLayout()->documentSize();
    QCoreApplication::processEvents();
    QScrollBar *bar = window->historyView()->verticalScrollBar();
    QVERIFY(bar->maximum() > 100);
    bar->setValue(reading ? bar->maximum() / 2 : bar->maximum());
    const int before = bar->value();
    QWidget *marker = window->findChild<QWidget *>(QStringLiteral("NewMessages"));
    QVERIFY(marker);

    // Clicking into the editor never moves the history.
    QTest::mouseClick(window->editor()->viewport(), Qt::LeftButton);
    QCOMPARE(bar->value(), before);
    m_f->receive("1002", "something new");
    QCoreApplication::processEvents();
    QCOMPARE(bar->value(), before);
    QVERIFY(bar->value() < bar->maximum());
    QVERIFY(marker->isVisible());
    // The marker goes down to the new message and goes away.
    QTest::mouseClick(marker, Qt::LeftButton);
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(!marker->isVisible());
}

// Paging back to the first message through a window that holds far less:
// the window stays bounded, the line the user reads stays on its pixel, and
// the date separators match the days of what is shown after every trim.
void tst_ChatWindow::pagingBackThroughATrimmedWindow()
{
    m_f->host->setPageSize(10);
    const QDateTime start(QDate(2026, 1, 1), QTime(8, 0), Qt::UTC);
    for (int i = 0; i < 300; ++i)
        m_f->store("1005", QStringLiteral("old %1.").arg(i, 4, 10, QLatin1Char('0')).toUtf8(), start.addSecs(3600 * 7 * i));
    OPEN_WINDOW(window, "1005");
    window->history()->setWindowSize(30);
    TextBrowser *view = window->historyView();
    QScrollBar *bar = view->verticalScrollBar();
    const RenderedHistory &shown = window->renderedHistory();
    int loads = 0;
    do {
        QVERIFY(shown.size() <= 30 + HistoryPane::TrimSlack);
        int blocks = 0;
        int separators = 0;
        for (int i = 0; i < shown.size(); ++i) {
            const RenderedHistory::Entry &entry = shown.entries().at(i);
            blocks += entry.hasBlock;
            separators += entry.separatorBefore;
            QCOMPARE(entry.separatorBefore, i > 0 && entry.time / 1000000 != shown.entries().at(i - 1).time / 1000000);
        }
        QCOMPARE(view->document()->rootFrame()->childFrames().size(), blocks + separators);
        bar->setValue(0);
        const QString top = QStringLiteral("old %1.").arg(300 - 10 * (loads + 1), 4, 10, QLatin1Char('0'));
        const QTextCursor before = view->document()->find(top);
        QVERIFY2(!before.isNull(), qPrintable(top));
        const int y = view->cursorRect(before).top();
        if (!window->loadOlderMessages())
            break;
        QCOMPARE(view->cursorRect(view->document()->find(top)).top(), y);
        ++loads;
    } while (loads < 100);
    QCOMPARE(loads, 29);
    QVERIFY(historyText(window).contains(QStringLiteral("old 0000.")));
    QVERIFY(!historyText(window).contains(QStringLiteral("old 0299.")));
    m_f->host->setPageSize(100);
}

void tst_ChatWindow::nudgeSentShakesOnce()
{
    OPEN_WINDOW(window, "1001");
    QVERIFY(activate(window));
    QTest::keyClick(window->editor(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(m_f->calls("sendInstantMessage", QStringLiteral("[nudge]")), 1);
    QVERIFY(window->shaker()->isRunning());
    QTest::keyClick(window->editor(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(m_f->calls("sendInstantMessage", QStringLiteral("[nudge]")), 1);
    QVERIFY2(historyText(window).contains(QStringLiteral("You sent a nudge to Bea Hansen.")), qPrintable(historyText(window)));
    QVERIFY(!historyText(window).contains(QStringLiteral("[nudge]")));
}

void tst_ChatWindow::nudgeReceivedDuringShakeAlertsWithoutRestart()
{
    m_f->settings().setShowNotification(2);
    OPEN_WINDOW(window, "1001");
    QApplication::setActiveWindow(nullptr);
    const int popupsBefore = m_f->host->popups().size();
    window->onNudgeReceived("1001");
    QVERIFY(window->shaker()->isRunning());
    for (int i = 0; i < 11; ++i)
        window->shaker()->onTimer();
    const int remaining = window->shaker()->remaining();
    window->onNudgeReceived("1001");
    QCOMPARE(window->shaker()->remaining(), remaining);
    QCOMPARE(m_f->host->popups().size() - popupsBefore, 2);
    QCOMPARE(m_f->host->popups().last().text, QStringLiteral("sends you a nudge"));
    while (window->shaker()->isRunning())
        window->shaker()->onTimer();
    // Receiving nudges switched off: nothing at all.
    m_f->settings().setAllowReceiveNudge(false);
    window->onNudgeReceived("1001");
    QVERIFY(!window->shaker()->isRunning());
    QCOMPARE(m_f->host->popups().size() - popupsBefore, 2);
}

void tst_ChatWindow::automaticReplyOnce_data()
{
    QTest::addColumn<int>("ownStatus");
    QTest::addColumn<QString>("ownText");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("sent");
    QTest::newRow("plain status with an active reply") << 2 << QString() << true << "Auto reply: Back soon";
    QTest::newRow("inactive reply sends nothing") << 2 << QString() << false << QString();
    QTest::newRow("custom status finds its own reply") << 2 << "At the dentist" << true << "Auto reply: Dentist, back at 3";
    QTest::newRow("a status without a reply sends nothing") << 3 << QString() << true << QString();
}

void tst_ChatWindow::automaticReplyOnce()
{
    QFETCH(int, ownStatus);
    QFETCH(QString, ownText);
    QFETCH(bool, active);
    QFETCH(QString, sent);
    SettingsManager &settings = m_f->settings();
    settings.clearAutoReplies();
    settings.setPlainStatusReply(2, QStringLiteral("Back soon"), active);
    settings.setCustomStatusReply(2, QStringLiteral("At the dentist"), QStringLiteral("Dentist, back at 3"), active);
    hostkit::Contact &own = m_f->host->profile().own();
    const int oldStatus = own.status;
    const QString oldText = own.statusMessage;
    own.status = ownStatus;
    own.statusMessage = ownText;
    OPEN_WINDOW(window, "1001");
    m_f->receive("1001", "are you there?");
    m_f->receive("1001", "hello?");
    own.status = oldStatus;
    own.statusMessage = oldText;
    settings.clearAutoReplies();
    QCOMPARE(m_f->calls("sendInstantMessage", QStringLiteral("Auto reply")), sent.isEmpty() ? 0 : 1);
    if (!sent.isEmpty()) {
        QCOMPARE(m_f->calls("sendInstantMessage", sent), 1);
        QVERIFY(historyText(window).contains(sent));
    }
}

void tst_ChatWindow::perPeerToggles_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("onText");
    QTest::addColumn<QString>("offText");
    QTest::newRow("notifications") << int(ChatWindow::ActionNotifications) << "Notifications from Bea Hansen are enabled"
                                   << "Notifications from Bea Hansen are disabled";
    QTest::newRow("autoscroll") << int(ChatWindow::ActionAutoscroll) << "Automatic scroll is On for Bea Hansen"
                                << "Automatic scroll is Off for Bea Hansen";
}

void tst_ChatWindow::perPeerToggles()
{
    QFETCH(int, id);
    QFETCH(QString, onText);
    OPEN_WINDOW(window, "1001");
    QAction *action = window->settingsAction(id);
    QCOMPARE(action->toolTip(), onText);
    action->trigger();
    QTEST(action->toolTip(), "offText");
    const bool stored = id == ChatWindow::ActionNotifications ? m_f->settings().notificationsEnabled(QStringLiteral("1001"))
                                                              : m_f->settings().autoscroll(QStringLiteral("1001"));
    QVERIFY(!stored);
    action->trigger();
    QCOMPARE(action->toolTip(), onText);
}

void tst_ChatWindow::formattingActionsFollowTheCursor()
{
    OPEN_WINDOW(window, "1001");
    QAction *bold = window->settingsAction(ChatWindow::ActionBold);
    QAction *italic = window->settingsAction(ChatWindow::ActionItalic);
    QVERIFY(activate(window));
    typeInto(window, "plain ");
    QTest::keyClick(window->editor(), Qt::Key_B, Qt::ControlModifier);
    QVERIFY(bold->isChecked());
    typeInto(window, "bold");
    QTest::keyClick(window->editor(), Qt::Key_Home);
    QVERIFY(!bold->isChecked());
    QTest::keyClick(window->editor(), Qt::Key_End);
    QVERIFY(bold->isChecked());
    // Ctrl+I reaches the window's italic action, not the editor.
    QTest::keyClick(window->editor(), Qt::Key_I, Qt::ControlModifier);
    QVERIFY(italic->isChecked());
    typeInto(window, "x");
    QVERIFY(window->editor()->currentCharFormat().fontItalic());
}

void tst_ChatWindow::spellLanguageChoiceIsStored()
{
    OPEN_WINDOW(window, "1001");
    // The default language is used, not stored for the contact.
    QTRY_VERIFY(window->editor()->isSpellCheckEnabled());
    QCOMPARE(window->spellLanguage(), m_f->settings().spellLanguage());
    QVERIFY(m_f->settings().contactSpellLanguage(QStringLiteral("1001")).isEmpty());
    window->onChangeSpellCheckLang(QStringLiteral("de_DE"));
    QCOMPARE(m_f->settings().contactSpellLanguage(QStringLiteral("1001")), QStringLiteral("de_DE"));
    QVERIFY(window->settingsAction(ChatWindow::ActionSpellLanguage)->text().startsWith(QStringLiteral("Spell check in ")));
    QTRY_COMPARE(window->editor()->spellLanguage(), QStringLiteral("de_DE"));
    QVERIFY(window->editor()->isSpellCheckEnabled());
    window->onNoSpellChecking();
    QVERIFY(!window->editor()->isSpellCheckEnabled());
    QCOMPARE(window->settingsAction(ChatWindow::ActionSpellLanguage)->text(), QStringLiteral("No spell check"));
    // The next window of this contact starts without checking.
    window->close();
    ChatWindow *again = m_f->open("1001");
    QCOMPARE(again->spellLanguage(), QString::fromLatin1(SpellLanguageControl::NoSpellCheckLanguage));
    QVERIFY(!again->editor()->isSpellCheckEnabled());
    m_f->settings().removeContactSpellLanguage(QStringLiteral("1001"));
}

void tst_ChatWindow::missingDictionaryIsSaid()
{
    m_f->settings().setContactSpellLanguage(QStringLiteral("1001"), QStringLiteral("xx_XX"));
    OPEN_WINDOW(window, "1001");
    QAction *action = window->settingsAction(ChatWindow::ActionSpellLanguage);
    QVERIFY2(!action->text().startsWith(QStringLiteral("Spell check in")), qPrintable(action->text()));
    QVERIFY2(action->toolTip().contains(QStringLiteral("missing")), qPrintable(action->toolTip()));
    QVERIFY2(window->statusBar()->currentMessage().contains(QStringLiteral("missing")),
             qPrintable(window->statusBar()->currentMessage()));
    QVERIFY(!window->editor()->isSpellCheckEnabled());
    // The menu still offers the installed languages.
    action->trigger();
    QTRY_VERIFY(window->spellControl()->menu() && window->spellControl()->menu()->isVisible());
    QVERIFY(window->spellControl()->menu()->actions().size() > 2);
    window->spellControl()->menu()->hide();
    m_f->settings().removeContactSpellLanguage(QStringLiteral("1001"));
}

void tst_ChatWindow::messageForClosedWindowIsIgnored()
{
    OPEN_WINDOW(window, "1001");
    QPointer<ChatWindow> guard(window);
    window->close();
    QVERIFY(!window->conversation());
    // Whatever still reaches the window before it is deleted does nothing.
    window->appendHtml(QStringLiteral("<p>late</p>"));
    window->loadHistory();
    window->raiseAlerts(1);
    window->onNudgeReceived("1001");
    window->showTypingNotice("1001");
    QVERIFY(!historyText(window).contains(QStringLiteral("late")));
    QVERIFY(window->statusBar()->currentMessage().isEmpty());
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
    // A message for the closed conversation opens nothing here.
    m_f->receive("1001", "anyone?");
    QCOMPARE(m_f->chat().manager().count(), 0);
}

void tst_ChatWindow::crossThreadAppendRunsOnGuiThread()
{
    OPEN_WINDOW(window, "1001");
    QThread *gui = QThread::currentThread();
    QThread *caller = QThread::create([window] {
        window->appendHtml(QStringLiteral("<p>from another thread</p>"));
    });
    caller->start();
    QVERIFY(caller->wait(5000));
    delete caller;
    QTRY_VERIFY(historyText(window).contains(QStringLiteral("from another thread")));
    QCOMPARE(window->thread(), gui);
}

void tst_ChatWindow::recordsTheHostCannotLoad()
{
    OPEN_WINDOW(window, "1001");
    const int before = window->renderedHistory().size();
    const int soundsBefore = m_f->host->sounds().size();
    m_f->settings().setPlaySound(0);
    // Alerts for an event id the store does not have.
    window->raiseAlerts(987654321);
    QCoreApplication::processEvents();
    QCOMPARE(m_f->host->sounds().size(), soundsBefore);
    // A delivered message the store does not know: nothing to append.
    hostkit::StoredMessage ghost;
    ghost.eventId = 987654321;
    ghost.conversation = "1001";
    ghost.senderId = 1001;
    ghost.received = true;
    ghost.body = QByteArray();
    hostkit::HostMessage message(ghost);
    m_f->chat().onMessage(&message);
    QCOMPARE(window->renderedHistory().size(), before);
    QVERIFY(window->isVisible());
}

void tst_ChatWindow::documentResources()
{
    OPEN_WINDOW(window, "1001");
    const auto image = [](QTextDocument *document, const char *name) {
        return document->resource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(name))).value<QImage>();
    };
    QTextDocument *history = window->historyView()->document();
    m_f->host->journal().clear();
    QCOMPARE(image(history, "avatar_1001").size(), QSize(64, 64));
    QCOMPARE(m_f->calls("getAvatar", QStringLiteral("1001")), 1);
    QVERIFY(!image(history, "pi_nudge").isNull());
    QVERIFY(!image(history, "pi_msg_menu").isNull());
    QVERIFY(!image(history, "location_img").isNull());
    QVERIFY(!image(history, "pi_broadcast").isNull());
    // Every emoticon of the catalogue, small and big, in both documents.
    for (QTextDocument *document : {history, window->editor()->document()}) {
        QCOMPARE(image(document, "smile").size(), QSize(32, 32));
        QCOMPARE(image(document, "smile_big").size(), QSize(128, 128));
    }
    // A file offered in a message: its icon under the block's resource key.
    m_f->receive("1001", "[file url=\"sim://files/report.pdf\" name=\"report.pdf\" size=\"2048\" mime=\"application/pdf\"]");
    const QString html = window->historyView()->toHtml();
    const QRegularExpression key(QStringLiteral("cloud:(R[0-9]+_[0-9]+)"));
    const QRegularExpressionMatch match = key.match(html);
    QVERIFY2(match.hasMatch(), qPrintable(html.right(2000)));
    QVERIFY(!image(history, match.captured(1).toLatin1().constData()).isNull());
    // A picture the host has not fetched yet shows the placeholder.
    QVERIFY(!image(history, "/nonexistent/folder/pictures/abc.png").isNull());
    // Names the window does not know are not read from anywhere.
    QVERIFY(image(history, "secret.png").isNull());
}

void tst_ChatWindow::roomParticipants()
{
    OPEN_WINDOW(window, "5001");
    ChatSession *room = window->conversation();
    ConferenceUsersWidget *list = window->participantList();
    QVERIFY(list->isVisibleTo(window));
    QCOMPARE(list->topLevelItemCount(), 0);
    for (const char *id : {"1001", "1002"}) {
        const hostkit::HostUser member(*m_f->host->profile().find(QByteArray(id)));
        room->addParticipant(&member);
    }
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Bea Hansen"));
    QVERIFY(!list->topLevelItem(1)->icon(0).isNull());
    room->removeParticipant("1002");
    QCOMPARE(list->topLevelItemCount(), 1);
    // A double click opens the one-to-one conversation with that member.
    QCOMPARE(m_f->chat().manager().count(), 1);
    emit list->itemDoubleClicked(list->topLevelItem(0), 0);
    QCOMPARE(m_f->chat().manager().count(), 2);
    QVERIFY(m_f->chat().manager().findByPeer("1001"));
    // Contacts dropped on the list come out as their ids.
    QMimeData drop;
    QByteArray encoded;
    {
        QDataStream stream(&encoded, QIODevice::WriteOnly);
        for (const char *id : {"1003", "1004"})
            stream << 0 << 0 << QMap<int, QVariant>{{int(Qt::DisplayRole), QStringLiteral("x")}, {int(Qt::UserRole), QByteArray(id)}};
    }
    drop.setData(QString::fromLatin1(ConferenceUsersWidget::ItemModelMimeType), encoded);
    QCOMPARE(ConferenceUsersWidget::idsFromMimeData(&drop), (QStringList{QStringLiteral("1003"), QStringLiteral("1004")}));
}

void tst_ChatWindow::textsComeBackOnLanguageChange()
{
    OPEN_WINDOW(window, "1002");
    const QString title = window->windowTitle();
    window->settingsAction(ChatWindow::ActionBold)->setText(QStringLiteral("stale"));
    window->setWindowTitle(QStringLiteral("stale"));
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(window, &change);
    QCOMPARE(window->settingsAction(ChatWindow::ActionBold)->text(), QStringLiteral("&Bold"));
    QCOMPARE(window->windowTitle(), title);
}

void tst_ChatWindow::peerHeaderToggleIsStoredAtOnce()
{
    m_f->settings().setVisibleAvatars(false);
    OPEN_WINDOW(window, "1001");
    UserInfoFrame *header = window->peerInfo();
    QVERIFY(!header->isExpanded());
    QCOMPARE(header->userName(), QStringLiteral("Bea Hansen"));
    auto *toggle = header->findChild<QToolButton *>(QStringLiteral("ToggleUserInfo"));
    QVERIFY(toggle);
    QCOMPARE(toggle->toolTip(), QStringLiteral("More information"));
    toggle->click();
    QVERIFY(header->isExpanded());
    QVERIFY(m_f->settings().visibleAvatars());
    QVERIFY(!m_f->settings().isSavePending());
    // The close button belongs to pages of the tabbed window.
    QVERIFY(!header->findChild<QToolButton *>(QStringLiteral("Close"))->isVisibleTo(header));
    toggle->click();
    QVERIFY(!m_f->settings().visibleAvatars());
}

void tst_ChatWindow::peerTextsStayText()
{
    hostkit::Contact *dana = m_f->host->profile().find("1003");
    const QString name = dana->displayName;
    dana->displayName = QStringLiteral("<b>Dana</b> & Co");
    ChatWindow *window = m_f->open("1003");
    dana->displayName = name;
    QVERIFY(window);
    QAction *toggle = window->settingsAction(ChatWindow::ActionNotifications);
    QCOMPARE(toggle->text(), QStringLiteral("Notifications from <b>Dana</b> && Co are enabled"));
    QTextDocument tip;
    tip.setHtml(toggle->toolTip());
    QCOMPARE(tip.toPlainText(), QStringLiteral("Notifications from <b>Dana</b> & Co are enabled"));
    QVERIFY(window->windowTitle().startsWith(QStringLiteral("<b>Dana</b> & Co (")));
    QCOMPARE(window->peerInfo()->userName(), QStringLiteral("<b>Dana</b> & Co"));
    QCOMPARE(window->peerInfo()->findChild<QLabel *>(QStringLiteral("lblUsername"))->textFormat(), Qt::PlainText);
    // In the history the name is escaped by the renderer.
    m_f->receive("1003", "hi");
    QVERIFY(historyText(window).contains(QStringLiteral("<b>Dana</b> & Co")));
}

void tst_ChatWindow::emoticonsAnimateWhileActive()
{
    OPEN_WINDOW(window, "1001");
    QVERIFY(activate(window));
    QTRY_VERIFY(window->editor()->isAnimating());
    QVERIFY(window->historyView()->isAnimating());
    QVERIFY(window->editor()->animatedImages().count() > 0);
    QCOMPARE(window->historyView()->animatedImages().count(), window->editor()->animatedImages().count());
    // Seen once the user looks at it.
    QVERIFY(m_f->calls("markSeen", QStringLiteral("1001")) >= 1);
    QApplication::setActiveWindow(nullptr);
    QTRY_VERIFY(!window->editor()->isAnimating());
    QVERIFY(!window->historyView()->isAnimating());
}

QTEST_MAIN(tst_ChatWindow)
#include "tst_chatwindow.moc"
