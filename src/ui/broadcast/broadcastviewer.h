#pragma once

#include "broadcast/broadcastviewerinterface.h"
#include "render/messageblocks.h"
#include "render/resourcekeytable.h"
#include "ui/chat/historyresources.h"
#include "viewer/chatimageviewer.h"

#include <QFrame>
#include <QUrl>

class BroadcastRegistry;
class IHostServices;
class ImageViewerOpener;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class SettingsManager;
class TextBrowser;
class WindowGeometryManager;

// The broadcasts one sender sent the user, shown as received chat messages
// under the sender's picture and name. Links behave as in a chat window's
// history ("chat:" opens a chat through the text chat plug-in; likes and
// message menus do nothing here). OK or the close box tells the registry,
// which sends the sender the "seen" receipt; the viewer then goes.
//
// A broadcast arriving brings a viewer not yet shown up (normal and active
// for its first broadcast, minimized otherwise) and alerts as the settings
// ask (BroadcastAlertPolicy).
class BroadcastViewer : public QFrame, public BroadcastViewerInterface
{
    Q_OBJECT
    Q_DISABLE_COPY(BroadcastViewer)

public:
    // `registry` is not owned (it owns the viewer until release()).
    BroadcastViewer(BroadcastRegistry *registry, quint64 senderId);
    ~BroadcastViewer() override;

    // --- BroadcastViewerInterface ----------------------------------------------------------

    void release() override;
    void addMessage(const ReceivedBroadcast &message) override;
    void raiseWindow() override;
    void refreshSender() override;
    void applySettings() override;
    void pictureChanged(const QByteArray &address, int code) override;

    // --- For tests ----------------------------------------------------------------------------

    TextBrowser *historyView() const { return m_history; }
    QPushButton *okButton() const { return m_ok; }
    QLabel *userName() const { return m_userName; }
    QMenu *locationMenu() const { return m_locationMenu; }
    QUrl location() const { return m_location; }
    ImageViewerOpener *imageViewer() const { return m_imageViewer; }
    quint64 senderId() const { return m_senderId; }

public Q_SLOTS:
    void onEditReceiveAnchorClicked(const QUrl &url);
    void onActionGeoOpen();
    void onActionGeoCopy();
    void onActionGeoForward();
    void onBtnOK();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    IHostServices *host() const;
    SettingsManager *settings() const;
    QString senderName() const;
    QVector<ChatImageViewer::Picture> shownPictures() const;
    QString appName() const;
    void retranslate();
    void render();
    void alert(const ReceivedBroadcast &message);
    void openContact(const QString &id);
    void openExternal(const QString &target);
    void openCloudFile(const QString &key);
    void showStatus(const QString &text);

    BroadcastRegistry *m_registry = nullptr; // not owned; null once released or closed
    const quint64 m_senderId;
    QLabel *m_avatar = nullptr;
    QLabel *m_userName = nullptr;
    TextBrowser *m_history = nullptr;
    ImageViewerOpener *m_imageViewer = nullptr;
    QPushButton *m_ok = nullptr;
    QLabel *m_status = nullptr;
    QMenu *m_locationMenu = nullptr;
    QAction *m_geoOpen = nullptr;
    QAction *m_geoCopy = nullptr;
    QAction *m_geoForward = nullptr;
    QUrl m_location;
    WindowGeometryManager *m_geometry = nullptr;
    UserNameCache m_names;
    ResourceKeyTable m_keys;
    HistoryResources m_resources;
    bool m_shown = false;
};
