#include "emoticons/emotionboxmanager.h"
#include "emoticons/ui/emoticonpicker.h"
#include "hostkit/host.h"
#include "platform/pickers.h"
#include "platform/prompt.h"
#include "settings/settingsmanager.h"
#include "settings/ui/autoreplydialog.h"
#include "settings/ui/cannedmessagesdialog.h"
#include "settings/ui/comboboxdelegate.h"
#include "settings/ui/defaultfontdialog.h"
#include "settings/ui/listtexteditor.h"
#include "settings/ui/settingsdialog.h"
#include "spell/dictionaryfolder.h"
#include "spell/spellcheckmanager.h"

#include "settingstestutil.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

// The settings, quick-text, automatic-reply and default font dialogs over a
// real SettingsManager in a temporary folder and hostkit's host services
// (custom statuses "Out for lunch" (away), "Presenting, back soon" (busy),
// "Happy to chat" (online)). Question boxes and colour and font dialogs are
// answered by scripts.
class tst_SettingsDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void quickTextsOpenAsStored();
    void editedBuiltInTextBecomesTheUsersOwn();
    void addedRowLeftEmptyIsRemoved();
    void tooLongQuickTextIsRefusedAndKept();

    void autoRepliesAreSavedInOrderMatchedByIdAndText();
    void tooLongReplyKeepsTheDialogAndEverySetting();

    void opensWithStoredValues_data();
    void opensWithStoredValues();
    void okStoresAndTheWindowsFollow();
    void cancelChangesNothing();
    void historyResetAsksFirst_data();
    void historyResetAsksFirst();
    void synchronizeFollowsTheHost_data();
    void synchronizeFollowsTheHost();

    void fontToolBarChangesTheDefaultFormat();

private:
    SettingsDialogContext context();
    template<typename T>
    T *child(QWidget *dialog, const char *name)
    {
        T *found = dialog->findChild<T *>(QLatin1String(name));
        if (!found)
            qWarning() << "no child" << name;
        return found;
    }
    QByteArray file(const char *name) const;

    QTemporaryDir m_folder;
    std::unique_ptr<hostkit::Host> m_host;
    std::unique_ptr<EmotionBoxManager> m_emoticons;
    std::unique_ptr<SpellCheckManager> m_spell;
    std::unique_ptr<SettingsManager> m_settings;
    platform::ScriptedPrompt m_prompt;
    platform::ScriptedPickers m_pickers;
    int m_applied = 0;
};

void tst_SettingsDialogs::initTestCase()
{
    platform::Prompt::setInstance(&m_prompt);
    platform::Pickers::setInstance(&m_pickers);
    m_host = std::make_unique<hostkit::Host>(hostkit::Profile::inMemory());
    m_emoticons = std::make_unique<EmotionBoxManager>();
    QVERIFY(m_emoticons->loadCatalogue(m_host->applicationFolder()));
    m_spell = std::make_unique<SpellCheckManager>(DictionaryFolder::forApplicationFolder(m_host->applicationFolder()));
    m_spell->startLoader();
    QVERIFY(m_spell->isAvailable(QStringLiteral("de_DE")));
}

void tst_SettingsDialogs::init()
{
    QDir(m_folder.path()).removeRecursively();
    m_settings = std::make_unique<SettingsManager>();
    m_settings->load(m_folder.path(), QStringLiteral("en"));
    m_prompt.clear();
    m_pickers.clear();
    m_host->journal().clear();
    m_applied = 0;
}

void tst_SettingsDialogs::cleanup()
{
    m_settings.reset();
}

SettingsDialogContext tst_SettingsDialogs::context()
{
    SettingsDialogContext context;
    context.settings = m_settings.get();
    context.picker = EmoticonPicker::of(m_emoticons.get());
    context.spell = m_spell.get();
    context.host = m_host->servicesFor("chat");
    context.applyToWindows = [this] { ++m_applied; };
    return context;
}

