#pragma once

#include "viewer/chatimageviewer.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QVector>

#include <functional>

class HistoryPane;
class IHostServices;
class QTextBrowser;

// Opens the image viewer over a window of rendered messages on the picture
// the user clicked, with the other pictures of the history to browse, and
// serves it: skin images and forwarding through the host, opening through
// the desktop (a picture that did not decode asks first, as any local file
// does), the magnifier as the settings say. While the viewer shows, the
// history's vertical scroll bar is hidden; when it closes, the scroll bar
// returns and the history's selection is cleared.
class ImageViewerOpener : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ImageViewerOpener)

public:
    using HostGetter = std::function<IHostServices *()>;
    using PictureList = std::function<QVector<ChatImageViewer::Picture>()>;
    using TextGetter = std::function<QString()>;
    using Fetcher = std::function<void(const QString &localName)>;

    // `area` (the widget the viewer covers) and `history` are not owned and
    // outlive this object; `pictures` lists what can be browsed, in history
    // order; `appName` titles the questions.
    ImageViewerOpener(QWidget *area, QTextBrowser *history, HostGetter host, PictureList pictures, TextGetter appName,
                      QObject *parent = nullptr);
    ~ImageViewerOpener() override;

    // Shows the picture in the local file `localName`; false when it is no file.
    bool open(const QString &localName);
    // Closes the viewer as its close button does; false when none shows.
    bool closeViewer();
    // The magnifier follows changed settings.
    void applySettings();
    // Starts the fetch of a listed picture whose file is not there when the
    // viewer reaches it; the window calls pictureArrived when it is.
    void setFetcher(Fetcher fetch) { m_fetch = std::move(fetch); }
    // A fetched picture's file is there: shown again if it is the current one.
    void pictureArrived(const QString &localName);
    // Null while none is open.
    ChatImageViewer *viewer() const { return m_viewer; }

    // The pictures a chat window's history shows, with their senders.
    static QVector<ChatImageViewer::Picture> historyPictures(HistoryPane &pane);
    // Every picture of the pane's conversation the host lists (its newest
    // IHostServices::MaxPictureMessages messages with pictures), in
    // conversation order, so that browsing reaches past the rendered window;
    // the shown pictures older than the host's list stand before it.
    // Pictures not fetched yet are listed when rendering would have fetched
    // them by itself (the pane's key table learns their addresses, for
    // fetchListedPicture); those that wait for a click on the picture in
    // the history are left out. Without the host's list, the shown pictures.
    static QVector<ChatImageViewer::Picture> conversationPictures(HistoryPane &pane, IHostServices *host);
    // Starts the host's fetch of a picture the pane's key table knows,
    // `watch` told its address first; false when there is nothing to fetch.
    static bool fetchListedPicture(HistoryPane &pane, IHostServices *host, const QString &localName,
                                   const std::function<void(const QString &address)> &watch);
    static Magnifier::Options magnifierOptions();

private:
    void restoreHistory();

    QWidget *m_area;          // not owned
    QPointer<QTextBrowser> m_history;
    HostGetter m_host;
    PictureList m_pictures;
    TextGetter m_appName;
    Fetcher m_fetch;
    QSet<QString> m_fetching; // asked for while this viewer shows
    // Parented to the area, except while full screen: deleted here then.
    QPointer<ChatImageViewer> m_viewer;
    int m_scrollBarPolicy = -1; // the history's, while the viewer hides its scroll bar
};
