#include "Utility.h"

#include <QtTest>

using namespace app;

// Amount-in-words, rounding on decimal digits and padding.
class TestUtility : public QObject {
    Q_OBJECT

    // The English tables write each blank as a visible mark.
    static QString blanks(QString text) { return text.replace(u'_', u' '); }

private slots:
    void thaiWords_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("baht");
        QTest::addColumn<QString>("number");
        QTest::newRow("1234.50") << 1234.50 << "หนึ่งพันสองร้อยสามสิบสี่บาทห้าสิบสตางค์"
                                 << "หนึ่งพันสองร้อยสามสิบสี่จุดห้าสิบ";
        QTest::newRow("21.01") << 21.01 << "ยี่สิบเอ็ดบาทหนึ่งสตางค์"
                               << "ยี่สิบเอ็ดจุดหนึ่ง";
        QTest::newRow("100") << 100.0 << "หนึ่งร้อยบาทถ้วน"
                             << "หนึ่งร้อย";
        QTest::newRow("101") << 101.0 << "หนึ่งร้อยหนึ่งบาทถ้วน"
                             << "หนึ่งร้อยหนึ่ง";
        QTest::newRow("111") << 111.0 << "หนึ่งร้อยสิบเอ็ดบาทถ้วน"
                             << "หนึ่งร้อยสิบเอ็ด";
        QTest::newRow("1000001") << 1000001.0 << "หนึ่งล้านหนึ่งบาทถ้วน"
                                 << "หนึ่งล้านหนึ่ง";
        QTest::newRow("12345678.90") << 12345678.90 << "สิบสองล้านสามแสนสี่หมื่นห้าพันหกร้อยเจ็ดสิบแปดบาทเก้าสิบสตางค์"
                                     << "สิบสองล้านสามแสนสี่หมื่นห้าพันหกร้อยเจ็ดสิบแปดจุดเก้าสิบ";
        QTest::newRow("0.75") << 0.75 << "บาทเจ็ดสิบห้าสตางค์"
                              << "จุดเจ็ดสิบห้า";
        QTest::newRow("0") << 0.0 << ""
                           << "";
        QTest::newRow("11 million") << 11000021.0 << "สิบเอ็ดล้านยี่สิบเอ็ดบาทถ้วน"
                                    << "สิบเอ็ดล้านยี่สิบเอ็ด";
        QTest::newRow("int max") << 2147483647.0 << "สองพันหนึ่งร้อยสี่สิบเจ็ดล้านสี่แสนแปดหมื่นสามพันหกร้อยสี่สิบเจ็ดบาทถ้วน"
                                 << "สองพันหนึ่งร้อยสี่สิบเจ็ดล้านสี่แสนแปดหมื่นสามพันหกร้อยสี่สิบเจ็ด";
        QTest::newRow("satang carry") << 9.999 << "สิบบาทถ้วน"
                                      << "สิบ";
        QTest::newRow("negative") << -21.01 << "ลบยี่สิบเอ็ดบาทหนึ่งสตางค์"
                                  << "ลบยี่สิบเอ็ดจุดหนึ่ง";
    }
    void thaiWords()
    {
        QFETCH(double, amount);
        QFETCH(QString, baht);
        QFETCH(QString, number);
        QCOMPARE(ThaiBahtText(2, amount), baht);
        QCOMPARE(ThaiNumberText(2, amount), number);
    }

    void englishWords_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("baht");
        QTest::addColumn<QString>("number");
        QTest::newRow("1234.50") << 1234.50 << "ONE__THOUSAND_TWO__HUNDRED_THIRTY_FOUR__BAHT__AND_FIFTY__SATANG"
                                 << "ONE__THOUSAND_TWO__HUNDRED_THIRTY_FOUR___POINT_FIFTY__";
        QTest::newRow("21.01") << 21.01 << "TWENTY_ONE__BAHT__AND_ONE__SATANG"
                               << "TWENTY_ONE___POINT_ONE__";
        QTest::newRow("100") << 100.0 << "ONE__HUNDRED__BAHT__ONLY"
                             << "ONE__HUNDRED___ONLY";
        QTest::newRow("15000") << 15000.0 << "FIFTEEN__THOUSAND__BAHT__ONLY"
                               << "FIFTEEN__THOUSAND___ONLY";
        QTest::newRow("2000000") << 2000000.0 << "TWO__MILLION__BAHT__ONLY"
                                 << "TWO__MILLION___ONLY";
        QTest::newRow("0.75") << 0.75 << "_BAHT__AND_SEVENTY_FIVE__SATANG"
                              << "__POINT_SEVENTY_FIVE__";
        QTest::newRow("40040") << 40040.0 << "FOURTY__THOUSAND_FOURTY__BAHT__ONLY"
                               << "FOURTY__THOUSAND_FOURTY___ONLY";
        QTest::newRow("123456789") << 123456789.0
                                   << "ONE__HUNDRED_TWENTY_THREE__MILLION_FOUR__HUNDRED_FIFTY_SIX__THOUSAND_SEVEN__"
                                      "HUNDRED_EIGHTY_NINE__BAHT__ONLY"
                                   << "ONE__HUNDRED_TWENTY_THREE__MILLION_FOUR__HUNDRED_FIFTY_SIX__THOUSAND_SEVEN__"
                                      "HUNDRED_EIGHTY_NINE___ONLY";
        QTest::newRow("negative") << -100.0 << "MINUS_ONE__HUNDRED__BAHT__ONLY"
                                  << "MINUS_ONE__HUNDRED___ONLY";
        QTest::newRow("0") << 0.0 << ""
                           << "";
    }
    void englishWords()
    {
        QFETCH(double, amount);
        QFETCH(QString, baht);
        QFETCH(QString, number);
        QCOMPARE(EnglishBahtText(2, amount), blanks(baht));
        QCOMPARE(EnglishNumberText(2, amount), blanks(number));
    }

    void zeroDecimalsSpellTheRoundedWhole()
    {
        QCOMPARE(ThaiBahtText(0, 1234.5), QStringLiteral("หนึ่งพันสองร้อยสามสิบห้าบาทถ้วน"));
        QCOMPARE(EnglishBahtText(0, 21.4), QStringLiteral("TWENTY ONE  BAHT  ONLY"));
    }

    void amountsBeyond32BitsThrow_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<int>("decimals");
        QTest::newRow("just above") << 2147483648.0 << 2;
        QTest::newRow("negative") << -3e9 << 2;
        QTest::newRow("huge") << 1e30 << 2;
        QTest::newRow("fraction digits") << 1.5 << 12;
        QTest::newRow("not a number") << std::nan("") << 2;
    }
    void amountsBeyond32BitsThrow()
    {
        QFETCH(double, amount);
        QFETCH(int, decimals);
        QVERIFY_THROWS_EXCEPTION(AmountOutOfRange, ThaiBahtText(decimals, amount));
        QVERIFY_THROWS_EXCEPTION(AmountOutOfRange, ThaiNumberText(decimals, amount));
        QVERIFY_THROWS_EXCEPTION(AmountOutOfRange, EnglishBahtText(decimals, amount));
        QVERIFY_THROWS_EXCEPTION(AmountOutOfRange, EnglishNumberText(decimals, amount));
    }

    void roundHalfUp_data()
    {
        QTest::addColumn<int>("precision");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("2.675 up") << 15 << 2 << 2.675 << 2.68;
        QTest::newRow("2.674 down") << 15 << 2 << 2.674 << 2.67;
        QTest::newRow("negative away from zero") << 15 << 2 << -1.235 << -1.24;
        QTest::newRow("whole unchanged") << 15 << 2 << 5.0 << 5.0;
        QTest::newRow("carry into integer") << 15 << 2 << 9.995 << 10.0;
        QTest::newRow("1.005 up") << 15 << 2 << 1.005 << 1.01;
        QTest::newRow("large") << 15 << 2 << 1234567.125 << 1234567.13;
        QTest::newRow("precision 18") << 18 << 2 << 0.125 << 0.13;
        QTest::newRow("zero decimals") << 15 << 0 << 2.5 << 3.0;
        QTest::newRow("tiny") << 15 << 2 << 0.004 << 0.0;
    }
    void roundHalfUp()
    {
        QFETCH(int, precision);
        QFETCH(int, decimals);
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(RoundHalfUp(precision, decimals, value), expected);
    }

    void padLeft_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<QChar>("pad");
        QTest::addColumn<QString>("expected");
        QTest::newRow("month") << "7" << 2 << QChar(u'0') << "07";
        QTest::newRow("document number") << "AB12" << 8 << QChar(u' ') << "    AB12";
        QTest::newRow("cut") << "ABCDEFGHIJ" << 8 << QChar(u' ') << "ABCDEFGH";
        QTest::newRow("trimmed first") << "  AB  " << 4 << QChar(u' ') << "  AB";
        QTest::newRow("exact") << "ABCD" << 4 << QChar(u' ') << "ABCD";
    }
    void padLeft()
    {
        QFETCH(QString, text);
        QFETCH(int, length);
        QFETCH(QChar, pad);
        QFETCH(QString, expected);
        QCOMPARE(PadLeft(text, length, pad), expected);
    }

    void yearAndMonth()
    {
        QCOMPARE(YearOf(QDate(2026, 12, 31)), 2026);
        QCOMPARE(MonthOf(QDate(2026, 12, 31)), 12);
        QCOMPARE(MonthOf(QDate(2027, 1, 1)), 1);
    }
};

QTEST_GUILESS_MAIN(TestUtility)
#include "test_utility.moc"
