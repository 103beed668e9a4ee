// What the user does to single messages and to the links of the history,
// through real chat windows over hostkit: the message menu, likes, labels,
// edits, replies, changes that come back re-rendered in place, and where
// each link leads (and where it must not).

#include "../common/testpictures.h"

#include "windowfixture.h"

#include "hostkit/transfers.h"

#include "ui/chat/historylinks.h"
#include "ui/chat/historypane.h"
#include "ui/chat/imagevieweropener.h"
#include "ui/chat/messageactions.h"
#include "ui/chat/messageoverlay.h"
#include "ui/chat/pluginsbuttonsmanager.h"
#include "ui/chat/textbrowser.h"
#include "ui/chat/textedit.h"
#include "ui/chat/userinfoframe.h"

#include <sdk/iplugin.h>

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QTextBlock>
#include <QToolBar>
#include <QtTest>

namespace {

// The texts the window handed to the host to send, in order.
QStringList sentTexts(const hostkit::Host &host)
{
    QStringList texts;
    for (const auto &entry : const_cast<hostkit::Host &>(host).journal().calls("sendInstantMessage"))
        texts << entry.arguments.at(2).toString();
    return texts;
}

QStringList visibleEntries(const QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions()) {
        if (action->isVisible() && !action->isSeparator())
            texts << action->text();
    }
    return texts;
}

} // namespace

class tst_MessageActions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void likingTwiceSendsTrueThenFalse();
    void labelsKeepTheirOrder();
    void menuEntries_data();
    void menuEntries();
    void editAndReplyProduceTheirTexts();
    void idsNotShownDoNothing();
    void rightClickOpensTheMessageMenu();
    void removalsKeepTheDaySeparatorsRight();
    void peerChangesReplaceTheBlockWithoutMovingTheView_data();
    void peerChangesReplaceTheBlockWithoutMovingTheView();
    void anyTemplateChangesInPlace_data();
    void anyTemplateChangesInPlace();
    void hostEventsChangeTheHistory_data();
    void hostEventsChangeTheHistory();
    void linkKinds_data();
    void linkKinds();
    void peerHeaderOffersTheProfile();
    void pluginButtonsOfDestroyedWindowsAreForgotten();

private:
    std::unique_ptr<WindowFixture> m_f;
};

void tst_MessageActions::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_f = std::make_unique<WindowFixture>();
    QVERIFY2(m_f->host->isReady(), qPrintable(m_f->host->error()));
}

void tst_MessageActions::init()
{
    m_f->reset();
    m_f->host->store().clear();
}

void tst_MessageActions::cleanupTestCase()
{
    m_f.reset();
}

void tst_MessageActions::likingTwiceSendsTrueThenFalse()
{
    ChatWindow *window = m_f->open("1001");
    const qint64 id = m_f->receive("1001", "like me");
    QVERIFY(window->messageActions()->toggleLike(id));
    QVERIFY(window->historyView()->toHtml().contains(QStringLiteral("label_likes.png")));
    QVERIFY(window->messageActions()->toggleLike(id));
    QCOMPARE(sentTexts(*m_f->host),
             QStringList({QStringLiteral("[like %1 T]").arg(id), QStringLiteral("[like %1 F]").arg(id)}));
    QVERIFY(!window->historyView()->toHtml().contains(QStringLiteral("label_likes.png")));
}

void tst_MessageActions::labelsKeepTheirOrder()
{
    ChatWindow *window = m_f->open("1001");
    const qint64 id = m_f->receive("1001", "label me");
    m_f->host->store().setLabels(id, "success danger");
    QMenu *menu = window->messageActions()->showMessageMenu(id, QPoint());
    QVERIFY(menu);
    QStringList checked;
    for (QAction *action : menu->actions().first()->menu()->actions()) {
        QVERIFY(!action->icon().isNull());
        if (action->isChecked())
            checked << action->text();
    }
    QCOMPARE(checked, QStringList({QStringLiteral("Success"), QStringLiteral("Danger")}));
    menu->hide();
    window->messageActions()->toggleLabel(id, QStringLiteral("warning"));
    window->messageActions()->toggleLabel(id, QStringLiteral("success"));
    QCOMPARE(sentTexts(*m_f->host), QStringList({QStringLiteral("[label %1 success danger warning]").arg(id),
                                                  QStringLiteral("[label %1 danger warning]").arg(id)}));
    QVERIFY(window->historyView()->toHtml().contains(QStringLiteral("label_warning.png")));
    QVERIFY(!window->historyView()->toHtml().contains(QStringLiteral("label_success.png")));
}

