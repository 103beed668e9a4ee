#pragma once

#include <QObject>
#include <QUrl>

#include <functional>

class ChatSession;
class HistoryPane;
class IHostServices;
class MessageActions;
class QAction;
class QMenu;
class QWidget;

// What a click on a link of the history does, by the target's kind in this
// order: "cloud:" (an attachment: its local copy opens, or the host fetches
// it), "chat:" (a conversation with a contact the host knows), "like:" and
// "menu:" (MessageActions), "pic:" (the picture), a location line (the
// location menu), "gp:" (the web map at a position), then local files and
// every other address through LinkOpener. Everything that leaves the
// library obeys LinkPolicy; refusals go to the status bar.
class HistoryLinks : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(HistoryLinks)

public:
    // The conversation (not owned); null once the window closed.
    using SessionGetter = std::function<ChatSession *()>;

    // `window` (the question boxes' and menus' parent), `history` and
    // `actions` are not owned and outlive this object.
    HistoryLinks(SessionGetter session, QWidget *window, HistoryPane *history, MessageActions *actions,
                 QObject *parent = nullptr);

    // Acts on a target exactly as the history holds it.
    void open(const QString &target);
    // Told of every attachment download a click starts, before it starts, so
    // the host's transfer events reach this window.
    void setDownloadWatcher(std::function<void(const QString &address)> watcher) { m_downloadWatcher = std::move(watcher); }
    // Shows a picture the host has the file of (the image viewer).
    void setPictureOpener(std::function<void(const QString &localName)> opener) { m_pictureOpener = std::move(opener); }
    // Told of every picture fetch a click starts, before it starts.
    void setPictureFetchWatcher(std::function<void(const QString &address)> watcher) { m_pictureFetchWatcher = std::move(watcher); }

    // The location menu, built once; the address it offers.
    QMenu *locationMenu() const { return m_locationMenu; }
    QUrl location() const { return m_location; }

Q_SIGNALS:
    void statusMessage(const QString &text);

public Q_SLOTS:
    // A fetch ended with the picture's file there: the one a click is
    // waiting for opens.
    void pictureArrived(const QString &localName);
    void onActionGeoOpen();
    void onActionGeoCopy();
    void onActionGeoForward();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    IHostServices *host() const;
    QString appName() const;
    void openCloudFile(const QString &key);
    void openContact(const QString &id);
    void openPicture(const QString &localName);
    void openExternal(const QString &target);
    void retranslate();

    QWidget *m_window = nullptr;          // not owned
    HistoryPane *m_history = nullptr;     // not owned
    MessageActions *m_actions = nullptr;  // not owned
    SessionGetter m_session;
    QMenu *m_locationMenu = nullptr;      // owned by m_window
    QAction *m_geoOpen = nullptr;
    QAction *m_geoCopy = nullptr;
    QAction *m_geoForward = nullptr;
    QUrl m_location;
    std::function<void(const QString &address)> m_downloadWatcher;
    std::function<void(const QString &localName)> m_pictureOpener;
    std::function<void(const QString &address)> m_pictureFetchWatcher;
    QString m_awaitedPicture; // clicked before it arrived
};
