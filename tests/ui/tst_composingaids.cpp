// The composing aids of the chat window against hostkit: the quick-text
// menu, the emoticon picker, and the settings dialog the window and the
// chat core open, kept in step with the host's events.

#include "windowfixture.h"

#include "emoticons/ui/emoticonpicker.h"
#include "hostkit/historysync.h"
#include "settings/settingsdialoginterface.h"
#include "ui/chat/quicktextmenu.h"
#include "ui/chat/renderedhistory.h"
#include "ui/chat/settingsdialogfactoryimpl.h"
#include "ui/chat/textedit.h"

#include <sdk/iplugin.h>

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalMapper>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextImageFormat>
#include <QTranslator>
#include <QtTest>

namespace {

// Marks every built-in quick text as translated.
class MarkingTranslator final : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return qstrcmp(context, "CannedMessages") == 0 ? QStringLiteral("<%1>").arg(QLatin1String(source)) : QString();
    }
    bool isEmpty() const override { return false; }
};

QStringList entries(QMenu *menu)
{
    QStringList out;
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator())
            out << action->text();
    }
    return out;
}

QWidget *openSettingsDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("ChatSettings") && w->isVisible())
            return w;
    }
    return nullptr;
}

} // namespace

class tst_ComposingAids : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void quickTextMenuOnFirstStart();
    void longQuickTextIsShortenedInTheMenuAndInsertedWhole();
    void behaviourOneSendsAtOnce();
    void emoticonsActionInsertsIntoTheEditor();
    void oneSettingsDialogFollowsTheHost();

private:
    std::unique_ptr<WindowFixture> m_f;
};

void tst_ComposingAids::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_f = std::make_unique<WindowFixture>();
    SettingsDialogFactoryImpl::install();
}

void tst_ComposingAids::init()
{
    m_f->reset();
    SettingsManager &settings = m_f->settings();
    settings.clearQuickTexts();
    for (int id : {0, 1, 2})
        settings.appendBuiltInQuickText(id);
    settings.setQuickTextBehaviour(0);
}

void tst_ComposingAids::cleanupTestCase()
{
    if (QWidget *dialog = openSettingsDialog())
        delete dialog;
    SettingsDialogFactory::setInstance(nullptr);
    m_f.reset();
}

void tst_ComposingAids::quickTextMenuOnFirstStart()
{
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    ChatWindow *window = m_f->open("1001");
    QMenu *menu = window->quickText()->menu();
    QCoreApplication::removeTranslator(&translator);
    // Labels are shortened to 250 pixels.
    const QFontMetrics metrics(menu->font());
    QStringList expected;
    for (const char *text : {"<I will be right back.>", "<Will you please send me the report?>", "<You have a call on line #>"})
        expected << metrics.elidedText(QLatin1String(text), Qt::ElideRight, QuickTextMenu::LabelWidth);
    QCOMPARE(entries(menu), expected << QStringLiteral("Edit"));
    // Texts written through the dialog rebuild it.
    m_f->settings().appendQuickText(QStringLiteral("See you"));
    QVERIFY(m_f->settings().writeQuickTexts());
    QCOMPARE(entries(menu).at(3), QStringLiteral("See you"));
    QCOMPARE(entries(menu).last(), QStringLiteral("Edit"));
}

void tst_ComposingAids::longQuickTextIsShortenedInTheMenuAndInsertedWhole()
{
    const QString tail = QString(5000, QLatin1Char('w'));
    m_f->settings().clearQuickTexts();
    m_f->settings().appendQuickText(QStringLiteral("R&D [b]now[/b][br]") + tail);
    ChatWindow *window = m_f->open("1001");
    QMenu *menu = window->quickText()->menu();
    QAction *entry = menu->actions().first();
    QVERIFY(entry->text().startsWith(QStringLiteral("R&&D [b]now[/b]")));
    QVERIFY(entry->text().endsWith(QChar(0x2026)));
    QVERIFY(QFontMetrics(menu->font()).horizontalAdvance(entry->text().replace(QLatin1String("&&"), QLatin1String("&")))
            <= QuickTextMenu::LabelWidth);

    entry->trigger();
    const QTextDocument *document = window->editor()->document();
    QCOMPARE(document->blockCount(), 2);
    QCOMPARE(document->firstBlock().text(), QStringLiteral("R&D now"));
    QCOMPARE(document->lastBlock().text(), tail);
    QVERIFY(window->sendButton()->isEnabled());
    QCOMPARE(m_f->calls("sendInstantMessage"), 0);
}

