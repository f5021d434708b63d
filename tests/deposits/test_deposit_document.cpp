#include "Connection.h"
#include "DataSet.h"
#include "DbError.h"
#include "DepositDocument.h"
#include "Dm.h"
#include "TestEnvironment.h"

#include <QtTest>

using namespace deposits;

// The deposit save and cancel transactions on the demo databases.
class TestDepositDocument : public QObject {
    Q_OBJECT

    static DepositKind kindOf(const QString &docKind)
    {
        DepositKind k;
        DepositKind::forDocKind(docKind, &k);
        return k;
    }

    // A new document of the kind with the usual values filled in.
    static void fillNew(DepositDocument &doc)
    {
        doc.load(QString());
        doc.edit();
        data::DataSet &q = doc.QPRE();
        q.setValue("PreDate", QDateTime(QDate::currentDate(), QTime(15, 45)));
        q.setValue(doc.kind().partyColumn, 1);
        q.setValue("Currency", 1);
        q.setValue("PreAmount", 100);
        q.setValue("PreExchange", 35.1234567);
        q.setValue("CompanyBank", 1);
        if (doc.kind().received)
            q.setValue("TaxCode", 1);
        doc.computeBahtAmount();
        q.setValue("PreCharge", 12.35);
        if (doc.kind().received)
            doc.computeBankTotal();
    }

    static QVariant stored(const DepositDocument &doc, const QString &number, const QString &column)
    {
        data::Params p;
        p.set("N", number);
        return app::TDM::instance().CompanyConnection().scalar(
            QString("select %1 from %2 where PreNo = :N").arg(column, doc.kind().table), p);
    }

private slots:
    void unknownKindIsRefused()
    {
        DepositKind k;
        QVERIFY(!DepositKind::forDocKind("B", &k));
        QVERIFY(!DepositKind::forDocKind("", &k));
        QVERIFY(!DepositKind::forDocKind("r", &k));
    }

    void amountRules()
    {
        testsupport::TestEnvironment env;
        DepositDocument doc(kindOf("R"));
        fillNew(doc);
        QCOMPARE(doc.QPRE().value("PreBahtAmount").toDouble(), 3512.35);
        QCOMPARE(doc.QPRE().value("PreBankTotal").toDouble(), 3500.0);
        // An amount typed after the rate keeps the old baht amount.
        doc.QPRE().setValue("PreAmount", 200);
        QCOMPARE(doc.QPRE().value("PreBahtAmount").toDouble(), 3512.35);
        // Without a rate the baht amount is the amount itself.
        doc.QPRE().setValue("PreExchange", QVariant());
        doc.computeBahtAmount();
        QCOMPARE(doc.QPRE().value("PreBahtAmount").toDouble(), 200.0);
        // A charge equal to the baht amount warns and leaves a bank total of 0.
        doc.QPRE().setValue("PreCharge", 200);
        QVERIFY(!doc.computeBankTotal());
        QCOMPARE(doc.QPRE().value("PreBankTotal").toDouble(), 0.0);
    }

    void saveStoresKindValues_data()
    {
        QTest::addColumn<QString>("docKind");
        QTest::newRow("pre-receipt") << "R";
        QTest::newRow("brought-forward pre-receipt") << "BR";
        QTest::newRow("pre-payment") << "P";
        QTest::newRow("brought-forward pre-payment") << "BP";
    }
    void saveStoresKindValues()
    {
        QFETCH(QString, docKind);
        testsupport::TestEnvironment env;
        DepositDocument doc(kindOf(docKind));
        fillNew(doc);
        const QString number = doc.save();
        QVERIFY(!number.trimmed().isEmpty());
        QVERIFY(!doc.QPRE().updatesPending());

        const bool bf = doc.kind().broughtForward;
        QCOMPARE(stored(doc, number, "BeginBalance").toString(), QString(bf ? "Y" : "N"));
        QCOMPARE(stored(doc, number, "CompanyBank").toInt(), bf ? -1 : 1);
        QCOMPARE(stored(doc, number, "PreCharge").toDouble(), bf ? 0.0 : 12.35);
        QCOMPARE(stored(doc, number, "PreBahtAmount").toDouble(), 3512.35);
        QCOMPARE(stored(doc, number, "PreDate").toDateTime().time(), QTime(0, 0));
        for (const char *flag : {"Delflag", "Clear", "Printed", "Transfer"})
            QCOMPARE(stored(doc, number, flag).toString(), QString("N"));
        if (doc.kind().received) {
            QCOMPARE(stored(doc, number, "TaxCode").toInt(), docKind == "BR" ? -1 : 1);
            QCOMPARE(stored(doc, number, "PreBankTotal").toDouble(), docKind == "BR" ? 0.0 : 3500.0);
        }

        data::Connection &db = app::TDM::instance().CompanyConnection();
        const int id = doc.documentId(number);
        data::Params p;
        p.set("Id", id);
        p.set("No", number);
        QCOMPARE(
            db.scalar("select count(*) from UserLog where FunctionListId = 1 and DocumentId = 0 and Remark = :No", p)
                .toInt(),
            1);
        // AutoGenGL is "Y" in the demo: balanced vouchers tied to the document.
        QVERIFY(db.scalar("select count(*) from GLHd where GLFromDocId = :Id and GLFromDocNo = :No", p).toInt() > 0);
        QCOMPARE(db.scalar("select round(sum(Debit) - sum(Credit), 2) from GLDt where GLHd in "
                           "(select Id from GLHd where GLFromDocId = :Id)",
                           p)
                     .toDouble(),
                 0.0);
    }

