#pragma once

#include <QPointer>
#include <QString>
#include <QVector>

class QWidget;

namespace platform {

// The direction the library's own windows lay out in: right to left while
// the interface language is written that way. It is set on each of the
// library's windows, never on the application, whose other windows are the
// host's. Windows parented to an adopted one (menus, dialogs, question
// boxes) follow it, as Qt hands a parent's direction down. GUI thread only.
class InterfaceDirection
{
    Q_DISABLE_COPY(InterfaceDirection)

public:
    static InterfaceDirection &instance();

    // Right to left for Arabic, Persian and Hebrew (with or without a
    // region, "ar" or "fa_IR"); left to right for every other code.
    static Qt::LayoutDirection forLanguage(const QString &languageCode);

    Qt::LayoutDirection direction() const { return m_direction; }
    // Lays every adopted window out anew when the direction changes.
    void setLanguage(const QString &languageCode);

    // Gives a top-level window of the library the current direction and
    // keeps it in step with later language changes. Not owned; a deleted
    // window drops out by itself.
    void adopt(QWidget *window);

private:
    InterfaceDirection() = default;
    bool isAdopted(const QWidget *window) const;

    Qt::LayoutDirection m_direction = Qt::LeftToRight;
    QVector<QPointer<QWidget>> m_windows;
};

} // namespace platform
