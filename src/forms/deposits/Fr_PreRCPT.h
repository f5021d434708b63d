#pragma once

#include "DepositDocument.h"
#include "FrForm.h"

#include <functional>
#include <memory>

class QGroupBox;
class QLabel;

namespace framework {
class CalcEdit;
class DbDateEdit;
class TFaGetCompanyBank;
class TFaGetCurrency;
class TFaGetDocNo;
class TFaGetFrCustomer;
class TFaGetFrVendor;
class TFaGetRemark;
class TFaGetTaxCode;
class TFaFrame;
} // namespace framework

namespace deposits {

// The deposit window of all four kinds: deposits received from foreign
// customers ("R"), paid to foreign vendors ("P") and their brought-forward
// opening balances ("BR", "BP"). The derived classes only lay the window
// out for their kind; the handlers switch on DocKind.
class TFrPreRCPT : public framework::TFrForm {
    Q_OBJECT
public:
    explicit TFrPreRCPT(QWidget *parent = nullptr);

    framework::TFaGetDocNo *FaGetDocNo1;
    framework::DbDateEdit *DBDateEdit1;
    framework::TFaGetFrCustomer *FaGetFrCustomer1;
    framework::TFaGetRemark *FaGetRemark1;
    QGroupBox *GroupDetail; // "รายละเอียด"
    framework::TFaGetTaxCode *FaGetTaxCode1;
    framework::CalcEdit *RxDBCalcEdit1; // PreAmount
    framework::TFaGetCurrency *FaGetCurrency1;
    QGroupBox *GroupExchange;           // "อัตราแลกเปลี่ยน"
    framework::CalcEdit *RxDBCalcEdit2; // PreExchange
    framework::CalcEdit *RxDBCalcEdit3; // PreBahtAmount
    QGroupBox *GroupBank;               // "ธนาคาร"
    framework::CalcEdit *RxDBCalcEdit4; // PreCharge
    framework::CalcEdit *RxDBCalcEdit5; // PreBankTotal
    framework::TFaGetCompanyBank *FaGetCompanyBank1;

    void FormShow() override;
    void AcNewExecute() override;
    void AcSaveExecute() override;
    void AcDelExecute() override;
    void FaGetDocNo1DocNoExit();
    void FaGetDocNo1BtSearchClick();
    void RxDBCalcEdit2Exit();
    void RxDBCalcEdit4Exit();

    // The document on screen; null before the first new-document step.
    DepositDocument *document() const { return m_document.get(); }
    // How the print dialog is shown after a save (tests replace it).
    using PrintDialogShower = std::function<void(const QString &docNo, int docYear, const QString &printCode)>;
    void setPrintDialogShower(PrintDialogShower shower) { m_showPrintDialog = std::move(shower); }

protected:
    // Builds the controls; pre-payment windows put the vendor frame in the
    // customer frame's place.
    TFrPreRCPT(const QString &layoutKind, QWidget *parent);
    // The party frame of the window's layout: customer or vendor.
    virtual framework::TFaFrame *partyFrame() const;
    QLabel *LbBankTotal;

private:
    void buildControls(const QString &layoutKind);
    void bindControls();
    void applyKindLayout();
    void fitToContents();
    // The code frames are editable only while a document is chosen.
    void setDocumentControlsEnabled(bool enabled);
    void setNumberEntryEnabled(bool enabled);
    // Writes what is typed in the focused editor into its field.
    void postFocusedEditor();
    bool ensureDocument();
    void refuse(const QString &message);

    std::unique_ptr<DepositDocument> m_document;
    int m_docLength = 0;
    PrintDialogShower m_showPrintDialog;
};

// Brought-forward deposits received.
class TFrBeginPreRCPT : public TFrPreRCPT {
    Q_OBJECT
public:
    explicit TFrBeginPreRCPT(QWidget *parent = nullptr) : TFrPreRCPT(QStringLiteral("BR"), parent) {}
};

// Deposits paid to foreign vendors.
class TFrPrePDPT : public TFrPreRCPT {
    Q_OBJECT
public:
    explicit TFrPrePDPT(QWidget *parent = nullptr);
    framework::TFaGetFrVendor *FaGetFrVendor1;

protected:
    TFrPrePDPT(const QString &layoutKind, QWidget *parent);
    framework::TFaFrame *partyFrame() const override;
};

// Brought-forward deposits paid.
class TFrBeginPrePDPT : public TFrPrePDPT {
    Q_OBJECT
public:
    explicit TFrBeginPrePDPT(QWidget *parent = nullptr) : TFrPrePDPT(QStringLiteral("BP"), parent) {}
};

} // namespace deposits
