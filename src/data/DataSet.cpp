#include "DataSet.h"

#include "Connection.h"
#include "DbError.h"

#include <QSqlRecord>

namespace data {

UpdateSql UpdateSql::forTable(const QString &table, const QStringList &columns, const QString &key)
{
    QStringList cols;
    for (const QString &c : columns)
        if (c.compare(key, Qt::CaseInsensitive) != 0)
            cols.append(c.trimmed());
    QStringList assigns, params;
    for (const QString &c : cols) {
        assigns.append(QStringLiteral("%1 = :%1").arg(c));
        params.append(QLatin1Char(':') + c);
    }
    UpdateSql u;
    u.insertSql = QStringLiteral("insert into %1 (%2) values (%3)")
                      .arg(table, cols.join(QStringLiteral(", ")), params.join(QStringLiteral(", ")));
    u.modifySql =
        QStringLiteral("update %1 set %2 where %3 = :OLD_%3").arg(table, assigns.join(QStringLiteral(", ")), key);
    u.deleteSql = QStringLiteral("delete from %1 where %2 = :OLD_%2").arg(table, key);
    return u;
}

DataSet::DataSet(Connection &connection, const QString &selectSql, QObject *parent)
    : QAbstractTableModel(parent), m_connection(&connection), m_sql(selectSql)
{}

DataSet::DataSet(const QString &alias, const QString &selectSql, QObject *parent)
    : QAbstractTableModel(parent), m_connection(nullptr), m_alias(alias), m_sql(selectSql)
{}

Connection &DataSet::connection() const
{
    if (!m_connection)
        m_connection = &Connection::byAlias(m_alias);
    return *m_connection;
}

void DataSet::setSql(const QString &sql)
{
    close();
    m_sql = sql;
}

void DataSet::open()
{
    beginResetModel();
    m_rows.clear();
    m_visible.clear();
    m_fields.clear();
    m_current = -1;
    m_open = false;
    try {
        QSqlQuery q = connection().run(m_sql, m_params);
        const QSqlRecord rec = q.record();
        for (int i = 0; i < rec.count(); ++i)
            m_fields.append(rec.fieldName(i));
        const QList<bool> dates = connection().dialect().dateColumns(q);
        while (q.next()) {
            Row r;
            r.values.resize(m_fields.size());
            for (int i = 0; i < m_fields.size(); ++i)
                r.values[i] = connection().dialect().fromEngine(q.value(i), dates.value(i));
            r.original = r.values;
            m_rows.append(std::move(r));
        }
    } catch (...) {
        endResetModel();
        throw;
    }
    rebuildVisible();
    m_current = m_visible.isEmpty() ? -1 : 0;
    m_open = true;
    endResetModel();
    emit opened();
    emit currentRowChanged(m_current);
}

void DataSet::close()
{
    beginResetModel();
    m_rows.clear();
    m_visible.clear();
    m_current = -1;
    m_open = false;
    endResetModel();
}

void DataSet::rebuildVisible()
{
    m_visible.clear();
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].state != Deleted)
            m_visible.append(i);
}

void DataSet::setCurrentRow(int row)
{
    if (row < -1 || row >= recordCount())
        return;
    if (row != m_current) {
        m_current = row;
        emit currentRowChanged(row);
    }
}

bool DataSet::first()
{
    setCurrentRow(isEmpty() ? -1 : 0);
    return !isEmpty();
}

bool DataSet::next()
{
    if (m_current + 1 >= recordCount())
        return false;
    setCurrentRow(m_current + 1);
    return true;
}

int DataSet::fieldIndex(const QString &field) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const DataSet::Row *DataSet::liveRow(int row) const
{
    return row >= 0 && row < m_visible.size() ? &m_rows[m_visible[row]] : nullptr;
}

DataSet::Row *DataSet::liveRow(int row)
{
    return row >= 0 && row < m_visible.size() ? &m_rows[m_visible[row]] : nullptr;
}

QVariant DataSet::value(int row, const QString &field) const
{
    const int f = fieldIndex(field);
    if (f < 0)
        throw DbError(QStringLiteral("Field '%1' not found").arg(field), m_sql);
    const Row *r = liveRow(row);
    return r ? r->values[f] : QVariant();
}

QVariant DataSet::value(const QString &field) const
{
    return value(m_current, field);
}

