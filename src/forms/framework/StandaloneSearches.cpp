#include "StandaloneSearches.h"

#include "AttrSelectors.h"
#include "Connection.h"
#include "DataSet.h"
#include "Dm.h"
#include "DmConfig.h"
#include "KeyPreview.h"
#include "LookupFrames.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShowEvent>
#include <QVBoxLayout>

namespace framework {

namespace {
bool showLastSearch()
{
    data::DataSet &config = app::TDM::instance().QConfig();
    return config.isOpen() && config.hasField(QStringLiteral("ShowLastSearch")) && config.currentRow() >= 0 &&
           config.value(QStringLiteral("ShowLastSearch")).toString() == QLatin1String("Y");
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit *edit(const QString &name, QWidget *parent, int maxLength = 0, bool upper = false)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    if (upper)
        QObject::connect(e, &QLineEdit::textEdited, e, [e](const QString &t) {
            if (t != t.toUpper()) {
                const int pos = e->cursorPosition();
                e->setText(t.toUpper());
                e->setCursorPosition(pos);
            }
        });
    return e;
}

// The range lines of a party search: one per attribute row with a begin or
// end code, every bound a parameter.
void addAttrRanges(QStringList &sql, data::Params &p, const QList<AttrRange> &ranges, const QString &idColumn,
                   const QString &partyColumn, const QString &attrTable)
{
    for (int i = 0; i < ranges.size(); ++i) {
        const QString lo = QStringLiteral("AttrLo%1").arg(i);
        const QString hi = QStringLiteral("AttrHi%1").arg(i);
        sql << QStringLiteral("And (%1 In (Select %2 From %3 Where (GroupCode Between :%4 And :%5)))")
                   .arg(idColumn, partyColumn, attrTable, lo, hi);
        p.set(lo, attrRangeLower(ranges[i]));
        p.set(hi, attrRangeUpper(ranges[i]));
    }
}
} // namespace

// ---- common ---------------------------------------------------------------

TFrPickDialog::TFrPickDialog(QWidget *parent) : QDialog(parent)
{
    Query = new SearchQuery(QStringLiteral("DMDATA"), this);
    ListData = new DbGrid(this);
    ListData->setObjectName(QStringLiteral("ListData"));
    ListData->setDataModel(Query);
    connect(ListData, &QAbstractItemView::doubleClicked, this, [this] { done(Accepted); });
    Preview = new KeyPreview(this, [this](QKeyEvent *e, QWidget *focused) { return FormKeyDown(e, focused); });
}

void TFrPickDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    Preview->refresh();
    prepareShow();
}

bool TFrPickDialog::FormKeyDown(QKeyEvent *event, QWidget *focused)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (focused == ListData)
            done(Accepted);
        else
            Search();
        return true;
    case Qt::Key_Escape:
        done(Rejected);
        return true;
    default:
        return false;
    }
}

void TFrPickDialog::openQuery()
{
    Query->open();
    if (!Query->isEmpty()) {
        ListData->setFocus();
        ListData->setCurrentRow(0);
    }
}

void TFrPickDialog::done(int result)
{
    const int row = ListData->currentRow();
    const bool picked = result == Accepted && Query->isOpen() && !Query->isEmpty() && row >= 0;
    takeRow(picked ? row : -1);
    Query->close();
    QDialog::done(picked ? Accepted : Rejected);
}

// ---- vendors ----------------------------------------------------------------

