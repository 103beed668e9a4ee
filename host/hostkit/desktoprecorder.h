#pragma once

#include <QObject>
#include <QStringList>

class QUrl;

namespace hostkit {

class Journal;

// Stands in for the desktop's handlers while a scenario or the headless
// tour runs: every address the plug-in hands to QDesktopServices under one
// of the schemes below is written to the journal as a call "openUrl" of
// the service "desktop" (slot -1) and opens nothing. Handlers are per
// process and per scheme, so the plug-in's own seam reaches them.
class DesktopRecorder : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(DesktopRecorder)

public:
    // The schemes taken over: the web, mail, files and the usual suspects
    // a link could name.
    static const QStringList &schemes();

    explicit DesktopRecorder(Journal &journal, QObject *parent = nullptr);
    ~DesktopRecorder() override;

public Q_SLOTS:
    void openUrl(const QUrl &url);

private:
    Journal &m_journal;
};

} // namespace hostkit