QByteArray tst_SettingsDialogs::file(const char *name) const
{
    QFile f(QDir(m_folder.path()).filePath(QLatin1String(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// --- Quick texts --------------------------------------------------------------------

void tst_SettingsDialogs::quickTextsOpenAsStored()
{
    m_settings->appendQuickText(QStringLiteral("[b]Mine[/b]"));
    m_settings->setQuickTextBehaviour(1);
    CannedMessagesDialog dialog(context());
    QTreeWidget *list = dialog.list();
    QCOMPARE(list->topLevelItemCount(), 4);
    QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("Will you please send me the report?"));
    QCOMPARE(list->topLevelItem(1)->data(0, CannedMessagesDialog::IdRole).toInt(), 1);
    QCOMPARE(list->topLevelItem(3)->data(0, CannedMessagesDialog::IdRole).toInt(), -1);
    QVERIFY(child<QRadioButton>(&dialog, "rbSendInstantly")->isChecked());
    // The first row is in the editor, all of it selected.
    QCOMPARE(dialog.editor()->toPlainText(), QStringLiteral("I will be right back."));
    QCOMPARE(dialog.editor()->textCursor().selectedText(), QStringLiteral("I will be right back."));
    // The last row goes no further down.
    list->setCurrentItem(list->topLevelItem(3));
    dialog.rows()->moveCurrentDown();
    QCOMPARE(list->topLevelItemCount(), 4);
    QCOMPARE(list->currentItem(), list->topLevelItem(3));
}

void tst_SettingsDialogs::editedBuiltInTextBecomesTheUsersOwn()
{
    CannedMessagesDialog dialog(context());
    QSignalSpy changed(&dialog, &CannedMessagesDialog::cannedMessagesChanged);
    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(1));
    QTest::keyClick(dialog.editor(), Qt::Key_End);
    QTest::keyClicks(dialog.editor(), QStringLiteral(" Today"));
    child<QRadioButton>(&dialog, "rbSendInstantly")->click();
    child<QPushButton>(&dialog, "btnOK")->click();

    QCOMPARE(changed.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QList<SettingsManager::QuickText> stored = m_settings->quickTexts();
    QCOMPARE(stored.size(), 3);
    QCOMPARE(stored.at(1).id, -1);
    QCOMPARE(stored.at(1).text, QStringLiteral("Will you please send me the report? Today"));
    QCOMPARE(file("canned_msgs.ini").count("<id>"), 2);
    QCOMPARE(m_settings->quickTextBehaviour(), 1);
    QVERIFY(file("canned_msgs.ini").contains("<quick_text_behaviour>1</quick_text_behaviour>"));
}

void tst_SettingsDialogs::addedRowLeftEmptyIsRemoved()
{
    CannedMessagesDialog dialog(context());
    child<QToolButton>(&dialog, "btnAdd")->click();
    QCOMPARE(dialog.list()->topLevelItemCount(), 4);
    QCOMPARE(dialog.editor()->textCursor().selectedText(), QStringLiteral("Type the message here"));
    QTest::keyClick(dialog.editor(), Qt::Key_Delete);
    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(0));
    QCOMPARE(dialog.list()->topLevelItemCount(), 3);
}

void tst_SettingsDialogs::tooLongQuickTextIsRefusedAndKept()
{
    const QByteArray before = file("canned_msgs.ini");
    CannedMessagesDialog dialog(context());
    dialog.show();
    child<QToolButton>(&dialog, "btnDelete")->click();
    child<QToolButton>(&dialog, "btnAdd")->click();
    const QString tooLong(SettingsManager::MaxTextBytes + 1, QLatin1Char('x'));
    dialog.editor()->setPlainText(tooLong);
    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(0));
    child<QPushButton>(&dialog, "btnOK")->click();

    QCOMPARE(m_prompt.asked().size(), size_t(1));
    QCOMPARE(m_prompt.asked().front().icon, platform::Prompt::Icon::Warning);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.list()->currentItem(), dialog.list()->topLevelItem(2));
    QCOMPARE(dialog.rows()->markup(dialog.list()->topLevelItem(2)), tooLong);
    // The stored list is the one from before OK, not the rows up to the refused one.
    QCOMPARE(m_settings->quickTexts().size(), 3);
    QCOMPARE(m_settings->quickTexts().first().id, 0);
    QCOMPARE(file("canned_msgs.ini"), before);
}

// --- Automatic replies -------------------------------------------------------------------

