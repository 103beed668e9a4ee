#include "headlesstour.h"

#include "contactlistwindow.h"

#include "hostkit/host.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSet>
#include <QWidget>

namespace {

void settle(hostkit::Host &host)
{
    for (int i = 0; i < 5; ++i) {
        host.advance(100);
        QApplication::processEvents();
    }
}

} // namespace

bool HeadlessTour::save(const QImage &image, const QString &folder, const QString &name, QString *error)
{
    const QString file = QDir(folder).filePath(name);
    if (image.isNull() || !image.save(file, "PNG")) {
        *error = QStringLiteral("cannot write the screenshot %1").arg(file);
        return false;
    }
    m_files << file;
    return true;
}

bool HeadlessTour::run(const QString &folder, QString *error)
{
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create the screenshot folder %1").arg(folder);
        return false;
    }
    QSet<QWidget *> before;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            before.insert(w);
    }
    settle(m_host);
    if (!save(m_window.grab().toImage(), folder, QStringLiteral("01-contact-list.png"), error))
        return false;

    m_window.selectContact("1001");
    settle(m_host);
    if (!save(m_window.grab().toImage(), folder, QStringLiteral("02-contact-selected.png"), error))
        return false;

    // The menu is a window of its own: draw it where it drops down.
    QMenu *menu = m_window.pluginMenu();
    const QRect titleRect = m_window.menuBar()->actionGeometry(menu->menuAction());
    menu->popup(m_window.menuBar()->mapToGlobal(titleRect.bottomLeft()));
    settle(m_host);
    QImage composed = m_window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    {
        QPainter p(&composed);
        const QPoint at = m_window.mapFromGlobal(menu->mapToGlobal(QPoint(0, 0)));
        p.drawPixmap(at, menu->grab());
    }
    menu->hide();
    if (!save(composed, folder, QStringLiteral("03-plugin-menu.png"), error))
        return false;

    if (m_host.openChat("1001")) {
        settle(m_host);
        int n = 4;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || before.contains(w) || w == &m_window || qobject_cast<QMenu *>(w))
                continue;
            const QString name = QStringLiteral("%1-window-%2.png").arg(n++, 2, 10, QLatin1Char('0'))
                                     .arg(w->objectName().isEmpty() ? QStringLiteral("unnamed") : w->objectName());
            if (!save(w->grab().toImage(), folder, name, error))
                return false;
        }
    }
    return true;
}