void tst_ComposingAids::behaviourOneSendsAtOnce()
{
    m_f->settings().setQuickTextBehaviour(1);
    ChatWindow *window = m_f->open("1001");
    window->quickText()->menu()->actions().at(1)->trigger();
    QCOMPARE(m_f->calls("sendInstantMessage", QStringLiteral("Will you please send me the report?")), 1);
    QVERIFY(window->editor()->document()->isEmpty());
}

void tst_ComposingAids::emoticonsActionInsertsIntoTheEditor()
{
    ChatWindow *window = m_f->open("1001");
    window->settingsAction(ChatWindow::ActionEmoticons)->trigger();
    EmoticonPicker *picker = EmoticonPicker::of(SharedResourceManager::instance()->emoticons());
    QVERIFY(picker->frame()->isVisible());
    auto *cell = qobject_cast<QWidget *>(picker->mapper()->mapping(5));
    QTest::mouseClick(cell, Qt::LeftButton);

    QTextCursor at(window->editor()->document());
    at.setPosition(1);
    QVERIFY(at.charFormat().isImageFormat());
    QCOMPARE(at.charFormat().toImageFormat().name(), picker->nameAt(5));
    QVERIFY(window->sendButton()->isEnabled());
}

void tst_ComposingAids::oneSettingsDialogFollowsTheHost()
{
    ChatWindow *window = m_f->open("1001");
    window->settingsAction(ChatWindow::ActionTools)->trigger();
    QWidget *dialog = openSettingsDialog();
    QVERIFY(dialog);
    m_f->chat().showSettings();
    int open = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        open += w->objectName() == QLatin1String("ChatSettings") ? 1 : 0;
    QCOMPARE(open, 1);

    // The host's history reset (no plug-in library here: its events are
    // handed to the chat core by hand).
    m_f->receive("1001", "before the reset");
    const qint64 shownBefore = window->renderedHistory().newestId();
    QVERIFY(shownBefore > 0);
    auto *synchronize = dialog->findChild<QPushButton *>(QStringLiteral("btnSynchronize"));
    auto *synchronizing = dialog->findChild<QLabel *>(QStringLiteral("lblSynchronizing"));
    QVERIFY(m_f->host->historySync().start());
    m_f->chat().onEvent(HostEventCode::HistorySyncStarted, QByteArray());
    QVERIFY(!synchronize->isEnabled());
    QVERIFY(!synchronizing->isHidden());
    m_f->host->advance(10000);
    m_f->chat().onEvent(HostEventCode::HistorySyncFinished, QByteArray());
    // The button comes back and the window shows the history under its new ids.
    QVERIFY(synchronize->isEnabled());
    QVERIFY(synchronizing->isHidden());
    QVERIFY(window->renderedHistory().newestId() > shownBefore);

    // The host's number and options.
    m_f->host->setHostNumber(0);
    m_f->chat().onHostNumberChanged();
    QVERIFY(!synchronize->isEnabled());
    m_f->host->setHostNumber(1);
    m_f->chat().onHostNumberChanged();
    m_f->chat().onOptionsChanged(SettingsDialogInterface::PartGallery, SettingsDialogInterface::PartHistory);
    auto *tabs = dialog->findChild<QTabWidget *>(QStringLiteral("tabSettings"));
    QVERIFY(!tabs->isTabVisible(5));
    QVERIFY(!tabs->isTabEnabled(4));
    QVERIFY(!synchronize->isEnabled());
    m_f->chat().onOptionsChanged(0, 0);

    // Closed, it is gone; the next request builds a new one.
    QPointer<QWidget> closed(dialog);
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!closed);
    QVERIFY(!m_f->chat().settingsDialog());
}

QTEST_MAIN(tst_ComposingAids)
#include "tst_composingaids.moc"
