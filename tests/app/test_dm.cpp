#include "Connection.h"
#include "DataSet.h"
#include "Dm.h"
#include "DmConfig.h"
#include "EmbeddedProcedures.h"
#include "FormLogo.h"
#include "ModalDialogs.h"
#include "Prompter.h"
#include "TestEnvironment.h"

#include <QHostAddress>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace app;
using testsupport::TestEnvironment;

// The shared services of the company connection on the demo database.
class TestDm : public QObject {
    Q_OBJECT
    int m_year = QDate::currentDate().year(); // the demo's RunYear

    // Replaces the numbering procedure for one test and records the codes asked for.
    struct NumberingRecorder {
        QStringList codes;
        QList<int> years;
        data::EmbeddedProcedure original;
        NumberingRecorder()
        {
            original = *data::findEmbeddedProcedure("NewDocumentNo");
            data::registerEmbeddedProcedure("NewDocumentNo", [this](data::Connection &, data::Params &p) {
                codes.append(p.value("@DocCode").toString());
                years.append(p.value("@DocYear").toInt());
                p.set("@NewNo", "N-" + p.value("@DocCode").toString(), data::Params::Out);
            });
        }
        ~NumberingRecorder() { data::registerEmbeddedProcedure("NewDocumentNo", original); }
    };

private slots:
    void companyConnectionClosesTheSplash()
    {
        TestEnvironment::Options o;
        o.openCompany = false;
        TestEnvironment env(o);
        QPointer<QWidget> splash = new TFormLogo;
        splash->show();
        QCOMPARE(splash->size(), QSize(301, 166));
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!splash->testAttribute(Qt::WA_QuitOnClose)); // closing it does not end the program
        env.dm().setSplash(splash);
        QVERIFY(!env.dm().isCompanyConnectionOpen());
        env.dm().CompanyConnection();
        QVERIFY(env.dm().isCompanyConnectionOpen());
        QVERIFY(splash.isNull());
        QVERIFY(env.dm().QConfig().isOpen());
        QVERIFY(env.dm().QchkPeriod().isOpen());
        QCOMPARE(&env.dm().CompanyConnection(), &data::Connection::byAlias("DMDATA"));
    }

    void nextDocumentNoCodeRules_data()
    {
        QTest::addColumn<QString>("ivMonth");
        QTest::addColumn<QString>("rcptMonth");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("asked");
        QTest::newRow("IV-P by month") << "Y"
                                       << "N"
                                       << "IV-P"
                                       << "IV-P03";
        QTest::newRow("IV-P with suffix replaced") << "Y"
                                                   << "N"
                                                   << "IV-PX9"
                                                   << "IV-P03";
        QTest::newRow("IV-P without month rule") << "N"
                                                 << "N"
                                                 << "IV-P"
                                                 << "IV-P";
        QTest::newRow("SO-P follows the IV flag") << "Y"
                                                  << "N"
                                                  << "SO-P"
                                                  << "SO-P03";
        QTest::newRow("SO-P without month rule") << "N"
                                                 << "Y"
                                                 << "SO-P"
                                                 << "SO-P";
        QTest::newRow("ARRCPT by month") << "N"
                                         << "Y"
                                         << "ARRCPT01"
                                         << "ARRCPT-03";
        QTest::newRow("ARRCPT without month rule") << "Y"
                                                   << "N"
                                                   << "ARRCPT"
                                                   << "ARRCPT";
        QTest::newRow("lower case is another code") << "Y"
                                                    << "Y"
                                                    << "iv-p"
                                                    << "iv-p";
        QTest::newRow("other codes unchanged") << "Y"
                                               << "Y"
                                               << "FRPRERCPT"
                                               << "FRPRERCPT";
    }
    void nextDocumentNoCodeRules()
    {
        QFETCH(QString, ivMonth);
        QFETCH(QString, rcptMonth);
        QFETCH(QString, code);
        QFETCH(QString, asked);
        TestEnvironment env;
        data::Params p;
        p.set("Iv", ivMonth);
        p.set("Rc", rcptMonth);
        env.company().execute("update Config set LastIvRunMonth = :Iv, LastRcptRunMonth = :Rc", p);
        env.dm().QConfig().reopen(); // Config is read once and kept
        NumberingRecorder numbering;
        QCOMPARE(env.dm().NextDocumentNo(code, QDate(2031, 3, 15)), "N-" + asked);
        QCOMPARE(numbering.codes, QStringList{asked});
        QCOMPARE(numbering.years, QList<int>{2031}); // the date's year, not the run year
    }

    void configWithoutRcptMonthColumnLeavesArrcpt()
    {
        TestEnvironment env;
        env.company().execute("alter table Config drop column LastRcptRunMonth");
        env.dm().reset(); // reread Config
        NumberingRecorder numbering;
        env.dm().NextDocumentNo("ARRCPT", QDate(2031, 11, 1));
        QCOMPARE(numbering.codes, QStringList{"ARRCPT"});
    }

    void nextDocumentNoFromTheDatabase()
    {
        TestEnvironment env;
        const QString first = env.dm().NextDocumentNo("FRRC", QDate(m_year, 5, 1));
        const QString second = env.dm().NextDocumentNo("FRRC", QDate(m_year, 5, 2));
        QCOMPARE(first.size(), 12);
        QVERIFY(first != second);
        QVERIFY_THROWS_EXCEPTION(std::exception, env.dm().NextDocumentNo("NOSUCHCODE", QDate(m_year, 5, 1)));
    }

    void documentLength()
    {
        TestEnvironment env;
        TDM &dm = env.dm();
        QCOMPARE(dm.GetDocumentLength("FRPRERCPT"), 12);
        QVERIFY(dm.AutoRunDocNo);
        QCOMPARE(dm.GetDocumentLength("EXIV-T"), 12);
        QVERIFY(!dm.AutoRunDocNo);
        QVERIFY(env.prompter().shown.isEmpty());

        // A code numbered from another code's series: that length, flag untouched.
        data::Params p;
        p.set("Year", m_year);
        env.company().execute("update DocumentNo set DocumentLength = 9 where Code = 'FRRC' and DocYear = :Year", p);
        env.company().execute("insert into DocNoConvert (Code, DocYear, DocumentNo) select 'MYRC', :Year, Id from "
                              "DocumentNo where Code = 'FRRC' and DocYear = :Year",
                              p);
        dm.AutoRunDocNo = false;
        QCOMPARE(dm.GetDocumentLength("MYRC"), 9);
        QVERIFY(!dm.AutoRunDocNo);
        dm.AutoRunDocNo = true;
        QCOMPARE(dm.GetDocumentLength("MYRC"), 9);
        QVERIFY(dm.AutoRunDocNo);

        QCOMPARE(dm.GetDocumentLength("NOPE"), 0);
        QVERIFY(!dm.AutoRunDocNo);
        QCOMPARE(env.prompter().texts(), QStringList{QString("ไม่พบรหัสเอกสาร NOPE\rปี %1").arg(m_year)});
    }

    void runYearWindow_data()
    {
        QTest::addColumn<int>("yearsAhead");
        QTest::addColumn<int>("month");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("December of next year") << 1 << 12 << true;
        QTest::newRow("January two years on") << 2 << 1 << false;
        QTest::newRow("run year") << 0 << 6 << true;
        QTest::newRow("long ago") << -30 << 1 << true;
    }
    void runYearWindow()
    {
        QFETCH(int, yearsAhead);
        QFETCH(int, month);
        QFETCH(bool, accepted);
        TestEnvironment env;
        QCOMPARE(env.dm().IsRunYearDate(QDate(m_year + yearsAhead, month, month == 12 ? 31 : 1)), accepted);
        QCOMPARE(env.dm().RunYear, m_year);
    }

    void accountPeriods_data()
    {
        QTest::addColumn<QDateTime>("date");
        QTest::addColumn<bool>("usable");
        const int y = QDate::currentDate().year();
        // The demo locks December of last year.
        QTest::newRow("locked period") << QDateTime(QDate(y - 1, 12, 15), QTime()) << false;
        QTest::newRow("stop date with a time of day") << QDateTime(QDate(y - 1, 12, 31), QTime(17, 45)) << false;
        QTest::newRow("start of locked period") << QDateTime(QDate(y - 1, 12, 1), QTime(0, 0)) << false;
        QTest::newRow("open period") << QDateTime(QDate(y, 3, 31), QTime(23, 59)) << true;
        QTest::newRow("before every period") << QDateTime(QDate(1990, 1, 1), QTime()) << true;
    }
    void accountPeriods()
    {
        QFETCH(QDateTime, date);
        QFETCH(bool, usable);
        TestEnvironment env;
        QCOMPARE(env.dm().CheckAccountPeriod(date), usable);
        QCOMPARE(env.prompter().texts(),
                 usable ? QStringList() : QStringList{"รอบบัญชีนี้ถูกผ่านรายการบัญชีไปแล้ว ไม่สามารถเพิ่มเติม หรือ แก้ไขได้"});
    }

    void newestYearMatchesFirst()
    {
        TestEnvironment env;
        // An older year whose first period overlaps the newest year's open March.
        data::Params p;
        p.set("Start", QDateTime(QDate(m_year, 3, 1), QTime()));
        p.set("Stop", QDateTime(QDate(m_year, 3, 31), QTime()));
        env.company().execute("insert into AccountPeriod (AccountYear, Start1, Stop1, Lock1) values (1900, :Start, "
                              ":Stop, 'Y')",
                              p);
        env.dm().QchkPeriod().close();
        QVERIFY(env.dm().CheckAccountPeriod(QDateTime(QDate(m_year, 3, 10), QTime())));
    }

    void identityServerTimeAndUserLog()
    {
        TestEnvironment env(1, 103);
        TDM &dm = env.dm();
        env.company().execute("insert into UserLog (UserId, MenuId, FunctionListId, LogDate) values (9, 9, 9, "
                              "'2000-01-01 00:00:00')");
        const int id = env.company().scalar("select max(Id) from UserLog").toInt();
        QCOMPARE(dm.GetNewId(), id);

        const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
        const QDateTime now = dm.GetServerTime();
        QVERIFY(now >= before && now <= QDateTime::currentDateTime().addSecs(2));

        dm.AddUserLog(LogModified, 42, "PR26-0000001");
        data::DataSet log(env.company(), "select UserId, MenuId, FunctionListId, DocumentId, Remark from UserLog "
                                         "order by Id desc");
        log.open();
        QCOMPARE(log.value("UserId").toInt(), 1);
        QCOMPARE(log.value("MenuId").toInt(), 103);
        QCOMPARE(log.value("FunctionListId").toInt(), 2);
        QCOMPARE(log.value("DocumentId").toInt(), 42);
        QCOMPARE(log.value("Remark").toString(), QString("PR26-0000001"));
    }

    void confirmIsBlueAndTrueOnlyForYes()
    {
        TestEnvironment env;
        env.prompter().answer(true);
        env.prompter().answer(false);
        QVERIFY(env.dm().Confirm("จัดเก็บข้อมูล ?"));
        QVERIFY(!env.dm().Confirm("ลบข้อมูล ?"));
        QCOMPARE(env.prompter().shown.size(), 2);
        QVERIFY(env.prompter().shown[0].isConfirmation);
        QCOMPARE(env.prompter().shown[0].background, QColor(0, 0, 255));
    }

    // The messages break their lines with a lone carriage return; the real
    // boxes show those as line breaks.
    void realBoxesBreakLinesAtCarriageReturns()
    {
        BoxPrompter boxes;
        QStringList seen;
        const auto read = [&seen](QMessageBox *box) {
            seen.append(box->text());
            box->button(box->standardButtons() & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok)->click();
        };
        testsupport::whenShown<QMessageBox>(read);
        boxes.message(QStringLiteral("ไม่พบรหัสเอกสาร FRPRERCPT\rปี 2024"));
        testsupport::whenShown<QMessageBox>(read);
        QVERIFY(boxes.confirm(QStringLiteral("first\r\nsecond"), Qt::blue, Qt::white));
        QCOMPARE(seen, QStringList({"ไม่พบรหัสเอกสาร FRPRERCPT\nปี 2024", "first\nsecond"}));
    }

    void delGLRemovesOnlyThatVoucher()
    {
        TestEnvironment env;
        data::Connection &c = env.company();
        const int before = c.scalar("select count(*) from GLHd").toInt();
        const int lines = c.scalar("select count(*) from GLDt").toInt();
        const auto voucher = [&](int id, const QString &no, int lines) {
            data::Params p;
            p.set("Id", id);
            p.set("No", no);
            c.execute("insert into GLHd (Id, GLNo, GLDate, GLFromDocId, GLFromDocNo, GLFromDocCode) values (:Id, 'T', "
                      "'2026-01-01', 77, :No, 'X')",
                      p);
            for (int i = 1; i <= lines; ++i) {
                p.set("RecNo", i);
                c.execute("insert into GLDt (GLHd, RecNo, GLAccount, AccountCode) select :Id, :RecNo, Id, Code from "
                          "GLAccount order by Id limit 1",
                          p);
            }
        };
        voucher(9001, "  DOC-1  ", 2);
        voucher(9002, "DOC-2", 1);
        env.dm().DelGL(77, "DOC-1");
        QCOMPARE(c.scalar("select count(*) from GLHd").toInt(), before + 1);
        QCOMPARE(c.scalar("select count(*) from GLDt").toInt(), lines + 1);
        QCOMPARE(c.scalar("select GLFromDocNo from GLHd where Id = 9002").toString(), QString("DOC-2"));
    }

    void chequeAlreadyCut()
    {
        TestEnvironment env;
        const QString dp = QString("DP%1-00001").arg(m_year % 100, 2, 10, QChar('0'));
        QVERIFY(env.dm().isCompanyConnectionOpen());
        QVERIFY(TDmFinance::instance().ChequeAlreadyCut("AP-DEMO-0001", "A"));
        QCOMPARE(env.prompter().texts(), QStringList{"รายการนี้มีเช็คหมายเลข 00012345\rบันทึกตัดจ่ายไปแล้ว\rใบตัดจ่ายเลขที่ " + dp +
                                                     "\rถ้าต้องการแก้ไขต้องยกเลิกรายการเช็คตัดจ่ายก่อน"});
        env.prompter().clear();
        QVERIFY(!TDmFinance::instance().ChequeAlreadyCut("AP-DEMO-0001", "B"));
        QVERIFY(!TDmFinance::instance().ChequeAlreadyCut("' or 1=1 --", "A"));
        QVERIFY(env.prompter().shown.isEmpty());
    }

    void simpleSearchGoesThroughTheOpener()
    {
        TestEnvironment env;
        TDM &dm = env.dm();
        SimpleSearchOpener saved = [](const SimpleSearchRequest &, QVariantMap &) { return false; };
        SimpleSearchRequest seen;
        dm.setSimpleSearchOpener([&](const SimpleSearchRequest &r, QVariantMap &row) {
            seen = r;
            row.insert("CODE", "EX01");
            row.insert("Description", "ค่าขนส่ง");
            return true;
        });
        QVERIFY(dm.OpenSimpleSearch("ค้นหารหัสค่าใช้จ่าย", "Code", "Description", "Blocked<>'Y'", "Expense"));
        QCOMPARE(seen.caption, QString("ค้นหารหัสค่าใช้จ่าย"));
        QCOMPARE(seen.table, QString("Expense"));
        QCOMPARE(seen.condition, QString("Blocked<>'Y'"));
        QCOMPARE(dm.SimpleSearchValue(), QString("EX01"));
        dm.setSimpleSearchOpener(saved);
        QVERIFY(!dm.OpenSimpleSearch("x", "Code", "Description", "", "Expense"));
        QVERIFY(dm.SimpleSearchValue().isEmpty());
    }

    void localIpAddressIsEmptyOrIpv4()
    {
        const QString ip = LocalIpAddress();
        if (!ip.isEmpty())
            QCOMPARE(QHostAddress(ip).protocol(), QAbstractSocket::IPv4Protocol);
    }
};

QTEST_MAIN(TestDm)
#include "test_dm.moc"
