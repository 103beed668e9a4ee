// Writes the skin images the chat plug-in asks the host for (skinPath) into
// a folder: chat/<name>.png and the presence icons icon_*.png. Tool bar
// icons are Tango icons (16 x 16), the rest are composed or recoloured from
// them, or drawn where Tango has nothing that fits (label dots, ticks,
// overlays, the broken-file mask). Run under QT_QPA_PLATFORM=offscreen.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace {

QString g_tango = QStringLiteral("/usr/share/icons/Tango");

QImage tango(const QString &name, int size = 16)
{
    QImage image(QStringLiteral("%1/%2x%2/%3.png").arg(g_tango).arg(size).arg(name));
    if (image.isNull()) {
        std::fprintf(stderr, "make_skin: missing Tango icon %s at %d\n", qPrintable(name), size);
        std::exit(1);
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QImage grey(const QImage &source, double alphaScale = 1.0)
{
    QImage out = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int g = (11 * qRed(line[x]) + 16 * qGreen(line[x]) + 5 * qBlue(line[x])) / 32;
            line[x] = qRgba(g, g, g, int(qAlpha(line[x]) * alphaScale));
        }
    }
    return out;
}

// A small red bar across the lower right corner: "switched off".
QImage struck(const QImage &source)
{
    QImage out = grey(source, 0.8);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xcc0000), out.width() / 8.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(out.width() * 0.15, out.height() * 0.85), QPointF(out.width() * 0.85, out.height() * 0.15));
    return out;
}

QImage badge(const QImage &base, const QImage &emblem)
{
    QImage out = base.copy();
    QPainter p(&out);
    const QImage small = emblem.scaled(base.width() * 5 / 8, base.height() * 5 / 8, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawImage(base.width() - small.width(), base.height() - small.height(), small);
    return out;
}

QImage centred(const QImage &icon, int w, int h)
{
    QImage out = canvas(w, h);
    QPainter p(&out);
    p.drawImage((w - icon.width()) / 2, (h - icon.height()) / 2, icon);
    return out;
}

QImage dot(const QColor &fill, const QColor &edge)
{
    QImage out = canvas(16, 16);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(6, 6), 8);
    g.setColorAt(0, fill.lighter(140));
    g.setColorAt(1, fill);
    p.setBrush(g);
    p.setPen(QPen(edge, 1));
    p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    return out;
}

// The missed-message dot of a tab: as large as the icon, so that a count
// drawn on it stays readable.
QImage countDot()
{
    QImage out = canvas(16, 16);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(6, 5), 10);
    g.setColorAt(0, QColor(0xef2929));
    g.setColorAt(1, QColor(0xcc0000));
    p.setBrush(g);
    p.setPen(QPen(QColor(0xa40000), 1));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    return out;
}

QImage ticks(int count, const QColor &colour)
{
    QImage out = canvas(16, 16);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 0; i < count; ++i) {
        const double dx = count == 1 ? 2.5 : i * 4.5;
        QPainterPath tick;
        tick.moveTo(1.5 + dx, 8.5);
        tick.lineTo(4.5 + dx, 11.5);
        tick.lineTo(10.5 + dx, 4.5);
        p.drawPath(tick);
    }
    return out;
}

QImage presence(const QColor &fill, const std::function<void(QPainter &)> &mark)
{
    QImage out = dot(fill, fill.darker(150));
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    mark(p);
    return out;
}

QImage hourglass()
{
    QImage out = canvas(48, 48);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x2e3436), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 255, 255, 200));
    QPainterPath glass;
    glass.moveTo(14, 8);
    glass.lineTo(34, 8);
    glass.cubicTo(34, 18, 26, 21, 26, 24);
    glass.cubicTo(26, 27, 34, 30, 34, 40);
    glass.lineTo(14, 40);
    glass.cubicTo(14, 30, 22, 27, 22, 24);
    glass.cubicTo(22, 21, 14, 18, 14, 8);
    p.drawPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc4a000));
    QPainterPath sand;
    sand.moveTo(17, 38);
    sand.lineTo(31, 38);
    sand.cubicTo(31, 33, 25, 31, 24, 29);
    sand.cubicTo(23, 31, 17, 33, 17, 38);
    p.drawPath(sand);
    p.drawPolygon(QPolygonF({QPointF(18, 13), QPointF(30, 13), QPointF(24, 20)}));
    p.setPen(QPen(QColor(0x2e3436), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(11, 7, 37, 7);
    p.drawLine(11, 41, 37, 41);
    return out;
}

QImage downloadOverlay()
{
    QImage out = canvas(48, 48);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(8, 8, 32, 32), tango(QStringLiteral("actions/go-bottom"), 32));
    return out;
}

