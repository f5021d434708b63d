#pragma once

#include <QDate>
#include <QString>
#include <memory>

namespace data {
class DataSet;
}

namespace deposits {

// What differs between the four deposit kinds.
struct DepositKind {
    QString docKind;       // "R", "BR", "P", "BP"
    QString docCode;       // numbering and print code
    QString table;         // FrPreRcpt or FrPrePaid
    QString settledColumn; // RcPtAmount or PaidAmount
    QString partyColumn;   // FrCustomer or FrVendor
    QString ledgerProcedure;
    bool received = false; // a deposit received (pre-receipt)
    bool broughtForward = false;

    // The kind of a DocKind string; false for an unknown kind.
    static bool forDocKind(const QString &docKind, DepositKind *kind);
};

// One deposit document on the company connection: the header data set QPRE
// with cached updates, loading by number, the amount rules, and the save
// and cancel transactions. The deposit windows hold one and add the screen.
class DepositDocument {
public:
    explicit DepositDocument(const DepositKind &kind);
    ~DepositDocument();

    const DepositKind &kind() const { return m_kind; }
    data::DataSet &QPRE() { return *m_qpre; }

    // Reopens the shared tax list and loads the document of that number;
    // an unknown number leaves the set empty and the document new.
    void load(const QString &number);
    bool isNew() const { return m_isNew; }
    // Puts the set into edit; an empty set starts a new row.
    void edit();

    // Leaving the exchange rate: the baht amount from amount and rate,
    // rounded half up to 2 decimals.
    void computeBahtAmount();
    // Leaving the bank charge (pre-receipts only): the bank total. Returns
    // false when the charge is not below the baht amount (a warning only).
    bool computeBankTotal();

    // Saves the document in one transaction: flags, number, user log,
    // cached updates, ledger posting when AutoGenGL is "Y". Returns the
    // document number. On failure everything is rolled back, the user's
    // values are back in the set, and the error travels on.
    QString save();
    // Cancels the document of that number (Delflag "Y") in one transaction.
    void cancel(const QString &number);

    // Id of the saved document of that number, or -1.
    int documentId(const QString &number);
    // The year the document is printed under.
    int documentYear() const;

private:
    DepositKind m_kind;
    std::unique_ptr<data::DataSet> m_qpre;
    bool m_isNew = true;
};

} // namespace deposits
