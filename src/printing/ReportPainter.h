#pragma once

#include "PreparedReport.h"

class QPainter;
class QPagedPaintDevice;
class QPrinter;

namespace printing {

// Paints laid-out pages onto any paged device: the preview's printer, a real
// printer or a PDF file.
class ReportPainter {
public:
    // Paints one page; the painter's origin is the paper's top left corner.
    static void paintPage(QPainter &painter, const ReportPage &page);
    // Paints every page onto the device (a new page between them). Pages
    // fromPage..toPage (1-based, 0 = all) when given.
    static void paintAll(QPagedPaintDevice &device, const PreparedReport &report, int fromPage = 0, int toPage = 0);
    // Writes the report as a PDF file; throws ReportError when the file
    // cannot be written.
    static void exportPdf(const PreparedReport &report, const QString &fileName);
};

} // namespace printing
