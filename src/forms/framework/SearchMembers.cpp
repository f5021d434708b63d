#include "SearchMembers.h"

#include "Connection.h"
#include "DataSet.h"
#include "DmConfig.h"
#include "KeptDialogs.h"
#include "LookupFrames.h"
#include "Prompter.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QMenu>

namespace framework {

namespace {
const QString money = QStringLiteral("#,##0.00");

QString contains(const QString &text)
{
    return QStringLiteral("%") + text + QStringLiteral("%");
}
QString endsWith(const QString &text)
{
    return QStringLiteral("%") + text;
}
QString startsWith(const QString &text)
{
    return text + QStringLiteral("%");
}

QString concat(const QStringList &parts)
{
    return data::Connection::byAlias(QStringLiteral("DMDATA")).dialect().concat(parts);
}

// Members with a party frame: reopen the scratch record; a preset party is
// written into it (the frame shows it) and the typed text gets the focus,
// otherwise the party code does.
void prepareParty(data::DataSet *scratch, const QString &field, int partyId, QWidget *code, QWidget *partyEdit)
{
    reopenScratchRecord(scratch);
    if (partyId > 0) {
        scratch->setValue(field, partyId);
        code->setFocus();
    } else {
        partyEdit->setFocus();
    }
}

qlonglong scratchId(data::DataSet *scratch, const QString &field)
{
    return scratch->isOpen() && scratch->currentRow() >= 0 ? scratch->value(field).toLongLong() : 0;
}
} // namespace

// ---- TFrSearchMisc ------------------------------------------------------

TFrSearchMisc::TFrSearchMisc(QWidget *parent) : TFrSearch(parent)
{
    setObjectName(QStringLiteral("FrSearchMisc"));
    Label3->setText(QStringLiteral("รายละเอียด"));
    QSearch->SQL = {QStringLiteral("Select Id, Code, Description From Misc"),
                    QStringLiteral("Where (GroupCode = :GetGroup) And (Description Like :GetCode)"),
                    QStringLiteral("Order By Description")};
    DgSearch->setColumns({{QStringLiteral("Description"), QStringLiteral("รายละเอียด"), 380},
                          {QStringLiteral("Code"), QStringLiteral("รหัส"), 100}});
}

void TFrSearchMisc::FormShow()
{
    TFrSearch::FormShow();
    ReturnField = MiscReturnField;
    BtSearchClick();
}

void TFrSearchMisc::BtSearchClick()
{
    QSearch->setParam(QStringLiteral("GetGroup"), MiscGroup);
    QSearch->setParam(QStringLiteral("GetCode"), contains(Code->text().trimmed()));
    runSearch();
}

// ---- TFrSearchCompanyBank ---------------------------------------------------

TFrSearchCompanyBank::TFrSearchCompanyBank(QWidget *parent) : TFrSearch(parent)
{
    setObjectName(QStringLiteral("FrSearchCompanyBank"));
    setWindowTitle(QStringLiteral("ค้นหาธนาคารของกิจการ"));
    Label3->setText(QStringLiteral("ชื่อ"));
    DgSearch->setColumns({{QStringLiteral("BankCode"), QStringLiteral("รหัส"), 80},
                          {QStringLiteral("BankName"), QStringLiteral("ชื่อธนาคาร"), 260},
                          {QStringLiteral("AccountNo"), QStringLiteral("เลขที่บัญชี"), 140}});
}

void TFrSearchCompanyBank::FormShow()
{
    TFrSearch::FormShow();
    ReturnField = QStringLiteral("BankCode");
}

void TFrSearchCompanyBank::BtSearchClick()
{
    QSearch->SQL = {QStringLiteral("Select Id, BankCode, BankName, AccountNo, Blocked From CompanyBank"),
                    QStringLiteral("Where (BankName Like :GetName)")};
    if (ActiveOnly)
        QSearch->SQL << QStringLiteral("And (Blocked<>'Y')");
    QSearch->SQL << QStringLiteral("Order By BankName");
    QSearch->setParam(QStringLiteral("GetName"), contains(Code->text().trimmed()));
    runSearch();
}

// ---- TFrSearchProject ---------------------------------------------------

TFrSearchProject::TFrSearchProject(QWidget *parent) : TFrSearch(parent)
{
    setObjectName(QStringLiteral("FrSearchProject"));
    setWindowTitle(QStringLiteral("ค้นหา หน่วยงานโครงการ"));
    Label3->setText(QStringLiteral("รายละเอียด"));
    Code->setProperty("upperCase", false);
    auto *codeLabel = new QLabel(QStringLiteral("รหัส"), PanelHeader);
    EdCode = new QLineEdit(PanelHeader);
    EdCode->setObjectName(QStringLiteral("EdCode"));
    connect(EdCode, &QLineEdit::textEdited, EdCode, [this](const QString &t) {
        if (t != t.toUpper())
            EdCode->setText(t.toUpper());
    });
    CbStatus = new QComboBox(PanelHeader);
    CbStatus->setObjectName(QStringLiteral("CbStatus"));
    HeaderLayout->insertWidget(2, codeLabel);
    HeaderLayout->insertWidget(3, EdCode);
    HeaderLayout->insertWidget(4, CbStatus);
    QSearch->SQL = {QStringLiteral("Select id, code, description, Blocked, Closed From Project"),
                    QStringLiteral("Where (description like :getdesc) And (Code like :GetCode)"), QString(),
                    QStringLiteral("Order By code")};
    DgSearch->setColumns({{QStringLiteral("code"), QStringLiteral("รหัส"), 100},
                          {QStringLiteral("description"), QStringLiteral("รายละเอียด"), 280},
                          {QStringLiteral("Closed"), QStringLiteral("ปิด"), 40},
                          {QStringLiteral("Blocked"), QStringLiteral("ระงับ"), 40}});
}

void TFrSearchProject::FormShow()
{
    TFrSearch::FormShow();
    ReturnField = QStringLiteral("CODE");
    EdCode->clear();
    CbStatus->clear();
    CbStatus->addItem(QStringLiteral("ทั้งหมด"), QString());
    CbStatus->addItem(QStringLiteral("ปิดแล้ว"), QStringLiteral("Y"));
    CbStatus->addItem(QStringLiteral("ยังไม่ปิด"), QStringLiteral("N"));
    if (!SkipBlockedPreset)
        CbStatus->addItem(QStringLiteral("ระงับ"), QStringLiteral("B"));
    CbStatus->setCurrentIndex(qMax(0, CbStatus->findData(ClosedFilter)));
    BtSearchClick();
}

void TFrSearchProject::BtSearchClick()
{
    const QString status = CbStatus->currentData().toString();
    QSearch->SQL[2] = status == QLatin1String("Y")   ? QStringLiteral(" And Closed = 'Y'")
                      : status == QLatin1String("N") ? QStringLiteral(" And Closed = 'N'")
                      : status == QLatin1String("B") ? QStringLiteral(" And Blocked = 'Y'")
                                                     : QString();
    QSearch->setParam(QStringLiteral("getdesc"), contains(Code->text()));
    QSearch->setParam(QStringLiteral("GetCode"), startsWith(EdCode->text().trimmed()));
    runSearch();
}

// ---- TFrSearchPrettyCash / TFrSearchEmployee ---------------------------------

TFrSearchPrettyCash::TFrSearchPrettyCash(QWidget *parent) : TFrSearch(parent)
{
    setObjectName(QStringLiteral("FrSearchPrettyCash"));
    setWindowTitle(QStringLiteral("ค้นหารหัสเงินสดย่อย"));
    Label3->setText(QStringLiteral("รายละเอียด"));
    QSearch->SQL = {QStringLiteral("Select Id, code, description From prettycash"),
                    QStringLiteral("Where (description like :getdesc)"), QStringLiteral("Order By code")};
    DgSearch->setColumns({{QStringLiteral("code"), QStringLiteral("รหัส"), 100},
                          {QStringLiteral("description"), QStringLiteral("รายละเอียด"), 360}});
}

void TFrSearchPrettyCash::FormShow()
{
    TFrSearch::FormShow();
    ReturnField = QStringLiteral("CODE");
    BtSearchClick();
}

void TFrSearchPrettyCash::BtSearchClick()
{
    QSearch->setParam(QStringLiteral("getdesc"), contains(Code->text()));
    runSearch();
}

TFrSearchEmployee::TFrSearchEmployee(QWidget *parent) : TFrSearch(parent)
{
    setObjectName(QStringLiteral("FrSearchEmployee"));
    setWindowTitle(QStringLiteral("ค้นหารายชื่อพนักงาน"));
    Label3->setText(QStringLiteral("ชื่อ"));
    QSearch->SQL = {QStringLiteral("Select Id, code, Name From Employee"),
                    QStringLiteral("Where (Name like :getdesc) And (Status = 'Y')"), QStringLiteral("Order By code")};
    DgSearch->setColumns(
        {{QStringLiteral("code"), QStringLiteral("รหัส"), 100}, {QStringLiteral("Name"), QStringLiteral("ชื่อ"), 360}});
}

void TFrSearchEmployee::FormShow()
{
    TFrSearch::FormShow();
    ReturnField = QStringLiteral("CODE");
    BtSearchClick();
}

void TFrSearchEmployee::BtSearchClick()
{
    QSearch->setParam(QStringLiteral("getdesc"), contains(Code->text()));
    runSearch();
}

// ---- foreign customers and vendors --------------------------------------

TFrSearchFrParty::TFrSearchFrParty(const QString &table, const QString &caption, QWidget *parent) : TFrSearch(parent)
{
    setWindowTitle(caption);
    Label3->setText(QStringLiteral("ชื่อ"));
    QSearch->SQL = {QStringLiteral("Select C.Id, C.Code, C.Name, N.Description Country, M.Description Currency"),
                    QStringLiteral("From %1 C Left Join Misc N On (N.Id = C.Country)").arg(table),
                    QStringLiteral("Left Join Misc M On (M.Id = C.Currency)"),
                    QStringLiteral("Where (C.Name Like :GetCode)"), QStringLiteral("Order By C.Name")};
    DgSearch->setColumns({{QStringLiteral("Code"), QStringLiteral("รหัส"), 80},
                          {QStringLiteral("Name"), QStringLiteral("ชื่อ"), 240},
                          {QStringLiteral("Country"), QStringLiteral("ประเทศ"), 90},
                          {QStringLiteral("Currency"), QStringLiteral("สกุลเงิน"), 70}});
}

void TFrSearchFrParty::FormShow()
{
    TFrSearch::FormShow();
    ReturnField = QStringLiteral("Code");
}

void TFrSearchFrParty::BtSearchClick()
{
    QSearch->setParam(QStringLiteral("GetCode"), contains(Code->text()));
    runSearch();
}

TFrSearchFrCustomer::TFrSearchFrCustomer(QWidget *parent)
    : TFrSearchFrParty(QStringLiteral("FrCustomer"), QStringLiteral("ค้นหาลูกค้าต่างประเทศ"), parent)
{
    setObjectName(QStringLiteral("FrSearchFrCustomer"));
}

TFrSearchFrVendor::TFrSearchFrVendor(QWidget *parent)
    : TFrSearchFrParty(QStringLiteral("FrVendor"), QStringLiteral("ค้นหาเจ้าหนี้ต่างประเทศ"), parent)
{
    setObjectName(QStringLiteral("FrSearchFrVendor"));
}

// ---- deposits -----------------------------------------------------------

TFrSearchDeposit::TFrSearchDeposit(const QString &table, const QString &partyTable, const QString &partyColumn,
                                   QWidget *parent)
    : TFrSearch(parent)
{
    Label3->setText(QStringLiteral("เลขที่"));
    QNull = makeScratchRecord(QStringLiteral("Select 0 Id From NullTable"), this);
    QSearch->SQL = {
        QStringLiteral("Select Fr.Id, Fr.PreNo, Fr.PreDate, P.Code, P.Name, Fr.PreAmount, Fr.PreBahtAmount,"),
        QStringLiteral("Fr.Remark, Fr.Delflag, Fr.Clear, Fr.BeginBalance"),
        QStringLiteral("From %1 Fr Inner Join %2 P On (P.Id = Fr.%3) /* Dont Move SQL Lines */")
            .arg(table, partyTable, partyColumn),
        QStringLiteral("Where (Fr.PreNo Like :GetNo)"), QStringLiteral("Order By Fr.PreNo")};
    DgSearch->setColumns({{QStringLiteral("PreNo"), QStringLiteral("เลขที่"), 90},
                          {QStringLiteral("PreDate"), QStringLiteral("วันที่"), 75},
                          {QStringLiteral("Code"), QStringLiteral("รหัส"), 60},
                          {QStringLiteral("Name"), QStringLiteral("ชื่อ"), 150},
                          {QStringLiteral("PreAmount"), QStringLiteral("จำนวนเงิน"), 90, money},
                          {QStringLiteral("PreBahtAmount"), QStringLiteral("เงินบาท"), 90, money},
                          {QStringLiteral("Remark"), QStringLiteral("หมายเหตุ"), 150}});
    m_partyColumn = partyColumn;
}

void TFrSearchDeposit::FormShow()
{
    TFrSearch::FormShow();
    ReturnField = QStringLiteral("PreNo");
    prepareParty(QNull, QStringLiteral("Id"), PartyId, Code, partyFrame()->edit());
}

void TFrSearchDeposit::BtSearchClick()
{
    // A party code typed but not yet left counts as entered.
    partyFrame()->edit()->resolve();
    QString where = QStringLiteral("Where (Fr.PreNo Like :GetNo)");
    const qlonglong party = scratchId(QNull, QStringLiteral("Id"));
    if (party > 0) {
        where += QStringLiteral(" And (Fr.%1 = :PartyId)").arg(m_partyColumn);
        QSearch->setParam(QStringLiteral("PartyId"), party);
    }
    if (OpenOnly)
        where += QStringLiteral(" And (Fr.Clear<>'Y')");
    where += BeginBalanceOnly ? QStringLiteral(" And (Fr.BeginBalance = 'Y')")
                              : QStringLiteral(" And (Fr.BeginBalance = 'N')");
    QSearch->SQL[3] = where;
    QSearch->setParam(QStringLiteral("GetNo"), endsWith(Code->text()));
    runSearch();
}

TFrSearchFrPreRcpt::TFrSearchFrPreRcpt(QWidget *parent)
    : TFrSearchDeposit(QStringLiteral("FrPreRcpt"), QStringLiteral("FrCustomer"), QStringLiteral("FrCustomer"), parent)
{
    setObjectName(QStringLiteral("FrSearchFrPreRcpt"));
    setWindowTitle(QStringLiteral("ค้นหา"));
    FaGetFrCustomer1 = new TFaGetFrCustomer(this);
    FaGetFrCustomer1->setObjectName(QStringLiteral("FaGetFrCustomer1"));
    FaGetFrCustomer1->bind(QNull, QStringLiteral("Id"));
    MainLayout->insertWidget(1, FaGetFrCustomer1);
}

TFaIdLookupFrame *TFrSearchFrPreRcpt::partyFrame() const
{
    return FaGetFrCustomer1;
}

TFrSearchFrPrePdPt::TFrSearchFrPrePdPt(QWidget *parent)
    : TFrSearchDeposit(QStringLiteral("FrPrePaid"), QStringLiteral("FrVendor"), QStringLiteral("FrVendor"), parent)
{
    setObjectName(QStringLiteral("FrSearchFrPrePdPt"));
    setWindowTitle(QStringLiteral("คันหาข้อมูล"));
    FaGetFrVendor1 = new TFaGetFrVendor(this);
    FaGetFrVendor1->setObjectName(QStringLiteral("FaGetFrVendor1"));
    FaGetFrVendor1->bind(QNull, QStringLiteral("Id"));
    MainLayout->insertWidget(1, FaGetFrVendor1);
}

TFaIdLookupFrame *TFrSearchFrPrePdPt::partyFrame() const
{
    return FaGetFrVendor1;
}

// ---- export invoices ----------------------------------------------------

TFrSearchExIvNo::TFrSearchExIvNo(QWidget *parent) : TFrSearch(parent)
{
    setObjectName(QStringLiteral("FrSearchExIvNo"));
    setWindowTitle(QStringLiteral("Search Invoice No."));
    Label3->setText(QStringLiteral("เลขที่"));
    QNull = makeScratchRecord(QStringLiteral("Select 0 Id From NullTable"), this);
    FaGetFrCustomer1 = new TFaGetFrCustomer(this);
    FaGetFrCustomer1->setObjectName(QStringLiteral("FaGetFrCustomer1"));
    FaGetFrCustomer1->bind(QNull, QStringLiteral("Id"));
    MainLayout->insertWidget(1, FaGetFrCustomer1);
    QSearch->SQL = {QStringLiteral("Select H.Id, H.IvNo, H.IvDate, C.Code, C.Name, H.Total, H.RcptAmount,"),
                    QStringLiteral("H.DelFlag, H.Clear"),
                    QStringLiteral("From ExIvHd H Inner Join FrCustomer C On (C.Id = H.FrCustomer)"),
                    QStringLiteral("Where (H.IvNo Like :GetNo) And (C.Code Like :GetCode)"),
                    QStringLiteral("And (H.BeginBalance = :BeginFlag)"),
                    QStringLiteral("Order By H.IvNo Desc")};
    DgSearch->setColumns({{QStringLiteral("IvNo"), QStringLiteral("เลขที่"), 90},
                          {QStringLiteral("IvDate"), QStringLiteral("วันที่"), 75},
                          {QStringLiteral("Code"), QStringLiteral("รหัส"), 60},
                          {QStringLiteral("Name"), QStringLiteral("ชื่อ"), 150},
                          {QStringLiteral("Total"), QStringLiteral("ยอดรวม"), 90, money},
                          {QStringLiteral("RcptAmount"), QStringLiteral("รับแล้ว"), 90, money}});
}

void TFrSearchExIvNo::FormShow()
{
    TFrSearch::FormShow();
    ReturnField = QStringLiteral("IvNO");
    prepareParty(QNull, QStringLiteral("Id"), 0, Code, FaGetFrCustomer1->edit());
}

void TFrSearchExIvNo::BtSearchClick()
{
    QSearch->setParam(QStringLiteral("GetNo"), endsWith(Code->text()));
    QSearch->setParam(QStringLiteral("GetCode"), startsWith(FaGetFrCustomer1->edit()->text().trimmed()));
    QSearch->setParam(QStringLiteral("BeginFlag"), BeginFlag);
    runSearch();
}

// ---- receipts -----------------------------------------------------------

TFrSearchFrRc::TFrSearchFrRc(QWidget *parent) : TFrSearch(parent)
{
    setObjectName(QStringLiteral("FrSearchFrRc"));
    setWindowTitle(QStringLiteral("ค้นหาข้อมูล"));
    Label3->setText(QStringLiteral("เลขที่"));
    QNull = makeScratchRecord(QStringLiteral("Select 0 Id From NullTable"), this);
    FaGetFrCustomer1 = new TFaGetFrCustomer(this);
    FaGetFrCustomer1->setObjectName(QStringLiteral("FaGetFrCustomer1"));
    FaGetFrCustomer1->bind(QNull, QStringLiteral("Id"));
    FaGetFrCustomer1->edit()->setEnabled(false);
    MainLayout->insertWidget(1, FaGetFrCustomer1);
    DgSearch->setColumns({{QStringLiteral("RcNo"), QStringLiteral("เลขที่"), 90},
                          {QStringLiteral("RcDate"), QStringLiteral("วันที่"), 75},
                          {QStringLiteral("Customer"), QStringLiteral("ลูกค้า"), 200},
                          {QStringLiteral("RcAmount"), QStringLiteral("จำนวนเงิน"), 90, money},
                          {QStringLiteral("Remark"), QStringLiteral("หมายเหตุ"), 150}});
}

void TFrSearchFrRc::FormShow()
{
    TFrSearch::FormShow();
    ReturnField = QStringLiteral("RcNo");
    reopenScratchRecord(QNull);
    // The number ends with the typed text, or the customer's name contains
    // it; the customer edit is disabled here, so it does not filter.
    QSearch->SQL = {QStringLiteral("Select FR.Id, FR.RcNo, FR.RcDate, %1 Customer, FR.RcAmount, FR.Remark,")
                        .arg(concat({QStringLiteral("FC.Code"), QStringLiteral("' - '"), QStringLiteral("FC.Name")})),
                    QStringLiteral("FR.Delflag, FR.Clear"),
                    QStringLiteral("From FrRcHD FR Inner Join FrCustomer FC On (FC.Id = FR.FrCustomer)"),
                    QStringLiteral("Where ((FR.RcNo Like :GetNo) Or (FC.Name Like :GetName))"),
                    QStringLiteral("Order By FR.RcNo")};
}

void TFrSearchFrRc::BtSearchClick()
{
    QSearch->setParam(QStringLiteral("GetNo"), endsWith(Code->text()));
    QSearch->setParam(QStringLiteral("GetName"), contains(Code->text()));
    runSearch();
}

// ---- payments -----------------------------------------------------------

TFrSearchFrPD::TFrSearchFrPD(QWidget *parent) : TFrSearch(parent)
{
    setObjectName(QStringLiteral("FrSearchFrPD"));
    setWindowTitle(QStringLiteral("ค้นหาข้อมูล"));
    Label3->setText(QStringLiteral("เลขที่"));
    QNull = makeScratchRecord(QStringLiteral("Select 0 Id From NullTable"), this);
    FaGetFrVendor1 = new TFaGetFrVendor(this);
    FaGetFrVendor1->setObjectName(QStringLiteral("FaGetFrVendor1"));
    FaGetFrVendor1->bind(QNull, QStringLiteral("Id"));
    FaGetFrVendor1->edit()->setEnabled(false);
    MainLayout->insertWidget(1, FaGetFrVendor1);
    DgSearch->setColumns({{QStringLiteral("PDNo"), QStringLiteral("เลขที่"), 90},
                          {QStringLiteral("PDDate"), QStringLiteral("วันที่"), 75},
                          {QStringLiteral("Vendor"), QStringLiteral("เจ้าหนี้"), 200},
                          {QStringLiteral("PDAmount"), QStringLiteral("จำนวนเงิน"), 90, money},
                          {QStringLiteral("Remark"), QStringLiteral("หมายเหตุ"), 150}});
}

void TFrSearchFrPD::FormShow()
{
    TFrSearch::FormShow();
    ReturnField = QStringLiteral("PDNo");
    reopenScratchRecord(QNull);
    QSearch->SQL = {QStringLiteral("Select FP.Id, FP.PDNo, FP.PDDate, %1 Vendor, FP.PDAmount, FP.Remark,")
                        .arg(concat({QStringLiteral("Fv.Code"), QStringLiteral("' - '"), QStringLiteral("Fv.Name")})),
                    QStringLiteral("FP.Delflag, FP.Clear"),
                    QStringLiteral("From FrPDHD FP Inner Join FrVendor Fv On (Fv.Id = FP.FrVendor)"),
                    QStringLiteral("Where (FP.PDNo Like :GetNo) And (Fv.Code Like :GetCode)"),
                    QStringLiteral("Order By FP.PdNo")};
}

void TFrSearchFrPD::BtSearchClick()
{
    QSearch->setParam(QStringLiteral("GetNo"), endsWith(Code->text()));
    QSearch->setParam(QStringLiteral("GetCode"), startsWith(FaGetFrVendor1->edit()->text().trimmed()));
    runSearch();
}

// ---- import documents ---------------------------------------------------

TFrSearchImNo::TFrSearchImNo(QWidget *parent) : TFrSearch(parent)
{
    setObjectName(QStringLiteral("FrSearchImNo"));
    setWindowTitle(QStringLiteral("ค้นหาใบนำเข้าสินค้าจากต่างประเทศ"));
    Label3->setText(QStringLiteral("เลขที่"));
    QNull = makeScratchRecord(QStringLiteral("Select 0 Id From NullTable"), this);
    FaGetFrVendor1 = new TFaGetFrVendor(this);
    FaGetFrVendor1->setObjectName(QStringLiteral("FaGetFrVendor1"));
    FaGetFrVendor1->bind(QNull, QStringLiteral("Id"));
    MainLayout->insertWidget(1, FaGetFrVendor1);
    QSearch->SQL = {QStringLiteral("Select H.Id, H.ImNo, H.ImDate, L.Code LotNo, V.Code, V.Name, M.Code Currency,"),
                    QStringLiteral("H.Total, H.PaidAmount, H.DelFlag, H.Clear"),
                    QStringLiteral("From ImHd H Left Join ImportLotNo L On (L.Id = H.ImportLotNo)"),
                    QStringLiteral("Inner Join FrVendor V On (V.Id = H.FrVendor)"),
                    QStringLiteral("Left Join Misc M On (M.Id = H.Currency)"),
                    QStringLiteral("Where (H.ImNo Like :GetNo) And (V.Code Like :GetCode)"),
                    QStringLiteral("And (H.BeginBalance <> :GetBegin)"),
                    QStringLiteral("Order By H.ImNo Desc")};
    DgSearch->setColumns({{QStringLiteral("ImNo"), QStringLiteral("เลขที่"), 90},
                          {QStringLiteral("ImDate"), QStringLiteral("วันที่"), 75},
                          {QStringLiteral("LotNo"), QStringLiteral("Lot"), 60},
                          {QStringLiteral("Code"), QStringLiteral("รหัส"), 60},
                          {QStringLiteral("Name"), QStringLiteral("ชื่อ"), 140},
                          {QStringLiteral("Currency"), QStringLiteral("สกุลเงิน"), 50},
                          {QStringLiteral("Total"), QStringLiteral("ยอดรวม"), 90, money},
                          {QStringLiteral("PaidAmount"), QStringLiteral("จ่ายแล้ว"), 90, money}});
}

void TFrSearchImNo::FormShow()
{
    TFrSearch::FormShow();
    ReturnField = QStringLiteral("ImNo");
    prepareParty(QNull, QStringLiteral("Id"), 0, Code, FaGetFrVendor1->edit());
}

void TFrSearchImNo::BtSearchClick()
{
    QSearch->setParam(QStringLiteral("GetNo"), endsWith(Code->text()));
    QSearch->setParam(QStringLiteral("GetCode"), startsWith(FaGetFrVendor1->edit()->text().trimmed()));
    QSearch->setParam(QStringLiteral("GetBegin"),
                      BeginChar == QLatin1String("Y") ? QStringLiteral("N") : QStringLiteral("Y"));
    runSearch();
}

// ---- work orders --------------------------------------------------------

TFrSearchWorkorder::TFrSearchWorkorder(QWidget *parent) : TFrSearch(parent)
{
    setObjectName(QStringLiteral("FrSearchWorkorder"));
    setWindowTitle(QStringLiteral("ค้นหาสั่งผลิต"));
    Label3->setText(QStringLiteral("เลขที่"));
    auto *fgLabel = new QLabel(QStringLiteral("สินค้า"), PanelHeader);
    FinishedGood = new QLineEdit(PanelHeader);
    FinishedGood->setObjectName(QStringLiteral("FinishedGood"));
    HeaderLayout->insertWidget(2, fgLabel);
    HeaderLayout->insertWidget(3, FinishedGood);
    QSearch->SQL = {
        QStringLiteral("Select W.Id, W.WorkOrderNo, W.WorkOrderDate,"),
        QStringLiteral("B.BomNo,"),
        QStringLiteral("D.Code ModelCode,"),
        QStringLiteral("P.Code ProductCode, P.ThaiName,"),
        QStringLiteral("U.UnitName,"),
        QStringLiteral("W.Quantity,"),
        QStringLiteral("C.Name CustomerName,"),
        QStringLiteral("H.Code WarehouseCode,"),
        QStringLiteral("W.Approved, W.Clear, W.DelFlag, W.Remark"),
        QStringLiteral("From WorkOrderHd W"),
        QStringLiteral("Left Join BomHd B On (B.Id = W.BomHd)"),
        QStringLiteral("Left Join Model D On (D.Id = W.Model)"),
        QStringLiteral("Left Join Product P On (P.Id = W.Product)"),
        QStringLiteral("Left Join ProductUnits U On (U.Id = W.ProductUnits)"),
        QStringLiteral("Left Join Customer C On (C.Id = W.Customer)"),
        QStringLiteral("Left Join Warehouse H On (H.Id = W.Warehouse) /* Dont Move SQL Lines, Modified on Runtime */"),
        QString(),
        QStringLiteral("Order By W.Id Desc")};
    DgSearch->setColumns({{QStringLiteral("WorkOrderNo"), QStringLiteral("เลขที่"), 90},
                          {QStringLiteral("WorkOrderDate"), QStringLiteral("วันที่"), 75},
                          {QStringLiteral("ProductCode"), QStringLiteral("รหัสสินค้า"), 80},
                          {QStringLiteral("ThaiName"), QStringLiteral("ชื่อสินค้า"), 150},
                          {QStringLiteral("Quantity"), QStringLiteral("จำนวน"), 70, money},
                          {QStringLiteral("CustomerName"), QStringLiteral("ลูกค้า"), 120},
                          {QStringLiteral("Remark"), QStringLiteral("หมายเหตุ"), 120}});
}

void TFrSearchWorkorder::FormShow()
{
    TFrSearch::FormShow();
    ReturnField = QStringLiteral("WorkOrderNo");
    DelTable = QStringLiteral("WorkOrderHd");
    FinishedGood->clear();
}

void TFrSearchWorkorder::BtSearchClick()
{
    QString line;
    data::Params &p = QSearch->params();
    p.clear();
    if (!Code->text().trimmed().isEmpty()) {
        line = QStringLiteral("Where (WorkOrderNo Like :GNO)");
        p.set(QStringLiteral("GNO"), contains(Code->text().trimmed()));
    }
    if (!FinishedGood->text().trimmed().isEmpty()) {
        line += line.isEmpty() ? QStringLiteral("Where ((P.code like :finishgood) or (P.Thainame like :finishgood))")
                               : QStringLiteral("And  ((P.code like :finishgood) or (P.Thainame like :finishgood))");
        p.set(QStringLiteral("finishgood"), contains(FinishedGood->text().trimmed()));
    }
    if (ApprovedFilter != QLatin1String("A")) {
        line += line.isEmpty() ? QStringLiteral(" Where (W.Approved=:Approved)")
                               : QStringLiteral(" And (W.Approved=:Approved)");
        p.set(QStringLiteral("Approved"), ApprovedFilter);
    }
    if (!ClearFilter.isEmpty()) {
        line += line.isEmpty() ? QStringLiteral(" Where (W.Clear=:ClearFlag)")
                               : QStringLiteral(" And (W.Clear=:ClearFlag)");
        p.set(QStringLiteral("ClearFlag"), ClearFilter);
    }
    QSearch->SQL[16] = line;
    runSearch();
}

// ---- service orders -----------------------------------------------------

TFrSearchSoNoService::TFrSearchSoNoService(QWidget *parent) : TFrSearch(parent)
{
    setObjectName(QStringLiteral("FrSearchSoNoService"));
    setWindowTitle(QStringLiteral("ค้นหาเลขที่ใบบริการ"));
    Label3->setText(QStringLiteral("เลขที่"));
    QNull = makeScratchRecord(QStringLiteral("Select 0 Customer From NullTable"), this);
    FaGetCustomer1 = new TFaGetCustomer(this);
    FaGetCustomer1->setObjectName(QStringLiteral("FaGetCustomer1"));
    FaGetCustomer1->bind(QNull, QStringLiteral("Customer"));
    MainLayout->insertWidget(1, FaGetCustomer1);
    connect(FaGetCustomer1, &TFaFrame::exited, this, [this] {
        if (!FaGetCustomer1->edit()->text().trimmed().isEmpty())
            BtSearchClick();
    });
    QSearch->SQL = {QStringLiteral("SELECT H.Id, H.SoNo, H.SoDate, C.Code, C.Name, m.Description jobdetail, H.Remark,"),
                    QStringLiteral("H.Approved, H.ApproveUser, H.ApproveDate, H.DelFlag"),
                    QStringLiteral("FROM SoHd H"),
                    QStringLiteral("INNER JOIN Customer C ON (C.Id = H.Customer)"),
                    QStringLiteral("LEFT JOIN misc m ON (m.Id = h.jobstatus)"),
                    QStringLiteral("/* Dont Move SQL Lines, Modified on Runtime */"),
                    QString(),
                    QStringLiteral("ORDER BY SoNo DESC")};
    DgSearch->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DgSearch, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("แสดงชื่อผู้อนุมัติ"), this, &TFrSearchSoNoService::ShowApprover);
        menu.exec(DgSearch->viewport()->mapToGlobal(pos));
    });
}