void tst_MessageActions::menuEntries_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("received");
    QTest::addColumn<QStringList>("entries");
    const QStringList receivedEntries = {QStringLiteral("Labels"), QStringLiteral("Like"), QStringLiteral("Reply")};
    QTest::newRow("received picture: no edit, no delete") << QByteArray("[pic src=\"sim://p1.png\"]") << true
                                                          << receivedEntries;
    QTest::newRow("received text: no edit, no delete") << QByteArray("hello") << true << receivedEntries;
    QTest::newRow("own text: everything")
        << QByteArray("hello") << false
        << QStringList({QStringLiteral("Labels"), QStringLiteral("Like"), QStringLiteral("Edit"), QStringLiteral("Reply"),
                        QStringLiteral("Delete")});
    QTest::newRow("own picture cannot be edited")
        << QByteArray("[pic src=\"sim://p1.png\"]") << false
        << QStringList({QStringLiteral("Labels"), QStringLiteral("Like"), QStringLiteral("Reply"), QStringLiteral("Delete")});
}

void tst_MessageActions::menuEntries()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, received);
    const qint64 id = m_f->store("1003", body, m_f->clock.now(), received);
    ChatWindow *window = m_f->open("1003");
    QMenu *menu = window->messageActions()->showMessageMenu(id, QPoint());
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QStringLiteral("Message"));
    QTEST(visibleEntries(menu), "entries");
    menu->hide();
}

void tst_MessageActions::editAndReplyProduceTheirTexts()
{
    const qint64 own = m_f->store("1001", "see you at noon", m_f->clock.now(), false);
    const qint64 theirs = m_f->store("1001", "which room?", m_f->clock.now(), true);
    ChatWindow *window = m_f->open("1001");
    MessageActions *actions = window->messageActions();
    TextEdit *editor = window->editor();

    // Editing replaces the draft by the message's text.
    QTest::keyClicks(editor, QStringLiteral("draft"));
    QVERIFY(!actions->edit(theirs)); // a received message is not the user's to edit
    QVERIFY(actions->edit(own));
    QCOMPARE(actions->overlay()->title(), QStringLiteral("Edit message:"));
    QCOMPARE(actions->overlay()->messageText(), QStringLiteral("see you at noon"));
    QCOMPARE(editor->toPlainText(), QStringLiteral("see you at noon"));
    editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor, QStringLiteral(" sharp"));
    window->onBtnSend();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!actions->overlay());

    // A reply keeps the draft; Escape ends it and empties the editor.
    QTest::keyClicks(editor, QStringLiteral("the blue one"));
    QVERIFY(actions->reply(theirs));
    QCOMPARE(actions->overlay()->title(), QStringLiteral("Reply to: Bea Hansen"));
    QCOMPARE(editor->toPlainText(), QStringLiteral("the blue one"));
    window->onBtnSend();
    QVERIFY(actions->reply(theirs));
    QTest::keyClick(window, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!actions->overlay());
    QVERIFY(editor->toPlainText().isEmpty());
    QVERIFY(window->isVisible());

    QCOMPARE(sentTexts(*m_f->host), QStringList({QStringLiteral("[edit %1]see you at noon sharp").arg(own),
                                                  QStringLiteral("[reply %1]the blue one").arg(theirs)}));
}