// The crack through a broken file's icon: cut out of the greyed icon
// (destination-out), then its rim drawn over what is left.
QPainterPath crack()
{
    QPainterPath path;
    path.moveTo(30, 0);
    path.lineTo(24, 12);
    path.lineTo(31, 20);
    path.lineTo(22, 30);
    path.lineTo(28, 38);
    path.lineTo(22, 48);
    path.lineTo(27, 48);
    path.lineTo(33, 38);
    path.lineTo(27, 30);
    path.lineTo(36, 20);
    path.lineTo(29, 12);
    path.lineTo(35, 0);
    path.closeSubpath();
    return path;
}

QImage brokenMask()
{
    QImage out = canvas(48, 48);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(crack(), Qt::black);
    return out;
}

QImage brokenOutline()
{
    QImage out = canvas(48, 48);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xa40000), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(crack());
    return out;
}

QImage pictureFrame(const QImage &icon, const QColor &background)
{
    QImage out = canvas(150, 100);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xbabdb6), 1));
    p.setBrush(background);
    p.drawRoundedRect(QRectF(0.5, 0.5, 149, 99), 4, 4);
    p.drawImage((150 - icon.width()) / 2, (100 - icon.height()) / 2, icon);
    return out;
}

QImage textColour()
{
    QImage out = tango(QStringLiteral("apps/preferences-desktop-font"));
    out = canvas(16, 16);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x2e3436));
    p.drawText(QRect(0, -2, 16, 14), Qt::AlignCenter, QStringLiteral("A"));
    p.fillRect(QRect(2, 12, 12, 3), QColor(0xcc0000));
    return out;
}

// The image viewer's zoom button while the lens is on: the loupe on a lit disc.
QImage litDisc(const QImage &icon)
{
    QImage out = canvas(icon.width(), icon.height());
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(out.width() / 2.0, out.height() / 2.0), out.width() / 2.0);
    g.setColorAt(0, QColor(0x72, 0x9f, 0xcf, 230));
    g.setColorAt(1, QColor(0x34, 0x65, 0xa4, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(0.5, 0.5, out.width() - 1, out.height() - 1));
    p.drawImage(0, 0, icon);
    return out;
}

