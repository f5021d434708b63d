#include "ExpressionEvaluator.h"

#include "FloatFormat.h"
#include "ReportError.h"
#include "ReportTemplate.h"

#include <QDateTime>
#include <QRegularExpression>
#include <cmath>

namespace printing {

namespace {

// Script functions besides the report functions, all reached in any case.
const QStringList &helperNames()
{
    static const QStringList names{"FORMATNUMBER", "FORMATDATE", "THAIDATE", "SUM", "COUNT", "IIF"};
    return names;
}

const char *kPrelude = R"JS(
function FORMATNUMBER(v, f) { return __report.formatNumber(v, f); }
function FORMATDATE(v, f) { return __report.formatDate(v, f === undefined ? "dd/MM/yyyy" : f); }
function THAIDATE(v) { return __report.thaiDate(v); }
function SUM(d, f) { return __report.sum(d, f); }
function COUNT(d) { return __report.count(d); }
function IIF(c, a, b) { return c ? a : b; }
function __rowObject(name, fields) {
    var target = {};
    var keys = {};
    for (var i = 0; i < fields.length; ++i)
        keys[fields[i].toLowerCase()] = fields[i];
    var proxy = new Proxy(target, {
        get: function (t, k) {
            if (typeof k !== "string")
                return t[k];
            var c = keys[k.toLowerCase()];
            if (c === undefined) {
                if (k in t)
                    return t[k];
                throw new Error("dataset " + name + " has no field " + k);
            }
            return t[c];
        }
    });
    return [target, proxy];
}
)JS";

QString canonicalNames(const QString &expression)
{
    static const QRegularExpression re = [] {
        const QStringList all = ReportFunctions::names() + helperNames();
        return QRegularExpression(QStringLiteral("(?<![\\w.$])(%1)\\s*\\(").arg(all.join(u'|')),
                                  QRegularExpression::CaseInsensitiveOption);
    }();
    QString out;
    qsizetype last = 0;
    auto it = re.globalMatch(expression);
    while (it.hasNext()) {
        const auto m = it.next();
        out += expression.mid(last, m.capturedStart(1) - last) + m.captured(1).toUpper();
        last = m.capturedEnd(1);
    }
    return out + expression.mid(last);
}

const QStringList &thaiMonths()
{
    static const QStringList months{"มกราคม",  "กุมภาพันธ์", "มีนาคม",  "เมษายน", "พฤษภาคม",  "มิถุนายน",
                                    "กรกฎาคม", "สิงหาคม",  "กันยายน", "ตุลาคม",  "พฤศจิกายน", "ธันวาคม"};
    return months;
}

} // namespace

QDateTime toDateTime(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime();
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate().startOfDay();
    if (value.metaType().id() != QMetaType::QString)
        return {};
    const QString text = value.toString().trimmed();
    for (const char *format : {"yyyy-MM-dd hh:mm:ss", "yyyy-MM-dd hh:mm:ss.zzz", "yyyy-MM-ddThh:mm:ss", "yyyy-MM-dd"}) {
        const QDateTime dt = QDateTime::fromString(text, QString::fromLatin1(format));
        if (dt.isValid())
            return dt;
    }
    return QDateTime::fromString(text, Qt::ISODate);
}

ScriptBridge::ScriptBridge(QJSEngine &engine, const ReportFunctions &functions,
                           const QHash<QString, DatasetRows> &datasets)
    : m_engine(engine), m_functions(functions), m_datasets(datasets)
{}

QVariant ScriptBridge::call(const QString &name, const QVariantList &args)
{
    try {
        if (const auto result = m_functions.call(name, args))
            return *result;
        m_engine.throwError(QStringLiteral("unknown report function %1").arg(name));
    } catch (const std::exception &e) {
        m_engine.throwError(QStringLiteral("%1: %2").arg(name, QString::fromStdString(e.what())));
    }
    return {};
}

QString ScriptBridge::formatNumber(const QVariant &value, const QString &picture)
{
    if (value.isNull() || !value.isValid())
        return {};
    return FormatFloat(picture, value.toDouble());
}

QString ScriptBridge::formatDate(const QVariant &value, const QString &format)
{
    const QDateTime dt = toDateTime(value);
    return dt.isValid() ? dt.toString(format) : QString();
}

QString ScriptBridge::thaiDate(const QVariant &value)
{
    const QDate d = toDateTime(value).date();
    if (!d.isValid())
        return {};
    return QStringLiteral("%1 %2 %3").arg(d.day()).arg(thaiMonths().at(d.month() - 1)).arg(d.year() + 543);
}

const DatasetRows *ScriptBridge::rows(const QString &dataset)
{
    for (auto it = m_datasets.cbegin(); it != m_datasets.cend(); ++it)
        if (it->name.compare(dataset, Qt::CaseInsensitive) == 0)
            return &*it;
    m_engine.throwError(QStringLiteral("unknown dataset %1").arg(dataset));
    return nullptr;
}

double ScriptBridge::sum(const QString &dataset, const QString &field)
{
    const DatasetRows *d = rows(dataset);
    if (!d)
        return 0;
    const int column = d->fieldIndex(field);
    if (column < 0) {
        m_engine.throwError(QStringLiteral("dataset %1 has no field %2").arg(dataset, field));
        return 0;
    }
    double total = 0;
    for (const QVariantList &row : d->rows)
        total += row.at(column).toDouble();
    return total;
}

int ScriptBridge::count(const QString &dataset)
{
    const DatasetRows *d = rows(dataset);
    return d ? int(d->rows.size()) : 0;
}

