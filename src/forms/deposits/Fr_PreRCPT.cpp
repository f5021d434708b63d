#include "Fr_PreRCPT.h"

#include "DataSet.h"
#include "DataWidgets.h"
#include "Dm.h"
#include "DmConfig.h"
#include "Fr_DocPrintForm.h"
#include "IdLookupEdit.h"
#include "KeptDialogs.h"
#include "LookupFrames.h"
#include "Prompter.h"
#include "SearchMembers.h"
#include "Utility.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace framework;

namespace deposits {

namespace {

const char *const KindError = "เกิดข้อผิดผลาด ในการส่งค่า \rกรุณาติดต่อทาง QLM Software !";
const char *const SaveKindError = "เกิดข้อผิดผลาด ในการส่งค่า \r กรุณาติดต่อทาง QLM Software !";

CalcEdit *calcEdit(const char *name, const QString &format, int decimals, bool readOnly, QWidget *parent)
{
    auto *e = new CalcEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setDisplayFormat(format);
    e->setDecimals(decimals);
    e->setReadOnly(readOnly);
    e->setAlignment(Qt::AlignRight);
    if (readOnly)
        e->setFocusPolicy(Qt::NoFocus);
    return e;
}

QLabel *label(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

// The kind messages of a number whose BeginBalance does not fit the window.
QString wrongKindMessage(const QString &docKind, const QString &beginBalance)
{
    if (docKind == QLatin1String("BR") && beginBalance == QLatin1String("N"))
        return QStringLiteral("เอกสารนี้ไม่ได้เป็น รับมัดจำยกมา ต่างประเทศ !");
    if (docKind == QLatin1String("R") && beginBalance == QLatin1String("Y"))
        return QStringLiteral("เอกสารนี้ไม่ได้เป็น รับมัดจำ ต่างประเทศ !");
    if (docKind == QLatin1String("BP") && beginBalance == QLatin1String("N"))
        return QStringLiteral("เอกสารนี้ไม่ได้เป็น จ่ายเงินมัดจำยกมา ต่างประเทศ !");
    if (docKind == QLatin1String("P") && beginBalance == QLatin1String("Y"))
        return QStringLiteral("เอกสารนี้ไม่ได้เป็น จ่ายเงินมัดจำ ต่างประเทศ !");
    return {};
}

} // namespace

TFrPreRCPT::TFrPreRCPT(QWidget *parent) : TFrPreRCPT(QStringLiteral("R"), parent) {}

TFrPreRCPT::TFrPreRCPT(const QString &layoutKind, QWidget *parent)
    : TFrForm(parent), m_showPrintDialog(&printing::TFrDocPrintForm::showFor)
{
    buildControls(layoutKind);
}

void TFrPreRCPT::buildControls(const QString &layoutKind)
{
    QWidget *area = clientArea();
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    FaGetDocNo1 = new TFaGetDocNo(area);
    FaGetDocNo1->setObjectName(QStringLiteral("FaGetDocNo1"));
    grid->addWidget(FaGetDocNo1, 0, 0, 1, 2);
    grid->addWidget(label(QStringLiteral("วันที่"), area), 0, 2);
    DBDateEdit1 = new DbDateEdit(area);
    DBDateEdit1->setObjectName(QStringLiteral("DBDateEdit1"));
    grid->addWidget(DBDateEdit1, 0, 3);

    FaGetFrCustomer1 = new TFaGetFrCustomer(area);
    FaGetFrCustomer1->setObjectName(QStringLiteral("FaGetFrCustomer1"));
    FaGetFrCustomer1->Label1->setText(QStringLiteral("ลูกค้า"));
    grid->addWidget(FaGetFrCustomer1, 1, 0, 1, 4);

    FaGetRemark1 = new TFaGetRemark(area);
    FaGetRemark1->setObjectName(QStringLiteral("FaGetRemark1"));
    grid->addWidget(FaGetRemark1, 2, 0, 1, 4);

    GroupDetail = new QGroupBox(QStringLiteral("รายละเอียด"), area);
    GroupDetail->setObjectName(QStringLiteral("GroupDetail"));
    auto *detail = new QHBoxLayout(GroupDetail);
    FaGetTaxCode1 = new TFaGetTaxCode(GroupDetail);
    FaGetTaxCode1->setObjectName(QStringLiteral("FaGetTaxCode1"));
    detail->addWidget(FaGetTaxCode1);
    detail->addStretch();
    grid->addWidget(GroupDetail, 3, 0, 1, 4);

    grid->addWidget(label(QStringLiteral("จำนวนเงิน"), area), 4, 0);
    RxDBCalcEdit1 = calcEdit("RxDBCalcEdit1", QStringLiteral("#,##0.00"), 2, false, area);
    grid->addWidget(RxDBCalcEdit1, 4, 1);
    FaGetCurrency1 = new TFaGetCurrency(area);
    FaGetCurrency1->setObjectName(QStringLiteral("FaGetCurrency1"));
    grid->addWidget(FaGetCurrency1, 4, 2, 1, 2);

    GroupExchange = new QGroupBox(QStringLiteral("อัตราแลกเปลี่ยน"), area);
    GroupExchange->setObjectName(QStringLiteral("GroupExchange"));
    auto *exchange = new QGridLayout(GroupExchange);
    RxDBCalcEdit2 = calcEdit("RxDBCalcEdit2", QStringLiteral(",0.#######"), 7, false, GroupExchange);
    exchange->addWidget(RxDBCalcEdit2, 0, 0);
    exchange->addWidget(label(QStringLiteral("คิดเป็นเงินบาท"), GroupExchange), 0, 1);
    RxDBCalcEdit3 = calcEdit("RxDBCalcEdit3", QStringLiteral("#,##0.00"), 2, true, GroupExchange);
    exchange->addWidget(RxDBCalcEdit3, 0, 2);
    grid->addWidget(GroupExchange, 5, 0, 1, 4);

    GroupBank = new QGroupBox(QStringLiteral("ธนาคาร"), area);
    GroupBank->setObjectName(QStringLiteral("GroupBank"));
    auto *bank = new QGridLayout(GroupBank);
    bank->addWidget(label(QStringLiteral("หักค่าธรรมเนียมธนาคาร"), GroupBank), 0, 0);
    RxDBCalcEdit4 = calcEdit("RxDBCalcEdit4", QStringLiteral("#,##0.00"), 2, false, GroupBank);
    bank->addWidget(RxDBCalcEdit4, 0, 1);
    LbBankTotal = label(QStringLiteral("รวมยอดรับ"), GroupBank);
    bank->addWidget(LbBankTotal, 0, 2);
    RxDBCalcEdit5 = calcEdit("RxDBCalcEdit5", QStringLiteral("#,##0.00"), 2, true, GroupBank);
    bank->addWidget(RxDBCalcEdit5, 0, 3);
    FaGetCompanyBank1 = new TFaGetCompanyBank(GroupBank);
    FaGetCompanyBank1->setObjectName(QStringLiteral("FaGetCompanyBank1"));
    bank->addWidget(FaGetCompanyBank1, 1, 0, 1, 4);
    grid->addWidget(GroupBank, 6, 0, 1, 4);
    grid->setRowStretch(7, 1);

    // The layout of the window's own kind; DocKind decides again on show.
    const bool received = layoutKind == QLatin1String("R") || layoutKind == QLatin1String("BR");
    FaGetFrCustomer1->setVisible(received);
    GroupDetail->setVisible(layoutKind == QLatin1String("R"));
    GroupBank->setVisible(!layoutKind.startsWith(QLatin1Char('B')));
    fitToContents();

    connect(FaGetDocNo1, &TFaGetDocNo::DocNoExit, this, &TFrPreRCPT::FaGetDocNo1DocNoExit);
    connect(FaGetDocNo1->BtSearch, &QPushButton::clicked, this, &TFrPreRCPT::FaGetDocNo1BtSearchClick);
    connect(RxDBCalcEdit2, &CalcEdit::exited, this, &TFrPreRCPT::RxDBCalcEdit2Exit);
    connect(RxDBCalcEdit4, &CalcEdit::exited, this, &TFrPreRCPT::RxDBCalcEdit4Exit);
}

TFaFrame *TFrPreRCPT::partyFrame() const
{
    return FaGetFrCustomer1;
}

TFrPrePDPT::TFrPrePDPT(QWidget *parent) : TFrPrePDPT(QStringLiteral("P"), parent) {}

TFrPrePDPT::TFrPrePDPT(const QString &layoutKind, QWidget *parent) : TFrPreRCPT(layoutKind, parent)
{
    FaGetFrVendor1 = new TFaGetFrVendor(clientArea());
    FaGetFrVendor1->setObjectName(QStringLiteral("FaGetFrVendor1"));
    auto *grid = static_cast<QGridLayout *>(clientArea()->layout());
    grid->addWidget(FaGetFrVendor1, 1, 0, 1, 4);
    setTabOrder(DBDateEdit1, FaGetFrVendor1->editor());
    setTabOrder(FaGetFrVendor1->editor(), FaGetRemark1->editor());
}

TFaFrame *TFrPrePDPT::partyFrame() const
{
    return FaGetFrVendor1;
}

// ---- kind, layout and bindings ----------------------------------------------

bool TFrPreRCPT::ensureDocument()
{
    DepositKind kind;
    if (!DepositKind::forDocKind(DocKind, &kind))
        return false;
    if (!m_document || m_document->kind().docKind != DocKind) {
        m_document = std::make_unique<DepositDocument>(kind);
        bindControls();
        applyKindLayout();
    }
    return true;
}

void TFrPreRCPT::bindControls()
{
    data::DataSet *q = &m_document->QPRE();
    const bool received = m_document->kind().received;
    FaGetDocNo1->bind(q, QStringLiteral("PreNo"));
    DBDateEdit1->bind(q, QStringLiteral("PreDate"));
    partyFrame()->bind(q, m_document->kind().partyColumn);
    FaGetRemark1->bind(q, QStringLiteral("Remark"));
    if (received)
        FaGetTaxCode1->bind(q, QStringLiteral("TaxCode"));
    RxDBCalcEdit1->bind(q, QStringLiteral("PreAmount"));
    FaGetCurrency1->bind(q, QStringLiteral("Currency"));
    RxDBCalcEdit2->bind(q, QStringLiteral("PreExchange"));
    RxDBCalcEdit3->bind(q, QStringLiteral("PreBahtAmount"));
    RxDBCalcEdit4->bind(q, QStringLiteral("PreCharge"));
    if (received)
        RxDBCalcEdit5->bind(q, QStringLiteral("PreBankTotal"));
    FaGetCompanyBank1->bind(q, QStringLiteral("CompanyBank"));
}

void TFrPreRCPT::applyKindLayout()
{
    const DepositKind &k = m_document->kind();
    FaGetFrCustomer1->setVisible(k.received);
    partyFrame()->setVisible(true);
    GroupDetail->setVisible(k.docKind == QLatin1String("R"));
    GroupBank->setVisible(!k.broughtForward);
    LbBankTotal->setVisible(k.docKind == QLatin1String("R"));
    RxDBCalcEdit5->setVisible(k.docKind == QLatin1String("R"));
    fitToContents();
}

void TFrPreRCPT::fitToContents()
{
    // The window is fixed in size; it takes the height its visible groups need.
    clientArea()->layout()->activate();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    adjustSize();
    setClientSize(660, qMax(sizeHint().height(), minimumSizeHint().height()));
}

void TFrPreRCPT::setDocumentControlsEnabled(bool enabled)
{
    partyFrame()->setEnabled(enabled);
    FaGetCurrency1->setEnabled(enabled);
    FaGetCompanyBank1->setEnabled(enabled);
}

void TFrPreRCPT::setNumberEntryEnabled(bool enabled)
{
    FaGetDocNo1->DocNo->setEnabled(enabled);
    FaGetDocNo1->BtSearch->setEnabled(enabled);
}

void TFrPreRCPT::postFocusedEditor()
{
    QWidget *w = QApplication::focusWidget();
    if (auto *e = qobject_cast<CalcEdit *>(w))
        e->post();
    else if (auto *d = qobject_cast<DbDateEdit *>(w))
        d->post();
    else if (auto *t = qobject_cast<DbEdit *>(w))
        t->post();
    else if (auto *code = qobject_cast<TKIdLookup *>(w))
        code->resolve(); // the row saved is the one whose code is on screen
}

void TFrPreRCPT::refuse(const QString &message)
{
    app::Prompter::instance().message(message, app::Prompter::Information);
    AcNewExecute();
}

// ---- handlers ----------------------------------------------------------------

void TFrPreRCPT::FormShow()
{
    app::TDM::instance().CompanyConnection();
    const app::TDMConfig &session = app::TDMConfig::instance();
    setWindowTitle(session.MenuCaption);
    setStatusText(0, session.CompanyNameThai);
    TFrForm::FormShow();
    AcNewExecute();
}

void TFrPreRCPT::AcNewExecute()
{
    TFrForm::AcNewExecute();
    if (!ensureDocument()) {
        app::Prompter::instance().message(QString::fromUtf8(KindError), app::Prompter::Error);
        return;
    }
    app::TDM &dm = app::TDM::instance();
    m_docLength = dm.GetDocumentLength(m_document->kind().docCode);
    m_document->load(QString());
    m_document->edit();
    m_document->QPRE().setValue(QStringLiteral("PreDate"), QDateTime(QDate::currentDate(), QTime(0, 0)));
    setDocumentControlsEnabled(false);
    setNumberEntryEnabled(true);
    FaGetDocNo1->DocNo->setFocus();
}

void TFrPreRCPT::FaGetDocNo1DocNoExit()
{
    if (!m_document || !FaGetDocNo1->DocNo->isEnabled())
        return;
    app::TDM &dm = app::TDM::instance();
    const QString typed = FaGetDocNo1->DocNo->text();
    if (!dm.AutoRunDocNo && typed.trimmed().isEmpty()) {
        app::Prompter::instance().message(QStringLiteral("จะต้องป้อนเลขที่เอกสาร !"), app::Prompter::Warning);
        FaGetDocNo1->DocNo->setFocus();
        return;
    }
    const QString number = app::PadLeft(typed, m_docLength, QLatin1Char(' '));
    m_document->load(number);
    data::DataSet &q = m_document->QPRE();
    const bool isNew = m_document->isNew();
    if (!isNew) {
        const QString wrong = wrongKindMessage(DocKind, q.value(QStringLiteral("BeginBalance")).toString());
        if (!wrong.isEmpty())
            return refuse(wrong);
        if (q.value(QStringLiteral("Delflag")).toString() == QLatin1String("Y"))
            return refuse(QStringLiteral("เอกสารถูกยกเลิกแล้ว"));
    }

    const app::TDMConfig &session = app::TDMConfig::instance();
    AcDel->setEnabled(!isNew && session.CanDelete);
    setNumberEntryEnabled(false);
    AcSave->setEnabled(isNew ? session.CanAdd : session.CanModify);

    m_document->edit();
    if (isNew) {
        q.setValue(QStringLiteral("PreDate"), QDateTime(QDate::currentDate(), QTime(0, 0)));
        q.setValue(QStringLiteral("PreNo"), dm.AutoRunDocNo ? QString() : number);
    }
    setDocumentControlsEnabled(true);
    DBDateEdit1->setFocus();
}

void TFrPreRCPT::FaGetDocNo1BtSearchClick()
{
    TFrSearchDeposit *dialog = nullptr;
    if (DocKind == QLatin1String("R") || DocKind == QLatin1String("BR")) {
        dialog = &KeptDialogs::get<TFrSearchFrPreRcpt>();
        dialog->DelTable = QStringLiteral("FrPreRcpt");
    } else if (DocKind == QLatin1String("P") || DocKind == QLatin1String("BP")) {
        dialog = &KeptDialogs::get<TFrSearchFrPrePdPt>();
        dialog->DelTable = QStringLiteral("FrPrePaid");
    } else {
        return;
    }
    dialog->OpenOnly = false;
    dialog->BeginBalanceOnly = DocKind.startsWith(QLatin1Char('B'));
    if (dialog->exec() == QDialog::Accepted) {
        FaGetDocNo1->DocNo->setText(dialog->ReturnValue);
        FaGetDocNo1->DocNo->setFocus();
    }
}

void TFrPreRCPT::RxDBCalcEdit2Exit()
{
    if (m_document && m_document->QPRE().currentRow() >= 0)
        m_document->computeBahtAmount();
}

void TFrPreRCPT::RxDBCalcEdit4Exit()
{
    if (DocKind != QLatin1String("R") || !m_document || m_document->QPRE().currentRow() < 0)
        return;
    if (!m_document->computeBankTotal())
        app::Prompter::instance().message(QStringLiteral("กรุณาตรวจสอบ จำนวนเงินหักค่าธรรมเนียมธนาคาร "),
                                          app::Prompter::Warning);
}

void TFrPreRCPT::AcSaveExecute()
{
    if (!AcSave->isEnabled())
        return;
    if (DocKind.isEmpty() || !m_document) {
        app::Prompter::instance().message(QString::fromUtf8(SaveKindError), app::Prompter::Error);
        return;
    }
    postFocusedEditor();
    if (!app::Prompter::instance().confirm(QStringLiteral("บันทึก") + windowTitle() + QStringLiteral(" ?")))
        return;
    const QString number = m_document->save();
    m_showPrintDialog(number, m_document->documentYear(), m_document->kind().docCode);
    AcNewExecute();
}

void TFrPreRCPT::AcDelExecute()
{
    if (!AcDel->isEnabled() || !m_document)
        return;
    if (!app::Prompter::instance().confirm(QStringLiteral("ลบ") + windowTitle() + QStringLiteral(" ?")))
        return;
    const QString number = m_document->QPRE().oldValue(QStringLiteral("PreNo")).toString();
    m_document->cancel(number);
    AcNewExecute();
}

} // namespace deposits
