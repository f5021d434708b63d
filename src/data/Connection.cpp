#include "Connection.h"

#include "DbError.h"

#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlRecord>
#include <QUuid>

namespace data {

namespace {
QHash<QString, Connection *> &registry()
{
    static QHash<QString, Connection *> connections;
    return connections;
}

QString key(const QString &alias)
{
    return alias.trimmed().toUpper();
}

QString engineText(const QSqlError &e)
{
    QString t = e.databaseText();
    if (t.isEmpty())
        t = e.text();
    if (t.isEmpty())
        t = e.driverText();
    return t;
}
} // namespace

QString toPositional(const QString &sql, QStringList *names)
{
    QString out;
    out.reserve(sql.size());
    QChar quote;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            out += c;
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            out += c;
            continue;
        }
        // Comments pass through untouched: a quote or colon in them is prose.
        if (c == QLatin1Char('/') && i + 1 < sql.size() && sql[i + 1] == QLatin1Char('*')) {
            const int end = sql.indexOf(QLatin1String("*/"), i + 2);
            const int stop = end < 0 ? int(sql.size()) : end + 2;
            out += QStringView(sql).mid(i, stop - i);
            i = stop - 1;
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < sql.size() && sql[i + 1] == QLatin1Char('-')) {
            const int end = sql.indexOf(QLatin1Char('\n'), i);
            const int stop = end < 0 ? int(sql.size()) : end;
            out += QStringView(sql).mid(i, stop - i);
            i = stop - 1;
            continue;
        }
        if (c == QLatin1Char(':')) {
            if (i + 1 < sql.size() && sql[i + 1] == QLatin1Char(':')) {
                out += QStringLiteral("::");
                ++i;
                continue;
            }
            int j = i + 1;
            while (j < sql.size() && (sql[j].isLetterOrNumber() || sql[j] == QLatin1Char('_')))
                ++j;
            if (j > i + 1 && !(i > 0 && (sql[i - 1].isLetterOrNumber()))) {
                if (names)
                    names->append(sql.mid(i + 1, j - i - 1));
                out += QLatin1Char('?');
                i = j - 1;
                continue;
            }
        }
        out += c;
    }
    return out;
}

Connection::Connection(const QString &alias, const ConnectionSettings &settings)
    : m_alias(alias), m_settings(settings),
      m_qtName(alias + QLatin1Char('-') + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    switch (settings.engine) {
    case ConnectionSettings::Sqlite:
        m_dialect = makeSqliteDialect();
        break;
    default:
        throw DbError(QStringLiteral("Database engine not available in this build"));
    }
    openDatabase();
}

Connection::~Connection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_qtName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_qtName);
}

void Connection::openDatabase()
{
    const QString path = m_settings.filePath;
    const QFileInfo info(path);
    if (!info.exists())
        throw DbError(QStringLiteral("ไม่พบแฟ้มฐานข้อมูล %1 (database file not found)").arg(path));
    if (!info.isReadable())
        throw DbError(QStringLiteral("อ่านแฟ้มฐานข้อมูล %1 ไม่ได้ (database file not readable)").arg(path));

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_qtName);
    db.setDatabaseName(path);
    // Several copies of the program write the same files: wait for the lock.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
    if (!db.open())
        throw DbError(QStringLiteral("เปิดฐานข้อมูล %1 ไม่ได้: %2").arg(path, engineText(db.lastError())));

    // A file that is not a database only fails on its first read.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const QString why = engineText(probe.lastError());
        probe.finish();
        db.close();
        throw DbError(QStringLiteral("เปิดฐานข้อมูล %1 ไม่ได้: %2").arg(path, why));
    }
    probe.finish();
    for (const char *pragma : {"PRAGMA journal_mode=WAL", "PRAGMA foreign_keys=ON", "PRAGMA synchronous=NORMAL"}) {
        QSqlQuery q(db);
        q.exec(QString::fromLatin1(pragma));
    }
    registerSqliteFunctions(db);

    if (!m_settings.attachConfigFile.isEmpty()) {
        const QFileInfo cfg(m_settings.attachConfigFile);
        if (!cfg.exists())
            throw DbError(
                QStringLiteral("ไม่พบแฟ้มฐานข้อมูล %1 (database file not found)").arg(m_settings.attachConfigFile));
        Params p;
        p.set(QStringLiteral("File"), cfg.absoluteFilePath());
        run(QStringLiteral("ATTACH DATABASE :File AS QLM_CONFIG"), p);
    }
}

