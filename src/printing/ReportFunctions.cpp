#include "ReportFunctions.h"

#include "Connection.h"
#include "FloatFormat.h"
#include "ReportError.h"
#include "Utility.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>

namespace printing {

namespace {

const QString kUnitFraction = QStringLiteral(
    "SELECT U.UnitName LUnit, U.Fraction, M.UnitName SUnit, U.Product IdProd FROM ProductUnits U Inner Join "
    "ProductUnits M On ((U.Product = M.Product) And (M.SmallUnitFlag = 'Y')) Where (U.Id = :GetUnit)");

const QString kStockUnitQnty = QStringLiteral(
    "SELECT U.Id,U.UnitName, U.Fraction, (Select S.UnitName From ProductUnits S Where (S.SmallUnitFlag = 'Y') And "
    "(S.Product = :GetProduct)) As SmallUnit FROM ProductUnits U Where (U.StockUnitFlag = 'Y') And (U.Product = "
    ":GetProduct)");

const QString kWholeUnits = QStringLiteral("###,###,##0 ");
const QString kQuantity = QStringLiteral("###,###,##0.###### ");
const QString kSmallPart = QStringLiteral(" ######.###### ");
const QString kFractionNumber = QStringLiteral("#,###.##;-#,###.##");

// The unit a quantity is given in, with its product's smallest unit.
struct UnitFraction {
    bool found = false;
    QString largeUnit;
    double fraction = 0;
    QString smallUnit;
    QVariant product;
};

// Config's unit brackets and the decimals shown for quantities.
struct QuantitySettings {
    QString numberFormat = QStringLiteral(" #,###,###.###### ");
    QString unitLeft;
    QString unitRight;
};

UnitFraction readUnit(data::Connection &db, int unitId)
{
    data::Params params;
    params.set("GetUnit", unitId);
    QSqlQuery q = db.run(kUnitFraction, params);
    UnitFraction unit;
    if (q.next()) {
        unit.found = true;
        unit.largeUnit = q.value("LUnit").toString();
        unit.fraction = q.value("Fraction").toDouble();
        unit.smallUnit = q.value("SUnit").toString();
        unit.product = q.value("IdProd");
    }
    return unit;
}

QuantitySettings readSettings(data::Connection &db)
{
    QuantitySettings s;
    QSqlQuery q = db.run(QStringLiteral("SELECT OnhandDecimal, UnitLeft, UnitRight FROM Config"));
    if (!q.next())
        return s;
    const int decimals = q.value("OnhandDecimal").toInt();
    if (decimals > 0)
        s.numberFormat = QStringLiteral(" #,###,##0.") + QString(decimals, u'0') + u' ';
    s.unitLeft = q.value("UnitLeft").toString();
    s.unitRight = q.value("UnitRight").toString();
    return s;
}

// Whole part toward zero, forgiving the binary noise of products such as
// 0.29 * 100 = 28.999999999999996.
double wholePart(double value)
{
    return std::trunc(std::round(value * 1e9) / 1e9);
}

double argNumber(const QVariantList &args, int i, double fallback = 0)
{
    return i < args.size() && !args[i].isNull() ? args[i].toDouble() : fallback;
}

int argInt(const QVariantList &args, int i, int fallback = 0)
{
    return i < args.size() && !args[i].isNull() ? int(std::lround(args[i].toDouble())) : fallback;
}

} // namespace

ReportFunctions::ReportFunctions(const QString &companyAlias) : m_companyAlias(companyAlias) {}

const QStringList &ReportFunctions::names()
{
    static const QStringList list{"TELL_REAL_THAI", "TELL_REAL_THAI2",      "TELL_REAL_ENG",   "TELL_REAL_ENG2",
                                  "ONHANDQUANTITY", "ONHANDQUANTITYLSUNIT", "FRACSMALLBYSTOCK"};
    return list;
}

bool ReportFunctions::isReportFunction(const QString &name)
{
    return names().contains(name.toUpper());
}

data::Connection &ReportFunctions::company() const
{
    return data::Connection::byAlias(m_companyAlias);
}

std::optional<QString> ReportFunctions::call(const QString &name, const QVariantList &args) const
{
    const QString upper = name.toUpper();
    if (upper == u"TELL_REAL_THAI")
        return app::ThaiBahtText(argInt(args, 1, 2), argNumber(args, 0));
    if (upper == u"TELL_REAL_THAI2")
        return app::ThaiNumberText(argInt(args, 1, 2), argNumber(args, 0));
    if (upper == u"TELL_REAL_ENG")
        return app::EnglishBahtText(argInt(args, 1, 2), argNumber(args, 0));
    if (upper == u"TELL_REAL_ENG2")
        return app::EnglishNumberText(argInt(args, 1, 2), argNumber(args, 0));
    if (upper == u"ONHANDQUANTITY")
        return onHandQuantity(argNumber(args, 0), argInt(args, 1));
    if (upper == u"ONHANDQUANTITYLSUNIT")
        return onHandQuantityLSUnit(argNumber(args, 0), argInt(args, 1), argInt(args, 2));
    if (upper == u"FRACSMALLBYSTOCK")
        return fracSmallByStock(argNumber(args, 0), argInt(args, 1));
    return std::nullopt;
}

QString ReportFunctions::onHandQuantity(double q, int unitId) const
{
    const QString sign = q < 0 ? QStringLiteral("- ") : QString();
    q = std::fabs(q);
    data::Connection &db = company();
    const UnitFraction unit = readUnit(db, unitId);
    const QuantitySettings settings = readSettings(db);
    if (!unit.found)
        return (FormatFloat(settings.numberFormat, q) + QStringLiteral("ERROR")).trimmed();

    const QString large = settings.unitLeft + unit.largeUnit + settings.unitRight;
    QString text;
    if (unit.fraction == 1) {
        text = FormatFloat(settings.numberFormat, q) + large;
    } else {
        const double f = std::max(unit.fraction, 1.0);
        const double whole = wholePart(q / f);
        if (whole != 0)
            text += FormatFloat(kWholeUnits, whole) + large;
        const double rest = q - whole * f;
        if (rest != 0)
            text += FormatFloat(settings.numberFormat, std::fabs(rest)) + settings.unitLeft + unit.smallUnit +
                    settings.unitRight;
    }
    if (text.isEmpty())
        text = QStringLiteral("0 ") + large;
    return (sign + text).trimmed();
}

QString ReportFunctions::onHandQuantityLSUnit(double q, int unitId, int part) const
{
    const QString sign = q < 0 ? QStringLiteral("- ") : QString();
    q = std::fabs(q);
    const UnitFraction unit = readUnit(company(), unitId);
    if (!unit.found)
        return FormatFloat(kQuantity, q) + QStringLiteral("ERROR");

    QString largePart, smallPart;
    if (unit.fraction == 1) {
        smallPart = FormatFloat(kQuantity, q) + unit.largeUnit;
    } else {
        const double f = std::max(unit.fraction, 1.0);
        const double whole = wholePart(q / f);
        if (whole != 0)
            largePart = FormatFloat(kWholeUnits, whole) + unit.largeUnit;
        const double rest = q - whole * f;
        if (rest != 0)
            smallPart = FormatFloat(kSmallPart, std::fabs(rest)) + unit.smallUnit;
    }
    if (part == 1)
        return sign + largePart;
    if (part == 2)
        return sign + smallPart;
    return FormatFloat(kQuantity, q) + QStringLiteral("IDERROR");
}

QString ReportFunctions::fracSmallByStock(double q, int unitId) const
{
    // A negative quantity keeps its sign in front of the result rather than
    // printing as if it were positive.
    const QString sign = q < 0 ? QStringLiteral("- ") : QString();
    q = std::fabs(q);
    data::Connection &db = company();
    const UnitFraction unit = readUnit(db, unitId);
    if (!unit.found)
        throw ReportError(QStringLiteral("FRACSMALLBYSTOCK: unit %1 does not exist").arg(unitId));
    qint64 n = qint64(wholePart(q * unit.fraction));

    data::Params params;
    params.set("GetProduct", unit.product);
    QSqlQuery stock = db.run(kStockUnitQnty, params);
    const bool hasStockUnit = stock.next();
    const qint64 d = hasStockUnit ? qint64(stock.value("Fraction").toDouble()) : 0;
    const QString stockUnitName = hasStockUnit ? stock.value("UnitName").toString() : QString();
    // Only a quantity that has to be divided needs the stock unit; nothing
    // reads ";0" like any other product.
    if (d == 0 && n != 0)
        throw ReportError(
            QStringLiteral("FRACSMALLBYSTOCK: the product of unit %1 has no stock unit with a fraction").arg(unitId));

    QString wholeText, fractionText;
    if (n == 0) {
        fractionText = QStringLiteral("0");
    } else {
        const qint64 w = n / d;
        if (w != 0) {
            wholeText = FormatFloat(kFractionNumber, double(w));
            n -= w * d;
        }
        if (n % d != 0) {
            if (d % n == 0 && d / n == 2) {
                fractionText = QStringLiteral("1/2");
            } else {
                qint64 num = n, den = d;
                for (qint64 c = n; c >= 2; --c) {
                    if (num % c == 0 && den % c == 0) {
                        num /= c;
                        den /= c;
                    }
                }
                fractionText =
                    FormatFloat(kFractionNumber, double(num)) + u'/' + FormatFloat(kFractionNumber, double(den));
            }
        }
    }
    const QString text = wholeText.trimmed() + u';' + (fractionText + QStringLiteral("  ") + stockUnitName).trimmed();
    return (sign + text.trimmed()).trimmed();
}

} // namespace printing
