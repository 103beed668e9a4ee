#include "ui/chat/messageoverlay.h"

#include "ui_messageoverlay.h"

#include <QIcon>
#include <QStyle>

MessageOverlay::MessageOverlay(QWidget *parent)
    : QFrame(parent)
    , m_ui(new Ui::frameMessageOverlay)
{
    m_ui->setupUi(this);
    const auto name = [](QWidget *widget, const char *objectName) {
        widget->setObjectName(QLatin1String(objectName));
        widget->setProperty("class", QStringLiteral("MessageOverlay Chat"));
    };
    name(this, "MessageOverlay");
    name(m_ui->background, "Background");
    name(m_ui->lblIcon, "Icon");
    name(m_ui->lblTitle, "Title");
    name(m_ui->lblMessageTime, "MessageTime");
    name(m_ui->btnClose, "Close");
    name(m_ui->lblMessageText, "MessageText");
    QFont title = m_ui->lblTitle->font();
    title.setBold(true);
    m_ui->lblTitle->setFont(title);
    m_ui->btnClose->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    connect(m_ui->btnClose, &QToolButton::clicked, this, &MessageOverlay::onBtnClose);
    retranslate();
    hide();
}

MessageOverlay::~MessageOverlay() = default;

void MessageOverlay::showEdit(qint64 eventId, const QString &time, const QString &text, const QIcon &icon)
{
    show(Mode::Edit, eventId, time, text, icon);
}

void MessageOverlay::showReply(qint64 eventId, const QString &senderName, const QString &time, const QString &text,
                               const QIcon &icon)
{
    m_senderName = senderName;
    show(Mode::Reply, eventId, time, text, icon);
}

void MessageOverlay::show(Mode mode, qint64 eventId, const QString &time, const QString &text, const QIcon &icon)
{
    m_mode = mode;
    m_eventId = eventId;
    m_ui->lblIcon->setPixmap(icon.pixmap(16, 16));
    m_ui->lblMessageTime->setText(time);
    m_ui->lblMessageText->setText(text);
    retranslate();
    QFrame::show();
}

QString MessageOverlay::title() const
{
    return m_ui->lblTitle->text();
}

QString MessageOverlay::messageText() const
{
    return m_ui->lblMessageText->text();
}

void MessageOverlay::closeInfo()
{
    m_mode = Mode::None;
    m_eventId = 0;
    hide();
    deleteLater();
}

void MessageOverlay::onBtnClose()
{
    closeInfo();
    Q_EMIT sigResetModeEditReply();
}

void MessageOverlay::retranslate()
{
    m_ui->lblTitle->setText(m_mode == Mode::Reply ? tr("Reply to: %1").arg(m_senderName) : tr("Edit message:"));
    m_ui->btnClose->setToolTip(tr("Close and discard changes"));
}

void MessageOverlay::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}
