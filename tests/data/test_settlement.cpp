#include "Connection.h"
#include "DataSet.h"
#include "DbError.h"
#include "DemoDatabases.h"

#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

using namespace data;

// The database keeps the settled amounts and Clear flags of invoices,
// import documents and deposits true from the live settlement lines.
// Demo rows used: invoices 1 (Total 1000) and 2 (2500) of customer 1,
// deposit received 1 (300 USD), import documents 1 (2,000,000 JPY) and
// 2 (4200 EUR), deposit paid 1 (500,000 JPY).
class TestSettlement : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<Connection> m_db;

    int insertReceipt(const QString &no)
    {
        Params p;
        p.set("No", no);
        m_db->execute("insert into FrRCHD (RcNo, RcDate, FrCustomer, RcAmount, Currency, RcExchange, RcBahtAmount) "
                      "values (:No, '2026-05-01 00:00:00', 1, 0, 1, 35, 0)",
                      p);
        return m_db->scalar("select last_insert_rowid()").toInt();
    }
    int insertPayment(const QString &no)
    {
        Params p;
        p.set("No", no);
        m_db->execute("insert into FrPDHD (PDNo, PDDate, FrVendor, PDAmount, Currency, PDExchange, PDBahtAmount) "
                      "values (:No, '2026-05-01 00:00:00', 1, 0, 3, 0.24, 0)",
                      p);
        return m_db->scalar("select last_insert_rowid()").toInt();
    }
    int addLine(const QString &table, int header, const QString &type, int docId, double amount)
    {
        const bool rc = table == "FrRcDt";
        Params p;
        p.set("Hd", header);
        p.set("Type", type);
        p.set("Doc", docId);
        p.set("Amount", amount);
        m_db->execute(rc ? "insert into FrRcDt (RecNo, FrRcHD, RcDoctype, RcDocId, RcDocAmount) "
                           "values (1, :Hd, :Type, :Doc, :Amount)"
                         : "insert into FrPDDT (RecNo, FrPDHD, PDDoctype, PDDocId, PDDocAmount) "
                           "values (1, :Hd, :Type, :Doc, :Amount)",
                      p);
        return m_db->scalar("select last_insert_rowid()").toInt();
    }
    // "amount/flag" of a settled row, e.g. "-300/Y".
    QString state(const QString &table, const QString &column, int id)
    {
        Params p;
        p.set("Id", id);
        QSqlQuery q = m_db->run(QString("select %1, Clear from %2 where Id = :Id").arg(column, table), p);
        if (!q.next())
            return "missing";
        return QString::number(q.value(0).toDouble()) + "/" + q.value(1).toString();
    }
    QString invoice(int id) { return state("EXIVHD", "RcptAmount", id); }
    QString preReceipt(int id) { return state("FrPreRcpt", "RcPtAmount", id); }
    QString import(int id) { return state("IMHD", "PaidAmount", id); }
    QString prePaid(int id) { return state("FrPrePaid", "PaidAmount", id); }
    void exec(const QString &sql, int id)
    {
        Params p;
        p.set("Id", id);
        m_db->execute(sql, p);
    }

