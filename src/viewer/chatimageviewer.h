#pragma once

#include "viewer/magnifier.h"

#include <QImage>
#include <QPointer>
#include <QScopedPointer>
#include <QString>
#include <QVector>
#include <QWidget>

#include <functional>

namespace kelvan {
class ClockTimer;
}
namespace Ui {
class ChatImageViewerClass;
}
class ChatImageViewerAnimation;
class ChatImageViewerFrame;
class QAbstractButton;

// The pictures of a conversation, one at a time, full size over the chat
// window (or full screen): the sender's name and avatar in the header, the
// previous and next picture by the arrows or the Left and Right keys (which
// swap meaning right to left, where the next picture lies leftwards), the
// magnifier's lens while a mouse button is held (or after Zoom or Control),
// and the actions open, forward, copy, save, print, full screen and close.
// The header and the arrows fade in on mouse activity and out after
// ActivityMs without it.
//
// The viewer covers the widget it is opened over and follows its size; it
// deletes itself when it closes.
class ChatImageViewer : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ChatImageViewer)

public:
    static constexpr int ActivityMs = 2000;

    struct Picture
    {
        QString path;       // the local file
        QString senderName; // plain text
        QImage avatar;
    };

    // What the viewer needs from the window it shows in.
    struct Context
    {
        // The file of a skin image such as "chat/picture_broken.png"; empty when there is none.
        std::function<QString(const char *relativeName)> skinPath;
        // Hands the file to the desktop; `decoded`: it showed as a picture
        // (the user chose what they saw), else its safety is asked first.
        std::function<void(const QString &path, bool decoded)> open;
        // Lets the user pick contacts to send the picture to.
        std::function<void(const QString &path)> forward;
        Magnifier::Options magnifier;
    };

    // Opens over `area` (not owned; the viewer is its child while not full
    // screen).
    ChatImageViewer(const Context &context, QWidget *area);
    ~ChatImageViewer() override;

    // Shows the list, at `index` (the first picture when out of range).
    void open(const QVector<Picture> &pictures, int index);
    // Accepted only for 0 <= index < count().
    bool navigate(int index);
    int currentIndex() const { return m_index; }
    // The current picture's local file; empty when none.
    QString currentPath() const;
    int count() const { return m_pictures.size(); }
    // Whether the current picture showed its own pixels (else the broken picture).
    bool isDecoded() const { return m_decoded; }

    bool isFullScreenMode() const { return m_fullScreen; }
    void setFullScreenMode(bool on);
    void setMagnifierOptions(const Magnifier::Options &options);

    ChatImageViewerFrame *frame() const;
    ChatImageViewerAnimation *animation() const { return m_animation; }

    // The name a picture with this complete suffix is saved under: `chosen`,
    // with "." and the suffix appended unless it ends with them (any case).
    static QString savedFileName(const QString &chosen, const QString &suffix);

Q_SIGNALS:
    void closed();
    // A picture was shown (its own pixels or the broken picture).
    void pictureShown(const QString &path);

public Q_SLOTS:
    void onZoom();
    void onOpen();
    void onForward();
    void onCopy();
    void onSave();
    void onPrint();
    void onFullscreen();
    void onPrev();
    void onNext();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setIcon(QAbstractButton *button, const char *skinName);
    void restyle(QWidget *widget, const QString &objectName);
    void showArrow(QWidget *arrow, bool shown);
    void setArrowIcons();
    void updateHeader();
    void watchMouse(QWidget *widget);

    QScopedPointer<Ui::ChatImageViewerClass> m_ui;
    Context m_context;
    QPointer<QWidget> m_area;
    QVector<Picture> m_pictures;
    int m_index = -1;
    bool m_decoded = false;
    bool m_fullScreen = false;
    kelvan::ClockTimer *m_activity;       // owned (child)
    ChatImageViewerAnimation *m_animation; // owned (child)
};
