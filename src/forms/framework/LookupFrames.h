#pragma once

#include "DataWidgets.h"
#include "IdLookupEdit.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace data {
class DataSet;
}

namespace framework {

// A lookup frame: caption, code edit bound to one field of the owner's
// data set, search button (also F5) and, mostly, a description label.
// The search button is enabled while the code edit has the focus. Owners
// bind the frame, enable or disable it, read its id and ask whether the
// code typed is valid; they chain to exited() for their own steps.
class TFaFrame : public QFrame {
    Q_OBJECT
public:
    explicit TFaFrame(const QString &caption, QWidget *parent = nullptr);

    QLabel *Label1; // the caption
    QPushButton *BtSearch = nullptr;

    virtual void bind(data::DataSet *dataSet, const QString &field) = 0;
    // The bound field's value (an id, a text or a date).
    virtual QVariant id() const = 0;
    virtual bool isValid() const { return true; }
    virtual QWidget *editor() const = 0;

signals:
    // The frame's own exit step has run.
    void exited();

protected:
    // Wires the editor: focus in enables the button, F5 clicks it, leaving
    // runs frameExit().
    void setUp(QWidget *editor, QPushButton *button, bool keepButtonEnabled = false);
    virtual void frameEnter() {}
    virtual void frameExit() {}
    virtual void searchClick() {}
    bool eventFilter(QObject *watched, QEvent *event) override;
    void finishExit();

    bool m_keepButtonEnabled = false;
};

// Frames over a master table through an id-lookup edit.
class TFaIdLookupFrame : public TFaFrame {
    Q_OBJECT
public:
    struct Setup {
        QString frameName, caption, editName, table, idField, codeField, descField, filter;
        bool allowNull = false;
        QString buttonName, hint;
    };
    explicit TFaIdLookupFrame(const Setup &setup, QWidget *parent = nullptr);

    TKIdLookup *edit() const { return m_edit; }
    QLabel *LbDescription;

    void bind(data::DataSet *dataSet, const QString &field) override;
    QVariant id() const override { return m_edit->idValue(); }
    bool isValid() const override { return m_edit->isValid(); }
    QWidget *editor() const override { return m_edit; }
    // Puts a code chosen in a search dialog into the edit and focuses it.
    void takeChosenCode(const QString &code);

protected:
    void frameExit() override;
    // Clears the edit and the bound id (refused rows).
    void clearCode();
    // The frame's master-row query, created on first use.
    data::DataSet *masterRow(const QString &name, const QString &sql);
    TKIdLookup *m_edit;
    data::DataSet *m_row = nullptr;
};

class TFaGetVendor : public TFaIdLookupFrame {
    Q_OBJECT
public:
    explicit TFaGetVendor(QWidget *parent = nullptr);
    // The vendor row of the code typed, for the owner (created on first use,
    // so that a frame can be built before the company connection opens).
    data::DataSet *QVendor();
    TKIdLookup *Vendor() const { return m_edit; }

protected:
    void searchClick() override;
    void frameExit() override;
};

class TFaGetCustomer : public TFaIdLookupFrame {
    Q_OBJECT
public:
    explicit TFaGetCustomer(QWidget *parent = nullptr);
    data::DataSet *QCustomer();
    TKIdLookup *Customer() const { return m_edit; }

protected:
    void frameEnter() override;
    void searchClick() override;
    void frameExit() override;
};

class TFaGetProvince : public TFaIdLookupFrame {
    Q_OBJECT
public:
    explicit TFaGetProvince(QWidget *parent = nullptr);

protected:
    void searchClick() override;
};

class TFaGetSalesman : public TFaIdLookupFrame {
    Q_OBJECT
public:
    explicit TFaGetSalesman(QWidget *parent = nullptr);
    data::DataSet *QSalesman();
    QLabel *Label2; // the "*" mark

protected:
    void searchClick() override;
    void frameExit() override;
};

class TFaGetCurrency : public TFaIdLookupFrame {
    Q_OBJECT
public:
    explicit TFaGetCurrency(QWidget *parent = nullptr);

protected:
    void searchClick() override;
};

class TFaGetDepartment : public TFaIdLookupFrame {
    Q_OBJECT
public:
    explicit TFaGetDepartment(QWidget *parent = nullptr);

protected:
    void searchClick() override;
};

class TFaGetCompanyBank : public TFaIdLookupFrame {
    Q_OBJECT
public:
    explicit TFaGetCompanyBank(QWidget *parent = nullptr);

protected:
    void searchClick() override;
};

class TFaGetProject : public TFaIdLookupFrame {
    Q_OBJECT
public:
    explicit TFaGetProject(QWidget *parent = nullptr);

protected:
    void searchClick() override;
    void frameExit() override;
};

class TFaGetPrettyCash : public TFaIdLookupFrame {
    Q_OBJECT
public:
    explicit TFaGetPrettyCash(QWidget *parent = nullptr);
    data::DataSet *QData();

protected:
    void searchClick() override;
    void frameExit() override;
};

class TFaGetEmployee : public TFaIdLookupFrame {
    Q_OBJECT
public:
    explicit TFaGetEmployee(QWidget *parent = nullptr);

protected:
    void searchClick() override;
    void frameExit() override;
};

class TFaGetFrCustomer : public TFaIdLookupFrame {
    Q_OBJECT
public:
    explicit TFaGetFrCustomer(QWidget *parent = nullptr);

protected:
    void searchClick() override;
};

class TFaGetFrVendor : public TFaIdLookupFrame {
    Q_OBJECT
public:
    explicit TFaGetFrVendor(QWidget *parent = nullptr);
    data::DataSet *QVendor();

protected:
    void searchClick() override;
    void frameExit() override;
};

class TFaGetExpense : public TFaIdLookupFrame {
    Q_OBJECT
public:
    explicit TFaGetExpense(QWidget *parent = nullptr);

protected:
    void searchClick() override;
};

class TFaGetImportLotNo : public TFaIdLookupFrame {
    Q_OBJECT
public:
    explicit TFaGetImportLotNo(QWidget *parent = nullptr);

protected:
    void searchClick() override;
};

class TFaGetWorkOrder : public TFaIdLookupFrame {
    Q_OBJECT
public:
    explicit TFaGetWorkOrder(QWidget *parent = nullptr);

protected:
    void searchClick() override;
};

// Remark: a plain edit of up to 255 characters; the search picks one of the
// standard remarks of RemarkGroup and copies its description.
class TFaGetRemark : public TFaFrame {
    Q_OBJECT
public:
    explicit TFaGetRemark(QWidget *parent = nullptr);
    DbEdit *Remark;
    QString RemarkGroup;