void tst_SettingsDialogs::autoRepliesAreSavedInOrderMatchedByIdAndText()
{
    m_settings->setPlainStatusReply(3, QStringLiteral("Busy now"), true);
    m_settings->setCustomStatusReply(2, QStringLiteral("Out for lunch"), QStringLiteral("Eating"), false);
    m_settings->setCustomStatusReply(3, QStringLiteral("Gone fishing"), QStringLiteral("Fishing"), true);
    AutoReplyDialog dialog(context());
    QTreeWidget *tree = dialog.list();
    QCOMPARE(tree->topLevelItemCount(), 3);
    // A custom status the host no longer offers keeps its row and text.
    QCOMPARE(tree->topLevelItem(2)->text(AutoReplyDialog::StatusColumn), QStringLiteral("Gone fishing"));
    QCOMPARE(tree->topLevelItem(1)->checkState(AutoReplyDialog::StatusColumn), Qt::Unchecked);

    // The combo: the plain statuses, then the host's custom ones.
    ComboBoxDelegate *delegate = dialog.delegate();
    QStringList offered;
    for (const ComboBoxDelegate::Status &status : delegate->statuses())
        offered << status.text;
    QCOMPARE(offered, (QStringList{"Busy", "Away", "Online", "Out for lunch", "Presenting, back soon", "Happy to chat"}));
    // Row 0 becomes "Happy to chat" (an online custom status) through the delegate.
    const QModelIndex first = tree->model()->index(0, AutoReplyDialog::StatusColumn);
    std::unique_ptr<QWidget> editor(delegate->createEditor(tree->viewport(), QStyleOptionViewItem(), first));
    auto *combo = qobject_cast<QComboBox *>(editor.get());
    delegate->setEditorData(combo, first);
    QCOMPARE(combo->currentText(), QStringLiteral("Busy"));
    combo->setCurrentIndex(5);
    delegate->setModelData(combo, tree->model(), first);
    // The last row moves up, and a new row follows.
    tree->setCurrentItem(tree->topLevelItem(2));
    dialog.rows()->moveCurrentUp();
    dialog.onAdd();
    QVERIFY(dialog.save());

    QCOMPARE(settingstest::replyLines(m_settings->autoReplies()),
             QStringList({"1|Happy to chat|Busy now|1", "3|Gone fishing|Fishing|1", "2|Out for lunch|Eating|0",
                          "1||Type \"auto reply\" text here|1"}));
    QVERIFY(file("auto_reply_msgs.ini").contains("<custom_status_str>Happy to chat</custom_status_str>"));
}

void tst_SettingsDialogs::tooLongReplyKeepsTheDialogAndEverySetting()
{
    m_settings->setPlainStatusReply(2, QStringLiteral("Away"), true);
    SettingsDialog *dialog = new SettingsDialog(context());
    QPointer<SettingsDialog> guard(dialog);
    dialog->show();
    child<QCheckBox>(dialog, "chbTabbedChat")->click();
    dialog->autoReplyDialog()->list()->topLevelItem(0)->setCheckState(AutoReplyDialog::StatusColumn, Qt::Unchecked);
    dialog->autoReplyDialog()->onAdd();
    dialog->autoReplyDialog()->editor()->setPlainText(QString(SettingsManager::MaxTextBytes + 1, QLatin1Char('y')));
    child<QPushButton>(dialog, "btnOK")->click();

    QVERIFY(guard && dialog->isVisible());
    QCOMPARE(m_prompt.asked().size(), size_t(1));
    QCOMPARE(child<QTabWidget>(dialog, "tabSettings")->currentIndex(), int(SettingsDialog::TabAutoReply));
    QVERIFY(m_settings->tabbedChat());
    QCOMPARE(m_settings->autoReplies().size(), 1);
    QVERIFY(m_settings->autoReplies().first().isActive());
    QCOMPARE(m_applied, 0);
    delete dialog;
}

// --- The settings dialog -------------------------------------------------------------------

void tst_SettingsDialogs::opensWithStoredValues_data()
{
    QTest::addColumn<int>("playSound");
    QTest::addColumn<int>("showNotification");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("shape");
    QTest::addColumn<bool>("checkSpelling");
    QTest::addColumn<QString>("soundButton");
    QTest::addColumn<QString>("popupButton");
    QTest::addColumn<QString>("zoomText");
    QTest::addColumn<QString>("shapeText");

    QTest::newRow("play sound 2 checks no sound") << 2 << 0 << 2 << 1 << true << "rbPlayNoSound"
                                                  << "rbNotificationNoPopup" << "2" << "Rectangle";
    QTest::newRow("always, first message, circle") << 0 << 1 << 1 << 2 << true << "rbPlaySound"
                                                   << "rbNotificationPopupFirstMsg" << "1" << "Circle";
    QTest::newRow("zoom 30 selects no entry, spelling off") << 1 << 2 << 30 << 1 << false << "rbPlaySoundNoFocus"
                                                           << "rbNotificationPopup" << "" << "Rectangle";
}

