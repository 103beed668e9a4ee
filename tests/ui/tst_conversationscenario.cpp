// The chat window end to end: chat-host loads the real plug-in library and
// holds whole conversations through its windows, from scenario files and in
// the headless screenshot tour.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString binary(const char *relative)
{
    return QDir(qEnvironmentVariable("CHAT_BINARY_DIR")).filePath(QString::fromLatin1(relative));
}

} // namespace

class tst_ConversationScenario : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scenario_data();
    void scenario();
    void headlessTourShowsTheConversation();
    void headlessTourRunsInOtherLanguages_data();
    void headlessTourRunsInOtherLanguages();
};

void tst_ConversationScenario::scenario_data()
{
    QTest::addColumn<QString>("file");
    const QDir folder(QFINDTESTDATA("scenarios"));
    const QStringList files = folder.entryList({QStringLiteral("*.scenario")}, QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << folder.filePath(file);
}

void tst_ConversationScenario::scenario()
{
    QFETCH(QString, file);
    QProcess host;
    host.setProcessChannelMode(QProcess::MergedChannels);
    host.start(binary("host/app/chat-host"),
               {QStringLiteral("--plugin"), binary("src/plugin/libchat.so"), QStringLiteral("--script"), file});
    QVERIFY(host.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(host.readAll());
    QVERIFY2(host.exitStatus() == QProcess::NormalExit && host.exitCode() == 0, qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("scenario done")), qPrintable(output));
}

void tst_ConversationScenario::headlessTourShowsTheConversation()
{
    QTemporaryDir shots;
    QVERIFY(shots.isValid());
    QProcess host;
    host.setProcessChannelMode(QProcess::MergedChannels);
    host.start(binary("host/app/chat-host"), {QStringLiteral("--plugin"), binary("src/plugin/libchat.so"),
                                              QStringLiteral("--headless"), QStringLiteral("--shots"), shots.path()});
    QVERIFY(host.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(host.readAll());
    QVERIFY2(host.exitCode() == 0, qPrintable(output));
    for (const char *name : {"04-window-Main.png", "05-conversation-history.png", "06-conversation-composing.png",
                             "07-conversation-typing.png", "08-conversation-reply.png",
                             "09-conversation-close-question.png", "19-nudges-and-refusal.png",
                             "20-hostile-messages-cut.png", "21-new-messages-marker.png", "23-liked-and-labelled.png",
                             "24-edit-overlay.png", "25-edited-in-place.png", "26-reply-overlay.png",
                             "27-reply-sent.png", "30-picture-pasted.png", "31-uploads-in-progress.png",
                             "32-drop-overlay.png", "33-received-picture-and-file.png", "51-room-preparing.png",
                             "52-room-member-typing.png", "53-room-members-answer.png", "54-room-join-and-leave.png",
                             "56-room-renamed.png", "57-room-leave-question.png", "70-viewer.png",
                             "71-viewer-lens-rectangle.png", "72-viewer-lens-circle.png", "73-viewer-previous.png",
                             "80-long-history-paged.png", "81-find-brought-in.png", "82-find-and-new-message.png",
                             "83-find-next.png", "84-long-history-middle.png"}) {
        const QImage shot(QDir(shots.path()).filePath(QString::fromLatin1(name)));
        QVERIFY2(!shot.isNull(), name);
        // The chat window's first size on the tour's 1280 x 760 work area.
        QCOMPARE(shot.size(), QSize(640, 684));
    }
    // The tabbed window's, likewise.
    for (const char *name : {"40-tabbed-window-blinking.png", "41-tabbed-tab-read.png", "42-tabbed-close-question.png"})
        QCOMPARE(QImage(QDir(shots.path()).filePath(QString::fromLatin1(name))).size(), QSize(768, 684));
    for (const char *name : {"10-emoticon-picker.png", "11-quick-text-menu.png", "12-quick-text-dialog.png",
                             "22-message-menu.png", "50-room-contacts-chosen.png",
                             "55-room-settings.png", "74-viewer-fullscreen.png"})
        QVERIFY2(!QImage(QDir(shots.path()).filePath(QString::fromLatin1(name))).isNull(), name);
    // The broadcast composer keeps its size from composing through sending to
    // the end; the viewer shows beside it.
    const QSize composer = QImage(QDir(shots.path()).filePath(QStringLiteral("60-broadcast-composing.png"))).size();
    QVERIFY(!composer.isEmpty());
    for (const char *name : {"61-broadcast-sending.png", "62-broadcast-sent-and-seen.png"})
        QCOMPARE(QImage(QDir(shots.path()).filePath(QString::fromLatin1(name))).size(), composer);
    QVERIFY(!QImage(QDir(shots.path()).filePath(QStringLiteral("63-broadcast-viewer.png"))).isNull());
    // Every tab of the settings dialog, none of them resizing it.
    const QSize settings = QImage(QDir(shots.path()).filePath(QStringLiteral("13-settings-general.png"))).size();
    QVERIFY(!settings.isEmpty());
    for (const char *name : {"14-settings-font.png", "15-settings-auto-reply.png", "16-settings-spell-check.png",
                             "17-settings-history.png", "18-settings-gallery.png"})
        QCOMPARE(QImage(QDir(shots.path()).filePath(QString::fromLatin1(name))).size(), settings);
}

void tst_ConversationScenario::headlessTourRunsInOtherLanguages_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("german") << QStringLiteral("de");
    QTest::newRow("arabic, right to left") << QStringLiteral("ar");
}

// The tour finds every button, menu entry and tab by its translated text.
void tst_ConversationScenario::headlessTourRunsInOtherLanguages()
{
    QFETCH(QString, language);
    QTemporaryDir shots;
    QVERIFY(shots.isValid());
    QProcess host;
    host.setProcessChannelMode(QProcess::MergedChannels);
    host.start(binary("host/app/chat-host"),
               {QStringLiteral("--plugin"), binary("src/plugin/libchat.so"), QStringLiteral("--headless"),
                QStringLiteral("--shots"), shots.path(), QStringLiteral("--language"), language});
    QVERIFY(host.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(host.readAll());
    QVERIFY2(host.exitStatus() == QProcess::NormalExit && host.exitCode() == 0, qPrintable(output));
    QVERIFY2(!QImage(QDir(shots.path()).filePath(QStringLiteral("42-tabbed-close-question.png"))).isNull(),
             qPrintable(output));
}

QTEST_GUILESS_MAIN(tst_ConversationScenario)
#include "tst_conversationscenario.moc"
