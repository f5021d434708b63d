#pragma once

#include "PreparedReport.h"

#include <QDialog>

class QPrinter;
class QPrintPreviewWidget;

namespace printing {

// The preview window: zoom, page turning and closing; printing and page
// set-up only when the form allows them.
class ReportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    ReportPreviewDialog(const PreparedReport &report, bool allowPrinting, QPrinter &printer, QWidget *parent = nullptr);

private:
    void printReport();
    void setUpPage();

    const PreparedReport &m_report;
    QPrinter &m_printer;
    QPrintPreviewWidget *m_view = nullptr;
};

} // namespace printing
