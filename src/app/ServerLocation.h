#pragma once

#include "Connection.h"

#include <QString>

namespace app {

// Where the databases live, read from the server name of "Server.Dat".
//
//   (no file, empty first line, or "QLM")  embedded files in <working folder>/data
//   "sqlite:<folder>"                       embedded files in that folder (relative to the working folder)
//   "postgres://[user[:password]@]host[:port]"  a PostgreSQL server
//   any other name                          a Microsoft SQL Server of that name (ODBC)
//
// Server engines log in with the suite's fixed account unless the name gives one.
struct ServerLocation {
    data::ConnectionSettings::Engine engine = data::ConnectionSettings::Sqlite;
    QString folder; // embedded engine
    QString host;   // server engines
    int port = 0;
    QString user;
    QString password;

    static constexpr const char *DefaultServerName = "QLM";
    static constexpr const char *ConfigDatabaseName = "QLM_CONFIG";

    static ServerLocation parse(const QString &serverName, const QString &workingFolder);

    // The settings of one database; a company database on the embedded engine
    // attaches the configuration file so that cross-database reads work.
    data::ConnectionSettings settingsFor(const QString &databaseName, bool isCompanyDatabase) const;
};

} // namespace app
