#pragma once

#include <QDate>
#include <QDateTime>
#include <QPointer>
#include <QString>
#include <QVariantMap>
#include <QWidget>
#include <functional>
#include <memory>

namespace data {
class Connection;
class DataSet;
} // namespace data

namespace app {

// Function codes written to the user-action log.
enum LogFunctionCode { LogAdded = 1, LogModified = 2, LogDeleted = 3, LogPrinted = 5, LogPreviewed = 10 };

// What OpenSimpleSearch hands to the simple search dialog.
struct SimpleSearchRequest {
    QString caption;   // SearchCaption
    QString codeField; // CodeField
    QString descField; // DescField
    QString condition; // ExtraCondition
    QString table;     // SearchTable
};

// Shows the simple search dialog modally; true when a row was chosen, whose
// columns (by name) go into chosenRow. Registered by framework::install().
using SimpleSearchOpener = std::function<bool(const SimpleSearchRequest &request, QVariantMap &chosenRow)>;

// The shared data module: the company connection ("DMDATA") and the services
// every document window uses. Creating it installs the process-wide error
// handler (ErrorHandler.h).
class TDM {
public:
    static TDM &instance();
    ~TDM();

    static constexpr const char *CompanyAlias = "DMDATA";

    // Opens the company connection of the session's database (once), reopens
    // QConfig and QchkPeriod and closes the splash window.
    data::Connection &CompanyConnection();
    bool isCompanyConnectionOpen() const;

    data::DataSet &QConfig();    // "SELECT * FROM Config", opened when needed
    data::DataSet &QchkPeriod(); // account periods, newest year first
    data::DataSet &QTax();       // "SELECT Id, Code, Rate FROM Tax Order By Code"

    bool AutoRunDocNo = false;
    int RunYear = 0;
    QString LastVendorName;
    QString LastCustomerName;

    QString NextDocumentNo(const QString &docCode, const QDate &date);
    int GetDocumentLength(const QString &docCode);
    int GetNewId();
    QDateTime GetServerTime();
    bool IsRunYearDate(const QDate &date);
    bool CheckAccountPeriod(const QDateTime &date);
    void AddUserLog(int function, int documentId, const QString &remark);
    // Yes/No box with the prompt, blue with white text; true only for Yes.
    bool Confirm(const QString &prompt);
    // Generic code search (the simple search dialog); true when a row was chosen.
    bool OpenSimpleSearch(const QString &caption, const QString &codeField, const QString &descField,
                          const QString &condition, const QString &table);
    // The code and the whole row chosen by the last OpenSimpleSearch.
    QString SimpleSearchValue() const;
    QVariantMap SimpleSearchRow() const { return m_simpleSearchRow; }
    void setSimpleSearchOpener(SimpleSearchOpener opener) { m_simpleSearchOpener = std::move(opener); }
    // Removes the ledger voucher of a document (no transaction of its own).
    void DelGL(int id, const QString &no);

    // The splash window, closed and freed once the company connection is open.
    void setSplash(QWidget *splash) { m_splash = splash; }
    QWidget *splash() const { return m_splash; }

    // Forgets the company connection and cached state (tests, end of run).
    // The simple search opener stays registered.
    void reset();

private:
    TDM();
    std::unique_ptr<data::DataSet> m_config;
    std::unique_ptr<data::DataSet> m_period;
    std::unique_ptr<data::DataSet> m_tax;
    QString m_companyDatabase;
    QPointer<QWidget> m_splash;
    SimpleSearchOpener m_simpleSearchOpener;
    QVariantMap m_simpleSearchRow;
    QString m_simpleSearchCodeField;
};

// The finance checks module.
class TDmFinance {
public:
    static TDmFinance &instance();
    bool ChequeAlreadyCut(const QString &paymentNo, const QString &transactionCode);

private:
    TDmFinance() = default;
};

// The product services module: created at start-up, used by no window here.
class TDmProduct {
public:
    static TDmProduct &instance();

private:
    TDmProduct() = default;
};

// Host IPv4 address in dotted form (the last of the host name's addresses), or empty.
QString LocalIpAddress();

} // namespace app
