#pragma once

#include "Fr_DocPrintForm.h"

class QLabel;

namespace printing {

// The accounting-voucher dialog: prints the ledger voucher of the document
// just saved from the one template "Form_GLAuto.frf", with the print code
// mapped to the voucher code of its kind.
class TFrDocPrintFormGLAuto : public TFrDocPrintForm {
    Q_OBJECT
public:
    explicit TFrDocPrintFormGLAuto(QWidget *parent = nullptr);

    // "A-RCPT", "A-PAID", "A-PURC", "A-SALE", "A-BANK", or the code unchanged.
    static QString VoucherCode(const QString &printCode);

    QLabel *LbCaption = nullptr;

protected:
    void FormClose() override {}
    void runForm(bool preview) override;

public:
    void FormShow() override;
};

} // namespace printing
