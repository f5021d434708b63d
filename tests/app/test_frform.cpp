#include "DmConfig.h"
#include "FrForm.h"
#include "Prompter.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace app;
using framework::TFrForm;

namespace {

// A document window as the document engineers write one: three edits, and
// handlers that count their calls.
class CountingForm : public TFrForm {
public:
    QLineEdit *first, *second, *disabled, *last;
    int saves = 0, deletes = 0, news = 0, shows = 0;

    CountingForm()
    {
        auto *layout = new QVBoxLayout(clientArea());
        first = new QLineEdit(clientArea());
        second = new QLineEdit(clientArea());
        disabled = new QLineEdit(clientArea());
        disabled->setEnabled(false);
        last = new QLineEdit(clientArea());
        for (QWidget *w : {first, second, disabled, last})
            layout->addWidget(w);
        setWindowTitle("รับเงินมัดจำ ต่างประเทศ");
    }
    void FormShow() override
    {
        ++shows;
        TFrForm::FormShow();
    }
    void AcNewExecute() override
    {
        ++news;
        TFrForm::AcNewExecute();
    }
    void AcSaveExecute() override { ++saves; }
    void AcDelExecute() override { ++deletes; }
};

} // namespace

// The base document window driven from the keyboard.
class TestFrForm : public QObject {
    Q_OBJECT
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<CountingForm> m_form;

    void showForm()
    {
        m_form = std::make_unique<CountingForm>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        m_form->first->setFocus();
        QTRY_VERIFY(m_form->first->hasFocus());
    }

private slots:
    void init()
    {
        TDMConfig::instance().ThaiPrompts = true;
        m_prompter = std::make_unique<ScriptedPrompter>();
        showForm();
    }
    void cleanup()
    {
        m_form.reset();
        m_prompter.reset();
    }