void tst_MessageActions::idsNotShownDoNothing()
{
    ChatWindow *window = m_f->open("1001");
    const qint64 hidden = m_f->store("1002", "another conversation", m_f->clock.now());
    MessageActions *actions = window->messageActions();
    QVERIFY(!actions->showMessageMenu(hidden, QPoint()));
    QVERIFY(!actions->toggleLike(hidden));
    QVERIFY(!actions->toggleLabel(hidden, QStringLiteral("success")));
    QVERIFY(!actions->edit(hidden));
    QVERIFY(!actions->reply(hidden));
    QVERIFY(!actions->deleteMessage(hidden));
    window->historyLinks()->open(QStringLiteral("like:%1").arg(hidden));
    window->historyLinks()->open(QStringLiteral("menu:%1").arg(hidden));
    QVERIFY(!actions->menu());
    QVERIFY(sentTexts(*m_f->host).isEmpty());
}

void tst_MessageActions::rightClickOpensTheMessageMenu()
{
    m_f->store("1001", "an older one", m_f->clock.now(), true);
    m_f->store("1001", "right here", m_f->clock.now(), true);
    ChatWindow *window = m_f->open("1001");
    TextBrowser *view = window->historyView();
    const auto rightClick = [view] {
        const QTextCursor found = view->document()->find(QStringLiteral("right here"));
        const QPoint point = view->cursorRect(found).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, view->viewport()->mapToGlobal(point));
        // The view's own menu runs a loop of its own: close it from there.
        QTimer::singleShot(0, [] {
            if (QWidget *popup = QApplication::activePopupWidget())
                popup->close();
        });
        QApplication::sendEvent(view->viewport(), &event);
    };
    rightClick();
    QVERIFY(window->messageActions()->menu());
    QCOMPARE(window->messageActions()->menu()->objectName(), QStringLiteral("Message"));
    window->messageActions()->menu()->hide();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // A selection keeps the view's menu, for copying it.
    view->selectAll();
    rightClick();
    QVERIFY(!window->messageActions()->menu());
}

void tst_MessageActions::removalsKeepTheDaySeparatorsRight()
{
    const QDateTime today = m_f->clock.now();
    const qint64 yesterday = m_f->store("1003", "yesterday", today.addDays(-1));
    const qint64 first = m_f->store("1003", "today first", today);
    const qint64 second = m_f->store("1003", "today second", today);
    ChatWindow *window = m_f->open("1003");
    const auto rules = [window] {
        int n = 0;
        for (QTextBlock b = window->historyView()->document()->begin(); b.isValid(); b = b.next())
            n += b.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth) ? 1 : 0;
        return n;
    };
    QCOMPARE(rules(), 1);
    // The separator passes from the first message of the day to the second,
    // and goes with the last one; the first message then needs none.
    for (const qint64 id : {first, second}) {
        m_f->host->removeMessage(id);
        m_f->chat().onEvent(HostEventCode::MessagesRemoved, "1003," + QByteArray::number(id));
    }
    QCOMPARE(rules(), 0);
    QVERIFY(window->renderedHistory().contains(yesterday));
    QCOMPARE(window->renderedHistory().size(), 1);
}

void tst_MessageActions::peerChangesReplaceTheBlockWithoutMovingTheView_data()
{
    QTest::addColumn<QByteArray>("command"); // %1: the message's id
    QTest::addColumn<QString>("shown");
    QTest::newRow("edit to a longer text") << QByteArray("[edit %1]now[br]much[br]longer[br]than[br]before")
                                          << "longer";
    QTest::newRow("deletion") << QByteArray("[delete %1]") << "This message was deleted.";
    QTest::newRow("label") << QByteArray("[label %1 danger]") << "label_danger.png";
}

