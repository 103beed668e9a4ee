#pragma once

#include <QString>

// The HTML blocks that stand in for attachment tags in a rendered message.
// Builders take finished texts and escape every one of them for where it
// lands (element content or a quoted attribute value); only the numbers
// written here go in unquoted.
namespace AttachmentBlocks {

// Kind of a transfer as the host counts it.
enum class TransferKind {
    File = 0,
    Voice = 1,
    Video = 2,
};

// Pictures and map pictures are shown at this size.
constexpr int PictureWidth = 150;
constexpr int PictureHeight = 100;

// A leading "upload:" marks an address this client is still uploading.
inline const QString UploadPrefix = QStringLiteral("upload:");
QString stripUploadPrefix(const QString &address);

// File block: icon and name link to "cloud:" + key, the size below.
QString fileBlockHtml(const QString &key, const QString &name, const QString &sizeText);
// Voice or video block: icon and caption link to "cloud:" + key, the
// duration and size below.
QString mediaBlockHtml(const QString &key, const QString &caption, const QString &lengthText, const QString &sizeText);
// A picture linking to "pic:" + its local name.
QString pictureHtml(const QString &localName, const QString &address);
// A shared position: map picture and address text linking to "gp:" + pos.
QString positionHtml(const QString &localName, const QString &pos, const QString &addr, const QString &imgmap);
// The location line: "location://" + map host + "/maps/?q=" + name + "@" + pos.
QString locationLink(const QString &displayName, const QString &pos);
QString locationHtml(const QString &displayName, const QString &pos);

// "yyyyMMddhhmmss_NN.suffix" for a file tag without a name; the suffix is
// the MIME database's first for `mime` (empty when it lists none).
QString defaultAttachmentName(const QString &mime);
// The same with the time stamp (yyyyMMddhhmmss) already at hand: reading
// the local time costs a time-zone lookup, once per message is enough.
QString defaultAttachmentName(const QString &mime, const QString &timeStamp);
// The current local time as attachment names and resource keys write it.
QString currentTimeStamp();

} // namespace AttachmentBlocks
