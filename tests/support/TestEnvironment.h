#pragma once

#include "Prompter.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace data {
class Connection;
}
namespace app {
class TDMConfig;
class TDM;
} // namespace app

namespace testsupport {

// A signed-on session on fresh demo databases, for one test (or one test
// class). It:
//  - creates a temporary working folder and makes it the current directory
//    (restored afterwards), with the demo databases in its "data" folder;
//  - fills the session as start-up does (GetCompanyConfig, CheckRight) for
//    the given user and menu entry;
//  - opens the company connection ("DMDATA") unless asked not to;
//  - installs the form framework's services (framework::install());
//  - answers every message box and confirmation through a ScriptedPrompter
//    (prompter()) and records what the error handler would show (errors()).
// Everything is closed and forgotten on destruction.
class TestEnvironment {
public:
    struct Options {
        int userId = 1; // 1 ADMIN (all rights, Thai), 2 VIEWER (access only), 3 NOACCESS
        int menuId = 101;
        QString database = QStringLiteral("DEMO");
        bool signOn = true;
        bool openCompany = true;
    };

    TestEnvironment();
    explicit TestEnvironment(const Options &options);
    TestEnvironment(int userId, int menuId, const QString &database = QStringLiteral("DEMO"));
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment &) = delete;
    TestEnvironment &operator=(const TestEnvironment &) = delete;

    QString workingFolder() const { return m_dir.path(); }
    QString dataFolder() const;
    // A path inside the working folder.
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    // Copies the shipped report templates (templates/) into the working folder.
    void installTemplates() const;

    // Signs on again as another user or menu entry (the company connection stays).
    void signOn(int userId, int menuId, const QString &database = QStringLiteral("DEMO"));

    app::ScriptedPrompter &prompter() { return *m_prompter; }
    app::TDMConfig &session();
    app::TDM &dm();
    data::Connection &config();
    data::Connection &company();

    // Display texts the error handler showed (the dialog is not opened).
    QStringList errors() const { return *m_errors; }
    void clearErrors() { m_errors->clear(); }

private:
    void tearDown();
    QTemporaryDir m_dir;
    QString m_previousDir;
    std::unique_ptr<app::ScriptedPrompter> m_prompter;
    std::shared_ptr<QStringList> m_errors;
};

} // namespace testsupport
