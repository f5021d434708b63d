#include "Connection.h"
#include "DbError.h"
#include "DemoDatabases.h"

#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

using namespace data;

// Ledger procedures on the demo company database: balanced vouchers tied to
// their document, accounts from the posting set-up, re-posting replaces.
class TestLedger : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<Connection> m_db;

    void post(const QString &procedure, int docId)
    {
        Params p;
        p.set("Result", 0, Params::Out);
        p.set("@DocId", docId);
        p.set("@UserId", 1);
        m_db->callProcedure(procedure, p);
    }
    int exec(const QString &sql, const Params &p = {})
    {
        m_db->execute(sql, p);
        return m_db->scalar("select last_insert_rowid()").toInt();
    }
    // The voucher of a document as "account:debit-credit" entries summed per
    // account and side, e.g. "1110:10200", "2130:-10275"; checks that the
    // document has exactly one voucher, that it balances and that its totals
    // match its lines.
    QStringList voucher(const QString &docCode, int docId, const QString &docNo)
    {
        Params p;
        p.set("Id", docId);
        p.set("Code", docCode);
        QSqlQuery h = m_db->run("select Id, GLFromDocNo, TotalDebit, TotalCredit from GLHd "
                                "where GLFromDocId = :Id and GLFromDocCode = :Code",
                                p);
        if (!h.next())
            return {};
        const int hd = h.value(0).toInt();
        [&] {
            QCOMPARE(h.value(1).toString(), docNo);
            QVERIFY2(!h.next(), "more than one voucher for the document");
        }();
        Params d;
        d.set("Hd", hd);
        QSqlQuery t = m_db->run("select round(sum(Debit), 2), round(sum(Credit), 2) from GLDt where GLHd = :Hd", d);
        t.next();
        const double debit = t.value(0).toDouble(), credit = t.value(1).toDouble();
        [&] {
            QCOMPARE(debit, credit);
            QVERIFY(debit > 0);
            QCOMPARE(m_db->scalar("select TotalDebit from GLHd where Id = :Hd", d).toDouble(), debit);
            QCOMPARE(m_db->scalar("select TotalCredit from GLHd where Id = :Hd", d).toDouble(), credit);
        }();
        QStringList entries;
        QSqlQuery l = m_db->run("select AccountCode, round(sum(Debit) - sum(Credit), 2) from GLDt where GLHd = :Hd "
                                "group by AccountCode, Debit > 0 order by AccountCode",
                                d);
        while (l.next())
            entries << l.value(0).toString() + ":" + QString::number(l.value(1).toDouble());
        return entries;
    }
    QString preNo(const QString &table, int id)
    {
        Params p;
        p.set("Id", id);
        return m_db->scalar(QString("select PreNo from %1 where Id = :Id").arg(table), p).toString();
    }

