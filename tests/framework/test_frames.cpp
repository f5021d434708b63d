#include "Connection.h"
#include "DataSet.h"
#include "DialogDriver.h"
#include "Dm.h"
#include "DmConfig.h"
#include "FrSimpleSearch.h"
#include "KeptDialogs.h"
#include "LookupFrames.h"
#include "SearchMembers.h"
#include "StandaloneSearches.h"
#include "TestEnvironment.h"

#include <QVBoxLayout>
#include <QtTest>

using namespace framework;
using namespace dialogdriver;

// A window hosting lookup frames over one record, as a document window does.
class Host : public QWidget {
public:
    explicit Host(const QString &sql)
    {
        record = new data::DataSet(data::Connection::byAlias("DMDATA"), sql, this);
        record->open();
        record->edit();
        layout = new QVBoxLayout(this);
        other = new QLineEdit(this); // somewhere to move the focus to
        other->setObjectName("Other");
        layout->addWidget(other);
        resize(600, 300);
    }
    template <class F> F *add(const QString &field)
    {
        auto *f = new F(this);
        layout->insertWidget(layout->count() - 1, f);
        f->bind(record, field);
        return f;
    }
    void start()
    {
        show();
        activate(this);
        (void)QTest::qWaitForWindowExposed(this);
    }
    // Back from a modal dialog: the window is active again.
    void reactivate() { activate(this); }
    // Types into a frame's editor and leaves it, as a user tabbing on.
    void enter(QLineEdit *edit, const QString &text)
    {
        reactivate();
        type(edit, text);
        other->setFocus(Qt::TabFocusReason);
    }
    data::DataSet *record;
    QVBoxLayout *layout;
    QLineEdit *other;
};

class TestFrames : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::TestEnvironment> env;

