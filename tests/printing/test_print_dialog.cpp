#include "Connection.h"
#include "DataSet.h"
#include "Dm.h"
#include "DmConfig.h"
#include "Fr_DocPrintForm.h"
#include "Fr_DocPrintFormGLAuto.h"
#include "ModalDialogs.h"
#include "ReportError.h"
#include "ReportOutput.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>
#include <functional>

using namespace printing;

namespace {

const char *kFormTemplate = R"(<report title="form"><band type="title" height="8">
<text x="0" y="0" width="150" height="6">Form [DocNo] by [UserCode]</text></band></report>)";
const char *kVoucherTemplate = R"(<report title="voucher"><band type="title" height="8">
<text x="0" y="0" width="150" height="6">Voucher [DocNo] [DocYear] [PrintCode]</text></band></report>)";

} // namespace

// The print dialog and the accounting-voucher dialog, driven headlessly on
// the demo company (Config.AutoGenGL "Y"), with the printer replaced by a
// recorder.
class TestPrintDialog : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::TestEnvironment> m_env;
    std::unique_ptr<RecordingReportOutput> m_output;

    void writeTemplate(const QString &name, const char *xml)
    {
        QFile f(m_env->filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(xml);
    }
    QList<QPair<int, QString>> userLog()
    {
        QList<QPair<int, QString>> out;
        QSqlQuery q = m_env->company().run("select FunctionListId, Remark from UserLog order by Id");
        while (q.next())
            out.append({q.value(0).toInt(), q.value(1).toString()});
        return out;
    }
    void addForm(const QString &code, int order, const QString &desc, const QString &file, const QVariant &preview)
    {
        data::Params p;
        p.set("Code", code);
        p.set("Ord", order);
        p.set("Descr", desc);
        p.set("File", file);
        p.set("Preview", preview);
        m_env->company().execute("insert into SystemForm (FormOrderNo, FormCode, FormDesc, FrfName, SpName, DocCode,"
                                 " DocParaName, ShowPrintPreview) values (:Ord, :Code, :Descr, :File, '', :Code,"
                                 " 'DocNo', :Preview)",
                                 p);
    }
    void setAutoGenGL(const QString &flag)
    {
        data::Params p;
        p.set("Flag", flag);
        m_env->company().execute("update Config set AutoGenGL = :Flag", p);
        app::TDM::instance().QConfig().reopen();
    }

private slots:
    void init()
    {
        m_env = std::make_unique<testsupport::TestEnvironment>();
        m_output = std::make_unique<RecordingReportOutput>();
        writeTemplate("FRPREPAID.frf", kFormTemplate);
        writeTemplate("FRPRERCPT.frf", kFormTemplate);
        writeTemplate("Form_GLAuto.frf", kVoucherTemplate);
        setAutoGenGL("Y");
    }
    void cleanup()
    {
        delete TFrDocPrintForm::voucherDialog();
        m_output.reset();
        m_env.reset();
    }

    void listsTheFormsOfThePrintCode()
    {
        addForm(" FRPRERCPT ", 2, "Second copy", "FRPRERCPT.frf", QVariant());
        TFrDocPrintForm form;
        int rows = -1, formCount = -1;
        QString first, title;
        testsupport::whenShown<TFrDocPrintForm>([&](TFrDocPrintForm *d) {
            rows = d->SystemFormList->model()->rowCount();
            formCount = d->FormCount;
            first = d->SystemFormList->currentIndex().data().toString();
            title = d->SystemFormList->model()
                        ->headerData(d->SystemFormList->currentIndex().column(), Qt::Horizontal)
                        .toString();
            testsupport::whenShown<TFrDocPrintFormGLAuto>([](TFrDocPrintFormGLAuto *v) { v->BExit->click(); });
            d->BExit->click();
        });
        form.run("PR26-0000001", 2026, "FRPRERCPT");
        QCOMPARE(rows, 2);
        QCOMPARE(formCount, 2);
        QCOMPARE(first, QStringLiteral("ใบรับเงินมัดจำ ต่างประเทศ"));
        QCOMPARE(title, QStringLiteral("กรุณาเลือกฟอร์มที่ต้องการพิมพ์"));
        QCOMPARE(form.windowTitle(), QStringLiteral("พิมพ์เอกสาร"));
        QCOMPARE(form.BDisplay->text(), QStringLiteral("แสดง"));
        // A blank ShowPrintPreview was made "N" when the dialog opened.
        QCOMPARE(m_env->company().scalar("select ShowPrintPreview from SystemForm where FormDesc = 'Second copy'"),
                 QVariant("N"));
        QVERIFY(userLog().isEmpty());
        QVERIFY(m_output->printed.isEmpty());
    }

    void englishPromptsChangeTheTexts()
    {
        app::TDMConfig::instance().ThaiPrompts = false;
        setAutoGenGL("N");
        TFrDocPrintForm form;
        testsupport::whenShown<TFrDocPrintForm>([](TFrDocPrintForm *d) { d->BExit->click(); });
        form.run("PR26-0000001", 2026, "FRPRERCPT");
        QCOMPARE(form.windowTitle(), QStringLiteral("Print Document"));
        QCOMPARE(form.BDisplay->text(), QStringLiteral("Preview"));
        QCOMPARE(form.BExit->toolTip(), QStringLiteral("Cancel or don't want to print"));
    }

    void printingTheOnlyFormClosesAndTheVoucherFollows()
    {
        addForm("PREPAID", 1, "Deposit paid", "FRPREPAID.frf", "Y");
        TFrDocPrintForm form;
        bool voucherShown = false;
        testsupport::whenShown<TFrDocPrintForm>([&](TFrDocPrintForm *d) {
            testsupport::whenShown<TFrDocPrintFormGLAuto>([&](TFrDocPrintFormGLAuto *v) {
                voucherShown = true;
                v->BPrint->click();
                v->BDisplay->click();
                QVERIFY2(v->isVisible(), "the voucher dialog stays open after printing");
                v->BExit->click();
            });
            d->BPrint->click();
        });
        form.run("PP26-0000001 ", 2026, "PREPAID");
        QVERIFY(voucherShown);
        QVERIFY(!form.isVisible());
        QCOMPARE(m_output->printed.size(), 2);
        QCOMPARE(m_output->printed[0].texts(), QStringList{"Form PP26-0000001 by ADMIN"});
        QCOMPARE(m_output->printed[1].texts(), QStringList{"Voucher PP26-0000001 2026 A-PAID"});
        QCOMPARE(m_output->previews.size(), 1);
        QVERIFY(m_output->previews[0].allowPrinting);
        const QList<QPair<int, QString>> expected{{5, "PP26-0000001 "}, {5, "PP26-0000001 "}, {10, "PP26-0000001 "}};
        QCOMPARE(userLog(), expected);
    }

    void twoFormsStayOpenForTheSecond()
    {
        setAutoGenGL("N");
        addForm("FRPRERCPT", 2, "Second copy", "FRPRERCPT.frf", "N");
        TFrDocPrintForm form;
        bool stillOpen = false;
        testsupport::whenShown<TFrDocPrintForm>([&](TFrDocPrintForm *d) {
            d->BPrint->click();
            stillOpen = d->isVisible();
            d->SystemFormList->setCurrentIndex(d->SystemFormList->model()->index(1, 2));
            d->BDisplay->click();
            d->BExit->click();
        });
        form.run("PR26-0000001", 2026, "FRPRERCPT");
        QVERIFY(stillOpen);
        QCOMPARE(m_output->printed.size(), 1);
        QCOMPARE(m_output->previews.size(), 1);
        QVERIFY2(!m_output->previews[0].allowPrinting, "ShowPrintPreview N: preview only");
        QVERIFY(!TFrDocPrintForm::voucherDialog());
    }

    void aPrintCodeWithoutFormsClosesAtOnceAndTheVoucherStillOpens()
    {
        TFrDocPrintForm form;
        QString voucherCaption;
        testsupport::whenShown<TFrDocPrintFormGLAuto>([&](TFrDocPrintFormGLAuto *v) {
            voucherCaption = v->LbCaption->text();
            QVERIFY(!v->SystemFormList->isVisible());
            v->BExit->click();
        });
        form.run("X1", 2026, "NO-SUCH-CODE");
        QCOMPARE(form.FormCount, 0);
        QCOMPARE(voucherCaption, QStringLiteral("พิมพ์ใบบันทึกรายการบัญชี"));
    }

    void faultsAreShownAndNothingIsLoggedOrPrinted_data()
    {
        QTest::addColumn<QString>("templateText");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing template") << QString() << QStringLiteral("ยังไม่ได้กำหนดรูปแบบเอกสาร เพื่อพิมพ์");
        QTest::newRow("broken template") << "<report><band"
                                         << "FRPREPAID.frf";
        QTest::newRow("failing expression") << "<report><band type=\"title\" height=\"5\"><text x=\"0\" y=\"0\" "
                                               "width=\"9\" height=\"5\">[Nothing.Here]</text></band></report>"
                                            << "Nothing.Here";
    }
    void faultsAreShownAndNothingIsLoggedOrPrinted()
    {
        QFETCH(QString, templateText);
        QFETCH(QString, message);
        setAutoGenGL("N");
        QFile::remove(m_env->filePath("FRPREPAID.frf"));
        if (!templateText.isEmpty())
            writeTemplate("FRPREPAID.frf", templateText.toUtf8().constData());
        TFrDocPrintForm form;
        testsupport::whenShown<TFrDocPrintForm>([](TFrDocPrintForm *d) {
            d->BPrint->click();
            d->BDisplay->click();
            d->BExit->click();
        });
        form.run("PP26-0000001", 2026, "FRPREPAID");
        const QStringList shown = m_env->prompter().texts();
        QCOMPARE(shown.size(), 2);
        QVERIFY2(shown[0].contains(message), qPrintable(shown[0]));
        QVERIFY(m_output->printed.isEmpty());
        QVERIFY(m_output->previews.isEmpty());
        QVERIFY(userLog().isEmpty());
    }

    void noPrinterRaisesTheInvalidPrinterError()
    {
        m_output->printerInstalled = false;
        TFrDocPrintForm form;
        form.DocNo = "PP26-0000001";
        form.PrintCode = "FRPREPAID";
        form.FormShow();
        try {
            form.BPrintClick();
            QFAIL("printing without a printer succeeded");
        } catch (const ReportError &e) {
            QVERIFY(e.message().contains("Printer selected is not valid"));
        }
        QVERIFY(userLog().isEmpty());
    }

    void f11ShowsTheTemplateFileName()
    {
        setAutoGenGL("N");
        TFrDocPrintForm form;
        testsupport::whenShown<TFrDocPrintForm>([](TFrDocPrintForm *d) {
            QTest::keyClick(d->SystemFormList, Qt::Key_F11);
            d->MIShowFrfName->trigger();
            QTest::keyClick(d, Qt::Key_Escape);
        });
        form.run("PP26-0000001", 2026, "FRPREPAID");
        QCOMPARE(m_env->prompter().texts(), (QStringList{"FRPREPAID.frf", "FRPREPAID.frf"}));
        QVERIFY(!form.isVisible());
    }

    void enterInTheListPrints()
    {
        setAutoGenGL("N");
        TFrDocPrintForm form;
        testsupport::whenShown<TFrDocPrintForm>(
            [](TFrDocPrintForm *d) { QTest::keyClick(d->SystemFormList, Qt::Key_Return); });
        form.run("PP26-0000001", 2026, "FRPREPAID");
        QCOMPARE(m_output->printed.size(), 1);
        QVERIFY(!form.isVisible());
    }

    void missingVoucherTemplateIsReported()
    {
        QFile::remove(m_env->filePath("Form_GLAuto.frf"));
        TFrDocPrintFormGLAuto voucher;
        testsupport::whenShown<TFrDocPrintFormGLAuto>([](TFrDocPrintFormGLAuto *v) {
            v->BPrint->click();
            v->BExit->click();
        });
        voucher.run("PP26-0000001", 2026, "FRPREPAID");
        QCOMPARE(m_env->prompter().texts(), QStringList{QStringLiteral("ไม่พบฟอร์ม บันทึกบัญชี")});
        QVERIFY(m_output->printed.isEmpty());
        QVERIFY(userLog().isEmpty());
    }

    void preparationProcedureRunsBeforeTheReport()
    {
        setAutoGenGL("N");
        writeTemplate("FRRC.frf",
                      R"(<report><dataset name="S">select count(*) N from RptSettlement where DocNo = :DocNo</dataset>
            <band type="title" height="5"><text x="0" y="0" width="90" height="5">rows [S.N]</text></band></report>)");
        const QString rcNo = "RC26-0000009";
        data::Params p;
        p.set("No", rcNo);
        m_env->company().execute("insert into FrRCHD (Id, RcNo, RcDate, FrCustomer, RcAmount, Currency, RcExchange)"
                                 " values (900, :No, '2026-03-01 00:00:00', 1, 300, 1, 35)",
                                 p);
        m_env->company().execute("insert into FrRcDt (RecNo, FrRcHD, RcDoctype, RcDocId, RcDocTotal, RcDocAmount)"
                                 " values (1, 900, 'I', 1, 1000, 200), (2, 900, 'I', 2, 2500, 100)");
        const int lines = 2;
        TFrDocPrintForm form;
        testsupport::whenShown<TFrDocPrintForm>([](TFrDocPrintForm *d) { d->BPrint->click(); });
        form.run(rcNo, 2026, "FRRC");
        QCOMPARE(m_output->printed.size(), 1);
        QCOMPARE(m_output->printed[0].texts(), QStringList{QStringLiteral("rows %1").arg(lines)});
    }

    void voucherCodes_data()
    {
        QTest::addColumn<QString>("printCode");
        QTest::addColumn<QString>("voucher");
        for (const char *c : {"ARRCPT", "PRERCPT", "MISCRCPT", "RCPTVEN"})
            QTest::newRow(c) << c << "A-RCPT";
        for (const char *c : {"APPAID", "PREPAID", "MISCPAID"})
            QTest::newRow(c) << c << "A-PAID";
        for (const char *c : {"MR01", "PC", "PR05", "VCN1", "VDN", "ACLUPAID"})
            QTest::newRow(c) << c << "A-PURC";
        for (const char *c : {"IV05", "SR1", "POS", "CCN2", "CDN", "ACLURCPT"})
            QTest::newRow(c) << c << "A-SALE";
        for (const char *c : {"BANKCASH1", "BANKTR", "RCCHQDP", "RCCHQCL", "RCCHQRD", "PDCHQDP", "PDCHQRD"})
            QTest::newRow(c) << c << "A-BANK";
        for (const char *c : {"FRPRERCPT", "FRMISCPAID", "HOLDINGTAX", "XPRERCPT", "ARRCPT2", "iv05"})
            QTest::newRow(c) << c << c;
    }
    void voucherCodes()
    {
        QFETCH(QString, printCode);
        QFETCH(QString, voucher);
        QCOMPARE(TFrDocPrintFormGLAuto::VoucherCode(printCode), voucher);
    }

    void templatesComeFromTheWorkingDirectory()
    {
        QCOMPARE(TFrDocPrintForm::templatePath("RC01.frf"), QDir::current().filePath("RC01.frf"));
        QCOMPARE(TFrDocPrintForm::templatePath(" \\RC01.frf "), QDir::current().filePath("RC01.frf"));
    }
};

QTEST_MAIN(TestPrintDialog)
#include "test_print_dialog.moc"