void tst_SettingsDialogs::opensWithStoredValues()
{
    QFETCH(int, playSound);
    QFETCH(int, showNotification);
    QFETCH(int, zoom);
    QFETCH(int, shape);
    QFETCH(bool, checkSpelling);
    QFETCH(QString, soundButton);
    QFETCH(QString, popupButton);

    m_settings->setPlaySound(playSound);
    m_settings->setShowNotification(showNotification);
    m_settings->setMagnifierZoom(zoom);
    m_settings->setMagnifierShape(shape);
    m_settings->setCheckSpelling(checkSpelling);
    m_settings->setSpellLanguage(QStringLiteral("de_DE"));
    SettingsDialog dialog(context());

    QVERIFY(dialog.findChild<QRadioButton *>(soundButton)->isChecked());
    QVERIFY(dialog.findChild<QRadioButton *>(popupButton)->isChecked());
    auto *zoomCombo = child<QComboBox>(&dialog, "cmbZoom");
    QCOMPARE(zoomCombo->count(), 29);
    QCOMPARE(zoomCombo->itemData(28).toInt(), 29);
    QTEST(zoomCombo->currentText(), "zoomText");
    QTEST(child<QComboBox>(&dialog, "cmbShape")->currentText(), "shapeText");
    auto *languages = child<QListWidget>(&dialog, "lstSupportedLanguages");
    QCOMPARE(languages->isEnabled(), checkSpelling);
    QCOMPARE(languages->count(), m_spell->availableLanguages().size());
    QCOMPARE(languages->currentItem()->data(Qt::UserRole).toString(), QStringLiteral("de_DE"));
    QCOMPARE(languages->currentItem()->text(), m_spell->languageDisplayName(QStringLiteral("de_DE")));
}

void tst_SettingsDialogs::okStoresAndTheWindowsFollow()
{
    m_settings->setSpellLanguage(QStringLiteral("de_DE"));
    m_settings->setMagnifierZoom(30);
    auto *dialog = new SettingsDialog(context());
    QPointer<SettingsDialog> guard(dialog);
    dialog->show();
    child<QCheckBox>(dialog, "chbBigSingleEmoticons")->click();
    child<QRadioButton>(dialog, "rbPlayNoSound")->click();
    child<QRadioButton>(dialog, "rbNotificationNoPopup")->click();
    // Spelling off: the list follows at once, and the language stays.
    auto *languages = child<QListWidget>(dialog, "lstSupportedLanguages");
    languages->setCurrentRow(0);
    child<QCheckBox>(dialog, "chbCheckSpellingWhenWriting")->click();
    QVERIFY(!languages->isEnabled());
    child<QComboBox>(dialog, "cmbShape")->setCurrentIndex(1);
    child<QSpinBox>(dialog, "spnSize")->setValue(640);
    child<QPushButton>(dialog, "btnOK")->click();

    QCOMPARE(m_applied, 1);
    QVERIFY(!m_settings->bigSingleEmoticons());
    QCOMPARE(m_settings->playSound(), int(SettingsManager::PlaySound::Never));
    QCOMPARE(m_settings->showNotification(), int(SettingsManager::ShowNotification::Never));
    QVERIFY(!m_settings->checkSpelling());
    QCOMPARE(m_settings->spellLanguage(), QStringLiteral("de_DE"));
    QCOMPARE(m_settings->magnifierZoom(), 30);
    QCOMPARE(m_settings->magnifierShape(), 2);
    QCOMPARE(m_settings->magnifierSize(), 640);
    // config.ini is written at once.
    QVERIFY(!m_settings->isSavePending());
    QVERIFY(file("config.ini").contains("<big_single_emoticons>no</big_single_emoticons>"));
    QVERIFY(file("config.ini").contains("<magnifier_size>640</magnifier_size>"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!guard);
}

void tst_SettingsDialogs::cancelChangesNothing()
{
    auto *dialog = new SettingsDialog(context());
    dialog->show();
    child<QCheckBox>(dialog, "chbAllowReceiveNudge")->click();
    child<QSpinBox>(dialog, "spnSize")->setValue(20);
    dialog->autoReplyDialog()->onAdd();
    child<QPushButton>(dialog, "btnCancel")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(m_settings->allowReceiveNudge());
    QCOMPARE(m_settings->magnifierSize(), 300);
    QVERIFY(m_settings->autoReplies().isEmpty());
    QCOMPARE(m_applied, 0);
    QVERIFY(file("config.ini").isEmpty());
}

void tst_SettingsDialogs::historyResetAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("resets");
    QTest::newRow("No changes nothing") << int(platform::Prompt::No) << 0;
    QTest::newRow("Yes asks the host") << int(platform::Prompt::Yes) << 1;
}

