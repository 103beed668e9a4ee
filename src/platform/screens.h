#pragma once

#include <QList>
#include <QRect>

namespace platform {

// The screen geometry the library lays windows out by. Tests install their
// own so that first-start window sizes and edge snapping do not depend on the
// machine the tests run on.
class Screens
{
public:
    virtual ~Screens() = default;

    virtual QRect primaryGeometry() const = 0;
    virtual QRect primaryAvailableGeometry() const = 0;
    // Available geometry of every screen, primary first.
    virtual QList<QRect> availableGeometries() const = 0;
    // Available geometry of the screen holding the point (the primary one
    // when none does).
    virtual QRect availableGeometryAt(const QPoint &point) const;

    static Screens &instance();
    // The installed screens; null while the real ones are in use.
    static Screens *installed();
    // The real screens, whatever is installed.
    static Screens &machine();
    // Installs screens (not owned); null restores the real ones.
    static void setInstance(Screens *screens);
};

// Fixed screens for tests and headless runs.
class FixedScreens final : public Screens
{
public:
    explicit FixedScreens(const QRect &geometry, const QRect &available);
    FixedScreens(const QList<QRect> &geometries, const QList<QRect> &available);

    QRect primaryGeometry() const override;
    QRect primaryAvailableGeometry() const override;
    QList<QRect> availableGeometries() const override;

private:
    QList<QRect> m_geometries;
    QList<QRect> m_available;
};

} // namespace platform
