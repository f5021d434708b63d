#pragma once

#include "Connection.h"

#include <QString>

namespace data {

// The embedded databases of a working folder: "<folder>/QLM_CONFIG.db" (the
// configuration database) and "<folder>/<company database name>.db".
QString configDatabaseFile(const QString &folder);
QString companyDatabaseFile(const QString &folder, const QString &databaseName);

// How to open those files: the configuration database alone, or a company
// database with the configuration database attached as "QLM_CONFIG".
ConnectionSettings embeddedConfigSettings(const QString &folder);
ConnectionSettings embeddedCompanySettings(const QString &folder, const QString &databaseName);

// Creates both databases from the schema scripts shipped with the program,
// replacing files of the same names. With demo data the company database is
// "DEMO" and holds the rows described in docs/demo-data.md.
void createDatabases(const QString &folder, const QString &companyDatabase = "DEMO", bool withDemoData = true);

} // namespace data