private slots:
    void init()
    {
        createDatabases(m_dir.path(), "DEMO", true);
        m_db = std::make_unique<Connection>("L-" + QUuid::createUuid().toString(),
                                            embeddedCompanySettings(m_dir.path(), "DEMO"));
    }
    void cleanup() { m_db.reset(); }

    // Demo deposits: received 1 (10275 baht, charge 75, bank KB-USD 1113),
    // received 3 brought forward (16950), paid 1 (117050, charge 350, bank
    // BBL-01 1112), paid 2 brought forward (37500).
    void deposits_data()
    {
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("docCode");
        QTest::addColumn<int>("docId");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("received") << "GL_FrPreRcpt"
                                  << "FrPreRcpt"
                                  << "FRPRERCPT" << 1 << QStringList{"1113:10200", "2130:-10275", "5120:75"};
        QTest::newRow("received, brought forward") << "GL_FrPreRcpt"
                                                   << "FrPreRcpt"
                                                   << "FRPRERCPT" << 3 << QStringList{"2130:-16950", "3900:16950"};
        QTest::newRow("paid") << "GL_FrPrePaid"
                              << "FrPrePaid"
                              << "FRPREPAID" << 1 << QStringList{"1112:-117400", "1160:117050", "5120:350"};
        QTest::newRow("paid, brought forward") << "GL_FrPrePaid"
                                               << "FrPrePaid"
                                               << "FRPREPAID" << 2 << QStringList{"1160:37500", "3900:-37500"};
    }
    void deposits()
    {
        QFETCH(QString, procedure);
        QFETCH(QString, table);
        QFETCH(QString, docCode);
        QFETCH(int, docId);
        QFETCH(QStringList, expected);
        post(procedure, docId);
        QCOMPARE(voucher(docCode, docId, preNo(table, docId)), expected);
    }

    // Invoice 1 (1000 USD at 34.5) and deposit received 1 (-300 USD at 34.25)
    // settled at 35 with a charge of 100 baht, a discount of 2 and an excess
    // of 5 USD: the difference of rates is the exchange difference.
    void receipt()
    {
        const int rc = exec("insert into FrRCHD (RcNo, RcDate, FrCustomer, RcAmount, Currency, RcExchange, "
                            "RcBahtAmount, RcCharge, RcBankTotal, CompanyBank, Discount, OverAmount) values "
                            "('RC-L1', '2026-05-02 00:00:00', 1, 703, 1, 35, 24605, 100, 24505, 1, 2, 5)");
        Params p;
        p.set("Hd", rc);
        exec("insert into FrRcDt (RecNo, FrRcHD, RcDoctype, RcDocId, RcDocAmount) values (1, :Hd, 'I', 1, 1000)", p);
        exec("insert into FrRcDt (RecNo, FrRcHD, RcDoctype, RcDocId, RcDocAmount) values (2, :Hd, 'P', 1, -300)", p);
        post("GL_FrRcHd", rc);
        // bank 24505, charge 100, discount 70, receivable -34500, deposit
        // 10275, excess -175; the remaining -275 is an exchange gain.
        QCOMPARE(voucher("FRRC", rc, "RC-L1"), (QStringList{"1112:24505", "1130:-34500", "2130:10275", "4210:-275",
                                                            "4230:-175", "5120:100", "5130:70"}));
    }

    void payment()
    {
        const int pd = exec("insert into FrPDHD (PDNo, PDDate, FrVendor, PDAmount, Currency, PDExchange, "
                            "PDBahtAmount, PDCharge, PDBankTotal, CompanyBank) values "
                            "('PD-L1', '2026-05-02 00:00:00', 2, 3200, 2, 38, 121600, 250, 121850, 1)");
        Params p;
        p.set("Hd", pd);
        exec("insert into FrPDDT (RecNo, FrPDHD, PDDoctype, PDDocId, PDDocAmount) values (1, :Hd, 'M', 2, 4200)", p);
        exec("insert into FrPDDT (RecNo, FrPDHD, PDDoctype, PDDocId, PDDocAmount) values (2, :Hd, 'D', 2, -1000)", p);
        post("GL_FrPdHd", pd);
        // payable 4200 x 37.9 = 159180, deposit -1000 x 37.5 = -37500, bank
        // -(121600 + 250), charge 250; the remaining -80 is an exchange gain.
        QCOMPARE(voucher("FRPD", pd, "PD-L1"),
                 (QStringList{"1112:-121850", "1160:-37500", "2110:159180", "4210:-80", "5120:250"}));
    }

    // An expense of 1000 with reclaimable tax 70, withholding tax of 30,
    // paid 1040 by bank transfer.
    void miscPayment()
    {
        const int hd = exec("insert into FrMiscPdHd (PdNo, PdDate, Department, BankAmount, CompanyBank, Total, "
                            "SubType) values ('MEP-L1', '2026-05-03 00:00:00', 22, 1040, 1, 1040, 'EP')");
        Params p;
        p.set("Hd", hd);
        exec("insert into FrMiscPdDt (FrMiscPdHd, RecNo, PdDocType, PdDocId, PaidAmount, CanUseTax, TaxAmount) "
             "values (:Hd, 1, 'E', 1, 1070, 'Y', 70)",
             p);
        exec("insert into FrMiscPdDt (FrMiscPdHd, RecNo, PdDocType, PdDocId, PaidAmount) values (:Hd, 2, 'T', 1, -30)",
             p);
        post("GL_FrMiscPdHd", hd);
        QCOMPARE(voucher("FRMISCPAID", hd, "MEP-L1"), (QStringList{"1112:-1040", "1170:70", "2140:-30", "5110:1000"}));
    }

    // Posting again replaces the voucher; a cancelled document keeps none.
    void repostingReplaces()
    {
        post("GL_FrPreRcpt", 1);
        m_db->execute("update FrPreRcpt set PreBahtAmount = 10500, PreCharge = 0 where Id = 1");
        post("GL_FrPreRcpt", 1);
        QCOMPARE(voucher("FRPRERCPT", 1, preNo("FrPreRcpt", 1)), (QStringList{"1113:10500", "2130:-10500"}));
        QCOMPARE(m_db->scalar("select count(*) from GLDt").toInt(), 2);

        m_db->execute("update FrPreRcpt set Delflag = 'Y' where Id = 1");
        post("GL_FrPreRcpt", 1);
        QCOMPARE(m_db->scalar("select count(*) from GLHd").toInt(), 0);
        QCOMPARE(m_db->scalar("select count(*) from GLDt").toInt(), 0);
    }

    // The clean-up script of the shared data module removes what was posted.
    void cleanUpScriptRemovesTheVoucher()
    {
        post("GL_FrPrePaid", 1);
        Params p;
        p.set("id", 1);
        p.set("no", preNo("FrPrePaid", 1).trimmed());
        m_db->runScript("delete from gldt where glhd in ( select id from glhd where glfromdocid=:id and "
                        "ltrim(rtrim(glfromdocno))=:no )\n/\ndelete from glhd where glfromdocid=:id and "
                        "ltrim(rtrim(glfromdocno))=:no",
                        p);
        QCOMPARE(m_db->scalar("select count(*) from GLDt").toInt(), 0);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("breakSql");
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<int>("docId");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("role missing from the set-up")
            << "delete from GLPostingAccount where DocCode = 'FRPRERCPT' and Role = 'DEPOSIT'"
            << "GL_FrPreRcpt" << 1 << "DEPOSIT";
        QTest::newRow("account missing from the chart") << "update CompanyBank set AccountCode = '9999' where Id = 2"
                                                        << "GL_FrPreRcpt" << 1 << "9999";
        QTest::newRow("no such document") << "select 1"
                                          << "GL_FrPrePaid" << 77 << "77";
    }
    // A failure raises an error; the caller rolls back and the earlier
    // voucher stays as it was.
    void failures()
    {
        QFETCH(QString, breakSql);
        QFETCH(QString, procedure);
        QFETCH(int, docId);
        QFETCH(QString, fragment);
        post("GL_FrPreRcpt", 1);
        const int linesBefore = m_db->scalar("select count(*) from GLDt").toInt();
        m_db->execute(breakSql);
        m_db->startTransaction();
        try {
            post(procedure, docId);
            QFAIL("the document was posted");
        } catch (const DbError &e) {
            QVERIFY2(e.message().contains(fragment), qPrintable(e.message()));
        }
        m_db->rollback();
        QCOMPARE(m_db->scalar("select count(*) from GLDt").toInt(), linesBefore);
    }
};

QTEST_GUILESS_MAIN(TestLedger)
#include "test_ledger.moc"