void TFrSearchSoNoService::FormShow()
{
    TFrSearch::FormShow();
    ReturnField = QStringLiteral("SoNo");
    const bool thai = app::TDMConfig::instance().ThaiPrompts;
    if (!thai) {
        setWindowTitle(QStringLiteral("Searching Sale Order No"));
        Label3->setText(QStringLiteral("SoNo"));
        FaGetCustomer1->Label1->setText(QStringLiteral("Customer"));
    }
    const QStringList titles =
        thai ? QStringList{QStringLiteral("เลขที่"), QStringLiteral("วันที่"),   QStringLiteral("ลูกค้า"),
                           QStringLiteral("ชื่อ"),   QStringLiteral("สถานะ"), QStringLiteral("หมายเหตุ")}
             : QStringList{QStringLiteral("So No"), QStringLiteral("Date"),   QStringLiteral("Customer"),
                           QStringLiteral("Name"),  QStringLiteral("Status"), QStringLiteral("Remark")};
    const QStringList fields = {QStringLiteral("SoNo"), QStringLiteral("SoDate"),    QStringLiteral("Code"),
                                QStringLiteral("Name"), QStringLiteral("jobdetail"), QStringLiteral("Remark")};
    QList<GridColumn> columns;
    for (int i = 0; i < fields.size(); ++i)
        columns.append({fields[i], titles[i], i == 3 ? 150 : 80});
    DgSearch->setColumns(columns);
    QSearch->SQL[7] = QStringLiteral("ORDER BY SoNo DESC");
    prepareParty(QNull, QStringLiteral("Customer"), PartyId, Code, FaGetCustomer1->edit());
}

