#include "Connection.h"
#include "DataSet.h"
#include "DmConfig.h"
#include "ServerLocation.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QtTest>

using namespace app;
using testsupport::TestEnvironment;

// The session on the embedded demo databases: company, rights, prompts,
// error log, the server-name file and the configuration schema script.
class TestSession : public QObject {
    Q_OBJECT

    static TestEnvironment::Options notSignedOn()
    {
        TestEnvironment::Options o;
        o.signOn = false;
        return o;
    }

private slots:
    void companyIsLoaded()
    {
        TestEnvironment env;
        const TDMConfig &s = env.session();
        QCOMPARE(s.DatabaseName, QString("DEMO"));
        QVERIFY(!s.IsJHWDatabase);
        QCOMPARE(s.CompanyId, 1);
        QCOMPARE(s.CompanyNameThai, QString("บริษัท เดโม่ เทรดดิ้ง จำกัด"));
        QCOMPARE(s.CompanyAddress1, QString("99/9 อาคารเดโม่ทาวเวอร์ ชั้น 12 ถนนสีลม แขวงสุริยวงศ์ เขตบางรัก"));
        QCOMPARE(s.CompanyAddress2, QString("กรุงเทพมหานคร 10500 เลขประจำตัวผู้เสียภาษี 0105551234567"));
        QCOMPARE(s.DefaultWH, 1);
        QCOMPARE(s.Pos1_TaxCode, QString("V7"));
        QVERIFY(!s.Pos1_SumDetail);
        QVERIFY(s.QCompany()->isOpen());
        QCOMPARE(s.QCompany()->value("TAXNO").toString(), QString("0105551234567"));
        QVERIFY(s.QSoftware()->isOpen());
        QVERIFY(s.QCompanyConfig()->isOpen());
    }

    void unknownDatabaseEndsTheProgram()
    {
        TestEnvironment env(notSignedOn());
        try {
            env.session().GetCompanyConfig("NODB");
            QFAIL("no exit");
        } catch (const ExitProgram &e) {
            QCOMPARE(e.code, 0);
        }
        QCOMPARE(env.prompter().texts(), QStringList{"Not Found Database : NODB"});
    }

    void jhwIsCaseSensitive()
    {
        TestEnvironment env(notSignedOn());
        env.config().execute("insert into DatabaseList (DatabaseName, Company) values ('JHW', 1)");
        env.session().GetCompanyConfig("JHW");
        QVERIFY(env.session().IsJHWDatabase);
        env.session().GetCompanyConfig("jhw"); // found (names compare as the server does) but not JHW
        QVERIFY(!env.session().IsJHWDatabase);
        QCOMPARE(env.session().DatabaseName, QString("jhw"));
    }

