#include "settings/ui/settingsdialog.h"

#include "ui_settingsdialog.h"

#include "platform/prompt.h"
#include "settings/settingsmanager.h"
#include "settings/ui/autoreplydialog.h"
#include "settings/ui/defaultfontdialog.h"
#include "settings/ui/listtexteditor.h"
#include "spell/spellcheckmanager.h"

#include <sdk/ihostservices.h>

#include <QEvent>
#include <QTabBar>
#include <QTreeWidget>

namespace {

using Show = SettingsManager::ShowNotification;
using Play = SettingsManager::PlaySound;

} // namespace

SettingsDialog::SettingsDialog(const SettingsDialogContext &context, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::SettingsDialog)
    , m_context(context)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("class", QStringLiteral("Frame Chat"));
    m_ui->tabSettings->setProperty("class", QStringLiteral("TabWidget Chat"));
    // Every tab stays in sight in every language: the dialog widens to its
    // tab names instead of hiding some behind scroll arrows.
    m_ui->tabSettings->tabBar()->setUsesScrollButtons(false);
    m_font = new DefaultFontDialog(context, m_ui->fontFrame);
    m_ui->fontFrameLayout->addWidget(m_font);
    m_autoReply = new AutoReplyDialog(context, m_ui->autoReplyFrame);
    m_ui->autoReplyFrameLayout->addWidget(m_autoReply);
    m_ui->lblSynchronizing->hide();
    m_ui->spnSize->setRange(SettingsManager::MagnifierMinSize, SettingsManager::MagnifierMaxSize);
    for (int zoom = 1; zoom <= ZoomEntries; ++zoom)
        m_ui->cmbZoom->addItem(QString::number(zoom), zoom);

    connect(m_ui->tabSettings, &QTabWidget::currentChanged, this, &SettingsDialog::onCurrentTabChanged);
    connect(m_ui->chbCheckSpellingWhenWriting, &QCheckBox::stateChanged, this, &SettingsDialog::onSpellCheckStateChanged);
    connect(m_ui->btnOK, &QPushButton::clicked, this, &SettingsDialog::onBtnOk);
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->btnSynchronize, &QPushButton::clicked, this, &SettingsDialog::onBtnSynchronize);
    load();
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::load()
{
    const SettingsManager *settings = m_context.settings;
    const int show = settings->showNotification();
    m_ui->rbNotificationNoPopup->setChecked(show == int(Show::Never));
    m_ui->rbNotificationPopupFirstMsg->setChecked(show == int(Show::FirstMessage));
    m_ui->rbNotificationPopup->setChecked(show == int(Show::WhenInactive));
    const int play = settings->playSound();
    m_ui->rbPlayNoSound->setChecked(play == int(Play::Never));
    m_ui->rbPlaySoundNoFocus->setChecked(play == int(Play::WhenInactive));
    m_ui->rbPlaySound->setChecked(play == int(Play::Always));

    m_ui->chbTabbedChat->setChecked(settings->tabbedChat());
    m_ui->chbAllowReceiveNudge->setChecked(settings->allowReceiveNudge());
    m_ui->chbBigSingleEmoticons->setChecked(settings->bigSingleEmoticons());
    m_ui->chbCheckSpellingWhenWriting->setChecked(settings->checkSpelling());
    m_ui->lstSupportedLanguages->setEnabled(settings->checkSpelling());
    loadLanguages();

    m_ui->chkSmoothZoom->setChecked(settings->magnifierSmoothZoom());
    m_ui->spnSize->setValue(settings->magnifierSize());
    m_ui->chkBorder->setChecked(settings->magnifierBorder());
    m_ui->cmbZoom->setCurrentIndex(m_ui->cmbZoom->findData(settings->magnifierZoom()));
    m_ui->cmbShape->setCurrentIndex(settings->magnifierShape() == 1 ? 0 : 1);
}

void SettingsDialog::loadLanguages()
{
    QListWidget *list = m_ui->lstSupportedLanguages;
    list->clear();
    if (!m_context.spell)
        return;
    const QString current = m_context.settings->spellLanguage();
    for (const SpellLanguage &language : m_context.spell->availableLanguages()) {
        auto *item = new QListWidgetItem(language.displayName, list);
        item->setData(Qt::UserRole, language.code);
        if (language.code == current)
            list->setCurrentItem(item);
    }
}

void SettingsDialog::onCurrentTabChanged(int index)
{
    // The dictionaries are discovered in the background: a list that was
    // empty when the dialog opened is filled once the tab is looked at.
    if (index == TabSpellCheck && m_ui->lstSupportedLanguages->count() == 0)
        loadLanguages();
}

