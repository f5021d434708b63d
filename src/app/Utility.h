#pragma once

#include <QDate>
#include <QString>
#include <stdexcept>

// Text helpers shared by the whole program: amounts in Thai and English
// words for printed documents, half-up rounding on decimal digits, padding of
// document numbers and the year or month of a date.
namespace app {

// Thrown when an amount cannot be spelled: its integer part (or its fraction
// read as a whole number) lies beyond 2,147,483,647.
class AmountOutOfRange : public std::range_error {
public:
    using std::range_error::range_error;
};

// The four word functions share these rules:
//  - an amount of exactly 0 gives the empty text;
//  - the amount is rounded to `decimals` places; the fraction digits are read
//    as one whole number (with 2 decimals: the satang);
//  - 0 decimals: the whole rounded amount is the integer part and the
//    fraction counts as 0 ("...บาทถ้วน", "... ONLY");
//  - a negative amount is spelled as its absolute value preceded by "ลบ"
//    (Thai) or "MINUS " (English), rather than losing its integer words;
//  - an integer part (or fraction) beyond 2,147,483,647 throws
//    AmountOutOfRange rather than producing wrong words.
// The blanks of the English texts are part of the result and never collapsed.
QString ThaiBahtText(int decimals, double amount);
QString ThaiNumberText(int decimals, double amount);
QString EnglishBahtText(int decimals, double amount);
QString EnglishNumberText(int decimals, double amount);

// Rounds `value` half away from zero to `decimals` places, judging the digits
// of its decimal text written with `precision` significant digits (15 or 18),
// so that 2.675 becomes 2.68 although its binary value lies below.
double RoundHalfUp(int precision, int decimals, double value);

// Trims `text`, cuts it to `length` characters or prepends `pad` until it is
// that long.
QString PadLeft(const QString &text, int length, QChar pad);

int YearOf(const QDate &date);
int MonthOf(const QDate &date);

} // namespace app
