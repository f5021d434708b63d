#pragma once

#include "FrSearch.h"

#include <QCheckBox>
#include <QComboBox>

namespace data {
class DataSet;
}

namespace framework {

class TFaIdLookupFrame;
class TFaGetFrCustomer;
class TFaGetFrVendor;
class TFaGetCustomer;
class TFaGetProject;
class TFaGetEmployee;
class TFaGetRemark;
class TFaGetWorkOrder;

// Standard remarks and other Misc rows of one group.
class TFrSearchMisc : public TFrSearch {
    Q_OBJECT
public:
    explicit TFrSearchMisc(QWidget *parent = nullptr);
    QString MiscGroup;
    QString MiscReturnField = QStringLiteral("Code");
    void FormShow() override;
    void BtSearchClick() override;
};

class TFrSearchCompanyBank : public TFrSearch {
    Q_OBJECT
public:
    explicit TFrSearchCompanyBank(QWidget *parent = nullptr);
    bool ActiveOnly = false;
    void FormShow() override;
    void BtSearchClick() override;
};

class TFrSearchProject : public TFrSearch {
    Q_OBJECT
public:
    explicit TFrSearchProject(QWidget *parent = nullptr);
    QString ClosedFilter; // "" all, "Y" closed, "N" open
    // The status choice does not offer blocked projects.
    bool SkipBlockedPreset = false;
    QLineEdit *EdCode;
    QComboBox *CbStatus;
    void FormShow() override;
    void BtSearchClick() override;
};

class TFrSearchPrettyCash : public TFrSearch {
    Q_OBJECT
public:
    explicit TFrSearchPrettyCash(QWidget *parent = nullptr);
    void FormShow() override;
    void BtSearchClick() override;
};

class TFrSearchEmployee : public TFrSearch {
    Q_OBJECT
public:
    explicit TFrSearchEmployee(QWidget *parent = nullptr);
    void FormShow() override;
    void BtSearchClick() override;
};

// Foreign customers (and, with the vendor table, foreign vendors) by name.
class TFrSearchFrParty : public TFrSearch {
    Q_OBJECT
public:
    TFrSearchFrParty(const QString &table, const QString &caption, QWidget *parent = nullptr);
    void FormShow() override;
    void BtSearchClick() override;
};

class TFrSearchFrCustomer : public TFrSearchFrParty {
    Q_OBJECT
public:
    explicit TFrSearchFrCustomer(QWidget *parent = nullptr);
};

class TFrSearchFrVendor : public TFrSearchFrParty {
    Q_OBJECT
public:
    explicit TFrSearchFrVendor(QWidget *parent = nullptr);
};

// Deposits received (pre-receipts) or paid (pre-payments) by number (ends
// with), narrowed by party, open deposits and brought-forward flag.
class TFrSearchDeposit : public TFrSearch {
    Q_OBJECT
public:
    int PartyId = 0;
    bool OpenOnly = false;
    bool BeginBalanceOnly = false;
    data::DataSet *QNull;
    void FormShow() override;
    void BtSearchClick() override;
    // The party frame bound to the scratch record.
    virtual TFaIdLookupFrame *partyFrame() const = 0;

protected:
    TFrSearchDeposit(const QString &table, const QString &partyTable, const QString &partyColumn, QWidget *parent);

private:
    QString m_partyColumn;
};

class TFrSearchFrPreRcpt : public TFrSearchDeposit {
    Q_OBJECT
public:
    explicit TFrSearchFrPreRcpt(QWidget *parent = nullptr);
    TFaGetFrCustomer *FaGetFrCustomer1;
    TFaIdLookupFrame *partyFrame() const override;
};

class TFrSearchFrPrePdPt : public TFrSearchDeposit {
    Q_OBJECT
public:
    explicit TFrSearchFrPrePdPt(QWidget *parent = nullptr);
    TFaGetFrVendor *FaGetFrVendor1;
    TFaIdLookupFrame *partyFrame() const override;
};

class TFrSearchExIvNo : public TFrSearch {
    Q_OBJECT
public:
    explicit TFrSearchExIvNo(QWidget *parent = nullptr);
    QString BeginFlag;
    data::DataSet *QNull;
    TFaGetFrCustomer *FaGetFrCustomer1;
    void FormShow() override;
    void BtSearchClick() override;
};

class TFrSearchFrRc : public TFrSearch {
    Q_OBJECT
public:
    explicit TFrSearchFrRc(QWidget *parent = nullptr);
    data::DataSet *QNull;
    TFaGetFrCustomer *FaGetFrCustomer1;
    void FormShow() override;
    void BtSearchClick() override;
};

class TFrSearchFrPD : public TFrSearch {
    Q_OBJECT
public:
    explicit TFrSearchFrPD(QWidget *parent = nullptr);
    data::DataSet *QNull;
    TFaGetFrVendor *FaGetFrVendor1;
    void FormShow() override;
    void BtSearchClick() override;
};

class TFrSearchImNo : public TFrSearch {
    Q_OBJECT
public:
    explicit TFrSearchImNo(QWidget *parent = nullptr);
    QString BeginChar;
    data::DataSet *QNull;
    TFaGetFrVendor *FaGetFrVendor1;
    void FormShow() override;
    void BtSearchClick() override;
};

class TFrSearchWorkorder : public TFrSearch {
    Q_OBJECT
public:
    explicit TFrSearchWorkorder(QWidget *parent = nullptr);
    QString ApprovedFilter = QStringLiteral("A");
    QString ClearFilter;
    QLineEdit *FinishedGood;
    void FormShow() override;
    void BtSearchClick() override;
};

class TFrSearchSoNoService : public TFrSearch {
    Q_OBJECT
public:
    explicit TFrSearchSoNoService(QWidget *parent = nullptr);
    int PartyId = 0;
    QString SoType;
    data::DataSet *QNull;
    TFaGetCustomer *FaGetCustomer1;
    void FormShow() override;
    void BtSearchClick() override;
    // The grid's pop-up item "แสดงชื่อผู้อนุมัติ".
    void ShowApprover();
};

// General payments: the form with its header filter controls.
class TFrSearchMiscPdNo : public TFrSearch {
    Q_OBJECT
public:
    explicit TFrSearchMiscPdNo(QWidget *parent = nullptr);
    data::DataSet *QNull;
    TFaGetProject *FaGetProject1;
    TFaGetEmployee *FaGetEmployee1;
    TFaGetRemark *FaGetRemark1;
    TFaGetWorkOrder *FaGetWorkOrder1;
    QLineEdit *ServiceNo;
    QPushButton *BtServiceNo;
    void FormShow() override;
    void BtSearchClick() override;
    void DgSearchTitleBtnClick(int sourceColumn) override;
    void ServiceNoSearch();

protected:
    // F5 in the service number opens its search, as its button does.
    bool FormKeyDown(QKeyEvent *event, QWidget *focused) override;

private:
    SortState m_ownSort; // this dialog keeps its own title-click sort
};

class TFrSearchFrMiscPdNo : public TFrSearchMiscPdNo {
    Q_OBJECT
public:
    explicit TFrSearchFrMiscPdNo(QWidget *parent = nullptr);
};

class TFrSearchWHTAX : public TFrSearch {
    Q_OBJECT
public:
    explicit TFrSearchWHTAX(QWidget *parent = nullptr);
    void BtSearchClick() override;
};

} // namespace framework
