// Ledger procedures: each posts one saved document as a balanced voucher
// (GLHd with its GLDt lines), inside the caller's transaction. Accounts come
// from the posting set-up GLPostingAccount (document code, role), or from the
// account code of the bank, petty-cash fund, expense or withholding-tax row
// when that row names one. Posting a document again replaces its voucher; a
// cancelled document keeps no voucher.
#include "Connection.h"
#include "DbError.h"
#include "EmbeddedProcedures.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>
#include <vector>

namespace data {

namespace {

// Baht to satang, half away from zero, so that sums are exact.
qint64 cents(double amount)
{
    return std::llround(amount * 100.0 + (amount >= 0 ? 1e-7 : -1e-7));
}

qint64 cents(const QVariant &v)
{
    return v.isNull() ? 0 : cents(v.toDouble());
}

double rateOr(const QVariant &rate, double fallback)
{
    const double r = rate.isNull() ? 0.0 : rate.toDouble();
    return r > 0 ? r : fallback;
}

bool isYes(const QVariant &v)
{
    return v.toString().trimmed().compare(QStringLiteral("Y"), Qt::CaseInsensitive) == 0;
}

// One row of a select as name -> value (names compared without case).
class Row {
public:
    explicit Row(const QSqlQuery &q) : m_record(q.record()) {}
    QVariant operator[](const char *field) const { return m_record.value(QString::fromLatin1(field)); }

private:
    QSqlRecord m_record;
};

// The rows of a select, read to the end.
std::vector<Row> readAll(Connection &c, const QString &sql, const Params &params)
{
    std::vector<Row> rows;
    QSqlQuery q = c.run(sql, params);
    while (q.next())
        rows.emplace_back(q);
    return rows;
}

struct VoucherLine {
    QString role;
    QString accountOverride;
    QString description;
    qint64 amount = 0; // positive = debit, negative = credit
    QVariant department;
    QVariant project;
};

// Collects the lines of one document's voucher and writes it.
class Voucher {
public:
    Voucher(Connection &c, QString docCode, int docId) : m_c(c), m_docCode(std::move(docCode)), m_docId(docId) {}

    QString docNo;
    QVariant docDate;
    QString description;
    QVariant project;

    void add(const QString &role, qint64 amount, const QString &description, const QString &account = {},
             const QVariant &department = {})
    {
        if (amount != 0)
            m_lines.push_back({role, account.trimmed(), description, amount, department, project});
    }

    // The remainder that keeps debits equal to credits goes to this role.
    void balanceWith(const QString &role, const QString &lineDescription)
    {
        qint64 sum = 0;
        for (const VoucherLine &l : m_lines)
            sum += l.amount;
        add(role, -sum, lineDescription);
    }

    // Removes the document's earlier vouchers.
    void clear()
    {
        Params p;
        p.set(QStringLiteral("Id"), m_docId);
        p.set(QStringLiteral("Code"), m_docCode);
        m_c.execute(QStringLiteral("DELETE FROM GLDt WHERE GLHd IN (SELECT Id FROM GLHd "
                                   "WHERE GLFromDocId = :Id AND GLFromDocCode = :Code)"),
                    p);
        m_c.execute(QStringLiteral("DELETE FROM GLHd WHERE GLFromDocId = :Id AND GLFromDocCode = :Code"), p);
    }

