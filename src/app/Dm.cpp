#include "Dm.h"

#include "Connection.h"
#include "DataSet.h"
#include "DmConfig.h"
#include "ErrorHandler.h"
#include "Prompter.h"

#include <QHostAddress>
#include <QHostInfo>

namespace app {

namespace {

const char *const ConfigSql = "SELECT * FROM Config";
const char *const PeriodSql = "select * from accountperiod order by accountyear desc";
const char *const TaxSql = "SELECT Id, Code, Rate FROM Tax Order By Code";

const char *const DocNoConvertSql =
    "SELECT D.Id, D.Code, D.Description, D.Prefix, D.LastNo, D.DocumentLength, D.AutoRun, D.DocType FROM "
    "DocNoConvert V Inner Join DocumentNo D On (V.DocumentNo = D.Id) WHERE (V.Code = :GetCode) And "
    "(V.DocYear=:GetYear)";
const char *const DocumentNoSql = "SELECT D.Code, D.Description, D.Prefix, D.LastNo, D.DocumentLength, D.AutoRun "
                                  "FROM DocumentNo D WHERE (D.Code = :GetCode) And (DocYear=:GetYear)";

const char *const DelGLScript = "delete from gldt where glhd in ( select id from glhd where glfromdocid=:id and "
                                "ltrim(rtrim(glfromdocno))=:no )\n"
                                "/\n"
                                "delete from glhd where glfromdocid=:id and ltrim(rtrim(glfromdocno))=:no";

const char *const ChqCutSql = "select p.chqno,h.dpno from paidchq p inner join pdchqdepositdt d on d.paidchq=p.id "
                              "inner join pdchqdeposithd h on h.id=d.pdchqdeposithd where p.paidno=:PNo and "
                              "transactioncode=:TCode";

const QColor ConfirmBlue(0, 0, 255);

QString twoDigitMonth(const QDate &date)
{
    return QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
}

} // namespace

TDM::TDM()
{
    ErrorHandler::instance().install();
}
TDM::~TDM() = default;

TDM &TDM::instance()
{
    static TDM dm;
    return dm;
}

bool TDM::isCompanyConnectionOpen() const
{
    return data::Connection::isOpen(QString::fromLatin1(CompanyAlias));
}

data::Connection &TDM::CompanyConnection()
{
    const QString alias = QString::fromLatin1(CompanyAlias);
    if (data::Connection::isOpen(alias))
        return data::Connection::byAlias(alias);

    TDMConfig &session = TDMConfig::instance();
    m_companyDatabase = session.DatabaseName.trimmed();
    data::Connection &c = data::Connection::open(alias, session.settingsFor(m_companyDatabase));
    try {
        m_config = std::make_unique<data::DataSet>(c, QString::fromLatin1(ConfigSql));
        m_config->open();
        m_period = std::make_unique<data::DataSet>(c, QString::fromLatin1(PeriodSql));
        m_period->open();
    } catch (...) {
        m_config.reset();
        m_period.reset();
        data::Connection::close(alias);
        throw;
    }
    if (m_splash) {
        m_splash->close();
        delete m_splash.data();
    }
    return c;
}

data::DataSet &TDM::QConfig()
{
    data::Connection &c = CompanyConnection();
    if (!m_config)
        m_config = std::make_unique<data::DataSet>(c, QString::fromLatin1(ConfigSql));
    if (!m_config->isOpen())
        m_config->open();
    return *m_config;
}

data::DataSet &TDM::QchkPeriod()
{
    data::Connection &c = CompanyConnection();
    if (!m_period)
        m_period = std::make_unique<data::DataSet>(c, QString::fromLatin1(PeriodSql));
    if (!m_period->isOpen())
        m_period->open();
    return *m_period;
}

data::DataSet &TDM::QTax()
{
    data::Connection &c = CompanyConnection();
    if (!m_tax)
        m_tax = std::make_unique<data::DataSet>(c, QString::fromLatin1(TaxSql));
    if (!m_tax->isOpen())
        m_tax->open();
    return *m_tax;
}

QString TDM::NextDocumentNo(const QString &docCode, const QDate &date)
{
    data::DataSet &config = QConfig();
    const bool ivRunMonth = config.value(QStringLiteral("LastIvRunMonth")).toString() == QLatin1String("Y");
    QString code = docCode;
    if (code.left(4) == QLatin1String("IV-P") && ivRunMonth)
        code = QStringLiteral("IV-P") + twoDigitMonth(date);
    if (code.left(4) == QLatin1String("SO-P") && ivRunMonth)
        code = QStringLiteral("SO-P") + twoDigitMonth(date);
    if (code.left(6) == QLatin1String("ARRCPT") && config.hasField(QStringLiteral("LastRcptRunMonth")) &&
        config.value(QStringLiteral("LastRcptRunMonth")).toString() == QLatin1String("Y"))
        code = QStringLiteral("ARRCPT-") + twoDigitMonth(date);

    data::Params p;
    p.set(QStringLiteral("@DocCode"), code);
    p.set(QStringLiteral("@DocYear"), date.year());
    p.declareOut(QStringLiteral("@NewNo"));
    CompanyConnection().callProcedure(QStringLiteral("NewDocumentNo"), p);
    return p.value(QStringLiteral("@NewNo")).toString();
}

int TDM::GetDocumentLength(const QString &docCode)
{
    data::DataSet &config = QConfig();
    RunYear = config.value(QStringLiteral("RunYear")).toInt();
    data::Connection &c = CompanyConnection();

    data::DataSet converted(c, QString::fromLatin1(DocNoConvertSql));
    converted.setParam(QStringLiteral("GetCode"), docCode);
    converted.setParam(QStringLiteral("GetYear"), RunYear);
    converted.open();
    if (!converted.isEmpty())
        return converted.value(QStringLiteral("DocumentLength")).toInt();

    data::DataSet numbering(c, QString::fromLatin1(DocumentNoSql));
    numbering.setParam(QStringLiteral("GetCode"), docCode);
    numbering.setParam(QStringLiteral("GetYear"), RunYear);
    numbering.open();
    if (numbering.isEmpty()) {
        Prompter::instance().message(QStringLiteral("ไม่พบรหัสเอกสาร ") + docCode + QLatin1Char('\r') +
                                     QStringLiteral("ปี ") + QString::number(RunYear));
        AutoRunDocNo = false;
        return 0;
    }
    AutoRunDocNo = numbering.value(QStringLiteral("AutoRun")).toString() == QLatin1String("Y");
    return numbering.value(QStringLiteral("DocumentLength")).toInt();
}

int TDM::GetNewId()
{
    data::Connection &c = CompanyConnection();
    return c.scalar(c.dialect().lastIdentitySql()).toInt();
}

QDateTime TDM::GetServerTime()
{
    data::Params p;
    p.declareOut(QStringLiteral("@ServerTime"));
    CompanyConnection().callProcedure(QStringLiteral("ServerTime"), p);
    return p.value(QStringLiteral("@ServerTime")).toDateTime();
}

bool TDM::IsRunYearDate(const QDate &date)
{
    RunYear = QConfig().value(QStringLiteral("RunYear")).toInt();
    return date.year() <= RunYear + 1;
}

bool TDM::CheckAccountPeriod(const QDateTime &date)
{
    data::DataSet &periods = QchkPeriod();
    const QDate day = date.date();
    for (int row = 0; row < periods.recordCount(); ++row) {
        for (int i = 1; i <= 12; ++i) {
            const QVariant start = periods.value(row, QStringLiteral("Start%1").arg(i));
            const QVariant stop = periods.value(row, QStringLiteral("Stop%1").arg(i));
            if (start.isNull() || stop.isNull())
                continue;
            if (start.toDateTime().date() <= day && day <= stop.toDateTime().date()) {
                if (periods.value(row, QStringLiteral("Lock%1").arg(i)).toString() == QLatin1String("Y")) {
                    Prompter::instance().message(QStringLiteral("รอบบัญชีนี้ถูกผ่านรายการบัญชีไปแล้ว ไม่สามารถเพิ่มเติม หรือ "
                                                                "แก้ไขได้"),
                                                 Prompter::Warning);
                    return false;
                }
                return true;
            }
        }
    }
    return true;
}

void TDM::AddUserLog(int function, int documentId, const QString &remark)
{
    const TDMConfig &session = TDMConfig::instance();
    data::Params p;
    p.set(QStringLiteral("@UserId"), session.UserId);
    p.set(QStringLiteral("@MenuId"), session.MenuId);
    p.set(QStringLiteral("@FunctionListId"), function);
    p.set(QStringLiteral("@DocumentId"), documentId);
    p.set(QStringLiteral("@Remark"), remark);
    CompanyConnection().callProcedure(QStringLiteral("UserAddLog"), p);
}

bool TDM::Confirm(const QString &prompt)
{
    return Prompter::instance().confirm(prompt, ConfirmBlue, Qt::white);
}

bool TDM::OpenSimpleSearch(const QString &caption, const QString &codeField, const QString &descField,
                           const QString &condition, const QString &table)
{
    m_simpleSearchRow.clear();
    m_simpleSearchCodeField = codeField;
    if (!m_simpleSearchOpener)
        return false;
    return m_simpleSearchOpener(SimpleSearchRequest{caption, codeField, descField, condition, table},
                                m_simpleSearchRow);
}

QString TDM::SimpleSearchValue() const
{
    for (auto it = m_simpleSearchRow.cbegin(); it != m_simpleSearchRow.cend(); ++it)
        if (it.key().compare(m_simpleSearchCodeField, Qt::CaseInsensitive) == 0)
            return it.value().toString();
    return {};
}

void TDM::DelGL(int id, const QString &no)
{
    data::Params p;
    p.set(QStringLiteral("id"), id);
    p.set(QStringLiteral("no"), no);
    CompanyConnection().runScript(QString::fromLatin1(DelGLScript), p);
}

void TDM::reset()
{
    m_config.reset();
    m_period.reset();
    m_tax.reset();
    data::Connection::close(QString::fromLatin1(CompanyAlias));
    AutoRunDocNo = false;
    RunYear = 0;
    LastVendorName.clear();
    LastCustomerName.clear();
    m_companyDatabase.clear();
    m_simpleSearchRow.clear();
    m_simpleSearchCodeField.clear();
}

TDmFinance &TDmFinance::instance()
{
    static TDmFinance finance;
    return finance;
}

bool TDmFinance::ChequeAlreadyCut(const QString &paymentNo, const QString &transactionCode)
{
    data::DataSet q(TDM::instance().CompanyConnection(), QString::fromLatin1(ChqCutSql));
    q.setParam(QStringLiteral("PNo"), paymentNo);
    q.setParam(QStringLiteral("TCode"), transactionCode);
    q.open();
    if (q.isEmpty())
        return false;
    const QChar cr(QLatin1Char('\r'));
    Prompter::instance().message(QStringLiteral("รายการนี้มีเช็คหมายเลข ") + q.value(QStringLiteral("chqno")).toString() +
                                     cr + QStringLiteral("บันทึกตัดจ่ายไปแล้ว") + cr + QStringLiteral("ใบตัดจ่ายเลขที่ ") +
                                     q.value(QStringLiteral("dpno")).toString() + cr +
                                     QStringLiteral("ถ้าต้องการแก้ไขต้องยกเลิกรายการเช็คตัดจ่ายก่อน"),
                                 Prompter::Warning);
    return true;
}

TDmProduct &TDmProduct::instance()
{
    static TDmProduct product;
    return product;
}

QString LocalIpAddress()
{
    const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
    QString last;
    for (const QHostAddress &a : info.addresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            last = a.toString();
    return last;
}

} // namespace app
