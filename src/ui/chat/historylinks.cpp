#include "ui/chat/historylinks.h"

#include "chat/chatcoreinterface.h"
#include "chat/chatmanager.h"
#include "chat/chatsession.h"
#include "lib_kelvan/clock.h"
#include "platform/desktop.h"
#include "plugin/records/userobj.h"
#include "plugin/records/variableimpl.h"
#include "render/links.h"
#include "ui/chat/historypane.h"
#include "ui/chat/linkopener.h"
#include "ui/chat/messageactions.h"
#include "ui/chat/pictureopener.h"

#include <sdk/ihostservices.h>

#include <QClipboard>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QWidget>

HistoryLinks::HistoryLinks(SessionGetter session, QWidget *window, HistoryPane *history, MessageActions *actions,
                           QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_history(history)
    , m_actions(actions)
    , m_session(std::move(session))
{
    m_locationMenu = new QMenu(window);
    m_locationMenu->setObjectName(QStringLiteral("Location"));
    m_locationMenu->setProperty("class", QStringLiteral("Menu Ormica"));
    m_geoOpen = m_locationMenu->addAction(QString(), this, &HistoryLinks::onActionGeoOpen);
    m_geoCopy = m_locationMenu->addAction(QString(), this, &HistoryLinks::onActionGeoCopy);
    m_geoForward = m_locationMenu->addAction(QString(), this, &HistoryLinks::onActionGeoForward);
    m_locationMenu->installEventFilter(this);
    retranslate();
}

IHostServices *HistoryLinks::host() const
{
    ChatSession *session = m_session();
    ChatCoreInterface *core = session ? session->core() : nullptr;
    return core ? core->hostServices() : nullptr;
}

QString HistoryLinks::appName() const
{
    ChatSession *session = m_session();
    ChatCoreInterface *core = session ? session->core() : nullptr;
    return core ? core->appName() : QString();
}

void HistoryLinks::retranslate()
{
    m_geoOpen->setText(tr("Open in Maps"));
    m_geoCopy->setText(tr("Copy to Clipboard"));
    m_geoForward->setText(tr("Forward via %1").arg(appName()));
}

bool HistoryLinks::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_locationMenu && event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::eventFilter(watched, event);
}

void HistoryLinks::open(const QString &target)
{
    if (!m_session())
        return;
    const Links::ParsedLink link = Links::parseLinkTarget(target);
    bool ok = false;
    switch (link.kind) {
    case Links::LinkTarget::Cloud:
        openCloudFile(link.value);
        return;
    case Links::LinkTarget::Chat:
        openContact(link.value);
        return;
    case Links::LinkTarget::Like: {
        const qint64 id = link.value.toLongLong(&ok);
        if (ok)
            m_actions->toggleLike(id);
        return;
    }
    case Links::LinkTarget::Menu: {
        const qint64 id = link.value.toLongLong(&ok);
        if (ok)
            m_actions->showMessageMenu(id, QCursor::pos());
        return;
    }
    case Links::LinkTarget::Picture:
        openPicture(link.value);
        return;
    case Links::LinkTarget::Location:
        m_location = Links::locationHttpUrl(link.value);
        retranslate();
        m_locationMenu->hide();
        m_locationMenu->popup(QCursor::pos());
        return;
    case Links::LinkTarget::GeoPosition:
        platform::Desktop::instance().openUrl(Links::geoMapUrl(link.value));
        return;
    case Links::LinkTarget::FullText: // the full text viewer's; nothing else acts on it
        return;
    case Links::LinkTarget::LocalPath:
    case Links::LinkTarget::External:
        openExternal(target);
        return;
    }
}

void HistoryLinks::openExternal(const QString &target)
{
    QString status;
    if (LinkOpener::openTarget(target, m_window, appName(), &status) == LinkOpener::Result::Refused)
        Q_EMIT statusMessage(status);
}

void HistoryLinks::openCloudFile(const QString &key)
{
    IHostServices *services = host();
    // Only keys of this window's own blocks name an attachment.
    const QString address = m_history->resourceKeys().addressForKey(key);
    if (!services || address.isEmpty())
        return;
    const QByteArray bytes = address.toUtf8();
    VariableImpl local;
    if (services->localFileForAddress(bytes.constData(), &local) && !local.toString().isEmpty()) {
        QString status;
        if (LinkOpener::openLocalFile(local.toString(), m_window, appName(), &status) == LinkOpener::Result::Refused)
            Q_EMIT statusMessage(status);
        return;
    }
    if (m_downloadWatcher)
        m_downloadWatcher(address);
    services->fetchFile(bytes.constData());
}

void HistoryLinks::openContact(const QString &id)
{
    IHostServices *services = host();
    const QByteArray bytes = id.toUtf8();
    UserObj user;
    if (!services || bytes.isEmpty() || !services->getUser(&user, bytes.constData()))
        return;
    if (ChatSession *chat = m_session()->manager()->openById(bytes, QByteArray()))
        chat->show(false);
}

void HistoryLinks::openPicture(const QString &localName)
{
    QString status;
    if (!PictureOpener::open(localName, m_window, appName(), &status))
        Q_EMIT statusMessage(status);
}

void HistoryLinks::onActionGeoOpen()
{
    if (m_location.isValid())
        openExternal(m_location.toString(QUrl::FullyEncoded));
}

void HistoryLinks::onActionGeoCopy()
{
    if (m_location.isValid())
        QGuiApplication::clipboard()->setText(m_location.toString(QUrl::FullyEncoded));
}

void HistoryLinks::onActionGeoForward()
{
    IHostServices *services = host();
    ChatSession *session = m_session();
    if (!services || !session || !m_location.isValid())
        return;
    QString introduction;
    if (session->isRoom()) {
        introduction = tr("Forwarded location:");
    } else {
        const UserObj *peer = session->firstParticipant();
        introduction = tr("Forwarded location of %1:").arg(peer ? peer->displayNameString()
                                                                : QString::fromUtf8(session->peerId()));
    }
    const QByteArray key = "geo_" + QByteArray::number(kelvan::Clock::instance().now().toMSecsSinceEpoch());
    const QByteArray text = (introduction + QLatin1Char(' ') + m_location.toString(QUrl::FullyEncoded)).toUtf8();
    services->forwardLocation(key.constData(), text.constData());
}
