#include "Report.h"

#include "Connection.h"
#include "DbError.h"
#include "ExpressionEvaluator.h"
#include "ReportError.h"
#include "ReportFunctions.h"
#include "ReportLayouter.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace printing {

namespace {

QString datasetPlace(const ReportTemplate &t, const ReportDataset &d)
{
    return QStringLiteral("Report template %1, dataset \"%2\" (line %3)").arg(t.fileName, d.name).arg(d.sourceLine);
}

} // namespace

Report::Report(const QString &companyAlias) : m_companyAlias(companyAlias) {}

void Report::clear()
{
    m_template.reset();
    m_variables.clear();
}

void Report::loadFromFile(const QString &fileName)
{
    m_template.reset();
    m_template = ReportTemplate::load(fileName);
}

void Report::setVariable(const QString &name, const QVariant &value)
{
    for (auto it = m_variables.begin(); it != m_variables.end(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0) {
            it.value() = value;
            return;
        }
    }
    m_variables.insert(name, value);
}

QVariant Report::variable(const QString &name) const
{
    for (auto it = m_variables.cbegin(); it != m_variables.cend(); ++it)
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.value();
    return {};
}

PreparedReport Report::prepare() const
{
    if (!m_template)
        throw ReportError(QStringLiteral("No report template is loaded"));
    const ReportTemplate &t = *m_template;

    QHash<QString, DatasetRows> datasets;
    for (const ReportDataset &d : t.datasets) {
        const QString place = datasetPlace(t, d);
        if (datasets.contains(d.name.toUpper()))
            throw ReportError(place + QStringLiteral(": a second dataset of that name"));
        QStringList names;
        data::toPositional(d.sql, &names);
        data::Params params;
        for (const QString &name : names) {
            const QVariant value = variable(name);
            if (!value.isValid())
                throw ReportError(place + QStringLiteral(": the parameter :%1 is not a report variable (%2)")
                                              .arg(name, QStringList(m_variables.keys()).join(QStringLiteral(", "))));
            params.set(name, value);
        }
        DatasetRows rows;
        rows.name = d.name;
        try {
            QSqlQuery q = data::Connection::byAlias(m_companyAlias).run(d.sql, params);
            const QSqlRecord record = q.record();
            for (int i = 0; i < record.count(); ++i)
                rows.fields << record.fieldName(i);
            while (q.next()) {
                QVariantList row;
                row.reserve(record.count());
                for (int i = 0; i < record.count(); ++i)
                    row << q.value(i);
                rows.rows << row;
            }
        } catch (const data::DbError &e) {
            throw ReportError(place + QStringLiteral(": ") + e.message());
        }
        datasets.insert(d.name.toUpper(), rows);
    }

    const ReportFunctions functions(m_companyAlias);
    ExpressionEvaluator evaluator(functions, datasets);
    for (auto it = m_variables.cbegin(); it != m_variables.cend(); ++it)
        evaluator.setVariable(it.key(), it.value());
    ReportLayouter layouter(t, datasets, evaluator);
    PreparedReport report = layouter.run(0);
    // "Page N of M": a second pass once the page count is known.
    if (ReportLayouter::usesTotalPages(t))
        report = layouter.run(report.pageCount());
    return report;
}

} // namespace printing