    void bind(data::DataSet *dataSet, const QString &field) override { Remark->bind(dataSet, field); }
    QVariant id() const override { return Remark->text(); }
    QWidget *editor() const override { return Remark; }

protected:
    void searchClick() override;
};

// Document number: the owner binds the edit, connects DocNoExit to load the
// document and BtSearch's clicked signal to its own search.
class TFaGetDocNo : public TFaFrame {
    Q_OBJECT
public:
    explicit TFaGetDocNo(QWidget *parent = nullptr);
    DbEdit *DocNo;

    void bind(data::DataSet *dataSet, const QString &field) override { DocNo->bind(dataSet, field); }
    QVariant id() const override { return DocNo->text(); }
    QWidget *editor() const override { return DocNo; }
    // The document status check (cancelled, posted, imported).
    void FrameExit();

signals:
    // The number edit was left: the owner loads the document.
    void DocNoExit();

protected:
    void frameExit() override;
};

class TFaGetDate : public TFaFrame {
    Q_OBJECT
public:
    explicit TFaGetDate(QWidget *parent = nullptr);
    DbDateEdit *DocDate;

    void bind(data::DataSet *dataSet, const QString &field) override { DocDate->bind(dataSet, field); }
    QVariant id() const override { return DocDate->isBlank() ? QVariant() : QVariant(DocDate->date()); }
    bool isValid() const override { return !DocDate->isBlank(); }
    QWidget *editor() const override { return DocDate; }

protected:
    void frameExit() override;
};

class TFaGetTaxCode : public TFaFrame {
    Q_OBJECT
public:
    explicit TFaGetTaxCode(QWidget *parent = nullptr);
    DbLookupCombo *ListTaxCode;

    void bind(data::DataSet *dataSet, const QString &field) override;
    QVariant id() const override { return ListTaxCode->key(); }
    bool isValid() const override { return ListTaxCode->currentIndex() >= 0; }
    QWidget *editor() const override { return ListTaxCode; }
};

} // namespace framework