TFrSearchVendor::TFrSearchVendor(QWidget *parent) : TFrPickDialog(parent)
{
    setObjectName(QStringLiteral("FrSearchVendor"));
    setWindowTitle(QStringLiteral("ค้นหารหัสเจ้าหนี้"));
    resize(640, 420);
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("ชื่อ"), this), 0, 0);
    VendorName = edit(QStringLiteral("VendorName"), this);
    fields->addWidget(VendorName, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("รหัส"), this), 1, 0);
    VendorCode = edit(QStringLiteral("VendorCode"), this, 0, true);
    fields->addWidget(VendorCode, 1, 1);
    auto *buttons = new QVBoxLayout;
    BSearch = button(QStringLiteral("BSearch"), QStringLiteral("ค้นหา"), this);
    BtSelect = button(QStringLiteral("BtSelect"), QStringLiteral("เลือก"), this);
    BtCancel = button(QStringLiteral("BtCancel"), QStringLiteral("ไม่เลือก"), this);
    buttons->addWidget(BSearch);
    buttons->addWidget(BtSelect);
    buttons->addWidget(BtCancel);
    buttons->addStretch(1);
    fields->addLayout(buttons, 0, 2, 3, 1);
    fields->setRowStretch(2, 1);
    top->addLayout(fields, 1);
    FaSelectVendorAttr1 = new TFaSelectVendorAttr(this);
    FaSelectVendorAttr1->setObjectName(QStringLiteral("FaSelectVendorAttr1"));
    FaSelectVendorAttr1->setMinimumSize(340, 120);
    top->addWidget(FaSelectVendorAttr1, 1);
    layout->addLayout(top);
    ListData->setObjectName(QStringLiteral("DgSearch"));
    ListData->setColumns({{QStringLiteral("Code"), QStringLiteral("รหัส"), 80},
                          {QStringLiteral("Name"), QStringLiteral("ชื่อ"), 200},
                          {QStringLiteral("Remark"), QStringLiteral("หมายเหตุ"), 100},
                          {QStringLiteral("PhoneNo"), QStringLiteral("โทรศัพท์"), 80},
                          {QStringLiteral("FaxNo"), QStringLiteral("Fax"), 80},
                          {QStringLiteral("Attention"), QStringLiteral("ผู้ติดต่อ"), 100}});
    layout->addWidget(ListData, 1);
    connect(BSearch, &QPushButton::clicked, this, &TFrSearchVendor::Search);
    connect(BtSelect, &QPushButton::clicked, this, [this] { done(Accepted); });
    connect(BtCancel, &QPushButton::clicked, this, [this] { done(Rejected); });
    connect(VendorName, &QLineEdit::editingFinished, this,
            [this] { app::TDM::instance().LastVendorName = VendorName->text(); });
    connect(ListData, &DbGrid::titleClicked, this, [this](int, const QString &field) {
        if (field.compare(QLatin1String("Code"), Qt::CaseInsensitive) == 0)
            m_order = QStringLiteral("V.Code");
        else if (field.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0)
            m_order = QStringLiteral("V.Name");
        Search();
    });
    // Enter and the arrows work inside the attribute selector.
    Preview->excluded.append(FaSelectVendorAttr1);
}

void TFrSearchVendor::prepareShow()
{
    Query->close();
    m_order = QStringLiteral("V.Code");
    VendorName->setText(showLastSearch() ? app::TDM::instance().LastVendorName : QString());
    const app::TDMConfig &session = app::TDMConfig::instance();
    const QString userPrefix = session.UserCode.left(3);
    const bool restricted = session.DatabaseName == QLatin1String("JHW") &&
                            (userPrefix == QLatin1String("AMS") || userPrefix == QLatin1String("STD"));
    if (restricted)
        VendorCode->setText(QStringLiteral("Z"));
    VendorCode->setEnabled(!restricted);
    VendorName->setFocus();
    FaSelectVendorAttr1->reopen();
}

