#include "Connection.h"
#include "DbError.h"
#include "DemoDatabases.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

using namespace data;

// The demo databases as the program opens them, and the procedures of the
// configuration database and of report preparation.
class TestDatabases : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<Connection> m_config;
    std::unique_ptr<Connection> m_company;

    static QString alias() { return QUuid::createUuid().toString(QUuid::WithoutBraces); }

private slots:
    void initTestCase()
    {
        createDatabases(m_dir.path(), "DEMO", true);
        ConnectionSettings cfg;
        cfg.databaseName = "QLM_CONFIG";
        cfg.filePath = configDatabaseFile(m_dir.path());
        m_config = std::make_unique<Connection>("C-" + alias(), cfg);
        ConnectionSettings company;
        company.databaseName = "DEMO";
        company.filePath = companyDatabaseFile(m_dir.path(), "DEMO");
        company.attachConfigFile = cfg.filePath;
        m_company = std::make_unique<Connection>("D-" + alias(), company);
    }
    void cleanupTestCase()
    {
        m_company.reset();
        m_config.reset();
    }

    void demoCompanyAndSettings()
    {
        // The session's company query resolves the company database.
        Params p;
        p.set("GetName", "demo");
        QSqlQuery q = m_config->run("SELECT P.Id, P.NameThai, P.TaxNo, P.Address1, C.DefaultWh FROM CompanyConfig C "
                                    "Inner Join DatabaseList O On (O.Company = C.Company) Inner Join Company P On "
                                    "(P.Id = O.Company) Where (O.DatabaseName = :GetName)",
                                    p);
        QVERIFY(q.next());
        QVERIFY(!q.value(1).toString().isEmpty());
        QCOMPARE(q.value(2).toString().size(), 13);
        QSqlQuery c = m_company->run("SELECT RunYear, AutoGenGL FROM Config");
        QVERIFY(c.next());
        QCOMPARE(c.value(0).toInt(), QDate::currentDate().year());
        QCOMPARE(c.value(1).toString(), "Y");
        QCOMPARE(m_company->scalar("select count(*) from NullTable").toInt(), 1);
        // Configuration tables are reachable from the company connection.
        QCOMPARE(m_company->scalar("select NameEng from QLM_CONFIG.Company where Id = 1").toString(),
                 "Demo Trading Co., Ltd.");
        QCOMPARE(m_company->scalar("select count(*) from AccountPeriod where Lock12 = 'Y'").toInt(), 1);
    }

    // Every document code has a number series this year and next, and
    // every print code at least one form.
    void numberSeriesAndForms_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("printed");
        for (const char *code : {"FRPRERCPT", "FRPREPAID", "FRRC", "FRPD", "FRMISCPAID", "HOLDINGTAX"})
            QTest::newRow(code) << QString(code) << true;
        for (const char *code : {"EXIV-T", "FRSO-P", "FRMISCPAID-EP", "FRMISCPAID12-EJ"})
            QTest::newRow(code) << QString(code) << false;
    }
    void numberSeriesAndForms()
    {
        QFETCH(QString, code);
        QFETCH(bool, printed);
        Params p;
        p.set("Code", code);
        p.set("Year", QDate::currentDate().year());
        if (code != "FRMISCPAID")
            QCOMPARE(m_company
                         ->scalar("select count(*) from DocumentNo where Code = :Code and DocYear in (:Year, "
                                  ":Year + 1)",
                                  p)
                         .toInt(),
                     2);
        if (printed)
            QVERIFY(m_company->scalar("select count(*) from SystemForm where FormCode = :Code", p).toInt() > 0);
    }

    // The sub-type list of the miscellaneous payment, as its window asks for it.
    void subTypesOfThisYear()
    {
        Params p;
        p.set("DocCode", "FRMISCPAID");
        // Left() of the window's statement is written substr() here: LEFT is a
        // keyword of the embedded engine and cannot be called as a function.
        QSqlQuery q = m_company->run(
            "Select Id, Code, Description From Misc M Where (GroupCode = 'SubType') And(Code In (Select "
            "SubString(Code,Len(:DocCode)+ (Case When (Select AUTORunDocMonth From Config) = 'Y' Then 4 Else 2 "
            "End),Len(Code)) From DocumentNo Where substr(Code,1,Len(lTrim(Rtrim(:DocCode)))) = :DocCode And DocYear = "
            "Year(GetDate()) ) ) Order By Code",
            p);
        QStringList codes;
        while (q.next())
            codes << q.value(1).toString();
        QCOMPARE(codes, (QStringList{"EI", "EJ", "EP", "MS", "SR"}));
    }

    // Every form code the launcher passes has its menu entry, on which the
    // three demo users hold all rights, access only and nothing.
    void launchMenus_data()
    {
        QTest::addColumn<int>("menu");
        QTest::addColumn<QString>("formCode");
        QTest::newRow("101") << 101 << "FRPRERCPT";
        QTest::newRow("102") << 102 << "BEGIN_PRERCPT";
        QTest::newRow("103") << 103 << "FRPREPAID";
        QTest::newRow("104") << 104 << "BEGIN_PREPAID";
        QTest::newRow("105") << 105 << "FRRC";
        QTest::newRow("106") << 106 << "FRPD";
        QTest::newRow("107") << 107 << "FRMISCPAID";
    }
    void launchMenus()
    {
        QFETCH(int, menu);
        QFETCH(QString, formCode);
        Params p;
        p.set("Menu", menu);
        QCOMPARE(m_config->scalar("select MenuOption from Menu where Id = :Menu", p).toString(), formCode);
        QSqlQuery r = m_config->run("select UserName, Access_R || Add_R || Modify_R || Delete_R from UserMenuRight "
                                    "where Menu = :Menu and UserName in (1, 2, 3) order by UserName",
                                    p);
        QStringList rights;
        while (r.next())
            rights << r.value(1).toString();
        QCOMPARE(rights, (QStringList{"YYYY", "YNNN", "NNNN"}));
    }

    void menuCaption_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<int>("menu");
        QTest::addColumn<QString>("rights");
        QTest::addColumn<QString>("userCode");
        QTest::addColumn<QString>("caption");
        QTest::newRow("admin") << 1 << 101 << "YYYY"
                               << "ADMIN"
                               << "รับเงินมัดจำ ต่างประเทศ";
        QTest::newRow("viewer") << 2 << 106 << "YNNN"
                                << "VIEWER"
                                << "จ่ายชำระเงิน ต่างประเทศ";
        QTest::newRow("no access") << 3 << 107 << "NNNN"
                                   << "NOACCESS"
                                   << "จ่ายเงินเบ็ดเตล็ด นำเข้า-ส่งออก";
        QTest::newRow("english user") << 4 << 105 << "YYYN"
                                      << "ENGLISH"
                                      << "Foreign Receipt";
        QTest::newRow("unknown user") << 99 << 101 << "NNNN"
                                      << ""
                                      << "รับเงินมัดจำ ต่างประเทศ";
        QTest::newRow("unknown menu") << 1 << 999 << "NNNN"
                                      << "ADMIN"
                                      << "";
    }
    void menuCaption()
    {
        QFETCH(int, user);
        QFETCH(int, menu);
        QFETCH(QString, rights);
        QFETCH(QString, userCode);
        QFETCH(QString, caption);
        // The session calls it on the configuration connection; the same
        // procedure works from the company connection.
        for (Connection *c : {m_config.get(), m_company.get()}) {
            Params p;
            p.set("@MENUID", menu);
            p.set("@USERID", user);
            c->callProcedure("MENUCAPTION", p);
            QCOMPARE(p.value("@ACCESS_R").toString() + p.value("@ADD_R").toString() + p.value("@MODIFY_R").toString() +
                         p.value("@DELETE_R").toString(),
                     rights);
            QCOMPARE(p.value("@USERCODE").toString(), userCode);
            QCOMPARE(p.value("@CAPTION").toString(), caption);
            QVERIFY(p.contains("@SALESID"));
        }
    }

    void logsAndClock()
    {
        Params e;
        e.set("@CompName", "PC-01");
        e.set("@LogName", "CLERK");
        e.set("@UserId", 1);
        e.set("@MenuId", 101);
        e.set("@ErrorMsg", "Cannot insert duplicate key row; it's 'quoted'");
        m_config->callProcedure("AddErrorLog", e);
        QSqlQuery l = m_config->run("select u.code, m.description, errormsg, errordate from errorlog e inner join "
                                    "menu m on m.id = e.menu inner join username u on u.id = e.username");
        QVERIFY(l.next());
        QCOMPARE(l.value(0).toString(), "ADMIN");
        QCOMPARE(l.value(2).toString(), "Cannot insert duplicate key row; it's 'quoted'");

        Params u;
        u.set("@UserId", 2);
        u.set("@MenuId", 105);
        u.set("@FunctionListId", 10);
        u.set("@DocumentId", 0);
        u.set("@Remark", "RC26-0000001");
        m_company->callProcedure("UserAddLog", u);
        QCOMPARE(m_company->scalar("select FunctionListId || '/' || Remark from UserLog").toString(),
                 "10/RC26-0000001");

        Params t;
        t.declareOut("@ServerTime");
        m_company->callProcedure("ServerTime", t);
        const QDateTime server = t.value("@ServerTime").toDateTime();
        QVERIFY(qAbs(server.secsTo(QDateTime::currentDateTime())) < 5);
    }

    // The sample preparation procedure named by the receipt form of
    // SystemForm fills its work table, replacing earlier rows.
    void settlementPrintPreparation()
    {
        const QString sp = m_company->scalar("select SpName from SystemForm where FormCode = 'FRRC'").toString();
        m_company->execute("insert into FrRCHD (Id, RcNo, RcDate, FrCustomer, RcAmount, Currency, RcExchange) values "
                           "(50, 'RC-P1', '2026-06-01 00:00:00', 1, 700, 1, 35)");
        m_company->execute("insert into FrRcDt (RecNo, FrRcHD, RcDoctype, RcDocId, RcDocAmount) values "
                           "(1, 50, 'I', 1, 1000), (2, 50, 'P', 1, -300)");
        for (int run = 0; run < 2; ++run) {
            Params p;
            p.set("@No", " RC-P1 ");
            p.set("@DocYear", 2026);
            p.set("@DocCode", "FRRC");
            p.declareOut("@NewDocNo");
            m_company->callProcedure(sp, p);
            QCOMPARE(p.value("@NewDocNo").toString(), "RC-P1");
        }
        QSqlQuery q = m_company->run("select RecNo, SettledType, SettledAmount, BahtAmount from RptSettlement "
                                     "where DocNo = 'RC-P1' order by RecNo");
        QStringList rows;
        while (q.next())
            rows << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                q.value(3).toString()}
                        .join(' ');
        QCOMPARE(rows, (QStringList{"1 I 1000 35000", "2 P -300 -10500"}));
    }

    // Creating again replaces the files; a bad company name is refused.
    void createReplacesAndRefuses()
    {
        QTemporaryDir dir;
        createDatabases(dir.path(), "ACME", false);
        ConnectionSettings s;
        s.filePath = companyDatabaseFile(dir.path(), "ACME");
        {
            Connection c("R-" + alias(), s);
            QCOMPARE(c.scalar("select count(*) from Tax").toInt(), 0);
            QCOMPARE(c.scalar("select count(*) from NullTable").toInt(), 1);
            c.execute("insert into Tax (Code, Rate) values ('OLD', 9)");
        }
        createDatabases(dir.path(), "ACME", true);
        Connection c("R-" + alias(), s);
        QCOMPARE(c.scalar("select count(*) from Tax where Code = 'OLD'").toInt(), 0);
        QCOMPARE(c.scalar("select count(*) from Tax").toInt(), 3);
        QVERIFY_THROWS_EXCEPTION(DbError, createDatabases(dir.path(), "QLM_CONFIG", true));
        QVERIFY_THROWS_EXCEPTION(DbError, createDatabases(dir.path(), "../x", true));
    }
};

QTEST_GUILESS_MAIN(TestDatabases)
#include "test_databases.moc"
