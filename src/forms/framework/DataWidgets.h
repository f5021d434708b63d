#pragma once

#include "FieldBinding.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPointer>

namespace data {
class DataSet;
}

namespace framework {

// Formats a number by a display format of the kind the forms use:
// "#,##0.00" (grouped, two decimals), ",0.#######" (grouped, up to seven
// decimals), "###0.00" (two decimals, no grouping).
QString formatNumber(double value, const QString &format);

// Focus leaving a control for another control of the same window; a modal
// dialog or a pop-up opening does not count as leaving.
bool leavesControl(const QFocusEvent *event);

// A single-line edit on a text field of the current row. The typed text is
// written to the field when the edit is left or Enter is pressed.
class DbEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(bool upperCase READ upperCase WRITE setUpperCase)
public:
    explicit DbEdit(QWidget *parent = nullptr);

    void bind(data::DataSet *dataSet, const QString &field);
    FieldBinding &binding() { return m_binding; }
    bool upperCase() const { return m_upper; }
    void setUpperCase(bool upper) { m_upper = upper; }
    // Writes the text into the field now.
    void post();

signals:
    // Focus moved to another control (after the text was written).
    void exited();

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showValue();
    FieldBinding m_binding;
    bool m_upper = false;
};

// Number edit on a numeric field: shows the value in its display format,
// edits the plain number, writes a double (empty text = null).
class CalcEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString displayFormat READ displayFormat WRITE setDisplayFormat)
    Q_PROPERTY(int decimals READ decimals WRITE setDecimals)
public:
    explicit CalcEdit(QWidget *parent = nullptr);

    void bind(data::DataSet *dataSet, const QString &field);
    FieldBinding &binding() { return m_binding; }
    QString displayFormat() const { return m_format; }
    void setDisplayFormat(const QString &format);
    int decimals() const { return m_decimals; }
    void setDecimals(int decimals);
    // The number typed or shown; null when empty.
    QVariant number() const;
    void post();

signals:
    void exited();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showValue();
    FieldBinding m_binding;
    QString m_format = QStringLiteral("#,##0.00");
    int m_decimals = 2;
    QVariant m_unbound; // the value when no field is bound
};

// Date edit on a date field, four-digit year; a null field shows blank.
class DbDateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit DbDateEdit(QWidget *parent = nullptr);

    void bind(data::DataSet *dataSet, const QString &field);
    FieldBinding &binding() { return m_binding; }
    bool isBlank() const { return date() == minimumDate(); }
    void setBlank() { setDate(minimumDate()); }
    void post();

signals:
    void exited();

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showValue();
    FieldBinding m_binding;
};

// Drop-down that stores the key of a row of a list data set in the bound
// field and shows some of that row's fields ("Code;Rate").
class DbLookupCombo : public QComboBox {
    Q_OBJECT
public:
    explicit DbLookupCombo(QWidget *parent = nullptr);

    void bind(data::DataSet *dataSet, const QString &field);
    FieldBinding &binding() { return m_binding; }
    void setList(data::DataSet *list, const QString &keyField, const QString &displayFields);
    QVariant key() const;
    // Selects the list row of that key and writes it.
    void setKey(const QVariant &key);

private:
    void fillList();
    void showValue();
    FieldBinding m_binding;
    QPointer<data::DataSet> m_list;
    QString m_keyField;
    QStringList m_displayFields;
};

} // namespace framework
