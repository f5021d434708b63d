#pragma once

#include "Report.h"

#include <QDialog>
#include <QPointer>
#include <memory>

class QAction;
class QMenu;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace data {
class DataSet;
}

namespace printing {

class TFrDocPrintFormGLAuto;

// The print dialog a document window opens after saving: it lists the
// printed forms the database defines for the document's print code
// (SystemForm), runs a form's preparation procedure, previews or prints its
// template, and, when the company posts to the ledger on save, opens the
// accounting-voucher dialog when it closes.
class TFrDocPrintForm : public QDialog {
    Q_OBJECT
public:
    explicit TFrDocPrintForm(QWidget *parent = nullptr);
    ~TFrDocPrintForm() override;

    // The instance kept for reuse by the windows that print with one dialog;
    // created on first use.
    static TFrDocPrintForm &shared();
    // Sets the document on the shared dialog and shows it modally.
    static void showFor(const QString &docNo, int docYear, const QString &printCode);
    // Sets the document and shows this dialog modally.
    void run(const QString &docNo, int docYear, const QString &printCode);

    // Dialog state, set by the caller before showing.
    QString DocNo;
    int DocYear = 0;
    QString PrintCode;
    int FormCount = 0;

    QTableView *SystemFormList = nullptr;
    QPushButton *BDisplay = nullptr;
    QPushButton *BPrint = nullptr;
    QPushButton *BSetPrinter = nullptr;
    QPushButton *BExit = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *MIShowFrfName = nullptr;
    data::DataSet *QSystemForm = nullptr;
    Report frReport;

    virtual void FormShow();
    void BDisplayClick();
    void BPrintClick();
    void BSetPrinterClick();
    void BExitClick();
    void ShowFrfNameClick();

    // The voucher dialog this one opened, if it exists.
    static TFrDocPrintFormGLAuto *voucherDialog();
    // The folder templates are read from: the process's working directory.
    static QString templatePath(const QString &fileName);

    void done(int result) override;

protected:
    // After hiding: with automatic posting, the accounting-voucher dialog.
    virtual void FormClose();
    virtual void runForm(bool preview);
    void setTexts(bool thaiPrompts);
    void placeTopRight();
    // Loads, prepares and previews or prints a template with the variables
    // set by `setVariables`; template faults are shown, not thrown.
    // Returns whether the pages went out.
    bool runTemplate(const QString &path, bool preview, bool allowPrinting,
                     const std::function<void(Report &)> &setVariables);

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QVBoxLayout *m_layout = nullptr;

private:
    void openList();
};

} // namespace printing
