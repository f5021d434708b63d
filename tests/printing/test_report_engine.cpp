#include "FloatFormat.h"
#include "PrintFixture.h"
#include "Report.h"
#include "ReportError.h"
#include "ReportPainter.h"

#include <QtTest>

using namespace printing;

namespace {

const char *kListTemplate = R"XML(<?xml version="1.0" encoding="UTF-8"?>
<report title="Lines" page="A4" marginLeft="15" marginTop="10" marginRight="10" marginBottom="10" font="Loma" fontSize="10">
  <dataset name="H">select DocNo, DocDate, CustName, Amount from Doc where DocNo = :DocNo</dataset>
  <dataset name="L">select LineNo, Grp, Descr, Amount from DocLine where DocNo = :DocNo order by LineNo</dataset>
  <band type="pageHeader" height="8">
    <text x="0" y="0" width="100" height="6">Header [H.DocNo] by [UserCode]</text>
  </band>
  <band type="title" height="20">
    <text x="0" y="0" width="180" height="6" align="center" fontSize="14" bold="true">Receipt [h.docno]</text>
    <text x="0" y="7" width="60" height="6" dateFormat="dd/MM/yyyy">Date [H.DocDate]</text>
    <text x="0" y="13" width="180" height="6">[tell_real_thai(H.Amount, 2)]</text>
    <text x="100" y="7" width="60" height="6" visible="H.Amount &gt; 1000000">Huge amount</text>
  </band>
  <band type="header" dataset="L" height="7" repeat="true">
    <text x="0" y="0" width="20" height="6" frame="all">No</text>
    <text x="20" y="0" width="100" height="6" frame="all">Description</text>
  </band>
  <band type="groupHeader" dataset="L" condition="L.Grp" height="6">
    <text x="0" y="0" width="100" height="6">Group [L.Grp]</text>
  </band>
  <band type="masterData" dataset="L" height="6">
    <text x="0" y="0" width="20" height="6">[Line].</text>
    <text x="20" y="0" width="100" height="6">[L.Descr]</text>
    <text x="120" y="0" width="40" height="6" align="right" format="#,##0.00">[L.Amount]</text>
  </band>
  <band type="groupFooter" dataset="L" condition="L.Grp" height="6">
    <text x="0" y="0" width="100" height="6">End of [L.Grp]</text>
  </band>
  <band type="footer" dataset="L" height="8">
    <text x="0" y="0" width="100" height="6">Lines [COUNT("L")] total [FORMATNUMBER(SUM("L", "Amount"), "#,##0.00")]</text>
  </band>
  <band type="summary" height="10">
    <text x="0" y="0" width="100" height="6">End of report</text>
  </band>
  <band type="pageFooter" height="8">
    <text x="0" y="0" width="180" height="6" align="right">Page [Page] of [TotalPages]</text>
  </band>
</report>
)XML";

} // namespace

// Templates read, laid out into pages and exported to PDF; bad templates
// refused with the file and the place named.
class TestReportEngine : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    data::Connection *m_db = nullptr;

    PreparedReport prepareList(int lines)
    {
        printfixture::addLines(*m_db, "R0001", lines);
        Report report;
        report.loadFromFile(printfixture::writeFile(m_dir, "LIST.frf", kListTemplate));
        report.setVariable("DocNo", "R0001");
        report.setVariable("UserCode", "ADMIN");
        return report.prepare();
    }

    QString prepareError(const QString &xml, const QString &fileName = "BAD.frf")
    {
        try {
            Report report;
            report.loadFromFile(printfixture::writeFile(m_dir, fileName, xml));
            report.setVariable("DocNo", "R0001");
            report.prepare();
        } catch (const ReportError &e) {
            return e.message();
        }
        return {};
    }

