#include "DepositDocument.h"

#include "Connection.h"
#include "DataSet.h"
#include "Dm.h"
#include "DmConfig.h"
#include "Utility.h"

#include <QVector>

namespace deposits {

bool DepositKind::forDocKind(const QString &docKind, DepositKind *kind)
{
    const bool received = docKind == QLatin1String("R") || docKind == QLatin1String("BR");
    const bool paid = docKind == QLatin1String("P") || docKind == QLatin1String("BP");
    if (!received && !paid)
        return false;
    kind->docKind = docKind;
    kind->received = received;
    kind->broughtForward = docKind.startsWith(QLatin1Char('B'));
    kind->docCode = received ? QStringLiteral("FRPRERCPT") : QStringLiteral("FRPREPAID");
    kind->table = received ? QStringLiteral("FrPreRcpt") : QStringLiteral("FrPrePaid");
    kind->settledColumn = received ? QStringLiteral("RcPtAmount") : QStringLiteral("PaidAmount");
    kind->partyColumn = received ? QStringLiteral("FrCustomer") : QStringLiteral("FrVendor");
    kind->ledgerProcedure = received ? QStringLiteral("GL_FrPreRcpt") : QStringLiteral("GL_FrPrePaid");
    return true;
}

namespace {

QString selectSql(const DepositKind &k)
{
    return k.received ? QStringLiteral("Select Id,PreNo,PreDate,FrCustomer, Remark,TaxCode,PreAmount, "
                                       "Currency,PreExchange, PreBahtAmount,PreCharge, PreBankTotal,CompanyBank, "
                                       "Delflag,Printed,Clear, Transfer,RcPtAmount,BeginBalance From FrPreRcpt "
                                       "Where (PreNo =:PNO)")
                      : QStringLiteral("Select Id,PreNo,PreDate,FrVendor, Remark,PreAmount, Currency,PreExchange, "
                                       "PreBahtAmount,PreCharge, CompanyBank,Delflag, Printed,Clear, "
                                       "Transfer,PaidAmount,BeginBalance From FrPrePaid Where (PreNo =:PNO)");
}

QStringList selectedColumns(const DepositKind &k)
{
    return k.received
               ? QStringList{"Id",        "PreNo",        "PreDate",     "FrCustomer",  "Remark",
                             "TaxCode",   "PreAmount",    "Currency",    "PreExchange", "PreBahtAmount",
                             "PreCharge", "PreBankTotal", "CompanyBank", "Delflag",     "Printed",
                             "Clear",     "Transfer",     "RcPtAmount",  "BeginBalance"}
               : QStringList{"Id",       "PreNo",       "PreDate",       "FrVendor",   "Remark",      "PreAmount",
                             "Currency", "PreExchange", "PreBahtAmount", "PreCharge",  "CompanyBank", "Delflag",
                             "Printed",  "Clear",       "Transfer",      "PaidAmount", "BeginBalance"};
}

bool hasValue(const QVariant &v)
{
    return !v.isNull() && !(v.typeId() == QMetaType::QString && v.toString().isEmpty());
}

} // namespace

DepositDocument::DepositDocument(const DepositKind &kind)
    : m_kind(kind), m_qpre(std::make_unique<data::DataSet>(app::TDM::instance().CompanyConnection(), selectSql(kind)))
{
    m_qpre->setObjectName(QStringLiteral("QPRE"));
    m_qpre->setUpdateSql(data::UpdateSql::forTable(kind.table, selectedColumns(kind)));
}

DepositDocument::~DepositDocument() = default;

void DepositDocument::load(const QString &number)
{
    app::TDM::instance().QTax().reopen();
    m_qpre->setParam(QStringLiteral("PNO"), number);
    m_qpre->reopen();
    m_isNew = m_qpre->isEmpty();
}

void DepositDocument::edit()
{
    m_qpre->edit();
}

void DepositDocument::computeBahtAmount()
{
    const QVariant amount = m_qpre->value(QStringLiteral("PreAmount"));
    const QVariant rate = m_qpre->value(QStringLiteral("PreExchange"));
    double baht = amount.toDouble(); // an empty amount gives 0
    if (hasValue(amount) && hasValue(rate))
        baht = app::RoundHalfUp(15, 2, amount.toDouble() * rate.toDouble());
    m_qpre->setValue(QStringLiteral("PreBahtAmount"), baht);
}

bool DepositDocument::computeBankTotal()
{
    const QVariant baht = m_qpre->value(QStringLiteral("PreBahtAmount"));
    const QVariant charge = m_qpre->value(QStringLiteral("PreCharge"));
    const bool chargeBelowAmount = baht.toDouble() > charge.toDouble();
    if (hasValue(baht) && hasValue(charge))
        m_qpre->setValue(QStringLiteral("PreBankTotal"), baht.toDouble() - charge.toDouble());
    else
        m_qpre->setValue(QStringLiteral("PreBankTotal"), baht);
    return chargeBelowAmount;
}

int DepositDocument::documentId(const QString &number)
{
    data::Params p;
    p.set(QStringLiteral("PNO"), number);
    const QVariant id = app::TDM::instance().CompanyConnection().scalar(
        QStringLiteral("Select Id From %1 Where PreNo = :PNO").arg(m_kind.table), p);
    return id.isNull() ? -1 : id.toInt();
}

int DepositDocument::documentYear() const
{
    return app::YearOf(m_qpre->value(QStringLiteral("PreDate")).toDate());
}

QString DepositDocument::save()
{
    app::TDM &dm = app::TDM::instance();
    data::Connection &db = dm.CompanyConnection();
    data::DataSet &q = *m_qpre;
    const auto set = [&q](const char *field, const QVariant &v) { q.setValue(QString::fromLatin1(field), v); };

    // What the user entered, to put back if the save fails.
    QVector<QVariant> entered;
    for (const QString &f : q.fieldNames())
        entered.append(q.value(f));

    QString number;
    db.startTransaction();
    try {
        for (const char *flag : {"Delflag", "Clear", "Printed", "Transfer", "BeginBalance"})
            set(flag, QStringLiteral("N"));
        if (m_kind.broughtForward) {
            set("BeginBalance", QStringLiteral("Y"));
            set("PreCharge", 0);
            set("CompanyBank", -1);
            if (m_kind.received) {
                set("PreBankTotal", 0);
                set("TaxCode", -1);
            }
        }
        q.setValue(m_kind.settledColumn, 0);
        const QDate date = q.value(QStringLiteral("PreDate")).toDate();
        set("PreDate", QDateTime(date, QTime(0, 0)));
        if (q.isNull(QStringLiteral("PreCharge")))
            set("PreCharge", 0);

        if (q.isNewRow()) {
            number = dm.NextDocumentNo(m_kind.docCode, date);
            set("PreNo", number);
            dm.AddUserLog(app::LogAdded, 0, number);
        } else {
            number = q.value(QStringLiteral("PreNo")).toString();
            dm.AddUserLog(app::LogModified, q.value(QStringLiteral("Id")).toInt(), number);
        }
        q.applyUpdates();

        const int docId = documentId(number);
        if (dm.QConfig().value(QStringLiteral("AutoGenGL")).toString() == QLatin1String("Y")) {
            data::Params p;
            p.set(QStringLiteral("@DocId"), docId);
            p.set(QStringLiteral("@UserId"), app::TDMConfig::instance().UserId);
            p.declareOut(QStringLiteral("Result"));
            db.callProcedure(m_kind.ledgerProcedure, p);
        }
        db.commit();
    } catch (...) {
        db.rollback();
        const QStringList fields = q.fieldNames();
        for (int i = 0; i < fields.size(); ++i)
            q.setValue(fields[i], entered[i]);
        throw;
    }
    q.commitUpdates();
    return number;
}

void DepositDocument::cancel(const QString &number)
{
    app::TDM &dm = app::TDM::instance();
    data::Connection &db = dm.CompanyConnection();
    load(number);
    edit();
    db.startTransaction();
    try {
        m_qpre->setValue(QStringLiteral("Delflag"), QStringLiteral("Y"));
        dm.AddUserLog(app::LogDeleted, m_qpre->value(QStringLiteral("Id")).toInt(),
                      m_qpre->value(QStringLiteral("PreNo")).toString());
        m_qpre->applyUpdates();
        db.commit();
    } catch (...) {
        db.rollback();
        throw;
    }
    m_qpre->commitUpdates();
}

} // namespace deposits
