#include "ReportOutput.h"

#include "ReportError.h"
#include "ReportPainter.h"
#include "ReportPreviewDialog.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace printing {

namespace {

ReportOutput *g_output = nullptr;

const QString kInvalidPrinter = QStringLiteral("Printer selected is not valid");

} // namespace

ReportOutput &ReportOutput::instance()
{
    static PrinterOutput real;
    return g_output ? *g_output : real;
}

void ReportOutput::setInstance(ReportOutput *output)
{
    g_output = output;
}

void RecordingReportOutput::throwInvalidPrinter()
{
    throw ReportError(kInvalidPrinter);
}

PrinterOutput::PrinterOutput() = default;
PrinterOutput::~PrinterOutput() = default;

QPrinter &PrinterOutput::printer()
{
    if (QPrinterInfo::availablePrinters().isEmpty())
        throw ReportError(kInvalidPrinter);
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    if (!m_printer->isValid())
        throw ReportError(kInvalidPrinter);
    return *m_printer;
}

void PrinterOutput::preview(const PreparedReport &report, bool allowPrinting, QWidget *parent)
{
    // A preview needs no printer; without one it paints on a PDF-like printer.
    QPrinter screenPrinter(QPrinter::ScreenResolution);
    QPrinter *target = &screenPrinter;
    if (allowPrinting && !QPrinterInfo::availablePrinters().isEmpty())
        target = &printer();
    ReportPreviewDialog dialog(report, allowPrinting, *target, parent);
    dialog.exec();
}

void PrinterOutput::print(const PreparedReport &report)
{
    QPrinter &target = printer();
    target.setPageLayout(report.pageLayout);
    target.setFullPage(true);
    target.setCopyCount(1);
    target.setDocName(report.title);
    ReportPainter::paintAll(target, report);
}

void PrinterOutput::setUpPrinter(QWidget *parent)
{
    QPrintDialog dialog(&printer(), parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.exec();
}

} // namespace printing