private slots:
    void init() { m_db = &printfixture::openCompany(m_dir); }
    void cleanup() { data::Connection::closeAll(); }

    void pdfHoldsFieldsWordsFormatsAndPageNumbers()
    {
        const PreparedReport report = prepareList(5);
        QCOMPARE(report.pageCount(), 1);
        const QString pdf = m_dir.filePath("list.pdf");
        ReportPainter::exportPdf(report, pdf);
        const QString text = printfixture::pdfText(pdf);
        QVERIFY2(text.contains("Header R0001 by ADMIN"), qPrintable(text));
        QVERIFY(text.contains("Receipt R0001"));
        QVERIFY(text.contains("Date 01/03/2026"));
        QVERIFY2(printfixture::thaiBase(text).contains(printfixture::thaiBase("หนึ่งพันสองร้อยสามสิบสี่บาทห้าสิบสตางค์")),
                 qPrintable(text));
        QVERIFY(!text.contains("Huge amount"));
        QVERIFY(text.contains("Group G1"));
        QVERIFY(text.contains("End of G2"));
        QVERIFY(text.contains("Item 5"));
        QVERIFY(text.contains("51.25"));
        QVERIFY(text.contains("Lines 5 total 153.75"));
        QVERIFY(text.contains("End of report"));
        QVERIFY(text.contains("Page 1 of 1"));
    }

    void longListsBreakIntoNumberedPages()
    {
        const PreparedReport report = prepareList(120);
        QVERIFY(report.pageCount() >= 3);
        const QString pdf = m_dir.filePath("long.pdf");
        ReportPainter::exportPdf(report, pdf);
        const QStringList pages = printfixture::pdfText(pdf).split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), report.pageCount());
        const QString last = QStringLiteral("Page %1 of %1").arg(report.pageCount());
        for (int i = 0; i < pages.size(); ++i) {
            QVERIFY2(pages[i].contains(QStringLiteral("Page %1 of %2").arg(i + 1).arg(report.pageCount())),
                     qPrintable(pages[i]));
            QVERIFY(pages[i].contains("Header R0001"));
            QVERIFY2(pages[i].contains("Description"), "the list header repeats on every page");
        }
        QVERIFY(pages.last().contains(last));
        QVERIFY(pages.last().contains("Item 120"));
        QVERIFY(pages.last().contains("End of report"));
        // Every row exactly once, in order.
        const QStringList texts = report.texts();
        QCOMPARE(texts.filter(QRegularExpression("^Item \\d+$")).size(), 120);
        QVERIFY(texts.indexOf("Item 119") < texts.indexOf("Item 120"));
    }

    void wrappedTextStretchesItsBand()
    {
        const QString xml = R"(<report><band type="title" height="5">
            <text x="0" y="0" width="30" height="5" wrap="true" stretch="true">one two three four five six seven eight nine ten eleven twelve</text>
            </band><band type="summary" height="5"><text x="0" y="0" width="30" height="5">after</text></band></report>)";
        Report report;
        report.loadFromFile(printfixture::writeFile(m_dir, "WRAP.frf", xml));
        const PreparedReport prepared = report.prepare();
        const auto &items = prepared.pages.first().items;
        QCOMPARE(items.size(), 2);
        QVERIFY(items[0].rect.height() > 9);
        QVERIFY2(items[1].rect.top() >= items[0].rect.bottom() - 0.01, "the next band starts below the stretched text");
    }

    void badTemplatesNameFileAndPlace_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QStringList>("mentions");
        QTest::newRow("not xml") << "<report><band type=\"title\" height=\"5\">" << QStringList{"BAD.frf", "line"};
        QTest::newRow("unknown attribute")
            << "<report>\n<band type=\"title\" heigth=\"5\"/></report>" << QStringList{"BAD.frf", "line 2", "heigth"};
        QTest::newRow("unknown band") << "<report><band type=\"middle\"/></report>" << QStringList{"middle"};
        QTest::newRow("expression syntax")
            << "<report><band type=\"title\" height=\"5\">\n<text name=\"Total\" x=\"0\" y=\"0\" width=\"9\" "
               "height=\"5\">[1 +* 2]</text></band></report>"
            << QStringList{"BAD.frf", "\"Total\"", "line 2", "1 +* 2"};
        QTest::newRow("unknown field")
            << "<report><dataset name=\"H\">select DocNo from Doc where DocNo = :DocNo</dataset>"
               "<band type=\"title\" height=\"5\"><text x=\"0\" y=\"0\" width=\"9\" height=\"5\">[H.Nothing]"
               "</text></band></report>"
            << QStringList{"BAD.frf", "H.Nothing", "no field Nothing"};
        QTest::newRow("failing statement")
            << "<report><dataset name=\"H\">select * from NoSuchTable where DocNo = :DocNo</dataset></report>"
            << QStringList{"BAD.frf", "dataset \"H\"", "NoSuchTable"};
        QTest::newRow("parameter not a variable")
            << "<report><dataset name=\"H\">select * from Doc where DocNo = :Other</dataset></report>"
            << QStringList{"BAD.frf", "dataset \"H\"", ":Other"};
        QTest::newRow("unclosed bracket")
            << "<report><band type=\"title\" height=\"5\"><text x=\"0\" y=\"0\" width=\"9\" height=\"5\">[DocNo"
               "</text></band></report>"
            << QStringList{"BAD.frf", "not closed"};
        QTest::newRow("failing function")
            << "<report><band type=\"title\" height=\"5\"><text x=\"0\" y=\"0\" width=\"9\" height=\"5\">"
               "[TELL_REAL_ENG(5e12, 2)]</text></band></report>"
            << QStringList{"BAD.frf", "TELL_REAL_ENG", "too large"};
        QTest::newRow("missing picture")
            << "<report><band type=\"title\" height=\"5\"><image x=\"0\" y=\"0\" width=\"9\" height=\"5\" "
               "file=\"nowhere.png\"/></band></report>"
            << QStringList{"BAD.frf", "nowhere.png"};
    }
    void badTemplatesNameFileAndPlace()
    {
        QFETCH(QString, xml);
        QFETCH(QStringList, mentions);
        const QString message = prepareError(xml);
        QVERIFY2(!message.isEmpty(), "the template was accepted");
        for (const QString &m : mentions)
            QVERIFY2(message.contains(m), qPrintable(message + " lacks " + m));
    }

    void missingTemplateIsNamed()
    {
        Report report;
        const QString path = m_dir.filePath("NOWHERE.frf");
        QVERIFY_THROWS_EXCEPTION(ReportError, report.loadFromFile(path));
        try {
            report.loadFromFile(path);
        } catch (const ReportError &e) {
            QVERIFY(e.message().contains(path));
        }
    }

    void userTextReachesStatementsAsBoundParameters()
    {
        Report report;
        report.loadFromFile(printfixture::writeFile(
            m_dir, "INJ.frf",
            "<report><dataset name=\"H\">select count(*) N from Doc where DocNo = :DocNo</dataset>"
            "<band type=\"title\" height=\"5\"><text x=\"0\" y=\"0\" width=\"90\" height=\"5\">rows [H.N]</text>"
            "</band></report>"));
        report.setVariable("DocNo", "x' or '1'='1");
        QCOMPARE(report.prepare().texts(), QStringList{"rows 0"});
        QCOMPARE(m_db->scalar("select count(*) from Doc").toInt(), 1);
    }

    void formatFloat_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("grouping") << "#,##0.00" << 1234567.891 << "1,234,567.89";
        QTest::newRow("required zero") << "#,##0.00" << 0.0 << "0.00";
        QTest::newRow("optional decimals") << " #,###,###.###### " << 6.0 << " 6 ";
        QTest::newRow("optional decimals kept") << " #,###,###.###### " << 6.125 << " 6.125 ";
        QTest::newRow("zero without required digit") << "#,###.##" << 0.0 << "";
        QTest::newRow("fraction only") << "#,###.##" << 0.5 << ".5";
        QTest::newRow("negative section") << "#,###.##;(#,###.##)" << -1234.5 << "(1,234.5)";
        QTest::newRow("minus without section") << "#,##0.00" << -5.0 << "-5.00";
        QTest::newRow("rounds to zero") << "#,##0.00" << -0.001 << "0.00";
        QTest::newRow("whole units") << "###,###,##0 " << 2.0 << "2 ";
        QTest::newRow("fixed decimals") << " #,###,##0.000 " << 6.5 << " 6.500 ";
    }
    void formatFloat()
    {
        QFETCH(QString, picture);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(FormatFloat(picture, value), expected);
    }
};

QTEST_MAIN(TestReportEngine)
#include "test_report_engine.moc"
