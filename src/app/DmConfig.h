#pragma once

#include <QDateTime>
#include <QString>
#include <memory>

namespace data {
class Connection;
class DataSet;
struct ConnectionSettings;
} // namespace data

namespace app {

struct ServerLocation;

// The program's session: the configuration connection ("DmCfg"), the
// company resolved from the database name, the user's rights and prompts.
// One instance, written at start-up and read by every window.
class TDMConfig {
public:
    static TDMConfig &instance();
    ~TDMConfig();
    TDMConfig(TDMConfig &&) noexcept;
    TDMConfig &operator=(TDMConfig &&) noexcept;

    static constexpr const char *ConfigAlias = "DmCfg";

    // Launch arguments.
    int MenuId = 0;
    int UserId = 0;
    QDateTime WorkDate;
    QString DatabaseName;
    bool IsJHWDatabase = false;

    // Company.
    int CompanyId = 0;
    QString CompanyNameThai;
    QString CompanyAddress1;
    QString CompanyAddress2;
    QString PicturePath;
    int DefaultWH = 0;
    int Pos1_WH = 0;
    QString Pos1_TaxCode;
    QString Pos1_Price_IE;
    int Pos1_PriceType = 0;
    bool Pos1_SumDetail = false;
    QString DefaultPosComPort;

    // Rights and user.
    QString MenuCaption;
    QString UserCode;
    bool CanAccess = false;
    bool CanAdd = false;
    bool CanModify = false;
    bool CanDelete = false;
    int SalesId = 0;
    QString UserFullName;
    bool ThaiPrompts = false;
    bool EditSalePrice = false, Approve_Quo = false, Approve_SO = false, Approve_IV = false, Approve_PO = false,
         Approved_PORQ = false, ApproveTranWH = false, ApproveTranBranch = false, ApproveWorkOrder = false,
         CanSeeCost = false, CanSeeSalePrice = false, CanModifyCusSale = false, Approve_PreIs = false;

    QString SavePrompt;
    QString DeletePrompt;
    QString ExitPrompt;

    // The first line of "Server.Dat" in the current directory, as it stands;
    // empty when the file cannot be opened.
    QString GetServerName() const;
    // GetServerName, or "QLM" when that is empty.
    QString ServerName() const;
    // Engine and place of the databases, from the server name.
    ServerLocation serverLocation() const;
    // How to reach a database of the given name (configuration or company).
    data::ConnectionSettings settingsFor(const QString &databaseName) const;
    // The configuration connection, opened (and its schema script run) on first use.
    data::Connection &configConnection();

    // Resolves and loads the company; an unknown name shows
    // "Not Found Database : <name>" and throws ExitProgram(0).
    void GetCompanyConfig(const QString &databaseName);
    void CheckRight(int menuId, int userId);
    // Writes the message, as raised, to the error log with the computer and
    // operating-system user names.
    void AddErrorLog(const QString &message);
    // Sends one mail with the settings of the mail settings file; never fails visibly.
    void SendErrorMail(const QString &subject, const QString &body);

    // Kept open for the whole run once GetCompanyConfig ran (null before).
    data::DataSet *QCompanyConfig() const { return m_companyConfig.get(); }
    data::DataSet *QCompany() const { return m_company.get(); }
    data::DataSet *QSoftware() const { return m_software.get(); }

    // Forgets everything and closes the configuration connection (tests, end of run).
    void reset();

private:
    TDMConfig();
    void runSchemaUpdate(data::Connection &c);

    std::unique_ptr<data::DataSet> m_companyConfig;
    std::unique_ptr<data::DataSet> m_company;
    std::unique_ptr<data::DataSet> m_software;
};

// Thrown where the program must end at once with an exit code.
struct ExitProgram {
    int code = 0;
};

// The computer's network name (at most 20 characters, trimmed) and the
// operating-system user name in upper case ("UNKNOWN" when it cannot be had).
QString ComputerName();
QString LogonUserName();

} // namespace app
