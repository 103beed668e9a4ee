#include "ui/chat/messageactions.h"

#include "chat/chatcoreinterface.h"
#include "chat/chatsession.h"
#include "render/markupconverter.h"
#include "render/messageblocks.h"
#include "shared/sharedresourcemanager.h"
#include "ui/chat/historypane.h"
#include "ui/chat/messageoverlay.h"
#include "ui/chat/textedit.h"

#include <sdk/ihostmessage.h>
#include <sdk/ihostservices.h>

#include <QBoxLayout>
#include <QCoreApplication>
#include <QIcon>
#include <QLocale>
#include <QMenu>
#include <QTextCursor>

namespace {

// A stored message loaded through the host, given back when it goes.
class Record
{
public:
    Record(IHostServices *host, qint64 eventId)
        : m_host(host)
        , m_record(host ? host->createMessageRecord() : nullptr)
    {
        m_loaded = m_record && host->loadMessageByEvent(eventId, m_record);
    }
    ~Record()
    {
        if (m_record)
            m_host->releaseMessageRecord(m_record);
    }
    Q_DISABLE_COPY(Record)

    explicit operator bool() const { return m_loaded; }
    IHostMessage *operator->() const { return m_record; }
    IHostMessage *get() const { return m_record; }

private:
    IHostServices *m_host;
    IHostMessage *m_record;
    bool m_loaded = false;
};

QIcon skinIcon(IHostServices *host, const QString &name)
{
    const char16_t *path = host ? host->skinPath(name.toUtf8().constData()) : nullptr;
    return path ? QIcon(QString::fromUtf16(path)) : QIcon();
}

void styleMenu(QMenu *menu)
{
    menu->setObjectName(QStringLiteral("Message"));
    menu->setProperty("class", QStringLiteral("Menu Ormica"));
}

// How the overlay shows a message: one line of its plain text.
constexpr int ShortTextChars = 120;

} // namespace

MessageActions::MessageActions(SessionGetter session, HistoryPane *history, TextEdit *editor, QBoxLayout *overlayLayout,
                               int overlayIndex, Send send, ResetEditor resetEditor, QObject *parent)
    : QObject(parent)
    , m_history(history)
    , m_editor(editor)
    , m_overlayLayout(overlayLayout)
    , m_overlayIndex(overlayIndex)
    , m_send(std::move(send))
    , m_resetEditor(std::move(resetEditor))
    , m_session(std::move(session))
{
}

MessageActions::~MessageActions()
{
    delete m_menu;
}

QMenu *MessageActions::menu() const
{
    return m_menu;
}

MessageOverlay *MessageActions::overlay() const
{
    return m_overlay;
}

const QStringList &MessageActions::labelNames()
{
    static const QStringList names = {QStringLiteral("success"), QStringLiteral("warning"), QStringLiteral("danger"),
                                      QStringLiteral("progress")};
    return names;
}

QString MessageActions::labelText(const QString &name)
{
    if (name == QLatin1String("success"))
        return tr("Success");
    if (name == QLatin1String("warning"))
        return tr("Warning");
    if (name == QLatin1String("danger"))
        return tr("Danger");
    if (name == QLatin1String("progress"))
        return tr("Progress");
    return name;
}

IHostServices *MessageActions::host() const
{
    ChatSession *session = m_session();
    ChatCoreInterface *core = session ? session->core() : nullptr;
    return core ? core->hostServices() : nullptr;
}

QByteArray MessageActions::ownUserId() const
{
    ChatSession *session = m_session();
    ChatCoreInterface *core = session ? session->core() : nullptr;
    return core ? core->ownUserId() : QByteArray();
}

QMenu *MessageActions::showMessageMenu(qint64 eventId, const QPoint &globalPos)
{
    if (!m_history->rendered().contains(eventId))
        return nullptr;
    IHostServices *services = host();
    const Record record(services, eventId);
    if (!record)
        return nullptr;
    delete m_menu;
    auto *menu = new QMenu(m_editor->window());
    styleMenu(menu);
    QMenu *labels = menu->addMenu(tr("Labels"));
    styleMenu(labels);
    const QStringList current = QString::fromUtf8(record->labels()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &name : labelNames()) {
        QAction *action = labels->addAction(skinIcon(services, QStringLiteral("chat/label_%1.png").arg(name)),
                                            labelText(name));
        action->setCheckable(true);
        action->setChecked(current.contains(name));
        connect(action, &QAction::triggered, this, [this, eventId, name] { toggleLabel(eventId, name); });
    }
    const QByteArray own = ownUserId();
    const bool liked = record->isLikedBy(own.constData());
    menu->addAction(skinIcon(services, liked ? QStringLiteral("chat/like_on.png") : QStringLiteral("chat/like_off.png")),
                    tr("Like"), this, [this, eventId] { toggleLike(eventId); });
    const bool ownMessage = !record->isReceived();
    if (ownMessage && MarkupConverter::canEditMessage(record.get()))
        menu->addAction(skinIcon(services, QStringLiteral("chat/edit.png")), tr("Edit"), this,
                        [this, eventId] { edit(eventId); });
    menu->addAction(skinIcon(services, QStringLiteral("chat/reply.png")), tr("Reply"), this,
                    [this, eventId] { reply(eventId); });
    if (ownMessage) {
        menu->addSeparator();
        menu->addAction(skinIcon(services, QStringLiteral("chat/delete.png")), tr("Delete"), this,
                        [this, eventId] { deleteMessage(eventId); });
    }
    // Deleted once the event that hid it (a chosen action) has been handled.
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    m_menu = menu;
    m_editor->setFocus();
    menu->popup(globalPos);
    return menu;
}

