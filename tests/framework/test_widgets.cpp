#include "Connection.h"
#include "DataSet.h"
#include "DataWidgets.h"
#include "DialogDriver.h"
#include "SearchQuery.h"
#include "TestEnvironment.h"

#include <QVBoxLayout>
#include <QtTest>

using namespace framework;

// The single-field editors bound to a data set's current row, the number
// formats and the lazily fetched search statement.
class TestWidgets : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::TestEnvironment> env;

private slots:
    void initTestCase() { env = std::make_unique<testsupport::TestEnvironment>(); }
    void cleanupTestCase() { env.reset(); }

    void numberFormats_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("money") << 1234567.5 << "#,##0.00"
                               << "1,234,567.50";
        QTest::newRow("money small") << 0.0 << "#,##0.00"
                                     << "0.00";
        QTest::newRow("negative") << -1234.5 << "#,##0.00"
                                  << "-1,234.50";
        QTest::newRow("negative three digits") << -123.0 << "#,##0.00"
                                               << "-123.00";
        QTest::newRow("rate, seven decimals") << 35.1234567 << ",0.#######"
                                              << "35.1234567";
        QTest::newRow("rate, trailing zeros dropped") << 1234.5 << ",0.#######"
                                                      << "1,234.5";
        QTest::newRow("rate, whole") << 34.0 << ",0.#######"
                                     << "34";
        QTest::newRow("edit format") << 1234.5 << "###0.00"
                                     << "1234.50";
    }
    void numberFormats()
    {
        QFETCH(double, value);
        QFETCH(QString, format);
        QFETCH(QString, text);
        QCOMPARE(formatNumber(value, format), text);
    }

    void editorsFollowTheCurrentRowAndWriteBack()
    {
        data::DataSet ds(env->company(),
                         "Select Id, PreNo, PreDate, PreAmount, PreExchange From FrPreRcpt Order By Id");
        ds.open();
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *no = new DbEdit(&window);
        no->setUpperCase(true);
        auto *date = new DbDateEdit(&window);
        auto *amount = new CalcEdit(&window);
        auto *rate = new CalcEdit(&window);
        rate->setDisplayFormat(",0.#######");
        rate->setDecimals(7);
        auto *other = new QLineEdit(&window);
        for (QWidget *w : std::initializer_list<QWidget *>{no, date, amount, rate, other})
            layout->addWidget(w);
        no->bind(&ds, "PreNo");
        date->bind(&ds, "PreDate");
        amount->bind(&ds, "PreAmount");
        rate->bind(&ds, "PreExchange");
        window.show();
        dialogdriver::activate(&window);
        QCOMPARE(amount->text(), QString("300.00"));
        QCOMPARE(rate->text(), QString("34.25"));
        QCOMPARE(date->date().month(), 1);
        ds.setCurrentRow(1);
        QCOMPARE(amount->text(), QString("200.00"));
        QCOMPARE(no->text(), ds.value("PreNo").toString());

        // Typing and leaving writes the field.
        dialogdriver::type(rate, "35.1234567");
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(ds.value("PreExchange").toDouble(), 35.1234567);
        QCOMPARE(rate->text(), QString("35.1234567"));
        dialogdriver::type(amount, "");
        other->setFocus(Qt::TabFocusReason);
        QVERIFY(ds.value("PreAmount").isNull()); // empty is null, not 0
        dialogdriver::type(no, "abc1");
        QCOMPARE(no->text(), QString("ABC1"));
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(ds.value("PreNo").toString(), QString("ABC1"));
        date->setFocus();
        date->setDate(QDate(2026, 5, 17));
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(ds.value("PreDate").toDateTime(), QDateTime(QDate(2026, 5, 17), QTime(0, 0)));
        QCOMPARE(ds.rowState(1), data::DataSet::Modified);
        // Untouched rows stay unchanged.
        QCOMPARE(ds.rowState(0), data::DataSet::Unchanged);
        // Leaving an editor without typing changes nothing.
        ds.setCurrentRow(0);
        rate->setFocus();
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(ds.rowState(0), data::DataSet::Unchanged);
    }

    void emptyDataSetStartsANewRowOnWrite()
    {
        data::DataSet ds(env->company(), "Select Id, PreNo From FrPreRcpt Where Id = -1");
        ds.open();
        DbEdit edit;
        edit.bind(&ds, "PreNo");
        edit.setText("NEW");
        edit.post();
        QCOMPARE(ds.recordCount(), 1);
        QVERIFY(ds.isNewRow());
        QCOMPARE(ds.value("PreNo").toString(), QString("NEW"));
    }

    void searchQueryFetchesAsItScrolls()
    {
        auto &c = env->company();
        c.execute("create table Many (Id integer primary key, Code text)");
        c.execute("with recursive n(i) as (select 1 union all select i + 1 from n where i < 1000) "
                  "insert into Many select i, printf('C%04d', i) from n");
        SearchQuery q;
        q.SQL = {"Select Id, Code From Many", "Where Code Like :Code", "Order By Id"};
        q.setParam("Code", "C%");
        q.open();
        QCOMPARE(q.rowCount(), SearchQuery::batchSize);
        QVERIFY(q.canFetchMore());
        q.fetchMore();
        QCOMPARE(q.rowCount(), 2 * SearchQuery::batchSize);
        q.fetchAll();
        QCOMPARE(q.rowCount(), 1000);
        QVERIFY(!q.canFetchMore());
        QCOMPARE(q.value(999, "code").toString(), QString("C1000"));
        // A grid asks for more rows as it scrolls.
        q.open();
        QTableView view;
        view.setModel(&q);
        view.resize(300, 200);
        view.show();
        view.scrollToBottom();
        QCoreApplication::processEvents();
        QVERIFY(q.rowCount() > SearchQuery::batchSize);
        QVERIFY(q.rowCount() < 1000);
    }
};

QTEST_MAIN(TestWidgets)
#include "test_widgets.moc"
