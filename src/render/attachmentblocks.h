#pragma once

#include <QString>
#include <QStringList>

class IHostServices;

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

// ---- Fetching pictures ----------------------------------------------------
//
// A picture address in a message is the peer's text: fetching it at once
// would let any peer make this client read local files, reach shares
// ("smb://"), probe the private network or announce the user's presence to
// a server of the peer's choosing. Only addresses that cannot do harm are
// fetched as soon as the message shows; every other picture renders as a
// picture link whose fetch only the user's click starts.

enum class PictureFetch {
    Automatic, // the host's own transfer address, a map picture, or http(s) on a public host
    OnClick,   // everything else, and anything that does not parse cleanly
};

// The host's own transfer addresses are told by their scheme, which the
// host reports (IHostServices::ownTransferSchemes). Knowing an address
// through the transfer table would not do: the renderer itself registers
// every file address a peer writes there. "gp:" addresses name the map
// picture the host draws for a shared position. http and https qualify only
// for a public host: a DNS name of at least two labels outside the names
// that stay local (localhost, .local, .internal, .lan, home.arpa ...), or a
// public IPv4 address in its canonical dotted form, or a public IPv6
// address (global unicast, no documentation or 6to4 of a private address).
// No user information ("user@host"), no percent-encoded or numeric-trick
// hosts ("2130706433", "0x7f.1", "127.1"), no back-slashes or control
// characters, no address longer than MaxFetchAddressLength; Qt's own URL
// parser must read the same scheme and host.
//
// Pure: `hostSchemes` are the host's schemes in lower case, without ":".
// A leading "upload:" is judged by what follows it.
PictureFetch pictureFetchPolicy(const QString &address, const QStringList &hostSchemes);

constexpr int MaxFetchAddressLength = 2048;
// Automatic fetches started for one message, and for one page of history
// (a host page holds up to 100 messages): a message of 300 picture tags
// starts 20 fetches, a page of such messages 50. Pictures past the caps
// render as picture links.
constexpr int MaxFetchesPerMessage = 20;
constexpr int MaxFetchesPerPage = 50;

// The local name of a picture address, the host creating one when it has
// none yet; a new local name starts the fetch at once when the policy
// allows it and neither cap is spent. `fetchedInMessage` counts the
// message's automatic fetches; `fetchStarted` (may be null) tells whether
// this call started one. With no host the address stands for itself.
QString pictureLocalName(IHostServices *host, const QString &address, int *fetchedInMessage,
                         bool *fetchStarted = nullptr);

// Open while a page of history renders, so that the page's messages
// together start at most MaxFetchesPerPage fetches. Pages render on one
// thread; an inner page counts on its own. Without an open page only the
// per-message cap applies.
class PictureFetchPage
{
public:
    PictureFetchPage();
    ~PictureFetchPage();
    // Whether the innermost open page (if any) allows one more fetch; counts it.
    static bool take();

private:
    Q_DISABLE_COPY(PictureFetchPage)
    PictureFetchPage *m_outer = nullptr;
    int m_fetched = 0;
};

} // namespace AttachmentBlocks
