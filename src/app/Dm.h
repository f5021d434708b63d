#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <memory>

namespace data {
class Connection;
class DataSet;
} // namespace data

namespace app {

// Function codes written to the user-action log.
enum LogFunctionCode { LogAdded = 1, LogModified = 2, LogDeleted = 3, LogPrinted = 5, LogPreviewed = 10 };

// The shared data module: the company connection ("DMDATA") and the services
// every document window uses.
class TDM {
public:
    static TDM &instance();

    // Opens the company connection of the session's database (once), reopens
    // QConfig and QchkPeriod and closes the splash window.
    data::Connection &CompanyConnection();
    bool isCompanyConnectionOpen() const;

    data::DataSet &QConfig();    // "SELECT * FROM Config"
    data::DataSet &QchkPeriod(); // account periods, newest year first
    data::DataSet &QTax();       // "SELECT Id, Code, Rate FROM Tax Order By Code"

    bool AutoRunDocNo = false;
    QString LastVendorName;
    QString LastCustomerName;

    QString NextDocumentNo(const QString &docCode, const QDate &date);
    int GetDocumentLength(const QString &docCode);
    int GetNewId();
    QDateTime GetServerTime();
    bool IsRunYearDate(const QDate &date);
    bool CheckAccountPeriod(const QDateTime &date);
    void AddUserLog(int function, int documentId, const QString &remark);
    bool Confirm(const QString &prompt);
    // Generic code search (the simple search dialog); true when a row was chosen.
    bool OpenSimpleSearch(const QString &caption, const QString &codeField, const QString &descField,
                          const QString &condition, const QString &table);
    // The code chosen by the last OpenSimpleSearch.
    QString SimpleSearchValue() const;
    void DelGL(int id, const QString &no);

    // Forgets the company connection and cached state (tests).
    void reset();
};

// The finance checks module.
class TDmFinance {
public:
    static TDmFinance &instance();
    bool ChequeAlreadyCut(const QString &paymentNo, const QString &transactionCode);
};

// Host IPv4 address, or empty.
QString LocalIpAddress();

} // namespace app
