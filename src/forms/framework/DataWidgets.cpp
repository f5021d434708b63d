#include "DataWidgets.h"

#include "DataSet.h"

#include <QFocusEvent>
#include <QLocale>
#include <QRegularExpressionValidator>
#include <cmath>

namespace framework {

QString formatNumber(double value, const QString &format)
{
    const int point = format.indexOf(QLatin1Char('.'));
    const QString fraction = point >= 0 ? format.mid(point + 1) : QString();
    const int minDecimals = int(fraction.count(QLatin1Char('0')));
    const int maxDecimals = int(fraction.size());
    const bool grouped = format.contains(QLatin1Char(','));

    QString text = QLocale::c().toString(value, 'f', maxDecimals);
    if (maxDecimals > minDecimals) {
        int keep = text.size();
        const int dot = text.indexOf(QLatin1Char('.'));
        while (keep > dot + 1 + minDecimals && text[keep - 1] == QLatin1Char('0'))
            --keep;
        if (keep == dot + 1)
            --keep; // no decimals left: drop the point
        text.truncate(keep);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    if (grouped) {
        const bool negative = text.startsWith(QLatin1Char('-'));
        int end = text.indexOf(QLatin1Char('.'));
        if (end < 0)
            end = text.size();
        for (int i = end - 3; i > (negative ? 1 : 0); i -= 3)
            text.insert(i, QLatin1Char(','));
    }
    return text;
}

bool leavesControl(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

// ---- DbEdit ------------------------------------------------------------

DbEdit::DbEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(&m_binding, &FieldBinding::valueChanged, this, &DbEdit::showValue);
    connect(this, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (m_upper && text != text.toUpper()) {
            const int pos = cursorPosition();
            setText(text.toUpper());
            setCursorPosition(pos);
        }
    });
    connect(this, &QLineEdit::returnPressed, this, &DbEdit::post);
}

void DbEdit::bind(data::DataSet *dataSet, const QString &field)
{
    m_binding.bind(dataSet, field);
    showValue();
}

void DbEdit::showValue()
{
    if (m_binding.dataSet())
        setText(m_binding.value().toString());
}

void DbEdit::post()
{
    if (!m_binding.isBound())
        return;
    const QVariant old = m_binding.value();
    if (old.toString() == text() && !(old.isNull() && m_binding.dataSet()->currentRow() < 0))
        return;
    if (old.isNull() && text().isEmpty())
        return;
    m_binding.setValue(text());
}

void DbEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (leavesControl(event)) {
        post();
        emit exited();
    }
}

// ---- CalcEdit ----------------------------------------------------------

CalcEdit::CalcEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setDecimals(2);
    connect(&m_binding, &FieldBinding::valueChanged, this, &CalcEdit::showValue);
    connect(this, &QLineEdit::returnPressed, this, &CalcEdit::post);
}

void CalcEdit::bind(data::DataSet *dataSet, const QString &field)
{
    m_binding.bind(dataSet, field);
    showValue();
}

void CalcEdit::setDisplayFormat(const QString &format)
{
    m_format = format;
    showValue();
}

void CalcEdit::setDecimals(int decimals)
{
    m_decimals = decimals;
    const QString pattern =
        decimals > 0 ? QStringLiteral("^-?[0-9,]*\\.?[0-9]{0,%1}$").arg(decimals) : QStringLiteral("^-?[0-9,]*$");
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
}

QVariant CalcEdit::number() const
{
    QString t = text().trimmed();
    t.remove(QLatin1Char(','));
    if (t.isEmpty() || t == QLatin1String("-"))
        return QVariant(QMetaType(QMetaType::Double));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? QVariant(v) : QVariant(QMetaType(QMetaType::Double));
}

void CalcEdit::showValue()
{
    const QVariant v = m_binding.dataSet() ? m_binding.value() : m_unbound;
    if (v.isNull() || !v.isValid()) {
        setText(QString());
        return;
    }
    if (hasFocus() && !isReadOnly())
        setText(QLocale::c().toString(v.toDouble(), 'f', m_decimals).remove(QRegularExpression("\\.?0+$")));
    else
        setText(formatNumber(v.toDouble(), m_format));
}

