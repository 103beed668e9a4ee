#include "ui/chat/chatfiledragoverlay.h"

#include "chat/chatcoreinterface.h"
#include "chat/chatsession.h"
#include "plugin/records/userobj.h"
#include "ui/chat/floatingoverlay.h"

#include <sdk/ihostservices.h>
#include <sdk/iplugin.h>

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Labels stand out of the dimmed background in the colours of text fields.
void opaque(QLabel *label)
{
    const QPalette application = QApplication::palette();
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, application.color(QPalette::Base));
    palette.setColor(QPalette::WindowText, application.color(QPalette::Text));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

QLabel *targetLabel(QWidget *parent, const char *objectName)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setProperty("class", QStringLiteral("Label Ormica"));
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::RichText);
    label->setFrameShape(QFrame::Box);
    label->setMinimumSize(150, 80);
    opaque(label);
    return label;
}

QLabel *noticeLabel(QWidget *parent, const char *objectName)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setProperty("class", QStringLiteral("Label Ormica"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setMargin(6);
    opaque(label);
    return label;
}

} // namespace

ChatFileDragOverlay::Labels ChatFileDragOverlay::visibleLabels(bool directUnavailable, bool memberOnline, bool cloud)
{
    Labels labels;
    labels.direct = memberOnline && !directUnavailable;
    labels.cloud = cloud;
    labels.offline = !memberOnline && !directUnavailable && !cloud;
    labels.disabled = directUnavailable && !cloud;
    return labels;
}

ChatFileDragOverlay::ChatFileDragOverlay(QWidget *history, SessionGetter session)
    : QWidget(history)
    , m_session(std::move(session))
{
    setObjectName(QStringLiteral("DragOverlay"));
    setProperty("class", QStringLiteral("DragOverlay Chat"));
    m_background = new QWidget(this);
    m_background->setObjectName(QStringLiteral("Background"));
    // The history shows through, dimmed.
    m_background->setAutoFillBackground(true);
    QPalette dim = m_background->palette();
    dim.setColor(QPalette::Window, QColor(0, 0, 0, 90));
    m_background->setPalette(dim);

    m_direct = targetLabel(m_background, "Direct");
    m_cloud = targetLabel(m_background, "Cloud");
    m_offline = noticeLabel(m_background, "lblOffline");
    m_disabled = noticeLabel(m_background, "lblDisabled");

    auto *targets = new QHBoxLayout;
    targets->setSpacing(12);
    targets->addStretch(1);
    targets->addWidget(m_direct);
    targets->addWidget(m_cloud);
    targets->addStretch(1);
    auto *layout = new QVBoxLayout(m_background);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addStretch(1);
    layout->addLayout(targets);
    layout->addWidget(m_offline);
    layout->addWidget(m_disabled);
    layout->addStretch(1);

    new FloatingOverlay(this, [this] { m_background->setGeometry(rect()); });
    retranslate();
    hide();
}

ChatFileDragOverlay::~ChatFileDragOverlay() = default;

IHostServices *ChatFileDragOverlay::host() const
{
    ChatSession *session = m_session();
    ChatCoreInterface *core = session ? session->core() : nullptr;
    return core ? core->hostServices() : nullptr;
}

bool ChatFileDragOverlay::anyMemberOnline() const
{
    ChatSession *session = m_session();
    if (!session)
        return false;
    const QByteArray own = session->core() ? session->core()->ownUserId() : QByteArray();
    for (const QByteArray &id : session->participantIds()) {
        const UserObj *member = session->findParticipant(id);
        if (member && id != own && member->isOnline())
            return true;
    }
    return false;
}

void ChatFileDragOverlay::showForDrag(bool onlyFiles)
{
    m_onlyFiles = onlyFiles;
    refresh();
    show();
    raise();
}

void ChatFileDragOverlay::refresh()
{
    IHostServices *services = host();
    IPlugin *direct = services ? services->findPlugin(DirectTransferPluginId) : nullptr;
    const bool directUnavailable = !direct || direct->isDisabled();
    m_memberOnline = anyMemberOnline();
    const bool cloud = m_onlyFiles && services && services->isCloudDeliveryAvailable();
    const Labels labels = visibleLabels(directUnavailable, m_memberOnline, cloud);
    m_direct->setVisible(labels.direct);
    m_cloud->setVisible(labels.cloud);
    m_offline->setVisible(labels.offline);
    m_disabled->setVisible(labels.disabled);
}

QString ChatFileDragOverlay::targetAt(const QPoint &pos) const
{
    for (const QLabel *label : {m_direct, m_cloud}) {
        if (label->isVisible() && QRect(label->mapTo(this, QPoint(0, 0)), label->size()).contains(pos))
            return label->objectName();
    }
    return QString();
}

void ChatFileDragOverlay::retranslate()
{
    m_direct->setText(tr("Drop here for<br>\n<b>direct transfer</b>"));
    m_cloud->setText(tr("Drop here for<br>\n<b>instant delivery</b>"));
    m_offline->setText(tr("Direct file transfer is not possible with peer that is currently offline"));
    m_disabled->setText(tr("Direct file transfer is not possible"));
}

void ChatFileDragOverlay::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
