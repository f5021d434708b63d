#include "LookupFrames.h"

#include "Connection.h"
#include "DataSet.h"
#include "Dm.h"
#include "DmConfig.h"
#include "KeptDialogs.h"
#include "Prompter.h"
#include "SearchMembers.h"
#include "StandaloneSearches.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>

namespace framework {

namespace {
void readRow(data::DataSet *ds, const QString &code)
{
    ds->close();
    ds->setParam(QStringLiteral("GetCode"), code);
    ds->open();
}
} // namespace

// ---- TFaFrame -------------------------------------------------------------

TFaFrame::TFaFrame(const QString &caption, QWidget *parent) : QFrame(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 1);
    layout->setSpacing(4);
    Label1 = new QLabel(caption, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setMinimumWidth(80);
    layout->addWidget(Label1);
}

void TFaFrame::setUp(QWidget *editor, QPushButton *button, bool keepButtonEnabled)
{
    auto *layout = static_cast<QHBoxLayout *>(this->layout());
    layout->addWidget(editor);
    BtSearch = button;
    m_keepButtonEnabled = keepButtonEnabled;
    if (button) {
        button->setParent(this);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        button->setFixedWidth(26);
        button->setEnabled(keepButtonEnabled);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this] { searchClick(); });
    }
    editor->installEventFilter(this);
}

