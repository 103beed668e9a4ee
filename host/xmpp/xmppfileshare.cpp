#include "xmppfileshare.h"

#include <QXmppClient.h>
#include <QXmppHttpUploadIq.h>
#include <QXmppUploadRequestManager.h>

#include <QLoggingCategory>
#include <QMimeDatabase>
#include <QNetworkReply>
#include <QNetworkRequest>

Q_LOGGING_CATEGORY(lcFileShare, "hostkit.xmpp.files")

namespace hostkit {

namespace {

// Uploads waiting for a slot at once; more fail at once.
constexpr int kMaxPending = 64;

} // namespace

XmppFileShare::XmppFileShare(QXmppClient &client, QObject *parent)
    : QObject(parent)
{
    m_uploads = client.findExtension<QXmppUploadRequestManager>();
    if (!m_uploads) {
        m_uploads = new QXmppUploadRequestManager;
        client.addExtension(m_uploads);
    }
    connect(m_uploads, &QXmppUploadRequestManager::slotReceived, this, &XmppFileShare::onSlot);
    connect(m_uploads, &QXmppUploadRequestManager::requestFailed, this, &XmppFileShare::onFailed);
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

void XmppFileShare::upload(const QByteArray &content, const QString &name, Uploaded done)
{
    const QString service = m_uploads->serviceFound() ? QString() : m_fallbackService;
    if (content.isEmpty() || content.size() > kMaxBytes || (service.isEmpty() && !m_uploads->serviceFound())
        || m_pending.size() >= kMaxPending) {
        qCInfo(lcFileShare) << "not uploaded:" << name;
        done(QUrl());
        return;
    }
    const QMimeType type = QMimeDatabase().mimeTypeForFileNameAndData(name, content);
    const QString id = m_uploads->requestUploadSlot(name.isEmpty() ? QStringLiteral("file") : name, content.size(), type, service);
    if (id.isEmpty()) {
        done(QUrl());
        return;
    }
    m_pending.insert(id, {content, std::move(done)});
}

void XmppFileShare::onSlot(const QXmppHttpUploadSlotIq &slot)
{
    const auto it = m_pending.find(slot.id());
    if (it == m_pending.end())
        return;
    Pending pending = it.value();
    m_pending.erase(it);
    QNetworkRequest request(slot.putUrl());
    const auto headers = slot.putHeaders();
    for (auto h = headers.cbegin(); h != headers.cend(); ++h)
        request.setRawHeader(h.key().toUtf8(), h.value().toUtf8());
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/octet-stream"));
    QNetworkReply *reply = m_network.put(request, pending.content);
    const QUrl get = slot.getUrl();
    connect(reply, &QNetworkReply::finished, this, [reply, get, done = pending.done] {
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError)
            qCInfo(lcFileShare) << "upload failed:" << reply->errorString();
        done(reply->error() == QNetworkReply::NoError ? get : QUrl());
    });
}

void XmppFileShare::onFailed(const QXmppHttpUploadRequestIq &request)
{
    const auto it = m_pending.find(request.id());
    if (it == m_pending.end())
        return;
    const Uploaded done = it.value().done;
    m_pending.erase(it);
    qCInfo(lcFileShare) << "the server gave no upload slot";
    done(QUrl());
}

void XmppFileShare::download(const QUrl &url, Downloaded done)
{
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        done(QByteArray());
        return;
    }
    QNetworkReply *reply = m_network.get(QNetworkRequest(url));
    // A server that sends more than it may is cut off.
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > kMaxBytes || total > kMaxBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [reply, done = std::move(done)] {
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError)
            qCInfo(lcFileShare) << "download failed:" << reply->errorString();
        const QByteArray data = reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
        done(data.size() <= kMaxBytes ? data : QByteArray());
    });
}

} // namespace hostkit
