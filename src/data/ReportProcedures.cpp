// Report-preparation procedures named by SystemForm.SpName. They run before
// a report template is loaded and fill work tables that the template reads.
#include "Connection.h"
#include "DbError.h"
#include "EmbeddedProcedures.h"

namespace data {

namespace {

// SP_PrintSettlement @No, @DocYear, @DocCode -> @NewDocNo: the settled
// documents of a receipt (FRRC) or payment (FRPD), one RptSettlement row per
// line in line order, with the baht value at the header rate. Earlier rows
// of the same document are replaced. @NewDocNo returns the number trimmed.
void printSettlement(Connection &c, Params &p)
{
    const QString docCode = p.value(QStringLiteral("@DocCode")).toString().trimmed().toUpper();
    const QString number = p.value(QStringLiteral("@No")).toString().trimmed();
    QString select;
    if (docCode == QLatin1String("FRRC"))
        select = QStringLiteral(
            "SELECT :DocCode, :DocNo, :DocYear, F.RecNo, F.RcDoctype, 'ขาย', E.IvNo, E.IvDate, F.RcDocTotal, "
            "F.RcDocAmount, round(F.RcDocAmount * H.RcExchange, 2) FROM FrRcDt F JOIN FrRCHD H ON H.Id = F.FrRcHD "
            "JOIN EXIVHD E ON E.Id = F.RcDocId WHERE ltrim(rtrim(H.RcNo)) = :DocNo AND upper(F.RcDoctype) = 'I' "
            "UNION ALL SELECT :DocCode, :DocNo, :DocYear, F.RecNo, F.RcDoctype, 'รับเงินมัดจำ', P.PreNo, P.PreDate, "
            "F.RcDocTotal, F.RcDocAmount, round(F.RcDocAmount * H.RcExchange, 2) FROM FrRcDt F "
            "JOIN FrRCHD H ON H.Id = F.FrRcHD JOIN FrPreRcpt P ON P.Id = F.RcDocId "
            "WHERE ltrim(rtrim(H.RcNo)) = :DocNo AND upper(F.RcDoctype) = 'P' ORDER BY 4");
    else if (docCode == QLatin1String("FRPD"))
        select = QStringLiteral(
            "SELECT :DocCode, :DocNo, :DocYear, F.RecNo, F.PDDoctype, 'ซื้อ', M.ImNo, M.ImDate, F.PDDocTotal, "
            "F.PDDocAmount, round(F.PDDocAmount * H.PDExchange, 2) FROM FrPDDT F JOIN FrPDHD H ON H.Id = F.FrPDHD "
            "JOIN IMHD M ON M.Id = F.PDDocId WHERE ltrim(rtrim(H.PDNo)) = :DocNo AND upper(F.PDDoctype) = 'M' "
            "UNION ALL SELECT :DocCode, :DocNo, :DocYear, F.RecNo, F.PDDoctype, 'จ่ายเงินมัดจำ', P.PreNo, P.PreDate, "
            "F.PDDocTotal, F.PDDocAmount, round(F.PDDocAmount * H.PDExchange, 2) FROM FrPDDT F "
            "JOIN FrPDHD H ON H.Id = F.FrPDHD JOIN FrPrePaid P ON P.Id = F.PDDocId "
            "WHERE ltrim(rtrim(H.PDNo)) = :DocNo AND upper(F.PDDoctype) = 'D' ORDER BY 4");
    else
        throw DbError(QStringLiteral("SP_PrintSettlement: document code '%1' is neither FRRC nor FRPD").arg(docCode));

    Params q;
    q.set(QStringLiteral("DocCode"), docCode);
    q.set(QStringLiteral("DocNo"), number);
    q.set(QStringLiteral("DocYear"), p.value(QStringLiteral("@DocYear")).toInt());
    c.execute(QStringLiteral("DELETE FROM RptSettlement WHERE DocCode = :DocCode AND DocNo = :DocNo"), q);
    c.execute(QStringLiteral("INSERT INTO RptSettlement (DocCode, DocNo, DocYear, RecNo, SettledType, SettledTypeName, "
                             "SettledNo, SettledDate, OpenAmount, SettledAmount, BahtAmount) ") +
                  select,
              q);
    p.set(QStringLiteral("@NewDocNo"), number, Params::Out);
}

} // namespace

void registerReportProcedures()
{
    registerEmbeddedProcedure(QStringLiteral("SP_PrintSettlement"), printSettlement);
}

} // namespace data