bool TFaFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == editor()) {
        if (event->type() == QEvent::FocusIn) {
            if (BtSearch)
                BtSearch->setEnabled(true);
            frameEnter();
        } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F5) {
            if (BtSearch && BtSearch->isEnabled())
                BtSearch->click();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void TFaFrame::finishExit()
{
    if (BtSearch && !m_keepButtonEnabled)
        BtSearch->setEnabled(false);
}

// ---- TFaIdLookupFrame -----------------------------------------------------

TFaIdLookupFrame::TFaIdLookupFrame(const Setup &setup, QWidget *parent) : TFaFrame(setup.caption, parent)
{
    setObjectName(setup.frameName);
    m_edit = new TKIdLookup(this);
    m_edit->setObjectName(setup.editName);
    m_edit->K_LookupTableName = setup.table;
    m_edit->K_LookupIDField = setup.idField;
    m_edit->K_LookupEditField = setup.codeField;
    m_edit->K_DescriptionField = setup.descField;
    m_edit->K_Filter = setup.filter;
    m_edit->K_AllowNull = setup.allowNull;
    m_edit->setMaximumWidth(110);
    QPushButton *button = nullptr;
    if (!setup.buttonName.isEmpty()) {
        button = new QPushButton(QStringLiteral("..."), this);
        button->setObjectName(setup.buttonName);
        button->setToolTip(setup.hint);
    }
    setUp(m_edit, button);
    LbDescription = new QLabel(QStringLiteral("-"), this);
    LbDescription->setObjectName(QStringLiteral("LbDescription"));
    LbDescription->setMinimumWidth(120);
    layout()->addWidget(LbDescription);
    static_cast<QHBoxLayout *>(layout())->setStretchFactor(LbDescription, 1);
    if (!setup.descField.isEmpty())
        m_edit->K_DescriptionLabel = LbDescription;
    else
        LbDescription->hide();
    connect(m_edit, &TKIdLookup::exited, this, [this] {
        frameExit();
        emit exited();
    });
}

void TFaIdLookupFrame::bind(data::DataSet *dataSet, const QString &field)
{
    m_edit->bind(dataSet, field);
}

void TFaIdLookupFrame::takeChosenCode(const QString &code)
{
    m_edit->setText(code);
    m_edit->setFocus();
}

void TFaIdLookupFrame::frameExit()
{
    finishExit();
}

data::DataSet *TFaIdLookupFrame::masterRow(const QString &name, const QString &sql)
{
    if (!m_row) {
        m_row = new data::DataSet(data::Connection::byAlias(QStringLiteral("DMDATA")), sql, this);
        m_row->setObjectName(name);
    }
    return m_row;
}

void TFaIdLookupFrame::clearCode()
{
    m_edit->clear();
    m_edit->resolve();
}

// ---- party frames -----------------------------------------------------------

TFaGetVendor::TFaGetVendor(QWidget *parent)
    : TFaIdLookupFrame({QStringLiteral("FaGetVendor"), QStringLiteral("รหัสผู้ขาย"), QStringLiteral("Vendor"),
                        QStringLiteral("VENDOR"), QStringLiteral("ID"), QStringLiteral("CODE"), QStringLiteral("NAME"),
                        QStringLiteral("Blocked='N'"), false, QStringLiteral("BtVendor"),
                        QStringLiteral("ค้นหารหัสผู้ขาย")},
                       parent)
{}

data::DataSet *TFaGetVendor::QVendor()
{
    return masterRow(QStringLiteral("QVendor"),
                     QStringLiteral("SELECT V.Blocked, V.HeadCode, V.Customer, V.TaxNumber, V.TaxCode, V.DueDays, "
                                    "V.OpenAccount, V.CreditLimit, V.DirectVendor, T.Rate TaxRate FROM Vendor V "
                                    "Inner Join Tax T On (T.Id = V.TaxCode) Where V.Code = :GetCode"));
}

void TFaGetVendor::searchClick()
{
    TFrSearchVendor &dialog = KeptDialogs::get<TFrSearchVendor>();
    dialog.IncludeBlocked = false;
    if (dialog.exec() == QDialog::Accepted)
        takeChosenCode(dialog.ChosenCode);
}

void TFaGetVendor::frameExit()
{
    finishExit();
    const QString code = m_edit->text().trimmed();
    if (code.isEmpty())
        return;
    readRow(QVendor(), code);
    if (!m_edit->K_Filter.trimmed().isEmpty() && !QVendor()->isEmpty() &&
        QVendor()->value(QStringLiteral("Blocked")).toString() == QLatin1String("Y")) {
        app::Prompter::instance().message(QStringLiteral("ระงับการใช้งาน"));
        clearCode();
    }
}

TFaGetCustomer::TFaGetCustomer(QWidget *parent)
    : TFaIdLookupFrame({QStringLiteral("FaGetCustomer"), QStringLiteral("รหัสลูกค้า"), QStringLiteral("Customer"),
                        QStringLiteral("Customer"), QStringLiteral("Id"), QStringLiteral("Code"),
                        QStringLiteral("Name"), QStringLiteral("Blocked='N'"), false,
                        QStringLiteral("BtSearchCustomer"), QStringLiteral("ค้นหารหัสลูกค้า")},
                       parent)
{}

data::DataSet *TFaGetCustomer::QCustomer()
{
    return masterRow(
        QStringLiteral("QCustomer"),
        QStringLiteral("SELECT C.Id, C.Code, C.HeadCode, C.Vendor, C.TaxNumber, C.TaxCode, C.Address1, C.Address2, "
                       "C.Address3, C.Province, C.ZipCode, C.PhoneNo, C.FaxNo, C.OpenAccount, C.DueDays, "
                       "C.CreditLimit, C.Transport, C.PriceLevel, C.DirectCus, C.LocalCustomer, C.DropCredit, "
                       "C.Blocked, C.Salesman, S.Code SalesCode, T.Id TaxId, T.Code TaxCodeText, T.Rate TaxRate, "
                       "S.Department, C.DiscName1, C.DiscName2, C.DiscName3, C.DiscRate1, C.DiscRate2, C.DiscRate3 "
                       "FROM Customer C Left Join Salesman S On (S.Id = C.Salesman) Left Join Tax T On "
                       "(T.Id = C.TaxCode) Where C.Code = :GetCode"));
}

void TFaGetCustomer::frameEnter()
{
    m_edit->K_DescriptionField =
        app::TDMConfig::instance().ThaiPrompts ? QStringLiteral("Name") : QStringLiteral("NameEng");
}

void TFaGetCustomer::searchClick()
{
    TF_SearchCustomer dialog(this);
    dialog.IncludeBlocked = false;
    if (dialog.exec() == QDialog::Accepted)
        takeChosenCode(dialog.ChosenCode);
}

void TFaGetCustomer::frameExit()
{
    finishExit();
    const QString code = m_edit->text().trimmed();
    if (code.isEmpty())
        return;
    readRow(QCustomer(), code);
    if (!QCustomer()->isEmpty() && m_edit->K_Filter.trimmed().isEmpty() &&
        QCustomer()->value(QStringLiteral("Blocked")).toString() == QLatin1String("Y")) {
        app::Prompter::instance().message(QStringLiteral("รหัสลูกค้าถูกระงับการใช้งาน !"));
        LbDescription->setText(QString());
        clearCode();
        m_edit->setFocus();
    }
}

TFaGetSalesman::TFaGetSalesman(QWidget *parent)
    : TFaIdLookupFrame({QStringLiteral("FaGetSalesman"), QStringLiteral("รหัสพนักงานขาย"), QStringLiteral("Salesman"),
                        QStringLiteral("Salesman"), QStringLiteral("Id"), QStringLiteral("Code"),
                        QStringLiteral("Name"), QStringLiteral("Status='Y'"), false, QStringLiteral("BtSearchSalesman"),
                        QStringLiteral("ค้นหารหัสพนักงานขาย")},
                       parent)
{
    Label2 = new QLabel(QStringLiteral("*"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setStyleSheet(QStringLiteral("color: red"));
    static_cast<QHBoxLayout *>(layout())->insertWidget(1, Label2);
}

data::DataSet *TFaGetSalesman::QSalesman()
{
    return masterRow(QStringLiteral("QSalesman"),
                     QStringLiteral("select id,code,name,surname,department,status,startdate,stopdate, "
                                    "address1,address2,address3,province,zipcode,phoneno,faxno, email from "
                                    "salesman where code=:getcode"));
}

void TFaGetSalesman::searchClick()
{
    TF_SearchSalesman &dialog = KeptDialogs::get<TF_SearchSalesman>();
    if (dialog.exec() == QDialog::Accepted)
        takeChosenCode(dialog.ChosenCode);
}

void TFaGetSalesman::frameExit()
{
    finishExit();
    const QString code = m_edit->text().trimmed();
    if (code.isEmpty())
        return;
    readRow(QSalesman(), code);
    if (!QSalesman()->isEmpty() && m_edit->K_Filter.trimmed().isEmpty() &&
        QSalesman()->value(QStringLiteral("Status")).toString() == QLatin1String("N")) {
        app::Prompter::instance().message(QStringLiteral("พนักงานขาย ถูกระงับไปแล้ว  !"));
        LbDescription->setText(QString());
        clearCode();
        m_edit->setFocus();
    }
}

// ---- Misc-code frames -------------------------------------------------------

namespace {
bool searchMisc(TF_SearchMisc &dialog, const QString &group, const QString &caption, TFaIdLookupFrame *frame)
{
    dialog.MiscGroup = group;
    dialog.setWindowTitle(caption);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    frame->takeChosenCode(dialog.ChosenCode);
    return true;
}
} // namespace

TFaGetProvince::TFaGetProvince(QWidget *parent)
    : TFaIdLookupFrame({QStringLiteral("FaGetProvince"), QStringLiteral("จังหวัด"), QStringLiteral("Province"),
                        QStringLiteral("MISC"), QStringLiteral("ID"), QStringLiteral("CODE"),
                        QStringLiteral("Description"), QStringLiteral("GroupCode='CITY'"), true,
                        QStringLiteral("BtSearchShipProvince"), QStringLiteral("ค้นหารหัสจังหวัด")},
                       parent)
{}

void TFaGetProvince::searchClick()
{
    searchMisc(KeptDialogs::get<TF_SearchMisc>(), QStringLiteral("CITY"), QStringLiteral("ค้นหา รายชื่อจังหวัด"), this);
}

TFaGetCurrency::TFaGetCurrency(QWidget *parent)
    : TFaIdLookupFrame({QStringLiteral("FaGetCurrency"), QStringLiteral("สกุลเงิน"), QStringLiteral("Currency"),
                        QStringLiteral("MISC"), QStringLiteral("ID"), QStringLiteral("CODE"),
                        QStringLiteral("Description"), QStringLiteral("GroupCode='CURRENCY'"), true,
                        QStringLiteral("BtSearchShipCurrency"), QStringLiteral("ค้นหารหัสจังหวัด")},
                       parent)
{}

void TFaGetCurrency::searchClick()
{
    searchMisc(KeptDialogs::get<TF_SearchMisc>(), QStringLiteral("CURRENCY"), QStringLiteral("ค้าหา รายชื่อสกุลเงิน"), this);
}

TFaGetDepartment::TFaGetDepartment(QWidget *parent)
    : TFaIdLookupFrame({QStringLiteral("FaGetDepartment"), QStringLiteral("แผนก"), QStringLiteral("Department"),
                        QStringLiteral("MISC"), QStringLiteral("ID"), QStringLiteral("CODE"),
                        QStringLiteral("Description"), QStringLiteral("GroupCode='DEPARTMENT'"), true,
                        QStringLiteral("BtSearchDepartment"), QStringLiteral("ค้นหารหัสแผนก")},
                       parent)
{}

void TFaGetDepartment::searchClick()
{
    TF_SearchMisc dialog(this);
    searchMisc(dialog, QStringLiteral("DEPARTMENT"), QStringLiteral("ค้นหา แผนก"), this);
}

// ---- other master frames ------------------------------------------------------

TFaGetCompanyBank::TFaGetCompanyBank(QWidget *parent)
    : TFaIdLookupFrame({QStringLiteral("FaGetCompanyBank"), QStringLiteral("รหัสธนาคาร"), QStringLiteral("CompanyBank"),
                        QStringLiteral("CompanyBank"), QStringLiteral("Id"), QStringLiteral("BankCode"),
                        QStringLiteral("BankName"), QStringLiteral("Blocked<>'Y'"), false, QStringLiteral("BtSearch"),
                        QStringLiteral("ค้นหารหัสธนาคาร")},
                       parent)
{}

void TFaGetCompanyBank::searchClick()
{
    TFrSearchCompanyBank &dialog = KeptDialogs::get<TFrSearchCompanyBank>();
    dialog.ActiveOnly = true;
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_edit->setEnabled(true);
    BtSearch->setEnabled(true);
    takeChosenCode(dialog.ReturnValue);
}

TFaGetProject::TFaGetProject(QWidget *parent)
    : TFaIdLookupFrame({QStringLiteral("FaGetProject"), QStringLiteral("รหัสโครงการ"), QStringLiteral("ProjectCode"),
                        QStringLiteral("Project"), QStringLiteral("ID"), QStringLiteral("CODE"),
                        QStringLiteral("Description"), QStringLiteral("Blocked='N'"), true, QStringLiteral("BtProject"),
                        QStringLiteral("ค้นหารหัสโครงการ")},
                       parent)
{}

void TFaGetProject::searchClick()
{
    TFrSearchProject dialog(this);
    dialog.ClosedFilter.clear();
    dialog.SkipBlockedPreset = true;
    if (dialog.exec() == QDialog::Accepted)
        takeChosenCode(dialog.ReturnValue);
}

void TFaGetProject::frameExit()
{
    finishExit();
    data::Params p;
    p.set(QStringLiteral("GetCode"), m_edit->text().trimmed());
    if (!data::Connection::byAlias(QStringLiteral("DMDATA"))
             .scalar(QStringLiteral("Select Id From Project Where Code = :GetCode"), p)
             .isValid()) {
        LbDescription->setText(QString());
        clearCode();
    }
}

TFaGetPrettyCash::TFaGetPrettyCash(QWidget *parent)
    : TFaIdLookupFrame({QStringLiteral("FaGetPrettyCash"), QStringLiteral("รหัสเงินสดย่อย"), QStringLiteral("GetCode"),
                        QStringLiteral("PrettyCash"), QStringLiteral("ID"), QStringLiteral("CODE"),
                        QStringLiteral("Description"), QString(), false, QStringLiteral("BtSearch"),
                        QStringLiteral("ค้นหารหัสเงินสดย่อย")},
                       parent)
{}

data::DataSet *TFaGetPrettyCash::QData()
{
    if (!m_row) {
        masterRow(QStringLiteral("QData"),
                  QStringLiteral("Select Id,Code,Description From PrettyCash Where Code = :GetCode"));
        m_row->setParam(QStringLiteral("GetCode"), QString());
        m_row->open();
    }
    return m_row;
}

void TFaGetPrettyCash::searchClick()
{
    TFrSearchPrettyCash &dialog = KeptDialogs::get<TFrSearchPrettyCash>();
    if (dialog.exec() == QDialog::Accepted)
        takeChosenCode(dialog.ReturnValue);
}

void TFaGetPrettyCash::frameExit()
{
    if (!QData()->isOpen())
        return;
    finishExit();
    if (m_edit->K_AllowNull || !m_edit->text().trimmed().isEmpty()) {
        readRow(QData(), m_edit->text());
        if (QData()->isEmpty())
            clearCode();
    }
}

TFaGetEmployee::TFaGetEmployee(QWidget *parent)
    : TFaIdLookupFrame({QStringLiteral("FaGetEmployee"), QStringLiteral("รหัสพนักงาน"), QStringLiteral("GetCode"),
                        QStringLiteral("Employee"), QStringLiteral("ID"), QStringLiteral("CODE"),
                        QStringLiteral("Name"), QString(), false, QStringLiteral("BtSearch"),
                        QStringLiteral("ค้นหารหัสพนักงาน")},
                       parent)
{}

void TFaGetEmployee::searchClick()
{
    TFrSearchEmployee dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        takeChosenCode(dialog.ReturnValue);
}

void TFaGetEmployee::frameExit()
{
    finishExit();
    if (m_edit->text().trimmed().isEmpty())
        return;
    data::Params p;
    p.set(QStringLiteral("GetCode"), m_edit->text());
    if (!data::Connection::byAlias(QStringLiteral("DMDATA"))
             .scalar(QStringLiteral("Select Id From Employee Where Code = :GetCode"), p)
             .isValid())
        clearCode();
}

TFaGetFrCustomer::TFaGetFrCustomer(QWidget *parent)
    : TFaIdLookupFrame({QStringLiteral("FaGetFrCustomer"), QStringLiteral("Customer"), QStringLiteral("FrCustomer"),
                        QStringLiteral("FrCustomer"), QStringLiteral("Id"), QStringLiteral("Code"),
                        QStringLiteral("Name"), QStringLiteral("Blocked='N'"), false, QStringLiteral("BtSearch"),
                        QStringLiteral("ค้นหารหัสกลุ่ม")},
                       parent)
{}

void TFaGetFrCustomer::searchClick()
{
    TFrSearchFrCustomer &dialog = KeptDialogs::get<TFrSearchFrCustomer>();
    if (dialog.exec() == QDialog::Accepted)
        takeChosenCode(dialog.ReturnValue);
}

TFaGetFrVendor::TFaGetFrVendor(QWidget *parent)
    : TFaIdLookupFrame({QStringLiteral("FaGetFrVendor"), QStringLiteral("เจ้าหนี้"), QStringLiteral("Vendor"),
                        QStringLiteral("FrVendor"), QStringLiteral("Id"), QStringLiteral("Code"),
                        QStringLiteral("Name"), QString(), false, QStringLiteral("BtSearch"),
                        QStringLiteral("ค้นหารหัสเจ้าหนี้ต่างประเทศ")},
                       parent)
{}

data::DataSet *TFaGetFrVendor::QVendor()
{
    return masterRow(QStringLiteral("QVendor"),
                     QStringLiteral("SELECT V.Code,V.Currency,V.DueDays,V.OpenAccount, V.CreditLimit,G.TaxCode,"
                                    "T.Rate TaxRate FROM FrVendor V Inner Join VendorGroup G On "
                                    "G.Id=V.VendorGroup Inner Join Tax T On T.Id=G.TaxCode Where V.Code = :GetCode"));
}

void TFaGetFrVendor::searchClick()
{
    TFrSearchFrVendor &dialog = KeptDialogs::get<TFrSearchFrVendor>();
    if (dialog.exec() == QDialog::Accepted)
        takeChosenCode(dialog.ReturnValue);
}

void TFaGetFrVendor::frameExit()
{
    finishExit();
    const QString code = m_edit->text().trimmed();
    if (!code.isEmpty())
        readRow(QVendor(), code);
}

TFaGetExpense::TFaGetExpense(QWidget *parent)
    : TFaIdLookupFrame({QStringLiteral("FaGetExpense"), QStringLiteral("รหัสค่าใช้จ่าย"), QStringLiteral("Expense"),
                        QStringLiteral("Expense"), QStringLiteral("Id"), QStringLiteral("Code"),
                        QStringLiteral("Description"), QString(), true, QStringLiteral("BtSearch"),
                        QStringLiteral("ค้นหารหัสกลุ่ม")},
                       parent)
{
    m_keepButtonEnabled = true;
    BtSearch->setEnabled(true);
}

void TFaGetExpense::searchClick()
{
    app::TDM &dm = app::TDM::instance();
    if (dm.OpenSimpleSearch(QStringLiteral("ค้นหารหัสค่าใช้จ่าย"), QStringLiteral("Code"), QStringLiteral("Description"),
                            QString(), QStringLiteral("Expense")))
        takeChosenCode(dm.SimpleSearchValue());
}

TFaGetImportLotNo::TFaGetImportLotNo(QWidget *parent)
    : TFaIdLookupFrame({QStringLiteral("FaGetImportLotNo"), QStringLiteral("Import Lot No."), QStringLiteral("Code"),
                        QStringLiteral("ImportLotNo"), QStringLiteral("Id"), QStringLiteral("Code"),
                        QStringLiteral("Description"), QStringLiteral("Active='Y'"), false, QStringLiteral("BtSearch"),
                        QStringLiteral("ค้นหา Lot นำเข้าต่างประเทศ")},
                       parent)
{}

void TFaGetImportLotNo::searchClick()
{
    app::TDM &dm = app::TDM::instance();
    if (dm.OpenSimpleSearch(QStringLiteral("ค้นหา") + Label1->text(), QStringLiteral("Code"),
                            QStringLiteral("Description"), QString(), QStringLiteral("ImportLotNo")))
        takeChosenCode(dm.SimpleSearchValue());
}

TFaGetWorkOrder::TFaGetWorkOrder(QWidget *parent)
    : TFaIdLookupFrame({QStringLiteral("FaGetWorkOrder"), QStringLiteral("เลขที่ใบสั่งผลิต"), QStringLiteral("DocNo"),
                        QStringLiteral("WorkorderHd"), QStringLiteral("Id"), QStringLiteral("WorkOrderNo"), QString(),
                        QString(), false, QStringLiteral("BtSearch"), QStringLiteral("ค้นหาเลขที่เอกสารใบสั่งผลิต")},
                       parent)
{}

void TFaGetWorkOrder::searchClick()
{
    TFrSearchWorkorder dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        takeChosenCode(dialog.ReturnValue);
}

// ---- remark, number, date, tax --------------------------------------------------

TFaGetRemark::TFaGetRemark(QWidget *parent) : TFaFrame(QStringLiteral("หมายเหตุ"), parent)
{
    setObjectName(QStringLiteral("FaGetRemark"));
    Remark = new DbEdit(this);
    Remark->setObjectName(QStringLiteral("Remark"));
    Remark->setMaxLength(255);
    auto *button = new QPushButton(QStringLiteral("..."), this);
    button->setObjectName(QStringLiteral("BtSearch"));
    button->setToolTip(QStringLiteral("ค้นหารหัสหมายเหตุ"));
    setUp(Remark, button);
    static_cast<QHBoxLayout *>(layout())->setStretchFactor(Remark, 1);
    connect(Remark, &DbEdit::exited, this, [this] {
        finishExit();
        emit exited();
    });
}

void TFaGetRemark::searchClick()
{
    TFrSearchMisc &dialog = KeptDialogs::get<TFrSearchMisc>();
    dialog.setWindowTitle(QStringLiteral("ค้นหาหมายเหตุ"));
    dialog.MiscGroup = RemarkGroup;
    dialog.MiscReturnField = QStringLiteral("Description");
    if (dialog.exec() != QDialog::Accepted)
        return;
    Remark->setFocus();
    Remark->setText(dialog.ReturnValue);
    Remark->post();
}

TFaGetDocNo::TFaGetDocNo(QWidget *parent) : TFaFrame(QStringLiteral("เลขที่"), parent)
{
    setObjectName(QStringLiteral("FaGetDocNo"));
    DocNo = new DbEdit(this);
    DocNo->setObjectName(QStringLiteral("DocNo"));
    DocNo->setUpperCase(true);
    DocNo->setMaximumWidth(140);
    auto *button = new QPushButton(QStringLiteral("..."), this);
    button->setObjectName(QStringLiteral("BtSearch"));
    button->setToolTip(QStringLiteral("ค้นหาเลขที่เอกสาร"));
    setUp(DocNo, button);
    static_cast<QHBoxLayout *>(layout())->addStretch(1);
    connect(DocNo, &DbEdit::exited, this, [this] {
        emit DocNoExit();
        frameExit();
        emit exited();
    });
}

void TFaGetDocNo::frameExit()
{
    FrameExit();
}

void TFaGetDocNo::FrameExit()
{
    // A cleared number starts a new document, which passes the check; the
    // bound is a guard against an owner that keeps loading a refused one.
    for (int round = 0; round < 3; ++round) {
        finishExit();
        data::DataSet *ds = DocNo->binding().dataSet();
        if (!ds || !ds->isOpen() || ds->currentRow() < 0)
            return;
        const auto flag = [ds](const QString &field) {
            return ds->hasField(field) && ds->value(field).toString() == QLatin1String("Y");
        };
        const bool cancelled = flag(QStringLiteral("DelFlag"));
        const bool posted = flag(QStringLiteral("Posted"));
        const bool imported = flag(QStringLiteral("Imported"));
        app::Prompter &prompter = app::Prompter::instance();
        if (cancelled)
            prompter.message(QStringLiteral("เอกสารถูกยกเลิกแล้ว"));
        if (posted)
            prompter.message(QStringLiteral("เอกสารถูกปิดบัญชีแล้ว"));
        if (imported)
            prompter.message(QStringLiteral("เอกสารถูกถ่ายโอนมาจากระบบอื่น"));
        if ((!cancelled && !imported) || posted)
            return;
        setEnabled(true);
        DocNo->setEnabled(true);
        BtSearch->setEnabled(true);
        DocNo->clear();
        emit DocNoExit();
    }
}

TFaGetDate::TFaGetDate(QWidget *parent) : TFaFrame(QStringLiteral("วันที่"), parent)
{
    setObjectName(QStringLiteral("FaGetDate"));
    DocDate = new DbDateEdit(this);
    DocDate->setObjectName(QStringLiteral("DocDate"));
    setUp(DocDate, nullptr);
    static_cast<QHBoxLayout *>(layout())->addStretch(1);
    connect(DocDate, &DbDateEdit::exited, this, [this] {
        frameExit();
        emit exited();
    });
}

void TFaGetDate::frameExit()
{
    if (DocDate->isBlank())
        return;
    app::TDM &dm = app::TDM::instance();
    if (dm.IsRunYearDate(DocDate->date()))
        return;
    app::Prompter::instance().message(QStringLiteral("วันที่ ไม่ถูกต้อง !!"));
    DocDate->setDate(dm.GetServerTime().date());
    DocDate->post();
    DocDate->setFocus();
}

TFaGetTaxCode::TFaGetTaxCode(QWidget *parent) : TFaFrame(QStringLiteral("อัตราภาษี"), parent)
{
    setObjectName(QStringLiteral("FaGetTaxCode"));
    ListTaxCode = new DbLookupCombo(this);
    ListTaxCode->setObjectName(QStringLiteral("ListTaxCode"));
    ListTaxCode->setToolTip(QStringLiteral("เลือกอัตราภาษี"));
    ListTaxCode->setMinimumWidth(120);
    setUp(ListTaxCode, nullptr);
    static_cast<QHBoxLayout *>(layout())->addStretch(1);
}

void TFaGetTaxCode::bind(data::DataSet *dataSet, const QString &field)
{
    ListTaxCode->setList(&app::TDM::instance().QTax(), QStringLiteral("Id"), QStringLiteral("Code;Rate"));
    ListTaxCode->bind(dataSet, field);
}

} // namespace framework
