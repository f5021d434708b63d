#pragma once

#include "Params.h"

#include <QAbstractTableModel>
#include <QSqlQuery>
#include <QStringList>
#include <QVector>
#include <memory>

namespace framework {

// A read-only select over the company database that fetches its rows as
// they are shown: opening it reads only the first batch, and a grid asks for
// more as it scrolls (canFetchMore/fetchMore). The statement is kept as a
// list of lines because searches rewrite some lines by their index.
class SearchQuery : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SearchQuery(const QString &alias = QStringLiteral("DMDATA"), QObject *parent = nullptr);
    ~SearchQuery() override;

    QStringList SQL; // the statement, one entry per line
    data::Params &params() { return m_params; }
    void setParam(const QString &name, const QVariant &value) { m_params.set(name, value); }
    QString alias() const { return m_alias; }

    void open();
    void close();
    bool isOpen() const { return m_open; }
    // Stops reading the cursor; rows fetched so far stay.
    void release();
    bool isEmpty() const { return m_rows.isEmpty(); }
    int fetchedRows() const { return int(m_rows.size()); }
    // Reads every remaining row (tests, small lists).
    void fetchAll();

    QStringList fieldNames() const { return m_fields; }
    int fieldIndex(const QString &field) const;
    bool hasField(const QString &field) const { return fieldIndex(field) >= 0; }
    // A binary or memo column (never sorted by a title click).
    bool isBlobField(int column) const;
    QVariant value(int row, const QString &field) const;

    static constexpr int batchSize = 200;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent = {}) const override;
    void fetchMore(const QModelIndex &parent = {}) override;

signals:
    void opened();

private:
    int readRows(int limit, QVector<QVector<QVariant>> &into);

    QString m_alias;
    data::Params m_params;
    QStringList m_fields;
    QVector<bool> m_blob;
    QList<bool> m_dates;
    QVector<QVector<QVariant>> m_rows;
    std::unique_ptr<QSqlQuery> m_cursor;
    bool m_open = false;
};

} // namespace framework