void tst_MessageActions::peerChangesReplaceTheBlockWithoutMovingTheView()
{
    QFETCH(QByteArray, command);
    QFETCH(QString, shown);
    const QDateTime start = m_f->clock.now().addSecs(-3600);
    QVector<qint64> ids;
    for (int i = 0; i < 40; ++i)
        ids << m_f->store("1002", QByteArray("line ") + QByteArray::number(i), start.addSecs(60 * i));
    // The changed message comes in with an older page, put in front.
    m_f->host->setPageSize(20);
    ChatWindow *window = m_f->open("1002");
    m_f->host->setPageSize(100);
    QVERIFY(window->loadOlderMessages());
    window->resize(500, 400);
    TextBrowser *view = window->historyView();
    view->document()->documentLayout()->documentSize();
    QCoreApplication::processEvents();
    QScrollBar *bar = view->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    const QTextCursor top = view->cursorForPosition(QPoint(5, 5));
    const QString reading = top.block().text();
    const int y = view->cursorRect(top).top();

    // The third message, above what the user reads, changes.
    const qint64 changed = m_f->host->receiveMessage("1002", QString::fromUtf8(command).arg(ids.at(2)).toUtf8());
    QCOMPARE(changed, ids.at(2));
    m_f->deliver(changed);
    QCoreApplication::processEvents();

    QVERIFY2(view->toHtml().contains(shown), qPrintable(shown));
    QCOMPARE(window->renderedHistory().size(), 40);
    const QTextCursor after = view->cursorForPosition(QPoint(5, 5));
    QCOMPARE(after.block().text(), reading);
    QCOMPARE(view->cursorRect(after).top(), y);
}

void tst_MessageActions::anyTemplateChangesInPlace_data()
{
    QTest::addColumn<QString>("section"); // the sent and received sections
    QTest::newRow("paragraphs, no table") << "<p>[user]: [message] [labels]</p>";
    QTest::newRow("two tables per message")
        << "<table><tr><td>[user]</td></tr></table><table><tr><td>[message] [labels]</td></tr></table>";
    QTest::newRow("a template that breaks out of its frame") << "</td></tr></table>[user]: [message] [labels]<br/>";
}

void tst_MessageActions::anyTemplateChangesInPlace()
{
    QFETCH(QString, section);
    const QString file = QDir(m_f->host->dataFolder()).filePath(QStringLiteral("chat_template.tmpl"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QStringLiteral("[sent]%1[/sent][received]%1[/received]").arg(section).toUtf8());
    out.close();
    SharedResourceManager::instance()->reloadTemplate(m_f->host->dataFolder());
    const qint64 first = m_f->store("1005", "first words", m_f->clock.now(), true);
    const qint64 second = m_f->store("1005", "second words", m_f->clock.now(), false);
    m_f->store("1005", "third words", m_f->clock.now(), true);
    ChatWindow *window = m_f->open("1005");
    m_f->deliver(m_f->host->receiveMessage("1005", "[label " + QByteArray::number(second) + " danger]"));
    m_f->deliver(m_f->host->receiveMessage("1005", "[edit " + QByteArray::number(first) + "]first, changed"));
    QFile::remove(file);
    SharedResourceManager::instance()->reloadTemplate(m_f->host->dataFolder());

    const QString text = window->historyView()->toPlainText();
    QCOMPARE(text.count(QStringLiteral("first, changed")), 1);
    QCOMPARE(text.count(QStringLiteral("first words")), 0);
    QCOMPARE(text.count(QStringLiteral("second words")), 1);
    QCOMPARE(text.count(QStringLiteral("third words")), 1);
    QCOMPARE(window->historyView()->toHtml().count(QStringLiteral("label_danger.png")), 1);
}

void tst_MessageActions::hostEventsChangeTheHistory_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("gone");
    QTest::addColumn<QString>("kept");
    QTest::newRow("changed") << HostEventCode::MessagesChanged << "first words" << "changed words";
    QTest::newRow("deleted") << HostEventCode::MessagesDeleted << "first words" << "This message was deleted.";
    QTest::newRow("removed") << HostEventCode::MessagesRemoved << "first words" << "second words";
    QTest::newRow("cleared") << HostEventCode::HistoryCleared << "second words" << QString();
}

