#include "viewer/chatimageviewer.h"

#include "ui_chatimageviewer.h"

#include "lib_kelvan/clocktimer.h"
#include "pictures/pictureloader.h"
#include "platform/pickers.h"
#include "platform/printpreview.h"
#include "platform/screens.h"
#include "viewer/chatimagevieweranimation.h"
#include "viewer/chatimageviewerframe.h"
#include "viewer/viewerlog.h"
#include "viewer/viewerpicture.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QSaveFile>
#include <QStyle>
#include <QToolButton>

namespace {

const char StyleClass[] = "ImageViewer Chat";

void styled(QWidget *widget, const char *objectName)
{
    widget->setObjectName(QLatin1String(objectName));
    widget->setProperty("class", QLatin1String(StyleClass));
}

// Copies in slices: pictures may be large, and QSaveFile only replaces the
// chosen file once everything arrived.
bool copyFile(const QString &from, const QString &to)
{
    QFile source(from);
    QSaveFile target(to);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return false;
    QByteArray slice;
    while (!(slice = source.read(1 << 20)).isEmpty()) {
        if (target.write(slice) != slice.size())
            return false;
    }
    return source.error() == QFileDevice::NoError && target.commit();
}

} // namespace

ChatImageViewer::ChatImageViewer(const Context &context, QWidget *area)
    : QWidget(area)
    , m_ui(new Ui::ChatImageViewerClass)
    , m_context(context)
    , m_area(area)
    , m_activity(new kelvan::ClockTimer(this))
    , m_animation(new ChatImageViewerAnimation(this))
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    // The viewer takes the size of what it covers, however small: the
    // header gives way rather than the viewer growing past the window.
    for (QLayout *layout : std::initializer_list<QLayout *>{QWidget::layout(), m_ui->verticalLayout, m_ui->verticalLayout_3})
        layout->setSizeConstraint(QLayout::SetNoConstraint);
    styled(this, "ImageViewer");
    styled(m_ui->background, "Background");
    m_ui->frame->setProperty("class", QLatin1String(StyleClass));
    styled(m_ui->header, "Header");
    styled(m_ui->lblImage, "Avatar");
    styled(m_ui->lblName, "Name");
    const std::pair<QToolButton *, const char *> buttons[] = {
        {m_ui->btnZoom, "Zoom"},       {m_ui->btnOpen, "Open"},   {m_ui->btnForward, "Forward"},
        {m_ui->btnCopy, "Copy"},       {m_ui->btnSave, "Save"},   {m_ui->btnPrint, "Print"},
        {m_ui->btnFullscreen, "Fullscreen"}, {m_ui->btnClose, "Close"}, {m_ui->btnLeft, "Prev"},
        {m_ui->btnRight, "Next"},
    };
    for (const auto &[button, name] : buttons)
        styled(button, name);

    // A dark stage for the picture and a header that stays readable over
    // it, for hosts whose style sheet says nothing about the viewer.
    QPalette stage = m_ui->background->palette();
    stage.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    stage.setColor(QPalette::WindowText, Qt::white);
    m_ui->background->setPalette(stage);
    m_ui->background->setAutoFillBackground(true);
    QPalette band = stage;
    band.setColor(QPalette::Window, QColor(0, 0, 0, 150));
    m_ui->header->setPalette(band);
    m_ui->header->setAutoFillBackground(true);
    QFont name = m_ui->lblName->font();
    name.setBold(true);
    m_ui->lblName->setFont(name);

    setIcon(m_ui->btnZoom, "chat/viewer_zoom.png");
    setIcon(m_ui->btnOpen, "chat/viewer_open.png");
    setIcon(m_ui->btnForward, "chat/viewer_forward.png");
    setIcon(m_ui->btnCopy, "chat/viewer_copy.png");
    setIcon(m_ui->btnSave, "chat/viewer_save.png");
    setIcon(m_ui->btnPrint, "chat/viewer_print.png");
    setIcon(m_ui->btnFullscreen, "chat/viewer_fullscreen.png");
    setIcon(m_ui->btnClose, "chat/viewer_close.png");
    setArrowIcons();

    connect(m_ui->btnZoom, &QToolButton::clicked, this, &ChatImageViewer::onZoom);
    connect(m_ui->btnOpen, &QToolButton::clicked, this, &ChatImageViewer::onOpen);
    connect(m_ui->btnForward, &QToolButton::clicked, this, &ChatImageViewer::onForward);
    connect(m_ui->btnCopy, &QToolButton::clicked, this, &ChatImageViewer::onCopy);
    connect(m_ui->btnSave, &QToolButton::clicked, this, &ChatImageViewer::onSave);
    connect(m_ui->btnPrint, &QToolButton::clicked, this, &ChatImageViewer::onPrint);
    connect(m_ui->btnFullscreen, &QToolButton::clicked, this, &ChatImageViewer::onFullscreen);
    connect(m_ui->btnClose, &QToolButton::clicked, this, &QWidget::close);
    connect(m_ui->btnLeft, &QToolButton::clicked, this, &ChatImageViewer::onPrev);
    connect(m_ui->btnRight, &QToolButton::clicked, this, &ChatImageViewer::onNext);
    connect(m_ui->frame, &ChatImageViewerFrame::zoomActiveChanged, this, [this](bool active) {
        restyle(m_ui->btnZoom, active ? QStringLiteral("ZoomActive") : QStringLiteral("Zoom"));
        setIcon(m_ui->btnZoom, active ? "chat/viewer_zoom_active.png" : "chat/viewer_zoom.png");
    });

    m_animation->addWidget(m_ui->header);
    m_animation->addWidget(m_ui->btnLeft);
    m_animation->addWidget(m_ui->btnRight);
    m_activity->setSingleShot(true);
    m_activity->setInterval(ActivityMs);
    connect(m_activity, &kelvan::ClockTimer::timeout, m_animation, &ChatImageViewerAnimation::fadeOut);

    m_ui->frame->setMagnifierOptions(context.magnifier);
    watchMouse(this);
    if (m_area) {
        m_area->installEventFilter(this);
        setGeometry(m_area->rect());
    }
}