private slots:
    void init()
    {
        createDatabases(m_dir.path(), "DEMO", true);
        m_db = std::make_unique<Connection>("S-" + QUuid::createUuid().toString(),
                                            embeddedCompanySettings(m_dir.path(), "DEMO"));
    }
    void cleanup() { m_db.reset(); }

    void receiptSaveModifyCancel()
    {
        QCOMPARE(invoice(1), "0/N");
        QCOMPARE(preReceipt(1), "0/N");

        const int rc = insertReceipt("RC-T1");
        const int invoiceLine = addLine("FrRcDt", rc, "I", 1, 1000);
        const int depositLine = addLine("FrRcDt", rc, "P", 1, -300);
        QCOMPARE(invoice(1), "1000/Y");
        QCOMPARE(preReceipt(1), "-300/Y");

        // Modify: the invoice is now settled in part only.
        exec("update FrRcDt set RcDocAmount = 400 where Id = :Id", invoiceLine);
        QCOMPARE(invoice(1), "400/N");

        // A second receipt settles the rest.
        const int rc2 = insertReceipt("RC-T2");
        addLine("FrRcDt", rc2, "i", 1, 600);
        QCOMPARE(invoice(1), "1000/Y");

        // A line moved to another invoice: both are recomputed.
        exec("update FrRcDt set RcDocId = 2 where Id = :Id", invoiceLine);
        QCOMPARE(invoice(1), "600/N");
        QCOMPARE(invoice(2), "400/N");

        // Saving the deposit again writes 0 and N; the truth comes back.
        exec("update FrPreRcpt set RcPtAmount = 0, Clear = 'N', Remark = 'saved again' where Id = :Id", 1);
        QCOMPARE(preReceipt(1), "-300/Y");

        // Cancelling the receipt frees what it settled; restoring it settles again.
        exec("update FrRCHD set Delflag = 'Y' where Id = :Id", rc);
        QCOMPARE(invoice(2), "0/N");
        QCOMPARE(preReceipt(1), "0/N");
        QCOMPARE(invoice(1), "600/N");
        exec("update FrRCHD set Delflag = 'N' where Id = :Id", rc);
        QCOMPARE(preReceipt(1), "-300/Y");

        // A deposit line settled in part, then removed.
        exec("update FrRcDt set RcDocAmount = -120.5 where Id = :Id", depositLine);
        QCOMPARE(preReceipt(1), "-120.5/N");
        exec("delete from FrRcDt where Id = :Id", depositLine);
        QCOMPARE(preReceipt(1), "0/N");
    }

    void paymentSaveModifyCancel()
    {
        const int pd = insertPayment("PD-T1");
        const int importLine = addLine("FrPDDT", pd, "M", 2, 4200);
        addLine("FrPDDT", pd, "D", 1, -200000);
        QCOMPARE(import(2), "4200/Y");
        QCOMPARE(prePaid(1), "-200000/N");

        exec("update FrPDDT set PDDocAmount = 4199.99 where Id = :Id", importLine);
        QCOMPARE(import(2), "4199.99/N");

        const int pd2 = insertPayment("PD-T2");
        addLine("FrPDDT", pd2, "D", 1, -300000);
        QCOMPARE(prePaid(1), "-500000/Y");

        exec("update FrPrePaid set PaidAmount = 0, Clear = 'N' where Id = :Id", 1);
        QCOMPARE(prePaid(1), "-500000/Y");

        exec("update FrPDHD set Delflag = 'Y' where Id = :Id", pd);
        QCOMPARE(import(2), "0/N");
        QCOMPARE(prePaid(1), "-300000/N");
    }

    // A change of the settled row itself (another module corrects an
    // invoice total) re-derives its flag.
    void totalChangeRederivesClear()
    {
        const int rc = insertReceipt("RC-T3");
        addLine("FrRcDt", rc, "I", 1, 800);
        QCOMPARE(invoice(1), "800/N");
        exec("update EXIVHD set Total = 800 where Id = :Id", 1);
        QCOMPARE(invoice(1), "800/Y");
    }

    // A settled row that a line refers to, and a header with lines, cannot
    // be deleted (the search purge of cancelled documents); the refusal
    // reads as the server's reference error.
    void referencedRowsCannotBePurged_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("deposit received") << "FrPreRcpt";
        QTest::newRow("export invoice") << "EXIVHD";
        QTest::newRow("receipt header") << "FrRCHD";
    }
    void referencedRowsCannotBePurged()
    {
        QFETCH(QString, table);
        const int rc = insertReceipt("RC-T4");
        addLine("FrRcDt", rc, "I", 1, 10);
        addLine("FrRcDt", rc, "P", 1, -10);
        const int id = table == "FrRCHD" ? rc : 1;
        try {
            exec(QString("delete from %1 where Id = :Id").arg(table), id);
            QFAIL("the referenced row was deleted");
        } catch (const DbError &e) {
            QVERIFY2(m_db->dialect()
                         .serverWording(e.message())
                         .contains("DELETE statement conflicted with COLUMN "
                                   "REFERENCE"),
                     qPrintable(e.message()));
        }
    }

    // The deposit save relies on the database refusing a deposit without
    // customer, currency or amount, and a number already used.
    void depositRefusals_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("wording");
        QTest::newRow("no customer") << "FrCustomer" << QVariant() << "column 'FrCustomer'";
        QTest::newRow("no currency") << "Currency" << QVariant() << "column 'Currency'";
        QTest::newRow("no amount") << "PreAmount" << QVariant() << "column 'PreAmount'";
        QTest::newRow("number of another deposit, other case")
            << "PreNo" << QVariant(QString("pr%1-0000001").arg(QDate::currentDate().year() % 100, 2, 10, QChar('0')))
            << "Cannot insert duplicate";
    }
    void depositRefusals()
    {
        QFETCH(QString, column);
        QFETCH(QVariant, value);
        QFETCH(QString, wording);
        // The deposit window's own data set and update statements.
        const QStringList columns{"PreNo",        "PreDate",     "FrCustomer",  "Remark",        "TaxCode",
                                  "PreAmount",    "Currency",    "PreExchange", "PreBahtAmount", "PreCharge",
                                  "PreBankTotal", "CompanyBank", "Delflag",     "Printed",       "Clear",
                                  "Transfer",     "RcPtAmount",  "BeginBalance"};
        DataSet pre(*m_db, "Select Id," + columns.join(',') + " From FrPreRcpt Where (PreNo = :PNO)");
        pre.setParam("PNO", "");
        pre.setUpdateSql(UpdateSql::forTable("FrPreRcpt", columns));
        pre.open();
        pre.edit();
        const QVariantList values{"PR-NEW", QDateTime(QDate(2026, 5, 1), QTime()),
                                  1,        "",
                                  1,        100.0,
                                  1,        35.0,
                                  3500.0,   0,
                                  3500.0,   1,
                                  "N",      "N",
                                  "N",      "N",
                                  0,        "N"};
        for (int i = 0; i < columns.size(); ++i)
            pre.setValue(columns[i], values[i]);
        pre.setValue(column, value);
        m_db->startTransaction();
        try {
            pre.applyUpdates();
            QFAIL("the deposit was stored");
        } catch (const DbError &e) {
            QVERIFY2(m_db->dialect().serverWording(e.message()).contains(wording), qPrintable(e.message()));
        }
        m_db->rollback();
        QCOMPARE(m_db->scalar("select count(*) from FrPreRcpt").toInt(), 3);
    }
};

QTEST_GUILESS_MAIN(TestSettlement)
#include "test_settlement.moc"