void tst_SettingsDialogs::historyResetAsksFirst()
{
    QFETCH(int, answer);
    m_prompt.enqueue(platform::Prompt::Button(answer));
    SettingsDialog dialog(context());
    child<QPushButton>(&dialog, "btnSynchronize")->click();

    QCOMPARE(m_prompt.asked().size(), size_t(1));
    QCOMPARE(m_prompt.asked().front().defaultButton, platform::Prompt::No);
    QTEST(m_host->journal().count("runHistoryReset"), "resets");
}

void tst_SettingsDialogs::synchronizeFollowsTheHost_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("available");
    QTest::addColumn<int>("disabledParts");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("labelShown");
    QTest::newRow("idle") << false << true << 0 << true << false;
    QTest::newRow("synchronising") << true << true << 0 << false << true;
    QTest::newRow("host number zero") << false << false << 0 << false << false;
    QTest::newRow("history tab disabled by the host") << false << true << int(SettingsDialogInterface::PartHistory)
                                                       << false << false;
    QTest::newRow("another tab disabled") << false << true << int(SettingsDialogInterface::PartGallery) << true << false;
}

void tst_SettingsDialogs::synchronizeFollowsTheHost()
{
    QFETCH(bool, running);
    QFETCH(bool, available);
    QFETCH(int, disabledParts);
    SettingsDialog dialog(context());
    dialog.show();
    dialog.setSynchronizing(running);
    dialog.setSynchronizationAvailable(available);
    dialog.setHostParts(0, disabledParts);
    QTEST(child<QPushButton>(&dialog, "btnSynchronize")->isEnabled(), "enabled");
    QTEST(!child<QLabel>(&dialog, "lblSynchronizing")->isHidden(), "labelShown");
}

// --- The default font ------------------------------------------------------------------------

void tst_SettingsDialogs::fontToolBarChangesTheDefaultFormat()
{
    QSignalSpy changed(m_settings.get(), &SettingsManager::textFormatChanged);
    DefaultFontDialog dialog(context());
    QFont font(QStringLiteral("DejaVu Serif"), 15);
    m_pickers.enqueueFont(font);
    m_pickers.enqueueColor(QColor(QStringLiteral("#336699")));
    dialog.action(DefaultFontDialog::ActionFont)->trigger();
    dialog.action(DefaultFontDialog::ActionColor)->trigger();
    dialog.action(DefaultFontDialog::ActionBold)->trigger();
    // A cancelled colour dialog changes nothing.
    dialog.action(DefaultFontDialog::ActionColor)->trigger();
    QCOMPARE(m_pickers.requests().size(), size_t(3));
    QCOMPARE(m_pickers.requests().at(0).font.family(), m_settings->textFormat().font().family());
    QVERIFY(dialog.action(DefaultFontDialog::ActionBold)->isChecked());
    dialog.apply();

    QCOMPARE(changed.count(), 1);
    const QTextCharFormat stored = m_settings->textFormat();
    QCOMPARE(stored.font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(stored.font().pointSize(), 15);
    QVERIFY(stored.font().bold());
    QCOMPARE(m_settings->foreColorText(), QStringLiteral("#336699"));
    QVERIFY(file("config.ini").contains("#336699"));
    // Applying the stored format again is no change.
    dialog.apply();
    QCOMPARE(changed.count(), 1);
}

QTEST_MAIN(tst_SettingsDialogs)
#include "tst_settingsdialogs.moc"