void tst_MessageActions::hostEventsChangeTheHistory()
{
    QFETCH(int, code);
    QFETCH(QString, gone);
    QFETCH(QString, kept);
    const qint64 id = m_f->store("1004", "first words", m_f->clock.now().addSecs(-86400));
    m_f->store("1004", "second words", m_f->clock.now());
    ChatWindow *window = m_f->open("1004");
    hostkit::MessageStore &store = m_f->host->store();
    QByteArray data = "1004," + QByteArray::number(id);
    if (code == HostEventCode::MessagesChanged)
        store.setText(id, "changed words", true);
    else if (code == HostEventCode::MessagesDeleted)
        store.markDeleted(id);
    else if (code == HostEventCode::MessagesRemoved)
        store.remove(id);
    else if (store.clear("1004"))
        data = "1004";
    // The day separator before the second message went with the first.
    const bool separatorGoes = code == HostEventCode::MessagesRemoved;
    m_f->chat().onEvent(code, data);
    const QString text = window->historyView()->toPlainText();
    QVERIFY2(!text.contains(gone), qPrintable(text));
    if (!kept.isEmpty())
        QVERIFY2(text.contains(kept) || window->historyView()->toHtml().contains(kept), qPrintable(text));
    if (separatorGoes) {
        int rules = 0;
        for (QTextBlock b = window->historyView()->document()->begin(); b.isValid(); b = b.next())
            rules += b.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth) ? 1 : 0;
        QCOMPARE(rules, 0);
    }
}

void tst_MessageActions::linkKinds_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("answer");        // the question's answer, when one comes
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("opened");    // what reached the desktop ("" nothing)
    QTest::addColumn<QString>("hostCall");  // an operation the host saw
    QTest::addColumn<QString>("status");
    const int open = platform::Prompt::Open;
    const int cancel = platform::Prompt::Cancel;
    QTest::newRow("attachment with a local copy opens after the question")
        << "cloud-local" << open << 1 << "file://" << "" << "";
    QTest::newRow("attachment without a local copy is fetched") << "cloud" << open << 0 << "" << "fetchFile" << "";
    QTest::newRow("mention opens the contact's conversation") << "chat" << open << 0 << "" << "getUser" << "";
    QTest::newRow("position opens the map search")
        << "gp" << open << 0 << "https://maps.google.com/maps/search/?api=1&query=48.1,11.5" << "" << "";
    QTest::newRow("location forwards through the host") << "location" << open << 0 << "" << "forwardLocation" << "";
    QTest::newRow("picture opens the image viewer, no question") << "pic" << open << 0 << "" << "" << "";
    QTest::newRow("web address opens at once") << "web" << open << 0 << "https://example.org/a" << "" << "";
    QTest::newRow("other scheme asks; Cancel opens nothing") << "other" << cancel << 1 << "" << "" << "";
    QTest::newRow("UNC path: no question, nothing opens, the status bar says why")
        << "unc" << open << 0 << "" << "" << "another computer";
}

