// frdemodb <folder> [company-db-name]: creates the embedded configuration
// database and a company database with the demo data in that folder.
#include "DbError.h"
#include "DemoDatabases.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3 || args[1] == QLatin1String("-h") || args[1] == QLatin1String("--help")) {
        err << "usage: frdemodb <folder> [company-db-name]\n"
               "Creates <folder>/QLM_CONFIG.db and <folder>/<company-db-name>.db (default DEMO) with demo data,\n"
               "replacing files of the same names.\n";
        return 2;
    }
    const QString folder = args[1];
    const QString company = args.size() == 3 ? args[2] : QStringLiteral("DEMO");
    try {
        data::createDatabases(folder, company, true);
    } catch (const data::DbError &e) {
        err << "frdemodb: " << e.message() << '\n';
        return 1;
    }
    out << "created " << QDir::toNativeSeparators(data::configDatabaseFile(folder)) << " and "
        << QDir::toNativeSeparators(data::companyDatabaseFile(folder, company)) << '\n';
    return 0;
}
