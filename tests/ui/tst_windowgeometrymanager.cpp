// Window geometry memory: one save after a burst of resizes, the maximized
// flag without a size, and a window fitted to its screen before it shows.

#include "lib_kelvan/clock.h"
#include "platform/screens.h"
#include "settings/settingsmanager.h"
#include "ui/chat/windowgeometrymanager.h"

#include <QWidget>
#include <QtTest>

namespace {

const QRect Available(0, 40, 1280, 760);

} // namespace

class tst_WindowGeometryManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void resizesWithinTheDelayStoreOnce();
    void maximizingStoresTheFlagNeverASize();
    void fittedToTheScreen_data();
    void fittedToTheScreen();
    void largerThanTheScreenIsFittedBeforeItShows();

private:
    kelvan::ManualClock m_clock;
    platform::FixedScreens m_screens{QRect(0, 0, 1280, 800), Available};
    std::unique_ptr<SettingsManager> m_settings;
};

void tst_WindowGeometryManager::init()
{
    kelvan::Clock::setInstance(&m_clock);
    platform::Screens::setInstance(&m_screens);
    m_settings = std::make_unique<SettingsManager>();
    m_settings->setWindowSize(SettingsManager::TabbedChatWindow, QSize(600, 400));
    m_settings->setWindowMaximized(SettingsManager::TabbedChatWindow, false);
}

void tst_WindowGeometryManager::cleanup()
{
    m_settings.reset();
    platform::Screens::setInstance(nullptr);
    kelvan::Clock::setInstance(nullptr);
}

void tst_WindowGeometryManager::resizesWithinTheDelayStoreOnce()
{
    QWidget window;
    auto *geometry = new WindowGeometryManager(&window, SettingsManager::TabbedChatWindow, m_settings.get());
    geometry->restoreSize();
    geometry->showWindow(false);
    m_clock.advance(WindowGeometryManager::SaveDelayMs);
    for (int i = 1; i <= 5; ++i) {
        window.resize(600 + 10 * i, 400);
        m_clock.advance(50);
        QCOMPARE(m_settings->windowSize(SettingsManager::TabbedChatWindow), QSize(600, 400));
    }
    m_clock.advance(WindowGeometryManager::SaveDelayMs - 51);
    QCOMPARE(m_settings->windowSize(SettingsManager::TabbedChatWindow), QSize(600, 400));
    m_clock.advance(1);
    QCOMPARE(m_settings->windowSize(SettingsManager::TabbedChatWindow), QSize(650, 400));
    // A resize the window does not live to save is saved as it goes.
    window.resize(700, 500);
    delete geometry;
    QCOMPARE(m_settings->windowSize(SettingsManager::TabbedChatWindow), QSize(700, 500));
}

void tst_WindowGeometryManager::maximizingStoresTheFlagNeverASize()
{
    QWidget window;
    WindowGeometryManager geometry(&window, SettingsManager::TabbedChatWindow, m_settings.get());
    geometry.restoreSize();
    geometry.showWindow(false);
    m_clock.advance(WindowGeometryManager::SaveDelayMs);
    window.showMaximized();
    QTRY_VERIFY(window.size() != QSize(600, 400));
    m_clock.advance(WindowGeometryManager::SaveDelayMs);
    QVERIFY(m_settings->windowMaximized(SettingsManager::TabbedChatWindow));
    QCOMPARE(m_settings->windowSize(SettingsManager::TabbedChatWindow), QSize(600, 400));
    window.showNormal();
    QTRY_COMPARE(window.size(), QSize(600, 400));
    m_clock.advance(WindowGeometryManager::SaveDelayMs);
    QVERIFY(!m_settings->windowMaximized(SettingsManager::TabbedChatWindow));
    QCOMPARE(m_settings->windowSize(SettingsManager::TabbedChatWindow), QSize(600, 400));
}

void tst_WindowGeometryManager::fittedToTheScreen_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("fitted");
    QTest::newRow("inside stays") << QRect(100, 100, 600, 400) << QRect(100, 100, 600, 400);
    QTest::newRow("above and left of the work area moves in") << QRect(-30, 10, 600, 400) << QRect(0, 40, 600, 400);
    QTest::newRow("past the right and bottom moves back by the overflow")
        << QRect(1000, 600, 600, 400) << QRect(680, 400, 600, 400);
}

void tst_WindowGeometryManager::fittedToTheScreen()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, fitted);
    QCOMPARE(WindowGeometryManager::fitted(frame, Available), fitted);
}

void tst_WindowGeometryManager::largerThanTheScreenIsFittedBeforeItShows()
{
    m_settings->setWindowSize(SettingsManager::TabbedChatWindow, QSize(3000, 2000));
    QWidget window;
    WindowGeometryManager geometry(&window, SettingsManager::TabbedChatWindow, m_settings.get());
    geometry.restoreSize();
    QRect atShow;
    struct ShowWatch : QObject
    {
        QRect *seen;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Show)
                *seen = static_cast<QWidget *>(watched)->geometry();
            return false;
        }
    } watch;
    watch.seen = &atShow;
    window.installEventFilter(&watch);
    geometry.showWindow(false);
    QVERIFY(Available.contains(atShow.topLeft()));
    QCOMPARE(atShow.size(), Available.size());
}

QTEST_MAIN(tst_WindowGeometryManager)
#include "tst_windowgeometrymanager.moc"
