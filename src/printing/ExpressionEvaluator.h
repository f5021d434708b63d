#pragma once

#include "ReportData.h"
#include "ReportFunctions.h"

#include <QHash>
#include <QJSEngine>
#include <QJSValue>
#include <QObject>
#include <QVariant>

namespace printing {

struct ReportObject;

// Script helpers the expressions reach through a global object; C++ errors
// become script errors here, as no C++ exception may cross the script engine.
class ScriptBridge : public QObject {
    Q_OBJECT
public:
    ScriptBridge(QJSEngine &engine, const ReportFunctions &functions, const QHash<QString, DatasetRows> &datasets);

    Q_INVOKABLE QVariant call(const QString &name, const QVariantList &args);
    Q_INVOKABLE QString formatNumber(const QVariant &value, const QString &picture);
    Q_INVOKABLE QString formatDate(const QVariant &value, const QString &format);
    Q_INVOKABLE QString thaiDate(const QVariant &value);
    Q_INVOKABLE double sum(const QString &dataset, const QString &field);
    Q_INVOKABLE int count(const QString &dataset);

private:
    const DatasetRows *rows(const QString &dataset);
    QJSEngine &m_engine;
    const ReportFunctions &m_functions;
    const QHash<QString, DatasetRows> &m_datasets;
};

// Evaluates the expressions of a report with QJSEngine: report variables and
// page counters are globals, each dataset is a global object whose fields
// (any case) hold the current row, and the report functions and formatting
// helpers are callable by name in any case.
class ExpressionEvaluator {
public:
    ExpressionEvaluator(const ReportFunctions &functions, const QHash<QString, DatasetRows> &datasets);

    void setVariable(const QString &name, const QVariant &value);
    // Makes row `row` of the dataset current for expressions.
    void setRow(const QString &dataset, int row);

    // Evaluates one expression; throws ReportError with `where` and the
    // script's message when it fails.
    QJSValue evaluate(const QString &expression, const QString &where);
    bool isTrue(const QString &expression, const QString &where);
    // Replaces each [expression] in a text by its value, formatted with the
    // object's number or date format.
    QString expand(const ReportObject &object, const QString &where);
    // An expression result as printed text.
    QString toText(const QJSValue &value, const QString &numberFormat, const QString &dateFormat) const;

private:
    QJSValue compiled(const QString &expression, const QString &where);
    QJSEngine m_engine;
    ScriptBridge m_bridge;
    const QHash<QString, DatasetRows> &m_datasets;
    QHash<QString, QJSValue> m_rowObjects; // dataset name (upper case) -> its row object
    QHash<QString, QJSValue> m_compiled;
};

// Parses the date texts the databases return ("2026-03-01 00:00:00",
// ISO 8601); invalid when the value is no date.
QDateTime toDateTime(const QVariant &value);

} // namespace printing
