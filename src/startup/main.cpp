// The program: started by the suite's menu launcher with six arguments
// (menu id, user id, company database, unused, form code, working date
// dd/mm/yyyy), it checks the user's rights and opens one document window.

#include "Conversions.h"
#include "Dm.h"
#include "DmConfig.h"
#include "ErrorHandler.h"
#include "FormLogo.h"
#include "FrForm.h"
#include "FrameworkSetup.h"
#include "LaunchForms.h"
#include "Prompter.h"

#include <QTimer>
#include <cstdio>
#include <exception>

namespace {

const char *const ApplicationTitle = "โปรแกรมต่างประเทศ";

// With FRTRADE_PROMPTS=stderr every box, the error dialog and the opened
// window are written to standard error instead of being shown (checks from
// outside); FRTRADE_CLOSE_AFTER_SHOW=1 closes the window once it is shown;
// FRTRADE_SCREENSHOT=<file.png> saves pictures of the splash window
// (<file>-splash.png) and of the document window once it is shown.
bool promptsToStderr()
{
    return qEnvironmentVariable("FRTRADE_PROMPTS") == QLatin1String("stderr");
}

void reportWindow(const framework::TFrForm &form)
{
    std::fprintf(stderr, "frtrade: window: class=%s name=%s DocKind=%s title=%s\n", form.metaObject()->className(),
                 form.objectName().toUtf8().constData(), form.DocKind.toUtf8().constData(),
                 form.windowTitle().toUtf8().constData());
    std::fflush(stderr);
}

QString argument(const QStringList &args, int position)
{
    return position < args.size() ? args[position] : QString();
}

int run(app::FrApplication &application, const QStringList &args)
{
    auto *splash = new app::TFormLogo;
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    const QString screenshot = qEnvironmentVariable("FRTRADE_SCREENSHOT");
    if (!screenshot.isEmpty())
        splash->grab().save(QString(screenshot).replace(QStringLiteral(".png"), QStringLiteral("-splash.png")));

    QApplication::setApplicationDisplayName(QString::fromUtf8(ApplicationTitle));

    app::TDMConfig &session = app::TDMConfig::instance();
    app::TDM &dm = app::TDM::instance();
    dm.setSplash(splash);
    app::TDmFinance::instance();
    app::TDmProduct::instance();
    framework::install();
    if (promptsToStderr())
        app::ErrorHandler::instance().setDialogShower([](const QString &text) {
            QString line = text;
            line.replace(QLatin1Char('\r'), QLatin1Char(' '));
            std::fprintf(stderr, "frtrade: error: %s\n", line.trimmed().toUtf8().constData());
            std::fflush(stderr);
        });

    session.WorkDate = QDateTime(app::StrToDate(argument(args, 6)), QTime());
    session.MenuId = app::StrToInt(argument(args, 1));
    session.UserId = app::StrToInt(argument(args, 2));
    session.GetCompanyConfig(argument(args, 3));
    session.CheckRight(session.MenuId, session.UserId);
    if (!session.CanAccess) {
        app::Prompter::instance().message(QStringLiteral("ไม่มีสิทธิใช้งาน"), app::Prompter::Warning);
        return 0;
    }

    framework::TFrForm *form = startup::createLaunchForm(argument(args, 5));
    if (!form) {
        app::Prompter::instance().message(QStringLiteral("ส่งข้อมูลผิดพลาด"), app::Prompter::Warning);
        return 0;
    }
    form->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(form, &framework::TFrForm::formClosed, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    form->show();
    if (promptsToStderr())
        reportWindow(*form);
    if (!screenshot.isEmpty()) {
        QApplication::processEvents();
        form->grab().save(screenshot);
    }
    if (qEnvironmentVariable("FRTRADE_CLOSE_AFTER_SHOW") == QLatin1String("1"))
        QTimer::singleShot(0, form, &QWidget::close);
    return application.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    // Started without arguments: end at once, no window, no connection.
    if (argc <= 1)
        return 0;
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));

    app::FrApplication application(argc, argv);
    if (promptsToStderr())
        app::Prompter::setInstance(new app::StderrPrompter);

    int code = 0;
    try {
        code = run(application, args);
    } catch (const app::ExitProgram &exit) {
        code = exit.code;
    } catch (const std::exception &error) {
        app::Prompter::instance().message(app::ErrorHandler::messageOf(error), app::Prompter::Error);
        code = 1;
    }
    app::TDM::instance().reset();
    app::TDMConfig::instance().reset();
    return code;
}
