// A room's window: the wait for the room and its time limit, invitations of
// dropped contacts, renaming through the settings dialog and leaving, over
// hostkit's host services with a clock and question boxes the test drives.

#include "windowfixture.h"

#include "ui/chat/conferenceuserswidget.h"
#include "ui/chat/roomcontrols.h"
#include "ui/chat/updateroomdialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

class tst_RoomWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_f = std::make_unique<WindowFixture>(); }
    void init() { m_f->reset(); }
    void cleanupTestCase() { m_f.reset(); }

    void preparingHasATimeLimit_data();
    void preparingHasATimeLimit();
    void droppedContactsAreInvited_data();
    void droppedContactsAreInvited();
    void settingsDialogRenames_data();
    void settingsDialogRenames();
    void leavingAsksFirst_data();
    void leavingAsksFirst();

private:
    // The room 5001 window, ready with Bea as its member unless told not to be.
    ChatWindow *openRoom(bool ready = true)
    {
        ChatWindow *window = m_f->open("5001");
        if (window && ready) {
            hostkit::HostUser bea(*m_f->host->profile().find("1001"));
            IUser *const members[] = {&bea};
            m_f->chat().manager().onRoomJoined("5001", members, 1);
        }
        m_f->host->journal().clear();
        return window;
    }
    QString status(ChatWindow *window) const { return window->findChild<QStatusBar *>()->currentMessage(); }

    std::unique_ptr<WindowFixture> m_f;
};

void tst_RoomWindow::preparingHasATimeLimit_data()
{
    QTest::addColumn<int>("readyAfterMs"); // 0: never
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("statusText");

    QTest::newRow("ready-in-time-asks-nothing") << 29000 << int(platform::Prompt::Yes) << false << true << QString();
    QTest::newRow("not-ready-yes-closes") << 0 << int(platform::Prompt::Yes) << true << false << QString();
    QTest::newRow("not-ready-no-keeps-the-notice")
        << 0 << int(platform::Prompt::No) << true << true << QStringLiteral("The chat room could not be prepared.");
}

void tst_RoomWindow::preparingHasATimeLimit()
{
    QFETCH(int, readyAfterMs);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, open);
    QPointer<ChatWindow> window = openRoom(false);
    QVERIFY(window);
    QCOMPARE(status(window), QStringLiteral("Preparing chat room..."));
    m_f->prompt.enqueue(platform::Prompt::Button(answer));
    if (readyAfterMs > 0) {
        m_f->clock.advance(readyAfterMs);
        openRoom(true);
    }
    m_f->clock.advance(RoomControls::PrepareLimitMs - 1 - readyAfterMs);
    QVERIFY(m_f->prompt.asked().empty());
    m_f->clock.advance(1);
    QCOMPARE(m_f->prompt.asked().size(), size_t(asked ? 1 : 0));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(!window.isNull() && window->isVisible(), open);
    QCOMPARE(m_f->chat().manager().findRoom("5001") != nullptr, open);
    if (open)
        QTEST(status(window), "statusText");
}

void tst_RoomWindow::droppedContactsAreInvited_data()
{
    QTest::addColumn<bool>("ready");
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QString>("invited"); // the ids of the call; empty: no call

    QTest::newRow("new-contacts-invited-once") << true << QStringList{"1003", "1004", "1003"} << "[\"1003\",\"1004\"]";
    QTest::newRow("members-and-own-account-left-out") << true << QStringList{"1001", "1000", "", "1002"} << "[\"1002\"]";
    QTest::newRow("only-members-no-call") << true << QStringList{"1001", "1000"} << QString();
    QTest::newRow("room-not-ready-no-call") << false << QStringList{"1003"} << QString();
}

void tst_RoomWindow::droppedContactsAreInvited()
{
    QFETCH(bool, ready);
    QFETCH(QStringList, dropped);
    QFETCH(QString, invited);
    ChatWindow *window = openRoom(ready);
    QVERIFY(window);
    Q_EMIT window->findChild<ConferenceUsersWidget *>()->dragDropUsers(dropped);
    const auto calls = m_f->host->journal().calls("inviteToRoom");
    QCOMPARE(calls.size(), invited.isEmpty() ? 0 : 1);
    if (!invited.isEmpty()) {
        QCOMPARE(calls.first().arguments.at(0).toString(), QStringLiteral("5001"));
        QCOMPARE(QString::fromUtf8(QJsonDocument(calls.first().arguments.at(1).toArray()).toJson(QJsonDocument::Compact)),
                 invited);
    }
}

void tst_RoomWindow::settingsDialogRenames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("okEnabled");
    QTest::addColumn<QString>("renamedTo"); // empty: no call

    QTest::newRow("new-name-trimmed") << "  Harbour team " << true << "Harbour team";
    QTest::newRow("same-name-no-call") << "Project Lighthouse" << true << QString();
    QTest::newRow("blank-name-not-offered") << "   " << false << QString();
}

void tst_RoomWindow::settingsDialogRenames()
{
    QFETCH(QString, typed);
    QFETCH(QString, renamedTo);
    ChatWindow *window = openRoom();
    QVERIFY(window);
    window->roomControls()->onRoomSettings();
    QPointer<UpdateRoomDialog> dialog = window->roomControls()->settingsDialog();
    QVERIFY(dialog);
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("lnRoomDisplayName"));
    QCOMPARE(name->selectedText(), QStringLiteral("Project Lighthouse")); // typing replaces it
    name->setText(typed);
    auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("btnOk"));
    QTEST(ok->isEnabled(), "okEnabled");
    ok->click();
    const auto calls = m_f->host->journal().calls("renameRoom");
    QCOMPARE(calls.size(), renamedTo.isEmpty() ? 0 : 1);
    if (!renamedTo.isEmpty())
        QCOMPARE(calls.first().arguments, (QJsonArray{"5001", renamedTo}));
    delete dialog.data();
    // The service renamed the room in the profile the next test starts from.
    m_f->host->profile().find("5001")->displayName = QStringLiteral("Project Lighthouse");
}

void tst_RoomWindow::leavingAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("left");

    QTest::newRow("yes-leaves-and-closes") << int(platform::Prompt::Yes) << true;
    QTest::newRow("no-stays") << int(platform::Prompt::No) << false;
}

void tst_RoomWindow::leavingAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(bool, left);
    const hostkit::Contact room = *m_f->host->profile().find("5001");
    QPointer<ChatWindow> window = openRoom();
    QVERIFY(window);
    m_f->prompt.enqueue(platform::Prompt::Button(answer));
    window->roomControls()->onLeaveRoom();
    QCOMPARE(m_f->prompt.asked().size(), size_t(1));
    QCOMPARE(m_f->prompt.asked().front().text,
             QStringLiteral("Are you sure you want to leave the chat room \"Project Lighthouse\"?"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_f->host->journal().count("leaveRoom"), left ? 1 : 0);
    QCOMPARE(m_f->chat().manager().findRoom("5001") == nullptr, left);
    QCOMPARE(window.isNull(), left);
    // Left, the room is gone from the profile the next test starts from.
    if (!m_f->host->profile().find("5001"))
        m_f->host->profile().addContact(room);
}

QTEST_MAIN(tst_RoomWindow)
#include "tst_roomwindow.moc"
