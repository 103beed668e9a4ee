#include "ui/chat/render/fileicon.h"

#include "pictures/pictureloader.h"
#include "render/attachmentblocks.h"
#include "render/iconcomposer.h"
#include "render/resourcekeytable.h"

#include "plugin/records/variableimpl.h"

#include <sdk/ihostservices.h>

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QStyle>

namespace FileIcon {

namespace {

QImage skinImage(IHostServices *host, const char *name)
{
    if (!host)
        return QImage();
    const char16_t *path = host->skinPath(name);
    return path && *path ? PictureLoader::load(QString::fromUtf16(path)).image : QImage();
}

QString hostPath(IHostServices *host, bool (IHostServices::*query)(const char *, IVariable *), const QByteArray &address)
{
    VariableImpl out;
    if (!(host->*query)(address.constData(), &out))
        return QString();
    return out.toString();
}

QImage iconImage(const QIcon &icon)
{
    if (icon.isNull())
        return QImage();
    const QSize size = icon.actualSize(QSize(MaxIconSize, MaxIconSize));
    return size.isEmpty() ? QImage() : icon.pixmap(size).toImage();
}

} // namespace

QImage platformFileIcon(const QString &fileName)
{
    QImage image;
    if (!fileName.isEmpty()) {
        QFileIconProvider provider;
        image = iconImage(provider.icon(QFileInfo(fileName)));
    }
    if (image.isNull() && QApplication::style())
        image = iconImage(QApplication::style()->standardIcon(QStyle::SP_FileIcon));
    return image;
}

QImage fileIcon(IHostServices *host, ResourceKeyTable &keys, const QString &key, const QString &address,
                const QString &name)
{
    if (address.startsWith(QLatin1String("upload:"))) {
        // An own upload shows the hourglass until the host knows it as
        // ended: a failed or stopped upload must not look busy for ever.
        const QByteArray upload = address.toUtf8();
        if (!host || host->isTransferRunning(upload.constData()) || host->transferKind(upload.constData()) < 0) {
            keys.setIconState(key, ResourceKeyTable::IconState::Transferring);
            return skinImage(host, "chat/overlay_hourglass.png");
        }
    }
    if (!host)
        return platformFileIcon(name);

    const QByteArray bytes = AttachmentBlocks::stripUploadPrefix(address).toUtf8();
    const int kind = host->transferKind(bytes.constData());
    QString saved = hostPath(host, &IHostServices::savedPathForAddress, bytes);
    saved.replace(QLatin1String("\\\\"), QLatin1String("\\"));
    const QString local = hostPath(host, &IHostServices::localFileForAddress, bytes);

    QImage icon;
    if (kind == 1)
        icon = skinImage(host, "chat/msgvoice.png");
    else if (kind == 2)
        icon = skinImage(host, "chat/msgvideo.png");
    else
        icon = platformFileIcon(!saved.isEmpty() ? saved : !local.isEmpty() ? local : name);

    if (host->isTransferRunning(bytes.constData())) {
        keys.setIconState(key, ResourceKeyTable::IconState::Transferring);
        return IconComposer::withOverlay(icon, skinImage(host, "chat/overlay_hourglass.png"));
    }
    if (saved.isEmpty()) {
        keys.setIconState(key, ResourceKeyTable::IconState::DownloadOffered);
        return IconComposer::withOverlay(icon, skinImage(host, "chat/overlay_download.png"));
    }
    keys.clearIconState(key);
    if (local.isEmpty()) {
        return IconComposer::brokenFileIcon(icon, skinImage(host, "chat/file_broken_mask.png"),
                                            skinImage(host, "chat/file_broken_outline.png"));
    }
    return icon;
}

QImage pictureStateImage(IHostServices *host, bool broken, PictureOverlay overlay)
{
    const QImage picture =
        skinImage(host, broken ? "chat/picture_broken.png" : "chat/picture_placeholder.png");
    switch (overlay) {
    case PictureOverlay::Download:
        return IconComposer::withOverlay(picture, skinImage(host, "chat/overlay_download.png"));
    case PictureOverlay::Running:
        return IconComposer::withOverlay(picture, skinImage(host, "chat/overlay_hourglass.png"));
    case PictureOverlay::None:
        break;
    }
    return picture;
}

} // namespace FileIcon
