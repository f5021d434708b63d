#include "ReportPreviewDialog.h"

#include "ReportError.h"
#include "ReportOutput.h"
#include "ReportPainter.h"

#include <QAction>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>

namespace printing {

ReportPreviewDialog::ReportPreviewDialog(const PreparedReport &report, bool allowPrinting, QPrinter &printer,
                                         QWidget *parent)
    : QDialog(parent), m_report(report), m_printer(printer)
{
    setObjectName("ReportPreviewDialog");
    setWindowTitle(report.title.isEmpty() ? QStringLiteral("Preview") : report.title);
    m_printer.setPageLayout(report.pageLayout);
    m_printer.setFullPage(true);

    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName("PreviewToolBar");
    m_view = new QPrintPreviewWidget(&m_printer, this);
    m_view->setObjectName("PreviewView");
    connect(m_view, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *target) { ReportPainter::paintAll(*target, m_report); });

    auto add = [&](const QString &name, const QString &text, const QKeySequence &key, auto slot) {
        QAction *action = toolBar->addAction(text);
        action->setObjectName(name);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add("AcZoomIn", tr("Zoom in"), QKeySequence::ZoomIn, [this] { m_view->zoomIn(); });
    add("AcZoomOut", tr("Zoom out"), QKeySequence::ZoomOut, [this] { m_view->zoomOut(); });
    add("AcFitWidth", tr("Page width"), QKeySequence(), [this] { m_view->fitToWidth(); });
    add("AcWholePage", tr("Whole page"), QKeySequence(), [this] { m_view->fitInView(); });
    toolBar->addSeparator();
    add("AcFirstPage", tr("First"), QKeySequence(Qt::Key_Home), [this] { m_view->setCurrentPage(1); });
    add("AcPriorPage", tr("Previous"), QKeySequence(Qt::Key_PageUp),
        [this] { m_view->setCurrentPage(m_view->currentPage() - 1); });
    add("AcNextPage", tr("Next"), QKeySequence(Qt::Key_PageDown),
        [this] { m_view->setCurrentPage(m_view->currentPage() + 1); });
    add("AcLastPage", tr("Last"), QKeySequence(Qt::Key_End), [this] { m_view->setCurrentPage(m_view->pageCount()); });
    toolBar->addSeparator();
    if (allowPrinting) {
        add("AcPrint", tr("Print"), QKeySequence::Print, [this] { printReport(); });
        add("AcPageSetup", tr("Page set-up"), QKeySequence(), [this] { setUpPage(); });
        toolBar->addSeparator();
    }
    add("AcClose", tr("Close"), QKeySequence(), [this] { accept(); });

    auto *pages = new QLabel(tr("%n page(s)", nullptr, report.pageCount()), this);
    pages->setObjectName("PageCount");
    toolBar->addWidget(pages);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toolBar);
    layout->addWidget(m_view);
    resize(900, 1000);
}

void ReportPreviewDialog::printReport()
{
    ReportOutput::instance().print(m_report);
}

void ReportPreviewDialog::setUpPage()
{
    QPageSetupDialog dialog(&m_printer, this);
    if (dialog.exec() == QDialog::Accepted)
        m_view->updatePreview();
}

} // namespace printing
