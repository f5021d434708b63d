#include "DmConfig.h"

#include "Connection.h"
#include "DataSet.h"
#include "MailSender.h"
#include "Prompter.h"
#include "ServerLocation.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTextStream>

namespace app {

namespace {

const char *const CompanyConfigSql =
    "SELECT C.Company, C.PicturePath, C.Public_Price_IE, C.DefaultWh, C.POS1_Wh, C.POS1_TaxCode, C.POS1_Price_IE, "
    "C.POS1_PriceType, C.POS1_SumDetail, C.DefaultPosComPort,C.DefaultTax, C.DefaultPosMenuId,M.Command,"
    "M.MenuOption, O.Description, O.YearNo, P.Id, P.Code, P.Password, P.NameThai, P.NameEng, P.ShortName, "
    "P.Address1, P.Address2, P.Address3, P.Address4, P.Province, P.Zip, P.Telephone, P.Fax, P.EMail, P.Logo, "
    "P.TaxNo, P.InstallDate, P.RunYear, P.LocalServer,P.FUNDNAME FROM CompanyConfig C Inner Join DatabaseList O "
    "On (O.Company = C.Company) Inner Join Company P On (P.Id = O.Company) Left Outer Join Menu M On (M.Id = "
    "C.DefaultPosMenuId) Where (O.DatabaseName = :GetName)";

const char *const CompanySql =
    "SELECT ID,CODE, PASSWORD, NAMETHAI, NAMEENG, SHORTNAME, ADDRESS1, ADDRESS2, ADDRESS3, ADDRESS4, PROVINCE, ZIP, "
    "TELEPHONE, FAX, EMAIL, LOGO, TAXNO, RUNYEAR,FUNDNAME FROM COMPANY Where (Id = (Select Distinct Company From "
    "DatabaseList Where DatabaseName = :GetName))";

const char *const SoftwareSql = "select * from softwareconfig";

const char *const UserSql =
    "select fullname,languageno,EditSalePrice,Approve_Quo,Approve_SO,Approve_IV,Approve_PO, Approved_PORQ, "
    "ApproveTranWH,ApproveTranBranch,ApproveWorkOrder,CanSeeCost,CanSeeSalePrice,CanModifyCusSale, Approve_PreIs "
    "from username where id=:uid";

// The schema script of the configuration database, as the server runs it.
const char *const ServerSchemaUpdate =
    "If (Not Exists(Select Name From SysColumns Where Id = (Select Id From SysObjects Where Ltrim(Rtrim(Upper(Name))) "
    "= 'MENU') And Ltrim(Rtrim(Upper(Name)))='VERSION')) Begin Alter Table Menu Add Version Integer End\n"
    "/\n"
    "Update Menu Set Version = 3 Where Version Is Null And Command Is Not Null";

const char *const FillMenuVersion = "Update Menu Set Version = 3 Where Version Is Null And Command Is Not Null";

bool isYes(const QVariant &v)
{
    return v.toString() == QLatin1String("Y");
}

} // namespace

TDMConfig::TDMConfig() = default;
TDMConfig::~TDMConfig() = default;
TDMConfig::TDMConfig(TDMConfig &&) noexcept = default;
TDMConfig &TDMConfig::operator=(TDMConfig &&) noexcept = default;

TDMConfig &TDMConfig::instance()
{
    static TDMConfig session;
    return session;
}

QString TDMConfig::GetServerName() const
{
    QFile file(QStringLiteral("Server.Dat"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    return in.readLine();
}

QString TDMConfig::ServerName() const
{
    const QString name = GetServerName();
    return name.isEmpty() ? QString::fromLatin1(ServerLocation::DefaultServerName) : name;
}

ServerLocation TDMConfig::serverLocation() const
{
    return ServerLocation::parse(ServerName(), QDir::currentPath());
}

data::ConnectionSettings TDMConfig::settingsFor(const QString &databaseName) const
{
    const bool isConfig =
        databaseName.compare(QLatin1String(ServerLocation::ConfigDatabaseName), Qt::CaseInsensitive) == 0;
    return serverLocation().settingsFor(databaseName, !isConfig);
}

data::Connection &TDMConfig::configConnection()
{
    const QString alias = QString::fromLatin1(ConfigAlias);
    if (data::Connection::isOpen(alias))
        return data::Connection::byAlias(alias);
    data::Connection &c =
        data::Connection::open(alias, settingsFor(QString::fromLatin1(ServerLocation::ConfigDatabaseName)));
    try {
        runSchemaUpdate(c);
    } catch (...) {
        data::Connection::close(alias);
        throw;
    }
    return c;
}

void TDMConfig::runSchemaUpdate(data::Connection &c)
{
    if (c.settings().engine == data::ConnectionSettings::SqlServer) {
        c.runScript(QString::fromLatin1(ServerSchemaUpdate));
        return;
    }
    c.dialect().addColumnIfMissing(c, QStringLiteral("Menu"), QStringLiteral("Version"), QStringLiteral("Integer"));
    c.execute(QString::fromLatin1(FillMenuVersion));
}

void TDMConfig::GetCompanyConfig(const QString &databaseName)
{
    IsJHWDatabase = databaseName == QLatin1String("JHW");
    data::Connection &c = configConnection();

    m_companyConfig = std::make_unique<data::DataSet>(c, QString::fromLatin1(CompanyConfigSql));
    m_companyConfig->setParam(QStringLiteral("GetName"), databaseName);
    m_companyConfig->open();
    if (m_companyConfig->isEmpty()) {
        Prompter::instance().message(QStringLiteral("Not Found Database : ") + databaseName, Prompter::Error);
        throw ExitProgram{0};
    }
    const data::DataSet &q = *m_companyConfig;
    CompanyId = q.value(QStringLiteral("Id")).toInt();
    PicturePath = q.value(QStringLiteral("PicturePath")).toString();
    DefaultWH = q.value(QStringLiteral("DefaultWh")).toInt();
    CompanyNameThai = q.value(QStringLiteral("NameThai")).toString();
    DatabaseName = databaseName;
    Pos1_WH = q.value(QStringLiteral("POS1_Wh")).toInt();
    Pos1_TaxCode = q.value(QStringLiteral("POS1_TaxCode")).toString();
    Pos1_Price_IE = q.value(QStringLiteral("POS1_Price_IE")).toString();
    Pos1_PriceType = q.value(QStringLiteral("POS1_PriceType")).toInt();
    Pos1_SumDetail = isYes(q.value(QStringLiteral("POS1_SumDetail")));
    DefaultPosComPort = q.value(QStringLiteral("DefaultPosComPort")).toString();
    const auto trimmed = [&](const char *field) { return q.value(QString::fromLatin1(field)).toString().trimmed(); };
    CompanyAddress1 =
        trimmed("Address1") + QLatin1Char(' ') + trimmed("Address2") + QLatin1Char(' ') + trimmed("Address3");
    CompanyAddress2 = trimmed("Address4") + QLatin1Char(' ') + trimmed("Zip") + QStringLiteral(" เลขประจำตัวผู้เสียภาษี ") +
                      trimmed("TaxNo");

    m_company = std::make_unique<data::DataSet>(c, QString::fromLatin1(CompanySql));
    m_company->setParam(QStringLiteral("GetName"), databaseName);
    m_company->open();
    m_software = std::make_unique<data::DataSet>(c, QString::fromLatin1(SoftwareSql));
    m_software->open();
}

void TDMConfig::CheckRight(int menuId, int userId)
{
    MenuId = menuId;
    UserId = userId;
    data::Connection &c = configConnection();

    data::Params p;
    p.set(QStringLiteral("@MENUID"), menuId);
    p.set(QStringLiteral("@USERID"), userId);
    for (const char *out : {"@CAPTION", "@ACCESS_R", "@ADD_R", "@MODIFY_R", "@DELETE_R", "@USERCODE", "@SALESID"})
        p.declareOut(QString::fromLatin1(out));
    c.callProcedure(QStringLiteral("MENUCAPTION"), p);
    MenuCaption = p.value(QStringLiteral("@CAPTION")).toString().trimmed();
    UserCode = p.value(QStringLiteral("@USERCODE")).toString();
    CanAccess = isYes(p.value(QStringLiteral("@ACCESS_R")));
    CanAdd = isYes(p.value(QStringLiteral("@ADD_R")));
    CanModify = isYes(p.value(QStringLiteral("@MODIFY_R")));
    CanDelete = isYes(p.value(QStringLiteral("@DELETE_R")));
    SalesId = p.value(QStringLiteral("@SALESID")).toInt();

    data::DataSet user(c, QString::fromLatin1(UserSql));
    user.setParam(QStringLiteral("uid"), userId);
    user.open();
    const bool found = !user.isEmpty();
    const auto flag = [&](const char *field) { return found && isYes(user.value(QString::fromLatin1(field))); };
    UserFullName = found ? user.value(QStringLiteral("fullname")).toString() : QString();
    ThaiPrompts = found && user.value(QStringLiteral("languageno")).toInt() == 1;
    EditSalePrice = flag("EditSalePrice");
    Approve_Quo = flag("Approve_Quo");
    Approve_SO = flag("Approve_SO");
    Approve_IV = flag("Approve_IV");
    Approve_PO = flag("Approve_PO");
    Approved_PORQ = flag("Approved_PORQ");
    ApproveTranWH = flag("ApproveTranWH");
    ApproveTranBranch = flag("ApproveTranBranch");
    ApproveWorkOrder = flag("ApproveWorkOrder");
    CanSeeCost = flag("CanSeeCost");
    CanSeeSalePrice = flag("CanSeeSalePrice");
    CanModifyCusSale = flag("CanModifyCusSale");
    Approve_PreIs = flag("Approve_PreIs");

    if (ThaiPrompts) {
        SavePrompt = QStringLiteral("จัดเก็บข้อมูล ?");
        DeletePrompt = QStringLiteral("ลบข้อมูล ?");
        ExitPrompt = QStringLiteral("ออกจากโปรแกรม ?");
    } else {
        SavePrompt = QStringLiteral("Save Data ?");
        DeletePrompt = QStringLiteral("Delete Data ?");
        ExitPrompt = QStringLiteral("Exit Program ?");
    }
}

void TDMConfig::AddErrorLog(const QString &message)
{
    data::Params p;
    p.set(QStringLiteral("@CompName"), ComputerName());
    p.set(QStringLiteral("@LogName"), LogonUserName());
    p.set(QStringLiteral("@UserId"), UserId);
    p.set(QStringLiteral("@MenuId"), MenuId);
    p.set(QStringLiteral("@ErrorMsg"), message);
    configConnection().callProcedure(QStringLiteral("AddErrorLog"), p);
}

void TDMConfig::SendErrorMail(const QString &subject, const QString &body)
{
    try {
        const MailSettings settings = MailSettings::load(QDir::current().filePath(MailSettings::FileName));
        if (settings.isUsable())
            sendMail(settings, subject, body);
    } catch (...) {
        // A report that cannot be sent is dropped without a word.
    }
}

void TDMConfig::reset()
{
    m_companyConfig.reset();
    m_company.reset();
    m_software.reset();
    data::Connection::close(QString::fromLatin1(ConfigAlias));
    *this = TDMConfig();
}

QString ComputerName()
{
    return QSysInfo::machineHostName().left(20).trimmed();
}

QString LogonUserName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    if (name.isEmpty())
        name = qEnvironmentVariable("LOGNAME");
    if (name.isEmpty())
        name = QStringLiteral("Unknown");
    return name.toUpper();
}

} // namespace app