bool MessageActions::toggleLike(qint64 eventId)
{
    if (!m_history->rendered().contains(eventId))
        return false;
    const QByteArray own = ownUserId();
    bool like = false;
    {
        const Record record(host(), eventId);
        if (!record)
            return false;
        like = !record->isLikedBy(own.constData());
    }
    m_send(MarkupConverter::likeCommand(eventId, like));
    m_history->replaceMessage(eventId, [&](IHostMessage *record) { record->setLiked(own.constData(), like); });
    return true;
}

bool MessageActions::toggleLabel(qint64 eventId, const QString &label)
{
    if (!m_history->rendered().contains(eventId))
        return false;
    QStringList labels;
    {
        const Record record(host(), eventId);
        if (!record)
            return false;
        labels = MarkupConverter::toggledLabels(QString::fromUtf8(record->labels()), label);
    }
    m_send(MarkupConverter::labelCommand(eventId, labels));
    const QByteArray joined = labels.join(QLatin1Char(' ')).toUtf8();
    m_history->replaceMessage(eventId, [&](IHostMessage *record) { record->setLabels(joined.constData()); });
    return true;
}

bool MessageActions::deleteMessage(qint64 eventId)
{
    if (!m_history->rendered().contains(eventId))
        return false;
    messageWithdrawn(eventId);
    m_send(MarkupConverter::deleteCommand(eventId));
    return true;
}

MessageOverlay *MessageActions::ensureOverlay()
{
    if (!m_overlay) {
        m_overlay = new MessageOverlay(m_overlayLayout->parentWidget());
        m_overlayLayout->insertWidget(m_overlayIndex, m_overlay);
        connect(m_overlay, &MessageOverlay::sigResetModeEditReply, this, &MessageActions::slotResetModeEditReply);
    }
    return m_overlay;
}

bool MessageActions::edit(qint64 eventId)
{
    if (!m_history->rendered().contains(eventId))
        return false;
    IHostServices *services = host();
    const Record record(services, eventId);
    if (!record || !MarkupConverter::canEditMessage(record.get()))
        return false;
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    RenderContext context = resources ? resources->renderContext() : RenderContext();
    context.host = services;
    const QString markup = QString::fromUtf8(record->body());
    const QString time = QLocale::system().toString(
        MessageBlocks::messageTimeToDateTime(record->time()).toLocalTime(), QLocale::ShortFormat);
    ensureOverlay()->showEdit(eventId, time, shortText(context, record.get()),
                              skinIcon(services, QStringLiteral("chat/edit.png")));
    m_resetEditor();
    QTextCursor cursor = m_editor->textCursor();
    cursor.insertHtml(MarkupConverter::markupToEditorHtml(markup, context));
    m_editor->setTextCursor(cursor);
    m_editor->setFocus();
    return true;
}

bool MessageActions::reply(qint64 eventId)
{
    if (!m_history->rendered().contains(eventId))
        return false;
    IHostServices *services = host();
    const Record record(services, eventId);
    if (!record)
        return false;
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    RenderContext context = resources ? resources->renderContext() : RenderContext();
    context.host = services;
    const qint64 sender = record->overridingSenderId() ? record->overridingSenderId() : record->senderId();
    const QString name = MessageBlocks::senderNameFor(context, sender, m_history->names());
    const QString time = QLocale::system().toString(
        MessageBlocks::messageTimeToDateTime(record->time()).toLocalTime(), QLocale::ShortFormat);
    ensureOverlay()->showReply(eventId, name, time, shortText(context, record.get()),
                               skinIcon(services, QStringLiteral("chat/reply.png")));
    m_editor->setFocus();
    return true;
}

QString MessageActions::shortText(const RenderContext &context, const IHostMessage *record)
{
    if (record->isDeleted())
        return QCoreApplication::translate("MessageBlocks", "This message was deleted.");
    QString text = MarkupConverter::markupToPlainText(MessageBlocks::messageMarkup(context, record), context.host)
                       .simplified();
    if (text.size() > ShortTextChars) {
        text.truncate(ShortTextChars - (text.at(ShortTextChars - 1).isHighSurrogate() ? 1 : 0));
        text += QChar(0x2026);
    }
    return text.isEmpty() ? tr("A picture or an attachment") : text;
}

QString MessageActions::outgoing(const QString &markup)
{
    if (!m_overlay || m_overlay->mode() == MessageOverlay::Mode::None)
        return markup;
    const qint64 id = m_overlay->messageId();
    const bool editing = m_overlay->mode() == MessageOverlay::Mode::Edit;
    m_overlay->closeInfo();
    return editing ? MarkupConverter::editCommand(id, markup) : MarkupConverter::replyCommand(id, markup);
}

bool MessageActions::closeOverlay()
{
    if (!m_overlay)
        return false;
    m_overlay->closeInfo();
    slotResetModeEditReply();
    return true;
}

void MessageActions::messageWithdrawn(qint64 eventId)
{
    if (m_overlay && m_overlay->messageId() == eventId)
        m_overlay->closeInfo();
}

void MessageActions::slotResetModeEditReply()
{
    m_resetEditor();
}
