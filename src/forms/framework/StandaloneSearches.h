#pragma once

#include "DbGrid.h"
#include "FrSearch.h"
#include "SearchQuery.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace data {
class DataSet;
}

namespace framework {

class KeyPreview;
class TFaSelectVendorAttr;
class TFaSelectCustomerAttr;
class TFaGetSalesman;
class TFaGetProvince;

// Common ground of the picking dialogs that are not search members: Enter
// searches (or picks on the grid), Esc cancels, a double click picks; an
// empty list or any result but OK returns empty values; the query is closed
// when the dialog closes.
class TFrPickDialog : public QDialog {
    Q_OBJECT
public:
    SearchQuery *Query;
    DbGrid *ListData;
    virtual void Search() = 0;

protected:
    explicit TFrPickDialog(QWidget *parent);
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    virtual void prepareShow() = 0;
    // Reads the returned values from a row; row -1 clears them.
    virtual void takeRow(int row) = 0;
    virtual bool FormKeyDown(QKeyEvent *event, QWidget *focused);
    void openQuery();
    KeyPreview *Preview;
};

class TFrSearchVendor : public TFrPickDialog {
    Q_OBJECT
public:
    explicit TFrSearchVendor(QWidget *parent = nullptr);
    bool IncludeBlocked = false;
    QString ChosenCode;

    QLineEdit *VendorName;
    QLineEdit *VendorCode;
    TFaSelectVendorAttr *FaSelectVendorAttr1;
    QPushButton *BSearch, *BtSelect, *BtCancel;
    QTableView *DgSearch() const { return ListData; }

    void Search() override;
    void BSearchClick() { Search(); }

protected:
    void prepareShow() override;
    void takeRow(int row) override;

private:
    QString m_order = QStringLiteral("V.Code");
};

class TF_SearchCustomer : public TFrPickDialog {
    Q_OBJECT
public:
    explicit TF_SearchCustomer(QWidget *parent = nullptr);
    bool IncludeBlocked = false;
    QString ChosenCode;
    QString ChosenName;

    QLineEdit *CustomerName, *CustomerNameEng, *CustomerCode, *PhoneNo, *Fax;
    TFaGetSalesman *FaGetSalesman1;
    TFaGetProvince *FaGetProvince1;
    TFaSelectCustomerAttr *FaSelectCustomerAttr1;
    data::DataSet *QNull;
    QPushButton *BtSearch, *Btok, *BtCancel;

    void Search() override;
    void BtSearchClick() { Search(); }
    // The ordering of a title click on a result column.
    static QString orderForField(const QString &field);

protected:
    void prepareShow() override;
    void takeRow(int row) override;

private:
    QString m_order;
    QList<QLabel *> m_labels;
};

class TF_SearchMisc : public TFrPickDialog {
    Q_OBJECT
public:
    explicit TF_SearchMisc(QWidget *parent = nullptr);
    QString MiscGroup;
    QString ChosenCode;
    QString ChosenDescription;

    QLineEdit *EnterString;
    QCheckBox *FullWord;
    QPushButton *Bok, *BCancel;

    void Search() override;

protected:
    void prepareShow() override;
    void takeRow(int row) override;
    bool FormKeyDown(QKeyEvent *event, QWidget *focused) override;

private:
    SortState m_sort; // this dialog's own title-click sort
};

class TF_SearchSalesman : public TFrPickDialog {
    Q_OBJECT
public:
    explicit TF_SearchSalesman(QWidget *parent = nullptr);
    QString ChosenCode;
    QLineEdit *SCode, *SName, *SSurname;
    QPushButton *BtSearch, *BtOk, *BtCancel;
    int SortChoice = 0;

    void Search() override;

protected:
    void prepareShow() override;
    void takeRow(int row) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

} // namespace framework
