#include "TestEnvironment.h"

#include "Connection.h"
#include "DemoDatabases.h"
#include "Dm.h"
#include "DmConfig.h"
#include "ErrorHandler.h"
#include "FrameworkSetup.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <stdexcept>

namespace testsupport {

namespace {

// The demo databases are built once per test program and copied for each
// environment, which is much faster than running the scripts every time.
QString demoTemplateFolder()
{
    static QTemporaryDir folder;
    static bool built = false;
    if (!built) {
        if (!folder.isValid())
            throw std::runtime_error("cannot create a temporary folder");
        data::createDatabases(folder.path(), QStringLiteral("DEMO"), true);
        built = true;
    }
    return folder.path();
}

void copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(path));
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else if (!QFile::copy(path, target))
            throw std::runtime_error(("cannot copy " + path).toStdString());
    }
}

} // namespace

TestEnvironment::TestEnvironment() : TestEnvironment(Options()) {}

TestEnvironment::TestEnvironment(int userId, int menuId, const QString &database)
    : TestEnvironment(Options{userId, menuId, database, true, true})
{}

TestEnvironment::TestEnvironment(const Options &options)
    : m_previousDir(QDir::currentPath()), m_prompter(std::make_unique<app::ScriptedPrompter>()),
      m_errors(std::make_shared<QStringList>())
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary working folder");
    app::TDM::instance().reset();
    app::TDMConfig::instance().reset();
    data::Connection::closeAll();

    copyFolder(demoTemplateFolder(), dataFolder());
    QDir::setCurrent(m_dir.path());

    std::shared_ptr<QStringList> errors = m_errors;
    app::ErrorHandler::instance().setDialogShower([errors](const QString &text) { errors->append(text); });
    framework::install();

    app::TDMConfig::instance().WorkDate = QDateTime(QDate::currentDate(), QTime());
    try {
        if (options.signOn)
            signOn(options.userId, options.menuId, options.database);
        if (options.signOn && options.openCompany)
            app::TDM::instance().CompanyConnection();
    } catch (...) {
        tearDown();
        throw;
    }
}

TestEnvironment::~TestEnvironment()
{
    tearDown();
}

void TestEnvironment::tearDown()
{
    app::TDM::instance().reset();
    app::TDMConfig::instance().reset();
    data::Connection::closeAll();
    app::ErrorHandler::instance().setDialogShower(nullptr);
    QDir::setCurrent(m_previousDir);
}

QString TestEnvironment::dataFolder() const
{
    return m_dir.filePath(QStringLiteral("data"));
}

void TestEnvironment::installTemplates() const
{
    const QString templates = QStringLiteral(FRTRADE_SOURCE_DIR "/templates");
    if (QDir(templates).exists())
        copyFolder(templates, workingFolder());
}

void TestEnvironment::signOn(int userId, int menuId, const QString &database)
{
    app::TDMConfig &s = app::TDMConfig::instance();
    s.MenuId = menuId;
    s.UserId = userId;
    s.GetCompanyConfig(database);
    s.CheckRight(menuId, userId);
}

app::TDMConfig &TestEnvironment::session()
{
    return app::TDMConfig::instance();
}
app::TDM &TestEnvironment::dm()
{
    return app::TDM::instance();
}
data::Connection &TestEnvironment::config()
{
    return app::TDMConfig::instance().configConnection();
}
data::Connection &TestEnvironment::company()
{
    return app::TDM::instance().CompanyConnection();
}

} // namespace testsupport