    void write(int userId)
    {
        clear();
        if (m_lines.empty())
            return;
        std::vector<Account> accounts;
        qint64 debit = 0, credit = 0;
        for (const VoucherLine &l : m_lines) {
            accounts.push_back(resolve(l));
            (l.amount > 0 ? debit : credit) += std::llabs(l.amount);
        }
        if (debit != credit)
            throw DbError(QStringLiteral("Voucher of %1 %2 does not balance").arg(m_docCode, docNo));

        Params h;
        h.set(QStringLiteral("GLNo"), docNo.trimmed());
        h.set(QStringLiteral("GLDate"), docDate);
        h.set(QStringLiteral("DocId"), m_docId);
        h.set(QStringLiteral("DocNo"), docNo.trimmed());
        h.set(QStringLiteral("DocCode"), m_docCode);
        h.set(QStringLiteral("Description"), description);
        h.set(QStringLiteral("Total"), double(debit) / 100.0);
        h.set(QStringLiteral("UserId"), userId);
        h.set(QStringLiteral("Now"), QDateTime::currentDateTime());
        m_c.execute(QStringLiteral("INSERT INTO GLHd (GLNo, GLDate, GLFromDocId, GLFromDocNo, GLFromDocCode, "
                                   "Description, TotalDebit, TotalCredit, CreateUser, CreateDate, Posted) "
                                   "VALUES (:GLNo, :GLDate, :DocId, :DocNo, :DocCode, :Description, :Total, "
                                   ":Total, :UserId, :Now, 'N')"),
                    h);
        const int hdId = m_c.scalar(m_c.dialect().lastIdentitySql()).toInt();

        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            const VoucherLine &l = m_lines[i];
            Params d;
            d.set(QStringLiteral("GLHd"), hdId);
            d.set(QStringLiteral("RecNo"), int(i + 1));
            d.set(QStringLiteral("GLAccount"), accounts[i].id);
            d.set(QStringLiteral("AccountCode"), accounts[i].code);
            d.set(QStringLiteral("AccountName"), accounts[i].name);
            d.set(QStringLiteral("Description"), l.description);
            d.set(QStringLiteral("Debit"), l.amount > 0 ? double(l.amount) / 100.0 : 0.0);
            d.set(QStringLiteral("Credit"), l.amount < 0 ? double(-l.amount) / 100.0 : 0.0);
            d.set(QStringLiteral("Department"), l.department);
            d.set(QStringLiteral("Project"), l.project);
            m_c.execute(QStringLiteral("INSERT INTO GLDt (GLHd, RecNo, GLAccount, AccountCode, AccountName, "
                                       "Description, Debit, Credit, Department, Project) VALUES (:GLHd, :RecNo, "
                                       ":GLAccount, :AccountCode, :AccountName, :Description, :Debit, :Credit, "
                                       ":Department, :Project)"),
                        d);
        }
    }

private:
    struct Account {
        int id = 0;
        QString code;
        QString name;
    };

    // The account of a line: its own account code, else the posting set-up of
    // its role for this document code; it must be in the chart of accounts.
    Account resolve(const VoucherLine &l)
    {
        QString code = l.accountOverride;
        if (code.isEmpty()) {
            Params p;
            p.set(QStringLiteral("DocCode"), m_docCode);
            p.set(QStringLiteral("Role"), l.role);
            code = m_c.scalar(QStringLiteral("SELECT AccountCode FROM GLPostingAccount "
                                             "WHERE DocCode = :DocCode AND Role = :Role"),
                              p)
                       .toString()
                       .trimmed();
            if (code.isEmpty())
                throw DbError(QStringLiteral("ยังไม่ได้กำหนดรหัสบัญชีสำหรับผ่านรายการ เอกสาร %1 รายการ %2 "
                                             "(posting account set-up missing: %1 %2)")
                                  .arg(m_docCode, l.role));
        }
        Params a;
        a.set(QStringLiteral("Code"), code);
        QSqlQuery q = m_c.run(QStringLiteral("SELECT Id, Code, Name FROM GLAccount WHERE Code = :Code"), a);
        if (!q.next())
            throw DbError(QStringLiteral("ไม่พบรหัสบัญชี %1 ในผังบัญชี (account %1 of %2 %3 not in the chart)")
                              .arg(code, m_docCode, l.role));
        return {q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()};
    }

