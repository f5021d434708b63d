// Renders a report template to a PDF file from the command line:
//   frreport --template FRPRERCPT.frf --var DocNo=PR6900001 --var UserCode=ADMIN
//            --data ./data --database DEMO --output out.pdf
// Dataset statements run on the company database "<data>/<database>.db" with
// the configuration database attached, as the program itself opens them.
#include "Connection.h"
#include "DemoDatabases.h"
#include "Report.h"
#include "ReportPainter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>
#include <exception>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Renders a report template to PDF.");
    parser.addHelpOption();
    parser.addOption({{"t", "template"}, "Report template file.", "file"});
    parser.addOption({{"o", "output"}, "PDF file to write.", "file"});
    parser.addOption({{"d", "data"}, "Folder of the embedded databases (default: ./data).", "folder", "data"});
    parser.addOption({{"b", "database"}, "Company database name (default: DEMO).", "name", "DEMO"});
    parser.addOption({{"v", "var"}, "Report variable Name=Value (repeatable); DocYear is a number.", "name=value"});
    parser.process(app);

    QTextStream err(stderr);
    if (!parser.isSet("template") || !parser.isSet("output")) {
        err << "frreport: --template and --output are required\n";
        parser.showHelp(2);
    }
    try {
        const QString folder = parser.value("data");
        const data::ConnectionSettings settings = data::embeddedCompanySettings(folder, parser.value("database"));
        if (QFileInfo::exists(settings.filePath))
            data::Connection::open("DMDATA", settings);

        printing::Report report;
        report.loadFromFile(parser.value("template"));
        // As the print dialogs do, templates may name the company database.
        report.setVariable("DatabaseName", parser.value("database"));
        for (const QString &assignment : parser.values("var")) {
            const qsizetype eq = assignment.indexOf(u'=');
            if (eq <= 0) {
                err << "frreport: a variable is written Name=Value, not " << assignment << "\n";
                return 2;
            }
            const QString name = assignment.left(eq), value = assignment.mid(eq + 1);
            bool isNumber = false;
            const int number = value.toInt(&isNumber);
            if (name.compare("DocYear", Qt::CaseInsensitive) == 0 && isNumber)
                report.setVariable(name, number);
            else
                report.setVariable(name, value.trimmed());
        }
        const printing::PreparedReport prepared = report.prepare();
        printing::ReportPainter::exportPdf(prepared, parser.value("output"));
        QTextStream(stdout) << parser.value("output") << ": " << prepared.pageCount() << " page(s)\n";
        data::Connection::closeAll();
        return 0;
    } catch (const std::exception &e) {
        err << "frreport: " << QString::fromStdString(e.what()) << "\n";
        return 1;
    }
}
