#include "DemoDatabases.h"

#include "Connection.h"
#include "DbError.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace data {

namespace {

QString readScript(const QString &name)
{
    QFile f(QStringLiteral(":/db/") + name);
    if (!f.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("Schema script %1 is missing from the program").arg(name));
    return QString::fromUtf8(f.readAll());
}

// Removes a database file with its journal files, so that a new database
// starts empty; refuses to go on when a file cannot be removed.
void removeDatabaseFile(const QString &path)
{
    for (const QString &suffix :
         {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")}) {
        const QString file = path + suffix;
        if (QFileInfo::exists(file) && !QFile::remove(file))
            throw DbError(QStringLiteral("ลบแฟ้มฐานข้อมูลเดิม %1 ไม่ได้ (cannot replace the database file)").arg(file));
    }
}

void createEmptyFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        throw DbError(QStringLiteral("สร้างแฟ้มฐานข้อมูล %1 ไม่ได้: %2").arg(path, f.errorString()));
}

// Runs the scripts on a new database file, all in one transaction.
void buildDatabase(const QString &path, const QStringList &scripts, const Params &params)
{
    removeDatabaseFile(path);
    createEmptyFile(path);
    ConnectionSettings settings;
    settings.engine = ConnectionSettings::Sqlite;
    settings.databaseName = QFileInfo(path).completeBaseName();
    settings.filePath = path;
    Connection c(QStringLiteral("create-") + QUuid::createUuid().toString(QUuid::WithoutBraces), settings);
    c.startTransaction();
    try {
        for (const QString &script : scripts)
            c.runScript(readScript(script), params);
        c.commit();
    } catch (...) {
        c.rollback();
        throw;
    }
}

} // namespace

QString configDatabaseFile(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("QLM_CONFIG.db"));
}

QString companyDatabaseFile(const QString &folder, const QString &databaseName)
{
    return QDir(folder).filePath(databaseName.trimmed() + QStringLiteral(".db"));
}

ConnectionSettings embeddedConfigSettings(const QString &folder)
{
    ConnectionSettings s;
    s.engine = ConnectionSettings::Sqlite;
    s.databaseName = QStringLiteral("QLM_CONFIG");
    s.filePath = configDatabaseFile(folder);
    return s;
}

ConnectionSettings embeddedCompanySettings(const QString &folder, const QString &databaseName)
{
    ConnectionSettings s;
    s.engine = ConnectionSettings::Sqlite;
    s.databaseName = databaseName;
    s.filePath = companyDatabaseFile(folder, databaseName);
    s.attachConfigFile = configDatabaseFile(folder);
    return s;
}

void createDatabases(const QString &folder, const QString &companyDatabase, bool withDemoData)
{
    const QString name = companyDatabase.trimmed();
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        throw DbError(QStringLiteral("ชื่อฐานข้อมูลบริษัทไม่ถูกต้อง: '%1'").arg(companyDatabase));
    if (name.compare(QStringLiteral("QLM_CONFIG"), Qt::CaseInsensitive) == 0)
        throw DbError(QStringLiteral("ชื่อฐานข้อมูลบริษัทซ้ำกับฐานข้อมูลระบบ: '%1'").arg(companyDatabase));
    if (!QDir().mkpath(folder))
        throw DbError(QStringLiteral("สร้างโฟลเดอร์ %1 ไม่ได้").arg(folder));

    Params params;
    params.set(QStringLiteral("ThisYear"), QDate::currentDate().year());
    params.set(QStringLiteral("DatabaseName"), name);

    QStringList configScripts{QStringLiteral("config_schema.sql")};
    QStringList companyScripts{QStringLiteral("company_schema.sql"), QStringLiteral("company_triggers.sql")};
    if (withDemoData) {
        configScripts << QStringLiteral("config_demo.sql");
        companyScripts << QStringLiteral("company_demo.sql");
    }
    buildDatabase(configDatabaseFile(folder), configScripts, params);
    buildDatabase(companyDatabaseFile(folder, name), companyScripts, params);
}

} // namespace data
