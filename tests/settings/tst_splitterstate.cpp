// Splitter positions go to the settings and come back.

#include "settings/ui/splitterstate.h"

#include "settingstestutil.h"

#include <QLabel>
#include <QSplitter>
#include <QTemporaryDir>
#include <QtTest>

class TestSplitterState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nothingStoredRestoresNothing();
    void storeAndRestore();
};

void TestSplitterState::nothingStoredRestoresNothing()
{
    settingstest::ScreensGuard screens;
    SettingsManager settings;
    QSplitter splitter;
    splitter.addWidget(new QLabel);
    splitter.addWidget(new QLabel);
    QVERIFY(!restoreSplitter(&splitter, settings, SettingsManager::Splitter::Chat));
    QVERIFY(!restoreSplitter(nullptr, settings, SettingsManager::Splitter::Chat));
}

void TestSplitterState::storeAndRestore()
{
    settingstest::ScreensGuard screens;
    QTemporaryDir dir;
    {
        SettingsManager settings;
        settings.load(dir.path(), QStringLiteral("en"));
        QSplitter splitter(Qt::Vertical);
        splitter.addWidget(new QLabel);
        splitter.addWidget(new QLabel);
        splitter.resize(200, 400);
        splitter.setSizes({300, 100});
        storeSplitter(&splitter, settings, SettingsManager::Splitter::TabbedChat);
        QVERIFY(settings.isSavePending());
        QCOMPARE(settings.splitterText(SettingsManager::Splitter::TabbedChat),
                 QString::number(splitter.sizes().at(0)) + ',' + QString::number(splitter.sizes().at(1)));
    }
    SettingsManager settings;
    settings.load(dir.path(), QStringLiteral("en"));
    QSplitter splitter(Qt::Vertical);
    splitter.addWidget(new QLabel);
    splitter.addWidget(new QLabel);
    splitter.resize(200, 400);
    QVERIFY(restoreSplitter(&splitter, settings, SettingsManager::Splitter::TabbedChat));
    QCOMPARE(splitter.sizes(), settings.splitterSizes(SettingsManager::Splitter::TabbedChat));
    QVERIFY(!restoreSplitter(&splitter, settings, SettingsManager::Splitter::Conference));
}

QTEST_MAIN(TestSplitterState)
#include "tst_splitterstate.moc"
