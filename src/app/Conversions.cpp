#include "Conversions.h"

namespace app {

QDate StrToDate(const QString &text)
{
    const QDate date = QDate::fromString(text.trimmed(), QStringLiteral("d/M/yyyy"));
    if (!date.isValid())
        throw ConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
    return date;
}

QString DateToStr(const QDate &date)
{
    return date.toString(QLatin1String(ShortDateFormat));
}

int StrToInt(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        throw ConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

} // namespace app
