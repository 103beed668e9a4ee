#include "ui/broadcast/broadcastviewer.h"

#include "broadcast/broadcastalertpolicy.h"
#include "broadcast/broadcastregistry.h"
#include "emoticons/emoticonentry.h"
#include "emoticons/emotionboxmanager.h"
#include "lib_kelvan/clock.h"
#include "lib_kelvan/utf16.h"
#include "platform/desktop.h"
#include "platform/windowalert.h"
#include "plugin/records/imageimpl.h"
#include "plugin/records/userobj.h"
#include "plugin/records/variableimpl.h"
#include "render/links.h"
#include "render/markupconverter.h"
#include "resources/chatresources.h"
#include "settings/settingsmanager.h"
#include "shared/sharedresourcemanager.h"
#include "ui/chat/fulltextviewer.h"
#include "ui/chat/linkopener.h"
#include "ui/chat/imagevieweropener.h"
#include "ui/chat/textbrowser.h"
#include "ui/chat/widgetstyle.h"
#include "ui/chat/windowgeometrymanager.h"

#include <sdk/ihostservices.h>
#include <sdk/iplugin.h>

#include <algorithm>

#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

constexpr int AvatarSize = 48;
// A popup shows a line or two; a broadcast may be long.
constexpr int PopupMarkupChars = 2000;
const char MessageSound[] = "plugins/chat/sounds/message.wav";

using kelvan::fromUtf16;

} // namespace

BroadcastViewer::BroadcastViewer(BroadcastRegistry *registry, quint64 senderId)
    : QFrame(nullptr, Qt::Window | Qt::WindowFlags(0xc000))
    , m_registry(registry)
    , m_senderId(senderId)
    , m_resources([this] { return host(); }, m_names, m_keys)
{
    initChatResources();
    styleWidget(this, "BroadcastViewer", "Frame Chat");
    setWindowIcon(QIcon(QStringLiteral(":/images/broadcast.png")));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    auto *user = new QFrame(this);
    styleWidget(user, "UserArea", "Frame Chat");
    auto *userLayout = new QHBoxLayout(user);
    userLayout->setContentsMargins(0, 0, 0, 0);
    m_avatar = new QLabel(user);
    styleWidget(m_avatar, "Avatar", "Label Ormica");
    m_avatar->setFixedSize(AvatarSize, AvatarSize);
    m_userName = new QLabel(user);
    styleWidget(m_userName, "UserName", "Label Ormica");
    // A peer's name is shown as the characters it is.
    m_userName->setTextFormat(Qt::PlainText);
    QFont bold = m_userName->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_userName->setFont(bold);
    userLayout->addWidget(m_avatar);
    userLayout->addWidget(m_userName, 1);
    layout->addWidget(user);

    m_history = new TextBrowser(this);
    styleWidget(m_history, "editReceive", "Edit Chat");
    m_history->setResourceResolver([this](int type, const QUrl &name) { return m_resources.resolve(type, name); });
    layout->addWidget(m_history, 1);
    m_imageViewer = new ImageViewerOpener(
        this, m_history, [this] { return host(); }, [this] { return shownPictures(); }, [this] { return appName(); },
        this);

    auto *buttons = new QHBoxLayout;
    m_status = new QLabel(this);
    styleWidget(m_status, "Status", "Label Ormica");
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    buttons->addWidget(m_status, 1);
    m_ok = new QPushButton(this);
    styleWidget(m_ok, "OK", "Button Chat");
    m_ok->setMinimumWidth(80);
    m_ok->setDefault(true);
    buttons->addWidget(m_ok);
    layout->addLayout(buttons);

    m_locationMenu = new QMenu(this);
    styleWidget(m_locationMenu, "Location", "Menu Ormica");
    m_geoOpen = m_locationMenu->addAction(QString(), this, &BroadcastViewer::onActionGeoOpen);
    m_geoCopy = m_locationMenu->addAction(QString(), this, &BroadcastViewer::onActionGeoCopy);
    m_geoForward = m_locationMenu->addAction(QString(), this, &BroadcastViewer::onActionGeoForward);

    connect(m_history, &QTextBrowser::anchorClicked, this, &BroadcastViewer::onEditReceiveAnchorClicked);
    connect(m_ok, &QPushButton::clicked, this, &BroadcastViewer::onBtnOK);
    if (SharedResourceManager *resources = SharedResourceManager::existingInstance()) {
        if (EmotionBoxManager *emoticons = resources->emoticons()) {
            for (const EmoticonEntry *entry : emoticons->entries())
                m_history->addAnimatedImage(entry);
        }
    }
    m_geometry = new WindowGeometryManager(this, SettingsManager::BroadcastViewer, settings());
    m_geometry->restoreSize();
    refreshSender();
}

BroadcastViewer::~BroadcastViewer()
{
    m_history->stopAnimateImages();
}