ChatImageViewer::~ChatImageViewer() = default;

ChatImageViewerFrame *ChatImageViewer::frame() const
{
    return m_ui->frame;
}

void ChatImageViewer::watchMouse(QWidget *widget)
{
    widget->installEventFilter(this);
    widget->setMouseTracking(true);
    for (QWidget *child : widget->findChildren<QWidget *>())
        watchMouse(child);
}

void ChatImageViewer::setIcon(QAbstractButton *button, const char *skinName)
{
    const QString file = m_context.skinPath ? m_context.skinPath(skinName) : QString();
    button->setIcon(file.isEmpty() ? QIcon() : QIcon(file));
}

void ChatImageViewer::setArrowIcons()
{
    // Right to left, the row is mirrored: the previous picture's arrow sits
    // on the right and points there, the next one's on the left.
    const bool mirrored = isRightToLeft();
    setIcon(m_ui->btnLeft, mirrored ? "chat/viewer_next.png" : "chat/viewer_prev.png");
    setIcon(m_ui->btnRight, mirrored ? "chat/viewer_prev.png" : "chat/viewer_next.png");
}

void ChatImageViewer::restyle(QWidget *widget, const QString &objectName)
{
    // The style sheet selects on the name: polished again, the icon follows.
    widget->setObjectName(objectName);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

void ChatImageViewer::open(const QVector<Picture> &pictures, int index)
{
    m_pictures = pictures;
    show();
    raise();
    if (!navigate(index))
        navigate(0);
}

QString ChatImageViewer::currentPath() const
{
    return m_index >= 0 && m_index < m_pictures.size() ? m_pictures.at(m_index).path : QString();
}

bool ChatImageViewer::navigate(int index)
{
    if (index < 0 || index >= m_pictures.size())
        return false;
    m_index = index;
    const ViewerPicture::Loaded loaded = ViewerPicture::load(m_pictures.at(index).path);
    m_decoded = loaded.decoded;
    QImage image = loaded.image;
    if (!m_decoded) {
        const QString broken = m_context.skinPath ? m_context.skinPath("chat/picture_broken.png") : QString();
        image = broken.isEmpty() ? QImage() : PictureLoader::load(broken).image;
    }
    m_ui->frame->setPicture(image);
    showArrow(m_ui->btnLeft, index > 0);
    showArrow(m_ui->btnRight, index < m_pictures.size() - 1);
    m_animation->fadeIn();
    m_activity->start();
    updateHeader();
    m_ui->frame->setFocus();
    Q_EMIT pictureShown(m_pictures.at(index).path);
    return true;
}

void ChatImageViewer::showArrow(QWidget *arrow, bool shown)
{
    m_animation->setHiddenLock(arrow, !shown);
    if (shown)
        m_animation->setOpacity(arrow, 1.0);
}

void ChatImageViewer::updateHeader()
{
    const Picture &picture = m_pictures.at(m_index);
    m_ui->lblName->setText(picture.senderName);
    m_ui->lblImage->setPixmap(picture.avatar.isNull() ? QPixmap() : QPixmap::fromImage(picture.avatar));
    m_ui->header->layout()->invalidate();
}

void ChatImageViewer::setMagnifierOptions(const Magnifier::Options &options)
{
    m_context.magnifier = options;
    m_ui->frame->setMagnifierOptions(options);
}

QString ChatImageViewer::savedFileName(const QString &chosen, const QString &suffix)
{
    if (suffix.isEmpty() || chosen.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
        return chosen;
    return chosen + QLatin1Char('.') + suffix;
}

// --- Actions ------------------------------------------------------------------------------------------

void ChatImageViewer::onZoom()
{
    m_ui->frame->setZoomActive(!m_ui->frame->isZoomActive());
    m_ui->frame->setFocus();
}

void ChatImageViewer::onOpen()
{
    const QString path = currentPath();
    if (!path.isEmpty() && m_context.open)
        m_context.open(path, m_decoded);
    m_ui->frame->setFocus();
}

void ChatImageViewer::onForward()
{
    const QString path = currentPath();
    if (!path.isEmpty() && m_context.forward)
        m_context.forward(path);
    m_ui->frame->setFocus();
}

void ChatImageViewer::onCopy()
{
    if (m_decoded)
        QGuiApplication::clipboard()->setImage(m_ui->frame->fullImage());
    m_ui->frame->setFocus();
}

void ChatImageViewer::onSave()
{
    const QString path = currentPath();
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    const QString suffix = info.completeSuffix();
    QString chosen = platform::Pickers::instance().getSaveFileName(this, tr("Save picture"), info.fileName(),
                                                                   tr("Picture Files (*.%1)").arg(suffix));
    if (!chosen.isEmpty()) {
        chosen = savedFileName(chosen, suffix);
        if (QFileInfo(chosen).absoluteFilePath() != info.absoluteFilePath() && !copyFile(path, chosen))
            qCWarning(lcViewer) << "cannot save" << path << "as" << chosen;
    }
    m_ui->frame->setFocus();
}

void ChatImageViewer::onPrint()
{
    const QImage picture = m_ui->frame->fullImage();
    if (!picture.isNull()) {
        platform::PrintPreview::instance().preview(this, tr("Print"), [picture](QPainter &painter, const QRect &page) {
            const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
            const QRect target(page.x() + (page.width() - size.width()) / 2,
                               page.y() + (page.height() - size.height()) / 2, size.width(), size.height());
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(target, picture);
        });
    }
    m_ui->frame->setFocus();
}

void ChatImageViewer::onFullscreen()
{
    setFullScreenMode(!m_fullScreen);
}

void ChatImageViewer::onPrev()
{
    navigate(m_index - 1);
}

void ChatImageViewer::onNext()
{
    navigate(m_index + 1);
}

void ChatImageViewer::setFullScreenMode(bool on)
{
    if (on == m_fullScreen || (!on && !m_area))
        return;
    m_fullScreen = on;
    if (on) {
        const QRect available =
            platform::Screens::instance().availableGeometryAt(mapToGlobal(rect().center()));
        setParent(nullptr, Qt::Window);
        move(available.topLeft());
        showFullScreen();
    } else {
        setParent(m_area, Qt::Widget);
        setGeometry(m_area->rect());
        show();
        raise();
    }
    restyle(m_ui->btnFullscreen, on ? QStringLiteral("Normal") : QStringLiteral("Fullscreen"));
    setIcon(m_ui->btnFullscreen, on ? "chat/viewer_normal.png" : "chat/viewer_fullscreen.png");
    m_ui->header->layout()->invalidate();
    m_ui->header->layout()->activate();
    activateWindow();
    m_ui->frame->setFocus();
}

// --- Events -------------------------------------------------------------------------------------------

bool ChatImageViewer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area) {
        if (event->type() == QEvent::Resize && !m_fullScreen)
            setGeometry(m_area->rect());
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove: {
        m_animation->fadeIn();
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if ((mouse->button() | mouse->buttons()) & (Qt::LeftButton | Qt::RightButton))
            m_activity->start();
        break;
    }
    case QEvent::HoverMove:
        m_animation->fadeIn();
        break;
    case QEvent::MouseButtonRelease:
        m_activity->start();
        break;
    default:
        break;
    }
    return false;
}

void ChatImageViewer::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
        // The key goes the way its arrow points, as the arrows on screen do.
        if ((event->key() == Qt::Key_Right) != isRightToLeft())
            onNext();
        else
            onPrev();
        return;
    case Qt::Key_Control:
        m_ui->frame->setZoomActive(true);
        return;
    case Qt::Key_F12:
        onFullscreen();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ChatImageViewer::closeEvent(QCloseEvent *event)
{
    m_pictures.clear();
    m_index = -1;
    event->accept();
    Q_EMIT closed();
}

void ChatImageViewer::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    else if (event->type() == QEvent::LayoutDirectionChange)
        setArrowIcons();
    QWidget::changeEvent(event);
}
