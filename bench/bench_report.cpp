// Renders a 200-page list report to PDF and prints the time of each step and
// the peak memory of the process.
//   build/bench/bench_report [pages]
#include "Connection.h"
#include "Report.h"
#include "ReportPainter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <sys/resource.h>

namespace {

const char *kTemplate =
    R"XML(<report title="bench" page="A4" marginLeft="15" marginTop="10" marginRight="10" marginBottom="10">
  <dataset name="L">select LineNo, Descr, Amount, LineDate from BenchLine where Batch = :DocNo order by LineNo</dataset>
  <band type="pageHeader" height="10">
    <text x="0" y="0" width="185" height="8" fontSize="14" bold="true">Bench list [DocNo]</text>
  </band>
  <band type="header" dataset="L" height="7" repeat="true">
    <text x="0" y="0" width="20" height="7" frame="all" bold="true">No</text>
    <text x="20" y="0" width="95" height="7" frame="all" bold="true">Description</text>
    <text x="115" y="0" width="30" height="7" frame="all" bold="true">Date</text>
    <text x="145" y="0" width="40" height="7" frame="all" bold="true" align="right">Amount</text>
  </band>
  <band type="masterData" dataset="L" height="6">
    <text x="0" y="0" width="20" height="6" frame="lrb">[L.LineNo]</text>
    <text x="20" y="0" width="95" height="6" frame="rb">[L.Descr]</text>
    <text x="115" y="0" width="30" height="6" frame="rb" dateFormat="dd/MM/yyyy">[L.LineDate]</text>
    <text x="145" y="0" width="40" height="6" frame="rb" align="right" format="#,##0.00">[L.Amount]</text>
  </band>
  <band type="footer" dataset="L" height="8">
    <text x="0" y="1" width="185" height="6" align="right">[TELL_REAL_THAI(SUM("L", "Amount"), 2)]</text>
  </band>
  <band type="pageFooter" height="8">
    <text x="0" y="1" width="185" height="6" align="right">Page [Page] of [TotalPages]</text>
  </band>
</report>)XML";

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int pages = argc > 1 ? QString(argv[1]).toInt() : 200;
    QTextStream out(stdout);
    QTemporaryDir dir;

    // About 42 rows fit a page under the page header and the list header.
    const int rows = pages * 42;
    data::ConnectionSettings settings;
    settings.filePath = dir.filePath("bench.db");
    QFile(settings.filePath).open(QIODevice::WriteOnly);
    data::Connection &db = data::Connection::open("DMDATA", settings);
    db.execute("create table BenchLine (Batch text, LineNo integer, Descr text, Amount numeric, LineDate datetime)");
    db.startTransaction();
    for (int i = 1; i <= rows; ++i) {
        data::Params p;
        p.set("No", i);
        p.set("Descr", QStringLiteral("รายการสินค้า item %1").arg(i));
        p.set("Amount", i * 3.25);
        db.execute("insert into BenchLine values ('B1', :No, :Descr, :Amount, '2026-03-01 00:00:00')", p);
    }
    db.commit();
    const QString templateFile = dir.filePath("BENCH.frf");
    QFile f(templateFile);
    f.open(QIODevice::WriteOnly);
    f.write(kTemplate);
    f.close();

    QElapsedTimer timer;
    timer.start();
    printing::Report report;
    report.loadFromFile(templateFile);
    report.setVariable("DocNo", "B1");
    const printing::PreparedReport prepared = report.prepare();
    const qint64 prepareMs = timer.restart();
    const QString pdf = dir.filePath("bench.pdf");
    printing::ReportPainter::exportPdf(prepared, pdf);
    const qint64 pdfMs = timer.elapsed();

    out << "rows " << rows << ", pages " << prepared.pageCount() << "\n"
        << "prepare (statement + layout, two passes for the page count): " << prepareMs << " ms\n"
        << "paint to PDF: " << pdfMs << " ms, " << QFileInfo(pdf).size() / 1024 << " KiB\n"
        << "total: " << prepareMs + pdfMs << " ms, peak memory " << peakKiB() / 1024 << " MiB\n";
    data::Connection::closeAll();
    return 0;
}
