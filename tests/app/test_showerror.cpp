#include "DmConfig.h"
#include "FrShowError.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace app;

// The red error dialog: its countdown closes it after nine ticks without
// sending; "Send Error" stops the countdown and mails the report once.
class TestShowError : public QObject {
    Q_OBJECT

    struct Sent {
        QString subject, body;
    };
    QList<Sent> m_sent;

    std::unique_ptr<TFrShowError> makeDialog(const QString &text)
    {
        auto dialog = std::make_unique<TFrShowError>(text);
        dialog->setMailSender([this](const QString &s, const QString &b) { m_sent.append({s, b}); });
        return dialog;
    }

private slots:
    void init()
    {
        m_sent.clear();
        TDMConfig &s = TDMConfig::instance();
        s.DatabaseName = " DEMO ";
        s.MenuCaption = "รับเงินมัดจำต่างประเทศ";
        s.UserCode = "ADMIN  ";
    }

    void showsTheTextAndStartsTheCountdown()
    {
        auto dialog = makeDialog("ข้อมูลที่เพิ่มซ้ำกับข้อมูลที่มีอยู่แล้ว\r");
        dialog->show();
        QCOMPARE(dialog->windowTitle(), QString("Windows Error Message"));
        QCOMPARE(dialog->size(), QSize(344, 101));
        QCOMPARE(dialog->pos(), QPoint(50, 100));
        QCOMPARE(dialog->findChild<QPlainTextEdit *>("Memo1")->toPlainText().trimmed(),
                 QString("ข้อมูลที่เพิ่มซ้ำกับข้อมูลที่มีอยู่แล้ว"));
        QVERIFY(dialog->findChild<QPlainTextEdit *>("Memo1")->isReadOnly());
        QCOMPARE(dialog->palette().color(QPalette::Window), QColor(Qt::red));
        QCOMPARE(dialog->findChild<QPushButton *>("BtSend")->text(), QString("Send Error"));
        QCOMPARE(dialog->findChild<QPushButton *>("BtDontSend")->text(), QString("Don't Send"));
        auto *timer = dialog->findChild<QTimer *>("Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QCOMPARE(dialog->countdown(), 10);
    }

    void closesItselfAfterNineTicksWithoutSending()
    {
        auto dialog = makeDialog("X\r");
        QSignalSpy rejected(dialog.get(), &QDialog::rejected);
        dialog->show();
        for (int i = 0; i < 8; ++i)
            dialog->tick();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->countdown(), 2);
        dialog->tick();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(rejected.count(), 1);
        QVERIFY(m_sent.isEmpty());
        QVERIFY(!dialog->findChild<QTimer *>("Timer1")->isActive());
    }

    void countdownStartsAgainOnEveryShow()
    {
        auto dialog = makeDialog("X\r");
        dialog->show();
        for (int i = 0; i < 5; ++i)
            dialog->tick();
        dialog->hide();
        dialog->show();
        QCOMPARE(dialog->countdown(), 10);
    }

    void sendErrorMailsTheReportOnce()
    {
        auto dialog = makeDialog("ป้อนวันที่ไม่ถูกต้อง\r");
        QSignalSpy accepted(dialog.get(), &QDialog::accepted);
        dialog->show();
        dialog->tick();
        QTest::mouseClick(dialog->findChild<QPushButton *>("BtSend"), Qt::LeftButton);
        QVERIFY(dialog->stopped());
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(m_sent.size(), 1);
        QCOMPARE(m_sent[0].subject, QString("Error DEMO รับเงินมัดจำต่างประเทศ"));
        QVERIFY2(m_sent[0].body.startsWith("[User = ADMIN] \rLocal IP = "), qPrintable(m_sent[0].body));
        QVERIFY(m_sent[0].body.endsWith("\rป้อนวันที่ไม่ถูกต้อง\r"));
        for (int i = 0; i < 12; ++i)
            dialog->tick();
        QCOMPARE(m_sent.size(), 1);
        QCOMPARE(accepted.count(), 1);
    }

    void dontSendClosesWithoutMail()
    {
        auto dialog = makeDialog("X\r");
        dialog->show();
        QTest::mouseClick(dialog->findChild<QPushButton *>("BtDontSend"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QVERIFY(m_sent.isEmpty());
    }
};

QTEST_MAIN(TestShowError)
#include "test_showerror.moc"
