#include "Connection.h"
#include "DbError.h"
#include "DialogDriver.h"
#include "Dm.h"
#include "DmConfig.h"
#include "FrSearch.h"
#include "FrSimpleSearch.h"
#include "KeptDialogs.h"
#include "LookupFrames.h"
#include "SearchMembers.h"
#include "TestEnvironment.h"

#include <QtTest>

using namespace framework;
using namespace dialogdriver;

// The search base and its members, driven as a user would: typed filters,
// Enter, Esc, Down, double click, title sorting, row colours, refusal of
// cancelled documents and the purge.
class TestSearch : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::TestEnvironment> env;
    QString year2() const { return QString::number(QDate::currentDate().year() % 100).rightJustified(2, '0'); }

    QStringList listed(TFrSearch &d, const QString &field)
    {
        QStringList values;
        d.QSearch->fetchAll();
        for (int r = 0; r < d.QSearch->rowCount(); ++r)
            values.append(d.QSearch->value(r, field).toString());
        return values;
    }

private slots:
    void init() { env = std::make_unique<testsupport::TestEnvironment>(); }
    void cleanup()
    {
        KeptDialogs::releaseAll();
        env.reset();
    }

    void titleSortAlternates_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("orderLine");
        QTest::newRow("first click ascending") << QStringList{"NAME"} << "Order By 3";
        QTest::newRow("second click descending") << QStringList{"NAME", "NAME"} << "Order By 3 Desc";
        QTest::newRow("third click ascending") << QStringList{"NAME", "NAME", "NAME"} << "Order By 3";
        QTest::newRow("other column ascending") << QStringList{"NAME", "NAME", "CODE"} << "Order By 3";
        QTest::newRow("back and forth") << QStringList{"NAME", "CODE", "NAME"} << "Order By 3";
    }
    void titleSortAlternates()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, orderLine);
        SortState state;
        QStringList sql = {"Select Id, Code, Name From T", "Where (x)", "Order By Code"};
        for (const QString &c : clicks)
            sortByTitle(sql, c, 3, state);
        QCOMPARE(sql.at(2), orderLine);
        QCOMPARE(sql.at(0), QString("Select Id, Code, Name From T"));
    }

    void simpleSearchBuildsStatementFromNames()
    {
        TFrSimpleSearch &d = KeptDialogs::get<TFrSimpleSearch>();
        d.SearchCaption = "  ";
        d.ExtraCondition = "Blocked<>'Y'";
        d.SearchTable = "Expense";
        whenModal([&](QDialog *) {
            QCOMPARE(d.windowTitle(), QString("Search"));
            QCOMPARE(d.QSearch->SQL.value(1), QString("And (Blocked<>'Y')"));
            QVERIFY(d.QSearch->SQL.value(2).startsWith("Order By Description"));
            QVERIFY(d.QSearch->SQL.value(0).contains("Description Like :GetCode"));
            QCOMPARE(d.ReturnField, QString("Code"));
            type(d.Code, "ค่าพิธี");
            press(Qt::Key_Return); // search
            QCOMPARE(listed(d, "Code"), QStringList{"CUS"});
            press(Qt::Key_Return); // pick on the grid
        });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(d.ReturnValue, QString("CUS"));
        // Through the shared data module, blank names mean Description/Code.
        whenModal([&](QDialog *) {
            press(Qt::Key_Return);
            QVERIFY(listed(d, "Code").contains("OLD"));
            d.DgSearch->setCurrentRow(int(listed(d, "Code").indexOf("OLD")));
            press(Qt::Key_Return);
        });
        QVERIFY(env->dm().OpenSimpleSearch("ค้นหารหัสค่าใช้จ่าย", "", "", "", "Expense"));
        QCOMPARE(env->dm().SimpleSearchValue(), QString("OLD"));
    }

    void keysEscDownAndDoubleClick()
    {
        TFrSearchFrCustomer &d = KeptDialogs::get<TFrSearchFrCustomer>();
        whenModal([&](QDialog *) { press(Qt::Key_Escape); });
        QCOMPARE(d.exec(), int(QDialog::Rejected));
        QVERIFY(d.ReturnValue.isEmpty());

        whenModal([&](QDialog *) {
            type(d.Code, "GMBH");
            press(Qt::Key_Return);
            d.Code->setFocus();
            press(Qt::Key_Down);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(d.DgSearch));
            doubleClickRow(d.DgSearch, 0);
        });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(d.ReturnValue, QString("FC002"));

        // OK on an empty list is a Cancel with nothing returned.
        whenModal([&](QDialog *) {
            type(d.Code, "no such name");
            press(Qt::Key_Return);
            QVERIFY(d.QSearch->isEmpty());
            d.BtOk->click();
        });
        QCOMPARE(d.exec(), int(QDialog::Rejected));
        QVERIFY(d.ReturnValue.isEmpty());
    }

    void depositNumberEndsWithAndFilters()
    {
        auto &c = env->company();
        c.execute("update FrPreRcpt set Clear = 'Y' where Id = 2");
        TFrSearchFrPreRcpt &d = KeptDialogs::get<TFrSearchFrPreRcpt>();
        d.DelTable = "FrPreRcpt";
        d.OpenOnly = false;
        d.BeginBalanceOnly = false;
        d.PartyId = 0;
        whenModal([&](QDialog *) {
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(d.FaGetFrCustomer1->edit()));
            type(d.Code, "2");
            press(Qt::Key_Return);
            QCOMPARE(listed(d, "PreNo"), QStringList{QString("PR%1-0000002").arg(year2())});
            type(d.Code, "");
            press(Qt::Key_Return);
            // Brought-forward deposit 3 is not listed in this window.
            QCOMPARE(listed(d, "PreNo").size(), 2);
        });
        d.exec();
        // From a receipt line: only the customer's open deposits.
        d.PartyId = 1;
        d.OpenOnly = true;
        whenModal([&](QDialog *) {
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(d.Code));
            QCOMPARE(d.FaGetFrCustomer1->edit()->text(), QString("FC001"));
            press(Qt::Key_Return);
            QCOMPARE(listed(d, "PreNo"), QStringList{QString("PR%1-0000001").arg(year2())});
        });
        d.exec();
        // Brought-forward only.
        d.PartyId = 0;
        d.OpenOnly = false;
        d.BeginBalanceOnly = true;
        whenModal([&](QDialog *) {
            press(Qt::Key_Return);
            QCOMPARE(listed(d, "PreNo"), QStringList{QString("PR%1-0000003").arg(year2())});
        });
        d.exec();
    }

    void cancelledDocumentIsRefusedAndDialogStaysOpen()
    {
        env->company().execute("update FrPrePaid set Delflag = 'Y' where Id = 1");
        TFrSearchFrPrePdPt &d = KeptDialogs::get<TFrSearchFrPrePdPt>();
        d.BeginBalanceOnly = false;
        bool stayedOpen = false;
        whenModal([&](QDialog *) {
            press(Qt::Key_Return);
            QCOMPARE(d.DgSearchGetCellParams(0), RowColour::Red);
            press(Qt::Key_Return); // pick the cancelled one
            stayedOpen = d.isVisible();
            QCOMPARE(env->prompter().texts(), QStringList{"เอกสารถูกยกเลิกแล้ว"});
            QVERIFY(d.ReturnValue.isEmpty());
        });
        QCOMPARE(d.exec(), int(QDialog::Rejected));
        QVERIFY(stayedOpen);
    }

    void cancelReasonIsShownSecond()
    {
        TFrSearch d;
        d.ReturnField = "No";
        d.QSearch->SQL = {"Select 1 Id, 'A1' No, 'Y' DelFlag, 'ลูกค้ายกเลิก' DelRemark From NullTable",
                          "Union All Select 2, 'A2', 'N', '' From NullTable"};
        whenModal([&](QDialog *) {
            press(Qt::Key_Return);
            press(Qt::Key_Return);
            QCOMPARE(env->prompter().texts(), (QStringList{"เอกสารถูกยกเลิกแล้ว", "สาเหตุยกเลิก : ลูกค้ายกเลิก"}));
            QVERIFY(d.isVisible());
            d.DgSearch->setCurrentRow(1);
            press(Qt::Key_Return);
        });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(d.ReturnValue, QString("A2"));
    }

    void englishUserSeesEnglishRefusal()
    {
        env->signOn(4, 101); // ENGLISH: English prompts
        TFrSearch d;
        d.ReturnField = "No";
        d.QSearch->SQL = {"Select 1 Id, 'A1' No, 'Y' DelFlag From NullTable"};
        whenModal([&](QDialog *) {
            QCOMPARE(d.BtOk->text(), QString("Choose"));
            press(Qt::Key_Return);
            press(Qt::Key_Return);
        });
        d.exec();
        QCOMPARE(env->prompter().texts(), QStringList{"Document Was Deleted"});
    }

    void rowColours_data()
    {
        QTest::addColumn<QString>("columns");
        QTest::addColumn<int>("colour");
        QTest::newRow("cancelled") << "'Y' DelFlag, 'Y' Clear" << int(RowColour::Red);
        QTest::newRow("live with clear: never blue") << "'N' DelFlag, 'Y' Clear" << int(RowColour::Normal);
        QTest::newRow("cleared") << "'Y' Clear, 'N' Active" << int(RowColour::Blue);
        QTest::newRow("not cleared") << "'N' Clear" << int(RowColour::Normal);
        QTest::newRow("inactive") << "'N' Active" << int(RowColour::Red);
        QTest::newRow("active") << "'Y' Active" << int(RowColour::Normal);
        QTest::newRow("none of them") << "'Y' Other" << int(RowColour::Own);
    }
    void rowColours()
    {
        QFETCH(QString, columns);
        QFETCH(int, colour);
        TFrSearch d;
        d.QSearch->SQL = {"Select 1 Id, " + columns + " From NullTable"};
        d.runSearch();
        QCOMPARE(int(d.DgSearchGetCellParams(0)), colour);
    }

    void titleClicksSortAndSkipRemark()
    {
        TFrSearchFrPreRcpt &d = KeptDialogs::get<TFrSearchFrPreRcpt>();
        d.BeginBalanceOnly = false;
        d.PartyId = 0;
        whenModal([&](QDialog *) {
            press(Qt::Key_Return);
            // View column 3 is Name (result column 5).
            clickTitle(d.DgSearch, 3);
            QCOMPARE(d.QSearch->SQL.last(), QString("Order By 5"));
            QCOMPARE(listed(d, "Name"), (QStringList{"Pacific Trading Inc.", "Rhein Handels GmbH"}));
            clickTitle(d.DgSearch, 3);
            QCOMPARE(d.QSearch->SQL.last(), QString("Order By 5 Desc"));
            QCOMPARE(listed(d, "Name"), (QStringList{"Rhein Handels GmbH", "Pacific Trading Inc."}));
            clickTitle(d.DgSearch, 3);
            QCOMPARE(d.QSearch->SQL.last(), QString("Order By 5"));
            clickTitle(d.DgSearch, 6); // Remark: ignored
            QCOMPARE(d.QSearch->SQL.last(), QString("Order By 5"));
            clickTitle(d.DgSearch, 0);
            QCOMPARE(d.QSearch->SQL.last(), QString("Order By 2"));
        });
        d.exec();
        // The state is shared: another dialog's first click on PRENO sorts descending.
        QCOMPARE(TFrSearch::sharedSort().LastSortField, QString("PRENO"));
    }

    void purgeDeletesLinesThenHeaderAfterTwoYes()
    {
        auto &c = env->company();
        c.execute("update SoHd set DelFlag = 'Y' where Id = 1");
        QCOMPARE(c.scalar("select count(*) from SoShip where SoHd = 1").toInt(), 1);
        TFrSearchSoNoService d;
        d.DelTable = "SoHd";
        d.SoType = "S";
        const auto purgeFirstRow = [&] {
            press(Qt::Key_Return);
            const int row = int(listed(d, "Id").indexOf("1"));
            QVERIFY(row >= 0);
            d.DgSearch->setCurrentRow(row);
            try {
                d.DgSearchMouseDown(Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
            } catch (const std::exception &e) {
                QFAIL(e.what());
            }
        };
        // A No to the second question keeps everything.
        env->prompter().answer(true);
        env->prompter().answer(false);
        whenModal([&](QDialog *) { purgeFirstRow(); });
        d.exec();
        QCOMPARE(env->prompter().texts(), (QStringList{"Confirm Delete #1/2 ?", "Confirm Delete #2/2 ?"}));
        QCOMPARE(env->prompter().shown.first().background, QColor(Qt::blue));
        QCOMPARE(c.scalar("select count(*) from SoHd where Id = 1").toInt(), 1);

        env->prompter().clear();
        whenModal([&](QDialog *) {
            purgeFirstRow();
            QCOMPARE(listed(d, "Id"), QStringList{"2"}); // list refreshed
        });
        d.exec();
        QCOMPARE(c.scalar("select count(*) from SoShip where SoHd = 1").toInt(), 0);
        QCOMPARE(c.scalar("select count(*) from SoHd where Id = 1").toInt(), 0);

        // A live row is never purged, whatever is answered.
        env->prompter().clear();
        whenModal([&](QDialog *) {
            press(Qt::Key_Return);
            QTest::mouseClick(d.DgSearch->viewport(), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier,
                              d.DgSearch->visualRect(d.DgSearch->model()->index(0, 0)).center());
        });
        d.exec();
        QVERIFY(env->prompter().texts().isEmpty());
        QCOMPARE(c.scalar("select count(*) from SoHd where Id = 2").toInt(), 1);
    }

    void purgeOfHeaderFailureKeepsLines()
    {
        // The lines and the header go together: when the header cannot be
        // deleted, its lines stay too.
        auto &c = env->company();
        c.execute("update SoHd set DelFlag = 'Y' where Id = 1");
        c.execute("create trigger KeepSoHd before delete on SoHd begin select raise(abort, 'refused'); end");
        TFrSearch d;
        d.DelTable = "SoHd";
        d.QSearch->SQL = {"Select Id, SoNo, DelFlag From SoHd Where Id = 1"};
        d.runSearch();
        QVERIFY_THROWS_EXCEPTION(data::DbError,
                                 d.DgSearchMouseDown(Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier));
        QCOMPARE(c.scalar("select count(*) from SoShip where SoHd = 1").toInt(), 1);
        QCOMPARE(c.scalar("select count(*) from SoHd where Id = 1").toInt(), 1);
        QVERIFY(!c.inTransaction());
        // Only a Shift+Ctrl+right press purges.
        c.execute("drop trigger KeepSoHd");
        d.runSearch();
        d.DgSearchMouseDown(Qt::RightButton, Qt::ControlModifier);
        d.DgSearchMouseDown(Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(c.scalar("select count(*) from SoHd where Id = 1").toInt(), 1);
    }

    // Quotes, percent signs and SQL fragments typed into every member's
    // filter are values, never statement text.
    void typedQuotesNeverBreakStatements_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("quote") << "O'Brien";
        QTest::newRow("percent") << "50%";
        QTest::newRow("injection") << "x') Or (1=1) --";
    }
    void typedQuotesNeverBreakStatements()
    {
        QFETCH(QString, text);
        std::vector<std::unique_ptr<TFrSearch>> dialogs;
        dialogs.emplace_back(new TFrSearchMisc);
        dialogs.emplace_back(new TFrSearchCompanyBank);
        dialogs.emplace_back(new TFrSearchProject);
        dialogs.emplace_back(new TFrSearchPrettyCash);
        dialogs.emplace_back(new TFrSearchEmployee);
        dialogs.emplace_back(new TFrSearchFrCustomer);
        dialogs.emplace_back(new TFrSearchFrVendor);
        dialogs.emplace_back(new TFrSearchFrPreRcpt);
        dialogs.emplace_back(new TFrSearchFrPrePdPt);
        dialogs.emplace_back(new TFrSearchExIvNo);
        dialogs.emplace_back(new TFrSearchFrRc);
        dialogs.emplace_back(new TFrSearchFrPD);
        dialogs.emplace_back(new TFrSearchImNo);
        dialogs.emplace_back(new TFrSearchWorkorder);
        dialogs.emplace_back(new TFrSearchSoNoService);
        dialogs.emplace_back(new TFrSearchFrMiscPdNo);
        dialogs.emplace_back(new TFrSearchWHTAX);
        dialogs.emplace_back(new TFrSimpleSearch);
        static_cast<TFrSimpleSearch *>(dialogs.back().get())->SearchTable = "Expense";
        static_cast<TFrSearchWorkorder *>(dialogs[13].get())->FinishedGood->setText(text);
        for (auto &d : dialogs) {
            whenModal([&](QDialog *) {
                d->Code->setText(text);
                try {
                    d->BtSearchClick();
                } catch (const std::exception &e) {
                    QFAIL(qPrintable(d->objectName() + ": " + e.what()));
                }
                const bool matchesAll = text == "50%" ? true : d->QSearch->isEmpty();
                QVERIFY2(matchesAll, qPrintable(d->objectName()));
                press(Qt::Key_Escape);
            });
            d->exec();
        }
    }

    void receiptSearchNarrowsByTypedText()
    {
        auto &c = env->company();
        c.execute(QString("insert into FrRCHD (RcNo, RcDate, FrCustomer, RcAmount, Currency) values "
                          "('RC%1-0000001', '2026-01-10 00:00:00', 1, 100, 1), "
                          "('RC%1-0000002', '2026-01-11 00:00:00', 2, 200, 2)")
                      .arg(year2()));
        TFrSearchFrRc &d = KeptDialogs::get<TFrSearchFrRc>();
        whenModal([&](QDialog *) {
            QVERIFY(!d.FaGetFrCustomer1->edit()->isEnabled());
            press(Qt::Key_Return);
            QCOMPARE(listed(d, "RcNo").size(), 2);
            type(d.Code, "1");
            press(Qt::Key_Return);
            QCOMPARE(listed(d, "RcNo"), QStringList{QString("RC%1-0000001").arg(year2())});
            type(d.Code, "RHEIN");
            press(Qt::Key_Return);
            QCOMPARE(listed(d, "Customer"), QStringList{"FC002 - Rhein Handels GmbH"});
        });
        d.exec();
    }

    void miscPaymentSearchKeepsItsOwnSort()
    {
        auto &c = env->company();
        c.execute("insert into FrMiscPdHd (PdNo, PdDate, Total, Reference, Remark) values "
                  "('MP-0001', '2026-01-05 00:00:00', 100, 'REF-B', 'b'), "
                  "('MP-0002', '2026-01-04 00:00:00', 200, 'REF-A', 'a')");
        TFrSearch::sharedSort() = SortState{};
        TFrSearchFrMiscPdNo d;
        whenModal([&](QDialog *) {
            type(d.Code, "1");
            press(Qt::Key_Return);
            QCOMPARE(listed(d, "PdNo"), QStringList{"MP-0001"});
            type(d.Code, "");
            press(Qt::Key_Return);
            // Ordered by date, then number descending.
            QCOMPARE(listed(d, "PdNo"), (QStringList{"MP-0002", "MP-0001"}));
            clickTitle(d.DgSearch, 4); // Reference: not sortable here
            QCOMPARE(d.QSearch->SQL.last(), QString("Order By H.PdDate, H.PdNo Desc"));
            clickTitle(d.DgSearch, 5); // Remark is sortable here
            QCOMPARE(d.QSearch->SQL.last(), QString("Order By 7"));
            QCOMPARE(listed(d, "PdNo"), (QStringList{"MP-0002", "MP-0001"}));
            clickTitle(d.DgSearch, 5);
            QCOMPARE(listed(d, "PdNo"), (QStringList{"MP-0001", "MP-0002"}));
        });
        d.exec();
        QVERIFY(TFrSearch::sharedSort().LastSortField.isEmpty()); // its own pair of variables
        QCOMPARE(d.ReturnField, QString("PdNo"));
    }

    void serviceNumberF5OpensServiceSearch()
    {
        TFrSearchFrMiscPdNo d;
        QString caption, delTable, soType;
        whenModal([&](QDialog *) {
            d.ServiceNo->setFocus();
            whenModal([&](QDialog *inner) {
                auto *service = qobject_cast<TFrSearchSoNoService *>(inner);
                QVERIFY(service);
                caption = service->windowTitle();
                delTable = service->DelTable;
                soType = service->SoType;
                type(service->Code, "SV");
                press(Qt::Key_Return); // search; the first row takes the focus
                press(Qt::Key_Return); // pick it
            });
            press(Qt::Key_F5);
            QCOMPARE(d.ServiceNo->text(), QString("SV%1-00002").arg(year2())); // newest first
            QCOMPARE(d.focusWidget(), d.ServiceNo);
        });
        d.exec();
        QCOMPARE(caption, QString("ค้นหาใบบริการ"));
        QCOMPARE(delTable, QString("SoHd"));
        QCOMPARE(soType, QString("S"));
    }

    void memberShowSteps_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("returnField");
        QTest::addColumn<bool>("searchesOnShow");
        QTest::newRow("project") << "project"
                                 << "ค้นหา หน่วยงานโครงการ"
                                 << "CODE" << true;
        QTest::newRow("petty cash") << "prettycash"
                                    << "ค้นหารหัสเงินสดย่อย"
                                    << "CODE" << true;
        QTest::newRow("employee") << "employee"
                                  << "ค้นหารายชื่อพนักงาน"
                                  << "CODE" << true;
        QTest::newRow("company bank") << "bank"
                                      << "ค้นหาธนาคารของกิจการ"
                                      << "BankCode" << false;
        QTest::newRow("export invoice") << "exiv"
                                        << "Search Invoice No."
                                        << "IvNO" << false;
        QTest::newRow("import") << "im"
                                << "ค้นหาใบนำเข้าสินค้าจากต่างประเทศ"
                                << "ImNo" << false;
        QTest::newRow("payment") << "pd"
                                 << "ค้นหาข้อมูล"
                                 << "PDNo" << false;
        QTest::newRow("work order") << "wo"
                                    << "ค้นหาสั่งผลิต"
                                    << "WorkOrderNo" << false;
        QTest::newRow("withholding tax") << "wht"
                                         << "ค้นหาภาษีถูกหัก ณ ที่จ่าย"
                                         << "Code" << false;
        QTest::newRow("pre-payment") << "prepaid"
                                     << "คันหาข้อมูล"
                                     << "PreNo" << false;
    }
    void memberShowSteps()
    {
        QFETCH(QString, member);
        QFETCH(QString, caption);
        QFETCH(QString, returnField);
        QFETCH(bool, searchesOnShow);
        std::unique_ptr<TFrSearch> d;
        if (member == "project")
            d.reset(new TFrSearchProject);
        else if (member == "prettycash")
            d.reset(new TFrSearchPrettyCash);
        else if (member == "employee")
            d.reset(new TFrSearchEmployee);
        else if (member == "bank")
            d.reset(new TFrSearchCompanyBank);
        else if (member == "exiv")
            d.reset(new TFrSearchExIvNo);
        else if (member == "im")
            d.reset(new TFrSearchImNo);
        else if (member == "pd")
            d.reset(new TFrSearchFrPD);
        else if (member == "wo")
            d.reset(new TFrSearchWorkorder);
        else if (member == "wht")
            d.reset(new TFrSearchWHTAX);
        else
            d.reset(new TFrSearchFrPrePdPt);
        whenModal([&](QDialog *) {
            QCOMPARE(d->windowTitle(), caption);
            QCOMPARE(d->ReturnField, returnField);
            QCOMPARE(d->QSearch->isOpen(), searchesOnShow);
            press(Qt::Key_Return);
            QVERIFY(d->QSearch->isOpen());
        });
        d->exec();
    }

    void keptDialogKeepsPresets()
    {
        TFrSearchFrPreRcpt &first = KeptDialogs::get<TFrSearchFrPreRcpt>();
        first.PartyId = 2;
        first.OpenOnly = true;
        TFrSearchFrPreRcpt &again = KeptDialogs::get<TFrSearchFrPreRcpt>();
        QCOMPARE(&first, &again);
        QCOMPARE(again.PartyId, 2);
        QVERIFY(again.OpenOnly);
    }
};

QTEST_MAIN(TestSearch)
#include "test_search.moc"
