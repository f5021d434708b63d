#include "PrintFixture.h"
#include "Report.h"
#include "ReportError.h"
#include "ReportFunctions.h"

#include <QtTest>

using namespace printing;

// The seven report functions: words through the text helpers, quantities in
// large and small units read from ProductUnits and Config. Unit 2 is a BOX of
// 12 PCS (also the stock unit), unit 1 the PCS itself, unit 4 a SACK of 50 KG
// whose product has no stock unit.
class TestReportFunctions : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    data::Connection *m_db = nullptr;
    ReportFunctions m_functions;

    QString call(const QString &name, const QVariantList &args) { return m_functions.call(name, args).value(); }

private slots:
    void init() { m_db = &printfixture::openCompany(m_dir); }
    void cleanup() { data::Connection::closeAll(); }

    void functions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<QString>("expected");
        QTest::newRow("thai baht") << "TELL_REAL_THAI" << QVariantList{21.01, 2} << "ยี่สิบเอ็ดบาทหนึ่งสตางค์";
        QTest::newRow("thai baht lower case") << "tell_real_thai" << QVariantList{100, 2} << "หนึ่งร้อยบาทถ้วน";
        QTest::newRow("thai number") << "TELL_REAL_THAI2" << QVariantList{0.75, 2} << "จุดเจ็ดสิบห้า";
        QTest::newRow("english baht") << "Tell_Real_Eng" << QVariantList{100, 2} << "ONE  HUNDRED  BAHT  ONLY";
        QTest::newRow("english number") << "TELL_REAL_ENG2" << QVariantList{100, 2} << "ONE  HUNDRED   ONLY";
        QTest::newRow("onhand boxes and pieces") << "ONHANDQUANTITY" << QVariantList{30, 2} << "2 BOX 6 PCS";
        QTest::newRow("onhand whole boxes") << "OnHandQuantity" << QVariantList{12, 2} << "1 BOX";
        QTest::newRow("onhand zero") << "ONHANDQUANTITY" << QVariantList{0, 2} << "0 BOX";
        QTest::newRow("onhand negative") << "ONHANDQUANTITY" << QVariantList{-30, 2} << "- 2 BOX 6 PCS";
        QTest::newRow("onhand fraction 1") << "ONHANDQUANTITY" << QVariantList{7.5, 1} << "7.5 PCS";
        QTest::newRow("onhand large only in pieces") << "ONHANDQUANTITY" << QVariantList{1250, 2} << "104 BOX 2 PCS";
        QTest::newRow("onhand unknown unit") << "ONHANDQUANTITY" << QVariantList{-30, 99} << "30 ERROR";
        QTest::newRow("large part") << "ONHANDQUANTITYLSUNIT" << QVariantList{30, 2, 1} << "2 BOX";
        QTest::newRow("small part") << "ONHANDQUANTITYLSUNIT" << QVariantList{30, 2, 2} << " 6 PCS";
        QTest::newRow("negative large part") << "ONHANDQUANTITYLSUNIT" << QVariantList{-30, 2, 1} << "- 2 BOX";
        QTest::newRow("bad part") << "ONHANDQUANTITYLSUNIT" << QVariantList{30, 2, 3} << "30 IDERROR";
        QTest::newRow("part of fraction 1") << "ONHANDQUANTITYLSUNIT" << QVariantList{5, 1, 2} << "5 PCS";
        QTest::newRow("part unknown unit") << "ONHANDQUANTITYLSUNIT" << QVariantList{5, 99, 1} << "5 ERROR";
        QTest::newRow("half") << "FRACSMALLBYSTOCK" << QVariantList{2.5, 2} << "2;1/2  BOX";
        QTest::newRow("quarter") << "FRACSMALLBYSTOCK" << QVariantList{0.25, 2} << ";1/4  BOX";
        QTest::newRow("nothing") << "FRACSMALLBYSTOCK" << QVariantList{0, 2} << ";0  BOX";
        QTest::newRow("pieces to boxes") << "FRACSMALLBYSTOCK" << QVariantList{8, 1} << ";2/3  BOX";
        QTest::newRow("whole boxes") << "FRACSMALLBYSTOCK" << QVariantList{3, 2} << "3;BOX";
        QTest::newRow("negative keeps its sign") << "FRACSMALLBYSTOCK" << QVariantList{-2.5, 2} << "- 2;1/2  BOX";
        QTest::newRow("nothing without a stock unit") << "FRACSMALLBYSTOCK" << QVariantList{0, 4} << ";0";
    }
    void functions()
    {
        QFETCH(QString, name);
        QFETCH(QVariantList, args);
        QFETCH(QString, expected);
        QCOMPARE(call(name, args), expected);
    }

    void configBracketsAndDecimals()
    {
        m_db->execute("update Config set OnhandDecimal = 2, UnitLeft = '(', UnitRight = ')'");
        QCOMPARE(call("ONHANDQUANTITY", {30, 2}), QStringLiteral("2 (BOX) 6.00 (PCS)"));
        QCOMPARE(call("ONHANDQUANTITY", {0, 2}), QStringLiteral("0 (BOX)"));
        // The split parts use neither brackets nor the Config decimals.
        QCOMPARE(call("ONHANDQUANTITYLSUNIT", {30, 2, 2}), QStringLiteral(" 6 PCS"));
    }

    void stockQuantityWithoutStockUnitFails()
    {
        QVERIFY_THROWS_EXCEPTION(ReportError, call("FRACSMALLBYSTOCK", {1, 4}));
        QVERIFY_THROWS_EXCEPTION(ReportError, call("FRACSMALLBYSTOCK", {1, 99}));
    }

    void otherNamesAreNotOurs()
    {
        QVERIFY(!m_functions.call("SUM", {1}).has_value());
        QVERIFY(ReportFunctions::isReportFunction("fracSmallByStock"));
    }

    void templatesCallThemInAnyCase()
    {
        Report report;
        report.loadFromFile(printfixture::writeFile(
            m_dir, "F.frf",
            "<report><band type=\"title\" height=\"5\"><text x=\"0\" y=\"0\" width=\"90\" height=\"5\">"
            "[onhandquantity(30, 2)]|[Tell_Real_Eng2(21.01, 2)]|[FracSmallByStock(2.5, 2)]</text></band></report>"));
        QCOMPARE(report.prepare().texts(), QStringList{"2 BOX 6 PCS|TWENTY ONE   POINT ONE  |2;1/2  BOX"});
    }
};

QTEST_MAIN(TestReportFunctions)
#include "test_report_functions.moc"