void TFrSearchVendor::Search()
{
    app::TDM::instance().LastVendorName = VendorName->text();
    data::Connection &c = data::Connection::byAlias(QStringLiteral("DMDATA"));
    data::Params &p = Query->params();
    p.clear();
    const QString contact = c.dialect().selectTop(1, QStringLiteral("Name from vendorcontact where vendor = V.Id"));
    QStringList sql = {
        QStringLiteral("Select V.Id, V.Code, V.Name, V.Remark, V.PhoneNo, V.FaxNo, (%1) Attention").arg(contact),
        QStringLiteral("From Vendor V"), QStringLiteral("Where (V.Code Like :VendorCode)")};
    p.set(QStringLiteral("VendorCode"), VendorCode->text().trimmed() + QStringLiteral("%"));
    const QString name = VendorName->text().trimmed();
    if (!name.isEmpty()) {
        sql << QStringLiteral("And (V.Name Like :VendorName)");
        p.set(QStringLiteral("VendorName"), QStringLiteral("%") + name + QStringLiteral("%"));
    }
    if (!IncludeBlocked)
        sql << QStringLiteral("And (V.Blocked <> 'Y')");
    addAttrRanges(sql, p, FaSelectVendorAttr1->ranges(), QStringLiteral("V.Id"), QStringLiteral("Vendor"),
                  QStringLiteral("VendorAttribute"));
    sql << QStringLiteral("Order By ") + m_order;
    Query->SQL = sql;
    openQuery();
}

void TFrSearchVendor::takeRow(int row)
{
    ChosenCode = row >= 0 ? Query->value(row, QStringLiteral("CODE")).toString() : QString();
}

// ---- customers --------------------------------------------------------------

