#include "Connection.h"
#include "FloatFormat.h"
#include "PrintFixture.h"
#include "Report.h"
#include "ReportPainter.h"
#include "TestEnvironment.h"

#include <QtTest>

using namespace printing;

// Every shipped template, filled from the demo company plus one document of
// each printed kind, rendered to PDF and read back. Set
// FRTRADE_SAMPLE_PDF_DIR to keep the PDFs for a look.
class TestSampleTemplates : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::TestEnvironment> m_env;

    QString render(const QString &file, const QVariantMap &variables, int *pages = nullptr)
    {
        Report report;
        report.loadFromFile(m_env->filePath(file));
        report.setVariable("UserCode", "ADMIN");
        report.setVariable("DatabaseName", "DEMO");
        for (auto it = variables.cbegin(); it != variables.cend(); ++it)
            report.setVariable(it.key(), it.value());
        const PreparedReport prepared = report.prepare();
        if (pages)
            *pages = prepared.pageCount();
        QString pdf = m_env->filePath(QFileInfo(file).baseName() + ".pdf");
        const QByteArray keep = qgetenv("FRTRADE_SAMPLE_PDF_DIR");
        if (!keep.isEmpty())
            pdf = QDir(QString::fromLocal8Bit(keep)).filePath(QFileInfo(file).baseName() + ".pdf");
        ReportPainter::exportPdf(prepared, pdf);
        return printfixture::pdfText(pdf);
    }

private slots:
    void initTestCase()
    {
        m_env = std::make_unique<testsupport::TestEnvironment>();
        m_env->installTemplates();
        QFile script(FRTRADE_SOURCE_DIR "/tests/printing/sample_documents.sql");
        QVERIFY(script.open(QIODevice::ReadOnly));
        m_env->company().runScript(QString::fromUtf8(script.readAll()));
        for (const char *code : {"FRRC", "FRPD"}) {
            data::Params p;
            p.set("@No", QLatin1String(code) == u"FRRC" ? "RC26-0000001" : "PD26-0000001");
            p.set("@DocYear", 2026);
            p.set("@DocCode", code);
            p.declareOut("@NewDocNo");
            m_env->company().callProcedure("SP_PrintSettlement", p);
        }
        data::Params gl;
        gl.set("@DocId", 1);
        gl.set("@UserId", 1);
        m_env->company().callProcedure("GL_FrPreRcpt", gl);
    }
    void cleanupTestCase() { m_env.reset(); }

    void templates_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("docNo");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("thaiWords");
        const QString company = QStringLiteral("Demo Trading Co., Ltd.");
        QTest::newRow("pre-receipt")
            << "FRPRERCPT.frf"
            << "PR26-0000001"
            << QStringList{company,     "PR26-0000001", "Pacific Trading Inc.",
                           "10,275.00", "10,200.00",    "TEN THOUSAND TWO HUNDRED SEVENTY FIVE BAHT ONLY"}
            << "หนึ่งหมื่นสองร้อยเจ็ดสิบห้าบาทถ้วน";
        QTest::newRow("pre-payment") << "FRPREPAID.frf"
                                     << "PP26-0000001"
                                     << QStringList{company, "Osaka Machinery", "117,050.00", "117,400.00"}
                                     << "หนึ่งแสนหนึ่งหมื่นเจ็ดพันห้าสิบบาทถ้วน";
        QTest::newRow("receipt") << "FRRC.frf"
                                 << "RC26-0000001" << QStringList{company,        "RC26-0000001", "EX26-0000001",
                                                                  "PR26-0000001", "1,300.00",     "45,662.50"}
                                 << "สี่หมื่นห้าพันหกร้อยหกสิบสองบาทห้าสิบสตางค์";
        QTest::newRow("payment") << "FRPD.frf"
                                 << "PD26-0000001"
                                 << QStringList{company, "Hamburg Parts GmbH", "IM26-0000002", "159,180.00",
                                                "159,530.00"}
                                 << "หนึ่งแสนห้าหมื่นเก้าพันหนึ่งร้อยแปดสิบบาทถ้วน";
        QTest::newRow("misc payment") << "FRMISCPAID.frf"
                                      << "MP26-0000001" << QStringList{company,    "MP26-0000001", "IV-88871",
                                                                       "1,295.00", "-213.00",      "26,597.00"}
                                      << "สองหมื่นหกพันห้าร้อยเก้าสิบเจ็ดบาทถ้วน";
        QTest::newRow("certificate") << "HOLDINGTAX.frf"
                                     << "MP26-0000001"
                                     << QStringList{"0105551234567", "0105559876543", "MP26-0000001", "8,500.00",
                                                    "27,000.00",     "440.00",        "2569"}
                                     << "สี่ร้อยสี่สิบบาทถ้วน";
        QTest::newRow("voucher") << "Form_GLAuto.frf"
                                 << "PR26-0000001" << QStringList{company, "PR26-0000001", "A-RCPT", "2026"} << "";
    }
    void templates()
    {
        QFETCH(QString, file);
        QFETCH(QString, docNo);
        QFETCH(QStringList, expected);
        QFETCH(QString, thaiWords);
        int pages = 0;
        const QString text = render(file, {{"DocNo", docNo}, {"DocYear", 2026}, {"PrintCode", "A-RCPT"}}, &pages);
        QString flat = text.simplified();
        for (const QString &e : expected)
            QVERIFY2(flat.contains(e), qPrintable(file + " lacks " + e + "\n" + text));
        if (!thaiWords.isEmpty())
            QVERIFY2(printfixture::thaiBase(text).contains(printfixture::thaiBase(thaiWords)), qPrintable(text));
        if (file == u"HOLDINGTAX.frf") {
            QCOMPARE(pages, 2); // the payee's two copies
            QVERIFY(printfixture::thaiBase(text).contains(printfixture::thaiBase("หนังสือรับรองการหักภาษี ณ ที่จ่าย")));
        }
    }

    void voucherListsTheLedgerLines()
    {
        const int lines =
            m_env->company()
                .scalar("select count(*) from GLDt D join GLHd G on G.Id = D.GLHd where G.GLFromDocNo = 'PR26-0000001'")
                .toInt();
        QVERIFY(lines >= 2);
        const QString text =
            render("Form_GLAuto.frf", {{"DocNo", "PR26-0000001"}, {"DocYear", 2026}, {"PrintCode", "A-RCPT"}});
        const double debit =
            m_env->company().scalar("select TotalDebit from GLHd where GLFromDocNo = 'PR26-0000001'").toDouble();
        QVERIFY(debit > 0);
        QVERIFY2(!text.contains(QStringLiteral("ยังไม่มีรายการบัญชี")), qPrintable(text));
        QVERIFY2(text.simplified().contains(FormatFloat("#,##0.00", debit)), qPrintable(text));
    }
};

QTEST_MAIN(TestSampleTemplates)
#include "test_sample_templates.moc"