void TFrSearchSoNoService::BtSearchClick()
{
    FaGetCustomer1->edit()->resolve();
    const qlonglong customer = scratchId(QNull, QStringLiteral("Customer"));
    data::Params &p = QSearch->params();
    p.clear();
    p.set(QStringLiteral("SoNo"), startsWith(Code->text().trimmed()));
    p.set(QStringLiteral("SoType"), SoType);
    if (!FaGetCustomer1->edit()->text().trimmed().isEmpty() && customer > 0) {
        QSearch->SQL[6] =
            QStringLiteral("WHERE (H.SoNo LIKE :SoNo) AND (H.Customer = :Customer) And (H.SoType = :SoType)");
        p.set(QStringLiteral("Customer"), customer);
    } else {
        QSearch->SQL[6] = QStringLiteral("WHERE (H.SoNo LIKE :SoNo) And (H.SoType = :SoType)");
    }
    runSearch();
}

void TFrSearchSoNoService::ShowApprover()
{
    const int row = currentRow();
    if (row < 0)
        return;
    if (QSearch->value(row, QStringLiteral("Approved")).toString() != QLatin1String("Y")) {
        app::Prompter::instance().message(QStringLiteral("รายการนี้ยังไม่ได้อนุมัติ"));
        return;
    }
    const QVariant date = QSearch->value(row, QStringLiteral("ApproveDate"));
    app::Prompter::instance().message(QStringLiteral("Approved User = ") +
                                      QSearch->value(row, QStringLiteral("ApproveUser")).toString() +
                                      QStringLiteral("\n") + QStringLiteral("Approved Date = ") +
                                      date.toDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")));
}

// ---- general and foreign miscellaneous payments -------------------------------

TFrSearchMiscPdNo::TFrSearchMiscPdNo(QWidget *parent) : TFrSearch(parent)
{
    setObjectName(QStringLiteral("FrSearchMiscPdNo"));
    setWindowTitle(QStringLiteral("ค้นหาใบจ่ายเงินทั่วไป"));
    Label3->setText(QStringLiteral("เลขที่"));
    QNull =
        makeScratchRecord(QStringLiteral("Select Id Project, Id Employee ,Id WorkOrderHd ,Cast('' As Char(20)) SoHd, "
                                         "Cast('' As Char(255)) Remark From NullTable"),
                          this);
    auto *filters = new QWidget(this);
    filters->setObjectName(QStringLiteral("PanelFilters"));
    auto *grid = new QGridLayout(filters);
    grid->setContentsMargins(0, 0, 0, 0);
    FaGetProject1 = new TFaGetProject(filters);
    FaGetProject1->setObjectName(QStringLiteral("FaGetProject1"));
    FaGetEmployee1 = new TFaGetEmployee(filters);
    FaGetEmployee1->setObjectName(QStringLiteral("FaGetEmployee1"));
    FaGetRemark1 = new TFaGetRemark(filters);
    FaGetRemark1->setObjectName(QStringLiteral("FaGetRemark1"));
    FaGetWorkOrder1 = new TFaGetWorkOrder(filters);
    FaGetWorkOrder1->setObjectName(QStringLiteral("FaGetWorkOrder1"));
    auto *serviceRow = new QWidget(filters);
    auto *serviceLayout = new QHBoxLayout(serviceRow);
    serviceLayout->setContentsMargins(0, 0, 0, 0);
    serviceLayout->addWidget(new QLabel(QStringLiteral("เลขที่ใบบริการ"), serviceRow));
    ServiceNo = new QLineEdit(serviceRow);
    ServiceNo->setObjectName(QStringLiteral("ServiceNo"));
    BtServiceNo = new QPushButton(QStringLiteral("..."), serviceRow);
    BtServiceNo->setObjectName(QStringLiteral("BtServiceNo"));
    BtServiceNo->setFocusPolicy(Qt::NoFocus);
    BtServiceNo->setAutoDefault(false);
    serviceLayout->addWidget(ServiceNo, 1);
    serviceLayout->addWidget(BtServiceNo);
    grid->addWidget(FaGetProject1, 0, 0);
    grid->addWidget(FaGetEmployee1, 0, 1);
    grid->addWidget(FaGetWorkOrder1, 1, 0);
    grid->addWidget(serviceRow, 1, 1);
    grid->addWidget(FaGetRemark1, 2, 0, 1, 2);
    MainLayout->insertWidget(1, filters);
    FaGetProject1->bind(QNull, QStringLiteral("Project"));
    FaGetEmployee1->bind(QNull, QStringLiteral("Employee"));
    FaGetWorkOrder1->bind(QNull, QStringLiteral("WorkOrderHd"));
    FaGetRemark1->bind(QNull, QStringLiteral("Remark"));
    connect(ServiceNo, &QLineEdit::textEdited, ServiceNo, [this](const QString &t) {
        if (t != t.toUpper())
            ServiceNo->setText(t.toUpper());
    });
    connect(BtServiceNo, &QPushButton::clicked, this, &TFrSearchMiscPdNo::ServiceNoSearch);
    connect(FaGetEmployee1, &TFaFrame::exited, this, [this] { DgSearch->setFocus(); });
    Sort = &m_ownSort;
    SortExcluded = {QStringLiteral("REFERENCE"), QStringLiteral("MEMO")};
    resize(640, 400);
}

void TFrSearchMiscPdNo::FormShow()
{
    TFrSearch::FormShow();
    ReturnField = QStringLiteral("PdNo");
    reopenScratchRecord(QNull);
    ServiceNo->clear();
}

void TFrSearchMiscPdNo::ServiceNoSearch()
{
    TFrSearchSoNoService dialog(this);
    dialog.setWindowTitle(QStringLiteral("ค้นหาใบบริการ"));
    dialog.DelTable = QStringLiteral("SoHd");
    dialog.SoType = QStringLiteral("S");
    if (dialog.exec() == QDialog::Accepted) {
        ServiceNo->setText(dialog.ReturnValue);
        ServiceNo->setFocus();
    }
}

bool TFrSearchMiscPdNo::FormKeyDown(QKeyEvent *event, QWidget *focused)
{
    if (event->key() == Qt::Key_F5 && focused == ServiceNo) {
        ServiceNoSearch();
        return true;
    }
    return TFrSearch::FormKeyDown(event, focused);
}

void TFrSearchMiscPdNo::BtSearchClick()
{
    // Move on first, so that an edit still being typed is written.
    if (QWidget *w = focusWidget())
        w->nextInFocusChain()->setFocus();
    QSearch->setParam(QStringLiteral("GetNo"), endsWith(Code->text()));
    runSearch();
}

void TFrSearchMiscPdNo::DgSearchTitleBtnClick(int sourceColumn)
{
    if (isUnsortable(*QSearch, sourceColumn, SortExcluded))
        return;
    sortByTitle(QSearch->SQL, QSearch->fieldNames().value(sourceColumn), sourceColumn + 1, *Sort);
    BtSearchClick();
}

TFrSearchFrMiscPdNo::TFrSearchFrMiscPdNo(QWidget *parent) : TFrSearchMiscPdNo(parent)
{
    setObjectName(QStringLiteral("FrSearchFrMiscPdNo"));
    setWindowTitle(QStringLiteral("ค้นหาใบจ่ายเงินเบ็ดเตล็ดต่างประเทศ"));
    QSearch->SQL = {QStringLiteral("Select H.Id, H.PdNo, H.PdDate, L.Code LotNo, H.Total, H.Reference, H.Remark,"),
                    QStringLiteral("H.DelFlag, H.Posted"),
                    QStringLiteral("From FrMiscPdHd H Left Join ImportLotNo L On (L.Id = H.ImportLotNo)"),
                    QStringLiteral("Where (H.PdNo Like :GetNo)"), QStringLiteral("Order By H.PdDate, H.PdNo Desc")};
    DgSearch->setColumns({{QStringLiteral("PdNo"), QStringLiteral("เลขที่"), 90},
                          {QStringLiteral("PdDate"), QStringLiteral("วันที่"), 75},
                          {QStringLiteral("LotNo"), QStringLiteral("Lot"), 70},
                          {QStringLiteral("Total"), QStringLiteral("ยอดรวม"), 90, money},
                          {QStringLiteral("Reference"), QStringLiteral("อ้างอิง"), 100},
                          {QStringLiteral("Remark"), QStringLiteral("หมายเหตุ"), 150}});
}

// ---- withholding-tax certificates ---------------------------------------

TFrSearchWHTAX::TFrSearchWHTAX(QWidget *parent) : TFrSearch(parent)
{
    setObjectName(QStringLiteral("FrSearchWHTAX"));
    setWindowTitle(QStringLiteral("ค้นหาภาษีถูกหัก ณ ที่จ่าย"));
    Label3->setText(QStringLiteral("เลขที่"));
    ReturnField = QStringLiteral("Code");
    QSearch->SQL = {QStringLiteral("Select Id, Code, WhTaxDate, Total, HoldingTotal, VName From HoldingTAX"),
                    QStringLiteral("Where (code like :getcode)")};
    DgSearch->setColumns({{QStringLiteral("Code"), QStringLiteral("เลขที่"), 90},
                          {QStringLiteral("WhTaxDate"), QStringLiteral("วันที่"), 75},
                          {QStringLiteral("VName"), QStringLiteral("ชื่อ"), 180},
                          {QStringLiteral("Total"), QStringLiteral("ยอดเงิน"), 80, money},
                          {QStringLiteral("HoldingTotal"), QStringLiteral("ภาษี"), 80, money}});
}

void TFrSearchWHTAX::BtSearchClick()
{
    QSearch->setParam(QStringLiteral("getcode"), startsWith(Code->text()));
    runSearch();
}

} // namespace framework
