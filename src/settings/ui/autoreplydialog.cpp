#include "settings/ui/autoreplydialog.h"

#include "ui_autoreplydialog.h"

#include "settings/settingsmanager.h"
#include "settings/ui/comboboxdelegate.h"
#include "settings/ui/listtexteditor.h"

#include <sdk/icustomstatus.h>
#include <sdk/ihostservices.h>

#include <QEvent>
#include <QToolBar>
#include <QHeaderView>

namespace {

// The host's status codes a reply can be set for.
constexpr int Online = 1;
constexpr int Away = 2;
constexpr int Busy = 3;

} // namespace

AutoReplyDialog::AutoReplyDialog(const SettingsDialogContext &context, QWidget *parent)
    : QFrame(parent)
    , m_ui(new Ui::AutoReplyDialog)
    , m_context(context)
{
    m_ui->setupUi(this);
    QTreeWidget *tree = m_ui->treeAutoReply;
    tree->setProperty("class", QStringLiteral("TreeWidget Chat"));
    tree->header()->resizeSection(StatusColumn, 170);
    tree->header()->setStretchLastSection(true);
    buildStatuses();
    tree->setItemDelegateForColumn(StatusColumn, m_delegate);
    connect(tree, &QTreeWidget::itemDoubleClicked, this, [tree](QTreeWidgetItem *item, int column) {
        if (column == StatusColumn)
            tree->editItem(item, StatusColumn);
    });
    m_rows = new ListTextEditor(tree, ReplyColumn, m_ui->editReply, context, this);
    m_ui->editorLayout->insertWidget(0, m_rows->formatBar());
    m_rows->bindButtons(m_ui->btnAdd, m_ui->btnDelete, m_ui->btnUp, m_ui->btnDown);
    connect(m_ui->btnAdd, &QToolButton::clicked, this, &AutoReplyDialog::onAdd);
    load();
}

AutoReplyDialog::~AutoReplyDialog() = default;

QTreeWidget *AutoReplyDialog::list() const
{
    return m_ui->treeAutoReply;
}

QTextEdit *AutoReplyDialog::editor() const
{
    return m_ui->editReply;
}

QString AutoReplyDialog::statusName(int statusId) const
{
    switch (statusId) {
    case Online: return tr("Online");
    case Away: return tr("Away");
    case Busy: return tr("Busy");
    default: return QString::number(statusId);
    }
}

QIcon AutoReplyDialog::statusIcon(int statusId) const
{
    switch (statusId) {
    case Online: return QIcon(m_context.skinFile("icon_online.png"));
    case Away: return QIcon(m_context.skinFile("icon_na.png"));
    case Busy: return QIcon(m_context.skinFile("icon_dnd.png"));
    default: return QIcon();
    }
}

void AutoReplyDialog::buildStatuses()
{
    QList<ComboBoxDelegate::Status> statuses;
    for (int id : {Busy, Away, Online})
        statuses.append({id, statusName(id), statusIcon(id), false});
    IHostServices *host = m_context.host;
    const int count = host ? host->customStatusCount() : 0;
    for (int i = 0; i < count; ++i) {
        const ICustomStatus *custom = host->customStatusAt(i);
        const QString text = custom && custom->text() ? QString::fromUtf8(custom->text()) : QString();
        if (!custom || custom->statusCode() == -1 || text.isEmpty())
            continue;
        statuses.append({custom->statusCode(), text, statusIcon(custom->statusCode()), true});
    }
    m_delegate = new ComboBoxDelegate(statuses, this);
}

QTreeWidgetItem *AutoReplyDialog::newRow(int statusId, bool custom, const QString &statusText, const QString &reply,
                                         bool active)
{
    auto *item = new QTreeWidgetItem;
    item->setFlags(item->flags() | Qt::ItemIsEditable | Qt::ItemIsUserCheckable);
    item->setCheckState(StatusColumn, active ? Qt::Checked : Qt::Unchecked);
    item->setText(StatusColumn, custom ? statusText : statusName(statusId));
    item->setIcon(StatusColumn, statusIcon(statusId));
    item->setData(StatusColumn, ComboBoxDelegate::StatusIdRole, statusId);
    item->setData(StatusColumn, ComboBoxDelegate::CustomRole, custom);
    m_rows->setMarkup(item, reply);
    return item;
}

void AutoReplyDialog::load()
{
    QTreeWidget *tree = m_ui->treeAutoReply;
    const QSignalBlocker blocker(tree);
    tree->clear();
    for (const CustomStatus &record : m_context.settings->autoReplies()) {
        const bool custom = !record.displayText().isEmpty();
        tree->addTopLevelItem(
            newRow(record.statusCode(), custom, record.displayText(), record.replyText(), record.isActive()));
    }
    tree->setCurrentItem(tree->topLevelItem(0));
    m_rows->refresh();
}

void AutoReplyDialog::onAdd()
{
    m_rows->addRow(newRow(Online, false, QString(), tr("Type \"auto reply\" text here"), true));
}

bool AutoReplyDialog::save(int *refusedRow)
{
    SettingsManager *settings = m_context.settings;
    const QList<CustomStatus> before = settings->autoReplies();
    const auto restore = [&] {
        settings->clearAutoReplies();
        for (const CustomStatus &record : before)
            settings->setCustomStatusReply(record.statusCode(), record.displayText(), record.replyText(), record.isActive());
    };
    if (refusedRow)
        *refusedRow = -1;
    settings->clearAutoReplies();
    QTreeWidget *tree = m_ui->treeAutoReply;
    for (int row = 0; row < tree->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = tree->topLevelItem(row);
        const QString reply = m_rows->markup(item);
        if (reply.isEmpty())
            continue;
        const int id = item->data(StatusColumn, ComboBoxDelegate::StatusIdRole).toInt();
        const bool active = item->checkState(StatusColumn) == Qt::Checked;
        const bool stored = item->data(StatusColumn, ComboBoxDelegate::CustomRole).toBool()
                                ? settings->setCustomStatusReply(id, item->text(StatusColumn), reply, active)
                                : settings->setPlainStatusReply(id, reply, active);
        if (!stored) {
            if (refusedRow)
                *refusedRow = row;
            restore();
            return false;
        }
    }
    if (!settings->writeAutoReplies()) {
        restore();
        return false;
    }
    return true;
}

void AutoReplyDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        m_rows->retranslate();
    }
    QFrame::changeEvent(event);
}
