// Saving one deposit into a company database that already holds 100,000
// deposits: through the program's own save (data set with cached updates,
// numbering, user log and ledger posting in one transaction) next to the
// very same statements run directly on the engine.
//
//   build/bench/bench_deposit_save [deposits=100000] [saves=200]
//
// The statements of one save are captured with the engine's statement trace
// and replayed through the bare C interface, each replay with a number of
// its own, so both sides do the same work on the same file.

#include "Connection.h"
#include "DataSet.h"
#include "DepositDocument.h"
#include "Dm.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDriver>
#include <cstdio>
#include <sqlite3.h>

namespace {

QStringList g_trace;

int traceStatement(unsigned, void *, void *stmt, void *text)
{
    // Trigger programs report themselves as "-- TRIGGER name"; they run
    // again by themselves when the statement is replayed.
    if (QByteArray(static_cast<const char *>(text)).startsWith("--"))
        return 0;
    char *sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt *>(stmt));
    if (sql) {
        g_trace.append(QString::fromUtf8(sql));
        sqlite3_free(sql);
    }
    return 0;
}

sqlite3 *handleOf(data::Connection &c)
{
    const QVariant h = c.database().driver()->handle();
    return *static_cast<sqlite3 *const *>(h.data());
}

void fillDeposit(deposits::DepositDocument &doc)
{
    doc.load(QString());
    doc.edit();
    data::DataSet &q = doc.QPRE();
    q.setValue("PreDate", QDateTime(QDate::currentDate(), QTime(0, 0)));
    q.setValue("FrCustomer", 1);
    q.setValue("Currency", 1);
    q.setValue("PreAmount", 1000);
    q.setValue("PreExchange", 35.25);
    q.setValue("CompanyBank", 1);
    q.setValue("TaxCode", 1);
    q.setValue("PreCharge", 25);
    doc.computeBahtAmount();
    doc.computeBankTotal();
}

// Adds n live deposits with their vouchers' worth of rows, in one transaction.
void seed(data::Connection &db, int n)
{
    db.startTransaction();
    db.execute("WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < :N) "
               "INSERT INTO FrPreRcpt (PreNo, PreDate, FrCustomer, Remark, TaxCode, PreAmount, Currency, "
               "PreExchange, PreBahtAmount, PreCharge, PreBankTotal, CompanyBank, Delflag, Printed, Clear, "
               "Transfer, RcPtAmount, BeginBalance) "
               "SELECT 'SEED' || printf('%08d', i), date('now'), 1 + i % 3, 'seed', 1, 100, 1, 35, 3500, 0, "
               "3500, 1, 'N', 'N', 'N', 'N', 0, 'N' FROM k",
               [n] {
                   data::Params p;
                   p.set("N", n);
                   return p;
               }());
    db.commit();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int deposits = argc > 1 ? QString(argv[1]).toInt() : 100000;
    const int saves = argc > 2 ? QString(argv[2]).toInt() : 200;

    testsupport::TestEnvironment env(1, 101);
    data::Connection &db = app::TDM::instance().CompanyConnection();
    QElapsedTimer t;
    t.start();
    seed(db, deposits);
    std::printf("seeded %d deposits in %.1f s\n", deposits, t.elapsed() / 1000.0);

    deposits::DepositKind kind;
    deposits::DepositKind::forDocKind("R", &kind);
    deposits::DepositDocument doc(kind);

    // Warm up and capture the statements of one save.
    sqlite3 *raw = handleOf(db);
    fillDeposit(doc);
    sqlite3_trace_v2(raw, SQLITE_TRACE_STMT, traceStatement, nullptr);
    const QString captured = doc.save();
    sqlite3_trace_v2(raw, 0, nullptr, nullptr);
    const QStringList statements = g_trace;

    if (qEnvironmentVariableIsSet("BENCH_SHOW_STATEMENTS"))
        for (const QString &s : std::as_const(statements))
            std::printf("%s\n", qPrintable(s.left(160)));
    qint64 programNs = 0;
    for (int i = 0; i < saves; ++i) {
        fillDeposit(doc); // entering the values is the user's time, not the save's
        QElapsedTimer s;
        s.start();
        doc.save();
        programNs += s.nsecsElapsed();
    }

    // The replayed voucher lines point at the voucher header the replay
    // itself has just inserted, not at the captured one.
    const QString voucherId = db.scalar("select Id from GLHd where GLFromDocNo = :N",
                                        [&] {
                                            data::Params p;
                                            p.set("N", captured);
                                            return p;
                                        }())
                                  .toString();
    const QString linesOfCaptured = "INSERT INTO GLDt (GLHd, RecNo, GLAccount, AccountCode, AccountName, Description, "
                                    "Debit, Credit, Department, Project) VALUES (" +
                                    voucherId + ",";
    const QString linesOfReplay = "INSERT INTO GLDt (GLHd, RecNo, GLAccount, AccountCode, AccountName, Description, "
                                  "Debit, Credit, Department, Project) VALUES ((SELECT max(Id) FROM GLHd),";
    qint64 directNs = 0;
    for (int i = 0; i < saves; ++i) {
        const QString number = QString("DIRECT%1").arg(i, 6, 10, QChar('0'));
        QElapsedTimer s;
        s.start();
        for (QString sql : std::as_const(statements)) {
            sql.replace("'" + captured + "'", "'" + number + "'");
            sql.replace(linesOfCaptured, linesOfReplay);
            char *err = nullptr;
            if (sqlite3_exec(raw, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
                std::fprintf(stderr, "replay failed: %s\n%s\n", err, qPrintable(sql));
                sqlite3_free(err);
                return 1;
            }
        }
        directNs += s.nsecsElapsed();
    }

    const double programMs = programNs / 1e6 / saves;
    const double directMs = directNs / 1e6 / saves;
    std::printf("deposits in table: %d, saves: %d, statements per save: %lld\n",
                db.scalar("select count(*) from FrPreRcpt").toInt(), saves, static_cast<long long>(statements.size()));
    std::printf("program save: %.3f ms per deposit\n", programMs);
    std::printf("same statements on the engine: %.3f ms per deposit\n", directMs);
    std::printf("ratio program / engine: %.2f\n", programMs / directMs);
    return 0;
}
