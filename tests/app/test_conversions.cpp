#include "Conversions.h"
#include "ServerLocation.h"

#include <QtTest>

using namespace app;

// Launch-argument conversions and where the server name puts the databases.
class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void dates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date"); // invalid: refused
        QTest::newRow("day first") << "31/12/2004" << QDate(2004, 12, 31);
        QTest::newRow("one-digit parts") << "1/2/2004" << QDate(2004, 2, 1);
        QTest::newRow("month first refused") << "12/31/2004" << QDate();
        QTest::newRow("no such day") << "30/02/2004" << QDate();
        QTest::newRow("leap day") << "29/02/2004" << QDate(2004, 2, 29);
        QTest::newRow("iso refused") << "2004-12-31" << QDate();
        QTest::newRow("empty") << "" << QDate();
    }
    void dates()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        if (date.isValid()) {
            QCOMPARE(StrToDate(text), date);
            QCOMPARE(StrToDate(DateToStr(date)), date);
            return;
        }
        try {
            StrToDate(text);
            QFAIL("accepted");
        } catch (const ConvertError &e) {
            QCOMPARE(QString::fromUtf8(e.what()), QString("'%1' is not a valid date").arg(text));
        }
    }

    void integers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "101" << true << 101;
        QTest::newRow("blanks") << " 7 " << true << 7;
        QTest::newRow("negative") << "-3" << true << -3;
        QTest::newRow("letters") << "abc" << false << 0;
        QTest::newRow("decimal") << "1.5" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("too large") << "99999999999" << false << 0;
    }
    void integers()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        if (valid) {
            QCOMPARE(StrToInt(text), value);
            return;
        }
        QVERIFY_THROWS_EXCEPTION(ConvertError, StrToInt(text));
    }

    void serverNames_data()
    {
        QTest::addColumn<QString>("serverName");
        QTest::addColumn<int>("engine");
        QTest::addColumn<QString>("where"); // folder, or host for servers
        QTest::newRow("no file") << "" << int(data::ConnectionSettings::Sqlite) << "/w/data";
        QTest::newRow("default name") << "QLM" << int(data::ConnectionSettings::Sqlite) << "/w/data";
        QTest::newRow("embedded folder") << "sqlite:shared/db" << int(data::ConnectionSettings::Sqlite)
                                         << "/w/shared/db";
        QTest::newRow("embedded absolute") << "sqlite:/srv/qlm" << int(data::ConnectionSettings::Sqlite) << "/srv/qlm";
        QTest::newRow("postgres") << "postgres://acct@dbhost:5433" << int(data::ConnectionSettings::Postgres)
                                  << "dbhost";
        QTest::newRow("sql server name kept as written")
            << "ACCSRV\\SQL2000 " << int(data::ConnectionSettings::SqlServer) << "ACCSRV\\SQL2000 ";
    }
    void serverNames()
    {
        QFETCH(QString, serverName);
        QFETCH(int, engine);
        QFETCH(QString, where);
        const ServerLocation l = ServerLocation::parse(serverName, "/w");
        QCOMPARE(int(l.engine), engine);
        if (engine == data::ConnectionSettings::Sqlite) {
            QCOMPARE(l.folder, where);
            const data::ConnectionSettings company = l.settingsFor("DEMO", true);
            QCOMPARE(company.filePath, where + "/DEMO.db");
            QCOMPARE(company.attachConfigFile, where + "/QLM_CONFIG.db");
            const data::ConnectionSettings config = l.settingsFor("QLM_CONFIG", false);
            QCOMPARE(config.filePath, where + "/QLM_CONFIG.db");
            QVERIFY(config.attachConfigFile.isEmpty());
        } else {
            QCOMPARE(l.host, where);
            const data::ConnectionSettings s = l.settingsFor("DEMO", true);
            QCOMPARE(s.databaseName, QString("DEMO"));
            QCOMPARE(s.host, where);
            QVERIFY(!s.user.isEmpty());
        }
    }

    void postgresLoginFromName()
    {
        const ServerLocation l = ServerLocation::parse("postgres://acct:pw@dbhost", "/w");
        QCOMPARE(l.user, QString("acct"));
        QCOMPARE(l.password, QString("pw"));
        QCOMPARE(l.port, 5432);
    }
};

QTEST_MAIN(TestConversions)
#include "test_conversions.moc"