    void actions_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("buttonShown");
        QTest::newRow("new") << "AcNew"
                             << "New"
                             << "New Record" << QKeySequence(Qt::Key_F3) << "BNew" << true;
        QTest::newRow("delete") << "AcDel"
                                << "Delete"
                                << "Delete Record" << QKeySequence(Qt::Key_F8) << "BDel" << true;
        QTest::newRow("save") << "AcSave"
                              << "Save"
                              << "Save Record" << QKeySequence(Qt::Key_F10) << "BSave" << true;
        QTest::newRow("history") << "AcHist"
                                 << "Hist."
                                 << "Show History" << QKeySequence("Ctrl+H") << "BHist" << false;
        QTest::newRow("copy") << "AcCopy"
                              << "Copy"
                              << "Copy Record" << QKeySequence(Qt::Key_F6) << "BCopy" << false;
        QTest::newRow("print") << "AcPrint"
                               << "Print"
                               << "Print Record" << QKeySequence("Ctrl+P") << "BPrint" << false;
        QTest::newRow("exit") << "AcExit"
                              << "Exit"
                              << "Exit Program" << QKeySequence("Ctrl+X") << "BExit" << true;
        QTest::newRow("change code") << "AcChgCode"
                                     << "Chg Code"
                                     << "" << QKeySequence(Qt::Key_F12) << "BChgCode" << false;
    }
    void actions()
    {
        QFETCH(QString, action);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(QKeySequence, shortcut);
        QFETCH(QString, button);
        QFETCH(bool, buttonShown);
        auto *a = m_form->findChild<QAction *>(action);
        QVERIFY(a);
        QCOMPARE(a->text(), caption);
        QCOMPARE(a->statusTip(), hint);
        QCOMPARE(a->shortcut(), shortcut);
        auto *b = m_form->findChild<QToolButton *>(button);
        QVERIFY(b);
        QCOMPARE(b->defaultAction(), a);
        QCOMPARE(b->isVisible(), buttonShown);
        QCOMPARE(m_form->isButtonVisible(b), buttonShown);
    }

    void frameAfterShow()
    {
        QCOMPARE(m_form->size(), QSize(632, 421));
        QCOMPARE(m_form->shows, 1);
        QCOMPARE(m_form->news, 0); // the base show step runs the base new-record step
        QCOMPARE(QApplication::applicationDisplayName(), QString("รับเงินมัดจำ ต่างประเทศ"));
        QVERIFY(!m_form->AcSave->isEnabled());
        QVERIFY(!m_form->AcDel->isEnabled());
        QVERIFY(!m_form->AcChgCode->isEnabled());
        QVERIFY(m_form->AcNew->isEnabled());
        QVERIFY(m_form->ChgCode->isHidden());
        QCOMPARE(m_form->ChgCode->text(), QString("CHGCODE"));
        QCOMPARE(m_form->findChild<QWidget *>("Panel2")->height(), 42);
        QCOMPARE(m_form->StatusBar1->findChildren<QLabel *>(QRegularExpression("^StatusPanel")).size(), 2);
        m_form->setStatusText(0, "บริษัท เดโม่ เทรดดิ้ง จำกัด");
        QCOMPARE(m_form->statusText(0), QString("บริษัท เดโม่ เทรดดิ้ง จำกัด"));
        // Tool buttons keep their order.
        QStringList order;
        for (QAction *a : m_form->ToolBar1->actions())
            if (QWidget *w = m_form->ToolBar1->widgetForAction(a))
                order.append(w->objectName());
        QCOMPARE(order, QStringList({"BNew", "BDel", "BSave", "BChgCode", "BHist", "BCopy", "BPrint", "BExit"}));
    }

    void saveAndDeleteKeysOnlyWhileEnabled()
    {
        QTest::keyClick(m_form->first, Qt::Key_F10);
        QTest::keyClick(m_form->first, Qt::Key_F8);
        QCOMPARE(m_form->saves, 0);
        QCOMPARE(m_form->deletes, 0);
        m_form->AcSave->setEnabled(true);
        m_form->AcDel->setEnabled(true);
        QTest::keyClick(m_form->first, Qt::Key_F10);
        QTest::keyClick(m_form->first, Qt::Key_F8);
        QCOMPARE(m_form->saves, 1);
        QCOMPARE(m_form->deletes, 1);
        QTest::keyClick(m_form->first, Qt::Key_F3); // new record: both off again
        QCOMPARE(m_form->news, 1);
        QVERIFY(!m_form->AcSave->isEnabled());
        QTest::keyClick(m_form->first, Qt::Key_F10);
        QCOMPARE(m_form->saves, 1);
    }

    void unusedKeysDoNothing()
    {
        m_form->first->setText("abc");
        for (const QKeySequence &k :
             {QKeySequence("Ctrl+H"), QKeySequence(Qt::Key_F6), QKeySequence("Ctrl+P"), QKeySequence(Qt::Key_F12)})
            QTest::keySequence(m_form->first, k);
        QVERIFY(m_form->isVisible());
        QVERIFY(m_prompter->shown.isEmpty());
        QCOMPARE(m_form->saves + m_form->deletes + m_form->news, 0);
        QCOMPARE(m_form->first->text(), QString("abc"));
    }

    void enterMovesToTheNextTabStopAndWraps()
    {
        QSignalSpy returnPressed(m_form->first, &QLineEdit::returnPressed);
        QTest::keyClick(m_form->first, Qt::Key_Return);
        QTRY_VERIFY(m_form->second->hasFocus());
        QCOMPARE(returnPressed.count(), 0); // the control never sees the Enter
        QTest::keyClick(m_form->second, Qt::Key_Enter, Qt::KeypadModifier);
        QTRY_VERIFY(m_form->last->hasFocus()); // the disabled edit is skipped
        QTest::keyClick(m_form->last, Qt::Key_Return);
        QTRY_VERIFY(m_form->first->hasFocus());
    }

    void escapeAsksTheExitQuestion_data()
    {
        QTest::addColumn<bool>("thai");
        QTest::addColumn<QString>("question");
        QTest::newRow("thai") << true << "ออกจากโปรแกรม ?";
        QTest::newRow("english") << false << "Exit Program ?";
    }
    void escapeAsksTheExitQuestion()
    {
        QFETCH(bool, thai);
        QFETCH(QString, question);
        TDMConfig::instance().ThaiPrompts = thai;
        QSignalSpy closed(m_form.get(), &TFrForm::formClosed);
        m_form->second->setText("kept");
        m_prompter->answer(false);
        QTest::keyClick(m_form->second, Qt::Key_Escape);
        QCOMPARE(m_prompter->texts(), QStringList{question});
        QVERIFY(m_prompter->shown[0].isConfirmation);
        QCOMPARE(m_prompter->shown[0].background, QColor(0, 128, 0));
        QVERIFY(m_form->isVisible());
        QCOMPARE(m_form->second->text(), QString("kept"));
        QCOMPARE(closed.count(), 0);

        m_prompter->answer(true);
        QTest::keyClick(m_form->second, Qt::Key_Escape);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(closed.count(), 1);
    }

    void closeBoxAndCtrlXAskToo()
    {
        m_prompter->answer(false);
        QVERIFY(!m_form->close());
        m_form->first->setText("abc");
        m_form->first->selectAll();
        m_prompter->answer(false);
        QTest::keySequence(m_form->first, QKeySequence("Ctrl+X")); // exits, does not cut
        QCOMPARE(m_form->first->text(), QString("abc"));
        QCOMPARE(m_prompter->texts(), QStringList({"ออกจากโปรแกรม ?", "ออกจากโปรแกรม ?"}));
        QVERIFY(m_form->isVisible());
    }

    void keysOfOtherWindowsAreLeftAlone()
    {
        QLineEdit other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTest::keyClick(&other, Qt::Key_Escape);
        QVERIFY(m_prompter->shown.isEmpty());
    }

    void extraActionGetsAButtonBeforeExit()
    {
        auto *whTax = new QAction("WH Tax", m_form.get());
        whTax->setObjectName("AcWhTax");
        whTax->setShortcut(QKeySequence("Ctrl+W"));
        int triggered = 0;
        connect(whTax, &QAction::triggered, [&] { ++triggered; });
        m_form->addToolButton(whTax, "BWhTax");
        QStringList order;
        for (QAction *a : m_form->ToolBar1->actions())
            if (QWidget *w = m_form->ToolBar1->widgetForAction(a))
                order.append(w->objectName());
        QCOMPARE(order.indexOf("BWhTax") + 1, order.indexOf("BExit"));
        QTest::keySequence(m_form->first, QKeySequence("Ctrl+W"));
        QCOMPARE(triggered, 1);
    }
};

QTEST_MAIN(TestFrForm)
#include "test_frform.moc"
