#include "AttrSelectors.h"
#include "DataSet.h"
#include "DialogDriver.h"
#include "Dm.h"
#include "KeptDialogs.h"
#include "LookupFrames.h"
#include "StandaloneSearches.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QGroupBox>
#include <QVBoxLayout>
#include <QtTest>

using namespace framework;

// Renders the vendor search with its attribute selector and a window with
// several lookup frames to PNG files, for a person to look at:
//   FRTRADE_SCREENSHOTS=<folder> build/tests/test_screens
// Without the variable the pictures go to the temporary working folder.
class TestScreens : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::TestEnvironment> env;

    QString target(const QString &name) const
    {
        const QString folder = qEnvironmentVariable("FRTRADE_SCREENSHOTS", env->workingFolder());
        QDir().mkpath(folder);
        return QDir(folder).filePath(name);
    }

private slots:
    void initTestCase() { env = std::make_unique<testsupport::TestEnvironment>(); }
    void cleanupTestCase()
    {
        env.reset(); // the kept vendor search goes when the program ends
    }

    void vendorSearchWithAttributes()
    {
        TFrSearchVendor &d = KeptDialogs::get<TFrSearchVendor>();
        QImage picture;
        dialogdriver::whenModal([&](QDialog *) {
            data::DataSet *list = d.FaSelectVendorAttr1->QAttrGroup;
            list->setValue(0, "BeginAttrCode", "CS");
            list->setValue(0, "EndAttrCode", "TR");
            d.VendorName->setFocus();
            dialogdriver::press(Qt::Key_Return);
            QCoreApplication::processEvents();
            picture = d.grab().toImage();
        });
        d.exec();
        QVERIFY(!picture.isNull());
        QVERIFY(picture.save(target("framework-vendor-search.png")));
    }

    void windowWithLookupFrames()
    {
        env->dm().QTax().reopen();
        QWidget window;
        window.setWindowTitle("รับเงินมัดจำ ต่างประเทศ");
        auto *record = new data::DataSet(env->company(),
                                         "Select Id, PreNo, PreDate, FrCustomer, Remark, TaxCode, Currency, "
                                         "CompanyBank From FrPreRcpt Where Id = 1",
                                         &window);
        record->open();
        auto *layout = new QVBoxLayout(&window);
        auto *docNo = new TFaGetDocNo(&window);
        auto *date = new TFaGetDate(&window);
        auto *customer = new TFaGetFrCustomer(&window);
        customer->Label1->setText("ลูกค้า");
        auto *remark = new TFaGetRemark(&window);
        auto *details = new QGroupBox("รายละเอียด", &window);
        auto *detailsLayout = new QVBoxLayout(details);
        auto *tax = new TFaGetTaxCode(details);
        auto *currency = new TFaGetCurrency(details);
        auto *bank = new TFaGetCompanyBank(details);
        detailsLayout->addWidget(tax);
        detailsLayout->addWidget(currency);
        detailsLayout->addWidget(bank);
        for (QWidget *w : std::initializer_list<QWidget *>{docNo, date, customer, remark, details})
            layout->addWidget(w);
        layout->addStretch(1);
        docNo->bind(record, "PreNo");
        date->bind(record, "PreDate");
        customer->bind(record, "FrCustomer");
        remark->bind(record, "Remark");
        tax->bind(record, "TaxCode");
        currency->bind(record, "Currency");
        bank->bind(record, "CompanyBank");
        window.resize(560, 330);
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        QCOMPARE(customer->LbDescription->text(), QString("Pacific Trading Inc."));
        QCOMPARE(bank->edit()->text(), QString("KB-USD"));
        const QImage picture = window.grab().toImage();
        QVERIFY(picture.save(target("framework-lookup-frames.png")));
    }
};

QTEST_MAIN(TestScreens)
#include "test_screens.moc"
