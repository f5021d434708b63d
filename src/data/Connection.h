#pragma once

#include "Dialect.h"
#include "Params.h"

#include <QSqlDatabase>
#include <QString>
#include <memory>

namespace data {

// Where a database lives. The embedded engine keeps one SQLite file per
// database; a server engine names host, database and login.
struct ConnectionSettings {
    enum Engine { Sqlite, Postgres, SqlServer };
    Engine engine = Sqlite;
    QString databaseName; // logical name, e.g. "QLM_CONFIG" or the company database
    QString filePath;     // embedded: the database file
    QString host;         // server engines
    int port = 0;
    QString user;
    QString password;
    // Embedded company connection: configuration file attached as "QLM_CONFIG".
    QString attachConfigFile;
};

// One open database, reached by its alias ("DmCfg", "DMDATA"). Owns its
// dialect and the explicit transaction state.
class Connection {
public:
    Connection(const QString &alias, const ConnectionSettings &settings);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Opens (or returns the already open) connection of that alias.
    static Connection &open(const QString &alias, const ConnectionSettings &settings);
    // The open connection of that alias; throws DbError when there is none.
    static Connection &byAlias(const QString &alias);
    static bool isOpen(const QString &alias);
    static void close(const QString &alias);
    static void closeAll();

    QString alias() const { return m_alias; }
    const ConnectionSettings &settings() const { return m_settings; }
    QSqlDatabase database() const;
    const Dialect &dialect() const { return *m_dialect; }

    // Runs one statement with named parameters; returns the rows affected.
    int execute(const QString &sql, const Params &params = {});
    // First column of the first row, or an invalid variant.
    QVariant scalar(const QString &sql, const Params &params = {});
    // Prepares and executes a statement with ":Name" parameters bound from params.
    // Throws DbError with the engine's text on failure.
    QSqlQuery run(const QString &sql, const Params &params = {});

    // Runs a database procedure: a server procedure, or on the embedded
    // engine its C++ counterpart. Output parameters are written into params.
    void callProcedure(const QString &procedure, Params &params);
    // Runs a script of statements separated by lines holding only "/", one
    // by one and without a transaction of its own. Each statement takes the
    // parameters it names.
    void runScript(const QString &script, const Params &params = {});

    void startTransaction();
    void commit();
    void rollback();
    bool inTransaction() const { return m_inTransaction; }

private:
    void openDatabase();
    QString m_alias;
    ConnectionSettings m_settings;
    QString m_qtName;
    std::unique_ptr<Dialect> m_dialect;
    bool m_inTransaction = false;
};

// Rewrites ":Name" placeholders to positional '?' markers, outside quoted
// text, and returns the names in order of appearance. "::" is left alone.
QStringList splitScript(const QString &script);

QString toPositional(const QString &sql, QStringList *names);

} // namespace data
