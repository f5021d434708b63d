#include "FloatFormat.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace printing {

namespace {

bool isPlaceholder(QChar c)
{
    return c == u'#' || c == u'0';
}

// One section of a picture, taken apart.
struct Picture {
    QString prefix;
    QString suffix;
    int minIntegerDigits = 0;
    int requiredDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
    bool hasPlaceholders = false;
};

Picture parse(const QString &section)
{
    Picture p;
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < section.size(); ++i) {
        if (isPlaceholder(section[i])) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0) {
        p.prefix = section;
        return p;
    }
    p.hasPlaceholders = true;
    p.prefix = section.left(first);
    p.suffix = section.mid(last + 1);
    const QString body = section.mid(first, last - first + 1);
    // A point right after the last placeholder ("0.") belongs to the body.
    const qsizetype point = section.indexOf(u'.', first);
    const QString integerPart = point >= 0 ? section.mid(first, point - first) : body;
    const QString fractionPart = point >= 0 && point <= last ? section.mid(point + 1, last - point) : QString();
    p.grouping = integerPart.contains(u',');
    const qsizetype firstZero = integerPart.indexOf(u'0');
    if (firstZero >= 0)
        for (qsizetype i = firstZero; i < integerPart.size(); ++i)
            p.minIntegerDigits += isPlaceholder(integerPart[i]) ? 1 : 0;
    for (qsizetype i = 0; i < fractionPart.size(); ++i) {
        if (!isPlaceholder(fractionPart[i]))
            continue;
        ++p.maxDecimals;
        if (fractionPart[i] == u'0')
            p.requiredDecimals = p.maxDecimals;
    }
    return p;
}

QString group(const QString &digits)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += u',';
        out += digits[i];
    }
    return out;
}

QString formatWith(const Picture &p, double magnitude, bool minus = false)
{
    if (!p.hasPlaceholders)
        return p.prefix;
    const QString fixed = QString::number(magnitude, 'f', p.maxDecimals);
    const qsizetype point = fixed.indexOf(u'.');
    QString integer = point >= 0 ? fixed.left(point) : fixed;
    QString fraction = point >= 0 ? fixed.mid(point + 1) : QString();
    while (fraction.size() > p.requiredDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);
    if (integer == u"0")
        integer.clear();
    if (integer.size() < p.minIntegerDigits)
        integer.prepend(QString(p.minIntegerDigits - integer.size(), u'0'));
    if (p.grouping)
        integer = group(integer);
    QString number = integer;
    if (!fraction.isEmpty())
        number += u'.' + fraction;
    // A value that rounds to zero loses its sign.
    const bool allZero = !number.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return p.prefix + (minus && !allZero ? QStringLiteral("-") : QString()) + number + p.suffix;
}

} // namespace

QString FormatFloat(const QString &picture, double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    const QStringList sections = picture.split(u';');
    const Picture positive = parse(sections.value(0));
    if (value == 0 && sections.size() > 2 && !sections[2].isEmpty())
        return formatWith(parse(sections[2]), 0);
    if (value < 0) {
        if (sections.size() > 1 && !sections[1].isEmpty())
            return formatWith(parse(sections[1]), -value);
        return formatWith(positive, -value, true);
    }
    return formatWith(positive, value);
}

} // namespace printing