void tst_MessageActions::linkKinds()
{
    QFETCH(QString, kind);
    QFETCH(int, answer);
    QFETCH(QString, opened);
    QFETCH(QString, hostCall);
    QFETCH(QString, status);
    ChatWindow *window = m_f->open("1001");
    QString target;
    if (kind.startsWith(QLatin1String("cloud"))) {
        const QByteArray address = m_f->host->transfers().publish("report", QStringLiteral("report.txt"), false);
        m_f->receive("1001", "[file url=\"" + address + "\" name=\"report.txt\" size=\"6\" mime=\"text/plain\"]");
        if (kind == QLatin1String("cloud-local")) {
            m_f->host->transfers().fetchFile(address);
            m_f->host->advance(10000);
        }
        target = QStringLiteral("cloud:") + window->history()->resourceKeys().keyOf(QString::fromUtf8(address));
    } else if (kind == QLatin1String("pic")) {
        const QByteArray png = testpictures::encoded(testpictures::filled(QSize(8, 8), Qt::red));
        const QByteArray address = m_f->host->transfers().publish(png, QStringLiteral("red.png"), true);
        m_f->receive("1001", "[pic src=\"" + address + "\"]");
        m_f->host->advance(10000);
        target = QStringLiteral("pic:") + m_f->host->transfers().pictureLocalName(address);
    } else if (kind == QLatin1String("chat")) {
        target = QStringLiteral("chat:1002");
    } else if (kind == QLatin1String("gp")) {
        target = QStringLiteral("gp:48.1,11.5");
    } else if (kind == QLatin1String("location")) {
        target = QStringLiteral("location://maps.google.com/maps/?q=Bea Hansen@48.1,11.5");
    } else if (kind == QLatin1String("web")) {
        target = QStringLiteral("https://example.org/a");
    } else if (kind == QLatin1String("other")) {
        target = QStringLiteral("smb:share/x");
    } else {
        target = QStringLiteral("[f]\\\\server\\share\\x.doc");
    }
    m_f->host->journal().clear();
    m_f->prompt.enqueue(platform::Prompt::Button(answer));

    window->historyLinks()->open(target);
    if (kind == QLatin1String("location")) {
        QMenu *menu = window->historyLinks()->locationMenu();
        QVERIFY(menu->isVisible());
        QCOMPARE(visibleEntries(menu), QStringList({QStringLiteral("Open in Maps"), QStringLiteral("Copy to Clipboard"),
                                                    QStringLiteral("Forward via Chat Host")}));
        menu->hide();
        window->historyLinks()->onActionGeoForward();
        QVERIFY(m_f->calls("forwardLocation", QStringLiteral("Forwarded location of Bea Hansen: http://maps.google.com")));
        QVERIFY(m_f->calls("forwardLocation", QStringLiteral("\"geo_")));
    }
    if (kind == QLatin1String("chat"))
        QVERIFY(m_f->chat().manager().findByFirstParticipant("1002"));
    if (kind == QLatin1String("pic"))
        QVERIFY(window->imageViewer()->viewer());

    QTEST(int(m_f->prompt.asked().size()), "questions");
    if (opened.isEmpty()) {
        QVERIFY(m_f->desktop.opened().empty());
    } else {
        QCOMPARE(int(m_f->desktop.opened().size()), 1);
        QVERIFY2(m_f->desktop.opened().front().toString(QUrl::FullyEncoded).startsWith(opened),
                 qPrintable(m_f->desktop.opened().front().toString()));
    }
    if (!hostCall.isEmpty())
        QVERIFY(m_f->calls(hostCall.toUtf8().constData()) > 0);
    if (!status.isEmpty())
        QVERIFY(window->statusBar()->currentMessage().contains(status));
}

void tst_MessageActions::peerHeaderOffersTheProfile()
{
    ChatWindow *window = m_f->open("1001");
    std::unique_ptr<QMenu> menu(window->peerInfo()->createContextMenu());
    QAction *profile = menu->findChild<QAction *>(QStringLiteral("user_profile"));
    QVERIFY(profile);
    profile->trigger();
    QCOMPARE(m_f->calls("openUserProfile", QStringLiteral("[\"1001\",\"user_profile\"]")), 1);
    // A room has no profile to show.
    ChatWindow *room = m_f->open("5001");
    std::unique_ptr<QMenu> roomMenu(room->peerInfo()->createContextMenu());
    QVERIFY(!roomMenu->findChild<QAction *>(QStringLiteral("user_profile")));
}

void tst_MessageActions::pluginButtonsOfDestroyedWindowsAreForgotten()
{
    PluginsButtonsManager &manager = PluginsButtonsManager::instance();
    const int before = manager.windowCount();
    auto *bar = new QToolBar;
    manager.fill(bar, m_f->services, [](const QByteArray &) {});
    QCOMPARE(manager.windowCount(), before + 1);
    // The reference host without plug-ins lists no buttons: the bar hides.
    QVERIFY(bar->isHidden());
    delete bar;
    QCOMPARE(manager.windowCount(), before);
}

QTEST_MAIN(tst_MessageActions)
#include "tst_messageactions.moc"
