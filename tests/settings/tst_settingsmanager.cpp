// SettingsManager behaviour: first-start geometry, the save timer, setters,
// splitter positions, automatic-reply finds, quick texts and per-contact
// entries.

#include "settings/settingsmanager.h"
#include "settings/ui/splitterstate.h"

#include "settingstestutil.h"

#include "lib_kelvan/clock.h"
#include "lib_kelvan/clocktimer.h"

#include <QColor>
#include <QLabel>
#include <QSplitter>
#include <QTemporaryDir>
#include <QtTest>

// A settings manager over the test folder, loaded for `language`.
#define LOADED(var, language) SettingsManager var; var.load(folder(), language)

using namespace settingstest;

class TestSettingsManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstStartGeometry_data();
    void firstStartGeometry();
    void outOfRangeKind_data();
    void outOfRangeKind();

    void delayedChangesWriteOnce();
    void onlyChangesStartTheTimer();
    void pendingChangesAreWritten_data();
    void pendingChangesAreWritten();

    void splitterSizes_data();
    void splitterSizes();
    void splitterStoredAndRestored();

    void magnifierClamps_data();
    void magnifierClamps();

    void textFormatTakesColour();

    void autoReplyFinds();

    void quickTextDisplay_data();
    void quickTextDisplay();

    void forgetContact();
    void unchangedValueWritesNothing_data();
    void unchangedValueWritesNothing();

    void loadFromMemory();

private:
    kelvan::ManualClock m_clock; // the save delay moves only when a test says so
    std::unique_ptr<ScreensGuard> m_screens;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString folder() const { return m_dir->path(); }
};

void TestSettingsManager::init()
{
    kelvan::Clock::setInstance(&m_clock);
    m_screens = std::make_unique<ScreensGuard>();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSettingsManager::cleanup()
{
    m_dir.reset();
    m_screens.reset();
    kelvan::Clock::setInstance(nullptr);
}

void TestSettingsManager::firstStartGeometry_data()
{
    QTest::addColumn<QRect>("full");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::addColumn<bool>("maximized");

    QTest::newRow("1920x1080 with task bar: half width by 90 % height, not maximized")
        << QRect(0, 0, 1920, 1080) << QRect(0, 0, 1920, 1040)
        << QList<QSize>{QSize(960, 936), QSize(1152, 936), QSize(768, 728), QSize(960, 936)} << false;
    QTest::newRow("odd sizes truncate")
        << QRect(0, 0, 1366, 768) << QRect(0, 0, 1365, 737)
        << QList<QSize>{QSize(682, 663), QSize(819, 663), QSize(546, 515), QSize(682, 663)} << false;
    QTest::newRow("800x600 opens maximized")
        << QRect(0, 0, 800, 600) << QRect(0, 0, 800, 560)
        << QList<QSize>{QSize(400, 504), QSize(480, 504), QSize(320, 392), QSize(400, 504)} << true;
    QTest::newRow("1024x600 opens maximized")
        << QRect(0, 0, 1024, 600) << QRect(0, 0, 1024, 600)
        << QList<QSize>{QSize(512, 540), QSize(614, 540), QSize(409, 420), QSize(512, 540)} << true;
    QTest::newRow("801x601 full screen with smaller work area stays normal")
        << QRect(0, 0, 801, 601) << QRect(0, 0, 700, 500)
        << QList<QSize>{QSize(350, 450), QSize(420, 450), QSize(280, 350), QSize(350, 450)} << false;
}

void TestSettingsManager::firstStartGeometry()
{
    QFETCH(QRect, full);
    QFETCH(QRect, available);
    QFETCH(QList<QSize>, sizes);

    ScreensGuard screens(full, available);
    LOADED(settings, QStringLiteral("en"));
    for (int kind = 0; kind < SettingsManager::WindowKindCount; ++kind) {
        QCOMPARE(settings.windowSize(kind), sizes.at(kind));
        QCOMPARE(settings.defaultWindowSize(kind), sizes.at(kind));
        QTEST(settings.windowMaximized(kind), "maximized");
    }
}

void TestSettingsManager::outOfRangeKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("kind -1") << -1;
    QTest::newRow("kind 4") << 4;
}

