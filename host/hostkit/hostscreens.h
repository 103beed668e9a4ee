#pragma once

#include <sdk/ihostscreens.h>

#include <QRect>
#include <QString>
#include <QVector>

namespace hostkit {

// The screens the host tells the plug-in to lay windows out on
// (IHostServices::hostScreens), so that first-start sizes do not depend on
// the machine a scenario runs on. None configured: the plug-in uses the
// machine's.
class HostScreens final : public IHostScreens
{
public:
    struct Screen
    {
        QRect geometry;
        QRect available; // within geometry: what panels and task bars leave
    };

    // A screen as "WxH+X+Y" with an optional ":WxH+X+Y" for the available
    // part (default: all of it), for example "1920x1080+0+0:1920x1040+0+40".
    static bool parse(const QString &text, Screen *out, QString *error);

    bool isEmpty() const { return m_screens.isEmpty(); }
    QVector<Screen> screens() const { return m_screens; }
    // The primary screen first.
    void setScreens(const QVector<Screen> &screens) { m_screens = screens; }

    int screenCount() override;
    bool geometry(int index, HostRect *out) override;
    bool availableGeometry(int index, HostRect *out) override;

private:
    QVector<Screen> m_screens;
};

} // namespace hostkit