    void rights_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("userCode");
        QTest::addColumn<QString>("flags"); // access add modify delete
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("prompts");
        const QStringList thai{"จัดเก็บข้อมูล ?", "ลบข้อมูล ?", "ออกจากโปรแกรม ?"};
        const QStringList english{"Save Data ?", "Delete Data ?", "Exit Program ?"};
        QTest::newRow("admin") << 1 << "ADMIN"
                               << "YYYY"
                               << "รับเงินมัดจำ ต่างประเทศ" << thai;
        QTest::newRow("viewer") << 2 << "VIEWER"
                                << "YNNN"
                                << "รับเงินมัดจำ ต่างประเทศ" << thai;
        QTest::newRow("no access") << 3 << "NOACCESS"
                                   << "NNNN"
                                   << "รับเงินมัดจำ ต่างประเทศ" << thai;
        QTest::newRow("english") << 4 << "ENGLISH"
                                 << "YYYN"
                                 << "Foreign Pre-Receipt" << english;
        QTest::newRow("unknown user") << 99 << ""
                                      << "NNNN"
                                      << "รับเงินมัดจำ ต่างประเทศ" << english;
    }
    void rights()
    {
        QFETCH(int, user);
        QFETCH(QString, userCode);
        QFETCH(QString, flags);
        QFETCH(QString, caption);
        QFETCH(QStringList, prompts);
        TestEnvironment env(user, 101);
        const TDMConfig &s = env.session();
        QCOMPARE(s.UserId, user);
        QCOMPARE(s.MenuId, 101);
        QCOMPARE(s.UserCode, userCode);
        QCOMPARE(QString("%1%2%3%4")
                     .arg(s.CanAccess ? 'Y' : 'N')
                     .arg(s.CanAdd ? 'Y' : 'N')
                     .arg(s.CanModify ? 'Y' : 'N')
                     .arg(s.CanDelete ? 'Y' : 'N'),
                 flags);
        QCOMPARE(s.MenuCaption, caption);
        QCOMPARE(QStringList({s.SavePrompt, s.DeletePrompt, s.ExitPrompt}), prompts);
        QCOMPARE(s.ThaiPrompts, prompts.first().startsWith("จัด"));
        if (user == 99) {
            QVERIFY(s.UserFullName.isEmpty());
            QVERIFY(!s.CanSeeSalePrice);
        }
    }

    void userFlagsAndCaptionTrim()
    {
        TestEnvironment env(notSignedOn());
        env.config().execute("update Menu set Description = '  ทดสอบ  ' where Id = 101");
        env.session().GetCompanyConfig("DEMO");
        env.session().CheckRight(101, 2);
        QCOMPARE(env.session().MenuCaption, QString("ทดสอบ"));
        QCOMPARE(env.session().UserFullName, QString("ผู้ใช้งาน ดูข้อมูลอย่างเดียว"));
        QVERIFY(env.session().CanSeeSalePrice);
        QVERIFY(!env.session().CanSeeCost);
    }

    void lowerCaseYesIsNoAccess()
    {
        TestEnvironment env(notSignedOn());
        env.config().execute("update UserMenuRight set Access_R = 'y', Add_R = 'y' where UserName = 1 and Menu = 101");
        env.session().GetCompanyConfig("DEMO");
        env.session().CheckRight(101, 1);
        QVERIFY(!env.session().CanAccess);
        QVERIFY(!env.session().CanAdd);
        QVERIFY(env.session().CanModify);
    }

    void errorLogKeepsTheRawMessage()
    {
        TestEnvironment env(1, 105);
        env.session().AddErrorLog("Cannot insert duplicate key 'ä' ' ; drop table Menu");
        data::DataSet log(env.config(), "select Menu, UserName, ErrorMsg, CompName, LogName, ErrorDate from ErrorLog");
        log.open();
        QCOMPARE(log.recordCount(), 1);
        QCOMPARE(log.value("Menu").toInt(), 105);
        QCOMPARE(log.value("UserName").toInt(), 1);
        QCOMPARE(log.value("ErrorMsg").toString(), QString("Cannot insert duplicate key 'ä' ' ; drop table Menu"));
        QCOMPARE(log.value("CompName").toString(), ComputerName());
        QVERIFY(ComputerName().size() <= 20);
        QCOMPARE(log.value("LogName").toString(), LogonUserName());
        QCOMPARE(LogonUserName(), LogonUserName().toUpper());
        QVERIFY(!LogonUserName().isEmpty());
        QVERIFY(!log.value("ErrorDate").isNull());
    }

    void serverNameFile()
    {
        TestEnvironment env(notSignedOn());
        TDMConfig &s = env.session();
        QVERIFY(s.GetServerName().isEmpty());
        QCOMPARE(s.ServerName(), QString("QLM"));

        QFile file("Server.Dat");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("ACCSRV  \r\nsecond line\r\n");
        file.close();
        QCOMPARE(s.GetServerName(), QString("ACCSRV  "));
        QCOMPARE(s.settingsFor("DEMO").engine, data::ConnectionSettings::SqlServer);

        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("\nACCSRV\n");
        file.close();
        QCOMPARE(s.ServerName(), QString("QLM"));
        QCOMPARE(s.settingsFor("DEMO").filePath, QDir(env.dataFolder()).filePath("DEMO.db"));
    }

    void embeddedFolderFromServerName()
    {
        TestEnvironment env(notSignedOn());
        QVERIFY(QDir().rename("data", "elsewhere"));
        QVERIFY_THROWS_EXCEPTION(std::exception, env.session().GetCompanyConfig("DEMO"));
        QFile file("Server.Dat");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("sqlite:elsewhere\n");
        file.close();
        env.session().GetCompanyConfig("DEMO");
        QCOMPARE(env.session().CompanyId, 1);
    }

    void schemaScriptAddsMenuVersion()
    {
        TestEnvironment env(notSignedOn());
        env.config().execute("alter table Menu drop column Version");
        env.config().execute("insert into Menu (Id, Command, Description) values (900, null, 'no command')");
        env.session().reset();
        data::Connection &c = env.config(); // reconnects and runs the script
        QVERIFY(c.dialect().hasColumn(c, "Menu", "Version"));
        QCOMPARE(c.scalar("select count(*) from Menu where Command is not null and Version = 3").toInt(), 7);
        QVERIFY(c.scalar("select Version from Menu where Id = 900").isNull());
        // Running it again changes nothing and does not fail.
        env.session().reset();
        QCOMPARE(env.config().scalar("select count(*) from Menu where Version = 3").toInt(), 7);
    }
};

QTEST_MAIN(TestSession)
#include "test_session.moc"
