// Which alerts the play_sound and show_notification settings ask for, for
// every place a conversation's window can be in.

#include "ui/chat/alertpolicy.h"

#include <QtTest>

using AlertPolicy::Placement;

Q_DECLARE_METATYPE(AlertPolicy::Placement)

class tst_AlertPolicy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decide_data();
    void decide();
};

void tst_AlertPolicy::decide_data()
{
    QTest::addColumn<int>("playSound");
    QTest::addColumn<int>("showNotification");
    QTest::addColumn<Placement>("placement");
    // sound popup flash blink unread showMinimized
    QTest::addColumn<QString>("expected");

    QTest::newRow("active: always-sound plays") << 0 << 2 << Placement::StandaloneActive << "sound";
    QTest::newRow("active: sound when inactive stays quiet") << 1 << 2 << Placement::StandaloneActive << "";
    QTest::newRow("active: never sound, never popup") << 2 << 2 << Placement::StandaloneActive << "";
    QTest::newRow("inactive: sound, popup, flash, unread") << 1 << 2 << Placement::StandaloneInactive << "sound popup flash unread";
    QTest::newRow("inactive: first-message popups show none") << 0 << 1 << Placement::StandaloneInactive << "sound flash unread";
    QTest::newRow("inactive: play_sound 2 never plays") << 2 << 0 << Placement::StandaloneInactive << "flash unread";
    QTest::newRow("minimized: popup with first-message setting") << 1 << 1 << Placement::StandaloneMinimized << "sound popup flash unread minimized";
    QTest::newRow("minimized: popup with when-inactive setting") << 0 << 2 << Placement::StandaloneMinimized << "sound popup flash unread minimized";
    QTest::newRow("minimized: no popups, no sound") << 2 << 0 << Placement::StandaloneMinimized << "flash unread minimized";
    QTest::newRow("tab of the active tabbed window: always-sound only") << 0 << 2 << Placement::TabbedActive << "sound";
    QTest::newRow("tab of the active tabbed window: quiet otherwise") << 1 << 2 << Placement::TabbedActive << "";
    QTest::newRow("tab of an inactive tabbed window blinks") << 1 << 2 << Placement::TabbedInactive << "sound popup blink unread";
    QTest::newRow("tab: first-message popups show none") << 2 << 1 << Placement::TabbedInactive << "blink unread";
    QTest::newRow("unknown values match no branch") << 7 << 9 << Placement::StandaloneInactive << "flash unread";
}

void tst_AlertPolicy::decide()
{
    QFETCH(int, playSound);
    QFETCH(int, showNotification);
    QFETCH(Placement, placement);
    const AlertPolicy::Decision d = AlertPolicy::decide(playSound, showNotification, placement);
    QStringList got;
    if (d.sound) got << QStringLiteral("sound");
    if (d.popup) got << QStringLiteral("popup");
    if (d.flash) got << QStringLiteral("flash");
    if (d.blinkTab) got << QStringLiteral("blink");
    if (d.unread) got << QStringLiteral("unread");
    if (d.showMinimized) got << QStringLiteral("minimized");
    QTEST(got.join(QLatin1Char(' ')), "expected");
}

QTEST_APPLESS_MAIN(tst_AlertPolicy)
#include "tst_alertpolicy.moc"
