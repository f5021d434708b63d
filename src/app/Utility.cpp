#include "Utility.h"

#include <QStringList>
#include <climits>
#include <cmath>

namespace app {

namespace {

// A decimal number as text: sign, integer digits and fraction digits.
struct DecimalText {
    bool negative = false;
    QString integer;
    QString fraction;
};

// Adds one unit of the last digit of `digits` (a run of decimal digits);
// returns true when the carry runs out of the front.
bool incrementDigits(QString &digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] == u'9') {
            digits[i] = u'0';
        } else {
            digits[i] = QChar(digits[i].unicode() + 1);
            return false;
        }
    }
    return true;
}

// Writes `value` with `significant` digits, then rounds those digits half up
// to `decimals` places: the fixed notation of the report engine of old, which
// decides on the decimal digits rather than on the binary value.
DecimalText fixedText(double value, int significant, int decimals)
{
    significant = std::max(significant, 1);
    decimals = std::max(decimals, 0);
    DecimalText out;
    out.negative = std::signbit(value);
    const QString scientific = QString::number(std::fabs(value), 'e', significant - 1);
    const qsizetype ePos = scientific.indexOf(u'e');
    QString digits = scientific.left(ePos);
    digits.remove(u'.');
    const int exponent = scientific.mid(ePos + 1).toInt();

    if (exponent >= 0) {
        if (digits.size() < exponent + 1)
            digits += QString(exponent + 1 - digits.size(), u'0');
        out.integer = digits.left(exponent + 1);
        out.fraction = digits.mid(exponent + 1);
    } else {
        out.integer = QStringLiteral("0");
        out.fraction = QString(-exponent - 1, u'0') + digits;
    }

    if (out.fraction.size() > decimals) {
        const bool roundUp = out.fraction[decimals] >= u'5';
        out.fraction.truncate(decimals);
        if (roundUp && incrementDigits(out.fraction) && incrementDigits(out.integer))
            out.integer.prepend(u'1');
    } else {
        out.fraction += QString(decimals - out.fraction.size(), u'0');
    }
    return out;
}

int toSpellableInt(const QString &digits, double amount)
{
    bool ok = false;
    const qulonglong n = digits.isEmpty() ? 0 : digits.toULongLong(&ok);
    if ((!digits.isEmpty() && !ok) || n > static_cast<qulonglong>(INT_MAX))
        throw AmountOutOfRange(QStringLiteral("Amount %1 is too large to be written in words (limit 2,147,483,647)")
                                   .arg(QString::number(amount, 'f', 2))
                                   .toStdString());
    return static_cast<int>(n);
}

// The integer and fraction parts of an amount as the word functions read them.
struct AmountParts {
    bool negative = false;
    int integer = 0;
    int fraction = 0;
};

AmountParts splitAmount(int decimals, double amount)
{
    if (!std::isfinite(amount))
        throw AmountOutOfRange("Amount is not a number and cannot be written in words");
    const DecimalText text = fixedText(amount, 18, decimals);
    AmountParts parts;
    parts.negative = amount < 0;
    parts.integer = toSpellableInt(text.integer, amount);
    parts.fraction = toSpellableInt(text.fraction, amount);
    return parts;
}

const QStringList &thaiDigits()
{
    static const QStringList words{QString(),
                                   QStringLiteral("หนึ่ง"),
                                   QStringLiteral("สอง"),
                                   QStringLiteral("สาม"),
                                   QStringLiteral("สี่"),
                                   QStringLiteral("ห้า"),
                                   QStringLiteral("หก"),
                                   QStringLiteral("เจ็ด"),
                                   QStringLiteral("แปด"),
                                   QStringLiteral("เก้า")};
    return words;
}

const QString thaiTen = QStringLiteral("สิบ");
const QString thaiMillion = QStringLiteral("ล้าน");

bool endsWithThaiPlaceWord(const QString &text)
{
    for (const char16_t *place : {u"ร้อย", u"ล้าน", u"พัน", u"แสน", u"หมื่น"})
        if (text.endsWith(QString::fromUtf16(place)))
            return true;
    return false;
}

QString thaiWords(int n)
{
    if (n <= 0)
        return {};
    const QStringList &digit = thaiDigits();
    QString text;
    const int millions = n / 1000000;
    if (millions >= 1 && millions <= 9)
        text += digit[millions] + thaiMillion;
    else if (millions > 9)
        text += thaiWords(millions) + thaiMillion;

    int rest = n % 1000000;
    static const struct {
        int unit;
        const char16_t *word;
    } places[] = {{100000, u"แสน"}, {10000, u"หมื่น"}, {1000, u"พัน"}, {100, u"ร้อย"}};
    for (const auto &place : places) {
        const int d = rest / place.unit;
        rest %= place.unit;
        if (d != 0)
            text += digit[d] + QString::fromUtf16(place.word);
    }

    const int tens = rest / 10;
    if (tens == 1)
        text += thaiTen;
    else if (tens >= 2)
        text += (tens == 2 ? QStringLiteral("ยี่") : digit[tens]) + thaiTen;

    const int units = rest % 10;
    if (units > 0) {
        if (units == 1 && !text.isEmpty() && !endsWithThaiPlaceWord(text))
            text += QStringLiteral("เอ็ด");
        else
            text += digit[units];
    }
    return text;
}