    Connection &m_c;
    QString m_docCode;
    int m_docId;
    std::vector<VoucherLine> m_lines;
};

Params docParams(Params &p)
{
    Params q;
    q.set(QStringLiteral("Id"), p.value(QStringLiteral("@DocId")).toInt());
    return q;
}

int userOf(Params &p)
{
    return p.value(QStringLiteral("@UserId")).toInt();
}

[[noreturn]] void documentMissing(const QString &table, const Params &q)
{
    throw DbError(
        QStringLiteral("ไม่พบเอกสาร %1 Id %2 ที่จะผ่านรายการบัญชี").arg(table).arg(q.value(QStringLiteral("Id")).toInt()));
}

// Deposits received (FRPRERCPT) and paid (FRPREPAID). A deposit received:
// bank and charge against the deposit liability; paid: the deposit asset
// and the charge against the bank. Brought-forward deposits post against
// the opening-balance account.
void postDeposit(Connection &c, Params &p, bool received)
{
    const Params q = docParams(p);
    const QString table = received ? QStringLiteral("FrPreRcpt") : QStringLiteral("FrPrePaid");
    const QString party = received ? QStringLiteral("FrCustomer") : QStringLiteral("FrVendor");
    const auto rows = readAll(c,
                              QStringLiteral("SELECT D.PreNo, D.PreDate, D.PreBahtAmount, D.PreCharge, D.Delflag, "
                                             "D.BeginBalance, B.AccountCode BankAccount, P.Name PartyName "
                                             "FROM %1 D LEFT JOIN CompanyBank B ON B.Id = D.CompanyBank "
                                             "LEFT JOIN %2 P ON P.Id = D.%2 WHERE D.Id = :Id")
                                  .arg(table, party),
                              q);
    if (rows.empty())
        documentMissing(table, q);
    const Row &d = rows.front();
    Voucher v(c, received ? QStringLiteral("FRPRERCPT") : QStringLiteral("FRPREPAID"),
              q.value(QStringLiteral("Id")).toInt());
    v.docNo = d["PreNo"].toString();
    v.docDate = d["PreDate"];
    const QString what =
        (received ? QStringLiteral("รับเงินมัดจำ ") : QStringLiteral("จ่ายเงินมัดจำ ")) + d["PartyName"].toString().trimmed();
    v.description = what;
    if (isYes(d["Delflag"])) {
        v.clear();
        return;
    }
    const qint64 baht = cents(d["PreBahtAmount"]);
    const qint64 charge = isYes(d["BeginBalance"]) ? 0 : cents(d["PreCharge"]);
    const int sign = received ? 1 : -1;
    if (isYes(d["BeginBalance"])) {
        v.add(QStringLiteral("OPENING"), sign * baht, what);
        v.add(QStringLiteral("DEPOSIT"), -sign * baht, what);
    } else if (received) {
        v.add(QStringLiteral("BANK"), baht - charge, what, d["BankAccount"].toString());
        v.add(QStringLiteral("CHARGE"), charge, what);
        v.add(QStringLiteral("DEPOSIT"), -baht, what);
    } else {
        v.add(QStringLiteral("DEPOSIT"), baht, what);
        v.add(QStringLiteral("CHARGE"), charge, what);
        v.add(QStringLiteral("BANK"), -(baht + charge), what, d["BankAccount"].toString());
    }
    v.write(userOf(p));
}

// Receipts (FRRC) and payments (FRPD). Every settled document is carried at
// its own exchange rate (the invoice, import document or deposit rate; the
// header rate when it has none); money, charge, discount and excess at the
// header rate; what remains is the exchange difference.
void postSettlement(Connection &c, Params &p, bool receipt)
{
    const Params q = docParams(p);
    const QString hdTable = receipt ? QStringLiteral("FrRCHD") : QStringLiteral("FrPDHD");
    const QString k = receipt ? QStringLiteral("Rc") : QStringLiteral("PD");
    const QString party = receipt ? QStringLiteral("FrCustomer") : QStringLiteral("FrVendor");
    const auto heads = readAll(c,
                               QStringLiteral("SELECT H.%1No DocNo, H.%1Date DocDate, H.%1Exchange Rate, "
                                              "H.%1BahtAmount Baht, H.%1Charge Charge, H.Discount, H.OverAmount, "
                                              "H.Delflag, B.AccountCode BankAccount, P.Name PartyName FROM %2 H "
                                              "LEFT JOIN CompanyBank B ON B.Id = H.CompanyBank "
                                              "LEFT JOIN %3 P ON P.Id = H.%3 WHERE H.Id = :Id")
                                   .arg(k, hdTable, party),
                               q);
    if (heads.empty())
        documentMissing(hdTable, q);
    const Row &h = heads.front();
    Voucher v(c, receipt ? QStringLiteral("FRRC") : QStringLiteral("FRPD"), q.value(QStringLiteral("Id")).toInt());
    v.docNo = h["DocNo"].toString();
    v.docDate = h["DocDate"];
    const QString partyName = h["PartyName"].toString().trimmed();
    v.description = (receipt ? QStringLiteral("รับชำระเงิน ") : QStringLiteral("จ่ายชำระเงิน ")) + partyName;
    if (isYes(h["Delflag"])) {
        v.clear();
        return;
    }
    const double rate = h["Rate"].toDouble();
    // Receipts credit what they settle, payments debit it.
    const int settle = receipt ? -1 : 1;

    const QString lines =
        receipt
            ? QStringLiteral(
                  "SELECT F.RcDoctype DocType, F.RcDocAmount Amount, E.IvNo DocNo, E.ExRate DocRate "
                  "FROM FrRcDt F JOIN EXIVHD E ON E.Id = F.RcDocId WHERE F.FrRcHD = :Id AND upper(F.RcDoctype) = 'I' "
                  "UNION ALL SELECT F.RcDoctype, F.RcDocAmount, P.PreNo, P.PreExchange "
                  "FROM FrRcDt F JOIN FrPreRcpt P ON P.Id = F.RcDocId WHERE F.FrRcHD = :Id AND upper(F.RcDoctype) = "
                  "'P'")
            : QStringLiteral(
                  "SELECT F.PDDoctype DocType, F.PDDocAmount Amount, M.ImNo DocNo, M.ExRate DocRate "
                  "FROM FrPDDT F JOIN IMHD M ON M.Id = F.PDDocId WHERE F.FrPDHD = :Id AND upper(F.PDDoctype) = 'M' "
                  "UNION ALL SELECT F.PDDoctype, F.PDDocAmount, P.PreNo, P.PreExchange "
                  "FROM FrPDDT F JOIN FrPrePaid P ON P.Id = F.PDDocId WHERE F.FrPDHD = :Id AND upper(F.PDDoctype) = "
                  "'D'");
    for (const Row &l : readAll(c, lines, q)) {
        const QString type = l["DocType"].toString().trimmed().toUpper();
        const bool deposit = type == QLatin1String("P") || type == QLatin1String("D");
        const QString role =
            deposit ? QStringLiteral("DEPOSIT") : (receipt ? QStringLiteral("RECEIVABLE") : QStringLiteral("PAYABLE"));
        const double amount = l["Amount"].toDouble() * rateOr(l["DocRate"], rate);
        v.add(role, settle * cents(amount), l["DocNo"].toString().trimmed() + QLatin1Char(' ') + partyName);
    }
    const qint64 baht = cents(h["Baht"]);
    const qint64 charge = cents(h["Charge"]);
    const QString what = v.description;
    if (receipt)
        v.add(QStringLiteral("BANK"), baht - charge, what, h["BankAccount"].toString());
    else
        v.add(QStringLiteral("BANK"), -(baht + charge), what, h["BankAccount"].toString());
    v.add(QStringLiteral("CHARGE"), charge, what);
    v.add(QStringLiteral("DISCOUNT"), -settle * cents(h["Discount"].toDouble() * rate), what);
    v.add(QStringLiteral("OVER"), settle * cents(h["OverAmount"].toDouble() * rate), what);
    v.balanceWith(QStringLiteral("EXCHANGE"), QStringLiteral("ผลต่างจากอัตราแลกเปลี่ยน"));
    v.write(userOf(p));
}

// Foreign miscellaneous payments (FRMISCPAID): expense lines (less the
// reclaimable purchase tax) and withholding-tax lines against cash, cheque,
// bank and accrued amounts; discount and excess settle satang differences,
// anything left is rounding.
void postMiscPayment(Connection &c, Params &p)
{
    const Params q = docParams(p);
    const auto heads = readAll(c,
                               QStringLiteral("SELECT H.PdNo, H.PdDate, H.DelFlag, H.CashAmount, H.ChqAmount, "
                                              "H.BankAmount, H.ExpenseAmount, H.Discount, H.OverAmount, H.Project, "
                                              "H.Department, H.Reference, B.AccountCode BankAccount, "
                                              "C.AccountCode CashAccount FROM FrMiscPdHd H "
                                              "LEFT JOIN CompanyBank B ON B.Id = H.CompanyBank "
                                              "LEFT JOIN PrettyCash C ON C.Id = H.PrettyCash WHERE H.Id = :Id"),
                               q);
    if (heads.empty())
        documentMissing(QStringLiteral("FrMiscPdHd"), q);
    const Row &h = heads.front();
    Voucher v(c, QStringLiteral("FRMISCPAID"), q.value(QStringLiteral("Id")).toInt());
    v.docNo = h["PdNo"].toString();
    v.docDate = h["PdDate"];
    v.project = h["Project"];
    v.description = QStringLiteral("จ่ายเงินเบ็ดเตล็ด ต่างประเทศ ") + h["Reference"].toString().trimmed();
    if (isYes(h["DelFlag"])) {
        v.clear();
        return;
    }
    const auto lines = readAll(c,
                               QStringLiteral("SELECT D.PdDocType, D.PaidAmount, D.CanUseTax, D.TaxAmount, "
                                              "D.Department, M.Code, M.Description, M.AccountCode "
                                              "FROM FrMiscPdDt D JOIN Expense M ON M.Id = D.PdDocId "
                                              "WHERE D.FrMiscPdHd = :Id AND upper(D.PdDocType) = 'E' "
                                              "UNION ALL SELECT D.PdDocType, D.PaidAmount, D.CanUseTax, D.TaxAmount, "
                                              "D.Department, M.Code, M.Description, M.AccountCode "
                                              "FROM FrMiscPdDt D JOIN WithHoldingTax M ON M.Id = D.PdDocId "
                                              "WHERE D.FrMiscPdHd = :Id AND upper(D.PdDocType) = 'T'"),
                               q);
    for (const Row &l : lines) {
        const QString what = l["Code"].toString().trimmed() + QLatin1Char(' ') + l["Description"].toString().trimmed();
        const qint64 paid = cents(l["PaidAmount"]);
        const QVariant department = l["Department"].toInt() > 0 ? l["Department"] : h["Department"];
        if (l["PdDocType"].toString().trimmed().toUpper() == QLatin1String("T")) {
            v.add(QStringLiteral("WHT"), paid, what, l["AccountCode"].toString(), department);
            continue;
        }
        const qint64 tax = isYes(l["CanUseTax"]) ? cents(l["TaxAmount"]) : 0;
        v.add(QStringLiteral("INPUTVAT"), tax, what, {}, department);
        v.add(QStringLiteral("EXPENSE"), paid - tax, what, l["AccountCode"].toString(), department);
    }
    const QString what = v.description;
    v.add(QStringLiteral("CASH"), -cents(h["CashAmount"]), what, h["CashAccount"].toString());
    v.add(QStringLiteral("CHEQUE"), -cents(h["ChqAmount"]), what);
    v.add(QStringLiteral("BANK"), -cents(h["BankAmount"]), what, h["BankAccount"].toString());
    v.add(QStringLiteral("ACCRUED"), -cents(h["ExpenseAmount"]), what);
    v.add(QStringLiteral("DISCOUNT"), -cents(h["Discount"]), what);
    v.add(QStringLiteral("OVER"), cents(h["OverAmount"]), what);
    v.balanceWith(QStringLiteral("ROUNDING"), QStringLiteral("ผลต่างจากการปัดเศษ"));
    v.write(userOf(p));
}

} // namespace

void registerLedgerProcedures()
{
    registerEmbeddedProcedure(QStringLiteral("GL_FrPreRcpt"),
                              [](Connection &c, Params &p) { postDeposit(c, p, true); });
    registerEmbeddedProcedure(QStringLiteral("GL_FrPrePaid"),
                              [](Connection &c, Params &p) { postDeposit(c, p, false); });
    registerEmbeddedProcedure(QStringLiteral("GL_FrRcHd"),
                              [](Connection &c, Params &p) { postSettlement(c, p, true); });
    registerEmbeddedProcedure(QStringLiteral("GL_FrPdHd"),
                              [](Connection &c, Params &p) { postSettlement(c, p, false); });
    registerEmbeddedProcedure(QStringLiteral("GL_FrMiscPdHd"), postMiscPayment);
}

} // namespace data
