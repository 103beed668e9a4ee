#pragma once

#include <QString>
#include <QStringList>

class ContactListWindow;
class QImage;

namespace hostkit {
class Host;
}

// The scripted tour `chat-host --headless --shots DIR` takes: it visits the
// contact list, a selected contact, the plug-in menu and, when the chat
// plug-in is loaded, a conversation window, the emoticon picker, the quick
// text menu and dialog, the settings dialog and pictures and files going
// both ways, and leaves a PNG of each state.
class HeadlessTour
{
public:
    HeadlessTour(hostkit::Host &host, ContactListWindow &window) : m_host(host), m_window(window) {}

    // The files written, in order; false with *error when a shot could not
    // be saved.
    bool run(const QString &folder, QString *error);
    QStringList files() const { return m_files; }

private:
    bool save(const QImage &image, const QString &folder, const QString &name, QString *error);
    // A conversation through the chat window, then its composing aids and
    // the settings dialog, as scenarios with shots.
    bool conversation(const QString &folder, QString *error);
    bool runScenario(const char *text, const char *const *shots, int count, const QString &folder, QString *error);
    // Pictures and files sent, pasted, dropped and received.
    bool pictures(const QString &folder, QString *error);
    // The image viewer with its lens as a rectangle and a circle, full screen.
    bool viewer(const QString &folder, QString *error);

    hostkit::Host &m_host;
    ContactListWindow &m_window;
    QStringList m_files;
};