IHostServices *BroadcastViewer::host() const
{
    return m_registry ? m_registry->host() : nullptr;
}

SettingsManager *BroadcastViewer::settings() const
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    return resources ? resources->settings() : nullptr;
}

QVector<ChatImageViewer::Picture> BroadcastViewer::shownPictures() const
{
    // The broadcast's own pictures, in the order they stand, all from its sender.
    QVector<ChatImageViewer::Picture> pictures;
    const QString sender = senderName();
    const QImage avatar = m_avatar->pixmap(Qt::ReturnByValue).toImage();
    for (QTextBlock block = m_history->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            const bool listed = std::any_of(pictures.cbegin(), pictures.cend(),
                                            [&name](const ChatImageViewer::Picture &p) { return p.path == name; });
            if (!listed && format.anchorHref().startsWith(QLatin1String("pic:")) && QFileInfo(name).isFile())
                pictures.append({name, sender, avatar});
        }
    }
    return pictures;
}

QString BroadcastViewer::senderName() const
{
    const BroadcastRegistry::ViewerRecord *record = m_registry ? m_registry->viewerRecord(m_senderId) : nullptr;
    const QString name = record ? record->sender.displayNameString() : QString();
    return name.isEmpty() ? QString::number(m_senderId) : name;
}

QString BroadcastViewer::appName() const
{
    IHostServices *services = host();
    return services ? fromUtf16(services->appName(-1)) : QString();
}

void BroadcastViewer::retranslate()
{
    setWindowTitle(QStringLiteral("%1 - %2").arg(tr("Broadcast Message"), senderName()));
    m_ok->setText(tr("OK"));
    m_geoOpen->setText(tr("Open in Maps"));
    m_geoCopy->setText(tr("Copy to Clipboard"));
    m_geoForward->setText(tr("Forward via %1").arg(appName()));
}

void BroadcastViewer::refreshSender()
{
    m_names.clear();
    m_userName->setText(senderName());
    ImageImpl picture;
    IHostServices *services = host();
    const QByteArray id = QByteArray::number(m_senderId);
    if (services && services->getAvatar(id.constData(), &picture) && !picture.image().isNull())
        m_avatar->setPixmap(QPixmap::fromImage(picture.image().scaled(AvatarSize, AvatarSize, Qt::KeepAspectRatio,
                                                                        Qt::SmoothTransformation)));
    retranslate();
    render();
}

void BroadcastViewer::applySettings()
{
    m_names.clear();
    render();
}

// --- Messages --------------------------------------------------------------------------------------

void BroadcastViewer::render()
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    const BroadcastRegistry::ViewerRecord *record = m_registry ? m_registry->viewerRecord(m_senderId) : nullptr;
    if (!resources || !record)
        return;
    m_history->document()->setDefaultStyleSheet(resources->messageTextStyleSheet());
    QString html = resources->styles() + QLatin1String("\r\n");
    const QString separator = resources->dateSeparator();
    for (int i = 0; i < record->messages.size(); ++i) {
        const ReceivedBroadcast &message = record->messages.at(i);
        if (i > 0 && MessageBlocks::isDifferentDay(record->messages.at(i - 1).time(), message.time()))
            html += separator;
        bool nudgeSeen = false;
        html += resources->renderMessageBlock(&message, m_names, m_keys, false, &nudgeSeen, false);
    }
    m_history->setHtml(html);
    m_history->scrollToBottom();
}

void BroadcastViewer::addMessage(const ReceivedBroadcast &message)
{
    render();
    if (!m_shown || isHidden()) {
        const BroadcastRegistry::ViewerRecord *record = m_registry ? m_registry->viewerRecord(m_senderId) : nullptr;
        if (record && record->messages.size() == 1) {
            m_geometry->showWindow(false);
        } else {
            m_geometry->restoreMaximized();
            showMinimized();
        }
        m_shown = true;
    }
    alert(message);
}

void BroadcastViewer::alert(const ReceivedBroadcast &message)
{
    IHostServices *services = host();
    if (!services)
        return;
    const SettingsManager *manager = settings();
    const BroadcastAlertPolicy::Decision decision = BroadcastAlertPolicy::decide(
        manager ? manager->playSound() : 1, manager ? manager->showNotification() : 2,
        isVisible() && !isMinimized(), isActiveWindow());
    if (decision.popup) {
        const QString markup = QString::fromUtf8(message.body()).left(PopupMarkupChars);
        const QString text = MarkupConverter::markupToPlainText(markup, services).trimmed();
        const QString title = senderName();
        const QByteArray sender = QByteArray::number(m_senderId);
        services->showPopup("broadcast", reinterpret_cast<const char16_t *>(title.utf16()),
                            reinterpret_cast<const char16_t *>(text.utf16()), sender.constData());
    }
    if (decision.sound)
        services->playSound(MessageSound, 0, 0);
    if (decision.flash)
        platform::WindowAlert::instance().flash(window(), 10, 0);
    if (decision.missedEvent && m_registry)
        m_registry->postMissedEvent();
}