ExpressionEvaluator::ExpressionEvaluator(const ReportFunctions &functions, const QHash<QString, DatasetRows> &datasets)
    : m_bridge(m_engine, functions, datasets), m_datasets(datasets)
{
    m_engine.installExtensions(QJSEngine::ConsoleExtension);
    QJSEngine::setObjectOwnership(&m_bridge, QJSEngine::CppOwnership);
    m_engine.globalObject().setProperty("__report", m_engine.newQObject(&m_bridge));
    m_engine.evaluate(QString::fromUtf8(kPrelude));
    for (const QString &name : ReportFunctions::names())
        m_engine.evaluate(
            QStringLiteral("function %1() { return __report.call(\"%1\", Array.prototype.slice.call(arguments)); }")
                .arg(name));
    const QJSValue factory = m_engine.globalObject().property("__rowObject");
    for (const DatasetRows &d : datasets) {
        const QJSValue pair = factory.call({QJSValue(d.name), m_engine.toScriptValue(d.fields)});
        m_rowObjects.insert(d.name.toUpper(), pair.property(0));
        // Dataset names are read in the case written, all upper or all lower.
        for (const QString &alias : {d.name, d.name.toUpper(), d.name.toLower()})
            m_engine.globalObject().setProperty(alias, pair.property(1));
    }
}

void ExpressionEvaluator::setVariable(const QString &name, const QVariant &value)
{
    m_engine.globalObject().setProperty(name, m_engine.toScriptValue(value));
}

void ExpressionEvaluator::setRow(const QString &dataset, int row)
{
    const auto found = m_datasets.constFind(dataset.toUpper());
    if (found == m_datasets.cend())
        return;
    const DatasetRows &d = *found;
    QJSValue target = m_rowObjects.value(dataset.toUpper());
    const bool exists = row >= 0 && row < d.rows.size();
    for (int i = 0; i < d.fields.size(); ++i) {
        const QVariant v = exists ? d.rows[row].at(i) : QVariant();
        target.setProperty(d.fields[i], v.isNull() ? QJSValue(QJSValue::NullValue) : m_engine.toScriptValue(v));
    }
}

QJSValue ExpressionEvaluator::compiled(const QString &expression, const QString &where)
{
    auto it = m_compiled.constFind(expression);
    if (it != m_compiled.cend())
        return *it;
    const QJSValue fn =
        m_engine.evaluate(QStringLiteral("(function () { return (\n%1\n); })").arg(canonicalNames(expression)));
    if (fn.isError())
        throw ReportError(QStringLiteral("%1: expression \"%2\" cannot be read: %3")
                              .arg(where, expression, fn.property("message").toString()));
    m_compiled.insert(expression, fn);
    return fn;
}

QJSValue ExpressionEvaluator::evaluate(const QString &expression, const QString &where)
{
    const QJSValue result = compiled(expression, where).call();
    if (result.isError())
        throw ReportError(QStringLiteral("%1: expression \"%2\" failed: %3")
                              .arg(where, expression, result.property("message").toString()));
    return result;
}

bool ExpressionEvaluator::isTrue(const QString &expression, const QString &where)
{
    return expression.trimmed().isEmpty() || evaluate(expression, where).toBool();
}

QString ExpressionEvaluator::toText(const QJSValue &value, const QString &numberFormat, const QString &dateFormat) const
{
    if (value.isUndefined() || value.isNull())
        return {};
    if (value.isNumber()) {
        const double v = value.toNumber();
        if (!numberFormat.isEmpty())
            return FormatFloat(numberFormat, v);
        return std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 1e15 ? QString::number(qint64(v))
                                                                             : QString::number(v, 'g', 15);
    }
    if (value.isDate()) {
        const QDateTime dt = value.toDateTime();
        return dt.toString(dateFormat.isEmpty() ? QStringLiteral("dd/MM/yyyy") : dateFormat);
    }
    const QString text = value.toString();
    if (!numberFormat.isEmpty()) {
        bool ok = false;
        const double v = text.toDouble(&ok);
        if (ok)
            return FormatFloat(numberFormat, v);
    }
    if (!dateFormat.isEmpty()) {
        const QDateTime dt = toDateTime(text);
        if (dt.isValid())
            return dt.toString(dateFormat);
    }
    return text;
}

QString ExpressionEvaluator::expand(const ReportObject &object, const QString &where)
{
    const QString &text = object.text;
    if (!text.contains(u'['))
        return text;
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c != u'[') {
            out += c;
            ++i;
            continue;
        }
        // Find the matching bracket, skipping nested brackets and quoted text.
        int depth = 0;
        QChar quote;
        qsizetype j = i;
        for (; j < text.size(); ++j) {
            const QChar d = text[j];
            if (!quote.isNull()) {
                if (d == u'\\')
                    ++j;
                else if (d == quote)
                    quote = QChar();
            } else if (d == u'"' || d == u'\'') {
                quote = d;
            } else if (d == u'[') {
                ++depth;
            } else if (d == u']' && --depth == 0) {
                break;
            }
        }
        if (j >= text.size())
            throw ReportError(QStringLiteral("%1: the bracket opened at character %2 of \"%3\" is not closed")
                                  .arg(where)
                                  .arg(i + 1)
                                  .arg(text));
        const QString expression = text.mid(i + 1, j - i - 1);
        out += toText(evaluate(expression, where), object.numberFormat, object.dateFormat);
        i = j + 1;
    }
    return out;
}

} // namespace printing
