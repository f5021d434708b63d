#include "Connection.h"
#include "DbError.h"
#include "DemoDatabases.h"

#include <QDate>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <QUuid>
#include <QtTest>

using namespace data;

// Document numbers drawn by NewDocumentNo on the demo company database.
class TestNumbering : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<Connection> m_db;
    const int m_year = QDate::currentDate().year();

    ConnectionSettings settings() const { return embeddedCompanySettings(m_dir.path(), "DEMO"); }
    std::unique_ptr<Connection> connect() const
    {
        return std::make_unique<Connection>("N-" + QUuid::createUuid().toString(QUuid::WithoutBraces), settings());
    }
    static QString draw(Connection &c, const QString &code, int year)
    {
        Params p;
        p.set("@DocCode", code);
        p.set("@DocYear", year);
        p.declareOut("@NewNo");
        c.callProcedure("NewDocumentNo", p);
        return p.value("@NewNo").toString();
    }
    int lastNo(const QString &code, int year)
    {
        Params p;
        p.set("Code", code);
        p.set("Year", year);
        return m_db->scalar("select LastNo from DocumentNo where Code = :Code and DocYear = :Year", p).toInt();
    }
    QString yy(int offset = 0) const { return QString::number((m_year + offset) % 100).rightJustified(2, '0'); }

private slots:
    void init()
    {
        createDatabases(m_dir.path(), "DEMO", true);
        m_db = connect();
    }
    void cleanup() { m_db.reset(); }

    // Prefix, then the counter padded with zeros to the code's DocumentLength.
    void layout_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("yearOffset");
        QTest::addColumn<QString>("expected");
        QTest::newRow("deposit after three demo deposits") << "FRPRERCPT" << 0 << "PR" + yy() + "-0000004";
        QTest::newRow("receipt, first of the year") << "FRRC" << 0 << "RC" + yy() + "-0000001";
        QTest::newRow("next year has its own series") << "FRRC" << 1 << "RC" + yy(1) + "-0000001";
        QTest::newRow("code in lower case") << "frpd" << 0 << "PD" + yy() + "-0000001";
        QTest::newRow("code with blanks") << "  HOLDINGTAX " << 0 << "WT" + yy() + "-0000001";
        QTest::newRow("monthly sub-type series") << "FRMISCPAID07-EJ" << 0 << "EJ" + yy() + "07-00001";
    }
    void layout()
    {
        QFETCH(QString, code);
        QFETCH(int, yearOffset);
        QFETCH(QString, expected);
        const QString first = draw(*m_db, code, m_year + yearOffset);
        QCOMPARE(first, expected);
        QCOMPARE(first.size(), 12);
        // The counter moves on by one for every number.
        const QString second = draw(*m_db, code, m_year + yearOffset);
        QCOMPARE(second.left(second.size() - 1), expected.left(expected.size() - 1));
        QCOMPARE(second.right(1).toInt(), expected.right(1).toInt() + 1);
    }

    void convertedCodeDrawsFromTheSeriesItNames()
    {
        Params p;
        p.set("Year", m_year);
        m_db->execute("insert into DocNoConvert (Code, DocYear, DocumentNo) select 'OLDRC', DocYear, Id "
                      "from DocumentNo where Code = 'FRRC' and DocYear = :Year",
                      p);
        QCOMPARE(draw(*m_db, "OLDRC", m_year), "RC" + yy() + "-0000001");
        QCOMPARE(draw(*m_db, "FRRC", m_year), "RC" + yy() + "-0000002");
    }

    void rollbackGivesTheNumberBack()
    {
        m_db->startTransaction();
        const QString drawn = draw(*m_db, "FRRC", m_year);
        m_db->rollback();
        QCOMPARE(lastNo("FRRC", m_year), 0);
        m_db->startTransaction();
        QCOMPARE(draw(*m_db, "FRRC", m_year), drawn);
        m_db->commit();
        QCOMPARE(lastNo("FRRC", m_year), 1);
    }

    void outsideATransactionTheNumberIsCommitted()
    {
        const QString drawn = draw(*m_db, "FRPD", m_year);
        QVERIFY(!m_db->inTransaction());
        // Another program sees the counter moved on.
        auto other = connect();
        QCOMPARE(draw(*other, "FRPD", m_year), drawn.left(drawn.size() - 1) + "2");
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("yearOffset");
        QTest::addColumn<int>("lastNo");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("unknown code") << "NOSUCH" << 0 << 0 << "NOSUCH";
        QTest::newRow("year without a series") << "FRRC" << -5 << 0 << "FRRC";
        QTest::newRow("series used up") << "FRRC" << 0 << 9999999 << "FRRC";
    }
    // A refusal raises an error and leaves the counter and the caller's
    // transaction as they were.
    void refusals()
    {
        QFETCH(QString, code);
        QFETCH(int, yearOffset);
        QFETCH(int, lastNo);
        QFETCH(QString, fragment);
        Params p;
        p.set("Last", lastNo);
        m_db->execute("update DocumentNo set LastNo = :Last where Code = 'FRRC'", p);
        m_db->startTransaction();
        try {
            draw(*m_db, code, m_year + yearOffset);
            QFAIL("a number was issued");
        } catch (const DbError &e) {
            QVERIFY2(e.message().contains(fragment), qPrintable(e.message()));
        }
        QVERIFY(m_db->inTransaction());
        m_db->rollback();
        QCOMPARE(this->lastNo("FRRC", m_year), lastNo);
    }

    // Two programs saving at once: each thread has its own connection and
    // draws numbers inside save-like transactions; no number comes twice.
    void concurrentDrawsNeverCollide()
    {
        constexpr int perThread = 40;
        const ConnectionSettings s = settings();
        const int year = m_year;
        QStringList numbers[2];
        QString failures[2];
        auto worker = [&](int index) {
            try {
                Connection c("T" + QString::number(index) + "-" + QUuid::createUuid().toString(), s);
                for (int i = 0; i < perThread; ++i) {
                    c.startTransaction();
                    const QString n = draw(c, "FRRC", year);
                    Params doc;
                    doc.set("No", n);
                    c.execute("insert into UserLog (UserId, MenuId, FunctionListId, DocumentId, Remark, LogDate) "
                              "values (1, 105, 1, 0, :No, '2026-01-01 00:00:00')",
                              doc);
                    c.commit();
                    numbers[index].append(n);
                }
            } catch (const DbError &e) {
                failures[index] = e.message();
            }
        };
        std::unique_ptr<QThread> a(QThread::create(worker, 0));
        std::unique_ptr<QThread> b(QThread::create(worker, 1));
        a->start();
        b->start();
        QVERIFY(a->wait(120000));
        QVERIFY(b->wait(120000));
        QVERIFY2(failures[0].isEmpty(), qPrintable(failures[0]));
        QVERIFY2(failures[1].isEmpty(), qPrintable(failures[1]));
        const QStringList all = numbers[0] + numbers[1];
        QCOMPARE(all.size(), 2 * perThread);
        QCOMPARE(QSet<QString>(all.begin(), all.end()).size(), 2 * perThread);
        QCOMPARE(lastNo("FRRC", m_year), 2 * perThread);
    }
};

QTEST_GUILESS_MAIN(TestNumbering)
#include "test_numbering.moc"