    void modifyResetsSettlementAndLogs()
    {
        testsupport::TestEnvironment env;
        DepositDocument doc(kindOf("R"));
        fillNew(doc);
        const QString number = doc.save();
        data::Connection &db = app::TDM::instance().CompanyConnection();
        doc.load(number);
        QVERIFY(!doc.isNew());
        doc.edit();
        doc.QPRE().setValue("Remark", "แก้ไข");
        doc.save();
        QCOMPARE(stored(doc, number, "Remark").toString(), QString("แก้ไข"));
        QCOMPARE(stored(doc, number, "RcPtAmount").toDouble(), 0.0);
        data::Params p;
        p.set("Id", doc.documentId(number));
        QCOMPARE(db.scalar("select count(*) from UserLog where FunctionListId = 2 and DocumentId = :Id", p).toInt(), 1);
    }

    void failedSaveRollsBackAndKeepsEdits()
    {
        testsupport::TestEnvironment env;
        data::Connection &db = app::TDM::instance().CompanyConnection();
        const int logsBefore = db.scalar("select count(*) from UserLog").toInt();
        const QVariant counterBefore = db.scalar("select max(LastNo) from DocumentNo where Code = 'FRPRERCPT'");

        DepositDocument doc(kindOf("R"));
        fillNew(doc);
        doc.QPRE().setValue("FrCustomer", QVariant()); // refused by the database
        doc.QPRE().setValue("Remark", "keep me");
        try {
            doc.save();
            QFAIL("saved without a customer");
        } catch (const data::DbError &e) {
            QVERIFY2(db.dialect()
                         .serverWording(e.message())
                         .contains("Cannot insert the value NULL into column "
                                   "'FrCustomer'"),
                     qPrintable(e.message()));
        }
        QVERIFY(!db.inTransaction());
        QCOMPARE(db.scalar("select count(*) from UserLog").toInt(), logsBefore);
        QCOMPARE(db.scalar("select max(LastNo) from DocumentNo where Code = 'FRPRERCPT'"), counterBefore);
        QCOMPARE(db.scalar("select count(*) from FrPreRcpt where Remark = 'keep me'").toInt(), 0);
        // Every edit is still there, the drawn number is not.
        QVERIFY(doc.QPRE().isNewRow());
        QCOMPARE(doc.QPRE().value("Remark").toString(), QString("keep me"));
        QCOMPARE(doc.QPRE().value("PreBahtAmount").toDouble(), 3512.35);
        QVERIFY(doc.QPRE().value("PreNo").toString().trimmed().isEmpty());

        // Mended, the same document saves.
        doc.QPRE().setValue("FrCustomer", 2);
        const QString number = doc.save();
        QCOMPARE(stored(doc, number, "Remark").toString(), QString("keep me"));
    }

    void failingLedgerPostingRollsEverythingBack()
    {
        testsupport::TestEnvironment env;
        data::Connection &db = app::TDM::instance().CompanyConnection();
        db.execute("delete from GLPostingAccount where DocCode = 'FRPRERCPT'");
        const int deposits = db.scalar("select count(*) from FrPreRcpt").toInt();
        const int logs = db.scalar("select count(*) from UserLog").toInt();
        DepositDocument doc(kindOf("R"));
        fillNew(doc);
        QVERIFY_THROWS_EXCEPTION(data::DbError, doc.save());
        QCOMPARE(db.scalar("select count(*) from FrPreRcpt").toInt(), deposits);
        QCOMPARE(db.scalar("select count(*) from UserLog").toInt(), logs);
        QVERIFY(doc.QPRE().isNewRow());
        QVERIFY(doc.QPRE().updatesPending());
    }

    void noLedgerWithoutAutoGenGL()
    {
        testsupport::TestEnvironment env;
        data::Connection &db = app::TDM::instance().CompanyConnection();
        db.execute("update Config set AutoGenGL = 'N'");
        app::TDM::instance().QConfig().reopen();
        const int before = db.scalar("select count(*) from GLHd").toInt();
        DepositDocument doc(kindOf("P"));
        fillNew(doc);
        doc.save();
        QCOMPARE(db.scalar("select count(*) from GLHd").toInt(), before);
    }

    void cancelIsSoftDelete()
    {
        testsupport::TestEnvironment env;
        DepositDocument doc(kindOf("P"));
        fillNew(doc);
        const QString number = doc.save();
        doc.cancel(number);
        QCOMPARE(stored(doc, number, "Delflag").toString(), QString("Y"));
        data::Params p;
        p.set("Id", doc.documentId(number));
        QCOMPARE(app::TDM::instance()
                     .CompanyConnection()
                     .scalar("select count(*) from UserLog where FunctionListId = 3 and DocumentId = :Id", p)
                     .toInt(),
                 1);
    }
};

QTEST_MAIN(TestDepositDocument)
#include "test_deposit_document.moc"
