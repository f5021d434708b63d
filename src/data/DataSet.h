#pragma once

#include "Params.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace data {

class Connection;

// Insert, modify and delete statements of a data set with cached updates.
// Parameters are named after the columns; ":OLD_<column>" gives a column's
// value as it was read.
struct UpdateSql {
    QString insertSql;
    QString modifySql;
    QString deleteSql;

    // The usual statements for a table keyed by one column: every column
    // but the key assigned from its parameter, rows matched on :OLD_<key>.
    static UpdateSql forTable(const QString &table, const QStringList &columns, const QString &key = "Id");
};

// The rows of a select held in memory, with cached updates: edits, new rows
// and deletions are kept until applyUpdates() writes them inside the
// caller's transaction; commitUpdates() clears the cache only after the
// caller committed, so a failed save keeps every edit. Field access by name
// ignores case; an empty (null) value is distinct from 0 and from "".
// The set is a Qt item model, so grids and single-field editors share it.
class DataSet : public QAbstractTableModel {
    Q_OBJECT
public:
    enum RowState { Unchanged, Inserted, Modified, Deleted };

    DataSet(Connection &connection, const QString &selectSql, QObject *parent = nullptr);
    // A set on the connection of that alias, looked up when the set is first
    // used, so windows can build their sets before the connection opens.
    DataSet(const QString &alias, const QString &selectSql, QObject *parent = nullptr);

    Connection &connection() const;
    QString sql() const { return m_sql; }
    void setSql(const QString &sql);
    void setUpdateSql(const UpdateSql &u) { m_update = u; }
    const UpdateSql &updateSql() const { return m_update; }

    Params &params() { return m_params; }
    void setParam(const QString &name, const QVariant &value) { m_params.set(name, value); }

    // Runs the select; drops the cache.
    void open();
    void close();
    void reopen()
    {
        close();
        open();
    }
    bool isOpen() const { return m_open; }

    // Live rows (deleted rows are not counted).
    int recordCount() const { return int(m_visible.size()); }
    bool isEmpty() const { return m_visible.isEmpty(); }
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    bool first();
    bool next();

    QStringList fieldNames() const { return m_fields; }
    int fieldIndex(const QString &field) const;
    bool hasField(const QString &field) const { return fieldIndex(field) >= 0; }

    // Values of the current row.
    QVariant value(const QString &field) const;
    void setValue(const QString &field, const QVariant &value);
    bool isNull(const QString &field) const { return value(field).isNull(); }
    QVariant oldValue(const QString &field) const;
    // Values of any live row.
    QVariant value(int row, const QString &field) const;
    void setValue(int row, const QString &field, const QVariant &value);

    // Starts a new empty row and makes it current.
    int append();
    // Prepares the current row for editing; an empty set starts a new row.
    void edit();
    // Marks the current row deleted.
    void deleteCurrent();
    bool isNewRow() const { return rowState(m_current) == Inserted; }
    RowState rowState(int row) const;

    bool updatesPending() const;
    // Writes the cached changes through the update statements. Runs inside
    // the caller's transaction; the cache is left untouched.
    void applyUpdates();
    // After the caller committed: the cached changes become the rows' values.
    void commitUpdates();
    // Drops every cached change.
    void cancelUpdates();

    // QAbstractItemModel
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    void currentRowChanged(int row);
    void opened();

private:
    struct Row {
        QVector<QVariant> values;
        QVector<QVariant> original;
        RowState state = Unchanged;
    };
    const Row *liveRow(int row) const;
    Row *liveRow(int row);
    void rebuildVisible();
    Params statementParams(const Row &row) const;

    mutable Connection *m_connection;
    QString m_alias;
    QString m_sql;
    UpdateSql m_update;
    Params m_params;
    QStringList m_fields;
    QVector<Row> m_rows;    // every row, deleted ones included
    QVector<int> m_visible; // indexes into m_rows of live rows
    int m_current = -1;
    bool m_open = false;
};

} // namespace data
