#include "Connection.h"
#include "DbError.h"
#include "ErrorHandler.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace app;

// The translation of database and platform messages into the Thai texts
// the error dialog shows.
class TestErrorText : public QObject {
    Q_OBJECT

private slots:
    void translation_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("date") << "'31/02/2004' is not a valid date"
                              << "ป้อนวันที่ไม่ถูกต้อง";
        QTest::newRow("vendor null") << "Cannot insert the value NULL into column 'Vendor', table 'x'; column does "
                                        "not allow nulls. INSERT fails."
                                     << "ไม่ได้ป้อนข้อมูลเจ้าหนี้";
        QTest::newRow("customer null, other case") << "cannot insert the value null into column 'CUSTOMER'"
                                                   << "ไม่ได้ป้อนข้อมูลลูกค้า";
        QTest::newRow("duplicate with more text")
            << "Cannot insert duplicate key row in object 'FrPreRcpt' with unique index 'No'."
            << "ข้อมูลที่เพิ่มซ้ำกับข้อมูลที่มีอยู่แล้ว";
        QTest::newRow("reference") << "DELETE statement conflicted with COLUMN REFERENCE constraint 'FK1'"
                                   << "ข้อมูลที่ลบถูกอ้างโดยข้อมูลอื่น ไม่สามารถลบข้อมูลนี้ได้";
        QTest::newRow("network") << "General SQL error. Possible network error: Write to SQL Server failed."
                                 << "ระบบเครือข่าย หรือ คอมพิวเตอร์แม่ข่ายมีปัญหา ติดต่อเครื่องแม่ข่ายไม่ได้";
        QTest::newRow("printer") << "Printer selected is not valid"
                                 << "ยังไม่ได้กำหนดเครื่องพิมพ์ หรือ เครื่องพิมพ์มีปัญหา";
        QTest::newRow("memory") << "Insufficient memory for this operation"
                                << "Memory หน่วยความจำของเครื่องไม่เพียงพอ";
        QTest::newRow("timeout") << "SQL Server connection timed out"
                                 << "เครื่องแม่ข่ายตัดการติดต่อ เพราะเครื่องนี้อาจเรียกข้อมูลปริมาณมากเกินไป";
        // The first fragment of the table wins when two are contained.
        QTest::newRow("first wins") << "Cannot insert duplicate: 'x' is not a valid date"
                                    << "ป้อนวันที่ไม่ถูกต้อง";
        QTest::newRow("other column null stays") << "Cannot insert the value NULL into column 'Amount'"
                                                 << "CANNOT INSERT THE VALUE NULL INTO COLUMN 'AMOUNT'";
        QTest::newRow("unlisted in upper case") << "Something went wrong"
                                                << "SOMETHING WENT WRONG";
    }
    void translation()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(translateErrorMessage(message), shown);
        QCOMPARE(ErrorHandler::displayText(message), shown + QLatin1Char('\r'));
    }

    // Errors raised by the embedded engine reach the same Thai texts as the
    // server's: its own wording is turned into the server's first.
    void embeddedEngineErrorsAreTranslated()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("t.db");
        QFile(file).open(QIODevice::WriteOnly);
        data::ConnectionSettings s;
        s.filePath = file;
        data::Connection &c = data::Connection::open("DMDATA", s);
        c.execute("create table Doc (Id integer primary key, No text not null unique, Vendor integer not null)");
        c.execute("insert into Doc (No, Vendor) values ('A', 1)");

        const auto failure = [&](const QString &sql) {
            try {
                c.execute(sql);
            } catch (const data::DbError &e) {
                return ErrorHandler::displayText(e.message());
            }
            return QString();
        };
        QCOMPARE(failure("insert into Doc (No, Vendor) values ('A', 2)"), QString("ข้อมูลที่เพิ่มซ้ำกับข้อมูลที่มีอยู่แล้ว\r"));
        QCOMPARE(failure("insert into Doc (No, Vendor) values ('B', null)"), QString("ไม่ได้ป้อนข้อมูลเจ้าหนี้\r"));
        data::Connection::closeAll();
    }
};

QTEST_MAIN(TestErrorText)
#include "test_errortext.moc"
