#include "SearchQuery.h"

#include "Connection.h"

#include <QSqlField>
#include <QSqlRecord>

namespace framework {

SearchQuery::SearchQuery(const QString &alias, QObject *parent) : QAbstractTableModel(parent), m_alias(alias) {}

SearchQuery::~SearchQuery() = default;

void SearchQuery::open()
{
    close();
    data::Connection &c = data::Connection::byAlias(m_alias);
    auto cursor = std::make_unique<QSqlQuery>(c.run(SQL.join(QLatin1Char('\n')), m_params));
    beginResetModel();
    m_fields.clear();
    m_blob.clear();
    const QSqlRecord rec = cursor->record();
    for (int i = 0; i < rec.count(); ++i) {
        m_fields.append(rec.fieldName(i));
        m_blob.append(rec.field(i).metaType().id() == QMetaType::QByteArray);
    }
    m_dates = c.dialect().dateColumns(*cursor);
    m_cursor = std::move(cursor);
    m_open = true;
    try {
        readRows(batchSize, m_rows);
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
    emit opened();
}

int SearchQuery::readRows(int limit, QVector<QVector<QVariant>> &into)
{
    if (!m_cursor)
        return 0;
    const data::Dialect &dialect = data::Connection::byAlias(m_alias).dialect();
    int read = 0;
    while (read < limit) {
        if (!m_cursor->next()) {
            release();
            break;
        }
        QVector<QVariant> row(m_fields.size());
        for (int i = 0; i < m_fields.size(); ++i)
            row[i] = dialect.fromEngine(m_cursor->value(i), m_dates.value(i));
        into.append(std::move(row));
        ++read;
    }
    return read;
}

void SearchQuery::close()
{
    beginResetModel();
    release();
    m_rows.clear();
    m_open = false;
    endResetModel();
}

void SearchQuery::release()
{
    if (m_cursor) {
        m_cursor->finish();
        m_cursor.reset();
    }
}

void SearchQuery::fetchAll()
{
    while (canFetchMore())
        fetchMore();
}

int SearchQuery::fieldIndex(const QString &field) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool SearchQuery::isBlobField(int column) const
{
    return m_blob.value(column);
}

QVariant SearchQuery::value(int row, const QString &field) const
{
    const int f = fieldIndex(field);
    if (f < 0 || row < 0 || row >= m_rows.size())
        return {};
    return m_rows[row][f];
}

int SearchQuery::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SearchQuery::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

QVariant SearchQuery::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole) || index.row() >= m_rows.size())
        return {};
    return m_rows[index.row()].value(index.column());
}

QVariant SearchQuery::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section < m_fields.size())
        return m_fields[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool SearchQuery::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_cursor != nullptr;
}

void SearchQuery::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || !m_cursor)
        return;
    QVector<QVector<QVariant>> more;
    readRows(batchSize, more);
    if (more.isEmpty())
        return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + more.size() - 1));
    m_rows.append(more);
    endInsertRows();
}

} // namespace framework
