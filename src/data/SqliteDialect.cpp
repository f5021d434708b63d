#include "Connection.h"
#include "DbError.h"
#include "Dialect.h"
#include "EmbeddedProcedures.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlResult>
#include <mutex>
#include <sqlite3.h>

namespace data {

namespace {

QHash<QString, EmbeddedProcedure> &procedures()
{
    static QHash<QString, EmbeddedProcedure> map;
    return map;
}

// The dates of the embedded engine are text "yyyy-MM-dd HH:mm:ss".
QVariant parseDate(const QVariant &v)
{
    if (v.isNull() || v.typeId() != QMetaType::QString)
        return v;
    QString s = v.toString().trimmed();
    if (s.isEmpty())
        return QVariant(QMetaType(QMetaType::QDateTime));
    s.replace(QLatin1Char('T'), QLatin1Char(' '));
    for (const char *fmt : {"yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm", "yyyy-MM-dd"}) {
        const QDateTime dt = QDateTime::fromString(s, QString::fromLatin1(fmt));
        if (dt.isValid())
            return dt;
    }
    return v;
}

class SqliteDialect : public Dialect {
public:
    QString name() const override { return QStringLiteral("sqlite"); }

    QString concat(const QStringList &parts) const override { return parts.join(QStringLiteral(" || ")); }

    QString selectTop(int n, const QString &selectRest) const override
    {
        return QStringLiteral("SELECT %1 LIMIT %2").arg(selectRest).arg(n);
    }

    QString lastIdentitySql() const override { return QStringLiteral("SELECT last_insert_rowid() AS New_Id"); }

    QString configTable(const QString &table) const override { return QStringLiteral("QLM_CONFIG.") + table; }

    void beginTransaction(Connection &c) const override
    {
        // Take the write lock at once, so two writers queue instead of
        // failing on a lock upgrade half way through a save.
        c.run(QStringLiteral("BEGIN IMMEDIATE"));
    }

    bool hasColumn(Connection &c, const QString &table, const QString &column) const override
    {
        Params p;
        p.set(QStringLiteral("T"), table);
        p.set(QStringLiteral("C"), column);
        return c.scalar(QStringLiteral("SELECT count(*) FROM pragma_table_info(:T) WHERE name = :C COLLATE NOCASE"), p)
                   .toInt() > 0;
    }

