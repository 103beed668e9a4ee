// Lookups from a second thread while the GUI thread adds and removes
// conversations. Only the lookups run there; the pointers they return are
// never used after the list lock is released. The threads share only the
// library's own locks, so this runs under ThreadSanitizer too.

#include "chat/chatcoreinterface.h"
#include "chat/chatmanager.h"
#include "chat/chatsession.h"
#include "plugin/records/userobj.h"

#include <QtTest>

#include <atomic>
#include <thread>

namespace {

// Conversations need nothing from the core for registration and lookups.
class IdleCore final : public ChatCoreInterface
{
public:
    IHostServices *hostServices() const override { return nullptr; }
    IHostServices *roomsHostServices() const override { return nullptr; }
    void sendInstantMessage(const QByteArray &, const QList<QByteArray> &, const QString &) override {}
    void playMessageSound() override {}
    void playNudgeSound() override {}
    SettingsManager *settings() const override { return nullptr; }
    QByteArray ownUserId() const override { return "1000"; }
    QString appName() const override { return QString(); }
    bool hostNumberIsZero() const override { return false; }
    bool takeMustAlert(qint64) override { return false; }
};

UserObj makeUser(int n, bool room)
{
    UserObj user;
    user.setId(QByteArray::number(room ? 5000 + n : 1000 + n));
    user.setType(room ? 1 : 0);
    return user;
}

} // namespace

class tst_ChatManagerThreads : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookupsWhileAddingAndRemoving();
};

void tst_ChatManagerThreads::lookupsWhileAddingAndRemoving()
{
    IdleCore core;
    ChatManager manager(&core);
    std::atomic<bool> stop{false};
    std::atomic<long> lookups{0};
    std::atomic<long> hits{0};

    std::thread reader([&] {
        while (!stop.load()) {
            for (int n = 0; n < 8; ++n) {
                const QByteArray peer = QByteArray::number(1000 + n);
                const QByteArray room = QByteArray::number(5000 + n);
                int found = 0;
                found += manager.findByPeer(peer) != nullptr;
                found += manager.findRoom(room) != nullptr;
                found += manager.findByFirstParticipant(peer) != nullptr;
                found += manager.findBySessionKey(room) != nullptr;
                found += manager.count() > 0;
                hits += found;
                lookups += 5;
            }
        }
    });

    // The GUI thread's side: conversations come and go, participants and
    // keys change while the reader scans.
    for (int round = 0; round < 3000; ++round) {
        const int n = round % 8;
        const UserObj peer = makeUser(n, false);
        const UserObj room = makeUser(n, true);
        ChatSession *direct = manager.findOrCreateConversation(&peer, QByteArray());
        ChatSession *roomSession = manager.findOrCreateConversation(&room, QByteArray());
        QVERIFY(direct && roomSession);
        const UserObj member = makeUser(n + 1, false);
        roomSession->addParticipant(&member);
        direct->setSessionKey("key-" + QByteArray::number(round));
        if (round % 3 == 0)
            manager.remove(direct);
        if (round % 5 == 0)
            manager.remove(roomSession);
        if (round % 500 == 499)
            manager.closeAll();
    }
    stop = true;
    reader.join();

    QVERIFY(lookups.load() > 0);
    QVERIFY(hits.load() > 0);
    QCOMPARE(manager.activeReaders(), 0);
    // What is left is consistent: one conversation per peer and room at most.
    for (int n = 0; n < 8; ++n) {
        int peers = 0;
        for (int i = 0; i < manager.count(); ++i)
            peers += manager.at(i)->firstParticipantId() == QByteArray::number(1000 + n);
        QVERIFY(peers <= 1);
    }
}

QTEST_GUILESS_MAIN(tst_ChatManagerThreads)
#include "tst_chatmanager_threads.moc"
