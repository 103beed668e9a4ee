#pragma once

#include <QHash>
#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>

#include <functional>

class QXmppClient;
class QXmppHttpUploadRequestIq;
class QXmppHttpUploadSlotIq;
class QXmppUploadRequestManager;

namespace hostkit {

// Files through the server's HTTP file share: a slot is asked for, the
// content put there, and the address others fetch it from handed back.
// Downloads are bounded, and only plain http(s) addresses are fetched.
class XmppFileShare : public QObject
{
    Q_OBJECT

public:
    // The server's share takes 16 MiB; nothing bigger goes up or comes down.
    static constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

    explicit XmppFileShare(QXmppClient &client, QObject *parent = nullptr);

    // Where slots are asked for while the server has not named its file
    // share (or never does): by custom "upload." and the domain.
    void setFallbackService(const QString &jid) { m_fallbackService = jid; }

    using Uploaded = std::function<void(const QUrl &url)>;        // empty on failure
    using Downloaded = std::function<void(const QByteArray &data)>; // empty on failure
    void upload(const QByteArray &content, const QString &name, Uploaded done);
    void download(const QUrl &url, Downloaded done);

private:
    void onSlot(const QXmppHttpUploadSlotIq &slot);
    void onFailed(const QXmppHttpUploadRequestIq &request);

    struct Pending
    {
        QByteArray content;
        Uploaded done;
    };
    QXmppUploadRequestManager *m_uploads = nullptr; // owned by the client
    QNetworkAccessManager m_network;
    QHash<QString, Pending> m_pending; // by slot request id
    QString m_fallbackService;
};

} // namespace hostkit