    void addColumnIfMissing(Connection &c, const QString &table, const QString &column,
                            const QString &type) const override
    {
        if (!hasColumn(c, table, column))
            c.execute(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3").arg(table, column, type));
    }

    void callProcedure(Connection &c, const QString &procedure, Params &params) const override
    {
        const EmbeddedProcedure *p = findEmbeddedProcedure(procedure);
        if (!p)
            throw DbError(QStringLiteral("Could not find stored procedure '%1'.").arg(procedure));
        (*p)(c, params);
    }

    QVariant toEngine(const QVariant &v) const override
    {
        switch (v.typeId()) {
        case QMetaType::QDate:
            return v.isNull() ? QVariant(QMetaType(QMetaType::QString))
                              : QVariant(v.toDate().toString(QStringLiteral("yyyy-MM-dd 00:00:00")));
        case QMetaType::QDateTime:
            return v.isNull() ? QVariant(QMetaType(QMetaType::QString))
                              : QVariant(v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        default:
            return v;
        }
    }

    QList<bool> dateColumns(const QSqlQuery &q) const override
    {
        QList<bool> flags;
        const QVariant h = q.result() ? q.result()->handle() : QVariant();
        auto *stmt = h.isValid() ? *static_cast<sqlite3_stmt *const *>(h.data()) : nullptr;
        if (!stmt)
            return flags;
        const int n = sqlite3_column_count(stmt);
        for (int i = 0; i < n; ++i) {
            const char *decl = sqlite3_column_decltype(stmt, i);
            const QByteArray t = QByteArray(decl ? decl : "").toUpper();
            flags.append(t.contains("DATE") || t.contains("TIME"));
        }
        return flags;
    }

    QVariant fromEngine(const QVariant &v, bool dateColumn) const override { return dateColumn ? parseDate(v) : v; }

    QString serverWording(const QString &text) const override
    {
        static const QRegularExpression notNull(QStringLiteral("NOT NULL constraint failed: (\\w+)\\.(\\w+)"));
        static const QRegularExpression unique(QStringLiteral("UNIQUE constraint failed: ([\\w., ]+)"));
        auto m = notNull.match(text);
        if (m.hasMatch())
            return QStringLiteral("Cannot insert the value NULL into column '%2', table '%1'; column does not "
                                  "allow nulls. INSERT fails.")
                .arg(m.captured(1), m.captured(2));
        m = unique.match(text);
        if (m.hasMatch())
            return QStringLiteral("Cannot insert duplicate key row (%1).").arg(m.captured(1).trimmed());
        if (text.contains(QLatin1String("FOREIGN KEY constraint failed")))
            return QStringLiteral("DELETE statement conflicted with COLUMN REFERENCE constraint. %1").arg(text);
        if (text.contains(QLatin1String("database is locked")))
            return QStringLiteral("SQL Server connection timed out (%1)").arg(text);
        return text;
    }
};

// ---- server functions the statements use --------------------------------

QString argText(sqlite3_value *v)
{
    const unsigned char *t = sqlite3_value_text(v);
    return t ? QString::fromUtf8(reinterpret_cast<const char *>(t)) : QString();
}

void resultText(sqlite3_context *ctx, const QString &s)
{
    const QByteArray b = s.toUtf8();
    sqlite3_result_text(ctx, b.constData(), int(b.size()), SQLITE_TRANSIENT);
}

QDateTime argDate(sqlite3_value *v)
{
    return parseDate(argText(v)).toDateTime();
}

void fnLen(sqlite3_context *ctx, int, sqlite3_value **a)
{
    if (sqlite3_value_type(a[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    QString s = argText(a[0]);
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1); // the server's LEN ignores trailing blanks
    sqlite3_result_int(ctx, int(s.size()));
}

void fnLeft(sqlite3_context *ctx, int, sqlite3_value **a)
{
    if (sqlite3_value_type(a[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    resultText(ctx, argText(a[0]).left(qMax(0, sqlite3_value_int(a[1]))));
}

void fnRight(sqlite3_context *ctx, int, sqlite3_value **a)
{
    if (sqlite3_value_type(a[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    resultText(ctx, argText(a[0]).right(qMax(0, sqlite3_value_int(a[1]))));
}

template <int Part> void fnDatePart(sqlite3_context *ctx, int, sqlite3_value **a)
{
    const QDateTime d = argDate(a[0]);
    if (!d.isValid())
        return sqlite3_result_null(ctx);
    sqlite3_result_int(ctx, Part == 0 ? d.date().year() : Part == 1 ? d.date().month() : d.date().day());
}

void fnGetDate(sqlite3_context *ctx, int, sqlite3_value **)
{
    resultText(ctx, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

void fnIsNull(sqlite3_context *ctx, int, sqlite3_value **a)
{
    sqlite3_result_value(ctx, sqlite3_value_type(a[0]) == SQLITE_NULL ? a[1] : a[0]);
}

} // namespace

std::unique_ptr<Dialect> makeSqliteDialect()
{
    return std::make_unique<SqliteDialect>();
}

void registerSqliteFunctions(QSqlDatabase &db)
{
    const QVariant h = db.driver()->handle();
    auto *handle = h.isValid() ? *static_cast<sqlite3 *const *>(h.data()) : nullptr;
    if (!handle)
        return;
    struct Fn {
        const char *name;
        int args;
        void (*fn)(sqlite3_context *, int, sqlite3_value **);
        bool deterministic;
    };
    static const Fn fns[] = {
        {"LEN", 1, fnLen, true},          {"LEFT", 2, fnLeft, true},         {"RIGHT", 2, fnRight, true},
        {"YEAR", 1, fnDatePart<0>, true}, {"MONTH", 1, fnDatePart<1>, true}, {"DAY", 1, fnDatePart<2>, true},
        {"GETDATE", 0, fnGetDate, false}, {"ISNULL", 2, fnIsNull, true},
    };
    for (const Fn &f : fns)
        sqlite3_create_function_v2(handle, f.name, f.args, SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0),
                                   nullptr, f.fn, nullptr, nullptr, nullptr);
}

void registerEmbeddedProcedure(const QString &name, EmbeddedProcedure procedure)
{
    procedures().insert(name.toUpper(), std::move(procedure));
}

const EmbeddedProcedure *findEmbeddedProcedure(const QString &name)
{
    static std::once_flag once;
    std::call_once(once, [] { registerStandardProcedures(); });
    auto &map = procedures();
    auto it = map.constFind(name.trimmed().toUpper());
    return it == map.constEnd() ? nullptr : &it.value();
}

} // namespace data