QVariant DataSet::oldValue(const QString &field) const
{
    const int f = fieldIndex(field);
    if (f < 0)
        throw DbError(QStringLiteral("Field '%1' not found").arg(field), m_sql);
    const Row *r = liveRow(m_current);
    return r ? r->original[f] : QVariant();
}

void DataSet::setValue(int row, const QString &field, const QVariant &value)
{
    const int f = fieldIndex(field);
    if (f < 0)
        throw DbError(QStringLiteral("Field '%1' not found").arg(field), m_sql);
    Row *r = liveRow(row);
    if (!r)
        throw DbError(QStringLiteral("No current record to set '%1'").arg(field), m_sql);
    // Identical values, including their null-ness and type, change nothing.
    if (r->values[f] == value && r->values[f].isNull() == value.isNull())
        return;
    r->values[f] = value;
    if (r->state == Unchanged)
        r->state = Modified;
    const QModelIndex i = index(row, f);
    emit dataChanged(i, i);
}

void DataSet::setValue(const QString &field, const QVariant &value)
{
    setValue(m_current, field, value);
}

int DataSet::append()
{
    const int row = recordCount();
    beginInsertRows({}, row, row);
    Row r;
    r.values.resize(m_fields.size());
    r.original = r.values;
    r.state = Inserted;
    m_rows.append(r);
    m_visible.append(int(m_rows.size()) - 1);
    endInsertRows();
    setCurrentRow(row);
    return row;
}

void DataSet::edit()
{
    if (!m_open)
        throw DbError(QStringLiteral("Data set is not open"), m_sql);
    if (isEmpty())
        append();
    else if (m_current < 0)
        setCurrentRow(0);
}

void DataSet::deleteCurrent()
{
    Row *r = liveRow(m_current);
    if (!r)
        return;
    const int row = m_current;
    beginRemoveRows({}, row, row);
    if (r->state == Inserted)
        m_rows.remove(m_visible[row]);
    else
        r->state = Deleted;
    rebuildVisible();
    endRemoveRows();
    m_current = qMin(row, recordCount() - 1);
    emit currentRowChanged(m_current);
}

DataSet::RowState DataSet::rowState(int row) const
{
    const Row *r = liveRow(row);
    return r ? r->state : Unchanged;
}

bool DataSet::updatesPending() const
{
    for (const Row &r : m_rows)
        if (r.state != Unchanged)
            return true;
    return false;
}

Params DataSet::statementParams(const Row &row) const
{
    Params p;
    for (int i = 0; i < m_fields.size(); ++i) {
        p.set(m_fields[i], row.values[i]);
        p.set(QStringLiteral("OLD_") + m_fields[i], row.original[i]);
    }
    return p;
}

void DataSet::applyUpdates()
{
    // Deletions first, so that a row deleted and re-inserted with the same
    // unique key does not collide with itself.
    for (const Row &r : std::as_const(m_rows))
        if (r.state == Deleted)
            connection().execute(m_update.deleteSql, statementParams(r));
    for (const Row &r : std::as_const(m_rows)) {
        if (r.state == Modified)
            connection().execute(m_update.modifySql, statementParams(r));
        else if (r.state == Inserted)
            connection().execute(m_update.insertSql, statementParams(r));
    }
}

void DataSet::commitUpdates()
{
    beginResetModel();
    QVector<Row> kept;
    for (Row &r : m_rows) {
        if (r.state == Deleted)
            continue;
        r.original = r.values;
        r.state = Unchanged;
        kept.append(r);
    }
    m_rows = kept;
    rebuildVisible();
    m_current = qMin(m_current, recordCount() - 1);
    endResetModel();
}

void DataSet::cancelUpdates()
{
    beginResetModel();
    QVector<Row> kept;
    for (Row &r : m_rows) {
        if (r.state == Inserted)
            continue;
        r.values = r.original;
        r.state = Unchanged;
        kept.append(r);
    }
    m_rows = kept;
    rebuildVisible();
    m_current = qMin(qMax(m_current, 0), recordCount() - 1);
    endResetModel();
    emit currentRowChanged(m_current);
}

int DataSet::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : recordCount();
}

int DataSet::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

QVariant DataSet::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const Row *r = liveRow(index.row());
    return r ? r->values.value(index.column()) : QVariant();
}

bool DataSet::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.column() >= m_fields.size())
        return false;
    setValue(index.row(), m_fields[index.column()], value);
    return true;
}

QVariant DataSet::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section < m_fields.size())
        return m_fields[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags DataSet::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

} // namespace data
