#pragma once

#include <QString>

#include <functional>

class QWidget;

// Where a click on a picture of rendered messages ("pic:" with the picture's
// local name) leads, for every view that shows them (chat windows, the
// broadcast viewer). The image viewer installs itself as the handler; until
// then the desktop's viewer opens the file after LinkOpener's question.
namespace PictureOpener {

// True when it took the picture. `window` is the view's window.
using Handler = std::function<bool(const QString &localName, QWidget *window)>;
// Null removes the handler.
void setHandler(Handler handler);

// False, with the reason in *statusText, when the picture cannot be shown
// (it has not arrived yet). `title` is the question boxes' title.
bool open(const QString &localName, QWidget *window, const QString &title, QString *statusText = nullptr);

} // namespace PictureOpener
