#pragma once

#include "viewer/chatimageviewer.h"

#include <QObject>
#include <QPointer>
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
    // Null while none is open.
    ChatImageViewer *viewer() const { return m_viewer; }

    // The pictures a chat window's history shows, with their senders.
    static QVector<ChatImageViewer::Picture> historyPictures(HistoryPane &pane);
    static Magnifier::Options magnifierOptions();

private:
    void restoreHistory();

    QWidget *m_area;          // not owned
    QPointer<QTextBrowser> m_history;
    HostGetter m_host;
    PictureList m_pictures;
    TextGetter m_appName;
    // Parented to the area, except while full screen: deleted here then.
    QPointer<ChatImageViewer> m_viewer;
    int m_scrollBarPolicy = -1; // the history's, while the viewer hides its scroll bar
};
