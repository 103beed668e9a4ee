#pragma once

#include <QImage>
#include <QString>

class IHostServices;
class ResourceKeyTable;

// The icons chat windows register under the resource keys of attachment
// blocks. Needs the widget style (platform file icons), so it lives beside
// the windows; the drawing itself is IconComposer's.
namespace FileIcon {

// Platform icons are shown at most this large.
constexpr int MaxIconSize = 48;

// The picture at a file, voice or video block's "_res_file_icon_": an
// hourglass for uploads ("upload:" addresses, until the host reports the
// upload ended) and running transfers, the download overlay for an
// offered file, the broken-file look when the downloaded copy is gone.
// Records the matching icon state of `key` in `keys`.
QImage fileIcon(IHostServices *host, ResourceKeyTable &keys, const QString &key, const QString &address,
                const QString &name);

// What a picture shows before it is there: the placeholder, or the broken
// picture once fetching failed, with the download overlay when a fetch can
// be started and the hourglass while one runs.
enum class PictureOverlay {
    None,
    Download,  // not fetched yet
    Running,   // fetch in progress
};
QImage pictureStateImage(IHostServices *host, bool broken, PictureOverlay overlay);

// The platform's icon for a file name, the style's generic file icon when
// it has none; at most MaxIconSize square.
QImage platformFileIcon(const QString &fileName);

} // namespace FileIcon