Connection &Connection::open(const QString &alias, const ConnectionSettings &settings)
{
    auto &reg = registry();
    if (Connection *c = reg.value(key(alias)))
        return *c;
    auto *c = new Connection(alias, settings);
    reg.insert(key(alias), c);
    return *c;
}

Connection &Connection::byAlias(const QString &alias)
{
    Connection *c = registry().value(key(alias));
    if (!c)
        throw DbError(QStringLiteral("Database alias %1 is not open").arg(alias));
    return *c;
}

bool Connection::isOpen(const QString &alias)
{
    return registry().contains(key(alias));
}

void Connection::close(const QString &alias)
{
    delete registry().take(key(alias));
}

void Connection::closeAll()
{
    auto &reg = registry();
    qDeleteAll(reg);
    reg.clear();
}

QSqlDatabase Connection::database() const
{
    return QSqlDatabase::database(m_qtName, false);
}

QSqlQuery Connection::run(const QString &sql, const Params &params)
{
    QStringList names;
    const QString positional = toPositional(sql, &names);
    QSqlQuery q(database());
    q.setForwardOnly(true);
    if (!q.prepare(positional))
        throw DbError(engineText(q.lastError()), sql);
    for (int i = 0; i < names.size(); ++i) {
        if (!params.contains(names[i]))
            throw DbError(QStringLiteral("Parameter %1 has no value").arg(names[i]), sql);
        q.bindValue(i, m_dialect->toEngine(params.value(names[i])));
    }
    if (!q.exec())
        throw DbError(engineText(q.lastError()), sql);
    return q;
}

int Connection::execute(const QString &sql, const Params &params)
{
    QSqlQuery q = run(sql, params);
    return q.numRowsAffected();
}

QVariant Connection::scalar(const QString &sql, const Params &params)
{
    QSqlQuery q = run(sql, params);
    if (!q.next())
        return {};
    const QList<bool> dates = m_dialect->dateColumns(q);
    return m_dialect->fromEngine(q.value(0), dates.value(0));
}

void Connection::callProcedure(const QString &procedure, Params &params)
{
    m_dialect->callProcedure(*this, procedure, params);
}

void Connection::runScript(const QString &script, const Params &params)
{
    for (const QString &statement : splitScript(script))
        run(statement, params);
}

QStringList splitScript(const QString &script)
{
    QStringList statements;
    QStringList current;
    const auto flush = [&] {
        const QString s = current.join(QLatin1Char('\n')).trimmed();
        if (!s.isEmpty())
            statements.append(s);
        current.clear();
    };
    for (const QString &line : script.split(QLatin1Char('\n'))) {
        if (line.trimmed() == QLatin1String("/"))
            flush();
        else
            current.append(line);
    }
    flush();
    return statements;
}

void Connection::startTransaction()
{
    if (m_inTransaction)
        throw DbError(QStringLiteral("A transaction is already active on %1").arg(m_alias));
    m_dialect->beginTransaction(*this);
    m_inTransaction = true;
}

void Connection::commit()
{
    run(QStringLiteral("COMMIT"));
    m_inTransaction = false;
}

void Connection::rollback()
{
    if (!m_inTransaction)
        return;
    m_inTransaction = false;
    QSqlQuery q(database());
    q.exec(QStringLiteral("ROLLBACK"));
}

} // namespace data
