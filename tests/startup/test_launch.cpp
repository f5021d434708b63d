#include "Connection.h"
#include "DemoDatabases.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The launch contract, through the real program: every way in and out of
// start-up, observed on standard error (FRTRADE_PROMPTS=stderr).
class TestLaunch : public QObject {
    Q_OBJECT
    QTemporaryDir m_work;

    struct Run {
        int exitCode = -1;
        QStringList lines; // "message: ...", "window: ...", "confirm: ...", "error: ..."
    };

    Run launch(const QStringList &args, const QString &folder = {}, const QString &confirm = "yes")
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("FRTRADE_PROMPTS", "stderr");
        env.insert("FRTRADE_CLOSE_AFTER_SHOW", "1");
        env.insert("FRTRADE_CONFIRM", confirm);
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(folder.isEmpty() ? m_work.path() : folder);
        p.start(QStringLiteral(FRTRADE_BINARY_DIR "/src/frtrade"), args);
        Run r;
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
        for (const QString &line : QString::fromUtf8(p.readAllStandardError()).split('\n'))
            if (line.startsWith("frtrade: "))
                r.lines.append(line.mid(9));
        return r;
    }

    static QStringList args(const QString &menu, const QString &user, const QString &db, const QString &formCode,
                            const QString &date, const QString &unused = "-")
    {
        return {menu, user, db, unused, formCode, date};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QFile::exists(FRTRADE_BINARY_DIR "/src/frtrade"));
        data::createDatabases(m_work.filePath("data"), "DEMO", true);
        data::Connection::closeAll();
    }

    void documentWindowOpens_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("docKind");
        QTest::addColumn<QString>("title");
        QTest::newRow("BEGIN_PRERCPT") << args("102", "1", "DEMO", "BEGIN_PRERCPT", "31/12/2004") << "BR"
                                       << "รับเงินมัดจำยกมา ต่างประเทศ";
        QTest::newRow("FRPRERCPT") << args("101", "1", "DEMO", "FRPRERCPT", "31/12/2004") << "R"
                                   << "รับเงินมัดจำ ต่างประเทศ";
        QTest::newRow("FRRC") << args("105", "1", "DEMO", "FRRC", "01/01/2026") << "R"
                              << "รับชำระเงิน ต่างประเทศ";
        QTest::newRow("BEGIN_PREPAID") << args("104", "1", "DEMO", "BEGIN_PREPAID", "1/1/2026") << "BP"
                                       << "จ่ายเงินมัดจำยกมา ต่างประเทศ";
        QTest::newRow("FRPREPAID") << args("103", "1", "DEMO", "FRPREPAID", "31/12/2004") << "P"
                                   << "จ่ายเงินมัดจำ ต่างประเทศ";
        QTest::newRow("FRPD") << args("106", "1", "DEMO", "FRPD", "31/12/2004") << "P"
                              << "จ่ายชำระเงิน ต่างประเทศ";
        QTest::newRow("FRMISCPAID") << args("107", "1", "DEMO", "FRMISCPAID", "31/12/2004") << "B"
                                    << "จ่ายเงินเบ็ดเตล็ด นำเข้า-ส่งออก";
        QTest::newRow("unused argument empty") << args("101", "1", "DEMO", "FRPRERCPT", "31/12/2004", "") << "R"
                                               << "รับเงินมัดจำ ต่างประเทศ";
        QTest::newRow("English user") << args("101", "4", "DEMO", "FRPRERCPT", "31/12/2004") << "R"
                                      << "Foreign Pre-Receipt";
    }
    void documentWindowOpens()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, docKind);
        QFETCH(QString, title);
        const Run r = launch(arguments);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines.size(), 2);
        QVERIFY2(r.lines[0].startsWith("window: "), qPrintable(r.lines.join('|')));
        QVERIFY(r.lines[0].contains(" DocKind=" + docKind + " "));
        QVERIFY(r.lines[0].endsWith(" title=" + title));
        QVERIFY(r.lines[1].startsWith("confirm: ")); // the window closed through the exit question
    }

    void exitQuestionAnsweredNoKeepsRunning()
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("FRTRADE_PROMPTS", "stderr");
        env.insert("FRTRADE_CLOSE_AFTER_SHOW", "1");
        env.insert("FRTRADE_CONFIRM", "no");
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(m_work.path());
        p.start(QStringLiteral(FRTRADE_BINARY_DIR "/src/frtrade"), args("101", "1", "DEMO", "FRPRERCPT", "31/12/2004"));
        QVERIFY(p.waitForStarted());
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += p.readAllStandardError()).contains("confirm: ออกจากโปรแกรม ?"), 30000);
        QVERIFY(!p.waitForFinished(1000)); // still running
        p.kill();
        p.waitForFinished();
    }

    void startUpRefuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("month first date")
            << args("101", "1", "DEMO", "FRPRERCPT", "12/31/2004") << 1 << "'12/31/2004' is not a valid date";
        QTest::newRow("menu id not an integer")
            << args("1o1", "1", "DEMO", "FRPRERCPT", "31/12/2004") << 1 << "'1o1' is not a valid integer value";
        QTest::newRow("user id not an integer")
            << args("101", "1.0", "DEMO", "FRPRERCPT", "31/12/2004") << 1 << "'1.0' is not a valid integer value";
        QTest::newRow("too few arguments") << QStringList{"101", "1", "DEMO"} << 1 << "'' is not a valid date";
        QTest::newRow("unknown database")
            << args("101", "1", "NODB", "FRPRERCPT", "31/12/2004") << 0 << "Not Found Database : NODB";
        QTest::newRow("no access") << args("101", "3", "DEMO", "FRPRERCPT", "31/12/2004") << 0 << "ไม่มีสิทธิใช้งาน";
        QTest::newRow("no access and wrong code")
            << args("101", "3", "DEMO", "NOSUCH", "31/12/2004") << 0 << "ไม่มีสิทธิใช้งาน";
        QTest::newRow("unknown user") << args("101", "99", "DEMO", "FRPRERCPT", "31/12/2004") << 0 << "ไม่มีสิทธิใช้งาน";
        QTest::newRow("lower-case code") << args("105", "1", "DEMO", "frrc", "31/12/2004") << 0 << "ส่งข้อมูลผิดพลาด";
        QTest::newRow("unknown code") << args("105", "1", "DEMO", "FRXX", "31/12/2004") << 0 << "ส่งข้อมูลผิดพลาด";
    }
    void startUpRefuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run r = launch(arguments);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.lines, QStringList{"message: " + message});
    }

    void noArgumentsEndsSilently()
    {
        QTemporaryDir empty; // no databases: a connection attempt would fail loudly
        const Run r = launch({}, empty.path());
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.lines.isEmpty());
    }

    void unreachableConfigurationDatabase()
    {
        QTemporaryDir empty;
        const Run r = launch(args("101", "1", "DEMO", "FRPRERCPT", "31/12/2004"), empty.path());
        QVERIFY(r.exitCode != 0);
        QCOMPARE(r.lines.size(), 1);
        QVERIFY2(r.lines[0].startsWith("message: ") && r.lines[0].contains("QLM_CONFIG.db"),
                 qPrintable(r.lines.join('|')));
    }

    void serverNameChoosesTheFolder()
    {
        QTemporaryDir other;
        QVERIFY(QDir().rename(m_work.filePath("data"), other.filePath("shared")));
        QFile serverDat(other.filePath("run/Server.Dat"));
        QDir().mkpath(other.filePath("run"));
        QVERIFY(serverDat.open(QIODevice::WriteOnly));
        serverDat.write("sqlite:../shared\r\n");
        serverDat.close();
        const Run r = launch(args("101", "1", "DEMO", "FRPRERCPT", "31/12/2004"), other.filePath("run"));
        QVERIFY(QDir().rename(other.filePath("shared"), m_work.filePath("data")));
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.lines.value(0).startsWith("window: "), qPrintable(r.lines.join('|')));
    }

    // A failure once the window is up goes to the error handler: logged,
    // shown, and the program goes on (here: to the exit question).
    void failureAfterStartGoesToTheHandler()
    {
        QTemporaryDir folder;
        data::createDatabases(folder.filePath("data"), "DEMO", true);
        data::Connection::closeAll();
        QVERIFY(QFile::remove(folder.filePath("data/DEMO.db")));
        const Run r = launch(args("101", "1", "DEMO", "FRPRERCPT", "31/12/2004"), folder.path());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines.size(), 3);
        QVERIFY2(r.lines[0].startsWith("error: ") && r.lines[0].contains("DEMO.DB"), qPrintable(r.lines.join('|')));
        QVERIFY(r.lines[1].startsWith("window: "));
        QVERIFY(r.lines[2].startsWith("confirm: "));

        data::ConnectionSettings s;
        s.filePath = data::configDatabaseFile(folder.filePath("data"));
        data::Connection c("check", s);
        QCOMPARE(c.scalar("select count(*) from ErrorLog where ErrorMsg like '%DEMO.db%'").toInt(), 1);
    }
};

QTEST_MAIN(TestLaunch)
#include "test_launch.moc"
