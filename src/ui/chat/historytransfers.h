#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class ChatSession;
class HistoryPane;
class IHostServices;

// Attachments of the history while the host moves them: the file icons
// (download offered, in progress, done or failed) and pictures (placeholder,
// picture or broken picture) are redrawn in place as the host reports their
// transfers, and every fetch this window starts is watched through the chat
// core, so that those reports reach this window.
class HistoryTransfers : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(HistoryTransfers)

public:
    // The conversation shown (not owned); null once the window closed.
    using SessionGetter = std::function<ChatSession *()>;

    // `pane` is not owned and must outlive this object.
    HistoryTransfers(HistoryPane *pane, SessionGetter session, QObject *parent = nullptr);

    // A file download changed state (host events 4 to 6); `address` is the
    // attachment address.
    void fileTransferChanged(const QByteArray &address);
    // A picture fetch changed state (13 to 15) or ended (19 ready, 20 missing).
    void pictureTransferChanged(const QByteArray &address, int code);
    // An own upload ended: icons of "upload:" blocks show what the host knows now.
    void uploadEnded();

    // A fetch of the address starts: the host's events for it come here.
    void watch(bool picture, const QString &address);

Q_SIGNALS:
    // A picture's fetch ended with its file there.
    void pictureArrived(const QString &localName);

private:
    IHostServices *host() const;

    HistoryPane *m_pane;
    SessionGetter m_session;
};