void CalcEdit::post()
{
    if (isReadOnly())
        return;
    const QVariant v = number();
    if (!m_binding.dataSet()) {
        m_unbound = v;
        return;
    }
    if (!m_binding.isBound())
        return;
    const QVariant old = m_binding.value();
    if (old.isNull() == v.isNull() && (v.isNull() || std::abs(old.toDouble() - v.toDouble()) < 1e-12) && old.isValid())
        return;
    m_binding.setValue(v);
}

void CalcEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    showValue();
}

void CalcEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (leavesControl(event)) {
        post();
        showValue();
        emit exited();
    }
}

// ---- DbDateEdit --------------------------------------------------------

DbDateEdit::DbDateEdit(QWidget *parent) : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    setCalendarPopup(true);
    setMinimumDate(QDate(1900, 1, 1));
    setSpecialValueText(QStringLiteral(" "));
    setDate(QDate::currentDate());
    connect(&m_binding, &FieldBinding::valueChanged, this, &DbDateEdit::showValue);
}

void DbDateEdit::bind(data::DataSet *dataSet, const QString &field)
{
    m_binding.bind(dataSet, field);
    showValue();
}

void DbDateEdit::showValue()
{
    const QVariant v = m_binding.value();
    if (!v.isValid() || v.isNull())
        setBlank();
    else
        setDate(v.toDate());
}

void DbDateEdit::post()
{
    if (!m_binding.isBound())
        return;
    const QVariant old = m_binding.value();
    if (isBlank()) {
        if (!old.isNull() && old.isValid())
            m_binding.setValue(QVariant(QMetaType(QMetaType::QDateTime)));
        return;
    }
    if (old.isValid() && !old.isNull() && old.toDate() == date())
        return;
    m_binding.setValue(QDateTime(date(), QTime(0, 0)));
}

void DbDateEdit::focusOutEvent(QFocusEvent *event)
{
    QDateEdit::focusOutEvent(event);
    if (leavesControl(event)) {
        post();
        emit exited();
    }
}

// ---- DbLookupCombo -----------------------------------------------------

DbLookupCombo::DbLookupCombo(QWidget *parent) : QComboBox(parent)
{
    setMaxVisibleItems(8);
    connect(&m_binding, &FieldBinding::valueChanged, this, &DbLookupCombo::showValue);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (m_binding.isBound())
            m_binding.setValue(itemData(index));
    });
}

void DbLookupCombo::bind(data::DataSet *dataSet, const QString &field)
{
    m_binding.bind(dataSet, field);
    showValue();
}

void DbLookupCombo::setList(data::DataSet *list, const QString &keyField, const QString &displayFields)
{
    if (m_list)
        disconnect(m_list, nullptr, this, nullptr);
    m_list = list;
    m_keyField = keyField;
    m_displayFields = displayFields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (list)
        connect(list, &QAbstractItemModel::modelReset, this, &DbLookupCombo::fillList);
    fillList();
}

void DbLookupCombo::fillList()
{
    const QSignalBlocker block(this);
    clear();
    if (!m_list || !m_list->isOpen())
        return;
    for (int r = 0; r < m_list->recordCount(); ++r) {
        QStringList parts;
        for (const QString &f : std::as_const(m_displayFields))
            parts.append(m_list->value(r, f).toString());
        addItem(parts.join(QStringLiteral("  ")), m_list->value(r, m_keyField));
    }
    showValue();
}

void DbLookupCombo::showValue()
{
    const QSignalBlocker block(this);
    const QVariant v = m_binding.value();
    int found = -1;
    if (v.isValid() && !v.isNull())
        for (int i = 0; i < count(); ++i)
            if (itemData(i).toLongLong() == v.toLongLong()) {
                found = i;
                break;
            }
    setCurrentIndex(found);
}

QVariant DbLookupCombo::key() const
{
    return currentIndex() >= 0 ? currentData() : QVariant();
}

void DbLookupCombo::setKey(const QVariant &key)
{
    for (int i = 0; i < count(); ++i)
        if (itemData(i).toLongLong() == key.toLongLong()) {
            setCurrentIndex(i);
            if (m_binding.isBound())
                m_binding.setValue(itemData(i));
            return;
        }
}

} // namespace framework
