#include "AttrSelectors.h"
#include "Connection.h"
#include "DataSet.h"
#include "DialogDriver.h"
#include "Dm.h"
#include "DmConfig.h"
#include "KeptDialogs.h"
#include "LookupFrames.h"
#include "StandaloneSearches.h"
#include "TestEnvironment.h"

#include <QtTest>

using namespace framework;
using namespace dialogdriver;

// The vendor, customer, Misc-code and salesperson searches and the
// attribute selectors.
class TestStandalone : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::TestEnvironment> env;

    static QStringList column(SearchQuery *q, const QString &field)
    {
        QStringList values;
        q->fetchAll();
        for (int r = 0; r < q->rowCount(); ++r)
            values.append(q->value(r, field).toString());
        return values;
    }
    // Writes a range into the selector row of a group code.
    static void setRange(TFaSelectAttr *selector, const QString &group, const QString &begin, const QString &end)
    {
        data::DataSet *list = selector->QAttrGroup;
        for (int r = 0; r < list->recordCount(); ++r)
            if (list->value(r, "Code").toString() == group) {
                list->setValue(r, "BeginAttrCode", begin);
                list->setValue(r, "EndAttrCode", end);
            }
    }

private slots:
    void init() { env = std::make_unique<testsupport::TestEnvironment>(); }
    void cleanup()
    {
        KeptDialogs::releaseAll();
        env.reset();
    }

    void vendorSearchFiltersAndPicks()
    {
        TFrSearchVendor &d = KeptDialogs::get<TFrSearchVendor>();
        d.IncludeBlocked = false;
        whenModal([&](QDialog *) {
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(d.VendorName));
            press(Qt::Key_Return);
            QCOMPARE(column(d.Query, "Code"), (QStringList{"V001", "V002", "V004"}));
            QCOMPARE(d.Query->value(0, "Attention").toString(), QString("คุณวิชัย ขนส่ง"));
            type(d.VendorName, "O'Reilly");
            press(Qt::Key_Return);
            QVERIFY(d.Query->isEmpty());
            type(d.VendorCode, "V00");
            d.VendorName->clear();
            press(Qt::Key_Return);
            clickTitle(d.ListData, 1); // Name
            QCOMPARE(d.Query->SQL.last(), QString("Order By V.Name"));
            clickTitle(d.ListData, 0); // Code
            QCOMPARE(d.Query->SQL.last(), QString("Order By V.Code"));
            d.ListData->setFocus();
            d.ListData->setCurrentRow(1);
            press(Qt::Key_Return);
        });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(d.ChosenCode, QString("V002"));
        QVERIFY(!d.Query->isOpen()); // closed with the dialog
        d.IncludeBlocked = true;
        whenModal([&](QDialog *) {
            press(Qt::Key_Return);
            QVERIFY(column(d.Query, "Code").contains("V003"));
        });
        QCOMPARE(d.exec(), int(QDialog::Rejected));
        QVERIFY(d.ChosenCode.isEmpty());
    }

    void vendorAttributeRanges_data()
    {
        QTest::addColumn<QString>("begin");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("both bounds") << "CS"
                                     << "SV" << QStringList{"V002", "V004"};
        QTest::newRow("begin only runs to the end of the group") << "TR"
                                                                 << "" << QStringList{"V001"};
        QTest::newRow("end only starts at the group") << ""
                                                      << "CS" << QStringList{"V002"};
        QTest::newRow("blank: no condition") << ""
                                             << "" << QStringList{"V001", "V002", "V004"};
        QTest::newRow("quote in a code is a value") << "C'S"
                                                    << "" << QStringList{"V001", "V002", "V004"};
    }
    void vendorAttributeRanges()
    {
        QFETCH(QString, begin);
        QFETCH(QString, end);
        QFETCH(QStringList, codes);
        TFrSearchVendor &d = KeptDialogs::get<TFrSearchVendor>();
        d.IncludeBlocked = false;
        whenModal([&](QDialog *) {
            setRange(d.FaSelectVendorAttr1, "TYP", begin, end);
            d.VendorName->setFocus();
            press(Qt::Key_Return);
            QCOMPARE(column(d.Query, "Code"), codes);
        });
        d.exec();
    }

    void vendorSearchRemembersTypedName()
    {
        TFrSearchVendor &d = KeptDialogs::get<TFrSearchVendor>();
        whenModal([&](QDialog *) {
            type(d.VendorName, "ship");
            d.VendorCode->setFocus(); // leaving the name edit stores it
            press(Qt::Key_Escape);
        });
        d.exec();
        QCOMPARE(env->dm().LastVendorName, QString("ship"));
        whenModal([&](QDialog *) { QCOMPARE(d.VendorName->text(), QString("ship")); });
        d.exec();
        env->company().execute("update Config set ShowLastSearch = 'N'");
        env->dm().QConfig().reopen();
        whenModal([&](QDialog *) { QVERIFY(d.VendorName->text().isEmpty()); });
        d.exec();
    }

    void specialCompanyUsersSeeOnlyZVendors_data()
    {
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("user");
        QTest::addColumn<bool>("restricted");
        QTest::newRow("AMS user") << "JHW"
                                  << "AMS01" << true;
        QTest::newRow("STD user") << "JHW"
                                  << "STD9" << true;
        QTest::newRow("other user") << "JHW"
                                    << "ADMIN" << false;
        QTest::newRow("other company") << "DEMO"
                                       << "AMS01" << false;
    }
    void specialCompanyUsersSeeOnlyZVendors()
    {
        QFETCH(QString, database);
        QFETCH(QString, user);
        QFETCH(bool, restricted);
        env->company().execute("insert into Vendor (Code, Name, Blocked) values ('Z01', 'Zeta Supply', 'N')");
        env->session().DatabaseName = database;
        env->session().UserCode = user;
        TFrSearchVendor &d = KeptDialogs::get<TFrSearchVendor>();
        whenModal([&](QDialog *) {
            QCOMPARE(!d.VendorCode->isEnabled(), restricted);
            press(Qt::Key_Return);
            if (restricted)
                QCOMPARE(column(d.Query, "Code"), QStringList{"Z01"});
            else
                QVERIFY(column(d.Query, "Code").size() > 1);
        });
        d.exec();
    }

    void selectorKeysWalkTheRanges()
    {
        TFrSearchVendor &d = KeptDialogs::get<TFrSearchVendor>();
        whenModal([&](QDialog *) {
            QTableView *grid = d.FaSelectVendorAttr1->Grid;
            const int rows = grid->model()->rowCount();
            QCOMPARE(rows, 2);
            grid->setFocus();
            grid->setCurrentIndex(grid->model()->index(0, 0));
            QCOMPARE(grid->currentIndex().column(), 1); // never the description
            press(Qt::Key_Return);
            QCOMPARE(grid->currentIndex(), grid->model()->index(0, 2));
            press(Qt::Key_Return);
            QCOMPARE(grid->currentIndex(), grid->model()->index(1, 1));
            press(Qt::Key_Down); // past the last row
            QCOMPARE(grid->model()->rowCount(), rows);
            // Typing into a cell writes the range, upper-cased.
            QTest::keyClicks(QApplication::focusWidget(), "a");
            press(Qt::Key_Return);
            QCOMPARE(d.FaSelectVendorAttr1->QAttrGroup->value(1, "BeginAttrCode").toString(), QString("A"));
            QCOMPARE(grid->currentIndex().column(), 2);
            // Enter inside the selector did not search the vendors.
            QVERIFY(!d.Query->isOpen());
            // F5 picks a code for the current cell.
            whenModal([&](QDialog *) {
                auto *codes = static_cast<TFrSearchVenAttrCode *>(QApplication::activeModalWidget());
                QCOMPARE(codes->AttrGroupId, qlonglong(2)); // row 1: "ระดับผู้ขาย" (GRD)
                QCOMPARE(column(codes->QData, "Code"), (QStringList{"A", "B"}));
                press(Qt::Key_Down);
                press(Qt::Key_Return);
            });
            grid->setFocus();
            press(Qt::Key_F5);
            QCOMPARE(d.FaSelectVendorAttr1->QAttrGroup->value(1, "EndAttrCode").toString(), QString("B"));
            QCOMPARE(d.FaSelectVendorAttr1->QAttrGroup->value(1, "EndGroupCode").toString(), QString("GRDB"));
        });
        d.exec();
    }

    void attributeCodeSearchFullWord_data()
    {
        QTest::addColumn<bool>("fullWord");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("part") << false << "ส่ง" << QStringList{"TR"};
        QTest::newRow("part of a word, full word") << true << "ส่ง" << QStringList{};
        QTest::newRow("whole word") << true << "ขนส่ง" << QStringList{"TR"};
        QTest::newRow("quote") << false << "'" << QStringList{};
    }
    void attributeCodeSearchFullWord()
    {
        QFETCH(bool, fullWord);
        QFETCH(QString, text);
        QFETCH(QStringList, codes);
        TFrSearchVenAttrCode d;
        d.AttrGroupId = 1;
        whenModal([&](QDialog *) {
            QCOMPARE(d.QData->rowCount(), 3); // the whole group at once
            d.FullWord->setChecked(fullWord);
            type(d.Description, text);
            press(Qt::Key_Return);
            QCOMPARE(column(d.QData, "Code"), codes);
        });
        d.exec();
        QVERIFY(d.ChosenCode.isEmpty());
    }

    void customerSearchBlockedRulesAndOrder()
    {
        TF_SearchCustomer d;
        d.IncludeBlocked = false;
        whenModal([&](QDialog *) {
            press(Qt::Key_Return);
            QCOMPARE(column(d.Query, "Code"), (QStringList{"C001", "C002"}));
            clickTitle(d.ListData, 0); // the name column orders by name
            QCOMPARE(d.Query->SQL.last(), QString("Order By C.Name"));
            clickTitle(d.ListData, 2); // salesperson
            QCOMPARE(d.Query->SQL.last(), QString("Order By S.Name, S.Surname"));
            type(d.CustomerNameEng, "chiang");
            press(Qt::Key_Return);
            QCOMPARE(column(d.Query, "Code"), QStringList{"C002"});
            press(Qt::Key_Return);
        });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(d.ChosenCode, QString("C002"));
        QCOMPARE(d.ChosenName, QString("ร้านเชียงใหม่พาณิชย์"));

        TF_SearchCustomer all;
        all.IncludeBlocked = true;
        whenModal([&](QDialog *) {
            press(Qt::Key_Return);
            QCOMPARE(column(all.Query, "Code"), (QStringList{"C001", "C002", "C003"})); // never Z
            setRange(all.FaSelectCustomerAttr1, "REG", "N", "");
            type(all.PhoneNo, "053");
            press(Qt::Key_Return);
            QCOMPARE(column(all.Query, "Code"), QStringList{"C002"});
            type(all.Fax, "'; drop table Customer; --");
            press(Qt::Key_Return);
            QVERIFY(all.Query->isEmpty());
        });
        all.exec();
        QVERIFY(env->company().scalar("select count(*) from Customer").toInt() == 4);
    }

    void customerSearchNarrowsBySalespersonAndProvince()
    {
        // A customer without a salesperson or province is listed too.
        env->company().execute("insert into Customer (Code, Name, Blocked) values ('C009', 'ลูกค้าใหม่', 'N')");
        TF_SearchCustomer d;
        whenModal([&](QDialog *) {
            press(Qt::Key_Return);
            QVERIFY(column(d.Query, "Code").contains("C009"));
            type(d.FaGetProvince1->edit(), "CMI");
            d.CustomerName->setFocus();
            press(Qt::Key_Return);
            QCOMPARE(column(d.Query, "Code"), QStringList{"C002"});
        });
        d.exec();
    }

    void customerSearchInEnglish()
    {
        env->signOn(4, 101);
        TF_SearchCustomer d;
        whenModal([&](QDialog *) {
            QCOMPARE(d.ListData->titles().mid(0, 5),
                     (QStringList{"Thai Name", "Code", "Sales", "Address", "Eng Name"}));
            auto *attributes = static_cast<DbGrid *>(d.FaSelectCustomerAttr1->Grid);
            QCOMPARE(attributes->titles(), (QStringList{"Customer Attribute", "From Code", "To Code"}));
            QCOMPARE(d.BtSearch->text(), QString("Search"));
        });
        d.exec();
    }

    void customerSearchRemembersName()
    {
        TF_SearchCustomer d;
        whenModal([&](QDialog *) {
            type(d.CustomerName, "ค้าปลีก");
            press(Qt::Key_Return);
            press(Qt::Key_Escape);
        });
        d.exec();
        QCOMPARE(env->dm().LastCustomerName, QString("ค้าปลีก"));
        TF_SearchCustomer again;
        whenModal([&](QDialog *) { QCOMPARE(again.CustomerName->text(), QString("ค้าปลีก")); });
        again.exec();
    }

    void salesmanSearchWaitsForTheUser()
    {
        TF_SearchSalesman &d = KeptDialogs::get<TF_SearchSalesman>();
        whenModal([&](QDialog *) {
            QVERIFY(!d.Query->isOpen());
            clickTitle(d.ListData, 0); // NAME: chosen, but a title alone does not search
            QVERIFY(!d.Query->isOpen());
            QCOMPARE(d.SortChoice, 1);
            d.SCode->setFocus();
            press(Qt::Key_Return);
            QVERIFY(!d.Query->SQL.isEmpty());
            QCOMPARE(d.Query->SQL.last(), QString("Order By S.Name"));
            QCOMPARE(column(d.Query, "Code"), (QStringList{"S01", "S02"}));
            clickTitle(d.ListData, 1); // SURNAME chosen for the next search
            QCOMPARE(d.SortChoice, 2);
            QCOMPARE(column(d.Query, "Code"), (QStringList{"S01", "S02"}));
            d.SName->setFocus();
            press(Qt::Key_Return);
            QCOMPARE(d.Query->SQL.last(), QString("Order By S.SurName"));
            type(d.SName, "หญิง");
            press(Qt::Key_Return);
            press(Qt::Key_Return);
        });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(d.ChosenCode, QString("S02"));
    }

    void miscSearchSortsByTitle()
    {
        TF_SearchMisc &d = KeptDialogs::get<TF_SearchMisc>();
        d.MiscGroup = "CITY";
        whenModal([&](QDialog *) {
            QCOMPARE(column(d.Query, "code"), (QStringList{"BKK", "CBI", "CMI", "NBI"}));
            clickTitle(d.ListData, 1); // code: result column 2
            QVERIFY(d.Query->SQL.first().endsWith("Order By 2"));
            clickTitle(d.ListData, 1);
            QCOMPARE(column(d.Query, "code"), (QStringList{"NBI", "CMI", "CBI", "BKK"}));
            type(d.EnterString, "%");
            press(Qt::Key_Return);
            QCOMPARE(d.Query->rowCount(), 4);
        });
        d.exec();
    }
};

QTEST_MAIN(TestStandalone)
#include "test_standalone.moc"
