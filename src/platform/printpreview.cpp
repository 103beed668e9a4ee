#include "printpreview.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace platform {

namespace {

class ToolkitPrintPreview final : public PrintPreview
{
public:
    void preview(QWidget *parent, const QString &title, const PaintPage &paint) override
    {
        QPrinter printer(QPrinter::HighResolution);
        QPrintPreviewDialog dialog(&printer, parent);
        dialog.setWindowTitle(title);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter *target) {
            QPainter painter(target);
            paint(painter, painter.viewport());
        });
        dialog.exec();
    }
};

PrintPreview *g_installed = nullptr;

} // namespace

PrintPreview &PrintPreview::instance()
{
    static ToolkitPrintPreview toolkit;
    return g_installed ? *g_installed : toolkit;
}

void PrintPreview::setInstance(PrintPreview *preview)
{
    g_installed = preview;
}

void RecordingPrintPreview::preview(QWidget *parent, const QString &title, const PaintPage &paint)
{
    Q_UNUSED(parent)
    ++m_count;
    m_title = title;
    // A4 at 50 dots per inch.
    m_page = QImage(413, 585, QImage::Format_RGB32);
    m_page.fill(Qt::white);
    QPainter painter(&m_page);
    paint(painter, m_page.rect());
}

} // namespace platform