void TestSettingsManager::outOfRangeKind()
{
    QFETCH(int, kind);
    LOADED(settings, QStringLiteral("en"));
    QCOMPARE(settings.windowSize(kind), QSize(0, 0));
    QCOMPARE(settings.defaultWindowSize(kind), QSize(0, 0));
    QCOMPARE(settings.windowMaximized(kind), false);
    settings.setWindowSize(kind, QSize(10, 10));
    settings.setWindowMaximized(kind, true);
    QVERIFY(!settings.isSavePending());
    QCOMPARE(settings.windowSize(kind), QSize(0, 0));
}

void TestSettingsManager::delayedChangesWriteOnce()
{
    LOADED(settings, QStringLiteral("en"));
    auto *timer = settings.findChild<kelvan::ClockTimer *>();
    QVERIFY(timer);
    QSignalSpy fired(timer, &kelvan::ClockTimer::timeout);

    for (int i = 0; i < 10; ++i) {
        settings.setWindowSize(SettingsManager::ChatWindow, QSize(600 + i, 400));
        m_clock.advance(499); // each change starts the half second over
    }
    QVERIFY(settings.isSavePending());
    QVERIFY(!exists(folder(), "config.ini"));

    m_clock.advance(1);
    QCOMPARE(fired.count(), 1);
    QVERIFY(!settings.isSavePending());
    QVERIFY(readBytes(folder(), "config.ini").contains("<chatwnd_size>609,400</chatwnd_size>"));
}

void TestSettingsManager::onlyChangesStartTheTimer()
{
    LOADED(settings, QStringLiteral("en"));
    settings.setWindowSize(SettingsManager::TabbedChatWindow, settings.windowSize(SettingsManager::TabbedChatWindow));
    settings.setWindowMaximized(SettingsManager::ChatWindow, false);
    settings.setSplitterSizes(SettingsManager::Splitter::Conference, {});
    QVERIFY(!settings.isSavePending());

    settings.setWindowMaximized(SettingsManager::ChatWindow, true);
    QVERIFY(settings.isSavePending());
    settings.onSaveSettings();
    settings.setSplitterSizes(SettingsManager::Splitter::Conference, {120, 480});
    QVERIFY(settings.isSavePending());
    QCOMPARE(settings.splitterText(SettingsManager::Splitter::Conference), QStringLiteral("120,480"));
}

void TestSettingsManager::pendingChangesAreWritten_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("saved at once") << "save";
    QTest::newRow("the timer's slot") << "slot";
    QTest::newRow("destroyed") << "destroy";
    QTest::newRow("another folder loaded") << "load";
}

void TestSettingsManager::pendingChangesAreWritten()
{
    QFETCH(QString, how);
    QTemporaryDir second;
    auto settings = std::make_unique<SettingsManager>();
    settings->load(folder(), QStringLiteral("en"));
    settings->setShowNotification(0); // starts no timer
    // Destruction writes whether or not a save waits; the others need one.
    if (how != QLatin1String("destroy")) {
        settings->setWindowSize(SettingsManager::BroadcastViewer, QSize(321, 123));
        QVERIFY(settings->isSavePending());
    }
    QVERIFY(!exists(folder(), "config.ini"));
    if (how == QLatin1String("save")) {
        QVERIFY(settings->save(false));
    } else if (how == QLatin1String("slot")) {
        settings->onSaveSettings();
    } else if (how == QLatin1String("load")) {
        settings->load(second.path(), QStringLiteral("en"));
        QVERIFY(!exists(second.path(), "config.ini"));
        QCOMPARE(settings->settingsFolder(), second.path());
        // The new identity starts from its own (here: default) values.
        QCOMPARE(settings->windowSize(SettingsManager::BroadcastViewer), QSize(960, 936));
    } else {
        settings.reset();
    }
    QVERIFY(!settings || !settings->isSavePending());
    QVERIFY(readBytes(folder(), "config.ini").contains("<show_notification>0</show_notification>"));
}

void TestSettingsManager::splitterSizes_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QList<int>>("sizes");

    QTest::newRow("never stored restores nothing") << QByteArray() << QList<int>();
    QTest::newRow("two panes") << QByteArray("300,100") << QList<int>{300, 100};
    QTest::newRow("garbage restores nothing") << QByteArray("300,wide") << QList<int>();
    QTest::newRow("negative restores nothing") << QByteArray("300,-5") << QList<int>();
}

