#include "ServerLocation.h"

#include "DemoDatabases.h"

#include <QDir>
#include <QUrl>

namespace app {

namespace {
const char *const FixedUser = "qlm";
const char *const FixedPassword = "quarzite";
} // namespace

ServerLocation ServerLocation::parse(const QString &serverName, const QString &workingFolder)
{
    ServerLocation l;
    const QDir work(workingFolder);
    const QString name = serverName.trimmed();
    if (name.isEmpty() || name == QLatin1String(DefaultServerName)) {
        l.folder = work.filePath(QStringLiteral("data"));
        return l;
    }
    if (name.startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive)) {
        l.folder = QDir::cleanPath(work.filePath(name.mid(7).trimmed()));
        return l;
    }
    l.user = QString::fromLatin1(FixedUser);
    l.password = QString::fromLatin1(FixedPassword);
    if (name.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive) ||
        name.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)) {
        const QUrl url(name);
        l.engine = data::ConnectionSettings::Postgres;
        l.host = url.host();
        l.port = url.port(5432);
        if (!url.userName().isEmpty())
            l.user = url.userName();
        if (!url.password().isEmpty())
            l.password = url.password();
        return l;
    }
    l.engine = data::ConnectionSettings::SqlServer;
    l.host = serverName; // the name as it stands, as the suite's launcher wrote it
    return l;
}

data::ConnectionSettings ServerLocation::settingsFor(const QString &databaseName, bool isCompanyDatabase) const
{
    if (engine == data::ConnectionSettings::Sqlite)
        return isCompanyDatabase ? data::embeddedCompanySettings(folder, databaseName)
                                 : data::embeddedConfigSettings(folder);
    data::ConnectionSettings s;
    s.engine = engine;
    s.databaseName = databaseName;
    s.host = host;
    s.port = port;
    s.user = user;
    s.password = password;
    return s;
}

} // namespace app