private slots:
    void init() { env = std::make_unique<testsupport::TestEnvironment>(); }
    void cleanup()
    {
        KeptDialogs::releaseAll();
        env.reset();
    }

    void framesCanBeBuiltBeforeTheCompanyConnectionOpens()
    {
        // A document window builds its frames before its first showing opens
        // the company connection.
        env.reset();
        testsupport::TestEnvironment::Options options;
        options.openCompany = false;
        env = std::make_unique<testsupport::TestEnvironment>(options);
        QVERIFY(!data::Connection::isOpen("DMDATA"));
        QWidget window;
        try {
            new TFaGetVendor(&window);
            new TFaGetCustomer(&window);
            new TFaGetProvince(&window);
            new TFaGetSalesman(&window);
            new TFaGetCurrency(&window);
            new TFaGetDepartment(&window);
            new TFaGetCompanyBank(&window);
            new TFaGetProject(&window);
            new TFaGetPrettyCash(&window);
            new TFaGetEmployee(&window);
            new TFaGetFrCustomer(&window);
            new TFaGetFrVendor(&window);
            new TFaGetExpense(&window);
            new TFaGetImportLotNo(&window);
            new TFaGetWorkOrder(&window);
            new TFaGetRemark(&window);
            new TFaGetDocNo(&window);
            new TFaGetDate(&window);
            new TFaGetTaxCode(&window);
        } catch (const std::exception &e) {
            QFAIL(e.what());
        }
        QCOMPARE(window.findChildren<TFaFrame *>().size(), 19);
        for (TFaFrame *f : window.findChildren<TFaFrame *>())
            QVERIFY2(!f->objectName().isEmpty(), qPrintable(f->metaObject()->className()));
    }

    void idLookupResolvesCodesUnderItsFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QVariant>("id");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("valid");
        QTest::newRow("known") << "FC002" << QVariant(2) << "Rhein Handels GmbH" << true;
        QTest::newRow("lower case typed") << "fc003" << QVariant(3) << "Sakura Foods Co., Ltd." << true;
        QTest::newRow("unknown") << "NOPE" << QVariant() << "-" << false;
        QTest::newRow("blocked by the filter") << "FC004" << QVariant() << "-" << false;
        QTest::newRow("quote") << "FC'1" << QVariant() << "-" << false;
        QTest::newRow("empty, not allowed") << "" << QVariant() << "-" << false;
    }
    void idLookupResolvesCodesUnderItsFilter()
    {
        QFETCH(QString, typed);
        QFETCH(QVariant, id);
        QFETCH(QString, description);
        QFETCH(bool, valid);
        Host host("Select Id, FrCustomer, Currency From FrPreRcpt Where Id = 1");
        auto *frame = host.add<TFaGetFrCustomer>("FrCustomer");
        host.start();
        // The stored id shows its code and name.
        QCOMPARE(frame->edit()->text(), QString("FC001"));
        QCOMPARE(frame->LbDescription->text(), QString("Pacific Trading Inc."));
        host.enter(frame->edit(), typed);
        QCOMPARE(host.record->value("FrCustomer").isNull(), !id.isValid());
        if (id.isValid())
            QCOMPARE(host.record->value("FrCustomer").toInt(), id.toInt());
        QCOMPARE(frame->LbDescription->text(), description);
        QCOMPARE(frame->isValid(), valid);
        QCOMPARE(frame->edit()->text(), typed.toUpper()); // an unknown code stays visible
    }

    void emptyCodeIsValidWhenAllowed()
    {
        Host host("Select Id, FrCustomer, Currency From FrPreRcpt Where Id = 1");
        auto *currency = host.add<TFaGetCurrency>("Currency");
        host.start();
        QCOMPARE(currency->edit()->text(), QString("USD"));
        host.enter(currency->edit(), "");
        QVERIFY(host.record->value("Currency").isNull());
        QVERIFY(currency->isValid());
        // Moving the record shows the code of the stored id.
        host.record->setValue("Currency", 2);
        QCOMPARE(currency->edit()->text(), QString("EUR"));
        QCOMPARE(currency->id().toInt(), 2);
    }

    void vendorFrameRefusesSuspendedVendor()
    {
        Host host("Select 0 Vendor From NullTable");
        auto *frame = host.add<TFaGetVendor>("Vendor");
        host.start();
        host.enter(frame->Vendor(), "V003");
        QCOMPARE(env->prompter().texts(), QStringList{"ระงับการใช้งาน"});
        QVERIFY(frame->Vendor()->text().isEmpty());
        QVERIFY(host.record->value("Vendor").isNull());
        env->prompter().clear();
        host.enter(frame->Vendor(), "V001");
        QVERIFY(env->prompter().texts().isEmpty());
        QCOMPARE(host.record->value("Vendor").toInt(), 1);
        QCOMPARE(frame->QVendor()->value("TaxRate").toDouble(), 7.0);
    }

    void customerAndSalesmanChecksNeedAnEmptiedFilter()
    {
        Host host("Select 0 Customer, 0 Salesman From NullTable");
        auto *customer = host.add<TFaGetCustomer>("Customer");
        auto *salesman = host.add<TFaGetSalesman>("Salesman");
        host.start();
        host.enter(customer->Customer(), "C003");
        host.enter(salesman->edit(), "S02");
        QVERIFY(env->prompter().texts().isEmpty()); // the default filters refuse silently
        QVERIFY(host.record->value("Customer").isNull());

        customer->Customer()->K_Filter.clear();
        salesman->edit()->K_Filter.clear();
        host.enter(customer->Customer(), "C003");
        QCOMPARE(env->prompter().lastText(), QString("รหัสลูกค้าถูกระงับการใช้งาน !"));
        QVERIFY(customer->Customer()->text().isEmpty());
        QVERIFY(host.record->value("Customer").isNull());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(customer->Customer()));
        host.enter(salesman->edit(), "S02");
        QCOMPARE(env->prompter().lastText(), QString("พนักงานขาย ถูกระงับไปแล้ว  !"));
        QVERIFY(salesman->edit()->text().isEmpty());
    }

    void englishUserSeesCustomerEnglishName()
    {
        env->signOn(4, 101);
        Host host("Select 0 Customer From NullTable");
        auto *customer = host.add<TFaGetCustomer>("Customer");
        host.start();
        host.enter(customer->Customer(), "C001");
        QCOMPARE(customer->LbDescription->text(), QString("Thai Retail Co., Ltd."));
    }

    void unknownProjectAndEmployeeAreClearedSilently()
    {
        Host host("Select 0 Project, 0 Employee, 0 PrettyCash From NullTable");
        auto *project = host.add<TFaGetProject>("Project");
        auto *employee = host.add<TFaGetEmployee>("Employee");
        auto *cash = host.add<TFaGetPrettyCash>("PrettyCash");
        host.start();
        host.enter(project->edit(), "P999");
        host.enter(employee->edit(), "E999");
        host.enter(cash->edit(), "PC99");
        QVERIFY(project->edit()->text().isEmpty());
        QVERIFY(employee->edit()->text().isEmpty());
        QVERIFY(cash->edit()->text().isEmpty());
        QVERIFY(env->prompter().texts().isEmpty());
        host.enter(project->edit(), "P001");
        host.enter(employee->edit(), "E002");
        QCOMPARE(host.record->value("Project").toInt(), 1);
        QCOMPARE(host.record->value("Employee").toInt(), 2);
    }

    void searchButtonFollowsFocusAndF5OpensIt()
    {
        Host host("Select Id, FrCustomer, Currency From FrPreRcpt Where Id = 1");
        auto *currency = host.add<TFaGetCurrency>("Currency");
        host.start();
        QVERIFY(!currency->BtSearch->isEnabled());
        currency->edit()->setFocus();
        QVERIFY(currency->BtSearch->isEnabled());
        // F5 and Cancel: the code stays.
        whenModal([&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QString("ค้าหา รายชื่อสกุลเงิน"));
            auto &misc = static_cast<TF_SearchMisc &>(*d);
            QCOMPARE(misc.Query->rowCount(), 6); // the whole group at once
            press(Qt::Key_Escape);
        });
        press(Qt::Key_F5);
        QCOMPARE(currency->edit()->text(), QString("USD"));
        host.reactivate();
        // F5, narrow, pick: the code is written and resolved on leaving.
        whenModal([&](QDialog *d) {
            auto &misc = static_cast<TF_SearchMisc &>(*d);
            type(misc.EnterString, "JPY");
            press(Qt::Key_Return);
            QCOMPARE(misc.Query->rowCount(), 1);
            press(Qt::Key_Down);
            press(Qt::Key_Return);
        });
        press(Qt::Key_F5);
        host.reactivate();
        QCOMPARE(currency->edit()->text(), QString("JPY"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(currency->edit()));
        host.other->setFocus(Qt::TabFocusReason);
        QCOMPARE(host.record->value("Currency").toInt(), 3);
        QVERIFY(!currency->BtSearch->isEnabled());
    }

    void companyBankSearchListsActiveAccounts()
    {
        Host host("Select Id, CompanyBank From FrPreRcpt Where Id = 1");
        auto *bank = host.add<TFaGetCompanyBank>("CompanyBank");
        host.start();
        bank->edit()->setFocus();
        whenModal([&](QDialog *d) {
            auto &s = static_cast<TFrSearchCompanyBank &>(*d);
            press(Qt::Key_Return);
            s.QSearch->fetchAll();
            QCOMPARE(s.QSearch->rowCount(), 2); // the closed account is not offered
            press(Qt::Key_Return);
        });
        bank->BtSearch->click();
        QCOMPARE(bank->edit()->text(), QString("BBL-01")); // the first by name
    }

    void remarkSearchCopiesTheStandardText()
    {
        Host host("Select Id, Remark From FrPreRcpt Where Id = 1");
        auto *remark = host.add<TFaGetRemark>("Remark");
        host.start();
        remark->Remark->setFocus();
        whenModal([&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QString("ค้นหาหมายเหตุ"));
            QVERIFY(static_cast<TFrSearchMisc *>(d)->QSearch->isEmpty()); // no group: nothing
        });
        remark->BtSearch->click();
        remark->RemarkGroup = "REM_FINPD";
        whenModal([&](QDialog *d) {
            auto &s = static_cast<TFrSearchMisc &>(*d);
            type(s.Code, "ศุลกากร");
            press(Qt::Key_Return);
            press(Qt::Key_Return);
        });
        remark->BtSearch->click();
        QCOMPARE(host.record->value("Remark").toString(), QString("ค่าพิธีการศุลกากร"));
    }

    void expenseFrameUsesTheSimpleSearch()
    {
        Host host("Select 0 Expense From NullTable");
        auto *expense = host.add<TFaGetExpense>("Expense");
        host.start();
        QVERIFY(expense->BtSearch->isEnabled()); // never disabled
        whenModal([&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QString("ค้นหารหัสค่าใช้จ่าย"));
            auto &s = static_cast<TFrSimpleSearch &>(*d);
            type(s.Code, "ธนาคาร");
            press(Qt::Key_Return);
            press(Qt::Key_Return);
        });
        expense->BtSearch->click();
        QCOMPARE(expense->edit()->text(), QString("BNK"));
        host.reactivate();
        host.other->setFocus(Qt::TabFocusReason);
        QCOMPARE(host.record->value("Expense").toInt(), 4);
    }

    void importLotFrameTakesOpenLotsOnly()
    {
        Host host("Select 0 ImportLotNo From NullTable");
        auto *lot = host.add<TFaGetImportLotNo>("ImportLotNo");
        host.start();
        const int year = QDate::currentDate().year();
        host.enter(lot->edit(), QString("LOT%1-001").arg((year - 1) % 100, 2, 10, QChar('0')));
        QVERIFY(host.record->value("ImportLotNo").isNull());
        host.enter(lot->edit(), QString("LOT%1-001").arg(year % 100, 2, 10, QChar('0')));
        QCOMPARE(host.record->value("ImportLotNo").toInt(), 1);
    }

    void documentStatusCheck_data()
    {
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("live") << "'N' DelFlag, 'N' Posted, 'N' Imported" << QStringList{} << false;
        QTest::newRow("cancelled") << "'Y' DelFlag, 'N' Posted, 'N' Imported" << QStringList{"เอกสารถูกยกเลิกแล้ว"}
                                   << true;
        QTest::newRow("imported") << "'N' DelFlag, 'N' Posted, 'Y' Imported" << QStringList{"เอกสารถูกถ่ายโอนมาจากระบบอื่น"}
                                  << true;
        QTest::newRow("cancelled and posted stays")
            << "'Y' DelFlag, 'Y' Posted, 'N' Imported" << QStringList{"เอกสารถูกยกเลิกแล้ว", "เอกสารถูกปิดบัญชีแล้ว"} << false;
    }
    void documentStatusCheck()
    {
        QFETCH(QString, flags);
        QFETCH(QStringList, messages);
        QFETCH(bool, cleared);
        const QString select = "Select 'A1' DocNo, " + flags + " From NullTable";
        Host host(select);
        auto *frame = host.add<TFaGetDocNo>("DocNo");
        int loads = 0;
        // The owner loads the document of the number typed; an empty number
        // is a new document (no row).
        connect(frame, &TFaGetDocNo::DocNoExit, this, [&] {
            ++loads;
            host.record->setSql(select + (frame->DocNo->text().trimmed().isEmpty() ? " Where 1 = 0" : ""));
            host.record->open();
        });
        host.start();
        host.enter(frame->DocNo, "A1");
        QCOMPARE(env->prompter().texts(), messages);
        QCOMPARE(frame->DocNo->text().isEmpty(), cleared);
        QCOMPARE(loads, cleared ? 2 : 1);
        QCOMPARE(host.record->isEmpty(), cleared);
    }

    void docNoSearchButtonBelongsToTheOwner()
    {
        Host host("Select 'A1' DocNo From NullTable");
        auto *frame = host.add<TFaGetDocNo>("DocNo");
        host.start();
        int clicks = 0;
        connect(frame->BtSearch, &QPushButton::clicked, this, [&] { ++clicks; });
        frame->DocNo->setFocus();
        press(Qt::Key_F5);
        QCOMPARE(clicks, 1);
        QCOMPARE(frame->DocNo->text(), QString("A1"));
    }

    void dateBeyondNextYearIsReplacedByServerDate()
    {
        const int runYear = env->dm().QConfig().value("RunYear").toInt();
        Host host("Select Id, PreDate From FrPreRcpt Where Id = 1");
        auto *date = host.add<TFaGetDate>("PreDate");
        host.start();
        date->DocDate->setFocus();
        date->DocDate->setDate(QDate(runYear + 1, 12, 31));
        host.other->setFocus(Qt::TabFocusReason);
        QVERIFY(env->prompter().texts().isEmpty());
        QCOMPARE(host.record->value("PreDate").toDate(), QDate(runYear + 1, 12, 31));
        date->DocDate->setFocus();
        date->DocDate->setDate(QDate(runYear + 2, 1, 1));
        host.other->setFocus(Qt::TabFocusReason);
        QCOMPARE(env->prompter().texts(), QStringList{"วันที่ ไม่ถูกต้อง !!"});
        QCOMPARE(host.record->value("PreDate").toDate(), env->dm().GetServerTime().date());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(date->DocDate));
    }

    void taxCodeListsTheSharedTaxList()
    {
        env->dm().QTax().reopen();
        Host host("Select Id, TaxCode From FrPreRcpt Where Id = 1");
        auto *tax = host.add<TFaGetTaxCode>("TaxCode");
        host.start();
        QCOMPARE(tax->ListTaxCode->count(), 3);
        QCOMPARE(tax->ListTaxCode->currentText(), QString("V7  7"));
        tax->ListTaxCode->setKey(2);
        QCOMPARE(host.record->value("TaxCode").toInt(), 2);
        QCOMPARE(tax->ListTaxCode->toolTip(), QString("เลือกอัตราภาษี"));
    }

    void framePropertiesAreWritableAtRunTime()
    {
        Host host("Select 0 Vendor From NullTable");
        auto *frame = host.add<TFaGetVendor>("Vendor");
        TKIdLookup *edit = frame->Vendor();
        QCOMPARE(edit->property("K_Filter").toString(), QString("Blocked='N'"));
        QVERIFY(edit->setProperty("K_Filter", QString()));
        QVERIFY(edit->setProperty("K_DescriptionField", QString("Remark")));
        host.start();
        host.enter(edit, "V003");
        QCOMPARE(host.record->value("Vendor").toInt(), 3);
        QCOMPARE(frame->LbDescription->text(), QString("ระงับการใช้งาน")); // V003's remark
        QVERIFY(env->prompter().texts().isEmpty());                      // no filter: no blocked check
    }
};

QTEST_MAIN(TestFrames)
#include "test_frames.moc"
