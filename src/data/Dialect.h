#pragma once

#include "Params.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <memory>

namespace data {

class Connection;

// Everything that differs between database engines. Statement texts stay as
// written wherever the engine accepts them; a dialect supplies only the
// piece that differs.
class Dialect {
public:
    virtual ~Dialect() = default;

    virtual QString name() const = 0;
    // Expression joining two text expressions.
    virtual QString concat(const QStringList &parts) const = 0;
    // A select of the first n rows: wraps "SELECT <rest>" as the engine wants.
    virtual QString selectTop(int n, const QString &selectRest) const = 0;
    // Statement returning the identity value inserted last on the connection,
    // as one column named New_Id.
    virtual QString lastIdentitySql() const = 0;
    // A table of the configuration database seen from the company connection.
    virtual QString configTable(const QString &table) const = 0;

    virtual void beginTransaction(Connection &c) const = 0;

    // Adds a column to a table unless it is already there.
    virtual void addColumnIfMissing(Connection &c, const QString &table, const QString &column,
                                    const QString &type) const = 0;
    virtual bool hasColumn(Connection &c, const QString &table, const QString &column) const = 0;

    // Runs a database procedure; output parameters are written back into params.
    virtual void callProcedure(Connection &c, const QString &procedure, Params &params) const = 0;

    // Values going to and coming from the engine.
    virtual QVariant toEngine(const QVariant &v) const { return v; }
    // After a select ran: which of its columns hold dates the engine keeps as text.
    virtual QList<bool> dateColumns(const QSqlQuery &) const { return {}; }
    virtual QVariant fromEngine(const QVariant &v, bool dateColumn) const
    {
        Q_UNUSED(dateColumn);
        return v;
    }

    // Turns an engine error text into the wording of the suite's server, so
    // that the error handler's translation table matches on every engine.
    virtual QString serverWording(const QString &engineText) const { return engineText; }
};

std::unique_ptr<Dialect> makeSqliteDialect();
// Installs the server functions the statements use (LEN, LEFT, YEAR ...).
void registerSqliteFunctions(QSqlDatabase &db);

} // namespace data
