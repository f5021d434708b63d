#pragma once

#include <QDate>
#include <QString>
#include <stdexcept>

namespace app {

// The process date format: every conversion between dates and text uses it.
inline constexpr const char *ShortDateFormat = "dd/MM/yyyy";

// A text that does not convert to the wanted type.
class ConvertError : public std::runtime_error {
public:
    explicit ConvertError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// "31/12/2004" (day and month may have one digit); throws
// "'<text>' is not a valid date" otherwise.
QDate StrToDate(const QString &text);
QString DateToStr(const QDate &date);
// A decimal integer, blanks around it allowed; throws
// "'<text>' is not a valid integer value" otherwise.
int StrToInt(const QString &text);

} // namespace app
