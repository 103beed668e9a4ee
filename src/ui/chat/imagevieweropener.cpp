#include "ui/chat/imagevieweropener.h"

#include "chat/outgoingmessage.h"
#include "platform/desktop.h"
#include "platform/interfacedirection.h"
#include "plugin/records/userobj.h"
#include "plugin/records/variableimpl.h"
#include "render/attachmentblocks.h"
#include "render/markupconverter.h"
#include "render/messageblocks.h"
#include "render/resourcekeytable.h"
#include "settings/settingsmanager.h"
#include "shared/sharedresourcemanager.h"
#include "ui/chat/historypane.h"
#include "ui/chat/linkopener.h"
#include "viewer/chatimageviewerframe.h"

#include <sdk/ihostmessage.h>
#include <sdk/ihostservices.h>

#include <QAbstractButton>
#include <QFileInfo>
#include <QTextBrowser>
#include <QTextCursor>
#include <QUrl>

ImageViewerOpener::ImageViewerOpener(QWidget *area, QTextBrowser *history, HostGetter host, PictureList pictures,
                                     TextGetter appName, QObject *parent)
    : QObject(parent)
    , m_area(area)
    , m_history(history)
    , m_host(std::move(host))
    , m_pictures(std::move(pictures))
    , m_appName(std::move(appName))
{
}

ImageViewerOpener::~ImageViewerOpener()
{
    // A full-screen viewer has no parent that would take it along. The
    // window around is going: nothing to restore.
    if (m_viewer) {
        disconnect(m_viewer, nullptr, this, nullptr);
        delete m_viewer.data();
    }
}

Magnifier::Options ImageViewerOpener::magnifierOptions()
{
    Magnifier::Options options;
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    if (const SettingsManager *settings = resources ? resources->settings() : nullptr) {
        options.size = settings->magnifierSize();
        options.shape = settings->magnifierShape() == Magnifier::Circle ? Magnifier::Circle : Magnifier::Rectangle;
        options.zoom = settings->magnifierZoom();
        options.border = settings->magnifierBorder();
        options.smooth = settings->magnifierSmoothZoom();
    }
    return options;
}

QVector<ChatImageViewer::Picture> ImageViewerOpener::historyPictures(HistoryPane &pane)
{
    QVector<ChatImageViewer::Picture> pictures;
    for (const HistoryPane::ShownPicture &shown : pane.shownPictures()) {
        const RenderedHistory::Entry *entry = pane.rendered().find(shown.eventId);
        const qint64 sender = entry ? entry->senderId : 0;
        pictures.append({shown.localName, pane.names().value(sender),
                         sender ? pane.resources().avatar(QByteArray::number(sender)) : QImage()});
    }
    return pictures;
}

QVector<ChatImageViewer::Picture> ImageViewerOpener::conversationPictures(HistoryPane &pane, IHostServices *host)
{
    const QByteArray id = pane.conversationId();
    IMessageList *list = host && !id.isEmpty() ? host->pictureMessages(id.constData()) : nullptr;
    if (!list)
        return historyPictures(pane);
    QVector<ChatImageViewer::Picture> pictures;
    qint64 oldestListed = 0;
    RenderContext context;
    context.host = host;
    QStringList hostSchemes;
    VariableImpl schemes;
    if (host->ownTransferSchemes(&schemes)) {
        for (const QString &scheme : schemes.toString().split(QLatin1Char(','), Qt::SkipEmptyParts))
            hostSchemes.append(scheme.trimmed().toLower());
    }
    ResourceKeyTable &keys = pane.resourceKeys();
    const int count = std::min(list->count(), int(IHostServices::MaxPictureMessages));
    for (int i = 0; i < count; ++i) {
        const IHostMessage *message = list->at(i);
        if (!message || message->isDeleted())
            continue;
        if (oldestListed == 0)
            oldestListed = message->eventId();
        const qint64 sender = message->overridingSenderId() ? message->overridingSenderId() : message->senderId();
        for (const QString &address : MarkupConverter::pictureAddresses(QString::fromUtf8(message->body()))) {
            // What rendering would not fetch by itself waits for the
            // user's click on it in the history.
            const bool fetchable =
                AttachmentBlocks::pictureFetchPolicy(address, hostSchemes) == AttachmentBlocks::PictureFetch::Automatic;
            const QByteArray bytes = address.toUtf8();
            VariableImpl name;
            if ((!host->pictureLocalName(bytes.constData(), &name) || name.bytes().isEmpty()) && fetchable)
                host->createPictureLocalName(bytes.constData(), &name);
            const QString localName = name.toString();
            if (localName.isEmpty())
                continue;
            if (!QFileInfo(localName).isFile()) {
                if (!fetchable)
                    continue;
                if (keys.pictureName(address).isEmpty())
                    keys.notePicture(localName, address, false);
            }
            pictures.append({localName, MessageBlocks::senderNameFor(context, sender, pane.names()),
                             sender ? pane.resources().avatar(QByteArray::number(sender)) : QImage()});
        }
    }
    host->releaseMessageList(list);
    if (oldestListed == 0)
        return historyPictures(pane);
    // Pages scrolled back past the host's cap still browse what they show.
    QVector<ChatImageViewer::Picture> older;
    const QVector<HistoryPane::ShownPicture> shown = pane.shownPictures();
    for (const HistoryPane::ShownPicture &picture : shown) {
        if (picture.eventId >= oldestListed)
            break;
        const RenderedHistory::Entry *entry = pane.rendered().find(picture.eventId);
        const qint64 sender = entry ? entry->senderId : 0;
        older.append({picture.localName, pane.names().value(sender),
                      sender ? pane.resources().avatar(QByteArray::number(sender)) : QImage()});
    }
    return older + pictures;
}

