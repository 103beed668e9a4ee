#include "ui/chat/pictureopener.h"

#include "ui/chat/linkopener.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace PictureOpener {

namespace {

Handler &handler()
{
    static Handler installed;
    return installed;
}

} // namespace

void setHandler(Handler h)
{
    handler() = std::move(h);
}

bool open(const QString &localName, QWidget *window, const QString &title, QString *statusText)
{
    // Local picture names are the host's files, never a peer's path.
    if (!QFileInfo(localName).isFile()) {
        if (statusText)
            *statusText = QCoreApplication::translate("HistoryLinks", "The picture has not arrived yet.");
        return false;
    }
    if (handler() && handler()(localName, window))
        return true;
    LinkOpener::openLocalFile(localName, window, title);
    return true;
}

} // namespace PictureOpener
