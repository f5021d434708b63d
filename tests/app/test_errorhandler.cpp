#include "Connection.h"
#include "DbError.h"
#include "Dm.h"
#include "DmConfig.h"
#include "ErrorHandler.h"
#include "FrShowError.h"
#include "TestEnvironment.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace app;
using testsupport::TestEnvironment;

namespace {
// Throws from its event handler, as a document window's handler may.
class Thrower : public QObject {
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw data::DbError("UNIQUE constraint failed: FrPreRcpt.No");
        return QObject::event(e);
    }
};
} // namespace

// The process-wide handler: an exception escaping an event handler is
// logged, translated and shown, and the program carries on.
class TestErrorHandler : public QObject {
    Q_OBJECT

    static int errorLogRows(TestEnvironment &env)
    {
        return env.config().scalar("select count(*) from ErrorLog").toInt();
    }

private slots:
    void escapingExceptionIsLoggedTranslatedAndShown()
    {
        TestEnvironment env;
        TDM::instance(); // installs the handler
        Thrower thrower;
        QEvent event(QEvent::User);
        int rowsWhenShown = -1;
        ErrorHandler::instance().setDialogShower([&](const QString &text) {
            rowsWhenShown = errorLogRows(env);
            env.clearErrors();
            QCOMPARE(text, QString("ข้อมูลที่เพิ่มซ้ำกับข้อมูลที่มีอยู่แล้ว\r"));
        });
        QCoreApplication::sendEvent(&thrower, &event);
        QCOMPARE(rowsWhenShown, 1); // logged before the dialog showed
        QCOMPARE(env.config().scalar("select ErrorMsg from ErrorLog").toString(),
                 QString("UNIQUE constraint failed: FrPreRcpt.No"));

        // The loop goes on: a posted event after the failing one still arrives.
        ErrorHandler::instance().setDialogShower([&](const QString &) { QCoreApplication::exit(7); });
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QCOMPARE(QCoreApplication::exec(), 7);
    }

    void failingLogIsShownWithTheOriginal()
    {
        TestEnvironment env;
        TDM::instance();
        env.config().execute("drop table ErrorLog");
        QStringList shown;
        ErrorHandler::instance().setDialogShower([&](const QString &text) { shown.append(text); });
        ErrorHandler::instance().handle(QString("Possible network error"));
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].startsWith("NO SUCH TABLE"), qPrintable(shown[0]));
        QVERIFY(shown[0].endsWith("\nระบบเครือข่าย หรือ คอมพิวเตอร์แม่ข่ายมีปัญหา ติดต่อเครื่องแม่ข่ายไม่ได้\r"));
    }

    void realDialogClosesByItself()
    {
        TestEnvironment env;
        TDM::instance();
        ErrorHandler::instance().setDialogShower(nullptr);
        // Let the dialog count down quickly: press its own timer's ticks.
        QTimer::singleShot(0, [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *d = qobject_cast<TFrShowError *>(w))
                    for (int i = 0; i < 9; ++i)
                        d->tick();
        });
        ErrorHandler::instance().handle(QString("x is not a valid date"));
        QCOMPARE(errorLogRows(env), 1);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<TFrShowError *>(w) || !w->isVisible());
    }
};

int main(int argc, char **argv)
{
    FrApplication app(argc, argv);
    TestErrorHandler test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_errorhandler.moc"