bool ImageViewerOpener::fetchListedPicture(HistoryPane &pane, IHostServices *host, const QString &localName,
                                           const std::function<void(const QString &address)> &watch)
{
    const QString address = pane.resourceKeys().pictureAddress(localName);
    if (!host || address.isEmpty())
        return false;
    if (watch)
        watch(address);
    host->fetchPicture(address.toUtf8().constData(), localName.toUtf8().constData());
    return true;
}

void ImageViewerOpener::pictureArrived(const QString &localName)
{
    if (m_viewer && m_viewer->currentPath() == localName)
        m_viewer->navigate(m_viewer->currentIndex());
}

bool ImageViewerOpener::open(const QString &localName)
{
    if (!QFileInfo(localName).isFile())
        return false;
    QVector<ChatImageViewer::Picture> pictures = m_pictures ? m_pictures() : QVector<ChatImageViewer::Picture>();
    int index = -1;
    for (int i = 0; i < pictures.size() && index < 0; ++i) {
        if (pictures.at(i).path == localName)
            index = i;
    }
    if (index < 0) {
        pictures = {{localName, QString(), QImage()}};
        index = 0;
    }
    if (!m_viewer) {
        ChatImageViewer::Context context;
        context.skinPath = [this](const char *name) {
            IHostServices *services = m_host();
            const char16_t *file = services ? services->skinPath(name) : nullptr;
            return file ? QString::fromUtf16(file) : QString();
        };
        context.open = [this](const QString &path, bool decoded) {
            // What showed as a picture is what the user chose to open.
            if (decoded)
                platform::Desktop::instance().openUrl(QUrl::fromLocalFile(path));
            else
                LinkOpener::openLocalFile(path, m_area->window(), m_appName ? m_appName() : QString());
        };
        context.forward = [this](const QString &path) {
            if (IHostServices *services = m_host()) {
                const QString markup =
                    OutgoingMessage::pictureMessageText(MarkupConverter::encodeAttributeValue(path));
                services->forwardText(markup.toUtf8().constData());
            }
        };
        context.magnifier = magnifierOptions();
        m_viewer = new ChatImageViewer(context, m_area);
        // Full screen, the viewer is a window of its own: it would take the
        // application's direction instead of the chat window's.
        platform::InterfaceDirection::instance().adopt(m_viewer);
        connect(m_viewer, &QObject::destroyed, this, &ImageViewerOpener::restoreHistory);
        // Once per picture and viewer: a fetch that failed is not retried
        // by every step past it.
        m_fetching.clear();
        connect(m_viewer, &ChatImageViewer::pictureShown, this, [this](const QString &path) {
            if (m_fetch && !path.isEmpty() && !QFileInfo(path).isFile() && !m_fetching.contains(path)) {
                m_fetching.insert(path);
                m_fetch(path);
            }
        });
        if (m_scrollBarPolicy < 0) {
            m_scrollBarPolicy = int(m_history->verticalScrollBarPolicy());
            m_history->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        }
    }
    m_viewer->open(pictures, index);
    return true;
}

void ImageViewerOpener::restoreHistory()
{
    if (!m_history)
        return;
    if (m_scrollBarPolicy >= 0)
        m_history->setVerticalScrollBarPolicy(Qt::ScrollBarPolicy(m_scrollBarPolicy));
    m_scrollBarPolicy = -1;
    QTextCursor cursor = m_history->textCursor();
    cursor.clearSelection();
    m_history->setTextCursor(cursor);
}

bool ImageViewerOpener::closeViewer()
{
    if (!m_viewer || !m_viewer->isVisible())
        return false;
    if (auto *close = m_viewer->findChild<QAbstractButton *>(QStringLiteral("Close")))
        close->click();
    else
        m_viewer->close();
    return true;
}

void ImageViewerOpener::applySettings()
{
    if (m_viewer)
        m_viewer->setMagnifierOptions(magnifierOptions());
}
