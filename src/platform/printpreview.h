#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;
class QWidget;

namespace platform {

// Printing through the toolkit's print preview, behind one seam so that
// tests see what would be printed without a modal preview. The default
// prints at high resolution and runs the preview dialog modally; the user
// prints from there.
class PrintPreview
{
public:
    // Draws the one page into `page` (device coordinates of the painter).
    using PaintPage = std::function<void(QPainter &painter, const QRect &page)>;

    virtual ~PrintPreview() = default;

    virtual void preview(QWidget *parent, const QString &title, const PaintPage &paint) = 0;

    static PrintPreview &instance();
    // Installs an implementation (not owned); null restores the toolkit's.
    static void setInstance(PrintPreview *preview);
};

// Draws every page asked for onto a white A4-shaped image instead.
class RecordingPrintPreview final : public PrintPreview
{
public:
    void preview(QWidget *parent, const QString &title, const PaintPage &paint) override;

    int count() const { return m_count; }
    QString lastTitle() const { return m_title; }
    const QImage &lastPage() const { return m_page; }

private:
    int m_count = 0;
    QString m_title;
    QImage m_page;
};

} // namespace platform