// "ONE " .. "TWENTY ", each with its trailing blank.
const QStringList &englishSmall()
{
    static const QStringList words{QString(),   "ONE ",      "TWO ",      "THREE ",   "FOUR ",    "FIVE ",
                                   "SIX ",      "SEVEN ",    "EIGHT ",    "NINE ",    "TEN ",     "ELEVEN ",
                                   "TWELVE ",   "THIRTEEN ", "FOURTEEN ", "FIFTEEN ", "SIXTEEN ", "SEVENTEEN ",
                                   "EIGHTEEN ", "NINETEEN ", "TWENTY "};
    return words;
}

const QStringList &englishTens()
{
    static const QStringList words{QString(), "TEN ",   "TWENTY ",  "THIRTY ", "FOURTY ",
                                   "FIFTY ",  "SIXTY ", "SEVENTY ", "EIGHTY ", "NINETY "};
    return words;
}

QString englishWords(int n)
{
    if (n <= 0)
        return {};
    const QStringList &small = englishSmall();
    const QStringList &tensWord = englishTens();
    QString text;

    const int millions = n / 1000000;
    if (millions >= 1 && millions <= 9)
        text += small[millions] + " MILLION ";
    else if (millions > 9)
        text += englishWords(millions) + " MILLION ";

    const int thousands = (n % 1000000) / 1000;
    if (thousands >= 1 && thousands <= 9)
        text += small[thousands] + " THOUSAND ";
    else if (thousands < 100 && thousands % 10 == 0 && thousands > 0)
        text += tensWord[thousands / 10] + " THOUSAND ";
    else if (thousands > 0)
        text += englishWords(thousands) + " THOUSAND ";

    const int hundreds = (n % 1000) / 100;
    if (hundreds != 0)
        text += small[hundreds] + " HUNDRED ";

    const int lastTwo = n % 100;
    if (lastTwo >= 1 && lastTwo <= 20) {
        text += small[lastTwo];
    } else {
        if (lastTwo / 10 != 0)
            text += tensWord[lastTwo / 10];
        if (lastTwo % 10 != 0)
            text += small[lastTwo % 10];
    }
    return text;
}

QString thaiMinus(const AmountParts &parts)
{
    return parts.negative ? QStringLiteral("ลบ") : QString();
}

QString englishMinus(const AmountParts &parts)
{
    return parts.negative ? QStringLiteral("MINUS ") : QString();
}

} // namespace

QString ThaiBahtText(int decimals, double amount)
{
    if (amount == 0)
        return {};
    const AmountParts parts = splitAmount(decimals, amount);
    QString text = thaiMinus(parts) + thaiWords(parts.integer) + QStringLiteral("บาท");
    if (parts.fraction == 0)
        text += QStringLiteral("ถ้วน");
    else
        text += thaiWords(parts.fraction) + QStringLiteral("สตางค์");
    return text;
}

QString ThaiNumberText(int decimals, double amount)
{
    if (amount == 0)
        return {};
    const AmountParts parts = splitAmount(decimals, amount);
    QString text = thaiMinus(parts) + thaiWords(parts.integer);
    if (parts.fraction != 0)
        text += QStringLiteral("จุด") + thaiWords(parts.fraction);
    return text;
}

QString EnglishBahtText(int decimals, double amount)
{
    if (amount == 0)
        return {};
    const AmountParts parts = splitAmount(decimals, amount);
    QString text = englishMinus(parts) + englishWords(parts.integer) + " BAHT ";
    if (parts.fraction == 0)
        text += " ONLY";
    else
        text += " AND " + englishWords(parts.fraction) + " SATANG";
    return text;
}

QString EnglishNumberText(int decimals, double amount)
{
    if (amount == 0)
        return {};
    const AmountParts parts = splitAmount(decimals, amount);
    QString text = englishMinus(parts) + englishWords(parts.integer) + " ";
    if (parts.fraction == 0)
        text += " ONLY";
    else
        text += " POINT " + englishWords(parts.fraction) + " ";
    return text;
}

double RoundHalfUp(int precision, int decimals, double value)
{
    if (!std::isfinite(value))
        return value;
    decimals = std::max(decimals, 0);
    const DecimalText text = fixedText(value, precision, decimals + 5);
    // Cut (not round) to decimals + 1 places; the last of them decides.
    QString fraction = (text.fraction + QStringLiteral("000")).left(decimals + 1);
    const bool roundUp = fraction.back() >= u'5';
    fraction.chop(1);
    QString integer = text.integer;
    if (roundUp && incrementDigits(fraction) && incrementDigits(integer))
        integer.prepend(u'1');
    QString result = integer;
    if (!fraction.isEmpty())
        result += u'.' + fraction;
    const double magnitude = result.toDouble();
    return text.negative ? -magnitude : magnitude;
}

QString PadLeft(const QString &text, int length, QChar pad)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() > length)
        return trimmed.left(std::max(length, 0));
    return QString(length - trimmed.size(), pad) + trimmed;
}

int YearOf(const QDate &date)
{
    return date.year();
}

int MonthOf(const QDate &date)
{
    return date.month();
}

} // namespace app
