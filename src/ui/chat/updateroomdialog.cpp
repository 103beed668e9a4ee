#include "ui/chat/updateroomdialog.h"

#include "ui_updateroomdialog.h"

#include <QPushButton>

UpdateRoomDialog::UpdateRoomDialog(const QString &displayName, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::UpdateRoomDialog)
{
    m_ui->setupUi(this);
    setProperty("class", QStringLiteral("Frame Chat"));
    m_ui->lnRoomDisplayName->setProperty("class", QStringLiteral("Edit Chat"));
    m_ui->btnOk->setProperty("class", QStringLiteral("Button Chat"));
    m_ui->btnCancel->setProperty("class", QStringLiteral("Button Chat"));
    m_ui->lnRoomDisplayName->setMaxLength(MaxNameChars);
    connect(m_ui->btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->lnRoomDisplayName, &QLineEdit::textChanged, this, &UpdateRoomDialog::onRoomNameChanged);
    m_ui->lnRoomDisplayName->setText(displayName);
    m_ui->lnRoomDisplayName->selectAll();
    onRoomNameChanged(m_ui->lnRoomDisplayName->text());
}

UpdateRoomDialog::~UpdateRoomDialog() = default;

QString UpdateRoomDialog::displayName() const
{
    return m_ui->lnRoomDisplayName->text().trimmed();
}

void UpdateRoomDialog::onRoomNameChanged(const QString &text)
{
    m_ui->btnOk->setEnabled(!text.trimmed().isEmpty());
}
