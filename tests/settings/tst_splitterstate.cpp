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
    void storeAndRestore();
};

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
    // Nothing stored, or nothing to restore into: nothing restored.
    QVERIFY(!restoreSplitter(&splitter, settings, SettingsManager::Splitter::Conference));
    QVERIFY(!restoreSplitter(nullptr, settings, SettingsManager::Splitter::TabbedChat));
}

QTEST_MAIN(TestSplitterState)
#include "tst_splitterstate.moc"