TF_SearchCustomer::TF_SearchCustomer(QWidget *parent) : TFrPickDialog(parent)
{
    setObjectName(QStringLiteral("F_SearchCustomer"));
    setWindowTitle(QStringLiteral("ค้นหาลูกค้า/สมาชิก"));
    resize(760, 480);
    QNull = new data::DataSet(data::Connection::byAlias(QStringLiteral("DMDATA")),
                              QStringLiteral("Select 0 SalesId, 0 ProvinceId From NullTable"), this);
    QNull->setObjectName(QStringLiteral("QNull"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *fields = new QGridLayout;
    const QStringList captions = {QStringLiteral("ชื่อลูกค้า (ไทย)"), QStringLiteral("ชื่อลูกค้า (อังกฤษ)"),
                                  QStringLiteral("รหัสลูกค้า"), QStringLiteral("โทรศัพท์"), QStringLiteral("แฟกซ์")};
    CustomerName = edit(QStringLiteral("CustomerName"), this, 60);
    CustomerNameEng = edit(QStringLiteral("CustomerNameEng"), this);
    CustomerCode = edit(QStringLiteral("CustomerCode"), this, 0, true);
    PhoneNo = edit(QStringLiteral("PhoneNo"), this);
    Fax = edit(QStringLiteral("Fax"), this);
    const QList<QLineEdit *> edits = {CustomerName, CustomerNameEng, CustomerCode, PhoneNo, Fax};
    for (int i = 0; i < edits.size(); ++i) {
        auto *label = new QLabel(captions[i], this);
        m_labels.append(label);
        fields->addWidget(label, i, 0);
        fields->addWidget(edits[i], i, 1);
    }
    FaGetSalesman1 = new TFaGetSalesman(this);
    FaGetSalesman1->setObjectName(QStringLiteral("FaGetSalesman1"));
    FaGetProvince1 = new TFaGetProvince(this);
    FaGetProvince1->setObjectName(QStringLiteral("FaGetProvince1"));
    fields->addWidget(FaGetSalesman1, 5, 0, 1, 2);
    fields->addWidget(FaGetProvince1, 6, 0, 1, 2);
    top->addLayout(fields, 1);
    auto *right = new QVBoxLayout;
    FaSelectCustomerAttr1 = new TFaSelectCustomerAttr(this);
    FaSelectCustomerAttr1->setObjectName(QStringLiteral("FaSelectCustomerAttr1"));
    FaSelectCustomerAttr1->setMinimumSize(340, 120);
    right->addWidget(FaSelectCustomerAttr1, 1);
    auto *buttons = new QHBoxLayout;
    BtSearch = button(QStringLiteral("BtSearch"), QStringLiteral("ค้นหา"), this);
    Btok = button(QStringLiteral("Btok"), QStringLiteral("เลือก"), this);
    BtCancel = button(QStringLiteral("BtCancel"), QStringLiteral("ไม่เลือก"), this);
    buttons->addStretch(1);
    buttons->addWidget(BtSearch);
    buttons->addWidget(Btok);
    buttons->addWidget(BtCancel);
    right->addLayout(buttons);
    top->addLayout(right, 1);
    layout->addLayout(top);
    layout->addWidget(ListData, 1);
    FaGetSalesman1->bind(QNull, QStringLiteral("SalesId"));
    FaGetProvince1->bind(QNull, QStringLiteral("ProvinceId"));
    connect(BtSearch, &QPushButton::clicked, this, &TF_SearchCustomer::Search);
    connect(Btok, &QPushButton::clicked, this, [this] { done(Accepted); });
    connect(BtCancel, &QPushButton::clicked, this, [this] { done(Rejected); });
    connect(CustomerName, &QLineEdit::editingFinished, this,
            [this] { app::TDM::instance().LastCustomerName = CustomerName->text(); });
    connect(ListData, &DbGrid::titleClicked, this, [this](int, const QString &field) {
        m_order = orderForField(field);
        Search();
    });
    Preview->excluded.append(FaSelectCustomerAttr1);
}

QString TF_SearchCustomer::orderForField(const QString &field)
{
    static const QHash<QString, QString> orders = {{QStringLiteral("CODE"), QStringLiteral("C.Code")},
                                                   {QStringLiteral("NAME"), QStringLiteral("C.Name")},
                                                   {QStringLiteral("NAMEENG"), QStringLiteral("C.NameEng")},
                                                   {QStringLiteral("SALESNAME"), QStringLiteral("S.Name, S.Surname")},
                                                   {QStringLiteral("DESCRIPTION"), QStringLiteral("P.Description")},
                                                   {QStringLiteral("PHONENO"), QStringLiteral("C.PhoneNo")},
                                                   {QStringLiteral("FAXNO"), QStringLiteral("C.FaxNo")}};
    return orders.value(field.toUpper());
}

void TF_SearchCustomer::prepareShow()
{
    const bool thai = app::TDMConfig::instance().ThaiPrompts;
    QList<GridColumn> columns = {{QStringLiteral("Name"), QStringLiteral("ชื่อลูกค้า (ไทย)"), 160},
                                 {QStringLiteral("Code"), QStringLiteral("รหัส"), 70},
                                 {QStringLiteral("SalesName"), QStringLiteral("นักงานขาย"), 110},
                                 {QStringLiteral("Description"), QStringLiteral("ที่อยู่-จังหวัด"), 180},
                                 {QStringLiteral("NameEng"), QStringLiteral("ชื่อลูกค้า (อังกฤษ)"), 140},
                                 {QStringLiteral("PhoneNO"), QStringLiteral("โทรศัพท์"), 80},
                                 {QStringLiteral("FaxNO"), QStringLiteral("แฟกซ์"), 80}};
    if (!thai) {
        const QStringList titles = {QStringLiteral("Thai Name"), QStringLiteral("Code"), QStringLiteral("Sales"),
                                    QStringLiteral("Address"), QStringLiteral("Eng Name")};
        for (int i = 0; i < titles.size(); ++i)
            columns[i].title = titles[i];
        const QStringList labels = {QStringLiteral("ThaiName"), QStringLiteral("EngName"), QStringLiteral("Customer"),
                                    QStringLiteral("Phone"), QStringLiteral("Fax")};
        for (int i = 0; i < labels.size(); ++i)
            m_labels[i]->setText(labels[i]);
        FaSelectCustomerAttr1->setTitles(QStringLiteral("Customer Attribute"), QStringLiteral("From Code"),
                                         QStringLiteral("To Code"));
        FaGetSalesman1->Label1->setText(QStringLiteral("SalesPerson"));
        FaGetProvince1->Label1->setText(QStringLiteral("Province"));
        BtSearch->setText(QStringLiteral("Search"));
        Btok->setText(QStringLiteral("Choose"));
        BtCancel->setText(QStringLiteral("Cancel"));
    }
    ListData->setColumns(columns);
    m_order = QStringLiteral("C.Code");
    FaSelectCustomerAttr1->reopen();
    QNull->close();
    QNull->open();
    QNull->edit();
    CustomerName->setFocus();
    CustomerName->setText(showLastSearch() ? app::TDM::instance().LastCustomerName : QString());
}

void TF_SearchCustomer::Search()
{
    app::TDM::instance().LastCustomerName = CustomerName->text();
    FaGetSalesman1->edit()->resolve();
    FaGetProvince1->edit()->resolve();
    const data::Dialect &d = data::Connection::byAlias(QStringLiteral("DMDATA")).dialect();
    const auto trimmed = [](const QString &col) { return QStringLiteral("LTrim(RTrim(%1))").arg(col); };
    const QString address =
        d.concat({trimmed(QStringLiteral("C.Address1")), QStringLiteral("' '"), trimmed(QStringLiteral("C.Address2")),
                  QStringLiteral("' '"), trimmed(QStringLiteral("C.Address3")), QStringLiteral("' '"),
                  QStringLiteral("P.Description")});
    const QString salesName = d.concat({QStringLiteral("S.Name"), QStringLiteral("'  '"), QStringLiteral("S.Surname")});
    data::Params &p = Query->params();
    p.clear();
    // Customers without a province or salesperson are listed too, unless a
    // province or salesperson code narrows the search.
    QStringList sql = {QStringLiteral("Select C.Code, C.Name, C.NameEng, %1 Description,").arg(address),
                       QStringLiteral("%1 SalesName, C.PhoneNO, C.FaxNO ").arg(salesName),
                       QStringLiteral("From Customer C"),
                       QStringLiteral("Left Join Misc P On (P.Id = C.Province)"),
                       QStringLiteral("Left Join Salesman S On (S.Id = C.Salesman)"),
                       IncludeBlocked ? QStringLiteral("Where(C.Blocked<>'Z' )")
                                      : QStringLiteral("Where(C.Blocked='N' )")};
    const QString province = FaGetProvince1->edit()->text().trimmed();
    if (!province.isEmpty()) {
        sql << QStringLiteral("And (P.Code Like :ProvinceCode)");
        p.set(QStringLiteral("ProvinceCode"), province + QStringLiteral("%"));
    }
    const QString salesman = FaGetSalesman1->edit()->text().trimmed();
    if (!salesman.isEmpty()) {
        sql << QStringLiteral("And (S.Code Like :SalesCode)");
        p.set(QStringLiteral("SalesCode"), salesman + QStringLiteral("%"));
    }
    const struct {
        QLineEdit *edit;
        QString line, param;
        bool contains, trim;
    } filters[] = {
        {CustomerCode, QStringLiteral("And (C.Code Like :CusCode)"), QStringLiteral("CusCode"), false, true},
        {PhoneNo, QStringLiteral("  And (C.PhoneNo Like :Phone)"), QStringLiteral("Phone"), true, true},
        {Fax, QStringLiteral("  And (C.FaxNo Like :Fax)"), QStringLiteral("Fax"), true, true},
        {CustomerName, QStringLiteral("  And (C.Name Like :CusName)"), QStringLiteral("CusName"), true, true},
        {CustomerNameEng, QStringLiteral("  And (C.Nameeng Like :CusNameEng)"), QStringLiteral("CusNameEng"), true,
         false}};
    for (const auto &f : filters) {
        const QString text = f.edit->text().trimmed();
        if (text.isEmpty())
            continue;
        const QString value = f.trim ? text : f.edit->text();
        sql << f.line;
        p.set(f.param, (f.contains ? QStringLiteral("%") : QString()) + value + QStringLiteral("%"));
    }
    addAttrRanges(sql, p, FaSelectCustomerAttr1->ranges(), QStringLiteral("C.Id"), QStringLiteral("Customer"),
                  QStringLiteral("CustomerAttribute"));
    if (!m_order.isEmpty())
        sql << QStringLiteral("Order By ") + m_order;
    Query->SQL = sql;
    openQuery();
}

void TF_SearchCustomer::takeRow(int row)
{
    ChosenCode = row >= 0 ? Query->value(row, QStringLiteral("CODE")).toString() : QString();
    ChosenName = row >= 0 ? Query->value(row, QStringLiteral("Name")).toString() : QString();
}

// ---- Misc codes -------------------------------------------------------------

TF_SearchMisc::TF_SearchMisc(QWidget *parent) : TFrPickDialog(parent)
{
    setObjectName(QStringLiteral("F_SearchMisc"));
    resize(480, 320);
    auto *layout = new QVBoxLayout(this);
    auto *header = new QHBoxLayout;
    header->addWidget(new QLabel(QStringLiteral("รายละเอียด"), this));
    EnterString = edit(QStringLiteral("EnterString"), this);
    header->addWidget(EnterString, 1);
    FullWord = new QCheckBox(QStringLiteral("หาเต็มคำ"), this);
    FullWord->setObjectName(QStringLiteral("FullWord"));
    header->addWidget(FullWord);
    layout->addLayout(header);
    ListData->setColumns({{QStringLiteral("description"), QStringLiteral("รายละเอียด"), 320},
                          {QStringLiteral("code"), QStringLiteral("รหัส"), 100}});
    layout->addWidget(ListData, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Bok = button(QStringLiteral("Bok"), QStringLiteral("เลือก"), this);
    BCancel = button(QStringLiteral("BCancel"), QStringLiteral("ไม่เลือก"), this);
    buttons->addWidget(Bok);
    buttons->addWidget(BCancel);
    layout->addLayout(buttons);
    connect(Bok, &QPushButton::clicked, this, [this] { done(Accepted); });
    connect(BCancel, &QPushButton::clicked, this, [this] { done(Rejected); });
    Query->SQL = {QStringLiteral("select id,code,groupcode,description  from misc where (groupcode=:inputgroup)  and "
                                 "((description like :inputname)  or (code like :inputname)) order by Code")};
    connect(ListData, &DbGrid::titleClicked, this, [this](int, const QString &, int sourceColumn) {
        if (isUnsortable(*Query, sourceColumn,
                         {QStringLiteral("REMARK"), QStringLiteral("REFERENCE"), QStringLiteral("MEMO")}))
            return;
        sortByTitle(Query->SQL, Query->fieldNames().value(sourceColumn), sourceColumn + 1, m_sort);
        Search();
    });
}

void TF_SearchMisc::prepareShow()
{
    EnterString->clear();
    FullWord->setChecked(false);
    Search();
    EnterString->setFocus();
}

void TF_SearchMisc::Search()
{
    Query->setParam(QStringLiteral("inputgroup"), MiscGroup);
    Query->setParam(QStringLiteral("inputname"), QStringLiteral("%") + EnterString->text() + QStringLiteral("%"));
    Query->open();
    if (!Query->isEmpty())
        ListData->setCurrentRow(0);
}

bool TF_SearchMisc::FormKeyDown(QKeyEvent *event, QWidget *focused)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focused == EnterString) {
        Search();
        return true;
    }
    if (enter && focused == FullWord) {
        Search();
        return true;
    }
    if (event->key() == Qt::Key_Down && focused == EnterString) {
        ListData->setFocus();
        return true;
    }
    if (enter && focused != ListData) {
        ListData->setFocus();
        return true;
    }
    return TFrPickDialog::FormKeyDown(event, focused);
}

void TF_SearchMisc::takeRow(int row)
{
    ChosenCode = row >= 0 ? Query->value(row, QStringLiteral("Code")).toString() : QString();
    ChosenDescription = row >= 0 ? Query->value(row, QStringLiteral("Description")).toString() : QString();
}

// ---- salespersons -----------------------------------------------------------

TF_SearchSalesman::TF_SearchSalesman(QWidget *parent) : TFrPickDialog(parent)
{
    setObjectName(QStringLiteral("F_SearchSalesman"));
    setWindowTitle(QStringLiteral("ค้นหาพนักงานขาย"));
    resize(520, 320);
    auto *layout = new QVBoxLayout(this);
    auto *header = new QGridLayout;
    SCode = edit(QStringLiteral("SCode"), this, 10, true);
    SName = edit(QStringLiteral("SName"), this, 30);
    SSurname = edit(QStringLiteral("SSurname"), this, 30);
    header->addWidget(new QLabel(QStringLiteral("รหัส"), this), 0, 0);
    header->addWidget(SCode, 0, 1);
    header->addWidget(new QLabel(QStringLiteral("ชื่อ"), this), 0, 2);
    header->addWidget(SName, 0, 3);
    header->addWidget(new QLabel(QStringLiteral("นามสกุล"), this), 0, 4);
    header->addWidget(SSurname, 0, 5);
    layout->addLayout(header);
    ListData->setColumns({{QStringLiteral("NAME"), QStringLiteral("ชื่อ"), 130},
                          {QStringLiteral("SURNAME"), QStringLiteral("นามสกุล"), 130},
                          {QStringLiteral("CODE"), QStringLiteral("รหัส"), 80},
                          {QStringLiteral("description"), QStringLiteral("ชื่อแผนก"), 130}});
    layout->addWidget(ListData, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    BtSearch = button(QStringLiteral("BtSearch"), QStringLiteral("ค้นหา"), this);
    BtOk = button(QStringLiteral("BtOk"), QStringLiteral("เลือก"), this);
    BtCancel = button(QStringLiteral("BtCancel"), QStringLiteral("ไม่เลือก"), this);
    buttons->addWidget(BtSearch);
    buttons->addWidget(BtOk);
    buttons->addWidget(BtCancel);
    layout->addLayout(buttons);
    connect(BtSearch, &QPushButton::clicked, this, &TF_SearchSalesman::Search);
    connect(BtOk, &QPushButton::clicked, this, [this] { done(Accepted); });
    connect(BtCancel, &QPushButton::clicked, this, [this] { done(Rejected); });
    // A title click only chooses the order of the next search.
    connect(ListData, &DbGrid::titleClicked, this, [this](int, const QString &field) {
        static const QStringList fields = {QStringLiteral("CODE"), QStringLiteral("NAME"), QStringLiteral("SURNAME"),
                                           QStringLiteral("DESCRIPTION")};
        const int choice = int(fields.indexOf(field.toUpper()));
        if (choice >= 0)
            SortChoice = choice;
    });
}

void TF_SearchSalesman::prepareShow()
{
    SortChoice = 0;
    SCode->clear();
    SName->clear();
    SSurname->clear();
    Query->close();
    SName->setFocus();
}

void TF_SearchSalesman::Search()
{
    static const QStringList orders = {QStringLiteral("Order By S.Code"), QStringLiteral("Order By S.Name"),
                                       QStringLiteral("Order By S.SurName"), QStringLiteral("Order By M.Description")};
    Query->SQL = {QStringLiteral("Select S.Code, S.Name, S.Surname, M.Description From Salesman S"),
                  QStringLiteral("Inner Join Misc M On (M.GroupCode  = 'DEPARTMENT') And (M.Id = S.Department)"),
                  QStringLiteral("Where (S.Code Like :SCode) And (S.Name Like :SName) And (S.SurName Like :SSurname)"),
                  orders.value(SortChoice)};
    Query->setParam(QStringLiteral("SCode"), SCode->text() + QStringLiteral("%"));
    Query->setParam(QStringLiteral("SName"), QStringLiteral("%") + SName->text() + QStringLiteral("%"));
    Query->setParam(QStringLiteral("SSurname"), QStringLiteral("%") + SSurname->text() + QStringLiteral("%"));
    openQuery();
}

void TF_SearchSalesman::takeRow(int row)
{
    ChosenCode = row >= 0 ? Query->value(row, QStringLiteral("Code")).toString() : QString();
}

void TF_SearchSalesman::mouseDoubleClickEvent(QMouseEvent *)
{
    done(Accepted);
}

} // namespace framework