void BroadcastViewer::pictureChanged(const QByteArray &address, int code)
{
    const QString name = m_keys.pictureName(QString::fromUtf8(address));
    if (name.isEmpty())
        return;
    // 20: the fetch failed; the picture shows broken.
    if (code == 20)
        m_keys.setIconState(name, ResourceKeyTable::IconState::Broken);
    else
        m_keys.clearIconState(name);
    const int scroll = m_history->verticalScrollBar()->value();
    render();
    m_history->verticalScrollBar()->setValue(scroll);
}

// --- Links ---------------------------------------------------------------------------------------------

void BroadcastViewer::showStatus(const QString &text)
{
    m_status->setText(text);
}

void BroadcastViewer::onEditReceiveAnchorClicked(const QUrl &url)
{
    if (FullTextViewer::handleLink(url, host(), QByteArray::number(m_senderId), this))
        return;
    const QString target = m_history->clickedTarget(url);
    const Links::ParsedLink link = Links::parseLinkTarget(target);
    QString status;
    switch (link.kind) {
    case Links::LinkTarget::Picture:
        // Local picture names are the host's files, never a peer's path.
        if (!m_imageViewer->open(link.value))
            showStatus(QCoreApplication::translate("HistoryLinks", "The picture has not arrived yet."));
        return;
    case Links::LinkTarget::Chat:
        openContact(link.value);
        return;
    case Links::LinkTarget::Like:
    case Links::LinkTarget::Menu:
    case Links::LinkTarget::FullText:
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
    case Links::LinkTarget::Cloud:
        openCloudFile(link.value);
        return;
    case Links::LinkTarget::LocalPath:
    case Links::LinkTarget::External:
        openExternal(target);
        return;
    }
}

void BroadcastViewer::openContact(const QString &id)
{
    IHostServices *services = host();
    const QByteArray bytes = id.toUtf8();
    IPlugin *chat = services ? services->findPlugin("chat") : nullptr;
    UserObj user;
    if (chat && !bytes.isEmpty() && services->getUser(&user, bytes.constData()))
        chat->openChat(&user);
}

void BroadcastViewer::openExternal(const QString &target)
{
    QString status;
    if (LinkOpener::openTarget(target, this, appName(), &status) == LinkOpener::Result::Refused)
        showStatus(status);
}

void BroadcastViewer::openCloudFile(const QString &key)
{
    IHostServices *services = host();
    // Only keys of this viewer's own blocks name an attachment.
    const QString address = m_keys.addressForKey(key);
    if (!services || address.isEmpty())
        return;
    const QByteArray bytes = address.toUtf8();
    VariableImpl local;
    if (services->localFileForAddress(bytes.constData(), &local) && !local.toString().isEmpty()) {
        QString status;
        if (LinkOpener::openLocalFile(local.toString(), this, appName(), &status) == LinkOpener::Result::Refused)
            showStatus(status);
        return;
    }
    services->fetchFile(bytes.constData());
}

void BroadcastViewer::onActionGeoOpen()
{
    if (m_location.isValid())
        openExternal(m_location.toString(QUrl::FullyEncoded));
}

void BroadcastViewer::onActionGeoCopy()
{
    if (m_location.isValid())
        QGuiApplication::clipboard()->setText(m_location.toString(QUrl::FullyEncoded));
}

void BroadcastViewer::onActionGeoForward()
{
    IHostServices *services = host();
    if (!services || !m_location.isValid())
        return;
    const QString introduction = tr("Forwarded location of %1:").arg(senderName());
    const QByteArray key = "geo_" + QByteArray::number(kelvan::Clock::instance().now().toMSecsSinceEpoch());
    const QByteArray text = (introduction + QLatin1Char(' ') + m_location.toString(QUrl::FullyEncoded)).toUtf8();
    services->forwardLocation(key.constData(), text.constData());
}

// --- Window --------------------------------------------------------------------------------------------

void BroadcastViewer::raiseWindow()
{
    m_geometry->showWindow(false);
    m_shown = true;
}

void BroadcastViewer::onBtnOK()
{
    close();
}

void BroadcastViewer::release()
{
    m_registry = nullptr;
    m_history->stopAnimateImages();
    hide();
    deleteLater();
}

void BroadcastViewer::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    } else if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            m_history->startAnimateImages();
        else
            m_history->stopAnimateImages();
    }
    QFrame::changeEvent(event);
}

void BroadcastViewer::closeEvent(QCloseEvent *event)
{
    event->accept();
    // The receipt goes once: the registry forgets the record with it.
    if (BroadcastRegistry *registry = m_registry) {
        m_registry = nullptr;
        registry->viewerClosed(m_senderId);
    }
    m_history->stopAnimateImages();
    hide();
    deleteLater();
}