// Leaving full screen: a smaller window in front of a larger one.
QImage restoreWindows(int size)
{
    QImage out = canvas(size, size);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = size / 22.0;
    const auto window = [&](QRectF r) {
        p.setPen(QPen(QColor(0x2e3436), 1.2 * u));
        p.setBrush(QColor(0xee, 0xee, 0xec));
        p.drawRect(r);
        p.fillRect(QRectF(r.left(), r.top(), r.width(), 3.5 * u), QColor(0x34, 0x65, 0xa4));
    };
    window(QRectF(7.5 * u, 3.5 * u, 12 * u, 10 * u));
    window(QRectF(2.5 * u, 8.5 * u, 12 * u, 10 * u));
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: make_skin <output folder> [<Tango folder>]\n");
        return 2;
    }
    const QDir out(args.at(1));
    if (args.size() > 2)
        g_tango = args.at(2);
    out.mkpath(QStringLiteral("chat"));

    const QImage stop = tango(QStringLiteral("actions/process-stop"));
    const QImage heart = tango(QStringLiteral("emblems/emblem-favorite"));
    const QList<QPair<QString, QImage>> images = {
        {QStringLiteral("chat/textbold"), tango(QStringLiteral("actions/format-text-bold"))},
        {QStringLiteral("chat/textitalic"), tango(QStringLiteral("actions/format-text-italic"))},
        {QStringLiteral("chat/textunder"), tango(QStringLiteral("actions/format-text-underline"))},
        {QStringLiteral("chat/textfore"), textColour()},
        {QStringLiteral("chat/font"), tango(QStringLiteral("apps/preferences-desktop-font"))},
        {QStringLiteral("chat/tools"), tango(QStringLiteral("categories/preferences-system"))},
        {QStringLiteral("chat/intab"), tango(QStringLiteral("actions/go-previous"))},
        {QStringLiteral("chat/outtab"), tango(QStringLiteral("actions/go-next"))},
        {QStringLiteral("chat/nudge"), badge(tango(QStringLiteral("emotes/face-surprise")), tango(QStringLiteral("status/dialog-warning")))},
        {QStringLiteral("chat/picture"), tango(QStringLiteral("mimetypes/image-x-generic"))},
        {QStringLiteral("chat/canned"), tango(QStringLiteral("apps/accessories-text-editor"))},
        {QStringLiteral("chat/emotion"), tango(QStringLiteral("emotes/face-smile"))},
        {QStringLiteral("chat/addusers"), tango(QStringLiteral("actions/contact-new"))},
        {QStringLiteral("chat/user_notifications_on"), tango(QStringLiteral("status/audio-volume-high"))},
        {QStringLiteral("chat/user_notifications_off"), tango(QStringLiteral("status/audio-volume-muted"))},
        {QStringLiteral("chat/autoscroll_on"), tango(QStringLiteral("actions/go-bottom"))},
        {QStringLiteral("chat/autoscroll_off"), struck(tango(QStringLiteral("actions/go-bottom")))},
        {QStringLiteral("chat/textconference"), tango(QStringLiteral("apps/internet-group-chat"))},
        {QStringLiteral("chat/textconferencesettings"), badge(tango(QStringLiteral("apps/internet-group-chat")), tango(QStringLiteral("categories/preferences-system")))},
        {QStringLiteral("chat/btn_leave_room"), tango(QStringLiteral("actions/system-log-out"))},
        {QStringLiteral("chat/btn_close_tab"), stop},
        {QStringLiteral("chat/close_tab"), grey(stop)},
        {QStringLiteral("chat/notification"), countDot()},
        {QStringLiteral("chat/edit"), tango(QStringLiteral("apps/accessories-text-editor"))},
        {QStringLiteral("chat/reply"), tango(QStringLiteral("actions/mail-reply-sender"))},
        {QStringLiteral("chat/delete"), tango(QStringLiteral("actions/edit-delete"))},
        {QStringLiteral("chat/like_on"), heart},
        {QStringLiteral("chat/like_off"), grey(heart, 0.7)},
        {QStringLiteral("chat/label_success"), dot(QColor(0x4e9a06), QColor(0x2e5a03))},
        {QStringLiteral("chat/label_warning"), dot(QColor(0xedd400), QColor(0x8f7f00))},
        {QStringLiteral("chat/label_danger"), dot(QColor(0xcc0000), QColor(0x7a0000))},
        {QStringLiteral("chat/label_progress"), dot(QColor(0x3465a4), QColor(0x1f3d63))},
        {QStringLiteral("chat/label_likes"), heart},
        {QStringLiteral("chat/overlay_hourglass"), hourglass()},
        {QStringLiteral("chat/overlay_download"), downloadOverlay()},
        {QStringLiteral("chat/file_broken_mask"), brokenMask()},
        {QStringLiteral("chat/file_broken_outline"), brokenOutline()},
        {QStringLiteral("chat/msgvoice"), centred(tango(QStringLiteral("devices/audio-input-microphone"), 32), 48, 48)},
        {QStringLiteral("chat/msgvideo"), centred(tango(QStringLiteral("mimetypes/video-x-generic"), 32), 48, 48)},
        {QStringLiteral("chat/picture_placeholder"), pictureFrame(tango(QStringLiteral("status/image-loading"), 32), QColor(0xeeeeec))},
        {QStringLiteral("chat/picture_broken"), pictureFrame(tango(QStringLiteral("status/image-missing"), 32), QColor(0xf5e0e0))},
        {QStringLiteral("chat/viewer_zoom"), tango(QStringLiteral("actions/system-search"), 22)},
        {QStringLiteral("chat/viewer_zoom_active"), litDisc(tango(QStringLiteral("actions/system-search"), 22))},
        {QStringLiteral("chat/viewer_open"), tango(QStringLiteral("actions/document-open"), 22)},
        {QStringLiteral("chat/viewer_forward"), tango(QStringLiteral("actions/mail-forward"), 22)},
        {QStringLiteral("chat/viewer_copy"), tango(QStringLiteral("actions/edit-copy"), 22)},
        {QStringLiteral("chat/viewer_save"), tango(QStringLiteral("actions/document-save-as"), 22)},
        {QStringLiteral("chat/viewer_print"), tango(QStringLiteral("actions/document-print"), 22)},
        {QStringLiteral("chat/viewer_fullscreen"), tango(QStringLiteral("actions/view-fullscreen"), 22)},
        {QStringLiteral("chat/viewer_normal"), restoreWindows(22)},
        {QStringLiteral("chat/viewer_close"), tango(QStringLiteral("actions/process-stop"), 22)},
        {QStringLiteral("chat/viewer_prev"), tango(QStringLiteral("actions/go-previous"), 32)},
        {QStringLiteral("chat/viewer_next"), tango(QStringLiteral("actions/go-next"), 32)},
        {QStringLiteral("chat/message_sent"), ticks(1, QColor(0x888a85))},
        {QStringLiteral("chat/message_seen"), ticks(2, QColor(0x3465a4))},
        {QStringLiteral("icon_online"), presence(QColor(0x73d216), [](QPainter &) {})},
        {QStringLiteral("icon_na"), presence(QColor(0xf5c400), [](QPainter &p) {
             p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(8, 8), QPointF(8, 4.8));
             p.drawLine(QPointF(8, 8), QPointF(10.5, 9.5));
         })},
        {QStringLiteral("icon_dnd"), presence(QColor(0xcc0000), [](QPainter &p) {
             p.fillRect(QRectF(4.5, 7, 7, 2), Qt::white);
         })},
    };
    for (const auto &[name, image] : images) {
        const QString file = out.filePath(name + QStringLiteral(".png"));
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "make_skin: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    std::printf("make_skin: wrote %d images to %s\n", int(images.size()), qPrintable(out.absolutePath()));
    return 0;
}
