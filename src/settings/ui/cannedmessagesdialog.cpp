#include "settings/ui/cannedmessagesdialog.h"

#include "ui_cannedmessagesdialog.h"

#include "platform/prompt.h"
#include "settings/settingsmanager.h"
#include "settings/ui/listtexteditor.h"

#include <QEvent>
#include <QToolBar>

CannedMessagesDialog::CannedMessagesDialog(const SettingsDialogContext &context, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::CannedMessagesDialog)
    , m_context(context)
{
    m_ui->setupUi(this);
    setProperty("class", QStringLiteral("Frame Chat"));
    m_ui->treeMsgs->setProperty("class", QStringLiteral("TreeWidget Chat"));
    m_rows = new ListTextEditor(m_ui->treeMsgs, 0, m_ui->editMsg, context, this);
    m_ui->editorLayout->insertWidget(0, m_rows->formatBar());
    m_rows->bindButtons(m_ui->btnAdd, m_ui->btnDelete, m_ui->btnUp, m_ui->btnDown);
    connect(m_ui->btnAdd, &QToolButton::clicked, this, &CannedMessagesDialog::onAdd);
    connect(m_rows, &ListTextEditor::rowEdited, this, [](QTreeWidgetItem *item) { item->setData(0, IdRole, -1); });
    connect(m_ui->btnOK, &QPushButton::clicked, this, &CannedMessagesDialog::onDialogAccepted);
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    load();
}

CannedMessagesDialog::~CannedMessagesDialog() = default;

QTreeWidget *CannedMessagesDialog::list() const
{
    return m_ui->treeMsgs;
}

QTextEdit *CannedMessagesDialog::editor() const
{
    return m_ui->editMsg;
}

void CannedMessagesDialog::load()
{
    const QSignalBlocker blocker(m_ui->treeMsgs);
    m_ui->treeMsgs->clear();
    const SettingsManager *settings = m_context.settings;
    for (const SettingsManager::QuickText &record : settings->quickTexts()) {
        auto *item = new QTreeWidgetItem(m_ui->treeMsgs);
        m_rows->setMarkup(item, SettingsManager::quickTextDisplayText(record));
        item->setData(0, IdRole, record.id);
    }
    m_ui->treeMsgs->setCurrentItem(m_ui->treeMsgs->topLevelItem(0));
    const bool sendAtOnce = settings->quickTextBehaviour() == 1;
    m_ui->rbPlaceIntoField->setChecked(!sendAtOnce);
    m_ui->rbSendInstantly->setChecked(sendAtOnce);
    m_rows->refresh();
}

void CannedMessagesDialog::onAdd()
{
    auto *item = new QTreeWidgetItem;
    m_rows->setMarkup(item, tr("Type the message here"));
    item->setData(0, IdRole, -1);
    m_rows->addRow(item);
}

void CannedMessagesDialog::onDialogAccepted()
{
    int refused = -1;
    if (!store(&refused)) {
        if (refused >= 0) {
            m_ui->treeMsgs->setCurrentItem(m_ui->treeMsgs->topLevelItem(refused));
            report(tr("This quick text is too long to be stored: a quick text holds at most %1 KB. "
                      "Shorten it and press OK again.")
                       .arg(SettingsManager::MaxTextBytes / 1024));
        } else {
            report(tr("The quick texts could not be saved. Your changes are still in this dialog."));
        }
        return;
    }
    Q_EMIT cannedMessagesChanged();
    accept();
}

// Either the whole list is stored and written, or the stored one stays as it
// was: a refused text leaves nothing half replaced.
bool CannedMessagesDialog::store(int *refusedRow)
{
    SettingsManager *settings = m_context.settings;
    const QList<SettingsManager::QuickText> before = settings->quickTexts();
    const int behaviourBefore = settings->quickTextBehaviour();
    const auto restore = [&] {
        settings->clearQuickTexts();
        for (const SettingsManager::QuickText &record : before) {
            if (record.id >= 0)
                settings->appendBuiltInQuickText(record.id);
            else
                settings->appendQuickText(record.text);
        }
        settings->setQuickTextBehaviour(behaviourBefore);
    };
    settings->clearQuickTexts();
    for (int row = 0; row < m_ui->treeMsgs->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = m_ui->treeMsgs->topLevelItem(row);
        const int id = item->data(0, IdRole).toInt();
        if (id >= 0) {
            settings->appendBuiltInQuickText(id);
        } else if (!settings->appendQuickText(m_rows->markup(item)) && !m_rows->markup(item).isEmpty()) {
            *refusedRow = row;
            restore();
            return false;
        }
    }
    settings->setQuickTextBehaviour(m_ui->rbPlaceIntoField->isChecked() ? 0 : 1);
    if (!settings->writeQuickTexts()) {
        restore();
        return false;
    }
    return true;
}

void CannedMessagesDialog::report(const QString &text)
{
    platform::Prompt::warn(this, m_context.appName(), text);
}

void CannedMessagesDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        m_rows->retranslate();
    }
    QDialog::changeEvent(event);
}
