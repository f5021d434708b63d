// Procedures of the company database for numbering, the server clock and the
// user-action log.
#include "Connection.h"
#include "DbError.h"
#include "EmbeddedProcedures.h"

#include <QDateTime>
#include <QSqlQuery>

namespace data {

namespace {

// The DocumentNo row that numbers a code in a year: through DocNoConvert
// when the code borrows another series, else its own row. 0 when none.
int numberSeries(Connection &c, const QString &code, int year)
{
    Params q;
    q.set(QStringLiteral("Code"), code);
    q.set(QStringLiteral("DocYear"), year);
    QVariant id = c.scalar(QStringLiteral("SELECT V.DocumentNo FROM DocNoConvert V "
                                          "INNER JOIN DocumentNo D ON D.Id = V.DocumentNo "
                                          "WHERE V.Code = :Code AND V.DocYear = :DocYear"),
                           q);
    if (id.isNull())
        id = c.scalar(QStringLiteral("SELECT Id FROM DocumentNo WHERE Code = :Code AND DocYear = :DocYear"), q);
    return id.isNull() ? 0 : id.toInt();
}

QString drawNumber(Connection &c, const QString &code, int year)
{
    const int series = numberSeries(c, code, year);
    if (series == 0)
        throw DbError(QStringLiteral("ไม่พบรหัสเอกสาร %1 ปี %2").arg(code).arg(year));
    Params q;
    q.set(QStringLiteral("Id"), series);
    // The update takes the write lock before the counter is read, so two
    // programs saving at once queue here and never read the same counter.
    c.execute(QStringLiteral("UPDATE DocumentNo SET LastNo = LastNo + 1 WHERE Id = :Id"), q);
    QSqlQuery r = c.run(QStringLiteral("SELECT Prefix, LastNo, DocumentLength FROM DocumentNo WHERE Id = :Id"), q);
    if (!r.next())
        throw DbError(QStringLiteral("ไม่พบรหัสเอกสาร %1 ปี %2").arg(code).arg(year));
    const QString prefix = r.value(0).toString();
    const qint64 counter = r.value(1).toLongLong();
    const int length = r.value(2).toInt();
    const int width = length - int(prefix.size());
    const QString digits = QString::number(counter);
    if (width < 1 || digits.size() > width)
        throw DbError(QStringLiteral("เลขที่เอกสาร %1 ปี %2 เต็มแล้ว (ความยาว %3, คำนำหน้า '%4', ลำดับ %5)")
                          .arg(code)
                          .arg(year)
                          .arg(length)
                          .arg(prefix)
                          .arg(counter));
    return (prefix + digits.rightJustified(width, QLatin1Char('0'))).toUpper();
}

// NewDocumentNo @DocCode, @DocYear -> @NewNo. The counter is advanced inside
// the caller's transaction, so a rollback gives the number back; called
// outside a transaction it takes one of its own.
void newDocumentNo(Connection &c, Params &p)
{
    const QString code = p.value(QStringLiteral("@DocCode")).toString().trimmed();
    const int year = p.value(QStringLiteral("@DocYear")).toInt();
    const bool own = !c.inTransaction();
    if (own)
        c.startTransaction();
    QString number;
    try {
        number = drawNumber(c, code, year);
        if (own)
            c.commit();
    } catch (...) {
        if (own)
            c.rollback();
        throw;
    }
    p.set(QStringLiteral("@NewNo"), number, Params::Out);
}

// ServerTime -> @ServerTime: the clock of the machine that holds the
// embedded database, to the second.
void serverTime(Connection &, Params &p)
{
    QDateTime now = QDateTime::currentDateTime();
    now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    p.set(QStringLiteral("@ServerTime"), now, Params::Out);
}

// UserAddLog @UserId, @MenuId, @FunctionListId, @DocumentId, @Remark.
void userAddLog(Connection &c, Params &p)
{
    Params q;
    q.set(QStringLiteral("UserId"), p.value(QStringLiteral("@UserId")).toInt());
    q.set(QStringLiteral("MenuId"), p.value(QStringLiteral("@MenuId")).toInt());
    q.set(QStringLiteral("FunctionListId"), p.value(QStringLiteral("@FunctionListId")).toInt());
    q.set(QStringLiteral("DocumentId"), p.value(QStringLiteral("@DocumentId")).toInt());
    q.set(QStringLiteral("Remark"), p.value(QStringLiteral("@Remark")).toString());
    q.set(QStringLiteral("LogDate"), QDateTime::currentDateTime());
    c.execute(QStringLiteral("INSERT INTO UserLog (UserId, MenuId, FunctionListId, DocumentId, Remark, LogDate) "
                             "VALUES (:UserId, :MenuId, :FunctionListId, :DocumentId, :Remark, :LogDate)"),
              q);
}

} // namespace

void registerNumberingProcedures()
{
    registerEmbeddedProcedure(QStringLiteral("NewDocumentNo"), newDocumentNo);
    registerEmbeddedProcedure(QStringLiteral("ServerTime"), serverTime);
    registerEmbeddedProcedure(QStringLiteral("UserAddLog"), userAddLog);
}

} // namespace data
