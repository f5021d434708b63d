#include "ErrorHandler.h"

#include "Connection.h"
#include "DbError.h"
#include "DmConfig.h"
#include "FrShowError.h"
#include "Prompter.h"

namespace app {

namespace {

struct Translation {
    const char *fragment;
    const char *thai;
};

// Known messages, tested in this order; the first contained fragment wins.
const Translation Translations[] = {
    {"is not a valid date", "ป้อนวันที่ไม่ถูกต้อง"},
    {"Cannot insert the value NULL into column 'Transportation'", "ไม่ได้ป้อนข้อมูลการขนส่ง"},
    {"Cannot insert the value NULL into column 'Price'", "กำหนดราคาไม่ครบถ้วน"},
    {"Cannot insert the value NULL into column 'Warehouse'", "ไม่ได้ป้อนข้อมูลคลัง"},
    {"Cannot insert the value NULL into column 'Customer'", "ไม่ได้ป้อนข้อมูลลูกค้า"},
    {"Cannot insert the value NULL into column 'Vendor'", "ไม่ได้ป้อนข้อมูลเจ้าหนี้"},
    {"Cannot insert the value NULL into column 'Fraction'", "ไม่ได้ป้อนข้อมูลหน่วย หรือ ข้อมูลหน่วยผิดพลาด"},
    {"Cannot insert the value NULL into column 'Salesman'", "ไม่ได้ป้อนข้อมูลพนักงานขาย"},
    {"Possible network error", "ระบบเครือข่าย หรือ คอมพิวเตอร์แม่ข่ายมีปัญหา ติดต่อเครื่องแม่ข่ายไม่ได้"},
    {"DELETE statement conflicted with COLUMN REFERENCE", "ข้อมูลที่ลบถูกอ้างโดยข้อมูลอื่น ไม่สามารถลบข้อมูลนี้ได้"},
    {"Printer selected is not valid", "ยังไม่ได้กำหนดเครื่องพิมพ์ หรือ เครื่องพิมพ์มีปัญหา"},
    {"Insufficient memory", "Memory หน่วยความจำของเครื่องไม่เพียงพอ"},
    {"SQL Server connection timed out", "เครื่องแม่ข่ายตัดการติดต่อ เพราะเครื่องนี้อาจเรียกข้อมูลปริมาณมากเกินไป"},
    {"Cannot insert duplicate", "ข้อมูลที่เพิ่มซ้ำกับข้อมูลที่มีอยู่แล้ว"},
};

} // namespace

QString translateErrorMessage(const QString &message)
{
    for (const Translation &t : Translations)
        if (message.contains(QLatin1String(t.fragment), Qt::CaseInsensitive))
            return QString::fromUtf8(t.thai);
    return message.toUpper();
}

QString serverWording(const QString &engineText)
{
    for (const char *alias : {"DMDATA", TDMConfig::ConfigAlias}) {
        const QString a = QString::fromLatin1(alias);
        if (data::Connection::isOpen(a))
            return data::Connection::byAlias(a).dialect().serverWording(engineText);
    }
    return engineText;
}

ErrorHandler &ErrorHandler::instance()
{
    static ErrorHandler handler;
    return handler;
}

QString ErrorHandler::messageOf(const std::exception &error)
{
    if (const auto *db = dynamic_cast<const data::DbError *>(&error))
        return db->message();
    return QString::fromUtf8(error.what());
}

QString ErrorHandler::displayText(const QString &message)
{
    return translateErrorMessage(serverWording(message)) + QLatin1Char('\r');
}

void ErrorHandler::handle(const std::exception &error)
{
    handle(messageOf(error));
}

void ErrorHandler::handle(const QString &message)
{
    QString text;
    try {
        TDMConfig::instance().AddErrorLog(message);
        text = displayText(message);
    } catch (const std::exception &logFailure) {
        text = displayText(messageOf(logFailure)) + QLatin1Char('\n') + displayText(message);
    } catch (...) {
        text = displayText(message);
    }
    try {
        show(text);
    } catch (...) {
        // Nothing is left to report with; the program keeps running.
    }
}

void ErrorHandler::show(const QString &displayText)
{
    if (m_shower) {
        m_shower(displayText);
        return;
    }
    TFrShowError dialog(displayText, QApplication::activeWindow());
    dialog.exec();
}

FrApplication::FrApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool FrApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const ExitProgram &exit) {
        QCoreApplication::exit(exit.code);
    } catch (const std::exception &error) {
        if (ErrorHandler::instance().isInstalled())
            ErrorHandler::instance().handle(error);
        else
            Prompter::instance().message(ErrorHandler::messageOf(error), Prompter::Error);
    } catch (...) {
        const QString unknown = QStringLiteral("Unknown error");
        if (ErrorHandler::instance().isInstalled())
            ErrorHandler::instance().handle(unknown);
        else
            Prompter::instance().message(unknown, Prompter::Error);
    }
    return false;
}

} // namespace app
