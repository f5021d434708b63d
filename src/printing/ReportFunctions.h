#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>

namespace data {
class Connection;
}

namespace printing {

// The program's own functions that report templates call by name (in any
// case): amounts in words and stock quantities in large and small units. The
// quantity functions read Config and ProductUnits through the company
// connection, looked up by alias when they run.
class ReportFunctions {
public:
    explicit ReportFunctions(const QString &companyAlias = QStringLiteral("DMDATA"));

    // The names, upper case.
    static const QStringList &names();
    static bool isReportFunction(const QString &name);

    // Runs the function of that name with already evaluated arguments;
    // nothing when the name is not one of ours. Throws ReportError when a
    // quantity cannot be expressed (no stock unit with a fraction).
    std::optional<QString> call(const QString &name, const QVariantList &args) const;

    // Quantity q in smallest units as large and small units: "2 BOX 6 PCS".
    QString onHandQuantity(double q, int unitId) const;
    // Part 1 (large units) or 2 (small units) of the same split, untrimmed.
    QString onHandQuantityLSUnit(double q, int unitId, int part) const;
    // Quantity q of the given unit as whole stock units and a fraction:
    // "2;1/2  BOX".
    QString fracSmallByStock(double q, int unitId) const;

private:
    data::Connection &company() const;
    QString m_companyAlias;
};

} // namespace printing