void SettingsDialog::onSpellCheckStateChanged(int state)
{
    m_ui->lstSupportedLanguages->setEnabled(state != Qt::Unchecked);
}

void SettingsDialog::onBtnOk()
{
    // The replies first: a text the storage refuses keeps the dialog open
    // before anything else has changed.
    int refused = -1;
    if (!m_autoReply->save(&refused)) {
        m_ui->tabSettings->setCurrentIndex(TabAutoReply);
        if (refused >= 0) {
            m_autoReply->list()->setCurrentItem(m_autoReply->list()->topLevelItem(refused));
            report(tr("This automatic reply is too long to be stored: a reply holds at most %1 KB. "
                      "Shorten it and press OK again.")
                       .arg(SettingsManager::MaxTextBytes / 1024));
        } else {
            report(tr("The automatic replies could not be saved. Your changes are still in this dialog."));
        }
        return;
    }

    SettingsManager *settings = m_context.settings;
    settings->setShowNotification(m_ui->rbNotificationNoPopup->isChecked()         ? int(Show::Never)
                                  : m_ui->rbNotificationPopupFirstMsg->isChecked() ? int(Show::FirstMessage)
                                                                                   : int(Show::WhenInactive));
    settings->setTabbedChat(m_ui->chbTabbedChat->isChecked());
    settings->setBigSingleEmoticons(m_ui->chbBigSingleEmoticons->isChecked());
    settings->setAllowReceiveNudge(m_ui->chbAllowReceiveNudge->isChecked());
    settings->setCheckSpelling(m_ui->chbCheckSpellingWhenWriting->isChecked());
    const QListWidgetItem *language = m_ui->lstSupportedLanguages->currentItem();
    if (settings->checkSpelling() && language)
        settings->setSpellLanguage(language->data(Qt::UserRole).toString());
    settings->setPlaySound(m_ui->rbPlayNoSound->isChecked()        ? int(Play::Never)
                           : m_ui->rbPlaySoundNoFocus->isChecked() ? int(Play::WhenInactive)
                                                                   : int(Play::Always));

    m_font->apply();

    // No zoom entry is current when the stored zoom is above the list's: it
    // stays what it was.
    if (m_ui->cmbZoom->currentIndex() >= 0)
        settings->setMagnifierZoom(m_ui->cmbZoom->currentData().toInt());
    settings->setMagnifierSize(m_ui->spnSize->value());
    settings->setMagnifierShape(m_ui->cmbShape->currentIndex() == 0 ? 1 : 2);
    settings->setMagnifierBorder(m_ui->chkBorder->isChecked());
    settings->setMagnifierSmoothZoom(m_ui->chkSmoothZoom->isChecked());

    settings->save(false);
    if (m_context.applyToWindows)
        m_context.applyToWindows();
    accept();
}

void SettingsDialog::onBtnSynchronize()
{
    platform::Prompt::Box box;
    box.title = m_context.appName();
    box.text = tr("You are about to clean the local history and initiate synchronization.\n\nDo you want to proceed?");
    box.icon = platform::Prompt::Icon::Warning;
    box.buttons = platform::Prompt::Yes | platform::Prompt::No;
    box.defaultButton = platform::Prompt::No;
    box.parent = this;
    if (platform::Prompt::instance().ask(box) != platform::Prompt::Yes)
        return;
    if (m_context.host)
        m_context.host->runHistoryReset(HistoryResetCommand);
}

void SettingsDialog::showDialog()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void SettingsDialog::setSynchronizing(bool running)
{
    m_synchronizing = running;
    refreshSynchronize();
}

void SettingsDialog::setSynchronizationAvailable(bool available)
{
    m_synchronizationAvailable = available;
    refreshSynchronize();
}

void SettingsDialog::setHostParts(int hidden, int disabled)
{
    for (int tab = 0; tab < TabCount; ++tab) {
        m_ui->tabSettings->setTabVisible(tab, !(hidden & (1 << tab)));
        m_ui->tabSettings->setTabEnabled(tab, !(disabled & (1 << tab)));
    }
    m_disabledParts = disabled;
    refreshSynchronize();
}

void SettingsDialog::refreshSynchronize()
{
    m_ui->btnSynchronize->setEnabled(!m_synchronizing && m_synchronizationAvailable && !(m_disabledParts & PartHistory));
    m_ui->lblSynchronizing->setVisible(m_synchronizing);
}

void SettingsDialog::report(const QString &text)
{
    platform::Prompt::warn(this, m_context.appName(), text);
}

void SettingsDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        m_ui->lblSynchronizing->setVisible(m_synchronizing);
    }
    QDialog::changeEvent(event);
}
