#include "FieldBinding.h"

#include "DataSet.h"

namespace framework {

FieldBinding::FieldBinding(QObject *parent) : QObject(parent) {}

void FieldBinding::bind(data::DataSet *dataSet, const QString &field)
{
    unbind();
    m_dataSet = dataSet;
    m_field = field;
    if (!dataSet)
        return;
    m_links << connect(dataSet, &data::DataSet::currentRowChanged, this, &FieldBinding::notify)
            << connect(dataSet, &data::DataSet::opened, this, &FieldBinding::notify)
            << connect(dataSet, &QAbstractItemModel::modelReset, this, &FieldBinding::notify)
            << connect(dataSet, &QAbstractItemModel::rowsInserted, this, &FieldBinding::notify)
            << connect(dataSet, &QAbstractItemModel::rowsRemoved, this, &FieldBinding::notify)
            << connect(dataSet, &QAbstractItemModel::dataChanged, this, &FieldBinding::changedCells);
    notify();
}

void FieldBinding::unbind()
{
    for (const auto &c : std::as_const(m_links))
        disconnect(c);
    m_links.clear();
    m_dataSet = nullptr;
    m_field.clear();
}

bool FieldBinding::isBound() const
{
    return m_dataSet && m_dataSet->isOpen() && m_dataSet->hasField(m_field);
}

QVariant FieldBinding::value() const
{
    if (!isBound() || m_dataSet->currentRow() < 0)
        return {};
    return m_dataSet->value(m_field);
}

void FieldBinding::setValue(const QVariant &value)
{
    if (!isBound())
        return;
    if (m_dataSet->currentRow() < 0)
        m_dataSet->edit();
    m_writing = true;
    try {
        m_dataSet->setValue(m_field, value);
    } catch (...) {
        m_writing = false;
        throw;
    }
    m_writing = false;
}

void FieldBinding::changedCells(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    if (!isBound())
        return;
    const int row = m_dataSet->currentRow();
    const int column = m_dataSet->fieldIndex(m_field);
    if (row >= topLeft.row() && row <= bottomRight.row() && column >= topLeft.column() &&
        column <= bottomRight.column())
        notify();
}

void FieldBinding::notify()
{
    if (!m_writing)
        emit valueChanged();
}

} // namespace framework
