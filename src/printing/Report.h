#pragma once

#include "PreparedReport.h"
#include "ReportTemplate.h"

#include <QVariantMap>
#include <optional>

namespace printing {

// A report run: a template loaded from a file, its variables ("DocNo",
// "UserCode", "DocYear", "PrintCode" ...) and the preparation that reads the
// datasets through the company connection and lays out the pages.
class Report {
public:
    explicit Report(const QString &companyAlias = QStringLiteral("DMDATA"));

    // Forgets the template and the variables.
    void clear();
    // Throws ReportError naming the file when it is missing or malformed.
    void loadFromFile(const QString &fileName);
    bool isLoaded() const { return m_template.has_value(); }
    const ReportTemplate &reportTemplate() const { return *m_template; }

    void setVariable(const QString &name, const QVariant &value);
    QVariant variable(const QString &name) const;
    const QVariantMap &variables() const { return m_variables; }

    // Runs the dataset statements with the variables as bound parameters and
    // lays the report out into pages. Throws ReportError naming the file and
    // the place (dataset, band, object) that failed.
    PreparedReport prepare() const;

private:
    QString m_companyAlias;
    std::optional<ReportTemplate> m_template;
    QVariantMap m_variables;
};

} // namespace printing