void TestSettingsManager::splitterSizes()
{
    QFETCH(QByteArray, stored);

    QVERIFY(writeBytes(folder(), "config.ini",
                       "<config><custom><splitter_tabbed_chat>" + stored + "</splitter_tabbed_chat></custom></config>"));
    LOADED(settings, QStringLiteral("en"));
    QTEST(settings.splitterSizes(SettingsManager::Splitter::TabbedChat), "sizes");
    QCOMPARE(settings.splitterSizes(SettingsManager::Splitter::Chat), QList<int>());
}

void TestSettingsManager::splitterStoredAndRestored()
{
    const auto splitter = [] {
        auto made = std::make_unique<QSplitter>(Qt::Vertical);
        made->addWidget(new QLabel);
        made->addWidget(new QLabel);
        made->resize(200, 400);
        return made;
    };
    {
        LOADED(settings, QStringLiteral("en"));
        const auto stored = splitter();
        stored->setSizes({300, 100});
        storeSplitter(stored.get(), settings, SettingsManager::Splitter::TabbedChat);
        QVERIFY(settings.isSavePending());
        QCOMPARE(settings.splitterText(SettingsManager::Splitter::TabbedChat),
                 QString::number(stored->sizes().at(0)) + ',' + QString::number(stored->sizes().at(1)));
    }
    LOADED(settings, QStringLiteral("en"));
    const auto restored = splitter();
    QVERIFY(restoreSplitter(restored.get(), settings, SettingsManager::Splitter::TabbedChat));
    QCOMPARE(restored->sizes(), settings.splitterSizes(SettingsManager::Splitter::TabbedChat));
    // Nothing stored, or nothing to restore into: nothing restored.
    QVERIFY(!restoreSplitter(restored.get(), settings, SettingsManager::Splitter::Conference));
    QVERIFY(!restoreSplitter(nullptr, settings, SettingsManager::Splitter::TabbedChat));
}

void TestSettingsManager::magnifierClamps_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("storedSize");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("storedZoom");

    QTest::newRow("size 5 stored as 10, zoom 45 as 30") << 5 << 10 << 45 << 30;
    QTest::newRow("size 1001 stored as 1000, zoom 0 as 1") << 1001 << 1000 << 0 << 1;
    QTest::newRow("limits kept") << 10 << 10 << 30 << 30;
}

void TestSettingsManager::magnifierClamps()
{
    QFETCH(int, size);
    QFETCH(int, zoom);
    SettingsManager settings;
    settings.setMagnifierSize(size);
    settings.setMagnifierZoom(zoom);
    QTEST(settings.magnifierSize(), "storedSize");
    QTEST(settings.magnifierZoom(), "storedZoom");
    // Nothing is written anywhere without a settings folder.
    QVERIFY(!settings.save(false));
}

void TestSettingsManager::textFormatTakesColour()
{
    SettingsManager settings;
    QSignalSpy changed(&settings, &SettingsManager::textFormatChanged);
    QTextCharFormat format;
    format.setForeground(QColor(QStringLiteral("#a0b0c0")));
    settings.setTextFormat(format);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(settings.foreColorText(), QStringLiteral("#a0b0c0"));

    // A format without a colour keeps the colour text.
    QTextCharFormat plain;
    plain.setFontWeight(QFont::Bold);
    settings.setTextFormat(plain);
    QCOMPARE(settings.foreColorText(), QStringLiteral("#a0b0c0"));
}

void TestSettingsManager::autoReplyFinds()
{
    SettingsManager settings;
    // A later reply for the same status replaces the earlier in place.
    settings.setPlainStatusReply(1, QStringLiteral("first"), true);
    settings.setCustomStatusReply(1, QStringLiteral("Gym"), QStringLiteral("gym"), true);
    settings.setPlainStatusReply(1, QStringLiteral("second"), false);
    QCOMPARE(replyLines(settings.autoReplies()), QStringList({"1||second|0", "1|Gym|gym|1"}));
    settings.clearAutoReplies();
    QVERIFY(settings.autoReplies().isEmpty());
    QCOMPARE(settings.findPlainStatusReply(1).statusCode(), -1);

    settings.setCustomStatusReply(2, QStringLiteral("Lunch"), QStringLiteral("at lunch"), true);
    settings.setPlainStatusReply(2, QStringLiteral("away"), true);
    settings.setPlainStatusReply(3, QStringLiteral("busy"), false);

    QCOMPARE(settings.findPlainStatusReply(2).replyText(), QStringLiteral("away"));
    QCOMPARE(settings.findPlainStatusReply(3).isActive(), false);
    QCOMPARE(settings.findCustomStatusReply(2, QStringLiteral("Lunch")).replyText(), QStringLiteral("at lunch"));

    const CustomStatus hostStatus(2, QStringLiteral("Lunch"));
    QCOMPARE(settings.findCustomStatusReply(hostStatus).replyText(), QStringLiteral("at lunch"));
    // The plain record also answers a custom lookup with no text.
    QCOMPARE(settings.findCustomStatusReply(2, QString()).replyText(), QStringLiteral("away"));

    const CustomStatus &none = settings.findCustomStatusReply(3, QStringLiteral("Lunch"));
    QCOMPARE(none.statusCode(), -1);
    QCOMPARE(none.replyText(), QString());
    QCOMPARE(none.isActive(), false);
    QCOMPARE(settings.findPlainStatusReply(1).statusCode(), -1);
    QCOMPARE(settings.findCustomStatusReply(CustomStatus(2, QStringLiteral("lunch"))).statusCode(), -1);
}

