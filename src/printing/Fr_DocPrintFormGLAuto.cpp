#include "Fr_DocPrintFormGLAuto.h"

#include "DmConfig.h"
#include "Prompter.h"

#include <QFileInfo>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace printing {

TFrDocPrintFormGLAuto::TFrDocPrintFormGLAuto(QWidget *parent) : TFrDocPrintForm(parent)
{
    setObjectName("FrDocPrintFormGLAuto");
    setFixedSize(381, 322);
    SystemFormList->hide();
    LbCaption = new QLabel(QStringLiteral("พิมพ์ใบบันทึกรายการบัญชี"), this);
    LbCaption->setObjectName("LbCaption");
    LbCaption->setAlignment(Qt::AlignCenter);
    QFont font = LbCaption->font();
    font.setPointSize(20);
    font.setBold(true);
    LbCaption->setFont(font);
    m_layout->insertWidget(0, LbCaption, 1);
}

QString TFrDocPrintFormGLAuto::VoucherCode(const QString &printCode)
{
    auto isOneOf = [&](std::initializer_list<const char *> codes) {
        for (const char *c : codes)
            if (printCode == QLatin1String(c))
                return true;
        return false;
    };
    auto beginsWith = [&](std::initializer_list<const char *> prefixes) {
        for (const char *p : prefixes)
            if (printCode.startsWith(QLatin1String(p)))
                return true;
        return false;
    };
    if (isOneOf({"ARRCPT", "PRERCPT", "MISCRCPT", "RCPTVEN"}))
        return QStringLiteral("A-RCPT");
    if (isOneOf({"APPAID", "PREPAID", "MISCPAID"}))
        return QStringLiteral("A-PAID");
    if (beginsWith({"MR", "PC", "PR", "VCN", "VDN"}) || isOneOf({"ACLUPAID"}))
        return QStringLiteral("A-PURC");
    if (beginsWith({"IV", "SR", "POS", "CCN", "CDN"}) || isOneOf({"ACLURCPT"}))
        return QStringLiteral("A-SALE");
    if (beginsWith({"BANKCASH", "BANKTR"}) || isOneOf({"RCCHQDP", "RCCHQCL", "RCCHQRD", "PDCHQDP", "PDCHQRD"}))
        return QStringLiteral("A-BANK");
    return printCode;
}

void TFrDocPrintFormGLAuto::FormShow()
{
    FormCount = 0;
    placeTopRight();
    const bool thai = app::TDMConfig::instance().ThaiPrompts;
    setTexts(thai);
    setWindowTitle(thai ? QString() : QStringLiteral("Print Document"));
    SystemFormList->setToolTip(QString());
}

void TFrDocPrintFormGLAuto::runForm(bool preview)
{
    const QString path = templatePath(QStringLiteral("Form_GLAuto.frf"));
    if (!QFileInfo::exists(path)) {
        app::Prompter::instance().message(QStringLiteral("ไม่พบฟอร์ม บันทึกบัญชี"));
        return;
    }
    PrintCode = VoucherCode(PrintCode);
    runTemplate(path, preview, true, [this](Report &report) {
        report.setVariable("DocNo", DocNo.trimmed());
        report.setVariable("DocYear", DocYear);
        report.setVariable("PrintCode", PrintCode.trimmed());
        report.setVariable("DatabaseName", app::TDMConfig::instance().DatabaseName.trimmed());
    });
}

} // namespace printing
