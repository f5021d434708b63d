#include "IdLookupEdit.h"

#include "Connection.h"
#include "DataSet.h"
#include "DataWidgets.h"

#include <QFocusEvent>
#include <QSqlQuery>

namespace framework {

TKIdLookup::TKIdLookup(QWidget *parent) : QLineEdit(parent)
{
    connect(&m_binding, &FieldBinding::valueChanged, this, &TKIdLookup::showValue);
    connect(this, &QLineEdit::textEdited, this, [this](const QString &text) {
        markInvalid(false);
        if (upperCase && text != text.toUpper()) {
            const int pos = cursorPosition();
            setText(text.toUpper());
            setCursorPosition(pos);
        }
    });
}

void TKIdLookup::bind(data::DataSet *dataSet, const QString &field)
{
    m_binding.bind(dataSet, field);
    showValue();
}

QVariant TKIdLookup::idValue() const
{
    return m_binding.dataSet() ? m_binding.value() : m_id;
}

bool TKIdLookup::isValid() const
{
    if (text().trimmed().isEmpty())
        return K_AllowNull;
    if (text() != m_resolvedText)
        return false;
    return m_found;
}

void TKIdLookup::setDescription(const QString &text)
{
    if (K_DescriptionLabel)
        K_DescriptionLabel->setText(text.isEmpty() ? QStringLiteral("-") : text);
}

void TKIdLookup::markInvalid(bool invalid)
{
    QPalette p = palette();
    p.setColor(QPalette::Text, invalid ? QColor(Qt::red) : QPalette().color(QPalette::Text));
    setPalette(p);
}

void TKIdLookup::writeId(const QVariant &id)
{
    m_id = id;
    if (m_binding.isBound()) {
        const QVariant old = m_binding.value();
        if (old.isNull() != id.isNull() || (!id.isNull() && old.toLongLong() != id.toLongLong()) || !old.isValid())
            m_binding.setValue(id);
    }
}

bool TKIdLookup::resolve()
{
    const QString code = text().trimmed();
    m_resolvedText = text();
    const QVariant nullId(QMetaType(QMetaType::Int));
    if (code.isEmpty()) {
        m_found = false;
        writeId(nullId);
        setDescription(QString());
        markInvalid(false);
        emit resolved(K_AllowNull);
        return K_AllowNull;
    }
    QString sql =
        QStringLiteral("SELECT %1%2 FROM %3 WHERE (%4 = :Code)")
            .arg(K_LookupIDField, K_DescriptionField.isEmpty() ? QString() : QStringLiteral(", ") + K_DescriptionField,
                 K_LookupTableName, K_LookupEditField);
    if (!K_Filter.trimmed().isEmpty())
        sql += QStringLiteral(" AND (%1)").arg(K_Filter);
    data::Params p;
    p.set(QStringLiteral("Code"), code);
    QSqlQuery q = data::Connection::byAlias(K_LookupDataBase).run(sql, p);
    m_found = q.next();
    if (m_found) {
        const QVariant id = q.value(0);
        const QString description = K_DescriptionField.isEmpty() ? QString() : q.value(1).toString();
        q.finish();
        writeId(id);
        setDescription(description);
    } else {
        q.finish();
        writeId(nullId);
        setDescription(QString());
    }
    markInvalid(!m_found);
    emit resolved(m_found);
    return m_found;
}

void TKIdLookup::showId(const QVariant &id)
{
    m_id = id;
    markInvalid(false);
    if (!id.isValid() || id.isNull() || K_LookupTableName.isEmpty() || !data::Connection::isOpen(K_LookupDataBase)) {
        setText(QString());
        setDescription(QString());
        m_found = false;
        m_resolvedText = text();
        return;
    }
    const QString sql = QStringLiteral("SELECT %1%2 FROM %3 WHERE (%4 = :Id)")
                            .arg(K_LookupEditField,
                                 K_DescriptionField.isEmpty() ? QString() : QStringLiteral(", ") + K_DescriptionField,
                                 K_LookupTableName, K_LookupIDField);
    data::Params p;
    p.set(QStringLiteral("Id"), id);
    QSqlQuery q = data::Connection::byAlias(K_LookupDataBase).run(sql, p);
    m_found = q.next();
    setText(m_found ? q.value(0).toString() : QString());
    setDescription(m_found && !K_DescriptionField.isEmpty() ? q.value(1).toString() : QString());
    q.finish();
    m_resolvedText = text();
}

void TKIdLookup::showValue()
{
    if (m_binding.dataSet())
        showId(m_binding.value());
}

void TKIdLookup::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (leavesControl(event) && !isReadOnly()) {
        if (text() != m_resolvedText || !m_binding.isBound() || idValue().isNull())
            resolve();
        emit exited();
    }
}

} // namespace framework
