#include "ui/chat/historytransfers.h"

#include "chat/chatcoreinterface.h"
#include "chat/chatsession.h"
#include "plugin/records/variableimpl.h"
#include "render/attachmentblocks.h"
#include "render/resourcekeytable.h"
#include "ui/chat/historypane.h"

#include <sdk/ihostservices.h>

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

HistoryTransfers::HistoryTransfers(HistoryPane *pane, SessionGetter session, QObject *parent)
    : QObject(parent)
    , m_pane(pane)
    , m_session(std::move(session))
{
    connect(pane, &HistoryPane::picturesFetching, this, [this](const QStringList &addresses) {
        for (const QString &address : addresses)
            watch(true, address);
    });
}

IHostServices *HistoryTransfers::host() const
{
    ChatSession *session = m_session();
    ChatCoreInterface *core = session ? session->core() : nullptr;
    return core ? core->hostServices() : nullptr;
}

void HistoryTransfers::watch(bool picture, const QString &address)
{
    ChatSession *session = m_session();
    if (ChatCoreInterface *core = session ? session->core() : nullptr)
        core->watchTransfer(picture, session->peerId(), address.toUtf8());
}

void HistoryTransfers::fileTransferChanged(const QByteArray &address)
{
    const QString key = m_pane->resourceKeys().keyOf(AttachmentBlocks::stripUploadPrefix(QString::fromUtf8(address)));
    if (!key.isEmpty())
        m_pane->refreshResource(key);
}

void HistoryTransfers::pictureTransferChanged(const QByteArray &address, int code)
{
    ResourceKeyTable &keys = m_pane->resourceKeys();
    const QString text = QString::fromUtf8(address);
    QString name = keys.pictureName(text);
    if (name.isEmpty())
        name = keys.pictureName(AttachmentBlocks::stripUploadPrefix(text));
    if (name.isEmpty())
        return;
    // 15 and 20: the fetch failed; the picture shows broken until a new
    // fetch starts (13).
    if (code == 15 || code == 20)
        keys.setIconState(name, ResourceKeyTable::IconState::Broken);
    else
        keys.clearIconState(name);
    m_pane->refreshResource(name);
    // 19: the picture is ready.
    if (code == 19)
        Q_EMIT pictureArrived(name);
}

void HistoryTransfers::uploadEnded()
{
    ResourceKeyTable &keys = m_pane->resourceKeys();
    for (const QString &key : keys.keysInState(ResourceKeyTable::IconState::Transferring)) {
        if (keys.attachmentAddress(key).startsWith(AttachmentBlocks::UploadPrefix))
            m_pane->refreshResource(key);
    }
}
