#include "ui/chat/historyresources.h"

#include "emoticons/emotionboxmanager.h"
#include "lib_kelvan/utf16.h"
#include "pictures/pictureloader.h"
#include "plugin/records/imageimpl.h"
#include "plugin/records/userobj.h"
#include "render/attachmentblocks.h"
#include "shared/sharedresourcemanager.h"
#include "ui/chat/render/fileicon.h"

#include <sdk/ihostservices.h>
#include <sdk/iplugin.h>

#include <QFileInfo>
#include <QMovie>
#include <QPainter>
#include <QPainterPath>
#include <QTextDocument>
#include <QUrl>

namespace {

using kelvan::fromUtf16;

// Pictures the history shows that the skin may not have: drawn once.
QImage drawnMenuButton(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x60, 0x60, 0x80));
    const qreal r = size / 10.0;
    for (int i = 1; i <= 3; ++i)
        painter.drawEllipse(QPointF(size / 2.0, size * i / 4.0), r, r);
    return image;
}

QImage drawnLocationPin(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd0, 0x30, 0x30));
    const qreal w = size;
    QPainterPath pin;
    pin.moveTo(w / 2, w * 0.95);
    pin.cubicTo(w * 0.1, w * 0.5, w * 0.15, w * 0.05, w / 2, w * 0.05);
    pin.cubicTo(w * 0.85, w * 0.05, w * 0.9, w * 0.5, w / 2, w * 0.95);
    painter.drawPath(pin);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(w / 2, w * 0.38), w * 0.13, w * 0.13);
    return image;
}

// The avatar of someone the host has no picture of.
QImage drawnAvatar(const QString &name, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x90, 0xa0, 0xc0));
    painter.drawEllipse(QRectF(0, 0, size, size));
    const QString initial = name.trimmed().left(1).toUpper();
    if (!initial.isEmpty()) {
        QFont font = painter.font();
        font.setPixelSize(size / 2);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, initial);
    }
    return image;
}

} // namespace

HistoryResources::HistoryResources(HostGetter host, UserNameCache &names, ResourceKeyTable &keys)
    : m_host(std::move(host))
    , m_names(names)
    , m_keys(keys)
{
}

QImage HistoryResources::avatar(const QByteArray &userId) const
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    const int size = resources ? resources->avatarSize() : 64;
    IHostServices *services = m_host();
    if (services) {
        ImageImpl image;
        if (services->getAvatar(userId.constData(), &image) && !image.image().isNull())
            return image.image().scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    QString name = m_names.value(userId.toLongLong());
    if (name.isEmpty() && services) {
        UserObj user;
        if (services->getUser(&user, userId.constData()))
            name = user.displayNameString();
    }
    return drawnAvatar(name, size);
}

QVariant HistoryResources::resolve(int type, const QUrl &url) const
{
    if (type != QTextDocument::ImageResource)
        return QVariant();
    const QString name = url.toString();
    IHostServices *services = m_host();
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    const auto skinImage = [services](const char *file) {
        return services ? PictureLoader::load(fromUtf16(services->skinPath(file))).image : QImage();
    };
    if (name.startsWith(QLatin1String("avatar_")))
        return avatar(name.mid(7).toUtf8());
    if (name == QLatin1String("pi_nudge"))
        return skinImage("chat/nudge.png");
    if (name == QLatin1String("pi_msg_menu"))
        return drawnMenuButton(resources ? resources->menuSize() : 24);
    if (name.startsWith(QLatin1String("pi_"))) {
        IPlugin *plugin = services ? services->findPlugin(name.mid(3).toUtf8().constData()) : nullptr;
        ImageImpl icon;
        if (plugin && plugin->drawIcon(&icon) && !icon.image().isNull())
            return icon.image().scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return QImage(QStringLiteral(":/images/chat.png")).scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    if (name == QLatin1String("location_img"))
        return drawnLocationPin(16);
    if (m_keys.containsKey(name))
        return FileIcon::fileIcon(services, m_keys, name, m_keys.attachmentAddress(name), m_keys.attachmentName(name));
    if (EmotionBoxManager *emoticons = resources ? resources->emoticons() : nullptr) {
        if (QMovie *movie = emoticons->animationForResource(name))
            return movie->currentImage();
    }
    // Pictures and emoticon files: the host's local names are absolute paths.
    const QFileInfo file(name);
    if (file.isAbsolute()) {
        if (file.isFile()) {
            // Blocks show pictures at 150 x 100; twice that keeps them sharp.
            const QSize box(2 * AttachmentBlocks::PictureWidth, 2 * AttachmentBlocks::PictureHeight);
            const PictureLoader::Picture picture = PictureLoader::load(name, box);
            if (picture.ok()) {
                m_keys.clearIconState(name);
                return picture.image;
            }
            m_keys.setIconState(name, ResourceKeyTable::IconState::Broken);
            return FileIcon::pictureStateImage(services, true, FileIcon::PictureOverlay::None);
        }
        // The window marks a picture whose fetch failed; a new fetch clears it.
        const bool failed = m_keys.hasIconState(name, ResourceKeyTable::IconState::Broken);
        if (!failed)
            m_keys.setIconState(name, ResourceKeyTable::IconState::Placeholder);
        const QString address = m_keys.pictureAddress(name);
        const bool running = services && services->isTransferRunning((address.isEmpty() ? name : address).toUtf8().constData());
        return FileIcon::pictureStateImage(services, failed,
                                           running ? FileIcon::PictureOverlay::Running : FileIcon::PictureOverlay::Download);
    }
    return QVariant();
}