void TestSettingsManager::quickTextDisplay_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("display");

    QTest::newRow("built-in 2") << 2 << QString() << "You have a call on line #";
    QTest::newRow("unknown built-in id is empty") << 3 << QString() << QString();
    QTest::newRow("user text shown as it is") << -1 << "[b]hi[/b]" << "[b]hi[/b]";
}

void TestSettingsManager::quickTextDisplay()
{
    QFETCH(int, id);
    QFETCH(QString, text);
    QTEST(SettingsManager::quickTextDisplayText(SettingsManager::QuickText{id, text}), "display");
}

void TestSettingsManager::forgetContact()
{
    LOADED(settings, QStringLiteral("en"));
    settings.setAutoscroll(QStringLiteral("gone"), false);
    settings.setAutoscroll(QStringLiteral("kept"), false);
    settings.setNotificationsEnabled(QStringLiteral("gone"), false);
    settings.setContactSpellLanguage(QStringLiteral("gone"), QStringLiteral("bg_BG"));

    settings.forgetContact(QStringLiteral("gone"));
    QCOMPARE(settings.autoscroll(QStringLiteral("gone")), true);
    QCOMPARE(settings.notificationsEnabled(QStringLiteral("gone")), true);
    QCOMPARE(settings.contactSpellLanguage(QStringLiteral("gone")), QString());
    QCOMPARE(readBytes(folder(), "autoscroll.ini"), QByteArray("kept=no\r\n"));
    QCOMPARE(readBytes(folder(), "disabled_notifications.ini"), QByteArray());
    QVERIFY(!readBytes(folder(), "spell_check_languages.ini").contains("gone"));
}

void TestSettingsManager::unchangedValueWritesNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("peer flag") << "autoscroll.ini";
    QTest::newRow("contact's spelling language") << "spell_check_languages.ini";
    QTest::newRow("picture folder") << "picpath.dat";
}

void TestSettingsManager::unchangedValueWritesNothing()
{
    QFETCH(QString, file);
    LOADED(settings, QStringLiteral("en"));
    const auto change = [&] {
        if (file == QLatin1String("autoscroll.ini"))
            settings.setAutoscroll(QStringLiteral("alice"), false);
        else if (file == QLatin1String("picpath.dat"))
            settings.setPictureFolder(QStringLiteral("/pics"));
        else
            settings.setContactSpellLanguage(QStringLiteral("alice"), QStringLiteral("de_DE"));
    };
    change();
    QVERIFY(QFile::remove(QDir(folder()).filePath(file)));
    change();
    QVERIFY(!exists(folder(), file));
}

void TestSettingsManager::loadFromMemory()
{
    SettingsManager settings;
    QSignalSpy loaded(&settings, &SettingsManager::loaded);
    const QHash<QString, QByteArray> files = {
        {QStringLiteral("config.ini"), "<config><custom><play_sound>2</play_sound></custom></config>"},
        {QStringLiteral("autoscroll.ini"), "bob=no\r\n"},
        {QStringLiteral("picpath.dat"), "/p"},
    };
    settings.loadFromMemory(files, QStringLiteral("de"));
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(settings.playSound(), 2);
    QCOMPARE(settings.autoscroll(QStringLiteral("bob")), false);
    QCOMPARE(settings.pictureFolder(), QStringLiteral("/p"));
    QCOMPARE(settings.quickTexts().size(), 3);
    QCOMPARE(settings.settingsFolder(), QString());
}

QTEST_MAIN(TestSettingsManager)
#include "tst_settingsmanager.moc"
