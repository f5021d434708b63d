#pragma once

#include "PreparedReport.h"

#include <QList>
#include <memory>

class QPrinter;
class QWidget;

namespace printing {

// Where prepared reports go: the preview window, the printer and the printer
// set-up. One seam, so that tests can capture what would be shown or printed.
class ReportOutput {
public:
    virtual ~ReportOutput() = default;

    // Shows the pages in a modal preview; printing and page set-up are
    // offered only when allowPrinting is true.
    virtual void preview(const PreparedReport &report, bool allowPrinting, QWidget *parent) = 0;
    // Prints every page once to the current printer, without a dialog.
    // Throws ReportError "Printer selected is not valid" when no printer is
    // installed.
    virtual void print(const PreparedReport &report) = 0;
    // The printer set-up dialog.
    virtual void setUpPrinter(QWidget *parent) = 0;

    static ReportOutput &instance();
    // Replaces the output (tests); null restores the real one.
    static void setInstance(ReportOutput *output);
};

// The real one: a preview window and the system's printers.
class PrinterOutput : public ReportOutput {
public:
    PrinterOutput();
    ~PrinterOutput() override;
    void preview(const PreparedReport &report, bool allowPrinting, QWidget *parent) override;
    void print(const PreparedReport &report) override;
    void setUpPrinter(QWidget *parent) override;

    // The current printer, chosen by the set-up dialog; throws ReportError
    // "Printer selected is not valid" when there is none.
    QPrinter &printer();

private:
    std::unique_ptr<QPrinter> m_printer;
};

// For tests: keeps every report previewed or printed and counts the printer
// set-ups; installs itself for its lifetime.
class RecordingReportOutput : public ReportOutput {
public:
    struct Shown {
        PreparedReport report;
        bool allowPrinting = false;
    };

    RecordingReportOutput() { ReportOutput::setInstance(this); }
    ~RecordingReportOutput() override { ReportOutput::setInstance(nullptr); }

    void preview(const PreparedReport &report, bool allowPrinting, QWidget *) override
    {
        previews.append({report, allowPrinting});
    }
    void print(const PreparedReport &report) override
    {
        if (!printerInstalled)
            throwInvalidPrinter();
        printed.append(report);
    }
    void setUpPrinter(QWidget *) override { ++printerSetUps; }

    QList<Shown> previews;
    QList<PreparedReport> printed;
    int printerSetUps = 0;
    bool printerInstalled = true;

private:
    [[noreturn]] static void throwInvalidPrinter();
};

} // namespace printing
