#include "Connection.h"
#include "DataSet.h"
#include "DbError.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace data;

// Cached updates, parameters and connection faults on a throw-away database.
class TestDataSet : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    Connection *m_db = nullptr;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void init()
    {
        const QString file = path("t.db");
        QFile::remove(file);
        QFile(file).open(QIODevice::WriteOnly);
        ConnectionSettings s;
        s.filePath = file;
        m_db = &Connection::open("T", s);
        m_db->execute("create table Doc (Id integer primary key autoincrement, No text not null unique collate nocase,"
                      " DocDate datetime, Amount numeric(18,2), Note text)");
        m_db->execute("insert into Doc (No, DocDate, Amount, Note) values ('A1', '2026-03-01 00:00:00', 10, null)");
        m_db->execute("insert into Doc (No, DocDate, Amount, Note) values ('A2', '2026-03-02 00:00:00', 0, '')");
    }
    void cleanup() { Connection::closeAll(); }

    void positionalParameters_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("plain") << "a = :A and b=:b_2"
                               << "a = ? and b=?" << QStringList{"A", "b_2"};
        QTest::newRow("quoted") << "a = ':x' and b = :y"
                                << "a = ':x' and b = ?" << QStringList{"y"};
        QTest::newRow("cast") << "a::int = :p"
                              << "a::int = ?" << QStringList{"p"};
        QTest::newRow("time literal") << "x = '10:30'"
                                      << "x = '10:30'" << QStringList{};
        QTest::newRow("block comment") << "/* Don't Move: */ a = :A"
                                       << "/* Don't Move: */ a = ?" << QStringList{"A"};
        QTest::newRow("line comment") << "a = :A -- it's :B\nand b = :C"
                                      << "a = ? -- it's :B\nand b = ?" << QStringList{"A", "C"};
    }
    void positionalParameters()
    {
        QFETCH(QString, sql);
        QFETCH(QString, expected);
        QFETCH(QStringList, names);
        QStringList got;
        QCOMPARE(toPositional(sql, &got), expected);
        QCOMPARE(got, names);
    }

    void fieldsIgnoreCaseAndKeepNulls()
    {
        DataSet q(*m_db, "select Id, No, DocDate, Amount, Note from Doc order by No");
        q.open();
        QCOMPARE(q.recordCount(), 2);
        QCOMPARE(q.value("no").toString(), QString("A1"));
        QVERIFY(q.value("NOTE").isNull());
        QCOMPARE(q.value("docdate").toDateTime(), QDateTime(QDate(2026, 3, 1), QTime(0, 0)));
        q.next();
        QVERIFY(!q.value("Note").isNull());
        QCOMPARE(q.value("Note").toString(), QString(""));
        QVERIFY(!q.value("Amount").isNull());
        QCOMPARE(q.value("Amount").toDouble(), 0.0);
    }

    void quoteInParameterIsData()
    {
        DataSet q(*m_db, "select No from Doc where No like :P");
        q.setParam("P", "%' or '1'='1");
        q.open();
        QVERIFY(q.isEmpty());
    }

    void applyInsertModifyDeleteInOneTransaction()
    {
        DataSet q(*m_db, "select Id, No, DocDate, Amount, Note from Doc order by No");
        q.setUpdateSql(UpdateSql::forTable(
            "Doc", q.fieldNames().isEmpty() ? QStringList{"Id", "No", "DocDate", "Amount", "Note"} : q.fieldNames()));
        q.open();
        q.setValue("Amount", 99.5); // A1 modified
        q.next();
        q.deleteCurrent(); // A2 deleted
        q.append();
        q.setValue("No", "A3");
        q.setValue("DocDate", QDate(2026, 4, 5));
        q.setValue("Amount", 1);
        QVERIFY(q.updatesPending());

        m_db->startTransaction();
        q.applyUpdates();
        m_db->commit();
        q.commitUpdates();
        QVERIFY(!q.updatesPending());

        DataSet check(*m_db, "select No, Amount, DocDate from Doc order by No");
        check.open();
        QCOMPARE(check.recordCount(), 2);
        QCOMPARE(check.value("Amount").toDouble(), 99.5);
        check.next();
        QCOMPARE(check.value("No").toString(), QString("A3"));
        QCOMPARE(check.value("DocDate").toDateTime().date(), QDate(2026, 4, 5));
    }

    void failedApplyRollsBackAndKeepsCache()
    {
        DataSet q(*m_db, "select Id, No, DocDate, Amount, Note from Doc where No = :N");
        q.setParam("N", "A1");
        q.open();
        q.setUpdateSql(UpdateSql::forTable("Doc", q.fieldNames()));
        q.setValue("Amount", 55);
        q.append();
        q.setValue("No", "a2"); // duplicate without regard to case
        m_db->startTransaction();
        QVERIFY_THROWS_EXCEPTION(DbError, q.applyUpdates());
        m_db->rollback();

        QCOMPARE(m_db->scalar("select Amount from Doc where No = 'A1'").toDouble(), 10.0);
        QCOMPARE(m_db->scalar("select count(*) from Doc").toInt(), 2);
        // Every edit is still cached and can be applied again once mended.
        QVERIFY(q.updatesPending());
        QCOMPARE(q.value("No").toString(), QString("a2"));
        q.setValue("No", "A9");
        m_db->startTransaction();
        q.applyUpdates();
        m_db->commit();
        q.commitUpdates();
        QCOMPARE(m_db->scalar("select Amount from Doc where No = 'A1'").toDouble(), 55.0);
        QCOMPARE(m_db->scalar("select count(*) from Doc").toInt(), 3);
    }

    void cancelRevertsEdits()
    {
        DataSet q(*m_db, "select Id, No, Amount from Doc order by No");
        q.open();
        q.setValue("Amount", 1234);
        q.append();
        q.cancelUpdates();
        QCOMPARE(q.recordCount(), 2);
        QCOMPARE(q.value(0, "Amount").toDouble(), 10.0);
        QVERIFY(!q.updatesPending());
    }

    void emptySetEditStartsNewRow()
    {
        DataSet q(*m_db, "select Id, No from Doc where No = :N");
        q.setParam("N", "none");
        q.open();
        QVERIFY(q.isEmpty());
        q.edit();
        QVERIFY(q.isNewRow());
        QCOMPARE(q.fieldNames(), QStringList({"Id", "No"}));
    }

    void badFilesGiveClearMessages_data()
    {
        QTest::addColumn<QString>("content");
        QTest::newRow("missing") << QString();
        QTest::newRow("not a database") << QString("this is not a database file at all, just some text....");
    }
    void badFilesGiveClearMessages()
    {
        QFETCH(QString, content);
        const QString file = path("bad.db");
        QFile::remove(file);
        if (!content.isNull()) {
            QFile f(file);
            f.open(QIODevice::WriteOnly);
            f.write(content.toUtf8().repeated(100));
        }
        ConnectionSettings s;
        s.filePath = file;
        try {
            Connection::open("BAD", s);
            QFAIL("opened a bad file");
        } catch (const DbError &e) {
            QVERIFY2(e.message().contains(file), qPrintable(e.message()));
        }
    }

    void failingStatementCarriesEngineText()
    {
        try {
            m_db->execute("insert into Doc (No) values (null)");
            QFAIL("no error");
        } catch (const DbError &e) {
            QVERIFY2(e.message().contains("NOT NULL"), qPrintable(e.message()));
            QVERIFY(
                m_db->dialect().serverWording(e.message()).startsWith("Cannot insert the value NULL into column 'No'"));
        }
    }

    void scriptRunsStatementByStatement()
    {
        m_db->runScript(
            "update Doc set Note = :T where No = 'A1'\n/\n  /  \nupdate Doc set Amount = 7 where No = 'A2'\n", [] {
                Params p;
                p.set("T", "x");
                return p;
            }());
        QCOMPARE(m_db->scalar("select Note from Doc where No='A1'").toString(), QString("x"));
        QCOMPARE(m_db->scalar("select Amount from Doc where No='A2'").toInt(), 7);
    }
};

QTEST_MAIN(TestDataSet)
#include "test_dataset.moc"
